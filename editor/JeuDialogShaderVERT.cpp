#include "editor/JeuDialogShaderVERT.h"

// The variable lists and value inputs are filled from the tables once the dialog has them.
void CJeuDialogShaderVERT::init() {}
