// The shipped game played in process, as a player would: from the first menu through a
// level to its end screen, driven by conditions on the game's state (never a timeline),
// each step with its own timeout; and every shipped menu drawn as a player sees it.
#include "support/Partie.h"

#include "characters/Inventaire.h"
#include "characters/OptionsMulti.h"
#include "game/JeuHUD.h"
#include "level/Vue.h"
#include "menus/JeuMenus.h"
#include "menus/MenuTypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The first adventure level played to its end; the frames from the first move to the win.
long gagnerLePremierNiveau(Partie& p)
{
    if (!p.jusquAuNiveau(3, IdMenu::CHOIX_AVENTURE) ||
        !p.jouer(true, [&] { return p.jeu->pdecor->niveauFini; }, 6000))
        return -1;
    return p.images - p.debut;
}

} // namespace

TEST(Partie, LePremierNiveauGagneSauveSonTempsEtLaProgression)
{
    Partie p;
    ASSERT_TRUE(p.demarrer());
    CSFMLJeu& j = *p.jeu;
    CJeuMenus& m = p.menus();
    const long images = gagnerLePremierNiveau(p);
    ASSERT_GE(images, 0) << p.echec;
    for (CSPRITE* zone : p.marqueurs("PILOTE_TIRER"))
        EXPECT_FALSE(p.ennemiDans(zone->getBoite())) << "the guard was shot";
    EXPECT_TRUE(p.hudVu) << "the HUD during play";
    ASSERT_TRUE(p.menu(IdMenu::VICTOIRE, 600)) << p.echec;
    const auto journal = p.textesDessines();
    p.dernierImage.saveToFile((p.ancien / "victoire_aventure01.png").string());

    EXPECT_EQ(m.nbLignes, 5) << "the lines of fr_menu_victoire.mnu";
    ASSERT_GE(m.lignes.size(), 4u);
    EXPECT_EQ(m.lignes[2]->pTexte1->getString(), "Niveau suivant") << "French victory menu";
    EXPECT_EQ(m.ligneActive, 0) << "the cursor on the first selectable line";
    EXPECT_EQ(p.dessineDans(journal, L"Premiers pas terminé avec succès !", p.panneau(IdMenu::VICTOIRE)), "");
    std::wstring textes;
    for (const auto& t : journal)
        textes += t.chaine + L"|";
    EXPECT_NE(textes.find(L"|" + std::to_wstring(j.tempsNiveau) + L"|"), std::wstring::npos) << "the time is shown";

    const double secondes = static_cast<double>(images) / 30.0;
    EXPECT_LE(std::abs(j.tempsNiveau - secondes), 1.0) << "saved " << j.tempsNiveau << " s, played " << secondes << " s";
    const std::string premier = "SCORE=1;" + std::to_string(j.tempsNiveau) + ";TESTEUR;" + std::to_string(j.nbEtoiles) +
                                ";" + (j.bSansFaute ? "1" : "0") + "\n";
    EXPECT_EQ(lireTexte("niveaux/scores_aventure.scr"), premier + "SCORE=1;999;---;0;0\nSCORE=0;999;---;0;0\n")
        << "level 1 won, level 2 unlocked, level 3 locked as created";
    EXPECT_EQ(lireTexte("niveaux/progression.ini"), "NIVEAU_COURANT=1\n");
    EXPECT_EQ(lireTexte("niveaux/joueurs.ini"), "JOUEUR_ACTIF=0\nJOUEUR=TESTEUR\n");
    EXPECT_EQ(lireTexte("langue.ini"), "LANGUE=fr_\n");

    ASSERT_TRUE(p.choisir(2) && p.menu(1000)) << p.echec;
    EXPECT_EQ(m.titreNiveau(), sf::String(L"Les grottes")) << "menu 1000 names level 2";
    EXPECT_EQ(j.pdecorJeu->nomNiveau, L"Les grottes") << "level 2 is loaded behind it";
}

