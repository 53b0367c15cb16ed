// The level writer: a canonical level, written by hand in the writer's exact form, loads and
// saves back to the same bytes, twice; the mended writing rules on small levels built in code;
// the save's safety (template, ".save" copy, failures).
#include "level/OutilsSauvegarde.h"

#include "core/Chemin.h"
#include "core/ForceSD.h"
#include "core/Particules.h"
#include "core/Physique.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXMessageBox.h"
#include "level/MenuImage.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <map>

namespace {

const char* const PARTICULES = PARTICULES_TEST;
const char* const FORCE = FORCE_TEST;
// Every uniform type of both shaders, in name order; "m" of an unknown type keeps no value.
const char* const SHADERS = "./shaders/f.frag;6;a;float;1.5;0;b;int;3;2;c;vec2;1;2;0.5;d;vec3;1;2;3;0;"
                            "e;vec4;1;2;3;4;0.25;m;mat2;./shaders/v.vert;1;g;float;0.1;0";

// The canonical level: every record kind, in the order and with the empty lines the writer
// uses; planes 3 and 4 empty, so that it ends with the empty line after plane 3.
std::string niveauCanonique()
{
    return std::string("#################################################################\n"
                       "#\tGNOP fichier de données\n"
                       "#\tNe pas éditer : fichier généré par l'éditeur GNOP\n"
                       "#################################################################\n"
                       "\n"
                       "INFOS=0\nIMAGECHARGEMENT=./niveaux/chargement.png\n\n"
                       "NOM=For\xc3\xaat \xc3\xa9t\xc3\xa9;7\n\n"
                       "TAILLEJEU=4000;1500\nSCROLLVUE=3;12;0.75\n\n"
                       "SCROLLPLAN0=1.5;0.25\nSCROLLPLAN1=1.25;0.5\nSCROLLPLAN2=1;1\n"
                       "SCROLLPLAN3=0.75;0.5\nSCROLLPLAN4=0.5;0.25\nSCROLLPLAN5=0.125;0\n\n"
                       "TYPEJEU=0\n\n"
                       "ZONE=1;10;20;300;400\n\n"
                       "MUSIQUE=./musiques/theme.ogg;0\nMUSIQUE_AMBIANCE=./musiques/vent.ogg;1\n\n"
                       "CHRONO=95\n\n"
                       "ETOILES=30;60;90\n\n"
                       "CARTE=1\n\n"
                       "FONDCOULEUR=12;34;56;78\nFOND=./niveaux/fond.png;-30;40;1.5\nFONDCOULEUR=12;34;56;78\n\n"
                       "SHADERBLUR=0;1.5\nSHADERBLUR=1;2\nSHADERBLUR=2;0\nSHADERBLUR=3;2.5\nSHADERBLUR=4;3\n"
                       "SHADERBLUR=5;4.5\n\n"
                       "EFFET_PLUIE=1\nEFFET_NEIGE=1;250\nEFFET_LUCIOLES=1;40\nEFFET_BROUILLARD=1\nEFFET_NUAGES=1\n"
                       "EFFET_ETOILES=1;120\nEFFET_NUAGEPOUSSIERE=1\nEFFET_ORAGE=1\n\n"
                       "POUSSIERE_PAS=./effets/sable.dec\nTRACE_PAS=./effets/neige_pas.png\n\n"
                       "FREE_TEXTURE_MEM=0\n\n"
                       "TEXTURE_PER=./personnages/garde.per;GARDE\n\n"
                       "TEXTURE_DEC=./decors/boite.dec;BOITE\nTEXTURE_DEC=./decors/dalle.dec;DALLE\n\n"
                       "SCRIPTRUN=./scripts/niveau.scp;2;0;-1\nSCRIPT_DECLENCHEUR_CHRONO=4\n"
                       // Players: from a model, with a simple path and a script; from a file.
                       "PERSO=GARDE;400;500;0;1.5;2;33;1\nNUMJOUEUR=1\nPERSO_COLOR=1;2;3;200\n"
                       "CHEMINSIMPLE=10;20;3\nSCRIPTRUN=./scripts/garde.scp;0;0;1\n\n"
                       "PERSO3=./personnages/heros.per;600;700;0;1;1;10;0\nNUMJOUEUR=2\n"
                       "PERSO_COLOR=255;255;255;255\n\n\n\n"
                       // The AI, on a key-point path (written at its first key point).
                       "IA=GARDE;700;800;0;1.5;0.5;80;1;3\nIDIA=g1\nIDRESPAWN=r1\nNUMPLANIA=3\nPATROUILLE=120\n"
                       "OMBREIA=0;1;300;0.5;0.2;400;30\nKPG=0;1.5;0.5;0.25;8;0;-1\n"
                       "KP=700;800;1;1;0;255;255;255;255;0;0;-1;-1;-1;-1\n"
                       "KP=900;800;1.5;1.5;10;255;0;0;255;1;0;2;-1;-1;-1\n"
                       "SCRIPTRUN=./scripts/ia.scp;3;1;4\n\n\n"
                       // Plane 0: the plain 19 values, a volume without a sound, a colour and a shadow.
                       "SD=DALLE;100;50;0;32;0;0;0;1;1;1;1;0;0;0;0;0;0;0\nVOLUMESON=30\nCOLSD=10;20;30;40\n"
                       "OMBRESD=1.1;0.9;4;-5;15;1\n\n"
                       // Plane 1: collapse only (21 values), the per-sprite records and shaders.
                       "SD=BOITE;200;60;1;16;32;10;0.5;-1;1;2;3;0;1;0;0;0;0;0;40;1\n"
                       "IDSD=porte\nCALQUESD=2\nGROUPESD=7\nSHADERSD=") +
           SHADERS +
           "\nPARAM_SCRIPT_SD=0;4;0\nVOLUMESON=75\nLOCK=1\nROTSD=2.5\n"
           "SCRIPTRUN=./scripts/boite.scp;3;1;4\nSCRIPT_DECLENCHEUR_CHRONO=3\n\n"
           // Plane 2: seesaw only (27), both behaviours (29) with emitter and force zone, a
           // key-point path and a simple one.
           "SD=BOITE;300;400;2;16;32;0;0;1;-1;1;1;1;0;0;0;0;0;0;-10;20;16;8;1.5;30;5;6\n"
           "DECDEFAUT=0\nCOLLISION=3\nPOSDANSLEPLAN=1\nVOLUMESON=100\n"
           "SD=DALLE;500;400;2;32;0;0;0;1;1;1;1;1;1;1;1;1;0;1;-1;-1;-1;0;1.5;0;0;0;12;0\n"
           "PARTICULESD=" +
           PARTICULES + "\nFORCESD=" + FORCE +
           "\nOMBRESD=1;1;0;0;0;0\nSCRIPTRUN=./scripts/dalle.scp;12;0;-1\n"
           "SD=DALLE;600;300;2;32;0;0;0;1;1;1;1;0;0;0;0;0;1;0\n"
           "KPG=2;1.5;0.5;0.25;8;0;3\nKP=600;300;1.25;0.75;0;255;255;255;255;0;0;2;0.5;1.5;-1\n"
           "KP=700.5;250;1;1;30;255;128;64;200;1;0;-1;-1;-1;-1\nKP=800;100;2;2;90;0;0;0;255;0;1;3;-1;-1;-1\n"
           "SCRIPTRUN=./scripts/chemin.scp;2;0;-1\n"
           "SD=BOITE;900;400;2;16;32;0;0;1;1;1;1;0;0;0;0;0;1;0\nVOLUMESON=100\nCHEMINSIMPLE=10;-20;3\n\n\n";
}

std::vector<std::string> lignesSD(const std::string& texte)
{
    std::vector<std::string> r;
    for (const std::string& l : lignes(texte))
        if (l.rfind("SD=", 0) == 0)
            r.push_back(l);
    return r;
}

size_t nbValeurs(const std::string& ligne) { return std::count(ligne.begin(), ligne.end(), ';') + 1; }

class SauvegardeCanonique : public SauvegardeTest {
protected:
    void SetUp() override
    {
        SauvegardeTest::SetUp();
        peindre("niveaux/fond.png", 64, 32);
        ecrireFichier("canonique.niv", niveauCanonique());
    }
    // The sprite and the AI on key-point paths moved half-way along; the spinning sprite turned.
    void avancerChemins()
    {
        for (int i = 0; i < 20; ++i)
            sprites(1)[0]->majComportements();
        for (CSPRITE* sd : sprites(2))
            if (sd->pChemin && sd->pChemin->typeAnimation == 0)
                for (int i = 0; i < 20; ++i)
                    sd->pChemin->maj(0, 0, sd);
        for (CPerso* ia : monde().ias)
            for (int i = 0; i < 20; ++i)
                ia->sprite->pChemin->maj(0, 0, ia->sprite);
    }
};

} // namespace

