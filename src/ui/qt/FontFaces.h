#pragma once

#include "model/Control.h"

#include <QFont>
#include <QString>

#include <string>

namespace brelvon {

// The face that stands in on this system for a font name of the window
// description: "MS Sans Serif" and "Arial" become Liberation Sans, "Courier
// New" Liberation Mono, "Times New Roman" and "Symbol" Liberation Serif. Other
// names are kept as they are.
[[nodiscard]] QString SubstituteFace(const std::string& face);

// The font a control is drawn with: the substitute face, its point size, bold
// and italic. A style hint picks a face of the same family of shapes where the
// substitute is missing.
[[nodiscard]] QFont FontFor(const Control& control);

// The text as the control's face shows it. Text in the "Symbol" face stands
// for Greek letters, which that face draws at the places of the Latin ones
// ("S" is the sigma); a Unicode font needs the Greek letters themselves.
[[nodiscard]] QString DisplayText(const Control& control);

// The Latin letters of a text in the "Symbol" face turned into the Greek
// letters that face draws for them; other characters are kept.
[[nodiscard]] QString SymbolFaceToUnicode(const QString& text);

}  // namespace brelvon
