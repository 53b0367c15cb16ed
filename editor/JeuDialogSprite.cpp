// The fill of the sprite properties dialog: one table over its controls.
#include "editor/JeuDialogSprite.h"

#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/FichierDec.h"
#include "core/Globals.h"
#include "core/ShaderManager.h"
#include "core/Sprite.h"
#include "editor/IdsSprite.h"
#include "editor/JeuDialogPhysBasculeOptions.h"
#include "editor/JeuDialogPhysCheminOptions.h"
#include "editor/JeuDialogPhysEffondrementOptions.h"
#include "editor/JeuDialogPhysForceOptions.h"
#include "editor/JeuDialogPhysParticulesOptions.h"
#include "editor/JeuDialogShaderVERT.h"
#include "editor/LiensDialogues.h"
#include "gui/CPLUXControlColor.h"
#include "gui/CPLUXControlList.h"
#include "gui/OutilsControles.h"
#include "level/Decor.h"

#include <SFML/Audio/Sound.hpp>

namespace {

namespace ids = IdSprite;

enum class Forme { Case, Nombre, Entier, Texte, Couleur };
// What a control receives while nothing is selected: the zero of its form (off, 0, empty
// text), an empty text whatever its form, or nothing (it keeps the last sprite's value).
enum class SansSelection { Zero, Vide, Garde };

// What a control shows of the sprite; only the field of the row's form is read.
struct Valeur {
    bool coche = false;
    float nombre = 0;
    int entier = 0;
    std::string texte;
    sf::Color couleur = sf::Color::White;
};

Valeur coche(bool b)
{
    Valeur v;
    v.coche = b;
    return v;
}

Valeur nombre(float f)
{
    Valeur v;
    v.nombre = f;
    return v;
}

Valeur entier(int i)
{
    Valeur v;
    v.entier = i;
    return v;
}

Valeur texte(std::string t)
{
    Valeur v;
    v.texte = std::move(t);
    return v;
}

Valeur couleur(sf::Color c)
{
    Valeur v;
    v.couleur = c;
    return v;
}

struct LigneRemplissage {
    const char* id;
    Forme forme;
    SansSelection sans;
    Valeur (*lire)(const CSPRITE&);
};

using S = const CSPRITE&;
constexpr auto Z = SansSelection::Zero;
constexpr auto V = SansSelection::Vide;
constexpr auto G = SansSelection::Garde;

// In the order the controls are written. "Poids" has no sprite field: it always shows 0.
const LigneRemplissage REMPLISSAGE[] = {
    {ids::myButtonCheckPhysB, Forme::Case, Z, [](S s) { return coche(s.bPhysB); }},
    {ids::myButtonCheckPhysG, Forme::Case, Z, [](S s) { return coche(s.bPhysG); }},
    {ids::myButtonCheckPhysR, Forme::Case, Z, [](S s) { return coche(s.bPhysR); }},
    {ids::myButtonCheckPhysE, Forme::Case, Z, [](S s) { return coche(s.bPhysE); }},
    {ids::myButtonCheckPhysP, Forme::Case, Z, [](S s) { return coche(s.bPhysP); }},
    {ids::myButtonCheckPhysC, Forme::Case, Z, [](S s) { return coche(s.bPhysC); }},
    {ids::myButtonCheckPhysDestruction, Forme::Case, Z, [](S s) { return coche(s.bPhysDestruction); }},
    {ids::myButtonCheckPhysForce, Forme::Case, Z, [](S s) { return coche(s.bPhysForce); }},
    {ids::myButtonCheckSprVisible, Forme::Case, Z, [](S s) { return coche(s.bVisible); }},
    {ids::myTextInputPoids, Forme::Entier, Z, [](S) { return entier(0); }},
    {ids::myTextInputRotV, Forme::Nombre, Z, [](S s) { return nombre(s.rotangle_virtuel); }},
    {ids::myTextInputRot, Forme::Nombre, Z, [](S s) { return nombre(s.rotangle); }},
    {ids::myTextInputRotAnim, Forme::Nombre, Z, [](S s) { return nombre(s.rotationPas); }},
    {ids::myButtonCheckAvantPlan, Forme::Case, Z, [](S s) { return coche(s.bPosDansLePlan); }},
    {ids::myButtonCheckCollisionsActives, Forme::Case, Z, [](S s) { return coche(s.bCollisionsActives); }},
    {ids::myTextInputCollision, Forme::Entier, Z, [](S s) { return entier(s.collision); }},
    {ids::myButtonCheckDECdefaut, Forme::Case, Z, [](S s) { return coche(s.bDecDefaut); }},
    {ids::myTextInputX, Forme::Nombre, Z, [](S s) { return nombre(s.x); }},
    {ids::myTextInputY, Forme::Nombre, Z, [](S s) { return nombre(s.y); }},
    {ids::myTextInputSX, Forme::Nombre, Z, [](S s) { return nombre(s.sx); }},
    {ids::myTextInputSY, Forme::Nombre, Z, [](S s) { return nombre(s.sy); }},
    {ids::myTextInputOx, Forme::Nombre, Z, [](S s) { return nombre(s.ox); }},
    {ids::myTextInputOy, Forme::Nombre, Z, [](S s) { return nombre(s.oy); }},
    {ids::myTextInputXi, Forme::Nombre, Z, [](S s) { return nombre(s.x0); }},
    {ids::myTextInputYi, Forme::Nombre, Z, [](S s) { return nombre(s.y0); }},
    {ids::myTextInputPlan, Forme::Entier, Z, [](S s) { return entier(s.plan); }},
    {ids::myTextInputID, Forme::Texte, Z, [](S s) { return texte(s.strID); }},
    {ids::myTextInputDEC, Forme::Texte, Z, [](S s) { return texte(s.pDEC ? s.pDEC->nom : ""); }},
    {ids::myTextInputFichierDEC, Forme::Texte, Z,
     [](S s) { return texte(s.pDEC && s.pDEC->pFichierDEC ? s.pDEC->pFichierDEC->chemin : ""); }},
    {ids::myTextInputCalque, Forme::Entier, G, [](S s) { return entier(s.calque); }},
    {ids::myTextInputGroupe, Forme::Entier, G, [](S s) { return entier(s.groupe); }},
    {ids::myTextInputParam1, Forme::Nombre, G, [](S s) { return nombre(s.paramsScript[0]); }},
    {ids::myTextInputParam2, Forme::Nombre, G, [](S s) { return nombre(s.paramsScript[1]); }},
    {ids::myTextInputParam3, Forme::Nombre, G, [](S s) { return nombre(s.paramsScript[2]); }},
    {ids::myColor, Forme::Couleur, G, [](S s) { return couleur(s.couleur); }},
    {ids::myButtonCheckOmbre, Forme::Case, Z, [](S s) { return coche(s.bOmbre); }},
    {ids::myButtonCheckOmbreAVP, Forme::Case, Z, [](S s) { return coche(s.bOmbreAvantPlan); }},
    {ids::myTextInputOmbreSX, Forme::Nombre, V, [](S s) { return nombre(s.ombreSX); }},
    {ids::myTextInputOmbreSY, Forme::Nombre, V, [](S s) { return nombre(s.ombreSY); }},
    {ids::myTextInputOmbreOfX, Forme::Nombre, V, [](S s) { return nombre(s.ombreDX); }},
    {ids::myTextInputOmbreOfY, Forme::Nombre, V, [](S s) { return nombre(s.ombreDY); }},
    {ids::myTextInputOmbreRotation, Forme::Nombre, V, [](S s) { return nombre(s.ombreRotation); }},
    {ids::myTextInputIdSon, Forme::Texte, Z, [](S s) { return texte(s.idSon); }},
    {ids::myTextInputModeSon, Forme::Entier, Z, [](S s) { return entier(s.modeSon); }},
    {ids::myTextInputDelaisSon, Forme::Entier, Z, [](S s) { return entier(s.delaiSon); }},
    {ids::myTextInputVolumeSon, Forme::Nombre, Z, [](S s) { return nombre(s.volumeSon); }},
    {ids::myButtonCheckSonLocal, Forme::Case, Z, [](S s) { return coche(s.pSon != nullptr); }},
};

void ecrire(const CPLUXDialog& d, const LigneRemplissage& l, const Valeur& v)
{
    switch (l.forme) {
    case Forme::Case: editeur::cocher(d, l.id, v.coche); break;
    case Forme::Nombre: editeur::afficher(d, l.id, v.nombre); break;
    case Forme::Entier: editeur::afficher(d, l.id, v.entier); break;
    case Forme::Texte: editeur::afficher(d, l.id, v.texte); break;
    case Forme::Couleur: editeur::colorer(d, l.id, v.couleur); break;
    }
}

// 0 stopped, 1 paused, 2 playing: the sprite's own sound, else the game's sound of its id.
int statutSon(const CSPRITE& sd)
{
    if (sd.pSon)
        return sd.pSon->getStatus();
    ServicesJeu* jeu = faceJeu::services();
    return jeu ? jeu->sonEnCours(sd.idSon) : sf::Sound::Stopped;
}

const wchar_t* texteStatut(int statut)
{
    switch (statut) {
    case sf::Sound::Stopped: return ids::SON_STOPPE;
    case sf::Sound::Paused: return ids::SON_EN_PAUSE;
    case sf::Sound::Playing: return ids::SON_EN_LECTURE;
    default: return ids::SON_INCONNU;
    }
}

} // namespace

