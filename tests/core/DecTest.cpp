#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/Services.h"
#include "core/SetTextures.h"
#include "support/Outils.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector3.hpp>

#include <gtest/gtest.h>

namespace {

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
        motif(8, 8, 20).saveToFile(d / "feuille0000.png");
        motif(8, 8, 21).saveToFile(d / "feuille0001.png");
        motif(4, 4, 2).saveToFile(d / "trou.png");
        ecrireTexte(fichier, "# arbre\r\nID=ARBRE\r\n"
                             "PLANCHE=" + d / "planche.png" + ";" + d / "masque.png" + "\r\n"
                             "SPRITE=0;0;4;32;48;0.5;2\r\nSPRITE=128;48;8;16;16;1.25;0\r\n"
                             "SPRITE2=" + d / "feuille" + ";2;8;8;3;0.75;5;0;1\r\n"
                             "SPRITE3=anims/arbre.anm\r\nTEMPS_FRAME=0.04\r\nNUM_ANIM_DEBUT=2\r\n"
                             "ORIGINE=-1;12.5\r\nECHELLE=1.5;0.5\r\nCOLLISIONS=3\r\nVISIBLE=0\r\n"
                             "POSDANSLEPLAN=1\r\nHITBOX=1;2;3;4\r\nDEGATS=10;20\r\nCOLOR=255;128;0;200\r\n"
                             "PLAYSON=vent;30;3\r\nSPRITE_CREUSE=" + d / "trou.png" + ";" + d / "trou.png" + "\r\n"
                             "PARTICULESD=1.5;2;3;4\r\nSHADERSD=eau.frag;0;;0\r\n"
                             "PLANTE=-5;5;0.5;2;1.5;3;4;5;6\r\n"
                             "SCRIPTRUN=scripts/a.txt;2;1;5\r\nSCRIPT_DECLENCHEUR_CHRONO=12\r\n"
                             "SCRIPT_DESTROYONRELOAD=1\r\nPHYSDESTRUCTION=1;2;3;4;5;6;1;7;8;9;10\r\n"
                             "ADD_OVER=halo;halo.png;2;-3;4;0.5;2;45;1\r\n");
    }
};

} // namespace

TEST(SetTextures, SequenceNamesMasksAndVide)
{
    EXPECT_EQ(CSetTextures::nomFichierFrame("P", 10000, 2), "P10000.png");
    EXPECT_EQ(CSetTextures::nomFichierFrame("seul.png", 0, 1), "seul.png");
    EXPECT_EQ(CSetTextures::nomFichierMasque("seul.png", 0, 1), "");
    DossierTemp d;
    const std::string p = d / "P";
    for (int n = 8; n <= 10; ++n) {
        motif(4, 3, n).saveToFile(p + "00" + (n < 10 ? "0" : "") + std::to_string(n) + ".png");
        motif(4, 3, 100 + n).saveToFile(p + "masque_00" + (n < 10 ? "0" : "") + std::to_string(n) + ".png");
    }
    CSetTextures set;
    EXPECT_EQ(set.chargerSequence(p, 3, 4, 3, 4, 0.25f, 2, 8, true), 0);
    ASSERT_EQ(set.nbTextures, 3);
    ASSERT_EQ(set.nbImages, 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(memesPixels(set.textures.at(k)->copyToImage(), motif(4, 3, 8 + k), {0, 0, 4, 3}));
        EXPECT_TRUE(memesPixels(*set.images.at(k), motif(4, 3, 108 + k), {0, 0, 4, 3}));
    }
    EXPECT_EQ(set.hauteur, 3);
    EXPECT_EQ(set.nbBoucles, 2);
    EXPECT_TRUE(set.bAllerRetour);

    EXPECT_EQ(set.chargerSequence("VIDE", 5, 10, 10, 0, 2.0f, 3, 0, false), 1);
    EXPECT_EQ(set.nbTextures, 3);
    EXPECT_FLOAT_EQ(set.vitesse, 0.25f);
    // vider frees the frames; the counts stay until the next fill.
    set.vider();
    EXPECT_TRUE(set.textures.empty() && set.images.empty());
    EXPECT_EQ(set.nbTextures, 3);
}

