// devices and addressbook: the commands that work on files only.

#include <arpa/inet.h>

#include <QFile>
#include <cstdio>

#include "AddressBookFile.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "Csv.h"
#include "FileError.h"
#include "FileIo.h"

namespace {

QByteArray ReadOrFail(const QString& path) {
    try {
        return ReadWholeFile(path);
    } catch (const FileError& e) {
        throw CommandError{e.Report()};
    }
}

void WriteOrFail(const QString& path, const QByteArray& data, bool privateFile = false) {
    try {
        WriteFileAtomically(path, data, privateFile);
    } catch (const FileError& e) {
        throw CommandError{e.Report()};
    }
}

QString Argument(const Arguments& arguments, size_t index, const char* what) {
    if (arguments.positional.size() <= index) {
        throw UsageError{QString("missing ") + what};
    }
    return QFile::decodeName(arguments.positional[index]);
}

std::vector<DeviceEntry> Entries(const std::vector<Device>& devices) {
    std::vector<DeviceEntry> entries;
    for (const Device& device : devices) {
        entries.push_back(device.entry);
    }
    return entries;
}

void SaveDevices(const QString& path, const std::vector<DeviceEntry>& entries) {
    if (entries.size() > kMaxDevices) {
        throw CommandError{
            QStringLiteral("a device list holds at most %1 devices").arg(kMaxDevices)};
    }
    try {
        SaveDeviceList(path, entries);
    } catch (const FileError& e) {
        throw CommandError{e.Report()};
    }
}

bool IsAddress(const QByteArray& text) {
    in_addr address{};
    return inet_pton(AF_INET, text.constData(), &address) == 1;
}

int ListDevices(const QString& path, bool showPasswords) {
    for (const Device& device : ReadDevices(path)) {
        const QByteArray& password = device.entry.password;
        std::printf("%-5d %-16s %-16s %s\n", device.row, device.entry.ipAddress.constData(),
                    device.entry.userId.constData(),
                    (showPasswords ? password : QByteArray(password.size(), '*')).constData());
    }
    return 0;
}

std::vector<DeviceEntry> ImportDevices(const QString& csvPath) {
    std::vector<DeviceEntry> entries;
    const QList<CsvRow> rows = ParseCsv(ReadOrFail(csvPath));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const CsvRow& row = rows[i];
        if (i == 0 && row.front() == "address") {
            continue;  // the heading
        }
        if (row.size() != 3) {
            throw CommandError{QStringLiteral("%1, line %2: expected address,user,password")
                                   .arg(csvPath)
                                   .arg(i + 1)};
        }
        entries.push_back({row[0], row[1], row[2]});
    }
    return entries;
}

}  // namespace

int DevicesCommand(const Arguments& arguments) {
    const QString list = Argument(arguments, 0, "device list");
    const QByteArray action =
        arguments.positional.size() > 1 ? arguments.positional[1] : QByteArray("list");
    if (action == "list") {
        return ListDevices(list, arguments.Has("show-passwords"));
    }
    if (action == "add") {
        const QByteArray address = Argument(arguments, 2, "address").toLocal8Bit();
        if (!IsAddress(address)) {
            throw UsageError{"not a dotted IPv4 address: " + QString::fromLocal8Bit(address)};
        }
        auto entries =
            QFile::exists(list) ? Entries(ReadDevices(list)) : std::vector<DeviceEntry>{};
        entries.push_back({address, arguments.Value("user").value_or(""), Password(arguments)});
        SaveDevices(list, entries);
        return 0;
    }
    if (action == "remove") {
        const std::vector<Device> devices = ReadDevices(list);
        const std::set<int> rows = ParseRows(Argument(arguments, 2, "rows").toLocal8Bit(),
                                             static_cast<int>(devices.size()));
        std::vector<DeviceEntry> kept;
        for (const Device& device : devices) {
            if (!rows.count(device.row)) {
                kept.push_back(device.entry);
            }
        }
        SaveDevices(list, kept);
        return 0;
    }
    if (action == "import") {
        SaveDevices(list, ImportDevices(Argument(arguments, 2, "CSV file")));
        return 0;
    }
    if (action == "export") {
        QByteArray csv = CsvLine({"address", "user", "password"});
        for (const Device& device : ReadDevices(list)) {
            csv += CsvLine({device.entry.ipAddress, device.entry.userId, device.entry.password});
        }
        WriteOrFail(Argument(arguments, 2, "CSV file"), csv, true);
        return 0;
    }
    throw UsageError{"unknown action " + QString::fromLocal8Bit(action)};
}

namespace {

AddressBook ReadBook(const QString& path) {
    AddressBook book;
    DecodeAddressBook(ReadOrFail(path), book);
    return book;
}

int ShowBook(const AddressBook& book) {
    std::printf("gateway %s port %u\n", DottedText(book.gatewayAddress).constData(),
                book.gatewayPort);
    for (size_t i = 0; i < book.records.size(); ++i) {
        const AddressRecord& record = book.records[i];
        std::printf("%-4d %-16s %-7d %s\n", static_cast<int>(i) + 1, record.ipAddress.constData(),
                    record.port, record.telephoneNumber.constData());
    }
    return 0;
}

QByteArray BookCsv(const AddressBook& book) {
    QByteArray csv = CsvLine({"kind", "address", "port", "telephone"});
    csv += CsvLine(
        {"gateway", DottedText(book.gatewayAddress), QByteArray::number(book.gatewayPort), ""});
    for (const AddressRecord& record : book.records) {
        csv += CsvLine(
            {"record", record.ipAddress, QByteArray::number(record.port), record.telephoneNumber});
    }
    return csv;
}

AddressBook BookFromCsv(const QString& csvPath) {
    AddressBook book;
    const QList<CsvRow> rows = ParseCsv(ReadOrFail(csvPath));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const CsvRow& row = rows[i];
        const auto bad = [&](const QString& why) {
            return CommandError{QStringLiteral("%1, line %2: %3").arg(csvPath).arg(i + 1).arg(why)};
        };
        if (row.front() == "kind") {
            continue;
        }
        if (row.size() != 4) {
            throw bad("expected kind,address,port,telephone");
        }
        bool ok = false;
        if (row[0] == "gateway") {
            book.gatewayAddress = ParseDottedAddress(row[1]);
            book.gatewayPort = row[2].toUInt(&ok);
        } else if (row[0] == "record") {
            if (row[1].size() > 16 || row[3].size() > 36) {
                throw bad("an address holds at most 16 bytes, a telephone number 36");
            }
            book.records.push_back({row[1], row[2].toInt(&ok), row[3]});
        } else {
            throw bad("the kind is gateway or record");
        }
        if (!ok) {
            throw bad("the port is not a number");
        }
    }
    if (book.records.size() > MaxAddressRecords) {
        throw CommandError{
            QStringLiteral("an address book holds at most %1 records").arg(MaxAddressRecords)};
    }
    return book;
}

}  // namespace

int AddressBookCommand(const Arguments& arguments) {
    const QString path = Argument(arguments, 0, "address book");
    const QByteArray action =
        arguments.positional.size() > 1 ? arguments.positional[1] : QByteArray("show");
    if (action == "show") {
        return ShowBook(ReadBook(path));
    }
    if (action == "export") {
        WriteOrFail(Argument(arguments, 2, "CSV file"), BookCsv(ReadBook(path)));
        return 0;
    }
    if (action == "import") {
        WriteOrFail(path, EncodeAddressBook(BookFromCsv(Argument(arguments, 2, "CSV file"))));
        return 0;
    }
    throw UsageError{"unknown action " + QString::fromLocal8Bit(action)};
}
