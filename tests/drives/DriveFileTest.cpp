#include "drives/DriveFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace brelvon {
namespace {

std::string Repeated(const std::string& piece, std::size_t times)
{
    std::string text;
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

const std::string Long = Repeated("C", 2'000'000);

TEST(DriveFile, ReadsEveryFieldAndSortsByLetter)
{
    const auto records = ParseDriveFile(R"({"drives": [
        {"letter": "e", "type": 4, "ready": false, "reason": "Input/output error"},
        {"letter": "C", "type": "Fixed", "label": "SYSTEM", "total": 250056704000, "free": 100204544000,
         "mount": "/", "device": "/dev/sda2", "fs": "ext4", "available": 90000000000},
        {"letter": "D", "type": "ram-disk", "total": 0, "free": 0}]})",
                                        "d.json");
    ASSERT_EQ(records.size(), 3U);
    EXPECT_EQ(records[0].Letter, 'C');
    EXPECT_EQ(records[0].Type, DriveType::Fixed);
    EXPECT_TRUE(records[0].Ready);
    EXPECT_EQ(records[0].Label, "SYSTEM");
    EXPECT_EQ(records[0].TotalBytes, 250056704000U);
    EXPECT_EQ(records[0].FreeBytes, 100204544000U);
    EXPECT_EQ(records[0].Details.MountPoint, "/");
    EXPECT_EQ(records[0].Details.Device, "/dev/sda2");
    EXPECT_EQ(records[0].Details.FileSystem, "ext4");
    EXPECT_EQ(records[0].Details.AvailableBytes, 90000000000U);
    EXPECT_EQ(records[1].Type, DriveType::RamDisk);
    EXPECT_EQ(records[2].Letter, 'E');
    EXPECT_EQ(records[2].Type, DriveType::CdRom);
    EXPECT_FALSE(records[2].Ready);
    EXPECT_EQ(records[2].Reason, (NotReadyReason{NotReadyReason::Kind::SystemError, "Input/output error"}));
    EXPECT_EQ(records[1].Reason, std::nullopt);
}

struct BadFile {
    const char* Name;
    std::string Text;
    std::string Message;
};

void PrintTo(const BadFile& c, std::ostream* os) { *os << c.Name; }

class MalformedDriveFile : public testing::TestWithParam<BadFile> {};

