#include "FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>

#include "FileError.h"

QByteArray ReadWholeFile(const QString& path) {
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileError::FromErrno(errno, FileError::Kind::ReadFailed, path);
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw FileError(FileError::Kind::ReadFailed, path);
    }
    return data;
}

namespace {

// Writes all bytes or fails; a short write (a full disk) counts as a failure.
bool WriteAll(int fd, const QByteArray& data) {
    const char* next = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

// Creates a new file beside the target; the system applies the umask to mode.
int CreateTemporary(const QByteArray& target, mode_t mode, QByteArray& name) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = target + ".tmp-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

void WriteFileAtomically(const QString& path, const QByteArray& data, bool privateFile) {
    // Replace what a link points at, not the link.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
    const QByteArray targetName = QFile::encodeName(target);
    // A file that is replaced keeps its permissions; a new one gets the usual ones.
    struct stat existing {};
    const bool replacing = ::stat(targetName.constData(), &existing) == 0;

    errno = 0;
    QByteArray tempName;
    const int fd = CreateTemporary(targetName, privateFile ? 0600 : 0666, tempName);
    if (fd < 0) {
        throw FileError::FromErrno(errno, FileError::Kind::WriteFailed, path);
    }
    const bool written =
        (privateFile || !replacing || ::fchmod(fd, existing.st_mode & 07777) == 0) &&
        WriteAll(fd, data) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(tempName.constData(), targetName.constData()) != 0) {
        const int error = errno;
        ::unlink(tempName.constData());
        throw FileError::FromErrno(error, FileError::Kind::WriteFailed, path);
    }
}
