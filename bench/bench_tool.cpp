// Times the tool's own firmware upload and probe, for bench/transfer-bench.sh.
//
//   varnel-bench upload FOLDER ADDRESS USER PASSWORD
//   varnel-bench probe ADDRESS...

#include <chrono>
#include <cstdio>
#include <cstring>

#include "FirmwareUpload.h"
#include "FtpSession.h"
#include "Probe.h"

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (!NetworkStartup()) {
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    if (argc == 6 && std::strcmp(argv[1], "upload") == 0) {
        SilentProgress progress;
        const TransferResult result =
            UploadFirmware(QString::fromLocal8Bit(argv[2]), {argv[3], argv[4], argv[5]}, progress);
        std::printf("%.3f %s\n", SecondsSince(start), result == TransferDone ? "done" : "failed");
        return result == TransferDone ? 0 : 1;
    }
    if (argc >= 3 && std::strcmp(argv[1], "probe") == 0) {
        int answered = 0;
        for (int i = 2; i < argc; ++i) {
            answered += PingHost(argv[i], kProbeTimeoutMs) ? 1 : 0;
        }
        std::printf("%.3f %d/%d\n", SecondsSince(start), answered, argc - 2);
        return 0;
    }
    std::fprintf(stderr, "usage: %s upload FOLDER ADDRESS USER PASSWORD | probe ADDRESS...\n",
                 argv[0]);
    return 2;
}
