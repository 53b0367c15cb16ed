#pragma once
// A spatial index of one plane's decor sprites: a uniform grid of the places where each sprite
// can answer one of the plane's queries (near a collision probe, its hit box overlapping
// another, its image under the mouse), so that a query visits the few sprites around its
// point instead of the whole list.
//
// Sprite fields are written directly from everywhere, so the grid only holds what cannot move
// behind its back:
// - it is brought up to date at the first query of each frame (g_services.numeroFrame): the
//   fields each sprite's place is computed from are compared with those the grid was built
//   from, and a sprite that moved or changed size joins the short list, as do sprites added
//   at the end of the list;
// - sprites that move or change by themselves within a frame (path, physics, collapse,
//   seesaw, force, destruction, layered animation) and sprites whose place is not a finite
//   number are never in the grid: they stay in the short list, which every query scans;
// - a list whose length or ends changed is followed again at the next query; whatever
//   removes or reorders sprites otherwise, or moves them in the middle of a frame (the
//   plane's own methods, the level's restart, sprite creation and deletion, the editor, each
//   script command), calls invalider(): the next query follows the list and compares again.
// Candidates come out in list order (or its reverse), each once, and the caller applies its
// own test to the live sprite: answers are those of a walk over the whole list. Without a
// frame clock (tests, tools) every query walks the list itself.
#include <cstddef>
#include <cstdint>
#include <list>
#include <vector>

class CDEC;
class CSPRITE;

class CIndexSD {
public:
    explicit CIndexSD(const std::list<CSPRITE*>& sprites);
    CIndexSD(const CIndexSD&) = delete;
    CIndexSD& operator=(const CIndexSD&) = delete;

    // Something may have moved, appeared or gone in the middle of a frame.
    void invalider() { aJour = false; }

    class Parcours;
    // Sprites that may lie near (x1, y1) or (x2, y2) as the collision query measures it (closer
    // than the larger of the scaled frame width and height on both axes), first to last.
    Parcours pres(float x1, float y1, float x2, float y2);
    // Sprites whose hit box may overlap the rectangle (edges included), first to last.
    Parcours chevauchant(float gauche, float haut, float droite, float bas);
    // Sprites whose image may lie under the point, last to first (the front one first).
    Parcours sous(float x, float y);

    // What the benchmarks and tests observe: sprites in the grid and in the short list,
    // cells, and how many times the grid was built.
    struct Etat {
        std::size_t grille = 0, courte = 0, cellules = 0;
        long reconstructions = 0;
    };
    Etat etat() const;

    // The fields a sprite's place is computed from, as the last look read them (frame sizes
    // from its bank).
    struct Releve {
        const CDEC* banque;
        float x, y, sx, sy, ox, oy;
        int hitbox[4];
        int flipH, flipV, numAnim, largeurFixe, hauteurFixe;
        int frameX, frameY, baseX, baseY;  // the current animation's, animation 0's
        int drapeaux;                      // fixed size; moves by itself
        bool operator==(const Releve& r) const;
    };

private:
    // A sprite in a cell, with what the collision query's nearness test reads of it.
    struct Case {
        CSPRITE* sd;
        std::uint32_t rang;
        float x, y, r;
    };
    struct Grille {
        float x0 = 0, y0 = 0, x1 = 0, y1 = 0, cote = 1, inverse = 1;
        int nx = 0, ny = 0;
        std::vector<std::uint32_t> debuts;  // per cell, into contenu; one more at the end
        std::vector<Case> contenu;          // ranks increasing within each cell
        int index(float v, float debut, int n) const;
        int cellule(float x, float y) const;  // -1 outside
        bool contient(float gauche, float haut, float droite, float bas) const;
        bool plage(float a, float b, bool horizontal, int& premiere, int& derniere) const;
    };

    // Up to date for this frame; false: the caller walks the list.
    bool pret();
    bool structureInchangee() const;
    void rafraichir(bool suivreListe);
    bool relireListe(std::vector<std::uint32_t>& nouveaux);
    bool lireAjouts(std::vector<std::uint32_t>& nouveaux);
    void comparer(std::size_t connus, std::vector<std::uint32_t>& changes);
    void reconstruire();
    void choisirGrille(const std::vector<float>& zones);
    void remplirGrille(const std::vector<float>& zones, const std::vector<float>& rayons);

    const std::list<CSPRITE*>& sprites;
    std::vector<CSPRITE*> ordre;  // the list as the grid was built from it
    std::vector<Releve> releves;
    std::vector<char> mobiles;           // by rank: in the short list
    std::vector<std::uint32_t> courte;  // ranks of the short list, increasing
    Grille grille;
    bool aJour = false;
    unsigned long image = 0;
    int profondeur = 0;  // queries under way: nothing is rebuilt under them
    std::size_t deplaces = 0;  // sprites put in the short list since the grid was built
    long reconstructions = 0;
};

// The candidates of one query. Keeps the index from being rebuilt while it lives.
class CIndexSD::Parcours {
public:
    Parcours(Parcours&& autre) noexcept;
    Parcours(const Parcours&) = delete;
    Parcours& operator=(const Parcours&) = delete;
    Parcours& operator=(Parcours&&) = delete;
    ~Parcours();
    // The next candidate (a null pointer of the list included); false after the last.
    bool suivant(CSPRITE*& sd);
    // The last candidate is near one of the points by the collision query's own test, on its
    // place and size as they still are: the query need not test it again.
    bool dejaProche() const { return proche; }

private:
    friend class CIndexSD;
    Parcours(CIndexSD& index, bool grille, bool inverse);
    void ajouterCellule(int c);
    bool retenue(const Case& c) const;
    // The candidate a cell gives next (0: none), the short list's (or a rectangle's).
    const Case* teteCellule(int k);
    bool suivantGrille(CSPRITE*& sd);

    CIndexSD* index;
    bool grille, inverse;
    std::list<CSPRITE*>::const_iterator it;
    std::list<CSPRITE*>::const_reverse_iterator itInverse;
    const Case* cases[2][2] = {};  // two cells: first and past-the-end
    int nbCellules = 0;
    const std::uint32_t* rangs[2] = {};  // the short list, or a rectangle's candidates
    std::vector<std::uint32_t> tampon;
    bool filtrePoints = false, deuxPoints = false, proche = false;
    float px[2] = {0, 0}, py[2] = {0, 0};
};
