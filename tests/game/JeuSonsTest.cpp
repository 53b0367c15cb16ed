#include "core/Globals.h"
#include "core/Sprite.h"
#include "game/Jeu.h"
#include "OutilsJeu.h"
#include "support/ChienDeGarde.h"

#include <SFML/System/Err.hpp>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>

#include <sys/stat.h>

TEST(JeuSons, ListeDesSonsEtLectureParNom)
{
    DossierDeTravail d;
    ASSERT_TRUE(ecrireWav("un.wav", 100));
    ASSERT_TRUE(ecrireWav("deux.wav", 44100));
    ecrireTexte("sons.ini",
                "# sons\nAUTRE=x;y\nLOADSOUND=SAUT;un.wav\nLOADSOUND=TIR;absent.wav\n"
                "LOADSOUND=SAUT;deux.wav\r\n");
    CSFMLJeu jeu;
    jeu.volumeEffets = 40;
    CSFMLJeuGlobal::bChargement = true;
    jeu.chargerSons();
    EXPECT_FALSE(CSFMLJeuGlobal::bChargement);

    // One buffer per name, from the last line for that name.
    ASSERT_EQ(jeu.buffersSons.size(), 2u);
    EXPECT_EQ(jeu.buffersSons["SAUT"].getSampleCount(), 44100u);
    // A file that does not load leaves a silent name, which takes no voice.
    EXPECT_EQ(jeu.buffersSons["TIR"].getSampleCount(), 0u);
    jeu.jouerSon("TIR");
    EXPECT_EQ(jeu.voixSons.nbVoix(), 0u);

    jeu.bouclerSon("SAUT", true);
    jeu.jouerSon("SAUT");
    const sf::Sound* voix = jeu.voixSons.voixDe("SAUT");
    ASSERT_NE(voix, nullptr);
    EXPECT_EQ(voix->getBuffer(), &jeu.buffersSons["SAUT"]);
    EXPECT_NEAR(voix->getVolume(), 40.0f, 0.01f);
    EXPECT_TRUE(voix->getLoop());
    EXPECT_EQ(jeu.sonEnCours("SAUT"), 2);
    jeu.arreterSon("SAUT");
    EXPECT_EQ(jeu.sonEnCours("SAUT"), 0);
    jeu.jouerSon("SAUT");
    jeu.arreterSons();
    EXPECT_EQ(jeu.sonEnCours("SAUT"), 0);

    // Unknown names are silent and do not grow the list.
    jeu.jouerSon("INCONNU");
    jeu.arreterSon("INCONNU");
    jeu.bouclerSon("INCONNU", true);
    EXPECT_EQ(jeu.sonEnCours("INCONNU"), 0);
    EXPECT_EQ(jeu.buffersSons.size(), 2u);
    EXPECT_EQ(jeu.voixSons.nbVoix(), 1u);

    jeu.volumeEffets = 10;
    jeu.appliquerVolumes();
    EXPECT_NEAR(jeu.voixSons.voixDe("SAUT")->getVolume(), 10.0f, 0.01f);
}

TEST(JeuSons, SansListeOuSansSonRienNEstCharge)
{
    DossierDeTravail d;
    CSFMLJeu jeu;
    jeu.chargerSons();
    EXPECT_TRUE(jeu.buffersSons.empty());
    EXPECT_FALSE(CSFMLJeuGlobal::bChargement);
    ecrireTexte("sons.ini", "# rien\n# LOADSOUND=A;a.wav\nVOLUME=3\n");
    jeu.chargerSons();
    EXPECT_TRUE(jeu.buffersSons.empty());
    EXPECT_FALSE(CSFMLJeuGlobal::bChargement);
}

