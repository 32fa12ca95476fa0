#include "os/linux/MountInfoParser.h"

#include <charconv>
#include <vector>

namespace brelvon {

namespace {

bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

std::vector<std::string_view> SplitOnSpaces(std::string_view line)
{
    std::vector<std::string_view> fields;
    // Ten fields and one or two optional ones make a usual line.
    fields.reserve(12);
    std::size_t start = 0;
    while (true) {
        const std::size_t space = line.find(' ', start);
        if (space == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, space - start));
        start = space + 1;
    }
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text)
{
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<DeviceNumber> ParseDeviceNumber(std::string_view text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const auto major = ParseNumber<unsigned>(text.substr(0, colon));
    const auto minor = ParseNumber<unsigned>(text.substr(colon + 1));
    if (!major || !minor) {
        return std::nullopt;
    }
    return DeviceNumber{*major, *minor};
}

}  // namespace

std::string DecodeMountInfoEscapes(std::string_view field)
{
    std::size_t i = field.find('\\');
    if (i == std::string_view::npos) {
        return std::string(field);  // the usual field: nothing to decode
    }
    std::string decoded;
    decoded.reserve(field.size());
    decoded.append(field.substr(0, i));
    for (; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && IsOctalDigit(field[i + 1]) && IsOctalDigit(field[i + 2]) &&
            IsOctalDigit(field[i + 3])) {
            const int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            if (value <= 0xff) {
                decoded.push_back(static_cast<char>(value));
                i += 3;
                continue;
            }
        }
        decoded.push_back(field[i]);
    }
    return decoded;
}

std::optional<MountEntry> ParseMountInfoLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const std::vector<std::string_view> fields = SplitOnSpaces(line);
    // Six fixed fields, the separator, and three after it.
    if (fields.size() < 10) {
        return std::nullopt;
    }
    std::size_t separator = 6;
    while (separator < fields.size() && fields[separator] != "-") {
        ++separator;
    }
    if (separator + 4 > fields.size()) {
        return std::nullopt;
    }

    const auto id = ParseNumber<unsigned>(fields[0]);
    const auto parentId = ParseNumber<unsigned>(fields[1]);
    const auto device = ParseDeviceNumber(fields[2]);
    if (!id || !parentId || !device || fields[3].empty() || fields[4].empty() || fields[separator + 1].empty()) {
        return std::nullopt;
    }

    MountEntry entry;
    entry.Id = *id;
    entry.ParentId = *parentId;
    entry.Device = *device;
    entry.Root = DecodeMountInfoEscapes(fields[3]);
    entry.MountPoint = DecodeMountInfoEscapes(fields[4]);
    entry.MountOptions = std::string(fields[5]);
    for (std::size_t i = 6; i < separator; ++i) {
        if (fields[i].empty()) {
            return std::nullopt;
        }
        entry.OptionalFields.emplace_back(fields[i]);
    }
    entry.FileSystem = std::string(fields[separator + 1]);
    entry.Source = DecodeMountInfoEscapes(fields[separator + 2]);
    // The rest of the line, raw spaces and all: kernels before 4.3 wrote
    // CIFS's unc= option unescaped.
    const std::string_view superOptions = fields[separator + 3];
    entry.SuperOptions = std::string(line.substr(static_cast<std::size_t>(superOptions.data() - line.data())));
    return entry;
}

MountInfo ParseMountInfo(std::string_view text)
{
    MountInfo info;
    // The kernel's lines are rarely shorter than 64 bytes: room for every
    // entry, so that they are not moved as the vector grows.
    info.Entries.reserve(text.size() / 64 + 1);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line != "\r") {
            if (auto entry = ParseMountInfoLine(line)) {
                info.Entries.push_back(std::move(*entry));
            } else {
                ++info.SkippedLines;
            }
        }
        start = end + 1;
    }
    return info;
}

}  // namespace brelvon
