// Making a character from a definition: what the preloading, the level's "PERSO3" lines and
// the AI creation take from it.
#include "anim/Sprite3.h"
#include "characters/Explosions.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Particules.h"
#include "core/SetTextures.h"
#include "core/Texte.h"

#include <algorithm>

namespace {

// Size of the character's sprite: animation 0's frame for a sheet sprite, its global
// rectangle for an ".anm" one.
sf::Vector2i tailleSprite(const CSPRITE3& s)
{
    if (s.bAnime) {
        sf::FloatRect r;
        s.getRectGlobal(r, 0);
        return {tuv::floatVersInt(r.width), tuv::floatVersInt(r.height)};
    }
    return {s.getLargeur(), s.getHauteur()};
}

// A sheet lists only the pictures its character has (a shooter: standing and walking; a
// flyer: one): an animation number the sheet lacks showed nothing, so that a flyer placed
// from the picker, which starts falling, or a shooter walking, was an invisible enemy that
// still shot, and a cannon base facing its sheet vanished at its first hit. Such a number
// takes the standing picture; the death's stays, a character without one goes at its death.
void remplacerAnimationsAbsentes(CPerso& p, const CDEC& banque)
{
    const int debout = p.animArret[0];
    if (banque.nbFramesAnim(debout) <= 0)
        return;
    auto remplacer = [&](int& a) {
        if (banque.nbFramesAnim(a) <= 0)
            a = debout;
    };
    for (int k = 0; k < 10; ++k) {
        remplacer(p.animArret[k]);
        remplacer(p.animMarche[k]);
        remplacer(p.animSautAsc[k]);
        remplacer(p.animSautDsc[k]);
    }
    for (int* a : {&p.animSautReception, &p.animSautReceptionArme, &p.animAction, &p.animTouche})
        remplacer(*a);
}

int hauteurHitbox(const CSPRITE3& s)
{
    if (s.bAnime)
        return tuv::floatVersInt(s.getRectHitbox(0).height);
    if (!s.pDEC)
        return 0;
    return std::max(0, s.getHauteur() - s.hitbox[1] - s.hitbox[3]);
}

// The jump tables have no 30, 70, 110 and 150 degree entries.
const int ENTREES_SAUT[6] = {0, 1, 3, 5, 7, 9};

CDEC* banqueExplosion(const std::string& nom)
{
    const MondeJeu* jeu = faceJeu::monde();
    if (nom.empty() || !jeu || !jeu->pExplosions)
        return nullptr;
    return jeu->pExplosions->banque(nom);
}

} // namespace

void CPersoDef::appliquer(CPerso& p, Usage usage) const
{
    p.fichier = nomFichier;
    p.modeIA = modeIA;
    p.maxSaut = maxSaut;
    p.maxSautAuto = maxSautAuto;
    p.maxEscalier = maxEscalier;
    p.vitesse = vitesse;
    if (usage != Usage::CreationIA)
        p.vitesseCourante = vitesse;
    p.vitesseBas = vitesseBas;
    p.vitesseChute = vitesseChute;
    p.vitesseSaut = vitesseSaut;
    p.poids = poids;
    p.vie = vie;
    p.vieMax = vieMax;
    std::copy(std::begin(degats), std::end(degats), p.degats);
    std::copy(std::begin(posTete), std::end(posTete), p.posTete);
    p.posPieds = posPieds;
    std::copy(std::begin(posMitrailleuse), std::end(posMitrailleuse), p.posMitrailleuse);
    if (!sonDegats.empty())
        p.sonDegats = sonDegats;
    if (p.sprite)
        std::copy(std::begin(hitbox), std::end(hitbox), p.sprite->hitbox);
    p.copierArmes(*this);
    placerOrigine(p, usage);
    p.hauteurHitbox = p.sprite ? hauteurHitbox(*p.sprite) : 0;
    if (usage == Usage::CreationIA)
        copierCreationIA(p);
}

