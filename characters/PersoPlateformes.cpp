// What a character does with the decor sprite under its feet (slides, bounce pads, moving and
// collapsing platforms), digging, its particle emitters, its shadow on the ground, its small
// text, snapshots of the scene around it, and the lookup of a level character by id.
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/Chemin.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/FichierDec.h"
#include "core/Globals.h"
#include "core/Particules.h"
#include "core/Physique.h"
#include "core/Texte.h"
#include "level/Creusement.h"
#include "level/Decor.h"
#include "level/Vue.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>
#include <cmath>

namespace {

const sf::Color TEINTE_OMBRE(0, 0, 0, 100);
constexpr float ROTATION_OMBRE = 165;  // degrees beyond the sprite's own turn
// The layered shadow's ground search: every 10 pixels down to 700, 0.005 smaller per step.
constexpr int OMBRE_PAS = 10, OMBRE_PORTEE = 700;
constexpr float OMBRE_REDUCTION = 0.005f;
// The plain sprite's: every 20 pixels down to 600, 0.0005 smaller per step.
constexpr int OMBRE_SPRITE_PAS = 20, OMBRE_SPRITE_PORTEE = 600;
constexpr float OMBRE_SPRITE_REDUCTION = 0.0005f;
constexpr float OMBRE_HAUTEUR_SONDE = 50;
constexpr float OMBRE_FIXE_DECALAGE = 0.125f;  // a fixed shadow slides this much per pixel of height
constexpr float OMBRE_HAUT_IMAGE = 1.2f;       // a standing plain sprite casts its top 1/1.2 only
// A capture: 140 x 200 pixels around the character.
constexpr int CAPTURE_L = 140, CAPTURE_H = 200;
constexpr float MARGE_PLATEFORME = 5;

float tronque(float v) { return static_cast<float>(tuv::floatVersInt(v)); }

bool particulesActives()
{
    const OptionsJeu* jeu = faceJeu::options();
    return !jeu || jeu->bParticules;
}

} // namespace

bool CPerso::solMeuble(const CSPRITE* sd)
{
    return sd && sd->pDEC && sd->pDEC->pFichierDEC && sd->pDEC->pFichierDEC->pTextureCreuse[0];
}

int getEtatRebond(const CSPRITE* sd)
{
    if (!sd || !sd->bPhysR || !sd->pPhysR || !sd->pPhysR->bActif)
        return 0;
    return sd->pPhysR->etat;
}

CPerso* trouverPersoParId(const std::string& id)
{
    const MondeJeu* jeu = faceJeu::monde();
    return jeu && jeu->pdecor ? jeu->pdecor->iaParId(id) : nullptr;
}

void CPerso::oublierSprite(CSPRITE* sd)
{
    if (support == sd)
        support = nullptr;
    plateformes.remove(sd);
    for (CPerso* enfant : enfants)
        if (enfant)
            enfant->oublierSprite(sd);
}

// ---------------------------------------------------------------- platforms

int CPerso::suivrePlateforme(int x, int y, CSPRITE* plateforme)
{
    if (bDel)
        return 10;
    if (!peutBouger())
        return 0;
    if (!sprite->estVisible())
        return 9;
    if (!plateforme)
        return 0;
    // A slide pushes only while the character stands on it.
    decalagePlateforme = plateforme->bPhysG && plateforme->pPhysG ? plateforme->pPhysG->maj(x, y, plateforme) : 0;
    const CChemin* chemin = plateforme->bPhysC ? plateforme->pChemin : nullptr;
    if (chemin && !bMarche && !chemin->bPause) {
        // Carried only while the space above the feet holds nothing but the platform.
        const float dx = chemin->decalageX, dy = chemin->decalageY;
        const float fx = tronque(sprite->x + dx), fy = tronque(piedsY() + dy);
        CSPRITE* dessus = segment(fx, fy - MARGE_PLATEFORME, fx, tronque(fy - tete(0)));
        if (!dessus || dessus == plateforme)
            setAnimation(-1, dx, dy);
    }
    if (plateforme->bPhysE && plateforme->pPhysE && plateforme->pPhysE->bEnAttente) {
        plateforme->pPhysE->bEnAttente = false;
        plateforme->bChange = true;
    }
    // A bounce pad is listed so that testRebond runs its step for the feet.
    if (plateforme->bPhysR && plateforme->pPhysR &&
        std::find(plateformes.begin(), plateformes.end(), plateforme) == plateformes.end())
        plateformes.push_back(plateforme);
    return 0;
}

