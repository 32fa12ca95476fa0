#include "os/linux/LabelText.h"

#include "text/TextCleaning.h"

namespace brelvon {

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::string DecodeUdevEscapes(std::string_view encoded)
{
    std::string decoded;
    decoded.reserve(encoded.size());
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '\\' && i + 3 < encoded.size() && encoded[i + 1] == 'x') {
            const int high = HexValue(encoded[i + 2]);
            const int low = HexValue(encoded[i + 3]);
            if (high >= 0 && low >= 0) {
                decoded.push_back(static_cast<char>(high * 16 + low));
                i += 3;
                continue;
            }
        }
        decoded.push_back(encoded[i]);
    }
    return decoded;
}

std::string VolumeNameOf(const std::optional<std::string>& label, const std::string& mountPoint)
{
    return CleanLabel(label && !label->empty() ? *label : mountPoint);
}

}  // namespace brelvon
