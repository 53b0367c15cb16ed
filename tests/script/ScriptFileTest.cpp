// The reader of ".scp" text: what each line becomes, as the keyword, the argument text left
// after it and the names a function assignment gives its results to.
#include "script/ScriptFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>
#include <vector>

namespace {

// One entry per statement handed out: "KEYWORD|arguments", "names=KEYWORD|arguments" for a
// function assignment, "NULL" for an else or endif line that queued labels or ended the file.
std::vector<std::string> instructions(CScriptFile& f, const std::string& texte)
{
    std::istringstream flux(texte);
    f.ouvrirFlux(flux);
    std::vector<std::string> r;
    for (std::string k = f.lireLigneSuivante(); !k.empty(); k = f.lireLigneSuivante()) {
        if (k == "NULL") {
            r.push_back(k);
            continue;
        }
        std::string s = k + "|" + f.strLigne.substr(f.nPosArg);
        r.push_back(f.getMotCle().empty() ? s : f.getMotCle() + "=" + s);
    }
    f.close();
    return r;
}

std::vector<std::string> instructions(const std::string& texte)
{
    CScriptFile f;
    return instructions(f, texte);
}

struct Cas {
    const char* nom;
    const char* texte;
    std::vector<std::string> attendu;
};

void verifier(const std::vector<Cas>& cas)
{
    for (const Cas& c : cas)
        EXPECT_EQ(instructions(c.texte), c.attendu) << c.nom << ": " << c.texte;
}

} // namespace

TEST(ScriptFile, LignesOrdinaires)
{
    verifier({
        {"blanks, quoted text, comment, lower case", "  print ( \"a  b\" ; 3 )   # note",
         {"PRINT|\"a  b\";3"}},
        {"text after the closing parenthesis", "GOTO(A) junk", {"GOTO|A"}},
        {"missing closing parenthesis", "GOTO(A", {"GOTO|A"}},
        {"no arguments", "stopia()", {"STOPIA|"}},
        {"comment, blank and tab lines", "# c\n   \n\t\nGOTO(B)", {"GOTO|B"}},
        {"no parenthesis is no statement", "BLAH\nGOTO(B)", {"GOTO|B"}},
        {"a # inside quotes is text", "PRINT(\"#1 a\";0;0)", {"PRINT|\"#1 a\";0;0"}},
        {"a ) inside quotes is text", "PRINT(\"a)b\";0;0)x", {"PRINT|\"a)b\";0;0"}},
        {"label", ":Debut # here", {":|Debut"}},
        {"label holding =", ":a=b", {":|a=b"}},
        {"block marks keep their rest", "{x=1\n}junk", {"{|x=1", "}|junk"}},
        {"empty keyword, then a command", "(x)\n=(y)\nGOTO(B)", {"GOTO|B"}},
        {"word beginning with else", "elsewhere(1)", {"ELSEWHERE|1"}},
        {"word beginning with endif", "endiff(1)", {"ENDIFF|1"}},
        {"else and endif without if", "else\nendif\nGOTO(B)", {"GOTO|B"}},
        {"bytes above ASCII are not upper-cased", "\xC3\xA9t(1)", {"\xC3\xA9T|1"}},
    });
}

TEST(ScriptFile, Affectations)
{
    verifier({
        {"sum", "n = n + 1", {"=|n;n;+;1"}},
        {"negative constant", "n = -5", {"=|n;-5;;"}},
        {"signed operands", "n = -a - b", {"=|n;-a;-;b"}},
        {"quoted text holding -", "s = \"x - y\"", {"=|s;\"x - y\";;"}},
        {"quoted text and operator", "s = \"x-y\" * 2", {"=|s;\"x-y\";*;2"}},
        {"function of two names", "x ; y = GETIAPOS(1)", {"x;y=GETIAPOS|1"}},
        {"= inside the arguments is text", "SETVARIABLE(x;a=b)", {"SETVARIABLE|x;a=b"}},
        {"IF written by hand with <=", "IF(a;<=;b;3)", {"IF|a;<=;b;3"}},
        {"= inside quotes is text", "PRINT(\"a=b\";0;0)", {"PRINT|\"a=b\";0;0"}},
        {"function without keyword is skipped", "x = (1)\nGOTO(B)", {"GOTO|B"}},
    });
}

