// The level reader: the two passes over a ".niv" file, the key table, the loading screen and
// the end of a load. The keys themselves are read in FichierNiveauReglages.cpp (level-wide),
// FichierNiveauPersos.cpp (characters and AIs) and FichierNiveauSD.cpp (decor sprites).
#include "level/FichierNiveau.h"

#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Media.h"
#include "core/Particules.h"
#include "core/Services.h"
#include "core/Sprite.h"
#include "core/SpriteSimple.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "level/Decor.h"
#include "level/Vue.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <ctime>
#include <iostream>

namespace {

// The progress bar of the loading screen and its colour.
const sf::Vector2f POSITION_BARRE(380, 653);
constexpr float HAUTEUR_BARRE = 34;
const sf::Color COULEUR_BARRE(200, 50, 50, 200);
constexpr int BARRE_SPRITE_X = 640, BARRE_SPRITE_Y = 670;
// How much of the lists the load's message quotes (the reasons of whole lines of the file,
// one reason to a line of the message).
constexpr size_t MESSAGE_LIGNES_MAX = 4;
constexpr size_t MESSAGE_NOMS_MAX = 100;
// What was wrong with a corrected line, in English and in French, in the order of
// CFichierNiveau::LigneCorrigee::Raison.
const char* const RAISONS[][2] = {{"unknown view mode", "mode de vue inconnu"},
                                  {"zero, negative or infinite view zoom", "zoom de vue nul, négatif ou infini"},
                                  {"view zoom that is not a number", "zoom de vue qui n'est pas un nombre"},
                                  {"already in the level", "déjà dans le niveau"},
                                  {"model not preloaded", "modèle non préchargé"},
                                  {"AI plane outside 0 to 5", "plan d'IA hors de 0 à 5"},
                                  {"game type outside 0 to 2", "type de jeu hors de 0 à 2"},
                                  {"background scale of 0 or below", "échelle du fond de 0 ou moins"},
                                  {"negative blur", "flou négatif"},
                                  {"is not a number", "n'est pas un nombre"},
                                  {"is not a whole number", "n'est pas un nombre entier"},
                                  {"missing", "absente(s)"},
                                  {"in excess", "en trop"},
                                  {"line without \"=\"", "ligne sans « = »"},
                                  {"unknown key", "clé inconnue"}};

} // namespace

CFichierNiveau::CFichierNiveau()
{
    if (tuv::chargerMedia(police, FICHIER_POLICE)) {
        pTexte = std::make_unique<sf::Text>();
        pTexte->setFont(police);
        pTexte->setCharacterSize(20);
        pTexte->setStyle(sf::Text::Regular);
        pTexte->setPosition(0, 0);
        pTexte->setFillColor(sf::Color(119, 5, 21, 255));
    }
}

CFichierNiveau::~CFichierNiveau() = default;

const CFichierNiveau::TableCles& CFichierNiveau::tableCles()
{
    static const TableCles table = [] {
        TableCles t;
        enregistrerReglages(t);
        enregistrerPersos(t);
        enregistrerSD(t);
        return t;
    }();
    return table;
}

bool CFichierNiveau::chargerNiveau(const std::string& fichier, CDecor& cible)
{
    const std::time_t debut = std::time(nullptr);
    commencer(cible);
    // Only the progress bar uses the count: without a window there is none to draw.
    nbClesComptees = (pJeu && faceJeu::affichage()->fenetre) ? compterCles(fichier) : 0;
    const bool ouvert = openEntier(fichier);
    if (ouvert) {
        // A file that leaves a setting out gets the world's default, not the previous
        // level's; a file that does not open leaves the world as the caller left it.
        cible.reinitialiserReglages();
        cible.fichierNiveau = cible.fichierSaisi = fichier;
        if (estMondeJeu()) {
            faceJeu::partie()->fichierJeu = fichier;
            faceJeu::partie()->bJoue = true;
        }
        nbClesLues = 0;
        cible.positionsDepart.clear();
        // Every line read otherwise than written is named (signalerEcart), for every key.
        verifierDans(nullptr);
        lireCles();
        close();
    }
    finir();
    if (pJeu) {
        faceJeu::partie()->execTemps = std::difftime(std::time(nullptr), debut);
        std::wstring statut = L"Temps chargement = " + tuv::utf8toWStr(tuv::ftos(float(faceJeu::partie()->execTemps))) + L" secondes";
        for (const LigneCorrigee& l : lignesCorrigees)
            statut += L"\n" + tuv::utf8toWStr(l.texte(false));
        if (!nomsInconnus.empty()) {
            std::string noms;
            for (const std::string& n : nomsInconnus)
                noms += (noms.empty() ? "" : ", ") + n;
            statut += L"\nNon préchargés : " + tuv::utf8toWStr(noms);
        }
        faceJeu::services()->afficherStatut(statut);
    }
    return ouvert;
}

