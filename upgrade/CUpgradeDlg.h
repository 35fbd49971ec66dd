#pragma once

#include <QIcon>
#include <array>

#include "CListWindow.h"
#include "CProgressDlg.h"
#include "DeviceList.h"
#include "TransferResult.h"

class CIPAddressCtrl;
class QLineEdit;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

// What an upgrade window sends to its devices.
enum class UpgradeMode { AddressBook = 0, Firmware = 1 };

// The status icon of a device row.
enum DeviceStatus {
    StatusNone = 0,
    StatusUpgraded = 1,
    StatusFailed = 2,
    StatusReachable = 3,
    StatusUnreachable = 4,
};

// The device list of an upgrade, edited through three fields and kept in
// device list files, and the runs that probe or upgrade its devices.
class CUpgradeDlg : public CListWindow {
    Q_OBJECT
public:
    CUpgradeDlg();

    bool OnInitDialog() override;

    // Editing commands.
    void OnNew() override;
    void OnOpen() override;
    void OnSave() override;
    void OnAdd() override;
    void OnModify() override;
    void OnDelete() override;
    void OnResetFields() override;
    void ShowSelectedRow();
    void ClearStatuses();

    // Runs.
    void OnCheckConnections();
    void OnUpgradeList();
    void OnUpgradeSelection();
    TransferResult UploadAddressBook(QString sourcePath, const DeviceEntry& device);
    TransferResult UploadFirmware(QString firmwareFolder, const DeviceEntry& device);

    // The rows as the list holds them.
    int RowCount() const;
    DeviceEntry Row(int row) const;
    DeviceStatus RowStatus(int row) const;
    QTreeWidget* List() const { return m_ctlList; }
    QList<int> SelectedRows() const;
    QLineEdit* UserIdEdit() const { return m_userIdEdit; }
    QLineEdit* PasswordEdit() const { return m_passwordEdit; }

    UpgradeMode m_nMode = UpgradeMode::Firmware;
    QString m_strSourcePath;
    QString m_strDeviceListPath;
    bool m_bStatusShown = false;
    QString m_strUserId;
    QString m_strPassword;
    CIPAddressCtrl* m_ctlAddress;
    QTreeWidget* m_ctlList;
    std::array<QIcon, 5> m_imageList;
    QToolBar* m_wndToolBar;
    CProgressDlg m_dlgProgress;
    // The probe the runs use; tests put a fake in its place.
    TransferHooks m_hooks;

private:
    void FitColumns();
    void PutFieldsInRow(int position, bool replace);
    void Renumber();
    void InsertRow(int position, const DeviceEntry& device);
    void SetRowStatus(int row, DeviceStatus status);
    void LoadList(const QString& path);
    void ExchangeFieldsIn();
    void ExchangeFieldsOut();

    // Runs.
    void StartRun();
    void EndRun();
    void DeviceStep(int row, bool listRun);
    void RepaintNow();
    TransferResult Transfer(const DeviceEntry& device);

    QLineEdit* m_userIdEdit;
    QLineEdit* m_passwordEdit;
    // The bytes a field was filled from, kept while its text is unchanged, so a
    // row that is not in the local encoding is written back as it came.
    QByteArray m_userIdBytes;
    QByteArray m_passwordBytes;
};
