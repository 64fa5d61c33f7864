#pragma once
// The options dialog's logic wired to fakes of its window, the system and the registry, with
// settings as a first start loads them.

#include <memory>
#include <string>

#include "fakes/fake_options_platform.h"
#include "fakes/fake_options_view.h"
#include "fakes/fake_registry.h"
#include "options/options_dialog.h"
#include "settings/saver_settings.h"

namespace kelvor {

struct OptionsRig {
    OptionsRig() {
        settings.FontName = "Verdana";
        settings.FontSize = 10;
        settings.FontColour = 16777215;
        settings.DisplayItems = 127;
        settings.MoveOption = 2;
        settings.MoveEBRandom = 2;
    }

    // A dialog for the given family and command line; Load() is left to the test.
    OptionsDialog& Make(WindowsFamily family = WindowsFamily::Nt, const std::string& commandLine = "") {
        dialog = std::make_unique<OptionsDialog>(view, platform, registry, settings, family, commandLine);
        return *dialog;
    }
    OptionsDialog& Loaded(WindowsFamily family = WindowsFamily::Nt, const std::string& commandLine = "") {
        Make(family, commandLine).Load();
        return *dialog;
    }

    void SetDefaultSaver(const std::string& name) {
        registry.SetString(RegistryRoot::Users, ".DEFAULT\\Control Panel\\Desktop", "SCRNSAVE.EXE", name);
    }
    std::optional<std::string> DefaultSaver() const {
        return registry.GetString(RegistryRoot::Users, ".DEFAULT\\Control Panel\\Desktop", "SCRNSAVE.EXE");
    }
    std::optional<std::string> OldDefaultSaver() const {
        return registry.GetString(kSettingsRoot, kSettingsSubkey, "oldDefaultSS");
    }

    FakeOptionsView view;
    FakeOptionsPlatform platform;
    FakeRegistry registry;
    SaverSettings settings;
    std::unique_ptr<OptionsDialog> dialog;
};

}  // namespace kelvor