TEST_F(SauvegardeCanonique, UnAllerRetourDonneLesMemesOctets)
{
    // The canonical level, then the same with 2,999 more sprites in plane 3: some 150 KB that
    // the writer holds in memory while it writes the lines before them, saved over a smaller
    // file and then over a file as large.
    std::string grand = niveauCanonique();
    for (int i = 0; i < 2999; ++i)
        grand.insert(grand.size() - 1, "SD=DALLE;" + std::to_string(i) + ";50;3;32;0;0;0;1;1;1;1;0;0;0;0;0;0;0\n");
    for (const std::string& niveau : {niveauCanonique(), grand}) {
        ecrireFichier("niveau.niv", niveau);
        monde().chargerNiveau("niveau.niv", 0);
        avancerChemins();
        ASSERT_TRUE(monde().sauverNiveau("A.niv")) << "the first save failed";
        const std::string a = lireTexte("A.niv");
        EXPECT_EQ(a, niveau) << "the save of the level read differs: " << premiereDifference(a, niveau);
        ASSERT_TRUE(chargerPuisSauver("A.niv", "A.niv")) << "the second save failed";
        EXPECT_EQ(lireTexte("A.niv"), a) << "a saved level does not save again to the same bytes: "
                                         << premiereDifference(lireTexte("A.niv"), a);
    }
    EXPECT_EQ(jeu->fichierJeu, "A.niv") << "the saved file becomes the level file";
}