// -1 asks for the default: half the width, and the feet (the centre for a vehicle). Only the
// AI creation applies a value the file gives; the others keep the ".anm" file's origin.
void CPersoDef::placerOrigine(CPerso& p, Usage usage) const
{
    if (!p.sprite)
        return;
    CSPRITE3& s = *p.sprite;
    const sf::Vector2i taille = tailleSprite(s);
    float ox = s.ox, oy = s.oy;
    if (origineX == -1.0f)
        ox = static_cast<float>(taille.x / 2);
    else if (usage == Usage::CreationIA)
        ox = static_cast<float>(tuv::floatVersInt(origineX));
    if (origineY == -1.0f)
        oy = static_cast<float>(p.bVaisseau ? taille.y / 2 : taille.y);
    else if (usage == Usage::CreationIA)
        oy = static_cast<float>(tuv::floatVersInt(origineY));
    s.setOrigine(ox, oy);
}

void CPersoDef::copierCreationIA(CPerso& p) const
{
    p.bVieVisible = bVieVisible;
    p.distancePatrouille = patrouille;
    p.bChuteVaisseauMort = bChuteVaisseauMort;
    std::copy(animations + ANIM_ARRET, animations + ANIM_ARRET + 10, p.animArret);
    std::copy(animations + ANIM_MARCHE, animations + ANIM_MARCHE + 10, p.animMarche);
    for (int k = 0; k < 6; ++k) {
        p.animSautAsc[ENTREES_SAUT[k]] = animations[ANIM_SAUT_ASC + k];
        p.animSautDsc[ENTREES_SAUT[k]] = animations[ANIM_SAUT_DSC + k];
    }
    p.animSautReception = animations[ANIM_RECEPTION];
    p.animSautReceptionArme = animations[ANIM_RECEPTION_ARME];
    p.animAction = animations[ANIM_ACTION];
    p.animTouche = animations[ANIM_TOUCHE];
    p.animMort = animations[ANIM_MORT];
    if (p.sprite && !p.sprite->bAnime && p.sprite->pDEC)
        remplacerAnimationsAbsentes(p, *p.sprite->pDEC);
    if (p.sprite) {
        ajouterOvers(*p.sprite);
        // The sheet faces one way; a character facing the other is drawn mirrored.
        if (p.direction != directionPlanche) {
            p.sprite->flipH = -p.sprite->flipH;
            p.sprite->setScale(p.sprite->getSX(), p.sprite->getSY());
        }
        // A layered sprite is drawn by its mirror, which every turn sets from the facing: the
        // character shows its facing from the start, and a restart turning it gives the same.
        p.sprite->miroir = p.direction == 1 ? -1 : 1;
    }
    lierExplosion(p);
    p.bSupprimerMort = bSupprimerMort != 0;
    copierEmetteurs(p);
}

void CPersoDef::ajouterOvers(CSPRITE& s) const
{
    for (const Over& o : overs)
        s.Over(o.nom, o.fichier, o.parametre, static_cast<float>(o.x), static_cast<float>(o.y), o.sx, o.sy, o.rotation,
               o.bFlag);
}

void CPersoDef::lierExplosion(CPerso& p) const
{
    CDEC* banque = banqueExplosion(explosion);
    if (!banque || !p.spriteBouclier)
        return;
    CSPRITE& s = *p.spriteBouclier;
    s.pDEC = banque;
    const CSetTextures* a = banque->trouverAnim(0);
    s.setOrigine(a ? static_cast<float>(a->largeur / 2) : 0.0f, a ? static_cast<float>(a->hauteur / 2) : 0.0f);
    s.setScale(echelleExplosionX, echelleExplosionY);
}

void CPersoDef::copierEmetteurs(CPerso& p) const
{
    const std::unique_ptr<CParticules>* sources[4] = {&particuleTouche, &particuleMort, &particuleFin, &particuleLien};
    CParticules** cibles[4] = {&p.particuleTouche, &p.particuleMort, &p.particuleFin, &p.particuleLien};
    for (int i = 0; i < 4; ++i) {
        if (!*sources[i])
            continue;
        auto* copie = new CParticules(**sources[i]);
        copie->bAttache = true;
        copie->pElementAttache = p.sprite;
        delete *cibles[i];
        *cibles[i] = copie;
    }
}