TEST(SetTextures, SequenceMaskColoursSingleFrameAndMissingFiles)
{
    DossierTemp d;
    sf::Image frame;
    frame.create(4, 2, sf::Color::Transparent);
    frame.setPixel(3, 1, sf::Color(10, 20, 30, 128));
    frame.saveToFile(d / "f.png");
    const sf::Color attendu[] = {sf::Color::Blue, sf::Color::Green, sf::Color::Red, sf::Color(10, 20, 30, 255)};
    for (int mode : {0, 1, 2, 3, 7}) {
        CSetTextures set; // one frame: the name is the file itself
        set.chargerSequence(d / "f.png", 1, 4, 2, mode, 1.0f, 0, 0, false);
        ASSERT_EQ(set.nbTextures, 1);
        EXPECT_EQ(set.textures.at(0)->getSize(), sf::Vector2u(4, 2));
        ASSERT_EQ(set.nbImages, mode ? 1 : 0);
        if (mode) {
            EXPECT_EQ(set.images.at(0)->getPixel(0, 1), sf::Color::Transparent) << mode;
            EXPECT_EQ(set.images.at(0)->getPixel(3, 1), attendu[std::min(mode, 4) - 1]) << mode;
        }
    }
    // Missing files are still counted; a missing mask is empty, whatever size the line asks.
    CSetTextures absent;
    absent.chargerSequence(d / "absent", 2, 4096, 4096, 4, 1.0f, 0, 0, false);
    ASSERT_EQ(absent.nbImages, 2);
    EXPECT_EQ(absent.nbTextures, 2);
    EXPECT_EQ(absent.images.at(1)->getSize(), sf::Vector2u(0, 0)) << "no 64 MB of black for a missing file";
}

TEST(SetTextures, DecouperInsideAndPastTheSheet)
{
    CDEC banque;
    banque.planche = motif(256, 64, 0);
    CSetTextures set;
    set.bAllerRetour = true;
    EXPECT_EQ(set.decouper(&banque, 64, 0, 4, 32, 48, 0.5f, 3), 0);
    ASSERT_EQ(set.nbTextures, 4);
    EXPECT_EQ(set.nbImages, 0); // no mask sheet
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(memesPixels(set.textures.at(k)->copyToImage(), banque.planche, {64 + 32 * k, 0, 32, 48})) << k;
    EXPECT_TRUE(set.bAllerRetour); // kept

    // Frame 1 runs past the right edge, frame 2 lies wholly outside; masks keep the
    // frame size and what the mask sheet lacks stays opaque black.
    banque.planche = motif(64, 16, 0);
    banque.pMasquePlanche = new sf::Image(motif(64, 16, 50));
    set.vider();
    set.decouper(&banque, 40, 8, 3, 16, 16, 1.0f, 0);
    ASSERT_EQ(set.nbImages, 3);
    EXPECT_TRUE(memesPixels(set.textures.at(0)->copyToImage(), banque.planche, {40, 8, 16, 8}));
    EXPECT_EQ(set.textures.at(1)->getSize(), sf::Vector2u(8, 8));
    EXPECT_EQ(set.textures.at(2)->getSize(), sf::Vector2u(0, 0));
    const sf::Image& masque = *set.images.at(1);
    EXPECT_EQ(masque.getSize(), sf::Vector2u(16, 16));
    EXPECT_EQ(masque.getPixel(0, 0), banque.pMasquePlanche->getPixel(56, 8));
    EXPECT_EQ(masque.getPixel(8, 0), sf::Color::Black);

    // Empty frames, no bank, overflowing positions and absurd sizes neither crash nor hang.
    set.vider();
    set.decouper(&banque, 0, 0, 2, 0, 16, 1.0f, 0);
    EXPECT_EQ(set.textures.at(0)->getSize(), sf::Vector2u(0, 0));
    set.vider();
    set.decouper(nullptr, 0, 0, 2, 8, 8, 1.0f, 0);
    EXPECT_EQ(set.nbTextures, 2);
    set.vider();
    set.decouper(&banque, 2147483000, 0, 1000, 4000, 8, 1.0f, 0);
    EXPECT_EQ(set.nbTextures, 1000);
    set.vider();
    set.decouper(&banque, 0, 0, 2000000000, 8, 8, 1.0f, 0);
    EXPECT_EQ(set.nbTextures, 0);
    set.chargerSequence("x", 3, 100000, 100000, 1, 1.0f, 0, 0, false);
    EXPECT_EQ(set.nbImages, 0);
}