TEST_F(SauvegardeCanonique, CompteDesValeursEtCheminsRembobines)
{
    monde().chargerNiveau("canonique.niv", 0);
    avancerChemins();
    CSPRITE* surChemin = sprites(2)[2];
    CPerso* ia = monde().ias.front();
    ASSERT_NE(surChemin->x, 600) << "the path sprite did not move along its path";
    ASSERT_NE(ia->sprite->x, 700) << "nor the AI";
    ASSERT_TRUE(monde().sauverNiveau("A.niv"));
    const std::vector<std::string> sd = lignesSD(lireTexte("A.niv"));
    const size_t attendus[] = {19, 21, 27, 29, 19, 19};
    ASSERT_EQ(sd.size(), std::size(attendus)) << "one SD line per sprite";
    for (size_t i = 0; i < sd.size(); ++i)
        EXPECT_EQ(nbValeurs(sd[i]), attendus[i]) << "values, the name included, of " << sd[i];
    EXPECT_EQ(std::tuple(surChemin->pChemin->numKP, ia->sprite->pChemin->numKP), std::tuple(-1, -1))
        << "a save rewinds the key-point paths of a sprite and of an AI";
}

// The editor's copy of each sprite, 1000 pixels right of its start, saved and read back: from the first
// "SD" line on, each model's lines and its copy's, 1000 more on the x of "SD" and "KP" lines,
// an id of its own, no script. A colour a script gave the model in play is no copy's: the copy
// shows the level's colour, the one it is saved with.
TEST_F(SauvegardeCanonique, UneCopieEcritCeQueFaitSonModele)
{
    monde().chargerNiveau("canonique.niv", 0);
    for (int p = 0; p < 3; ++p)
        for (CSPRITE* sd : sprites(p)) {
            // Each taken on its way (a path's platform moves): the copy is placed from the start.
            const float x = sd->x, y = sd->y;
            sd->x += 37.25f, sd->y -= 11.5f;
            const sf::Color niveau = sd->couleur;
            sd->colorerEnJeu(sf::Color(9, 8, 7, 6));
            const CSPRITE3* c = monde().dupliquerSD(dynamic_cast<CSPRITE3*>(sd), int(sd->x0) + 1000, int(sd->y0), &plan(p));
            ASSERT_NE(c, nullptr);
            EXPECT_TRUE(c->couleur == niveau && c->sprite.getColor() == niveau && c->couleurSauvee() == niveau)
                << sd->getIdDEC() << ": the copy shows the level's colour, not the script's";
            sd->x = x, sd->y = y;
        }
    ASSERT_TRUE(monde().sauverNiveau("A.niv"));
    ASSERT_TRUE(chargerPuisSauver("A.niv", "B.niv"));
    EXPECT_EQ(lireTexte("B.niv"), lireTexte("A.niv")) << premiereDifference(lireTexte("B.niv"), lireTexte("A.niv"));
    auto lignesSprites = [](const std::string& texte) {
        std::vector<std::string> l = lignes(texte);
        l.erase(l.begin(), std::find_if(l.begin(), l.end(), [](const std::string& x) { return x.rfind("SD=", 0) == 0; }));
        l.erase(std::remove(l.begin(), l.end(), ""), l.end());
        std::sort(l.begin(), l.end());
        return l;
    };
    std::vector<std::string> attendues = lignesSprites(niveauCanonique());
    for (size_t i = 0, n = attendues.size(); i < n; ++i) {
        const std::string l = attendues[i];
        const size_t debut = l.rfind("SD=", 0) == 0 ? l.find(';') + 1 : l.rfind("KP=", 0) == 0 ? 3 : 0;
        std::ostringstream x;
        if (debut)
            x << l.substr(0, debut) << std::stof(l.substr(debut)) + 1000 << l.substr(l.find(';', debut));
        if (debut || l.rfind("SCRIPT", 0) != 0)
            attendues.push_back(debut ? x.str() : l == "IDSD=porte" ? "IDSD=porte1" : l);
    }
    std::sort(attendues.begin(), attendues.end());
    EXPECT_EQ(lignesSprites(lireTexte("A.niv")), attendues) << "a copy's lines are not its model's, moved";
}

