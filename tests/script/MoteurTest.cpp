// The engine's records: removals, restart with weapon fountains, the records of dropped
// level-file scripts, the queue of removals during a pass, and the foundation's hooks.
#include "script/OutilsScript.h"

#include "support/Outils.h"

#include <algorithm>
#include <new>
#include <set>

namespace {

std::vector<std::string> fichiers(const CScriptEngine& m)
{
    std::vector<std::string> r;
    for (const auto& s : m.scripts)
        r.push_back(s->strFichier);
    return r;
}

using Noms = std::vector<std::string>;

// An animation whose keyframe at frame 2 holds a script of 3 runs, loaded outside the editor.
void chargerAnimAScript(CSPRITE3& anim, const DossierTemp& dossier)
{
    ecrireTexte(dossier / "kf.scp", "BASCULE()\n");
    ecrireTexte(dossier / "k.anm", "ID=K\nANIMATION=a\nNBFRAMESANIMATION=4\nKEYFRAME=2\nKF_SCRIPT=" +
                                       (dossier / "kf.scp") + ";3\n");
    ASSERT_TRUE(anim.charger(nullptr, nullptr, dossier / "k.anm", false));
}

} // namespace

using Moteur = AvecMoteur;

TEST_F(Moteur, Suppressions)
{
    CSPRITE* sd = sprite(0, 0);
    for (const char* f : {"a", "b", "c", "d", "e"})
        moteur->creerScript(f, std::string(f) == "b" || std::string(f) == "c" ? sd : nullptr, 2, -1, false, false);
    moteur->scripts[4]->strNom = "nomme";
    EXPECT_EQ(moteur->supprimerScriptNum(0), 1);
    EXPECT_EQ(fichiers(*moteur), (Noms{"b", "c", "d", "e"})) << "the others keep their order";
    moteur->supprimerScriptsSD(sd);
    EXPECT_EQ(fichiers(*moteur), (Noms{"d", "e"})) << "two adjacent scripts of one sprite both go";
    EXPECT_EQ(moteur->supprimerScriptNom("absent"), 0);
    EXPECT_EQ(moteur->supprimerScriptNom("nomme"), 1);
    EXPECT_EQ(fichiers(*moteur), (Noms{"d"}));
    CScript* d = moteur->scripts[0].get();
    CScript etranger;
    EXPECT_EQ(moteur->supprimerScriptPtr(&etranger), 0);
    EXPECT_EQ(moteur->supprimerScriptSiValide(1), 0) << "past the end";
    EXPECT_EQ(moteur->supprimerScriptSiValide(-1), 0);
    moteur->pScriptRun = d;
    EXPECT_EQ(moteur->supprimerScriptPtr(d), 1);
    EXPECT_EQ(moteur->nbScripts, 0);
    EXPECT_EQ(moteur->pScriptRun, nullptr) << "no pointer to a removed script is left";
}

TEST_F(Moteur, RedemarrageEtFontaines)
{
    // Only weapon 2 offered (a game offers all nine by default).
    std::fill(std::begin(jeu->armesFontaine), std::end(jeu->armesFontaine), 0);
    jeu->armesFontaine[2] = 1;
    CSPRITE* fontaine = sprite(0, 0);
    fontaine->setAnim(1);
    DossierTemp dossier;
    ecrireTexte(dossier / "fontaine.scp", "FONTAINEDARMES(1)\nBASCULE()\n");
    CScript* garde = moteur->creerScript(dossier / "fontaine.scp", fontaine, declencheur::ZONE_JOUEUR, -1, false, false);
    garde->bFichierNiveau = true;
    CScript* immediat = script("BASCULE()");
    immediat->bFichierNiveau = true;
    immediat->nChrono = 4;
    immediat->pSD = fontaine;
    CScript* marque = script("BASCULE()", declencheur::CHRONO);
    marque->bSupprimerAuRedemarrage = true;
    script("BASCULE()");  // trigger 2 without the level-file flag
    garde->nbRunFaits = 2;
    garde->numCmdCour = 1;
    garde->bEnCours = true;
    garde->variables["v"] = Variable();
    const unsigned numeroImmediat = immediat->numCreation;

    moteur->bPasserPause = 1;
    moteur->initFontainesDArmes();
    ASSERT_EQ(moteur->nbScripts, 1) << "trigger-2 and marked scripts are dropped";
    EXPECT_EQ(moteur->scripts[0].get(), garde);
    EXPECT_TRUE(garde->nbRunFaits == 0 && garde->numCmdCour == 0 && !garde->bEnCours) << "started over";
    EXPECT_TRUE(garde->variables.empty()) << "recompiled";
    EXPECT_TRUE(garde->bFichierNiveau) << "the level-file flag is kept";
    EXPECT_EQ(moteur->bPasserPause, 0);
    EXPECT_EQ(fontaine->getNumAnim(), 0) << "the fountain is offered again";
    EXPECT_EQ(fontaine->getOver("FONTAINEDARMES_ARME").fichier, "ARME3") << "the one weapon offered";

    // One record per dropped level-file script, with its values and creation number.
    const std::vector<ScriptAbandonne> r = moteur->scriptsAbandonnesDe(fontaine);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].nChrono, 4);
    EXPECT_EQ(r[0].numCreation, numeroImmediat);
    // The records go with their sprite: detached by the level, or removed with its scripts.
    decor->detacherSD(fontaine);
    EXPECT_TRUE(moteur->scriptsAbandonnes.empty());
    EXPECT_EQ(moteur->nbScripts, 0) << "a freed sprite takes its scripts with it";
}

