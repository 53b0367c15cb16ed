#include "core/Fichiers.h"
#include "core/Texte.h"
#include "core/TuvFile.h"
#include "support/ChienDeGarde.h"
#include "support/Outils.h"

#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <limits>
#include <random>

#include <sys/stat.h>
#include <unistd.h>

// Through the stream and through the whole file read at once, with and without a line break
// at the end.
TEST(TuvFile, ReaderWalksKeysSkippingCommentsBlanksAndCrLf)
{
    DossierTemp d;
    const std::string texte = "\xEF\xBB\xBF# banner\r\n#####\r\n\r\nPREMIER=1\r\nno equals here\r\n{\r\n"
                              "  DEUX  = x;y\r\n=orphan\r\n}\r\nTROIS=z";
    for (const std::string fin : {"\r\n", ""})
        for (const bool entier : {false, true}) {
            SCOPED_TRACE(std::string(entier ? "whole file" : "stream") + (fin.empty() ? ", no last break" : ""));
            ecrireTexte(d / "a.ini", texte + fin);
            CTUVFile f;
            ASSERT_TRUE(entier ? f.openEntier(d / "a.ini") : f.open(d / "a.ini", false));
            EXPECT_EQ(f.getKey(), "PREMIER");
            EXPECT_EQ(f.getValueInt(), 1);
            EXPECT_EQ(f.getKey(), "{");
            EXPECT_EQ(f.getKey(), "DEUX");
            EXPECT_EQ(f.getValue(), " x");
            EXPECT_EQ(f.getValue(), "y");
            EXPECT_EQ(f.getKey(), "}");
            EXPECT_EQ(f.getKey(), "TROIS");
            EXPECT_EQ(f.getValue(), "z");
            EXPECT_EQ(f.getKey(), "");
            EXPECT_EQ(f.getKey(), "");
        }
}

TEST(TuvFile, ValuesPastTheEndOfTheLine)
{
    DossierTemp d;
    ecrireTexte(d / "v.ini", "K=a;b\nL=a;b;\nM=\nN= 1 2 ;3.7;abc\nO= x = y\nP=1,5;\n");
    CTUVFile f;
    ASSERT_TRUE(f.open(d / "v.ini", false));
    ASSERT_EQ(f.getKey(), "K");
    EXPECT_EQ(f.getValue(), "a");
    EXPECT_EQ(f.getValue(), "b");
    EXPECT_EQ(f.getValue(), "b"); // no trailing ";": the last value again
    EXPECT_EQ(f.getValue(), "b");
    ASSERT_EQ(f.getKey(), "L");
    EXPECT_EQ(f.getValue(), "a");
    EXPECT_EQ(f.getValue(), "b");
    EXPECT_EQ(f.getValue(), "");
    EXPECT_EQ(f.getValue(), "");
    ASSERT_EQ(f.getKey(), "M");
    EXPECT_EQ(f.getValue(), "");
    EXPECT_EQ(f.getValueInt(), 0);
    ASSERT_EQ(f.getKey(), "N");
    EXPECT_EQ(f.getValueInt(), 12);
    EXPECT_EQ(f.getValueInt(), 3);
    EXPECT_EQ(f.getValueInt(), 0);
    ASSERT_EQ(f.getKey(), "O");
    EXPECT_EQ(f.getValue(), " x = y");
    ASSERT_EQ(f.getKey(), "P");
    EXPECT_FLOAT_EQ(f.getValueFloat(), 1.0f);
}

// Each reader (text, whole number, decimal) tells how many values it took, the last one as
// written, and how many it asked for past the line's end; the line's number counts comments.
TEST(TuvFile, ValuesALineLacksAreCounted)
{
    DossierTemp d;
    ecrireTexte(d / "m.ini", "# comment\nK=200;20\n\nL=1;2.5;\nM=\nN=abc\n");
    // Per key: how it reads its 4 values (t text, i int, f float); after them, values read,
    // the last one's text, values missing and the line's number.
    const struct { const char* cle; const char* lecture; int lues; const char* ecrite; int manquantes, ligne; } cas[] = {
        {"K", "iiii", 4, "20", 2, 2}, {"L", "ffff", 4, "", 1, 4}, {"M", "tti", 3, "", 2, 5}, {"N", "ft", 2, "abc", 1, 6},
    };
    for (const bool entier : {false, true}) {
        CTUVFile f;
        ASSERT_TRUE(entier ? f.openEntier(d / "m.ini") : f.open(d / "m.ini", false));
        for (const auto& c : cas) {
            ASSERT_EQ(f.getKey(), c.cle);
            EXPECT_EQ(f.valeursManquantes() + f.nbValeursLues(), 0) << c.cle << ": nothing read after the key";
            for (const char* l = c.lecture; *l; ++l)
                *l == 'i' ? (void)f.getValueInt() : *l == 'f' ? (void)f.getValueFloat() : (void)f.getValueView();
            EXPECT_EQ(f.nbValeursLues(), c.lues) << c.cle << (entier ? " (whole file)" : "");
            EXPECT_EQ(f.valeurEcrite(), c.ecrite) << c.cle;
            EXPECT_EQ(f.valeursManquantes(), c.manquantes) << c.cle << (entier ? " (whole file)" : "");
            EXPECT_EQ(f.numeroLigne(), c.ligne) << c.cle;
        }
    }
}