TEST_F(SauvegardeTest, FlottantsRelusALIdentique)
{
    const float valeurs[] = {0.1f, 1.0f / 3.0f, 123456.78f, -0.0625f, 3.4e38f, 1.17549435e-38f};
    ecrireFichier("petit.niv", "TEXTURE_DEC=./decors/dalle.dec;DALLE\n"
                               "SD=DALLE;100;50;0;32;0;0;0;1;1;1;1;0;0;0;0;0;0;0\n");
    for (float v : valeurs) {
        monde().chargerNiveau("petit.niv", 0);
        sprites(0)[0]->ombreSX = v;
        sprites(0)[0]->bOmbre = true;
        ASSERT_TRUE(monde().sauverNiveau("A.niv"));
        monde().chargerNiveau("A.niv", 0);
        ASSERT_EQ(sprites(0).size(), 1u);
        EXPECT_EQ(sprites(0)[0]->ombreSX, v) << "a float does not read back bit for bit";
    }
}

namespace {

// A level of one box with a trigger-2 script, a level script of trigger 2 too, a guard.
const char* const NIVEAU_SCRIPTS = "TEXTURE_PER=./personnages/garde.per;GARDE\n"
                                   "TEXTURE_DEC=./decors/boite.dec;BOITE\n"
                                   "SCRIPTRUN=./scripts/niveau.scp;2;0;-1\n"
                                   "IA=GARDE;700;800;0;1;1;80;1;3\n"
                                   "SD=BOITE;200;60;2;16;32;0;0;1;1;1;1;0;0;0;0;0;0;0\n"
                                   "SCRIPTRUN=./scripts/boite.scp;2;0;-1\nSCRIPT_DECLENCHEUR_CHRONO=5\n";

// Fails its stream after a number of lines, as a full disk would half-way.
class FichierQuiEchoue : public CFichierNiveau {
public:
    explicit FichierQuiEchoue(int n) : reste(n) {}
    void ecrireLigne(std::string_view ligne) override
    {
        CFichierNiveau::ecrireLigne(ligne);
        if (--reste == 0)
            ecritureSure.flux().setstate(std::ios::badbit);
    }
    int reste;
};

} // namespace

TEST_F(SauvegardeTest, CeQuiCasseraitLeFichierEstEcarteOuCorrige)
{
    ecrireFichier("n.niv", NIVEAU_SCRIPTS);
    monde().chargerNiveau("n.niv", 0);
    sprites(2)[0]->strID = "a;b\nc";
    auto* sansNom = new CSPRITE3();  // no bank and no definition name: no "SD" line
    sansNom->strID = "orphelin";
    plan(0).sprites.push_back(sansNom);
    auto* joueur = new CPerso();  // neither a model's bank nor a character file
    joueur->numJoueur = 5;
    monde().persos.push_back(joueur);
    auto* copie = new CPerso();  // an AI copied from a layered model has no bank
    copie->id = "copie";
    monde().ias.push_back(copie);
    ASSERT_TRUE(monde().sauverNiveau("A.niv"));
    const std::string a = lireTexte("A.niv");
    EXPECT_TRUE(contient(a, "IDSD=a,b c\n")) << "\";\" and line breaks replaced in a value";
    for (const char* absent : {"orphelin", "NUMJOUEUR=5", "IDIA=copie"})
        EXPECT_FALSE(contient(a, absent)) << "a group without its creating line is left out: " << absent;
    const std::string message = sf::String(jeu->message).toAnsiString();
    EXPECT_TRUE(contient(message, "3 objet")) << "the save says how many objects it left out: " << message;
    EXPECT_TRUE(contient(message, "1 texte")) << "and how many values it changed: " << message;
    monde().chargerNiveau("A.niv", 0);
    EXPECT_EQ(sprites(2)[0]->strID, "a,b c") << "the file reads back";
}

