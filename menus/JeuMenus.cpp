// The menu object: construction, the switch between the two level worlds and the killcam
// replay.
#include "menus/JeuMenus.h"

#include "characters/Armes.h"
#include "characters/Inventaire.h"
#include "core/EtatJeu.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Media.h"
#include "level/Decor.h"
#include "level/Vue.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

#include <cmath>

namespace {

// A missing file leaves the resource empty and says nothing: the menus must start in a
// working folder that has none of them.
void chargerSiPresent(CSPRITE_SIMPLE& s, const std::string& fichier)
{
    if (tuv::fichierExiste(fichier))
        s.charger(fichier);
}

const char* const FICHIERS_POLICES[3] = {
    "./polices/SF_Minced_Meat.ttf", "./polices/Chaos in Wisconsin.ttf", "./polices/MASQUE__.ttf"};

const char* const ANIMS_VICTOIRE[8] = {
    "./zeph_victoire.anm",    "./zeph_j2_victoire.anm",       "./vevidiz_victoire.anm",
    "./vevidiz_j2_victoire.anm", "./vuzi_victoire.anm",       "./vuzi_j2_victoire.anm",
    "./zadirirezi_victoire.anm", "./zadirirezi_j2_victoire.anm"};

const char* const VIGNETTES[4] = {
    "./personnages/Zeph2/vignette.dec", "./personnages/Rerodez/vignette.dec",
    "./personnages/Vuzi3/vignette.dec", "./personnages/Zadirirezi3/vignette.dec"};

} // namespace

const char* IdMenu::fichier(int id)
{
    switch (id) {
    case LANGUE: return "menu0.mnu";
    case PRINCIPAL: return "menu1.mnu";
    case PAUSE: return "menu6.mnu";
    case PAUSE_AVENTURE: return "menu60.mnu";
    case OPTIONS: return "menu_options.mnu";
    case INVENTAIRE: return "menu_inventaire.mnu";
    case VICTOIRE: return "menu_victoire.mnu";
    case ECHEC: return "menu_echec.mnu";
    case ECHEC_AVENTURE: return "menu_echec_aventure.mnu";
    case NOUVEAU_JOUEUR: return "menu30_changerjoueur.mnu";
    case CHANGER_JOUEUR: return "menu_changejoueur.mnu";
    case AIDE: return "menu_aide.mnu";
    case CHOIX_AVENTURE: return "menu320_choixniveau_aventure.mnu";
    case CHOIX_CHRONO: return "menu330_choixniveau_chrono.mnu";
    case CHOIX_MULTI: return "menu340_choixniveau_multi.mnu";
    case OPTIONS_MULTI: return "menu400_optionsmulti.mnu";
    case INTERNET: return "menu401-multiinternet.mnu";
    case VICTOIRE_MANCHE: return "menu_victoire_manchemulti.mnu";
    case VICTOIRE_PARTIE: return "menu_victoire_partiemulti.mnu";
    case EXAEQUO_MANCHE: return "menu_exaequo_manchemulti.mnu";
    case ATTENTE: return "menu_attentevantjeu.mnu";
    default: return "";
    }
}

CJeuMenus::CJeuMenus()
    : nomsPersos{L"Capitaine Zeph", L"Dudizir", L"Rorezu", L"Zaruvared"}
{
    // "langue.ini" lives in the working folder itself, not under "./niveaux/".
    lireLangue("langue.ini");
    for (int i = 0; i < 3; ++i)
        tuv::chargerMedia(polices[i], FICHIERS_POLICES[i]);
    lireJoueurs("./niveaux/joueurs.ini");
    pInventaire = std::make_unique<CInventaire>();
    changerLangue(langue);
    lireScores("./niveaux/scores.scr");
    chargerSiPresent(spriteEtoile, "./niveaux/star.dec");
    chargerSiPresent(spriteEtoileVide, "./niveaux/star-vide.dec");
    chargerSiPresent(spriteBouclier, "./niveaux/bouclier.dec");
    chargerSiPresent(spriteTemps, "./niveaux/temps.dec");
    chargerSiPresent(spriteMort, "./niveaux/mort.dec");
    chargerSiPresent(spritePortes, "./niveaux/transition.dec");
    chargerSiPresent(spriteBarreProgression, "./menus/barre_progression.dec");
    chargerSiPresent(spriteMulti, "./menus/multi.dec");
    // Built before the scene render texture: the animations get no render target.
    for (int i = 0; i < 8; ++i)
        if (tuv::fichierExiste(ANIMS_VICTOIRE[i]))
            animsVictoire[i].charger(nullptr, CSFMLJeuGlobal::prenderTexture, ANIMS_VICTOIRE[i], false);
    chargerSiPresent(spriteFilm, "./effets/film.dec");
    for (int i = 0; i < 4; ++i)
        chargerSiPresent(vignettes[i], VIGNETTES[i]);
}

