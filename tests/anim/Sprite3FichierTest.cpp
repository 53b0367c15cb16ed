#include "Sprite3Outils.h"
#include "support/Processus.h"

#include "core/FichierDec.h"
#include "core/Fichiers.h"
#include "core/Globals.h"

namespace {

class FichierAnm : public Sprite3Test {
protected:
    // Two elements (the second with its own image and a global animation), three
    // animations (with a daughter, a GOTO, an aim animation), children, events, shaders,
    // an emitter and keyframes with every keyframe field and mesh offsets.
    void construire(CSPRITE3& s)
    {
        avecFeuille(s);
        sf::Image image;
        image.create(4, 4, sf::Color::Blue);
        image.saveToFile(dossier / "tete.png");

        s.ID = "ZADIRIREZI_J1";
        s.scriptTir = "scripts/tir.scp";
        s.bGrilleVisible = true;
        s.grilleCase = 24;
        s.bReculArme = true;
        s.couleurFond = sf::Color(10, 20, 30, 40);
        s.couleurGlobale = sf::Color(200, 100, 50, 255);
        s.etats["ARRET"] = 0;
        s.etats["MARCHE"] = -1;

        s.ajouterElement("corps", 1.5f, 2, 30, 40, 15, 20, 3, 3, -1, -1, true);
        s.ajouterElement("tete", 40, 0, 16.25f, 16, 8, 8, 2, 2, 2, 0, false);
        CSPRITE3_ELEMENT& tete = *s.elements[1];
        tete.strImage = dossier / "tete.png";
        tete.strAnmRef = "glob.anm";
        tete.pSpriteLie = &globale;
        tete.bAnmDirLien = true;
        tete.lienAnim[0] = 1;
        tete.lienAnim[2] = 3;
        tete.bTailles = true;
        tete.selections[1] = {0, 3};
        tete.derniereSelection = 2;
        s.setTexCoordsPointMaillage(0, 4, 3.25f, 7);

        s.ajouterAnimation("marche", true);
        s.ajouterAnimation("saut", true);
        s.ajouterAnimation("visee", true);
        s.setNbFrames(0, 20);
        s.setVitesseAnim(0, 3);
        s.setNbFrames(1, 5);
        s.setNbFrames(2, 90);
        CSPRITE3_ANIMATION& marche = *s.animations[0];
        marche.fille = 1;
        marche.modeFille = 2;
        marche.bFilleSuitMere = true;
        marche.bDeltaActif = 1;
        marche.bSoubressaut = true;
        marche.vitesseSoubressaut = 0.1f;
        marche.maxSoubressaut = 2.5f;
        marche.borneInf = 2;
        marche.borneSup = 8;
        marche.rectGlobal = sf::FloatRect(-10, -20, 40, 60);
        marche.rectHitbox = sf::FloatRect(-5, -15, 20, 50);
        marche.origineGlobale = sf::Vector2f(15, 55);
        marche.bOmbre = true;
        marche.ombreRotation = 12;
        marche.ombreDecalage = sf::Vector2f(3, 4);
        marche.ombreEcrasement = sf::Vector2f(1, 0.3f);
        s.setEtatAnimation("MARCHE", 0, 0);
        s.animations[1]->nbLecturesGoto = 2;
        s.animations[1]->animGoto = 0;
        s.setInterpolation(1, false);
        s.setVisee(2, true);
        s.setNbFramesVisee(2, 2);
        s.setCercleViseePos(2, 4, -30);
        s.animations[2]->cercleViseeRayonArmes = {{0, 80}, {3, 120}};

        s.ajouterAnimElem(0, 0, "", 0, 1);
        s.ajouterAnimElem(0, 1, "chapeau1", 1, 0, 0);
        s.ajouterAnimElem(1, 1, "", 0, 1);
        s.setShaderFrag(0, 1, "eau.frag");
        CSPRITE::Uniform u;
        u.strType = "vec2";
        u.fVec2X = 0.5f;
        u.fVec2Y = -1;
        u.fPhaseDiviseur = 2;
        s.animations[0]->animElems[1]->uniformsFrag["vague"] = u;
        s.setShaderActif(1, 0, false);
        s.ajouterEmetteur(nullptr, nullptr, 0, 0);
        s.animations[0]->animElems[0]->pParticules->nbParticules = 7;
        s.setEmetteurActif(0, 0, true);
        CScriptAnm& clic = s.animations[0]->animElems[1]->evenements["onMouseClickLeft"];
        clic.commandes = {"setAnimation", "playSound"};
        clic.arguments = {"( 1 )", "( pas )"};
        s.animations[0]->animElems[1]->evenements["onMouseOut"];  // an empty event script

        s.ajouterKeyframe(0, 10);
        s.setKeyAnimElemValeurs(0, 0, 0, 0, true, 1, 2, 3, 4, 1.5f, 0.5f, 30, true);
        s.setKeyAnimElemValeurs(0, 10, 1, 1, false, -7.125f, 8, 0, 0, 2, 2, -45, false);
        s.setKeyAnimElemCouleur(0, 10, 0, sf::Color(1, 2, 3, 4));
        s.setKeyAnimElemLienAnim(0, 0, 1, 2);
        s.setPointMaillage(0, 10, 0, 4, 0.25f, -1.5f);
        s.setKeyframeDelta(0, 10, 5, -6);
        s.setKeyframeGoto(0, 10, 2, 3);
        s.setKeyframeSensInverse(0, 10, true);
        s.setKeyframeSensChange(0, 10, false);
        s.setKeyframeCouleur(0, 10, sf::Color(9, 8, 7, 6));
        s.setKeyframeFlag(0, 10, false);
        CSPRITE3_KEYFRAME& kf = *s.animations[0]->keyframes[1];
        kf.son = "pas";
        kf.bSonSiStop = 1;
        kf.script = "scripts/kf.scp";
        kf.nbExecutions = 2;
        kf.scp.commandes = {"setFrame", "#"};
        kf.scp.arguments = {"( 3 )", "note"};
        s.ajouterKeyframe(2, 45);
    }

