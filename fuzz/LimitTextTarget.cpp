#include "FuzzCheck.h"
#include "FuzzForm.h"
#include "FuzzTargets.h"

#include <cmath>
#include <string>

namespace brelvon::fuzz {

namespace {

// Parse and FormatGeneral agree: a number read is finite, written with 15
// significant digits it reads back within the rounding of those digits, and a
// written number has the locale's decimal separator only.
void CheckNumberText(const NumberLocale& locale, std::string_view text)
{
    const auto value = locale.Parse(text);
    if (!value) return;
    Require(std::isfinite(*value), "Parse gives a finite number");
    const std::string written = locale.FormatGeneral(*value);
    const auto again = locale.Parse(written);
    Require(again.has_value(), "FormatGeneral writes what Parse reads");
    Require(std::fabs(*again - *value) <= 1e-14 * std::fabs(*value), "FormatGeneral keeps 15 significant digits");
    Require(locale.Parse(" " + std::string(text) + "\t") == value, "blanks around a number do not change it");
}

}  // namespace

void LimitTextTarget(std::string_view input)
{
    const unsigned char flags = input.empty() ? 0 : static_cast<unsigned char>(input.front());
    const std::string_view texts = input.empty() ? input : input.substr(1);
    const std::size_t nul = texts.find('\0');
    const std::string blueText(texts.substr(0, nul));
    const std::string redText(nul == std::string_view::npos ? std::string_view() : texts.substr(nul + 1));

    // French separators as the machine's French locale gives them: a comma and a narrow no-break space.
    NumberLocale locale = (flags & 1) != 0 ? NumberLocale(",", "\xE2\x80\xAF") : NumberLocale();
    for (const std::string* text : {&blueText, &redText}) {
        CheckNumberText(locale, *text);
        CheckNumberText(NumberLocale(), *text);
    }

    FuzzForm::Setup setup;
    setup.Drives = {DriveRecord{'C', DriveType::Fixed, true, "SYSTEM", 100000000000, 40000000000, {}, {}}};
    setup.Locale = locale;
    FuzzForm form(std::move(setup));
    MainForm& main = form.Form();
    MainWindow& window = main.Window();
    main.Initialize();
    form.CheckInvariants();

    // Typed, as far as the boxes take it, then applied as a click elsewhere applies it.
    main.Type(window.TextBlue, blueText);
    main.Type(window.TextRed, redText);
    main.Click(window.ButFocus);
    form.CheckInvariants();

    // Written whole, as the program itself could, then stepped.
    window.TextBlue.Text = blueText;
    window.TextRed.Text = redText;
    Control* const steps[] = {&window.ButBlueMin, &window.ButBlueMax, &window.ButRedMin, &window.ButRedMax};
    Control& step = *steps[(flags >> 1) & 3];
    if (step.Enabled) {
        main.Click(step);
    } else {
        main.Click(window.ButFocus);
    }
    form.CheckInvariants();
    Require(!main.Ended(), "no limit text ends the program");
}

}  // namespace brelvon::fuzz