// Every mask frame is a frame-sized image, even past the mask sheet: the lines of a bank
// together stay within its bound; a line past it makes no frame, and the console says so once;
// a refilled line counts once.
TEST(Dec, MasksOfAllLinesBoundedTogether)
{
    CDEC banque;
    banque.nom = "B";
    banque.planche = motif(8, 8, 0);
    banque.pMasquePlanche = new sf::Image(motif(8, 8, 1));
    testing::internal::CaptureStderr();
    banque.ajouterAnimDec(0, 0, 2, 1024, 4096, 1.0f, 0);  // 8 Mpixels: half the bound
    banque.ajouterAnimDec(0, 0, 2, 4096, 1024, 1.0f, 0);  // the other half
    banque.ajouterAnimDec(0, 0, 1, 1, 1, 1.0f, 0);        // one pixel too many
    banque.ajouterAnimDec(0, 0, 1, 1, 1, 1.0f, 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Image bank B: masks past 16 Mpixels: animation 2 and the lines past the bound have no image\n")
        << "one line for the bank";
    EXPECT_EQ(banque.nbFramesAnim(0), 2);
    EXPECT_EQ(banque.nbFramesAnim(1), 2) << "the bound is for all lines, reached exactly";
    EXPECT_EQ(banque.nbFramesAnim(2), 0) << "a line past the bound made masks";
    banque.nbAnims = 0;
    banque.ajouterAnimDec(0, 0, 2, 1024, 4096, 1.0f, 0);
    EXPECT_EQ(banque.nbFramesAnim(0), 2) << "the masks a line replaces were counted";
}

TEST(FichierDEC, EveryKeyAsWritten)
{
    DefinitionComplete def;
    CDEC dec;
    CFichierDEC& f = *dec.pFichierDEC;
    ASSERT_TRUE(f.chargerDEC(def.fichier, &dec));
    EXPECT_EQ(f.chemin, def.fichier);
    EXPECT_EQ(f.id + dec.nom + f.fichierSprite3, "ARBREARBREanims/arbre.anm");
    EXPECT_FLOAT_EQ(f.tempsFrame, 0.04f);
    EXPECT_EQ(f.largeurFrame * 100 + f.hauteurFrame, 808); // of the last sprite line
    EXPECT_EQ(f.numAnimDebut, 2);
    EXPECT_EQ(sf::Vector2f(f.origineX, f.origineY), sf::Vector2f(-1, 12.5f));
    EXPECT_EQ(sf::Vector2f(f.echelleX, f.echelleY), sf::Vector2f(1.5f, 0.5f));
    EXPECT_EQ(f.collisions, 3);
    EXPECT_FALSE(f.bVisible);
    EXPECT_TRUE(f.bPosDansLePlan);
    EXPECT_EQ(std::vector<int>(f.hitbox, f.hitbox + 4), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(std::vector<int>(f.degats, f.degats + 2), (std::vector<int>{10, 20}));
    EXPECT_EQ(f.couleur, sf::Color(255, 128, 0, 200));
    EXPECT_EQ(f.sonNom + "/" + std::to_string(f.sonDelai) + "/" + std::to_string(f.sonMode), "vent/30/3");
    ASSERT_NE(f.pTextureCreuse[0], nullptr);
    ASSERT_NE(f.pTextureCreuse[1], nullptr);
    EXPECT_TRUE(memesPixels(f.pTextureCreuse[1]->copyToImage(), motif(4, 4, 2), {0, 0, 4, 4}));
    EXPECT_EQ(f.ligneParticules, "1.5;2;3;4"); // no trailing CR
    EXPECT_EQ(f.ligneShaderSD, "eau.frag;0;;0");
    EXPECT_TRUE(f.bPlante);
    EXPECT_FLOAT_EQ(f.plante.angleMin + f.plante.angleMax + f.plante.vitesse + f.plante.reel, 2);
    EXPECT_EQ(f.plante.entier * 10000 + f.plante.entiers[0] * 1000 + f.plante.entiers[3], 23006);
    ASSERT_EQ(f.scripts.size(), 1u);
    const ScriptRunDEC& s = f.scripts[0];
    EXPECT_EQ(s.fichier, "scripts/a.txt");
    EXPECT_EQ(std::vector<int>({s.declencheur, s.bFlag, s.maxRuns, s.chrono, s.bDetruireAuRechargement}),
              (std::vector<int>{2, 1, 5, 12, 1}));
    EXPECT_TRUE(f.bPhysDestruction);
    EXPECT_EQ(std::vector<int>(f.destruction, f.destruction + 11),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 1, 7, 8, 9, 10}));
    ASSERT_EQ(f.overs.size(), 1u);
    const OverDEC& o = f.overs[0];
    EXPECT_EQ(o.nom + "/" + o.fichier, "halo/halo.png");
    EXPECT_EQ(std::vector<int>({o.n, o.x, o.y, o.bVisible}), (std::vector<int>{2, -3, 4, 1}));
    EXPECT_EQ(sf::Vector3f(o.sx, o.sy, o.rot), sf::Vector3f(0.5f, 2, 45));
}

