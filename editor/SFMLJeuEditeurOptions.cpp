#include "editor/SFMLJeuEditeurOptions.h"

#include "core/EtatJeu.h"
#include "editor/Editeur.h"
#include "gui/CPLUX.h"
#include "level/Decor.h"
#include "level/EffetNeige.h"

#include <optional>

namespace {

// What a check switches: a flag of the game, of the level, or a weather effect.
enum class Cible { Grille, Masques, Lumieres, Meteo };

struct CaseOptions {
    const char* id;
    const char* libelle;
    int y;
    Cible cible;
    editeur::Meteo meteo;
};

const CaseOptions CASES[] = {
    {"chkMasque", "Afficher masques", 40, Cible::Masques, {}},
    {"chkGrille", "Afficher grille", 60, Cible::Grille, {}},
    {"chkLumieres", "Afficher lumieres", 80, Cible::Lumieres, {}},
    {"chkPluie", "Pluie", 100, Cible::Meteo, editeur::Meteo::Pluie},
    {"chkNeige", "Neige", 120, Cible::Meteo, editeur::Meteo::Neige},
    {"chkLucioles", "Lucioles", 140, Cible::Meteo, editeur::Meteo::Lucioles},
    {"chkBrouillard", "Brouillard", 160, Cible::Meteo, editeur::Meteo::Brouillard},
    {"chkNuages", "Nuages", 180, Cible::Meteo, editeur::Meteo::Nuages},
};
constexpr int CASE_X = 10, CASE_LARGEUR = 150, CASE_HAUTEUR = 15;
// White labels need a dark window: the library's theme is light.
const sf::Color FOND(45, 50, 62);

// The flag the check shows; none without a level (the grid's needs only the game).
std::optional<bool> drapeau(const CaseOptions& c, const MondeJeu& jeu, const OptionsJeu& options)
{
    if (c.cible == Cible::Grille)
        return options.bAfficheGrille;
    if (!jeu.pdecor)
        return std::nullopt;
    const CDecor& d = *jeu.pdecor;
    switch (c.cible) {
    case Cible::Masques: return d.bMasques;
    case Cible::Lumieres: return d.bLuxVisibles;
    case Cible::Meteo: return editeur::meteoActive(d, c.meteo);
    default: return std::nullopt;
    }
}

// Inverts the check's flag; false when there was nothing to switch.
bool inverser(const CaseOptions& c, MondeJeu& jeu, OptionsJeu& options)
{
    CDecor* d = jeu.pdecor;
    if (!d)
        return false;
    switch (c.cible) {
    case Cible::Grille: options.bAfficheGrille = !options.bAfficheGrille; break;
    case Cible::Masques: d->bMasques = !d->bMasques; break;
    case Cible::Lumieres:
        d->bLuxVisibles = !d->bLuxVisibles;
        editeur::appliquerLumieres(*d);
        break;
    case Cible::Meteo:
        editeur::appliquerMeteo(*d, c.meteo, !editeur::meteoActive(*d, c.meteo),
                                CEffetNeige::hauteurAvecMarge(d->tailleJeuY));
        break;
    }
    return true;
}

} // namespace

CSFMLJeuEditeurOptions::CSFMLJeuEditeurOptions()
{
    int id = 0;
    CPLUX::addDialog(&id, nullptr, this, 0);
    pDialog = CPLUX::getDialog(id);
    if (pDialog) {
        pDialog->setCloseMode(2);
        pDialog->setVisible(true);
        pDialog->setMinimize(true);
        pDialog->setTitle(L"Options");
        pDialog->setPosition(X, Y);
        pDialog->Size(LARGEUR, HAUTEUR);
        pDialog->setColorFond(FOND);
        pDialog->setDialogCallback(&CSFMLJeuEditeurOptions::callback);
        for (const CaseOptions& c : CASES)
            if (CPLUXControlButtonCheck* b = pDialog->addControlButtonCheck(
                    c.id, c.libelle, IMAGE_COCHE, IMAGE_VIDE, CASE_X, c.y, CASE_LARGEUR, CASE_HAUTEUR, false))
                b->getLabelText().setFillColor(sf::Color::White);
    }
    pjeu = nullptr;
}

CSFMLJeuEditeurOptions::~CSFMLJeuEditeurOptions()
{
    // The library frees the dialogs it made when it shuts down first.
    if (CPLUX::estVivant(pDialog))
        delete pDialog;
}

void CSFMLJeuEditeurOptions::afficherDrapeaux()
{
    if (!pDialog || !pjeu)
        return;
    for (const CaseOptions& c : CASES) {
        CPLUXControlButtonCheck* b = pDialog->ctrlButtonCheck(c.id);
        if (const std::optional<bool> v = drapeau(c, *pjeu, *faceJeu::options()); b && v)
            b->setCheck(*v);
    }
}

void CSFMLJeuEditeurOptions::suivreNiveau()
{
    if (pDialog && pDialog->estAffiche())
        afficherDrapeaux();
}

bool CSFMLJeuEditeurOptions::callback(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code)
{
    auto* moi = static_cast<CSFMLJeuEditeurOptions*>(owner);
    if (!moi || !ctrl || code != 0 || !moi->pjeu)
        return true;
    for (const CaseOptions& c : CASES)
        if (ctrl->getId() == c.id) {
            if (inverser(c, *moi->pjeu, *faceJeu::options()))
                moi->afficherDrapeaux();
            break;
        }
    return true;
}