// Contexts cleared; the loading screen's clock starts.
void CFichierNiveau::commencer(CDecor& cible)
{
    pCible = &cible;
    pJeu = faceJeu::monde();
    pSDCourant = nullptr;
    pIACourante = nullptr;
    pScriptCourant = nullptr;
    pJoueur = nullptr;
    bIAEnAttente = false;
    nomsInconnus.clear();
    lignesCorrigees.clear();
    notesDefinitions.clear();
    definitionsNonRelues.clear();
    typeJeuLu = pJeu ? faceJeu::partie()->typeJeu : 0;
    cible.libererDefinitionsRetirees();
    cible.bInfos = true;
    cible.cheminMusique.clear();
    cible.cheminMusiqueAmbiance.clear();
    debutEcran = maintenant();
}

int CFichierNiveau::compterCles(const std::string& fichier)
{
    if (!openEntier(fichier))
        return 0;
    int n = 0;
    for (bool fin = false; !fin; ++n)
        fin = getKeyView().empty();
    close();
    return n;
}

void CFichierNiveau::lireCles()
{
    const TableCles& table = tableCles();
    for (;;) {
        const std::string_view cle = getKeyView();
        cleCourante.assign(cle.data(), cle.size());
        ++nbClesLues;
        if (bIAEnAttente && cle != "IDIA")
            creerIAEnAttente(std::string());
        if (cle.empty())
            break;
        if (const Lecteur* lecteur = table.trouver(cle))
            (this->*(*lecteur))();
        else
            cleNonPrise();
        if (nbClesLues % LIGNES_PAR_RELEVE == 0)
            etapeEcran();
    }
    etapeEcran();
}

float CFichierNiveau::largeurBarre(int lus, int comptes)
{
    if (comptes <= 0)
        return 0;
    return std::min(static_cast<float>(lus) / static_cast<float>(comptes) * 100.0f * 5.0f, LARGEUR_BARRE_MAX);
}

// Nothing at all until the period has passed since the last step that ran: long files are
// not slowed by drawing.
void CFichierNiveau::etapeEcran()
{
    const double t = maintenant();
    if (t - debutEcran < PERIODE_ECRAN_MS)
        return;
    debutEcran = t;
    if (CSFMLJeuGlobal::bChargement || !pJeu || !faceJeu::affichage()->fenetre)
        return;
    dessinerEcran(*faceJeu::affichage()->fenetre);
}

void CFichierNiveau::dessinerEcran(sf::RenderWindow& fenetre)
{
    if (pSpriteChargement) {
        fenetre.clear(couleurChargement);
        fenetre.draw(*pSpriteChargement);
    }
    if (pCible->bInfos) {
        ServicesJeu* jeu = faceJeu::services();
        if (jeu)
            jeu->afficherTitreNiveau(fenetre);
        if (nbClesComptees >= 1) {
            derniereLargeurBarre = largeurBarre(nbClesLues, nbClesComptees);
            sf::RectangleShape barre(sf::Vector2f(derniereLargeurBarre, HAUTEUR_BARRE));
            barre.setPosition(POSITION_BARRE);
            barre.setFillColor(COULEUR_BARRE);
            fenetre.draw(barre);
            if (CSPRITE_SIMPLE* sprite = jeu ? jeu->spriteBarreProgression() : nullptr) {
                CSPRITE_SIMPLE& s = *sprite;
                s.setScale(1, 1);
                s.placer(BARRE_SPRITE_X, BARRE_SPRITE_Y);
                s.dessiner(fenetre);
            }
        }
    }
    if (pSpriteChargement || pCible->bInfos) {
        fenetre.display();
        ++nbEcransChargement;
    }
}

