#include "FtpSession.h"

#include <curl/curl.h>

#include <QFile>
#include <mutex>

#include "FileError.h"
#include "FileIo.h"

bool NetworkStartup() {
    static std::once_flag once;
    static bool started = false;
    std::call_once(once, [] { started = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
    return started;
}

namespace {

CURL* Handle(void* curl) { return static_cast<CURL*>(curl); }

size_t AppendTo(char* data, size_t size, size_t count, void* target) {
    auto* buffer = static_cast<QByteArray*>(target);
    const size_t bytes = size * count;
    if (buffer->size() + static_cast<qsizetype>(bytes) > ftp_limits::kMaxDownloadBytes) {
        return 0;
    }
    buffer->append(data, static_cast<qsizetype>(bytes));
    return bytes;
}

size_t ReadFrom(char* data, size_t size, size_t count, void* source) {
    const qint64 read = static_cast<QFile*>(source)->read(data, static_cast<qint64>(size * count));
    return read < 0 ? CURL_READFUNC_ABORT : static_cast<size_t>(read);
}

size_t Discard(char*, size_t size, size_t count, void*) { return size * count; }

int Progress(void* session, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto& poll = *static_cast<std::function<bool()>*>(session);
    return poll && !poll() ? 1 : 0;
}

// Commands are sent as lines; a name must not carry a line break of its own.
bool IsSafeName(const QByteArray& name) {
    return !name.isEmpty() && !name.contains('\r') && !name.contains('\n') && !name.contains('\0');
}

}  // namespace

FtpSession::FtpSession(const QByteArray& host, const QByteArray& user, const QByteArray& password,
                       std::function<bool()> poll)
    : m_curl(curl_easy_init()),
      m_host(host),
      m_user(user),
      m_password(password),
      m_poll(std::move(poll)) {}

FtpSession::~FtpSession() { curl_easy_cleanup(Handle(m_curl)); }

QByteArray FtpSession::Url(const QByteArray& directory, const QByteArray& name) const {
    // "%2F" makes the path absolute; every component is escaped on its own.
    QByteArray url = "ftp://" + m_host + "/%2F";
    for (const QByteArray& part : directory.split('/')) {
        if (!part.isEmpty()) {
            url += QByteArray(part).toPercentEncoding() + '/';
        }
    }
    return url + name.toPercentEncoding();
}

void FtpSession::Prepare(const QByteArray& url) {
    CURL* curl = Handle(m_curl);
    curl_easy_reset(curl);  // keeps the live connection
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_USERNAME, m_user.constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, m_password.constData());
    curl_easy_setopt(curl, CURLOPT_FTPPORT, "-");
    curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, ftp_limits::kConnectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, ftp_limits::kResponseTimeoutS);
    curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, ftp_limits::kAcceptTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, ftp_limits::kLowSpeedBytesPerS);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, ftp_limits::kLowSpeedTimeS);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, Progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &m_poll);
    // Replies and sizes that an operation does not ask for are not printed.
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Discard);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, Discard);
}

bool FtpSession::Perform() { return curl_easy_perform(Handle(m_curl)) == CURLE_OK; }

bool FtpSession::Connect() {
    if (!m_curl) {
        return false;
    }
    Prepare("ftp://" + m_host + "/");
    curl_easy_setopt(Handle(m_curl), CURLOPT_NOBODY, 1L);
    return Perform();
}

bool FtpSession::ChangeDirectory(const QByteArray& directory) {
    Prepare(Url(directory));
    curl_easy_setopt(Handle(m_curl), CURLOPT_NOBODY, 1L);
    if (!Perform()) {
        return false;
    }
    m_directory = directory;
    return true;
}

bool FtpSession::Put(const QString& localPath, const QByteArray& remoteName, qint64* bytesSent) {
    QFile file(localPath);
    if (!IsSafeName(remoteName) || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    CURL* curl = Handle(m_curl);
    Prepare(Url(m_directory, remoteName));
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, ReadFrom);
    curl_easy_setopt(curl, CURLOPT_READDATA, &file);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(file.size()));
    const bool sent = Perform();
    if (sent && bytesSent) {
        *bytesSent += file.size();
    }
    return sent;
}

bool FtpSession::Get(const QByteArray& remoteName, const QString& localPath) {
    if (!IsSafeName(remoteName)) {
        return false;
    }
    QByteArray content;
    CURL* curl = Handle(m_curl);
    Prepare(Url(m_directory, remoteName));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendTo);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &content);
    if (!Perform()) {
        return false;
    }
    try {
        WriteFileAtomically(localPath, content);
    } catch (const FileError&) {
        return false;
    }
    return true;
}

std::optional<QList<QByteArray>> FtpSession::ListNames() {
    QByteArray listing;
    CURL* curl = Handle(m_curl);
    Prepare(Url(m_directory));
    curl_easy_setopt(curl, CURLOPT_DIRLISTONLY, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendTo);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &listing);
    if (!Perform()) {
        return std::nullopt;
    }
    QList<QByteArray> names;
    for (QByteArray line : listing.split('\n')) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (!line.isEmpty()) {
            names.append(line);
        }
    }
    return names;
}

bool FtpSession::Delete(const QByteArray& name) {
    if (!IsSafeName(name)) {
        return false;
    }
    // Quoted commands run before the directory change, so the path is absolute.
    curl_slist* commands = curl_slist_append(nullptr, ("DELE " + m_directory + name).constData());
    Prepare(Url(m_directory));
    curl_easy_setopt(Handle(m_curl), CURLOPT_NOBODY, 1L);
    curl_easy_setopt(Handle(m_curl), CURLOPT_QUOTE, commands);
    const bool deleted = Perform();
    curl_easy_setopt(Handle(m_curl), CURLOPT_QUOTE, nullptr);
    curl_slist_free_all(commands);
    return deleted;
}

std::optional<qint64> FtpSession::RemoteSize(const QByteArray& name) {
    if (!IsSafeName(name)) {
        return std::nullopt;
    }
    CURL* curl = Handle(m_curl);
    Prepare(Url(m_directory, name));
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    curl_off_t size = -1;
    if (!Perform() ||
        curl_easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &size) != CURLE_OK ||
        size < 0) {
        return std::nullopt;
    }
    return static_cast<qint64>(size);
}
