#include "CountedString.h"

#include <QString>
#include <QtEndian>

namespace {
constexpr uint8_t kLongMark = 0xFF;
constexpr uint16_t kWideMark = 0xFFFE;
constexpr uint16_t kHugeMark = 0xFFFF;

void AppendLittleEndian(QByteArray& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}
}  // namespace

void AppendCountedString(QByteArray& out, const QByteArray& text) {
    const auto length = static_cast<uint64_t>(text.size());
    if (length < kLongMark) {
        AppendLittleEndian(out, length, 1);
    } else if (length < kWideMark) {
        AppendLittleEndian(out, kLongMark, 1);
        AppendLittleEndian(out, length, 2);
    } else {
        AppendLittleEndian(out, kLongMark, 1);
        AppendLittleEndian(out, kHugeMark, 2);
        AppendLittleEndian(out, length, 4);
    }
    out.append(text);
}

void AppendInt32(QByteArray& out, int32_t value) {
    AppendLittleEndian(out, static_cast<uint32_t>(value), 4);
}

bool CountedReader::ReadBytes(qsizetype count, QByteArray& bytes) {
    if (count < 0 || count > m_data.size() - m_pos) {
        return false;
    }
    bytes = m_data.mid(m_pos, count);
    m_pos += count;
    return true;
}

bool CountedReader::ReadLength(uint32_t& length, Prefix& prefix) {
    QByteArray bytes;
    if (!ReadBytes(1, bytes)) {
        return false;
    }
    prefix = Prefix::Length;
    length = static_cast<uint8_t>(bytes[0]);
    if (length < kLongMark) {
        return true;
    }
    if (!ReadBytes(2, bytes)) {
        return false;
    }
    length = qFromLittleEndian<uint16_t>(bytes.constData());
    if (length == kWideMark) {
        prefix = Prefix::Wide;
    } else if (length == kHugeMark) {
        if (!ReadBytes(4, bytes)) {
            return false;
        }
        length = qFromLittleEndian<uint32_t>(bytes.constData());
    }
    return true;
}

bool CountedReader::ReadString(QByteArray& text) {
    uint32_t length = 0;
    Prefix prefix = Prefix::Length;
    if (!ReadLength(length, prefix)) {
        return false;
    }
    if (prefix == Prefix::Length) {
        return ReadBytes(length, text);
    }
    // Wide form: a second prefix gives the number of UTF-16 characters. A second
    // wide mark has no meaning and counts as a damaged file.
    if (!ReadLength(length, prefix) || prefix != Prefix::Length) {
        return false;
    }
    QByteArray utf16;
    if (!ReadBytes(static_cast<qsizetype>(length) * 2, utf16)) {
        return false;
    }
    QString wide(static_cast<qsizetype>(length), Qt::Uninitialized);
    for (uint32_t i = 0; i < length; ++i) {
        wide[i] = QChar(qFromLittleEndian<uint16_t>(utf16.constData() + 2 * i));
    }
    text = wide.toLocal8Bit();
    return true;
}

bool CountedReader::ReadInt32(int32_t& value) {
    QByteArray bytes;
    if (!ReadBytes(4, bytes)) {
        return false;
    }
    value = qFromLittleEndian<int32_t>(bytes.constData());
    return true;
}