TEST_F(SauvegardeTest, SeulsLesScriptsDuFichierSontEcrits)
{
    ecrireFichier("n.niv", NIVEAU_SCRIPTS);
    monde().chargerNiveau("n.niv", 0);
    CSPRITE* boite = sprites(2)[0];
    // Made during play: a SCRIPTRUN command's, a hit rule's, a definition's.
    moteur().creerScript("./scripts/commande.scp", boite, 2, -1, false, false);
    moteur().creerScript("./scripts/coup.scp", monde().ias.front()->sprite, 0, 1, false, false);
    moteur().creerScript("./scripts/definition.scp", boite, 12, 0, false, true);
    ASSERT_TRUE(monde().sauverNiveau("A.niv"));
    const std::string a = lireTexte("A.niv");
    for (const char* absent : {"commande.scp", "coup.scp", "definition.scp"})
        EXPECT_FALSE(contient(a, absent)) << "a script made during play is not saved: " << absent;
    EXPECT_TRUE(contient(a, "\nSD=BOITE;200;60;2;16;32;0;0;1;1;1;1;0;0;0;0;0;0;0\nVOLUMESON=100\n"
                            "SCRIPTRUN=./scripts/boite.scp;2;0;-1\nSCRIPT_DECLENCHEUR_CHRONO=5\n"))
        << "the sprite's own script follows it, with its chrono period";
    EXPECT_TRUE(contient(a, "TEXTURE_DEC=./decors/boite.dec;BOITE\n\nSCRIPTRUN=./scripts/niveau.scp;2;0;-1\n"))
        << "the level's script right after the definitions";
}

TEST_F(SauvegardeTest, UnRedemarrageNePerdPasLesScriptsDuFichier)
{
    ecrireFichier("n.niv", NIVEAU_SCRIPTS);
    ASSERT_TRUE(chargerPuisSauver("n.niv", "A.niv"));
    const std::string a = lireTexte("A.niv");
    monde().chargerNiveau("A.niv", 0);
    monde().demarrerNiveau(1);
    monde().demarrerNiveau(1);
    ASSERT_EQ(moteur().nbScripts, 0) << "a start drops trigger-2 scripts";
    ASSERT_TRUE(monde().sauverNiveau("B.niv"));
    EXPECT_EQ(lireTexte("B.niv"), a) << "both lines stay in their places: " << premiereDifference(lireTexte("B.niv"), a);
    ecrireFichier("autre.niv", "TEXTURE_DEC=./decors/boite.dec;BOITE\n");
    monde().chargerNiveau("autre.niv", 0);
    EXPECT_TRUE(moteur().scriptsAbandonnes.empty()) << "another level forgets what the restarts dropped";
}

