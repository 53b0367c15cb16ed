// Arbitrary bytes as a ".mnu" menu file, read as a plain menu and as the adventure level list
// (whose selectable lines name the levels), then laid out and drawn as several menus draw it
// (no window, and no record of the texts: measuring one renders its glyphs, up to 1000 pixels
// high, the font's work rather than the reader's, and most of a run), and walked up and down
// with the keys. Every text a line holds keeps to the game's size cap. The menus belong
// to a game without worlds: a "FONDNIV" level is the level reader's part, fuzzed on its own.
#include "game/Jeu.h"
#include "game/SourceEntrees.h"
#include "menus/JeuMenus.h"
#include "menus/MenuTypes.h"

#include "FuzzOutils.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Window/Event.hpp>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The size the menu reader holds a text to (the font would render glyphs of any size asked).
constexpr unsigned TAILLE_TEXTE_MAX = 1000;

// The game's menus, made once, with their fonts as loaded. A font keeps every glyph it drew at
// every size it was asked (up to 1000 pixels): over thousands of inputs that holds gigabytes,
// where the game asks its few menu files for a few sizes. Every hundred inputs the fonts start
// again from copies that drew nothing (a copy shares the font file, not the drawn glyphs);
// at every input, drawing big glyphs again would take most of the run.
CJeuMenus& menus()
{
    static unsigned entrees = 0;
    static std::vector<sf::Font>* neuves = nullptr;
    static CJeuMenus* m = [] {
        auto* jeu = new CSFMLJeu;
        faceJeu::installer(jeu->facettes());
        // Keys held are asked of a source that holds none: the window's asks the X server at
        // every key, a round trip each.
        jeu->pSourceEntrees = std::make_unique<SourceScriptee>();
        jeu->pMenus = new CJeuMenus;
        neuves = new std::vector<sf::Font>(std::begin(jeu->pMenus->polices), std::end(jeu->pMenus->polices));
        return jeu->pMenus;
    }();
    if (++entrees % 100 == 0)
        std::copy(neuves->begin(), neuves->end(), std::begin(m->polices));
    return *m;
}

void touche(CJeuMenus& m, sf::Keyboard::Key k)
{
    sf::Event e;
    e.type = sf::Event::KeyPressed;
    e.key = {k, false, false, false, false};
    m.recevoirEvenement(e);
    m.gererMenu();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    fuzz::preparer();
    CJeuMenus& m = menus();
    m.langue = "fr_";
    const std::string liste = IdMenu::fichier(IdMenu::CHOIX_AVENTURE);
    fuzz::ecrireEntree("fr_menu.mnu", donnees, taille);
    fuzz::ecrireEntree("fr_" + liste, donnees, taille);
    for (const std::string& fichier : {std::string("menu.mnu"), liste}) {
        m.chargerMenu(fuzz::chemin(""), fichier);
        if (m.nbLignes != static_cast<int>(m.lignes.size()) || m.ligneActive >= m.nbLignes)
            std::abort();
        for (const auto& ligne : m.lignes)
            for (const sf::Text* t : {ligne->pTexte1.get(), ligne->pTexte2.get()})
                if (t && t->getCharacterSize() > TAILLE_TEXTE_MAX)
                    std::abort();
        for (int id : {IdMenu::PRINCIPAL, IdMenu::OPTIONS, IdMenu::CHOIX_AVENTURE, IdMenu::VICTOIRE}) {
            m.idMenu = id;
            m.afficherMenu(nullptr);
        }
        // A menu no action answers: the keys only move the active line.
        m.idMenu = 9999;
        for (sf::Keyboard::Key k : {sf::Keyboard::Down, sf::Keyboard::Down, sf::Keyboard::Up, sf::Keyboard::Return})
            touche(m, k);
        if (m.ligneActive >= m.nbLignes)
            std::abort();
    }
    return 0;
}