CSPRITE* CJeuDialogSprite::selection()
{
    const MondeJeu* jeu = faceJeu::monde();
    return jeu && jeu->pdecor ? jeu->pdecor->pSDSelection : nullptr;
}

// The behaviours' option dialogs follow the selection, whatever it is (empty without it or
// without their behaviour); the particles' is left to the emitter it edits without one.
void CJeuDialogSprite::rafraichirOptions(CSPRITE* sd)
{
    if (auto* d = dialogue<CJeuDialogPhysCheminOptions>(ids::DIALOGUE_CHEMIN))
        d->init();
    if (auto* d = dialogue<CJeuDialogPhysEffondrementOptions>(ids::DIALOGUE_EFFONDREMENT))
        d->init();
    if (auto* d = dialogue<CJeuDialogPhysBasculeOptions>(ids::DIALOGUE_BASCULE))
        d->init();
    if (auto* d = dialogue<CJeuDialogPhysForceOptions>(ids::DIALOGUE_FORCE))
        d->refreshFromSprite();
    if (auto* d = dialogue<CJeuDialogPhysParticulesOptions>(ids::DIALOGUE_PARTICULES); d && sd)
        d->init(sd->pParticules, sd);
}

void CJeuDialogSprite::init()
{
    rafraichirOptions(selection());
    // Our inputs report the texts written here as changes: they must not go back into the
    // sprite (a parameter of 2.5 read from a level would come back as 2).
    const bool avant = bRemplissage;
    bRemplissage = true;
    if (CSPRITE* sd = selection()) {
        remplirSprite(*sd);
    } else {
        remplirControles(nullptr);
        if (auto* d = dialogue<CJeuDialogShaderVERT>(ids::DIALOGUE_SHADER); d && d->pUniformsVert == uniformsDonnees)
            d->attacher(nullptr, nullptr);
        editeur::choisirLigne(*this, ids::myComboBoxShader, 0);
        editeur::choisirLigne(*this, ids::myComboBoxShaderFrag, 0);
        editeur::afficher(*this, ids::myTextStatusSon, std::string());
    }
    bRemplissage = avant;
}

