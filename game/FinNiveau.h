#pragma once
// The end of a level or of a two-player round: when it happens, the pause that follows (the
// winner's pose and the camera closing in), then the scores, the progression and the end
// menu. The rules are callable without a window.
class CJeuMenus;
class CPerso;
class CSFMLJeu;

class CFinNiveau {
public:
    enum class Issue { Aucune, Gagne, Perdu, Manche };

    // One game frame, after the chrono: watches for the end, then runs the pause.
    void etape(CSFMLJeu& jeu);
    // What ended (Aucune while the level runs) and the menu that the pause leads to.
    Issue issue() const { return issue_; }
    int menu() const { return menu_; }

    // The rules --------------------------------------------------------------------------
    // A level's time: the chrono's start value minus its value now, never negative.
    static int tempsNiveau(int chronoRef, int chrono);
    // How many of the three thresholds are set (> 0) and not beaten by the time.
    static int etoiles(int temps, const int seuils[3]);
    // The won level's record (replaced by a better time, or by the same time with the
    // shield), its unlocking and the next one's, and the progression; then both files are
    // written, each failure told to the player. Runs only while the game world holds the
    // level that the list entry names; returns whether a new record was set.
    static bool enregistrerVictoire(CJeuMenus& menus, int temps, int etoiles, bool bouclier);
    // Opens an end menu: menu mode, the file, its entry, and pad A masked while still held.
    static void ouvrirMenuFin(CSFMLJeu& jeu, int menu);

private:
    void detecter(CSFMLJeu& jeu);
    bool detecterManche(CSFMLJeu& jeu);
    void commencer(CSFMLJeu& jeu, Issue issue, int menu, CPerso* vainqueur);
    void conclure(CSFMLJeu& jeu);

    Issue issue_ = Issue::Aucune;
    int menu_ = 0;
    float pasZoom_ = 0;
    // Player characters the level had before anyone left it.
    int nbPersosDepart_ = 1;
};
