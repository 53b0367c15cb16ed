// Values of the script language: assignments, conditions, jumps, global variables, RAND and
// the argument readers, as tables of scripts and the values they leave.
#include "script/OutilsScript.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <set>

namespace {

class Valeurs : public AvecMoteur {
protected:
    // Steps the script until one run is complete (at most 1000 steps).
    void executerRun(CScript* s)
    {
        const int avant = s->nbRunFaits;
        for (int i = 0; i < 1000 && s->nbRunFaits == avant; ++i)
            moteur->executerCommande(s);
        ASSERT_EQ(s->nbRunFaits, avant + 1) << "the run never ended";
    }
};

struct CasEgal {
    const char* texte;  // the script; its variable x is checked
    int type;
    const char* valeur;  // text form of x
};

} // namespace

TEST_F(Valeurs, AffectationsParTable)
{
    const CasEgal cas[] = {
        {"x = 2 + 3", Variable::Flottant, "5"},        // float arithmetic on two ints
        {"x = 7 - 9", Variable::Flottant, "-2"},
        {"x = 7", Variable::Entier, "7"},
        {"x = -5", Variable::Entier, "-5"},
        {"x = 7.5", Variable::Flottant, "7.5"},
        {"x = 7,5", Variable::Flottant, "7.5"},        // a comma reads as a point
        {"x = \"ab\" + 5", Variable::Texte, "ab5"},
        {"x = \"ab\" - 5", Variable::Texte, "ab5"},    // strings join whatever the operator
        {"x = \"a b\"", Variable::Texte, "a b"},
        {"y = 4\nx = -y", Variable::Entier, "-4"},
        {"y = 2.5\nx = -y", Variable::Flottant, "-2.5"},
        {"y = \"s\"\nx = -y", Variable::Texte, "s"},   // the sign of a string is dropped
        {"x = 1 / 0", Variable::Indefini, "NULL"},
        {"x = 1 / 0\nx = x + 2", Variable::Flottant, "2"},  // undefined counts as 0
        {"x = nan", Variable::Entier, "0"},
        {"x = inf + 1", Variable::Flottant, "1"},
        {"x = 99999999999", Variable::Entier, "2147483647"},
        {"x = -99999999999", Variable::Entier, "-2147483647"},
        {"x = 1.0e40 * 10", Variable::Indefini, "NULL"},  // no number: undefined
        {"x = 3\nx = x / 2", Variable::Flottant, "1.5"},
    };
    for (const CasEgal& c : cas) {
        CScript* s = script(c.texte);
        executerRun(s);
        ASSERT_TRUE(s->variables.count("x")) << c.texte;
        EXPECT_EQ(s->variables["x"].type, c.type) << c.texte;
        EXPECT_EQ(CScriptEngine::getVariableTexte(s, "x"), c.valeur) << c.texte;
    }
    CScript* grand = script("x = 1.0e40");
    executerRun(grand);
    EXPECT_EQ(grand->variables["x"].f, FLT_MAX) << "an overflowing literal saturates";
}

TEST_F(Valeurs, ValeursDeRetour)
{
    CScript* s = moteur->creerScript("", nullptr, 2, -1, false, false);
    s->ajouterCommande("=", {L"a", L"0", L"RETURN", L""});
    s->ajouterCommande("=", {L"b", L"1", L"RETURN", L""});
    s->ajouterCommande("=", {L"c", L"2", L"RETURN", L""});
    s->ajouterCommande("=", {L"d", L"-1", L"RETURN", L""});
    CScriptEngine::ajouterRetourInt(s, 4);
    CScriptEngine::ajouterRetourString(s, "deux");
    executerRun(s);
    EXPECT_EQ(CScriptEngine::getVariableTexte(s, "a"), "4");
    EXPECT_EQ(CScriptEngine::getVariableTexte(s, "b"), "deux");
    EXPECT_FALSE(s->variables.count("c")) << "position 2 holds no value: nothing is made";
    EXPECT_EQ(CScriptEngine::getVariableTexte(s, "d"), "deux") << "the sign of the position is cut";

    // Another command between the reader and the assignment empties the list first.
    CScript* t = script("SETVARIABLE(g;12)\nGETVARIABLEINT(g)\nPRINT(p;0;0)\nx = 0");
    t->commandes[3]->arguments = {L"x", L"0", L"RETURN", L""};
    executerRun(t);
    EXPECT_FALSE(t->variables.count("x")) << "PRINT emptied the return values";
    CScript* u = script("SETVARIABLE(g;12)\nx = GETVARIABLEINT(g)");
    executerRun(u);
    EXPECT_EQ(u->variables["x"].type, Variable::Entier);
    EXPECT_EQ(u->variables["x"].i, 12);
}

TEST_F(Valeurs, ConditionsParTable)
{
    struct Cas {
        const char *a, *op, *b;
        bool vrai;
    } cas[] = {
        {"x", "<", "10", true},   {"x", ">", "10", false},   {"3", "=", "3", true},    {"3", "<=", "3", true},
        {"3", ">=", "3", true},   {"3", "<", "3", false},    {"3", ">", "3", false},   {"3", "!=", "3", false},
        {"3", "==", "3", false},  // outside the six: false
        {"\"abc\"", "<", "\"abd\"", true}, {"\"10\"", "<", "9", true},  // texts compare as texts
        {"mot", "=", "\"ok\"", true}, {"2.5", ">", "2", true}, {"-x", "<", "0", true},
    };
    for (const Cas& c : cas) {
        CScript* s = moteur->creerScript("", nullptr, 2, -1, false, false);
        s->variables["x"] = Variable{Variable::Entier, 0, 4, ""};
        s->variables["mot"] = Variable{Variable::Texte, 0, 0, "ok"};
        s->ajouterCommande("IF", {tuv::utf8toWStr(c.a), tuv::utf8toWStr(c.op), tuv::utf8toWStr(c.b), L"1"});
        s->ajouterCommande("BASCULE", {});
        s->ajouterCommande(":", {L"ELSE1"});
        s->commandes.back()->strTexte = L"ELSE1";
        moteur->construireLabels(s);
        moteur->executerCommande(s);
        EXPECT_EQ(s->numCmdCour, c.vrai ? 1 : 2) << c.a << " " << c.op << " " << c.b;
        EXPECT_EQ(s->commandes[0]->bFait, 1);
    }
}

