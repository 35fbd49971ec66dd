#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CountedString.h"
#include "DeviceList.h"
#include "FileError.h"
#include "FileSizeLimit.h"
#include "PasswordScrambler.h"

namespace {

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

const QByteArray kExample =
    Hex("0956474C313031303032"
        "01000000"
        "0831302E302E302E31"
        "0561646D696E"
        "00");

std::vector<DeviceEntry> Decode(const QByteArray& data, DeviceListLoad* result = nullptr) {
    std::vector<DeviceEntry> rows;
    const auto r = DecodeDeviceList(data, rows, "list.vgl");
    if (result) {
        *result = r;
    }
    return rows;
}

}  // namespace

TEST(DeviceList, ThirtyByteExampleBothWays) {
    const std::vector<DeviceEntry> rows{{"10.0.0.1", "admin", ""}};
    EXPECT_EQ(EncodeDeviceList(rows), kExample);
    EXPECT_EQ(Decode(kExample), rows);
}

TEST(DeviceList, EmptyListIsSignatureAndZero) {
    EXPECT_EQ(EncodeDeviceList({}), Hex("0956474C31303130303200000000"));
    DeviceListLoad result{};
    EXPECT_TRUE(Decode(EncodeDeviceList({}), &result).empty());
    EXPECT_EQ(result, DeviceListLoad::Loaded);
}

TEST(PasswordScrambler, ShiftsByTheKeyAndRestartsItAfterNineBytes) {
    // 'K' + 1 = 0x4C; the tenth byte uses the key's first character again.
    EXPECT_EQ(ScramblePassword(QByteArray(1, '\x01')), "4C");
    EXPECT_EQ(ScramblePassword(QByteArray(10, '\0')),
              "4B5752353833373436"
              "4B");
    EXPECT_EQ(ScramblePassword(""), "");
    const QByteArray odd("caf\xE9 p\xE4ss w\xF6rd 12");
    EXPECT_EQ(UnscramblePassword(ScramblePassword(odd)), odd);
}

TEST(PasswordScrambler, ReadsStoredTextsLeniently) {
    const QByteArray stored = ScramblePassword("secret");
    EXPECT_EQ(UnscramblePassword(stored.toLower()), "secret");
    EXPECT_EQ(UnscramblePassword(stored + "7"), "secret");
    // A pair that unscrambles to 0 ends the password: "4B" is 'K' - 'K'.
    EXPECT_EQ(UnscramblePassword(ScramblePassword("ab").left(2) + "57"), "a");
    EXPECT_EQ(UnscramblePassword("4B"), "");
    // A pair without digits reads as 0, so its byte is 0 - 'K'.
    EXPECT_EQ(UnscramblePassword("zz"), QByteArray(1, static_cast<char>(-'K')));
}

