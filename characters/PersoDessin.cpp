// The per-frame look of a character: its look counters (aim frame, reload, hit timer, shield),
// then, in a fixed order, shadow, overs, weapon images, children, body, death and status
// animations, shield, masks, editor overlay, life bar, icons, blink ring and messages.
#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/SpriteSimple.h"
#include "core/Texte.h"
#include "level/Creusement.h"
#include "level/Decor.h"
#include "level/Vue.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>

namespace {

using namespace EtatPerso;

constexpr int TYPE_AVENTURE = 0;
constexpr int NB_TIRS_RECUL = 5;      // a plain sprite firing its fifth shot shifts for a frame
constexpr float ENFONCEMENT_MARGE = 10;
constexpr float RAYON_CLIGNOTEMENT = 5;
constexpr int POINTS_CLIGNOTEMENT = 30;
constexpr float ICONE_AU_DESSUS = 50;
constexpr int EPAISSEUR_LIEN = 6;
constexpr float FONDU_LIEN = 40;
constexpr int LIMITE_PORTEURS = 16;  // carriers looked at above a character, as a guard against a loop

// An animation drawn with its top-left corner (its global origin left out) at (x, y), then
// advanced one step.
void dessinerDepuisCoin(CSPRITE3& a, sf::RenderTarget& cible, float x, float y, float echelle)
{
    // A built-in animation as read from its file has no animation chosen yet.
    if (a.getAnimation() < 0 && a.getNbAnimations() > 0) {
        a.setAnimation(0, 0, true);
        a.play();
    }
    const sf::Vector2f o = a.getOrigineGlobaleCourante();
    const float px = x + o.x * echelle, py = y + o.y * echelle;
    a.dessiner(&cible, 0, 0, 0, nullptr, echelle, px, py, -1);
    a.update(nullptr, echelle, px, py, -1);
}

float arrondi(float v) { return std::round(v); }

} // namespace

SlotArme* CPerso::slotCourant() const
{
    return armeCourante >= 0 && armeCourante < nbSlots() ? armes[static_cast<size_t>(armeCourante)] : nullptr;
}

int CPerso::codeDessin() const
{
    if (bDel)
        return 10;
    if (!sprite || !(sprite->bAnime || sprite->pDEC))
        return 0;
    if (!sprite->estVisible())
        return 9;
    const MondeJeu* jeu = faceJeu::monde();
    const CVue* vue = jeu ? jeu->pvue : nullptr;
    if (modeIA != -1 && vue && vue->sx > 0 && vue->sy > 0) {
        // The camera's rectangle widened by half of it on each side.
        const sf::FloatRect large(vue->x + vue->cx - vue->sx / 2, vue->y + vue->cy - vue->sy / 2, vue->sx * 2,
                                  vue->sy * 2);
        if (!large.contains(sprite->x, sprite->y))
            return 8;
    }
    return 1;
}

int CPerso::dessiner(sf::RenderTarget& cible)
{
    const int code = codeDessin();
    if (code != 1)
        return code;
    majVisee();
    rechargerArmes();
    testRebond();
    dessinerLienCamera(cible);
    if (tempsTeleportation > 0)
        tempsTeleportation -= 1;
    // The recoil of a plain sprite's burst shows for this frame only.
    float recul = 0;
    if (!sprite->bAnime && nbTirs == NB_TIRS_RECUL)
        recul = static_cast<float>(direction == 0 ? distanceRecul : -distanceRecul);
    sprite->x += recul;
    majTouche();
    const int coupe = dessinerOmbreEtEnfoncement();
    sprite->afficherOvers(cible, 0);
    dessinerCorps(cible, coupe);
    dessinerMortOuMunitions(cible);
    dessinerArme(cible, 1);
    sprite->x -= recul;
    nbTirs = 0;
    dessinerBouclier(cible);
    dessinerMasque(cible);
    dessinerDessus(cible);
    return 1;
}

