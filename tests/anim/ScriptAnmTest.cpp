#include "anim/ScriptAnm.h"
#include "core/TuvFile.h"
#include "support/Outils.h"

#include <gtest/gtest.h>

namespace {

CScriptAnm relire(const std::string& chemin)
{
    CScriptAnm lu;
    CTUVFile f;
    EXPECT_TRUE(f.open(chemin, false));
    while (f.getKey() == "KF_SCP")
        lu.charger(f);
    return lu;
}

TEST(ScriptAnm, EcritureEtLectureGardentLesTextes)
{
    DossierTemp d;
    CScriptAnm s;
    s.commandes = {"setAnimation", "initElementAnimationLinkViseeAuto [global]", "stopAllSounds", "# note"};
    s.arguments = {"( 2 )", "( bras ; 0 ; 90 ; 1,5 ; 1 )", "", "une, deux"};
    CTUVFile f;
    ASSERT_TRUE(f.open(d / "s.anm", true));
    s.ecrire(f, "KF_SCP");
    ASSERT_TRUE(f.close());
    EXPECT_EQ(lireTexte(d / "s.anm"), "KF_SCP=setAnimation;( 2 )\n"
                                      "KF_SCP=initElementAnimationLinkViseeAuto [global];( bras , 0 , 90 , 1.5 , 1 )\n"
                                      "KF_SCP=stopAllSounds;\n"
                                      "KF_SCP=# note;une. deux\n");

    CScriptAnm lu = relire(d / "s.anm");
    EXPECT_EQ(lu.commandes, s.commandes);
    EXPECT_EQ(lu.arguments,
              (std::vector<std::string>{"( 2 )", "( bras ; 0 ; 90 ; 1.5 ; 1 )", "", "une. deux"}));

    // The decimal comma turns into a point once; later round trips change nothing.
    ASSERT_TRUE(f.open(d / "s2.anm", true));
    lu.ecrire(f, "KF_SCP");
    ASSERT_TRUE(f.close());
    EXPECT_EQ(relire(d / "s2.anm").arguments, lu.arguments);

    ecrireTexte(d / "court.anm", "KF_SCP=stopAllSounds\n");
    CScriptAnm court = relire(d / "court.anm");
    ASSERT_EQ(court.getNbLignes(), 1);
    EXPECT_EQ(court.commandes[0], "stopAllSounds");
    EXPECT_EQ(court.arguments[0], "");
}

TEST(ScriptAnm, MonterDescendreAuxBornes)
{
    CScriptAnm s;
    s.commandes = {"a", "b", "c"};
    s.arguments = {"1", "2", "3"};
    for (int i : {-1, 0, 3})
        s.monterLigne(i);
    for (int i : {-1, 2, 3})
        s.descendreLigne(i);
    s.monterLigne(2);
    s.descendreLigne(0);
    EXPECT_EQ(s.commandes, (std::vector<std::string>{"c", "a", "b"}));
    EXPECT_EQ(s.arguments, (std::vector<std::string>{"3", "1", "2"}));
}

} // namespace
