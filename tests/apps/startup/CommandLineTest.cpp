#include "startup/CommandLine.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace brelvon