TEST_F(SauvegardeTest, ReglesDuNiveauEtDesIA)
{
    // A hero on the right half of a 1280-pixel level, written facing right, faces left once
    // loaded: so it is saved, and saved again.
    ecrireFichier("n.niv", std::string(NIVEAU_SCRIPTS) + "PERSO3=./personnages/heros.per;1000;700;0;1;1;10;0\n");
    ASSERT_TRUE(chargerPuisSauver("n.niv", "A.niv"));
    std::string a = lireTexte("A.niv");
    EXPECT_TRUE(contient(a, "\nPERSO3=./personnages/heros.per;1000;700;1;")) << "the hero's facing since the load";
    ASSERT_TRUE(chargerPuisSauver("A.niv", "B.niv"));
    EXPECT_EQ(lireTexte("B.niv"), a) << premiereDifference(lireTexte("B.niv"), a);

    monde().chargerNiveau("n.niv", 0);
    jeu->pvue->zoom = 2.5f;  // the editor's wheel
    CPerso& ia = *monde().ias.front();
    ia.sprite->rotangle = 30;
    ia.vitesse = 12;
    ia.setDirection(1);
    ASSERT_TRUE(monde().sauverNiveau("A.niv"));
    a = lireTexte("A.niv");
    EXPECT_TRUE(contient(a, "\nSCROLLVUE=1;18;1\n")) << "the level's zoom, not the editor's";
    EXPECT_TRUE(contient(a, "\nROTIA=30\n")) << "rotation of the AI";
    EXPECT_TRUE(contient(a, "\nVITESSEIA=12\n")) << "speed of the AI, other than its model's";
    EXPECT_TRUE(contient(a, "\nIA=GARDE;700;800;0;")) << "the facing it was placed with, not a script's";

    // A definition is preloaded while a sprite names it, by its bank's name or by its id.
    CSPRITE& boite = *sprites(2)[0];
    CDEC homonyme;  // not the world's bank object, but of the same name
    homonyme.nom = "BOITE";
    CDEC* banque = boite.pDEC;
    boite.pDEC = &homonyme;
    const std::tuple<const char*, const char*, const char*> noms[] = {
        {"BOITE", "", "by the bank's name"}, {"AUTRE", "BOITE", "by the sprite's id"}, {"AUTRE", "", nullptr}};
    for (const auto& [nom, id, pourquoi] : noms) {
        homonyme.nom = nom;
        boite.strID = id;
        ASSERT_TRUE(monde().sauverNiveau("A.niv"));
        EXPECT_EQ(contient(lireTexte("A.niv"), pourquoi ? "\nTEXTURE_DEC=./decors/boite.dec;BOITE\n" : "TEXTURE_DEC"),
                  pourquoi != nullptr) << (pourquoi ? pourquoi : "no sprite names it");
    }
    boite.pDEC = banque;

    // Two players' rounds: the characters' scale instead of player groups.
    jeu->typeJeu = 2;
    monde().persos.push_back(new CPerso());
    monde().scalePersosX = 1.5f;
    ASSERT_TRUE(monde().sauverNiveau("A.niv"));
    a = lireTexte("A.niv");
    EXPECT_TRUE(contient(a, "\nSCALE_PERSOS=1.5;1\n\n\nIA=")) << "the scale, two empty lines, the AIs";
    EXPECT_FALSE(contient(a, "NUMJOUEUR")) << "no player group in a two-player level";

    // A model nothing uses any more is not preloaded.
    monde().detruirePerso(&ia);
    ASSERT_TRUE(monde().sauverNiveau("A.niv"));
    EXPECT_FALSE(contient(lireTexte("A.niv"), "TEXTURE_PER")) << "the guard's model is no longer used";
}

// The editor's copies of a layered character come back from a save with the ids they showed;
// the AIs the author removed with the red cross of their strip do not, nor the guard a removed
// base carried, and the others come back as they were.
TEST_F(SauvegardeTest, LesCopiesDeLEditeurReviennent)
{
    jeu->pIABehaviours = new CIABehaviours();  // what knows the level's ids
    ecrireFichier("personnages/socle.per", "ID=SOCLE\nIA=420\nTEXTURE_PER_PART=./personnages/garde.per;GARDE\n"
                                           "IAPART=GARDE;;-10;-5;0;1;1;0;0;0;1;0\n");
    ecrireFichier("n.niv", "TEXTURE_PER=./personnages/heros.per;HEROS\nIA=HEROS;100;700;0;1;1;10;0;0\nIDIA=HEROS\n"
                           "TEXTURE_PER=./personnages/socle.per;SOCLE\nIA=SOCLE;900;800;0;1;1;80;0;1\n");
    monde().chargerNiveau("n.niv", 0);
    const RefPerso socle = monde().ias.back(), garde = socle->enfants.at(0);
    for (int x : {300, 500, 700})
        ASSERT_NE(monde().copierIAEditeur(monde().ias.front(), x, 700), nullptr) << "a layered character's copy";
    monde().ias.front()->direction = monde().ias.front()->directionInitiale = 1;  // one field off its copies'
    // What a save keeps of an AI, by id.
    const auto fiches = [this] {
        std::map<std::string, std::string> f;
        for (const CPerso* p : monde().ias) {
            const CSPRITE3& s = *p->sprite;
            std::ostringstream o;
            o << s.pDEC->nom << " at " << s.x << ";" << s.y << " facing " << p->directionInitiale << " scale "
              << s.sxMax << ";" << s.syMax << " weight " << p->poids << " ship " << p->bVaisseau << " collisions "
              << p->modeCollisions << " plane " << p->numPlanIA << " speed " << p->vitesse << " shadow "
              << p->bOmbre << " children " << p->enfants.size();
            f[p->id] = o.str();
        }
        return f;
    };
    // The red cross of the strip, clicked with left Control on the selected character.
    sf::Texture grille;
    grille.create(320, 32);
    sf::RenderWindow fenetre;  // never opened: the mouse is scripted
    EtatSouris souris{false, false, sf::Vector2i(100 + 32 * 9 + 16, 116)};
    SourisJeu::lire = [&](const sf::Window&) { return souris; };
    SourisJeu::ctrlGauche = [] { return true; };
    jeu->mode = PartieJeu::MODE_EDITEUR;
    const auto croix = [&](CPerso* p) {
        jeu->pPersoSelection = p;
        p->menuPerso->charger(grille, 32, 32, 100, 100);
        p->menuPerso->setActif(true);
        for (bool bouton : {true, false}) {
            souris.gauche = bouton;
            p->dialoguePerso(fenetre, 0, 0);
        }
    };
    const std::string derniere = monde().ias.back()->id;
    croix(socle.get());
    croix(monde().ias.back());
    SourisJeu::reinitialiser();
    monde().libererIAsRetirees();
    EXPECT_EQ(garde, nullptr) << "the guard goes with its base";
    const auto attendues = fiches();
    ASSERT_EQ(attendues.count(derniere) + attendues.count("SOCLE"), 0u) << "both gone from the level's AIs";
    ASSERT_TRUE(monde().sauverNiveau("A.niv"));
    monde().chargerNiveau("A.niv", 0);
    EXPECT_EQ(fiches(), attendues) << "the others, each by an id of its own, as they were:\n" << lireTexte("A.niv");
}

