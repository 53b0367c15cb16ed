#pragma once
// Input replayed from a file, for automated runs of the real executable (JEU_REJOUER).
// One record per line, frames counted from 0:
//   TOUCHE=frame;key;1 or 0      a key pressed (1) or released (0): a name of KeyNames below
//                                 ("Right", "Space", "Return", "A"...) or the window
//                                 library's key number
//   TEXTE=frame;character        a character typed (UTF-8)
//   BOUTON=frame;button;1 or 0   a button of pad 0: A B X Y START BACK LB RB HAUT BAS LS RS
//   AXE=frame;X or Y;value       pad 0's left stick, -100..100, up positive
//   CAPTURE=frame;file.png       the window at the end of that frame, saved as a PNG
//   FIN=frame                    the window closes at that frame
// Lines that do not read are skipped and counted, so that a bad file never stops the game.
#include "core/Manettes.h"
#include "game/SourceEntrees.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class SourceRejouee : public SourceEntrees {
public:
    // A pressed key, a typed character, a pad's button or axis, a capture, the end.
    struct Action {
        enum class Type { Touche, Texte, Bouton, Axe, Capture, Fin } type = Type::Fin;
        int code = 0;          // key, character, button mask, or 0/1 for the X/Y axis
        int valeur = 0;        // 1 or 0 for keys and buttons; the axis' value
        std::string fichier;   // the capture's file
    };

    // `capturer` saves the window of the frame under a file name; `fermer` closes the window.
    SourceRejouee(std::function<bool(const std::string&)> capturer, std::function<void()> fermer);
    ~SourceRejouee() override;

    // Reads a replay; false when the file cannot be opened.
    bool charger(const std::string& fichier);
    // Reads the records of a text (what charger does with the file's content).
    void lireTexte(const std::string& texte);

    void debutImage(long image) override;
    bool evenementSuivant(sf::Event& e) override;
    bool toucheEnfoncee(sf::Keyboard::Key k) const override;
    void fermerFenetre() override;
    void finImage() override;

    int lignesRejetees() const { return rejetees; }
    const std::multimap<long, Action>& actions() const { return programme; }
    // The pad 0 reading the replay has set so far.
    const EtatManette& manette() const { return *etat; }

    static sf::Keyboard::Key touche(const std::string& nom);

private:
    bool lireLigne(const std::string& cle, const std::vector<std::string>& valeurs);
    void appliquer(const Action& a);

    std::function<bool(const std::string&)> capturer;
    std::function<void()> fermer;
    std::multimap<long, Action> programme;
    std::set<sf::Keyboard::Key> tenues;
    std::deque<sf::Event> file;
    std::vector<std::string> captures;  // saved at the end of the current frame
    std::shared_ptr<EtatManette> etat;  // shared with the pad reader installed
    int rejetees = 0;
};
