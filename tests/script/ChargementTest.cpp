// Compiling ".scp" files into command lists: listings against dumps written by hand, one
// engine over several files, and what a recompilation keeps.
#include "script/ScriptEngine.h"

#include "support/FaceTest.h"
#include "support/Outils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace {

const std::string DOSSIER_SCP = TUV_SCP_DIR;

using Notes = std::vector<std::pair<LigneIllisible::Raison, std::string>>;

// The listing; the lines named, with why, into notes when given.
std::string compiler(CScriptEngine& moteur, const std::string& texte, Notes* notes = nullptr)
{
    CScript s;
    std::istringstream flux(texte);
    moteur.chargerScriptFlux(&s, flux);
    for (const LigneIllisible& l : s.lignesIllisibles)
        if (notes)
            notes->emplace_back(l.raison, l.detail);
    return s.listing();
}

// The game's face whose menus speak the given language, for as long as it lives.
struct JeuEnLangue : FaceTest {
    explicit JeuEnLangue(const std::string& langue) { langueMenus = langue; }
};

} // namespace

TEST(ChargementScript, ListingsAttendus)
{
    // nom.scp compiles to nom.txt in French (the default without a game), to nom.en.txt
    // in English when that file exists.
    int fichiers = 0;
    for (const auto& e : std::filesystem::directory_iterator(DOSSIER_SCP)) {
        if (e.path().extension() != ".scp")
            continue;
        ++fichiers;
        const std::string base = (e.path().parent_path() / e.path().stem()).string();
        for (const std::string& langue : {std::string("fr_"), std::string("en_")}) {
            const std::string attendu = base + (langue == "fr_" ? ".txt" : ".en.txt");
            if (!std::filesystem::exists(attendu))
                continue;
            std::unique_ptr<JeuEnLangue> jeu;
            if (langue == "en_")
                jeu = std::make_unique<JeuEnLangue>(langue);
            CScriptEngine moteur;
            CScript s;
            s.strFichier = e.path().string();
            moteur.chargerScript(&s);
            EXPECT_EQ(s.listing(), lireTexte(attendu)) << e.path().filename() << " in " << langue;
        }
    }
    EXPECT_EQ(fichiers, 4) << "a listing file went missing";
}

TEST(ChargementScript, LanguesDuJeu)
{
    const std::string texte = "DRAWMSG(fr;i;1;2)\nDRAWMSG_EN(en;i;1;2)\nPARLE(a;3)\nPARLE_EN(b;4)\n";
    CScriptEngine moteur;
    EXPECT_EQ(compiler(moteur, texte), "DRAWMSG 0 [fr] [i] [1] [2]\nPARLE 3 [a] [3] [] [] []\n")
        << "no game object: French";
    JeuEnLangue jeu("en_");
    EXPECT_EQ(compiler(moteur, texte), "DRAWMSG_EN 0 [en] [i] [1] [2]\nPARLE_EN 4 [b] [4] [] [] []\n");
}

TEST(ChargementScript, LabelsDuScript)
{
    CScriptEngine moteur;
    CScript s;
    s.strFichier = DOSSIER_SCP + "/arguments.scp";
    moteur.chargerScript(&s);
    ASSERT_EQ(s.nbCommandes, 21);
    EXPECT_EQ(s.labels, (std::unordered_map<std::string, int>{{"debut", 19}, {"L=1", 18}}))
        << "a repeated label keeps its last index";
    EXPECT_EQ(s.commandes[17]->strTexte, L"debut");
}

TEST(ChargementScript, PlusieursFichiersDansUnMoteur)
{
    CScriptEngine moteur;
    const std::string suivant = "else\nPRINT(x;0;0)\nendif\nif (c < d)\nendif\n";
    EXPECT_EQ(compiler(moteur, "if (a < b)\nif (e < f) then GOTO(X)\n"),
              "IF 0 [a] [<] [b] [1]\nIF 0 [e] [<] [f] [2]\nGOTO 0 [X]\n: 0 [ENDIF2]\n");
    // The "if" left open above pairs with nothing here; numbers go on.
    EXPECT_EQ(compiler(moteur, suivant), "PRINT 0 [x] [0] [0]\nIF 0 [c] [<] [d] [3]\n: 0 [ENDIF3]\n");
    CScriptEngine neuf;
    EXPECT_EQ(compiler(neuf, suivant), "PRINT 0 [x] [0] [0]\nIF 0 [c] [<] [d] [1]\n: 0 [ENDIF1]\n");
}