TEST(CountedString, PrefixFormsAtTheirLimits) {
    struct Case {
        qsizetype length;
        QByteArray prefix;
    };
    const Case cases[] = {
        {0, Hex("00")},
        {254, Hex("FE")},
        {255, Hex("FFFF00")},
        {65533, Hex("FFFDFF")},
        {65534, Hex("FFFFFFFEFF0000")},
        {70000, Hex("FFFFFF70110100")},
    };
    for (const auto& c : cases) {
        const QByteArray text(c.length, 'x');
        QByteArray out;
        AppendCountedString(out, text);
        EXPECT_EQ(out.left(c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(out.size(), c.prefix.size() + c.length);
        CountedReader reader(out);
        QByteArray back;
        ASSERT_TRUE(reader.ReadString(back));
        EXPECT_EQ(back, text);
    }
}

TEST(CountedString, ReadsTheWideForm) {
    // 0xFF 0xFFFE, 3 characters, "aé€" in UTF-16LE.
    const QByteArray data =
        Hex("FFFEFF03"
            "6100"
            "E900"
            "AC20");
    CountedReader reader(data);
    QByteArray text;
    ASSERT_TRUE(reader.ReadString(text));
    EXPECT_EQ(QString::fromLocal8Bit(text), QString::fromUtf8("a\xC3\xA9\xE2\x82\xAC"));

    const QByteArray twiceWide = Hex("FFFEFFFFFEFF00");
    CountedReader damaged(twiceWide);
    EXPECT_FALSE(damaged.ReadString(text));
}

TEST(DeviceList, PasswordOfLongLengthsRoundTrips) {
    const std::vector<DeviceEntry> rows{
        {"10.0.0.2", "user with blanks", QByteArray(127, 'p')},
        {"10.0.0.3", "", QByteArray(128, '\xC8')},
        {"not an address", "\xFC\xE9", QByteArray(40000, 'q')},
    };
    const QByteArray data = EncodeDeviceList(rows);
    EXPECT_EQ(Decode(data), rows);
}

TEST(DeviceList, ThreeHundredRowsAndTrailingBytes) {
    std::vector<DeviceEntry> rows;
    for (int i = 0; i < 300; ++i) {
        rows.push_back({"10.0." + QByteArray::number(i / 256) + "." + QByteArray::number(i % 256),
                        "u" + QByteArray::number(i), "p" + QByteArray::number(i)});
    }
    EXPECT_EQ(Decode(EncodeDeviceList(rows) + "garbage after the rows"), rows);
}

TEST(DeviceList, SignatureMessages) {
    struct Case {
        QByteArray signature;
        DeviceListLoad result;
    };
    const Case cases[] = {
        {"VGL100000", DeviceListLoad::DifferentVersion},
        {"VGL", DeviceListLoad::DifferentVersion},
        {"vgl101002", DeviceListLoad::NotRecognized},
        {"PK\x03\x04", DeviceListLoad::NotRecognized},
    };
    for (const auto& c : cases) {
        QByteArray data;
        AppendCountedString(data, c.signature);
        data += Hex("01000000");
        DeviceListLoad result{};
        EXPECT_TRUE(Decode(data, &result).empty());
        EXPECT_EQ(result, c.result) << c.signature.constData();
    }
    EXPECT_EQ(DeviceListMessage(DeviceListLoad::DifferentVersion),
              "Different VGL file version, can't read the file!");
    EXPECT_EQ(DeviceListMessage(DeviceListLoad::NotRecognized), "VGL Format not recognized!");
}

TEST(DeviceList, ShortDataEndsWithTheEndOfFileErrorKeepingEarlierRows) {
    const std::vector<DeviceEntry> rows{{"10.0.0.1", "a", "x"}, {"10.0.0.2", "b", "y"}};
    const QByteArray full = EncodeDeviceList(rows);
    struct Case {
        QByteArray data;
        size_t rowsKept;
    };
    const Case cases[] = {
        {QByteArray(), 0},
        {full.left(5), 0},                // inside the signature
        {full.left(12), 0},               // inside the row count
        {full.left(full.size() - 1), 1},  // inside the second row's password
        // A length prefix claiming far more than is left must not be trusted.
        {full.left(14) + Hex("FFFFFFFFFFFF7F"), 0},
    };
    for (const auto& c : cases) {
        std::vector<DeviceEntry> read;
        try {
            DecodeDeviceList(c.data, read, "cut.vgl");
            ADD_FAILURE() << "no error for " << c.data.size() << " bytes";
        } catch (const FileError& e) {
            EXPECT_EQ(e.kind(), FileError::Kind::EndOfFile);
            EXPECT_TRUE(e.Report().contains("cut.vgl"));
        }
        EXPECT_EQ(read.size(), c.rowsKept) << c.data.size();
    }
}

TEST(DeviceList, FailedSaveKeepsTheEarlierFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("list.vgl");
    SaveDeviceList(path, {{"10.0.0.1", "admin", ""}});

    std::vector<DeviceEntry> many(50, DeviceEntry{"10.0.0.9", "someone", "secret"});
    {
        FileSizeLimit diskFull(20);
        EXPECT_THROW(SaveDeviceList(path, many), FileError);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), kExample);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"list.vgl"});

    std::vector<DeviceEntry> rows;
    EXPECT_THROW(LoadDeviceList(dir.filePath("missing.vgl"), rows), FileError);
}
