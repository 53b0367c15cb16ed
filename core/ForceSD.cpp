#include "core/ForceSD.h"

#include "core/Hasard.h"
#include "core/Services.h"

#include <algorithm>

namespace {

// Value drawn from [a, b] whatever order the bounds were stored in.
int tirage(int a, int b)
{
    if (a > b)
        std::swap(a, b);
    long long etendue = (long long)b - a + 1;
    if (etendue <= 1)
        return a;
    return int(a + tuv::rand() % etendue);
}

} // namespace

CForceSD::CForceSD(const CForceSD& a)
    : CycleMin(a.CycleMin), CycleMax(a.CycleMax), DureeMin(a.DureeMin), DureeMax(a.DureeMax), ForceX(a.ForceX),
      ForceY(a.ForceY), portee(a.portee), modeForce(a.modeForce), InvSensX(a.InvSensX), InvSensY(a.InvSensY),
      ButeeX(a.ButeeX), ButeeY(a.ButeeY), MaxButeeX(a.MaxButeeX), MaxButeeY(a.MaxButeeY), Script(a.Script),
      ScriptFermeture(a.ScriptFermeture), ForceActive(a.ForceActive), SpriteVisible(a.SpriteVisible),
      Attracteur(a.Attracteur), AccelDistance(a.AccelDistance), ModifAngleMax(a.ModifAngleMax),
      RayonAttraction(a.RayonAttraction), RayonAttracteur(a.RayonAttracteur), EcartAngle(a.EcartAngle),
      AccelerationDistance(a.AccelerationDistance), ModForceActif(a.ModForceActif),
      DisparitionImpact(a.DisparitionImpact), bDrapeau(a.bDrapeau)
{
}

void CForceSD::reinitialiser()
{
    bNouveauCycle = true;
    bEnForce = false;
    compteurCycle = compteurDuree = 0;
    longueurCycle = duree = 0;
    signeX = signeY = 1;
    limiteX = limiteY = 0;
}

void CForceSD::maj(CSPRITE* sd)
{
    if (ForceActive)
        return;
    const float coeff = coefficientTemps();
    if (bNouveauCycle || compteurCycle <= 0) {
        longueurCycle = std::max(0, tirage(CycleMin, CycleMax));
        duree = std::max(0, tirage(DureeMin, DureeMax));
        signeX = (InvSensX && tuv::rand() % 2) ? -1 : 1;
        signeY = (InvSensY && tuv::rand() % 2) ? -1 : 1;
        limiteX = tirage(ButeeX, MaxButeeX);
        limiteY = tirage(ButeeY, MaxButeeY);
        compteurCycle = float(longueurCycle);
        compteurDuree = float(duree);
        bNouveauCycle = false;
    }
    // A zone without a cycle pushes all the time.
    bEnForce = longueurCycle == 0 || compteurDuree > 0;
    if (longueurCycle > 0) {
        compteurCycle -= coeff;
        compteurDuree -= coeff;
    }
    if (bEnForce && ModForceActif)
        g_services.appliquerForce(sd, *this);
}
