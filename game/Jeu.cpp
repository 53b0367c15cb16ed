#include "game/Jeu.h"

#include "characters/Armes.h"
#include "characters/Explosions.h"
#include "characters/IABehaviours.h"
#include "characters/OptionsMulti.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/Media.h"
#include "core/Services.h"
#include "core/ShaderManager.h"
#include "core/SpriteSimple.h"
#include "core/Texte.h"
#include "editor/Editeur.h"
#include "game/FinNiveau.h"
#include "game/JeuBarreOutils.h"
#include "game/JeuHUD.h"
#include "game/SourceEntrees.h"
#include "gui/CPLUX.h"
#include "gui/plux_theme.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/Vue.h"
#include "lobby/JeuDialogInternet.h"
#include "menus/JeuMenus.h"
#include "script/ScriptEngine.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iostream>

namespace {

// "12", "-3", " 4.5": a value that reads as a number; anything else keeps the default.
bool estNombre(const std::string& v)
{
    std::string s = tuv::delspaces(v);
    size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
    bool chiffre = false, point = false;
    for (; i < s.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(s[i])))
            chiffre = true;
        else if (s[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return chiffre;
}

int entierOu(const std::string& v, int defaut)
{
    return estNombre(v) ? tuv::stoi(tuv::delspaces(v)) : defaut;
}

bool drapeauOu(const std::string& v, bool defaut)
{
    return estNombre(v) ? tuv::stoi(tuv::delspaces(v)) != 0 : defaut;
}

float volumeOu(const std::string& v, float defaut)
{
    return estNombre(v) ? std::clamp(tuv::stof(tuv::delspaces(v)), 0.0f, 100.0f) : defaut;
}

// Beyond an 8K screen the scene texture alone would take hundreds of megabytes.
constexpr int LARGEUR_MAX_FENETRE = 7680;
constexpr int HAUTEUR_MAX_FENETRE = 4320;
// Three seconds at 30 frames per second: the longest killcam ring.
constexpr int KILLCAM_MAX = 90;
// The eliminated players' icons on the end-of-round screens, laid out for 1280 pixels.
constexpr float LARGEUR_ECRAN_MENUS = 1280;
constexpr float ECART_ICONES = 160;
constexpr float Y_ICONES = 470;
// The timed message's size, the smallest it takes to fit a small window, and the room kept
// between it and each side of the window.
constexpr unsigned TAILLE_MESSAGE = 26, TAILLE_MESSAGE_MIN = 14;
constexpr float MARGE_MESSAGE = 16;

} // namespace

CSFMLJeu::CSFMLJeu()
    : pSourceEntrees(std::make_unique<SourceFenetre>(*this)), pFinNiveau(std::make_unique<CFinNiveau>())
{
    // The first game made is the game; a second one (a test's scratch game) stays apart.
    if (!CSFMLJeuGlobal::pmonjeu)
        faceJeu::installer(facettes());
}

CSFMLJeu::~CSFMLJeu()
{
    // Nothing may call back into a half-destroyed game; the banks freed below still free
    // their character definitions.
    g_services = ServicesFondation();
    installerHooksPersoDef();
    arreterSons();
    for (CPerso* p : persosPrecharges)
        delete p;
    for (CPerso* p : iasPrechargees)
        delete p;
    // The level worlds own their characters, the player's included.
    delete pdecorMenu;
    delete pdecorJeu;
    // After the worlds: their key-point anchors draw from these.
    for (auto& [nom, banque] : definitionsSprites)
        delete banque;
    definitionsSprites.clear();
    // After the worlds: their sprites were drawn through its shaders.
    delete pShaderManager;
    pShaderManager = nullptr;
    delete pscriptEngineMenu;
    delete pscriptEngineJeu;
    pscriptEngine = pscriptEngineMenu = pscriptEngineJeu = nullptr;
    delete parmes;
    delete pExplosions;
    delete pIABehaviours;
    delete pOptionsMulti;
    delete pMenus;
    delete pHUD;
    delete pBarreOutils;
    delete pvueMenu;
    delete pvueJeu;
    detruireRessources();
    for (auto& [nom, t] : imagesInfo)
        delete t;
    for (auto& [nom, t] : iconesBoutons)
        delete t;
    for (auto& [nom, t] : texturesCache)
        delete t;
    for (auto& [nom, s] : shaders)
        delete s;
    delete iconeInverse;
    delete iconeSansSaut;
    if (CSFMLJeuGlobal::prenderTexture) {
        delete CSFMLJeuGlobal::prenderTexture;
        CSFMLJeuGlobal::prenderTexture = nullptr;
    }
    delete pRenderTextureOmbre;
    sceneIntermediaire.reset();
    libererDialogues();
    delete pPLUX;
    CPLUX::setSurface(nullptr);
    delete fenetre;
    // The shared spirit sprite points into the texture cache freed above.
    CPerso::libererRessourcesPartagees();
    if (CSFMLJeuGlobal::pmonjeu == this)
        faceJeu::installer({});
}

int CSFMLJeu::init(const std::string& fichier)
{
    for (CommandesJoueur& c : commandes)
        c = CommandesJoueur();
    installerServices();
    chargerPolice();
    creerObjets();
    lireConfiguration(fichier, true);
    lireConfiguration(fichier, false);
    if (!fenetre)
        return -1;
    if (pHUD)
        pHUD->bInfosVisible = false;
    if (!fichierEditeur.empty()) {
        mode = 2;
        if (CSFMLJeuGlobal::bModeTest) {
            pdecor = pdecorJeu;
            pvue = pvueJeu;
            pscriptEngine = pscriptEngineJeu;
            // Loaded in the editor, the level's view holds still until M.
            pdecor->chargerNiveau(fichierEditeur, 0);
            chargerSons();
            CPLUX::show(editeur::id::MENU_EDITEUR);
            editeur::rafraichirBarre();
        }
    } else {
        pMenus->chargerMenu("./menus/", "menu0.mnu");
        pMenus->entrerMenu(0);
    }
    return 0;
}

// Everything that does not depend on "jeu.ini", in the order the subsystems need it.
void CSFMLJeu::creerObjets()
{
    pShaderManager = new CShaderManager();
    pdecorMenu = new CDecor();
    pdecorJeu = new CDecor();
    pdecor = pdecorMenu;
    chargerAnimsIntegrees();
    chargerAnimsGlobales("./anmglobaux.ini");
    pPerso = nullptr;  // made by the level that places the player
    parmes = new CArmes();
    parmes->charger("./personnages/armes.arm");
    pIABehaviours = new CIABehaviours();
    pExplosions = new CExplosions();
    pExplosions->charger("./explosions/explos.ini");
    pOptionsMulti = new COptionsMulti(armesFontaine);
    pscriptEngineMenu = new CScriptEngine();
    pscriptEngineJeu = new CScriptEngine();
    pscriptEngine = pscriptEngineMenu;
    pdecorMenu->pMoteur = pscriptEngineMenu;
    pdecorJeu->pMoteur = pscriptEngineJeu;
    pMenus = new CJeuMenus();
}

void CSFMLJeu::lireConfiguration(const std::string& fichier, bool premierePasse)
{
    if (!open(fichier, false))
        return;
    for (std::string cle = getKey(); !cle.empty(); cle = getKey())
        lireCle(cle, premierePasse);
    CTUVFile::close();
    if (!premierePasse && fenetre) {
        regleFramerate.configurer(configFramerate, configVsync, configAutoFramerate);
        appliquerFramerate();
        appliquerVolumes();
    }
}

void CSFMLJeu::lireCle(const std::string& cle, bool premierePasse)
{
    if (premierePasse) {
        if (cle == "VIEWPORT") {
            std::string l = getValue();
            std::string h = getValue();
            int largeur = entierOu(l, 1280), hauteur = entierOu(h, 720);
            if (largeur <= 0 || hauteur <= 0 || largeur > LARGEUR_MAX_FENETRE || hauteur > HAUTEUR_MAX_FENETRE)
                largeur = 1280, hauteur = 720;
            if (!fenetre)
                creerFenetre(largeur, hauteur);
        } else if (cle == "LOADOVER") {
            std::string nom = getValue();
            std::string dec = getValue();
            chargerOver(nom, dec);
        }
        return;
    }
    if (cle == "EDITEUR")
        fichierEditeur = getValue();
    else if (cle == "FRAMERATE")
        configFramerate = entierOu(getValue(), configFramerate);
    else if (cle == "VERTICALSYNCHRO")
        configVsync = drapeauOu(getValue(), configVsync);
    else if (cle == "AUTOFRAMERATE")
        configAutoFramerate = drapeauOu(getValue(), configAutoFramerate);
    else if (cle == "KILLCAM")
        optionKillcam = std::clamp(entierOu(getValue(), 0), 0, KILLCAM_MAX);
    else if (cle == "VOLUME_EFFETS")
        volumeEffets = volumeOu(getValue(), volumeEffets);
    else if (cle == "VOLUME_MUSIQUE")
        volumeMusique = volumeOu(getValue(), volumeMusique);
    else if (cle == "USESHADER")
        bUseShader = drapeauOu(getValue(), bUseShader);
    else if (cle == "USEPARTICULESARMES")
        bUseParticulesArmes = drapeauOu(getValue(), bUseParticulesArmes);
    else if (cle == "XINPUT")
        bXInput = drapeauOu(getValue(), bXInput);
    else if (cle == "IA_JOUEUR2")
        bIAJoueur2 = drapeauOu(getValue(), bIAJoueur2);
    else if (cle == "LOADPERSO")
        chargerPersoIA(getValue(), false);
    else if (cle == "LOADIA")
        chargerPersoIA(getValue(), true);
    else if (cle == "FREE_IAS_MEMORY")
        bFreeIasMemory = drapeauOu(getValue(), bFreeIasMemory);
    else if (cle == "NEVER_FREE_TEXTURES")
        bNeverFreeTextures = drapeauOu(getValue(), bNeverFreeTextures);
    else if (cle == "IMGINFO") {
        std::string nom = getValue();
        std::string image = getValue();
        chargerImageInfo(nom, image);
    } else if (cle == "FONDINFO" || cle == "BULLE" || cle == "IMGPARLE" || cle == "IMGPARLE2") {
        lireRessourceMessages(cle);
    } else if (cle == "SERVEUR_LOBBY") {
        CJeuDialogInternet::lireCleServeur(*this);
    } else if (cle == "VIE_INFINIE" && CSFMLJeuGlobal::bModeTest)
        bVieInfinie = drapeauOu(getValue(), bVieInfinie);
    else if (cle == "TIR_INFINI" && CSFMLJeuGlobal::bModeTest)
        bTirInfini = drapeauOu(getValue(), bTirInfini);
}

std::string CSFMLJeu::fenetreTropGrande(int largeur, int hauteur, unsigned ecranLargeur, unsigned ecranHauteur)
{
    if (static_cast<unsigned>(largeur) <= ecranLargeur && static_cast<unsigned>(hauteur) <= ecranHauteur)
        return {};
    const auto taille = [](auto l, auto h) { return std::to_string(l) + "x" + std::to_string(h); };
    return "jeu: the window of VIEWPORT=" + std::to_string(largeur) + ";" + std::to_string(hauteur) +
           " is larger than the screen (" + taille(ecranLargeur, ecranHauteur) +
           "): part of it is off the screen; give jeu.ini a VIEWPORT the screen holds.";
}

void CSFMLJeu::creerFenetre(int largeur, int hauteur)
{
    largeurVue = largeur;
    hauteurVue = hauteur;
    fenetre = new sf::RenderWindow(sf::VideoMode(largeur, hauteur), "Jeu", sf::Style::Titlebar | sf::Style::Close);
    fenetre->setKeyRepeatEnabled(false);
    // SFML leaves a new window where the window manager puts it, on some desktops partly below
    // the screen: the game's window is centred on the desktop.
    const sf::VideoMode bureau = sf::VideoMode::getDesktopMode();
    if (const std::string trop = fenetreTropGrande(largeur, hauteur, bureau.width, bureau.height); !trop.empty())
        std::cerr << trop << '\n';
    fenetre->setPosition(sf::Vector2i(std::max(0, (static_cast<int>(bureau.width) - largeur) / 2),
                                      std::max(0, (static_cast<int>(bureau.height) - hauteur) / 2)));
    pvueMenu = new CVue(largeur, hauteur);
    pvueJeu = new CVue(largeur, hauteur);
    pvue = pdecor == pdecorJeu ? pvueJeu : pvueMenu;
    if (pdecorMenu)
        pdecorMenu->pCamera = pvueMenu;
    if (pdecorJeu)
        pdecorJeu->pCamera = pvueJeu;
    pHUD = new CSFMLJeuHUD();
    pPLUX = new CPLUX(fenetre);
    CSFMLJeuGlobal::prenderTexture = new sf::RenderTexture();
    CSFMLJeuGlobal::prenderTexture->create(largeur, hauteur);
    if (pdecor)
        for (CCalqueSD* plan : pdecor->pPlans)
            if (plan)
                plan->creerTexture(unsigned(largeur), unsigned(hauteur));
    pRenderTextureOmbre = new sf::RenderTexture();
    pRenderTextureOmbre->create(largeur, hauteur);
    pBarreOutils = new CSFMLJeuBarreOutils();
    pBarreOutils->jeu = this;
    initPLUX();
    appliquerFramerate();
}

void CSFMLJeu::appliquerFramerate()
{
    framerateCoeff = regleFramerate.getCoeff();
    // The ring covers the same time at both rates, also after a drop to 30 per second.
    killcamTaille = static_cast<int>(std::trunc(optionKillcam / framerateCoeff));
    if (!fenetre)
        return;
    // A replay runs as fast as it can: its clock counts frames, not real time.
    fenetre->setVerticalSyncEnabled(regleFramerate.getVsync() && !bRejeu);
    fenetre->setFramerateLimit(regleFramerate.getVsync() || bRejeu ? 0 : regleFramerate.getCible());
}

void CSFMLJeu::chargerPolice()
{
    if (police.getInfo().family.empty() &&
        !tuv::chargerMedia(police, "./PLUX_Res/polices/arial.ttf") &&
        !tuv::chargerMedia(police, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf")) {
        CPLUX::MessageBoxW("Erreur !", "Impossible de charger la police !");
        return;
    }
    for (sf::Text* t : {&texte, &texteStatut, &texteFPS, &texteMessage}) {
        t->setFont(police);
        t->setCharacterSize(18);
    }
    texteMessage.setCharacterSize(TAILLE_MESSAGE);
    // Read over the level and over the light dialogs alike.
    texteMessage.setOutlineColor(sf::Color::Black);
    texteMessage.setOutlineThickness(2);
}

void CSFMLJeu::chargerImageInfo(const std::string& nom, const std::string& fichier)
{
    auto* t = new sf::Texture();
    if (nom.empty() || !tuv::chargerMedia(*t, fichier)) {
        delete t;
        return;
    }
    delete imagesInfo[nom];
    imagesInfo[nom] = t;
    // The pad's buttons are also the pictures of the "~" marker of texts, each map owning
    // its own texture.
    for (const char* bouton : {"A", "B", "X", "Y", "Joy"})
        if (nom == bouton) {
            delete iconesBoutons[nom];
            iconesBoutons[nom] = new sf::Texture(*t);
        }
}

// The resources of the message commands, in both engines, each with its own copy.
void CSFMLJeu::lireRessourceMessages(const std::string& cle)
{
    const std::string premier = getValue();
    const std::string second = cle == "IMGPARLE" || cle == "IMGPARLE2" ? getValue() : std::string();
    for (CScriptEngine* e : {pscriptEngineMenu, pscriptEngineJeu}) {
        if (!e)
            continue;
        if (cle == "FONDINFO")
            e->chargerFondMessage(premier);
        else if (cle == "BULLE")
            e->chargerBulle(premier);
        else if (cle == "IMGPARLE")
            e->ajouterImageParle(premier, second);
        else
            e->ajouterImageParle2(premier, second);
    }
}

void CSFMLJeu::chargerPersoIA(const std::string& per, bool ia)
{
    auto* p = new CPerso();
    {
        // The emitters and the ".anm" go straight into the character.
        CPersoDef def;
        def.pPerso = p;
        def.charger(per, false, pdecor);
        def.appliquer(*p, CPersoDef::Usage::Prechargement);
    }
    p->fichier = per;  // also when the file could not be read: the level writer names it
    p->visee = (typeJeu == 2 || p->bVaisseau) ? 1 : -1;
    (ia ? iasPrechargees : persosPrecharges).push_back(p);
}

// The window keeps its size: the message is laid out for it once, its lines broken to its
// width, and smaller when they would be taller than it.
void CSFMLJeu::afficherMessage(const std::wstring& message, int dureeFrames)
{
    const float largeur = static_cast<float>(largeurVue) - 2 * MARGE_MESSAGE;
    const float hauteur = static_cast<float>(hauteurVue) - 2 * MARGE_MESSAGE;
    // As drawn: the pen's end past the last character, and the outline on both sides.
    sf::Text essai = texteMessage;
    essai.setPosition(0, 0);
    const auto mesure = [&essai](const std::wstring& ligne) {
        essai.setString(sf::String(ligne));
        return essai.findCharacterPos(ligne.size()).x + 2 * essai.getOutlineThickness();
    };
    for (unsigned taille = TAILLE_MESSAGE;; --taille) {
        texteMessage.setCharacterSize(taille);
        essai.setCharacterSize(taille);
        texteMessage.setString(sf::String(largeur > 0 ? plux::couperLignes(message, largeur, mesure) : message));
        if (taille <= TAILLE_MESSAGE_MIN || largeur <= 0 || texteMessage.getLocalBounds().height <= hauteur)
            break;
    }
    compteurMessage = std::max(0, dureeFrames);
}

void CSFMLJeu::secouerCamera(int duree, int amplitude)
{
    if (pvue && !pvue->tremblementActif())
        pvue->tremblement(duree, amplitude);
}

void CSFMLJeu::menuPause()
{
    if (!pMenus)
        return;
    if (typeJeu == 0) {
        pMenus->chargerMenu("./menus/", "menu60.mnu");
        pMenus->entrerMenu(60);
    } else {
        pMenus->chargerMenu("./menus/", "menu6.mnu");
        pMenus->entrerMenu(6);
    }
    mode = 0;
}

void CSFMLJeu::ajouterPersoMort(CPerso* perso)
{
    persosMorts.push_back(perso);
}

void CSFMLJeu::placerTexte(const std::wstring& chaine, float x, float y, sf::Text* pTexte)
{
    if (!pTexte || !fenetre)
        return;
    pTexte->setPosition(x, y);
    pTexte->setString(sf::String(chaine));
    dessinerTexteIcone(*fenetre, pTexte);
}

std::wstring CSFMLJeu::toucheBClavier() const
{
    if (!pMenus || !pMenus->bClavierUtilise)
        return {};
    return pMenus->langue == "en_" ? L"[Return]" : L"[Entrée]";
}

// Each "~" in the text stands for a pad-button picture: two blanks leave room for it.
void CSFMLJeu::dessinerTexteIcone(sf::RenderWindow& cible, sf::Text* pTexte)
{
    if (!pTexte)
        return;
    sf::String s = pTexte->getString();
    std::vector<std::size_t> marques;
    for (std::size_t m = s.find(L"~"); m != sf::String::InvalidPos; m = s.find(L"~", m + 2)) {
        s.replace(m, 1, L"  ");
        marques.push_back(m);
    }
    if (!marques.empty())
        pTexte->setString(s);
    cible.draw(*pTexte);
    // A picture stands as high as the text and is centred on its capital letters.
    const float echelle = pTexte->getScale().y;
    const float taillePolice = static_cast<float>(pTexte->getCharacterSize());
    const float hauteurLigne = taillePolice * echelle;
    float milieuCapitales = taillePolice * 0.6f * echelle;
    if (const sf::Font* police = pTexte->getFont()) {
        const sf::FloatRect a =
            police->getGlyph(U'A', pTexte->getCharacterSize(), (pTexte->getStyle() & sf::Text::Bold) != 0).bounds;
        if (a.height > 0)
            milieuCapitales = (taillePolice + a.top + a.height / 2) * echelle;
    }
    for (std::size_t marque : marques) {
        // The button named by the character after the blanks, else the stick.
        std::string nom = "Joy";
        if (marque + 2 < s.getSize() && s[marque + 2] < 128) {
            std::string lettre(1, static_cast<char>(s[marque + 2]));
            if (iconesBoutons.count(lettre))
                nom = lettre;
        }
        auto it = iconesBoutons.find(nom);
        if (it == iconesBoutons.end() || !it->second || it->second->getSize().x == 0 || it->second->getSize().y == 0)
            continue;
        // The picture is fitted into its two blanks, so that it reads at any size of text.
        const sf::Vector2f debut = pTexte->findCharacterPos(marque);
        const float largeur = pTexte->findCharacterPos(marque + 2).x - debut.x;
        const sf::Vector2f taille(it->second->getSize());
        const float k = std::min(largeur / taille.x, hauteurLigne / taille.y);
        if (!(k > 0))
            continue;
        sf::Sprite icone(*it->second);
        icone.setScale(k, k);
        icone.setPosition(debut.x + (largeur - taille.x * k) / 2, debut.y + milieuCapitales - taille.y * k / 2);
        cible.draw(icone);
    }
}

// Each eliminated character's last snapshot, 160 pixels apart around the middle of the
// screen; a character without one leaves its place empty.
void CSFMLJeu::dessinerIconesJoueurs(sf::RenderWindow& cible)
{
    const float n = static_cast<float>(persosMorts.size());
    for (std::size_t i = 0; i < persosMorts.size(); ++i) {
        const CPerso* p = persosMorts[i];
        if (!p || p->captures.empty())
            continue;
        const sf::Texture& image = p->captures.back().texture;
        const sf::Vector2u taille = image.getSize();
        if (taille.x == 0 || taille.y == 0)
            continue;
        sf::Sprite icone(image);
        icone.setOrigin(taille.x / 2.0f, 0);
        icone.setPosition(std::floor(LARGEUR_ECRAN_MENUS / 2.0f + ECART_ICONES * (i - (n - 1) / 2.0f)), Y_ICONES);
        cible.draw(icone);
    }
}
