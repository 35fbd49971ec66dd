// check, upgrade, download and backup: the commands that reach devices.

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cctype>

#include "AddressBookTransfer.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "FirmwareUpload.h"
#include "FtpSession.h"
#include "Probe.h"

namespace {

QString OnlyList(const Arguments& arguments, const char* command) {
    if (arguments.positional.size() != 1) {
        throw UsageError{QString(command) + " takes one device list"};
    }
    return QFile::decodeName(arguments.positional.front());
}

// Every sent file is on the device with its local size.
bool VerifySent(const DeviceEntry& device, const std::vector<SentFile>& sent,
                ProgressReport& progress) {
    FtpSession ftp(device.ipAddress, device.userId, device.password,
                   [&progress] { return progress.Poll(); });
    if (!ftp.Connect()) {
        return false;
    }
    for (const SentFile& file : sent) {
        if ((ftp.currentDirectory() != file.remoteDirectory &&
             !ftp.ChangeDirectory(file.remoteDirectory)) ||
            ftp.RemoteSize(file.remoteName) != file.size) {
            return false;
        }
    }
    return true;
}

Outcome FromTransfer(TransferResult result) {
    switch (result) {
        case TransferDone:
            return Outcome::Done;
        case TransferNoAnswer:
            return Outcome::NoAnswer;
        case TransferFtpFailed:
            break;
    }
    return Outcome::FtpFailed;
}

// Only a plain dotted address names a local file.
bool IsDotted(const QByteArray& address) {
    return !address.isEmpty() && std::all_of(address.begin(), address.end(), [](char c) {
        return c == '.' || std::isdigit(static_cast<unsigned char>(c));
    });
}

Outcome Download(const DeviceEntry& device, const QString& path, ProgressReport& progress,
                 qint64& bytes) {
    if (!IsDotted(device.ipAddress) || !PingHost(device.ipAddress, kProbeTimeoutMs)) {
        return Outcome::NoAnswer;
    }
    if (!DownloadAddressBook(progress, device, path)) {
        return Outcome::FtpFailed;
    }
    bytes += QFileInfo(path).size();
    return Outcome::Done;
}

}  // namespace

int CheckCommand(const Arguments& arguments) {
    const auto devices = SelectRows(ReadDevices(OnlyList(arguments, "check")), arguments);
    const auto results = RunDevices(
        devices,
        [](const DeviceEntry& device, ProgressReport&, qint64&) {
            return PingHost(device.ipAddress, kProbeTimeoutMs) ? Outcome::Reachable
                                                               : Outcome::NoAnswer;
        },
        RunOptionsFrom(arguments));
    return Finish("check", results, arguments);
}

int UpgradeCommand(const Arguments& arguments) {
    const auto devices = SelectRows(ReadDevices(OnlyList(arguments, "upgrade")), arguments);
    const QString firmware = arguments.Path("firmware");
    const QString addressBook = arguments.Path("address-book");
    if (firmware.isEmpty() == addressBook.isEmpty()) {
        throw UsageError{"upgrade takes either --firmware DIR or --address-book FILE"};
    }
    if (!firmware.isEmpty() && !QFileInfo(firmware).isDir()) {
        throw CommandError{firmware + " is not a folder"};
    }
    if (!addressBook.isEmpty() && !QFileInfo(addressBook).isReadable()) {
        throw CommandError{addressBook + " cannot be read"};
    }
    const bool verify = arguments.Has("verify");
    const auto results = RunDevices(
        devices,
        [&](const DeviceEntry& device, ProgressReport& progress, qint64& bytes) {
            std::vector<SentFile> sent;
            TransferHooks hooks;
            hooks.sent = &sent;
            const TransferResult result =
                firmware.isEmpty() ? UploadAddressBook(addressBook, device, progress, hooks)
                                   : UploadFirmware(firmware, device, progress, hooks);
            for (const SentFile& file : sent) {
                bytes += file.size;
            }
            if (result == TransferDone && verify && !VerifySent(device, sent, progress)) {
                return Outcome::VerifyFailed;
            }
            return FromTransfer(result);
        },
        RunOptionsFrom(arguments));
    return Finish("upgrade", results, arguments);
}

int DownloadCommand(const Arguments& arguments) {
    if (arguments.positional.size() != 1 || !arguments.Value("output")) {
        throw UsageError{"download takes an address and -o FILE"};
    }
    const DeviceEntry device{arguments.positional.front(), arguments.Value("user").value_or(""),
                             Password(arguments)};
    const QString path = arguments.Path("output");
    const auto results = RunDevices(
        {{1, device}},
        [&](const DeviceEntry& entry, ProgressReport& progress, qint64& bytes) {
            return Download(entry, path, progress, bytes);
        },
        RunOptionsFrom(arguments));
    return Finish("download", results, arguments);
}

int BackupCommand(const Arguments& arguments) {
    const auto devices = SelectRows(ReadDevices(OnlyList(arguments, "backup")), arguments);
    const QString folder = arguments.Path("to");
    if (folder.isEmpty()) {
        throw UsageError{"backup takes --to DIR"};
    }
    if (!QDir().mkpath(folder)) {
        throw CommandError{"cannot create the folder " + folder};
    }
    const auto results = RunDevices(
        devices,
        [&](const DeviceEntry& device, ProgressReport& progress, qint64& bytes) {
            const QString path = folder + "/" + QString::fromLatin1(device.ipAddress) + ".cpe";
            return Download(device, path, progress, bytes);
        },
        RunOptionsFrom(arguments));
    return Finish("backup", results, arguments);
}
