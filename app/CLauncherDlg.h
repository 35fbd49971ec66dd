#pragma once

#include <QFile>
#include <QIcon>

#include "CDialog.h"
#include "CUpgradeDlg.h"

class QPushButton;

// The main window: "Firmware Upgrade", "Help" and "Exit", and three hidden
// buttons whose commands open the address book windows. At start it takes up a
// file named on the command line.
class CLauncherDlg : public CDialog {
    Q_OBJECT
public:
    explicit CLauncherDlg(const QString& commandLine);

    bool OnInitDialog() override;

    // Opens the command line's file for reading; false when there is none.
    bool OpenCommandLineFile(QFile& file) const;

    void OnAddressBookManagement();
    void OnAddressBookUpgrade();
    void OnFirmwareUpgrade();
    void OnAddressBookDownload();
    void OnHelp();

    QPushButton* ButtonById(int id) const;

    QString m_strDeviceListPath;
    QIcon m_hIcon;

private:
    void RunUpgrade(UpgradeMode mode, const QString& source);

    QString m_commandLine;
};
