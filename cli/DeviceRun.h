#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "DeviceList.h"
#include "ProgressReport.h"

// What became of one device.
enum class Outcome {
    Done,
    Reachable,  // a check's success
    FtpFailed,
    NoAnswer,
    VerifyFailed,
    Aborted,
    NotReached,
};

// Done and Reachable are successes.
bool Succeeded(Outcome outcome);

const char* OutcomeName(Outcome outcome);

struct Device {
    int row = 0;  // as the windows number it, from 1
    DeviceEntry entry;
};

struct DeviceOutcome {
    Device device;
    Outcome outcome = Outcome::NotReached;
    int attempts = 0;
    double seconds = 0;
    qint64 bytesSent = 0;
};

// One attempt at one device. It reports through progress (whose Poll answers
// false once the run is interrupted) and adds what it sent to bytesSent.
using DeviceJob =
    std::function<Outcome(const DeviceEntry&, ProgressReport& progress, qint64& bytesSent)>;

struct RunOptions {
    int jobs = 4;
    int retries = 0;
    double retryPause = 2;  // before the first retry; each further one waits longer
};

// Works through the devices, `jobs` at a time, each with its own connection,
// retrying failed devices. Shows a line per device on stderr as it ends, and a
// live bar when stdout is a terminal. Answers the outcomes in device order.
std::vector<DeviceOutcome> RunDevices(const std::vector<Device>& devices, const DeviceJob& job,
                                      const RunOptions& options);

// True when the outcome may change on another attempt.
bool Retryable(Outcome outcome);
