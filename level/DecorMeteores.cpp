// Meteor showers: AIs copied from the game's "METEORE_FEU" model, waiting inert above the
// level and brought back to life together on the frame's timer.
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Hasard.h"
#include "level/ContexteNiveau.h"
#include "level/Decor.h"

#include <SFML/System/Vector2.hpp>

namespace {

constexpr int ECART_COTE = 500;       // all meteors of a shower come from one side
constexpr int HAUTEUR_CHUTE = 600;    // they start this high above the level...
constexpr int MARGE_HAUT = 150;       // ...and at least this high
constexpr int PREMIERE_RELANCE = 200; // frames at 30 per second from the launch to the first shower
constexpr int CONTACT = 1;            // collision mode: meteors hurt on contact

bool estAnime(const CPerso& p) { return p.sprite && (p.sprite->bAnime || p.sprite->bTailleFixe); }

// A meteor in flight: not removed, floating, exploding when it dies, silent when hit.
void animer(CPerso& m)
{
    m.bDel = false;
    m.bSupprimerMort = true;
    m.bDetruireAuRechargement = false;
    m.modeCollisions = CONTACT;
    m.bVaisseau = true;
    m.sonDegats.clear();
}

// Where a meteor starts above a level of that width; d, one draw per shower, picks the side.
sf::Vector2i depart(int tailleJeuX, int d)
{
    const int x = tuv::randModulo(tailleJeuX) + (d % 2 == 0 ? ECART_COTE : -ECART_COTE);
    const int y = -(tuv::rand() % HAUTEUR_CHUTE) - MARGE_HAUT;
    return {x, y};
}

} // namespace

void CDecor::lancerMeteores(int n)
{
    const int d = tuv::rand();
    CPerso* modele = getModeleIA(MODELE_METEORE);
    const int nb = modele ? niveau::bornerCompte(n) : 0;
    for (int i = 0; i < nb; ++i) {
        const sf::Vector2i p = depart(tailleJeuX, d);
        CPerso* m = ajouterIA(modele, p.x, p.y);
        if (!m)
            continue;
        if (estAnime(*m))
            m->sprite->setAnimation2(m->sprite->etats["ARRET"], 0);
        animer(*m);
        // Inert until the next shower.
        m->bTemporaire = true;
        m->bDel = true;
        m->vie = 0;
        m->bOmbre = m->bOmbreDynamique = true;
    }
    compteurMeteores = niveau::images(PREMIERE_RELANCE);
}

void CDecor::relancerMeteores()
{
    const int d = tuv::rand();
    for (CPerso* m : ias) {
        if (!m || m->modeIA != MODE_IA_METEORE || !m->sprite)
            continue;
        animer(*m);
        m->bMortTerminee = false;
        m->bMortLancee = false;
        m->mode = 0;
        m->sprite->bScriptsKeyframesSuspendus = false;  // alive again: its keys run
        m->vie = m->vieMax;
        const sf::Vector2i p = depart(tailleJeuX, d);
        m->sprite->placer(0, p.x, p.y);
        m->direction = d % 2;
        if (estAnime(*m))
            m->sprite->setAnimation2(m->sprite->etats["ARRET"], 0);
    }
}
