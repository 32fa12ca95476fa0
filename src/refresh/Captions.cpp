#include "refresh/Captions.h"

#include <array>

namespace brelvon {

namespace {

struct Caption {
    Control MainWindow::*Target;
    const char* English;
    const char* French;
};

// In the order they are written.
constexpr std::array BeforeHeadings{
    Caption{&MainWindow::Frame1, "Drive types", "Type de disques"},
    Caption{&MainWindow::CheckNet, "Network", "Réseau"},
    Caption{&MainWindow::CheckRemov, "Removable", "Amovible"},
    Caption{&MainWindow::CheckCD, "CD-Rom", "CD-Rom"},
    Caption{&MainWindow::Frame2, "Unit", "Unité"},
    Caption{&MainWindow::Frame3, "Clipboard", "Pres.-pap."},
    Caption{&MainWindow::ButCopy, "Copy", "Copie"},
    Caption{&MainWindow::Frame4, "Graph", "Graphes"},
    Caption{&MainWindow::Lab51, "Blue if <", "Bleu si <"},
    Caption{&MainWindow::Lab53, "Red if >", "Rouge si >"},
};

constexpr std::array FromHeadings{
    Caption{&MainWindow::Label1, "Disk", "Disq."},       Caption{&MainWindow::Label2, "Label", "Volume"},
    Caption{&MainWindow::Label3, "Size", "Taille"},      Caption{&MainWindow::Label4, "Free", "Libre"},
    Caption{&MainWindow::Label5, "Used", "Utilisé"},     Caption{&MainWindow::Label6, "% Used", "% Utilisé"},
    Caption{&MainWindow::Label7, "Graph", "Graphique"},  Caption{&MainWindow::ButExit, "E X I T", "QUITTE"},
    Caption{&MainWindow::ButAbout, "About", "A propos"},
};

// French captions are longer or shorter; these controls make room for them.
constexpr int FrenchCheckRemovShift = 75;
constexpr int FrenchLab51Shift = -30;
constexpr int FrenchLab53Shift = -100;
constexpr int FrenchButRedMinShift = 90;
// The red limit's controls keep their distances from ButRedMin.
constexpr int TextRedAfterButRedMin = 285;
constexpr int ButRedMaxAfterButRedMin = 660;
constexpr int Lab54AfterButRedMin = 990;

}  // namespace

LanguageWords ChooseLanguageWords(const MainWindow& window)
{
    if (window.EnglishSelected()) return {"(not ready)", "Drives", "Fixed"};
    return {"(non prêt)", "Disques", "Fixe"};
}

void ApplyCaptions(MainWindow& window)
{
    const bool english = window.EnglishSelected();
    auto shift = [english](int frenchShift) { return english ? 0 : frenchShift; };

    for (const Caption& caption : BeforeHeadings) {
        Control& target = window.*caption.Target;
        target.Text = english ? caption.English : caption.French;
        if (&target == &window.CheckRemov) {
            target.Left = target.TagNumber() + shift(FrenchCheckRemovShift);
        } else if (&target == &window.Lab51) {
            target.Left = target.TagNumber() + shift(FrenchLab51Shift);
        } else if (&target == &window.Lab53) {
            target.Left = target.TagNumber() + shift(FrenchLab53Shift);
            window.ButRedMin.Left = window.ButRedMin.TagNumber() + shift(FrenchButRedMinShift);
            window.TextRed.Left = window.ButRedMin.Left + TextRedAfterButRedMin;
            window.ButRedMax.Left = window.ButRedMin.Left + ButRedMaxAfterButRedMin;
            window.Lab54.Left = window.ButRedMin.Left + Lab54AfterButRedMin;
        }
    }
    for (const Caption& caption : FromHeadings) {
        (window.*caption.Target).Text = english ? caption.English : caption.French;
    }
}

}  // namespace brelvon
