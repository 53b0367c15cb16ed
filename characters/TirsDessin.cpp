// The shots' drawing: each state shows its image of the weapon, which plays once (the muzzle
// flash then gives way to the flight, an impact ends the shot) or for good (an arrow in the
// decor). The rocker weapon leaves a rock behind.
#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/TirsCommun.h"
#include "core/Hasard.h"
#include "core/Particules.h"
#include "core/Services.h"
#include "core/Sprite.h"
#include "level/Decor.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

using namespace tirs;

namespace {

constexpr float ECHELLE_IMPACT_MISSILE = 5;
const sf::Color BLANC_TRANSPARENT(255, 255, 255, 128);
const char* const FICHIER_ROCHER = "./decors/Divers/rocker.dec";

const CSPRITE* spriteEtat(const CArme& a, int etat)
{
    switch (etat) {
    case CTir::CANON: return a.pSpriteCanon.get();
    case CTir::VOL: return a.pSpriteTir.get();
    case CTir::IMPACT_DECOR: return a.pSpriteImpactMur.get();
    default: return a.pSpriteImpactPerso.get();
    }
}

void dessinerTir(sf::RenderTarget& cible, const CTir& t, const CArme& a, bool particules)
{
    if (particules && t.pParticules)
        t.pParticules->dessiner(cible);
    const CSPRITE* s = spriteEtat(a, t.etat);
    const sf::Texture* texture = s ? s->getTexture(0, t.frame) : nullptr;
    if (!texture)
        return;
    sf::Sprite image(*texture);
    image.setOrigin(s->ox, s->oy);
    image.setPosition(float(t.x), float(t.y));
    image.setRotation(t.angle - 90);
    if (t.etat == CTir::VOL)
        image.setColor(t.minuterie > 0 && t.minuterie % 2 == 0 ? BLANC_TRANSPARENT : a.couleur);
    else if (t.genre == GenreTir::Missile && (t.etat == CTir::IMPACT_DECOR || t.etat == CTir::IMPACT_PERSO))
        image.setScale(ECHELLE_IMPACT_MISSILE, ECHELLE_IMPACT_MISSILE);
    cible.draw(image);
}

// Plays the image by one frame of the game. An image of one frame (or one that cannot move,
// having no speed) has played once when a 30-per-second frame has passed.
void avancerImage(CTir& t, float c)
{
    if (t.nbFrames < 2 || t.vitesseAnim <= 0) {
        t.accumulateur += c;
        if (t.accumulateur >= 1 - 1e-4f) {
            ++t.nbBoucles;
            t.accumulateur = 0;
        }
        return;
    }
    t.accumulateur += t.vitesseAnim * c;
    if (t.accumulateur >= 1) {
        if (t.frame == t.nbFrames - 1)
            ++t.nbBoucles;
        t.accumulateur = 0;
        t.frame = (t.frame + 1) % t.nbFrames;
    }
}

// The rock the rocker weapon leaves where it hit the decor; the level file does not keep it.
void poserRocher(const CTir& t)
{
    CDecor* d = decorActif();
    if (!d)
        return;
    CSPRITE* sd = d->creerSDFichier(FICHIER_ROCHER, d->getPlan(CDecor::PLAN_PRINCIPAL));
    if (!sd)
        return;
    sd->placer(-1, t.x, t.y);
    sd->setRotation(float(tuv::rand() % 360));
    const float echelle = 1 + float(tuv::rand() % 10) / 20;
    if (t.direction == 1)
        sd->flipH = -1;
    sd->setScale(echelle, echelle);
    sd->bTemporaire = true;
}

} // namespace

int CArmes::afficherTirs(sf::RenderTarget& cible)
{
    const float c = coefficientTemps();
    const bool particules = particulesArmes();
    for (CTir* t : tirs) {
        const CArme* a = arme(t->numArme);
        if (t->bFini || !a)
            continue;
        dessinerTir(cible, *t, *a, particules);
        avancerImage(*t, c);
        if (t->nbBoucles < t->nbBouclesMax)
            continue;
        if (t->etat == CTir::CANON) {
            t->etat = CTir::VOL;
            montrerImage(*t, a->pDecTir.get());
        } else if (t->etat == CTir::IMPACT_DECOR && t->genre != GenreTir::Fleche) {
            t->bFini = true;
            if (t->genre == GenreTir::Rocker)
                poserRocher(*t);
        } else if (t->etat == CTir::IMPACT_PERSO) {
            t->bFini = true;
        }
    }
    return 0;
}