TEST(ChargementScript, RecompilationGardeOuRemplace)
{
    DossierTemp d;
    ecrireTexte(d / "a.scp", ":A\nn = 1\nGOTO(A)\n");
    CScriptEngine moteur;
    CScript s;
    CSPRITE* sprite = reinterpret_cast<CSPRITE*>(&d);  // never dereferenced
    s.strNom = "porte";
    s.strFichier = d / "a.scp";
    s.pSD = sprite;
    s.nDeclencheur = 3;
    s.nbRunMax = 2;
    s.bFichierNiveau = true;
    moteur.chargerScript(&s);
    ASSERT_EQ(s.nbCommandes, 3);
    s.variables["n"].type = Variable::Entier;
    s.numCmdCour = 2;
    s.bEnCours = true;
    s.nbRunFaits = 1;

    // A missing file or a folder keeps everything; the labels are rebuilt.
    for (const std::string& chemin : {d / "absent.scp", d.str()}) {
        s.strFichier = chemin;
        s.labels.clear();
        moteur.chargerScript(&s);
        EXPECT_TRUE(s.nbCommandes == 3 && s.variables.count("n") && s.numCmdCour == 2) << chemin;
        EXPECT_EQ(s.labels, (std::unordered_map<std::string, int>{{"A", 0}})) << chemin;
    }

    ecrireTexte(d / "b.scp", ":B\n:C\n");
    s.strFichier = d / "b.scp";
    moteur.chargerScript(&s);
    EXPECT_EQ(s.listing(), ": 0 [B]\n: 0 [C]\n");
    EXPECT_EQ(s.labels, (std::unordered_map<std::string, int>{{"B", 0}, {"C", 1}}));
    EXPECT_TRUE(s.variables.empty() && s.numCmdCour == 0 && !s.bEnCours && s.nbRunFaits == 0) << "the run starts over";
    EXPECT_TRUE(s.strNom == "porte" && s.pSD == sprite && s.nDeclencheur == 3 && s.nbRunMax == 2 && s.bFichierNiveau)
        << "the settings of the script stay";
}

TEST(ChargementScript, LignesIllisiblesNommeesSansChangerCeQuiTourne)
{
    using R = LigneIllisible::Raison;
    // The text; what compiles to the same commands (null: the text itself); the line named (0:
    // none), why, and the detail (with "-> " what it is read as, where the note says).
    const struct { const char *texte, *commeSi; int ligne; R raison; std::string detail; } cas[] = {
        {"PRINT(a;0;0)\nPAUSE(30", "PRINT(a;0;0)\nPAUSE(30)", 2, R::ParentheseManquante, ""},
        {"PAUSE(30 # attendre", "PAUSE(30)", 1, R::ParentheseManquante, ""},
        {"PRINT(\"a b;0;0)", nullptr, 1, R::GuillemetOuvert, ""},
        {"PAUSE(abc)", nullptr, 1, R::PasUnNombre, "abc"},
        {"\nPAUZE(30)\nPAUSE(30)", "PAUSE(30)", 2, R::MotCleInconnu, "PAUZE"},
        {"PAUSE 30\nPRINT(a;0;0)", "PRINT(a;0;0)", 1, R::SansCommande, ""},
        {"PRINT(a;0;0)\nendif", "PRINT(a;0;0)", 2, R::SinonSansSi, ""},
        {"if (a < 3)\nPRINT(a;0;0)", nullptr, 1, R::SiSansFin, ""},
        {"if (a < 3) then PAUSE(3", "if (a < 3) then PAUSE(3)", 1, R::ParentheseManquante, ""},
        // One operator between two values: the second operand is read up to its operator.
        {"x = 700 + 3 * 40", nullptr, 1, R::OperateurEnTrop, "3*40 -> 3"},
        {"t = \"a\" + \"b\" + \"c\"", nullptr, 1, R::OperateurEnTrop, "\"b\"+\"c\" -> \"b+c\""},
        {"if (n + 1 < 3)\nendif", nullptr, 1, R::OperateurEnTrop, "n+1 -> 0"},
        {"x = n +", nullptr, 1, R::OperandeManquant, ""},
        {"if (a < b < c)\nendif", nullptr, 1, R::ComparaisonEnTrop, "a < b"},
        {"if (vu)\nendif", nullptr, 1, R::SansComparaison, ""},
        {"t = \"a;b\"", nullptr, 1, R::PointVirgule, ""},
        // Read whole: nothing named.
        {"n = 5\nPAUSE(n)\nPARLE(a;n)", nullptr, 0, R::SansCommande, ""},
        {"x = n + 1\n{\n:fin\n}\n# seul\n   \nGOTO(fin)\nPARLE_EN(a;b)", nullptr, 0, R::SansCommande, ""},
        {"if (a < 3)\nPAUSE(-2)\nelse\nPRINT(\"a (b\";0;0)\nendif", nullptr, 0, R::SansCommande, ""},
        {"PAUSE(30;)\nx = 5 - -3\nx = -a * 2\nt = \"x\" + \"a+b\"\nma-var = 2\nx = 1 + ma-var\nif (x <= -1)\nendif",
         nullptr, 0, R::SansCommande, ""},
    };
    for (const auto& c : cas) {
        CScriptEngine moteur, autre;
        CScript s;
        std::istringstream flux(c.texte);
        moteur.chargerScriptFlux(&s, flux);
        const auto& l = s.lignesIllisibles;
        ASSERT_EQ(l.size(), c.ligne ? 1u : 0u) << c.texte << "\n-> " << (l.empty() ? "" : l[0].texte());
        const std::string detail = l.empty() ? "" : l[0].detail + (l[0].lue.empty() ? "" : " -> " + l[0].lue);
        EXPECT_TRUE(l.empty() || (l[0].ligne == c.ligne && l[0].raison == c.raison && detail == c.detail))
            << c.texte << "\n-> " << l[0].texte();
        EXPECT_EQ(s.listing(), compiler(autre, c.commeSi ? c.commeSi : c.texte)) << c.texte;
    }
}

