// A character's state and the animation it plays for it.
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Services.h"
#include "core/Texte.h"

#include <algorithm>

namespace {

constexpr int PREMIERE_FRAME = 0;
constexpr int FRAME_GARDEE = -1;
constexpr int ANIM_FIXE = 44;
constexpr int DUREE_CLIGNOTEMENT = 30;  // frames at 30 per second

struct AnimEtat {
    const char* nom;  // null: the state plays nothing
    int frame;
};

// The animation of each state, by its number.
const AnimEtat ANIMS_ETATS[EtatPerso::NB_ETATS] = {
    {"ARRET_VISEE", FRAME_GARDEE},          {"MARCHE_VISEE", FRAME_GARDEE},
    {"BAISSE", PREMIERE_FRAME},             {"BAISSE_MARCHE_VISEE", PREMIERE_FRAME},
    {"ARRET_BAISSE_VISEE", FRAME_GARDEE},   {"SAUT_MONTE", FRAME_GARDEE},
    {"CHUTE", FRAME_GARDEE},                {"CHUTE", FRAME_GARDEE},
    {nullptr, FRAME_GARDEE},                {"TOUCHE", PREMIERE_FRAME},
    {"SAUT_RECEPTION", PREMIERE_FRAME},     {"SAUT_RECEPTION", PREMIERE_FRAME},
    {nullptr, PREMIERE_FRAME},              {"ACTION", PREMIERE_FRAME},
    {"DASH", FRAME_GARDEE},                 {nullptr, FRAME_GARDEE},
    {nullptr, FRAME_GARDEE},                {"PARALYSE", PREMIERE_FRAME},
    {"VICTOIRE", PREMIERE_FRAME},           {nullptr, FRAME_GARDEE},
};

void jouer(CSPRITE3& s, const std::string& nom, int frame, bool restart)
{
    s.setAnimation(animationEtat(s, nom), frame, restart);
}

bool estExplosive(const std::string& arme) { return arme == "ARME 4" || arme == "ARME 9" || arme == "ARME 10"; }

// The death overlay that the killing weapon leaves on the body; "" for none.
std::string surimpressionMort(const std::string& arme, bool bTete)
{
    if (arme == "ARME 8")
        return bTete ? "mort_fleche_tete" : "mort_fleche";
    if (arme == "ARME 6")
        return "mort_piques";
    if (arme == "ARME 1")
        return "mort_feu";
    return "";
}

} // namespace

int animationEtat(CSPRITE3& s, const std::string& nom)
{
    const int a = s.etats[nom];
    return a < 0 ? 0 : a;
}

int CPerso::setEtat(int etat)
{
    if (mode == EtatPerso::MORT)
        return 0;
    // Alive (a revival leaves the death state first, then takes a state): its keys run again.
    if (sprite)
        sprite->bScriptsKeyframesSuspendus = false;
    if (!sprite || !sprite->bAnime) {
        mode = etat;
        if (sprite)
            sprite->nbanimtotale = 0;
        return 1;
    }
    CSPRITE3& s = *sprite;
    // A melee blow plays on through walking, jumping and crouching; only a hit, death,
    // paralysis or victory replaces it.
    if (bCoup && etat != EtatPerso::TOUCHE && etat != EtatPerso::MORT && etat != EtatPerso::PARALYSE &&
        etat != EtatPerso::VICTOIRE) {
        jouer(s, "COUP_0", FRAME_GARDEE, false);
        s.play();
        mode = etat;
        s.nbanimtotale = 0;
        return 1;
    }
    visee = 0;
    if (etat == EtatPerso::MORT) {
        static const char* const MORTS[3] = {"MORT", "MORT_2", "MORT_4"};
        jouer(s, estExplosive(derniereArme) ? "MORT_5_EXPLO" : MORTS[tuv::rand() % 3], PREMIERE_FRAME, true);
        const std::string surimpression = surimpressionMort(derniereArme, bToucheTete);
        if (!surimpression.empty())
            s.appliquerAnimElems(s.getAnimation(), surimpression, true, true);
    } else if (etat >= 0 && etat < EtatPerso::NB_ETATS && ANIMS_ETATS[etat].nom) {
        jouer(s, ANIMS_ETATS[etat].nom, ANIMS_ETATS[etat].frame, true);
    }
    if (!s.getAnim(s.getAnimation()))
        jouer(s, "ARRET_VISEE", FRAME_GARDEE, true);
    s.play();
    if (s.getAnim(s.getAnimation())) {
        posTete[0] = posTete[1] = tuv::floatVersInt(s.getRectHitbox(s.getAnimation()).height);
        posPieds = 0;
    }
    mode = etat;
    s.nbanimtotale = 0;
    return 1;
}

void CPerso::setDirection(int d)
{
    if (mode == EtatPerso::MORT || !sprite)
        return;
    tourner(d);
}

void CPerso::setAnimation(int numero, float dx, float dy)
{
    // Every movement step ends here: a character without children only moves its sprite.
    if (nbEnfants > 0 && !enfants.empty()) {
        animerAvecEnfants(numero, dx, dy);
        return;
    }
    if (sprite)
        sprite->deplacerAnime(sprite->bAnime ? -1 : numero, dx, dy, bMortTerminee ? 0 : 1);
}

void CPerso::animerAvecEnfants(int numero, float dx, float dy)
{
    // Numbered animations are the image bank's: a layered sprite plays the animation its
    // state chose by name and only moves.
    if (sprite)
        sprite->deplacerAnime(sprite->bAnime ? -1 : numero, dx, dy, bMortTerminee ? 0 : 1);
    const size_t nb = std::min(enfants.size(), static_cast<size_t>(std::max(0, nbEnfants)));
    for (size_t i = 0; i < nb; ++i)
        if (enfants[i])
            enfants[i]->setAnimation(numero, dx, dy);
}

void CPerso::setAnimationFixe() { setAnimation(ANIM_FIXE, 0, 0); }

void CPerso::animerTouche()
{
    const bool joueur = modeIA == -1;
    // The blink lasts as long at 60 frames per second as at 30.
    if (joueur)
        compteurClignote = imagesAuTaux(DUREE_CLIGNOTEMENT);
    setAnimation(animTouche, 0, 0);
    if (PartieJeu* partie = joueur ? faceJeu::partie() : nullptr)
        partie->bSansFaute = false;
    if (bTourelle) {
        bTourelle = false;
        if (CPerso* lie = tourelle)
            lie->tourelle = nullptr;
        tourelle = nullptr;
    }
}

std::string CPerso::getNomAnimation() const
{
    if (!sprite)
        return "";
    const CSPRITE3_ANIMATION* a = sprite->getAnim(sprite->getAnimation());
    return a ? a->nom : "";
}

bool CPerso::estVisible() const { return sprite && sprite->estVisible(); }
