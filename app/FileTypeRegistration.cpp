#include "FileTypeRegistration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "FileError.h"
#include "FileIo.h"
#include "IconSet.h"
#include "Texts.h"

namespace registration {

QString MimeType(const QString& typeName) {
    return "application/x-" + typeName.toLower().replace('.', '-');
}

QString DesktopEntryName(const QString& typeName) {
    return QCoreApplication::applicationName() + "-" + typeName.toLower().replace('.', '-') +
           ".desktop";
}

QString ExecLine(const QString& program) {
    // Inside double quotes the Exec key wants `"`, `` ` ``, `$` and `\` escaped;
    // the string rules of the file then double every backslash, and a literal
    // percent sign is written twice.
    QString quoted;
    for (const QChar c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    quoted.replace("\\", "\\\\").replace("%", "%%");
    return "\"" + quoted + "\" %f";
}

}  // namespace registration

namespace {

using namespace registration;

QString Home(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QDir::homePath() + "/" + fallback : value;
}

void Store(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    try {
        WriteFileAtomically(path, content);
    } catch (const FileError&) {
        // The association is a convenience; the program works without it.
    }
}

QString IconName(const QString& typeName) { return QString(MimeType(typeName)).replace('/', '-'); }

QByteArray MimePackage(const QString& extension, const QString& typeName) {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%1\">\n"
               "    <comment>%2</comment>\n"
               "    <icon name=\"%3\"/>\n"
               "    <glob pattern=\"*%4\"/>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(MimeType(typeName), typeName.toHtmlEscaped(), IconName(typeName),
             extension.toHtmlEscaped())
        .toUtf8();
}

QByteArray DesktopEntry(const QString& typeName) {
    const QString program =
        QCoreApplication::applicationDirPath() + "/" + QCoreApplication::applicationName();
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=%1\n"
               "Comment=%2\n"
               "Exec=%3\n"
               "Icon=%4\n"
               "MimeType=%5;\n"
               "NoDisplay=true\n"
               "Terminal=false\n")
        .arg(texts::AppName, typeName, ExecLine(program), IconName(typeName), MimeType(typeName))
        .toUtf8();
}

// Sets one key of a section of mimeapps.list, keeping every other line.
QByteArray WithDefault(const QByteArray& list, const QString& mimeType, const QString& entry) {
    const QByteArray section = "[Default Applications]";
    const QByteArray line = (mimeType + "=" + entry).toUtf8();
    QList<QByteArray> lines = list.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast();
    }
    qsizetype sectionAt = lines.indexOf(section);
    if (sectionAt < 0) {
        lines.append(section);
        sectionAt = lines.size() - 1;
    }
    qsizetype i = sectionAt + 1;
    for (; i < lines.size() && !lines[i].startsWith('['); ++i) {
        if (lines[i].startsWith((mimeType + "=").toUtf8())) {
            lines[i] = line;
            return lines.join('\n') + '\n';
        }
    }
    lines.insert(i, line);
    return lines.join('\n') + '\n';
}

QByteArray ReadOrEmpty(const QString& path) {
    try {
        return ReadWholeFile(path);
    } catch (const FileError&) {
        return {};
    }
}

QByteArray IconPicture(int iconPosition) {
    return ReadOrEmpty(icons::Path(icons::AtPosition(iconPosition)));
}

}  // namespace

bool RegisterFileType(const QString& extension, const QString& typeName, int iconPosition,
                      bool force) {
    const QString dataHome = Home("XDG_DATA_HOME", ".local/share");
    const QString configHome = Home("XDG_CONFIG_HOME", ".config");
    const QString package = dataHome + "/mime/packages/" + QCoreApplication::applicationName() +
                            "-" + extension.mid(1).toLower() + ".xml";

    const bool newlyCreated = !QFile::exists(package);
    if (!newlyCreated && !force) {
        return false;
    }
    Store(package, MimePackage(extension, typeName));
    Store(dataHome + "/applications/" + DesktopEntryName(typeName), DesktopEntry(typeName));
    Store(dataHome + "/icons/hicolor/scalable/mimetypes/" + IconName(typeName) + ".svg",
          IconPicture(iconPosition));
    const QString mimeApps = configHome + "/mimeapps.list";
    Store(mimeApps,
          WithDefault(ReadOrEmpty(mimeApps), MimeType(typeName), DesktopEntryName(typeName)));

    // Only a package that was written is worth the desktop's attention.
    if (newlyCreated && QFile::exists(package)) {
        QProcess::execute("update-mime-database", {dataHome + "/mime"});
        QProcess::execute("update-desktop-database", {dataHome + "/applications"});
    }
    return true;
}