    // Every getter of the two sprites answers the same.
    static void verifierEgaux(const CSPRITE3& a, const CSPRITE3& b)
    {
        EXPECT_EQ(a.ID, b.ID);
        EXPECT_EQ(a.scriptTir, b.scriptTir);
        EXPECT_EQ(a.etats, b.etats);
        EXPECT_EQ(a.couleurFond, b.couleurFond);
        EXPECT_EQ(a.couleurGlobale, b.couleurGlobale);
        EXPECT_EQ(a.grilleCase, b.grilleCase);
        EXPECT_EQ(a.bGrilleVisible, b.bGrilleVisible);
        EXPECT_EQ(a.bReculArme, b.bReculArme);
        EXPECT_EQ(a.strTexture, b.strTexture);
        ASSERT_EQ(a.getNbElements(), b.getNbElements());
        for (int e = 0; e < a.getNbElements(); ++e) {
            EXPECT_EQ(a.getRectElement(e), b.getRectElement(e));
            EXPECT_EQ(a.getOrigineElement(e), b.getOrigineElement(e));
            EXPECT_EQ(a.getMaillageElement(e), b.getMaillageElement(e));
            const CSPRITE3_ELEMENT &ea = *a.elements[e], &eb = *b.elements[e];
            EXPECT_EQ(ea.nom, eb.nom);
            EXPECT_EQ(ea.arme, eb.arme);
            EXPECT_EQ(ea.elementLie, eb.elementLie);
            EXPECT_EQ(ea.strImage, eb.strImage);
            EXPECT_EQ(ea.pSpriteLie, eb.pSpriteLie);
            EXPECT_EQ(ea.selections[1], eb.selections[1]);
            EXPECT_EQ(ea.derniereSelection, eb.derniereSelection);
            EXPECT_EQ(ea.bAnmDirLien, eb.bAnmDirLien);
            EXPECT_EQ(ea.bTailles, eb.bTailles);
            EXPECT_TRUE(std::equal(ea.lienAnim, ea.lienAnim + 3, eb.lienAnim));
            for (size_t v = 0; v < ea.vertices.getVertexCount(); ++v)
                EXPECT_EQ(ea.vertices[v].texCoords, eb.vertices[v].texCoords);
        }
        ASSERT_EQ(a.getNbAnimations(), b.getNbAnimations());
        for (int n = 0; n < a.getNbAnimations(); ++n) {
            EXPECT_EQ(a.getNbFrames(n), b.getNbFrames(n));
            EXPECT_EQ(a.getVitesseAnim(n), b.getVitesseAnim(n));
            EXPECT_EQ(a.getInterpolation(n), b.getInterpolation(n));
            EXPECT_EQ(a.isVisee(n), b.isVisee(n));
            EXPECT_EQ(a.getCercleViseeRayon(n), b.getCercleViseeRayon(n));
            EXPECT_EQ(a.animations[n]->cercleViseeRayonArmes, b.animations[n]->cercleViseeRayonArmes);
            EXPECT_EQ(a.getNbFramesVisee(n), b.getNbFramesVisee(n));
            EXPECT_EQ(a.getCercleViseePos(n), b.getCercleViseePos(n));
            EXPECT_EQ(a.getModeAnimationFille(n), b.getModeAnimationFille(n));
            EXPECT_EQ(a.hasOmbre(n), b.hasOmbre(n));
            EXPECT_EQ(a.getOmbreRotation(n), b.getOmbreRotation(n));
            EXPECT_EQ(a.getOmbreDecalage(n), b.getOmbreDecalage(n));
            EXPECT_EQ(a.getOmbreEcrasement(n), b.getOmbreEcrasement(n));
            EXPECT_EQ(a.getOrigineGlobale(n), b.getOrigineGlobale(n));
            sf::FloatRect ga, gb;
            a.getRectGlobal(ga, n);
            b.getRectGlobal(gb, n);
            EXPECT_EQ(ga, gb);
            EXPECT_EQ(a.getRectHitbox(n), b.getRectHitbox(n));
            EXPECT_EQ(a.getEtatAnimation(n), b.getEtatAnimation(n));
            EXPECT_EQ(a.animations[n]->fille, b.animations[n]->fille);
            EXPECT_EQ(a.animations[n]->animGoto, b.animations[n]->animGoto);
            ASSERT_EQ(a.getNbAnimElems(n), b.getNbAnimElems(n));
            for (int ae = 0; ae < a.getNbAnimElems(n); ++ae) {
                const CSPRITE3_ANIMELEM &pa = *a.animations[n]->animElems[ae], &pb = *b.animations[n]->animElems[ae];
                EXPECT_EQ(a.getNomAnimElem(n, ae), b.getNomAnimElem(n, ae));
                EXPECT_EQ(a.getAnimElemVerrou(n, ae), b.getAnimElemVerrou(n, ae));
                EXPECT_EQ(a.getAnimElemOption(n, ae), b.getAnimElemOption(n, ae));
                EXPECT_EQ(pa.enfants, pb.enfants);
                EXPECT_EQ(a.getShaderFrag(n, ae), b.getShaderFrag(n, ae));
                EXPECT_EQ(pa.uniformsFrag.size(), pb.uniformsFrag.size());
                EXPECT_EQ(a.isShaderActif(n, ae), b.isShaderActif(n, ae));
                EXPECT_EQ(a.hasEmetteur(n, ae), b.hasEmetteur(n, ae));
                EXPECT_EQ(a.isEmetteurActif(n, ae), b.isEmetteurActif(n, ae));
                EXPECT_EQ(pa.evenements.size(), pb.evenements.size());
            }
            for (int f = 0; f < a.getNbFrames(n); ++f) {
                EXPECT_EQ(a.getKeyframeDelta(n, f), b.getKeyframeDelta(n, f));
                EXPECT_EQ(a.getKeyframeGoto(n, f), b.getKeyframeGoto(n, f));
                EXPECT_EQ(a.getKeyframeCouleur(n, f), b.getKeyframeCouleur(n, f));
                EXPECT_EQ(a.getKeyframeFlag(n, f), b.getKeyframeFlag(n, f));
                EXPECT_EQ(a.isKeyframeSensInverse(n, f), b.isKeyframeSensInverse(n, f));
                EXPECT_EQ(a.getKeyframeSensChange(n, f), b.getKeyframeSensChange(n, f));
                EXPECT_EQ(a.getKeyframeSon(n, f), b.getKeyframeSon(n, f));
                for (int ae = 0; ae < a.getNbAnimElems(n); ++ae) {
                    EXPECT_EQ(a.getPositionInterpolee(n, f, ae), b.getPositionInterpolee(n, f, ae));
                    EXPECT_EQ(a.getKeyAnimElemEchelle(n, f, ae), b.getKeyAnimElemEchelle(n, f, ae));
                    EXPECT_EQ(a.getKeyAnimElemRotation(n, f, ae), b.getKeyAnimElemRotation(n, f, ae));
                    EXPECT_EQ(a.getKeyAnimElemLienAnim(n, f, ae), b.getKeyAnimElemLienAnim(n, f, ae));
                    EXPECT_EQ(a.getKeyAnimElemOrigine(n, f, ae), b.getKeyAnimElemOrigine(n, f, ae));
                    EXPECT_EQ(a.isKeyAnimElemVisible(n, f, ae), b.isKeyAnimElemVisible(n, f, ae));
                    EXPECT_EQ(a.isKeyAnimElemAvantPlan(n, f, ae), b.isKeyAnimElemAvantPlan(n, f, ae));
                    EXPECT_EQ(a.getCle(n, f, ae)->couleur, b.getCle(n, f, ae)->couleur);
                    EXPECT_EQ(a.getPointMaillageInterpole(n, f, ae, 3), b.getPointMaillageInterpole(n, f, ae, 3));
                }
            }
        }
    }
};

TEST_F(FichierAnm, SauverChargerSauverDonneLesMemesOctets)
{
    CSPRITE3 s;
    construire(s);
    const std::string p1 = dossier / "a.anm", p2 = dossier / "b.anm";
    s.sauver(p1);
    CSPRITE3 relu;
    ASSERT_TRUE(relu.charger(nullptr, nullptr, p1, true));
    EXPECT_TRUE(messages.empty()) << messages.front();
    relu.sauver(p2);
    const std::string texte = lireTexte(p1);
    EXPECT_EQ(texte, lireTexte(p2));
    EXPECT_EQ(texte.rfind(std::string(65, '#') + "\n#\tFichier d'animation du moteur de jeu Tuv2D v0.1 \n", 0), 0u);
    verifierEgaux(s, relu);

    // What the getters do not show directly.
    EXPECT_EQ(relu.strFichier, p2);  // the file last written
    EXPECT_EQ(clesTexture.back(), "ID_PROVISOIRE_EDITEUR_ANIMATION_SPRITE");
    EXPECT_EQ(relu.pTextureFeuille, &feuille);
    EXPECT_NE(relu.elements[1]->pTexture, nullptr);
    EXPECT_EQ(relu.elements[1]->pSpriteLie, &globale);
    EXPECT_EQ(relu.animations[0]->animElems[0]->pParticules->nbParticules, 7);
    const CSPRITE3_KEYFRAME& kf = *relu.animations[0]->keyframes[1];
    EXPECT_EQ(kf.son, "pas");
    EXPECT_EQ(kf.script, "scripts/kf.scp");
    EXPECT_EQ(kf.nbExecutions, 2);
    EXPECT_EQ(kf.scp.commandes, (std::vector<std::string>{"setFrame", "#"}));
    EXPECT_EQ(relu.animations[0]->animElems[1]->evenements.at("onMouseClickLeft").arguments[1], "( pas )");
    EXPECT_EQ(relu.animations[0]->bDeltaActif, 1);
}

TEST_F(FichierAnm, SauverGardeLAncienFichierEnPointSaveEtDitSiElleAEchoue)
{
    CSPRITE3 s;
    construire(s);
    const std::string p = dossier / "a.anm";
    EXPECT_TRUE(s.sauver(p));
    EXPECT_FALSE(tuv::fichierExiste(p + ".save")) << "a new file needs no backup";
    const std::string avant = lireTexte(p);
    s.setNomAnimation(0, "course");
    EXPECT_TRUE(s.sauver(p));
    EXPECT_EQ(lireTexte(p + ".save"), avant);
    const std::string apres = lireTexte(p);
    EXPECT_NE(apres, avant);
    for (const auto& e : tuv::listerDossier(dossier.str()))
        EXPECT_EQ(e.nom.find(".tmp"), std::string::npos) << "a temporary file was left: " << e.nom;

    // Saves that cannot happen: false, and the file and its backup as they were.
    s.setNomAnimation(0, "saut");
    std::filesystem::remove(p + ".save");
    std::filesystem::create_directory(p + ".save");
    EXPECT_FALSE(s.sauver(p)) << "no backup could be made, yet the save went on";
    EXPECT_EQ(lireTexte(p), apres);
    std::filesystem::remove(p + ".save");
    EXPECT_FALSE(s.sauver(dossier / "absent/a.anm"));
    EXPECT_EQ(s.strFichier, p) << "a failed save must not rename the sprite's file";

    // A full disk: the backup of a small file fits, the new file does not.
    CSPRITE3 gros;
    construire(gros);
    for (int i = 0; i < 40; ++i)
        gros.ajouterAnimation("a" + std::to_string(i), true);
    const int code = dansUnProcessus([&] {
        limiterDisque(dossier.str(), 16 * 1024);
        ecrireTexte(p, "ANCIEN=1\n");
        const bool ok = gros.sauver(p);
        return (ok ? 1 : 0) | (lireTexte(p) != "ANCIEN=1\n" ? 2 : 0) | (lireTexte(p + ".save") != "ANCIEN=1\n" ? 4 : 0);
    });
    EXPECT_EQ(code, 0) << "1: reported as saved, 2: old file spoiled, 4: backup missing; >= 1000: the child died";

    // The backup of a large file does not fit: the previous backup stays, nothing is saved.
    const std::string ancien = "ANCIEN=" + std::string(30000, 'a') + "\n";
    ecrireTexte(p, ancien);
    ecrireTexte(p + ".save", "PRECEDENT=1\n");
    const int copie = dansUnProcessus([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{16 * 1024, 16 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limite);
        const bool ok = s.sauver(p);
        return (ok ? 1 : 0) | (lireTexte(p) != ancien ? 2 : 0) | (lireTexte(p + ".save") != "PRECEDENT=1\n" ? 4 : 0);
    });
    EXPECT_EQ(copie, 0) << "1: reported as saved, 2: old file replaced, 4: previous backup spoiled; >= 1000: the child died";
}

TEST_F(FichierAnm, FichierAbsentSignaleEtLaisseLeSpriteIntact)
{
    CSPRITE3 s;
    construire(s);
    const int nb = s.getNbAnimations();
    EXPECT_FALSE(s.charger(nullptr, nullptr, dossier / "absent.anm", false));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("ERREUR : impossible d'ouvrir le fichier " + (dossier / "absent.anm")),
              std::string::npos);
    EXPECT_EQ(s.getNbAnimations(), nb);
    EXPECT_EQ(s.getNbElements(), 2);
}

