#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "FileTypeRegistration.h"

namespace {

QString Output(const QString& program, const QStringList& arguments,
               const QString& workingDir = {}) {
    QProcess process;
    process.setWorkingDirectory(workingDir);
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// Reads an Exec key back as a desktop would: the string escapes first, then
// the one quoted argument.
QStringList ExecArguments(const QString& exec) {
    QString value;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        if (exec[i] == '\\' && i + 1 < exec.size() && exec[i + 1] == '\\') {
            ++i;
        }
        value += exec[i];
    }
    QStringList arguments;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '"') {
            quoted = !quoted;
        } else if (quoted && value[i] == '\\' && i + 1 < value.size()) {
            current += value[++i];
        } else if (!quoted && value[i] == ' ') {
            arguments << current;
            current.clear();
        } else {
            current += value[i];
        }
    }
    arguments << current;
    return arguments;
}

class Registration : public ::testing::Test {
protected:
    void SetUp() override { QDir(dataHome).removeRecursively(); }

    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    QTemporaryDir files;
};

}  // namespace

TEST(RegistrationExec, QuotesTheProgramAsDesktopEntriesRequire) {
    const QString paths[] = {"/opt/varnel/bin/varnel", "/home/a user/my tools/varnel",
                             "/srv/$HOME/\"q\"/`x`/back\\slash/100%/varnel"};
    for (const QString& path : paths) {
        const QString exec = registration::ExecLine(path);
        EXPECT_TRUE(exec.endsWith(" %f")) << exec.toStdString();
        EXPECT_EQ(ExecArguments(exec),
                  (QStringList{path.contains('%') ? QString(path).replace("%", "%%") : path, "%f"}))
            << exec.toStdString();
    }
    EXPECT_EQ(registration::ExecLine("/home/a b/varnel"), "\"/home/a b/varnel\" %f");
}

TEST_F(Registration, TheDesktopKnowsBothTypesAndOpensThemWithUs) {
    EXPECT_TRUE(RegisterFileType(".cpe", "CPE.AddressBook", 1, true));
    EXPECT_TRUE(RegisterFileType(".vgl", "CPE.VarnelProList", 3, true));
    for (const char* name : {"book.cpe", "LIST.VGL"}) {
        QFile(files.filePath(name)).open(QIODevice::WriteOnly);
    }
    EXPECT_EQ(Output("xdg-mime", {"query", "filetype", files.filePath("book.cpe")}),
              "application/x-cpe-addressbook");
    EXPECT_EQ(Output("xdg-mime", {"query", "filetype", files.filePath("LIST.VGL")}),
              "application/x-cpe-varnelprolist");

    const std::pair<const char*, const char*> types[] = {
        {"application/x-cpe-addressbook", "CPE.AddressBook"},
        {"application/x-cpe-varnelprolist", "CPE.VarnelProList"}};
    for (const auto& [mimeType, typeName] : types) {
        const QString entry = Output("xdg-mime", {"query", "default", mimeType});
        EXPECT_EQ(entry, registration::DesktopEntryName(typeName));
        QFile file(dataHome + "/applications/" + entry);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(text.contains("\nMimeType=" + QString(mimeType) + ";\n"));
        const qsizetype exec = text.indexOf("Exec=");
        const QString line = text.mid(exec + 5, text.indexOf('\n', exec) - exec - 5);
        EXPECT_EQ(ExecArguments(line), (QStringList{QCoreApplication::applicationDirPath() + "/" +
                                                        QCoreApplication::applicationName(),
                                                    "%f"}));
    }
    EXPECT_TRUE(QFile::exists(
        dataHome + "/icons/hicolor/scalable/mimetypes/application-x-cpe-addressbook.svg"));
}

TEST_F(Registration, RewritesOnForceAndTellsTheDesktopOnlyTheFirstTime) {
    EXPECT_TRUE(RegisterFileType(".cpe", "CPE.AddressBook", 1, true));
    const QString cache = dataHome + "/mime/mime.cache";
    ASSERT_TRUE(QFile::exists(cache));
    QFile::remove(cache);
    const QString entry =
        dataHome + "/applications/" + registration::DesktopEntryName("CPE.AddressBook");
    QFile::remove(entry);

    EXPECT_FALSE(RegisterFileType(".cpe", "CPE.AddressBook", 1, false));
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_TRUE(RegisterFileType(".cpe", "CPE.AddressBook", 1, true));
    EXPECT_TRUE(QFile::exists(entry));
    EXPECT_FALSE(QFile::exists(cache));
}

TEST_F(Registration, KeepsOtherDefaultApplications) {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    QDir().mkpath(configHome);
    QFile list(configHome + "/mimeapps.list");
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(
        "[Added Associations]\ntext/plain=editor.desktop;\n\n[Default Applications]\n"
        "image/png=viewer.desktop\napplication/x-cpe-addressbook=other.desktop\n");
    list.close();
    RegisterFileType(".cpe", "CPE.AddressBook", 1, true);
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QByteArray text = list.readAll();
    EXPECT_TRUE(text.contains("text/plain=editor.desktop;"));
    EXPECT_TRUE(text.contains("image/png=viewer.desktop"));
    EXPECT_FALSE(text.contains("other.desktop"));
    EXPECT_TRUE(text.contains("application/x-cpe-addressbook=" +
                              registration::DesktopEntryName("CPE.AddressBook").toUtf8()));
}
