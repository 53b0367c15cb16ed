#include "editor/JeuDialogMenu.h"

#include "editor/Editeur.h"
#include "editor/JeuDialogPerso.h"
#include "editor/JeuDialogSprite.h"
#include "gui/CPLUX.h"

namespace {

// What a button does besides the toggle of its dialog.
enum class Action { Basculer, Chemins, Perso, Sprite, Rien };

struct BoutonMenu {
    const char* id;
    const char* dialogue;
    Action action;
};

// In the order the ids are compared.
const BoutonMenu BOUTONS[] = {
    {"myButtonCharger", editeur::id::CHARGER_NIV, Action::Basculer},
    {"myButtonSauver", editeur::id::SAUVER_NIV, Action::Basculer},
    {"myButtonChoixDecor", editeur::id::CHOIX_DEC, Action::Basculer},
    {"myButtonChoixIA", editeur::id::CHOIX_PER, Action::Basculer},
    {"myButtonOptionsEditeur", editeur::id::OPTIONS_EDITEUR, Action::Basculer},
    {"myButtonOptionsNiv", editeur::id::OPTIONS_NIV, Action::Basculer},
    {"myButtonPlans", editeur::id::PLANS, Action::Basculer},
    {"myButtonScripts", editeur::id::SCRIPTS, Action::Basculer},
    {"myButtonChemins", editeur::id::CHEMIN, Action::Chemins},
    {"myButtonListeSD", editeur::id::LISTE_SD, Action::Basculer},
    {"myButtonListeIA", nullptr, Action::Rien},
    {"myButtonPropIA", editeur::id::PERSO, Action::Perso},
    {"myButtonPropSD", editeur::id::SPRITE, Action::Sprite},
    {"myButtonAnimations", editeur::id::ANIMATIONS, Action::Basculer},
    {"myButtonReseauInternet", editeur::id::INTERNET, Action::Basculer},
};

// Toggles the dialog, then refills it whichever way the toggle went.
template <class T>
void basculerPuisRemplir(const char* dialogue)
{
    editeur::basculerDialogue(dialogue);
    if (auto* d = dynamic_cast<T*>(CPLUX::getDialog(dialogue)))
        d->init();
}

} // namespace

bool CJeuDialogMenu::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (!c)
        return true;
    for (const BoutonMenu& b : BOUTONS) {
        if (c->getId() != b.id)
            continue;
        switch (b.action) {
        case Action::Basculer: editeur::basculerDialogue(b.dialogue); break;
        case Action::Chemins: editeur::ouvrirDialogueChemins(); break;
        case Action::Perso: basculerPuisRemplir<CJeuDialogPerso>(b.dialogue); break;
        case Action::Sprite: basculerPuisRemplir<CJeuDialogSprite>(b.dialogue); break;
        case Action::Rien: break;
        }
        break;
    }
    return true;
}
