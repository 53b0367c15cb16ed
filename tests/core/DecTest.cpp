#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/Services.h"
#include "core/SetTextures.h"
#include "support/Outils.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Context.hpp>

#include <gtest/gtest.h>

namespace {

// SFML drops its shared GL context whenever the last texture goes and makes a new one on
// the next; each round leaks an X connection in Mesa, and Xvfb refuses clients after a
// few hundred. One context kept for the whole run avoids that.
void garderContexteGL()
{
    static sf::Context* contexte = new sf::Context;
    (void)contexte;
}

sf::Image motif(unsigned l, unsigned h, int graine)
{
    sf::Image image;
    image.create(l, h);
    for (unsigned y = 0; y < h; ++y)
        for (unsigned x = 0; x < l; ++x)
            image.setPixel(x, y, sf::Color(x & 255, (y * 4 + graine) & 255, (x * 7 + y + graine) & 255,
                                           (x + graine) % 2 ? 255 : 0));
    return image;
}

bool memesPixels(const sf::Image& a, const sf::Image& b, sf::IntRect zoneDeB)
{
    if (a.getSize() != sf::Vector2u(zoneDeB.width, zoneDeB.height))
        return false;
    for (int y = 0; y < zoneDeB.height; ++y)
        for (int x = 0; x < zoneDeB.width; ++x)
            if (a.getPixel(x, y) != b.getPixel(zoneDeB.left + x, zoneDeB.top + y))
                return false;
    return true;
}

// A definition with every key, over a generated 256x64 sheet and its mask sheet.
struct DefinitionComplete {
    DossierTemp d;
    sf::Image planche = motif(256, 64, 0);
    sf::Image masque = motif(256, 64, 9);
    std::string fichier = d / "arbre.dec";

    DefinitionComplete()
    {
        planche.saveToFile(d / "planche.png");
        masque.saveToFile(d / "masque.png");
        for (int n = 0; n < 2; ++n)
            motif(8, 8, 20 + n).saveToFile(d / ("feuille" + std::string(n ? "0001" : "0000") + ".png"));
        motif(4, 4, 1).saveToFile(d / "trou.png");
        motif(4, 4, 2).saveToFile(d / "bord.png");
        ecrireTexte(fichier,
                    "# arbre\r\n"
                    "ID=ARBRE\r\n"
                    "PLANCHE=" + d / "planche.png" + ";" + d / "masque.png" + "\r\n"
                    "SPRITE=0;0;4;32;48;0.5;2\r\n"
                    "SPRITE=128;48;8;16;16;1.25;0\r\n"
                    "SPRITE2=" + d / "feuille" + ";2;8;8;3;0.75;5;0;1\r\n"
                    "SPRITE3=anims/arbre.anm\r\n"
                    "TEMPS_FRAME=0.04\r\n"
                    "NUM_ANIM_DEBUT=2\r\n"
                    "ORIGINE=-1;12.5\r\n"
                    "ECHELLE=1.5;0.5\r\n"
                    "COLLISIONS=3\r\n"
                    "VISIBLE=0\r\n"
                    "POSDANSLEPLAN=1\r\n"
                    "HITBOX=1;2;3;4\r\n"
                    "DEGATS=10;20\r\n"
                    "COLOR=255;128;0;200\r\n"
                    "PLAYSON=vent;30;3\r\n"
                    "SPRITE_CREUSE=" + d / "trou.png" + ";" + d / "bord.png" + "\r\n"
                    "PARTICULESD=1.5;2;3;4\r\n"
                    "SHADERSD=eau.frag;0;;0\r\n"
                    "PLANTE=-5;5;0.5;2;1.5;3;4;5;6\r\n"
                    "SCRIPTRUN=scripts/a.txt;2;1;5\r\n"
                    "SCRIPT_DECLENCHEUR_CHRONO=12\r\n"
                    "SCRIPT_DESTROYONRELOAD=1\r\n"
                    "PHYSDESTRUCTION=1;2;3;4;5;6;1;7;8;9;10\r\n"
                    "ADD_OVER=halo;halo.png;2;-3;4;0.5;2;45;1\r\n");
    }
};

} // namespace

