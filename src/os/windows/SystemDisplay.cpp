#include "os/SystemDisplay.h"

namespace brelvon {

bool DisplayNamed() { return true; }

}  // namespace brelvon
