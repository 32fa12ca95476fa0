#include "text/TextCleaning.h"

#include <gtest/gtest.h>

namespace brelvon {
namespace {

constexpr const char* Fffd = "\xEF\xBF\xBD";

struct CleaningCase {
    const char* Name;
    std::string Input;
    std::string Utf8;   // ReplaceInvalidUtf8
    std::string Label;  // CleanLabel
};

void PrintTo(const CleaningCase& c, std::ostream* out) { *out << c.Name; }

class CleansText : public testing::TestWithParam<CleaningCase> {};

TEST_P(CleansText, ToWellFormedUtf8) { EXPECT_EQ(ReplaceInvalidUtf8(GetParam().Input), GetParam().Utf8); }

TEST_P(CleansText, ToALabelThatKeepsItsLine) { EXPECT_EQ(CleanLabel(GetParam().Input), GetParam().Label); }

const std::string F = Fffd;

// Ill-formed parts are replaced one U+FFFD each, as the Unicode standard's
// "maximal subpart" practice says (its table 3-8 example among them).
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    TextCleaning, CleansText,
    testing::Values(
        CleaningCase{"Plain", "SYSTEM", "SYSTEM", "SYSTEM"},
        CleaningCase{"Empty", "", "", ""},
        CleaningCase{"WellFormedMultiByteStays", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF",
                     "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF",
                     "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF"},
        CleaningCase{"C0ControlsAndDelBecomeSpaces", std::string("a\tb\nc\rd\x1b[0m\x7f" "e\0f", 15),
                     std::string("a\tb\nc\rd\x1b[0m\x7f" "e\0f", 15), "a b c d [0m e f"},
        CleaningCase{"C1ControlsBecomeSpaces", "a\xC2\x85" "b\xC2\x9B" "c\xC2\xA0" "d", "a\xC2\x85" "b\xC2\x9B" "c\xC2\xA0" "d",
                     "a b c\xC2\xA0" "d"},
        CleaningCase{"LineAndParagraphSeparatorsBecomeSpaces", "a\xE2\x80\xA8" "b\xE2\x80\xA9" "c",
                     "a\xE2\x80\xA8" "b\xE2\x80\xA9" "c", "a b c"},
        CleaningCase{"StrayBytes", "\xFF" "a\x80" "b\xFE", F + "a" + F + "b" + F, F + "a" + F + "b" + F},
        CleaningCase{"LatinOneText", "caf\xE9", "caf" + F, "caf" + F},
        CleaningCase{"TruncatedAtTheEnd", "ab\xE2\x82", "ab" + F, "ab" + F},
        CleaningCase{"TruncatedBeforeAnAsciiByte", "\xF0\x9F\x98\"", F + "\"", F + "\""},
        CleaningCase{"OverlongForms", "\xC0\xAF\xE0\x80\xAF", F + F + F + F + F, F + F + F + F + F},
        CleaningCase{"Surrogate", "\xED\xA0\x80", F + F + F, F + F + F},
        CleaningCase{"BeyondTheLastCodePoint", "\xF4\x90\x80\x80", F + F + F + F, F + F + F + F},
        CleaningCase{"UnicodeTableExample", "\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64",
                     "a" + F + F + F + "b" + F + "c" + F + F + "d", "a" + F + F + F + "b" + F + "c" + F + F + "d"}),
    [](const testing::TestParamInfo<CleaningCase>& info) { return std::string(info.param.Name); });
// clang-format on

}  // namespace
}  // namespace brelvon
