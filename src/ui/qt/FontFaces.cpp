#include "ui/qt/FontFaces.h"

#include <array>
#include <utility>

namespace brelvon {

namespace {

constexpr const char* SymbolFace = "Symbol";

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
    {SymbolFace, "Liberation Serif", QFont::Serif},
}};

// The Greek letters that the Symbol face draws at the places of A to Z and a to z.
constexpr char16_t UpperGreek[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
constexpr char16_t LowerGreek[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";

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
    QString shown = text;
    for (QChar& character : shown) {
        const char16_t code = character.unicode();
        if (code >= u'A' && code <= u'Z')
            character = QChar(UpperGreek[code - u'A']);
        else if (code >= u'a' && code <= u'z')
            character = QChar(LowerGreek[code - u'a']);
    }
    return shown;
}

QString DisplayText(const Control& control)
{
    const QString text = QString::fromStdString(control.Text);
    return control.FontName == SymbolFace ? SymbolFaceToUnicode(text) : text;
}

}  // namespace brelvon
