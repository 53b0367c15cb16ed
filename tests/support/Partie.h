#pragma once
// A player's run through the shipped game, in process, at the keyboard alone: from the
// language menu through the menus to a level, played by keys, to its end screen. Every step
// waits on a condition of the game's state (never a timeline), each with its own timeout.
// What the player sees is looked at in the window's frames and in the menus' text journal.
#include "support/PiloteJeu.h"

#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/Sprite.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "menus/JeuMenus.h"
#include "menus/MenuTypes.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

class Partie : public PiloteJeu {
public:
    using PiloteJeu::PiloteJeu;

    // The lines of the language menu.
    enum class Langue { FRANCAIS = 0, ANGLAIS = 1 };

    CJeuMenus& menus() { return *jeu->pMenus; }

    // Frames until the condition holds. False, with what went wrong in `echec`, on a
    // timeout, a closed window or an open message box (it would hold the keyboard).
    bool etape(const std::string& nom, const std::function<bool()>& condition, int maximum)
    {
        for (int i = 0; i < maximum; ++i) {
            if (condition())
                return true;
            if (!CPLUX::getMessageBoxes().empty() && !boitesRepondues)
                return echouer(nom + ": a message box opened " + boitesOuvertes());
            // Answered as the player would, the top one first: it holds the keyboard.
            while (boitesRepondues && !CPLUX::getMessageBoxes().empty()) {
                CPLUXMessageBox* b = CPLUX::getMessageBoxes().back();
                boitesRepondues->push_back(boitesOuvertes());
                b->repondre(0);
            }
            if (!image())
                return echouer(nom + ": the window closed");
        }
        return condition() || echouer(nom + ": not within " + std::to_string(maximum) + " frames (menu " +
                                      std::to_string(menus().idMenu) + ", mode " + std::to_string(jeu->mode) + ")");
    }

    // A key struck as a player strikes it: pressed and held for one frame, then released.
    void appuyer(sf::Keyboard::Key k)
    {
        frapper(k);
        tenir(k, true);
        image();
        tenir(k, false);
        image();
    }

    // The cursor of the current menu brought to a line by taps (each key pressed and
    // released between two frames), which is then validated.
    bool choisir(int ligne)
    {
        const int menu = menus().idMenu;
        for (int i = 0; i < 40 && menus().ligneActive != ligne; ++i) {
            frapper(menus().ligneActive < ligne ? sf::Keyboard::Down : sf::Keyboard::Up);
            image();
        }
        if (menus().ligneActive != ligne)
            return echouer("menu " + std::to_string(menu) + ": line " + std::to_string(ligne) + " cannot be reached");
        appuyer(sf::Keyboard::Return);
        return true;
    }

    bool menu(int id, int maximum = 300)
    {
        return etape("menu " + std::to_string(id), [&] { return menus().idMenu == id; }, maximum);
    }

    // Changes a file of the copy; false when the pattern is not in it.
    bool remplacer(const std::string& fichier, const std::string& motif, const std::string& par)
    {
        const std::string texte = lireTexte(dossier / fichier);
        const std::string nouveau = std::regex_replace(texte, std::regex(motif), par);
        ecrireTexte(dossier / fichier, nouveau);
        return nouveau != texte;
    }

    // The scores of a level list as the game leaves them once the levels before `niveau`
    // (from 1) are won: every level up to it open, without a best time.
    void ouvrirJusquA(const std::string& fichierScores, int niveau, int nbNiveaux)
    {
        std::string scores;
        for (int i = 1; i <= nbNiveaux; ++i)
            scores += "SCORE=" + std::string(i <= niveau ? "1" : "0") + ";999;---;0;0\n";
        ecrireTexte(dossier / fichierScores, scores);
    }

    bool echouer(const std::string& texte)
    {
        echec = texte;
        return false;
    }

