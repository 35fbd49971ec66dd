#include "FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
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

mode_t NewFileMode(const QByteArray& target) {
    struct stat existing {};
    if (::stat(target.constData(), &existing) == 0) {
        return existing.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

void WriteFileAtomically(const QString& path, const QByteArray& data, bool privateFile) {
    // Replace what a link points at, not the link.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
    const QByteArray targetName = QFile::encodeName(target);
    QByteArray tempName = targetName + ".XXXXXX";

    errno = 0;
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) {
        throw FileError::FromErrno(errno, FileError::Kind::WriteFailed, path);
    }
    const bool written = ::fchmod(fd, privateFile ? 0600 : NewFileMode(targetName)) == 0 && WriteAll(fd, data) &&
                         ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(tempName.constData(), targetName.constData()) != 0) {
        const int error = errno;
        ::unlink(tempName.constData());
        throw FileError::FromErrno(error, FileError::Kind::WriteFailed, path);
    }
}
