// Every shipped file through the game's own readers, in a game made from the shipped
// "jeu.ini": nothing may open a message box or be left unknown, and the animation files
// must be exactly what their writer writes.
#include "support/PiloteJeu.h"

#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/Explosions.h"
#include "characters/Inventaire.h"
#include "characters/OptionsMulti.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/FichierDec.h"
#include "level/Decor.h"
#include "level/FichierNiveau.h"
#include "menus/JeuMenus.h"
#include "script/ScriptEngine.h"
#include "tools/Fouet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string boites() { return PiloteJeu::boitesOuvertes(); }

} // namespace

TEST(Lecture, ChaqueFichierSeLitSansMessage)
{
    PiloteJeu p;
    ASSERT_TRUE(p.demarrer()) << "the shipped jeu.ini opens no window";
    CSFMLJeu& j = *p.jeu;
    j.chargerSons();
    EXPECT_EQ(j.persosPrecharges.size(), 8u) << "the eight heroes of LOADPERSO";
    // Slot k of every hero holds weapon k of the options' "Fountain weapons" row, the one a
    // round or a fountain gives him; each owns three, the first of which starts a chrono level.
    for (size_t h = 0; h < j.persosPrecharges.size(); ++h) {
        const CPerso& heros = *j.persosPrecharges[h];
        ASSERT_EQ(heros.nbSlots(), COptionsMulti::NB_ARMES_FONTAINE) << "hero " << h << "'s weapon slots";
        int siennes = 0;
        for (size_t k = 0; k < heros.armes.size(); ++k) {
            EXPECT_EQ(heros.armes[k]->numero, j.persosPrecharges[0]->armes[k]->numero) << "hero " << h << ", slot " << k;
            siennes += heros.armes[k]->bPossedeeDefinition;
        }
        EXPECT_TRUE(siennes == 3 && heros.armes[0]->bPossedee) << "hero " << h << " owns " << siennes << " weapons";
    }
    EXPECT_TRUE(CPLUX::getMessageBoxes().empty()) << "at start:" << boites();

    for (const std::string& f : fichiersDe(".mnu")) {
        const std::string nom = fs::path(f).filename().string();
        j.pMenus->langue = nom.substr(0, 3);
        j.pMenus->chargerMenu("./menus/", nom.substr(3));
        EXPECT_GT(j.pMenus->nbLignes, 0) << f << " has no line";
    }
    EXPECT_TRUE(CPLUX::getMessageBoxes().empty()) << "after the menus:" << boites();

    for (const std::string& f : fichiersDe(".niv")) {
        CDecor monde;
        CFichierNiveau lecteur;
        EXPECT_TRUE(lecteur.chargerNiveau(f, monde)) << f;
        EXPECT_TRUE(lecteur.nomsInconnus.empty()) << f << " names unknown models, first " << lecteur.nomsInconnus[0];
    }
    EXPECT_TRUE(CPLUX::getMessageBoxes().empty()) << "after the levels:" << boites();

    for (const std::string& f : fichiersDe(".dec")) {
        CDEC banque;
        CFichierDEC lecteur;
        EXPECT_TRUE(lecteur.chargerDEC(f, &banque)) << f;
        EXPECT_FALSE(lecteur.id.empty()) << f << " has no ID";
    }
    for (const std::string& f : fichiersDe(".per")) {
        CPersoDef def;
        def.charger(f, false, j.pdecorJeu);
        EXPECT_FALSE(def.id.empty()) << f << " has no ID";
    }
    for (const std::string& f : fichiersDe(".scp")) {
        CScriptEngine moteur;
        CScript* s = moteur.creerScript(f, nullptr, 2, 1, false, false);
        ASSERT_NE(s, nullptr) << f;
        EXPECT_GT(s->nbCommandes, 0) << f << " compiles to nothing";
        for (const LigneIllisible& l : s->lignesIllisibles)
            ADD_FAILURE() << f << ", " << l.texte();
    }
    EXPECT_TRUE(CPLUX::getMessageBoxes().empty()) << "after the definitions:" << boites();
}

