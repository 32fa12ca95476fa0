#include "ui/qt/FontFaces.h"

#include "ui/shared/ShownText.h"

#include <array>
#include <utility>

namespace brelvon {

namespace {

struct FaceSubstitute {
    const char* Design;
    const char* Substitute;
    QFont::StyleHint Hint;
};

constexpr std::array<FaceSubstitute, 5> Substitutes{{
    {"MS Sans Serif", "Liberation Sans", QFont::SansSerif},
    {"Arial", "Liberation Sans", QFont::SansSerif},
    {"Courier New", "Liberation Mono", QFont::TypeWriter},
    {"Times New Roman", "Liberation Serif", QFont::Serif},
    {SymbolFace.data(), "Liberation Serif", QFont::Serif},
}};

const FaceSubstitute* FindSubstitute(const std::string& face)
{
    for (const FaceSubstitute& substitute : Substitutes) {
        if (face == substitute.Design) return &substitute;
    }
    return nullptr;
}

}  // namespace

QString SubstituteFace(const std::string& face)
{
    const FaceSubstitute* substitute = FindSubstitute(face);
    return substitute != nullptr ? QString::fromLatin1(substitute->Substitute) : QString::fromStdString(face);
}

QFont FontFor(const Control& control)
{
    QFont font(SubstituteFace(control.FontName));
    if (const FaceSubstitute* substitute = FindSubstitute(control.FontName)) font.setStyleHint(substitute->Hint);
    if (control.FontSize > 0) font.setPointSizeF(control.FontSize);
    font.setBold(control.FontBold);
    font.setItalic(control.FontItalic);
    return font;
}

QString SymbolFaceToUnicode(const QString& text)
{
    return QString::fromStdString(SymbolLettersToGreek(text.toStdString()));
}

QString DisplayText(const Control& control) { return QString::fromStdString(ShownText(control)); }

}  // namespace brelvon
