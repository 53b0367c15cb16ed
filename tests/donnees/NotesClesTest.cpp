// Every key each reader meets in the shipped files, written wrong in a copy of the smallest file
// that uses it: the line short of its last value, a number written "abc" (in a script line, an
// argument); and, once per reader, a line without "=" and a key it does not take. Each is named
// with the file, the line and the key (the whip in its own form: the line quoted). Keys no
// shipped file uses that a reader splits itself (a shader record, script lines) are added to a
// copy of its smallest file, which reads without a note.
#include "support/PiloteJeu.h"

#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/Explosions.h"
#include "characters/Inventaire.h"
#include "characters/OptionsMulti.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/Texte.h"
#include "level/Decor.h"
#include "level/FichierNiveau.h"
#include "tools/Fouet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> lignesDe(const std::string& texte)
{
    std::vector<std::string> l;
    std::istringstream in(texte);
    for (std::string s; std::getline(in, s);)
        l.push_back(s);
    return l;
}

std::string joindre(const std::vector<std::string>& l)
{
    std::string t;
    for (const std::string& s : l)
        t += s + "\n";
    return t;
}

// A reader as the game calls it on a file; what it says: standard error, and the whip's list.
struct Lecteur {
    std::string nom;
    std::vector<std::string> fichiers;  // the shipped ones (or one the test writes)
    std::function<std::vector<std::string>(const std::string&)> lire;
    // Keys whose last value may be left out.
    std::set<std::string> dernierOptionnel;
    // Lines of keys no shipped file uses, added at the end of a copy of the smallest file.
    std::string ajout;
};

std::vector<std::string> cerrDe(const std::function<void()>& lire)
{
    std::ostringstream flux;
    std::streambuf* ancien = std::cerr.rdbuf(flux.rdbuf());
    lire();
    std::cerr.rdbuf(ancien);
    return lignesDe(flux.str());
}

// The key of a line, or "" for a comment, a block or a line without "=".
std::string cleDe(const std::string& ligne)
{
    const size_t egal = ligne.find('=');
    if (ligne.empty() || ligne[0] == '#' || egal == std::string::npos)
        return {};
    return tuv::delspaces(ligne.substr(0, egal));
}

// A number as the writers write one ("./a.png" starts like one, but is a path).
bool nombre(const std::string& s)
{
    size_t i = s.size() > 1 && s[0] == '-' ? 1 : 0;
    const size_t debut = i;
    while (i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '.'))
        ++i;
    return i == s.size() && i > debut && s.find_first_of("0123456789") != std::string::npos;
}

// Writes the first number of v "abc": a value, or an argument of a script's list "( a , 2 )".
bool gater(std::vector<std::string>& v)
{
    for (std::string& x : v) {
        if (nombre(x)) {
            x = "abc";
            return true;
        }
        std::stringstream in(x);
        std::string liste;
        bool fait = false;
        for (std::string a; std::getline(in, a, ',');) {
            std::string nu = tuv::delspaces(a);
            nu.erase(std::remove_if(nu.begin(), nu.end(), [](char c) { return c == '(' || c == ')'; }), nu.end());
            liste += (liste.empty() ? "" : ",") + (!fait && nombre(nu) ? std::string(" abc ") : a);
            fait = fait || nombre(nu);
        }
        if (fait) {
            x = liste;
            return true;
        }
    }
    return false;
}

std::vector<std::string> valeursDe(const std::string& ligne)
{
    std::vector<std::string> v;
    std::stringstream in(ligne.substr(ligne.find('=') + 1));
    for (std::string s; std::getline(in, s, ';');)
        v.push_back(s);
    return v;
}

// A note of the copy names its line and the key.
void attendreNote(const std::vector<std::string>& dit, const std::string& copie, int ligne, const std::string& cle,
                  const std::string& cas, bool fouet)
{
    const std::string lieu = copie + ":" + std::to_string(ligne) + ": ";
    for (const std::string& d : dit)
        if ((fouet || d.find(lieu) != std::string::npos) && d.find(cle) != std::string::npos)
            return;
    ADD_FAILURE() << cas << ": no note names " << lieu << cle << "; said:\n" << joindre(dit);
}

