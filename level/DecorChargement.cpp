// What a level load needs of the world: the level-wide settings back to their defaults, and
// the freeing of the model maps ("FREE_TEXTURE_MEM") without freeing a bank under a sprite.
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/SpriteSimple.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/FondImage.h"

#include <algorithm>
#include <iterator>

namespace {

bool persoUtilise(const CPerso* p, const CDEC* banque, int profondeur = 0)
{
    if (!p || profondeur > 64)
        return false;
    if ((p->sprite && p->sprite->pDEC == banque) || (p->spriteBouclier && p->spriteBouclier->pDEC == banque) ||
        (p->spriteSimple && p->spriteSimple->pDEC == banque))
        return true;
    for (const CPerso* e : p->enfants)
        if (persoUtilise(e, banque, profondeur + 1))
            return true;
    return false;
}

bool mondeUtilise(const CDecor* d, const CDEC* banque)
{
    if (!d)
        return false;
    for (const CCalqueSD* plan : d->pPlans)
        for (const CSPRITE* sd : plan->sprites)
            if (sd && sd->pDEC == banque)
                return true;
    for (const auto* liste : {&d->persos, &d->ias})
        for (const CPerso* p : *liste)
            if (persoUtilise(p, banque))
                return true;
    return false;
}

} // namespace

bool CDecor::banqueUtilisee(const CDEC* banque)
{
    const MondeJeu* jeu = faceJeu::monde();
    if (!jeu)
        return false;
    if (mondeUtilise(jeu->pdecorMenu, banque) || mondeUtilise(jeu->pdecorJeu, banque) ||
        (jeu->pdecor != jeu->pdecorMenu && jeu->pdecor != jeu->pdecorJeu && mondeUtilise(jeu->pdecor, banque)))
        return true;
    for (const auto* liste : {&jeu->persosPrecharges, &jeu->iasPrechargees})
        for (const CPerso* p : *liste)
            if (persoUtilise(p, banque))
                return true;
    return persoUtilise(jeu->pPersoDefaut, banque);
}

void CDecor::retirerModeles()
{
    for (auto* modeles : {&modelesPersos, &modelesDEC}) {
        for (auto& [nom, banque] : *modeles)
            if (banque)
                definitionsRetirees.emplace_back(banque);
        modeles->clear();
    }
    libererDefinitionsRetirees();
}

void CDecor::retirerModele(std::map<std::string, CDEC*>& modeles, const std::string& nom)
{
    const auto it = modeles.find(nom);
    if (it == modeles.end())
        return;
    if (it->second)
        definitionsRetirees.emplace_back(it->second);
    modeles.erase(it);
}

void CDecor::libererDefinitionsRetirees()
{
    // A bank's own model character may point at a bank retired with it: those go together.
    definitionsRetirees.erase(std::remove_if(definitionsRetirees.begin(), definitionsRetirees.end(),
                                             [this](const std::unique_ptr<CDEC>& b) {
                                                 return !banqueUtilisee(b.get()) && !mondeUtilise(this, b.get());
                                             }),
                              definitionsRetirees.end());
}

void CDecor::reinitialiserReglages()
{
    nomNiveau.clear();
    numNiveau = 1;
    tailleJeuX = 1280;
    tailleJeuY = 720;
    scrollVue = 1;
    vitesseScrollVue = 18;
    zoomVue = 1.0f;
    for (auto& facteurs : scrollPlans)
        facteurs[0] = facteurs[1] = 0;
    zone[0] = zone[1] = 100;
    zone[2] = zone[3] = 500;
    bZone = false;
    typeJeu = 0;
    chrono = chronoRef = 0;
    std::fill(std::begin(etoiles), std::end(etoiles), 0);
    bCarte = false;
    couleurFond = sf::Color(0, 0, 64, 128);
    bCouleurFond = true;
    strImageChargement.clear();
    bMusiqueBoucle = bMusiqueAmbianceBoucle = true;
    strPoussierePas = "./effets/poussiere.dec";
    strTracePas = "./effets/pasdunes.png";
    for (CCalqueSD* plan : pPlans)
        plan->rayonFlou = 0;
    // In place: the level dialog may hold pointers to the background's fields.
    CFondImage& fond = *pFondImage;
    fond.strFichierFond.clear();
    fond.pSprite.reset();
    fond.pTexture.reset();
    fond.pImage.reset();
    fond.largeur = fond.hauteur = 0;
    fond.x0 = fond.y0 = 0;
    fond.s = 1.0f;
    fond.shader_blur_radius = 0.0f;
    libererEffetsMeteo();
    const MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !jeu->pdecorJeu || jeu->pdecorJeu == this)
        scalePersosX = scalePersosY = 1.0f;
}