TEST(FichierDEC, EveryKeyAsWritten)
{
    garderContexteGL();
    DefinitionComplete def;
    CDEC dec;
    CFichierDEC& f = *dec.pFichierDEC;
    ASSERT_TRUE(f.chargerDEC(def.fichier, &dec));
    EXPECT_EQ(f.chemin, def.fichier);
    EXPECT_EQ(f.id, "ARBRE");
    EXPECT_EQ(dec.nom, "ARBRE");
    EXPECT_EQ(f.fichierSprite3, "anims/arbre.anm");
    EXPECT_EQ(f.pSprite3, nullptr);
    EXPECT_FLOAT_EQ(f.tempsFrame, 0.04f);
    EXPECT_EQ(f.largeurFrame, 8); // of the last sprite line
    EXPECT_EQ(f.hauteurFrame, 8);
    EXPECT_EQ(f.numAnimDebut, 2);
    EXPECT_FLOAT_EQ(f.origineX, -1);
    EXPECT_FLOAT_EQ(f.origineY, 12.5f);
    EXPECT_FLOAT_EQ(f.echelleX, 1.5f);
    EXPECT_FLOAT_EQ(f.echelleY, 0.5f);
    EXPECT_EQ(f.collisions, 3);
    EXPECT_FALSE(f.bVisible);
    EXPECT_TRUE(f.bPosDansLePlan);
    EXPECT_EQ(f.hitbox[0], 1);
    EXPECT_EQ(f.hitbox[3], 4);
    EXPECT_EQ(f.degats[0], 10);
    EXPECT_EQ(f.degats[1], 20);
    EXPECT_EQ(f.couleur, sf::Color(255, 128, 0, 200));
    EXPECT_EQ(f.sonNom, "vent");
    EXPECT_EQ(f.sonDelai, 30);
    EXPECT_EQ(f.sonMode, 3);
    ASSERT_NE(f.pTextureCreuse[0], nullptr);
    ASSERT_NE(f.pTextureCreuse[1], nullptr);
    EXPECT_TRUE(memesPixels(f.pTextureCreuse[1]->copyToImage(), motif(4, 4, 2), {0, 0, 4, 4}));
    EXPECT_EQ(f.ligneParticules, "1.5;2;3;4"); // no trailing CR
    EXPECT_EQ(f.ligneShaderSD, "eau.frag;0;;0");
    EXPECT_TRUE(f.bPlante);
    EXPECT_FLOAT_EQ(f.plante.angleMin, -5);
    EXPECT_FLOAT_EQ(f.plante.vitesse, 0.5f);
    EXPECT_EQ(f.plante.entier, 2);
    EXPECT_FLOAT_EQ(f.plante.reel, 1.5f);
    EXPECT_EQ(f.plante.entiers[3], 6);
    ASSERT_EQ(f.scripts.size(), 1u);
    EXPECT_EQ(f.scripts[0].fichier, "scripts/a.txt");
    EXPECT_EQ(f.scripts[0].declencheur, 2);
    EXPECT_TRUE(f.scripts[0].bFlag);
    EXPECT_EQ(f.scripts[0].maxRuns, 5);
    EXPECT_EQ(f.scripts[0].chrono, 12);
    EXPECT_TRUE(f.scripts[0].bDetruireAuRechargement);
    EXPECT_TRUE(f.bPhysDestruction);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(f.destruction[i], i == 6 ? 1 : (i < 6 ? i + 1 : i)) << i;
    ASSERT_EQ(f.overs.size(), 1u);
    const OverDEC& o = f.overs[0];
    EXPECT_EQ(o.nom, "halo");
    EXPECT_EQ(o.fichier, "halo.png");
    EXPECT_EQ(o.n, 2);
    EXPECT_EQ(o.x, -3);
    EXPECT_EQ(o.y, 4);
    EXPECT_FLOAT_EQ(o.sx, 0.5f);
    EXPECT_FLOAT_EQ(o.sy, 2);
    EXPECT_FLOAT_EQ(o.rot, 45);
    EXPECT_TRUE(o.bVisible);
}

