// Any text compiles, every statement around a bad line is kept, and the command records
// always hold the argument count of their keyword.
#include "script/ScriptEngine.h"

#include "core/Hasard.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

void compiler(CScriptEngine& moteur, CScript& s, const std::string& texte)
{
    std::istringstream flux(texte);
    moteur.chargerScriptFlux(&s, flux);
}

// What holds for every compiled script, whatever its text.
void verifierCoherence(const CScript& s, const std::string& contexte)
{
    ASSERT_EQ(s.nbCommandes, static_cast<int>(s.commandes.size())) << contexte;
    for (size_t i = 0; i < s.commandes.size(); ++i) {
        const CScriptCommand& c = *s.commandes[i];
        const int attendu = CScriptEngine::nbArgumentsMotCle(c.strMotCle);
        ASSERT_GE(attendu, 0) << contexte << ": command " << i << " has a keyword outside the table";
        ASSERT_EQ(c.arguments.size(), static_cast<size_t>(attendu))
            << contexte << ": command " << i << " " << c.strMotCle;
    }
    for (const auto& [nom, index] : s.labels) {
        ASSERT_TRUE(index >= 0 && index < s.nbCommandes) << contexte << ": label " << nom;
        ASSERT_EQ(s.commandes[static_cast<size_t>(index)]->strMotCle, ":") << contexte << ": label " << nom;
    }
}

// Lines made of the language's pieces; every 50th line is a marker command that must come
// out in order, whatever the lines around it hold.
std::string scriptAuHasard(int nbLignes)
{
    static const char* const morceaux[] = {
        "PRINT", "GOTO", "PAUSE", "KP", "DRAWMSG_EN", "SETVARIABLE", "x", "y", "1", "-", "+", "<", "!=",
        "\"", "(", ")", ";", "#", "=", "if (", "then", "else", "endif", "{", "}", ":", " ", "\t", "\r",
        "\xC3\xA9", "\xFF", "" /* a NUL byte */, "IF", "==", ">=", "*"};
    std::string texte;
    for (int i = 0; i < nbLignes; ++i) {
        if (i % 50 == 0) {
            texte += "PRINT(@m" + std::to_string(i / 50) + ";0;0)\n";
            continue;
        }
        const int n = tuv::rand() % 12;
        for (int k = 0; k < n; ++k) {
            const char* m = morceaux[tuv::rand() % (sizeof(morceaux) / sizeof(morceaux[0]))];
            texte += *m ? std::string(m) : std::string(1, '\0');
        }
        texte += '\n';
    }
    return texte;
}

std::vector<std::string> marqueurs(const CScript& s)
{
    std::vector<std::string> r;
    for (const auto& c : s.commandes)
        if (c->strMotCle == "PRINT" && !c->arguments.empty() && c->arguments[0].rfind(L"@m", 0) == 0)
            r.push_back(std::string(c->arguments[0].begin(), c->arguments[0].end()));
    return r;
}

} // namespace

TEST(RobustesseScript, LignesAuHasard)
{
    tuv::srand(16);
    CScriptEngine moteur;
    std::vector<std::string> attendus;
    for (int i = 0; i < 200; ++i)
        attendus.push_back("@m" + std::to_string(i));
    // Twice through one engine: what a file leaves open must not spoil the next one.
    for (int passe = 0; passe < 2; ++passe) {
        CScript s;
        compiler(moteur, s, scriptAuHasard(10000));
        const std::string contexte = "pass " + std::to_string(passe);
        verifierCoherence(s, contexte);
        EXPECT_EQ(marqueurs(s), attendus) << contexte << ": a statement next to a bad line was lost";
    }
}

TEST(RobustesseScript, EntreesPathologiques)
{
    CScriptEngine moteur;
    struct Cas {
        const char* nom;
        std::string texte;
        std::string attendu;  // listing; empty: only coherence is checked
    };
    std::string binaire;
    tuv::srand(3);
    for (int i = 0; i < 65536; ++i)
        binaire += static_cast<char>(tuv::rand() % 256);
    std::string siOuverts, accolades;
    for (int i = 0; i < 100000; ++i)
        siOuverts += "if (a<b)\n";
    accolades = std::string(10000, '{');
    std::string profond;
    for (int i = 0; i < 10000; ++i)
        profond += "{\n";
    profond += "PRINT(a;0;0)\n";
    for (int i = 0; i < 10001; ++i)
        profond += "}\n";
    const Cas cas[] = {
        {"binary data", binaire, ""},
        {"unbalanced quote", "PRINT(\"abc;0;0)\nGOTO(B)\n", "PRINT 0 [\"abc] [0] [0)]\nGOTO 0 [B]\n"},
        {"a long line", "PRINT(\"" + std::string(1 << 20, 'a') + "\nGOTO(B)", ""},
        {"else and endif without if", std::string(5000, ' ') + "\nelse\nendif\nelse\nGOTO(B)", "GOTO 0 [B]\n"},
        {"nested blocks and a surplus }", profond, "{ 0\nPRINT 0 [a] [0] [0]\n} 0\n} 0\n"},
        {"one line of braces", accolades + "\nGOTO(B)", "{ 0\n} 0\nGOTO 0 [B]\n{ 0\n"},
        {"NUL bytes", std::string("GO\0TO(A)\nGOTO(B\0C)\n", 20), ""},
    };
    for (const Cas& c : cas) {
        CScript s;
        compiler(moteur, s, c.texte);
        verifierCoherence(s, c.nom);
        if (!c.attendu.empty()) {
            EXPECT_EQ(s.listing(), c.attendu) << c.nom;
        }
    }

    CScript longue;
    compiler(moteur, longue, cas[2].texte);
    ASSERT_EQ(longue.nbCommandes, 2);
    EXPECT_EQ(longue.commandes[0]->arguments[0].size(), (1u << 20) + 1) << "the long argument is whole";

    CScript s;
    compiler(moteur, s, siOuverts + "GOTO(B)\n");
    ASSERT_EQ(s.nbCommandes, 100001);
    EXPECT_EQ(s.commandes[99999]->arguments[3], L"100000") << "every if has its own number";
    EXPECT_EQ(moteur.fichier.pileIf.size(), 100000u);
}