// Waiting before the guard without shooting, the guard made a shooter in the copy (the
// tutorial's guard only wakes when hit) and the hero one of its shots from death (whether a
// full life lasts the walk past it depends on the level's random draws): the hero falls, menu
// 210 opens, and "restart from the start" puts a living hero back at the level's start.
TEST(Partie, UneDefaiteOuvreLeMenuDEchec)
{
    Partie p;
    ASSERT_TRUE(p.remplacer("personnages/garde.per", "\nIA=1\n", "\nIA=100\n"));
    ASSERT_TRUE(p.remplacer("personnages/heros.per", "\nVIE=100;100\n", "\nVIE=10;10\n"));
    ASSERT_TRUE(p.demarrer());
    ASSERT_TRUE(p.jusquAuNiveau(3, IdMenu::CHOIX_AVENTURE)) << p.echec;
    ASSERT_TRUE(p.jouer(false, [&] { return p.menus().idMenu == IdMenu::ECHEC_AVENTURE; }, 3000)) << p.echec;
    p.tenir(sf::Keyboard::Right, false);
    ASSERT_TRUE(p.choisir(3)) << p.echec;
    EXPECT_TRUE(p.etape("restart", [&] {
        CPerso* h = p.jeu->pPerso;
        return p.jeu->mode == 1 && !p.jeu->pdecor->niveauFini && h && h->vie > 0 && h->sprite->x < 400;
    }, 300)) << p.echec;
}

// The guide's speech bubble, where the script engine draws it on the window, and the guide's
// portrait beside it.
const sf::FloatRect BULLE(250, 470, 540, 185), PORTRAIT(50, 515, 46, 50);

// Each chrono level with a short chrono in the copy: while the guide's first words show (the
// first 100 frames), the first hero stands clear of the bubble and of the portrait; one step,
// the HUD (the player's name top right of the chrono panel) still there 50 frames later, then
// the time runs out.
TEST(Partie, LeChronoEcouleOuvreLeMenu21)
{
    for (const int niveau : {1, 2}) {
        Partie p;
        const std::string nom = "level " + std::to_string(niveau);
        ASSERT_TRUE(p.remplacer("niveaux/chrono0" + std::to_string(niveau) + "/niveau.niv", "\nCHRONO=[0-9]+",
                                "\nCHRONO=3"));
        ecrireTexte(p.dossier / "niveaux/scores.scr", "SCORE=1;999;---;0;0\nSCORE=1;999;---;0;0\n");
        ASSERT_TRUE(p.demarrer());
        ASSERT_TRUE(p.jusquAuNiveau(4, IdMenu::CHOIX_CHRONO, niveau)) << nom << ": " << p.echec;
        int dessous = 0;
        p.etape("the guide's words", [&] {
            const CVue& v = *p.jeu->pvue;  // the hero's box on the window
            const sf::FloatRect b = p.jeu->pPerso->sprite->getBoite();
            const float k = v.largeur / v.sx;
            const sf::FloatRect heros((b.left - v.x - v.cx) * k, (b.top - v.y - v.cy) * k, b.width * k, b.height * k);
            dessous += heros.intersects(BULLE) || heros.intersects(PORTRAIT);
            return false;
        }, 100);
        EXPECT_EQ(dessous, 0) << nom << ": frames of them with the hero under the bubble or the portrait";
        p.appuyer(sf::Keyboard::Right);
        p.etape("50 frames", [] { return false; }, 50);
        const sf::Image i = p.imageFenetre();
        int blancs = 0;  // the HUD writes the player's name in white there
        for (unsigned x = 500; x < 620; ++x)
            for (unsigned y = 10; y < 40; ++y)
                blancs += i.getPixel(x, y) == sf::Color::White;
        EXPECT_GT(blancs, 20) << nom << ": the HUD's player name is drawn";
        ASSERT_TRUE(p.menu(IdMenu::ECHEC, 600)) << nom << ": " << p.echec;
    }
}

