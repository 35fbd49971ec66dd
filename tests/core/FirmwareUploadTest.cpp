#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include "FirmwareUpload.h"
#include "RecordingProgress.h"
#include "SimDevices.h"
#include "TestFiles.h"

namespace {

QStringList Entries(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

const DeviceEntry kDevice{"127.0.0.12", "admin", "admin"};

class FirmwareUpload : public ::testing::Test {
protected:
    void SetUp() override {
        devices = std::make_unique<SimDevices>(QStringList{
            "127.0.0.12", "127.0.0.13,fault=no-images", "127.0.0.14,fault=drop-upload"});
        ASSERT_TRUE(devices->ready());
    }
    QString Remote(const QString& relative, const QString& address = "127.0.0.12") {
        return devices->Path(address, relative);
    }
    QString Local(const QString& relative) { return firmware.filePath(relative); }

    std::unique_ptr<SimDevices> devices;
    QTemporaryDir firmware;
    RecordingProgress progress;
};

}  // namespace

TEST_F(FirmwareUpload, ExampleTreeClearsDocAndImagesThenSendsEveryFile) {
    ASSERT_TRUE(WriteFile(Local("main.bin"), "main"));
    ASSERT_TRUE(WriteFile(Local("Doc/manual.pdf"), "manual"));
    ASSERT_TRUE(WriteFile(Local("Images/logo.bmp"), "logo"));
    ASSERT_TRUE(WriteFile(Remote("RFA/Doc/old.txt")));
    ASSERT_TRUE(WriteFile(Remote("RFA/Doc/noext")));
    QDir().mkpath(Remote("RFA/Doc/Old"));
    ASSERT_TRUE(WriteFile(Remote("RFA/Images/old.png")));
    ASSERT_TRUE(WriteFile(Remote("RFA/keep.me")));

    progress.SetLine1("Connecting...");
    EXPECT_EQ(UploadFirmware(firmware.path(), kDevice, progress), TransferDone);

    EXPECT_EQ(Entries(Remote("RFA/Doc")), (QStringList{"Old", "manual.pdf", "noext"}));
    EXPECT_EQ(Entries(Remote("RFA/Images")), QStringList{"logo.bmp"});
    EXPECT_EQ(ReadFile(Remote("RFA/main.bin")), "main");
    EXPECT_EQ(ReadFile(Remote("RFA/Doc/manual.pdf")), "manual");
    EXPECT_EQ(ReadFile(Remote("RFA/keep.me")), "content");

    ASSERT_EQ(progress.shown.size(), 3u);
    QSet<QString> lines;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(progress.shown[i].stepPos, i + 1);
        EXPECT_EQ(progress.shown[i].stepUpper, 3);
        lines.insert(progress.shown[i].line1);
    }
    EXPECT_EQ(lines, (QSet<QString>{"FTP : /RFA/Doc/manual.pdf", "FTP : /RFA/Images/logo.bmp",
                                    "FTP : /RFA/main.bin"}));
}

TEST_F(FirmwareUpload, LowerCaseDocFolderClearsDocButUploadsInItsOwnCase) {
    ASSERT_TRUE(WriteFile(Local("doc/a.txt"), "a"));
    ASSERT_TRUE(WriteFile(Remote("RFA/Doc/old.txt")));
    QDir().mkpath(Remote("RFA/doc"));
    EXPECT_EQ(UploadFirmware(firmware.path(), kDevice, progress), TransferDone);
    EXPECT_EQ(Entries(Remote("RFA/Doc")), QStringList{});
    EXPECT_EQ(ReadFile(Remote("RFA/doc/a.txt")), "a");
}

