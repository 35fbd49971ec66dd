#pragma once

#include <QWidget>
#include <array>

#include "DottedAddress.h"

class QLineEdit;

// Four fields of 0 to 255 separated by dots. A field may be blank, which is
// not the same as 0; reading the address takes blank fields as 0.
class CIPAddressCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CIPAddressCtrl(QWidget* parent = nullptr);

    bool IsBlank() const;
    void ClearAddress();
    void SetAddress(const Octets& octets);
    // The four fields as they stand, each blank or 0 to 255.
    FormAddress Fields() const;
    // Blank fields read as 0.
    Octets Address() const { return TakeAddress(Fields()); }
    QLineEdit* Field(int index) const { return m_fields[index]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnEdited(int index);
    std::array<QLineEdit*, 4> m_fields{};
};