// The world's camera takes the level's view settings; the level dialog reads the level. A
// level loaded into the world the editor is on holds its view as the editor's start and M do:
// the author edits what he sees, and play resumes with the level's mode at M.
void CFichierNiveau::finir()
{
    // One thread: nothing can be loading in the background while the reader runs.
    assert(!CSFMLJeuGlobal::bChargement);
    CDecor& d = *pCible;
    const bool sousEditeur = pJeu && faceJeu::partie()->mode == PartieJeu::MODE_EDITEUR && pJeu->pdecor == &d;
    if (CVue* vue = d.pCamera) {
        vue->x = vue->y = 0;
        vue->vuemode = d.scrollVue;
        vue->vitesseScroll = d.vitesseScrollVue;
        vue->zoom = vue->zoomBase = d.zoomVue;
        if (sousEditeur)
            vue->arreterDefilement();
    }
    CPLUX::refresh(DIALOGUE_OPTIONS);
    if (!nomsInconnus.empty()) {
        std::cerr << "Niveau : modèles ou définitions non préchargés :";
        for (const std::string& n : nomsInconnus)
            std::cerr << ' ' << n;
        std::cerr << '\n';
    }
    for (const std::string& f : definitionsNonRelues)
        std::cerr << "Niveau : " << f << " changé mais illisible, non relu : la définition lue avant reste\n";
    for (const LigneCorrigee& l : lignesCorrigees) {
        std::cerr << "Niveau : ";
        if (l.ligneFichier > 0)
            std::cerr << d.fichierNiveau << ':' << l.ligneFichier << ": ";
        std::cerr << l.texte(false) << '\n';
    }
    // The author reads them over the level he plays or edits; a level read behind the menus
    // keeps them on the console, where no frame of a level would take the message away, and
    // for the editor, which shows them when it is entered on that world.
    const bool dit = estMondeJeu() || sousEditeur;
    const std::wstring message = dit ? messageChargement(faceJeu::enAnglais()) : std::wstring();
    ServicesJeu* jeu = faceJeu::services();
    if (jeu && !message.empty())
        jeu->afficherMessage(message, imagesAuTaux(DUREE_MESSAGE_CHARGEMENT));
    if (!dit)
        for (bool anglais : {true, false})
            d.messageChargementTenu[anglais ? 0 : 1] = messageChargement(anglais);
}

std::string CFichierNiveau::LigneCorrigee::texte(bool anglais) const
{
    std::string quoi = RAISONS[static_cast<size_t>(raison)][anglais ? 0 : 1];
    // An AI line is made or not: its value is the id it wanted, not one read instead; a line
    // or values not read are read as nothing.
    const bool nonCree = raison == Raison::IdIAPris || raison == Raison::ModeleIAInconnu;
    const bool nonLu = raison == Raison::ValeursEnTrop || raison == Raison::SansEgal || raison == Raison::CleInconnue;
    if (raison == Raison::IdIAPris)
        quoi = "ID " + valeur + " " + quoi;
    if (!detail.empty())
        quoi = (anglais ? "value " : "valeur ") + detail + " " + quoi;
    const std::string suite = nonCree ? (anglais ? ", not made" : ", non créé")
                              : nonLu ? (anglais ? ", not read" : ", non lu")
                                      : (anglais ? ", read as " : ", lu comme ") + valeur;
    if (anglais)
        return "\"" + ligne + "\": " + quoi + suite;
    return "« " + ligne + " » : " + quoi + suite;
}

