#include "Report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <map>

#include "Csv.h"
#include "FileIo.h"

namespace {

QString Text(const QByteArray& bytes) { return QString::fromLocal8Bit(bytes); }

std::map<QByteArray, int> Tally(const std::vector<DeviceOutcome>& results) {
    std::map<QByteArray, int> tally;
    for (const DeviceOutcome& result : results) {
        ++tally[OutcomeName(result.outcome)];
    }
    return tally;
}

}  // namespace

void PrintResults(const char* command, const std::vector<DeviceOutcome>& results, bool json) {
    const auto tally = Tally(results);
    if (json) {
        QJsonArray devices;
        for (const DeviceOutcome& result : results) {
            devices.append(QJsonObject{{"row", result.device.row},
                                       {"address", Text(result.device.entry.ipAddress)},
                                       {"result", OutcomeName(result.outcome)},
                                       {"attempts", result.attempts},
                                       {"seconds", result.seconds},
                                       {"bytes_sent", static_cast<double>(result.bytesSent)}});
        }
        QJsonObject summary;
        for (const auto& [name, count] : tally) {
            summary[QString::fromLatin1(name)] = count;
        }
        const QJsonObject document{{"command", command},
                                   {"devices", devices},
                                   {"summary", summary},
                                   {"succeeded", ExitStatus(results) == 0}};
        std::fputs(QJsonDocument(document).toJson().constData(), stdout);
        return;
    }
    std::printf("%-5s %-16s %-14s %8s %9s %12s\n", "row", "address", "result", "attempts",
                "seconds", "bytes_sent");
    QList<QByteArray> failed;
    for (const DeviceOutcome& result : results) {
        std::printf("%-5d %-16s %-14s %8d %9.2f %12lld\n", result.device.row,
                    result.device.entry.ipAddress.constData(), OutcomeName(result.outcome),
                    result.attempts, result.seconds, static_cast<long long>(result.bytesSent));
        if (!Succeeded(result.outcome)) {
            failed << result.device.entry.ipAddress;
        }
    }
    QList<QByteArray> counts;
    for (const auto& [name, count] : tally) {
        counts << QByteArray::number(count) + " " + name;
    }
    std::printf("%d device%s: %s\n", static_cast<int>(results.size()),
                results.size() == 1 ? "" : "s", counts.join(", ").constData());
    if (!failed.isEmpty()) {
        std::printf("not done: %s\n", failed.join(" ").constData());
    }
}

void WriteCsvReport(const QString& path, const std::vector<DeviceOutcome>& results) {
    QByteArray csv = CsvLine({"row", "address", "result", "attempts", "seconds", "bytes_sent"});
    for (const DeviceOutcome& result : results) {
        csv += CsvLine({QByteArray::number(result.device.row), result.device.entry.ipAddress,
                        OutcomeName(result.outcome), QByteArray::number(result.attempts),
                        QByteArray::number(result.seconds, 'f', 3),
                        QByteArray::number(result.bytesSent)});
    }
    WriteFileAtomically(path, csv);
}

int ExitStatus(const std::vector<DeviceOutcome>& results) {
    for (const DeviceOutcome& result : results) {
        if (!Succeeded(result.outcome)) {
            return 1;
        }
    }
    return 0;
}
