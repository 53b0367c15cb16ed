// The editors' list and combo fillers that live beside the foundation classes.
#include "anim/ScriptAnm.h"
#include "core/ShaderManager.h"
#include "gui/CPLUXControlList.h"
#include "support/Outils.h"

#include <gtest/gtest.h>

TEST(ListesEditeur, ShaderComboListsMatchingFilesSortedAfterTheNoShaderEntry)
{
    DossierTemp d;
    std::filesystem::create_directory(d / "sous.frag");
    for (const char* nom : {"vague.frag", "flou.frag", "flou.vert", "lisezmoi.txt", "frag"})
        ecrireTexte(d / nom, "");
    CShaderManager gestionnaire;
    CPLUXControlComboBox combo;
    combo.AddElement("ancien");

    EXPECT_FALSE(gestionnaire.remplirComboShaders(d / "absent", &combo, "frag"));
    ASSERT_EQ(combo.getNbElements(), 1);  // untouched
    EXPECT_FALSE(gestionnaire.remplirComboShaders(d.str(), nullptr, "frag"));

    ASSERT_TRUE(gestionnaire.remplirComboShaders(d.str(), &combo, "frag"));
    ASSERT_EQ(combo.getNbElements(), 3);
    EXPECT_EQ(combo.getText(0), "(sans shader)");
    EXPECT_EQ(combo.getText(1), "flou.frag");
    EXPECT_EQ(combo.getText(2), "vague.frag");
}

TEST(ListesEditeur, VariableComboShowsNamesWithTheirTypes)
{
    CShaderManager gestionnaire;
    CPLUXControlComboBox combo;
    CSPRITE::Uniforms vide;
    gestionnaire.remplirComboVariables(&combo, vide);
    EXPECT_EQ(combo.getNbElements(), 0);
    EXPECT_EQ(combo.getNumSel(), -1);

    CSPRITE::Uniforms m;
    m["temps"].strType = "float";
    m["centre"].strType = "vec2";
    gestionnaire.remplirComboVariables(&combo, m);
    gestionnaire.remplirComboVariables(nullptr, m);
    ASSERT_EQ(combo.getNbElements(), 2);
    EXPECT_EQ(combo.getText(0), "centre");
    EXPECT_EQ(combo.getTextCol2(0), "(vec2)");
    EXPECT_EQ(combo.getText(1), "temps");
    EXPECT_EQ(combo.getTextCol2(1), "(float)");
    EXPECT_EQ(combo.getNumSel(), 0);
}

TEST(ListesEditeur, ScriptLinesGoThroughTheListUnchanged)
{
    CScriptAnm script;
    script.commandes = {"ANIMATION", "SON"};
    script.arguments = {"bras;2", "\xC3\xA9p\xC3\xA9\x65"};
    CPLUXControlList liste;
    script.getLignes(&liste);
    ASSERT_EQ(liste.getNbElements(), 2);

    CScriptAnm relu;
    relu.setLignes(&liste);
    EXPECT_EQ(relu.commandes, script.commandes);
    EXPECT_EQ(relu.arguments, script.arguments);
    relu.setLignes(nullptr);
    EXPECT_EQ(relu.getNbLignes(), 0);
}