std::vector<Lecteur> lecteurs(CSFMLJeu& j)
{
    std::vector<Lecteur> l;
    l.push_back({"niv", fichiersDe(".niv"), [](const std::string& f) {
                     return cerrDe([&] {
                         CDecor monde;
                         CFichierNiveau(). chargerNiveau(f, monde);
                     });
                 }, {}, {}});
    l.push_back({"dec", fichiersDe(".dec"), [](const std::string& f) {
                     return cerrDe([&] { CFichierDEC().chargerDEC(f, nullptr); });
                 }, {"PLANCHE", "SPRITE_CREUSE"}, "SHADERSD=eau.frag;1;temps;float;0;1;;0\n"});
    l.push_back({"per", fichiersDe(".per"), [&j](const std::string& f) {
                     return cerrDe([&] { CPersoDef().charger(f, false, j.pdecorJeu); });
                 }, {}, {}});
    l.push_back({"anm", fichiersDe(".anm"), [](const std::string& f) {
                     return cerrDe([&] { CSPRITE3().charger(nullptr, nullptr, f, false); });
                 }, {"KF_DELTA"}, "ANIMELEM_SHADER=1;f.frag;1;t;vec2;0.5;1;2;;0\nAE_EVENT=onMouseOn\n"
                    "AE_SCP=setElementAnimationLinkFrame;( bras , 2 )\n"
                    "KF_SCP=initElementAnimationLinkViseeAuto [global];( bras , 0 , 90 , 1.5 , 1 )\n"});
    l.push_back({"fouet", {"./fouet0.ini"}, [](const std::string& f) {
                     CFouet fouet;
                     fouet.charger(f, nullptr, nullptr, "");
                     return fouet.valeursCorrigees;
                 }, {}, {}});
    l.push_back({"armes", {"./personnages/armes.arm"}, [](const std::string& f) {
                     return cerrDe([&] { CArmes().charger(f); });
                 }, {}, {}});
    l.push_back({"explosions", {"./explosions/explos.ini"}, [](const std::string& f) {
                     return cerrDe([&] { CExplosions().charger(f); });
                 }, {}, {}});
    l.push_back({"inventaire", {CInventaire::FICHIER}, [](const std::string& f) {
                     return cerrDe([&] { CInventaire().lireObjets(f); });
                 }, {}, {}});
    // No options file is shipped: one with each key the reader takes.
    ecrireTexte("options_multi.ini", "NBJOUEURS=2;2\nNBCLONES=1;4\nMANCHES=3\nINVERTOLITES=0;1\nBISOUILLETTES=0;1\n"
                                     "ARMESDEPART=1\nMINESAUTO=1\nMINESMANUELLES=1\nSUPERRESISTANT=1\n"
                                     "LIVRAISONARMES=1\nMITRAILLEUSE=0;1\nPADSOTOLITE=0;1\n");
    l.push_back({"options", {"./options_multi.ini"}, [](const std::string& f) {
                     return cerrDe([&] { COptionsMulti().charger(f); });
                 }, {}, {}});
    return l;
}

} // namespace

TEST(Lecture, ChaqueLigneMalEcriteEstNommee)
{
    PiloteJeu p;
    ASSERT_TRUE(p.demarrer());
    int copies = 0;
    for (const Lecteur& r : lecteurs(*p.jeu)) {
        // Each key once, from its line with the most values given, in the smallest file.
        std::vector<std::string> fichiers = r.fichiers;
        std::stable_sort(fichiers.begin(), fichiers.end(),
                         [](const std::string& a, const std::string& b) { return fs::file_size(a) < fs::file_size(b); });
        if (!r.ajout.empty()) {
            const fs::path plus = fs::path(fichiers[0]).parent_path() / ("ajout" + fs::path(fichiers[0]).extension().string());
            ecrireTexte(plus, lireTexte(fichiers[0]) + r.ajout);
            fichiers.push_back(plus.generic_string());
            EXPECT_EQ(joindre(r.lire(fichiers.back())), "") << r.nom << ": the added lines read with notes";
        }
        std::map<std::string, std::pair<std::string, size_t>> cles;
        std::map<std::string, long> remplies;
        for (const std::string& f : fichiers) {
            const std::vector<std::string> l = lignesDe(lireTexte(f));
            for (size_t i = 0; i < l.size(); ++i) {
                const std::string c = cleDe(l[i]);
                if (c.empty())
                    continue;
                const std::vector<std::string> v = valeursDe(l[i]);
                const long n = std::count_if(v.begin(), v.end(), [](const std::string& x) { return !x.empty(); });
                if (!remplies.count(c) || n > remplies[c]) {
                    remplies[c] = n;
                    cles[c] = {f, i};
                }
            }
        }
        ASSERT_FALSE(cles.empty()) << r.nom;
        auto essayer = [&](const std::string& source, size_t i, const std::string& ligne, const std::string& cle,
                           const std::string& cas) {
            std::vector<std::string> l = lignesDe(lireTexte(source));
            l[i] = ligne;
            const std::string copie =
                (fs::path(source).parent_path() / ("copie" + std::to_string(++copies) + fs::path(source).extension().string()))
                    .generic_string();
            ecrireTexte(copie, joindre(l));
            attendreNote(r.lire(copie), copie, static_cast<int>(i) + 1, cle, r.nom + " " + cas, r.nom == "fouet");
            fs::remove(copie);
        };
        for (const auto& [cle, ou] : cles) {
            const std::string ligne = lignesDe(lireTexte(ou.first))[ou.second];
            std::vector<std::string> v = valeursDe(ligne);
            // A name alone left out is an empty name, which a reader may take.
            const bool texteSeul = v.size() == 1 && !nombre(v[0]);
            if (!v.empty() && !texteSeul && !r.dernierOptionnel.count(cle))
                essayer(ou.first, ou.second, ligne.substr(0, ligne.rfind(v.size() > 1 ? ';' : '=') + (v.size() > 1 ? 0 : 1)),
                        cle, cle + " short of its last value");
            // One value more: in a script line, one argument more.
            const size_t parenthese = v.empty() ? std::string::npos : ligne.rfind(')');
            essayer(ou.first, ou.second,
                    parenthese != std::string::npos && v.back().find('(') != std::string::npos
                        ? ligne.substr(0, parenthese) + ", 7 )"
                        : ligne + ";7",
                    cle, cle + " with a value past those it takes");
            if (gater(v)) {
                std::string faux = cle + "=";
                for (size_t k = 0; k < v.size(); ++k)
                    faux += (k ? ";" : "") + v[k];
                essayer(ou.first, ou.second, faux, cle, cle + " with a number written abc");
            }
        }
        // A line without "=" and a key the reader does not take, in place of the first key's line.
        const auto& [cle, ou] = *cles.begin();
        essayer(ou.first, ou.second, cle + " 12", cle, "a line without =");
        essayer(ou.first, ou.second, "CLE_INCONNUE_DU_TEST=1", "CLE_INCONNUE_DU_TEST", "an unknown key");
    }
}
