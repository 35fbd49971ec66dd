#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "DeviceRun.h"

// The results of a run: a table on stdout (or a JSON document with --json),
// optionally a CSV report with a row per device, and the exit status.
void PrintResults(const char* command, const std::vector<DeviceOutcome>& results, bool json);

// Columns: row, address, result, attempts, seconds, bytes_sent. Replaces the
// file only once it is complete; throws FileError.
void WriteCsvReport(const QString& path, const std::vector<DeviceOutcome>& results);

// 0 when every device succeeded, 1 otherwise.
int ExitStatus(const std::vector<DeviceOutcome>& results);
