#include "core/Globals.h"
#include "core/Sprite.h"
#include "game/Jeu.h"
#include "OutilsJeu.h"

#include <gtest/gtest.h>

TEST(JeuSons, ListeDesSonsEtLectureParNom)
{
    DossierDeTravail d;
    ASSERT_TRUE(ecrireWav("un.wav", 100));
    ASSERT_TRUE(ecrireWav("deux.wav", 300));
    ecrireTexte("sons.ini",
                "# sons\nAUTRE=x;y\nLOADSOUND=SAUT;un.wav\nLOADSOUND=TIR;absent.wav\n"
                "LOADSOUND=SAUT;deux.wav\r\n");
    CSFMLJeu jeu;
    jeu.volumeEffets = 40;
    CSFMLJeuGlobal::bChargement = true;
    jeu.chargerSons();
    EXPECT_FALSE(CSFMLJeuGlobal::bChargement);

    // One sound per name, bound to the buffer of the last line for that name.
    ASSERT_EQ(jeu.sons.size(), 2u);
    EXPECT_EQ(jeu.buffersSons["SAUT"].getSampleCount(), 300u);
    EXPECT_EQ(jeu.sons["SAUT"].getBuffer(), &jeu.buffersSons["SAUT"]);
    EXPECT_NEAR(jeu.sons["SAUT"].getVolume(), 40.0f, 0.01f);
    // A file that does not load leaves a silent name.
    EXPECT_EQ(jeu.buffersSons["TIR"].getSampleCount(), 0u);

    jeu.bouclerSon("SAUT", true);
    jeu.jouerSon("SAUT");
    EXPECT_TRUE(jeu.sons["SAUT"].getLoop());
    EXPECT_EQ(jeu.sonEnCours("SAUT"), 2);
    jeu.arreterSon("SAUT");
    EXPECT_EQ(jeu.sonEnCours("SAUT"), 0);
    jeu.jouerSon("SAUT");
    jeu.arreterSons();
    EXPECT_EQ(jeu.sonEnCours("SAUT"), 0);

    // Unknown names are silent and do not grow the map.
    jeu.jouerSon("INCONNU");
    jeu.arreterSon("INCONNU");
    jeu.bouclerSon("INCONNU", true);
    EXPECT_EQ(jeu.sonEnCours("INCONNU"), 0);
    EXPECT_EQ(jeu.sons.size(), 2u);

    jeu.volumeEffets = 10;
    jeu.appliquerVolumes();
    EXPECT_NEAR(jeu.sons["TIR"].getVolume(), 10.0f, 0.01f);
}

TEST(JeuSons, SansListeOuSansSonRienNEstCharge)
{
    DossierDeTravail d;
    CSFMLJeu jeu;
    jeu.chargerSons();
    EXPECT_TRUE(jeu.sons.empty());
    EXPECT_FALSE(CSFMLJeuGlobal::bChargement);
    ecrireTexte("sons.ini", "# rien\n# LOADSOUND=A;a.wav\nVOLUME=3\n");
    jeu.chargerSons();
    EXPECT_TRUE(jeu.sons.empty());
    EXPECT_TRUE(jeu.buffersSons.empty());
    EXPECT_FALSE(CSFMLJeuGlobal::bChargement);
}

TEST(JeuSons, SonPropreDUnSpriteCreeALaDemande)
{
    DossierDeTravail d;
    ASSERT_TRUE(ecrireWav("un.wav", 100));
    ecrireTexte("sons.ini", "LOADSOUND=VENT;un.wav\n");
    CSFMLJeu jeu;
    jeu.chargerSons();

    CSPRITE sd;
    sd.idSon = "VENT";
    EXPECT_FALSE(jeu.attacherSon("VENT", nullptr));
    EXPECT_FALSE(jeu.attacherSon("PLUIE", &sd));  // no buffer: nothing made
    EXPECT_EQ(sd.pSon, nullptr);
    EXPECT_TRUE(jeu.attacherSon("VENT", &sd));
    ASSERT_NE(sd.pSon, nullptr);
    EXPECT_EQ(sd.pSon->getBuffer(), &jeu.buffersSons["VENT"]);
    EXPECT_EQ(sd.volumeSon, 50.0f);
    sf::Sound* premier = sd.pSon;
    EXPECT_TRUE(jeu.attacherSon("VENT", &sd));
    EXPECT_EQ(sd.pSon, premier);  // reused, not made again

    // An empty name, or the "no sound" mode, removes it.
    EXPECT_FALSE(jeu.attacherSon("", &sd));
    EXPECT_EQ(sd.pSon, nullptr);
    EXPECT_EQ(sd.volumeSon, 0.0f);
    sd.modeSon = 4;
    EXPECT_TRUE(jeu.attacherSon("VENT", &sd) == false && sd.pSon == nullptr);
}
