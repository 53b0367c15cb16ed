#include "core/Fichiers.h"
#include "core/TuvFile.h"
#include "support/Outils.h"

#include <gtest/gtest.h>

#include <unistd.h>

TEST(TuvFile, ReaderWalksKeysSkippingCommentsBlanksAndCrLf)
{
    DossierTemp d;
    ecrireTexte(d / "a.ini",
                "\xEF\xBB\xBF# banner\r\n#####\r\n\r\nPREMIER=1\r\nno equals here\r\n{\r\n"
                "  DEUX  = x;y\r\n=orphan\r\n}\r\nTROIS=z\r\n");
    CTUVFile f;
    ASSERT_TRUE(f.open(d / "a.ini", false));
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
    EXPECT_FALSE(f.open(d.str(), true));
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
