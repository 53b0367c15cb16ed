#pragma once
// Shared set-up of the level-save tests: the definitions, characters and scripts a level
// names, written into the working folder of NiveauTest, and a load-and-save round.
#include "gui/CPLUX.h"
#include "gui/CPLUXMessageBox.h"
#include "level/OutilsFichierNiveau.h"

#include <sstream>

// Assets of the test levels: two decor definitions (BOITE plays a sound), the guard model,
// the animated hero and a few scripts.
inline void ecrireAssetsSauvegarde()
{
    peindre("decors/boite.png", 32, 32);
    peindre("decors/dalle.png", 64, 16);
    peindre("personnages/garde.png", 60, 50);
    ecrireFichier("decors/boite.dec", "ID=BOITE\nPLANCHE=./decors/boite.png;\nSPRITE=0;0;1;32;32;0;0\n"
                                      "ORIGINE=16;32\nCOLLISIONS=1\nPLAYSON=SON_BOITE;0;0\n");
    ecrireFichier("decors/dalle.dec", "ID=DALLE\nPLANCHE=./decors/dalle.png;\nSPRITE=0;0;1;64;16;0;0\n"
                                      "ORIGINE=32;0\nCOLLISIONS=2\n");
    ecrireFichier("personnages/garde.per", "ID=GARDE\nPLANCHE=./personnages/garde.png;\nSPRITE=0;0;30;50;2;0.2;0\n"
                                           "ORIGINE=-1;-1\nIA=4\nVITESSE=7\nPOIDS=80\n");
    ecrireHeros();
    for (const char* s : {"niveau", "garde", "ia", "boite", "dalle", "force", "fermeture", "chemin"})
        ecrireScript(std::string("./scripts/") + s + ".scp");
}

// The lines of a text, the empty ones included.
inline std::vector<std::string> lignes(const std::string& texte)
{
    std::vector<std::string> r;
    std::istringstream in(texte);
    for (std::string l; std::getline(in, l);)
        r.push_back(l);
    return r;
}

// The first line that differs, for a readable failure.
inline std::string premiereDifference(const std::string& a, const std::string& b)
{
    const auto la = lignes(a), lb = lignes(b);
    for (size_t i = 0; i < std::max(la.size(), lb.size()); ++i) {
        const std::string x = i < la.size() ? la[i] : "<end>", y = i < lb.size() ? lb[i] : "<end>";
        if (x != y)
            return "line " + std::to_string(i + 1) + ": \"" + x + "\" vs \"" + y + "\"";
    }
    return a == b ? "" : "same lines, other bytes";
}

// Titles of the message boxes shown, which are then closed.
inline std::vector<std::string> fermerBoites()
{
    std::vector<std::string> titres;
    for (CPLUXMessageBox* b : std::vector<CPLUXMessageBox*>(CPLUX::getMessageBoxes())) {
        titres.push_back(b->getTitle());
        delete b;
    }
    return titres;
}

inline bool contient(const std::string& texte, const std::string& morceau)
{
    return texte.find(morceau) != std::string::npos;
}

class SauvegardeTest : public NiveauTest {
protected:
    void SetUp() override
    {
        NiveauTest::SetUp();
        ecrireAssetsSauvegarde();
    }
    void TearDown() override
    {
        fermerBoites();
        NiveauTest::TearDown();
    }
    // Loads the file into the game world as the game does, then saves the world to sortie.
    bool chargerPuisSauver(const std::string& fichier, const std::string& sortie)
    {
        monde().chargerNiveau(fichier, 0);
        return monde().sauverNiveau(sortie.c_str());
    }
};
