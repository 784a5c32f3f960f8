#pragma once

// The forms toolkit in one include: top-level forms and the controls placed on
// them in twips.
#include "host/win32/boxes.h"
#include "host/win32/buttons.h"
#include "host/win32/container.h"
#include "host/win32/dpi.h"
#include "host/win32/form.h"
#include "host/win32/label.h"
#include "host/win32/panel.h"