TEST(JeuSons, UnCheminQuiNEstPasUnFichierNeChargeRienEtRendLaMain)
{
    DossierDeTravail d;
    ASSERT_TRUE(ecrireWav("un.wav", 100));
    std::filesystem::create_directory("sons");
    ASSERT_EQ(::mkfifo("tube", 0600), 0);
    ecrireTexte("sons.ini", "LOADSOUND=MENU;./sons/\nLOADSOUND=TUBE;tube\nLOADSOUND=ABSENT;absent.wav\n"
                            "LOADSOUND=BON;un.wav\n");
    CSFMLJeu jeu;
    {
        ChienDeGarde garde(ChienDeGarde::BLOCAGE, "chargerSons on a folder and a FIFO");
        jeu.chargerSons();
    }
    for (const char* nom : {"MENU", "TUBE", "ABSENT"})
        EXPECT_EQ(jeu.buffersSons[nom].getSampleCount(), 0u) << nom;
    EXPECT_EQ(jeu.buffersSons["BON"].getSampleCount(), 100u) << "the good line after the bad ones was lost";
    EXPECT_FALSE(CSFMLJeuGlobal::bChargement);
}

TEST(JeuSons, DeuxMilleNomsSeChargentEtTroisCentsJouentSansErreur)
{
    DossierDeTravail d;
    ASSERT_TRUE(ecrireWav("un.wav", 2205));
    std::string liste;
    for (int i = 0; i < 2000; ++i)
        liste += "LOADSOUND=SON" + std::to_string(i) + ";un.wav\n";
    ecrireTexte("sons.ini", liste);
    std::stringstream erreurs;
    std::streambuf* ancien = sf::err().rdbuf(erreurs.rdbuf());
    {
        CSFMLJeu jeu;
        jeu.chargerSons();
        EXPECT_EQ(jeu.buffersSons.size(), 2000u);
        for (int i = 0; i < 300; ++i)
            jeu.jouerSon("SON" + std::to_string(i * 6));
        EXPECT_EQ(jeu.sonEnCours("SON1794"), 2) << "the last sound asked for does not play";
        EXPECT_LE(jeu.voixSons.nbVoix(), CVoixSons::NB_VOIX);
    }
    sf::err().rdbuf(ancien);
    EXPECT_EQ(erreurs.str().find("OpenAL"), std::string::npos) << erreurs.str().substr(0, 300);
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

TEST(JeuSons, LesVoixVontAuxNomsLibresPuisAuxPlusAnciens)
{
    // Ten seconds: every sound still plays when the test looks.
    std::vector<int16_t> echantillons(220500, 100);
    sf::SoundBuffer long10s;
    ASSERT_TRUE(long10s.loadFromSamples(echantillons.data(), echantillons.size(), 1, 22050));
    CVoixSons v;
    const auto nom = [](std::size_t i) { return "N" + std::to_string(i); };

    // A stopped voice is taken again before a new one is made.
    v.jouer("A", long10s, 100);
    v.arreter("A");
    v.jouer("B", long10s, 100);
    EXPECT_EQ(v.nbVoix(), 1u);
    EXPECT_EQ(v.statut("A"), 0) << "A gave its voice to B";
    v.arreterTout();

    for (std::size_t i = 0; i < CVoixSons::NB_VOIX; ++i)
        v.jouer(nom(i), long10s, 100);
    EXPECT_EQ(v.nbVoix(), CVoixSons::NB_VOIX);
    // Playing a name again restarts it on its own voice: nobody loses theirs.
    v.jouer(nom(0), long10s, 100);
    EXPECT_EQ(v.statut(nom(1)), 2);
    // All busy: the voice that started longest ago (N1, since N0 restarted) is taken.
    v.jouer("NOUVEAU", long10s, 100);
    EXPECT_EQ(v.nbVoix(), CVoixSons::NB_VOIX);
    EXPECT_EQ(v.statut("NOUVEAU"), 2);
    EXPECT_EQ(v.statut(nom(1)), 0);
    EXPECT_EQ(v.statut(nom(0)), 2);
    // A looping sound keeps its voice: the next oldest (N3) goes instead of N2.
    v.boucler(nom(2), true);
    v.jouer("ENCORE", long10s, 100);
    EXPECT_EQ(v.statut(nom(2)), 2);
    EXPECT_EQ(v.statut(nom(3)), 0);
    EXPECT_TRUE(v.voixDe(nom(2))->getLoop());
    v.boucler(nom(2), false);
    EXPECT_FALSE(v.voixDe(nom(2))->getLoop());
    v.setVolume(30);
    EXPECT_NEAR(v.voixDe("ENCORE")->getVolume(), 30.0f, 0.01f);
}