TEST(FichierDEC, AnimationsCutFromTheSheetAndItsMask)
{
    garderContexteGL();
    DefinitionComplete def;
    CDEC dec;
    ASSERT_TRUE(dec.pFichierDEC->chargerDEC(def.fichier, &dec));
    ASSERT_EQ(dec.nbAnims, 3);
    struct Attendu { int x, y, frames, l, h; float vitesse; int boucles; };
    const Attendu attendus[2] = {{0, 0, 4, 32, 48, 0.5f, 2}, {128, 48, 8, 16, 16, 1.25f, 0}};
    for (int a = 0; a < 2; ++a) {
        const Attendu& e = attendus[a];
        const CSetTextures* set = dec.trouverAnim(a);
        ASSERT_NE(set, nullptr);
        ASSERT_EQ(set->nbTextures, e.frames);
        ASSERT_EQ(set->nbImages, e.frames);
        EXPECT_EQ(set->largeur, e.l);
        EXPECT_EQ(set->hauteur, e.h);
        EXPECT_FLOAT_EQ(set->vitesse, e.vitesse);
        EXPECT_EQ(set->nbBoucles, e.boucles);
        for (int k = 0; k < e.frames; ++k) {
            const sf::IntRect zone(e.x + k * e.l, e.y, e.l, e.h);
            EXPECT_TRUE(memesPixels(set->textures.at(k)->copyToImage(), def.planche, zone)) << a << "/" << k;
            EXPECT_TRUE(memesPixels(*set->images.at(k), def.masque, zone)) << a << "/" << k;
        }
    }
    const CSetTextures* seq = dec.trouverAnim(2);
    ASSERT_NE(seq, nullptr);
    EXPECT_EQ(seq->nbTextures, 2);
    EXPECT_EQ(seq->nbImages, 2); // mask mode 3: red where the frame is visible
    EXPECT_EQ(seq->largeur, 8);
    EXPECT_FLOAT_EQ(seq->vitesse, 0.75f);
    EXPECT_EQ(seq->nbBoucles, 5);
    EXPECT_TRUE(seq->bAllerRetour);
    EXPECT_EQ(seq->images.at(0)->getPixel(1, 0), sf::Color::Red);
    EXPECT_EQ(dec.nbFramesAnim(1), 8);
    EXPECT_EQ(dec.nbFramesAnim(7), 0);
}

TEST(FichierDEC, ReadingAgainReplacesInsteadOfAdding)
{
    garderContexteGL();
    DefinitionComplete def;
    CDEC dec;
    CFichierDEC& f = *dec.pFichierDEC;
    ASSERT_TRUE(f.chargerDEC(def.fichier, &dec));
    CSetTextures* premier = dec.anims.at(0);
    ASSERT_TRUE(f.chargerDEC(def.fichier, &dec));
    EXPECT_EQ(f.scripts.size(), 1u);
    EXPECT_EQ(f.overs.size(), 1u);
    EXPECT_EQ(dec.nbAnims, 3);
    EXPECT_EQ(dec.anims.size(), 3u);
    EXPECT_EQ(dec.anims.at(0), premier); // the set stays, its frames are refilled
    EXPECT_EQ(premier->nbTextures, 4);

    // A second file without those keys gets the defaults back.
    ecrireTexte(def.d / "nu.dec", "ID=NU\nSPRITE=0;0;1;8;8;1;0\n");
    ASSERT_TRUE(f.chargerDEC(def.d / "nu.dec", &dec));
    EXPECT_EQ(f.id, "NU");
    EXPECT_EQ(dec.nom, "ARBRE"); // a name given before stays
    EXPECT_TRUE(f.scripts.empty());
    EXPECT_TRUE(f.overs.empty());
    EXPECT_TRUE(f.bVisible);
    EXPECT_FALSE(f.bPlante);
    EXPECT_EQ(f.pTextureCreuse[0], nullptr);
    EXPECT_TRUE(f.ligneParticules.empty());
    EXPECT_EQ(f.couleur, sf::Color::White);
    EXPECT_EQ(dec.nbAnims, 1);
}

TEST(FichierDEC, MissingFileKeepsWhatWasRead)
{
    garderContexteGL();
    DefinitionComplete def;
    CDEC dec;
    CFichierDEC& f = *dec.pFichierDEC;
    ASSERT_TRUE(f.chargerDEC(def.fichier, &dec));
    EXPECT_FALSE(f.chargerDEC(def.d / "absent.dec", &dec));
    EXPECT_EQ(f.chemin, def.fichier);
    EXPECT_EQ(f.scripts.size(), 1u);
    EXPECT_EQ(dec.nbAnims, 3);

    EXPECT_EQ(f.lireIdDEC(def.fichier), "ARBRE");
    EXPECT_EQ(f.lireIdDEC(def.d / "absent.dec"), "");
    ecrireTexte(def.d / "deux.dec", "ID=UN\nCOLLISIONS=1\nID=DEUX\n");
    EXPECT_EQ(f.lireIdDEC(def.d / "deux.dec"), "DEUX");
    EXPECT_EQ(f.collisions, 3); // reading the ID leaves the definition alone
}

