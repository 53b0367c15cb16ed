// The commit point of every save: whatever happens before close(), the file on disk is
// either the old one or the new one, whole, and a failure is reported.
#include "core/EcritureSure.h"
#include "core/Fichiers.h"
#include "core/Media.h"
#include "core/TuvFile.h"
#include "support/Outils.h"
#include "support/Processus.h"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

const std::string ANCIEN = "ANCIEN=1\n";

std::vector<std::string> noms(const std::string& dossier)
{
    std::vector<std::string> r;
    for (const auto& e : tuv::listerDossier(dossier))
        r.push_back(e.nom);
    return r;
}

// Names of the form "<fichier>.XXXXXX.tmp" in the folder.
int nbTemporaires(const std::string& dossier, const std::string& fichier)
{
    int n = 0;
    for (const std::string& nom : noms(dossier))
        n += nom.size() == fichier.size() + 11 && nom.rfind(fichier + ".", 0) == 0 &&
             nom.compare(nom.size() - 4, 4, ".tmp") == 0;
    return n;
}

// `lignes` lines of 1,000 times `c`: large enough that a mixture of two writers shows.
bool ecrireLignes(const std::string& cible, char c, int lignes)
{
    CTUVFile f;
    if (!f.open(cible, true))
        return false;
    for (int i = 0; i < lignes; ++i)
        f.writeLine(std::string(1000, c));
    return f.close();
}

std::string lignes(char c, int n)
{
    std::string r;
    for (int i = 0; i < n; ++i)
        r += std::string(1000, c) + "\n";
    return r;
}

} // namespace

TEST(EcritureSure, UneEcritureQuiNAboutitPasLaisseLAncienFichier)
{
    // Each way of leaving a save before its commit; the result is what the save reported.
    struct Cas {
        const char* nom;
        std::function<bool(const std::string&)> sauver;
    };
    const Cas cas[] = {
        {"early return without close()",
         [](const std::string& c) {
             CTUVFile f;
             f.open(c, true);
             f.writeLine("NEUF=2");
             return false;
         }},
        {"exception inside a CTUVFile write",
         [](const std::string& c) {
             try {
                 CTUVFile f;
                 f.open(c, true);
                 f.writeLine("NEUF=2");
                 throw std::runtime_error("panne");
             } catch (const std::runtime_error&) {
             }
             return false;
         }},
        {"exception inside an ecrireFichierSur writer",
         [](const std::string& c) {
             try {
                 return tuv::ecrireFichierSur(c, [](std::ostream& o) -> bool {
                     o << "NEUF=2\n";
                     throw std::runtime_error("panne");
                 });
             } catch (const std::runtime_error&) {
                 return false;
             }
         }},
        {"writer that gives up",
         [](const std::string& c) { return tuv::ecrireFichierSur(c, [](std::ostream& o) { o << "NE"; return false; }); }},
        {"opened again before close()",
         [](const std::string& c) {
             CTUVFile f;
             f.open(c, true);
             f.writeLine("NEUF=2");
             return f.open(c, false) && f.getKey() != "ANCIEN";
         }},
    };
    for (const Cas& k : cas) {
        DossierTemp d;
        const std::string cible = d / "niveau.niv";
        ecrireTexte(cible, ANCIEN);
        ecrireTexte(cible + ".save", "sauvegarde");
        EXPECT_FALSE(k.sauver(cible)) << k.nom << ": reported as saved";
        EXPECT_EQ(lireTexte(cible), ANCIEN) << k.nom << ": the old file was replaced";
        EXPECT_EQ(lireTexte(cible + ".save"), "sauvegarde") << k.nom << ": the backup changed";
        EXPECT_EQ(noms(d.str()), (std::vector<std::string>{"niveau.niv", "niveau.niv.save"}))
            << k.nom << ": a temporary file was left";
    }
}

TEST(EcritureSure, DisquePleinLaSauvegardeEchoueEtLeDit)
{
    DossierTemp d;
    const std::string cible = d / "perso.per";
    // Bits of the child's exit code: what went wrong there.
    enum : int { SAUVE_QUAND_MEME = 1, ANCIEN_PERDU = 2, RESTE_TEMPORAIRE = 4, PETIT_REFUSE = 8, IMAGE_COUPEE = 16 };
    // Noise does not compress: its PNG is far larger than the room left.
    sf::Image bruit;
    bruit.create(200, 200);
    for (unsigned i = 0; i < 200 * 200; ++i)
        bruit.setPixel(i % 200, i / 200, sf::Color(sf::Uint32(i * 2654435761u)));
    const int code = dansUnProcessus([&] {
        limiterDisque(d.str(), 32 * 1024);
        ecrireTexte(cible, ANCIEN);
        int r = 0;
        if (ecrireLignes(cible, 'x', 200) ||
            tuv::ecrireFichierSur(cible, [](std::ostream& o) { return bool(o << lignes('y', 200)); }))
            r |= SAUVE_QUAND_MEME;
        if (lireTexte(cible) != ANCIEN)
            r |= ANCIEN_PERDU;
        if (tuv::ecrireImage(bruit, d / "capture.png") || tuv::fichierExiste(d / "capture.png"))
            r |= IMAGE_COUPEE;
        if (noms(d.str()) != std::vector<std::string>{"perso.per"})
            r |= RESTE_TEMPORAIRE;
        // What fits is still saved.
        if (!ecrireLignes(cible, 'z', 2) || lireTexte(cible) != lignes('z', 2))
            r |= PETIT_REFUSE;
        return r;
    });
    EXPECT_EQ(code & SAUVE_QUAND_MEME, 0) << "a save that did not fit was reported as done";
    EXPECT_EQ(code & ANCIEN_PERDU, 0) << "the old file was spoiled by the failed save";
    EXPECT_EQ(code & RESTE_TEMPORAIRE, 0) << "the failed save left a temporary file";
    EXPECT_EQ(code & PETIT_REFUSE, 0) << "a save that fits failed after the failed one";
    EXPECT_EQ(code & IMAGE_COUPEE, 0) << "an image cut short by the full disk was kept";
    EXPECT_LT(code, 32) << "the child process died: " << code;
}