TEST_F(Moteur, AbandonsEffacesParViderEtSupprimerScriptsSD)
{
    CSPRITE* sd = sprite(0, 0);
    for (int i = 0; i < 2; ++i) {
        CScript* s = script("BASCULE()", declencheur::IMMEDIAT, -1, i ? sd : nullptr);
        s->bFichierNiveau = true;
    }
    moteur->initFontainesDArmes();
    ASSERT_EQ(moteur->scriptsAbandonnes.size(), 2u);
    moteur->supprimerScriptsSD(sd);
    ASSERT_EQ(moteur->scriptsAbandonnes.size(), 1u) << "the sprite's record goes with it";
    moteur->viderScripts();
    EXPECT_TRUE(moteur->scriptsAbandonnes.empty());
}

TEST_F(Moteur, ArmeAuHasard)
{
    std::fill(std::begin(jeu->armesFontaine), std::end(jeu->armesFontaine), 0);
    EXPECT_EQ(moteur->choisirArmeAuHasard(), -1) << "no weapon offered";
    jeu->armesFontaine[4] = 1;
    tuv::srand(3);
    const int avant = tuv::rand();
    tuv::srand(3);
    EXPECT_EQ(moteur->choisirArmeAuHasard(), 4);
    EXPECT_EQ(tuv::rand(), avant) << "one weapon: no draw";
    jeu->armesFontaine[0] = jeu->armesFontaine[7] = 1;
    std::set<int> vues;
    tuv::srand(9);
    for (int i = 0; i < 200; ++i)
        vues.insert(moteur->choisirArmeAuHasard());
    EXPECT_EQ(vues, (std::set<int>{0, 4, 7}));
}

// Nothing destroys a script during a pass: removals asked while it runs (here by the script
// monitor, refreshed when a run ends) wait for its end, and the script takes no more steps.
TEST_F(Moteur, SuppressionsPendantUnePasse)
{
    MoniteurEspion moniteur;
    CSPRITE* sd = sprite(0, 0);
    CScript* court = script("BASCULE()");
    CScript* victime = script("BASCULE()\nBASCULE()\nBASCULE()", declencheur::IMMEDIAT, -1, sd);
    CScript* suivant = script("BASCULE()\nBASCULE()");
    bool vuPendant = false;
    moniteur.action = [&] {
        if (!moteur->passeEnCours())
            return;
        moteur->supprimerScriptsSD(sd);
        moteur->supprimerScriptPtr(court);
        vuPendant = moteur->contient(victime) && victime->bSupprime && !victime->pSD;
    };
    images(2);  // fire, then the first step ends the short script's run
    EXPECT_TRUE(vuPendant) << "marked during the pass, its sprite forgotten at once";
    EXPECT_FALSE(moteur->contient(victime));
    EXPECT_FALSE(moteur->contient(court));
    EXPECT_EQ(suivant->numCmdCour, 1) << "the scripts after it still ran";

    // A single step asked from outside a pass carries out its removals before it returns.
    CScript* seul = script("BASCULE()");
    moniteur.action = [&] {
        if (moteur->passeEnCours())
            moteur->supprimerScriptNum(moteur->indexDe(seul));
    };
    EXPECT_EQ(moteur->executerCommande(seul), 1);
    EXPECT_FALSE(moteur->contient(seul));
}

