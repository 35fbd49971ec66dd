#include "FileError.h"

#include <cerrno>

FileError::FileError(Kind kind, const QString& fileName)
    : std::runtime_error("file error"), m_kind(kind), m_fileName(fileName) {}

FileError FileError::FromErrno(int error, Kind fallback, const QString& fileName) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return FileError(Kind::NotFound, fileName);
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return FileError(Kind::AccessDenied, fileName);
        default:
            return FileError(fallback, fileName);
    }
}

QString FileError::Report() const {
    switch (m_kind) {
        case Kind::NotFound:
            return QStringLiteral("%1 was not found.").arg(m_fileName);
        case Kind::AccessDenied:
            return QStringLiteral("Access to %1 was denied.").arg(m_fileName);
        case Kind::ReadFailed:
            return QStringLiteral("An error occurred while reading %1.").arg(m_fileName);
        case Kind::WriteFailed:
            return QStringLiteral("An error occurred while writing %1. The earlier file is kept.")
                .arg(m_fileName);
        case Kind::EndOfFile:
            return QStringLiteral("An attempt was made to access %1 past its end.").arg(m_fileName);
    }
    return {};
}
