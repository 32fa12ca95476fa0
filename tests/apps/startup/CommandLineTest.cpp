#include "startup/CommandLine.h"
#include "startup/WindowProgram.h"

#include <gtest/gtest.h>

#include <sstream>

namespace brelvon {
namespace {

TEST(CommandLine, TakesOurLongOptionsOutOfTheArgumentText)
{
    const auto line =
        ParseCommandLine({"/usr/bin/brelvon", "-Rd1", "--drives", "my drives.json", "-LFr", "--help"}, {});
    EXPECT_EQ(line.DrivesFile, "my drives.json");
    EXPECT_TRUE(line.Help);
    EXPECT_EQ(line.ArgumentText, "-Rd1 -LFr");
    EXPECT_EQ(line.ExeName, "brelvon");
    EXPECT_TRUE(line.Error.empty());
}

TEST(CommandLine, UnknownLongOptionStaysInTheTextUnlessRejected)
{
    EXPECT_EQ(ParseCommandLine({"brelvon", "--colour", "-UGb"}, {}).ArgumentText, "--colour -UGb");
    EXPECT_EQ(ParseCommandLine({"brelvon-report", "--colour"}, {true, true}).Error, "unknown option --colour");
    EXPECT_TRUE(ParseCommandLine({"brelvon-report", "--json"}, {true, true}).Json);
    EXPECT_EQ(ParseCommandLine({"brelvon", "--json"}, {}).ArgumentText, "--json");
    EXPECT_TRUE(ParseCommandLine({"brelvon", "--no-follow"}, {.AcceptNoFollow = true}).NoFollow);
    EXPECT_EQ(ParseCommandLine({"brelvon-report", "--no-follow"}, {true, true}).Error, "unknown option --no-follow");
}

TEST(CommandLine, DrivesWithoutAFileIsAnError)
{
    EXPECT_EQ(ParseCommandLine({"brelvon", "-Cd1", "--drives"}, {}).Error, "--drives needs a file name");
    EXPECT_EQ(ParseCommandLine({"brelvon", "--drives=x.json"}, {}).DrivesFile, "x.json");
}

TEST(CommandLine, ExeNameDropsFolderAndExtension)
{
    for (const auto& [path, name] :
         {std::pair{"/opt/Brelvon-Rd1-UGb", "Brelvon-Rd1-UGb"}, std::pair{"Brelvon.exe", "Brelvon"},
          std::pair{"C:\\Tools\\Brelvon-LFr.exe", "Brelvon-LFr"}, std::pair{"./.hidden", ".hidden"},
          std::pair{"dir.d/brelvon", "brelvon"}}) {
        EXPECT_EQ(ExeNameOf(path), name) << path;
    }
}

// The terminal's usage and the dialog's say the same: every option of the
// dialog (a line "OPTION<TAB>MEANING") stands in the terminal's text at the
// start of a line, followed by the start of its meaning; no terminal line is
// wider than 78 characters.
TEST(WindowUsage, TerminalAndDialogTextsListTheSameOptions)
{
    const std::string terminal = WindowUsage();
    std::istringstream terminalLines(terminal);
    for (std::string line; std::getline(terminalLines, line);) EXPECT_LE(line.size(), 78U) << line;

    std::istringstream dialogLines(WindowUsageForDialog());
    int options = 0;
    for (std::string line; std::getline(dialogLines, line);) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        ++options;
        const std::string option = line.substr(0, tab);
        const std::string meaningStart = line.substr(tab + 1, line.find(' ', tab) - tab - 1);
        const std::size_t at = terminal.find("\n  " + option + "  ");
        ASSERT_NE(at, std::string::npos) << option;
        EXPECT_NE(terminal.find(meaningStart, at), std::string::npos) << option;
    }
    EXPECT_EQ(options, 11);
}

}  // namespace
}  // namespace brelvon
