#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "AddressBookFile.h"
#include "CAboutDlg.h"
#include "CAddressBookDlg.h"
#include "CLauncherDlg.h"
#include "CUpgradeDlg.h"
#include "DeviceList.h"
#include "ModalWindows.h"
#include "ResourceIds.h"
#include "TestFiles.h"

namespace {

bool Registered() {
    return !QDir(qEnvironmentVariable("XDG_DATA_HOME") + "/mime/packages")
                .entryList(QDir::Files)
                .isEmpty();
}

void ForgetRegistration() { QDir(qEnvironmentVariable("XDG_DATA_HOME")).removeRecursively(); }

class Launcher : public ::testing::Test {
protected:
    void SetUp() override {
        ForgetRegistration();
        TakeMessages();
    }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(Launcher, ShowsFirmwareUpgradeHelpAndExitOnly) {
    CLauncherDlg launcher("");
    launcher.OnInitDialog();
    launcher.show();
    EXPECT_EQ(launcher.windowTitle(), "Varnel Pro");
    const std::pair<int, const char*> visible[] = {
        {ids::BtnFirmwareUpgrade, "Firmware Upgrade"}, {ids::CmdHelp, "Help"}, {ids::IdOk, "Exit"}};
    for (const auto& [id, caption] : visible) {
        ASSERT_TRUE(launcher.ButtonById(id)) << caption;
        EXPECT_TRUE(launcher.ButtonById(id)->isVisible()) << caption;
        EXPECT_EQ(launcher.ButtonById(id)->text(), caption);
    }
    for (int id :
         {ids::BtnAddressBookManagement, ids::BtnAddressBookUpgrade, ids::BtnAddressBookDownload}) {
        EXPECT_FALSE(launcher.ButtonById(id)->isVisible()) << id;
        EXPECT_EQ(launcher.ButtonById(id)->focusPolicy(), Qt::NoFocus) << id;
    }
    EXPECT_EQ(launcher.focusWidget(), launcher.ButtonById(ids::BtnFirmwareUpgrade));
    launcher.ButtonById(ids::IdOk)->click();
    EXPECT_FALSE(launcher.isVisible());
    EXPECT_EQ(launcher.result(), QDialog::Accepted);
}

TEST_F(Launcher, CommandLineFiles) {
    ASSERT_TRUE(WriteFile(dir.filePath("with blanks/list.vgl")));
    ASSERT_TRUE(WriteFile(dir.filePath("old.files/readme")));
    ASSERT_TRUE(WriteFile(dir.filePath("notes.txt")));
    struct Case {
        const char* name;
        QString commandLine;
        QString message;
        bool registers;
        QString deviceList;
    };
    const Case cases[] = {
        {"no file", "", "", true, ""},
        {"missing file", dir.filePath("missing.cpe"), "", true, ""},
        {"a folder", dir.path(), "", true, ""},
        {"device list with blanks", dir.filePath("with blanks/list.vgl"), "", false,
         dir.filePath("with blanks/list.vgl")},
        {"quoted device list", "\"" + dir.filePath("with blanks/list.vgl") + "\"", "", false,
         dir.filePath("with blanks/list.vgl")},
        {"dot in a folder name", dir.filePath("old.files/readme"), "Formato non riconosciuto!",
         false, ""},
        {"other extension", dir.filePath("notes.txt"), "Formato non riconosciuto!", false, ""},
    };
    for (const Case& c : cases) {
        ForgetRegistration();
        CLauncherDlg launcher(c.commandLine);
        launcher.OnInitDialog();
        EXPECT_EQ(TakeMessages(), c.message.isEmpty() ? QStringList{} : QStringList{c.message})
            << c.name;
        EXPECT_EQ(Registered(), c.registers) << c.name;
        EXPECT_EQ(launcher.m_strDeviceListPath, c.deviceList) << c.name;
    }
}

TEST_F(Launcher, AddressBookOnTheCommandLineOpensTheEditorFirst) {
    AddressBook book;
    book.gatewayAddress = {10, 0, 0, 1};
    book.records = {{"10.0.0.9", 1720, "123"}};
    const QString path = dir.filePath("Book.CPE");
    WriteAddressBook(book, path);

    CLauncherDlg launcher("\"" + path + "\"");
    bool edited = false;
    WhenShown<CAddressBookDlg>([&](CAddressBookDlg* editor) {
        edited = true;
        EXPECT_FALSE(launcher.isVisible());
        EXPECT_TRUE(editor->m_strStartupFile.isEmpty());
        ASSERT_EQ(editor->Book().records.size(), 1u);
        EXPECT_EQ(editor->Book().records[0].telephoneNumber, "123");
    });
    launcher.OnInitDialog();
    EXPECT_TRUE(edited);
    EXPECT_FALSE(Registered());
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(Launcher, EveryUpgradeWindowGetsTheDeviceList) {
    const QString list = dir.filePath("devices.vgl");
    SaveDeviceList(list, {{"127.0.0.2", "admin", "pw"}, {"127.0.0.3", "", ""}});
    QDir().mkpath(dir.filePath("firmware"));

    CLauncherDlg launcher(list);
    launcher.OnInitDialog();
    for (int run = 0; run < 2; ++run) {
        platform::testing::SetNextFileName(dir.filePath("firmware"));
        bool opened = false;
        WhenShown<CUpgradeDlg>([&](CUpgradeDlg* upgrade) {
            opened = true;
            EXPECT_EQ(upgrade->m_nMode, UpgradeMode::Firmware);
            EXPECT_EQ(upgrade->m_strSourcePath, dir.filePath("firmware"));
            EXPECT_EQ(upgrade->windowTitle(), "Firmware Upgrade");
            ASSERT_EQ(upgrade->RowCount(), 2);
            EXPECT_EQ(upgrade->Row(0), (DeviceEntry{"127.0.0.2", "admin", "pw"}));
        });
        launcher.ButtonById(ids::BtnFirmwareUpgrade)->click();
        EXPECT_TRUE(opened) << run;
    }

    platform::testing::SetNextFileName(dir.filePath("Addrbook.cpe"));
    bool opened = false;
    WhenShown<CUpgradeDlg>([&](CUpgradeDlg* upgrade) {
        opened = true;
        EXPECT_EQ(upgrade->m_nMode, UpgradeMode::AddressBook);
        EXPECT_EQ(upgrade->windowTitle(), "Address Book Upgrade");
        EXPECT_EQ(upgrade->RowCount(), 2);
    });
    launcher.ButtonById(ids::BtnAddressBookUpgrade)->click();
    EXPECT_TRUE(opened);
}

TEST_F(Launcher, CancelledPickerOpensNothing) {
    CLauncherDlg launcher("");
    launcher.OnInitDialog();
    platform::testing::SetNextFileName("");
    launcher.ButtonById(ids::BtnFirmwareUpgrade)->click();
    platform::testing::SetNextFileName("");
    launcher.ButtonById(ids::BtnAddressBookUpgrade)->click();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(Launcher, HiddenButtonsOpenTheAddressBookWindows) {
    CLauncherDlg launcher("");
    launcher.OnInitDialog();
    bool edited = false;
    WhenShown<CAddressBookDlg>(
        [&](CAddressBookDlg* editor) { edited = editor->Book().records.empty(); });
    launcher.ButtonById(ids::BtnAddressBookManagement)->click();
    EXPECT_TRUE(edited);
}

namespace {

QWidget* HelpWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "HelpWindow" && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

TEST_F(Launcher, HelpOpensTheHelpFileOrSaysItCannot) {
    const QString helpFile = QCoreApplication::applicationDirPath() + "/" +
                             QCoreApplication::applicationName() + ".html";
    QFile::remove(helpFile);
    CLauncherDlg launcher("");
    launcher.OnInitDialog();
    launcher.show();
    launcher.ButtonById(ids::CmdHelp)->click();
    EXPECT_EQ(TakeMessages(), QStringList{"Failed to launch help."});
    EXPECT_EQ(HelpWindow(), nullptr);

    ASSERT_TRUE(QFile::copy(VARNEL_SOURCE_DIR "/resources/help/varnel.html", helpFile));
    launcher.ButtonById(ids::CmdHelp)->click();
    QWidget* help = HelpWindow();
    ASSERT_NE(help, nullptr);
    help->close();

    // F1 in any window asks for the same help.
    CAddressBookDlg editor;
    editor.OnInitDialog();
    editor.show();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(editor.TelephoneEdit(), &f1);
    help = HelpWindow();
    ASSERT_NE(help, nullptr);
    help->close();
    QFile::remove(helpFile);
}

TEST_F(Launcher, AboutBoxOpensTheMakersSite) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About Varnel Pro");
    platform::testing::OpenedUrls().clear();
    about.findChild<QPushButton*>(QString::number(ids::BtnMakerSite))->click();
    ASSERT_EQ(platform::testing::OpenedUrls().size(), 1u);
    EXPECT_EQ(platform::testing::OpenedUrls()[0], QUrl("https://example.com/"));
}
