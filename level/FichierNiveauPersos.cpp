// Character and AI lines of a ".niv" file: the players ("PERSO3" from a character file,
// "PERSO" from a preloaded model) with their refinements, and the AIs with theirs.
#include "core/EtatJeu.h"
#include "level/FichierNiveau.h"

#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/SpriteSimple.h"
#include "level/Decor.h"

namespace {

constexpr int FRAME_DEPART_PERSO3 = 90;
// Where the shield's bubble is centred: x on the picture, y from the character's head.
constexpr float BOUCLIER_ORIGINE_X = 83;
constexpr int BOUCLIER_DECALAGE_Y = 115;
constexpr int TYPE_JEU_MULTI = 2;

} // namespace

void CFichierNiveau::enregistrerPersos(TableCles& t)
{
    // "ROTIA" and "VITESSEIA" are written after an AI but never read back: stored levels
    // play without them.
    t.ajouter("ROTIA", &CFichierNiveau::lireNonPrise);
    t.ajouter("VITESSEIA", &CFichierNiveau::lireNonPrise);
    t.ajouter("PERSO3", &CFichierNiveau::lirePerso3);
    t.ajouter("PERSO", &CFichierNiveau::lirePerso);
    t.ajouter("BOUCLIER", &CFichierNiveau::lireBouclier);
    t.ajouter("DIRECTION", &CFichierNiveau::lireDirection);
    t.ajouter("PERSO_COLOR", &CFichierNiveau::lirePersoCouleur);
    t.ajouter("NUMJOUEUR", &CFichierNiveau::lireNumJoueur);
    t.ajouter("IA", &CFichierNiveau::lireIA);
    t.ajouter("IDIA", &CFichierNiveau::lireIdIA);
    t.ajouter("IDRESPAWN", &CFichierNiveau::lireIdRespawn);
    t.ajouter("NUMPLANIA", &CFichierNiveau::lireNumPlanIA);
    t.ajouter("PATROUILLE", &CFichierNiveau::lirePatrouille);
    t.ajouter("OMBREIA", &CFichierNiveau::lireOmbreIA);
}

// x, y, facing, scale, weight and flag of a "PERSO" or "PERSO3" line (after its name).
void CFichierNiveau::lireValeursPerso(CPerso& p)
{
    persoX = mesure();
    persoY = mesure();
    persoDirection = entier();
    persoSX = reel();
    persoSY = reel();
    persoPoids = mesure();
    p.bVaisseau = drapeau();
    p.sprite->setPosInit(persoX, persoY, persoSX, persoSY);
}

// Falling, aiming as the flag says (ahead in two-player rounds whatever the flag) with its
// first weapon. The state comes first: an animated character's state change drops its aim.
void CFichierNiveau::viserEtArmer(CPerso& p, bool bDrapeau)
{
    p.setEtat(EtatPerso::CHUTE);
    p.visee = (typeJeuLu == TYPE_JEU_MULTI || bDrapeau) ? 1 : -1;
    p.armeSuivante();
}

void CFichierNiveau::ajouterJoueur(CPerso* p)
{
    pCible->persos.push_back(p);
    p->pMonde = pCible;
    pJoueur = p;
    // The game follows the player of the world it plays, not one read behind the menus.
    if (pJeu && pCible == pJeu->pdecor)
        pJeu->pPerso = p;
    pSDCourant = p->sprite;
}

void CFichierNiveau::lirePerso3()
{
    auto* p = new CPerso();
    if (!p->sprite)
        p->sprite = new CSPRITE3();
    CSPRITE3& s = *p->sprite;
    s.bMarqueurPerso = true;
    p->fichier = getValue();
    lireValeursPerso(*p);
    s.setScale(persoSX, persoSY);
    {
        // The character's emitters and animated sprite are read straight into it.
        CPersoDef def;
        def.pPerso = p;
        def.charger(p->fichier, false, pCible);
        p->direction = p->directionInitiale = persoDirection;
        def.appliquer(*p, CPersoDef::Usage::Perso3);
    }
    // An animated sprite takes the origin of each animation chosen; the character's, set
    // above, is put back once the state and the first animation are chosen.
    const float ox = s.ox, oy = s.oy;
    s.placer(-1, persoX, persoY);
    viserEtArmer(*p, p->bVaisseau);
    ajouterJoueur(p);
    s.setAnimation2(0, -1);
    s.setFrameCourante(FRAME_DEPART_PERSO3);
    s.bBoucle = true;
    s.play();
    s.ox = ox;
    s.oy = oy;
    s.appliquerOrigine();
}

// A player from a model that a "TEXTURE_PER" line preloaded; an unknown model makes nobody,
// and the lines that refine a player are then ignored until the next one.
void CFichierNiveau::lirePerso()
{
    const std::string nom = getValue();
    auto it = pCible->modelesPersos.find(nom);
    CDEC* banque = it == pCible->modelesPersos.end() ? nullptr : it->second;
    if (!banque || !banque->pPersoDef) {
        signalerInconnu(nom);
        ligneIgnoree();  // named with the models not preloaded
        pSDCourant = nullptr;
        pJoueur = nullptr;
        return;
    }
    const CPersoDef& def = *banque->pPersoDef;
    auto* p = new CPerso();
    if (!p->sprite)
        p->sprite = new CSPRITE3();
    CSPRITE3& s = *p->sprite;
    s.bMarqueurPerso = false;
    lireValeursPerso(*p);
    s.pDEC = banque;
    p->direction = p->directionInitiale = persoDirection;
    if (def.directionPlanche != persoDirection)
        s.flipH = -s.flipH;
    s.setScale(persoSX, persoSY);
    def.appliquer(*p, CPersoDef::Usage::Perso3);
    s.placer(-1, persoX, persoY);
    s.setColor(sf::Color(255, 255, 255, 255));
    viserEtArmer(*p, p->bVaisseau);
    if (!def.explosion.empty()) {
        def.lierExplosion(*p);
        p->bSupprimerMort = def.bSupprimerMort != 0;
    }
    p->poids = persoPoids;
    def.ajouterOvers(s);
    chargerBouclier(*p, FICHIER_BOUCLIER);
    if (p->bVaisseau)
        p->armeSuivante();
    def.copierEmetteurs(*p);
    ajouterJoueur(p);
}

