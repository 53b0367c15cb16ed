// The hit handler every blow goes through. So far its damage step and the start of the hit
// state, which the rest of the handler (push back, sounds, messages, death) will surround.
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "game/Jeu.h"

#include <algorithm>
#include <climits>

namespace {

constexpr float DUREE_TOUCHE = 40;  // frames at 30 per second

// Life lost without wrapping around, whatever a file gives as damage.
int retirer(int valeur, int degats)
{
    const long long r = static_cast<long long>(valeur) - degats;
    return static_cast<int>(std::clamp<long long>(r, INT_MIN, INT_MAX));
}

// The share of the damage that a character of the two-player game takes while its player's
// super power runs.
int diviseurSuperPouvoir(const CPerso& p)
{
    const std::string& s = p.sprite ? p.sprite->ID : std::string();
    if (s == "TEUZJ1" || s == "TEUZJ2")
        return 6;
    if (s == "VEVIDIZv3" || s == "VEVIDIZJ2v3" || p.id == "RERODEZPERSO_MULTI")
        return 2;
    return 4;
}

} // namespace

void CPerso::prendreCoup(int degats, int directionPoussee, int inutilise, int indirect)
{
    subirDegats(degats, indirect);
    commencerTouche();
}

void CPerso::subirDegats(int degats, int indirect)
{
    if (bVieInfinie || bSansDegats)
        return;
    if (bParalyse && indirect == 0) {
        vieParalysie = retirer(vieParalysie, degats);
        return;
    }
    const CSFMLJeu* jeu = CSFMLJeuGlobal::pmonjeu;
    const bool pouvoir = jeu && jeu->typeJeu == 2 && numJoueur >= 0 && numJoueur < 4 &&
                         jeu->commandes[numJoueur].bSuperPouvoir;
    vie = retirer(vie, pouvoir ? degats / diviseurSuperPouvoir(*this) : degats);
}

void CPerso::commencerTouche()
{
    if (mode == EtatPerso::MORT || compteurTouche >= 0)
        return;
    setEtat(EtatPerso::TOUCHE);
    if (sprite)
        sprite->setColor(couleur);
    // The hit lasts as long at 60 frames per second as at 30.
    compteurTouche = std::max(1, tuv::floatVersInt(DUREE_TOUCHE / coefficientTemps()));
}
