#include "animeditor/JeuDialogEventsAnm.h"

// The dialog's lists of events and scripts are filled from the anim element once it has them.
void CJeuDialogEventsAnm::setElement(CSPRITE3*, int, int) {}
