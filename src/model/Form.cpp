#include "model/Form.h"

#include <charconv>

namespace brelvon {

Form::Form(std::string name)
{
    Window.Kind = ControlKind::Form;
    Window.Name = std::move(name);
}

void Form::Register(Control& control) { members_.emplace_back(&control); }

void Form::Register(ControlArray& array) { members_.emplace_back(&array); }

void Form::SelectOption(Control& option)
{
    ForEachControl([&](Control& other) {
        if (other.Kind == ControlKind::OptionButton && other.Container == option.Container) other.Value = 0;
    });
    option.Value = 1;
}

void Form::FocusFirstInTabOrder()
{
    if (focus_ != nullptr) return;
    ForEachControl([this](Control& control) {
        if (control.TakesFocus() && control.Visible && control.Enabled &&
            (focus_ == nullptr || control.TabIndex < focus_->TabIndex)) {
            focus_ = &control;
        }
    });
}

void Form::DestroyElement(ControlArray& array, int index)
{
    if (array.Exists(index) && focus_ == &array(index)) focus_ = nullptr;
    array.Destroy(index);
}

Control* Form::Find(std::string_view fullName)
{
    std::string_view name = fullName;
    int index = 0;
    if (const auto open = fullName.find('('); open != std::string_view::npos && fullName.back() == ')') {
        name = fullName.substr(0, open);
        const auto digits = fullName.substr(open + 1, fullName.size() - open - 2);
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
        if (error != std::errc{} || end != digits.data() + digits.size() || index < 1) return nullptr;
    }
    if (index == 0 && name == Window.Name) return &Window;
    for (const auto& member : members_) {
        if (const auto* control = std::get_if<Control*>(&member)) {
            if (index == 0 && (*control)->Name == name) return *control;
        } else if (auto* array = std::get<ControlArray*>(member); index > 0 && array->Name() == name) {
            return array->Exists(index) ? &(*array)(index) : nullptr;
        }
    }
    return nullptr;
}

}  // namespace brelvon
