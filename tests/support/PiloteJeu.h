#pragma once
// A whole game run in process, for the tests that play the shipped data: a private copy of
// data/ (without the files the game writes), the game object made and initialised there,
// and a pilot that holds keys, sends key presses and steps the main loop one frame at a
// time, as fast as it can. The frame rate of the copy's "jeu.ini" can be chosen.
#include "core/Globals.h"
#include "core/Hasard.h"
#include "game/Jeu.h"
#include "game/SourceEntrees.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControl.h"
#include "gui/CPLUXMessageBox.h"
#include "support/Outils.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>

#include <unistd.h>

// Keys held and events queued by the pilot, taken by the game as its window's.
class SourcePilote : public SourceEntrees {
public:
    void debutImage(long) override {}
    bool evenementSuivant(sf::Event& e) override
    {
        if (file.empty())
            return false;
        e = file.front();
        file.pop_front();
        return true;
    }
    bool toucheEnfoncee(sf::Keyboard::Key k) const override { return tenues.count(k) != 0; }
    void fermerFenetre() override { bFermee = true; }

    std::set<sf::Keyboard::Key> tenues;
    std::deque<sf::Event> file;
    bool bFermee = false;
};

class PiloteJeu {
public:
    // The data folder the tests were built for.
    static std::filesystem::path donneesSource()
    {
        const char* d = std::getenv("TUV_DATA_DIR");
        return d ? d : "data";
    }

    // A copy of the data set in a temporary folder, made the working folder.
    explicit PiloteJeu(int framerate = 30) : framerate(framerate)
    {
        namespace fs = std::filesystem;
        ancien = fs::current_path();
        fs::copy(donneesSource(), dossier.str(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        for (const char* etat : {"langue.ini", "niveaux/joueurs.ini", "niveaux/progression.ini"})
            fs::remove(fs::path(dossier.str()) / etat);
        for (const auto& e : fs::directory_iterator(fs::path(dossier.str()) / "niveaux"))
            if (e.path().extension() == ".scr")
                fs::remove(e.path());
        const std::string ini = lireTexte(dossier / "jeu.ini");
        ecrireTexte(dossier / "jeu.ini",
                    std::regex_replace(ini, std::regex("\nFRAMERATE=[0-9]*"), "\nFRAMERATE=" + std::to_string(framerate)));
        fs::current_path(dossier.str());
    }
    ~PiloteJeu()
    {
        jeu.reset();
        faceJeu::installer({});
        std::filesystem::current_path(ancien);
    }

    // The game made and initialised from the copy's "jeu.ini", its input taken by the pilot.
    bool demarrer()
    {
        tuv::srand(1);  // as a new process starts: a game does not depend on the one before
        jeu = std::make_unique<CSFMLJeu>();
        // As a replay: each frame is one frame of game time and nothing waits for the clock.
        jeu->bRejeu = true;
        faceJeu::installer(jeu->facettes());
        if (jeu->init("jeu.ini") != 0)
            return false;
        auto s = std::make_unique<SourcePilote>();
        source = s.get();
        jeu->pSourceEntrees = std::move(s);
        return true;
    }

    // One frame of the main loop; false once the window is closed.
    bool image()
    {
        ++images;
        return jeu->etape();
    }
    // Frames until the condition holds; false when it did not within `maximum` frames.
    bool attendre(const std::function<bool()>& condition, int maximum)
    {
        for (int i = 0; i < maximum; ++i) {
            if (condition())
                return true;
            if (!image())
                return false;
        }
        return condition();
    }

    void tenir(sf::Keyboard::Key k, bool tenue)
    {
        if (tenue)
            source->tenues.insert(k);
        else
            source->tenues.erase(k);
    }
    // A key pressed and released within the next frame, as the window reports it.
    void frapper(sf::Keyboard::Key k)
    {
        sf::Event e;
        e.type = sf::Event::KeyPressed;
        e.key = {k, false, false, false, false};
        source->file.push_back(e);
        e.type = sf::Event::KeyReleased;
        source->file.push_back(e);
    }
    void taper(sf::Uint32 caractere)
    {
        sf::Event e;
        e.type = sf::Event::TextEntered;
        e.text.unicode = caractere;
        source->file.push_back(e);
    }

    // The window's last frame (empty without a window), or that frame as a PNG.
    sf::Image imageFenetre() const
    {
        sf::Texture t;
        if (!jeu->fenetre || !t.create(jeu->fenetre->getSize().x, jeu->fenetre->getSize().y))
            return {};
        t.update(*jeu->fenetre);
        return t.copyToImage();
    }
    bool capturer(const std::string& chemin) const { return imageFenetre().saveToFile(chemin); }
    // Each quarter of the frame holds a picture, not one flat colour: the most common of its
    // sampled pixels covers under half of them.
    static bool quartsPleins(const sf::Image& i)
    {
        const sf::Vector2u t = i.getSize();
        for (unsigned q = 0; q < 4; ++q) {
            std::map<sf::Uint32, int> couleurs;
            int total = 0, plus = 0;
            for (unsigned y = q / 2 * t.y / 2; y < (q / 2 + 1) * t.y / 2; y += 8)
                for (unsigned x = q % 2 * t.x / 2; x < (q % 2 + 1) * t.x / 2; x += 8, ++total)
                    plus = std::max(plus, ++couleurs[i.getPixel(x, y).toInteger()]);
            if (plus * 2 >= total)
                return false;
        }
        return true;
    }

    // The titles and texts of the message boxes open; empty when none is.
    static std::string boitesOuvertes()
    {
        std::string t;
        for (const CPLUXMessageBox* b : CPLUX::getMessageBoxes()) {
            t += "[" + b->getTitle();
            for (const CPLUXControl* c : b->getControls())
                t += " " + c->getText();
            t += "]";
        }
        return t;
    }

    DossierTemp dossier;
    std::filesystem::path ancien;
    std::unique_ptr<CSFMLJeu> jeu;
    SourcePilote* source = nullptr;
    long images = 0;
    int framerate;
};
