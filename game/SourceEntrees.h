#pragma once
// Where the game takes its input from: the window's events, the keyboard's key states and
// the closing of the window. The game polls its source once per frame; everything that
// reads keys (the game's commands, the menus) asks the same source, so that a test or a
// replay can stand in for the window.
#include "game/EtatClavier.h"

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <deque>
#include <memory>
#include <set>
#include <utility>
#include <vector>

class CSFMLJeu;
namespace sf { class Window; }

class SourceEntrees {
public:
    virtual ~SourceEntrees() = default;
    // Starts frame `image`: gathers the events of that frame.
    virtual void debutImage(long image) = 0;
    // Takes the next event of the frame; false when there is none left.
    virtual bool evenementSuivant(sf::Event& e) = 0;
    // Whether the key is held, as it is after the last event taken.
    virtual bool toucheEnfoncee(sf::Keyboard::Key k) const = 0;
    virtual void fermerFenetre() = 0;
    // The frame is drawn and about to be shown.
    virtual void finImage() {}
};

// The window itself, plus the keys that automated runs press at given frames.
// A key is held as the window's own key events say, in their order: the server's keymap
// says what is held now, after every event still queued, so a Shift pressed and let go
// around a click within one frame would be missed. The keymap is read only where no event
// tells: at the start and whenever the window gets the focus back (keys let go meanwhile
// went to another window); without the focus no key is held.
class SourceFenetre : public SourceEntrees {
public:
    // The game owns the source; without a window there are no events.
    explicit SourceFenetre(CSFMLJeu& jeu);
    void debutImage(long image) override;
    bool evenementSuivant(sf::Event& e) override;
    bool toucheEnfoncee(sf::Keyboard::Key k) const override;
    void fermerFenetre() override;

private:
    void suivreTouches(const sf::Event& e);

    CSFMLJeu& jeu;
    // The frame's events; false for the keys that automated runs press, which hold nothing.
    std::deque<std::pair<sf::Event, bool>> file;
    std::unique_ptr<EtatClavier> clavier = std::make_unique<EtatClavier>();
    // Per key: what its last event said (0 up, 1 down), or -1: ask the keymap.
    enum : signed char { DEPUIS_CLAVIER = -1, RELACHEE = 0, ENFONCEE = 1 };
    std::vector<signed char> parEvenement;
};

// Frames written in advance: for each frame, its events and the keys held after each of
// them. After the last frame nothing happens and no key is held.
class SourceScriptee : public SourceEntrees {
public:
    using Touches = std::set<sf::Keyboard::Key>;
    struct Image {
        Touches touches;  // held at the start of the frame, before any event
        std::vector<std::pair<sf::Event, Touches>> evenements;
    };

    // The window that fermerFenetre closes, when there is one.
    explicit SourceScriptee(sf::Window* fenetre = nullptr) : fenetre(fenetre) {}

    // Appends a frame and returns it for filling.
    Image& ajouterImage(const Touches& touches = {});
    // Appends a frame with one event and the keys held after it.
    Image& ajouterImage(const sf::Event& e, const Touches& apres);
    void debutImage(long image) override;
    bool evenementSuivant(sf::Event& e) override;
    bool toucheEnfoncee(sf::Keyboard::Key k) const override;
    void fermerFenetre() override;

    bool bFermee = false;
    // Frames not yet started.
    size_t imagesRestantes() const { return suivante >= images.size() ? 0 : images.size() - suivante; }

    // Events as the window gives them.
    static sf::Event toucheAppuyee(sf::Keyboard::Key k);
    static sf::Event toucheRelachee(sf::Keyboard::Key k);
    static sf::Event texte(sf::Uint32 caractere);

private:
    sf::Window* fenetre;
    std::vector<Image> images;
    size_t suivante = 0;  // next frame to start
    size_t evenement = 0;  // next event of the current frame
    Touches courantes;
};
