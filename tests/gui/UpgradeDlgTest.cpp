#include <gtest/gtest.h>

#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "CIPAddressCtrl.h"
#include "CUpgradeDlg.h"
#include "DeviceList.h"
#include "FileSizeLimit.h"
#include "ListRows.h"
#include "ModalWindows.h"
#include "ResourceIds.h"
#include "TestFiles.h"

namespace {

class UpgradeWindow : public ::testing::Test {
protected:
    void SetUp() override {
        TakeMessages();
        dlg.m_hooks.probe = [](const QByteArray&, int) { return true; };
        dlg.OnInitDialog();
        dlg.show();
    }

    void Type(const FormAddress& address, const QString& user, const QString& password) {
        for (int i = 0; i < 4; ++i) {
            dlg.m_ctlAddress->Field(i)->setText(address[i] ? QString::number(*address[i]) : "");
        }
        dlg.UserIdEdit()->setText(user);
        dlg.PasswordEdit()->setText(password);
    }
    void AddDevices(int count) {
        for (int i = 0; i < count; ++i) {
            Type(FilledAddress({10, 0, 0, static_cast<uint8_t>(i + 1)}),
                 "u" + QString::number(i + 1), "p" + QString::number(i + 1));
            dlg.m_ctlList->clearSelection();
            dlg.OnAdd();
        }
    }
    void Select(std::initializer_list<int> rows) { SelectRows(dlg.m_ctlList, rows); }
    QStringList Column(int column) { return ColumnTexts(dlg.m_ctlList, column); }

    CUpgradeDlg dlg;
    QTemporaryDir dir;
};

}  // namespace

TEST_F(UpgradeWindow, StartsEmptyWithTheCaptionOfItsMode) {
    EXPECT_EQ(dlg.windowTitle(), "Firmware Upgrade");
    EXPECT_EQ(dlg.RowCount(), 0);
    EXPECT_TRUE(dlg.m_ctlList->isColumnHidden(4));
    CUpgradeDlg addressBook;
    addressBook.m_nMode = UpgradeMode::AddressBook;
    addressBook.OnInitDialog();
    EXPECT_EQ(addressBook.windowTitle(), "Address Book Upgrade");
}

