// The editor main menu: each button toggles its dialog and nothing else, keys and buttons
// share the toggle, the path dialog's selection fallback.
#include "OutilsEditeurNiveau.h"

#include "editor/JeuDialogPerso.h"
#include "editor/JeuDialogPhysCheminOptions.h"
#include "editor/JeuDialogSprite.h"

#include <map>
#include <vector>

namespace {

const char* const MENU = editeur::id::MENU;

// Button and the dialog it toggles (none for "myButtonListeIA").
const std::pair<const char*, const char*> BOUTONS[] = {
    {"myButtonCharger", "JeuDialogChargerNiv"},
    {"myButtonSauver", "JeuDialogSauverNiv"},
    {"myButtonChoixDecor", "SFMLJeuChoixDec"},
    {"myButtonChoixIA", "SFMLJeuChoixPer"},
    {"myButtonOptionsEditeur", "JeuDialogOptionsEditeur"},
    {"myButtonOptionsNiv", "JeuDialogOptionsNiv"},
    {"myButtonPlans", "JeuDialogPlans"},
    {"myButtonScripts", "JeuDialogScripts"},
    {"myButtonChemins", "JeuDialogPhysCheminOptions"},
    {"myButtonListeSD", "JeuDialogListeSD"},
    {"myButtonListeIA", nullptr},
    {"myButtonPropIA", "JeuDialogPerso"},
    {"myButtonPropSD", "JeuDialogSprite"},
    {"myButtonAnimations", "JeuDialogAnimationsSprites"},
    {"myButtonReseauInternet", "JeuDialogInternet"},
};

} // namespace

class MenuPrincipal : public EditeurNiveauTest {
protected:
    // Stand-ins under the ids of the dialogs other issues build, out of the menu's way.
    template <class T = CPLUXDialog>
    T* enregistrer(const char* id)
    {
        auto d = std::make_unique<T>();
        d->setId(id);
        d->setPosition(1100, 600);
        d->Size(100, 40);
        CPLUX::addDialog(nullptr, d.get(), nullptr, 0);
        T* brut = d.get();
        autres.push_back(std::move(d));
        return brut;
    }
    void enregistrerAutres()
    {
        for (const char* id : {"JeuDialogChargerNiv", "JeuDialogSauverNiv", "SFMLJeuChoixDec", "SFMLJeuChoixPer",
                               "JeuDialogScripts", "JeuDialogAnimationsSprites", "JeuDialogInternet"})
            enregistrer(id);
        dialoguePerso = enregistrer<CJeuDialogPerso>(editeur::id::PERSO);
        enregistrer<CJeuDialogSprite>(editeur::id::SPRITE);
        enregistrer<CJeuDialogPhysCheminOptions>(editeur::id::CHEMIN);
    }
    std::map<std::string, bool> visibilites()
    {
        std::map<std::string, bool> v;
        for (const auto& [bouton, id] : BOUTONS)
            if (id)
                v[id] = CPLUX::isDialogVisible(id);
        return v;
    }
    void TearDown() override
    {
        EditeurNiveauTest::TearDown();
        autres.clear();
    }
    std::vector<std::unique_ptr<CPLUXDialog>> autres;
    CJeuDialogPerso* dialoguePerso = nullptr;
};

TEST_F(MenuPrincipal, EachButtonTogglesItsDialogAndNothingElse)
{
    enregistrerAutres();
    for (const auto& [bouton, id] : BOUTONS) {
        SCOPED_TRACE(bouton);
        std::map<std::string, bool> attendu = visibilites();
        ASSERT_TRUE(presser(MENU, bouton));
        if (id)
            attendu[id] = true;
        EXPECT_EQ(visibilites(), attendu) << "the first press shows its dialog only";
        presser(MENU, bouton);
        if (id)
            attendu[id] = false;
        EXPECT_EQ(visibilites(), attendu) << "the second press hides it";
    }
}

TEST_F(MenuPrincipal, KeysAndButtonsShareTheToggle)
{
    const std::pair<sf::Keyboard::Key, const char*> touches[] = {
        {sf::Keyboard::F1, "myButtonOptionsEditeur"},
        {sf::Keyboard::F5, "myButtonPlans"},
        {sf::Keyboard::F6, "myButtonOptionsNiv"},
    };
    for (const auto& [touche, bouton] : touches) {
        SCOPED_TRACE(bouton);
        const char* id = nullptr;
        for (const auto& [b, d] : BOUTONS)
            if (std::string(b) == bouton)
                id = d;
        jeu->touchesEditeur(touche);
        EXPECT_TRUE(CPLUX::isDialogVisible(id)) << "the key opens it";
        presser(MENU, bouton);
        EXPECT_FALSE(CPLUX::isDialogVisible(id)) << "its button closes it";
        presser(MENU, bouton);
        jeu->touchesEditeur(touche);
        EXPECT_FALSE(CPLUX::isDialogVisible(id)) << "and the other way round";
    }
    // The character picker left open by the editor closes with F3 in play.
    enregistrerAutres();
    jeu->touchesEditeur(sf::Keyboard::F3);
    jeu->touchesJeu(sf::Keyboard::F3);
    EXPECT_FALSE(CPLUX::isDialogVisible(editeur::id::CHOIX_PER)) << "closed in play";
}

TEST_F(MenuPrincipal, PathDialogSelectsTheEditedCharactersSpriteOnlyWithoutSelection)
{
    // Nothing to open and nobody edited: the press and F4 change nothing.
    presser(MENU, "myButtonChemins");
    jeu->touchesEditeur(sf::Keyboard::F4);
    EXPECT_EQ(decor().pSDSelection, nullptr) << "no character dialog, no fallback";

    enregistrerAutres();
    dialoguePerso->pPerso = joueur;
    decor().pPlanSelection = decor().pPlans[2];
    presser(MENU, "myButtonChemins");
    EXPECT_EQ(decor().pSDSelection, joueur->sprite) << "the edited character's sprite is selected";
    EXPECT_EQ(decor().pPlanSelection, nullptr) << "in no plane";
    EXPECT_TRUE(CPLUX::isDialogVisible(editeur::id::CHEMIN));
    jeu->touchesEditeur(sf::Keyboard::F4);
    EXPECT_FALSE(CPLUX::isDialogVisible(editeur::id::CHEMIN)) << "F4 closes what the button opened";

    CSPRITE* caisse = sprite(2, "DEC");
    decor().pSDSelection = caisse;
    presser(MENU, "myButtonChemins");
    EXPECT_EQ(decor().pSDSelection, caisse) << "a selection already made stays";
}
