#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "AddressBookFile.h"
#include "FileError.h"
#include "FileSizeLimit.h"

namespace {

QByteArray UsedBlock(const QByteArray& address, uint16_t port, const QByteArray& telephone) {
    QByteArray block(AddressBlockSize, '\0');
    block.replace(0, address.size(), address);
    block[16] = static_cast<char>(port & 0xFF);
    block[17] = static_cast<char>(port >> 8);
    block.replace(18, telephone.size(), telephone);
    return block;
}

AddressBook Decode(const QByteArray& data) {
    AddressBook book;
    DecodeAddressBook(data, book);
    return book;
}

}  // namespace

TEST(AddressBookFile, HeaderExampleByteForByte) {
    AddressBook book;
    book.gatewayAddress = {10, 0, 0, 1};
    const QByteArray data = EncodeAddressBook(book);
    ASSERT_EQ(data.size(), 13770);
    const QByteArray header = QByteArray("10.0.0.1") + QByteArray(8, '\0') + "\xB8\x06" +
                              QByteArray(35, '0') + QByteArray(1, '\0');
    EXPECT_EQ(data.left(54), header);
    EXPECT_EQ(data.mid(54), QByteArray(13770 - 54, '\0'));
}

TEST(AddressBookFile, RoundTripWithPortWrapping) {
    AddressBook book;
    book.gatewayAddress = {192, 168, 0, 254};
    book.gatewayPort = 70000;
    book.records = {{"10.0.0.1", 40000, "0123*"},
                    {"10.0.0.2", 70000, "9"},
                    {"10.0.0.3", -1, "1"},
                    {"1234567890123456", 1720, QByteArray(36, '7')}};
    const QByteArray data = EncodeAddressBook(book);
    const AddressBook back = Decode(data);
    EXPECT_EQ(back.gatewayAddress, book.gatewayAddress);
    EXPECT_EQ(back.gatewayPort, 4464u);
    ASSERT_EQ(back.records.size(), 4u);
    EXPECT_EQ(back.records[0].port, -25536);
    EXPECT_EQ(back.records[1].port, 4464);
    EXPECT_EQ(back.records[2].port, -1);
    EXPECT_EQ(back.records[3], book.records[3]);
    // The 16- and 36-byte texts fill their fields with no zero byte behind them.
    EXPECT_EQ(data.mid(4 * 54, 16), "1234567890123456");
    EXPECT_EQ(data.mid(4 * 54 + 18, 36), QByteArray(36, '7'));
    EXPECT_EQ(EncodeAddressBook(back), data);
}

TEST(AddressBookFile, ReadingRules) {
    const QByteArray zero(AddressBlockSize, '\0');
    {
        const AddressBook book = Decode(QByteArray(13770, '\0'));
        EXPECT_EQ(book.gatewayAddress, (Octets{255, 255, 255, 255}));
        EXPECT_EQ(book.gatewayPort, 1720u);
        EXPECT_TRUE(book.records.empty());
    }
    {
        const AddressBook book = Decode(UsedBlock("", 1720, ""));
        EXPECT_EQ(book.gatewayAddress, (Octets{0, 0, 0, 0}));
        EXPECT_EQ(book.gatewayPort, 1720u);
    }
    {
        const AddressBook book = Decode(zero + UsedBlock("", 0x1234, "") + zero + zero +
                                        UsedBlock("a", 1, "b") + QByteArray(53, 'x'));
        ASSERT_EQ(book.records.size(), 2u);
        EXPECT_EQ(book.records[0], (AddressRecord{"", 0x1234, ""}));
        EXPECT_EQ(book.records[1], (AddressRecord{"a", 1, "b"}));
    }
    EXPECT_TRUE(Decode(QByteArray(53, 'x')).records.empty());
}

TEST(AddressBookFile, ThreeHundredSlotsLoadAndTwoHundredFiftyFourAreWritten) {
    QByteArray data(AddressBlockSize, '\0');
    for (int i = 0; i < 300; ++i) {
        data += UsedBlock("10.0.0.1", static_cast<uint16_t>(i), QByteArray::number(i));
    }
    const AddressBook book = Decode(data);
    ASSERT_EQ(book.records.size(), 300u);
    EXPECT_EQ(book.records[299].telephoneNumber, "299");
    const AddressBook written = Decode(EncodeAddressBook(book));
    ASSERT_EQ(written.records.size(), 254u);
    EXPECT_EQ(written.records[253].telephoneNumber, "253");
}

TEST(AddressBookFile, FilesAndTheirErrors) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Addrbook.cpe");
    AddressBook book;
    book.records = {{"10.0.0.1", 1720, "1"}};
    WriteAddressBook(book, path);
    EXPECT_EQ(QFile(path).size(), 13770);

    AddressBook read;
    ReadAddressBook(path, read);
    EXPECT_EQ(read.records, book.records);

    try {
        ReadAddressBook(dir.filePath("missing.cpe"), read);
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_TRUE(e.Report().contains("missing.cpe"));
    }

    AddressBook other;
    {
        FileSizeLimit diskFull(1000);
        EXPECT_THROW(WriteAddressBook(other, path), FileError);
    }
    AddressBook kept;
    ReadAddressBook(path, kept);
    EXPECT_EQ(kept.records, book.records);
}
