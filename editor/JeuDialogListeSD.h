#pragma once
// The sprite list dialog ("JeuDialogListeSD"): its whole content comes from its model; the
// editor opens and closes it and never fills or reads it.
#include "gui/CPLUXDialog.h"

class CJeuDialogListeSD : public CPLUXDialog {};
