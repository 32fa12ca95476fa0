#pragma once

// Not built: the layer rule's tests read it as a file of the "model" layer.
#include "model/Control.h"
#include "refresh/MainForm.h"

#include <QWidget>

#include <vector>
