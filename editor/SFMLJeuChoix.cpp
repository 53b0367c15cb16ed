#include "editor/SFMLJeuChoix.h"

#include "anim/Sprite3.h"
#include "core/Dec.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Texte.h"
#include "editor/Editeur.h"
#include "editor/SFMLJeuChoixDec.h"
#include "editor/SFMLJeuChoixPer.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/DecoupeVue.h"

#include <SFML/Graphics/RenderWindow.hpp>

#include <utility>

namespace {

const char* const POLICE = "./polices/arial.ttf";

} // namespace

CSFMLJeuChoix::CSFMLJeuChoix(const std::string& extension, const std::string& dossierDepart, unsigned tailleTexte,
                             const std::string& titreErreur)
    : extension_(extension)
{
    setHautApercu(HAUT_APERCU);
    // Drags over the preview move overs; the view itself stays put.
    getImageControl()->setZoomMove(true);
    getDialogDossier()->InitDossiers(dossierDepart);
    policeChargee_ = police.loadFromFile(POLICE);
    if (policeChargee_)
        texte.setFont(police);
    else
        CPLUX::MessageBoxW(titreErreur, "Impossible de charger la police !");
    texte.setCharacterSize(tailleTexte);
    texte.setFillColor(sf::Color(255, 255, 255, 255));
}

CSFMLJeuChoix::~CSFMLJeuChoix() { CSFMLJeuChoix::libererApercu(); }

void CSFMLJeuChoix::libererApercu()
{
    // The image control draws spriteApercu, whose texture lives in the bank freed here.
    getImageControl()->removeImage();
    spriteApercu = sf::Sprite();
    delete pApercu;
    pApercu = nullptr;
    delete pDEC;
    pDEC = nullptr;
}

void CSFMLJeuChoix::chargerListe(const std::string& dossier)
{
    libererApercu();
    fichiers.clear();
    nbFichiers = numFichier = 0;
    const std::string d = CPLUXDialogFile::normaliserDossier(dossier);
    for (const tuv::EntreeDossier& e : tuv::listerDossier(d)) {
        if (e.bDossier || e.nom.find(extension_) == std::string::npos)
            continue;
        std::string chemin = d + e.nom;
        if (!nomDe(chemin).empty())
            fichiers.push_back(std::move(chemin));
    }
    nbFichiers = static_cast<int>(fichiers.size());
    if (nbFichiers > 0)
        chargerApercu();
    else
        remplirValeurs();
}

void CSFMLJeuChoix::pager(int sens)
{
    if (nbFichiers < 1)
        return;
    numFichier = (numFichier + (sens < 0 ? nbFichiers - 1 : 1)) % nbFichiers;
    chargerApercu();
}

void CSFMLJeuChoix::remplirValeurs()
{
    const bool apercu = nbFichiers > 0 && pApercu && pDEC;
    editeur::remplirTexte(getControl(SAISIE_VITESSE), apercu ? tuv::ftos(pApercu->tempsFrame) : "");
    remplirNumAnim();
    editeur::remplirTexte(getControl(TEXTE_NB_ANIMS), "/ " + tuv::itos(apercu ? pDEC->nbAnims : 0));
}

void CSFMLJeuChoix::remplirNumAnim()
{
    editeur::remplirTexte(getControl(SAISIE_NUM_ANIM), pApercu ? tuv::itos(pApercu->getNumAnim()) : "");
}

void CSFMLJeuChoix::rappel(CPLUXControl* c, int code)
{
    if (c && code == CODE_DOSSIER)
        chargerListe(c->getData());
}

void CSFMLJeuChoix::onCreate()
{
    CPLUXDialogImage::onCreate();
    chargerListe(getFolder());
}

bool CSFMLJeuChoix::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialogImage::onPressLeft(w, x, y, c);
    if (!c)
        return true;
    if (c->getId() == BOUTON_GAUCHE)
        pager(-1);
    else if (c->getId() == BOUTON_DROITE)
        pager(1);
    return true;
}

void CSFMLJeuChoix::draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy)
{
    // A still frame goes into the image control before the control is drawn; an animated
    // sprite is drawn over it.
    const bool anime = spriteAnime() != nullptr;
    if (!anime)
        dessinerApercu(w);
    CPLUXDialogImage::draw(w, mouseX, mouseY, ox, oy);
    if (anime)
        dessinerApercu(w);
    if (w && nbFichiers > 0)
        dessinerOvers(w);
    dessinerTextes(w);
}

