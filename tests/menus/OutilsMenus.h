#pragma once
// The menu tests' bench: a fresh working folder, a bare game object (no window, no init) with
// both worlds, a weapon list, a scripted input source and a pad that tests set.
#include "characters/Armes.h"
#include "core/Globals.h"
#include "core/Manettes.h"
#include "game/Jeu.h"
#include "game/OutilsJeu.h"
#include "game/SourceEntrees.h"
#include "gui/CPLUXTest.h"
#include "level/Decor.h"
#include "menus/JeuMenus.h"

#include <SFML/Graphics/Image.hpp>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

using Touches = SourceScriptee::Touches;
using Evenement = std::pair<sf::Event, Touches>;

// A key pressed and held after it; a key released.
inline Evenement appui(sf::Keyboard::Key k) { return {SourceScriptee::toucheAppuyee(k), {k}}; }
inline Evenement relache(sf::Keyboard::Key k) { return {SourceScriptee::toucheRelachee(k), {}}; }

class BancMenus {
public:
    // An id no menu action answers to.
    static constexpr int SANS_ACTION = 9999;

    BancMenus()
    {
        CPLUXTest::reset();
        CSFMLJeuGlobal::bModeTest = false;
        faceJeu::installer(jeu.facettes());
        auto s = std::make_unique<SourceScriptee>();
        source = s.get();
        jeu.pSourceEntrees = std::move(s);
        jeu.pdecorMenu = new CDecor();
        jeu.pdecorJeu = new CDecor();
        jeu.pdecor = jeu.pdecorMenu;
        jeu.parmes = new CArmes();
        setLecteurManette([this](unsigned n) { return n == 0 ? manette : EtatManette(); });
        std::filesystem::create_directories("menus");
        std::filesystem::create_directories("niveaux");
    }
    ~BancMenus()
    {
        setLecteurManette({});
        CSFMLJeuGlobal::bModeTest = false;
        CPLUXTest::reset();
    }

    // The menu object built in the folder as it stands; the game owns it.
    CJeuMenus& creerMenus()
    {
        delete jeu.pMenus;
        jeu.pMenus = new CJeuMenus();
        return *jeu.pMenus;
    }
    CJeuMenus& menus() { return jeu.pMenus ? *jeu.pMenus : creerMenus(); }

    // Writes "./menus/<prefixe><nom>", reads it and enters menu `id` (-1: not entered).
    void ouvrir(const std::string& nom, const std::string& contenu, int id = SANS_ACTION,
                const std::string& prefixe = "fr_")
    {
        ecrireTexte("menus/" + prefixe + nom, contenu);
        menus().chargerMenu("./menus/", nom);
        if (id >= 0)
            menus().entrerMenu(id);
    }

    // One frame: the keys held, then the events (each with the keys held after it), the
    // game's poll and the menu's frame.
    void image(const std::vector<Evenement>& evenements = {}, const Touches& touches = {})
    {
        source->ajouterImage(touches).evenements = evenements;
        jeu.traiterEvenementsFenetre();
        menus().gererMenu();
        ++jeu.compteurImages;
    }

    // The pad's stick on the menu's scale (x right, y down), raw as the window library's
    // positions are read (100 is 32767), and its buttons.
    void stick(float x, float y, uint16_t boutons = 0)
    {
        manette = EtatManette();
        manette.bConnecte = true;
        manette.gaucheX = static_cast<int16_t>(std::lround(x * 327.67f));
        manette.gaucheY = static_cast<int16_t>(std::lround(-y * 327.67f));
        manette.boutons = boutons;
    }

    DossierDeTravail dossier;  // first: the folder outlives the game
    CSFMLJeu jeu;
    SourceScriptee* source = nullptr;
    EtatManette manette;
};

// n selectable lines of one text each.
inline std::string lignesSelectionnables(int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += "LIGNE=10;" + std::to_string(40 * i) + ";1;;L" + std::to_string(i) + ";0;20;200;200;200\n";
    return s;
}

inline void ecrireImage(const std::string& chemin, unsigned w, unsigned h, sf::Color c)
{
    sf::Image i;
    i.create(w, h, c);
    i.saveToFile(chemin);
}

// Every menu a test may reach, under "./menus/fr_": `nb` selectable lines, the first naming
// its file, so that a test sees which file is on screen.
inline void ecrireMenus(int nb = 12)
{
    for (int id : {0, 1, 6, 60, 7, 10, 20, 21, 210, 30, 33, 100, 320, 330, 340, 400, 401, 410, 420, 430, 1000}) {
        std::string s;
        for (int i = 0; i < nb; ++i)
            s += "LIGNE=10;" + std::to_string(40 * i) + ";1;;" + (i == 0 ? std::string(IdMenu::fichier(id)) : "L" + std::to_string(i)) +
                 ";0;20;200;200;200\n";
        ecrireTexte(std::string("menus/fr_") + IdMenu::fichier(id), s);
    }
}

// The file of the menu on screen, as its first line names it ("" without lines).
inline std::string fichierAffiche(const CJeuMenus& m)
{
    return m.lignes.empty() || !m.lignes[0]->pTexte1 ? std::string() : m.lignes[0]->pTexte1->getString().toAnsiString();
}

// One press of pad buttons: held for a frame, released the next.
inline void boutons(BancMenus& b, uint16_t masque)
{
    b.stick(0, 0, masque);
    b.image();
    b.stick(0, 0, 0);
    b.image();
}


// A one-image ".dec" of a plain colour, its picture beside it.
inline void ecrireIcone(const std::string& dec, sf::Color c, unsigned l = 8, unsigned h = 8)
{
    const std::string png = dec.substr(0, dec.size() - 4) + ".png";
    std::filesystem::create_directories(std::filesystem::path(dec).parent_path());
    ecrireImage(png, l, h, c);
    ecrireTexte(dec, "ID=ICONE\nPLANCHE=" + png + "\nSPRITE=0;0;1;" + std::to_string(l) + ";" + std::to_string(h) + ";0;0\n");
}

// What the window shows now.
inline sf::Image ecran(sf::RenderWindow& f)
{
    sf::Texture t;
    t.create(f.getSize().x, f.getSize().y);
    t.update(f);
    return t.copyToImage();
}

// The texts a frame drew, by string.
inline const CJeuMenus::TexteDessine* texteDessine(const std::vector<CJeuMenus::TexteDessine>& journal,
                                                  const std::wstring& chaine)
{
    for (const auto& t : journal)
        if (t.chaine == chaine)
            return &t;
    return nullptr;
}