TEST(ScriptFile, ConditionnellesSurPlusieursLignes)
{
    verifier({
        {"if, else, endif",
         "if (a < b)\n  PRINT(t;0;0)\n  else   # other case\n  PRINT(e;0;0)\nendif",
         {"IF|a;<;b;1", "PRINT|t;0;0", "NULL", "GOTO|ENDIF1", ":|ELSE1", "PRINT|e;0;0", "NULL",
          ":|ENDIF1"}},
        {"nested: inner labels first",
         "if (a<1)\nif (b<=2)\nelse\nendif\nelse\nendif",
         {"IF|a;<;1;1", "IF|b;<=;2;2", "NULL", "GOTO|ENDIF2", ":|ELSE2", "NULL", ":|ENDIF2", "NULL",
          "GOTO|ENDIF1", ":|ELSE1", "NULL", ":|ENDIF1"}},
        {"operators", "if (a > b)\nendif\nif (a==b)\nendif\nif (a != b)\nendif\nif (a = b)\nendif",
         {"IF|a;>;b;1", "NULL", ":|ENDIF1", "IF|a;=;b;2", "NULL", ":|ENDIF2", "IF|a;!=;b;3", "NULL",
          ":|ENDIF3", "IF|a;=;b;4", "NULL", ":|ENDIF4"}},
        {"quoted operator and parenthesis", "if (s = \"<)\")\nendif",
         {"IF|s;=;\"<)\";1", "NULL", ":|ENDIF1"}},
        {"only the exact lower-case if (", "IF (a<b)\nif(a<b)\nIf (a<b)",
         {"IF|a<b", "IF|a<b", "IF|a<b"}},
        {"elseif is no else line", "if (a<b)\nelseif\nendif", {"IF|a;<;b;1", "NULL", ":|ENDIF1"}},
        {"quoted if ( opens nothing", "PRINT(\"if (x)\";0;0)\nendif", {"PRINT|\"if (x)\";0;0", "NULL"}},
        {"commented if ( opens nothing", "GOTO(A) # see if (x) then", {"GOTO|A"}},
        {"a word ending in if is no conditional", "diff (x)\nendif", {"DIFF|x", "NULL"}},
        {"stray else on the last line", "GOTO(A)\n  else # nothing open", {"GOTO|A", "NULL"}},
        {"missing parenthesis", "if (a<b", {"IF|a;<;b;1"}},
    });
}

TEST(ScriptFile, ConditionnellesSurUneLigne)
{
    verifier({
        {"then and else", "if (x == 3) then GOTO(L1) else GOTO(L2)",
         {"IF|x;=;3;1", "GOTO|L1", "GOTO|ENDIF1", ":|ELSE1", "GOTO|L2", ":|ENDIF1"}},
        {"then only, no number left open", "if (x >= 3) then GOTO(L1)\nendif",
         {"IF|x;>=;3;1", "GOTO|L1", ":|ENDIF1", "NULL"}},
        {"then at the end of the line", "if (a < b) then", {"IF|a;<;b;1", ":|ENDIF1"}},
        {"empty then-statement with an else", "if (a < b) then else GOTO(B)",
         {"IF|a;<;b;1", "GOTO|ENDIF1", ":|ELSE1", "GOTO|B", ":|ENDIF1"}},
        {"else at the end of the line", "if (a < b) then GOTO(A) else",
         {"IF|a;<;b;1", "GOTO|A", ":|ENDIF1"}},
        {"assignments as statements", "if (a < b) then x = 1 else y;z = GETIAPOS(2)",
         {"IF|a;<;b;1", "=|x;1;;", "GOTO|ENDIF1", ":|ELSE1", "y;z=GETIAPOS|2", ":|ENDIF1"}},
        {"statement without keyword", "if (a < b) then (junk)", {"IF|a;<;b;1", ":|ENDIF1"}},
        {"trailing comment", "if (t = \"a#b\") then PRINT(\"x\";0;0) # c",
         {"IF|t;=;\"a#b\";1", "PRINT|\"x\";0;0", ":|ENDIF1"}},
        {"quoted then and else", "if (a = \"then\") then PRINT(\"else\";0;0)",
         {"IF|a;=;\"then\";1", "PRINT|\"else\";0;0", ":|ENDIF1"}},
        {"else without then: ordinary line cut before else", "if (a < b) else GOTO(B)", {"IF|a<b"}},
        {"a statement is never a conditional", "if (a<b) then if (c<d) then GOTO(A)",
         {"IF|a;<;b;1", "IF|c<d", ":|ENDIF1"}},
    });
}

