#include "game/HUD.h"

#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Media.h"
#include "core/Services.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "editor/Editeur.h"
#include "game/Jeu.h"
#include "level/Decor.h"
#include "level/MenuImage.h"
#include "level/Vue.h"
#include "menus/JeuMenus.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

#include <algorithm>
#include <set>

namespace {

const char* const POLICE_HUD = "./polices/SF_Minced_Meat.ttf";
const sf::Color OMBRE(119, 5, 21, 255);

// A missing or broken HUD file is said once per run, not at every level start.
void signaler(const std::string& fichier, const std::string& message)
{
    static std::set<std::string> signales;
    if (signales.insert(fichier).second)
        g_services.messageBox("ATTENTION !", message, "");
}

bool fichierPresent(const std::string& fichier, const std::string& message)
{
    if (tuv::fichierExiste(fichier))
        return true;
    signaler(fichier, message);
    return false;
}

void chargerSprite(CSPRITE_SIMPLE& s, const std::string& fichier)
{
    if (!fichierPresent(fichier, "Impossible de lire " + fichier)) {
        s = CSPRITE_SIMPLE();
        return;
    }
    // A sign shown at the centre of the screen is placed by the point its definition names.
    s.charger(fichier);
}

CVue* cameraJeu(CSFMLJeu& jeu) { return jeu.pvueJeu ? jeu.pvueJeu : jeu.pvue; }

} // namespace

CSFMLJeuHUD::CSFMLJeuHUD() : rectangle(sf::Vector2f(0, 0))
{
    texteCompteARebours.setFont(police);
    texteCompteARebours.setFillColor(sf::Color(200, 50, 50, 255));
}

CSFMLJeuHUD::~CSFMLJeuHUD() { delete pTexte; }

void CSFMLJeuHUD::charger()
{
    CSFMLJeu* jeu = CSFMLJeuGlobal::pmonjeu;
    CDecor* decor = jeu ? jeu->pdecor : nullptr;
    CVue* vue = jeu ? cameraJeu(*jeu) : nullptr;
    const float largeurVue = vue ? vue->largeur : 0;
    echelleCarte = 20;
    carteLargeur = ((decor ? decor->tailleJeuX : 0) + 3 * largeurVue) / 20;
    carteHauteur = (decor ? decor->tailleJeuY : 0) / 20.0f;
    carteX = carteY = 5;
    std::fill(std::begin(compteurArme), std::end(compteurArme), 0);

    delete pTexte;
    pTexte = nullptr;
    if (tuv::chargerMedia(police, POLICE_HUD)) {
        pTexte = new sf::Text("", police, 14);
        pTexte->setStyle(sf::Text::Regular);
        pTexte->setPosition(0, 0);
        pTexte->setFillColor(OMBRE);
    } else {
        signaler(POLICE_HUD, "Impossible de charger la police !");
    }

    panneauX = 50;
    panneauY = 10;
    bInfosVisible = bAttenteVisible = true;
    compteurPulsation = 0;
    armePulsation = -1;
    phasePulsation = 0;
    pasPulsation = 0.08f;

    chargerSprite(spriteClone, "./niveaux/clone.dec");
    dernierChrono = 0;
    chargerSprite(spriteFond, "./menus/multi.dec");
    chargerSprite(spriteDegats, "./menus/degats.dec");
    chargerSprite(spriteFondExt, "./menus/multi_ext.dec");
    chargerSprite(spriteGo, "./menus/go.dec");
    chargerSprite(sprite1, "./menus/1.dec");
    chargerSprite(sprite2, "./menus/2.dec");
    chargerSprite(sprite3, "./menus/3.dec");
    chargerSprite(spritePret, "./menus/ready.dec");

    texteCompteARebours.setFont(police);
    texteCompteARebours.setStyle(sf::Text::Regular);
    texteCompteARebours.setFillColor(sf::Color(200, 50, 50, 255));
    const int l = jeu ? jeu->largeurVue : 0, h = jeu ? jeu->hauteurVue : 0;
    texteCompteARebours.setPosition(static_cast<float>(l / 2 - 50), static_cast<float>(h / 2 - 200));
    bSourisSurCarte = false;
}

int CSFMLJeuHUD::dessiner(sf::RenderTarget& fenetre)
{
    CSFMLJeu* jeu = CSFMLJeuGlobal::pmonjeu;
    if (bInfosVisible && pTexte && jeu && jeu->pdecor && !jeu->pdecor->niveauFini) {
        switch (jeu->typeJeu) {
        case 0: return dessinerAventure(fenetre);
        case 1: return dessinerChrono(fenetre);
        case 2: return dessinerMulti(fenetre);
        default: break;
        }
    }
    // No panel: nothing to draw (a fully transparent shape leaves the window as it is, but
    // costs the renderer a change of state and a draw).
    return 0;
}

