#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

// Four octets of an IPv4 address, most significant first.
using Octets = std::array<uint8_t, 4>;

// Splits a text at its dots and reads each part leniently as a decimal number
// (leading blanks, an optional sign, digits up to the first other character),
// keeping its low 8 bits. Missing parts read as 0; text behind a fourth dot is ignored.
Octets ParseDottedAddress(const QByteArray& text);

// The dotted text "%d.%d.%d.%d" of four octets.
QByteArray DottedText(const Octets& octets);