void CJeuDialogSprite::remplirSprite(CSPRITE& sd)
{
    // The shader variables edited are the selection's; refilled only when they change, so
    // that a variable being edited stays chosen.
    if (auto* d = dialogue<CJeuDialogShaderVERT>(ids::DIALOGUE_SHADER))
        if (d->pUniformsVert != &sd.uniformsVert || d->pUniformsFrag != &sd.uniformsFrag) {
            d->attacher(&sd.uniformsVert, &sd.uniformsFrag);
            uniformsDonnees = &sd.uniformsVert;
        }
    remplirShaders(sd);
    remplirControles(&sd);
    remplirStatutSon(sd);
}

// Each combo lists the folder's files of its stage after "(sans shader)"; a name the folder
// does not list leaves it on no line, never on the previous sprite's shader.
void CJeuDialogSprite::remplirShaders(const CSPRITE& sd)
{
    const AffichageJeu* jeu = faceJeu::affichage();
    CShaderManager* gestion = jeu ? jeu->pShaderManager : nullptr;
    if (!gestion)
        return;
    const struct {
        const char* id;
        const char* extension;
        const std::string& nom;
    } combos[] = {{ids::myComboBoxShader, "vert", sd.strShaderVert}, {ids::myComboBoxShaderFrag, "frag", sd.strShaderFrag}};
    for (const auto& c : combos) {
        CPLUXControlComboBox* combo = ctrlComboBox(c.id);
        if (!combo)
            continue;
        gestion->remplirComboShaders(gestion->dossier, combo, c.extension);
        combo->setNumSel(c.nom.empty() ? 0 : combo->getLine(c.nom));
    }
}

void CJeuDialogSprite::remplirControles(const CSPRITE* sd)
{
    for (const LigneRemplissage& l : REMPLISSAGE) {
        if (sd)
            ecrire(*this, l, l.lire(*sd));
        else if (l.sans == SansSelection::Zero)
            ecrire(*this, l, Valeur());
        else if (l.sans == SansSelection::Vide)
            editeur::afficher(*this, l.id, std::string());
    }
}

void CJeuDialogSprite::remplirStatutSon(const CSPRITE& sd)
{
    if (sd.idSon.empty()) {
        editeur::afficher(*this, ids::myTextStatusSon, ids::SON_NON_DEFINI);
        return;
    }
    editeur::afficher(*this, ids::myTextStatusSon, texteStatut(statutSon(sd)));
    bSonEnLecture = statutSon(sd) == sf::Sound::Playing;
}
