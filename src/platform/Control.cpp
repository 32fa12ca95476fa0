#include "platform/Control.h"

#include <charconv>

namespace brelvon {

std::string Control::FullName() const
{
    if (Index == 0) return Name;
    return Name + "(" + std::to_string(Index) + ")";
}

int Control::TagNumber() const
{
    int value = 0;
    std::from_chars(Tag.data(), Tag.data() + Tag.size(), value);
    return value;
}

}  // namespace brelvon
