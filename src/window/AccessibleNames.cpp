#include "window/AccessibleNames.h"

#include "window/MainWindow.h"

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

constexpr std::array<std::string_view, 6> CellNames{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
constexpr std::array<std::string_view, 6> HeadingNames{"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"};

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
