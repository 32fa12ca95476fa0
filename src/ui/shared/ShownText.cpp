#include "ui/shared/ShownText.h"

#include <array>

namespace brelvon {

namespace {

// The Greek letters that the Symbol face draws at the places of A to Z and a to z, in UTF-8.
constexpr std::array<std::string_view, 26> UpperGreek{"Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι", "ϑ", "Κ", "Λ", "Μ",
                                                      "Ν", "Ο", "Π", "Θ", "Ρ", "Σ", "Τ", "Υ", "ς", "Ω", "Ξ", "Ψ", "Ζ"};
constexpr std::array<std::string_view, 26> LowerGreek{"α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι", "ϕ", "κ", "λ", "μ",
                                                      "ν", "ο", "π", "θ", "ρ", "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};

}  // namespace

std::string SymbolLettersToGreek(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size() * 2);
    for (const char character : text) {
        if (character >= 'A' && character <= 'Z') {
            shown += UpperGreek[static_cast<std::size_t>(character - 'A')];
        } else if (character >= 'a' && character <= 'z') {
            shown += LowerGreek[static_cast<std::size_t>(character - 'a')];
        } else {
            shown += character;
        }
    }
    return shown;
}

std::string ShownText(const Control& control)
{
    return control.FontName == SymbolFace ? SymbolLettersToGreek(control.Text) : control.Text;
}

}  // namespace brelvon
