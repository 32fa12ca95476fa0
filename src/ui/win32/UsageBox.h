#pragma once

#include <string>

namespace brelvon {

// Shows a program's usage in a dialog of its own and returns when it is
// closed (OK, Enter, Escape or its close button). `usage` is laid out as
// WindowUsageForDialog() writes it: a line with a tab is an option and its
// meaning, shown in two columns, the meanings lined up after the widest
// option; any other line is a paragraph, wrapped to the dialog's width; an
// empty line leaves a gap. Drawn in the system's dialog face at the screen's
// resolution; every line is a static control, so screen readers read it.
void ShowUsageBox(const std::string& title, const std::string& usage);

}  // namespace brelvon
