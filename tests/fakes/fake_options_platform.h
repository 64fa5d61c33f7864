#pragma once
// The system around the options dialog in memory: top-level windows by title with their rectangle
// and enabled state, a shell whose answer and last error are set by the test, and font and colour
// choosers that answer with a scripted choice or cancel. Every call is recorded.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "options/options_platform.h"

namespace kelvor {

class FakeOptionsPlatform final : public OptionsPlatform {
public:
    struct Window {
        PixelRect rect;
        bool enabled = true;
        bool rectReadable = true;
    };
    struct ChooserCall {
        std::string title;
        uint32_t flags = 0;
        FontDescription presetFont;
        int32_t presetColour = 0;
    };

    WindowId AddWindow(const std::string& title, PixelRect rect) {
        const WindowId id = 0x100 + windows.size();
        titles[title] = id;
        windows[id] = {rect, true, true};
        return id;
    }

    WindowId FindWindowByTitle(const std::string& title) override {
        const auto found = titles.find(title);
        return found == titles.end() ? 0 : found->second;
    }
    void EnableWindow(WindowId window, bool enabled) override {
        enableCalls.emplace_back(window, enabled);
        windows[window].enabled = enabled;
    }
    bool GetWindowRect(WindowId window, PixelRect& rect) override {
        const auto found = windows.find(window);
        if (found == windows.end() || !found->second.rectReadable) return false;
        rect = found->second.rect;
        return true;
    }

    intptr_t ShellOpen(const std::string& link) override {
        openedLinks.push_back(link);
        waitPointerDuringShell = waiting;
        return shellResult;
    }
    int32_t LastError() override { return lastError; }

    bool PickFont(const std::string& title, uint32_t flags, FontDescription& choice) override {
        fontCalls.push_back({title, flags, choice, 0});
        if (!fontAnswer) return false;
        choice = *fontAnswer;
        return true;
    }
    bool PickColour(const std::string& title, uint32_t flags, int32_t& colour) override {
        colourCalls.push_back({title, flags, {}, colour});
        if (!colourAnswer) return false;
        colour = *colourAnswer;
        return true;
    }

    void SetWaitPointer(bool value) override { waiting = value; }

    std::map<std::string, WindowId> titles;
    std::map<WindowId, Window> windows;
    std::vector<std::pair<WindowId, bool>> enableCalls;
    intptr_t shellResult = 42;
    int32_t lastError = 0;
    std::vector<std::string> openedLinks;
    bool waiting = false;
    bool waitPointerDuringShell = false;
    std::optional<FontDescription> fontAnswer;
    std::optional<int32_t> colourAnswer;
    std::vector<ChooserCall> fontCalls;
    std::vector<ChooserCall> colourCalls;
};

}  // namespace kelvor
