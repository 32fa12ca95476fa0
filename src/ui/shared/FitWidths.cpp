#include "ui/shared/FitWidths.h"

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace brelvon {

std::unordered_map<const Control*, int> SharedFitWidths(const Form& form)
{
    std::map<std::tuple<const Control*, std::string, std::string, double, bool>, std::vector<const Control*>> groups;
    form.ForEachControl([&groups](const Control& control) {
        if (control.Kind != ControlKind::Label || control.Opaque || control.Text.empty()) return;
        groups[{control.Container, control.Text, control.FontName, control.FontSize, control.FontBold}].push_back(
            &control);
    });
    std::unordered_map<const Control*, int> widths;
    for (const auto& [key, labels] : groups) {
        if (labels.size() < 2) continue;
        int narrowest = labels.front()->Width;
        for (const Control* label : labels) narrowest = std::min(narrowest, label->Width);
        for (const Control* label : labels) widths[label] = narrowest;
    }
    return widths;
}

}  // namespace brelvon
