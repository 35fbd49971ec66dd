// libFuzzer target: any bytes as a device list file. Reading must never crash
// or over-allocate, and what was read must survive writing and reading again.

#include <cstdlib>

#include "DeviceList.h"
#include "FileError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::vector<DeviceEntry> rows;
    try {
        DecodeDeviceList(bytes, rows, "fuzz.vgl");
    } catch (const FileError&) {
    }
    // Passwords are cut at a zero byte when read, so compare what reading gives.
    std::vector<DeviceEntry> again;
    DecodeDeviceList(EncodeDeviceList(rows), again, "again.vgl");
    if (again != rows) {
        std::abort();
    }
    return 0;
}
