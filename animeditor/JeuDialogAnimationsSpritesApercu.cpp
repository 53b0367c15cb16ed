// The preview (tab 2): the sprite plays as the first player's character would, its animation
// chosen each frame from the player's input and its state names. The animation list shows in
// green the one that plays; its selection stays the author's, which the page's fields edit.
#include "animeditor/Ciseaux.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlList.h"
#include "gui/OutilsControles.h"
#include "gui/plux_theme.h"

#include <algorithm>

namespace {
// The shadow shrinks as the character rises: by 1 of zoom per 20 of vertical speed.
constexpr float OMBRE_PAR_VITESSE = 20.f;
// The character is drawn this many pixels higher per unit of vertical speed.
constexpr float HAUTEUR_PAR_VITESSE = 34.f;
const sf::Color COULEUR_JOUEE(0, 150, 0);
} // namespace

void CJeuDialogAnimationsSprites::marquerAnimationApercu(int animation)
{
    if (CPLUXControlList* l = ctrlList(IdAnm::myListAnimations))
        for (int ligne = 0; ligne < l->getNbElements(); ++ligne)
            l->setColor(ligne == animation ? COULEUR_JOUEE : plux::couleur::texte, ligne);
}

void CJeuDialogAnimationsSprites::dessinerApercu(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy)
{
    if (!w || !pImageAnimation)
        return;
    CCiseaux ciseaux(*w, CCiseaux::rectangle(*w, *this, *pImageAnimation, ox, oy));
    if (!ciseaux.actif())
        return;
    pSprite->play();
    editeur::cocher(*this, IdAnm::myButtonCheckLectureAnimBoucle, pSprite->bBoucle);
    // The keyboard is the player's unless a text input holds it; without a game, no input.
    ServicesJeu* jeu = faceJeu::services();
    if (jeu)
        jeu->evenements(0, false, !CPLUX::isInput());
    pSprite->updateEtatJoueur(0);
    marquerAnimationApercu(pSprite->getAnimation());

    const sf::Vector2f g = pSprite->getOrigineGlobaleCourante();
    const float v = pSprite->vitesseVerticale;
    const float cx = static_cast<float>(centreVueX), cy = static_cast<float>(centreVueY);
    // High enough, the shadow is gone (a negative size would turn it over).
    const float echelleOmbre = std::max(0.f, zoom - v / OMBRE_PAR_VITESSE);
    ciseaux.suspendre();
    pSprite->dessinerOmbre(w, 0, jeu ? faceJeu::affichage()->pRenderTextureOmbre : nullptr, g.x * zoom, g.y * zoom, pImageAnimation,
                           echelleOmbre, cx, cy, numAnimationMere, 0, sf::Transform::Identity);
    ciseaux.reprendre();
    const int a = pSprite->getAnimation();
    pSprite->dessiner(w, 0, 0, 0, pImageEtats, zoom, cx,
                      static_cast<float>(tuv::floatVersInt(cy - v * HAUTEUR_PAR_VITESSE)), a);
    pSprite->update(pImageEtats, zoom, cx, cy, a);
}
