#include "text/TextCleaning.h"

#include <cstdint>
#include <cstdio>

namespace brelvon {

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";

// One step through UTF-8 text: a well-formed character (Length bytes, its code
// point in CodePoint), or an ill-formed part of Length bytes (CodePoint unset).
struct Utf8Step {
    std::size_t Length = 1;
    bool WellFormed = false;
    std::uint32_t CodePoint = 0;
};

// Reads at `at`. The accepted second bytes follow table 3-7 of the Unicode
// standard, which rules out overlong forms, surrogates and values above
// U+10FFFF; an ill-formed part is the longest prefix of a well-formed sequence
// found there, and at least one byte.
Utf8Step Step(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return {1, true, lead};

    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    std::uint32_t codePoint = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {};  // a continuation byte, C0, C1 or F5 to FF: never a lead
    }

    for (std::size_t i = 1; i < length; ++i) {
        if (at + i >= text.size()) return {i};
        const unsigned char next = byte(at + i);
        if (next < low || next > high) return {i};
        codePoint = (codePoint << 6) | (next & 0x3Fu);
        low = 0x80;
        high = 0xBF;
    }
    return {length, true, codePoint};
}

bool IsControlOrLineBreak(std::uint32_t codePoint)
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F) || codePoint == 0x2028 || codePoint == 0x2029;
}

}  // namespace

std::string ReplaceInvalidUtf8(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Step step = Step(text, at);
        if (step.WellFormed) {
            result.append(text.substr(at, step.Length));
        } else {
            result.append(ReplacementCharacter);
        }
        at += step.Length;
    }
    return result;
}

std::string CleanLabel(std::string_view label)
{
    std::string result;
    result.reserve(label.size());
    for (std::size_t at = 0; at < label.size();) {
        const Utf8Step step = Step(label, at);
        if (!step.WellFormed) {
            result.append(ReplacementCharacter);
        } else if (IsControlOrLineBreak(step.CodePoint)) {
            result.push_back(' ');
        } else {
            result.append(label.substr(at, step.Length));
        }
        at += step.Length;
    }
    return result;
}

namespace {

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

}  // namespace

std::size_t Utf8Length(std::string_view text)
{
    std::size_t characters = 0;
    for (const char byte : text) {
        if (StartsCharacter(byte)) ++characters;
    }
    return characters;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t characters)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (StartsCharacter(text[i]) && seen++ == characters) return text.substr(0, i);
    }
    return text;
}

namespace {

void AppendUtf8(std::string& text, std::uint32_t codePoint)
{
    const auto byte = [&text](std::uint32_t value) { text.push_back(static_cast<char>(value)); };
    if (codePoint < 0x80) {
        byte(codePoint);
    } else if (codePoint < 0x800) {
        byte(0xC0 | (codePoint >> 6));
        byte(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        byte(0xE0 | (codePoint >> 12));
        byte(0x80 | ((codePoint >> 6) & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    } else {
        byte(0xF0 | (codePoint >> 18));
        byte(0x80 | ((codePoint >> 12) & 0x3F));
        byte(0x80 | ((codePoint >> 6) & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    }
}

std::string Escape(std::uint32_t codePoint)
{
    switch (codePoint) {
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    default: break;
    }
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(codePoint));
    return escape;
}

}  // namespace

std::string QuoteForMessage(std::string_view text, std::size_t characters)
{
    std::string result;
    std::size_t written = 0;  // characters of result
    // Escaping stops as soon as the result is known to be cut, so that a huge
    // text costs no more than a short one.
    for (std::size_t at = 0; at < text.size() && written <= characters;) {
        const Utf8Step step = Step(text, at);
        if (!step.WellFormed) {
            result.append(ReplacementCharacter);
            ++written;
        } else if (IsControlOrLineBreak(step.CodePoint)) {
            const std::string escape = Escape(step.CodePoint);
            result.append(escape);
            written += escape.size();
        } else {
            result.append(text.substr(at, step.Length));
            ++written;
        }
        at += step.Length;
    }
    if (written <= characters) return result;
    if (characters == 0) return {};
    return std::string(Utf8Prefix(result, characters - 1)) + "\xE2\x80\xA6";  // …
}

std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian)
{
    const auto unit = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<std::uint32_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    constexpr std::uint32_t Replacement = 0xFFFD;
    std::string result;
    result.reserve(bytes.size() / 2 * 3);
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const std::uint32_t value = unit(at);
        if (value >= 0xD800 && value <= 0xDBFF && at + 3 < bytes.size()) {
            const std::uint32_t low = unit(at + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(result, 0x10000 + ((value - 0xD800) << 10) + (low - 0xDC00));
                at += 2;
                continue;
            }
        }
        AppendUtf8(result, value >= 0xD800 && value <= 0xDFFF ? Replacement : value);
    }
    if (at < bytes.size()) AppendUtf8(result, Replacement);
    return result;
}

}  // namespace brelvon