TEST_F(FirmwareUpload, EmptyTreeSendsNothingButStillClears) {
    QDir().mkpath(Local("IMAGES"));
    ASSERT_TRUE(WriteFile(Remote("RFA/Images/old.png")));
    progress.SetLine1("Connecting...");
    EXPECT_EQ(UploadFirmware(firmware.path(), kDevice, progress), TransferDone);
    EXPECT_TRUE(progress.shown.empty());
    EXPECT_EQ(progress.StepBar().upper(), 0);
    EXPECT_EQ(Entries(Remote("RFA/Images")), QStringList{});
}

TEST_F(FirmwareUpload, MissingRemoteFolderFailsItsFilesOnly) {
    ASSERT_TRUE(WriteFile(Local("Extra/x.bin")));
    ASSERT_TRUE(WriteFile(Local("a.bin"), "a"));
    ASSERT_TRUE(WriteFile(Local(".hidden"), "h"));
    EXPECT_EQ(UploadFirmware(firmware.path(), kDevice, progress), TransferFtpFailed);
    EXPECT_EQ(ReadFile(Remote("RFA/a.bin")), "a");
    EXPECT_EQ(ReadFile(Remote("RFA/.hidden")), "h");
    EXPECT_FALSE(QFile::exists(Remote("RFA/x.bin")));
    EXPECT_EQ(progress.StepBar().upper(), 3);
}

TEST_F(FirmwareUpload, FolderToClearMissingOnTheDeviceStopsTheDevice) {
    ASSERT_TRUE(WriteFile(Local("Doc/d.txt")));
    ASSERT_TRUE(WriteFile(Local("Images/i.bmp")));
    ASSERT_TRUE(WriteFile(Remote("RFA/Doc/old.txt", "127.0.0.13")));
    EXPECT_EQ(UploadFirmware(firmware.path(), {"127.0.0.13", "admin", "admin"}, progress),
              TransferFtpFailed);
    EXPECT_EQ(Entries(Remote("RFA/Doc", "127.0.0.13")), QStringList{});
    EXPECT_TRUE(progress.shown.empty());
}

TEST_F(FirmwareUpload, RefusedLoginAndDroppedConnectionFail) {
    ASSERT_TRUE(WriteFile(Local("Doc/d.txt")));
    ASSERT_TRUE(WriteFile(Remote("RFA/Doc/old.txt")));
    EXPECT_EQ(UploadFirmware(firmware.path(), {"127.0.0.12", "admin", "wrong"}, progress),
              TransferFtpFailed);
    EXPECT_TRUE(QFile::exists(Remote("RFA/Doc/old.txt")));
    EXPECT_EQ(UploadFirmware(firmware.path(), {"127.0.0.14", "admin", "admin"}, progress),
              TransferFtpFailed);

    TransferHooks silentNetwork;
    silentNetwork.probe = [](const QByteArray&, int) { return false; };
    EXPECT_EQ(UploadFirmware(firmware.path(), kDevice, progress, silentNetwork), TransferNoAnswer);
}

TEST(FirmwareSteps, ListedNames) {
    struct Case {
        QByteArray entry, name;
    };
    const Case cases[] = {
        {"logo.bmp  ", "logo.bmp"},
        {"-rw-r--r--   1 owner group  1024 Jan 01 12:00 logo.bmp", "logo.bmp"},
        {"my file.bin", "file.bin"},
        {"Old", "Old"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(firmware::ListedName(c.entry), c.name) << c.entry.constData();
    }
}

TEST(FirmwareSteps, CountsAndSubfolders) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteFile(dir.filePath("a")));
    ASSERT_TRUE(WriteFile(dir.filePath("docs/b")));
    ASSERT_TRUE(WriteFile(dir.filePath("images/deep/er/c")));
    QDir().mkpath(dir.filePath("empty/too"));
    EXPECT_EQ(firmware::CountFiles(dir.path()), 3);
    EXPECT_EQ(firmware::CountFiles(dir.filePath("missing")), 0);
    const auto found = firmware::CheckSubfolders(dir.path());
    EXPECT_FALSE(found.doc);
    EXPECT_TRUE(found.images);
}
