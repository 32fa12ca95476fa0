#include "startup/WindowProgram.h"

#include "text/TextCleaning.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

namespace brelvon {

namespace {

constexpr const char* QuitAfterShownOption = "--quit-after-shown";

constexpr std::string_view UsageLine = "Usage: brelvon [SWITCHES] [--drives FILE]";
constexpr std::string_view Summary =
    "Shows every drive of the machine in one window: label, size, free and used space, a usage bar per drive, "
    "subtotals per category and a total.";

struct UsageEntry {
    std::string_view Option;
    std::string_view Meaning;
};

struct UsageSection {
    std::string_view Heading;
    std::span<const UsageEntry> Entries;
};

constexpr UsageEntry Switches[] = {
    {"-Nd1, -Nd0", "list, or do not list, network drives"},
    {"-Rd1, -Rd0", "list, or do not list, removable drives"},
    {"-Cd1, -Cd0", "list, or do not list, CD-ROM drives"},
    {"-UMb, -UGb", "sizes in megabytes or gigabytes"},
    {"-LEn, -LFr", "English or French interface"},
    {"-MnN", "blue limit: drives less than N % used are blue (N from 0 to 100)"},
    {"-MxN", "red limit: drives more than N % used are red (N from 0 to 100)"},
};
constexpr UsageEntry Options[] = {
    {"--drives FILE", "show the drives recorded in a JSON drive file instead of this machine's, read again at "
                      "each refresh"},
    {"--no-follow", "show the drives as they were at the last click: no refresh when drives are mounted or "
                    "removed, nor every 10 seconds while the window is shown"},
    {"--help", "show this help and exit"},
    {"--version", "show the version and exit"},
};
constexpr UsageSection Sections[] = {
    {"Switches, found anywhere in the arguments (or, when there are none, in the program's file name):", Switches},
    {"Options:", Options},
};
constexpr std::string_view Closing[] = {
    "Exit status: 0 when the window is closed, 1 after an unexpected error (also shown in a message box) or "
    "without a display, 2 for a bad command line or an unusable drive file.",
    "Brelvon is free software under the MIT licence.",
};

constexpr std::size_t TerminalWidth = 78;

// `text` broken at blanks into lines of at most `width` characters (a longer
// word stands alone), for a first line that already holds `indent`
// characters and further lines indented by as many blanks.
std::string Wrapped(std::string_view text, std::size_t width, std::size_t indent = 0)
{
    std::string wrapped;
    std::size_t lineLength = indent;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(' '), text.size());
        const std::string_view word = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (lineLength > indent && lineLength + 1 + word.size() > width) {
            wrapped += '\n' + std::string(indent, ' ');
            lineLength = indent;
        } else if (lineLength > indent) {
            wrapped += ' ';
            ++lineLength;
        }
        wrapped += word;
        lineLength += word.size();
    }
    return wrapped;
}

}  // namespace

std::string WindowUsage()
{
    std::string usage = std::string(UsageLine) + '\n' + Wrapped(Summary, TerminalWidth) + "\n\n";
    for (const UsageSection& section : Sections) {
        std::size_t optionWidth = 0;
        for (const UsageEntry& entry : section.Entries) optionWidth = std::max(optionWidth, entry.Option.size());
        usage += Wrapped(section.Heading, TerminalWidth) + '\n';
        for (const UsageEntry& entry : section.Entries) {
            const std::string option =
                "  " + std::string(entry.Option) + std::string(optionWidth - entry.Option.size() + 2, ' ');
            usage += option + Wrapped(entry.Meaning, TerminalWidth, option.size()) + '\n';
        }
        usage += '\n';
    }
    for (const std::string_view paragraph : Closing) usage += Wrapped(paragraph, TerminalWidth) + "\n\n";
    usage.pop_back();
    return usage;
}

std::string WindowUsageForDialog()
{
    std::string usage = std::string(UsageLine) + "\n\n" + std::string(Summary) + "\n\n";
    for (const UsageSection& section : Sections) {
        usage += std::string(section.Heading) + '\n';
        for (const UsageEntry& entry : section.Entries) {
            usage += std::string(entry.Option) + '\t' + std::string(entry.Meaning) + '\n';
        }
        usage += '\n';
    }
    for (const std::string_view paragraph : Closing) usage += std::string(paragraph) + "\n\n";
    usage.resize(usage.size() - 2);
    return usage;
}

bool TakeQuitAfterShown(std::vector<std::string>& arguments)
{
    const auto found = std::find(arguments.begin() + std::min<std::ptrdiff_t>(1, std::ssize(arguments)),
                                 arguments.end(), QuitAfterShownOption);
    if (found == arguments.end()) return false;
    arguments.erase(found);
    return true;
}

std::string FitForMessageBox(std::string_view text, std::size_t columns, std::size_t lines)
{
    std::vector<std::string_view> fitted;
    bool more = false;
    while (!text.empty() && !more) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        do {
            if (fitted.size() == lines) {
                more = true;
                break;
            }
            std::string_view piece = Utf8Prefix(line, columns);
            if (piece.size() < line.size()) {
                const std::size_t space = piece.rfind(' ');
                if (space != std::string_view::npos && Utf8Length(piece.substr(0, space)) >= columns / 2) {
                    piece = piece.substr(0, space + 1);
                }
            }
            fitted.push_back(piece);
            line.remove_prefix(piece.size());
        } while (!line.empty());
    }
    std::string result;
    for (std::size_t i = 0; i < fitted.size(); ++i) {
        std::string_view line = fitted[i];
        if (i + 1 == fitted.size() && more) line = Utf8Prefix(line, columns - 1);
        result.append(line);
        if (i + 1 < fitted.size()) result.push_back('\n');
    }
    if (more) result.append("\u2026");
    return result;
}

}  // namespace brelvon
