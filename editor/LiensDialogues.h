#pragma once
// What the level world asks of the decor-sprite dialogs, which it does not know: the hooks of
// g_services (core/Services.h) filled here. Each finds its dialog by id when called and does
// nothing while the dialog is absent (the editor's dialogs exist only with the development
// switch).
#include "gui/CPLUX.h"

#include <string>

class CParticules;
class CSPRITE;

// Fills rafraichirDialogueSprite, detacherDialogueShader, oublierSpriteDialogues and
// rafraichirDialogueChemin.
void installerLiensDialogues();

// The dialog of that id as its class; null when it is absent or of another class.
template <class T>
T* dialogue(const std::string& id)
{
    return dynamic_cast<T*>(CPLUX::getDialog(id));
}

// Refills "JeuDialogSprite" from the selection.
void rafraichirDialogueSprite();
// Refills "JeuDialogPhysCheminOptions" for the path that sets out for its next key point,
// leaving alone the input being typed into.
void rafraichirDialogueChemin();
// "JeuDialogShader" edits no map any more, its lists and fields emptied.
void detacherDialogueShader();
// The sprite is about to be freed: the shader dialog is detached when it edits one of its
// maps, the particle dialog when it edits its emitter or one of the sprite's.
void oublierSpriteDialogues(const CSPRITE* sd);
// The emitter is about to be freed: the particle dialog is detached when it edits it.
void oublierEmetteurDialogues(const CParticules* emetteur);
