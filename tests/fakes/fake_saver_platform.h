#pragma once
// The system as the display window's logic sees it, scripted by each test and logging the calls.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/run_time_error.h"
#include "fakes/fake_registry.h"
#include "host/information_sources.h"
#include "host/program_state.h"
#include "host/saver_platform.h"

namespace kelvor {

class FakeCpuSampler final : public ProcessorLoadSampler {
public:
    explicit FakeCpuSampler(std::vector<std::string>& log) : log_(log) {}
    ~FakeCpuSampler() override { log_.push_back("ReleaseCpuSampler"); }
    std::string LoadText() override { return "07 %"; }

private:
    std::vector<std::string>& log_;
};

// Accepts exactly the password in `correct`, typed as `typed`.
class FakePasswordServices final : public PasswordServices {
public:
    explicit FakePasswordServices(std::vector<std::string>& log) : log_(log) {}
    bool VerifyScreenSavePassword(intptr_t window) override {
        log_.push_back("VerifyScreenSavePassword " + std::to_string(window));
        if (whilePromptIsUp) whilePromptIsUp();
        return typed == correct;
    }
    void ChangePassword(intptr_t parentWindow) override {
        log_.push_back("ChangePassword " + std::to_string(parentWindow));
    }

    std::string correct = "secret";
    std::string typed = "secret";
    // Runs while the prompt is shown, as input arriving meanwhile would.
    std::function<void()> whilePromptIsUp;

private:
    std::vector<std::string>& log_;
};

class FakeNetworkStatus final : public NetworkStatus {
public:
    explicit FakeNetworkStatus(int& calls) : calls_(calls) {}
    std::string Status() override {
        ++calls_;
        return "Network activity: rx: /  tx: |";
    }

private:
    int& calls_;
};

// Fixed texts and a settable clock; counts the calls so tests see which lines were asked for.
class FakeInformationSources final : public InformationSources {
public:
    LocalDateTime Now() override {
        ++nowCalls;
        return now;
    }
    std::string UptimeText() override {
        ++uptimeCalls;
        return "2 days, 7:33:20";
    }
    std::string StartTimeText(uint8_t timeFormat) override {
        ++startTimeCalls;
        return (timeFormat & 1) != 0 ? "05-Dec-26 15:06:10" : "05-Dec-26 3:06:10 pm";
    }
    std::string MemoryUsageText() override {
        ++memoryCalls;
        return memory;
    }
    std::unique_ptr<NetworkStatus> CreateNetworkMonitor() override {
        ++networkMonitorsCreated;
        return std::make_unique<FakeNetworkStatus>(statusCalls);
    }

    LocalDateTime now{2026, 12, 7, 15, 6, 10, 0};
    std::string memory = "262,144 K";
    int nowCalls = 0;
    int uptimeCalls = 0;
    int startTimeCalls = 0;
    int memoryCalls = 0;
    int networkMonitorsCreated = 0;
    int statusCalls = 0;
};

class FakeSaverPlatform final : public SaverPlatform {
public:
    uint32_t RandomSeed() override {
        Log("RandomSeed");
        return 42;
    }
    void ReadOSVersion(OsCapabilities& os) override {
        Log("ReadOSVersion");
        os = this->os;
    }
    std::string ReadComputerName() override {
        Log("ReadComputerName");
        return computerName;
    }
    std::unique_ptr<ProcessorLoadSampler> CreateCpuSampler() override {
        Log("CreateCpuSampler");
        if (failCpuSampler)
            throw RunTimeError(static_cast<int32_t>(0x80041F41), "CPULoad.Initialize", "Can't get the Windows version");
        return std::make_unique<FakeCpuSampler>(log);
    }
    void GetDesktopBounds(bool hasMultiMonitor, DesktopBounds& bounds) override {
        Log(hasMultiMonitor ? "GetDesktopBounds(multi)" : "GetDesktopBounds(single)");
        bounds = desktop;
    }
    bool TopLevelWindowExists(const std::string& title) override {
        Log("FindWindow " + title);
        return title == existingWindowTitle;
    }
    void SetScreenSaverRunning(bool running) override {
        Log(running ? "ScreenSaverRunning(1)" : "ScreenSaverRunning(0)");
    }
    Registry& SystemRegistry() override { return registry; }
    PasswordServices& Passwords() override { return passwords; }
    void ShowCriticalError(const std::string& title, const std::string& text) override {
        Log("CriticalError");
        errorTitle = title;
        errorText = text;
    }

    OsCapabilities os{2, true, true};
    std::string computerName = "KELVOR-PC";
    bool failCpuSampler = false;
    FakeRegistry registry;
    FakePasswordServices passwords{log};
    DesktopBounds desktop{0, 1024, 0, 768};
    std::string existingWindowTitle;
    std::string errorTitle;
    std::string errorText;
    std::vector<std::string> log;

private:
    void Log(const std::string& entry) { log.push_back(entry); }
};

}  // namespace kelvor
