#include <gtest/gtest.h>

#include <signal.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>

#include "AddressBookFile.h"
#include "DeviceList.h"
#include "SimDevices.h"
#include "TestFiles.h"

namespace {

struct Finished {
    int status;
    QByteArray out;
    QByteArray err;
};

Finished RunCtl(const QStringList& arguments, const QByteArray& password = "admin") {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VARNEL_PASSWORD", QString::fromLocal8Bit(password));
    process.setProcessEnvironment(environment);
    process.start(VARNELCTL, arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QJsonArray Devices(const Finished& run) {
    return QJsonDocument::fromJson(run.out).object()["devices"].toArray();
}

QStringList Results(const QJsonArray& devices) {
    QStringList results;
    for (const auto& device : devices) {
        results << device.toObject()["result"].toString();
    }
    return results;
}

// Devices on 127.0.2.x:
//   .2 sound, .3 without /RFA/Images, .4 refuses logins, .5 refuses the first
//   login only, .6 keeps half of every upload.
class Ctl : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        devices = new SimDevices({"127.0.2.2", "127.0.2.3,fault=no-images",
                                  "127.0.2.4,fault=refuse-login", "127.0.2.5,fault=fail-once",
                                  "127.0.2.6,fault=truncate"});
    }
    static void TearDownTestSuite() { delete devices; }
    void SetUp() override {
        ASSERT_TRUE(devices->ready());
        firmware = dir.filePath("fw");
        ASSERT_TRUE(WriteFile(firmware + "/main.bin", QByteArray(5000, 'm')));
        ASSERT_TRUE(WriteFile(firmware + "/Doc/manual.pdf", QByteArray(300, 'd')));
        ASSERT_TRUE(WriteFile(firmware + "/Images/logo.bmp", QByteArray(700, 'i')));
    }
    QString List(const QStringList& addresses) {
        std::vector<DeviceEntry> rows;
        for (const QString& address : addresses) {
            rows.push_back({address.toLatin1(), "admin", "admin"});
        }
        const QString path = dir.filePath("list.vgl");
        SaveDeviceList(path, rows);
        return path;
    }

    static SimDevices* devices;
    QTemporaryDir dir;
    QString firmware;
};
SimDevices* Ctl::devices = nullptr;

}  // namespace

TEST_F(Ctl, UpgradeReportsAgreeWithTheDevices) {
    const QString list = List({"127.0.2.2", "127.0.2.3", "127.0.2.4"});
    const QString report = dir.filePath("report.csv");
    const Finished run =
        RunCtl({"upgrade", list, "--firmware", firmware, "--json", "--report", report});
    EXPECT_EQ(run.status, 1) << run.err.constData();
    const QJsonArray results = Devices(run);
    EXPECT_EQ(Results(results), (QStringList{"done", "ftp-failed", "ftp-failed"}));
    EXPECT_EQ(results[0].toObject()["bytes_sent"].toInt(), 6000);
    EXPECT_EQ(ReadFile(devices->Path("127.0.2.2", "RFA/main.bin")), QByteArray(5000, 'm'));
    EXPECT_EQ(ReadFile(devices->Path("127.0.2.2", "RFA/Images/logo.bmp")), QByteArray(700, 'i'));
    EXPECT_FALSE(QFile::exists(devices->Path("127.0.2.3", "RFA/main.bin")));

    const QList<QByteArray> lines = ReadFile(report).trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].trimmed(), "row,address,result,attempts,seconds,bytes_sent");
    for (int i = 0; i < 3; ++i) {
        const QList<QByteArray> fields = lines[i + 1].trimmed().split(',');
        const QJsonObject device = results[i].toObject();
        EXPECT_EQ(fields[0].toInt(), device["row"].toInt());
        EXPECT_EQ(fields[1], device["address"].toString().toLatin1());
        EXPECT_EQ(fields[2], device["result"].toString().toLatin1());
        EXPECT_EQ(fields[3].toInt(), device["attempts"].toInt());
        EXPECT_EQ(fields[5].toLongLong(), device["bytes_sent"].toInteger());
    }
}

