#include "DeviceList.h"

#include "CountedString.h"
#include "FileError.h"
#include "FileIo.h"
#include "PasswordScrambler.h"

namespace {
const QByteArray kSignature = "VGL101002";
}  // namespace

QString DeviceListMessage(DeviceListLoad result) {
    switch (result) {
        case DeviceListLoad::DifferentVersion:
            return QStringLiteral("Different VGL file version, can't read the file!");
        case DeviceListLoad::NotRecognized:
            return QStringLiteral("VGL Format not recognized!");
        case DeviceListLoad::Loaded:
            break;
    }
    return {};
}

QByteArray EncodeDeviceList(const std::vector<DeviceEntry>& rows) {
    QByteArray out;
    AppendCountedString(out, kSignature);
    AppendInt32(out, static_cast<int32_t>(rows.size()));
    for (const DeviceEntry& row : rows) {
        AppendCountedString(out, row.ipAddress);
        AppendCountedString(out, row.userId);
        AppendCountedString(out, ScramblePassword(row.password));
    }
    return out;
}

DeviceListLoad DecodeDeviceList(const QByteArray& data, std::vector<DeviceEntry>& rows,
                                const QString& fileName) {
    CountedReader reader(data);
    const auto endOfFile = [&] { return FileError(FileError::Kind::EndOfFile, fileName); };

    QByteArray signature;
    if (!reader.ReadString(signature)) {
        throw endOfFile();
    }
    if (signature != kSignature) {
        return signature.startsWith("VGL") ? DeviceListLoad::DifferentVersion
                                           : DeviceListLoad::NotRecognized;
    }
    int32_t count = 0;
    if (!reader.ReadInt32(count)) {
        throw endOfFile();
    }
    for (int32_t i = 0; i < count; ++i) {
        DeviceEntry row;
        QByteArray stored;
        if (!reader.ReadString(row.ipAddress) || !reader.ReadString(row.userId) ||
            !reader.ReadString(stored)) {
            throw endOfFile();
        }
        row.password = UnscramblePassword(stored);
        rows.push_back(std::move(row));
    }
    return DeviceListLoad::Loaded;
}

DeviceListLoad LoadDeviceList(const QString& path, std::vector<DeviceEntry>& rows) {
    return DecodeDeviceList(ReadWholeFile(path), rows, path);
}

void SaveDeviceList(const QString& path, const std::vector<DeviceEntry>& rows) {
    WriteFileAtomically(path, EncodeDeviceList(rows));
}
