// Message boxes (DRAWMSG) and speech bubbles (PARLE) drawn into the game window in every frame
// their command waits, the look of the message box, and the engine's message resources.
// Texts and images are kept by the engine: a frame loads nothing and makes no text object.
#include "script/ScriptEngine.h"

#include "core/EtatJeu.h"
#include "core/Media.h"
#include "core/Sprite.h"
#include "core/SpriteSimple.h"
#include "core/Texte.h"
#include "script/CommandesOutils.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <algorithm>
#include <climits>

namespace {

// DRAWMSG: lines 35 pixels apart, the prompt under the third line.
constexpr int INTERLIGNE_MESSAGE = 35;
constexpr int DECALAGE_INVITE = 105;
constexpr int PAS_INVITE = 40;
const sf::Color TEINTE_FOND(255, 255, 255, 230);
// PARLE: its text, bubble and portrait places from the speech layout.
constexpr unsigned TAILLE_BULLE = 16;
const sf::Color COULEUR_BULLE(32, 32, 32, 255);
const sf::Color TEINTE_BULLE(255, 255, 255, 200);
constexpr int DUREE_SANS_FIN = -1;
constexpr int DECOMPTE_PAR_IMAGE = 10;  // of the duration, at 30 frames per second
constexpr int TAILLE_TEXTE_MAX = 256;

void dessinerTexture(sf::RenderWindow& f, const sf::Texture& t, float x, float y, float echelle = 1.0f,
                     sf::Color teinte = sf::Color::White)
{
    if (t.getSize().x == 0)
        return;
    sf::Sprite image(t);
    image.setPosition(x, y);
    image.setScale(echelle, echelle);
    image.setColor(teinte);
    f.draw(image);
}

void dessinerInfo(sf::RenderWindow& f, const AffichageJeu& jeu, const std::string& nom, float x, float y)
{
    const auto it = jeu.imagesInfo.find(nom);
    if (it != jeu.imagesInfo.end() && it->second)
        dessinerTexture(f, *it->second, x, y);
}

// A keyboard player reads the key that does the pad's B: "~B" (its picture and letter)
// becomes that key's name.
std::wstring auClavier(std::wstring ligne, const std::wstring& touche)
{
    if (touche.empty())
        return ligne;
    for (std::size_t m = ligne.find(L"~B"); m != std::wstring::npos; m = ligne.find(L"~B", m + touche.size()))
        ligne.replace(m, 2, touche);
    return ligne;
}

// Draws in window pixels whatever view the frame left, and puts that view back.
class VueFenetre {
public:
    explicit VueFenetre(sf::RenderWindow& f) : f_(f), vue_(f.getView()) { f.setView(f.getDefaultView()); }
    ~VueFenetre() { f_.setView(vue_); }
    VueFenetre(const VueFenetre&) = delete;
    VueFenetre& operator=(const VueFenetre&) = delete;

private:
    sf::RenderWindow& f_;
    sf::View vue_;
};

} // namespace

void CScriptEngine::enregistrerMessages(TableCommandes& t)
{
    t["SETMSGBG"] = &CScriptEngine::cmdSETMSGBG;
    t["SETMSGBGPOS"] = &CScriptEngine::cmdSETMSGBGPOS;
    t["SETMSGIMGPOS"] = &CScriptEngine::cmdSETMSGIMGPOS;
    t["SETMSGTXTPOS"] = &CScriptEngine::cmdSETMSGTXTPOS;
    t["SETMSGTXTCOLOR"] = &CScriptEngine::cmdSETMSGTXTCOLOR;
    t["SETMSGTXTSIZE"] = &CScriptEngine::cmdSETMSGTXTSIZE;
    t["SETMSGTXTSTYLE"] = &CScriptEngine::cmdSETMSGTXTSTYLE;
    t["DRAWMSG"] = &CScriptEngine::cmdDRAWMSG;
    t["DRAWMSG_EN"] = &CScriptEngine::cmdDRAWMSG;
    t["PARLE"] = &CScriptEngine::cmdPARLE;
    t["PARLE_EN"] = &CScriptEngine::cmdPARLE;
    t["NOPARLE"] = &CScriptEngine::cmdNOPARLE;
    t["SETWAITMESSAGEVISIBLE"] = &CScriptEngine::cmdSETWAITMESSAGEVISIBLE;
}