    // The player's road from menu 0 to a level list: the language, a new player `nom`, then
    // line `ligneListe` of menu 1 and the list's menu.
    bool jusquALaListe(int ligneListe, int menuListe, Langue langue = Langue::FRANCAIS,
                       const std::string& nom = "TESTEUR")
    {
        if (!(menu(IdMenu::LANGUE) && choisir(static_cast<int>(langue)) && menu(IdMenu::PRINCIPAL) && choisir(1) &&
              menu(30) && choisir(1)))
            return false;
        for (char c : nom)
            taper(static_cast<sf::Uint32>(c));
        appuyer(sf::Keyboard::Return);
        appuyer(sf::Keyboard::Escape);
        return menu(IdMenu::PRINCIPAL) && choisir(ligneListe) && menu(menuListe);
    }
    // Then level `niveau` of the list (for two players, the options menu 400 too), menu 1000
    // and the level started.
    bool jusquAuNiveau(int ligneListe, int menuListe, int niveau = 1, Langue langue = Langue::FRANCAIS)
    {
        if (!(jusquALaListe(ligneListe, menuListe, langue) && choisir(niveau)))
            return false;
        if (menuListe == IdMenu::CHOIX_MULTI && !(menu(IdMenu::OPTIONS_MULTI) && choisir(1)))
            return false;
        return menu(1000) && demarrer1000();
    }
    bool demarrer1000()
    {
        appuyer(sf::Keyboard::Return);
        return etape("the level starts", [&] { return jeu->mode == 1 && jeu->pPerso; }, 600);
    }

    // The decor sprites of the running level with that id.
    std::vector<CSPRITE*> marqueurs(const std::string& id) const
    {
        std::vector<CSPRITE*> r;
        for (CCalqueSD* plan : jeu->pdecor->pPlans)
            if (plan)
                for (CSPRITE* sd : plan->sprites)
                    if (sd->strID == id)
                        r.push_back(sd);
        return r;
    }

    // A living enemy stands in the zone.
    bool ennemiDans(const sf::FloatRect& zone) const
    {
        for (CPerso* ia : jeu->pdecor->ias)
            if (ia && ia->sprite && ia->vie > 0 && !ia->bMortLancee && zone.intersects(ia->sprite->getBoite()))
                return true;
        return false;
    }

    // Plays the level holding right: jumps over each "PILOTE_SAUTER" marker and, at each
    // "PILOTE_TIRER" marker, stops while its zone holds an enemy, firing when `tirer`.
    // Runs until `fin` holds; `debut` is the frame of the first move. The HUD is looked at
    // once play has gone on for five seconds (`hudVu`).
    bool jouer(bool tirer, const std::function<bool()>& fin, int maximum)
    {
        const std::vector<CSPRITE*> sauts = marqueurs("PILOTE_SAUTER"), tirs = marqueurs("PILOTE_TIRER");
        debut = images;
        hudVu = false;
        tenir(sf::Keyboard::Right, true);
        int i = 0;
        bool espace = false;
        const bool fini = etape("play", [&] {
            if (fin())
                return true;
            CPerso* perso = jeu->pPerso;
            const sf::FloatRect corps = perso && perso->sprite ? perso->sprite->getBoite() : sf::FloatRect();
            bool sauter = false, viser = false;
            for (CSPRITE* m : sauts)
                sauter |= m->getBoite().intersects(corps);
            for (CSPRITE* m : tirs)
                viser |= m->getBoite().intersects(corps) && ennemiDans(m->getBoite());
            // Keys held and let go for the same time at both rates. A new stroke of the jump
            // key while the hero rises would dash: it waits for the ground, else the hero
            // would dash at one rate and not the other, as he stands on the frame grid.
            const int pas = ++i * 30 / framerate;
            const bool monte = perso && (perso->mode == EtatPerso::SAUT_MONTE || perso->mode == EtatPerso::REBOND);
            espace = sauter && pas % 8 < 4 && (espace || !monte);
            tenir(sf::Keyboard::Right, !viser);
            tenir(sf::Keyboard::Space, espace);
            tenir(sf::Keyboard::X, tirer && viser && pas % 4 < 2);
            if (pas == 150)
                hudVu = hudDessine();
            noterPosition();
            return false;
        }, maximum);
        return fini || echouerEn();
    }

