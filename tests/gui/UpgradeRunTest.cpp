#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "CLauncherDlg.h"
#include "CUpgradeDlg.h"
#include "DeviceList.h"
#include "ModalWindows.h"
#include "Platform.h"
#include "ResourceIds.h"
#include "SimDevices.h"
#include "TestFiles.h"

namespace {

// Devices on 127.0.1.x; 127.0.1.9 has nothing behind it and never answers.
class UpgradeRuns : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        devices = new SimDevices(
            {"127.0.1.2", "127.0.1.3,fault=no-images", "127.0.1.4", "127.0.1.5", "127.0.1.6"});
    }
    static void TearDownTestSuite() { delete devices; }
    void SetUp() override {
        ASSERT_TRUE(devices->ready());
        TakeMessages();
        platform::testing::OnMessage({});
    }
    void TearDown() override { platform::testing::OnMessage({}); }

    // The real probe, but 127.0.1.9 stays silent; remembers what the progress
    // window showed when each device was probed.
    Prober ProbeRecording(CUpgradeDlg* dlg) {
        return [this, dlg](const QByteArray& address, int timeout) {
            probed << address;
            totalBarAtProbe << dlg->m_dlgProgress.TotalBarView()->value();
            EXPECT_FALSE(dlg->close());  // a run refuses to be closed
            return address != "127.0.1.9" && PingHost(address, timeout);
        };
    }

    static SimDevices* devices;
    QTemporaryDir dir;
    QList<QByteArray> probed;
    QList<int> totalBarAtProbe;
};
SimDevices* UpgradeRuns::devices = nullptr;

}  // namespace

TEST_F(UpgradeRuns, FirmwareUpgradeFromTheLauncherToEveryDevice) {
    const QString firmware = dir.filePath("Fw");
    ASSERT_TRUE(WriteFile(firmware + "/main.bin", "main"));
    ASSERT_TRUE(WriteFile(firmware + "/Doc/manual.pdf", "manual"));
    ASSERT_TRUE(WriteFile(firmware + "/Images/logo.bmp", "logo"));
    const QString list = dir.filePath("devices.vgl");
    SaveDeviceList(list, {{"127.0.1.2", "admin", "admin"},
                          {"127.0.1.3", "admin", "admin"},
                          {"127.0.1.9", "admin", "admin"}});

    CLauncherDlg launcher(list);
    launcher.OnInitDialog();
    platform::testing::SetNextFileName(firmware);
    bool ran = false;
    WhenShown<CUpgradeDlg>([&](CUpgradeDlg* dlg) {
        ran = true;
        dlg->m_hooks.probe = ProbeRecording(dlg);
        bool closingShown = false;
        platform::testing::OnMessage([&](const platform::testing::ShownMessage& message) {
            closingShown = true;
            EXPECT_EQ(message.icon, platform::Icon::Information);
            EXPECT_TRUE(message.text.startsWith("Turn-off and Turn-on the Varnel Pro"));
            EXPECT_TRUE(dlg->m_dlgProgress.isVisible());
            EXPECT_EQ(dlg->m_dlgProgress.windowTitle(), "Upgrade List");
            EXPECT_EQ(dlg->m_dlgProgress.TotalBarView()->value(), 3);
            EXPECT_EQ(dlg->m_dlgProgress.TotalBarView()->maximum(), 3);
        });
        dlg->Commands().Trigger(ids::CmdUpgradeList);
        EXPECT_TRUE(closingShown);
        EXPECT_FALSE(dlg->m_dlgProgress.isVisible());
        EXPECT_EQ(dlg->RowStatus(0), StatusUpgraded);
        EXPECT_EQ(dlg->RowStatus(1), StatusFailed);
        EXPECT_EQ(dlg->RowStatus(2), StatusUnreachable);
        EXPECT_TRUE(dlg->m_bStatusShown);
        EXPECT_EQ(dlg->m_dlgProgress.ShownLine2(), "Ugrade 127.0.1.9");
    });
    launcher.ButtonById(ids::BtnFirmwareUpgrade)->click();
    ASSERT_TRUE(ran);

    EXPECT_EQ(probed, (QList<QByteArray>{"127.0.1.2", "127.0.1.3", "127.0.1.9"}));
    EXPECT_EQ(totalBarAtProbe, (QList<int>{0, 1, 2}));
    EXPECT_EQ(ReadFile(devices->Path("127.0.1.2", "RFA/main.bin")), "main");
    EXPECT_EQ(ReadFile(devices->Path("127.0.1.2", "RFA/Doc/manual.pdf")), "manual");
    EXPECT_EQ(ReadFile(devices->Path("127.0.1.2", "RFA/Images/logo.bmp")), "logo");
    EXPECT_FALSE(QFile::exists(devices->Path("127.0.1.3", "RFA/main.bin")));
}

