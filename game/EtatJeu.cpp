// The services that touch the game's own parts (HUD, menus, window, killcam, screen effects).
#include "game/Jeu.h"

#include "characters/Inventaire.h"
#include "game/HUD.h"
#include "game/SourceEntrees.h"
#include "menus/JeuMenus.h"
#include "script/ScriptEngine.h"

void CSFMLJeu::afficherStatut(const std::wstring& t) { texteStatut.setString(sf::String(t)); }

std::vector<std::string> CSFMLJeu::nomsSons() const
{
    std::vector<std::string> noms;
    for (const auto& son : buffersSons)
        noms.push_back(son.first);
    return noms;
}

std::vector<std::pair<std::string, CSPRITE3*>> CSFMLJeu::listeAnimsGlobales() const
{
    return {animsGlobales.begin(), animsGlobales.end()};
}

void CSFMLJeu::fermerFenetre()
{
    if (pSourceEntrees)
        pSourceEntrees->fermerFenetre();
}

const sf::Texture* CSFMLJeu::imageKillcam(int index) const
{
    return index >= 0 && index < static_cast<int>(killcamImages.size()) ? &killcamImages[index] : nullptr;
}

void CSFMLJeu::poserEffetEcran(int slot, CSPRITE* sd) { effetsEcran[slot != 0 ? 1 : 0] = sd; }

void CSFMLJeu::spriteSupprime(CSPRITE* sd)
{
    for (CSPRITE*& effet : effetsEcran)
        if (effet == sd)
            effet = nullptr;
    // Its scripts go with it, and what a restart kept of its level-file scripts. Both engines:
    // a sprite's animation scripts are made through the active engine, not always its world's.
    for (CScriptEngine* e : {pscriptEngineMenu, pscriptEngineJeu})
        if (e)
            e->supprimerScriptsSD(sd);
}

void CSFMLJeu::chargerHUD()
{
    if (!pHUD)
        return;
    pHUD->charger();
    // A level loaded in the editor is edited without the player's panels, as M into it hides them.
    if (mode == PartieJeu::MODE_EDITEUR)
        pHUD->bInfosVisible = false;
}

void CSFMLJeu::armerCompteDepart(int images)
{
    if (pHUD)
        pHUD->compteurDepart = images;
}

bool CSFMLJeu::sourisSurCarte() const { return pHUD && pHUD->bSourisSurCarte; }

void CSFMLJeu::afficherNomArme(int joueur, int images)
{
    if (pHUD && joueur >= 0 && joueur < 4)
        pHUD->compteurArme[joueur] = images;
}

void CSFMLJeu::pulserArme(int slot, int images)
{
    if (!pHUD)
        return;
    pHUD->compteurPulsation = images;
    pHUD->armePulsation = slot;
}

void CSFMLJeu::montrerInfos(bool visible)
{
    if (pHUD)
        pHUD->bInfosVisible = visible;
}

void CSFMLJeu::montrerAttente(bool visible)
{
    if (pHUD)
        pHUD->bAttenteVisible = visible;
}

std::string CSFMLJeu::langue() const { return pMenus ? pMenus->langue : std::string("fr_"); }

void CSFMLJeu::objetTrouve(CSPRITE* sd)
{
    if (pMenus && pMenus->pInventaire)
        pMenus->pInventaire->objetTrouve(sd);
}

void CSFMLJeu::niveauCharge(const std::string& fichier, int calque)
{
    if (!pMenus)
        return;
    pMenus->strNiveauCharge = fichier;
    pMenus->numNiveauCharge = calque;
}

std::string CSFMLJeu::fichierNiveauCharge() const { return pMenus ? pMenus->strNiveauCharge : std::string(); }

void CSFMLJeu::niveauChoisi(const std::string& dossier, const std::string& chemin)
{
    if (!pMenus)
        return;
    pMenus->strDossierNiveau = dossier;
    pMenus->strCheminNiveau = chemin;
}

void CSFMLJeu::ouvrirPortes(bool chargement)
{
    if (!pMenus)
        return;
    pMenus->bFermeturePortes = false;
    pMenus->bOuverturePortes = pMenus->bPortesFermees = true;
    if (chargement)
        pMenus->portesX = 0;
}

void CSFMLJeu::afficherTitreNiveau(sf::RenderWindow& f)
{
    if (pMenus)
        pMenus->afficherTitreNiveau(&f);
}

CSPRITE_SIMPLE* CSFMLJeu::spriteBarreProgression() { return pMenus ? &pMenus->spriteBarreProgression : nullptr; }