void CSFMLJeuChoix::dessinerApercu(sf::RenderWindow* w)
{
    CPLUXControlImage* image = getImageControl();
    if (nbFichiers < 1 || !pApercu) {
        image->removeImage();
        return;
    }
    CSPRITE3* anime = spriteAnime();
    if (!anime) {
        pApercu->animer(animFixe());
        spriteApercu = pApercu->getSprite();
        image->setPathImage("");
        image->setImage(&spriteApercu);
        image->setDimensionImage(true);
        // The frame's top-left corner on the control's: the sprite's point is its origin.
        positionApercu = {pApercu->ox, pApercu->oy};
        echelleApercu = 1.f;
        return;
    }
    image->setPathImage("");
    image->removeImage();
    image->setDimensionImage(true);
    sf::FloatRect r;
    anime->getRectGlobal(r, 0);
    const float l = image->getWidth(), h = image->getHeight();
    if (!w || r.height <= 0 || l <= 0 || h <= 0)
        return;
    // Animation 0's rectangle fills the control's height, centred, its bottom on the
    // control's bottom; the sprite's point is its global origin.
    const float echelle = h / r.height;
    const sf::Vector2f o = anime->getOrigineGlobale(0);
    const float x = static_cast<float>(tuv::floatVersInt(l / 2 - (r.left + r.width / 2 - o.x) * echelle));
    const float y = static_cast<float>(tuv::floatVersInt(h - (r.top + r.height - o.y) * echelle));
    anime->dessiner(w, 0, 0, 0, image, echelle, x, y, 0);
    anime->update(image, echelle, x, y, 0);
    positionApercu = {x, y};
    echelleApercu = echelle;
}

// The preview sprite's overs where the preview was drawn, so that the author sees what a
// drag moves.
void CSFMLJeuChoix::dessinerOvers(sf::RenderWindow* w)
{
    if (!pApercu || pApercu->overs.empty())
        return;
    CPLUXControlImage* image = getImageControl();
    CDecoupeVue vue(*w, {image->getPositionScreen(), {image->getWidth(), image->getHeight()}});
    const sf::Vector2f coin = image->getPositionScreen();
    pApercu->x = coin.x + positionApercu.x;
    pApercu->y = coin.y + positionApercu.y;
    pApercu->sx = pApercu->sy = echelleApercu;
    pApercu->afficherOvers(*w, -1);
}

std::vector<std::wstring> CSFMLJeuChoix::lignesTexte() const
{
    if (nbFichiers < 1)
        return {};
    return {tuv::utf8toWStr(fichiers[numFichier]), tuv::utf8toWStr(pDEC ? pDEC->nom : std::string()),
            tuv::utf8toWStr(tuv::itos(numFichier + 1) + "/" + tuv::itos(nbFichiers))};
}

void CSFMLJeuChoix::dessinerTextes(sf::RenderWindow* w)
{
    if (!w || !policeChargee_)
        return;
    const std::vector<std::wstring> lignes = lignesTexte();
    for (size_t i = 0; i < lignes.size() && i < std::size(TEXTE_Y); ++i) {
        texte.setString(sf::String(lignes[i]));
        texte.setPosition(static_cast<float>(getLeft() + TEXTE_X), static_cast<float>(getTop() + TEXTE_Y[i]));
        w->draw(texte);
    }
}

ChoixEditeur CSFMLJeuChoix::choixCourant()
{
    ChoixEditeur choix;
    if (const CSFMLJeuChoixDec* d = CSFMLJeuGlobal::pChoixDec; d && d->nbFichiers > 0 && d->pDEC) {
        choix.nomDecor = d->pDEC->nom;
        choix.fichierDecor = d->fichiers[d->numFichier];
    }
    if (const CSFMLJeuChoixPer* p = CSFMLJeuGlobal::pChoixPer; p && p->nbFichiers > 0 && p->pDEC) {
        choix.fichierPerso = p->fichiers[p->numFichier];
        choix.nomPerso = p->pDEC->nom;
    }
    return choix;
}

void CSFMLJeuChoix::libererSelecteurs()
{
    delete CSFMLJeuGlobal::pChoixDec;
    delete CSFMLJeuGlobal::pChoixPer;
}