void CSFMLJeuHUD::texte(sf::RenderTarget& f, const std::string& chaine, float x, float y, float echelleY,
                        float largeurMax)
{
    if (!pTexte)
        return;
    pTexte->setString(sf::String::fromUtf8(chaine.begin(), chaine.end()));
    pTexte->setPosition(x, y);
    const sf::FloatRect bornes = pTexte->getLocalBounds();
    const float largeur = bornes.left + bornes.width;
    const float k = largeurMax > 0 && largeur > largeurMax ? largeurMax / largeur : 1.0f;
    pTexte->setScale(k, echelleY * k);
    f.draw(*pTexte);
}

void CSFMLJeuHUD::texteOmbre(sf::RenderTarget& f, const std::string& chaine, float x, float y, unsigned taille)
{
    if (!pTexte)
        return;
    pTexte->setCharacterSize(taille);
    pTexte->setFillColor(OMBRE);
    texte(f, chaine, x, y, 1.2f);
    pTexte->setFillColor(sf::Color::White);
    texte(f, chaine, x + 1, y + 1);
}

void CSFMLJeuHUD::dessinerSprite(sf::RenderTarget& f, CSPRITE_SIMPLE& s, float x, float y, float ex, float ey)
{
    if (!s.pSprite)
        return;
    s.setScale(ex, ey);
    s.placer(static_cast<int>(x), static_cast<int>(y));
    s.dessiner(f);
}

void CSFMLJeuHUD::dessinerIcone(sf::RenderTarget& f, const std::string& nom, float x, float y, float echelle)
{
    CSFMLJeu* jeu = CSFMLJeuGlobal::pmonjeu;
    if (!jeu || nom.empty())
        return;
    auto it = jeu->overs.find(nom);
    if (it == jeu->overs.end() || !it->second || !it->second->pSprite)
        return;
    CSPRITE_SIMPLE& icone = *it->second;
    icone.setScale(echelle, echelle);
    icone.pSprite->setOrigine(20, 20);
    icone.placer(static_cast<int>(x), static_cast<int>(y));
    icone.dessiner(f);
}

int CSFMLJeuHUD::dessinerChrono(sf::RenderTarget& f)
{
    CSFMLJeu& jeu = *CSFMLJeuGlobal::pmonjeu;
    CDecor& decor = *jeu.pdecor;
    CJeuMenus* menus = jeu.pMenus;
    const float px = static_cast<float>(panneauX), py = static_cast<float>(panneauY);

    if (menus)
        dessinerSprite(f, menus->spriteTemps, px, py - 4, menus->spriteTemps.getSX(), menus->spriteTemps.getSY());
    texteOmbre(f, tuv::itos(decor.chrono), px + 32, py + 2, 20);

    if (decor.chrono <= 10) {
        if (decor.chrono != dernierChrono) {
            dernierChrono = decor.chrono;
            texteCompteARebours.setCharacterSize(300);
            texteCompteARebours.setString(tuv::itos(decor.chrono));
        } else {
            const unsigned taille = texteCompteARebours.getCharacterSize();
            texteCompteARebours.setCharacterSize(taille >= 10 ? taille - 10 : 0);
        }
        f.draw(texteCompteARebours);
    }

    if (!jeu.bGoChrono) {
        if (bAttenteVisible)
            dessinerSprite(f, spritePret, 640, 360, 1, 1);
    } else if (decor.chronoRef - decor.chrono <= 0) {
        dessinerSprite(f, spriteGo, 640, 360, spriteGo.getSX() + 0.05f, spriteGo.getSY() + 0.05f);
    }

    dessinerSprite(f, spriteClone, px + 110, py - 4, spriteClone.getSX(), spriteClone.getSY());
    texteOmbre(f, tuv::itos(jeu.compteurPexlon), px + 142, py - 5, 30);
    texteOmbre(f, " / " + tuv::itos(static_cast<int>(decor.persos.size())), px + 162, py + 2, 20);

    if (menus) {
        const int etoiles = jeu.nbEtoiles >= 1 && jeu.nbEtoiles <= 3 ? jeu.nbEtoiles : 0;
        for (int i = 0; i < etoiles; ++i)
            dessinerSprite(f, menus->spriteEtoile, px + 266 + 32 * i, py + 12, 1, 1);
        if (jeu.bSansFaute)
            dessinerSprite(f, menus->spriteBouclier, px + 346, py, menus->spriteBouclier.getSX(),
                           menus->spriteBouclier.getSY());
        const int actif = menus->joueurActif;
        if (actif >= 0 && actif < static_cast<int>(menus->joueurs.size()))
            texteOmbre(f, menus->joueurs[actif], px + 450, py + 2, 20);
    }
    return 0;
}

