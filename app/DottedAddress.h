#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>
#include <optional>

// Four octets of an IPv4 address, most significant first.
using Octets = std::array<uint8_t, 4>;

// Splits a text at its dots and reads each part leniently as a decimal number
// (leading blanks, an optional sign, digits up to the first other character),
// keeping its low 8 bits. Missing parts read as 0; text behind a fourth dot is ignored.
Octets ParseDottedAddress(const QByteArray& text);

// The dotted text "%d.%d.%d.%d" of four octets.
QByteArray DottedText(const Octets& octets);

// An address as typed into four fields: each part empty, or 0 to 255.
using AddressPart = std::optional<uint8_t>;
using FormAddress = std::array<AddressPart, 4>;

// None of the four parts is filled in.
bool IsBlank(const FormAddress& address);
// The four parts with empty ones read as 0.
Octets TakeAddress(const FormAddress& address);
FormAddress FilledAddress(const Octets& octets);
