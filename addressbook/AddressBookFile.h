#pragma once

#include <QByteArray>
#include <QString>

#include "AddressBook.h"

// An address book file: 54-byte blocks, a gateway header and 254 record slots.
constexpr int AddressBlockSize = 54;
constexpr int AddressBookFileSize = AddressBlockSize * (MaxAddressRecords + 1);

// Always 13,770 bytes; records beyond the 254th are not written.
QByteArray EncodeAddressBook(const AddressBook& book);

// Reads every block in use into a cleared book; a short last block is ignored.
void DecodeAddressBook(const QByteArray& data, AddressBook& book);

// File forms of the two above; failures surface as FileError. Writing replaces
// an earlier file only once all of the new one is on disk.
void WriteAddressBook(const AddressBook& book, const QString& path);
void ReadAddressBook(const QString& path, AddressBook& book);