TEST_F(Valeurs, SautsDesConditionsEtGoto)
{
    // Without "ELSE"n the jump lands on "ENDIF"n; without either the run ends and counts.
    CScript* s = script("IF(1;>;2;7)\nBASCULE()\n:ENDIF7\nBASCULE()");
    moteur->executerCommande(s);
    EXPECT_EQ(s->numCmdCour, 2);
    CScript* sansLabel = script("IF(1;>;2;7)\nBASCULE()");
    moteur->executerCommande(sansLabel);
    EXPECT_EQ(sansLabel->numCmdCour, 0);
    EXPECT_EQ(sansLabel->nbRunFaits, 1) << "an IF with no label ends the run";

    CScript* g = script("GOTO(fin)\nBASCULE()\n:fin\nGOTO(absent)\nGOTO(FIN)\nBASCULE()");
    moteur->executerCommande(g);
    EXPECT_EQ(g->numCmdCour, 3) << "the command after the label";
    moteur->executerCommande(g);
    EXPECT_EQ(g->numCmdCour, 4) << "a missing label goes on";
    moteur->executerCommande(g);
    EXPECT_EQ(g->numCmdCour, 5) << "labels are case-sensitive";
}

TEST_F(Valeurs, VariablesGlobales)
{
    CScript* s = script("SETVARIABLE(g;12)\nSETVARIABLE(f;2,5)\n"
                        "a = GETVARIABLEINT(g)\nb = GETVARIABLEFLOAT(f)\nc = GETVARIABLESTRING(g)\n"
                        "d = GETVARIABLEINT(absente)\ne = GETVARIABLEFLOAT(absente)\nh = GETVARIABLESTRING(absente)");
    executerRun(s);
    EXPECT_EQ(CScriptEngine::getVariableTexte(s, "a"), "12");
    EXPECT_EQ(CScriptEngine::getVariableTexte(s, "b"), "2.5");
    EXPECT_EQ(s->variables["c"].type, Variable::Texte);
    EXPECT_EQ(CScriptEngine::getVariableTexte(s, "d"), "0");
    EXPECT_EQ(s->variables["e"].type, Variable::Flottant);
    EXPECT_EQ(CScriptEngine::getVariableTexte(s, "e"), "0");
    EXPECT_EQ(CScriptEngine::getVariableTexte(s, "h"), "NULL");
}

TEST_F(Valeurs, Hasard)
{
    tuv::srand(42);
    CScript* s = script("x = RAND(10;3)");
    std::set<int> vus;
    for (int i = 0; i < 1000; ++i) {
        executerRun(s);
        const int v = s->variables["x"].i;
        ASSERT_TRUE(v >= 3 && v <= 9) << "draw " << i << " gave " << v;
        vus.insert(v);
    }
    EXPECT_EQ(vus.size(), 7u) << "every value of 3..9 comes up";
    CScript* egaux = script("x = RAND(5;5)");
    executerRun(egaux);
    EXPECT_EQ(egaux->variables["x"].i, 5) << "an empty range gives its bound";
    CScript* extremes = script("x = RAND(2147483647;-2147483648)");
    for (int i = 0; i < 50; ++i) {
        executerRun(extremes);
        EXPECT_LT(extremes->variables["x"].i, INT_MAX) << "hi is never drawn";
    }
}

TEST_F(Valeurs, Lecteurs)
{
    CScript* s = script("PRINT(n;\"a b\";)");
    s->variables["n"] = Variable{Variable::Entier, 0, 3, ""};
    s->variables["u"] = Variable{Variable::Indefini, 0, 0, ""};
    s->variables["inf"] = Variable{Variable::Flottant, INFINITY, 0, ""};
    EXPECT_EQ(moteur->getArgString(s, 0), "3") << "a variable gives its value";
    EXPECT_EQ(moteur->getArgWString(s, 1), L"a b") << "quotes are removed";
    EXPECT_EQ(moteur->getArgString(s, 3), "") << "past the arguments";
    EXPECT_EQ(moteur->getArgInt(s, 9), 0);
    s->commandes[0]->arguments = {L"u", L"inf", L"7,5"};
    EXPECT_EQ(moteur->getArgInt(s, 0), 0) << "an undefined variable reads as 0";
    EXPECT_EQ(moteur->getArgFloat(s, 1), 0.0f) << "no infinity is handed out";
    EXPECT_EQ(moteur->getArgFloat(s, 2), 7.5f);
    EXPECT_EQ(moteur->getArgString(s, 0), "NULL");

    CScript* egal = script("x = n + 1");
    egal->variables["n"] = Variable{Variable::Entier, 0, 3, ""};
    EXPECT_EQ(moteur->getArgString(egal, 1), "n") << "\"=\" types its operands itself";

    s->numCmdCour = 5;  // outside the commands
    EXPECT_EQ(moteur->getArgString(s, 0), "");
    EXPECT_EQ(moteur->getArgFloat(s, 0), 0.0f);
    EXPECT_EQ(moteur->getArgString(script(""), 0), "") << "no command at all";
}
