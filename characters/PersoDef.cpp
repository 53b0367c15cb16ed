// Reading ".per" character files into a definition.
#include "characters/PersoDef.h"

#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Particules.h"
#include "core/Services.h"
#include "core/ShaderManager.h"
#include "core/Sprite.h"
#include "level/Decor.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>
#include <climits>
#include <unordered_map>

std::function<CDEC*()> CPersoDef::banqueApercu = [] { return static_cast<CDEC*>(nullptr); };

// What a key of the file does; keys that set one int of the definition carry it.
enum class CPersoDef::Type {
    Entier, Planche, Id, SonDegats, VieVisible, EchelleDefaut, Vie, Hitbox, Particule, ShaderLien, Ombre,
    Degats, PositionTete, PositionMitrailleuse, Explosion, ChuteVaisseauMort, Sprite3, Sprite2, Sprite,
    SpriteBouclier, TexturePerPart, IAPart, IAPartAVP, IdIA, Origine, ScriptRun, AddOver, Arme,
    ArmeRechargeAuto, NumDebutSpritesArme, Animation, PositionTir,
};

struct CPersoDef::Cle {
    Type type;
    int index = 0;                     // emitter, animation or firing position
    int CPersoDef::*entier = nullptr;  // Type::Entier
    bool mesure = false;               // its value a distance or speed, held to the files' bound
    bool positif = false;              // a speed: below 0 the character would go the other way
};

namespace {

// Animation keys in the order of `animations`, with their default numbers.
struct CleAnimation {
    const char* nom;
    int defaut;
};
const CleAnimation CLES_ANIMATIONS[CPersoDef::NB_ANIMATIONS] = {
    {"ANIM_PERSO_ARRET", 0},         {"ANIM_PERSO_ARRET_0", 1},       {"ANIM_PERSO_ARRET_30", 0},
    {"ANIM_PERSO_ARRET_45", 2},      {"ANIM_PERSO_ARRET_70", 0},      {"ANIM_PERSO_ARRET_90", 3},
    {"ANIM_PERSO_ARRET_110", 0},     {"ANIM_PERSO_ARRET_135", 4},     {"ANIM_PERSO_ARRET_150", 0},
    {"ANIM_PERSO_ARRET_180", 5},     {"ANIM_PERSO_MARCHE", 6},        {"ANIM_PERSO_MARCHE_0", 7},
    {"ANIM_PERSO_MARCHE_30", 0},     {"ANIM_PERSO_MARCHE_45", 8},     {"ANIM_PERSO_MARCHE_70", 0},
    {"ANIM_PERSO_MARCHE_90", 9},     {"ANIM_PERSO_MARCHE_110", 0},    {"ANIM_PERSO_MARCHE_135", 10},
    {"ANIM_PERSO_MARCHE_150", 0},    {"ANIM_PERSO_MARCHE_180", 11},   {"ANIM_PERSO_SAUT_ASC", 15},
    {"ANIM_PERSO_SAUT_ASC_0", 16},   {"ANIM_PERSO_SAUT_ASC_45", 17},  {"ANIM_PERSO_SAUT_ASC_90", 18},
    {"ANIM_PERSO_SAUT_ASC_135", 19}, {"ANIM_PERSO_SAUT_ASC_180", 20}, {"ANIM_PERSO_SAUT_DSC", 21},
    {"ANIM_PERSO_SAUT_DSC_0", 22},   {"ANIM_PERSO_SAUT_DSC_45", 23},  {"ANIM_PERSO_SAUT_DSC_90", 24},
    {"ANIM_PERSO_SAUT_DSC_135", 25}, {"ANIM_PERSO_SAUT_DSC_180", 26}, {"ANIM_PERSO_SAUT_RECEPTION", 27},
    {"ANIM_PERSO_SAUT_RECEPTION_ARME", 28}, {"ANIM_PERSO_ACTION", 12}, {"ANIM_PERSO_TOUCHE", 13},
    {"ANIM_PERSO_MORT", 14},
};

// Firing-position keys in the order of CPersoDef::Arme::positionsTir.
const char* const CLES_POSITIONS_TIR[CPersoDef::NB_POSITIONS_TIR] = {
    "XYTIRDEBOUT0", "XYTIRDEBOUT180", "XYTIRDEBOUT45", "XYTIRDEBOUT90", "XYTIRDEBOUT135",
    "XYTIRDEBOUT30", "XYTIRDEBOUT70", "XYTIRDEBOUT110", "XYTIRDEBOUT150",
    "XYTIRBAISSE0", "XYTIRBAISSE180", "XYTIRBAISSE45", "XYTIRBAISSE90", "XYTIRBAISSE135",
    "XYTIRBAISSE30", "XYTIRBAISSE70", "XYTIRBAISSE110", "XYTIRBAISSE150",
    "XYTIRBAISSEMARCHE0", "XYTIRBAISSEMARCHE180", "XYTIRBAISSEMARCHE45", "XYTIRBAISSEMARCHE90",
    "XYTIRBAISSEMARCHE135",
};

const char* const CLES_PARTICULES[4] = {"PARTICULE_TOUCHE", "PARTICULE_MORT", "PARTICULE_FIN", "PARTICULE_LIEN"};

const char* const OMBRE_DEFAUT = "./effets/ombre.dec";

} // namespace

