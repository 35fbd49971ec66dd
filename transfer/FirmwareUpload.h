#pragma once

#include <QByteArray>
#include <QString>

#include "DeviceList.h"
#include "ProgressReport.h"
#include "TransferResult.h"

class FtpSession;

// Probes the device, clears /RFA/Doc/ and /RFA/Images/ where the firmware
// folder has DOC or IMAGES sub-folders (any letter case), then puts every file
// of the folder tree under /RFA, depth first in the order the file system lists
// them, stepping the step bar per file. A file that cannot go fails the device
// but not the others.
TransferResult UploadFirmware(const QString& firmwareFolder, const DeviceEntry& device,
                              ProgressReport& progress, const TransferHooks& hooks = {});

// The steps of an upload, for tests.
namespace firmware {
int CountFiles(const QString& folder);
struct Subfolders {
    bool doc = false;
    bool images = false;
};
Subfolders CheckSubfolders(const QString& folder);
// The name an FTP listing entry stands for: trailing blanks removed, then the
// text after the last blank. Only names with a period are deleted.
QByteArray ListedName(QByteArray entry);
// Deletes the dotted names of a remote directory; false when it cannot be entered.
bool ClearRemoteFolder(FtpSession& ftp, const QByteArray& directory);
}  // namespace firmware