// Steps after the body: what is drawn over the character, and the editor's views.
void CPerso::dessinerDessus(sf::RenderTarget& cible)
{
    const PartieJeu* jeu = faceJeu::partie();
    const bool editeur = jeu && jeu->mode == 2;
    if (editeur && bOverlayEditeur)
        dessinerOverlayEditeur(cible);
    dessinerBarreVie(cible);
    sprite->afficherOvers(cible, 1);
    dessinerIcone(cible);
    dessinerClignotement(cible);
    dessinerMessages(cible);
    if (editeur)
        dessinerCheminEditeur(cible);
    afficherConsole();
}

// The aim frame of a layered sprite: the angle of the aim, folded to one side.
void CPerso::majVisee()
{
    // Without aim (-1) the facing stays the one the movement chose.
    if (!sprite->bAnime || mode == MORT || angleVisee < 0)
        return;
    sprite->miroir = angleVisee < 180 ? 1 : -1;
    if (angleVisee > 180)
        angleVisee = 360 - angleVisee;
    const int a = sprite->getAnimation();
    if (sprite->isVisee(a))
        sprite->setFrame(a, tuv::floatVersInt(arrondi(angleVisee)));
}

// Slots that refill by themselves gain one unit every rechargeAuto + 1 frames at 30 fps.
void CPerso::rechargerArmes()
{
    const MondeJeu* jeu = faceJeu::monde();
    const CArmes* liste = jeu ? jeu->parmes : nullptr;
    if (!liste)
        return;
    for (SlotArme* s : armes) {
        if (!s || s->rechargeAuto < 0 || s->numero < 0 || s->numero >= liste->nbArmes)
            continue;
        const CArme* arme = liste->arme(s->numero);
        if (!arme || s->munitions >= arme->munitions)
            continue;
        if (s->etatSlot < 1) {
            const int periode = std::min(s->rechargeAuto, LIMITE_COMPTE) + 1;
            s->etatSlot = imagesAuTaux(static_cast<float>(periode)) - 1;
            ++s->munitions;
        } else {
            --s->etatSlot;
        }
    }
}

// The adventure player is joined to the camera's shader point.
void CPerso::dessinerLienCamera(sf::RenderTarget& cible)
{
    const MondeJeu* jeu = faceJeu::monde();
    if (modeIA != -1 || bVaisseau || !jeu || faceJeu::partie()->typeJeu != TYPE_AVENTURE || !jeu->pvue)
        return;
    const float* p = jeu->pvue->pointShader;
    const float demiTete = arrondi(static_cast<float>(posTete[0]) * sprite->getSY() * 0.5f);
    const float ax = sprite->x, ay = mode == MORT ? sprite->y : sprite->y - demiTete;
    const auto alpha = static_cast<sf::Uint8>(std::clamp(tuv::floatVersInt(arrondi(p[2] / FONDU_LIEN)), 0, 255));
    const bool rouge = static_cast<float>(tuv::floatVersInt(p[3])) < p[2];
    const sf::Color remplissage = rouge ? sf::Color(255, 0, 0, alpha) : sf::Color(255, 255, 255, alpha);
    const sf::Color contour = rouge ? sf::Color(200, 0, 0, alpha) : sf::Color(200, 200, 200, alpha);
    appliquerShader(cible, ax, ay, p[0], p[1] - demiTete, remplissage, contour, EPAISSEUR_LIEN, true);
}

// The shadow, and for a plain sprite standing in a dig hole the height of its image that
// stays above the hole's bottom (-1: the whole image).
int CPerso::dessinerOmbreEtEnfoncement()
{
    int coupe = -1;
    if (!sprite->bAnime) {
        const MondeJeu* jeu = faceJeu::monde();
        const CDecor* d = jeu ? jeu->pdecor : nullptr;
        const float sy = sprite->getSY();
        const CCreusement* trou =
            d && !bVaisseau ? d->getCreusement(nullptr, tuv::floatVersInt(sprite->x),
                                               tuv::floatVersInt(sprite->y - static_cast<float>(posPieds)))
                            : nullptr;
        if (trou && sy > 0) {
            const float haut = arrondi(sprite->y - static_cast<float>(sprite->getHauteurPx()) * sy);
            const float bas = static_cast<float>(trou->rectY + trou->profondeur);
            coupe = std::max(0, tuv::floatVersInt((bas - haut) / sy + ENFONCEMENT_MARGE));
        }
        if (ombrePortee())
            dessinerOmbreSprite();
    } else if (ombrePortee()) {
        dessinerOmbre();
    }
    return coupe;
}