TEST_F(FichierAnm, LiensManquantsSignalesEtLectureContinue)
{
    ecrireTexte(dossier / "l.anm", "ID=X\nELEMENT=a;0;0;4;4;0;0;2;2;-1;-1;0\nANMREF=inconnu.anm\n"
                                   "ELIMG=" + (dossier / "pas_la.png") + "\nANIMATION=b\nNBFRAMESANIMATION=3\n");
    CSPRITE3 s;
    ASSERT_TRUE(s.charger(nullptr, nullptr, dossier / "l.anm", false));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[0].find("inconnu.anm (vérifiez anmglobaux.ini)"), std::string::npos);
    EXPECT_NE(messages[1].find(" de l'élément n°0|IDMBIMGLIEN"), std::string::npos);
    EXPECT_EQ(s.getNbFrames(0), 3);
    EXPECT_EQ(clesTexture.size(), 0u);  // no sheet file: the cache is not asked
}

// A frame's script is made when the game loads the sprite, then waits paused for its frame;
// the editor makes none.
TEST_F(FichierAnm, ScriptDeFrameCreeEnPauseHorsEditeur)
{
    ecrireTexte(dossier / "k.anm", "ID=K\nANIMATION=a\nNBFRAMESANIMATION=4\nKEYFRAME=2\nKF_SCRIPT=kf.scp;3\n");
    int cree = 0;
    std::vector<CScript*> enPause;
    auto* script = reinterpret_cast<CScript*>(&cree);
    g_services.creerScript = [&](const std::string& f, CSPRITE*, int declencheur, int maxRuns, bool, bool) {
        ++cree;
        EXPECT_EQ(declencheur, 13);
        EXPECT_EQ(maxRuns, 3);
        return script;
    };
    g_services.pauserScript = [&](CScript* sc) { enPause.push_back(sc); };
    CSPRITE3 editeur;
    ASSERT_TRUE(editeur.charger(nullptr, nullptr, dossier / "k.anm", true));
    EXPECT_EQ(cree, 0);
    CSPRITE3 jeu;
    ASSERT_TRUE(jeu.charger(nullptr, nullptr, dossier / "k.anm", false));
    EXPECT_EQ(cree, 1);
    EXPECT_EQ(enPause, std::vector<CScript*>{script});
    jeu.animations[0]->keyframes[0]->pScript = nullptr;  // not a real script: nothing to release
}

