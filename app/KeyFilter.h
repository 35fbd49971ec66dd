#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

// Lets only some typed characters into a line edit; any other character is
// dropped with a beep. Control keys, shortcuts and pasted text pass. With a
// limit, a character that would make the text longer is dropped too.
class KeyFilter : public QObject {
public:
    KeyFilter(QLineEdit* edit, QString allowed, int limit = -1);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_edit;
    QString m_allowed;
    int m_limit;
};