    // Plays as a player who knows no more of the level than where its exit is, with whichever
    // hero has the control: walks toward the exit's "SORTIE" sprite and fires every 8 frames
    // (at 30 frames per second); jumps when a wall stops him; at the edge of a gap, jumps
    // when safe ground or a moving platform lies within a jump, and waits otherwise; rides a
    // moving platform until it stops or turns back. Until `fin` holds. The HUD is looked at
    // once play has gone on for five seconds (`hudVu`).
    bool courirVersLaSortie(const std::function<bool()>& fin, int maximum)
    {
        const std::vector<CSPRITE*> sorties = marqueurs("SORTIE");
        if (sorties.empty())
            return echouer("the level has no exit");
        const sf::FloatRect sortie = sorties.front()->getBoite();
        debut = images;
        hudVu = false;
        int i = 0;
        Conduite c;
        const bool fini = etape("play", [&] {
            if (fin())
                return true;
            const int pas = i++ * 30 / framerate;
            CPerso* perso = jeu->pPerso;
            if (perso && perso->sprite)
                conduire(*perso, perso->sprite->x < sortie.left + sortie.width / 2 ? 1 : -1, c);
            tenir(sf::Keyboard::X, pas % 8 < 4);
            if (pas == 150)
                hudVu = hudDessine();
            noterPosition();
            return false;
        }, maximum);
        for (sf::Keyboard::Key k : {sf::Keyboard::Right, sf::Keyboard::Left, sf::Keyboard::Space, sf::Keyboard::X})
            tenir(k, false);
        return fini || echouerEn();
    }

    // The HUD's player name in the last frame: red letters at the left of the adventure
    // panel, white ones right of the chrono panel's counters.
    bool hudDessine() const
    {
        const sf::Image i = imageFenetre();
        const bool aventure = jeu->typeJeu == 0;
        const sf::Color lettres = aventure ? sf::Color(200, 0, 0) : sf::Color::White;
        int n = 0;
        for (unsigned x = aventure ? 20 : 480; x < (aventure ? 130u : 640u); ++x)
            for (unsigned y = 4; y < 44; ++y)
                n += i.getPixel(x, y) == lettres;
        return n > 20;
    }

    // The panel of a menu of the current language, from its file's "FOND" line.
    sf::FloatRect panneau(int id)
    {
        const std::string contenu = lireTexte(dossier / ("menus/" + menus().langue + IdMenu::fichier(id)));
        std::smatch f;
        if (!std::regex_search(contenu, f, std::regex("FOND=[^;]*;(\\d+);(\\d+);(\\d+);(\\d+)")))
            return {};
        return {std::stof(f[1]), std::stof(f[2]), std::stof(f[3]), std::stof(f[4])};
    }

    // The next frame's texts as the menus draw them; the frame is kept in `dernierImage`.
    std::vector<CJeuMenus::TexteDessine> textesDessines()
    {
        std::vector<CJeuMenus::TexteDessine> textes;
        menus().journalTextes = &textes;
        image();
        menus().journalTextes = nullptr;
        dernierImage = imageFenetre();
        return textes;
    }

    // Empty when `texte` was drawn whole within `cadre`, in its colour, in that frame;
    // otherwise what is wrong.
    std::string dessineDans(const std::vector<CJeuMenus::TexteDessine>& textes, const std::wstring& texte,
                            const sf::FloatRect& cadre) const
    {
        const auto utf8 = sf::String(texte).toUtf8();
        const std::string nom = "\"" + std::string(utf8.begin(), utf8.end()) + "\"";
        for (const auto& t : textes) {
            if (t.chaine != texte)
                continue;
            sf::FloatRect commun;
            if (!cadre.intersects(t.bornes, commun) || commun != t.bornes)
                return nom + " leaves its panel";
            int lettres = 0;
            for (float y = t.bornes.top; y < t.bornes.top + t.bornes.height; ++y)
                for (float x = t.bornes.left; x < t.bornes.left + t.bornes.width; ++x)
                    lettres += dernierImage.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) == t.couleur;
            return lettres > 10 ? "" : nom + " is covered";
        }
        return nom + " is not drawn";
    }

    std::string echec;
    long debut = 0;
    sf::Vector2f position;  // the hero's who had the control, at the last frame played
    bool hudVu = false;
    sf::Image dernierImage;
    // When set, message boxes are answered and their texts kept here instead of failing a step.
    std::vector<std::string>* boitesRepondues = nullptr;

    std::string ou() const
    {
        return "(" + std::to_string(static_cast<int>(position.x)) + ", " + std::to_string(static_cast<int>(position.y)) + ")";
    }

