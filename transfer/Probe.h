#pragma once

#include <sys/time.h>

#include <QByteArray>
#include <cstdint>
#include <functional>

// Sends one ICMP echo request to a dotted IPv4 address and answers whether the
// matching echo reply came back within timeoutMs. Uses a raw ICMP socket where
// the process may open one, otherwise the unprivileged ICMP datagram socket.
// Text that is not a dotted address, and the broadcast address, answer false.
// Safe to call from several threads at once.
bool PingHost(const QByteArray& address, int timeoutMs);

// A probe as the transfers call it; tests put a fake in its place.
using Prober = std::function<bool(const QByteArray& address, int timeoutMs)>;

constexpr int kProbeTimeoutMs = 1000;

// The pieces of a probe, for tests.
namespace probe {
constexpr int kRequestSize = 48;
// The 48-byte echo request; only the low 16 bits of the counter reach the wire.
QByteArray BuildEchoRequest(int32_t counter, uint32_t tick);
uint16_t InternetChecksum(const QByteArray& bytes);
timeval SplitTimeout(int timeoutMs);
// The identifier and sequence number the next probe will carry.
int32_t PeekCounter();
}  // namespace probe
