// Writes the levels the game ships, through the game's own level writer so that they are in
// its exact form: the empty level the editor starts from ("niveau-vide.niv": four screens wide
// with ground all along and the hero on it, so that every new level can be played at once and
// grow sideways, its view following the hero as the adventures' does) and the workshop ("atelier.niv":
// ground, boxes, a platform on a key-point path, a box with a shader uniform, the hero). Run from data/ with a display (the definitions' sheets are
// loaded into textures):
//
//     xvfb-run -a ../build/test/tools/donnees/generer_niveaux
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Chemin.h"
#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/PiloteGL.h"
#include "core/Sprite.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/FichierNiveau.h"

#include <SFML/Window/Context.hpp>

#include <filesystem>
#include <iostream>
#include <string>

namespace {

// A sprite of "./decors/<fichier>.dec", filed under the definition's ID as the editor does.
CSPRITE3* poser(CDecor& d, const std::string& fichier, int x, int y)
{
    CDEC def;
    def.pFichierDEC->chemin = "./decors/" + fichier + ".dec";
    def.nom = def.pFichierDEC->lireIdDEC(def.pFichierDEC->chemin);
    return d.creerSD(&def, x, y, d.pPlans[CDecor::PLAN_PRINCIPAL]);
}

// The platform goes from its point to 300 pixels right and back.
void cheminPlateforme(CSPRITE& sd)
{
    sd.bPhysC = true;
    sd.pChemin = new CChemin();
    for (float x : {sd.x, sd.x + 300}) {
        auto* kp = new CAncrageKP();
        kp->pAncre->x = kp->pAncre->x0 = x;
        kp->pAncre->y = kp->pAncre->y0 = sd.y;
        sd.pChemin->listeKP.push_back(kp);
    }
    sd.pChemin->nbKP = 2;
}

// The ground's pieces are 640 pixels wide and 64 high, placed by their top middle.
constexpr int LARGEUR_SOL = 640, HAUTEUR_SOL = 64;
// The hero starts this high above the ground and falls onto it.
constexpr int CHUTE_DEPART = 156;

// A level of that size with ground all along its bottom, and the hero above it at the left.
void solEtHeros(CDecor& d, int largeur, int hauteur)
{
    d.tailleJeuX = largeur;
    d.tailleJeuY = hauteur;
    const int sol = hauteur - HAUTEUR_SOL;
    for (int x = LARGEUR_SOL / 2; x < largeur; x += LARGEUR_SOL)
        poser(d, "sol", x, sol);
    auto* heros = new CPerso();
    heros->fichier = "./personnages/heros.per";
    heros->sprite->bMarqueurPerso = true;
    heros->sprite->setPosInit(200, sol - CHUTE_DEPART, 1, 1);
    heros->direction = heros->directionInitiale = 0;
    heros->poids = 10;
    heros->bVaisseau = false;
    d.persos.push_back(heros);
    heros->pMonde = &d;
}

void construireAtelier(CDecor& d)
{
    d.nomNiveau = L"Atelier";
    d.numNiveau = 1;
    d.bCarte = true;
    solEtHeros(d, 1280, 720);
    for (auto [x, y] : {std::pair{520, 592}, std::pair{584, 592}, std::pair{552, 528}})
        poser(d, "caisse", x, y);
    if (CSPRITE3* floue = poser(d, "caisse", 1150, 592)) {
        floue->strShaderFrag = "flou.frag";
        UniformSD& rayon = floue->uniformsFrag["rayon"];
        rayon.strType = "float";
        rayon.fValeur = 1.5f;
    }
    if (CSPRITE3* plateforme = poser(d, "plateforme", 760, 480))
        cheminPlateforme(*plateforme);
}

// The view mode of the adventures: it follows the hero, looking ahead of him.
constexpr int MODE_VUE_SUIVI = 5;

bool ecrire(CDecor& d, const std::string& fichier)
{
    // The writer refuses the empty level's own name: written aside, then put in place.
    const std::string temporaire = fichier + ".nouveau";
    CFichierNiveau f;
    std::error_code ec;
    if (!f.sauverNiveau(temporaire, d) || (std::filesystem::rename(temporaire, fichier, ec), ec)) {
        std::cerr << "could not write " << fichier << '\n';
        return false;
    }
    std::filesystem::remove(temporaire + ".save", ec);
    return true;
}

} // namespace

int main()
{
    // One context for the whole run: the two levels' textures share it, and the GL driver
    // stays loaded from the first to the last.
    sf::Context contexte;
    tuv::garderPiloteGLJusquALaFin();
    installerHooksPersoDef();
    bool ok = true;
    {
        CDecor vide;
        solEtHeros(vide, 5120, 900);
        vide.scrollVue = MODE_VUE_SUIVI;
        ok = ecrire(vide, "./niveaux/niveau-vide.niv") && ok;
    }
    CDecor atelier;
    construireAtelier(atelier);
    ok = ecrire(atelier, "./niveaux/atelier.niv") && ok;
    return ok ? 0 : 1;
}
