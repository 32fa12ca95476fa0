#include "model/ControlArray.h"

#include "model/PlatformError.h"

#include <string>

namespace brelvon {

namespace {
constexpr int MaxIndex = 32767;
}

ControlArray::ControlArray(Control first)
{
    first.Index = 1;
    elements_.resize(2);
    elements_[1] = std::make_unique<Control>(std::move(first));
}

Control& ControlArray::operator()(int index)
{
    if (!Exists(index)) {
        throw PlatformError("Control array element does not exist: " + Name() + "(" + std::to_string(index) + ")");
    }
    return *elements_[static_cast<std::size_t>(index)];
}

const Control& ControlArray::operator()(int index) const { return const_cast<ControlArray&>(*this)(index); }

bool ControlArray::Exists(int index) const
{
    return index >= 1 && static_cast<std::size_t>(index) < elements_.size() &&
           elements_[static_cast<std::size_t>(index)];
}

int ControlArray::UpperBound() const
{
    for (std::size_t i = elements_.size(); i-- > 1;) {
        if (elements_[i]) return static_cast<int>(i);
    }
    return 1;
}

Control& ControlArray::Create(int index)
{
    Control copy = *elements_[1];
    copy.Visible = false;
    copy.Index = index;
    return Add(std::move(copy));
}

Control& ControlArray::Add(Control element)
{
    const int index = element.Index;
    if (index < 2 || index > MaxIndex || Exists(index)) {
        throw PlatformError("Cannot create control array element " + Name() + "(" + std::to_string(index) + ")");
    }
    const auto slot = static_cast<std::size_t>(index);
    if (elements_.size() <= slot) elements_.resize(slot + 1);
    element.Name = Name();
    elements_[slot] = std::make_unique<Control>(std::move(element));
    return *elements_[slot];
}

void ControlArray::Destroy(int index)
{
    if (index < 2 || !Exists(index)) {
        throw PlatformError("Cannot destroy control array element " + Name() + "(" + std::to_string(index) + ")");
    }
    elements_[static_cast<std::size_t>(index)].reset();
    while (elements_.size() > 2 && !elements_.back()) elements_.pop_back();
}

}  // namespace brelvon