private:
    // What the pilot remembers from frame to frame.
    struct Conduite {
        CPerso* heros = nullptr;
        float xAvant = 0;
        int bloque = 0;  // frames walking without moving
        int saut = 0;    // frames the jump key has been held, 0 when up
        std::map<const CSPRITE*, sf::Vector2f> plateformes, pas;  // where the moving platforms were, their last step
        bool porte = false;   // the platform the hero rides has moved him
        bool arrive = false;  // ... and has stopped or turned back since
        sf::Vector2f pasAvant;  // its last step that moved
        const CSPRITE* quittee = nullptr;  // the last platform ridden
    };

    // Still ground a hero may stand on at x, between the heights `haut` and `bas`: the first
    // solid point going down, unless it hurts (moving platforms do not count).
    bool solSur(float x, float haut, float bas) const
    {
        for (float y = haut; y <= bas; y += 4)
            if (CSPRITE* sd = jeu->pdecor->testCollision(nullptr, x, y, x, y); sd && !sd->pChemin)
                return sd->collision != static_cast<int>(TypeCollision::MasqueDegats);
        return false;
    }
    // The moving platforms' steps of this frame.
    void suivrePlateformes(Conduite& c) const
    {
        for (CSPRITE* sd : jeu->pdecor->pPlans[CDecor::PLAN_PRINCIPAL]->sprites)
            if (sd->pChemin && sd->collision != 0) {
                const sf::Vector2f p(sd->x, sd->y);
                const auto avant = c.plateformes.find(sd);
                c.pas[sd] = avant == c.plateformes.end() ? sf::Vector2f() : p - avant->second;
                c.plateformes[sd] = p;
            }
    }
    // A moving platform within a short jump ahead that is not moving away.
    bool plateformeAPortee(const CPerso& h, int sens, const Conduite& c) const
    {
        for (const auto& [sd, pas] : c.pas) {
            const sf::FloatRect b = sd->getBoite();
            const float devant = sens > 0 ? b.left - h.sprite->x : h.sprite->x - (b.left + b.width);
            if (devant > -20 && devant < 60 && b.top > h.sprite->y - 90 && b.top < h.sprite->y + 80 &&
                pas.x * static_cast<float>(sens) <= 0)
                return true;
        }
        return false;
    }

    void conduire(CPerso& h, int sens, Conduite& c)
    {
        if (c.heros != &h) {
            c = Conduite();
            c.heros = &h;
            c.xAvant = h.sprite->x;
        }
        suivrePlateformes(c);
        const float x = h.sprite->x, y = h.sprite->y, s = static_cast<float>(sens);
        const bool auSol = h.mode == EtatPerso::ARRET || h.mode == EtatPerso::MARCHE;
        const bool bord = !solSur(x + 28 * s, y - 8, y + 40);
        // Beyond an edge: ground to jump to about as high, or lower ground to drop onto.
        bool enFace = false, enBas = false;
        for (float dx = 60; bord && dx <= 200 && !enFace; dx += 10)
            enFace = solSur(x + dx * s, y - 100, y + 60);
        for (float dx = 20; bord && dx <= 120 && !enBas; dx += 10)
            enBas = solSur(x + dx * s, y + 60, y + 400);
        bool avancer = true, sauter = false;
        const CSPRITE* support = auSol ? h.support : nullptr;
        const bool plateforme = support && c.pas.count(support);
        if (plateforme && !c.arrive) {
            // Riding: the hero stands until the platform has carried him and stops or turns back.
            const sf::Vector2f d = c.pas[support];
            const bool arrete = d.x == 0 && d.y == 0;
            c.arrive = c.porte && (arrete || d.x * c.pasAvant.x + d.y * c.pasAvant.y < 0);
            c.porte = c.porte || !arrete;
            c.pasAvant = arrete ? c.pasAvant : d;
            c.quittee = support;
            avancer = false;
        } else if (auSol) {
            // On the ground, or on a platform that has carried him: toward the edge and beyond.
            c.porte = c.arrive = c.arrive && plateforme;
            c.quittee = plateforme ? support : nullptr;
            const bool approche = bord && plateformeAPortee(h, sens, c);
            avancer = !bord || enFace || enBas || approche;
            sauter = (bord && (enFace || approche)) || c.bloque >= 3;
        } else {
            // In the air over a moving platform, he lets go to come down on it.
            for (const auto& e : c.pas) {
                const sf::FloatRect b = e.first->getBoite();
                avancer = avancer && (e.first == c.quittee || !(x > b.left + 10 && x < b.left + b.width - 10 && b.top > y));
            }
        }
        c.bloque = auSol && avancer && std::fabs(x - c.xAvant) < 1 ? c.bloque + 1 : 0;
        c.xAvant = x;
        // The jump key held for up to 8 frames at 30 fps, struck again only from the ground:
        // a new stroke while the hero rises would dash.
        const int huit = 8 * framerate / 30;
        c.saut = (c.saut > 0 && c.saut < huit) || (sauter && auSol && c.saut == 0) ? c.saut + 1 : auSol ? 0 : c.saut;
        tenir(sf::Keyboard::Space, c.saut > 0 && c.saut <= huit);
        tenir(sf::Keyboard::Right, avancer && sens > 0);
        tenir(sf::Keyboard::Left, avancer && sens < 0);
    }

    void noterPosition()
    {
        const CPerso* perso = jeu->pPerso;
        if (perso && perso->sprite)
            position = {perso->sprite->x, perso->sprite->y};
    }
    bool echouerEn()
    {
        return echouer(echec + " at " + ou());
    }

};

