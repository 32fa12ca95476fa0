#include "drives/DriveFile.h"

#include "text/TextCleaning.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>

namespace brelvon {

namespace {

using nlohmann::json;

constexpr std::array<std::string_view, 6> TypeNames{"unknown", "removable", "fixed", "network", "cdrom", "ramdisk"};

[[noreturn]] void Fail(const std::string& where, const std::string& problem)
{
    throw DriveFileError(where + ": " + problem);
}

// The parser's own words are never longer than this, a quoted piece of text included.
constexpr std::size_t LongestParseMessage = 200;

// A bad value as a message quotes it: its JSON, short and on one line.
std::string Quoted(const json& value) { return QuoteForMessage(value.dump(), QuotedValueCharacters); }

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

DriveType ReadType(const json& value, const std::string& where)
{
    if (value.is_number_integer()) {
        const auto code = value.get<long long>();
        if (code < 0 || code > 5) Fail(where, "\"type\" must be a code from 0 to 5, not " + Quoted(value));
        return static_cast<DriveType>(code);
    }
    if (value.is_string()) {
        std::string name = Lower(value.get<std::string>());
        name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
        for (std::size_t code = 0; code < TypeNames.size(); ++code) {
            if (name == TypeNames[code]) return static_cast<DriveType>(code);
        }
    }
    Fail(where, "\"type\" must be one of unknown, removable, fixed, network, cdrom, ramdisk or a code 0 to 5, not " +
                    Quoted(value));
}

std::uint64_t ReadBytes(const json& drive, const char* key, const std::string& where)
{
    const auto found = drive.find(key);
    if (found == drive.end()) Fail(where, std::string("\"") + key + "\" is missing");
    if (!found->is_number_unsigned() && !(found->is_number_integer() && found->get<long long>() >= 0)) {
        Fail(where, std::string("\"") + key + "\" must be a whole number of bytes, not " + Quoted(*found));
    }
    return found->get<std::uint64_t>();
}

std::string ReadText(const json& drive, const char* key, const std::string& where)
{
    const auto found = drive.find(key);
    if (found == drive.end() || found->is_null()) return {};
    if (!found->is_string()) Fail(where, std::string("\"") + key + "\" must be text, not " + Quoted(*found));
    return found->get<std::string>();
}

// "no-medium" and "no-answer" name those reasons; any other text is the
// system's own words for why the drive is not ready.
NotReadyReason ReadReason(const json& drive, const std::string& where)
{
    const std::string text = ReadText(drive, "reason", where);
    if (text == "no-medium") return {NotReadyReason::Kind::NoMedium, {}};
    if (text == "no-answer") return {NotReadyReason::Kind::NoAnswer, {}};
    return {NotReadyReason::Kind::SystemError, CleanLabel(text)};
}

// The parser's message without its code and position ("[json.exception...]
// parse error at line 1, column 8: syntax error while parsing value - "),
// which the caller words itself. The text it quotes ("last read: '…'" before
// an optional "; expected string literal", "number overflow parsing '…'") may
// be the rest of the file: it is cut short, and so is the whole.
std::string PlainParseMessage(const std::string& message)
{
    std::string plain = message;
    if (const auto code = plain.find("] "); plain.rfind("[json.exception.", 0) == 0 && code != std::string::npos) {
        plain.erase(0, code + 2);
    }
    if (const auto place = plain.find(": "); plain.rfind("parse error", 0) == 0 && place != std::string::npos) {
        plain.erase(0, place + 2);
    }
    if (const auto dash = plain.find(" - "); plain.rfind("syntax error", 0) == 0 && dash != std::string::npos) {
        plain.erase(0, dash + 3);
    }
    for (const std::string_view opening : {"last read: '", "parsing '"}) {
        const auto quote = plain.find(opening);
        if (quote == std::string::npos) continue;
        const std::size_t from = quote + opening.size();
        // What follows the quoted text: the end, or what the parser expected
        // instead (a short name such as "'[', '{', or a literal").
        constexpr std::size_t LongestExpected = 40;
        std::size_t to = plain.rfind("'; expected ");
        if (to == std::string::npos || to < from || plain.size() - to > LongestExpected) {
            to = plain.back() == '\'' ? plain.size() - 1 : plain.size();
        }
        plain = plain.substr(0, from) + QuoteForMessage(plain.substr(from, to - from), QuotedValueCharacters) +
                plain.substr(to);
        break;
    }
    return QuoteForMessage(plain, LongestParseMessage);
}

// Line and column (both from 1) of the byte at `offset` (from 1) of `text`.
std::pair<std::size_t, std::size_t> LineAndColumn(std::string_view text, std::size_t offset)
{
    const std::string_view before = text.substr(0, offset > 0 ? std::min(offset - 1, text.size()) : 0);
    const std::size_t line = static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
    const std::size_t lineStart = before.rfind('\n');
    const std::size_t column = lineStart == std::string_view::npos ? before.size() + 1 : before.size() - lineStart;
    return {line, column};
}

std::string Where(std::string_view text, std::size_t offset)
{
    const auto [line, column] = LineAndColumn(text, offset);
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The offset (from 1) of the first '[' or '{' outside strings that opens a
// level deeper than MaxDriveFileDepth; 0 when there is none. Looked for before
// the parser builds a value, and without recursion, so that no depth of input
// can exhaust the stack or the memory. What is not JSON is left to the parser.
std::size_t TooDeep(std::string_view text)
{
    std::size_t depth = 0;
    bool inString = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (inString) {
            if (c == '\\') {
                ++at;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > MaxDriveFileDepth) return at + 1;
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return 0;
}

// The text of a drive file as UTF-8: UTF-16 of either byte order after its
// byte-order mark, UTF-8 after its own or without one; bytes that are not
// UTF-8 become U+FFFD (outside strings they remain a syntax error).
std::string DecodedText(std::string_view bytes)
{
    if (bytes.substr(0, 2) == "\xFF\xFE") return Utf8FromUtf16(bytes.substr(2), /*bigEndian=*/false);
    if (bytes.substr(0, 2) == "\xFE\xFF") return Utf8FromUtf16(bytes.substr(2), /*bigEndian=*/true);
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return ReplaceInvalidUtf8(bytes);
}

DriveRecord ReadDrive(const json& drive, const std::string& where)
{
    if (!drive.is_object()) Fail(where, "must be an object");
    DriveRecord record;

    const auto letter = drive.find("letter");
    if (letter == drive.end()) Fail(where, "\"letter\" is missing");
    const std::string letterText = letter->is_string() ? letter->get<std::string>() : std::string();
    if (letterText.size() != 1 || !std::isalpha(static_cast<unsigned char>(letterText[0]))) {
        Fail(where, "\"letter\" must be one letter A to Z, not " + Quoted(*letter));
    }
    record.Letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letterText[0])));

