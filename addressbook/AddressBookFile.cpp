#include "AddressBookFile.h"

#include <QtEndian>
#include <algorithm>

#include "FileIo.h"

namespace {

constexpr int kAddressField = 16;
constexpr int kPortOffset = 16;
constexpr int kTelephoneOffset = 18;
constexpr int kTelephoneField = 36;
const QByteArray kHeaderTelephone(35, '0');

QByteArray Block(const QByteArray& address, uint32_t port, const QByteArray& telephone) {
    QByteArray block(AddressBlockSize, '\0');
    block.replace(0, std::min<qsizetype>(address.size(), kAddressField),
                  address.left(kAddressField));
    qToLittleEndian<uint16_t>(static_cast<uint16_t>(port & 0xFFFF), block.data() + kPortOffset);
    block.replace(kTelephoneOffset, std::min<qsizetype>(telephone.size(), kTelephoneField),
                  telephone.left(kTelephoneField));
    return block;
}

// A zero-padded text field: up to the first zero byte, or the whole field.
QByteArray FieldText(const char* field, int size) {
    return QByteArray(field, static_cast<qsizetype>(qstrnlen(field, size)));
}

}  // namespace

QByteArray EncodeAddressBook(const AddressBook& book) {
    QByteArray data;
    data.reserve(AddressBookFileSize);
    data += Block(DottedText(book.gatewayAddress), book.gatewayPort, kHeaderTelephone);
    for (int slot = 0; slot < MaxAddressRecords; ++slot) {
        if (slot < static_cast<int>(book.records.size())) {
            const AddressRecord& record = book.records[slot];
            data +=
                Block(record.ipAddress, static_cast<uint32_t>(record.port), record.telephoneNumber);
        } else {
            data += QByteArray(AddressBlockSize, '\0');
        }
    }
    return data;
}

void DecodeAddressBook(const QByteArray& data, AddressBook& book) {
    const qsizetype blocks = data.size() / AddressBlockSize;
    for (qsizetype i = 0; i < blocks; ++i) {
        const char* block = data.constData() + i * AddressBlockSize;
        if (std::all_of(block, block + AddressBlockSize, [](char c) { return c == 0; })) {
            continue;
        }
        const QByteArray address = FieldText(block, kAddressField);
        if (i == 0) {
            book.gatewayAddress = ParseDottedAddress(address);
            book.gatewayPort = qFromLittleEndian<uint16_t>(block + kPortOffset);
        } else {
            book.records.push_back({address, qFromLittleEndian<int16_t>(block + kPortOffset),
                                    FieldText(block + kTelephoneOffset, kTelephoneField)});
        }
    }
}

void WriteAddressBook(const AddressBook& book, const QString& path) {
    WriteFileAtomically(path, EncodeAddressBook(book));
}

void ReadAddressBook(const QString& path, AddressBook& book) {
    DecodeAddressBook(ReadWholeFile(path), book);
}