TEST_F(Ctl, OnlyTheNamedRows) {
    const QString list = List({"127.0.2.2", "127.0.2.3", "127.0.2.2"});
    const Finished run =
        RunCtl({"upgrade", list, "--firmware", firmware, "--only", "1,3", "--json"});
    EXPECT_EQ(run.status, 0) << run.err.constData();
    const QJsonArray results = Devices(run);
    ASSERT_EQ(results.size(), 2);
    EXPECT_EQ(results[0].toObject()["row"].toInt(), 1);
    EXPECT_EQ(results[1].toObject()["row"].toInt(), 3);
    EXPECT_EQ(RunCtl({"upgrade", list, "--firmware", firmware, "--only", "4"}).status, 2);
}

TEST_F(Ctl, RetriesRecoverADeviceThatFailsOnce) {
    const QString list = List({"127.0.2.5"});
    const Finished run = RunCtl({"upgrade", list, "--firmware", firmware, "--retries", "2",
                                 "--retry-pause", "0.05", "--json"});
    EXPECT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(Results(Devices(run)), QStringList{"done"});
    EXPECT_EQ(Devices(run)[0].toObject()["attempts"].toInt(), 2);
}

TEST_F(Ctl, VerifyCatchesATruncatingDevice) {
    const QString list = List({"127.0.2.6"});
    const Finished plain = RunCtl({"upgrade", list, "--firmware", firmware, "--json"});
    EXPECT_EQ(Results(Devices(plain)), QStringList{"done"});
    const Finished verified =
        RunCtl({"upgrade", list, "--firmware", firmware, "--verify", "--json"});
    EXPECT_EQ(verified.status, 1);
    EXPECT_EQ(Results(Devices(verified)), QStringList{"verify-failed"});
}

TEST_F(Ctl, BackupSavesEveryBookAndNamesTheFailures) {
    for (const char* address : {"127.0.2.2", "127.0.2.3"}) {
        ASSERT_TRUE(WriteFile(devices->Path(address, "RFA/Addrbook.cpe"), QByteArray(address)));
    }
    const QString list = List({"127.0.2.2", "127.0.2.3", "127.0.2.4"});
    const QString folder = dir.filePath("backup");
    const Finished run = RunCtl({"backup", list, "--to", folder});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.contains("not done: 127.0.2.4")) << run.out.constData();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{"127.0.2.2.cpe", "127.0.2.3.cpe"}));
    EXPECT_EQ(ReadFile(folder + "/127.0.2.3.cpe"), "127.0.2.3");

    const QString single = dir.filePath("single.cpe");
    EXPECT_EQ(RunCtl({"download", "127.0.2.2", "-o", single, "--user", "admin"}).status, 0);
    EXPECT_EQ(ReadFile(single), "127.0.2.2");
    EXPECT_EQ(RunCtl({"download", "127.0.2.2", "-o", single, "--user", "admin"}, "wrong").status,
              1);
    EXPECT_EQ(ReadFile(single), "127.0.2.2");
}