// Keys are looked up in a hash table: a file has a hundred and thirty of them.
const CPersoDef::Cle* CPersoDef::trouverCle(const std::string& cle)
{
    static const std::unordered_map<std::string, Cle> table = [] {
        std::unordered_map<std::string, Cle> t;
        const std::pair<const char*, int CPersoDef::*> modes[] = {
            {"IA", &CPersoDef::modeIA}, {"DIRECTION_PLANCHE", &CPersoDef::directionPlanche},
            {"COLLISIONS", &CPersoDef::collisions}, {"MODE", &CPersoDef::mode},
        };
        for (const auto& [nom, champ] : modes)
            t[nom] = Cle{Type::Entier, 0, champ};
        const std::pair<const char*, int CPersoDef::*> mesures[] = {
            {"PATROUILLE", &CPersoDef::patrouille}, {"MAX_SAUT", &CPersoDef::maxSaut},
            {"MAX_SAUT_AUTO", &CPersoDef::maxSautAuto}, {"MAX_ESCALIER", &CPersoDef::maxEscalier},
            {"POIDS", &CPersoDef::poids}, {"POSITIONPIEDS", &CPersoDef::posPieds},
        };
        for (const auto& [nom, champ] : mesures)
            t[nom] = Cle{Type::Entier, 0, champ, true};
        const std::pair<const char*, int CPersoDef::*> vitesses[] = {
            {"VITESSE", &CPersoDef::vitesse}, {"VITESSE_CHUTE", &CPersoDef::vitesseChute},
            {"VITESSE_SAUT", &CPersoDef::vitesseSaut}, {"VITESSE_BAS", &CPersoDef::vitesseBas},
        };
        for (const auto& [nom, champ] : vitesses)
            t[nom] = Cle{Type::Entier, 0, champ, true, true};
        const std::pair<const char*, Type> autres[] = {
            {"PLANCHE", Type::Planche}, {"ID", Type::Id}, {"SON_DEGATS", Type::SonDegats},
            {"VIE_VISIBLE", Type::VieVisible}, {"ECHELLE_DEFAUT", Type::EchelleDefaut}, {"VIE", Type::Vie},
            {"HITBOX", Type::Hitbox}, {"SHADER_LIEN", Type::ShaderLien}, {"OMBRE", Type::Ombre},
            {"DEGATS", Type::Degats}, {"POSITIONTETE", Type::PositionTete},
            {"POSITIONMITRAILLEUSE", Type::PositionMitrailleuse}, {"EXPLOSION", Type::Explosion},
            {"CHUTE_VAISSEAU_MORT", Type::ChuteVaisseauMort}, {"SPRITE3", Type::Sprite3},
            {"SPRITE2", Type::Sprite2}, {"SPRITE", Type::Sprite}, {"SPRITEBOUCLIER", Type::SpriteBouclier},
            {"TEXTURE_PER_PART", Type::TexturePerPart}, {"IAPART", Type::IAPart},
            {"IAPARTAVP", Type::IAPartAVP}, {"IDIA", Type::IdIA}, {"ORIGINE", Type::Origine},
            {"SCRIPTRUN", Type::ScriptRun}, {"ADD_OVER", Type::AddOver}, {"ARME", Type::Arme},
            {"ARME_RECHARGE_AUTO", Type::ArmeRechargeAuto}, {"NUM_DEBUT_SPRITES_ARME", Type::NumDebutSpritesArme},
        };
        for (const auto& [nom, type] : autres)
            t[nom] = Cle{type};
        for (int i = 0; i < 4; ++i)
            t[CLES_PARTICULES[i]] = Cle{Type::Particule, i};
        for (int i = 0; i < NB_ANIMATIONS; ++i)
            t[CLES_ANIMATIONS[i].nom] = Cle{Type::Animation, i};
        for (int i = 0; i < NB_POSITIONS_TIR; ++i)
            t[CLES_POSITIONS_TIR[i]] = Cle{Type::PositionTir, i};
        return t;
    }();
    auto it = table.find(cle);
    return it == table.end() ? nullptr : &it->second;
}