// Differing pixels between two frames of the same size, as a fraction of them.
double ecartImages(const sf::Image& a, const sf::Image& b, unsigned depuisY = 0)
{
    const sf::Vector2u t = a.getSize();
    if (t != b.getSize() || t.x == 0 || t.y <= depuisY)
        return 1;
    long n = 0;
    for (unsigned y = depuisY; y < t.y; ++y)
        for (unsigned x = 0; x < t.x; ++x)
            n += a.getPixel(x, y) != b.getPixel(x, y);
    return static_cast<double>(n) / (t.x * (t.y - depuisY));
}

// Player 2's team falls to player 1's shots (the hit handler, as a shot's impact calls it)
// while player 1 strikes the fire key X every third frame, as a player still firing. Through
// the round's end and the first frames of the end shown again, every quarter of the window
// holds the arena; the panel stays for its first half second, and the next X then shows the
// end again in place of the panel. Y starts the next round.
void finDeMancheEnTirant(Partie& p)
{
    CSFMLJeu& j = *p.jeu;
    for (CPerso* c : j.pdecor->persos)
        if (c->numJoueur == 1) {
            c->derniereArme = "ARME 2";
            c->dernierAttaquant = j.pPerso;
            c->prendreCoup(c->vie, 0, 0, 0);
        }
    long ouverture = -1;
    int vides = 0;
    sf::Image panneau;
    ASSERT_TRUE(p.etape("the end again", [&] {
        const bool ouvert = j.mode == 0 && p.menus().idMenu == IdMenu::VICTOIRE_MANCHE;
        if (ouvert && ouverture < 0)
            ouverture = p.images;
        if (p.menus().bRevoirKillcam)
            return true;
        if (ouvert)
            panneau = p.imageFenetre();
        else
            vides += !PiloteJeu::quartsPleins(p.imageFenetre());
        const bool frappe = p.images % 3 == 0;
        if (frappe)
            p.frapper(sf::Keyboard::X);
        p.tenir(sf::Keyboard::X, frappe);
        return false;
    }, 600)) << p.echec;
    p.tenir(sf::Keyboard::X, false);
    const int demiSeconde = 15 * p.framerate / 30;
    EXPECT_GT(p.images - ouverture, demiSeconde) << "the panel stays for half a second";
    EXPECT_LE(p.images - ouverture, demiSeconde + 3) << "then the fire key X shows the end again";
    for (int i = 0; i < 10; ++i) {
        p.image();
        vides += !PiloteJeu::quartsPleins(p.imageFenetre());
    }
    EXPECT_EQ(vides, 0) << "frames with a flat quarter, from the round's end to the end shown again";
    EXPECT_GT(ecartImages(panneau, p.imageFenetre()), 0.5) << "the end again, in place of the panel";
    EXPECT_TRUE(p.etape("the end again", [&] { return !p.menus().bRevoirKillcam; }, 200)) << p.echec;
    p.appuyer(sf::Keyboard::Y);
    ASSERT_TRUE(p.etape("the next round", [&] { return j.mode == 1; }, 30)) << p.echec;
    for (CPerso* c : j.pdecor->persos)
        EXPECT_GT(c->vie, 0) << "Y: everyone stands again";
    EXPECT_GT(j.pHUD->compteurDepart, 0) << "counting down to the next round";
}