// A piece a character carries (a cannon's gun on its base's turret) stands on its carrier, and
// its own shadow, sought on the decor below, would lie on the ground through the carrier: it
// casts one only when its carrier does.
bool CPerso::ombrePortee() const
{
    const CPerso* p = this;
    for (int i = 0; p && i <= LIMITE_PORTEURS; ++i, p = p->porteur.get())
        if (!p->bOmbre)
            return false;
    return p == nullptr;
}

// The weapon image behind (couche 0) or in front (1): frame 0 of the bank's animation
// premierSprite + the sprite's animation, placed like the sprite.
void CPerso::dessinerArme(sf::RenderTarget& cible, int couche)
{
    const SlotArme* s = slotCourant();
    if (!s || s->premierSprite[couche] < 0 || !sprite->pDEC)
        return;
    const sf::Texture* t = sprite->getTexture(s->premierSprite[couche] + sprite->getNumAnim(), 0);
    if (!t)
        return;
    image.setTexture(*t, true);
    image.setOrigin(sprite->ox, sprite->oy);
    image.setPosition(sprite->x, sprite->y);
    image.setRotation(sprite->getAngleTotal());
    image.setScale(sprite->getSX() * static_cast<float>(sprite->flipH),
                   sprite->getSY() * static_cast<float>(sprite->flipV));
    cible.draw(image);
}

void CPerso::dessinerEnfants(sf::RenderTarget& cible, bool plan)
{
    const size_t nb = std::min(enfants.size(), static_cast<size_t>(std::max(0, nbEnfants)));
    for (size_t i = 0; i < nb; ++i)
        if (enfants[i])
            enfants[i]->dessinerSiPlan(cible, plan);
}

void CPerso::dessinerCorps(sf::RenderTarget& cible, int coupe)
{
    CSPRITE3& s = *sprite;
    if (!s.bAnime) {
        dessinerArme(cible, 0);
        dessinerEnfants(cible, false);
        if (coupe < 0) {
            s.dessinerImage(cible, 0, 0);
        } else {
            // Sinking into a hole: only the top of the image shows.
            sf::Sprite image = s.getSprite();
            const sf::IntRect r = image.getTextureRect();
            image.setTextureRect(sf::IntRect(r.left, r.top, r.width, std::min(r.height, coupe)));
            cible.draw(image);
        }
        dessinerEnfants(cible, true);
        return;
    }
    if (bParalyse) {
        const int a = animationEtat(s, "PARALYSE");
        if (s.getAnimation() != a)
            s.setAnimation(a, 0, true);
    }
    s.dessiner(&cible, 0, 0, 0, nullptr, s.getSX(), s.x, s.y, -1);
    s.update(nullptr, s.getSX(), s.x, s.y, -1);
    if (bCoup)
        coup(0, 0);
}

