#include "characters/IABehaviours.h"

void CIABehaviours::majIA()
{
}

void CIABehaviours::piloterJoueur2()
{
}
