#include "characters/Perso.h"

#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/PersoDef.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Media.h"
#include "core/Particules.h"
#include "core/Services.h"
#include "core/Sprite.h"
#include "core/SpriteSimple.h"
#include "core/Texte.h"
#include "level/MenuImage.h"
#include "script/ScriptEngine.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>
#include <iostream>
#include <map>

namespace {

const char* const FICHIER_ESPRIT = "./zeph_esprit.anm";
const char* const FICHIER_POLICE_TEXTE = "./polices/arial.ttf";
const char* const FICHIER_MENU = "./menus/menusperso.png";
const char* const CLE_MENU = "menusperso";
constexpr int CASE_MENU = 32;

// What every character of a run shares: read once, kept until the game goes.
struct RessourcesPartagees {
    std::map<std::string, std::shared_ptr<const sf::Font>> polices;  // null: the file did not load
    std::unique_ptr<CSPRITE3> prototypeEsprit;
    bool bPoliceSignalee = false;
};

RessourcesPartagees& ressources()
{
    static auto* r = new RessourcesPartagees();
    return *r;
}

std::shared_ptr<const sf::Font> police(const std::string& chemin)
{
    auto& polices = ressources().polices;
    auto it = polices.find(chemin);
    if (it != polices.end())
        return it->second;
    auto f = std::make_shared<sf::Font>();
    std::shared_ptr<const sf::Font> lue;
    if (tuv::chargerMedia(*f, chemin))
        lue = f;
    polices[chemin] = lue;
    return lue;
}

const CSPRITE3& prototypeEsprit()
{
    auto& proto = ressources().prototypeEsprit;
    if (!proto) {
        proto = std::make_unique<CSPRITE3>();
        proto->charger(nullptr, CSFMLJeuGlobal::prenderTexture, FICHIER_ESPRIT, false);
    }
    return *proto;
}

// The icon menu of a character: every menu shows the game's one shared image.
CMenuImage* nouveauMenu()
{
    auto* menu = new CMenuImage();
    if (sf::Texture* t = g_services.textureCache(CLE_MENU, FICHIER_MENU))
        menu->charger(*t, CASE_MENU, CASE_MENU, 0, 0);
    else
        menu->charger(FICHIER_MENU, CASE_MENU, CASE_MENU, 0, 0);
    return menu;
}

CParticules* copieEmetteur(const CParticules* modele, CSPRITE* suivi)
{
    if (!modele)
        return nullptr;
    auto* e = new CParticules(*modele);
    e->bAttache = true;
    e->pElementAttache = suivi;
    return e;
}

} // namespace

void CPerso::libererRessourcesPartagees()
{
    RessourcesPartagees& r = ressources();
    r.polices.clear();
    r.prototypeEsprit.reset();
    r.bPoliceSignalee = false;
}

CPerso::CPerso()
{
    RefPerso::enregistrer(this);
    spriteEsprit = new CSPRITE3(prototypeEsprit());
    spriteEsprit->play();
    init();
}

void CPerso::init()
{
    id.clear();
    decalagePlateforme = numJoueur = numJoueurBis = compteurDash2 = compteurRecul = nbEnfants = 0;
    porteur = nullptr;
    tempsCoup = 0;
    compteurClignote = directionPoussee = 0;
    vitesse = vitesseCourante = vitesseBas = vitesseChute = vitesseSaut = direction = compteur21 = 1;
    mode = 0;
    poids = 10;
    vie = vieMax = 100;
    bParalyse = false;
    vieParalysie = 100;
    posTete[0] = posTete[1] = posPieds = 0;
    bDel = false;
    bVaisseau = true;
    modeCollisions = 0;
    bSansDegats = false;
    compteur25 = pasVertical = 0;
    compteurTouche = -1;
    couleur = sf::Color::White;
    modeIA = -1;
    compteur14 = compteur15 = 1;
    numPlanIA = 2;
    bOverlayEditeur = bCollisions = true;
    bMortLancee = false;
    compteur7 = compteur8 = 0;

    delete menuPerso;
    menuPerso = nouveauMenu();
    bSaisiSouris = false;

    armeCourante = -1;
    nbarmesperso = 0;
    visee = -1;
    reserveBouclier = 100;
    usureBouclier = 0.05f;
    nbTirs = compteurCadence = compteurSaut = compteurSautAuto = 0;
    bBouclier = bBouclierActif = false;
    bouclierEnergie = 100;

    delete sprite;
    delete spriteSimple;
    delete spriteBouclier;
    sprite = new CSPRITE3();
    spriteSimple = new CSPRITE_SIMPLE();
    spriteBouclier = new CSPRITE();

    bVieInfinie = bBoostInfini = bMunitionsInfinies = false;
    chargerPolices(true);
}