// The file's name, then the reasons of a few whole corrected lines and a few of the names
// left out (the console has them all), in English or French; empty when the file read cleanly.
std::wstring CFichierNiveau::messageChargement(bool anglais) const
{
    if (lignesCorrigees.empty() && nomsInconnus.empty() && notesDefinitions.empty() && definitionsNonRelues.empty())
        return {};
    const std::wstring fichier = tuv::utf8toWStr(pCible->fichierNiveau);
    std::wstring m = anglais ? L"Level \"" + fichier + L"\":" : L"Niveau « " + fichier + L" » :";
    // Where each line of the file starts among the reasons, and where the reasons end.
    std::vector<size_t> debuts;
    for (size_t i = 0; i < lignesCorrigees.size(); ++i) {
        const int n = lignesCorrigees[i].numero;
        if (i == 0 || n < 0 || n != lignesCorrigees[i - 1].numero)
            debuts.push_back(i);
    }
    const size_t nbLignes = debuts.size();
    debuts.push_back(lignesCorrigees.size());
    size_t montrees = std::min<size_t>(nbLignes, 1);
    while (montrees < nbLignes && debuts[montrees + 1] <= MESSAGE_LIGNES_MAX)
        ++montrees;
    for (size_t i = 0; i < debuts[montrees]; ++i)
        m += L"\n" + tuv::utf8toWStr(lignesCorrigees[i].texte(anglais));
    if (const size_t reste = nbLignes - montrees; reste > 0) {
        const std::wstring n = std::to_wstring(reste);
        m += anglais ? L"\n... and " + n + L" more corrected lines (console)"
                     : L"\n... et " + n + L" autres lignes corrigées (console)";
    }
    if (!nomsInconnus.empty()) {
        std::string noms;
        for (const std::string& n : nomsInconnus)
            noms += (noms.empty() ? "" : ", ") + n;
        if (noms.size() > MESSAGE_NOMS_MAX)
            noms = tuv::debutUtf8(noms, MESSAGE_NOMS_MAX) + "... (" + std::to_string(nomsInconnus.size()) +
                   (anglais ? " in all)" : " en tout)");
        m += (anglais ? L"\nNot preloaded: " : L"\nNon préchargés : ") + tuv::utf8toWStr(noms);
    }
    return m + notesDefinitionsMessage(anglais);
}

// The definitions' own notes, in the console's words (their readers know no language).
std::wstring CFichierNiveau::notesDefinitionsMessage(bool anglais) const
{
    std::wstring m;
    for (const std::string& f : definitionsNonRelues)
        m += (anglais ? L"\nNot read again, unreadable (the one read before stays): "
                      : L"\nNon relue, illisible (celle lue avant reste) : ") + tuv::utf8toWStr(f);
    if (notesDefinitions.empty())
        return m;
    m += anglais ? L"\nDefinitions read otherwise than written:" : L"\nDéfinitions lues autrement qu'écrites :";
    for (size_t i = 0; i < notesDefinitions.size() && i < MESSAGE_LIGNES_MAX; ++i)
        m += L"\n" + tuv::utf8toWStr(notesDefinitions[i]);
    if (notesDefinitions.size() > MESSAGE_LIGNES_MAX) {
        const std::wstring n = std::to_wstring(notesDefinitions.size() - MESSAGE_LIGNES_MAX);
        m += anglais ? L"\n... and " + n + L" more (console)" : L"\n... et " + n + L" autres (console)";
    }
    return m;
}

void CFichierNiveau::signalerInconnu(const std::string& nom)
{
    if (std::find(nomsInconnus.begin(), nomsInconnus.end(), nom) == nomsInconnus.end())
        nomsInconnus.push_back(nom);
}

bool CFichierNiveau::estMondeJeu() const { return pCible && pCible->estMondeJeu(); }

// Only the game world's type is the game's: another world (the menus') keeps its own.
int CFichierNiveau::typeJeuEcrit() const
{
    if (estMondeJeu())
        return faceJeu::partie()->typeJeu;
    return pCible ? pCible->typeJeu : 0;
}

CScriptEngine* CFichierNiveau::moteur() const { return pCible ? pCible->moteurScripts() : nullptr; }

double CFichierNiveau::maintenant() const
{
    if (horloge)
        return horloge();
    return static_cast<double>(horlogeChargement.getElapsedTime().asMicroseconds()) / 1000.0;
}

float CFichierNiveau::reel()
{
    const float v = getValueFloat();
    return std::isfinite(v) ? v : 0.0f;
}

sf::Color CFichierNiveau::couleur()
{
    const sf::Uint8 r = octet(), g = octet(), b = octet(), a = octet();
    return sf::Color(r, g, b, a);
}

void CFichierNiveau::lireParticulesSD(CParticules* emetteur, CSPRITE* sprite)
{
    if (!emetteur)
        return;
    emetteur->lire49(*this);
    emetteur->attacher(sprite);
}