// Within this of an arena's end a hero stands against its wall.
constexpr float BOUT = 150;

// The first character of a player (0 or 1) in the running round.
inline CPerso* heros(Partie& p, int joueur)
{
    for (CPerso* c : p.jeu->pdecor->persos)
        if (c && c->numJoueur == joueur && c->sprite)
            return c;
    return nullptr;
}

// What tells each hero apart on the screen: the colours of his picture sheet that the other
// player's lacks (both play the same hero, each in his own colours: shirt, sleeves, legs).
struct CouleursPropres {
    std::set<sf::Uint32> couleurs[2];

    void apprendre(Partie& p)
    {
        std::set<sf::Uint32> feuilles[2];
        for (int j = 0; j < 2; ++j)
            if (const CPerso* h = heros(p, j); h && h->sprite->pTextureFeuille) {
                const sf::Image f = h->sprite->pTextureFeuille->copyToImage();
                for (unsigned y = 0; y < f.getSize().y; ++y)
                    for (unsigned x = 0; x < f.getSize().x; ++x)
                        if (f.getPixel(x, y).a == 255)
                            feuilles[j].insert(f.getPixel(x, y).toInteger());
            }
        for (int j = 0; j < 2; ++j)
            for (sf::Uint32 c : feuilles[j])
                if (!feuilles[1 - j].count(c))
                    couleurs[j].insert(c);
    }

    // His own-coloured pixels in the window's frame around where he stands (a hero's height
    // above his feet, half of it on each side); -1 when the camera does not show that box whole.
    int vus(const sf::Image& image, const CPerso& h, int joueur) const
    {
        const sf::RenderTexture* scene = CSFMLJeuGlobal::prenderTexture;
        if (!scene)
            return -1;
        const sf::Vector2i a = scene->mapCoordsToPixel({h.sprite->x - HAUTEUR / 2, h.sprite->y - HAUTEUR});
        const sf::Vector2i b = scene->mapCoordsToPixel({h.sprite->x + HAUTEUR / 2, h.sprite->y + 4});
        const sf::Vector2u t = image.getSize();
        if (a.x < 0 || a.y < 0 || b.x > static_cast<int>(t.x) || b.y > static_cast<int>(t.y))
            return -1;
        int n = 0;
        for (unsigned y = static_cast<unsigned>(a.y); y < static_cast<unsigned>(b.y); ++y)
            for (unsigned x = static_cast<unsigned>(a.x); x < static_cast<unsigned>(b.x); ++x)
                n += couleurs[joueur].count(image.getPixel(x, y).toInteger());
        return n;
    }

    static constexpr float HAUTEUR = 80;
};