// Both humans walk apart to the arena's ends: player 1 to the wall behind him, then player 2
// the other way, as far as the group camera lets them part (it walks back a hero beyond 700
// pixels of the group's middle: about 1,400 pixels apart, more after jumps away). There each
// fires four shots, player 2 jumps twice and player 1 crouches (the view eases in by a tenth while he
// does, as it does on a hit). Every frame shows both heroes whole: the box where each stands in
// view and his own colours drawn in it.
void auxMurs(Partie& p, int arene, bool gaucheJ1)
{
    constexpr int VU = 30;  // a hero drawn, even turned about by the group's walk back, shows 46 or more
    CouleursPropres propres;
    propres.apprendre(p);
    const float X = static_cast<float>(p.jeu->pdecor->tailleJeuX);
    const sf::Keyboard::Key j1 = gaucheJ1 ? sf::Keyboard::Left : sf::Keyboard::Right;
    const sf::Keyboard::Key j2 = gaucheJ1 ? sf::Keyboard::L : sf::Keyboard::J;
    int i = 0, depart2 = -1, hors = 0;
    float ecart = 0;
    p.etape("apart to the walls", [&] {
        const CPerso* h[2] = {heros(p, 0), heros(p, 1)};
        if (!h[0] || !h[1])
            return true;
        const int pas = i++ * 30 / p.framerate;
        const float x1 = h[0]->sprite->x;
        if (depart2 < 0 && (gaucheJ1 ? x1 < BOUT : x1 > X - BOUT))
            depart2 = pas;
        const int fin = depart2 < 0 ? 0 : pas - depart2;  // frames since player 1 reached his wall
        p.tenir(j1, true);
        p.tenir(j2, depart2 >= 0);
        p.tenir(sf::Keyboard::X, fin >= 60 && fin < 92 && fin % 8 < 4);
        p.tenir(sf::Keyboard::Numpad1, fin >= 92 && fin < 124 && fin % 8 < 4);
        p.tenir(sf::Keyboard::RShift, fin >= 60 && fin < 100 && fin % 20 < 6);
        p.tenir(sf::Keyboard::Down, fin >= 124);
        const sf::Image image = p.imageFenetre();
        for (int j = 0; j < 2; ++j) {
            const int n = propres.vus(image, *h[j], j);
            const bool clignote = h[j]->compteurTouche >= 0 || h[j]->compteurClignote > 0;
            if ((n < 0 || (n < VU && !clignote)) && ++hors <= 5)
                ADD_FAILURE() << "arena " << arene << ", frame " << i << ": player " << j + 1 << " at x "
                              << h[j]->sprite->x << " shows " << n << " of his own pixels (-1: not whole in view)";
        }
        ecart = std::max(ecart, std::fabs(x1 - h[1]->sprite->x));
        return fin >= 160;
    }, 500 * p.framerate / 30);
    for (sf::Keyboard::Key k : {j1, j2, sf::Keyboard::X, sf::Keyboard::Numpad1, sf::Keyboard::RShift, sf::Keyboard::Down})
        p.tenir(k, false);
    EXPECT_GE(depart2, 0) << "arena " << arene << ": player 1 never reached his wall";
    EXPECT_GT(ecart, 1400) << "arena " << arene << ": the heroes never stood as far apart as the group allows";
    EXPECT_EQ(hors, 0) << "arena " << arene << ": frames with a hero not whole in view";
}

