#include "level/ContexteNiveau.h"

#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/Texte.h"

#include <algorithm>
#include <cmath>

namespace niveau {

int bornerCompte(long long n) { return static_cast<int>(std::clamp<long long>(n, 0, NB_PARTICULES_MAX)); }

float coefficient()
{
    const PartieJeu* jeu = faceJeu::partie();
    if (!jeu)
        return coefficientTemps();
    const float c = jeu->framerateCoeff;
    return std::isfinite(c) && c > 0 && c <= 100 ? c : 1.0f;
}

int images(long long n) { return std::max(1, tuv::floatVersInt(static_cast<float>(n) / coefficient())); }

sf::RenderTexture* scene() { return CSFMLJeuGlobal::prenderTexture; }

CVue* camera()
{
    const MondeJeu* jeu = faceJeu::monde();
    return jeu ? jeu->pvue : nullptr;
}

CPerso* joueur()
{
    const MondeJeu* jeu = faceJeu::monde();
    CPerso* p = jeu ? jeu->pPerso.get() : nullptr;
    return p && p->sprite ? p : nullptr;
}

} // namespace niveau
