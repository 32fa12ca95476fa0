#include "os/SystemDisplay.h"

namespace brelvon {

bool DisplayNamed() { return true; }

bool DisplayAnswers() { return true; }

}  // namespace brelvon
