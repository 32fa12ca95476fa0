#pragma once

namespace brelvon {

// The phases of one refresh, in the order they run.
enum class RefreshPhase {
    Caption = 1,
    GeometryReset,
    LanguageWords,
    Captions,
    Focus,
    DriveSurvey,
    ClipboardReport,
    Thresholds,
    OldRows,
    Rows,
    BottomControls,
    Finish,
};

}  // namespace brelvon
