// libFuzzer target: any bytes as an address book file. Reading must never
// crash, and writing a book keeps its gateway and its first 254 records, but
// for records with nothing in them (no address, port 0, no number), which are
// written as empty slots and so read back as none.

#include <algorithm>
#include <cstdlib>

#include "AddressBookFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    AddressBook book;
    DecodeAddressBook(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                      book);
    const QByteArray written = EncodeAddressBook(book);
    AddressBook again;
    DecodeAddressBook(written, again);

    std::vector<AddressRecord> kept(book.records.begin(),
                                    book.records.begin() + std::min<size_t>(book.records.size(),
                                                                            MaxAddressRecords));
    std::erase_if(kept, [](const AddressRecord& r) {
        return r.ipAddress.isEmpty() && r.port == 0 && r.telephoneNumber.isEmpty();
    });
    if (written.size() != AddressBookFileSize || again.gatewayAddress != book.gatewayAddress ||
        again.gatewayPort != (book.gatewayPort & 0xFFFF) || again.records != kept) {
        std::abort();
    }
    return 0;
}
