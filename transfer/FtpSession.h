#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

// Limits that keep a device which stops answering from holding the tool.
namespace ftp_limits {
constexpr long kConnectTimeoutMs = 5000;
constexpr long kResponseTimeoutS = 10;    // each reply of the server
constexpr long kAcceptTimeoutMs = 10000;  // the device connecting back in active mode
constexpr long kLowSpeedBytesPerS = 1;
constexpr long kLowSpeedTimeS = 10;  // slower than the above for this long fails
constexpr qint64 kMaxDownloadBytes = 64 << 20;
}  // namespace ftp_limits

// Starts the network layer once per process; false when it cannot be started.
bool NetworkStartup();

// One FTP connection to one device, port 21, active mode, binary transfers.
// Every operation answers success or failure; the details are not kept. The
// connection is kept between operations and closed with the session.
class FtpSession {
public:
    // poll is called regularly while an operation runs; false aborts it.
    FtpSession(const QByteArray& host, const QByteArray& user, const QByteArray& password,
               std::function<bool()> poll = {});
    ~FtpSession();
    FtpSession(const FtpSession&) = delete;
    FtpSession& operator=(const FtpSession&) = delete;

    bool Connect();
    // An absolute remote directory ending in "/".
    bool ChangeDirectory(const QByteArray& directory);
    // Into the current directory; a remote file of that name is replaced.
    bool Put(const QString& localPath, const QByteArray& remoteName, qint64* bytesSent = nullptr);
    // From the current directory; the local file is replaced only when all of it arrived.
    bool Get(const QByteArray& remoteName, const QString& localPath);
    // The names in the current directory; nullopt when the listing fails.
    std::optional<QList<QByteArray>> ListNames();
    bool Delete(const QByteArray& name);
    std::optional<qint64> RemoteSize(const QByteArray& name);

    const QByteArray& currentDirectory() const { return m_directory; }

private:
    void Prepare(const QByteArray& url);
    bool Perform();
    QByteArray Url(const QByteArray& directory, const QByteArray& name = {}) const;

    void* m_curl;
    QByteArray m_host, m_user, m_password;
    QByteArray m_directory = "/";
    std::function<bool()> m_poll;
};
