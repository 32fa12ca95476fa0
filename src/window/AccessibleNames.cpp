#include "window/AccessibleNames.h"

#include "window/MainWindow.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace brelvon {

namespace {

struct Purpose {
    std::string_view Name;
    std::string_view English;
    std::string_view French;
};

// Controls whose caption is a sign, a spaced word or missing.
constexpr std::array<Purpose, 18> Purposes{{
    {"ButFocus", "Apply the typed limits", "Appliquer les limites saisies"},
    {"ButBlueMin", "Blue limit down by 5", "Limite bleue moins 5"},
    {"ButBlueMax", "Blue limit up by 5", "Limite bleue plus 5"},
    {"ButRedMin", "Red limit down by 5", "Limite rouge moins 5"},
    {"ButRedMax", "Red limit up by 5", "Limite rouge plus 5"},
    {"TextBlue", "Blue limit in percent", "Limite bleue en pour cent"},
    {"TextRed", "Red limit in percent", "Limite rouge en pour cent"},
    {"ButExit", "Exit", "Quitter"},
    {"FramEnd", "Program buttons", "Boutons du programme"},
    {"picIcon", "Brelvon icon", "Icône de Brelvon"},
    {"Lab1", "Usage bar", "Barre d'occupation"},
    {"Lab2", "Usage bar background", "Fond de la barre"},
    {"Lin1", "Blue limit marker", "Repère de la limite bleue"},
    {"Lin2", "Red limit marker", "Repère de la limite rouge"},
    {"Lab52", "percent", "pour cent"},
    {"Lab54", "percent", "pour cent"},
    {"LabTit1", "Brelvon, about the program", "Brelvon, à propos du programme"},
    {"LabTit2", "Brelvon, about the program", "Brelvon, à propos du programme"},
}};

// What only decorates, which screen readers do not get: the title's
// highlight copy, bar backgrounds, limit markers, the units after the limit
// boxes and the bottom frame, which has no caption.
constexpr std::array<std::string_view, 7> Decorations{"LabTit2", "Lab2", "Lin1", "Lin2", "Lab52", "Lab54", "FramEnd"};

// Text boxes named by the caption before them; the captions themselves are
// not read again.
struct Caption {
    std::string_view Box;
    std::string_view Label;
};
constexpr std::array<Caption, 2> Captions{{{"TextBlue", "Lab51"}, {"TextRed", "Lab53"}}};

constexpr std::array<std::string_view, 6> CellNames{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
constexpr std::array<std::string_view, 6> HeadingNames{"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"};

template <std::size_t N>
bool Among(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The control's place in the window's client area, in twips.
struct Place {
    int Left = 0;
    int Top = 0;
    int Height = 0;
};

Place PlaceOf(const Control& control)
{
    Place place{control.Left, control.Top, control.Height};
    for (const Control* frame = control.Container; frame != nullptr; frame = frame->Container) {
        place.Left += frame->Left;
        place.Top += frame->Top;
    }
    return place;
}

// Puts `nodes` in reading order: lines from the top, a node joining the line
// above while it starts above that line's middle, each line from the left.
void SortForReading(std::vector<AccessibleNode>& nodes, const std::vector<Place>& places)
{
    std::vector<std::size_t> order(nodes.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return places[a].Top < places[b].Top; });
    std::vector<int> line(nodes.size(), 0);
    int lineNumber = 0;
    int lineMiddle = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const Place& place = places[order[k]];
        if (k == 0 || place.Top >= lineMiddle) {
            ++lineNumber;
            lineMiddle = place.Top + place.Height / 2;
        }
        line[order[k]] = lineNumber;
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return line[a] != line[b] ? line[a] < line[b] : places[a].Left < places[b].Left;
    });
    std::vector<AccessibleNode> sorted;
    sorted.reserve(nodes.size());
    for (const std::size_t i : order) sorted.push_back(std::move(nodes[i]));
    nodes = std::move(sorted);
}

std::string WithoutMnemonic(const std::string& caption)
{
    std::string plain;
    plain.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        plain += caption[i];
    }
    return plain;
}

// The text of a cell without the blanks around it; empty when there is no such cell.
std::string CellText(Form& form, std::string_view array, int row)
{
    const Control* cell = form.Find(std::string(array) + "(" + std::to_string(row) + ")");
    if (cell == nullptr) return {};
    const std::size_t first = cell->Text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return cell->Text.substr(first, cell->Text.find_last_not_of(' ') - first + 1);
}