// Lines, images, scores and the inventory are owned; members go in reverse order.
CJeuMenus::~CJeuMenus() = default;

void CJeuMenus::changerLangue(const std::string& prefixe)
{
    langue = prefixe;
    if (pInventaire)
        pInventaire->bAnglais = langue == "en_";
}

void CJeuMenus::ouvrirMenu(int id)
{
    chargerMenu("./menus/", IdMenu::fichier(id));
    entrerMenu(id);
}

// Every switch deletes the shots in flight, so that no shot of one world lands in the other.
// The scene takes the camera's view at once: a camera moves the view only while it has a
// player to follow, and the menus' world has none once the hero has left the game's world
// (a won level), which would leave the scene looking where the game's camera last looked.
void CJeuMenus::activerMonde(CDecor* monde, CVue* vue, CScriptEngine* scripts, CDecor* autre, bool infosVie)
{
    MondeJeu* jeu = faceJeu::monde();
    if (!jeu)
        return;
    if (monde)
        jeu->pdecor = monde;
    if (vue) {
        jeu->pvue = vue;
        vue->poserSurScene(CSFMLJeuGlobal::prenderTexture);
    }
    if (scripts)
        jeu->pscriptEngine = scripts;
    if (jeu->parmes)
        jeu->parmes->viderTirs();
    if (monde)
        monde->bInfosVie = infosVie;
    if (autre)
        autre->stopApplaudissements();
    if (monde)
        monde->jouerMusiques(false);
}

void CJeuMenus::selectionnerDecorMenu()
{
    if (MondeJeu* jeu = faceJeu::monde())
        activerMonde(jeu->pdecorMenu, jeu->pvueMenu, jeu->pscriptEngineMenu, jeu->pdecorJeu, false);
}

void CJeuMenus::selectionnerDecor(bool decorJeu)
{
    if (!decorJeu) {
        selectionnerDecorMenu();
    } else if (MondeJeu* jeu = faceJeu::monde()) {
        bJeuMondeMenu = false;
        activerMonde(jeu->pdecorJeu, jeu->pvueJeu, jeu->pscriptEngineJeu, jeu->pdecorMenu, true);
    }
}

// The replay shows the slots from the one after the write position round to the one before
// it, one per frame, and ends by itself.
void CJeuMenus::revoirKillcam(sf::RenderWindow* fenetre)
{
    const ServicesJeu* jeu = faceJeu::services();
    const int taille = jeu ? jeu->nbImagesKillcam() : 0;
    if (taille <= 0) {
        bRevoirKillcam = false;
        return;
    }
    const int position = jeu->positionKillcam();
    if (position < 0 || position >= taille) {
        bRevoirKillcam = false;
        return;
    }
    int index = indexKillcam < 0 ? position + 1 : indexKillcam + 1;
    if (index >= taille)
        index = 0;
    indexKillcam = index;
    if (index == position) {
        bRevoirKillcam = false;
        return;
    }
    const sf::Texture& image = *jeu->imageKillcam(index);
    if (!fenetre || image.getSize().x == 0 || image.getSize().y == 0)
        return;
    // Frames are kept at a reduced size: scaled back up to the window, in the window's pixels
    // whatever view the frame before left on it.
    const sf::Vector2f taillePixels(fenetre->getSize());
    sf::Sprite sprite(image);
    sprite.setScale(taillePixels.x / image.getSize().x, taillePixels.y / image.getSize().y);
    const sf::View vue = fenetre->getView();
    fenetre->setView(sf::View(sf::FloatRect({0, 0}, taillePixels)));
    fenetre->draw(sprite);
    fenetre->setView(vue);
    spriteFilm.dessiner(*fenetre);
}
