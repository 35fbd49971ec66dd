#pragma once

#include <QString>

#include "DeviceList.h"
#include "ProgressReport.h"
#include "TransferResult.h"

// Remote place of a device's address book.
inline constexpr char kRemoteFolder[] = "/RFA/";
inline constexpr char kRemoteAddressBook[] = "Addrbook.cpe";

// Probes the device, then puts the file as /RFA/Addrbook.cpe. Reports through
// line 1, the step bar and Refresh.
TransferResult UploadAddressBook(const QString& sourcePath, const DeviceEntry& device,
                                 ProgressReport& progress, const TransferHooks& hooks = {});

// Gets /RFA/Addrbook.cpe into localPath (replaced only when the whole file has
// arrived) after resetting and captioning the progress window. Does not probe
// and does not hide the window: the caller reports a failure while it shows.
bool DownloadAddressBook(ProgressReport& progress, const DeviceEntry& device,
                         const QString& localPath);