int CPerso::creuser()
{
    CDecor* d = decorActif();
    if (!d || !sprite)
        return 0;
    const int x = tuv::floatVersInt(sprite->x);
    const int y = tuv::floatVersInt(sprite->y - static_cast<float>(std::clamp(posPieds, -LIMITE_HAUTEUR, LIMITE_HAUTEUR)));
    if (support && support != d->pSDCreusement) {
        if (solMeuble(support))
            d->ajouterCreusement(support, x, y);
        return 0;
    }
    if (!support && d->pSDCreusement)
        return 0;
    if (CCreusement* trou = d->getCreusement(nullptr, x, y))
        trou->creuser();
    return 0;
}

// ---------------------------------------------------------------- particles and texts

void CPerso::majParticules(sf::RenderTarget* cible)
{
    if (!sprite)
        return;
    const int px = tuv::floatVersInt(sprite->x), py = tuv::floatVersInt(sprite->y);
    if (particulesActives()) {
        const bool bouge = px != dernierePosParticules[0] || py != dernierePosParticules[1];
        for (CParticules* e : {particuleTouche, particuleMort})
            if (e && !e->bFini) {
                if (bouge)
                    e->deplacer(static_cast<float>(px - dernierePosParticules[0]),
                                static_cast<float>(py - dernierePosParticules[1]));
                e->majTout();
            }
        if (particuleFin && !particuleFin->bFini)
            particuleFin->majTout();
        if (cible)
            for (CParticules* e : {particuleTouche, particuleMort, particuleFin, particuleLien})
                if (e && !e->bFini)
                    e->dessiner(*cible);
    }
    dernierePosParticules[0] = px;
    dernierePosParticules[1] = py;
}

void CPerso::afficherTexte(const std::wstring& chaine, int dx, int dy)
{
    sf::RenderTexture* scene = CSFMLJeuGlobal::prenderTexture;
    if (!scene || !sprite)
        return;
    texte.setPosition(sprite->x + static_cast<float>(dx), sprite->y + static_cast<float>(dy));
    texte.setString(chaine);
    scene->draw(texte);
}

void CPerso::prendreCapture()
{
    sf::RenderTexture* scene = CSFMLJeuGlobal::prenderTexture;
    if (!bCaptureDemandee || !scene || !sprite)
        return;
    bCaptureDemandee = false;
    const MondeJeu* jeu = faceJeu::monde();
    const CVue* vue = jeu ? jeu->pvue : nullptr;
    const sf::Vector2u taille = scene->getSize();
    // The view, never beyond the scene texture: nothing is read outside it.
    int largeur = static_cast<int>(taille.x), hauteur = static_cast<int>(taille.y);
    if (vue) {
        largeur = std::min(largeur, tuv::floatVersInt(vue->largeur));
        hauteur = std::min(hauteur, tuv::floatVersInt(vue->hauteur));
    }
    const int l = std::clamp(CAPTURE_L, 0, std::max(0, largeur));
    const int h = std::clamp(CAPTURE_H, 0, std::max(0, hauteur));
    if (l == 0 || h == 0)
        return;
    // Centred on the character where the camera's view puts it in the scene: a rectangle at
    // fixed offsets from its position, in level coordinates, would cut out a piece of
    // scenery without it once the camera has moved, or for a hero smaller than those
    // offsets assume.
    const sf::FloatRect boite = sprite->getBoite();
    const sf::Vector2i centre =
        scene->mapCoordsToPixel({boite.left + boite.width / 2, boite.top + boite.height / 2});
    const int x = std::clamp(centre.x - l / 2, 0, largeur - l);
    const int y = std::clamp(centre.y - h / 2, 0, hauteur - h);
    CapturePerso capture;
    capture.texture.loadFromImage(scene->getTexture().copyToImage(), sf::IntRect(x, y, l, h));
    capture.x = x;
    capture.y = y;
    capture.largeur = l;
    capture.hauteur = h;
    // An eliminated player is shown by its last capture: a few are enough.
    if (captures.size() >= NB_CAPTURES_MAX)
        captures.erase(captures.begin(), captures.end() - (NB_CAPTURES_MAX - 1));
    captures.push_back(std::move(capture));
}

// ---------------------------------------------------------------- shadows