// Hand-edited and truncated files load what they can and never crash.
TEST_F(FichierAnm, EntreeAbimeeChargeCeQuiPeutLEtre)
{
    const std::string p = dossier / "m.anm";
    ecrireTexte(p, "KEYANIMELEM=0;1;0;5;5;0;0;1;1;0\n"  // before any keyframe
                   "ELEMENT=a;0;0;4;4\n"                  // missing values
                   "ELEMENT=b;0;0;4;4;0;0;100000;-3;-1;-1;0;extra;values\n"
                   "INCONNU=1;2\n"
                   "ANIMATION=x\nNBFRAMESANIMATION=10\n"
                   "ANIMELEM=7;fantome;0;1\n"  // names no element
                   "ANIMELEM=0;a;0;1\nANIMELEM_ENFANTS=3;2;99;-4\n"
                   "ANIMELEM=1;b;0;1\nANIMELEM_ENFANTS=1;1\n"  // a cycle with the one before
                   "ANIMELEM_SHADER=1;f.frag;1000000\n"
                   "KEYFRAME=5;1\nKEYANIMELEM=0;1\nKEYANIMELEM=0;1\nKEYANIMELEM_MAILLAGE=99999;1;2;3\n"
                   "KEYFRAME=5;0\nKEYANIMELEM=0;1;0;9;9\n"  // a second keyframe at 5
                   "KEYFRAME=0\nKF_SENS=-7\nKEYANIMELEM=0;1;0;1;1;0;0;1;1;0\nKEYANIMELEM=0\nKEYANIMELEM=0\n"
                   "KEYANIMELEM_COLOR=300;-2\nKEYANIMELEM=0;1;0;8;8\n");
    CSPRITE3 s;
    ASSERT_TRUE(s.charger(nullptr, nullptr, p, false));
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(s.getNbElements(), 2);
    EXPECT_EQ(s.getMaillageElement(1), sf::Vector2i(32, 2));  // mesh clamped
    ASSERT_EQ(s.getNbAnimElems(0), 3);
    EXPECT_EQ(s.getElementAnimElem(0, 0), -1);
    EXPECT_EQ(s.animations[0]->animElems[1]->enfants, std::vector<int>{2});
    ASSERT_EQ(s.animations[0]->keyframes.size(), 2u);
    EXPECT_EQ(s.getKeyframeFrame(0, 0), 0);
    EXPECT_EQ(s.getKeyframeFrame(0, 1), 5);
    EXPECT_TRUE(s.isKeyframeSensInverse(0, 0));
    for (const auto& kf : s.animations[0]->keyframes) {
        ASSERT_EQ(kf->cles.size(), 3u);
        EXPECT_EQ(kf->cles[1].maillage.size(), 4u);
        EXPECT_EQ(kf->cles[0].maillage.size(), 0u);
    }
    EXPECT_EQ(s.getKeyAnimElemPoint(0, 5, 1, 0), sf::Vector2f(1, 2));
    EXPECT_EQ(s.getKeyAnimElemPoint(0, 5, 1, 1), sf::Vector2f(0, 0));  // half a pair: padded
    EXPECT_EQ(s.getPositionInterpolee(0, 5, 1), sf::Vector2f(0, 0));  // the duplicate's 9;9 ignored
    EXPECT_EQ(s.animations[0]->keyframes[0]->cles[2].couleur, sf::Color(255, 0, 255, 255));

    // The cycle does not hang the recursive edits, and each AE moves once.
    s.setKeyAnimElemPosition(0, 0, 1, 11, 1, true);
    EXPECT_EQ(s.getPositionInterpolee(0, 0, 1), sf::Vector2f(11, 1));
    EXPECT_EQ(s.getPositionInterpolee(0, 0, 2), sf::Vector2f(11, 1));

    // Every prefix of a real file loads.
    CSPRITE3 plein;
    construire(plein);
    plein.sauver(dossier / "plein.anm");
    const std::string texte = lireTexte(dossier / "plein.anm");
    for (size_t n = 0; n < texte.size(); n += 53) {
        ecrireTexte(p, texte.substr(0, n));
        CSPRITE3 t;
        EXPECT_TRUE(t.charger(nullptr, nullptr, p, true));
    }
}

