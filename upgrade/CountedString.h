#pragma once

#include <QByteArray>
#include <cstdint>

// Length-prefixed texts: one byte for lengths up to 254, 0xFF and a 16-bit
// length up to 65533, 0xFF 0xFFFF and a 32-bit length beyond. All numbers are
// little-endian.
void AppendCountedString(QByteArray& out, const QByteArray& text);
void AppendInt32(QByteArray& out, int32_t value);

// Reads counted strings and numbers from a byte buffer. Every read answers
// false when the buffer ends before the item is complete, or when a length
// claims more bytes than are left; the position is then unspecified.
class CountedReader {
public:
    explicit CountedReader(const QByteArray& data) : m_data(data) {}

    // Also takes the wide form (0xFF 0xFFFE, a length in characters, UTF-16LE
    // text), which it converts to the local 8-bit encoding.
    bool ReadString(QByteArray& text);
    bool ReadInt32(int32_t& value);

private:
    enum class Prefix { Length, Wide, Damaged };
    bool ReadBytes(qsizetype count, QByteArray& bytes);
    bool ReadLength(uint32_t& length, Prefix& prefix);

    const QByteArray& m_data;
    qsizetype m_pos = 0;
};
