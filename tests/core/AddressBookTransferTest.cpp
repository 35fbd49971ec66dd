#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>

#include "AddressBookTransfer.h"
#include "RecordingProgress.h"
#include "SimDevices.h"
#include "TestFiles.h"

namespace {

const DeviceEntry kGood{"127.0.0.2", "admin", "admin"};
const DeviceEntry kNoRfa{"127.0.0.3", "admin", "admin"};
const DeviceEntry kEmptyLogin{"127.0.0.4", "", ""};
const DeviceEntry kDropping{"127.0.0.5", "admin", "admin"};
const DeviceEntry kSilent{"127.0.0.6", "admin", "admin"};

class AddressBookTransfer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        devices = new SimDevices({"127.0.0.2", "127.0.0.3,fault=no-rfa",
                                  "127.0.0.4,user=,password=", "127.0.0.5,fault=drop-upload",
                                  "127.0.0.6,fault=silent"});
    }
    static void TearDownTestSuite() { delete devices; }
    void SetUp() override { ASSERT_TRUE(devices->ready()); }

    static SimDevices* devices;
    QTemporaryDir local;
    RecordingProgress progress;
};
SimDevices* AddressBookTransfer::devices = nullptr;

QByteArray Bytes(int size) {
    QByteArray data(size, '\0');
    for (int i = 0; i < size; ++i) {
        data[i] = static_cast<char>(i * 7 + 3);
    }
    return data;
}

}  // namespace

TEST_F(AddressBookTransfer, UploadSendsTheFileByteForByte) {
    for (const QByteArray& content : {Bytes(13770), QByteArray()}) {
        const QString source = local.filePath("book.cpe");
        ASSERT_TRUE(WriteFile(source, content));
        progress.shown.clear();
        progress.StepBar().SetPos(0);  // as the run does before each device
        EXPECT_EQ(UploadAddressBook(source, kGood, progress), TransferDone);
        EXPECT_EQ(ReadFile(devices->Path("127.0.0.2", "RFA/Addrbook.cpe")), content);
        ASSERT_EQ(progress.shown.size(), 3u);
        EXPECT_EQ(progress.shown[0].line1, "Connecting...");
        EXPECT_EQ(progress.shown[0].stepPos, 0);
        EXPECT_EQ(progress.shown[1].line1, "FTP : /RFA/Addrbook.cpe");
        EXPECT_EQ(progress.shown[1].stepPos, 1);
        EXPECT_EQ(progress.last().stepPos, 2);
        EXPECT_EQ(progress.last().stepUpper, 2);
    }
}

TEST_F(AddressBookTransfer, UploadFailures) {
    const QString source = local.filePath("book.cpe");
    ASSERT_TRUE(WriteFile(source, Bytes(100)));
    struct Case {
        const char* name;
        DeviceEntry device;
        TransferResult result;
        QString line1;
    };
    const Case cases[] = {
        {"wrong password", {"127.0.0.2", "admin", "wrong"}, TransferFtpFailed, "Connecting..."},
        {"no /RFA/", kNoRfa, TransferFtpFailed, "Connecting..."},
        {"dropped mid-upload", kDropping, TransferFtpFailed, "FTP : /RFA/Addrbook.cpe"},
        {"no FTP server", {"127.0.0.7", "admin", "admin"}, TransferFtpFailed, "Connecting..."},
    };
    for (const auto& c : cases) {
        RecordingProgress report;
        EXPECT_EQ(UploadAddressBook(source, c.device, report), c.result) << c.name;
        EXPECT_EQ(report.last().line1, c.line1) << c.name;
        EXPECT_LT(report.last().stepPos, 2) << c.name;
    }
    EXPECT_FALSE(QFile::exists(devices->Path("127.0.0.3", "Addrbook.cpe")));
}

TEST_F(AddressBookTransfer, UnansweredProbeSendsNothing) {
    TransferHooks silentNetwork;
    silentNetwork.probe = [](const QByteArray&, int) { return false; };
    progress.SetLine1("as the caller left it");
    EXPECT_EQ(UploadAddressBook(local.filePath("none.cpe"), kGood, progress, silentNetwork),
              TransferNoAnswer);
    EXPECT_TRUE(progress.shown.empty());
}

TEST_F(AddressBookTransfer, EmptyUserAndPasswordAreSentAsEmpty) {
    const QString source = local.filePath("book.cpe");
    ASSERT_TRUE(WriteFile(source, Bytes(54)));
    EXPECT_EQ(UploadAddressBook(source, kEmptyLogin, progress), TransferDone);
    EXPECT_EQ(ReadFile(devices->Path("127.0.0.4", "RFA/Addrbook.cpe")), Bytes(54));
}

TEST_F(AddressBookTransfer, SilentDeviceFailsWithinTheTimeLimits) {
    const QString source = local.filePath("book.cpe");
    ASSERT_TRUE(WriteFile(source, Bytes(54)));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(UploadAddressBook(source, kSilent, progress), TransferFtpFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}

TEST_F(AddressBookTransfer, DownloadReplacesTheLocalFileOnlyOnSuccess) {
    ASSERT_TRUE(WriteFile(devices->Path("127.0.0.2", "RFA/Addrbook.cpe"), Bytes(13770)));
    const QString target = local.filePath("Addrbook.cpe");
    ASSERT_TRUE(WriteFile(target, "older file"));

    EXPECT_TRUE(DownloadAddressBook(progress, kGood, target));
    EXPECT_EQ(ReadFile(target), Bytes(13770));
    EXPECT_EQ(progress.shown.front().caption, "Download AddressBook");
    EXPECT_EQ(progress.last().stepPos, 2);

    ASSERT_TRUE(WriteFile(target, "older file"));
    for (const DeviceEntry& failing : {kNoRfa, DeviceEntry{"127.0.0.2", "admin", "bad"}}) {
        RecordingProgress report;
        report.SetLine1("from an earlier download");
        EXPECT_FALSE(DownloadAddressBook(report, failing, target));
        EXPECT_EQ(report.shown.front().line1, "Connecting...");
        EXPECT_EQ(ReadFile(target), "older file");
    }
    QFile::remove(devices->Path("127.0.0.2", "RFA/Addrbook.cpe"));
    EXPECT_FALSE(DownloadAddressBook(progress, kGood, target));
    EXPECT_EQ(ReadFile(target), "older file");
    EXPECT_EQ(QDir(local.path()).entryList(QDir::Files), QStringList{"Addrbook.cpe"});
}