TEST_P(MalformedDriveFile, GivesOneLineNamingFileAndProblem)
{
    try {
        (void)ParseDriveFile(GetParam().Text, "d.json");
        FAIL() << "accepted";
    } catch (const DriveFileError& error) {
        const std::string what = error.what();
        EXPECT_EQ(what.rfind("d.json: " + GetParam().Message, 0), 0U) << what;
        // One short line, however long the bad value: nothing below a space.
        EXPECT_LE(what.size(), 240U) << what;
        EXPECT_TRUE(std::none_of(what.begin(), what.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
            << what;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    DriveFile, MalformedDriveFile,
    testing::Values(BadFile{"NotJson", "{drives", "not valid JSON at line 1, column 2: invalid literal"},
                    BadFile{"CutShortOnLineThree", "{\n  \"drives\": [\n  ", "not valid JSON at line 3, column 3: unexpected end of input"},
                    BadFile{"ReasonNotText", R"({"drives": [{"letter": "E", "type": 4, "ready": false, "reason": 5}]})", "drive 1: \"reason\" must be text"},
                    BadFile{"NoDrivesArray", R"({"disks": []})", "expected an object with a \"drives\" array"},
                    BadFile{"TopLevelArray", R"([])", "expected an object"},
                    BadFile{"DriveNotObject", R"({"drives": [3]})", "drive 1: must be an object"},
                    BadFile{"NoLetter", R"({"drives": [{"type": 2}]})", "drive 1: \"letter\" is missing"},
                    BadFile{"TwoLetters", R"({"drives": [{"letter": "CD", "type": 2}]})", "drive 1: \"letter\" must be one letter"},
                    BadFile{"DigitLetter", R"({"drives": [{"letter": "1", "type": 2}]})", "drive 1: \"letter\" must be one letter"},
                    BadFile{"SameLetterTwice", R"({"drives": [{"letter": "C", "type": 2, "ready": false}, {"letter": "c", "type": 2, "ready": false}]})", "drive 2: letter C is listed twice"},
                    BadFile{"TypeOutOfRange", R"({"drives": [{"letter": "C", "type": 6}]})", "drive 1: \"type\" must be a code from 0 to 5"},
                    BadFile{"UnknownTypeName", R"({"drives": [{"letter": "C", "type": "floppy"}]})", "drive 1: \"type\" must be one of"},
                    BadFile{"ReadyNotBoolean", R"({"drives": [{"letter": "C", "type": 2, "ready": 1}]})", "drive 1: \"ready\" must be true or false"},
                    BadFile{"ReadyWithoutTotal", R"({"drives": [{"letter": "C", "type": 2, "free": 1}]})", "drive 1: \"total\" is missing"},
                    BadFile{"NegativeSize", R"({"drives": [{"letter": "C", "type": 2, "total": -1, "free": 0}]})", "drive 1: \"total\" must be a whole number"},
                    BadFile{"FractionalSize", R"({"drives": [{"letter": "C", "type": 2, "total": 1.5, "free": 0}]})", "drive 1: \"total\" must be a whole number"},
                    BadFile{"FreeAboveTotal", R"({"drives": [{"letter": "C", "type": 2, "total": 1, "free": 2}]})", "drive 1: \"free\" is larger than \"total\""},
                    BadFile{"LabelNotText", R"({"drives": [{"letter": "C", "type": 2, "total": 1, "free": 0, "label": 7}]})", "drive 1: \"label\" must be text"},
                    // Deep nesting is refused before the parser builds a value, at the first level too deep.
                    BadFile{"NestedDeepInALetter", "{\"drives\": [{\"letter\": " + Repeated("[", 200'000) + Repeated("]", 200'000) + "}]}", "nested deeper than 8 levels at line 1, column 29"},
                    BadFile{"NestedDeepAndCutShort", "{\"drives\":\n[" + Repeated("{\"a\":", 100'000), "nested deeper than 8 levels at line 2, column 32"},
                    BadFile{"BracketsInsideTextAreNotLevels", "{\"drives\": [{\"letter\": \"" + Repeated("[{\\\"", 20) + "\", \"type\": 2}]}", "drive 1: \"letter\" must be one letter A to Z, not \"" + Repeated("[{\\\"", 9) + "[{\u2026"},
                    // A bad value is quoted short, its control characters escaped.
                    BadFile{"LongLetter", "{\"drives\": [{\"letter\": \"" + Long + "\", \"type\": 2}]}", "drive 1: \"letter\" must be one letter A to Z, not \"" + Long.substr(0, 38) + "\u2026"},
                    BadFile{"EscapesInALetter", R"({"drives": [{"letter": "\u001b[2J\nx\u0085", "type": 2}]})", "drive 1: \"letter\" must be one letter A to Z, not \"\\u001b[2J\\nx\\u0085\""},
                    BadFile{"LongTextWithALineBreak", "{\"drives\": [{\"letter\": \"C\", \"label\": \"" + Long + "\n", "not valid JSON at line 1, column 2000039: invalid string: control character U+000A (LF) must be escaped to \\u000A or \\n; last read: '\"" + Long.substr(0, 38) + "\u2026'"},
                    BadFile{"LongNumber", "{\"drives\": [{\"letter\": \"C\", \"type\": 2, \"total\": 1" + Repeated("0", 400) + "}]}", "not valid JSON: number overflow parsing '1" + Repeated("0", 38) + "\u2026'"}),
    [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.Name); });
// clang-format on

// What Notepad and PowerShell write: UTF-16 of either byte order, and UTF-8,
// each after its byte-order mark.
std::string Utf16Bytes(std::u16string_view text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(DriveFile, ReadsUtf16AndUtf8WithAByteOrderMarkAsTheSameDrives)
{
    constexpr std::u16string_view Utf16 = u"{\"drives\": [{\"letter\": \"C\", \"type\": 2, \"ready\": false, \"label\": \"Données ✓ 𝄞\"}]}";
    const std::string utf8 = "{\"drives\": [{\"letter\": \"C\", \"type\": 2, \"ready\": false, \"label\": \"Données ✓ 𝄞\"}]}";
    for (const std::string& bytes : {"\xEF\xBB\xBF" + utf8, Utf16Bytes(Utf16, false), Utf16Bytes(Utf16, true)}) {
        const auto records = ParseDriveFile(bytes, "d.json");
        ASSERT_EQ(records.size(), 1U);
        EXPECT_EQ(records[0].Label, "Données ✓ 𝄞");
    }
}

}  // namespace
}  // namespace brelvon
