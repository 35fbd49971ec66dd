#pragma once

#include <QString>
#include <stdexcept>

// A file that could not be opened, read or written. Carries the file's name and
// a report text in the words users know from their desktop's file errors.
class FileError : public std::runtime_error {
public:
    enum class Kind { NotFound, AccessDenied, ReadFailed, WriteFailed, EndOfFile };

    FileError(Kind kind, const QString& fileName);

    // Picks NotFound, AccessDenied or the given fallback from the errno value of a failed call.
    static FileError FromErrno(int error, Kind fallback, const QString& fileName);

    Kind kind() const { return m_kind; }
    const QString& fileName() const { return m_fileName; }
    QString Report() const;

private:
    Kind m_kind;
    QString m_fileName;
};
