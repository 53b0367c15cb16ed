// Writes the animated sprites the game ships: the hero's and the guard's ".anm" files, the
// spirit that leaves a dead player, the fire meteor, the fire of a burnt body and the rabbit
// of an empty weapon; and the levels' musics and ambiences (Musiques.cpp). Their sheets come
// from data/outils/generer_images_hud.py,
// whose layout the cuts below follow. Run from data/ with a display (a GL context is needed
// to hold a sheet texture):
//
//     xvfb-run -a ../build/test/tools/donnees/generer_anm
#include "anim/Sprite3.h"
#include "core/PiloteGL.h"
#include "tools/donnees/Musiques.h"

#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

namespace {

// A cut of the sheet, in sheet pixels.
struct Cadre {
    const char* nom;
    float x, y, l, h;
};

// An animation whose one anim element shows another element at each keyframe.
struct Animation {
    const char* nom;
    std::vector<int> images;  // element of each keyframe
    int framesParImage;
};

void bornerAnimation(CSPRITE3& s, int n, sf::FloatRect global, sf::FloatRect hitbox, sf::Vector2f origine)
{
    CSPRITE3_ANIMATION& anim = *s.getAnim(n);
    anim.rectGlobal = global;
    anim.rectHitbox = hitbox;
    anim.origineGlobale = origine;
}

void ajouterAnimation(CSPRITE3& s, const Animation& a, sf::FloatRect global, sf::FloatRect hitbox,
                      sf::Vector2f origine)
{
    s.ajouterAnimation(a.nom, true);
    const int n = s.getNbAnimations() - 1;
    s.setNbFrames(n, static_cast<int>(a.images.size()) * a.framesParImage);
    s.setInterpolation(n, false);
    s.ajouterAnimElem(n, a.images.front(), "corps", 0, 1);
    for (size_t k = 0; k < a.images.size(); ++k) {
        const int f = static_cast<int>(k) * a.framesParImage;
        s.ajouterKeyframe(n, f);
        s.setKeyAnimElemValeurs(n, f, 0, a.images[k], true, 0, 0, 0, 0, 1, 1, 0, false);
    }
    bornerAnimation(s, n, global, hitbox, origine);
}

void ajouterElements(CSPRITE3& s, const std::vector<Cadre>& cadres)
{
    for (const Cadre& c : cadres)
        s.ajouterElement(c.nom, c.x, c.y, c.l, c.h, 0, 0, 2, 2, -1, -1, false);
}

// ---------------------------------------------------------------- the characters' figure

// Elements of a character's sheet (outils/generer_images_hud.py draws them upright).
enum Partie { TETE, CORPS, BRAS_AVANT, BRAS_ARRIERE, JAMBE_AVANT, JAMBE_ARRIERE, ARME, FEU, FLECHE, FLECHE_TETE, PIQUES,
              CHAPEAU1 };
// Drawing order of the anim elements: what is behind first.
const Partie ORDRE[] = {JAMBE_ARRIERE, BRAS_ARRIERE, CORPS, TETE, JAMBE_AVANT, ARME, BRAS_AVANT};
constexpr int NB_MEMBRES = 7;

// The figure being built: the heroes of the two-player game wear one of four hats, anim
// elements "chapeau1" to "chapeau4" over the head, hidden until the round start shows the
// player's; the victory animations draw the figure three times as large.
struct Gabarit {
    int nbChapeaux = 0;
    float echelle = 1;
};
Gabarit gabarit;

// A stance of the figure, in the animation's frame (32 x 64, feet at (16, 64)).
struct Pose {
    float dx = 0, baisse = 0;    // hips shifted right, lowered
    float penche = 0;            // body turned about the hips (degrees, clockwise)
    float brasAvant = -80, brasArriere = 10;    // arms from hanging down
    float jambeAvant = 0, jambeArriere = 0;     // legs from straight down
};

sf::Vector2f tourner(sf::Vector2f v, float degres)
{
    const float r = degres * 3.14159265f / 180.0f;
    return {v.x * std::cos(r) - v.y * std::sin(r), v.x * std::sin(r) + v.y * std::cos(r)};
}

// The keys of the figure's seven anim elements at keyframe f of animation a; sansJambes
// hides the legs (a daughter animation walks them).
void poser(CSPRITE3& s, int a, int f, const Pose& p, bool sansJambes = false)
{
    s.ajouterKeyframe(a, f);
    const sf::Vector2f hanches(16 + p.dx, 37 + p.baisse);
    const sf::Vector2f epaules = hanches + tourner({0, -20}, p.penche);
    const sf::Vector2f cou = hanches + tourner({0, -22}, p.penche);
    const sf::Vector2f main = epaules + tourner({0, 16}, p.brasAvant);
    const float jambe = std::max(0.4f, (27 - p.baisse) / 26);  // crouching folds the legs
    struct Cle {
        sf::Vector2f position, origine;
        float sy, rotation;
    } cles[NB_MEMBRES] = {
        {hanches + sf::Vector2f(2, 0), {3, 0}, jambe, p.jambeArriere},
        {epaules, {2.5f, 1}, 1, p.brasArriere},
        {hanches, {7, 22}, 1, p.penche},
        {cou, {6, 12}, 1, p.penche},
        {hanches + sf::Vector2f(-2, 0), {3, 0}, jambe, p.jambeAvant},
        {main, {2, 2.5f}, 1, p.brasAvant + 90},
        {epaules, {2.5f, 1}, 1, p.brasAvant},
    };
    for (int ae = 0; ae < NB_MEMBRES; ++ae) {
        const Cle& c = cles[ae];
        const bool jambe = ORDRE[ae] == JAMBE_AVANT || ORDRE[ae] == JAMBE_ARRIERE;
        const float e = gabarit.echelle;
        s.setKeyAnimElemValeurs(a, f, ae, ORDRE[ae], !(sansJambes && jambe), c.position.x * e, c.position.y * e,
                                c.origine.x, c.origine.y, e, c.sy * e, c.rotation, false);
    }
    // The hats sit on the head, turned with it.
    const sf::Vector2f chapeau = (cou + tourner({0, -9}, p.penche)) * gabarit.echelle;
    for (int k = 0; k < gabarit.nbChapeaux; ++k)
        s.setKeyAnimElemValeurs(a, f, NB_MEMBRES + k, CHAPEAU1 + k, false, chapeau.x, chapeau.y, 7, 10, gabarit.echelle,
                                gabarit.echelle, p.penche, false);
}

void ajouterMembres(CSPRITE3& s, int a)
{
    for (Partie e : ORDRE)
        s.ajouterAnimElem(a, e, "", 0, 1);
    for (int k = 0; k < gabarit.nbChapeaux; ++k)
        s.ajouterAnimElem(a, CHAPEAU1 + k, "chapeau" + std::to_string(k + 1), 0, 1);
}

// An animation of the figure: its poses, one keyframe each, so many frames apart.
void animerFigure(CSPRITE3& s, const char* nom, const std::vector<Pose>& poses, int ecart)
{
    s.ajouterAnimation(nom, true);
    const int a = s.getNbAnimations() - 1;
    s.setNbFrames(a, static_cast<int>(poses.size()) * ecart);
    s.setVitesseAnim(a, 2);
    ajouterMembres(s, a);
    for (size_t k = 0; k < poses.size(); ++k)
        poser(s, a, static_cast<int>(k) * ecart, poses[k]);
    const float e = gabarit.echelle;
    bornerAnimation(s, a, sf::FloatRect(0, 0, 32 * e, 64 * e), sf::FloatRect(6 * e, 8 * e, 20 * e, 56 * e),
                    sf::Vector2f(16 * e, 64 * e));
}

// An aim animation: one frame per degree from straight up (0) to straight down (180), the
// front arm and the weapon pointing there; the drawing shows the frame of the aim angle.
// A walking one hides its legs and walks them in a daughter animation drawn behind it.
void animerVisee(CSPRITE3& s, const char* nom, const Pose& base, int filleJambes)
{
    s.ajouterAnimation(nom, true);
    const int a = s.getNbAnimations() - 1;
    s.setNbFrames(a, 181);
    s.setVisee(a, true);
    s.setNbFramesVisee(a, 1);
    s.setCercleViseePos(a, 16, 17);  // the shoulders; shots leave at the weapon's end
    s.setCercleViseeRayon(a, 24);
    ajouterMembres(s, a);
    for (int angle = 0; angle <= 180; angle += 45) {
        Pose p = base;
        p.brasAvant = static_cast<float>(angle - 180);  // from hanging down to the aim
        poser(s, a, angle, p, filleJambes >= 0);
    }
    bornerAnimation(s, a, sf::FloatRect(0, 0, 32, 64), sf::FloatRect(6, 8, 20, 56), sf::Vector2f(16, 64));
    if (filleJambes >= 0) {
        s.getAnim(a)->fille = filleJambes;
        s.setModeAnimationFille(a, 0);
    }
}

// The shadow under the feet: the silhouette turned over (165 degrees, as plain sprites cast
// theirs) and flattened.
void ombrer(CSPRITE3& s, const std::string& nom)
{
    for (int a = 0; a < s.getNbAnimations(); ++a)
        if (s.getAnim(a)->nom == nom) {
            s.setOmbre(a, true);
            s.setOmbreRotation(a, 165);
            s.setOmbreEcrasement(a, -1, 0.3f);
        }
}

// A character of seven parts: one animation per group of states, the death one carrying
// the four overlays that the killing weapon shows.
// Lying on the back, arms thrown up: a dead character, or both heroes when everybody died.
Pose poseCouchee()
{
    Pose p;
    p.baisse = 24;
    p.penche = -90;
    p.jambeAvant = -90;
    p.jambeArriere = -80;
    p.brasAvant = -170;
    p.brasArriere = -160;
    return p;
}

void ajouterElementsFigure(CSPRITE3& s)
{
    ajouterElements(s, {{"tete", 0, 0, 12, 12}, {"corps", 12, 0, 14, 22}, {"bras_avant", 26, 0, 5, 18},
                        {"bras_arriere", 31, 0, 5, 18}, {"jambe_avant", 36, 0, 6, 26},
                        {"jambe_arriere", 42, 0, 6, 26}, {"arme", 48, 0, 14, 5}, {"mort_feu", 0, 32, 32, 32},
                        {"mort_fleche", 32, 32, 24, 8}, {"mort_fleche_tete", 32, 40, 24, 8},
                        {"mort_piques", 64, 32, 32, 16}});
    if (gabarit.nbChapeaux > 0)
        ajouterElements(s, {{"chapeau1", 64, 0, 14, 10}, {"chapeau2", 80, 0, 14, 10}, {"chapeau3", 64, 12, 14, 10},
                            {"chapeau4", 80, 12, 14, 10}});
}

void construirePerso(CSPRITE3& s, const std::string& id, const std::string& feuille)
{
    ajouterElementsFigure(s);
    Pose debout, souffle;
    souffle.baisse = 1;
    auto pas = [](float jambe, float bras) {
        Pose p;
        p.jambeAvant = jambe;
        p.jambeArriere = -jambe;
        p.brasArriere = 10 - bras;
        return p;
    };
    Pose baisse;
    baisse.baisse = 12;
    baisse.jambeAvant = -30;
    baisse.jambeArriere = 20;
    Pose saut = baisse;
    saut.baisse = -4;
    Pose chute;
    chute.jambeAvant = 15;
    chute.jambeArriere = -10;
    chute.brasArriere = 60;
    Pose recul;
    recul.penche = -15;
    recul.brasAvant = -150;
    recul.brasArriere = 150;
    Pose dash;
    dash.penche = 20;
    dash.jambeArriere = -40;
    Pose victoire;
    victoire.brasAvant = -170;
    victoire.brasArriere = 170;
    Pose frappe;
    frappe.brasAvant = -130;
    Pose frappe2;
    frappe2.brasAvant = -40;
    frappe2.penche = 10;
    const Pose mort = poseCouchee();
    animerFigure(s, "ARRET", {debout, souffle}, 12);
    animerFigure(s, "BAISSE", {baisse}, 1);
    animerFigure(s, "BAISSE_MARCHE", {baisse, pas(15, 10), baisse}, 5);
    animerFigure(s, "SAUT", {saut}, 1);
    animerFigure(s, "CHUTE", {chute}, 1);
    animerFigure(s, "TOUCHE", {recul, debout}, 4);
    animerFigure(s, "MORT", {mort}, 1);
    const int animMort = s.getNbAnimations() - 1;
    const sf::Vector2f places[4] = {{0, 30}, {20, 54}, {-2, 52}, {0, 48}};
    for (int i = 0; i < 4; ++i) {
        s.ajouterAnimElem(animMort, FEU + i, "", 0, 1);
        s.setKeyAnimElemValeurs(animMort, 0, NB_MEMBRES + gabarit.nbChapeaux + i, FEU + i, false, places[i].x,
                                places[i].y, 0, 0, 1, 1, 0, true);
    }
    animerFigure(s, "VICTOIRE", {victoire, debout}, 8);
    animerFigure(s, "COUP", {frappe, frappe2, debout}, 3);
    animerFigure(s, "DASH", {dash}, 1);
    animerFigure(s, "RECEPTION", {baisse, debout}, 3);
    animerFigure(s, "COUP_TOUCHE", {frappe2, frappe, debout}, 3);
    animerFigure(s, "COUP_RETOUR", {frappe2, debout}, 3);
    // Standing and walking aim where the drawing says; the legs walk on their own.
    animerVisee(s, "ARRET_VISEE", debout, -1);
    animerFigure(s, "MARCHE_JAMBES", {pas(25, 20), debout, pas(-25, -20), debout}, 4);
    animerVisee(s, "MARCHE_VISEE", debout, s.getNbAnimations() - 1);
    for (const char* nom : {"ARRET_VISEE", "MARCHE_VISEE", "BAISSE"})
        ombrer(s, nom);
    // One animation serves several states.
    const std::pair<const char*, const char*> etats[] = {
        {"ARRET_VISEE", "ARRET_VISEE"}, {"ACTION", "ARRET"}, {"PARALYSE", "ARRET"}, {"MARCHE_VISEE", "MARCHE_VISEE"},
        {"BAISSE", "BAISSE"}, {"ARRET_BAISSE_VISEE", "BAISSE"}, {"BAISSE_MARCHE_VISEE", "BAISSE_MARCHE"},
        {"SAUT_MONTE", "SAUT"}, {"CHUTE", "CHUTE"}, {"TOUCHE", "TOUCHE"}, {"MORT", "MORT"}, {"MORT_2", "MORT"},
        {"MORT_4", "MORT"}, {"MORT_5_EXPLO", "MORT"}, {"VICTOIRE", "VICTOIRE"}, {"COUP_0", "COUP"},
        {"DASH", "DASH"}, {"SAUT_RECEPTION", "RECEPTION"}, {"COUP_0_TOUCHE", "COUP_TOUCHE"},
        {"COUP_0_RETOUR", "COUP_RETOUR"},
        // A finished death returns to "ARRET": the body stays down, its overlays on.
        {"ARRET", "MORT"},
    };
    for (const auto& [etat, anim] : etats)
        for (int a = 0; a < s.getNbAnimations(); ++a)
            if (s.getAnim(a)->nom == anim)
                s.etats[etat] = a;
    s.ID = id;
    s.strTexture = feuille;
}

// The victory animations of the end-of-round screens, the figure three times as large:
// 0 the winner cheering, 1 the loser's bowed head, 2 both lying when everybody died.
void construireVictoire(CSPRITE3& s, const std::string& id, const std::string& feuille)
{
    ajouterElementsFigure(s);
    Pose debout, bras;
    bras.brasAvant = -170;
    bras.brasArriere = 170;
    Pose saut = bras;
    saut.baisse = -6;
    Pose baisse;
    baisse.baisse = 8;
    baisse.penche = 25;
    baisse.brasAvant = -20;
    baisse.brasArriere = 20;
    const Pose couche = poseCouchee();
    animerFigure(s, "VICTOIRE", {bras, saut, bras, debout}, 6);
    animerFigure(s, "DEFAITE", {baisse, debout}, 20);
    animerFigure(s, "MORTS", {couche}, 1);
    s.ID = id;
    s.strTexture = feuille;
}

// The spirit: four 32 x 32 frames, one animation each, placed by its centre.
void construireEsprit(CSPRITE3& s)
{
    ajouterElements(s, {{"esprit0", 0, 0, 32, 32}, {"esprit1", 32, 0, 32, 32}, {"esprit2", 64, 0, 32, 32},
                        {"esprit3", 96, 0, 32, 32}});
    const char* noms[4] = {"APPARITION", "FLOTTE", "MONTE", "DISPARITION"};
    for (int i = 0; i < 4; ++i)
        ajouterAnimation(s, {noms[i], {i}, 10}, sf::FloatRect(0, 0, 32, 32), sf::FloatRect(8, 4, 16, 24),
                         sf::Vector2f(16, 16));
    s.ID = "ZEPH_ESPRIT";
    s.strTexture = "./zeph_esprit.png";
}

// The fire meteor: a burning rock of two flickering frames, placed by its foot. Every state
// a falling, exploding AI passes through plays that one animation.
void construireMeteore(CSPRITE3& s)
{
    ajouterElements(s, {{"meteore0", 0, 0, 48, 64}, {"meteore1", 48, 0, 48, 64}});
    ajouterAnimation(s, {"ARRET", {0, 1}, 4}, sf::FloatRect(0, 0, 48, 64), sf::FloatRect(12, 34, 24, 26),
                     sf::Vector2f(24, 60));
    for (const char* etat : {"ARRET", "ARRET_VISEE", "MARCHE_VISEE", "CHUTE", "SAUT_MONTE", "TOUCHE", "MORT",
                             "MORT_2", "MORT_4", "MORT_5_EXPLO"})
        s.etats[etat] = 0;
    s.ID = "METEORE_FEU";
    s.strTexture = "./personnages/meteore.png";
}

// The fire over a body burnt to death: four 32 x 64 frames, as large as a character's box.
void construireFeu(CSPRITE3& s)
{
    ajouterElements(s, {{"feu0", 0, 0, 32, 64}, {"feu1", 32, 0, 32, 64}, {"feu2", 64, 0, 32, 64},
                        {"feu3", 96, 0, 32, 64}});
    ajouterAnimation(s, {"FEU", {0, 1, 2, 3}, 3}, sf::FloatRect(0, 0, 32, 64), sf::FloatRect(0, 0, 32, 64),
                     sf::Vector2f(16, 64));
    s.etats["FEU"] = 0;
    s.ID = "FEU";
    s.strTexture = "./decors/Feu/feu.png";
}

// The rabbit that hops at the feet of a character whose weapon is empty: two 24 x 24 frames.
// The drawing puts its origin on the character's feet: the origin stands right of the rabbit,
// so that it sits on the ground beside the figure (whose hit box reaches 10 pixels each side)
// instead of over its legs.
void construireLapin(CSPRITE3& s)
{
    ajouterElements(s, {{"lapin0", 0, 0, 24, 24}, {"lapin1", 24, 0, 24, 24}});
    ajouterAnimation(s, {"LAPIN", {0, 1}, 6}, sf::FloatRect(0, 0, 24, 24), sf::FloatRect(0, 0, 24, 24),
                     sf::Vector2f(36, 24));
    s.etats["LAPIN"] = 0;
    s.ID = "LAPIN";
    s.strTexture = "./lapin.png";
}

bool ecrire(CSPRITE3& s, const std::string& fichier)
{
    // The files are generated: no ".save" copy of the previous ones is kept.
    std::remove(fichier.c_str());
    const bool ok = s.sauver(fichier);
    std::cout << (ok ? "written: " : "NOT written: ") << fichier << "\n";
    return ok;
}

} // namespace

