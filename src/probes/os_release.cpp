#include "probes/os_release.h"

namespace kelvor {

namespace {

// A carriage return too: a file saved with DOS line ends still names the system cleanly.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Reads one shell word off the front of `text`, as the shell would assign it; the text ends at the
// first blank or line feed outside quotes. Nothing when a quote is left open.
std::optional<std::string> TakeShellWord(std::string_view& text) {
    std::string word;
    char quote = '\0';
    size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (quote == '\'') {
            if (c == '\'')
                quote = '\0';
            else
                word += c;
        } else if (quote == '"') {
            if (c == '"') {
                quote = '\0';
            } else if (c == '\\' && i + 1 < text.size() && std::string_view("$`\"\\\n").find(text[i + 1]) !=
                                                                 std::string_view::npos) {
                // An escaped line feed joins the lines.
                if (text[++i] != '\n') word += text[i];
            } else {
                word += c;
            }
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '\\') {
            // A backslash at the very end escapes nothing.
            if (i + 1 < text.size() && text[++i] != '\n') word += text[i];
        } else if (IsBlank(c) || c == '\n') {
            break;
        } else {
            word += c;
        }
    }
    if (quote != '\0') return std::nullopt;
    text.remove_prefix(i);
    return word;
}

}  // namespace

std::optional<std::string> OsReleaseValue(std::string_view text, std::string_view key) {
    std::optional<std::string> value;
    while (!text.empty()) {
        SkipBlanks(text);
        const size_t equals = text.find_first_of("=\n");
        if (text.starts_with('#') || equals == std::string_view::npos || text[equals] != '=') {
            TakeLine(text);
            continue;
        }
        const std::string_view name = text.substr(0, equals);
        std::string_view rest = text.substr(equals + 1);
        std::optional<std::string> word = TakeShellWord(rest);
        // A line whose quote is left open assigns nothing.
        if (!word) {
            TakeLine(text);
            continue;
        }
        if (name == key) value = std::move(word);
        // A quoted value may have run over several lines; a comment may follow it.
        text = rest;
        TakeLine(text);
    }
    if (value) {
        for (char& c : *value) {
            if (static_cast<unsigned char>(c) < ' ' || c == '\x7f') c = ' ';
        }
    }
    return value;
}

std::string KernelVersion(std::string_view release) {
    size_t end = 0;
    while (end < release.size() && ((release[end] >= '0' && release[end] <= '9') || release[end] == '.')) ++end;
    while (end > 0 && release[end - 1] == '.') --end;
    return std::string(end == 0 ? release : release.substr(0, end));
}

std::string LinuxSystemText(KernelText& etcOsRelease, KernelText& usrLibOsRelease, std::string_view kernelRelease) {
    std::string text;
    std::optional<std::string> name;
    if (etcOsRelease.Read(text) || usrLibOsRelease.Read(text)) {
        for (const std::string_view key : {"PRETTY_NAME", "NAME"}) {
            name = OsReleaseValue(text, key);
            if (name && !name->empty()) break;
        }
    }
    const std::string version = KernelVersion(kernelRelease);
    const std::string kernel = version.empty() ? "Linux" : "Linux " + version;
    return name && !name->empty() ? *name + ", " + kernel : kernel;
}

}  // namespace kelvor