CPersoDef::CPersoDef()
{
    for (int i = 0; i < NB_ANIMATIONS; ++i)
        animations[i] = CLES_ANIMATIONS[i].defaut;
}

CPersoDef::~CPersoDef() = default;

void installerHooksPersoDef()
{
    g_services.creerPersoDef = [](CDEC*) { return new CPersoDef(); };
    g_services.detruirePersoDef = [](CPersoDef* def) { delete def; };
}

void CPersoDef::reinitialiser()
{
    fichierSprite3.clear();
    id.clear();
    vie = vieMax = 1;
    optionSprite2 = 1;
    posPieds = 0;
    fichierOmbre = OMBRE_DEFAUT;
    mode = 0;
    posMitrailleuse[0] = posMitrailleuse[1] = 0;
    bVieVisible = true;
    collisions = 0;
    origineX = origineY = -1.0f;
    echelleX = echelleY = 1.0f;
    sonDegats.clear();
    posTete[0] = posTete[1] = 0;
    patrouille = 0;
    bChuteVaisseauMort = false;
    scripts.clear();
    for (int i = 0; i < NB_ANIMATIONS; ++i)
        animations[i] = CLES_ANIMATIONS[i].defaut;
    // A second reading gives the same definition as the first, not doubled lines.
    armes.clear();
    nbArmes = 0;
    overs.clear();
    parties.clear();
    bDessin = false;
}

void CPersoDef::charger(const std::string& fichier, bool bApercu, CDecor* decor)
{
    // Only a file: a device named by a part line would be read for ever.
    if (!tuv::fichierExiste(fichier) || !open(fichier, false))
        return;
    nomFichier = fichier;
    empreinte = tuv::empreinteFichier(fichier);
    reinitialiser();
    notes.commencer(fichier);
    verifierDans(&notes);
    bApercuEnCours = bApercu;
    decorEnCours = decor;
    for (std::string cle = getKey(); !cle.empty(); cle = getKey()) {
        cleCourante = cle;
        if (const Cle* c = trouverCle(cle))
            lireCle(*c);
        else
            cleNonPrise();
    }
    close();
    // Without a sprite the character would walk and fire unseen.
    if (!bDessin)
        notes.ajouter(fichier + ": ni SPRITE3 ni SPRITE, le personnage n'a rien à dessiner");
    notes.direUneFois("Personnage : ");
    decorEnCours = nullptr;
}

std::string CPersoDef::lireNom(const std::string& fichier)
{
    CTUVFile f;
    if (!f.open(fichier, false))
        return "";
    std::string nom;
    for (std::string cle = f.getKey(); !cle.empty(); cle = f.getKey())
        if (cle == "ID")
            nom = f.getValue();
    return nom;
}