void CPerso::chargerPolices(bool signalerEchec)
{
    texte.setCharacterSize(14);
    texte.setFillColor(sf::Color::White);
    texte.setPosition(0, 0);
    texte.setString("*");
    policeTexte = police(FICHIER_POLICE_TEXTE);
    if (policeTexte) {
        texte.setFont(*policeTexte);
    } else if (signalerEchec && !ressources().bPoliceSignalee) {
        // Once per run: a level of many characters must not stack as many message boxes.
        ressources().bPoliceSignalee = true;
        std::cerr << "Impossible de charger la police ! (" << FICHIER_POLICE_TEXTE << ")\n";
        g_services.messageBox("Erreur !", "Impossible de charger la police !", "");
    }
    policeFeu = police(cheminPolice);
    if (policeFeu)
        texteFeu.setFont(*policeFeu);
}

CPerso::CPerso(const CPerso& m)
{
    RefPerso::enregistrer(this);
    copierReglages(m);
    spriteEsprit = m.spriteEsprit ? new CSPRITE3(*m.spriteEsprit) : new CSPRITE3();
    menuPerso = nouveauMenu();
    sprite = m.sprite ? new CSPRITE3(*m.sprite) : new CSPRITE3();
    if (m.spriteSimple && m.spriteSimple->pDEC) {
        spriteSimple = new CSPRITE_SIMPLE();
        spriteSimple->setDEC(m.spriteSimple->pDEC);
    }
    spriteBouclier = new CSPRITE();
    if (m.spriteBouclier) {
        spriteBouclier->pDEC = m.spriteBouclier->pDEC;
        spriteBouclier->setOrigine(static_cast<float>(tuv::floatVersInt(m.spriteBouclier->ox)),
                                   static_cast<float>(tuv::floatVersInt(m.spriteBouclier->oy)));
        spriteBouclier->setScale(m.spriteBouclier->getSX(), m.spriteBouclier->getSY());
    }
    chargerPolices(false);
    const size_t nbSlots = static_cast<size_t>(std::max(0, m.nbarmesperso));
    for (size_t i = 0; i < nbSlots && i < m.armes.size(); ++i)
        armes.push_back(m.armes[i] ? new SlotArme(*m.armes[i]) : nullptr);
    nbarmesperso = static_cast<int>(armes.size());
    copierEmetteurs(m);
    copierEnfants(m);
}

