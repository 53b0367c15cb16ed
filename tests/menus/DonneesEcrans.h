#pragma once
// Data of the menu screens: small menus for every screen the shipped data does not have yet,
// plain icons, and three lists of 15 levels. The screen benchmark draws them.
#include "OutilsMenus.h"

namespace ecrans {

inline const char* const ENTETE = "FOND=./menus/fond_menu.png;340;80;600;560\nCURSEUR=./menus/curseur.png\nLIGNEACTIVECOULEUR=255;215;90\n";

// A line of text of the panel menus: x and y relative to the panel.
inline std::string ligne(int x, int y, bool choix, const std::string& texte, int taille = 26, const std::string& image = "")
{
    return "LIGNE=" + std::to_string(x) + ";" + std::to_string(y) + ";" + (choix ? "1" : "0") + ";" + image + ";" +
           texte + ";0;" + std::to_string(taille) + ";190;190;215\n";
}

inline std::string titre(const std::string& texte)
{
    return "LIGNE=20;36;0;;" + texte + ";1;34;255;240;200\n";
}

// The test menus of every screen the shipped data does not have yet, in French.
inline void ecrireMenusEcrans()
{
    auto ecrire = [](int id, const std::string& s) { ecrireTexte(std::string("menus/fr_") + IdMenu::fichier(id), s); };
    const char* noms[] = {"Reprendre", "Recommencer", "Choisir un niveau", "Changer de joueur"};
    std::string pause = ENTETE;
    for (int i = 0; i < 4; ++i)
        pause += ligne(40, 110 + 36 * i, true, noms[i], 24);
    ecrire(6, pause + ligne(40, 263, true, "Effets", 20) + ligne(40, 288, true, "Musique", 20) + titre("Pause"));
    const char* nomsAventure[] = {"Reprendre", "Recommencer", "Recommencer du début", "Choisir un niveau",
                                  "Changer de joueur"};
    std::string aventure = ENTETE;
    for (int i = 0; i < 5; ++i)
        aventure += ligne(40, 108 + 32 * i, true, nomsAventure[i], 22);
    ecrire(60, aventure + ligne(40, 273, true, "Effets", 20) + ligne(40, 298, true, "Musique", 20) + titre("Pause"));
    ecrire(7, std::string(ENTETE) + titre("Options") + ligne(40, 108, true, "Effets") + ligne(40, 159, true, "Musique"));
    ecrire(10, std::string(ENTETE) + ligne(20, 20, false, "Objets") + ligne(150, 20, false, "Carte") +
                   ligne(280, 20, false, "Quêtes") + "NOCURSEUR=\n");
    ecrire(20, std::string(ENTETE) + ligne(40, 200, true, "Changer de joueur") + ligne(40, 245, true, "Recommencer") +
                   ligne(40, 290, true, "Niveau suivant") + ligne(40, 335, true, "Menu principal"));
    ecrire(21, std::string(ENTETE) + titre("Perdu !") + ligne(40, 100, false, "Le temps est écoulé.", 20) +
                   ligne(40, 200, true, "Changer de joueur") + ligne(40, 245, true, "Recommencer") +
                   ligne(40, 290, true, "Menu principal"));
    ecrire(210, std::string(ENTETE) + titre("Perdu !") + ligne(40, 100, false, "Le héros est tombé.", 20) +
                    ligne(40, 180, true, "Reprendre au point de passage") + ligne(40, 225, true, "Recommencer du début") +
                    ligne(40, 270, true, "Changer de joueur") + ligne(40, 315, true, "Menu principal"));
    ecrire(30, "FOND=./menus/fond_ecran.png;0;0;1280;720\nCURSEUR=./menus/curseur.png\n" + titre("Joueurs") +
                   ligne(160, 120, true, "Nouveau joueur"));
    ecrire(33, std::string(ENTETE) + titre("Qui joue ?"));
    ecrire(100, std::string(ENTETE) + titre("Aide") + ligne(40, 110, false, "Flèches : se déplacer", 22) +
                    ligne(40, 150, false, "Espace : sauter    X : tirer", 22) +
                    ligne(40, 190, false, "Échap : pause    Tab : inventaire", 22));
    ecrire(1000, std::string(ENTETE) + ligne(40, 300, true, "Appuyez sur ~A pour commencer"));
    // The level grids: a title, then 15 levels in three columns of five.
    for (int id : {320, 330, 340}) {
        std::string s = "FOND=./menus/fond_ecran.png;0;0;1280;720\nCURSEUR=./menus/curseur.png\nLIGNEACTIVECOULEUR=255;215;90\n";
        s += "LIGNE=40;20;0;;Choix du niveau;1;30;255;240;200\n";
        for (int i = 0; i < 15; ++i)
            s += "LIGNE=" + std::to_string(20 + 420 * (i / 5)) + ";" + std::to_string(80 + 125 * (i % 5)) +
                 ";1;./niveaux/vignette.png;Niveau " + std::to_string(i + 1) + ";0;20;190;190;215\n";
        ecrire(id, s);
    }
    std::string multi = "FOND=./menus/fond_ecran.png;0;0;1280;720\nCURSEUR=./menus/curseur.png\n";
    const char* options[] = {"Options", "Joueur 1", "Joueur 2", "Sans armes lourdes", "Clones", "Manches",
                             "Super résistants", "Mines", "Inverseurs", "Largages", "Armes", "Chapeau J1", "Chapeau J2"};
    for (int i = 0; i < 13; ++i)
        multi += "LIGNE=20;" + std::to_string(i == 0 ? 10 : i <= 2 ? 20 + 110 * i : 305 + 40 * (i - 3)) + ";" +
                 (i == 0 ? "0" : "1") + ";;" + options[i] + ";0;" + (i == 0 ? "30" : "22") + ";190;190;215\n";
    ecrire(400, multi);
    for (int id : {410, 420, 430})
        ecrire(id, "FOND=./menus/fond_manche.png;180;80;920;560\nNOCURSEUR=\n" + ligne(60, 420, true, "~Y : continuer", 22) +
                       ligne(60, 455, true, "~X : revoir la fin", 22));
}

// Icons and pictures the menus load at construction.
inline void ecrireIconesEcrans(int nbRecords = 6)
{
    ecrireIcone("niveaux/star.dec", sf::Color(255, 210, 40), 24, 24);
    ecrireIcone("niveaux/star-vide.dec", sf::Color(90, 90, 110), 24, 24);
    ecrireIcone("niveaux/bouclier.dec", sf::Color(80, 140, 255), 24, 28);
    ecrireIcone("niveaux/temps.dec", sf::Color(120, 220, 120), 24, 24);
    ecrireIcone("niveaux/mort.dec", sf::Color(160, 30, 30), 24, 24);
    ecrireIcone("niveaux/transition.dec", sf::Color(110, 70, 40), 640, 720);
    ecrireIcone("personnages/Zeph2/vignette.dec", sf::Color(200, 120, 120), 92, 100);
    ecrireIcone("personnages/Rerodez/vignette.dec", sf::Color(120, 200, 120), 92, 100);
    ecrireIcone("personnages/Vuzi3/vignette.dec", sf::Color(120, 120, 200), 92, 100);
    ecrireIcone("personnages/Zadirirezi3/vignette.dec", sf::Color(200, 200, 120), 92, 100);
    ecrireImage("menus/fond_ecran.png", 1280, 720, sf::Color(30, 30, 50));
    ecrireImage("menus/fond_manche.png", 920, 560, sf::Color(30, 30, 50));
    ecrireImage("niveaux/vignette.png", 140, 80, sf::Color(70, 110, 90));
    std::string liste, scores;
    for (int i = 0; i < 15; ++i) {
        liste += "NIV=./niveaux/n" + std::to_string(i) + "/;" + std::to_string(i + 1) + "\n";
        scores += i < nbRecords ? "SCORE=1;" + std::to_string(40 + 13 * i) + ";Zo;" + std::to_string(i % 4) + ";" +
                              std::to_string(i % 2) + "\n"
                        : "SCORE=0;999;---;0;0\n";
    }
    for (const char* l : {"niveaux/niveaux_aventure.ini", "niveaux/niveaux_chrono.ini", "niveaux/niveaux_multi.ini"})
        ecrireTexte(l, liste);
    ecrireTexte("niveaux/scores.scr", scores);
    ecrireTexte("niveaux/joueurs.ini", "JOUEUR_ACTIF=1\nJOUEUR=Zo\nJOUEUR=Élodie\nJOUEUR=Max\n");
}

} // namespace ecrans