// Two players, each arena at the keyboard: the hero walks as soon as the round starts when
// the direction was held through "3, 2, 1"; then, with no key held and the view at rest,
// the lower halves of eight frames in a row differ by under 5 % of their pixels and player
// 1's hero is in view. Both then walk apart to the walls and fight there, seen whole.
// The round is then played to its end and the next one started. The second arena plays at 60
// frames per second.
TEST(Partie, DeuxJoueursDansLesArenes)
{
    for (int arene : {1, 2}) {
        Partie p(arene == 1 ? 30 : 60);
        ASSERT_TRUE(p.demarrer());
        ASSERT_TRUE(p.jusquAuNiveau(5, IdMenu::CHOIX_MULTI, arene)) << p.echec;
        CSFMLJeu& j = *p.jeu;
        const int clones = j.pOptionsMulti->nbClones[0];
        EXPECT_EQ(j.pdecor->persos.size(), static_cast<size_t>(2 * clones)) << clones << " clones a side";
        CPerso* heros = j.pPerso;
        const bool versLaDroite = heros->sprite->x < static_cast<float>(j.pdecor->tailleJeuX / 2);
        const sf::Keyboard::Key sens = versLaDroite ? sf::Keyboard::Right : sf::Keyboard::Left;
        p.tenir(sens, true);
        ASSERT_TRUE(p.etape("go", [&] { return j.pHUD->compteurDepart < 0; }, 200)) << p.echec;
        const float auDepart = heros->sprite->x;
        p.etape("walk", [] { return false; }, 10);
        EXPECT_GT(std::abs(heros->sprite->x - auDepart), 20) << "arena " << arene << ": held through the countdown";
        p.tenir(sens, false);
        // The view eases towards the side the group faces, a pixel a frame: it comes to rest.
        float x = -1;
        EXPECT_TRUE(p.etape("the view rests", [&] { return std::exchange(x, j.pvue->x) == j.pvue->x; }, 2000))
            << "arena " << arene << ": " << p.echec;
        sf::Image avant = p.imageFenetre();
        for (int i = 0; i < 8; ++i) {
            p.image();
            const sf::Image apres = p.imageFenetre();
            // The sky's clouds drift (across many pixels once the arena's zoom scales them):
            // the lower half, ground, scenery and heroes, holds still.
            EXPECT_LT(ecartImages(avant, apres, apres.getSize().y / 2), 0.05) << "arena " << arene << ", frame " << i;
            avant = apres;
        }
        const CVue& vue = *j.pvue;
        EXPECT_TRUE(heros->sprite->x > vue.x && heros->sprite->x < vue.x + vue.largeur * vue.zoom)
            << "arena " << arene << ": hero at " << heros->sprite->x << ", view from " << vue.x;
        auxMurs(p, arene, versLaDroite);
        finDeMancheEnTirant(p);
    }
}


// A damaged copy of the data set, one named file deleted at a time: the menus and the first
// adventure level (which uses each file) played for a while, its pause menu opened, every
// message box answered. Nothing crashes or hangs, the level plays, and no message comes twice.
// A list entry whose level file is gone is refused by the level menu.
TEST(Partie, UnFichierManquantNArretePasLeJeu)
{
    constexpr int IMAGES = 150;  // enough for the intro script, the HUD, the AIs and a few steps
    for (const char* fichier : {"musiques/aventure01.ogg", "decors/Prairie/arbre.dec", "personnages/garde.per",
                                "niveaux/aventure01/intro.scp", "menus/fr_menu60.mnu", "polices/chp-fire.ttf"}) {
        Partie p;
        std::vector<std::string> boites;
        p.boitesRepondues = &boites;
        ASSERT_TRUE(fs::remove(p.dossier / fichier)) << fichier;
        ASSERT_TRUE(p.demarrer()) << fichier;
        EXPECT_TRUE(p.jusquAuNiveau(3, IdMenu::CHOIX_AVENTURE) &&
                    p.etape("play", [&, debut = p.images] { return p.images - debut >= IMAGES; }, IMAGES + 10))
            << fichier << ": " << p.echec;
        p.tenir(sf::Keyboard::Right, true);
        p.etape("walk", [] { return false; }, 30);
        p.tenir(sf::Keyboard::Right, false);
        p.appuyer(sf::Keyboard::Escape);
        EXPECT_TRUE(p.menu(IdMenu::PAUSE_AVENTURE, 30)) << fichier << ": " << p.echec;
        p.image();
        std::string toutes;
        for (const std::string& b : boites)
            toutes += b;
        EXPECT_EQ(std::set<std::string>(boites.begin(), boites.end()).size(), boites.size())
            << fichier << ": a message shown more than once " << toutes;
    }

    Partie p;
    ASSERT_TRUE(fs::remove(p.dossier / "niveaux/aventure01/niveau.niv"));
    ASSERT_TRUE(p.demarrer());
    std::vector<std::string> boites;
    p.boitesRepondues = &boites;
    ASSERT_TRUE(p.jusquALaListe(3, IdMenu::CHOIX_AVENTURE) && p.choisir(1)) << p.echec;
    p.etape("refused", [] { return false; }, 30);
    EXPECT_EQ(p.menus().idMenu, IdMenu::CHOIX_AVENTURE) << "a list entry without its level file is refused";
    EXPECT_NE(p.jeu->mode, 1) << "no level started";
}