TEST(FichierDEC, ShortLinesAndSingleNames)
{
    garderContexteGL();
    DossierTemp d;
    motif(16, 16, 0).saveToFile(d / "p.png");
    ecrireTexte(d / "c.dec", "PLANCHE=" + d / "p.png" + "\nSPRITE2=VIDE\nSPRITE=0;0;2;8\n"
                             "SPRITE_CREUSE=" + d / "p.png" + "\nSCRIPT_DECLENCHEUR_CHRONO=4\nECHELLE=2\n");
    CDEC dec;
    CFichierDEC& f = *dec.pFichierDEC;
    ASSERT_TRUE(f.chargerDEC(d / "c.dec", &dec));
    EXPECT_EQ(f.masque, "");
    EXPECT_EQ(dec.pMasquePlanche, nullptr);
    EXPECT_NE(f.pTextureCreuse[0], nullptr);
    EXPECT_EQ(f.pTextureCreuse[1], nullptr);
    EXPECT_TRUE(f.scripts.empty()); // a chrono before any SCRIPTRUN applies to nothing
    EXPECT_FLOAT_EQ(f.echelleY, 2); // the last value repeats
    ASSERT_EQ(dec.nbAnims, 2);
    EXPECT_EQ(dec.nbFramesAnim(0), 0); // "VIDE"
    // "SPRITE=0;0;2;8": the height and the rest repeat the width.
    EXPECT_EQ(dec.trouverAnim(1)->hauteur, 8);
    EXPECT_EQ(dec.nbFramesAnim(1), 2);
}

TEST(FichierDEC, BadFilesNeverCrash)
{
    garderContexteGL();
    DossierTemp d;
    std::string binaire;
    for (int i = 0; i < 4096; ++i)
        binaire += static_cast<char>((i * 2654435761u) >> 13);
    const std::string contenus[] = {
        "",
        "SPRITE=0;0;3",                         // truncated
        "ID=A\nSPRITE2=x;99999999;99999;9999;1;1;0;2147483647;1\nCOLOR=999;-4\n",
        "PLANCHE=/dev/null;/dev/null\nSPRITE=-100;-100;3;64;64;1;0\nADD_OVER\nSCRIPTRUN=",
        binaire,
        "SPRITE=" + binaire,
    };
    int n = 0;
    for (const std::string& contenu : contenus) {
        const std::string fichier = d / ("f" + std::to_string(n++) + ".dec");
        ecrireTexte(fichier, contenu);
        CDEC dec;
        EXPECT_TRUE(dec.pFichierDEC->chargerDEC(fichier, &dec)) << n;
        dec.pFichierDEC->lireIdDEC(fichier);
        CFichierDEC seul;
        EXPECT_TRUE(seul.chargerDEC(fichier, nullptr)) << n;
    }
}

TEST(CDEC, BankOperations)
{
    garderContexteGL();
    int crees = 0, detruits = 0;
    auto creer = g_services.creerPersoDef;
    auto detruire = g_services.detruirePersoDef;
    static char objet;
    g_services.creerPersoDef = [&](CDEC*) { ++crees; return reinterpret_cast<CPersoDef*>(&objet); };
    g_services.detruirePersoDef = [&](CPersoDef* p) { detruits += p == reinterpret_cast<CPersoDef*>(&objet); };
    {
        CDEC dec;
        EXPECT_NE(dec.pFichierDEC, nullptr);
        EXPECT_EQ(crees, 1);
        dec.planche = motif(64, 32, 0);
        // A number asked for and missing comes back empty.
        EXPECT_EQ(dec.anim(5).nbTextures, 0);
        EXPECT_EQ(dec.nbAnims, 0);
        dec.ajouterAnim(0, 0, 16, 16, 2, 1.0f, 4);
        dec.ajouterAnimDec(32, 16, 2, 16, 16, 2.0f, 0);
        ASSERT_EQ(dec.nbAnims, 2);
        EXPECT_EQ(dec.trouverAnim(0)->nbBoucles, 4);
        EXPECT_TRUE(memesPixels(dec.trouverAnim(1)->textures.at(1)->copyToImage(), dec.planche, {48, 16, 16, 16}));
        dec.setAnimUnique(16, 0, 8, 8, 1, 0.5f);
        EXPECT_EQ(dec.nbAnims, 1);
        EXPECT_EQ(dec.nbFramesAnim(0), 1);
        EXPECT_TRUE(dec.trouverAnim(1)->textures.empty());
        dec.ajouterFrames("a", "b", 1, 2, 3, 1.f, 2.f, 3.f, 4.f, 4, 5, 6);
        ASSERT_EQ(dec.nbFrames, 1);
        EXPECT_EQ(dec.frames[0].s2, "b");
        EXPECT_EQ(dec.frames[0].i6, 6);
        EXPECT_TRUE(dec.frames[0].bAvantPlan);
        // A sheet that fails to load leaves an empty sheet, not stale dimensions.
        dec.chargerPlanche("/absent.png", "/absent2.png");
        EXPECT_EQ(dec.planche.getSize(), sf::Vector2u(0, 0));
        EXPECT_EQ(dec.pMasquePlanche, nullptr);
        dec.ajouterAnim(0, 0, 16, 16, 1, 1.0f, 0);
    }
    EXPECT_EQ(detruits, 1);
    g_services.creerPersoDef = creer;
    g_services.detruirePersoDef = detruire;
}
