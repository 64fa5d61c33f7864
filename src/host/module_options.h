#pragma once
// The command line of the display module for xscreensaver, in that program's conventions: where to
// draw (-root, -window, -window-id, or the window in XSCREENSAVER_WINDOW) and the options that map
// to the saver's settings. Options take one dash or two.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/saver_settings.h"

namespace kelvor {

inline constexpr char kModuleName[] = "kelvor";

// -font FAMILY[-SIZE][:bold][:italic][:underline][:strikeout], in the form of fontconfig's names.
struct FontOption {
    std::string family;
    std::optional<int16_t> size;  // whole points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

// What the arguments ask for, checked for form and range; colours stay names until the display
// that knows them is open.
struct ModuleOptions {
    bool help = false;
    std::string displayName;  // empty: $DISPLAY
    bool root = false;
    bool window = false;
    std::optional<uint32_t> windowId;
    std::optional<FontOption> font;
    std::optional<std::string> foreground;
    std::optional<std::string> background;
    std::optional<int16_t> moveOption;
    std::optional<int16_t> randomness;
    std::optional<uint8_t> lines;
    std::optional<std::string> text;
    std::optional<uint8_t> timeFormat;
};

// Fills `options` from the arguments (without the program's name); false with the reason in `error`
// for an unknown option, a missing value or a value out of form or range.
bool ParseModuleOptions(std::span<const std::string> arguments, ModuleOptions& options, std::string& error);

// The one-line summary of the options.
std::string ModuleUsage();

// Where the module draws.
enum class ModuleTarget { OwnWindow, Root, GivenWindow };
struct TargetChoice {
    ModuleTarget target = ModuleTarget::OwnWindow;
    uint32_t windowId = 0;  // of GivenWindow
};

// -window-id first, then -window, then the window xscreensaver names in XSCREENSAVER_WINDOW
// (`environmentWindow`, null when unset), then -root; a window of its own when none says more.
// False with the reason in `error` when the variable holds no window id.
bool ChooseTarget(const ModuleOptions& options, const char* environmentWindow, TargetChoice& choice,
                  std::string& error);

// A window id as X programs write it: decimal, or hexadecimal after "0x"; above 0 and within 32 bits.
std::optional<uint32_t> ParseWindowId(std::string_view text);

// Colour names as the display knows them ("#204080", "navy", ...), as RGB with red in the lowest
// byte; nothing for a name it does not know.
class ColourNames {
public:
    virtual ~ColourNames() = default;
    virtual std::optional<int32_t> Colour(const std::string& name) = 0;
};

// The settings of the options: the defaults of a fresh installation with what the options change.
// -text shows the description line unless -lines says which lines show. False with the reason in
// `error` for a colour the display does not know.
bool ModuleSettings(const ModuleOptions& options, ColourNames& colours, SaverSettings& settings, std::string& error);

}  // namespace kelvor