TEST(FichierDEC, AnimationsCutFromTheSheetAndItsMask)
{
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
        EXPECT_EQ(sf::Vector2i(set->largeur, set->hauteur), sf::Vector2i(e.l, e.h));
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
    EXPECT_EQ(seq->nbTextures + seq->nbImages, 4);
    EXPECT_FLOAT_EQ(seq->vitesse, 0.75f);
    EXPECT_EQ(seq->nbBoucles, 5);
    EXPECT_TRUE(seq->bAllerRetour);
    EXPECT_EQ(seq->images.at(0)->getPixel(1, 0), sf::Color::Red); // mask mode 3
}

TEST(FichierDEC, ReadingAgainReplacesInsteadOfAdding)
{
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
    EXPECT_EQ(premier->textures.size(), 4u);

    // A missing file changes nothing; another file without those keys gets the defaults.
    EXPECT_FALSE(f.chargerDEC(def.d / "absent.dec", &dec));
    EXPECT_FALSE(f.chargerDEC(def.d.str(), &dec)); // a folder, as an empty name gives
    EXPECT_EQ(f.scripts.size(), 1u);
    ecrireTexte(def.d / "nu.dec", "ID=UN\nSPRITE=0;0;1;8;8;1;0\nID=NU\n");
    ASSERT_TRUE(f.chargerDEC(def.d / "nu.dec", &dec));
    EXPECT_EQ(f.id, "NU");
    EXPECT_EQ(dec.nom, "ARBRE"); // a name given before stays
    EXPECT_TRUE(f.scripts.empty() && f.overs.empty() && f.ligneParticules.empty());
    EXPECT_TRUE(f.bVisible);
    EXPECT_FALSE(f.bPlante);
    EXPECT_EQ(f.pTextureCreuse[0], nullptr);
    EXPECT_EQ(f.couleur, sf::Color::White);
    EXPECT_EQ(dec.nbAnims, 1);

    EXPECT_EQ(f.lireIdDEC(def.fichier), "ARBRE");
    EXPECT_EQ(f.lireIdDEC(def.d / "nu.dec"), "NU"); // the last ID wins
    EXPECT_EQ(f.lireIdDEC(def.d / "absent.dec"), "");
    EXPECT_EQ(f.id, "NU"); // reading an ID leaves the definition alone
}

TEST(FichierDEC, ShortLinesAndBadFiles)
{
    DossierTemp d;
    motif(16, 16, 0).saveToFile(d / "p.png");
    ecrireTexte(d / "c.dec", "PLANCHE=" + d / "p.png" + "\nSPRITE2=VIDE\nSPRITE=0;0;2;8\n"
                             "SPRITE_CREUSE=" + d / "p.png" + "\nSCRIPT_DECLENCHEUR_CHRONO=4\nECHELLE=2\n");
    CDEC dec;
    CFichierDEC& f = *dec.pFichierDEC;
    ASSERT_TRUE(f.chargerDEC(d / "c.dec", &dec));
    EXPECT_EQ(dec.pMasquePlanche, nullptr); // one name: no mask sheet
    EXPECT_NE(f.pTextureCreuse[0], nullptr);
    EXPECT_EQ(f.pTextureCreuse[1], nullptr);
    EXPECT_TRUE(f.scripts.empty()); // a chrono before any SCRIPTRUN applies to nothing
    EXPECT_FLOAT_EQ(f.echelleY, 2);  // the last value repeats
    ASSERT_EQ(dec.nbAnims, 2);
    EXPECT_EQ(dec.nbFramesAnim(0), 0); // "VIDE"
    EXPECT_EQ(dec.trouverAnim(1)->hauteur, 8);
    EXPECT_EQ(dec.nbFramesAnim(1), 2);

    std::string binaire;
    for (unsigned i = 0; i < 4096; ++i)
        binaire += static_cast<char>((i * 2654435761u) >> 13);
    const std::string contenus[] = {
        "", "SPRITE=0;0;3", binaire, "SPRITE=" + binaire,
        "ID=A\nSPRITE2=x;99999999;99999;9999;1;1;0;2147483647;1\nCOLOR=999;-4\n",
        "PLANCHE=/dev/null;/dev/null\nSPRITE=-100;-100;3;64;64;1;0\nADD_OVER\nSCRIPTRUN=",
    };
    int n = 0;
    for (const std::string& contenu : contenus) {
        const std::string fichier = d / ("f" + std::to_string(n++) + ".dec");
        ecrireTexte(fichier, contenu);
        CDEC autre;
        EXPECT_TRUE(autre.pFichierDEC->chargerDEC(fichier, &autre)) << n;
        CFichierDEC seul;
        EXPECT_TRUE(seul.chargerDEC(fichier, nullptr)) << n;
    }
}

