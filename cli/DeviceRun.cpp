#include "DeviceRun.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>

#include "Interrupt.h"

const char* OutcomeName(Outcome outcome) {
    switch (outcome) {
        case Outcome::Done:
            return "done";
        case Outcome::Reachable:
            return "reachable";
        case Outcome::FtpFailed:
            return "ftp-failed";
        case Outcome::NoAnswer:
            return "unreachable";
        case Outcome::VerifyFailed:
            return "verify-failed";
        case Outcome::Aborted:
            return "aborted";
        case Outcome::NotReached:
            return "not-reached";
    }
    return "unknown";
}

bool Succeeded(Outcome outcome) {
    return outcome == Outcome::Done || outcome == Outcome::Reachable;
}

bool Retryable(Outcome outcome) {
    return outcome == Outcome::FtpFailed || outcome == Outcome::NoAnswer ||
           outcome == Outcome::VerifyFailed;
}

namespace {

// The lines on stderr, one writer at a time.
class Display {
public:
    explicit Display(int total) : m_total(total), m_bar(isatty(STDOUT_FILENO) != 0) {}

    void Ended(const DeviceOutcome& result) {
        const std::lock_guard lock(m_mutex);
        ++m_ended;
        if (m_bar) {
            std::fputs("\r\033[K", stderr);
        }
        std::fprintf(stderr, "[%d/%d] row %d %s: %s (%d attempt%s, %.1f s)\n", m_ended, m_total,
                     result.device.row, result.device.entry.ipAddress.constData(),
                     OutcomeName(result.outcome), result.attempts, result.attempts == 1 ? "" : "s",
                     result.seconds);
        DrawBar();
    }
    void Started() {
        const std::lock_guard lock(m_mutex);
        ++m_started;
        DrawBar();
    }
    void Finish() {
        if (m_bar) {
            std::fputs("\r\033[K", stderr);
        }
    }

private:
    void DrawBar() {
        if (!m_bar) {
            return;
        }
        constexpr int kWidth = 30;
        const int filled = m_total ? m_ended * kWidth / m_total : kWidth;
        std::fprintf(stderr, "\r[%.*s%*s] %d/%d ended, %d under way", filled,
                     "==============================", kWidth - filled, "", m_ended, m_total,
                     m_started - m_ended);
        std::fflush(stderr);
    }

    std::mutex m_mutex;
    int m_total;
    int m_started = 0;
    int m_ended = 0;
    bool m_bar;
};

bool Continuing() { return !Interrupted(); }

// Sleeps, waking early when the run is interrupted.
void Pause(double seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!Interrupted() && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

DeviceOutcome Attempts(const Device& device, const DeviceJob& job, const RunOptions& options) {
    DeviceOutcome result{device, Outcome::NotReached, 0, 0, 0};
    const auto start = std::chrono::steady_clock::now();
    SilentProgress progress(&Continuing);
    for (int attempt = 0; attempt <= options.retries && !Interrupted(); ++attempt) {
        if (attempt > 0) {
            Pause(options.retryPause * attempt);
            if (Interrupted()) {
                break;
            }
        }
        ++result.attempts;
        result.outcome = job(device.entry, progress, result.bytesSent);
        if (Interrupted() && !Succeeded(result.outcome)) {
            result.outcome = Outcome::Aborted;
        }
        if (!Retryable(result.outcome)) {
            break;
        }
    }
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

}  // namespace

std::vector<DeviceOutcome> RunDevices(const std::vector<Device>& devices, const DeviceJob& job,
                                      const RunOptions& options) {
    std::vector<DeviceOutcome> results(devices.size());
    for (size_t i = 0; i < devices.size(); ++i) {
        results[i].device = devices[i];
    }
    Display display(static_cast<int>(devices.size()));
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < devices.size() && !Interrupted(); i = next++) {
            display.Started();
            results[i] = Attempts(devices[i], job, options);
            display.Ended(results[i]);
        }
    };
    std::vector<std::thread> workers;
    const int jobs = std::max(1, std::min<int>(options.jobs, static_cast<int>(devices.size())));
    for (int i = 0; i < jobs; ++i) {
        workers.emplace_back(worker);
    }
    for (auto& thread : workers) {
        thread.join();
    }
    display.Finish();
    return results;
}
