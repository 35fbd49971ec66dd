#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "Probe.h"

// The outcome of an upload to one device.
enum TransferResult { TransferDone = 0, TransferFtpFailed = 1, TransferNoAnswer = 2 };

// One file an upload sent, for callers that check or count what went.
struct SentFile {
    QString localPath;
    QByteArray remoteDirectory;
    QByteArray remoteName;
    qint64 size = 0;
};

// What a per-device transfer uses besides its arguments. The defaults are the
// real probe and no record.
struct TransferHooks {
    Prober probe = PingHost;
    std::vector<SentFile>* sent = nullptr;
};