TEST_F(UpgradeRuns, SelectionRunTakesOnlyTheSelectedRows) {
    const QString book = dir.filePath("Addrbook.cpe");
    ASSERT_TRUE(WriteFile(book, QByteArray(13770, '\x01')));
    CUpgradeDlg dlg;
    dlg.m_nMode = UpgradeMode::AddressBook;
    dlg.m_strSourcePath = book;
    dlg.m_hooks.probe = ProbeRecording(&dlg);
    const QString list = dir.filePath("five.vgl");
    SaveDeviceList(list, {{"127.0.1.2", "admin", "admin"},
                          {"127.0.1.3", "admin", "admin"},
                          {"127.0.1.4", "admin", "admin"},
                          {"127.0.1.5", "admin", "admin"},
                          {"127.0.1.6", "admin", "admin"}});
    dlg.m_strDeviceListPath = list;
    dlg.OnInitDialog();
    dlg.show();

    // Icons of an earlier check go as the run starts.
    dlg.Commands().Trigger(ids::CmdCheckConnections);
    dlg.m_ctlList->topLevelItem(0)->setSelected(true);
    dlg.m_ctlList->topLevelItem(2)->setSelected(true);
    probed.clear();
    totalBarAtProbe.clear();
    int barAtMessage = -1;
    platform::testing::OnMessage([&](const platform::testing::ShownMessage&) {
        barAtMessage = dlg.m_dlgProgress.TotalBarView()->value();
        EXPECT_EQ(dlg.m_dlgProgress.TotalBarView()->maximum(), 2);
        EXPECT_EQ(dlg.m_dlgProgress.windowTitle(), "Upgrade Selection");
    });
    dlg.Commands().Trigger(ids::CmdUpgradeSelection);

    EXPECT_EQ(probed, (QList<QByteArray>{"127.0.1.2", "127.0.1.4"}));
    EXPECT_EQ(totalBarAtProbe, (QList<int>{0, 1}));
    EXPECT_EQ(barAtMessage, 2);
    const DeviceStatus expected[] = {StatusUpgraded, StatusNone, StatusUpgraded, StatusNone,
                                     StatusNone};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(dlg.RowStatus(row), expected[row]) << row;
    }
    EXPECT_EQ(ReadFile(devices->Path("127.0.1.4", "RFA/Addrbook.cpe")), QByteArray(13770, '\x01'));
    EXPECT_FALSE(QFile::exists(devices->Path("127.0.1.5", "RFA/Addrbook.cpe")));
}

TEST_F(UpgradeRuns, CheckConnectionsMarksEveryRow) {
    CUpgradeDlg dlg;
    dlg.m_hooks.probe = [](const QByteArray& address, int) { return address != "10.0.0.2"; };
    const QString list = dir.filePath("three.vgl");
    SaveDeviceList(list, {{"10.0.0.1", "", ""}, {"10.0.0.2", "", ""}, {"10.0.0.3", "", ""}});
    dlg.m_strDeviceListPath = list;
    dlg.OnInitDialog();
    dlg.Commands().Trigger(ids::CmdCheckConnections);
    EXPECT_EQ(dlg.RowStatus(0), StatusReachable);
    EXPECT_EQ(dlg.RowStatus(1), StatusUnreachable);
    EXPECT_EQ(dlg.RowStatus(2), StatusReachable);
    EXPECT_TRUE(TakeMessages().isEmpty());
    EXPECT_FALSE(dlg.m_dlgProgress.isVisible());
    dlg.OnResetFields();
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(dlg.RowStatus(row), StatusNone);
    }
}

TEST_F(UpgradeRuns, EmptyListAndEmptySelection) {
    CUpgradeDlg dlg;
    dlg.OnInitDialog();
    dlg.Commands().Trigger(ids::CmdCheckConnections);
    dlg.Commands().Trigger(ids::CmdUpgradeList);
    EXPECT_EQ(TakeMessages(), (QStringList{"No item in list!", "No item in list!"}));
    EXPECT_FALSE(dlg.m_dlgProgress.isVisible());
    SaveDeviceList(dir.filePath("one.vgl"), {{"10.0.0.1", "", ""}});
    platform::testing::SetNextFileName(dir.filePath("one.vgl"));
    dlg.OnOpen();
    dlg.Commands().Trigger(ids::CmdUpgradeSelection);
    EXPECT_EQ(TakeMessages(), QStringList{"No item selected!"});
    EXPECT_FALSE(dlg.m_bStatusShown);
}
