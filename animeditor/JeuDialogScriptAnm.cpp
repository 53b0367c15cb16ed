#include "animeditor/JeuDialogScriptAnm.h"

void CJeuDialogScriptAnm::editScriptFrame(CSPRITE3* sprite)
{
    (void)sprite;
}
