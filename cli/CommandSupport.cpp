#include "CommandSupport.h"

#include <QFile>
#include <set>

#include "FileError.h"
#include "FileIo.h"
#include "Report.h"

std::vector<Device> ReadDevices(const QString& path) {
    std::vector<DeviceEntry> rows;
    DeviceListLoad result;
    try {
        result = LoadDeviceList(path, rows);
    } catch (const FileError& e) {
        throw CommandError{e.Report()};
    }
    if (result != DeviceListLoad::Loaded) {
        throw CommandError{path + ": " + DeviceListMessage(result)};
    }
    std::vector<Device> devices;
    for (size_t i = 0; i < rows.size(); ++i) {
        devices.push_back({static_cast<int>(i) + 1, rows[i]});
    }
    return devices;
}

std::set<int> ParseRows(const QByteArray& text, int count) {
    std::set<int> rows;
    for (const QByteArray& part : text.split(',')) {
        const QList<QByteArray> range = part.split('-');
        bool firstOk = false;
        bool lastOk = range.size() == 1;
        const int first = range.front().trimmed().toInt(&firstOk);
        const int last = range.size() == 2 ? range.back().trimmed().toInt(&lastOk) : first;
        if (!firstOk || !lastOk || range.size() > 2 || first < 1 || last < first || last > count) {
            throw UsageError{"no rows " + QString::fromLocal8Bit(part) + " in a list of " +
                             QString::number(count)};
        }
        for (int row = first; row <= last; ++row) {
            rows.insert(row);
        }
    }
    return rows;
}

std::vector<Device> SelectRows(const std::vector<Device>& devices, const Arguments& arguments) {
    const auto only = arguments.Value("only");
    if (!only) {
        return devices;
    }
    std::vector<Device> selected;
    for (int row : ParseRows(*only, static_cast<int>(devices.size()))) {
        selected.push_back(devices[row - 1]);
    }
    return selected;
}

QByteArray Password(const Arguments& arguments) {
    if (const auto file = arguments.Value("password-file")) {
        try {
            const QByteArray content = ReadWholeFile(QFile::decodeName(*file));
            return content.split('\n').front().replace("\r", "");
        } catch (const FileError& e) {
            throw CommandError{e.Report()};
        }
    }
    return qgetenv("VARNEL_PASSWORD");
}

RunOptions RunOptionsFrom(const Arguments& arguments) {
    RunOptions options;
    options.jobs = NumberOption(arguments, "jobs", 4, 1);
    options.retries = NumberOption(arguments, "retries", 0, 0);
    options.retryPause = SecondsOption(arguments, "retry-pause", 2);
    return options;
}

int Finish(const char* command, const std::vector<DeviceOutcome>& results,
           const Arguments& arguments) {
    PrintResults(command, results, arguments.Has("json"));
    if (const QString report = arguments.Path("report"); !report.isEmpty()) {
        try {
            WriteCsvReport(report, results);
        } catch (const FileError& e) {
            throw CommandError{e.Report()};
        }
    }
    return ExitStatus(results);
}