// The whole number at the start of a percentage cell ("62 %"); nullopt for a dash.
std::optional<int> LeadingNumber(const std::string& text)
{
    int value = 0;
    std::size_t digits = 0;
    for (; digits < text.size() && digits < 3 && text[digits] >= '0' && text[digits] <= '9'; ++digits) {
        value = value * 10 + (text[digits] - '0');
    }
    if (digits == 0) return std::nullopt;
    return value;
}

}  // namespace

AccessibleNode AccessibleNames::Tree() const
{
    AccessibleNode window;
    window.Name = WithoutMnemonic(form_.Window.Text);
    window.Source = &form_.Window;
    const auto shown = [this](const Control& control) {
        for (const Control* c = &control; c != nullptr; c = c->Container) {
            if (!c->Visible) return false;
        }
        const Place place = PlaceOf(control);
        return place.Left < form_.ClientAreaWidth() && place.Top < form_.ClientAreaHeight();
    };
    const auto node = [this](const Control& control) {
        AccessibleNode made;
        made.Role = RoleOf(control);
        made.Name = For(control);
        made.Value = ValueOf(control);
        made.Source = &control;
        return made;
    };

    // What is read line by line; rows gather their cells and bar here first.
    std::vector<AccessibleNode> lines;
    std::vector<Place> linePlaces;
    std::vector<std::pair<int, std::pair<AccessibleNode, Place>>> rowParts;
    std::vector<const Control*> focusable;
    form_.ForEachControl([&](const Control& control) {
        const std::string_view name = control.Name;
        if (control.Kind == ControlKind::Form || control.Kind == ControlKind::Frame || !shown(control)) return;
        if (Among(Decorations, name)) return;
        if (std::any_of(Captions.begin(), Captions.end(), [&](const Caption& c) { return c.Label == name; })) return;
        if (const int row = MainWindow::TableRowOf(control); row > 0) {
            AccessibleNode part = node(control);
            if (RoleOf(control) == AccessibleRole::Text) {
                std::string text = CellText(form_, name, row);
                if (text == "S" && control.FontName == "Symbol") text = "Σ";
                if (!text.empty()) part.Name = std::move(text);
            }
            rowParts.push_back({row, {std::move(part), PlaceOf(control)}});
            return;
        }
        if (control.TakesFocus()) {
            focusable.push_back(&control);
            return;
        }
        lines.push_back(node(control));
        linePlaces.push_back(PlaceOf(control));
    });

    std::stable_sort(rowParts.begin(), rowParts.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < rowParts.size();) {
        const int row = rowParts[i].first;
        AccessibleNode rowNode;
        rowNode.Role = AccessibleRole::Row;
        rowNode.Name = Description(*rowParts[i].second.first.Source);
        rowNode.Row = row;
        Place rowPlace = rowParts[i].second.second;
        std::vector<Place> partPlaces;
        for (; i < rowParts.size() && rowParts[i].first == row; ++i) {
            rowNode.Children.push_back(std::move(rowParts[i].second.first));
            partPlaces.push_back(rowParts[i].second.second);
            rowPlace.Top = std::min(rowPlace.Top, rowParts[i].second.second.Top);
            rowPlace.Left = std::min(rowPlace.Left, rowParts[i].second.second.Left);
        }
        // One line: the cells and the bar from the left.
        for (Place& place : partPlaces) place.Top = rowPlace.Top;
        SortForReading(rowNode.Children, partPlaces);
        lines.push_back(std::move(rowNode));
        linePlaces.push_back(rowPlace);
    }
    SortForReading(lines, linePlaces);
    window.Children = std::move(lines);

    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const Control* a, const Control* b) { return a->TabIndex < b->TabIndex; });
    std::vector<const Control*> framesMet;
    for (const Control* control : focusable) {
        const Control* frame = control->Container;
        if (frame != nullptr && !Among(Decorations, std::string_view(frame->Name)) &&
            std::find(framesMet.begin(), framesMet.end(), frame) == framesMet.end()) {
            framesMet.push_back(frame);
            window.Children.push_back(node(*frame));
        }
        AccessibleNode box = node(*control);
        for (const Caption& caption : Captions) {
            if (control->Name != caption.Box) continue;
            if (const Control* label = form_.Find(std::string(caption.Label)); label != nullptr) {
                box.Name = WithoutMnemonic(label->Text);
            }
        }
        window.Children.push_back(std::move(box));
    }
    return window;
}

