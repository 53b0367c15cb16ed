#include "editor/JeuDialogPhysParticulesOptions.h"

// The parameter inputs are filled from the emitter once the dialog has them.
void CJeuDialogPhysParticulesOptions::init(CParticules* particules, CSPRITE* proprietaire)
{
    pParticules = particules;
    pProprietaire = proprietaire;
}
