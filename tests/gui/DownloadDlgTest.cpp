#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include "CDownloadDlg.h"
#include "CIPAddressCtrl.h"
#include "ModalWindows.h"
#include "Platform.h"
#include "SimDevices.h"
#include "TestFiles.h"

namespace {}  // namespace

TEST(DownloadWindow, FetchesTheAddressBookAndKeepsTheOldFileOnFailure) {
    SimDevices devices({"127.0.1.12"});
    ASSERT_TRUE(devices.ready());
    QByteArray book(13770, '\0');
    book.replace(0, 8, "10.0.0.1");
    ASSERT_TRUE(WriteFile(devices.Path("127.0.1.12", "RFA/Addrbook.cpe"), book));
    QTemporaryDir dir;
    const QString target = dir.filePath("Addrbook.cpe");
    ASSERT_TRUE(WriteFile(target, "older"));
    TakeMessages();

    CDownloadDlg dlg;
    dlg.OnInitDialog();
    dlg.show();
    dlg.m_ctlAddress->SetAddress({127, 0, 1, 12});
    dlg.UserIdEdit()->setText("admin");
    dlg.PasswordEdit()->setText("wrong");

    bool progressShown = false;
    platform::testing::OnMessage([&](const platform::testing::ShownMessage&) {
        progressShown = dlg.m_dlgProgress.isVisible() &&
                        dlg.m_dlgProgress.windowTitle() == "Download AddressBook";
    });
    platform::testing::SetNextFileName(target);
    dlg.OnDownload();
    platform::testing::OnMessage({});
    EXPECT_EQ(TakeMessages(), QStringList{"FTP failure!"});
    EXPECT_TRUE(progressShown);
    EXPECT_FALSE(dlg.m_dlgProgress.isVisible());
    EXPECT_EQ(ReadFile(target), "older");

    dlg.PasswordEdit()->setText("admin");
    platform::testing::SetNextFileName(target);
    dlg.OnDownload();
    EXPECT_TRUE(TakeMessages().isEmpty());
    EXPECT_EQ(ReadFile(target), book);
    EXPECT_EQ(dlg.UserIdEdit()->text(), "admin");
    EXPECT_TRUE(dlg.isVisible());

    // Cancelling the save dialog connects to nothing.
    platform::testing::SetNextFileName("");
    dlg.OnDownload();
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST(DownloadWindow, UnansweredProbeAndResetFields) {
    CDownloadDlg dlg;
    QList<QByteArray> probed;
    dlg.m_probe = [&](const QByteArray& address, int) {
        probed << address;
        return false;
    };
    dlg.OnInitDialog();
    dlg.m_ctlAddress->SetAddress({10, 1, 2, 3});
    dlg.UserIdEdit()->setText("someone");
    dlg.OnResetFields();
    EXPECT_TRUE(dlg.m_ctlAddress->IsBlank());
    EXPECT_EQ(dlg.UserIdEdit()->text(), "");
    TakeMessages();
    dlg.OnDownload();
    EXPECT_EQ(probed, QList<QByteArray>{"0.0.0.0"});
    EXPECT_EQ(TakeMessages(), QStringList{"Varnel Pro not found!"});
}