// ---------------------------------------------------------------- resources

namespace {
// The texture from the file; a file that does not load leaves the old one.
bool remplacerTexture(sf::Texture& texture, const std::string& fichier)
{
    sf::Texture t;
    if (!tuv::chargerMedia(t, fichier))
        return false;
    texture = t;
    return true;
}
} // namespace

bool CScriptEngine::chargerFondMessage(const std::string& fichier) { return remplacerTexture(textureFondMessage, fichier); }
bool CScriptEngine::chargerBulle(const std::string& fichier) { return remplacerTexture(textureBulle, fichier); }

bool CScriptEngine::ajouterImageParle(const std::string& nom, const std::string& fichier)
{
    auto t = std::make_unique<sf::Texture>();
    if (nom.empty() || !tuv::chargerMedia(*t, fichier))
        return false;
    imagesParle[nom] = std::move(t);
    return true;
}

bool CScriptEngine::ajouterImageParle2(const std::string& nom, const std::string& fichierDec)
{
    auto sp = std::make_unique<CSPRITE_SIMPLE>();
    if (nom.empty() || !sp->charger(fichierDec) || !sp->pSprite)
        return false;
    spritesParle[nom] = std::move(sp);
    return true;
}

// ---------------------------------------------------------------- the look of the box

void CScriptEngine::cmdSETMSGBG(CScript* s)
{
    marquerFait(s);
    chargerFondMessage(getArgString(s, 0));
    s->fEchelleFondX = getArgFloat(s, 1);
    s->fEchelleFondY = getArgFloat(s, 2);
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETMSGBGPOS(CScript* s)
{
    marquerFait(s);
    s->nPosFondX = getArgInt(s, 0);
    s->nPosFondY = getArgInt(s, 1);
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETMSGIMGPOS(CScript* s)
{
    marquerFait(s);
    s->nPosImageX = getArgInt(s, 0);
    s->nPosImageY = getArgInt(s, 1);
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETMSGTXTPOS(CScript* s)
{
    marquerFait(s);
    s->nPosTexteX = getArgInt(s, 0);
    s->nPosTexteY = getArgInt(s, 1);
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETMSGTXTCOLOR(CScript* s)
{
    marquerFait(s);
    s->couleurTexte = sf::Color(commandes::canalModulo(getArgInt(s, 0)), commandes::canalModulo(getArgInt(s, 1)),
                                commandes::canalModulo(getArgInt(s, 2)), commandes::canalModulo(getArgInt(s, 3)));
    ++s->numCmdCour;
}

// A size outside 1..256 would ask the font for absurd glyphs.
void CScriptEngine::cmdSETMSGTXTSIZE(CScript* s)
{
    marquerFait(s);
    s->nTailleTexte = std::clamp(getArgInt(s, 0), 1, TAILLE_TEXTE_MAX);
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETMSGTXTSTYLE(CScript* s)
{
    marquerFait(s);
    const std::wstring style = getArgWString(s, 0);
    s->nStyleTexte = style == L"BOLD"         ? sf::Text::Bold
                     : style == L"ITALIC"     ? sf::Text::Italic
                     : style == L"UNDERLINED" ? sf::Text::Underlined
                                              : sf::Text::Regular;
    ++s->numCmdCour;
}

// ---------------------------------------------------------------- DRAWMSG

void CScriptEngine::dessinerMessage(CScript* s, sf::RenderWindow& f)
{
    ServicesJeu& jeu = *faceJeu::services();
    const VueFenetre vue(f);
    if (textureFondMessage.getSize().x > 0) {
        sf::Sprite fond(textureFondMessage);
        fond.setPosition(static_cast<float>(s->nPosFondX), static_cast<float>(s->nPosFondY));
        fond.setScale(s->fEchelleFondX, s->fEchelleFondY);
        fond.setColor(TEINTE_FOND);
        f.draw(fond);
    }
    const std::string locuteur = getArgString(s, 0);
    const float ix = static_cast<float>(s->nPosImageX), iy = static_cast<float>(s->nPosImageY);
    if (const auto anime = spritesParle.find(locuteur); anime != spritesParle.end()) {
        CSPRITE& sp = *anime->second->pSprite;
        sp.placer(-1, s->nPosImageX, s->nPosImageY);
        sp.animer(0);
        sp.dessinerImage(f, 0, 0);
    } else if (const auto fixe = imagesParle.find(locuteur); fixe != imagesParle.end()) {
        dessinerTexture(f, *fixe->second, ix, iy);
    } else {
        dessinerInfo(f, *faceJeu::affichage(), locuteur, ix, iy);
    }
    const float tx = static_cast<float>(s->nPosTexteX), ty = static_cast<float>(s->nPosTexteY);
    const std::wstring touche = jeu.toucheBClavier();
    for (int k = 1; k <= 4; ++k) {
        const std::wstring ligne = k < 4 ? auClavier(getArgWString(s, k), touche) : touche;
        if (ligne.empty())
            continue;
        sf::Text& texte = textesLignes[k - 1];
        texte.setStyle(static_cast<sf::Uint32>(s->nStyleTexte));
        texte.setCharacterSize(static_cast<unsigned>(std::clamp(s->nTailleTexte, 1, TAILLE_TEXTE_MAX)));
        texte.setFillColor(s->couleurTexte);
        // The keyboard's prompt stands where the pad's pictures would.
        const int y = k < 4 ? INTERLIGNE_MESSAGE * (k - 1) : DECALAGE_INVITE;
        jeu.placerTexte(ligne, tx, ty + static_cast<float>(y), &texte);
    }
    if (!touche.empty())
        return;
    const float py = ty + DECALAGE_INVITE;
    dessinerInfo(f, *faceJeu::affichage(), "Tilde", tx, py);
    dessinerInfo(f, *faceJeu::affichage(), "B", tx + PAS_INVITE, py);
    dessinerInfo(f, *faceJeu::affichage(), "Tilde", tx + 2 * PAS_INVITE, py);
}

// Shows the box until the first player releases B (on the keyboard: presses Return).
void CScriptEngine::cmdDRAWMSG(CScript* s)
{
    marquerFait(s);
    AffichageJeu* jeu = faceJeu::affichage();
    if (jeu && jeu->fenetre)
        dessinerMessage(s, *jeu->fenetre);
    if (jeu && faceJeu::partie()->commandes[0].bRelB) {
        ++s->numCmdCour;
        return;
    }
    bMessageAffiche = true;
}

// ---------------------------------------------------------------- PARLE

// Portrait, bubble and lines; decalage: where a fourth line would stand.
void CScriptEngine::dessinerBulle(CScript* s, sf::RenderWindow& f, int& decalage)
{
    ServicesJeu& jeu = *faceJeu::services();
    const VueFenetre vue(f);
    const int X = nBulleX, Y = nBulleY, T = nDecalageTexteBulle;
    const std::string locuteur = getArgString(s, 0);
    if (const auto anime = spritesParle.find(locuteur); anime != spritesParle.end()) {
        CSPRITE& sp = *anime->second->pSprite;
        sp.placer(-1, T + X - 175, Y + 113);
        sp.animer(0);
        sp.dessinerImage(f, 0, 0);
    } else if (const auto fixe = imagesParle.find(locuteur); fixe != imagesParle.end()) {
        dessinerTexture(f, *fixe->second, static_cast<float>(T + X - 300), static_cast<float>(Y + 15), 0.5f);
    }
    dessinerTexture(f, textureBulle, static_cast<float>(X + 150), static_cast<float>(Y - 30), 1.0f, TEINTE_BULLE);
    const float x = static_cast<float>(T + X);
    const std::wstring touche = jeu.toucheBClavier();
    decalage = 20;
    for (int k = 2; k <= 4; ++k) {
        const std::wstring ligne = auClavier(getArgWString(s, k), touche);
        if (ligne.empty())
            continue;
        sf::Text& texte = textesLignes[k - 2];
        texte.setStyle(sf::Text::Regular);
        texte.setCharacterSize(TAILLE_BULLE);
        texte.setFillColor(COULEUR_BULLE);
        // Lines 40 apart from Y + 20, the empty ones taking no room.
        jeu.placerTexte(ligne, x, static_cast<float>(Y + decalage), &texte);
        decalage += 40;
    }
}

// Shows the bubble until B is released or its duration (tenths of the count per frame at 30
// frames per second) runs out; -1 waits for B with its picture. A release of X ends it at once.
void CScriptEngine::cmdPARLE(CScript* s)
{
    CScriptCommand* c = commandeCourante(s);
    c->bFait = 1;
    auto finir = [&] {
        c->nEtat = 0;
        ++s->numCmdCour;
    };
    if (bPasserPause)
        return finir();
    if (c->nEtat == 0) {
        // Read at each first step, so that a second pass lasts as long as the first.
        c->nCompteur = getArgInt(s, 1);
        c->nEtat = 1;
    }
    AffichageJeu* jeu = faceJeu::affichage();
    int decalage = 20;
    if (jeu && jeu->fenetre)
        dessinerBulle(s, *jeu->fenetre, decalage);
    const bool relacheB = jeu && faceJeu::partie()->commandes[0].bRelB;
    if (c->nCompteur == DUREE_SANS_FIN) {
        if (jeu && jeu->fenetre)
            dessinerInviteBulle(*jeu->fenetre, decalage);
        if (relacheB)
            finir();
        return;
    }
    const int decompte = std::max(1, tuv::floatVersInt(DECOMPTE_PAR_IMAGE * coefficient()));
    c->nCompteur = c->nCompteur > INT_MIN + decompte ? c->nCompteur - decompte : INT_MIN;
    if (c->nCompteur <= 0 || relacheB)
        finir();
}

// Under the last line of a bubble without end: the pad's B, or the key a keyboard player
// presses for it.
void CScriptEngine::dessinerInviteBulle(sf::RenderWindow& f, int decalage)
{
    ServicesJeu& jeu = *faceJeu::services();
    const VueFenetre vue(f);
    const float x = static_cast<float>(nDecalageTexteBulle + nBulleX), y = static_cast<float>(nBulleY + decalage);
    const std::wstring touche = jeu.toucheBClavier();
    if (touche.empty())
        return dessinerInfo(f, *faceJeu::affichage(), "B", x, y);
    sf::Text& texte = textesLignes[3];
    texte.setStyle(sf::Text::Regular);
    texte.setCharacterSize(TAILLE_BULLE);
    texte.setFillColor(COULEUR_BULLE);
    jeu.placerTexte(touche, x, y, &texte);
}

// Moves on every script standing on a speech bubble, in either language.
void CScriptEngine::cmdNOPARLE(CScript* s)
{
    marquerFait(s);
    for (size_t i = 0; i < scripts.size(); ++i) {
        CScript* autre = scripts[i].get();
        CScriptCommand* c = commandeCourante(autre);
        if (autre == s || !autre->bEnCours || autre->bSupprime || !c ||
            (c->strMotCle != "PARLE" && c->strMotCle != "PARLE_EN"))
            continue;
        c->nEtat = 0;
        avancerScript(autre);
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETWAITMESSAGEVISIBLE(CScript* s)
{
    marquerFait(s);
    if (ServicesJeu* jeu = faceJeu::services())
        jeu->montrerAttente(getArgInt(s, 0) == 1);
    ++s->numCmdCour;
}