// An animation file read and written again is the same file, byte for byte: the shipped
// files are exactly as the writer writes them.
TEST(Lecture, LesAnimationsSontCommeLesEcritLEditeur)
{
    PiloteJeu p;
    for (const std::string& f : fichiersDe(".anm")) {
        CSPRITE3 s;
        ASSERT_TRUE(s.charger(nullptr, nullptr, f, false)) << f;
        const std::string copie = p.dossier / "copie.anm";
        ASSERT_TRUE(s.sauver(copie)) << f;
        EXPECT_EQ(lireTexte(copie), lireTexte(f)) << f << " changes when saved again";
        fs::remove(copie);
        fs::remove(copie + ".save");
    }
}

// A level read and written again is the same file: the shipped levels are exactly as the
// editor saves them, so that opening one in the editor and saving it changes nothing.
TEST(Lecture, LesNiveauxSontCommeLesEcritLEditeur)
{
    PiloteJeu p;
    ASSERT_TRUE(p.demarrer());
    CSFMLJeu& j = *p.jeu;
    j.pMenus->selectionnerDecor(true);
    for (const std::string& f : fichiersDe(".niv")) {
        j.pdecorJeu->chargerNiveau(f, 1);
        const std::string copie = p.dossier / "copie.niv";
        CFichierNiveau ecrivain;
        ASSERT_TRUE(ecrivain.sauverNiveau(copie, *j.pdecorJeu)) << f;
        EXPECT_EQ(lireTexte(copie), lireTexte(f)) << f << " changes when saved again";
        fs::remove(copie);
        fs::remove(copie + ".save");
    }
    EXPECT_TRUE(CPLUX::getMessageBoxes().empty()) << boites();
}

// The shipped files hold nothing their readers would take otherwise than written: no note of
// a bad value or of a short line, which an author would else meet at every start.
TEST(Lecture, LesDonneesSeLisentSansNote)
{
    PiloteJeu p;
    ASSERT_TRUE(p.demarrer());
    auto sansNote = [](const std::string& f, const tuv::RecueilNotes& n) {
        EXPECT_TRUE(n.vide()) << f << ": " << n.resume(4);
    };
    for (const std::string& f : fichiersDe(".niv")) {
        CDecor monde;
        CFichierNiveau lecteur;
        lecteur.chargerNiveau(f, monde);
        using Raison = CFichierNiveau::LigneCorrigee::Raison;
        for (const CFichierNiveau::LigneCorrigee& l : lecteur.lignesCorrigees)
            EXPECT_TRUE(l.raison < Raison::ValeurNonNombre) << f << ": " << l.texte(false);
        EXPECT_TRUE(lecteur.notesDefinitions.empty()) << f << ": " << lecteur.notesDefinitions[0];
    }
    for (const std::string& f : fichiersDe(".dec")) {
        CFichierDEC lecteur;
        lecteur.chargerDEC(f, nullptr);
        sansNote(f, lecteur.notes);
    }
    for (const std::string& f : fichiersDe(".per")) {
        CPersoDef def;
        def.charger(f, false, p.jeu->pdecorJeu);
        sansNote(f, def.notes);
    }
    for (const std::string& f : fichiersDe(".anm")) {
        CSPRITE3 s;
        s.charger(nullptr, nullptr, f, false);
        sansNote(f, s.notes);
    }
    CArmes armes;
    armes.charger("./personnages/armes.arm");
    sansNote("armes.arm", armes.notes);
    CExplosions explosions;
    explosions.charger("./explosions/explos.ini");
    sansNote("explos.ini", explosions.notes);
    CInventaire inventaire;
    sansNote(CInventaire::FICHIER, inventaire.notes);
    CFouet fouet;
    fouet.charger("./fouet0.ini", nullptr, nullptr, "");
    EXPECT_TRUE(fouet.valeursCorrigees.empty()) << fouet.valeursCorrigees[0];
}
