#include "PasswordScrambler.h"

#include <cctype>
#include <cstdint>

namespace {

constexpr char kKey[] = "KWR583746";
constexpr int kKeyLength = sizeof(kKey) - 1;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

uint8_t ReadHexPair(char first, char second) {
    const char pair[2] = {first, second};
    int i = 0;
    if (std::isspace(static_cast<unsigned char>(pair[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < 2 && (pair[i] == '+' || pair[i] == '-')) {
        negative = pair[i] == '-';
        ++i;
    }
    int value = 0;
    for (; i < 2 && HexDigit(pair[i]) >= 0; ++i) {
        value = value * 16 + HexDigit(pair[i]);
    }
    return static_cast<uint8_t>((negative ? -value : value) & 0xFF);
}

}  // namespace

QByteArray ScramblePassword(const QByteArray& password) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    QByteArray stored;
    stored.reserve(password.size() * 2);
    for (qsizetype i = 0; i < password.size(); ++i) {
        const auto byte = static_cast<uint8_t>(static_cast<uint8_t>(password[i]) +
                                               static_cast<uint8_t>(kKey[i % kKeyLength]));
        stored.append(kHex[byte >> 4]);
        stored.append(kHex[byte & 0x0F]);
    }
    return stored;
}

QByteArray UnscramblePassword(const QByteArray& stored) {
    QByteArray password;
    const qsizetype pairs = stored.size() / 2;
    for (qsizetype i = 0; i < pairs; ++i) {
        const auto byte = static_cast<uint8_t>(ReadHexPair(stored[2 * i], stored[2 * i + 1]) -
                                               static_cast<uint8_t>(kKey[i % kKeyLength]));
        if (byte == 0) {
            break;
        }
        password.append(static_cast<char>(byte));
    }
    return password;
}
