#pragma once

#include <QString>
#include <set>
#include <vector>

#include "Arguments.h"
#include "DeviceRun.h"

// A file that cannot be read or written, or a list the command cannot use.
struct CommandError {
    QString text;
};

// Every row of a device list, numbered from 1. Throws CommandError.
std::vector<Device> ReadDevices(const QString& path);
// The rows named by "1,3,5" or "2-4"; all rows without the option. Throws UsageError.
std::vector<Device> SelectRows(const std::vector<Device>& devices, const Arguments& arguments);
// A password from --password-file (its first line) or $VARNEL_PASSWORD; empty without either.
QByteArray Password(const Arguments& arguments);
// --jobs (default 4), --retries, --retry-pause.
RunOptions RunOptionsFrom(const Arguments& arguments);
// Row numbers from 1 to count, as "1,3,5" or "2-4". Throws UsageError.
std::set<int> ParseRows(const QByteArray& text, int count);
// Prints the results (--json), writes --report, answers the exit status.
int Finish(const char* command, const std::vector<DeviceOutcome>& results,
           const Arguments& arguments);

// A device list file may be written where the windows will read it again.
constexpr int kMaxDevices = 254;
