#pragma once

#include <QIcon>
#include <array>

#include "AddressBook.h"
#include "CListWindow.h"

class CIPAddressCtrl;
class QLineEdit;
class QToolBar;
class QTreeWidget;

// The editor of one address book: its gateway, and its records entered through
// the "Record" group and listed below.
class CAddressBookDlg : public CListWindow {
    Q_OBJECT
public:
    CAddressBookDlg();

    bool OnInitDialog() override;
    void OnOK() override;  // Exit, and Enter outside the buttons

    void OnNew() override;
    void OnOpen() override;
    void OnSave() override;
    void OnAdd() override;
    void OnModify() override;
    void OnDelete() override;
    void OnResetFields() override;
    void LoadSelectedRow();

    // Writes the form's telephone number, presets and the gateway port into their edits.
    void FillWindow();
    // Reads them back; at the first bad field shows its message, puts the focus
    // there and stops.
    bool ReadWindow();

    const AddressBook& Book() const { return m_book; }
    const RecordForm& Form() const { return m_form; }
    QLineEdit* TelephoneEdit() const { return m_telephoneEdit; }
    QLineEdit* PresetEdit(int index) const { return m_presetEdits[index]; }
    QLineEdit* GatewayPortEdit() const { return m_gatewayPortEdit; }

    QString m_strStartupFile;
    CIPAddressCtrl* m_ctlGatewayAddress;
    CIPAddressCtrl* m_ctlRecordAddress;
    QTreeWidget* m_ctlRecordList;
    QToolBar* m_wndToolBar;
    QIcon m_hIcon;

private:
    void ApplyChoice();
    void FitColumns();
    void Renumber();
    void InsertRow(int position, const AddressRecord& record);
    void ReadBook(const QString& path);
    std::optional<int> FirstSelected() const;

    AddressBook m_book;
    RecordForm m_form;
    QLineEdit* m_telephoneEdit;
    std::array<QLineEdit*, 4> m_presetEdits{};
    QLineEdit* m_gatewayPortEdit;
};
