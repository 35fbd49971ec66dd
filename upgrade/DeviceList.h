#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// One device of a device list. Texts are the user's bytes, unconverted; the
// password is plain here and scrambled only in the file.
struct DeviceEntry {
    QByteArray ipAddress;
    QByteArray userId;
    QByteArray password;

    bool operator==(const DeviceEntry&) const = default;
};

enum class DeviceListLoad { Loaded, DifferentVersion, NotRecognized };

// The message for a refused signature; empty for Loaded.
QString DeviceListMessage(DeviceListLoad result);

// Encodes a whole device list file.
QByteArray EncodeDeviceList(const std::vector<DeviceEntry>& rows);

// Appends the rows of a device list file's bytes. Throws FileError(EndOfFile)
// naming fileName when the data ends inside an item; the rows completed before
// stay appended.
DeviceListLoad DecodeDeviceList(const QByteArray& data, std::vector<DeviceEntry>& rows,
                                const QString& fileName);

// File forms of the two above; failures surface as FileError. Saving replaces
// an earlier file only once the new one is complete.
DeviceListLoad LoadDeviceList(const QString& path, std::vector<DeviceEntry>& rows);
void SaveDeviceList(const QString& path, const std::vector<DeviceEntry>& rows);