// The foundation's hooks: creation in the active engine; pause, resume and removal only of
// scripts an engine holds.
TEST_F(Moteur, CrochetsDeLaFondation)
{
    installerServicesScripts(*jeu);
    jeu->pscriptEngine = jeu->pscriptEngineMenu;
    CScript* s = g_services.creerScript("x.scp", nullptr, declencheur::IMMEDIAT_PAUSE, 1, false, true);
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(jeu->pscriptEngineMenu->contient(s)) << "creation lands in the active engine";
    g_services.pauserScript(s);
    EXPECT_TRUE(s->bPause);
    CScript etranger;
    g_services.pauserScript(&etranger);
    EXPECT_FALSE(etranger.bPause) << "a script no engine holds is left alone";
    g_services.supprimerScript(&etranger);
    g_services.supprimerScript(nullptr);
    g_services.supprimerScript(s);
    EXPECT_EQ(jeu->pscriptEngineMenu->nbScripts, 0);
}

// An animation's keyframe script, loaded outside the editor, waits paused for its frame. Each
// character made from the model, also after a level load, runs its own, and so does the
// editor's copy of a placed one; a deleted one's goes.
TEST_F(Moteur, ScriptDeKeyframeAttendSaFrameSurChaqueCopie)
{
    installerServicesScripts(*jeu);
    DossierTemp dossier;
    CPerso modele;
    chargerAnimAScript(*modele.sprite, dossier);
    ASSERT_EQ(moteur->nbScripts, 1);
    moteur->viderScripts();
    CPerso* gardes[2] = {decor->ajouterIA(&modele, 10, 0), nullptr};
    gardes[1] = decor->ajouterIA(gardes[0], 90, 0);
    ASSERT_EQ(moteur->nbScripts, 2) << "one script per guard, made with it";
    CScript* siens[2] = {moteur->scripts[0].get(), moteur->scripts[1].get()};
    images(3);
    EXPECT_EQ(siens[0]->nbRunFaits, 0) << "paused: it takes no step until its frame";
    // Played, a guard's sprite resumes its script when it reaches the keyframe's frame.
    const auto jouer = [&](int g) {
        gardes[g]->sprite->play();
        for (int tick = 0; tick < 40; ++tick) {
            gardes[g]->sprite->update(nullptr, 1, 0, 0, 0);
            if (!siens[g]->bPause)
                return gardes[g]->sprite->getFrame(0);
        }
        return -1;
    };
    EXPECT_EQ(jouer(0), 2);
    images(2);
    EXPECT_TRUE(siens[0]->nbRunFaits == 1 && siens[0]->bPause) << "one run, then paused again";
    EXPECT_EQ(jouer(1), 2);
    images(2);
    EXPECT_TRUE(siens[0]->nbRunFaits == 1 && siens[1]->nbRunFaits == 1 && siens[1]->nbRunMax == 3)
        << "each guard counts its own runs, up to the count set";
    EXPECT_EQ(siens[1]->pSD, gardes[1]->sprite) << "on its own sprite";
    decor->ias.erase(std::find(decor->ias.begin(), decor->ias.end(), gardes[1]));
    delete gardes[1];
    EXPECT_TRUE(moteur->nbScripts == 1 && moteur->contient(siens[0])) << "a deleted guard takes only its own";
}

// A level load frees the keyframe's script, and the engine's next script may get its address
// (forced here by building it in the freed block): the keyframe leaves that newcomer alone.
TEST_F(Moteur, KeyframeIgnoreUnScriptNeASonAdresse)
{
    installerServicesScripts(*jeu);
    DossierTemp dossier;
    CSPRITE3 anim;
    chargerAnimAScript(anim, dossier);
    ASSERT_EQ(moteur->nbScripts, 1);
    std::unique_ptr<CScript> bloc = std::move(moteur->scripts[0]);
    moteur->viderScripts();
    CScript* nouveau = bloc.get();
    nouveau->~CScript();
    new (nouveau) CScript();
    nouveau->numCreation = script("BASCULE()\n")->numCreation;  // the number the engine gave it
    nouveau->bPause = true;
    moteur->scripts[0] = std::move(bloc);
    anim.play();
    for (int tick = 0; tick < 40; ++tick)
        anim.update(nullptr, 1, 0, 0, 0);
    EXPECT_TRUE(nouveau->bPause) << "the keyframe's frame resumed the newcomer";
    anim.viderAnimations();
    EXPECT_TRUE(moteur->contient(nouveau)) << "the keyframe's removal took the newcomer";
}