void CSFMLJeuHUD::dessinerOverlay(sf::RenderTarget& f)
{
    CSFMLJeu* jeu = CSFMLJeuGlobal::pmonjeu;
    CVue* vue = jeu ? cameraJeu(*jeu) : nullptr;
    const float k = echelleCarte > 0 ? echelleCarte : 20;

    rectangle.setOutlineColor(sf::Color(128, 128, 200, 255));
    rectangle.setOutlineThickness(2);
    rectangle.setFillColor(sf::Color(0, 0, 50, 160));
    rectangle.setPosition(carteX, carteY);
    rectangle.setSize(sf::Vector2f(carteLargeur, carteHauteur));
    f.draw(rectangle);
    if (!vue)
        return;

    const float w = vue->largeur / k, h = vue->hauteur / k;
    const float X = std::min(std::max(vue->x / k, -w / 2), carteLargeur - 1.5f * w);
    // A level lower than the view would push the box above the map: it then keeps to the
    // map's height, its top on the map's top.
    const float hBoite = std::min(h, carteHauteur);
    const float haut = std::max(std::min(vue->y / k + h / 2, carteHauteur - hBoite), 0.0f);
    rectangle.setOutlineColor(sf::Color(0, 0, 255, 255));
    rectangle.setOutlineThickness(1);
    rectangle.setFillColor(sf::Color(0, 0, 128, 250));
    rectangle.setSize(sf::Vector2f(w, hBoite));
    rectangle.setPosition(carteX + X + w / 2, carteY + haut);
    f.draw(rectangle);
}

bool CSFMLJeuHUD::clicEditeur(sf::RenderWindow& fenetre) { return clicEditeur(fenetre, fenetre); }

void CSFMLJeuHUD::entrerModePerso()
{
    CSFMLJeu& jeu = *CSFMLJeuGlobal::pmonjeu;
    if (!jeu.pPerso || !jeu.pPerso->bCollisions)
        return;
    jeu.pPerso->bCollisions = false;
    // The editor toolbar shows the character mode (no toolbar without the dialogs).
    editeur::rafraichirBarre();
}

// Moves a character by (dx, dy), with the characters attached to it.
void CSFMLJeuHUD::deplacerPerso(CPerso& p, float dx, float dy) { p.setAnimation(-1, dx, dy); }

bool CSFMLJeuHUD::clicEditeur(const sf::Window& souris, sf::RenderTarget& cible)
{
    CSFMLJeu* jeu = CSFMLJeuGlobal::pmonjeu;
    if (!jeu || !jeu->bCarteJeu || !jeu->pdecor || !jeu->pdecor->bCarte)
        return false;
    CDecor& decor = *jeu->pdecor;
    CVue* vue = cameraJeu(*jeu);
    const EtatSouris etat = SourisJeu::lire(souris);
    const int mx = etat.position.x, my = etat.position.y;
    const float k = echelleCarte;
    const bool dedans = carteX <= mx && mx < carteX + carteLargeur && carteY <= my && my < carteY + carteHauteur;
    auto memoriser = [&] {
        sourisX = mx;
        sourisY = my;
    };

    if (dedans && !etat.gauche) {
        if (vue) {
            const float w = vue->largeur / k, h = vue->hauteur / k;
            const float cx = std::max(carteX + w / 2, std::min(static_cast<float>(mx), carteX + carteLargeur - w / 2));
            const float cy = std::max(carteY + h / 2, std::min(static_cast<float>(my), carteY + carteHauteur - h / 2));
            rectangle.setOutlineColor(sf::Color(64, 64, 64, 255));
            rectangle.setOutlineThickness(1);
            rectangle.setFillColor(sf::Color(0, 0, 0, 32));
            rectangle.setSize(sf::Vector2f(w, h));
            rectangle.setPosition(cx - w / 2, cy - h / 2);
            cible.draw(rectangle);
        }
        bSourisSurCarte = false;
        memoriser();
        return true;
    }
    if (dedans) {
        entrerModePerso();
        const int lx = static_cast<int>((mx - carteX) * k), ly = static_cast<int>((my - carteY) * k);
        for (CPerso* p : decor.persos)
            if (p && p->sprite)
                p->sprite->placer(-1, lx, ly);
        if (jeu->pvue)
            jeu->pvue->maj();
        bSourisSurCarte = true;
        memoriser();
        return true;
    }
    if (!etat.gauche) {
        bSourisSurCarte = false;
        memoriser();
        return false;
    }
    if (SourisJeu::shiftGauche() || SourisJeu::ctrlGauche()) {
        memoriser();
        return false;
    }
    entrerModePerso();
    const float zoom = vue ? vue->zoom : 1.0f;
    const float dx = 2 * zoom * (sourisX - mx), dy = 2 * zoom * (sourisY - my);
    for (CPerso* p : decor.persos)
        if (p)
            deplacerPerso(*p, dx, dy);
    if (jeu->pvue)
        jeu->pvue->maj();
    memoriser();
    return false;
}