// Each kind of sprite the editor copies, copied, then its copy copied, then that copy: the ids
// are numbered from the first model's, the number that ends it left out (an exit, a tree, a
// door its author numbered, a layered character).
TEST_F(SauvegardeTest, LesCopiesDeCopiesSontNumeroteesDepuisLeModele)
{
    jeu->pIABehaviours = new CIABehaviours();  // what knows the level's ids
    std::string niveau = "TEXTURE_DEC=./decors/boite.dec;BOITE\n";
    for (const char* id : {"SORTIE", "SAPIN", "PORTE2"})
        niveau += "SD=BOITE;100;60;2;16;32;0;0;1;1;1;1;0;0;0;0;0;0;0\nIDSD=" + std::string(id) + "\n";
    ecrireFichier("n.niv", niveau + "TEXTURE_PER=./personnages/heros.per;HEROS\nIA=HEROS;100;700;0;1;1;10;0;0\nIDIA=HEROS\n");
    monde().chargerNiveau("n.niv", 0);
    // The copy's id, made from the sprite or character of that id.
    const auto copier = [&](const std::string& id) -> std::string {
        if (CPerso* ia = monde().iaParId(id)) {
            const CPerso* c = monde().copierIAEditeur(ia, 900, 700);
            return c ? c->id : "no copy";
        }
        for (CSPRITE* sd : sprites(2))
            if (sd->strID == id) {
                const CSPRITE3* c = monde().dupliquerSD(dynamic_cast<CSPRITE3*>(sd), 900, 60, &plan(2));
                return c ? c->strID : "no copy";
            }
        return "nothing of id " + id;
    };
    const std::vector<std::vector<std::string>> cas = {{"SORTIE", "SORTIE1", "SORTIE2", "SORTIE3"},
                                                       {"SAPIN", "SAPIN1", "SAPIN2", "SAPIN3"},
                                                       {"PORTE2", "PORTE1", "PORTE3", "PORTE4"},
                                                       {"HEROS", "HEROS1", "HEROS2", "HEROS3"}};
    for (const auto& ids : cas)
        for (size_t i = 1; i < ids.size(); ++i)
            EXPECT_EQ(copier(ids[i - 1]), ids[i]) << "the copy of " << ids[i - 1];
}

// Numbers that name or time things are not held to the bound of sizes: past the int range
// they read as its nearest end, and two groups of two and three million stay two groups.
TEST_F(SauvegardeTest, IdentifiantsEtTempsGardentLeurValeur)
{
    ecrireFichier("n.niv", "NOM=x;99999999999\nCHRONO=-2147483648\nTEXTURE_DEC=./decors/boite.dec;BOITE\n"
                           "SD=BOITE;200;60;2;16;32;0;0;1;1;1;1;0;0;0;0;0;1;0\nGROUPESD=2000000\n"
                           "KPG=2147483647;1;1;1;1;0;2147483647\nKP=200;60;1;1;0;255;255;255;255;0;0;-1;-1;-1;-1\n"
                           "SD=BOITE;300;60;2;16;32;0;0;1;1;1;1;0;0;0;0;0;0;0\nGROUPESD=3000000\n");
    for (const char* fichier : {"n.niv", "A.niv"}) {
        monde().chargerNiveau(fichier, 0);
        EXPECT_TRUE(monde().numNiveau == INT_MAX && monde().chrono == INT_MIN) << fichier << ": number, chrono";
        ASSERT_EQ(sprites(2).size(), 2u) << fichier;
        EXPECT_EQ(sprites(2)[0]->groupe, 2000000) << fichier;
        EXPECT_EQ(sprites(2)[1]->groupe, 3000000) << fichier << ": the groups stay apart";
        ASSERT_NE(sprites(2)[0]->pChemin, nullptr) << fichier;
        EXPECT_TRUE(sprites(2)[0]->pChemin->modeParcours == INT_MAX && sprites(2)[0]->pChemin->nbChemin == INT_MAX)
            << fichier << ": the path's numbers";
        ASSERT_TRUE(monde().sauverNiveau("A.niv"));
    }
}

