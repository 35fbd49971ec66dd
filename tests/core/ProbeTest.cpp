#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <linux/capability.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtEndian>
#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>
#include <vector>

#include "Probe.h"

using namespace probe;

TEST(Probe, EchoRequestOfTheExample) {
    const QByteArray request = BuildEchoRequest(1, 0);
    QByteArray expected = QByteArray::fromHex("080002FD01000100") + QByteArray(8, '\0');
    for (int i = 0; i < 32; ++i) {
        expected.append(static_cast<char>(0x20 + i));
    }
    EXPECT_EQ(request, expected);
    EXPECT_EQ(InternetChecksum(request), 0);
}

TEST(Probe, CounterReachesTheWireAsItsLow16Bits) {
    EXPECT_EQ(BuildEchoRequest(2, 0).mid(4, 4), QByteArray::fromHex("02000200"));
    EXPECT_EQ(BuildEchoRequest(65536, 0).mid(4, 4), QByteArray::fromHex("00000000"));
    EXPECT_EQ(BuildEchoRequest(65537, 0x04030201).mid(4, 12),
              QByteArray::fromHex("010001000000000001020304"));
    EXPECT_EQ(InternetChecksum(BuildEchoRequest(65537, 0x04030201)), 0);
}

TEST(Probe, WaitIsSplitIntoSecondsAndMicroseconds) {
    EXPECT_EQ(SplitTimeout(1000).tv_sec, 1);
    EXPECT_EQ(SplitTimeout(1000).tv_usec, 0);
    EXPECT_EQ(SplitTimeout(1500).tv_sec, 1);
    EXPECT_EQ(SplitTimeout(1500).tv_usec, 500000);
}

TEST(Probe, RefusesTextThatIsNoAddressWithoutCounting) {
    const int32_t before = PeekCounter();
    for (const char* text : {"", "10.0.0", "1.2.3.4.5", "host.example", "255.255.255.255",
                             "0x7f.0.0.1", "300.1.1.1"}) {
        EXPECT_FALSE(PingHost(text, 50)) << text;
    }
    EXPECT_EQ(PeekCounter(), before);
}

TEST(Probe, LoopbackAnswersAndEachProbeCountsOnce) {
    const int32_t before = PeekCounter();
    EXPECT_TRUE(PingHost("127.0.0.1", 1000));
    EXPECT_TRUE(PingHost("127.0.0.2", 1000));
    EXPECT_EQ(PeekCounter(), before + 2);
}

TEST(Probe, ParallelProbesEachGetTheirOwnReply) {
    const int32_t before = PeekCounter();
    std::atomic<int> answered{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 20; ++i) {
                answered += PingHost("127.0.0.1", 1000) ? 1 : 0;
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(answered, 160);
    EXPECT_EQ(PeekCounter(), before + 160);
}

namespace {

// Sends ICMP messages of the given type, identifier and sequence number to
// 127.0.0.1 until stopped, as another program or a router would.
class IcmpSender {
public:
    IcmpSender(uint8_t type, uint16_t number) {
        m_thread = std::thread([=, this] {
            const int fd = ::socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
            QByteArray message = BuildEchoRequest(number, 0);
            message[0] = static_cast<char>(type);
            message[2] = message[3] = 0;
            qToLittleEndian<uint16_t>(InternetChecksum(message), message.data() + 2);
            sockaddr_in to{};
            to.sin_family = AF_INET;
            to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            while (!m_stop) {
                ::sendto(fd, message.constData(), message.size(), 0,
                         reinterpret_cast<sockaddr*>(&to), sizeof to);
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            ::close(fd);
        });
    }
    ~IcmpSender() {
        m_stop = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// Moves this process into a network namespace of its own with the loopback up.
bool EnterOwnNetworkNamespace() {
    if (::unshare(CLONE_NEWNET) != 0) {
        return false;
    }
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    ifreq lo{};
    std::strncpy(lo.ifr_name, "lo", IFNAMSIZ - 1);
    ::ioctl(fd, SIOCGIFFLAGS, &lo);
    lo.ifr_flags |= IFF_UP;
    const bool up = ::ioctl(fd, SIOCSIFFLAGS, &lo) == 0;
    ::close(fd);
    return up;
}

// Runs a check in a child process; answers its exit status.
int InChild(int (*check)()) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(check());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// In a network namespace of its own, where the loopback address does not
// answer echo requests. Exit codes: 0 all well, 77 no namespace here.
int ProbeInSilentNamespace() {
    if (!EnterOwnNetworkNamespace()) {
        return 77;
    }
    std::ofstream("/proc/sys/net/ipv4/icmp_echo_ignore_all") << "1";
    const int raw = ::socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
    if (raw < 0) {
        return 77;
    }
    ::close(raw);

    if (PingHost("127.0.0.1", 300)) {
        return 1;  // nobody answers here
    }
    {
        IcmpSender otherProgramsReply(0, static_cast<uint16_t>(PeekCounter() + 1000));
        IcmpSender unreachable(3, static_cast<uint16_t>(PeekCounter()));
        if (PingHost("127.0.0.1", 300)) {
            return 2;  // fooled by a foreign datagram
        }
    }
    IcmpSender ourReply(0, static_cast<uint16_t>(PeekCounter()));
    return PingHost("127.0.0.1", 1000) ? 0 : 3;
}

}  // namespace

TEST(Probe, OnlyTheMatchingEchoReplyCountsAsAnAnswer) {
    const int status = InChild(ProbeInSilentNamespace);
    if (status == 77) {
        GTEST_SKIP() << "no network namespace or raw socket for this test";
    }
    EXPECT_EQ(status, 0) << "1: answered with nobody there, 2: fooled by a "
                            "foreign datagram, 3: missed its own reply";
}

namespace {

// Without the right to open raw sockets, but allowed datagram ICMP sockets, in a
// namespace of its own. Exit codes: 0 all well, 77 cannot be arranged here.
int ProbeWithoutRawSockets() {
    if (!EnterOwnNetworkNamespace()) {
        return 77;
    }
    std::ofstream("/proc/sys/net/ipv4/ping_group_range") << "0 2147483647";
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    ::syscall(SYS_capget, &header, data);
    data[0].effective &= ~(1u << CAP_NET_RAW);
    if (::syscall(SYS_capset, &header, data) != 0) {
        return 77;
    }
    const int raw = ::socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
    if (raw >= 0) {
        return 77;
    }
    const int32_t before = PeekCounter();
    if (!PingHost("127.0.0.1", 1000)) {
        return 1;
    }
    return PeekCounter() == before + 1 ? 0 : 2;
}

}  // namespace

TEST(Probe, DatagramSocketServesWhereRawSocketsAreRefused) {
    const int status = InChild(ProbeWithoutRawSockets);
    if (status == 77) {
        GTEST_SKIP() << "cannot drop raw sockets in a namespace here";
    }
    EXPECT_EQ(status, 0);
}
