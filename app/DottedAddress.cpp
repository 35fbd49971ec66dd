#include "DottedAddress.h"

#include <algorithm>
#include <cctype>

namespace {

// Reads like the C library's atoi, wrapping instead of overflowing.
uint8_t LenientOctet(const QByteArray& part) {
    qsizetype i = 0;
    while (i < part.size() && std::isspace(static_cast<unsigned char>(part[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < part.size() && (part[i] == '+' || part[i] == '-')) {
        negative = part[i] == '-';
        ++i;
    }
    uint32_t value = 0;
    for (; i < part.size() && part[i] >= '0' && part[i] <= '9'; ++i) {
        value = value * 10 + static_cast<uint32_t>(part[i] - '0');
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<uint8_t>(value & 0xFF);
}

}  // namespace

Octets ParseDottedAddress(const QByteArray& text) {
    Octets octets{};
    QByteArray rest = text;
    for (int i = 0; i < 3; ++i) {
        const qsizetype dot = rest.indexOf('.');
        if (dot < 0) {
            octets[i] = LenientOctet(rest);
            rest.clear();
        } else {
            octets[i] = LenientOctet(rest.left(dot));
            rest = rest.mid(dot + 1);
        }
    }
    octets[3] = LenientOctet(rest);
    return octets;
}

QByteArray DottedText(const Octets& octets) {
    return QByteArray::number(octets[0]) + '.' + QByteArray::number(octets[1]) + '.' +
           QByteArray::number(octets[2]) + '.' + QByteArray::number(octets[3]);
}

bool IsBlank(const FormAddress& address) {
    return std::none_of(address.begin(), address.end(), [](const AddressPart& p) { return p; });
}

Octets TakeAddress(const FormAddress& address) {
    Octets octets{};
    for (int i = 0; i < 4; ++i) {
        octets[i] = address[i].value_or(0);
    }
    return octets;
}

FormAddress FilledAddress(const Octets& octets) {
    return {octets[0], octets[1], octets[2], octets[3]};
}
