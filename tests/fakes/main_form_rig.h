#pragma once
// A display window's logic wired to fakes, as host tests use it.

#include <algorithm>
#include <string>

#include "fakes/fake_block_surface.h"
#include "fakes/fake_main_window.h"
#include "fakes/fake_saver_platform.h"
#include "host/main_form.h"
#include "settings/saver_settings.h"

namespace kelvor {

struct MainFormRig {
    void StoreSetting(const std::string& name, int32_t value) {
        platform.registry.SetNumber(kSettingsRoot, kSettingsSubkey, name, value);
    }
    void StoreSetting(const std::string& name, const std::string& value) {
        platform.registry.SetString(kSettingsRoot, kSettingsSubkey, name, value);
    }
    bool Logged(const std::string& entry) const {
        return std::find(platform.log.begin(), platform.log.end(), entry) != platform.log.end();
    }
    long Count(const std::string& entry) const { return std::count(platform.log.begin(), platform.log.end(), entry); }

    // The platform outlives the state: the state's sampler reports its release to the platform.
    FakeSaverPlatform platform;
    FakeInformationSources sources;
    FakeMainWindow window;
    FakeBlockSurface surface;
    ProgramState state;
    MainForm form{state, window, surface, platform, sources};
    InfoBlock& block = form.Block();
};

}  // namespace kelvor