// Readers of lines whose length varies ask whether the value just read was the line's last.
TEST(TuvFile, FinDeLigneSaysWhetherAnotherValueFollows)
{
    DossierTemp d;
    ecrireTexte(d / "f.ini", "A=1;b\nB=1;b;\nC=\nD=7\r\n");
    CTUVFile f;
    ASSERT_TRUE(f.open(d / "f.ini", false));
    ASSERT_EQ(f.getKey(), "A");
    EXPECT_FALSE(f.finDeLigne()) << "no value read yet after the key";
    EXPECT_EQ(f.getValueInt(), 1);
    EXPECT_FALSE(f.finDeLigne()) << "a ';' follows 1";
    EXPECT_EQ(f.getValue(), "b");
    EXPECT_TRUE(f.finDeLigne()) << "b ends the line";
    ASSERT_EQ(f.getKey(), "B");
    f.getValue();
    EXPECT_EQ(f.getValue(), "b");
    EXPECT_FALSE(f.finDeLigne()) << "a final ';' leaves an empty value after b";
    EXPECT_EQ(f.getValue(), "");
    EXPECT_TRUE(f.finDeLigne()) << "the empty value after the final ';' ends the line";
    ASSERT_EQ(f.getKey(), "C");
    EXPECT_EQ(f.getValue(), "");
    EXPECT_TRUE(f.finDeLigne()) << "an empty line of values";
    ASSERT_EQ(f.getKey(), "D");
    EXPECT_FALSE(f.finDeLigne()) << "getKey starts a new line";
    EXPECT_EQ(f.getValueInt(), 7);
    EXPECT_TRUE(f.finDeLigne()) << "a CR LF end is still the end";
}

TEST(TuvFile, ValueBetweenAndSkipLines)
{
    DossierTemp d;
    ecrireTexte(d / "ping.txt", "PING x\n64 bytes from x: icmp_seq=1 ttl=57 time=12.3 ms\nK=\xC3\xA9t\xC3\xA9;2\n");
    CTUVFile f;
    ASSERT_TRUE(f.open(d / "ping.txt", false));
    f.skipLines(2);
    EXPECT_EQ(f.getValueBetween("time=", " "), "12.3");
    EXPECT_EQ(f.getValueBetween("absent", " "), "ms");
    ASSERT_EQ(f.getKey(), "K");
    EXPECT_EQ(f.getValueW(), L"\u00E9t\u00E9");
    f.skipLines(0);
    EXPECT_EQ(f.getValue(), "2");
}

TEST(TuvFile, WriteRoundTripAndFailures)
{
    DossierTemp d;
    CTUVFile f;
    EXPECT_FALSE(f.open(d / "absent.ini", false));
    EXPECT_EQ(f.getKey(), "");
    EXPECT_EQ(f.getValue(), "");

    ASSERT_TRUE(f.open(d / "w.ini", true));
    f.writeLine("# banner");
    f.write("K=");
    f.write("1;2");
    f.endLine();
    EXPECT_TRUE(f.close());
    EXPECT_EQ(lireTexte(d / "w.ini"), "# banner\nK=1;2\n");
    EXPECT_EQ(tuv::listerDossier(d.str()).size(), 1u) << "the temporary file was left";

    EXPECT_FALSE(f.open(d / "no/such/folder/x.ini", true));
    f.writeLine("nothing"); // must do nothing
    EXPECT_TRUE(f.close());

    // A folder is no file: neither readable nor writable as one.
    EXPECT_FALSE(f.open(d.str(), false));
    EXPECT_FALSE(f.openEntier(d.str()));
    EXPECT_FALSE(f.open(d.str(), true));
    // Nor is a FIFO or a device, which would block or never end.
    ASSERT_EQ(::mkfifo((d / "tube").c_str(), 0600), 0);
    {
        ChienDeGarde garde(ChienDeGarde::BLOCAGE, "reading a FIFO");
        EXPECT_FALSE(f.open(d / "tube", false));
        EXPECT_FALSE(f.openEntier(d / "tube"));
        EXPECT_FALSE(f.open("/dev/zero", false));
        EXPECT_FALSE(f.openEntier("/dev/zero"));
    }
    EXPECT_FALSE(f.openEntier(d / "absent.ini"));
    EXPECT_EQ(f.getKey(), "") << "a file that did not open reads as empty";
    std::filesystem::remove(d / "tube");
    EXPECT_FALSE(tuv::fichierExiste(d.str() + ".tmp"));
}