TEST(ScriptFile, FinsDeLigneEtMarqueDOrdre)
{
    verifier({
        {"CR LF, last line without LF", ":L1\r\n:L2\r", {":|L1", ":|L2"}},
        {"byte-order mark", "\xEF\xBB\xBFGOTO(A)\n", {"GOTO|A"}},
        {"a mark later in the file is text", "GOTO(A)\n\xEF\xBB\xBFGOTO(B)", {"GOTO|A", "\xEF\xBB\xBFGOTO|B"}},
    });
}

TEST(ScriptFile, NumerosDeConditionnellesContinuent)
{
    CScriptFile f;  // one reader over two files
    EXPECT_EQ(instructions(f, "if (a<b)\nif (c<d) then GOTO(X)"),
              (std::vector<std::string>{"IF|a;<;b;1", "IF|c;<;d;2", "GOTO|X", ":|ENDIF2"}));
    EXPECT_EQ(f.nCompteurIf, 2) << "the counter keeps the last number given";
    EXPECT_EQ(f.pileIf, std::vector<int>{1}) << "only the multi-line if stays open";
    EXPECT_EQ(instructions(f, "if (e<f)\nendif"),
              (std::vector<std::string>{"IF|e;<;f;3", "NULL", ":|ENDIF3"}));
}

TEST(ScriptFile, LectureDesArguments)
{
    CScriptFile f;
    std::istringstream flux("F(a;b)\nPRINT(\"a;b\";\xC3\xA9t\xC3\xA9;\xFF)\n");
    f.ouvrirFlux(flux);
    ASSERT_EQ(f.lireLigneSuivante(), "F");
    const std::vector<std::wstring> quatre = {f.getArgW(), f.getArgW(), f.getArgW(), f.getArgW()};
    EXPECT_EQ(quatre, (std::vector<std::wstring>{L"a", L"b", L"", L""})) << "missing arguments are empty";
    ASSERT_EQ(f.lireLigneSuivante(), "PRINT");
    EXPECT_EQ(f.getArgW(), L"\"a") << "a ; inside quotes still splits";
    EXPECT_EQ(f.getArgW(), L"b\"");
    EXPECT_EQ(f.getArgW(), L"\u00E9t\u00E9") << "arguments are UTF-8";
    EXPECT_EQ(f.getArgW(), L"\uFFFD") << "an invalid byte becomes U+FFFD";
    EXPECT_EQ(f.lireLigneSuivante(), "");
    EXPECT_EQ(f.lireLigneSuivante(), "") << "the end stays the end";

    f.setLigne("a;b");
    f.lireArg();
    EXPECT_EQ(f.lireArg(), "b");
    EXPECT_EQ(f.lireArg(), "b") << "the last argument comes back";
    f.setLigne("1,5; 12x ;99999999999;-99999999999;x");
    EXPECT_FLOAT_EQ(f.lireArgFloat(), 1.5f) << "decimal comma";
    EXPECT_EQ(f.lireArgInt(), 12);
    EXPECT_EQ(f.lireArgInt(), INT_MAX) << "too large saturates";
    EXPECT_EQ(f.lireArgInt(), INT_MIN);
    EXPECT_EQ(f.lireArgInt(), 0) << "no number reads 0";
    f.setLigne("");
    EXPECT_EQ(f.lireArg(), "");
}
