#include "OutilsNiveau.h"

#include "core/FichierDec.h"
#include "level/Creusement.h"

#include <cmath>

namespace {

// Ground sprites anchored at (0, 0) by their corner, with the two SPRITE_CREUSE images.
class Creusements : public AvecJeu {
protected:
    CSPRITE* sol(int largeur, int hauteur, const std::function<sf::Color(int, int)>& masque,
                 unsigned largeurTrou = 100)
    {
        CDEC* b = banque(*decor, "SOL" + std::to_string(decor->modelesDEC.size()), largeur, hauteur, masque);
        for (unsigned n = 0; n < 2; ++n) {
            b->pFichierDEC->pTextureCreuse[n] = new sf::Texture();
            b->pFichierDEC->pTextureCreuse[n]->create(n == 0 ? largeurTrou : 60, 40);
        }
        return spriteDecor(plan(2), b, 0, 0);
    }
    CCreusement& creuser(CSPRITE* s, int x, int y)
    {
        decor->ajouterCreusement(s, x, y);
        return *decor->creusements.back();
    }
};

// Ground below the line y = 200 + x / 2 (a slope of about 27 degrees).
sf::Color pente(int x, int y) { return y >= 200 + x / 2.0 ? VERT : VIDE; }

} // namespace

TEST_F(Creusements, RectangleProfondeurEtRecherche)
{
    CSPRITE* s = sol(400, 400, nullptr);
    s->collision = 0;
    CCreusement& c = creuser(s, 100, 300);
    EXPECT_EQ(c.rectX, 55);
    EXPECT_EQ(c.rectY, 270);
    EXPECT_EQ(c.profondeur, 80);
    EXPECT_EQ(decor->getCreusement(nullptr, 55, 270), &c);
    EXPECT_EQ(decor->getCreusement(nullptr, 145, 270), nullptr) << "right edge outside";
    EXPECT_EQ(decor->getCreusement(nullptr, 60, 350), nullptr) << "bottom edge outside";
    EXPECT_EQ(decor->getCreusement(&c, 60, 300), nullptr) << "the excluded hole";

    EXPECT_EQ(c.profondeurMax, 0) << "no player: the hole cannot be deepened";
    c.creuser();
    EXPECT_EQ(c.profondeur, 80);

    c.profondeurMax = 125;
    std::vector<int> profondeurs;
    for (int n = 0; n < 7; ++n) {
        c.creuser();
        profondeurs.push_back(c.profondeur);
    }
    EXPECT_EQ(profondeurs, (std::vector<int>{90, 100, 110, 120, 130, 130, 130}));
    EXPECT_NEAR(c.spriteTrou.getScale().y, 80 * 0.004 * std::pow(1.01, 5), 1e-5) << "stretched at each dig";

    decor->ajouterCreusement(nullptr, 0, 0);
    EXPECT_EQ(decor->creusements.size(), 1u) << "nothing to dig into";
}

TEST_F(Creusements, ProfondeurMaxDuJoueur)
{
    CPerso joueur;
    joueur.maxSaut = 10;
    joueur.vitesseSaut = 7;
    jeu->pPerso = &joueur;
    CCreusement c;
    EXPECT_EQ(c.profondeurMax, 60) << "a jump of 70 pixels, less 10";
    jeu->pPerso = nullptr;
}

TEST_F(Creusements, PenteDuMasque)
{
    CSPRITE* s = sol(400, 400, pente);
    // Dig at x = 300: the scan column is 255, where the ground starts at y 327.5.
    CCreusement& dedans = creuser(s, 300, 350);
    EXPECT_EQ(dedans.pointPenteX, 255);
    EXPECT_EQ(dedans.pointPenteY, 327) << "searched up to the first free pixel";
    EXPECT_NEAR(dedans.angle, (std::atan2(-23.0, -45.0) + 1.570796) * 57.29579 - 270, 1e-3);
    EXPECT_NEAR(std::fmod(dedans.angle + 720, 360), std::atan(23.0 / 45.0) * 57.29579, 1e-3) << "the slope";
    CCreusement& dessus = creuser(s, 300, 300);
    EXPECT_EQ(dessus.pointPenteY, 328) << "searched down to the first ground pixel";

    // Near the left edge the right edge of the hole is scanned, if the hole image is that wide.
    CCreusement& gauche = creuser(s, 20, 300);
    EXPECT_EQ(gauche.pointPenteX, 65);
    CSPRITE* etroit = sol(400, 400, pente, 50);
    etroit->rotangle = 12;
    CCreusement& garde = creuser(etroit, 20, 300);
    EXPECT_EQ(garde.angle, 12) << "beyond the hole image: the sprite's own angle";
    EXPECT_EQ(garde.pointPenteY, 0);

    s->collision = 2;
    s->rotangle = 3;
    EXPECT_EQ(creuser(s, 300, 350).angle, 3) << "a sprite without mask collision keeps its angle";

    CSPRITE* nu = sol(400, 400, pente);
    delete nu->pDEC->pFichierDEC->pTextureCreuse[0];
    nu->pDEC->pFichierDEC->pTextureCreuse[0] = nullptr;
    CCreusement& sansImages = creuser(nu, 300, 350);
    EXPECT_EQ(sansImages.spriteTrou.getTexture(), nullptr) << "no SPRITE_CREUSE image: nothing shown";
}

TEST_F(Creusements, LimitesDeLaRecherche)
{
    // Nothing but ground: going up from 50 pixels under the top stops at yRel.
    CSPRITE* plein = sol(400, 1000, [](int, int) { return VERT; });
    EXPECT_EQ(creuser(plein, 300, 50).pointPenteY, 50 - 49);
    // No ground at all: going down stops after 200 pixels.
    CSPRITE* vide = sol(400, 1000, [](int, int) { return VIDE; });
    EXPECT_EQ(creuser(vide, 300, 500).pointPenteY, 500 + 199);
    // Close to the bottom the search stops at the sprite's height.
    EXPECT_EQ(creuser(vide, 300, 900).pointPenteY, 900 + 98);
    EXPECT_EQ(creuser(vide, 300, 998).pointPenteY, 998) << "a limit of 1: no search";
}