TEST_F(UpgradeWindow, AddAppendsOrGoesBeforeTheFirstSelectedRow) {
    AddDevices(5);
    EXPECT_EQ(Column(0), (QStringList{"1", "2", "3", "4", "5"}));
    Select({1, 3});
    Type(FilledAddress({192, 168, 1, 1}), "new", "secret");
    dlg.OnAdd();
    EXPECT_EQ(Column(0), (QStringList{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(Column(1)[1], "192.168.1.1");
    EXPECT_EQ(Column(3)[1], "******");
    EXPECT_EQ(dlg.SelectedRows(), (QList<int>{2, 4}));
    // The fields show the first selected row, the former second.
    EXPECT_EQ(dlg.UserIdEdit()->text(), "u2");
}

TEST_F(UpgradeWindow, ModifyReplacesOnlyTheFirstSelectedRow) {
    AddDevices(4);
    Type(FilledAddress({1, 1, 1, 1}), "x", "y");
    dlg.m_ctlList->clearSelection();
    dlg.OnModify();
    EXPECT_EQ(Column(2), (QStringList{"u1", "u2", "u3", "u4"}));

    Select({1, 2});
    Type(FilledAddress({1, 1, 1, 1}), "x", "y");
    dlg.OnModify();
    EXPECT_EQ(Column(2), (QStringList{"u1", "x", "u3", "u4"}));
    EXPECT_EQ(Column(0), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(dlg.SelectedRows(), QList<int>{2});
}

TEST_F(UpgradeWindow, DeleteRemovesEverySelectedRowAndRenumbers) {
    AddDevices(5);
    Select({0, 2, 4});
    dlg.OnDelete();
    EXPECT_EQ(Column(2), (QStringList{"u2", "u4"}));
    EXPECT_EQ(Column(0), (QStringList{"1", "2"}));
}

TEST_F(UpgradeWindow, AddressRulesAndTheRowLimit) {
    Type({192, 168, {}, {}}, "", "");
    dlg.OnAdd();
    EXPECT_EQ(Column(1), QStringList{"192.168.0.0"});
    Type({}, "u", "p");
    dlg.OnAdd();
    EXPECT_EQ(TakeMessages(), QStringList{"Invalid params!"});
    EXPECT_EQ(dlg.RowCount(), 1);
    EXPECT_EQ(dlg.UserIdEdit()->text(), "u");

    SaveDeviceList(dir.filePath("253.vgl"),
                   std::vector<DeviceEntry>(253, DeviceEntry{"10.1.1.1", "a", "b"}));
    platform::testing::SetNextFileName(dir.filePath("253.vgl"));
    dlg.OnOpen();
    ASSERT_EQ(dlg.RowCount(), 253);
    Type(FilledAddress({10, 0, 0, 1}), "", "");
    dlg.m_ctlList->clearSelection();
    dlg.OnAdd();
    EXPECT_EQ(dlg.RowCount(), 254);
    EXPECT_TRUE(TakeMessages().isEmpty());
    dlg.OnAdd();
    EXPECT_EQ(dlg.RowCount(), 254);
    EXPECT_EQ(TakeMessages(), QStringList{"Maximum number of items reached!"});
}

TEST_F(UpgradeWindow, EveryEditingCommandClearsTheStatusIcons) {
    SaveDeviceList(dir.filePath("list.vgl"), {{"10.0.0.1", "a", "b"}, {"10.0.0.2", "c", "d"}});
    struct Case {
        const char* name;
        std::function<void()> command;
    };
    const Case cases[] = {
        {"Add", [&] { dlg.OnAdd(); }},
        {"Modify",
         [&] {
             Select({0});
             dlg.OnModify();
         }},
        {"Delete",
         [&] {
             Select({0});
             dlg.OnDelete();
         }},
        {"Reset fields", [&] { dlg.OnResetFields(); }},
        {"New", [&] { dlg.OnNew(); }},
        {"Open",
         [&] {
             platform::testing::SetNextFileName(dir.filePath("list.vgl"));
             dlg.OnOpen();
         }},
        {"Save",
         [&] {
             platform::testing::SetNextFileName(dir.filePath("saved.vgl"));
             dlg.OnSave();
         }},
        {"cancelled Save",
         [&] {
             platform::testing::SetNextFileName("");
             dlg.OnSave();
         }},
    };
    for (const Case& c : cases) {
        platform::testing::SetNextFileName(dir.filePath("list.vgl"));
        dlg.OnOpen();
        dlg.Commands().Trigger(ids::CmdCheckConnections);
        ASSERT_TRUE(dlg.m_bStatusShown);
        ASSERT_EQ(dlg.RowStatus(0), StatusReachable);
        Type(FilledAddress({10, 9, 9, 9}), "", "");
        c.command();
        EXPECT_FALSE(dlg.m_bStatusShown) << c.name;
        for (int row = 0; row < dlg.RowCount(); ++row) {
            EXPECT_EQ(dlg.RowStatus(row), StatusNone) << c.name;
        }
    }
    dlg.Commands().Trigger(ids::CmdCheckConnections);
    platform::testing::SetNextFileName("");
    dlg.OnOpen();
    Select({1});
    EXPECT_TRUE(dlg.m_bStatusShown);
    EXPECT_EQ(dlg.RowStatus(1), StatusReachable);
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(UpgradeWindow, OpenAndSaveKeepEveryByte) {
    // Written on a PC with another code page: bytes that are no UTF-8 text.
    const std::vector<DeviceEntry> rows{{"10.0.0.1", "op\xE9rateur", "m\xF6t de passe"},
                                        {"not dotted", "", ""},
                                        {"10.0.0.3", "admin", QByteArray(300, 'k')}};
    const QString original = dir.filePath("original.vgl");
    SaveDeviceList(original, rows);
    platform::testing::SetNextFileName(original);
    dlg.OnOpen();
    ASSERT_EQ(dlg.RowCount(), 3);
    EXPECT_EQ(Column(3)[0], "************");
    EXPECT_EQ(Column(3)[2], QString(300, '*'));

    // Selecting a row and modifying it unchanged keeps its bytes too.
    Select({0});
    dlg.OnModify();
    platform::testing::SetNextFileName(dir.filePath("copy.vgl"));
    dlg.OnSave();
    EXPECT_EQ(ReadFile(dir.filePath("copy.vgl")), ReadFile(original));
    EXPECT_TRUE(TakeMessages().isEmpty());

    // Selecting a row whose address is not dotted fills what the split yields.
    Select({1});
    EXPECT_EQ(dlg.m_ctlAddress->Fields(), FilledAddress({0, 0, 0, 0}));
}

TEST_F(UpgradeWindow, FileProblemsAreReportedAndLoseNothing) {
    const QString list = dir.filePath("list.vgl");
    SaveDeviceList(list, {{"10.0.0.1", "a", "b"}});
    const QByteArray before = ReadFile(list);
    AddDevices(40);
    {
        FileSizeLimit diskFull(30);
        platform::testing::SetNextFileName(list);
        dlg.OnSave();
    }
    EXPECT_EQ(platform::testing::Messages().size(), 1u);
    EXPECT_EQ(platform::testing::Messages()[0].icon, platform::Icon::Stop);
    TakeMessages();
    EXPECT_EQ(ReadFile(list), before);

    QFile wrong(dir.filePath("wrong.vgl"));
    ASSERT_TRUE(wrong.open(QIODevice::WriteOnly));
    wrong.write(QByteArray::fromHex("0956474C3130303030300100000000"));
    wrong.close();
    platform::testing::SetNextFileName(wrong.fileName());
    dlg.OnOpen();
    EXPECT_EQ(TakeMessages(), QStringList{"Different VGL file version, can't read the file!"});
    EXPECT_EQ(dlg.RowCount(), 0);

    const QByteArray two = EncodeDeviceList({{"10.0.0.1", "a", "b"}, {"10.0.0.2", "c", "d"}});
    QFile cut(dir.filePath("cut.vgl"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(two.left(two.size() - 2));
    cut.close();
    platform::testing::SetNextFileName(cut.fileName());
    dlg.OnOpen();
    EXPECT_EQ(TakeMessages().size(), 1);
    EXPECT_EQ(dlg.RowCount(), 1);
}

TEST_F(UpgradeWindow, EnterInAFieldClosesTheWindow) {
    AddDevices(1);
    dlg.UserIdEdit()->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(dlg.UserIdEdit(), &enter);
    EXPECT_FALSE(dlg.isVisible());
}