TEST_F(Ctl, CsvRoundTripsOfBothFileKinds) {
    const QString list = dir.filePath("list.vgl");
    SaveDeviceList(list,
                   {{"10.0.0.1", "user, with comma", "p\xE4ss \"quoted\""}, {"10.0.0.2", "", ""}});
    const QString csv = dir.filePath("devices.csv");
    ASSERT_EQ(RunCtl({"devices", list, "export", csv}).status, 0);
    EXPECT_EQ(QFile(csv).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
    const QString copy = dir.filePath("copy.vgl");
    ASSERT_EQ(RunCtl({"devices", copy, "import", csv}).status, 0);
    EXPECT_EQ(ReadFile(copy), ReadFile(list));

    const Finished listed = RunCtl({"devices", list});
    EXPECT_TRUE(listed.out.contains("**********")) << listed.out.constData();
    EXPECT_FALSE(listed.out.contains("quoted"));
    EXPECT_TRUE(RunCtl({"devices", list, "list", "--show-passwords"}).out.contains("quoted"));

    AddressBook book;
    book.gatewayAddress = {192, 168, 1, 1};
    book.gatewayPort = 1721;
    book.records = {{"10.0.0.1", -1, "0123*"},
                    {"1234567890123456", 40000 - 65536, QByteArray(36, '9')}};
    const QString cpe = dir.filePath("book.cpe");
    WriteAddressBook(book, cpe);
    const QString bookCsv = dir.filePath("book.csv");
    ASSERT_EQ(RunCtl({"addressbook", cpe, "export", bookCsv}).status, 0);
    const QString rebuilt = dir.filePath("rebuilt.cpe");
    ASSERT_EQ(RunCtl({"addressbook", rebuilt, "import", bookCsv}).status, 0);
    EXPECT_EQ(ReadFile(rebuilt), ReadFile(cpe));
    EXPECT_TRUE(RunCtl({"addressbook", cpe}).out.contains("gateway 192.168.1.1 port 1721"));
}

TEST_F(Ctl, DevicesAddAndRemove) {
    const QString list = dir.filePath("new.vgl");
    EXPECT_EQ(RunCtl({"devices", list, "add", "10.0.0.1", "--user", "a"}, "s1").status, 0);
    EXPECT_EQ(RunCtl({"devices", list, "add", "10.0.0.2"}, "s2").status, 0);
    EXPECT_EQ(RunCtl({"devices", list, "add", "not-an-address"}).status, 2);
    ASSERT_TRUE(WriteFile(dir.filePath("secret"), "from file\n"));
    EXPECT_EQ(
        RunCtl({"devices", list, "add", "10.0.0.3", "--password-file", dir.filePath("secret")})
            .status,
        0);
    EXPECT_EQ(RunCtl({"devices", list, "remove", "2"}).status, 0);
    std::vector<DeviceEntry> rows;
    LoadDeviceList(list, rows);
    EXPECT_EQ(rows,
              (std::vector<DeviceEntry>{{"10.0.0.1", "a", "s1"}, {"10.0.0.3", "", "from file"}}));
}

TEST_F(Ctl, BadUsageAndUnreadableFiles) {
    EXPECT_EQ(RunCtl({"frobnicate"}).status, 2);
    EXPECT_EQ(RunCtl({"check", dir.filePath("missing.vgl")}).status, 2);
    EXPECT_EQ(RunCtl({"upgrade", List({"127.0.2.2"})}).status, 2);
    EXPECT_EQ(RunCtl({"check", List({"127.0.2.2"}), "--jobs", "0"}).status, 2);
    ASSERT_TRUE(WriteFile(dir.filePath("other.vgl"), "\x03ZIP and more"));
    const Finished wrong = RunCtl({"check", dir.filePath("other.vgl")});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.err.contains("VGL Format not recognized!"));
    for (const char* command :
         {"check", "upgrade", "download", "backup", "devices", "addressbook"}) {
        const Finished help = RunCtl({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_TRUE(help.out.startsWith("usage: varnelctl")) << command;
    }
}

TEST(CtlInterrupt, CtrlCStopsCleanlyAndLeavesNoPartialFile) {
    SimDevices slow(
        {"127.0.2.12,throttle=200000", "127.0.2.13,throttle=200000", "127.0.2.14,throttle=200000"});
    ASSERT_TRUE(slow.ready());
    QTemporaryDir dir;
    std::vector<DeviceEntry> rows;
    for (const char* address : {"127.0.2.12", "127.0.2.13", "127.0.2.14"}) {
        ASSERT_TRUE(WriteFile(slow.Path(address, "RFA/Addrbook.cpe"), QByteArray(4 << 20, 'b')));
        rows.push_back({address, "admin", "admin"});
    }
    SaveDeviceList(dir.filePath("list.vgl"), rows);
    const QString folder = dir.filePath("backup");

    QProcess process;
    process.start(VARNELCTL, {"backup", dir.filePath("list.vgl"), "--to", folder, "--jobs", "2",
                              "--json", "--report", dir.filePath("report.csv")});
    ASSERT_TRUE(process.waitForStarted());
    QThread::msleep(1500);
    const auto start = std::chrono::steady_clock::now();
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(15000));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(process.exitCode(), 1);
    const QJsonArray results =
        QJsonDocument::fromJson(process.readAllStandardOutput()).object()["devices"].toArray();
    EXPECT_EQ(Results(results), (QStringList{"aborted", "aborted", "not-reached"}));
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_EQ(ReadFile(dir.filePath("report.csv")).count('\n'), 4);
}