AccessibleNames::AccessibleNames(Form& form) : form_(form)
{
    const Control* french = form.Find("OptLang(2)");
    french_ = french != nullptr && french->Value != 0;
    const Control* gigabytes = form.Find("OptGb");
    gigabytes_ = gigabytes != nullptr && gigabytes->Value != 0;
    for (std::size_t i = 0; i < HeadingNames.size(); ++i) {
        const Control* heading = form.Find(HeadingNames[i]);
        headings_[i] = heading != nullptr ? WithoutMnemonic(heading->Text) : std::string(CellNames[i]);
    }
}

std::string AccessibleNames::For(const Control& control) const
{
    const std::string_view name = control.Name;
    std::string base;
    for (std::size_t i = 0; i < CellNames.size() && base.empty(); ++i) {
        if (name == CellNames[i]) base = headings_[i];
    }
    if (name == "OptLang") base = control.Index == 1 ? "English" : "Français";
    for (const Purpose& purpose : Purposes) {
        if (base.empty() && name == purpose.Name) base = french_ ? purpose.French : purpose.English;
    }
    if (base.empty()) {
        const std::string caption = WithoutMnemonic(control.Text);
        return caption.empty() ? control.FullName() : caption;
    }
    // Elements of the table's control arrays carry their row.
    if (control.Index == 0 || name == "OptLang") return base;
    return base + (french_ ? ", ligne " : ", row ") + std::to_string(control.Index);
}

AccessibleRole AccessibleNames::RoleOf(const Control& control)
{
    switch (control.Kind) {
    case ControlKind::Form: return AccessibleRole::Window;
    case ControlKind::CommandButton: return AccessibleRole::Button;
    case ControlKind::CheckBox: return AccessibleRole::CheckBox;
    case ControlKind::OptionButton: return AccessibleRole::RadioButton;
    case ControlKind::TextBox: return AccessibleRole::Text;
    case ControlKind::Frame: return AccessibleRole::Grouping;
    case ControlKind::Line:
    case ControlKind::PictureBox: return AccessibleRole::Graphic;
    case ControlKind::Label: break;
    }
    if (control.Name == "Lab1" && control.Index > 0) return AccessibleRole::ProgressBar;
    if (control.Name == "Lab2" && control.Index > 0) return AccessibleRole::Graphic;
    if (Among(HeadingNames, control.Name) || control.Name == "Label7") return AccessibleRole::ColumnHeader;
    return AccessibleRole::StaticText;
}

std::string AccessibleNames::Description(const Control& control) const
{
    const int row = MainWindow::TableRowOf(control);
    if (row == 0) return {};
    std::vector<std::string> parts;
    const Control* letterCell = form_.Find("Text1(" + std::to_string(row) + ")");
    // A summary row's first cell is drawn in the Symbol face, where its S is a sigma.
    if (letterCell != nullptr && letterCell->FontName != "Symbol") parts.push_back(CellText(form_, "Text1", row));
    if (std::string label = CellText(form_, "Text2", row); !label.empty()) parts.push_back(std::move(label));
    if (const std::optional<int> percent = LeadingNumber(CellText(form_, "Text6", row))) {
        const char* unit =
            gigabytes_ ? (french_ ? " gigaoctets" : " gigabytes") : (french_ ? " mégaoctets" : " megabytes");
        parts.push_back(CellText(form_, "Text3", row) + unit);
        parts.push_back(CellText(form_, "Text4", row) + (french_ ? " libres" : " free"));
        parts.push_back(std::to_string(*percent) + (french_ ? " pour cent utilisés" : " percent used"));
    }
    std::string sentence;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!sentence.empty()) sentence += ", ";
        sentence += part;
    }
    return sentence;
}

std::optional<int> AccessibleNames::ValueOf(const Control& control) const
{
    if (RoleOf(control) != AccessibleRole::ProgressBar) return std::nullopt;
    return LeadingNumber(CellText(form_, "Text6", control.Index)).value_or(0);
}

}  // namespace brelvon
