#pragma once
// Everything a dialog of the program needs from the GUI library.
#include "gui/CPLUX.h"
#include "gui/CPLUXControl.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTab.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/CPLUXDialog.h"
#include "gui/CPLUXMessageBox.h"
#include "gui/CPLUXModeleDef.h"
#include "gui/CPLUXToolBar.h"