// A value the reader corrects or cannot take, and each value a short line lacks, is named
// with its file and line; what would hide the sprite is bounded.
TEST(FichierDEC, BadValuesAndShortLinesNamed)
{
    DossierTemp d;
    motif(16, 16, 0).saveToFile(d / "p.png");
    const struct { std::string ligne, note; } cas[] = {
        {"SPRITE=0;0;3;32;-40;1;0", "SPRITE valeur 5 «-40» négative, lue comme 40"},
        {"SPRITE2=x;2;-8;8;0;1;0;1;0", "SPRITE2 valeur 3 «-8» négative, lue comme 8"},
        {"ORIGINE=abc;64", "ORIGINE valeur 1 «abc» pas un nombre, lue comme -1 (la moitié de la frame)"},
        {"PHYSDESTRUCTION=1;-5;0;0;0;0;1;255;0;0;255", "PHYSDESTRUCTION valeur 2 «-5» résistance négative, lue comme 0"},
        {"HITBOX=6;8", "HITBOX valeurs 3 à 4 absentes, lues comme «8»"},
        {"ECHELLE=2", "ECHELLE valeur 2 absente, lue comme «2»"},
        {"SPRITE=0;0;3;32;40;1;0", ""},
        // A crate that breaks into an animation the file lacks would vanish instead.
        {"PHYSDESTRUCTION=1;30;1;0;0;0;0;255;140;100;255",
         "PHYSDESTRUCTION valeur 3 «1» animation absente du fichier (il en a 0), le sprite cassé disparaît"},
        {"COLLISIONS=1;2", "COLLISIONS valeur 2 «2» en trop, non lue"},
        {"ORIGIN=1;2", "ORIGIN clé inconnue, ligne non lue"},
    };
    for (const auto& c : cas) {
        const std::string fichier = d / "c.dec";
        ecrireTexte(fichier, "PLANCHE=" + d / "p.png" + "\n" + c.ligne + "\n");
        CDEC dec;
        CFichierDEC& f = *dec.pFichierDEC;
        ASSERT_TRUE(f.chargerDEC(fichier, &dec));
        const std::vector<std::string> attendu = c.note.empty() ? std::vector<std::string>{}
                                                                : std::vector<std::string>{fichier + ":2: " + c.note};
        EXPECT_EQ(f.notes.notes(), attendu) << c.ligne;
    }
    CFichierDEC f;
    ecrireTexte(d / "c.dec", "SPRITE=0;0;3;32;-40;1;0\nORIGINE=abc;64\nPHYSDESTRUCTION=1;-5\nHITBOX=6;8\n");
    ASSERT_TRUE(f.chargerDEC(d / "c.dec", nullptr));
    EXPECT_EQ(f.hauteurFrame, 40) << "a negative frame height draws nothing";
    EXPECT_EQ(sf::Vector2f(f.origineX, f.origineY), sf::Vector2f(-1, 64)) << "the origin's first value";
    EXPECT_EQ(f.destruction[1], 0) << "the resistance";
    EXPECT_EQ(std::vector<int>(f.hitbox, f.hitbox + 4), (std::vector<int>{6, 8, 8, 8})) << "the last value repeats";
}

TEST(CDEC, BankOperations)
{
    int crees = 0, detruits = 0;
    const auto creer = g_services.creerPersoDef;
    const auto detruire = g_services.detruirePersoDef;
    static char objet;
    CPersoDef* persoDef = reinterpret_cast<CPersoDef*>(&objet);
    g_services.creerPersoDef = [&](CDEC*) { ++crees; return persoDef; };
    g_services.detruirePersoDef = [&](CPersoDef* p) { detruits += p == persoDef; };
    {
        CDEC dec;
        EXPECT_EQ(crees, 1);
        dec.planche = motif(64, 32, 0);
        EXPECT_EQ(dec.anim(5).nbTextures, 0); // asked for and missing: created empty
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
