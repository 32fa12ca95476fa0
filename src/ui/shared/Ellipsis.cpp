#include "ui/shared/Ellipsis.h"

#include <algorithm>
#include <vector>

namespace brelvon {

namespace {

// Byte offsets where the characters of UTF-8 text start, and its end.
std::vector<std::size_t> CharacterStarts(std::string_view text)
{
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    }
    starts.push_back(text.size());
    return starts;
}

// The most characters of `body` (0 to its length) that `fitsWith(head)`
// accepts as the head; fitting shrinks as the head grows.
std::size_t LongestHead(std::string_view body, const std::function<bool(std::string_view head)>& fitsWith)
{
    const std::vector<std::size_t> starts = CharacterStarts(body);
    std::size_t low = 0;  // a head of `low` characters fits (or is empty)
    std::size_t high = starts.size() - 1;
    while (low < high) {
        const std::size_t middle = (low + high + 1) / 2;
        if (fitsWith(body.substr(0, starts[middle]))) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return starts[low];
}

}  // namespace

bool LooksLikePath(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first != std::string_view::npos && (text[first] == '/' || text[first] == '\\');
}

std::string ElideToFit(const std::string& text, const std::function<bool(const std::string&)>& fits)
{
    if (fits(text)) return text;
    const std::size_t bodyStart = std::min(text.find_first_not_of(' '), text.size());
    const std::string lead = text.substr(0, bodyStart);
    const std::string_view body = std::string_view(text).substr(bodyStart);

    if (LooksLikePath(body)) {
        const std::size_t lastPart = body.find_last_of("/\\");
        if (lastPart > 0 && lastPart + 1 < body.size()) {
            const std::string_view tail = body.substr(lastPart);
            const auto withHead = [&](std::string_view head) {
                return fits(lead + std::string(head) + std::string(EllipsisMark) + std::string(tail));
            };
            const std::size_t head = LongestHead(body.substr(0, lastPart), withHead);
            if (head > 0)
                return lead + std::string(body.substr(0, head)) + std::string(EllipsisMark) + std::string(tail);
        }
    }
    const std::size_t head = LongestHead(
        body, [&](std::string_view part) { return fits(lead + std::string(part) + std::string(EllipsisMark)); });
    return lead + std::string(body.substr(0, head)) + std::string(EllipsisMark);
}

std::string WholeOfShownRange(std::string_view whole, std::string_view shown, std::size_t start, std::size_t end)
{
    end = std::min(end, shown.size());
    start = std::min(start, end);
    // shown = whole[0, cut) + ellipsis + whole[rest, whole.size()); the first
    // ellipsis at which shown splits so is the one ElideToFit put there.
    for (std::size_t cut = shown.find(EllipsisMark); cut != std::string_view::npos && shown != whole;
         cut = shown.find(EllipsisMark, cut + 1)) {
        const std::string_view head = shown.substr(0, cut);
        const std::string_view tail = shown.substr(cut + EllipsisMark.size());
        if (head.size() + tail.size() > whole.size() || !whole.starts_with(head) || !whole.ends_with(tail)) continue;
        const std::size_t rest = whole.size() - tail.size();
        const std::size_t after = cut + EllipsisMark.size();
        // An offset inside the ellipsis's bytes counts as its edge that widens the range.
        const std::size_t from = start <= cut ? start : start < after ? rest : start - after + rest;
        const std::size_t to = end <= cut ? end : end < after ? cut : end - after + rest;
        return to > from ? std::string(whole.substr(from, to - from)) : std::string();
    }
    return std::string(shown.substr(start, end - start));
}

std::string WholeOfShownSelection(std::string_view whole, std::string_view shown, std::size_t start, std::size_t end)
{
    // The byte offset in UTF-8 `shown` of a UTF-16 position: a character of
    // four bytes is two UTF-16 units, any other one.
    const auto bytes = [shown](std::size_t units) {
        std::size_t offset = 0;
        while (offset < shown.size() && units > 0) {
            const auto lead = static_cast<unsigned char>(shown[offset]);
            const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            units -= std::min<std::size_t>(units, lead >= 0xF0 ? 2 : 1);
            offset = std::min(shown.size(), offset + length);
        }
        return offset;
    };
    return WholeOfShownRange(whole, shown, bytes(start), bytes(end));
}

std::string CopiedCell(std::string_view whole, std::string_view shown, std::size_t start, std::size_t end)
{
    const std::string copied = start == end ? std::string(whole) : WholeOfShownSelection(whole, shown, start, end);
    const std::size_t first = copied.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return copied.substr(first, copied.find_last_not_of(' ') - first + 1);
}

}  // namespace brelvon
