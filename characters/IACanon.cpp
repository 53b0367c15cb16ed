// The rotating cannon (AI type 421): a child character on a base whose animation 0 turns it
// from the left side (frame 0) to the right side (frame 7). It watches the side it covers,
// aims and blasts; a player crossing to the other side makes the base turn, the cannon hidden
// meanwhile.
#include "characters/IABehaviours.h"

#include "characters/IAOutils.h"
#include "level/Decor.h"

namespace {

using namespace EtatPerso;

constexpr int DERNIERE_FRAME_TOUR = 7;  // the base's animation 0 turns over frames 0 to 7
constexpr float DECALAGE_DROITE = 270;  // the cannon stands this far right on the right side
constexpr int DISTANCE_MINIMUM = 299;   // a player this near is neither aimed at nor turned to
constexpr float ANGLE_GAUCHE_MIN = 220, ANGLE_GAUCHE_MAX = 320;
constexpr float ANGLE_DROITE_MIN = 40, ANGLE_DROITE_MAX = 140;
constexpr int VISEE_LIBRE = 6;
constexpr int CADENCE_CANON = 90;       // frames at 30 per second between two blasts
constexpr int RECUL_BASE = 10;
constexpr int TIRS_RECUL = 5;           // the base is drawn kicked while its shot count is 5
constexpr float SOUFFLE_DX = -300, SOUFFLE_DY = 200;
const char* const SON_TOURELLE = "TOURELLE";

// The base's last turning frame: 7, or the last frame of a shorter animation.
int derniereFrame(const CPerso& base)
{
    return std::clamp(ia::nbFrames(*base.sprite, 0) - 1, 0, DERNIERE_FRAME_TOUR);
}

void reinitialiser(CPerso& canon)
{
    canon.sprite->setRotation(0);
    canon.visee = -1;
    canon.compteurCadence = 0;
}

void auRepos(CPerso& canon)
{
    canon.sprite->setRotation(0);
    canon.visee = -1;
}

// The cannon at the end of a turn: shown, covering the side the base turned to, at its start on
// the left side and 270 px further right on the right one.
void montrerDuCote(CPerso& canon, int cote)
{
    CSPRITE3& s = *canon.sprite;
    canon.setDirection(cote);
    s.setVisible(true);
    s.x = cote == 0 ? s.x0 : s.x0 + DECALAGE_DROITE;
    s.y = s.y0;
}

void jouerTourelle()
{
    if (ServicesJeu* j = faceJeu::services())
        j->jouerSon(SON_TOURELLE);
}

} // namespace

void CIABehaviours::canonRotatif(CPerso& canon)
{
    if (!canon.sprite)
        return;
    if (canon.mode == MORT) {
        canon.animMort = 0;
        canon.mourir();
        return;
    }
    if (canon.mode == TOUCHE) {
        canon.animTouche = 0;
        canon.animerTouche();
    }
    CPerso* base = canon.porteur;
    if (!base || !base->sprite)
        return;
    if (canonTourne(canon, *base))
        return;
    if (canon.compteurDetection < 1) {
        canonDetection(canon);
        return;
    }
    // Between detections the cannon keeps what the last one found.
    if (canon.compteurAlerte <= 0)
        reinitialiser(canon);
    else if (!canon.pPersoDetecte)
        auRepos(canon);
    else
        canonViser(canon, *base);
}

// While the base turns the cannon is hidden; at either end it shows again on its new side.
bool CIABehaviours::canonTourne(CPerso& canon, CPerso& base)
{
    const int derniere = derniereFrame(base);
    const int f = ia::frame(*base.sprite);
    if (f < 1 || f > derniere - 1) {
        // A hit on the base plays its animation 0 too, and may carry it to an end between two
        // steps of the turn: the turn is over all the same. Left hidden, the cannon stayed
        // unseen, with its life bar, until another hit turned the base again.
        if (!canon.sprite->bVisible && (f == 0 || f == derniere)) {
            montrerDuCote(canon, f == 0 ? 0 : 1);
            reinitialiser(canon);
        }
        return false;
    }
    canon.sprite->setVisible(false);
    if (canon.direction == 0)
        jouerAnimVers(&base, 0, 0, derniere);
    else
        jouerAnimVers(&base, 0, derniere, 0);
    const int g = ia::frame(*base.sprite);
    if (g == 0 || g == derniere)
        montrerDuCote(canon, g == 0 ? 0 : 1);
    reinitialiser(canon);
    return true;
}


void CIABehaviours::canonDetection(CPerso& canon)
{
    // The detection turns the character toward the player; the cannon keeps its side.
    const int direction = canon.direction;
    canon.pPersoDetecte = detecterPerso(&canon);
    canon.setDirection(direction);
    if (canon.pPersoDetecte) {
        canon.compteurAlerte = dureeAlerte;
        if (CPerso* base = canon.porteur)
            canonViser(canon, *base);
        return;
    }
    if (canon.compteurAlerte > 0) {
        --canon.compteurAlerte;
        if (canon.compteurAlerte == 0)
            reinitialiser(canon);
        else
            auRepos(canon);
    } else {
        reinitialiser(canon);
    }
}

void CIABehaviours::canonViser(CPerso& canon, CPerso& base)
{
    if (distanceDetection <= DISTANCE_MINIMUM)
        return;
    const float a = canon.angleVisee;
    const int derniere = derniereFrame(base);
    const bool gauche = ANGLE_GAUCHE_MIN < a && a < ANGLE_GAUCHE_MAX;
    const bool droite = ANGLE_DROITE_MIN < a && a < ANGLE_DROITE_MAX;
    if (!gauche && !droite) {
        auRepos(canon);
        return;
    }
    const int cote = gauche ? 0 : 1;
    if (canon.direction != cote) {
        // The player crossed to the other side: the base starts its turn.
        if (cote == 0)
            jouerAnimVers(&base, 0, derniere, 0);
        else
            jouerAnimVers(&base, 0, 0, derniere);
        jouerTourelle();
        return;
    }
    canon.sprite->setRotation(gauche ? a + 90 : a - 90);
    canon.visee = VISEE_LIBRE;
    if (--canon.compteurCadence <= 0)
        canonTirer(canon, base);
}

// The blast: no shot of the weapon list, an effect of the level below the base, which is
// drawn kicked back.
void CIABehaviours::canonTirer(CPerso& canon, CPerso& base)
{
    if (SlotArme* s = canon.slotCourant())
        s->munitions = -1;
    base.distanceRecul = canon.direction == 0 ? RECUL_BASE : -RECUL_BASE;
    base.nbTirs = TIRS_RECUL;
    canon.compteurCadence = ia::frames(CADENCE_CANON);
    if (CDecor* d = ia::decor())
        d->ajouterEffet(base.sprite->x + SOUFFLE_DX, base.sprite->y + SOUFFLE_DY, 2 * base.sprite->sx,
                        2 * base.sprite->sx);
}
