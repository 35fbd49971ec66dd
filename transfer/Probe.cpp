#include "Probe.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QtEndian>
#include <atomic>
#include <chrono>
#include <ctime>

namespace probe {
namespace {

// Identifier and sequence counters always advance together, so one atomic
// serves both and parallel probes never share a number.
std::atomic<int32_t> g_counter{1};

constexpr uint8_t kEchoRequest = 8;
constexpr uint8_t kEchoReply = 0;
constexpr int kReceiveSize = 324;

uint32_t TickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

// A socket closed on every path.
class Socket {
public:
    Socket() {
        m_fd = ::socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
        if (m_fd < 0) {
            m_fd = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_ICMP);
            m_raw = false;
        }
    }
    ~Socket() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    int fd() const { return m_fd; }
    bool raw() const { return m_raw; }
    // Closes now and tells whether that worked.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd = -1;
    bool m_raw = true;
};

// Whether a received datagram is the echo reply to our request. A raw socket
// sees every ICMP message with its IPv4 header, so the identifier is checked;
// on a datagram socket the kernel sets and filters the identifier itself.
bool IsOurReply(const uint8_t* data, ssize_t size, bool raw, in_addr_t from, in_addr_t to,
                int32_t counter) {
    if (from != to) {
        return false;
    }
    if (raw) {
        if (size < 20) {
            return false;
        }
        const int headerSize = (data[0] & 0x0F) * 4;
        if (data[9] != IPPROTO_ICMP || headerSize < 20 || size < headerSize) {
            return false;
        }
        data += headerSize;
        size -= headerSize;
    }
    if (size < 8 || data[0] != kEchoReply || data[1] != 0) {
        return false;
    }
    const uint16_t number = static_cast<uint16_t>(counter);
    const bool identifierMatches = !raw || qFromLittleEndian<uint16_t>(data + 4) == number;
    return identifierMatches && qFromLittleEndian<uint16_t>(data + 6) == number;
}

}  // namespace

QByteArray BuildEchoRequest(int32_t counter, uint32_t tick) {
    QByteArray request(kRequestSize, '\0');
    auto* bytes = reinterpret_cast<uint8_t*>(request.data());
    bytes[0] = kEchoRequest;
    qToLittleEndian<uint16_t>(static_cast<uint16_t>(counter), bytes + 4);
    qToLittleEndian<uint16_t>(static_cast<uint16_t>(counter), bytes + 6);
    qToLittleEndian<uint32_t>(tick, bytes + 12);
    for (int i = 0; i < 32; ++i) {
        bytes[16 + i] = static_cast<uint8_t>(0x20 + i);
    }
    qToLittleEndian<uint16_t>(InternetChecksum(request), bytes + 2);
    return request;
}

uint16_t InternetChecksum(const QByteArray& bytes) {
    uint32_t sum = 0;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    qsizetype i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        sum += qFromLittleEndian<uint16_t>(data + i);
    }
    if (i < bytes.size()) {
        sum += data[i];
    }
    sum = (sum >> 16) + (sum & 0xFFFF);
    sum += sum >> 16;
    return static_cast<uint16_t>(~sum);
}

timeval SplitTimeout(int timeoutMs) { return timeval{timeoutMs / 1000, (timeoutMs % 1000) * 1000}; }

int32_t PeekCounter() { return g_counter.load(); }

}  // namespace probe

bool PingHost(const QByteArray& address, int timeoutMs) {
    using namespace probe;
    using Clock = std::chrono::steady_clock;

    in_addr destination{};
    if (inet_pton(AF_INET, address.constData(), &destination) != 1 ||
        destination.s_addr == INADDR_BROADCAST) {
        return false;
    }
    Socket socket;
    if (socket.fd() < 0 || socket.fd() >= FD_SETSIZE) {
        return false;
    }
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr = destination;

    const int32_t counter = g_counter.fetch_add(1);
    const QByteArray request = BuildEchoRequest(counter, TickCount());
    if (::sendto(socket.fd(), request.constData(), request.size(), 0,
                 reinterpret_cast<const sockaddr*>(&target), sizeof target) != request.size()) {
        return false;
    }

    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(socket.fd(), &readable);
        timeval wait = SplitTimeout(static_cast<int>(left.count()));
        const int ready = ::select(socket.fd() + 1, &readable, nullptr, nullptr, &wait);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return false;
        }
        uint8_t buffer[kReceiveSize];
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t size = ::recvfrom(socket.fd(), buffer, sizeof buffer, 0,
                                        reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (size < 0) {
            return false;
        }
        if (IsOurReply(buffer, size, socket.raw(), from.sin_addr.s_addr, destination.s_addr,
                       counter)) {
            return socket.Close();
        }
    }
}