TEST(ChargementScript, LignesIllisiblesDitesUneFoisParChargement)
{
    DossierTemp d;
    ecrireTexte(d / "a.scp", "PRINT(a;0;0)\n  PAUSE(abc)  # tout de suite\n");
    CScriptEngine moteur;
    CScript s, t;
    s.strFichier = t.strFichier = d / "a.scp";
    const auto console = [&](CScript& script) {
        testing::internal::CaptureStderr();
        moteur.chargerScript(&script);
        return testing::internal::GetCapturedStderr();
    };
    EXPECT_EQ(console(s), "Script " + s.strFichier +
                              ", ligne 2 : « PAUSE(abc)  # tout de suite » : « abc » lu comme 0 : ni nombre "
                              "ni variable\n");
    EXPECT_EQ(console(s) + console(t), "") << "a restart, another script of the same file";
    // The file changed, and is no script: twenty lines, then how many more the monitor lists.
    std::string texte;
    for (int i = 0; i < 25; ++i)
        texte += "PAUSE 30\n";
    ecrireTexte(d / "a.scp", texte);
    const std::string dit = console(s);
    EXPECT_EQ(std::count(dit.begin(), dit.end(), '\n'), 21) << dit;
    EXPECT_NE(dit.find("et 5 autres lignes non lues"), std::string::npos) << dit;
    EXPECT_EQ(s.lignesIllisibles.size(), 25u) << "the script keeps them all";
    moteur.viderScripts();
    EXPECT_NE(console(t), "") << "a level load names them again";
}

TEST(ChargementScript, UnArgumentDeTropOuDeMoinsPourChaqueMotCle)
{
    CScriptEngine moteur;
    // The keyword with n arguments "1", "2"... (and a ";" after them): marks take theirs
    // without parentheses, and only an assignment makes "=" ("x = 1 + 2", then ";5").
    const auto ligne = [](const std::string& motCle, int n, const char* fin = "") {
        if (motCle == "=")
            return std::string("x=1+2").substr(0, size_t(n + 1)) + (n > 4 ? ";5" : "");
        std::string args;
        for (int i = 1; i <= n; ++i)
            args += (i > 1 ? ";" : "") + std::to_string(i);
        const bool marque = motCle == "{" || motCle == "}" || motCle == ":";
        return marque ? motCle + args + fin : motCle + "(" + args + fin + ")";
    };
    for (const auto& [motCle, n] : CScriptEngine::motsCles()) {
        Notes deTrop, manque, ecrit;
        EXPECT_EQ(compiler(moteur, ligne(motCle, n + 1), &deTrop), compiler(moteur, ligne(motCle, n)))
            << motCle << ": the extra is dropped";
        const auto enTrop = std::make_pair(LigneIllisible::Raison::EnTrop, std::to_string(n + 1));
        EXPECT_EQ(std::count(deTrop.begin(), deTrop.end(), enTrop), 1) << motCle << " with " << n + 1 << " arguments";
        if (n == 0)
            continue;
        // An argument left out reads as written empty: the same commands, the same notes.
        const std::string vide = ligne(motCle, n - 1, n > 1 ? ";" : "");
        EXPECT_EQ(compiler(moteur, ligne(motCle, n - 1), &manque), compiler(moteur, vide, &ecrit)) << motCle;
        EXPECT_EQ(manque, ecrit) << motCle << " with " << n - 1 << " arguments";
    }
}