TEST(Fichiers, SafeWriteKeepsOldFileOnFailure)
{
    DossierTemp d;
    const std::string cible = d / "niveau.niv";
    ecrireTexte(cible, "ancien");
    // The temporary file cannot be made: no such folder.
    EXPECT_FALSE(tuv::ecrireFichierSur(d / "absent/niveau.niv", [](std::ostream& o) { o << "neuf"; return true; }));
    // A read-only folder (meaningless for root, who may write anywhere).
    if (::geteuid() != 0) {
        std::filesystem::permissions(d.str(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_FALSE(tuv::ecrireFichierSur(cible, [](std::ostream& o) { o << "neuf"; return true; }));
        CTUVFile f;
        EXPECT_FALSE(f.open(cible, true));
        f.writeLine("neuf");
        f.close();
        EXPECT_EQ(lireTexte(cible), "ancien");
        std::filesystem::permissions(d.str(), std::filesystem::perms::owner_all);
    }
    EXPECT_TRUE(tuv::ecrireFichierSur(cible, [](std::ostream& o) { o << "neuf"; return true; }));
    EXPECT_EQ(lireTexte(cible), "neuf");
    EXPECT_TRUE(tuv::copierFichier(cible, cible + ".save"));
    EXPECT_EQ(lireTexte(cible + ".save"), "neuf");
    EXPECT_FALSE(tuv::copierFichier(d / "absent", d / "x"));
    // An empty file has its backup too; a folder is not copied.
    ecrireTexte(d / "vide", "");
    EXPECT_TRUE(tuv::copierFichier(d / "vide", d / "vide.save"));
    EXPECT_TRUE(tuv::fichierExiste(d / "vide.save"));
    EXPECT_FALSE(tuv::copierFichier(d.str(), d / "dossier.save"));
    std::filesystem::remove(d / "vide");
    std::filesystem::remove(d / "vide.save");

    auto liste = tuv::listerDossier(d.str());
    ASSERT_EQ(liste.size(), 2u);
    EXPECT_EQ(liste[0].nom, "niveau.niv");
    EXPECT_EQ(liste[1].nom, "niveau.niv.save");
    EXPECT_TRUE(tuv::listerDossier(d / "absent").empty());
}

// What the typed readers make of each value, alone on its line (so a further read of the
// same line returns it again). Every loader reads its numbers this way: these results are
// what the files on disk mean and must never change.
TEST(TuvFile, TypedReadersTable)
{
    const float fmax = std::numeric_limits<float>::max();
    const std::string quatreCents = "1" + std::string(399, '0');
    const std::string fractionMinuscule = "0." + std::string(398, '0') + "1";
    struct Cas {
        std::string valeur;
        int entier;
        float reel;
    };
    const Cas cas[] = {
        {"42", 42, 42.0f},
        {" 1 2 ", 12, 12.0f},  // blanks anywhere are dropped before reading
        {"\t-7\t", -7, -7.0f},
        {"- 5", -5, -5.0f},
        {"+7", 7, 7.0f},
        {"+-3", 0, -3.0f},  // the float reader takes "+" then a signed number
        {"3.7", 3, 3.7f},
        {"5.", 5, 5.0f},
        {"-0.125", 0, -0.125f},
        {"1.2.3", 1, 1.2f},  // a second point ends the number
        {"12345678", 12345678, 12345678.0f},  // past the short decimals: the general reader
        {"1234567.5", 1234567, 1234567.5f},
        {"1,5", 1, 1.0f},  // a decimal comma ends the number
        {"1 , 5", 1, 1.0f},
        {"-.5", 0, -0.5f},
        {".5e1", 0, 5.0f},
        {"12x", 12, 12.0f},
        {"1e", 1, 1.0f},
        {"0x1A", 0, 0.0f},
        {"\r5", 5, 5.0f},
        {"", 0, 0.0f},
        {"   ", 0, 0.0f},
        {"abc", 0, 0.0f},
        {"-", 0, 0.0f},
        {"nan", 0, 0.0f},
        {"-inf", 0, 0.0f},
        {"Infinity", 0, 0.0f},
        {"2147483647", INT_MAX, 2147483648.0f},
        {"2147483648", INT_MAX, 2147483648.0f},
        {"-2147483648", INT_MIN, -2147483648.0f},
        {"-2147483649", INT_MIN, -2147483648.0f},
        {"99999999999999999999", INT_MAX, 1e20f},
        {"-99999999999999999999", INT_MIN, -1e20f},
        {"1e99", 1, fmax},
        {"-1 e 9 9", -1, -fmax},
        {"1e-99", 1, 0.0f},
        {quatreCents, INT_MAX, fmax},
        {fractionMinuscule, 0, 0.0f},
        {std::string(70, ' ') + "-2.5", -2, -2.5f},
        {"\t2.5 " + std::string(70, '0'), 2, 2.5f},  // long once its blanks are gone
        {" 1" + std::string(70, '0'), INT_MAX, fmax},
        {std::string(1 << 20, '7'), INT_MAX, fmax},  // a line of 1 MB
    };
    DossierTemp d;
    std::string texte;
    for (const Cas& c : cas)
        texte += "K=" + c.valeur + "\n";
    ecrireTexte(d / "t.ini", texte);
    CTUVFile f;
    ASSERT_TRUE(f.open(d / "t.ini", false));
    for (const Cas& c : cas) {
        const std::string nom = c.valeur.substr(0, 24);
        ASSERT_EQ(f.getKey(), "K") << nom;
        EXPECT_EQ(f.getValueInt(), c.entier) << "int of \"" << nom << "\"";
        EXPECT_EQ(f.getValueFloat(), c.reel) << "float of \"" << nom << "\"";
        EXPECT_EQ(f.getValue(), c.valeur) << "text of \"" << nom << "\"";
    }
    EXPECT_EQ(f.getKey(), "");
    EXPECT_EQ(f.getValueInt(), 0) << "past the end of the file";
    EXPECT_EQ(f.getValueFloat(), 0.0f) << "past the end of the file";
}

// Several values on a line, read by the typed readers in turn, then past its end.
TEST(TuvFile, TypedReadersWalkTheLine)
{
    DossierTemp d;
    ecrireTexte(d / "l.ini", "  A\tB = 4;-2.5; ;;7\nC=1;2;\nD=;\n no equals\n\t=9\nE=5\n");
    CTUVFile f;
    ASSERT_TRUE(f.open(d / "l.ini", false));
    ASSERT_EQ(f.getKey(), "AB") << "blanks inside a key are dropped";
    EXPECT_EQ(f.getValueInt(), 4);
    EXPECT_EQ(f.getValueFloat(), -2.5f);
    EXPECT_EQ(f.getValueInt(), 0) << "a blank value";
    EXPECT_EQ(f.getValueFloat(), 0.0f) << "an empty value";
    EXPECT_EQ(f.getValueInt(), 7);
    EXPECT_EQ(f.getValueInt(), 7) << "the last value again";
    ASSERT_EQ(f.getKey(), "C");
    EXPECT_EQ(f.getValueInt(), 1);
    EXPECT_EQ(f.getValueFloat(), 2.0f);
    EXPECT_EQ(f.getValueInt(), 0) << "past the trailing ';'";
    EXPECT_EQ(f.getValueFloat(), 0.0f) << "past the trailing ';'";
    ASSERT_EQ(f.getKey(), "D");
    EXPECT_EQ(f.getValueInt(), 0);
    EXPECT_EQ(f.getValueInt(), 0);
    ASSERT_EQ(f.getKey(), "E") << "a line without '=' and a blank key are skipped";
    EXPECT_EQ(f.getValueInt(), 5);
}

// The typed readers read short numbers in place: over random lines they must give what the
// general readers give from the value's text, and leave the line where getValueView leaves it.
TEST(TuvFile, TypedReadersAgreeWithTheGeneralReaders)
{
    const char* const morceaux[] = {"0", "7", "12", "-", "+", ".", "5", "999999999", "1234567", "e3", " ", "x", ";"};
    std::mt19937 gen(47);
    std::string texte;
    for (int l = 0; l < 3000; ++l) {
        texte += "K=";
        for (int m = static_cast<int>(gen() % 12); m > 0; --m)
            texte += morceaux[gen() % std::size(morceaux)];
        texte += '\n';
    }
    CTUVFile rapide, general;
    rapide.openTexte(texte);
    general.openTexte(texte);
    while (!rapide.getKey().empty()) {
        ASSERT_EQ(general.getKey(), "K");
        for (int v = 0; v < 4; ++v) {
            const bool reel = gen() % 2;
            const std::string valeur(general.getValueView());
            if (reel)
                ASSERT_EQ(rapide.getValueFloat(), tuv::stofSansBlancs(valeur)) << rapide.getLigneCourante();
            else
                ASSERT_EQ(rapide.getValueInt(), tuv::stoiSansBlancs(valeur)) << rapide.getLigneCourante();
            ASSERT_EQ(rapide.finDeLigne(), general.finDeLigne()) << rapide.getLigneCourante();
        }
    }
}
