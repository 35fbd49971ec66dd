#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "AddressBookFile.h"
#include "CAddressBookDlg.h"
#include "CIPAddressCtrl.h"
#include "FileSizeLimit.h"
#include "ListRows.h"
#include "ModalWindows.h"
#include "Platform.h"

namespace {

void TypeKeys(QWidget* widget, const QString& keys) {
    for (const QChar c : keys) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

class Editor : public ::testing::Test {
protected:
    void SetUp() override { TakeMessages(); }

    void Open(const AddressBook& book) {
        path = dir.filePath("Addrbook.cpe");
        WriteAddressBook(book, path);
        dlg.m_strStartupFile = path;
        dlg.OnInitDialog();
        dlg.show();
    }
    void Select(std::initializer_list<int> rows) { SelectRows(dlg.m_ctlRecordList, rows); }
    QStringList Column(int column) { return ColumnTexts(dlg.m_ctlRecordList, column); }
    int VisiblePreset() {
        int visible = -1;
        for (int i = 0; i < 4; ++i) {
            if (dlg.PresetEdit(i)->isVisibleTo(&dlg)) {
                EXPECT_EQ(visible, -1) << "two preset edits shown";
                visible = i;
            }
        }
        return visible;
    }

    QTemporaryDir dir;
    QString path;
    CAddressBookDlg dlg;
};

AddressBook SampleBook() {
    AddressBook book;
    book.gatewayAddress = {192, 168, 0, 1};
    book.gatewayPort = 2000;
    for (int i = 1; i <= 7; ++i) {
        book.records.push_back({"10.0.0." + QByteArray::number(i), 1720, QByteArray::number(i)});
    }
    book.records[1].port = -1;
    book.records[2].telephoneNumber = QByteArray(36, '9');
    return book;
}

}  // namespace

TEST_F(Editor, OpensEmpty) {
    dlg.OnInitDialog();
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Address Book Management");
    EXPECT_EQ(dlg.m_ctlGatewayAddress->Fields(), FilledAddress({255, 255, 255, 255}));
    EXPECT_EQ(dlg.GatewayPortEdit()->text(), "1720");
    EXPECT_TRUE(dlg.m_ctlRecordAddress->IsBlank());
    EXPECT_EQ(dlg.TelephoneEdit()->text(), "");
    EXPECT_EQ(VisiblePreset(), 0);
    EXPECT_EQ(dlg.PresetEdit(0)->text(), "1720");
    EXPECT_EQ(dlg.m_ctlRecordList->topLevelItemCount(), 0);
}

TEST_F(Editor, OpensOnAFile) {
    Open(SampleBook());
    EXPECT_TRUE(dlg.m_strStartupFile.isEmpty());
    EXPECT_EQ(dlg.m_ctlGatewayAddress->Fields(), FilledAddress({192, 168, 0, 1}));
    EXPECT_EQ(dlg.GatewayPortEdit()->text(), "2000");
    EXPECT_EQ(Column(0), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(Column(2)[1], "-1");
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(Editor, TelephoneFieldTakesDigitsAndStarsOnly) {
    dlg.OnInitDialog();
    dlg.show();
    TypeKeys(dlg.TelephoneEdit(), "1a#+2*");
    EXPECT_EQ(dlg.TelephoneEdit()->text(), "12*");
    dlg.TelephoneEdit()->setText(QString(35, '5'));
    dlg.TelephoneEdit()->end(false);
    TypeKeys(dlg.TelephoneEdit(), "6");
    EXPECT_EQ(dlg.TelephoneEdit()->text(), QString(35, '5'));
    TypeKeys(dlg.PresetEdit(0), "x");
    EXPECT_EQ(dlg.PresetEdit(0)->text(), "1720");
}

TEST_F(Editor, SelectingRowsLoadsThemIntoTheForm) {
    Open(SampleBook());
    Select({1});
    EXPECT_EQ(VisiblePreset(), 1);
    EXPECT_EQ(dlg.PresetEdit(1)->text(), "4294967295");
    EXPECT_EQ(dlg.m_ctlRecordAddress->Fields(), FilledAddress({10, 0, 0, 2}));
    EXPECT_TRUE(TakeMessages().isEmpty());

    Select({2});
    EXPECT_EQ(dlg.TelephoneEdit()->text(), QString(36, '9'));
    EXPECT_EQ(TakeMessages(), QStringList{"Please enter no more than 35 characters."});
    EXPECT_EQ(dlg.focusWidget(), dlg.TelephoneEdit());
}

TEST_F(Editor, AddWithAnEmptyPortFieldReadsTheWindowTwice) {
    dlg.OnInitDialog();
    dlg.show();
    dlg.m_ctlRecordAddress->Field(0)->setText("10");
    dlg.TelephoneEdit()->setText("555");
    dlg.PresetEdit(0)->setText("");
    dlg.OnAdd();
    EXPECT_EQ(TakeMessages(), (QStringList{"Please enter a positive integer.",
                                           "Please enter a positive integer."}));
    ASSERT_EQ(dlg.Book().records.size(), 1u);
    EXPECT_EQ(dlg.Book().records[0], (AddressRecord{"10.0.0.0", 1720, "555"}));
    EXPECT_EQ(Column(1), QStringList{"10.0.0.0"});

    dlg.m_ctlRecordAddress->ClearAddress();
    dlg.PresetEdit(0)->setText("1720");
    dlg.OnAdd();
    EXPECT_EQ(TakeMessages(), QStringList{"Invalid params!"});
}

TEST_F(Editor, SaveWithAnEmptyGatewayPortWritesTheLastOneRead) {
    Open(SampleBook());
    dlg.GatewayPortEdit()->setText("");
    const QString saved = dir.filePath("saved.cpe");
    platform::testing::SetNextFileName(saved);
    dlg.OnSave();
    EXPECT_EQ(TakeMessages(), QStringList{"Please enter a positive integer."});
    AddressBook book;
    ReadAddressBook(saved, book);
    EXPECT_EQ(book.gatewayPort, 2000u);
    EXPECT_EQ(book.records, SampleBook().records);
    QFile file(saved);
    EXPECT_EQ(file.size(), 13770);
}

TEST_F(Editor, DeleteAndModify) {
    Open(SampleBook());
    Select({2, 5});
    dlg.OnDelete();
    EXPECT_EQ(Column(0), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(Column(3), (QStringList{"1", "2", "4", "5", "7"}));

    Select({0, 3});
    dlg.m_ctlRecordAddress->SetAddress({1, 2, 3, 4});
    dlg.TelephoneEdit()->setText("42");
    dlg.OnModify();
    EXPECT_EQ(Column(3), (QStringList{"42", "2", "4", "5", "7"}));
    EXPECT_FALSE(dlg.m_ctlRecordList->topLevelItem(0)->isSelected());
    EXPECT_TRUE(dlg.m_ctlRecordList->topLevelItem(3)->isSelected());
    EXPECT_EQ(dlg.Book().records[0].ipAddress, "1.2.3.4");
}

TEST_F(Editor, FailedSaveKeepsTheEarlierFile) {
    Open(SampleBook());
    const QByteArray before = [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    dlg.OnNew();
    {
        FileSizeLimit diskFull(1000);
        platform::testing::SetNextFileName(path);
        dlg.OnSave();
    }
    ASSERT_EQ(platform::testing::Messages().size(), 1u);
    EXPECT_EQ(platform::testing::Messages()[0].icon, platform::Icon::Stop);
    TakeMessages();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(Editor, EnterClosesOnlyWhenEveryFieldReads) {
    dlg.OnInitDialog();
    dlg.show();
    dlg.GatewayPortEdit()->setText("x");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(dlg.TelephoneEdit(), &enter);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(TakeMessages(), QStringList{"Please enter a positive integer."});
    dlg.GatewayPortEdit()->setText(" 80 ");
    QApplication::sendEvent(dlg.TelephoneEdit(), &enter);
    EXPECT_FALSE(dlg.isVisible());
}