void CPersoDef::lireCle(const Cle& c)
{
    bDessin = bDessin || c.type == Type::Sprite3 || c.type == Type::Sprite2 || c.type == Type::Sprite ||
              c.type == Type::TexturePerPart;
    switch (c.type) {
    case Type::Planche: case Type::Sprite2: case Type::Sprite: case Type::SpriteBouclier:
        lireImage(c);
        break;
    case Type::TexturePerPart: lirePartie(); break;
    case Type::IAPart: lireIAPart(); break;
    case Type::Particule: lireEmetteur(c.index); break;
    case Type::ShaderLien: lireShaderLien(); break;
    case Type::Sprite3: lireSprite3(); break;
    case Type::Arme: case Type::ArmeRechargeAuto: case Type::NumDebutSpritesArme: case Type::PositionTir:
        lireLigneArme(c);
        break;
    default: lireReglage(c); break;
    }
}

// Keys that only store values in the definition.
void CPersoDef::lireReglage(const Cle& c)
{
    auto paire = [this](int (&v)[2]) {
        v[0] = valeurMesure();
        v[1] = valeurMesure();
    };
    switch (c.type) {
    case Type::Entier: this->*c.entier = valeurBornee(c.mesure, c.positif ? 0 : INT_MIN); break;
    case Type::Id: id = valeur(); break;
    case Type::SonDegats: sonDegats = valeur(); break;
    case Type::VieVisible: bVieVisible = valeurDrapeau(); break;
    case Type::EchelleDefaut: echelleX = valeurReel(); echelleY = valeurReel(); break;
    // At 0 or below the character would be dead at its start.
    case Type::Vie: vie = valeurBornee(true, 1); vieMax = valeurBornee(true, 1); break;
    case Type::Hitbox: for (int& h : hitbox) h = valeurMesure(); break;
    case Type::Ombre: fichierOmbre = valeur(); break;
    case Type::Degats: paire(degats); break;
    case Type::PositionTete: paire(posTete); break;
    case Type::PositionMitrailleuse: paire(posMitrailleuse); break;
    case Type::Explosion:
        explosion = valeur();
        bSupprimerMort = valeurEntier();
        echelleExplosionX = valeurReel();
        echelleExplosionY = valeurReel();
        break;
    case Type::ChuteVaisseauMort: bChuteVaisseauMort = valeurDrapeau(); break;
    case Type::IAPartAVP: {
        const bool v = valeurDrapeau();
        CDEC* banque = cleDefinition.empty() ? nullptr : banqueDe(cleDefinition);
        if (banque && !banque->frames.empty())
            banque->frames.back().bAvantPlan = v;
        break;
    }
    case Type::IdIA: idIA = valeur(); break;
    case Type::Origine: origineX = valeurReel(); origineY = valeurReel(); break;
    case Type::ScriptRun: {
        auto s = std::make_unique<Script>();
        s->fichier = valeur();
        s->declencheur = valeurEntier();
        s->bFlag = valeurDrapeau();
        s->maxRuns = valeurEntier();
        scripts.push_back(std::move(s));
        break;
    }
    case Type::AddOver: {
        Over o;
        o.nom = valeur();
        o.fichier = valeur();
        o.parametre = valeurEntier();
        o.x = valeurMesure();
        o.y = valeurMesure();
        o.sx = valeurReel();
        o.sy = valeurReel();
        o.rotation = valeurReel();
        o.bFlag = valeurDrapeau();
        overs.push_back(o);
        break;
    }
    case Type::Animation: animations[c.index] = valeurEntier(); break;
    default: break;
    }
}

CDEC* CPersoDef::banqueDe(const std::string& cle) const
{
    if (!decorEnCours)
        return nullptr;
    auto it = decorEnCours->modelesPersos.find(cle);
    return it == decorEnCours->modelesPersos.end() ? nullptr : it->second;
}

CDEC* CPersoDef::banqueLignes() const
{
    if (bApercuEnCours)
        return banqueApercu ? banqueApercu() : nullptr;
    return id.empty() ? nullptr : banqueDe(id);
}

