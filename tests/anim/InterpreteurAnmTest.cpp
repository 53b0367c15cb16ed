#include "anim/InterpreteurAnm.h"

#include <gtest/gtest.h>

TEST(InterpreteurAnm, CatalogueDansLOrdreDuCombo)
{
    const auto& c = CInterpreteurAnm::catalogue();
    ASSERT_EQ(c.size(), 24u);
    EXPECT_STREQ(c.front().commande, "#");
    EXPECT_STREQ(c.back().commande, "_disable_NextCmdsOnlyIfPlaying");
    EXPECT_STREQ(c[9].commande, "initElementAnimationLinkViseeAuto [global]");
    // Every entry is found back by its exact text.
    for (const auto& e : c)
        EXPECT_EQ(CInterpreteurAnm::trouverCommande(e.commande), e.code) << e.commande;
}

TEST(InterpreteurAnm, CommandesReconnues)
{
    EXPECT_EQ(CInterpreteurAnm::trouverCommande("# un commentaire"), CommandeAnm::Commentaire);
    EXPECT_EQ(CInterpreteurAnm::trouverCommande("  setFrame "), CommandeAnm::SetFrame);
    // The suffix is part of the name.
    EXPECT_EQ(CInterpreteurAnm::trouverCommande("initElementAnimationLinkViseeAuto"), CommandeAnm::Inconnue);
    EXPECT_EQ(CInterpreteurAnm::trouverCommande("setframe"), CommandeAnm::Inconnue);
    EXPECT_EQ(CInterpreteurAnm::trouverCommande(""), CommandeAnm::Inconnue);
}

TEST(InterpreteurAnm, DecoupageDesArguments)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(CInterpreteurAnm::decouperArguments("( bras ; 3 )"), (V{"bras", "3"}));
    EXPECT_EQ(CInterpreteurAnm::decouperArguments("(a;;2.5)"), (V{"a", "", "2.5"}));
    EXPECT_EQ(CInterpreteurAnm::decouperArguments("  7  "), (V{"7"}));
    EXPECT_TRUE(CInterpreteurAnm::decouperArguments("()").empty());
    EXPECT_TRUE(CInterpreteurAnm::decouperArguments("( )").empty());
    EXPECT_TRUE(CInterpreteurAnm::decouperArguments("").empty());
    EXPECT_EQ(CInterpreteurAnm::decouperArguments("("), V{});
}
