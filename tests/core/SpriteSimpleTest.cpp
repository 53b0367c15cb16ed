#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/Sprite.h"
#include "core/SpriteSimple.h"
#include "support/Outils.h"
#include "SpriteTestBanque.h"

namespace {

using SpriteSimple = ServicesSauves;

std::string ecrireDec(const DossierTemp& d, sf::Color c)
{
    imageUnie(8, 4, c).saveToFile(d / "planche.png");
    std::string dec = d / "effet.dec";
    ecrireTexte(dec, "ID=EFFET\nPLANCHE=" + d / "planche.png" + ";\nSPRITE=0;0;2;4;4;1;0\nTEMPS_FRAME=0.5\n");
    return dec;
}

// Run under AddressSanitizer: a second charger frees the first bank, a borrowed bank is
// left to its lender, and copies never share what they free.
TEST_F(SpriteSimple, ChargerDeuxFoisEtBanquePretee)
{
    DossierTemp d;
    std::string dec = ecrireDec(d, sf::Color::Red);
    CSPRITE_SIMPLE s;
    EXPECT_TRUE(s.charger(dec));
    EXPECT_TRUE(s.charger(dec));
    EXPECT_TRUE(s.bCharge);
    EXPECT_TRUE(s.bProprioDEC);
    ASSERT_NE(s.getSprite(), nullptr);
    EXPECT_NE(s.getSprite()->getTexture(0, 0), nullptr);
    CSPRITE_SIMPLE copie = s;
    EXPECT_NE(copie.pDEC, s.pDEC);

    auto* preteur = new CDEC;
    ASSERT_TRUE(preteur->pFichierDEC->chargerDEC(dec, preteur));
    {
        CSPRITE_SIMPLE effet;
        effet.setDEC(preteur);
        EXPECT_FALSE(effet.bProprioDEC);
        EXPECT_FLOAT_EQ(effet.getSprite()->tempsFrame, 0.5f);
        CSPRITE_SIMPLE autre = effet;
        EXPECT_EQ(autre.pDEC, preteur);
    }
    EXPECT_EQ(preteur->nbAnims, 1);
    delete preteur;
}

TEST_F(SpriteSimple, FichierIlisibleLaisseVideEtLeDit)
{
    int messages = 0;
    g_services.messageBox = [&](const std::string&, const std::string&, const std::string&) { messages++; };
    CSPRITE_SIMPLE s;
    EXPECT_FALSE(s.charger("/nulle/part.dec"));
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(s.getSprite(), nullptr);
    EXPECT_FALSE(s.estAnimee());
    sf::RenderTexture rt;
    rt.create(4, 4);
    s.dessiner(rt);
    s.placer(3, 3);
    EXPECT_FLOAT_EQ(s.getSX(), 1.0f);
}

} // namespace