// A dead character burns or lets its spirit go; a living one with an empty weapon shows the
// rabbit.
void CPerso::dessinerMortOuMunitions(sf::RenderTarget& cible)
{
    MondeJeu* jeu = faceJeu::monde();
    if (!jeu)
        return;
    const float sx = sprite->getSX(), sy = sprite->getSY();
    if (mode == MORT) {
        if (derniereArme == "ARME 1") {
            if (jeu->pAnimFeu) {
                const sf::Vector2f o =
                    sprite->bAnime ? sprite->getOrigineGlobaleCourante() : sf::Vector2f(sprite->ox, sprite->oy);
                dessinerDepuisCoin(*jeu->pAnimFeu, cible, arrondi(sprite->x - o.x * sx),
                                   arrondi(sprite->y - o.y * sy), sx);
            }
        } else if (modeIA == -1 && spriteEsprit && spriteEsprit->getNbBoucles(spriteEsprit->getAnimation()) == 0) {
            dessinerDepuisCoin(*spriteEsprit, cible, spriteEsprit->x, spriteEsprit->y, sx);
        }
        return;
    }
    const SlotArme* s = slotCourant();
    if (s && s->munitions == 0 && jeu->pAnimLapin) {
        const sf::Vector2f o = jeu->pAnimLapin->getOrigineGlobaleCourante();
        dessinerDepuisCoin(*jeu->pAnimLapin, cible, arrondi(sprite->x - o.x * sx), arrondi(sprite->y - o.y * sy), 1);
    }
}

void CPerso::dessinerBouclier(sf::RenderTarget& cible)
{
    if (!bBouclier || !bBouclierActif || bMortLancee)
        return;
    // The drain is per second: half as much per frame at 60 fps.
    reserveBouclier -= usureBouclier * coefficientTemps();
    if (reserveBouclier <= 0) {
        reserveBouclier = 0;
        bBouclierActif = false;
    }
    if (!spriteSimple)
        return;
    spriteSimple->placer(tuv::floatVersInt(sprite->x), tuv::floatVersInt(sprite->y));
    spriteSimple->dessiner(cible);
}

// The editor's mask view: the collision mask of the current frame, placed like the sprite.
void CPerso::dessinerMasque(sf::RenderTarget& cible)
{
    const MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !jeu->pdecor || !jeu->pdecor->bMasques || !sprite->pDEC)
        return;
    const sf::Image* masque = sprite->getMasque(sprite->getNumAnim(), sprite->numFrame);
    sf::Texture texture;
    if (!masque || !texture.loadFromImage(*masque))
        return;
    sf::Sprite s(texture);
    s.setOrigin(sprite->ox, sprite->oy);
    s.setPosition(sprite->x, sprite->y);
    s.setRotation(sprite->getAngleTotal());
    s.setScale(sprite->getSX() * static_cast<float>(sprite->flipH), sprite->getSY() * static_cast<float>(sprite->flipV));
    cible.draw(s);
}

void CPerso::dessinerIcone(sf::RenderTarget& cible)
{
    const AffichageJeu* jeu = faceJeu::affichage();
    if (!jeu || mode == MORT)
        return;
    CSPRITE_SIMPLE* icone = bInversionGD ? jeu->iconeInverse : bPasdesaut ? jeu->iconeSansSaut : nullptr;
    if (!icone || !icone->getSprite())
        return;
    const float y = sprite->y - static_cast<float>(posTete[0]) * sprite->getSY() - ICONE_AU_DESSUS;
    if (icone->getSprite()->getNumAnim() != 0)
        icone->getSprite()->setAnim(0);
    icone->placer(tuv::floatVersInt(sprite->x), tuv::floatVersInt(y));
    icone->dessiner(cible);
}

void CPerso::dessinerClignotement(sf::RenderTarget& cible)
{
    if (compteurClignote <= 0)
        return;
    --compteurClignote;
    // The ring shrinks as fast per second at 60 fps as at 30.
    const float rayon = RAYON_CLIGNOTEMENT * static_cast<float>(compteurClignote) * coefficientTemps();
    sf::CircleShape cercle(rayon, POINTS_CLIGNOTEMENT);
    cercle.setOrigin(rayon, rayon);
    cercle.setPosition(sprite->x, sprite->y - static_cast<float>(posTete[0]) * sprite->getSY());
    cercle.setFillColor(numJoueur == 0   ? sf::Color(255, 0, 0, 70)
                        : numJoueur == 1 ? sf::Color(0, 0, 255, 70)
                                         : sf::Color::White);
    cible.draw(cercle);
}
