#include "window/AccessibleNames.h"

#include <string_view>

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

}  // namespace

AccessibleNames::AccessibleNames(Form& form)
{
    const Control* french = form.Find("OptLang(2)");
    french_ = french != nullptr && french->Value != 0;
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

}  // namespace brelvon
