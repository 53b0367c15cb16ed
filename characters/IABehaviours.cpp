#include "characters/IABehaviours.h"

void CIABehaviours::majIA()
{
}

void CIABehaviours::piloterJoueur2()
{
}

void CIABehaviours::alerteGenerale(CPerso* source, int x, int y, int mode, int rayon)
{
}