    const auto type = drive.find("type");
    if (type == drive.end()) Fail(where, "\"type\" is missing");
    record.Type = ReadType(*type, where);

    if (const auto ready = drive.find("ready"); ready != drive.end()) {
        if (!ready->is_boolean()) Fail(where, "\"ready\" must be true or false, not " + Quoted(*ready));
        record.Ready = ready->get<bool>();
    }
    record.Label = CleanLabel(ReadText(drive, "label", where));
    record.Details.MountPoint = ReadText(drive, "mount", where);
    record.Details.Device = ReadText(drive, "device", where);
    record.Details.FileSystem = ReadText(drive, "fs", where);
    if (!record.Ready && drive.contains("reason")) record.Reason = ReadReason(drive, where);
    if (record.Ready) {
        record.TotalBytes = ReadBytes(drive, "total", where);
        record.FreeBytes = ReadBytes(drive, "free", where);
        if (record.FreeBytes > record.TotalBytes) Fail(where, "\"free\" is larger than \"total\"");
        if (drive.contains("available")) {
            record.Details.AvailableBytes = ReadBytes(drive, "available", where);
            if (*record.Details.AvailableBytes > record.FreeBytes) Fail(where, "\"available\" is larger than \"free\"");
        }
    }
    return record;
}

}  // namespace

std::vector<DriveRecord> ParseDriveFile(std::string_view text, const std::string& fileName)
{
    const std::string name = QuoteForMessage(fileName);
    const std::string wellFormed = DecodedText(text);
    if (const std::size_t deep = TooDeep(wellFormed)) {
        Fail(name, "nested deeper than " + std::to_string(MaxDriveFileDepth) + " levels at " + Where(wellFormed, deep));
    }
    json document;
    try {
        document = json::parse(wellFormed);
    } catch (const json::parse_error& error) {
        Fail(name, "not valid JSON at " + Where(wellFormed, error.byte) + ": " + PlainParseMessage(error.what()));
    } catch (const json::exception& error) {  // a number beyond a double (out_of_range)
        Fail(name, "not valid JSON: " + PlainParseMessage(error.what()));
    }
    if (!document.is_object() || !document.contains("drives") || !document["drives"].is_array()) {
        Fail(name, "expected an object with a \"drives\" array");
    }
    std::vector<DriveRecord> records;
    const auto& drives = document["drives"];
    for (std::size_t i = 0; i < drives.size(); ++i) {
        const std::string where = name + ": drive " + std::to_string(i + 1);
        DriveRecord record = ReadDrive(drives[i], where);
        for (const auto& earlier : records) {
            if (earlier.Letter == record.Letter) {
                throw DriveFileError(where + ": letter " + std::string(1, record.Letter) + " is listed twice");
            }
        }
        records.push_back(std::move(record));
    }
    std::stable_sort(records.begin(), records.end(),
                     [](const DriveRecord& a, const DriveRecord& b) { return a.Letter < b.Letter; });
    return records;
}

void CheckDriveFileKind(const std::string& path, const DriveFileKind& kind)
{
    if (kind.Directory) Fail(QuoteForMessage(path), "is a directory");
    if (!kind.Regular) Fail(QuoteForMessage(path), "not a regular file");
    if (kind.Bytes > MaxDriveFileBytes) {
        Fail(QuoteForMessage(path), "too large for a drive file: " + std::to_string(kind.Bytes) + " bytes, at most " +
                                        std::to_string(MaxDriveFileBytes));
    }
}

}  // namespace brelvon