int main()
{
    // Elements are cut only from a sprite that has a sheet; the sheet's pixels are not needed.
    sf::Texture feuille;
    bool ok = true;
    for (const auto& [id, nom] : {std::pair<const char*, const char*>{"HEROS", "heros"}, {"GARDE", "garde"}}) {
        CSPRITE3 s;
        s.pTextureFeuille = &feuille;
        construirePerso(s, id, std::string("./personnages/") + nom + ".png");
        ok = ecrire(s, std::string("./personnages/") + nom + ".anm") && ok;
    }
    CSPRITE3 esprit;
    esprit.pTextureFeuille = &feuille;
    construireEsprit(esprit);
    ok = ecrire(esprit, "./zeph_esprit.anm") && ok;
    CSPRITE3 meteore;
    meteore.pTextureFeuille = &feuille;
    construireMeteore(meteore);
    ok = ecrire(meteore, "./personnages/meteore.anm") && ok;
    CSPRITE3 feu;
    feu.pTextureFeuille = &feuille;
    construireFeu(feu);
    ok = ecrire(feu, "./decors/Feu/feu.anm") && ok;
    CSPRITE3 lapin;
    lapin.pTextureFeuille = &feuille;
    construireLapin(lapin);
    ok = ecrire(lapin, "./lapin.anm") && ok;
    // The four heroes of the two-player game (and the chrono levels), each in the colours of
    // player 1 and of player 2, with their hats; their victory animations for the menus.
    const char* heros[4][3] = {{"Zeph2", "zeph", "zeph"},
                               {"Rerodez", "rerodez", "vevidiz"},
                               {"Vuzi3", "vuzi", "vuzi"},
                               {"Zadirirezi3", "zadirirezi", "zadirirezi"}};
    for (const auto& h : heros)
        for (const std::string j2 : {"", "_j2"}) {
            const std::string dossier = std::string("./personnages/") + h[0] + "/";
            const std::string feuilleHeros = dossier + h[1] + j2 + ".png";
            std::string id = std::string(h[1]) + j2;
            for (char& c : id)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            gabarit = {4, 1};
            CSPRITE3 s;
            s.pTextureFeuille = &feuille;
            construirePerso(s, id, feuilleHeros);
            ok = ecrire(s, dossier + h[1] + j2 + ".anm") && ok;
            gabarit = {4, 3};
            CSPRITE3 v;
            v.pTextureFeuille = &feuille;
            construireVictoire(v, id + "_VICTOIRE", feuilleHeros);
            ok = ecrire(v, std::string("./") + h[2] + j2 + "_victoire.anm") && ok;
        }
    gabarit = {};
    ok = ecrireMusiques() && ok;
    tuv::garderPiloteGLJusquALaFin();
    return ok ? 0 : 1;
}