// A model that only a level script's IA command names is written with the level, while the
// script runs and once a start has dropped it: reloaded, the script makes its AI.
TEST_F(SauvegardeTest, UnModeleQueSeulUnScriptNommeEstEcrit)
{
    ecrireFichier("scripts/appel.scp", "IA(\"GARDE\";700;800;0;1;1;80;1;3)\n");
    ecrireFichier("n.niv", "TEXTURE_PER=./personnages/garde.per;GARDE\nSCRIPTRUN=./scripts/appel.scp;2;0;1\n");
    monde().chargerNiveau("n.niv", 0);
    ASSERT_TRUE(monde().sauverNiveau("A.niv"));
    monde().demarrerNiveau(1);
    monde().demarrerNiveau(1);
    ASSERT_EQ(moteur().nbScripts, 0) << "a start drops trigger-2 scripts";
    ASSERT_TRUE(monde().sauverNiveau("B.niv"));
    for (const char* fichier : {"A.niv", "B.niv"})
        EXPECT_TRUE(contient(lireTexte(fichier), "\nTEXTURE_PER=./personnages/garde.per;GARDE\n")) << fichier;
    monde().chargerNiveau("B.niv", 0);
    ASSERT_TRUE(monde().ias.empty());
    for (int passe = 0; passe < 3; ++passe)  // started, then run
        moteur().lancerScripts();
    ASSERT_EQ(monde().ias.size(), 1u) << "the script made its AI";
    EXPECT_EQ(monde().ias.front()->sprite->pDEC->nom, "GARDE");
}

TEST_F(SauvegardeTest, LeModeleVideNEstJamaisRemplace)
{
    ecrireFichier("niveaux/niveau-vide.niv", "modele");
    ecrireFichier("niveaux/niveau-vide.niv.save", "ancien");
    for (const char* chemin : {"./niveaux/niveau-vide.niv", "niveaux/niveau-vide.niv", "./niveaux/../niveaux//niveau-vide.niv"}) {
        EXPECT_FALSE(monde().sauverNiveau(chemin)) << chemin;
        EXPECT_EQ(fermerBoites(), std::vector<std::string>{"ATTENTION !"}) << "the box asks for another file";
    }
    EXPECT_EQ(lireTexte("niveaux/niveau-vide.niv") + "|" + lireTexte("niveaux/niveau-vide.niv.save"), "modele|ancien");
}

TEST_F(SauvegardeTest, CopieDeLAncienFichierEtEchecs)
{
    ecrireFichier("n.niv", NIVEAU_SCRIPTS);
    monde().chargerNiveau("n.niv", 0);
    ASSERT_TRUE(monde().sauverNiveau("neuf.niv"));
    EXPECT_FALSE(std::filesystem::exists("neuf.niv.save")) << "a new file has no backup";
    const std::string premier = lireTexte("neuf.niv");
    ASSERT_TRUE(monde().sauverNiveau("neuf.niv"));
    EXPECT_EQ(lireTexte("neuf.niv"), premier) << "two saves without change are identical";
    EXPECT_EQ(lireTexte("neuf.niv.save"), premier) << "the backup is a byte copy of the old file";

    std::filesystem::create_directory("dossier.niv");
    for (const char* chemin : {"absent/n.niv", "dossier.niv"}) {
        EXPECT_FALSE(monde().sauverNiveau(chemin)) << chemin;
        EXPECT_EQ(jeu->fichierJeu, "neuf.niv") << "the level file stays the last saved one";
        EXPECT_EQ(sf::String(jeu->message).toAnsiString().rfind("Erreur : Sauvegarde du niveau", 0), 0u)
            << "the failure is shown";
    }
    FichierQuiEchoue coupe(20);
    EXPECT_FALSE(coupe.sauverNiveau("neuf.niv", monde())) << "a stream failing half-way";
    EXPECT_EQ(lireTexte("neuf.niv"), premier) << "the old file is whole";
    EXPECT_EQ(lireTexte("neuf.niv.save"), premier) << "and so is its backup";
}
