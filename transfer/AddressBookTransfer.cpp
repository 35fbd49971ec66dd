#include "AddressBookTransfer.h"

#include "FtpSession.h"

namespace {

const QString kConnecting = QStringLiteral("Connecting...");
const QString kRemoteLine = QStringLiteral("FTP : /RFA/Addrbook.cpe");

void ShowStep(ProgressReport& progress, int position) {
    progress.StepBar().SetPos(position);
    progress.Refresh();
}

// Connects and enters /RFA/, showing the first two steps.
bool OpenRemoteFolder(FtpSession& ftp, ProgressReport& progress) {
    progress.SetLine1(kConnecting);
    progress.StepBar().SetRange(0, 2);
    progress.Refresh();
    if (!ftp.Connect() || !ftp.ChangeDirectory(kRemoteFolder)) {
        return false;
    }
    progress.SetLine1(kRemoteLine);
    ShowStep(progress, 1);
    return true;
}

}  // namespace

TransferResult UploadAddressBook(const QString& sourcePath, const DeviceEntry& device,
                                 ProgressReport& progress, const TransferHooks& hooks) {
    if (!hooks.probe(device.ipAddress, kProbeTimeoutMs)) {
        return TransferNoAnswer;
    }
    FtpSession ftp(device.ipAddress, device.userId, device.password,
                   [&progress] { return progress.Poll(); });
    qint64 size = 0;
    if (!OpenRemoteFolder(ftp, progress) || !ftp.Put(sourcePath, kRemoteAddressBook, &size)) {
        return TransferFtpFailed;
    }
    if (hooks.sent) {
        hooks.sent->push_back({sourcePath, kRemoteFolder, kRemoteAddressBook, size});
    }
    ShowStep(progress, 2);
    return TransferDone;
}

bool DownloadAddressBook(ProgressReport& progress, const DeviceEntry& device,
                         const QString& localPath) {
    progress.Reset();
    progress.SetCaption(QStringLiteral("Download AddressBook"));
    FtpSession ftp(device.ipAddress, device.userId, device.password,
                   [&progress] { return progress.Poll(); });
    if (!OpenRemoteFolder(ftp, progress) || !ftp.Get(kRemoteAddressBook, localPath)) {
        return false;
    }
    ShowStep(progress, 2);
    return true;
}