TEST(EcritureSure, DeuxEcrivainsDuMemeFichierDonnentLUnOuLAutreEntier)
{
    DossierTemp d;
    const std::string cible = d / "scores.scr";
    const std::string a = lignes('a', 300), b = lignes('b', 200);
    for (int tour = 0; tour < 40; ++tour) {
        // Both children wait on the pipe, so that they write at the same time.
        int depart[2];
        ASSERT_EQ(::pipe(depart), 0);
        pid_t enfants[2];
        for (int i = 0; i < 2; ++i) {
            enfants[i] = ::fork();
            if (enfants[i] == 0) {
                ::close(depart[1]);
                char c;
                while (::read(depart[0], &c, 1) < 0 && errno == EINTR) {
                }
                ::_exit(ecrireLignes(cible, i == 0 ? 'a' : 'b', i == 0 ? 300 : 200) ? 0 : 1);
            }
            ASSERT_GT(enfants[i], 0);
        }
        ::close(depart[0]);
        ::close(depart[1]);
        EXPECT_EQ(attendreProcessus(enfants[0]), 0) << "round " << tour << ": the first save failed";
        EXPECT_EQ(attendreProcessus(enfants[1]), 0) << "round " << tour << ": the second save failed";
        const std::string lu = lireTexte(cible);
        ASSERT_TRUE(lu == a || lu == b) << "round " << tour << ": a mixed or truncated file of " << lu.size()
                                        << " bytes";
        ASSERT_EQ(noms(d.str()), std::vector<std::string>{"scores.scr"}) << "round " << tour;
    }
}

TEST(EcritureSure, LeResteDUneSauvegardeTueeEstRetireParLaSuivante)
{
    DossierTemp d;
    const std::string cible = d / "joueurs.ini";
    ecrireTexte(cible, ANCIEN);
    const int code = dansUnProcessus([&] {
        CTUVFile f;
        f.open(cible, true);
        f.writeLine("NEUF=");
        ::kill(::getpid(), SIGKILL);
        return 0;
    });
    ASSERT_EQ(code, 1000 + SIGKILL);
    EXPECT_EQ(lireTexte(cible), ANCIEN) << "a killed save replaced the file";
    ASSERT_EQ(nbTemporaires(d.str(), "joueurs.ini"), 1) << "the killed save should have left its temporary file";

    // Neither another file's leftover nor a save still being written may go.
    ecrireTexte(d / "autre.ini.Ab12Cd.tmp", "autre");
    CEcritureSure enCours;
    ASSERT_TRUE(enCours.ouvrir(cible));
    enCours.flux() << "EN_COURS=1\n";

    EXPECT_TRUE(tuv::ecrireFichierSur(cible, [](std::ostream& o) { return bool(o << "NEUF=2\n"); }));
    EXPECT_EQ(lireTexte(cible), "NEUF=2\n");
    EXPECT_EQ(nbTemporaires(d.str(), "joueurs.ini"), 1) << "the leftover stayed, or the save in progress lost its file";
    EXPECT_TRUE(tuv::fichierExiste(d / "autre.ini.Ab12Cd.tmp")) << "another file's leftover was removed";
    EXPECT_TRUE(enCours.valider()) << "the save in progress could not commit";
    EXPECT_EQ(lireTexte(cible), "EN_COURS=1\n");
    EXPECT_EQ(nbTemporaires(d.str(), "joueurs.ini"), 0);
    EXPECT_FALSE(enCours.valider()) << "nothing is open any more: nothing to commit";
}

TEST(EcritureSure, LeFichierEcritGardeLesDroitsDeCeluiQuIlRemplace)
{
    DossierTemp d;
    const mode_t ancienMasque = ::umask(022);
    const auto mode = [](const std::string& p) {
        struct stat st {};
        ::stat(p.c_str(), &st);
        return st.st_mode & 0777;
    };
    EXPECT_TRUE(ecrireLignes(d / "neuf.ini", 'n', 1));
    EXPECT_EQ(mode(d / "neuf.ini"), 0644u) << "a new file must follow the umask, not the temporary file's 0600";
    ::chmod((d / "neuf.ini").c_str(), 0640);
    EXPECT_TRUE(ecrireLignes(d / "neuf.ini", 'm', 1));
    EXPECT_EQ(mode(d / "neuf.ini"), 0640u) << "the replaced file's mode was lost";
    ::umask(ancienMasque);
}
