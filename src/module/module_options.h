#pragma once
// The command line of the display module for xscreensaver, in that program's conventions: where to
// draw (-root, -window, -window-id, or the window in XSCREENSAVER_WINDOW), the options every
// display module takes (-fps, -delay, -install, -visual, -sync, -geometry, ...) and the options that
// map to the saver's settings. Options take one dash or two.
//
// Nothing on the command line ends the module: xscreensaver starts it again at once whenever it
// ends, so a value that cannot be used leaves its option at the default with a warning, and an
// option the module does not know is passed over with a warning.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/saver_settings.h"

namespace kelvor {

inline constexpr char kModuleName[] = "kelvor";

// The refresh tick's default and the range -delay takes, in microseconds: from a hundred ticks a
// second to one.
inline constexpr int32_t kDefaultTickMicroseconds = 100000;
inline constexpr int32_t kMinTickMicroseconds = 10000;
inline constexpr int32_t kMaxTickMicroseconds = 1000000;

// -font FAMILY[-SIZE][:bold][:italic][:underline][:strikeout], in the form of fontconfig's names.
struct FontOption {
    std::string family;
    std::optional<int16_t> size;  // whole points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

// The lines of -lines and of the options that show or hide one: the settings' DisplayItems in the
// low byte, their ExtraItems above it.
using LineBits = uint16_t;
inline constexpr int kExtraLinesShift = 8;

// -geometry WIDTHxHEIGHT[+X+Y] in X's form; a negative offset counts from the right or bottom edge.
struct GeometryOption {
    std::optional<int32_t> width;
    std::optional<int32_t> height;
    std::optional<int32_t> x;
    std::optional<int32_t> y;
    bool fromRight = false;
    bool fromBottom = false;
};

// What the arguments ask for, checked for form and range; colours and visuals stay names until
// the display that knows them is open.
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
    std::optional<LineBits> lines;
    LineBits shownLines = 0;   // -address and -system, after -lines
    LineBits hiddenLines = 0;  // -no-LINE, after -lines and those
    std::optional<std::string> text;
    std::optional<uint8_t> timeFormat;
    // The options of every display module.
    bool fps = false;
    int32_t tickMicroseconds = kDefaultTickMicroseconds;
    bool installColormap = false;
    std::string visual;  // empty: the window's or the screen's own
    bool synchronous = false;
    std::optional<GeometryOption> geometry;
};

// Fills `options` from the arguments (without the program's name). Each argument that cannot be
// used adds one line to `warnings` (an unknown option, a missing value, a value out of form or
// range) and changes nothing.
void ParseModuleOptions(std::span<const std::string> arguments, ModuleOptions& options,
                        std::vector<std::string>& warnings);

// The summary of the options, in lines of at most 80 characters.
std::string ModuleUsage();

// Where the module draws.
enum class ModuleTarget { OwnWindow, Root, GivenWindow };
struct TargetChoice {
    ModuleTarget target = ModuleTarget::OwnWindow;
    uint32_t windowId = 0;  // of GivenWindow
};

// -window-id first, then -window, then the window xscreensaver names in XSCREENSAVER_WINDOW
// (`environmentWindow`, null when unset; empty counts as unset), then -root; a window of its own
// when none says more. A variable that holds no window id adds a warning and is passed over.
TargetChoice ChooseTarget(const ModuleOptions& options, const char* environmentWindow,
                          std::vector<std::string>& warnings);

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
// -text shows the description line unless -lines says which lines show; -address and -system add
// their lines, and -no-name, -no-cpu, ... (one for each word of -lines) then hide single lines. A
// colour the display does not know adds a warning and leaves that colour at its default.
SaverSettings ModuleSettings(const ModuleOptions& options, ColourNames& colours, std::vector<std::string>& warnings);

}  // namespace kelvor