// Frames are the unit of time: at 60 frames per second the same player wins the same level.
TEST(Partie, LePremierNiveauSeGagneA60ImagesParSeconde)
{
    Partie p(60);
    ASSERT_TRUE(p.demarrer());
    EXPECT_GE(gagnerLePremierNiveau(p), 0) << "at 60 fps: " << p.echec;
}

// Where the opaque pixels of a menu icon were drawn last.
sf::FloatRect partieOpaque(const CSPRITE_SIMPLE& icone)
{
    const sf::Sprite s = icone.getSprite()->getSprite();
    const sf::Image image = s.getTexture()->copyToImage();
    const sf::IntRect r = s.getTextureRect();
    int gauche = r.width, haut = r.height, droite = -1, bas = -1;
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x)
            if (image.getPixel(r.left + x, r.top + y).a > 0) {
                gauche = std::min(gauche, x), haut = std::min(haut, y);
                droite = std::max(droite, x), bas = std::max(bas, y);
            }
    return s.getTransform().transformRect(sf::FloatRect(gauche, haut, droite + 1 - gauche, bas + 1 - haut));
}

// Every shipped menu in both languages with the longest values it shows (players of eight wide
// letters, a full list in French, three-digit times, every mark, both players on the hero of the
// longest name): each text lies inside the panel that its file's "FOND" line gives, clear of the
// panel's frame, or inside the level banner; no text or line picture crosses the title rule. The
// name being typed stays in its frame; the shield of a record covers neither a star nor a text.
TEST(Ecrans, ChaqueTexteDansSonPanneau)
{
    PiloteJeu p;
    ASSERT_TRUE(p.demarrer());
    CJeuMenus& m = *p.jeu->pMenus;
    p.jeu->tempsNiveau = 998;
    p.jeu->nbEtoiles = 3;
    p.jeu->bSansFaute = p.jeu->bNouveauRecord = true;
    p.jeu->pOptionsMulti->choixJ1 = p.jeu->pOptionsMulti->choixJ2 = 0;
    for (auto& objet : m.pInventaire->objets)
        objet.second.nombre = 99;
    m.pInventaire->compterObjets();
    m.pInventaire->colonne = 1;
    const auto dans = [](sf::FloatRect r, sf::FloatRect cadre) {
        sf::FloatRect commun;
        return cadre.intersects(r, commun) && commun == r;
    };
    std::vector<CJeuMenus::TexteDessine> textes;
    m.journalTextes = &textes;
    std::string nomLong;
    for (const std::string langue : {"fr_", "en_"})
        for (int id : {0, 1, 7, 6, 60, 10, 30, 33, 100, 320, 330, 340, 20, 21, 210, 400, 401, 410, 420, 430, 1000}) {
            m.changerLangue(langue);
            m.joueurs.assign(langue == "fr_" ? 12 : 10, "WWWWWWWW");
            m.joueurActif = langue == "fr_" ? -1 : 9;
            m.strNouveauJoueur = "WWWWWWWW";
            m.ouvrirMenu(id);
            m.bSaisieTerminee = id != IdMenu::NOUVEAU_JOUEUR;
            m.ligneActive = m.bSaisieTerminee ? m.ligneActive : 1;
            for (auto& s : m.scores)
                *s = {true, 998, "WWWWWWWW", 3, true};
            for (const std::string& n : m.nomsNiveaux)
                nomLong = n.size() > nomLong.size() ? n : nomLong;
            m.nomsNiveaux = {nomLong};
            m.indexNiveau = 0;
            textes.clear();
            m.afficherMenu(p.jeu->fenetre);
            for (const auto& l : m.lignes)
                if (l->pSprite)
                    textes.push_back({L"(picture)", {}, 0, {}, l->pSprite->getGlobalBounds()});

            const std::string fichier = "menus/" + langue + IdMenu::fichier(id), contenu = lireTexte(fichier);
            std::smatch f;
            ASSERT_TRUE(std::regex_search(contenu, f, std::regex("FOND=([^;]*);(\\d+);(\\d+);(\\d+);(\\d+)")));
            const sf::FloatRect fond(std::stof(f[2]), std::stof(f[3]), std::stof(f[4]), std::stof(f[5]));
            const sf::FloatRect dedans(fond.left + 9, fond.top + 9, fond.width - 18, fond.height - 18);
            sf::Image image;
            ASSERT_TRUE(image.loadFromFile(f[1]));
            EXPECT_EQ(sf::Vector2f(image.getSize()), sf::Vector2f(fond.width, fond.height)) << fichier << ": FOND's size";
            EXPECT_TRUE(dans(fond, {0, 0, 1280, 720})) << fichier << ": the panel leaves the window";
            std::vector<bool> regle(image.getSize().y);  // the rows of a gold line across the panel
            for (unsigned y = 0; y < regle.size(); ++y) {
                unsigned dores = 0;
                for (unsigned x = 0; x < image.getSize().x; ++x)
                    dores += image.getPixel(x, y) == sf::Color(230, 190, 90, 200);
                regle[y] = dores > image.getSize().x / 2;
            }
            // The menus that show a record's stars draw the shield last at its place.
            const bool etoiles = id == IdMenu::VICTOIRE || id == IdMenu::CHOIX_CHRONO;
            const sf::FloatRect bouclier = etoiles ? partieOpaque(m.spriteBouclier) : sf::FloatRect();
            for (const auto& t : textes) {
                const auto utf8 = sf::String(t.chaine).toUtf8();
                const std::string nom = fichier + ": \"" + std::string(utf8.begin(), utf8.end()) + "\" at " +
                                        std::to_string(t.bornes.left) + ", " + std::to_string(t.bornes.top);
                const sf::FloatRect banniere = m.spriteMulti.getSprite()->getSprite().getGlobalBounds();
                EXPECT_TRUE(t.bornes.width == 0 || dans(t.bornes, dedans) ||
                            (t.chaine != L"(picture)" && dans(t.bornes, banniere)))
                    << nom << " leaves its panel";
                bool coupe = false;
                for (float y = t.bornes.top - fond.top; y < t.bornes.top + t.bornes.height - fond.top; ++y)
                    coupe = coupe || (y >= 0 && y < static_cast<float>(regle.size()) && regle[static_cast<size_t>(y)]);
                EXPECT_FALSE(coupe) << nom << " crosses the title rule";
                const LigneMenu& saisie = *m.lignes[std::min<size_t>(1, m.lignes.size() - 1)];
                const bool saisi =
                    id == IdMenu::NOUVEAU_JOUEUR && t.chaine == L"WWWWWWWW" && t.bornes.left >= saisie.x + 340;
                EXPECT_TRUE(!saisi || dans(t.bornes, {saisie.x + 340.0f, saisie.y - 10.0f, 125, 35}))
                    << nom << " leaves its frame";
                EXPECT_FALSE(t.chaine != L"(picture)" && t.bornes.intersects(bouclier)) << nom << " under the shield";
            }
            EXPECT_FALSE(etoiles && partieOpaque(m.spriteEtoile).intersects(bouclier))
                << fichier << ": the shield covers a star";
        }
}