// Sheet and sprite lines: the images go to the bank of the current id (or the picker's).
void CPersoDef::lireImage(const Cle& c)
{
    if (c.type == Type::Sprite2) {
        lireSprite2();
        return;
    }
    if (c.type == Type::SpriteBouclier) {
        lireSpriteBouclier();
        return;
    }
    if (c.type == Type::Planche) {
        planche = valeur();
        planche2 = valeur();
        if (CDEC* banque = banqueLignes())
            banque->chargerPlanche(planche, planche2);
        return;
    }
    const RectSprite& r = lireRectSprite(true);
    if (CDEC* banque = banqueLignes())
        banque->ajouterAnim(r.gauche, r.haut, r.largeur, r.hauteur, r.nbFrames, r.vitesse, r.option);
}

// The cut of a "SPRITE" line (with its option) or of a "SPRITEBOUCLIER" line (without).
const CPersoDef::RectSprite& CPersoDef::lireRectSprite(bool avecOption)
{
    RectSprite& r = rectSprite;
    r.gauche = valeurMesure();
    r.haut = valeurMesure();
    r.largeur = valeurMesure();
    r.hauteur = valeurMesure();
    r.nbFrames = valeurMesure();
    r.vitesse = valeurReel();
    if (avecOption)
        r.option = valeurEntier();
    return r;
}

void CPersoDef::lireSprite2()
{
    const std::string nom = valeur();
    CDEC* banque = banqueLignes();
    if (nom == "VIDE") {
        // An empty sequence keeps the numbering of the animations after it.
        if (!bApercuEnCours && banque)
            banque->ajouterAnimNom("VIDE", 0, 0, 0, 0, 0, 0, 0, false);
        return;
    }
    const int a = valeurMesure(), b = valeurMesure(), c = valeurMesure(), d = valeurEntier();
    const float e = valeurReel();
    const int f = valeurEntier(), g = valeurMesure();
    const bool h = valeurDrapeau();
    optionSprite2 = g;
    if (banque)
        banque->ajouterAnimNom(nom, a, b, c, d, e, f, g, h);
}

void CPersoDef::lireSpriteBouclier()
{
    const RectSprite& r = lireRectSprite(false);
    if (bApercuEnCours)
        return;
    if (CDEC* banque = banqueLignes())
        banque->setAnimUnique(r.gauche, r.haut, r.largeur, r.hauteur, r.nbFrames, r.vitesse);
}

// A part of a character made of several: its own definition under its key, read once per
// level, so that a part naming itself or a ring of parts ends.
void CPersoDef::lirePartie()
{
    const std::string fichier = valeur();
    const std::string cle = valeur();
    parties.push_back(cle);
    if (bApercuEnCours || !decorEnCours)
        return;
    CDEC*& entree = decorEnCours->modelesPersos[cle];
    if (entree)
        return;
    entree = new CDEC();
    CDEC* banque = entree;
    banque->nom = cle;
    banque->bPartiePerso = true;
    if (CPersoDef* def = banque->pPersoDef) {
        def->id = cle;
        def->charger(fichier, false, decorEnCours);
    }
}

void CPersoDef::lireIAPart()
{
    const std::string s1 = valeur(), s2 = valeur();
    const int i1 = valeurMesure(), i2 = valeurMesure(), i3 = valeurEntier();
    const float f1 = valeurReel(), f2 = valeurReel(), f3 = valeurReel(), f4 = valeurReel();
    const int i4 = valeurEntier(), i5 = valeurEntier(), i6 = valeurEntier();
    if (bApercuEnCours || cleDefinition.empty())
        return;
    if (CDEC* banque = banqueDe(cleDefinition))
        banque->ajouterFrames(s1, s2, i1, i2, i3, f1, f2, f3, f4, i4, i5, i6);
}

void CPersoDef::lireParticules(CParticules& e)
{
    e.lire49(*this);
    // The character's hit and death code starts it; the stored pause setting stays.
    e.bPause = true;
}

void CPersoDef::lireEmetteur(int numero)
{
    auto e = std::make_unique<CParticules>();
    lireParticules(*e);
    if (pPerso) {
        CParticules** champs[4] = {&pPerso->particuleTouche, &pPerso->particuleMort, &pPerso->particuleFin,
                                   &pPerso->particuleLien};
        CParticules*& champ = *champs[numero];
        delete champ;
        champ = e.release();
        champ->bAttache = true;
        champ->pElementAttache = pPerso->sprite;
        return;
    }
    std::unique_ptr<CParticules>* champs[4] = {&particuleTouche, &particuleMort, &particuleFin, &particuleLien};
    *champs[numero] = std::move(e);
}

