#include "FirmwareUpload.h"

#include <QFile>
#include <filesystem>
#include <functional>
#include <set>

#include "FtpSession.h"

namespace fs = std::filesystem;

namespace firmware {
namespace {

const QByteArray kRemoteRoot = "/RFA/";

fs::path LocalPath(const QString& folder) {
    return fs::path(QFile::encodeName(folder).toStdString());
}

// Calls visit for every entry of a folder in the order the file system lists
// them; "." and ".." never appear. Errors end the listing of that folder.
void ForEachEntry(const fs::path& folder,
                  const std::function<void(const fs::directory_entry&)>& visit) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        visit(*it);
    }
}

bool IsFolder(const fs::directory_entry& entry) {
    std::error_code error;
    return entry.is_directory(error);
}

// Folders already walked, so that a link back up the tree cannot loop.
class Walk {
public:
    bool Enter(const fs::path& folder) {
        std::error_code error;
        const fs::path real = fs::canonical(folder, error);
        return !error && m_seen.insert(real).second;
    }

private:
    std::set<fs::path> m_seen;
};

int CountTree(const fs::path& folder, Walk& walk) {
    if (!walk.Enter(folder)) {
        return 0;
    }
    int count = 0;
    ForEachEntry(folder, [&](const fs::directory_entry& entry) {
        count += IsFolder(entry) ? CountTree(entry.path(), walk) : 1;
    });
    return count;
}

QByteArray NameOf(const fs::path& path) {
    return QByteArray::fromStdString(path.filename().native());
}

struct Upload {
    FtpSession& ftp;
    ProgressReport& progress;
    std::vector<SentFile>* sent;
    Walk walk;
    bool failed = false;

    // remoteDirectory is the folder's place below /RFA, ending in "/".
    void Folder(const fs::path& folder, const QByteArray& remoteDirectory) {
        if (!walk.Enter(folder)) {
            return;
        }
        ForEachEntry(folder, [&](const fs::directory_entry& entry) {
            if (IsFolder(entry)) {
                Folder(entry.path(), remoteDirectory + NameOf(entry.path()) + '/');
            } else {
                File(entry.path(), remoteDirectory);
            }
        });
    }

    void File(const fs::path& file, const QByteArray& remoteDirectory) {
        if (!ftp.ChangeDirectory(remoteDirectory)) {
            failed = true;
            return;
        }
        const QByteArray name = NameOf(file);
        progress.SetLine1("FTP : " + QString::fromLocal8Bit(remoteDirectory + name));
        progress.StepBar().StepIt();
        progress.Refresh();
        const QString localPath = QFile::decodeName(QByteArray::fromStdString(file.native()));
        qint64 size = 0;
        if (!ftp.Put(localPath, name, &size)) {
            failed = true;
        } else if (sent) {
            sent->push_back({localPath, remoteDirectory, name, size});
        }
    }
};

}  // namespace

int CountFiles(const QString& folder) {
    Walk walk;
    return CountTree(LocalPath(folder), walk);
}

Subfolders CheckSubfolders(const QString& folder) {
    Subfolders found;
    ForEachEntry(LocalPath(folder), [&](const fs::directory_entry& entry) {
        if (!IsFolder(entry)) {
            return;
        }
        const QByteArray name = NameOf(entry.path()).toUpper();
        found.doc |= name == "DOC";
        found.images |= name == "IMAGES";
    });
    return found;
}

QByteArray ListedName(QByteArray entry) {
    while (entry.endsWith(' ')) {
        entry.chop(1);
    }
    const qsizetype blank = entry.lastIndexOf(' ');
    return blank < 0 ? entry : entry.mid(blank + 1);
}

bool ClearRemoteFolder(FtpSession& ftp, const QByteArray& directory) {
    if (!ftp.ChangeDirectory(directory)) {
        return false;
    }
    for (const QByteArray& entry : ftp.ListNames().value_or(QList<QByteArray>{})) {
        const QByteArray name = ListedName(entry);
        if (name.contains('.')) {
            ftp.Delete(name);  // a failed deletion changes nothing
        }
    }
    return true;
}

}  // namespace firmware

TransferResult UploadFirmware(const QString& firmwareFolder, const DeviceEntry& device,
                              ProgressReport& progress, const TransferHooks& hooks) {
    using namespace firmware;
    if (!hooks.probe(device.ipAddress, kProbeTimeoutMs)) {
        return TransferNoAnswer;
    }
    FtpSession ftp(device.ipAddress, device.userId, device.password,
                   [&progress] { return progress.Poll(); });
    if (!ftp.Connect()) {
        return TransferFtpFailed;
    }
    const int files = CountFiles(firmwareFolder);
    const Subfolders subfolders = CheckSubfolders(firmwareFolder);
    if ((subfolders.doc && !ClearRemoteFolder(ftp, "/RFA/Doc/")) ||
        (subfolders.images && !ClearRemoteFolder(ftp, "/RFA/Images/"))) {
        return TransferFtpFailed;
    }
    progress.StepBar().SetRange(0, files);
    progress.StepBar().SetStep(1);

    Upload upload{ftp, progress, hooks.sent, {}};
    upload.Folder(LocalPath(firmwareFolder), kRemoteRoot);
    return upload.failed ? TransferFtpFailed : TransferDone;
}