// Settings taken from the model; everything else keeps its construction default.
void CPerso::copierReglages(const CPerso& m)
{
    bCoup = m.bCoup;
    tempsCoup = m.tempsCoup;
    etapeCoup = m.etapeCoup;
    degatsCoup = m.degatsCoup;
    compteurRecul = m.compteurRecul;
    compteurDash2 = m.compteurDash2;
    compteurDash = m.compteurDash;
    bDetectionDevant = m.bDetectionDevant;
    bDemiTourAuto = m.bDemiTourAuto;
    drapeau6 = m.drapeau6;
    std::copy(std::begin(m.animArret), std::end(m.animArret), animArret);
    std::copy(std::begin(m.animMarche), std::end(m.animMarche), animMarche);
    animAction = m.animAction;
    animTouche = m.animTouche;
    animMort = m.animMort;
    // The jumps have no 30, 70, 110 and 150 degree animations: those entries keep 0.
    for (int i : {0, 1, 3, 5, 7, 9}) {
        animSautAsc[i] = m.animSautAsc[i];
        animSautDsc[i] = m.animSautDsc[i];
    }
    animSautReception = m.animSautReception;
    animSautReceptionArme = m.animSautReceptionArme;
    couleur = m.couleur;
    bActionTourelle = m.bActionTourelle;
    bDetection = m.bDetection;
    numJoueur = m.numJoueur;
    numJoueurBis = m.numJoueurBis;
    faction = m.faction;
    sonDegats = m.sonDegats;
    bPoussiere = m.bPoussiere;
    distancePatrouille = m.distancePatrouille;
    modeIA = m.modeIA;
    compteur14 = m.compteur14;
    compteur15 = m.compteur15;
    numPlanIA = m.numPlanIA;
    compteurDetection = m.compteurDetection;
    periodeDetection = m.periodeDetection;
    pPersoDetecte = m.pPersoDetecte;
    bMortTerminee = m.bMortTerminee;
    fichierScriptIA = m.fichierScriptIA;
    drapeau13 = m.drapeau13;
    bMortLancee = m.bMortLancee;
    bSupprimerMort = m.bSupprimerMort;
    bVaisseau = m.bVaisseau;
    bVieInfinie = m.bVieInfinie;
    bBoostInfini = m.bBoostInfini;
    maxSaut = m.maxSaut;
    maxSautAuto = m.maxSautAuto;
    maxEscalier = m.maxEscalier;
    bOmbre = m.bOmbre;
    bOmbreDynamique = m.bOmbreDynamique;
    correctionY = m.correctionY;
    ombreYFixe = m.ombreYFixe;
    ombreEchelle = m.ombreEchelle;
    ombreMinScale = m.ombreMinScale;
    ombreHmax = m.ombreHmax;
    nbEnfants = m.nbEnfants;
    bDevantParent = m.bDevantParent;
    // A copy carries no one and controls no turret: its creator links it (a copied
    // child's carrier is set by its new parent).
    vitesse = m.vitesse;
    vitesseCourante = m.vitesseCourante;
    vitesseBas = m.vitesseBas;
    vitesseChute = m.vitesseChute;
    vitesseSaut = m.vitesseSaut;
    direction = m.direction;
    directionInitiale = m.directionInitiale;
    mode = m.mode;
    compteurSaut = m.compteurSaut;
    compteurSautAuto = m.compteurSautAuto;
    poids = m.poids;
    vie = m.vie;
    vieMax = m.vieMax;
    visee = m.visee;
    vieParalysie = m.vieParalysie;
    bBouclier = m.bBouclier;
    bBouclierActif = m.bBouclierActif;
    bouclierEnergie = m.bouclierEnergie;
    compteurCadence = m.compteurCadence;
    bOverlayEditeur = m.bOverlayEditeur;
    bCollisions = m.bCollisions;
    bSansDegats = m.bSansDegats;
    nbTirs = m.nbTirs;
    modeCollisions = m.modeCollisions;
    std::copy(std::begin(m.degats), std::end(m.degats), degats);
    bInversionGD = m.bInversionGD;
    bPasdesaut = m.bPasdesaut;
    std::copy(std::begin(m.posTete), std::end(m.posTete), posTete);
    posPieds = m.posPieds;
    std::copy(std::begin(m.posMitrailleuse), std::end(m.posMitrailleuse), posMitrailleuse);
    chaine4 = m.chaine4;
    compteur25 = m.compteur25;
    pasVertical = m.pasVertical;
    armeCourante = m.armeCourante;
    reserveBouclier = m.reserveBouclier;
    usureBouclier = m.usureBouclier;
    cheminPolice = m.cheminPolice;
    compteur27 = m.compteur27;
    // The file it was made from and the camera's hit-box height follow the model too.
    fichier = m.fichier;
    hauteurHitbox = m.hauteurHitbox;
}

