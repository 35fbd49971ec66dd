#include "CLauncherDlg.h"

#include <QFileInfo>
#include <QPushButton>

#include "CAddressBookDlg.h"
#include "CDownloadDlg.h"
#include "CUpgradeDlg.h"
#include "FileTypeRegistration.h"
#include "Help.h"
#include "IconSet.h"
#include "Platform.h"
#include "ResourceIds.h"
#include "Texts.h"

CLauncherDlg::CLauncherDlg(const QString& commandLine)
    : m_hIcon(icons::Path(ids::IconApplication)), m_commandLine(commandLine) {
    setWindowTitle(texts::AppName);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    SetClientSize(144, 77);

    struct Layout {
        int id;
        const char* caption;
        int x, y, width;
        bool hidden;
        void (CLauncherDlg::*handler)();
    };
    const Layout buttons[] = {
        {ids::BtnAddressBookManagement, "Address Book Management", 4, 8, 6, true,
         &CLauncherDlg::OnAddressBookManagement},
        {ids::BtnAddressBookUpgrade, "Address Book Upgrade", 4, 28, 6, true,
         &CLauncherDlg::OnAddressBookUpgrade},
        {ids::BtnFirmwareUpgrade, "Firmware Upgrade", 12, 8, 120, false,
         &CLauncherDlg::OnFirmwareUpgrade},
        {ids::IdOk, "Exit", 12, 48, 120, false, &QDialog::accept},
        {ids::CmdHelp, "Help", 12, 28, 120, false, &CLauncherDlg::OnHelp},
        {ids::BtnAddressBookDownload, "Address Book Download", 4, 48, 6, true,
         &CLauncherDlg::OnAddressBookDownload},
    };
    for (const Layout& layout : buttons) {
        QPushButton* button = Button(layout.caption, layout.x, layout.y, layout.width, 15);
        button->setObjectName(QString::number(layout.id));
        button->setVisible(!layout.hidden);
        if (layout.hidden) {
            button->setFocusPolicy(Qt::NoFocus);
        }
        connect(button, &QPushButton::clicked, this, layout.handler);
    }
}

QPushButton* CLauncherDlg::ButtonById(int id) const {
    return findChild<QPushButton*>(QString::number(id));
}

bool CLauncherDlg::OpenCommandLineFile(QFile& file) const {
    const QString name = QString(m_commandLine).remove('"');
    if (name.isEmpty()) {
        return false;
    }
    file.setFileName(name);
    return QFileInfo(name).isFile() && file.open(QIODevice::ReadOnly);
}

bool CLauncherDlg::OnInitDialog() {
    setWindowIcon(m_hIcon);
    QFile file;
    if (OpenCommandLineFile(file)) {
        const QString fullPath = QFileInfo(file).absoluteFilePath();
        file.close();
        const qsizetype dot = fullPath.lastIndexOf('.');
        const QString extension = (dot < 0 ? fullPath : fullPath.mid(dot)).toUpper();
        if (extension == ".CPE") {
            CAddressBookDlg editor;
            editor.m_strStartupFile = fullPath;
            editor.DoModal();
        } else if (extension == ".VGL") {
            m_strDeviceListPath = fullPath;
        } else {
            platform::MessageBox(texts::UnknownFormat);
        }
    } else {
        RegisterFileType(".cpe", "CPE.AddressBook", 1, true);
        RegisterFileType(".vgl", "CPE.VarnelProList", 3, true);
    }
    ButtonById(ids::BtnFirmwareUpgrade)->setFocus();
    return true;
}

void CLauncherDlg::OnAddressBookManagement() {
    CAddressBookDlg editor;
    editor.DoModal();
}

void CLauncherDlg::OnAddressBookUpgrade() {
    RunUpgrade(UpgradeMode::AddressBook,
               platform::OpenFileName(this, texts::AddressBookName, texts::AddressBookFilter));
}

void CLauncherDlg::OnFirmwareUpgrade() {
    RunUpgrade(UpgradeMode::Firmware, platform::BrowseForFolder(texts::FolderTitle));
}

void CLauncherDlg::RunUpgrade(UpgradeMode mode, const QString& source) {
    if (source.isEmpty()) {
        return;  // cancelled
    }
    CUpgradeDlg upgrade;
    upgrade.m_nMode = mode;
    upgrade.m_strSourcePath = source;
    upgrade.m_strDeviceListPath = m_strDeviceListPath;
    upgrade.DoModal();
}

void CLauncherDlg::OnAddressBookDownload() {
    CDownloadDlg download;
    download.DoModal();
}

void CLauncherDlg::OnHelp() { WinHelp(); }
