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

struct QuoteCase {
    const char* Name;
    std::string Input;
    std::size_t Characters;
    std::string Quoted;
};

void PrintTo(const QuoteCase& c, std::ostream* out) { *out << c.Name; }

class QuotesText : public testing::TestWithParam<QuoteCase> {};

TEST_P(QuotesText, OnOneLineAndCutShort)
{
    EXPECT_EQ(QuoteForMessage(GetParam().Input, GetParam().Characters), GetParam().Quoted);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    TextCleaning, QuotesText,
    testing::Values(
        QuoteCase{"ShortTextStays", "C:\\", 5, "C:\\"},
        QuoteCase{"ControlsAndSeparatorsEscaped", std::string("a\nb\r\tc\x1b[0m\0\x7f\xC2\x85\xE2\x80\xA8", 17), 100,
                  "a\\nb\\r\\tc\\u001B[0m\\u0000\\u007F\\u0085\\u2028"},
        QuoteCase{"ExactlyAsLongStays", "abcde", 5, "abcde"},
        QuoteCase{"LongerIsCutWithAnEllipsis", "abcdef", 5, "abcd\u2026"},
        QuoteCase{"CutCountsCharactersNotBytes", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 5, "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\u2026"},
        QuoteCase{"EscapesCountTowardTheCut", "\n\n\n", 5, "\\n\\n\u2026"},
        QuoteCase{"IllFormedBytesReplaced", "a\xFF", 5, "a" + F}),
    [](const testing::TestParamInfo<QuoteCase>& info) { return std::string(info.param.Name); });
// clang-format on

struct Utf16Case {
    const char* Name;
    std::string Bytes;  // little-endian
    std::string Utf8;
};

void PrintTo(const Utf16Case& c, std::ostream* out) { *out << c.Name; }

class DecodesUtf16 : public testing::TestWithParam<Utf16Case> {};

TEST_P(DecodesUtf16, OfEitherByteOrder)
{
    std::string bigEndian = GetParam().Bytes;
    for (std::size_t i = 0; i + 1 < bigEndian.size(); i += 2) std::swap(bigEndian[i], bigEndian[i + 1]);
    EXPECT_EQ(Utf8FromUtf16(GetParam().Bytes, false), GetParam().Utf8);
    EXPECT_EQ(Utf8FromUtf16(bigEndian, true), GetParam().Utf8);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    TextCleaning, DecodesUtf16,
    testing::Values(
        Utf16Case{"EveryLength", std::string("A\0\xE9\0\x13\x27\x34\xD8\x1E\xDD", 10), "A\xC3\xA9\xE2\x9C\x93\xF0\x9D\x84\x9E"},
        Utf16Case{"NulStays", std::string("\0\0", 2), std::string("\0", 1)},
        Utf16Case{"UnpairedHighSurrogate", std::string("\x34\xD8" "A\0", 4), F + "A"},
        Utf16Case{"HighSurrogateAtTheEnd", "\x34\xD8", F},
        Utf16Case{"LoneLowSurrogate", std::string("\x1E\xDD" "A\0", 4), F + "A"},
        Utf16Case{"OddLastByte", std::string("A\0B", 3), "A" + F}),
    [](const testing::TestParamInfo<Utf16Case>& info) { return std::string(info.param.Name); });
// clang-format on

}  // namespace
}  // namespace brelvon