// Looks for the ground below, down to portee: the decor met by a 50-pixel probe every pas
// pixels from y0. Returns the distance to it, -1 when none (or the level's own ground, which
// takes no shadow). The probes hurt nothing.
float CPerso::chercherOmbre(float y0, int pas, int portee)
{
    bNoDegats = drapeau19 = true;
    const float x = sprite->x;
    float trouve = -1;
    for (int d = 0; d <= portee; d += pas) {
        const float y = y0 + static_cast<float>(d);
        if (CSPRITE* sol = segment(x, y, x, y - OMBRE_HAUTEUR_SONDE)) {
            const CDecor* decor = decorActif();
            if (!decor || sol != decor->pSDCreusement)
                trouve = static_cast<float>(d);
            break;
        }
    }
    bNoDegats = drapeau19 = false;
    return trouve;
}

void CPerso::dessinerOmbre()
{
    if (!sprite || !sprite->bAnime)
        return;
    const int a = sprite->getAnimation();
    if (!sprite->hasOmbre(a))
        return;
    sf::RenderTexture* scene = CSFMLJeuGlobal::prenderTexture;
    AffichageJeu* jeu = faceJeu::affichage();
    sf::RenderTexture* rtOmbre = jeu ? jeu->pRenderTextureOmbre : nullptr;
    float y = tronque(sprite->y), echelle = sprite->getSX();
    if (mode >= EtatPerso::BAISSE_MARCHE || bVaisseau) {
        const float y0 = sprite->y - sprite->getOrigineGlobale(a).y * sprite->getSY();
        const float d = chercherOmbre(y0, OMBRE_PAS, OMBRE_PORTEE);
        if (d < 0)
            return;
        y = tronque(y0 + d);
        echelle -= OMBRE_REDUCTION * (d / static_cast<float>(OMBRE_PAS));
    }
    if (!scene || !rtOmbre)
        return;
    const sf::Vector2u t = rtOmbre->getSize();
    sprite->dessinerOmbre(scene, 0, rtOmbre, static_cast<float>(t.x / 2), static_cast<float>(t.y / 2), nullptr,
                          echelle, tronque(sprite->x), y, a, 0, sf::Transform());
}

void CPerso::dessinerOmbreSprite()
{
    sf::RenderTexture* scene = CSFMLJeuGlobal::prenderTexture;
    if (!scene || !sprite || sprite->bAnime)
        return;
    sf::Sprite image = sprite->getSprite();  // a copy: the sprite keeps its own settings
    if (!image.getTexture())
        return;
    image.setColor(TEINTE_OMBRE);
    const float x = sprite->x, y = sprite->y, sx = sprite->getSX(), sy = sprite->getSY();
    const float fh = static_cast<float>(sprite->flipH), fv = static_cast<float>(sprite->flipV);
    const float pieds = static_cast<float>(std::clamp(posPieds, -LIMITE_HAUTEUR, LIMITE_HAUTEUR));
    const float yOmbre = y - (static_cast<float>(correctionY) + pieds) * sy;
    if (!bOmbreDynamique) {
        const float h = std::fabs(y - static_cast<float>(ombreYFixe));
        if (ombreHmax == 0)
            ombreHmax = h;  // the first height met becomes the reference
        const float r = h / std::max(ombreHmax, 1.0f);
        image.setPosition(x + h * OMBRE_FIXE_DECALAGE, static_cast<float>(ombreYFixe));
        image.setRotation(ROTATION_OMBRE);
        image.setScale(-fh * std::max(sx - r, ombreMinScale), fv * std::max(sy - r, ombreMinScale) * ombreEchelle);
    } else if (mode >= EtatPerso::BAISSE_MARCHE || bVaisseau) {
        const float d = chercherOmbre(y - pieds * sy, OMBRE_SPRITE_PAS, OMBRE_SPRITE_PORTEE);
        if (d < 0)
            return;
        const float s = OMBRE_SPRITE_REDUCTION * (d / static_cast<float>(OMBRE_SPRITE_PAS));
        image.setPosition(x, yOmbre + d);
        image.setRotation(sprite->getAngleTotal() + ROTATION_OMBRE);
        image.setScale(-fh * std::max(sx - s, ombreMinScale), fv * std::max(sy - s, ombreMinScale) * ombreEchelle);
    } else {
        if (sprite->flipH == 1) {
            const sf::IntRect r = image.getTextureRect();
            image.setTextureRect(sf::IntRect(0, 0, r.width, tuv::floatVersInt(static_cast<float>(r.height) / OMBRE_HAUT_IMAGE)));
        }
        image.setPosition(x, yOmbre);
        image.setRotation(sprite->getAngleTotal() + ROTATION_OMBRE);
        image.setScale(-fh * sx, fv * sy * ombreEchelle);
    }
    scene->draw(image);
}