TEST_F(FichierAnm, UnDecAvecSprite3ChargeLAnimation)
{
    g_services.lireSprite3 = &lireSprite3DEC;  // as the game fills it
    CSPRITE3 s;
    construire(s);
    s.sauver(dossier / "perso.anm");
    ecrireTexte(dossier / "perso.dec", "ID=perso\nSPRITE3=" + (dossier / "perso.anm") + "\n");
    CFichierDEC f;
    ASSERT_TRUE(f.chargerDEC(dossier / "perso.dec", nullptr));
    ASSERT_NE(f.pSprite3, nullptr);
    EXPECT_EQ(f.pSprite3->getNbAnimations(), 3);
    EXPECT_EQ(f.pSprite3->animations[2]->nom, "visee");
    EXPECT_EQ(f.fichierSprite3, dossier / "perso.anm");

    ecrireTexte(dossier / "vide.dec", "ID=vide\nSPRITE3=" + (dossier / "absent.anm") + "\n");
    ASSERT_TRUE(f.chargerDEC(dossier / "vide.dec", nullptr));
    EXPECT_EQ(f.pSprite3, nullptr);
    EXPECT_EQ(messages.size(), 1u);
}


// What the ".anm" reader makes of odd values (hand-edited files): unlike the typed readers
// of CTUVFile, it keeps blanks, so a number ends at its first blank.
TEST_F(FichierAnm, ValeursLuesCommeAvant)
{
    const std::string quatreCents = "1" + std::string(399, '0');
    struct Cas {
        std::string valeur;
        float reel;  // CERCLEVISEEPOS: clamped to +-1e9, NaN and infinities as 0
        int entier;  // CERCLEVISEERAYON: clamped to +-1e8
    };
    const Cas cas[] = {
        {"7", 7, 7},           {" 1 2", 1, 1},       {"\t-3.5", -3.5f, -3},   {"1,5", 1, 1},
        {"nan", 0, 0},         {"+-2", -2, 0},       {"1e99", 1e9f, 1},       {"12x", 12, 12},
        {"99999999999", 1e9f, 100000000},            {"-99999999999", -1e9f, -100000000},
        {"", 0, 0},            {"abc", 0, 0},        {quatreCents, 1e9f, 100000000},
    };
    std::string texte = "  I D\t=nom avec blancs \n";
    for (const Cas& c : cas)
        texte += "ANIMATION=a\nCERCLEVISEEPOS=" + c.valeur + ";" + c.valeur + "\nCERCLEVISEERAYON=" + c.valeur + "\n";
    texte += "ANIMATION=manquantes\nCERCLEVISEEPOS=5\nCERCLEVISEERAYON\nGRILLECASE=-4\n";
    ecrireTexte(dossier / "v.anm", texte);
    CSPRITE3 s;
    ASSERT_TRUE(s.charger(nullptr, nullptr, dossier / "v.anm", true));
    EXPECT_EQ(s.ID, "nom avec blancs ") << "a key with blanks is found, a text value keeps them";
    const int n = static_cast<int>(std::size(cas));
    ASSERT_EQ(s.getNbAnimations(), n + 1);
    for (int i = 0; i < n; ++i) {
        const Cas& c = cas[i];
        const std::string nom = c.valeur.substr(0, 20);
        EXPECT_EQ(s.getCercleViseePos(i), sf::Vector2f(c.reel, c.reel)) << "float of \"" << nom << "\"";
        EXPECT_EQ(s.getCercleViseeRayon(i), c.entier) << "int of \"" << nom << "\"";
    }
    EXPECT_EQ(s.getCercleViseePos(n), sf::Vector2f(5, 0)) << "a missing value reads as its default";
    EXPECT_EQ(s.getCercleViseeRayon(n), 100) << "a line without '=' is skipped";
    EXPECT_EQ(s.grilleCase, 16) << "a grid cell below 1 reads as the default";
}