// "SHADER_LIEN": fragment shader, its uniforms, vertex shader, its uniforms.
void CPersoDef::lireShaderLien()
{
    auto lien = std::make_unique<CSPRITE>();
    resteLu();
    const std::string& ligne = getLigneCourante();
    const size_t egal = ligne.find('=');
    lireShaderSD(egal == std::string::npos ? std::string() : ligne.substr(egal + 1), *lien, this);
    const AffichageJeu* affichage = faceJeu::affichage();
    if (CShaderManager* shaders = affichage ? affichage->pShaderManager : nullptr)
        shaders->getShader(lien->strShaderFrag, lien->strShaderVert);
    spriteShaderLien = std::move(lien);
}

void CPersoDef::lireSprite3()
{
    fichierSprite3 = valeur();
    CPerso* cible = pPerso;
    if (!cible) {
        // The picker's preview: one character per definition, made at the first such line.
        if (pPersoApercu)
            return;
        pPersoApercu = std::make_unique<CPerso>();
        cible = pPersoApercu.get();
    }
    if (!cible->sprite)
        cible->sprite = new CSPRITE3();
    cible->sprite->bAnime = true;
    cible->sprite->charger(cible, CSFMLJeuGlobal::prenderTexture, fichierSprite3, false);
}

void CPersoDef::lireLigneArme(const Cle& c)
{
    if (c.type == Type::Arme) {
        const int numero = valeurEntier();
        const bool bPossedee = valeurDrapeau();
        const int option1 = valeurEntier();
        const int option2 = valeurEntier();
        ajouterArme(numero, bPossedee, option1, option2);
        return;
    }
    // Sprite numbers and firing positions: offsets, two; the refill period: a time, alone.
    const bool recharge = c.type == Type::ArmeRechargeAuto;
    const int a = recharge ? valeurEntier() : valeurMesure(), b = recharge ? 0 : valeurMesure();
    // Before the first weapon line the values are read and dropped.
    if (armes.empty())
        return;
    Arme& arme = *armes.back();
    if (c.type == Type::ArmeRechargeAuto) {
        arme.rechargeAuto = a;
    } else if (c.type == Type::NumDebutSpritesArme) {
        arme.premierSprite[0] = a;
        arme.premierSprite[1] = b;
    } else {
        arme.positionsTir[c.index][0] = a;
        arme.positionsTir[c.index][1] = b;
    }
}

int CPersoDef::valeurBornee(bool mesure, int min)
{
    // Read as text: a value that is no number is named here with what it is kept as.
    const bool manquante = manque();
    const std::string_view ecrit = manquante ? std::string_view() : getValueView();
    const int entier = manquante ? 0 : tuv::stoiSansBlancs(ecrit);
    const int lu = mesure ? tuv::bornerValeurFichier(entier) : entier;
    const int garde = std::max(lu, min);
    if (!manquante && !tuv::commeNombre(ecrit))
        notes.noterValeur(*this, "pas un nombre", tuv::itos(garde));
    else if (garde != lu)
        notes.noterValeur(*this, manquante ? "absente" : "inférieure à " + tuv::itos(min), tuv::itos(garde));
    return garde;
}

bool CPersoDef::ajouterArme(int numero, bool bPossedee, int option1, int option2)
{
    auto a = std::make_unique<Arme>();
    a->numero = numero;
    a->bPossedee = bPossedee;
    a->option1 = option1;
    a->option2 = option2;
    // Only a number of the list takes the weapon's load and cadence; any other keeps 0.
    const CArmes* liste = armesDuJeu();
    if (const CArme* arme = liste ? liste->arme(numero) : nullptr) {
        a->munitions = arme->munitions;
        a->cadence = arme->cadenceTir;
    } else if (liste) {
        // Kept as the line says, but it fires nothing: the author should know.
        notes.noter(*this, "arme " + tuv::itos(numero) + " absente de la liste des armes, sans munitions");
    }
    armes.push_back(std::move(a));
    ++nbArmes;
    return true;
}