void CPerso::copierEmetteurs(const CPerso& m)
{
    particuleTouche = copieEmetteur(m.particuleTouche, sprite);
    particuleMort = copieEmetteur(m.particuleMort, sprite);
    particuleFin = copieEmetteur(m.particuleFin, sprite);
    particuleLien = copieEmetteur(m.particuleLien, sprite);
}

void CPerso::copierEnfants(const CPerso& m)
{
    const size_t nb = static_cast<size_t>(std::max(0, m.nbEnfants));
    for (size_t i = 0; i < nb && i < m.enfants.size(); ++i) {
        CPerso* enfant = m.enfants[i] ? new CPerso(*m.enfants[i]) : nullptr;
        if (enfant)
            enfant->porteur = this;
        enfants.push_back(enfant);
    }
    nbEnfants = static_cast<int>(enfants.size());
}

bool CPerso::copierArmes(const CPersoDef& def)
{
    const CArmes* liste = armesDuJeu();
    const float sx = sprite ? sprite->getSX() : 1.0f;
    const float sy = sprite ? sprite->getSY() : 1.0f;
    for (const auto& a : def.armes) {
        auto* s = new SlotArme();
        s->numero = a->numero;
        s->bPossedee = s->bPossedeeDefinition = a->bPossedee;
        s->option = a->option1;
        s->typeTir = a->option2;
        s->cadence = a->cadence;
        s->rechargeAuto = a->rechargeAuto;
        s->premierSprite[0] = a->premierSprite[0];
        s->premierSprite[1] = a->premierSprite[1];
        s->etatSlot = -1;
        // A number outside the list keeps the line's ammunition (0), never an unset value.
        const CArme* arme = liste ? liste->arme(a->numero) : nullptr;
        s->munitions = arme ? arme->munitions : a->munitions;
        for (int i = 0; i < CPersoDef::NB_POSITIONS_TIR; ++i) {
            s->positionsTir[i][0] = tuv::floatVersInt(static_cast<float>(a->positionsTir[i][0]) * sx);
            s->positionsTir[i][1] = tuv::floatVersInt(static_cast<float>(a->positionsTir[i][1]) * sy);
        }
        armes.push_back(s);
    }
    nbarmesperso = def.nbArmes;
    return true;
}

void CPerso::liberer()
{
    delete menuPerso;
    menuPerso = nullptr;
    plateformes.clear();
    if (CArmes* liste = armesDuJeu())
        liste->supprimerTirsDe(this);
    for (SlotArme* s : armes)
        delete s;
    armes.clear();
    // The emitters stay, but must not follow a freed sprite.
    for (CParticules* e : {particuleTouche, particuleMort, particuleFin, particuleLien})
        if (e && e->pElementAttache == sprite) {
            e->pElementAttache = nullptr;
            e->bAttache = false;
        }
    delete sprite;
    delete spriteSimple;
    delete spriteBouclier;
    sprite = nullptr;
    spriteSimple = nullptr;
    spriteBouclier = nullptr;
    support = nullptr;
    for (MessagePerso* m : messages)
        delete m;
    messages.clear();
}

CPerso::~CPerso()
{
    // Its scripts go first, while its sprites can still be told apart from others. Both engines:
    // its keyframes' scripts were made through whichever engine was active when its animation
    // was read, not necessarily its world's.
    if (MondeJeu* jeu = faceJeu::monde())
        for (CScriptEngine* e : {jeu->pscriptEngineMenu, jeu->pscriptEngineJeu})
            if (e)
                e->oublierPerso(this);
    liberer();
    delete particuleTouche;
    delete particuleMort;
    delete particuleFin;
    delete particuleLien;
    delete spriteEsprit;
    for (CPerso* enfant : enfants)
        delete enfant;
    enfants.clear();
    // The game's list of eliminated players holds characters it does not own.
    if (MondeJeu* jeu = faceJeu::monde()) {
        auto& morts = jeu->persosMorts;
        morts.erase(std::remove(morts.begin(), morts.end(), this), morts.end());
    }
    RefPerso::oublier(this);
}
