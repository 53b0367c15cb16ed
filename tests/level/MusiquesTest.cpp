#include "OutilsNiveau.h"

#include "game/OutilsJeu.h"

#include <cstdio>

namespace {

class Musiques : public AvecJeu {
protected:
    void SetUp() override
    {
        AvecJeu::SetUp();
        ASSERT_TRUE(ecrireWav(dossier / "musique.wav", 22050));
        ASSERT_TRUE(ecrireWav(dossier / "ambiance.wav", 22050));
    }
    static bool joue(const sf::SoundSource& s) { return s.getStatus() == sf::SoundSource::Playing; }

    DossierDeTravail dossier;
};

} // namespace

TEST_F(Musiques, PistesDiffuseesEtEnMemoire)
{
    decor->cheminMusiqueAmbiance = "ambiance.wav";
    EXPECT_EQ(decor->jouerMusiques(true), 0);
    EXPECT_TRUE(joue(decor->musiqueAmbiance)) << "an ambience without music plays alone";
    EXPECT_FALSE(joue(decor->musique));
    EXPECT_TRUE(decor->musiqueAmbiance.getLoop());

    decor->cheminMusique = "absente.wav";
    decor->musiqueAmbiance.stop();
    EXPECT_EQ(decor->jouerMusiques(true), -1) << "the music did not open";
    EXPECT_FALSE(joue(decor->musique));
    EXPECT_TRUE(joue(decor->musiqueAmbiance)) << "the ambience plays all the same";

    decor->cheminMusique = "musique.wav";
    decor->bMusiqueBoucle = false;
    EXPECT_EQ(decor->jouerMusiques(true), 0);
    EXPECT_TRUE(joue(decor->musique));
    EXPECT_FALSE(decor->musique.getLoop());
    decor->musique.stop();
    std::remove("musique.wav");
    EXPECT_EQ(decor->jouerMusiques(false), 0) << "played again without opening the file";
    EXPECT_TRUE(joue(decor->musique));

    decor->cheminMusiqueAmbiance = "absente.wav";
    EXPECT_EQ(decor->jouerMusiques(true), -1) << "the ambience did not open";

    decor->bMusiquesStreamees = false;
    decor->cheminMusique = "ambiance.wav";
    decor->cheminMusiqueAmbiance.clear();
    EXPECT_EQ(decor->jouerMusiques(true), 0);
    EXPECT_TRUE(joue(decor->sonMusique)) << "from memory";
    EXPECT_EQ(decor->bufferMusique.getSampleCount(), 22050u);
}

TEST_F(Musiques, SilenceDeFinDeNiveau)
{
    CDEC* b = banque(*decor, "B", 4, 4, nullptr);
    for (int n : {2, 4}) {
        CSPRITE* sd = spriteDecor(plan(n), b, 0, 0);
        sd->idSon = "CLOCHE" + std::to_string(n);
        sd->modeSon = 1;
        sd->compteurSon = 0;
    }
    ASSERT_TRUE(decor->musiqueFin.openFromFile("musique.wav"));
    decor->musiqueFin.play();
    decor->cheminMusique = "musique.wav";
    decor->cheminMusiqueAmbiance = "ambiance.wav";
    decor->jouerMusiques(true);
    EXPECT_EQ(jeu->sons, std::vector<std::string>{"CLOCHE2"}) << "the main plane's sprites start their sounds";
    decor->bMusiquesStreamees = false;
    decor->jouerMusiques(true);
    ASSERT_TRUE(joue(decor->musique) && joue(decor->sonMusiqueAmbiance));

    decor->stopApplaudissements();
    for (const sf::SoundSource* s : std::initializer_list<const sf::SoundSource*>{
             &decor->musique, &decor->musiqueAmbiance, &decor->sonMusique, &decor->sonMusiqueAmbiance,
             &decor->musiqueFin})
        EXPECT_FALSE(joue(*s));
    EXPECT_EQ(jeu->sonsArretes, (std::vector<std::string>{"CLOCHE2", "CLOCHE4", "APPLAUDISSEMENTS"}))
        << "every plane's sprites fall silent, then the applause";
}