// A colour channel or a state's animation the sprite cannot take is named with file and line
// and read as what the sprite can show.
TEST_F(FichierAnm, ValeursCorrigeesNommees)
{
    const struct { std::string ligne, note; } cas[] = {
        {"COULEURGLOBALE=300;1;1", "COULEURGLOBALE valeur 1 «300» hors de 0 à 255, lue comme 255|"
                                   "COULEURGLOBALE valeur 4 absente, lue comme «255»"},
        {"COULEURFOND=10;abc;-4;20", "COULEURFOND valeur 2 «abc» pas un nombre, lue comme 0|"
                                     "COULEURFOND valeur 3 «-4» hors de 0 à 255, lue comme 0"},
        {"ETAT=ARRET;999", "ETAT valeur 2 «999» animation absente (le sprite en a 1), lue comme -1"},
        {"ETAT=ARRET", "ETAT valeur 2 absente, lue comme «-1»"},
        {"GRILLECASE=-4", "GRILLECASE valeur 1 «-4» case inférieure à 1, lue comme 16"},
        {"ETAT=ARRET;0", ""},
        // Lines of the animation, which its own "ANIMATION" line opens.
        {"NBFRAMESANIMATION=-5", "NBFRAMESANIMATION valeur 1 «-5» inférieure à 0, lue comme 0"},
        {"ANIMATION_GOTO=abc;1", "ANIMATION_GOTO valeur 1 «abc» pas un nombre, lue comme 0"},
        {"ANIMELEM=99;;0;1", "ANIMELEM valeur 1 «99» élément absent (le sprite en a 0), lu comme -1"},
        {"VISEE=1;1", "VISEE valeur 2 «1» en trop, non lue"},
        {"KF_SENS=1", "KF_SENS avant toute KEYFRAME, ligne non lue"},
        // A keyframe's script: the command is value 1.
        {"KEYFRAME=0;1\nKF_SCP=tourner;( 1 )", "KF_SCP valeur 1 «tourner» commande inconnue, jamais jouée"},
        {"KEYFRAME=0;1\nKF_SCP=# note;( x , y )", ""},
    };
    const std::string fichier = dossier / "c.anm";
    for (const auto& c : cas) {
        // An animation line goes after its "ANIMATION" line, the others before.
        const bool animation = c.ligne.find("ANIM") == 0 || c.ligne.find("NBFRAMES") == 0 ||
                               c.ligne.find("VISEE") == 0 || c.ligne.find("K") == 0;
        ecrireTexte(fichier, animation ? "ANIMATION=a\n" + c.ligne + "\n" : "ID=A\n" + c.ligne + "\nANIMATION=a\n");
        CSPRITE3 s;
        ASSERT_TRUE(s.charger(nullptr, nullptr, fichier, true));
        std::string notes;
        for (const std::string& n : s.notes.notes())
            notes += (notes.empty() ? "" : "|") + n.substr((fichier + ":2: ").size());
        EXPECT_EQ(notes, c.note) << c.ligne;
    }
    ecrireTexte(fichier, "COULEURGLOBALE=300;1;1\nETAT=ARRET;999\nETAT=MARCHE;0\nANIMATION=a\n");
    CSPRITE3 s;
    ASSERT_TRUE(s.charger(nullptr, nullptr, fichier, true));
    EXPECT_EQ(s.couleurGlobale, sf::Color(255, 1, 1, 255));
    EXPECT_EQ(s.etats["ARRET"], -1) << "a state linked to no animation";
    EXPECT_EQ(s.etats["MARCHE"], 0);
}

} // namespace
