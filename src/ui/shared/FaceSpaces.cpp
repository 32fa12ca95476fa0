#include "ui/shared/FaceSpaces.h"

#include <array>
#include <string_view>

namespace brelvon {

namespace {

struct NarrowSpace {
    char32_t CodePoint;
    std::string_view Utf8;
};

constexpr std::array<NarrowSpace, 5> NarrowSpaces{{
    {U'\u202F', "\u202F"},
    {U'\u2009', "\u2009"},
    {U'\u200A', "\u200A"},
    {U'\u2008', "\u2008"},
    {U'\u2007', "\u2007"},
}};

}  // namespace

std::string WithSpacesTheFaceHas(const std::string& text, const std::function<bool(char32_t)>& faceHas)
{
    std::string shown = text;
    for (const NarrowSpace& space : NarrowSpaces) {
        if (shown.find(space.Utf8) == std::string::npos || faceHas(space.CodePoint)) continue;
        const std::string_view stand = faceHas(U'\u00A0') ? std::string_view("\u00A0") : std::string_view(" ");
        for (auto at = shown.find(space.Utf8); at != std::string::npos;
             at = shown.find(space.Utf8, at + stand.size())) {
            shown.replace(at, space.Utf8.size(), stand);
        }
    }
    return shown;
}

}  // namespace brelvon