// The bubble drawn around the character, twice its size, centred on its body.
void CFichierNiveau::chargerBouclier(CPerso& p, const std::string& fichier)
{
    if (!p.spriteSimple)
        p.spriteSimple = new CSPRITE_SIMPLE();
    p.spriteSimple->charger(fichier);
    if (CSPRITE* b = p.spriteSimple->getSprite())
        b->setOrigine(BOUCLIER_ORIGINE_X, static_cast<float>(p.posTete[0] / 4 + BOUCLIER_DECALAGE_Y));
    if (p.sprite)
        p.spriteSimple->setScale(2 * p.sprite->getSX(), 2 * p.sprite->getSY());
}

void CFichierNiveau::lireBouclier()
{
    const std::string fichier = getValue();
    if (pJoueur)
        chargerBouclier(*pJoueur, fichier);
}

void CFichierNiveau::lireDirection()
{
    const int d = entier();
    if (!pJoueur)
        return;
    pJoueur->directionInitiale = d;
    pJoueur->setDirection(d);
}

void CFichierNiveau::lirePersoCouleur()
{
    const sf::Color c = couleur();
    if (pJoueur && pJoueur->sprite)
        pJoueur->sprite->setColor(c);
}

void CFichierNiveau::lireNumJoueur()
{
    const int n = entier();
    if (pJoueur)
        pJoueur->numJoueur = pJoueur->numJoueurBis = n;
}

// An AI made by the world's AI creation from its preloaded model, once the next key has
// told whether an "IDIA" gives it an id of its own; none when nothing was made, so that the
// AI lines after it are ignored.
void CFichierNiveau::lireIA()
{
    ligneIA = tuv::debutUtf8(getLigneCourante(), LIGNE_CITEE_MAX);
    nomIA = getValue();
    iaX = mesure();
    iaY = mesure();
    iaDirection = entier();
    iaSX = reel();
    iaSY = reel();
    iaPoids = mesure();
    iaFlag = entier();
    iaValeur9 = entier();
    bIAEnAttente = true;
}

// A line whose id is free is made even while another character carries its model's name as
// id (the editor's copies are saved so); one that makes nothing is said at the end of the load.
void CFichierNiveau::creerIAEnAttente(const std::string& id)
{
    bIAEnAttente = false;
    pIACourante = pCible->creerIA(nomIA, iaX, iaY, iaDirection, iaSX, iaSY, iaPoids, iaFlag, iaValeur9, false, id);
    pSDCourant = pIACourante ? pIACourante->sprite : nullptr;
    if (pIACourante)
        return;
    const auto it = pCible->modelesPersos.find(nomIA);
    const bool connu = it != pCible->modelesPersos.end() && it->second && it->second->pPersoDef;
    using Raison = LigneCorrigee::Raison;
    lignesCorrigees.push_back({ligneIA, connu ? Raison::IdIAPris : Raison::ModeleIAInconnu, id.empty() ? nomIA : id, -1, {}});
}

void CFichierNiveau::lireIdIA()
{
    const std::string id = getValue();
    if (bIAEnAttente)
        creerIAEnAttente(id);
    if (pIACourante)
        pIACourante->id = id;
}

void CFichierNiveau::lireIdRespawn()
{
    const std::string id = getValue();
    if (pIACourante)
        pIACourante->chaine2 = id;
}

// An AI is drawn on the planes and the background, 0 to 5: on another plane it would be drawn
// nowhere. Such a plane is read as the main one, and the load says so.
void CFichierNiveau::lireNumPlanIA()
{
    const std::string citee = tuv::debutUtf8(getLigneCourante(), LIGNE_CITEE_MAX);
    const int n = entier();
    if (!pIACourante)
        return;
    pIACourante->numPlanIA = n >= 0 && n < CDecor::NB_NIVEAUX ? n : CDecor::PLAN_PRINCIPAL;
    if (pIACourante->numPlanIA != n)
        lignesCorrigees.push_back(
            {citee, LigneCorrigee::Raison::PlanIAHorsBornes, std::to_string(CDecor::PLAN_PRINCIPAL), nbClesLues, {}});
}

void CFichierNiveau::lirePatrouille()
{
    const int n = mesure();
    if (pIACourante)
        pIACourante->distancePatrouille = n;
}

void CFichierNiveau::lireOmbreIA()
{
    const bool bOmbre = drapeau(), bDynamique = drapeau();
    const int yFixe = mesure();
    const float echelle = reel(), minimum = reel(), hMax = reel();
    const int correction = mesure();
    if (!pIACourante)
        return;
    CPerso& p = *pIACourante;
    p.bOmbre = bOmbre;
    p.bOmbreDynamique = bDynamique;
    p.ombreYFixe = yFixe;
    p.ombreEchelle = echelle;
    p.ombreMinScale = minimum;
    p.ombreHmax = hMax;
    p.correctionY = correction;
}
