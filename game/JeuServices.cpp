// What the foundation (sprites, animations, files) reaches of the game: see core/Services.h.
#include "game/Jeu.h"

#include "anim/Sprite3.h"
#include "animeditor/JeuDialogAnimationsSprites.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/Services.h"
#include "editor/JeuDialogPerso.h"
#include "editor/LiensDialogues.h"
#include "editor/SFMLJeuChoix.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControl.h"
#include "level/Decor.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"

#include <iostream>
#include <memory>

void CSFMLJeu::installerServices()
{
    ServicesFondation& s = g_services;
    s.framerateCoeff = [this] { return framerateCoeff; };
    s.secondesHorloge = [this] { return static_cast<float>(secondesJeu()); };
    s.modeJeu = [this] { return mode; };
    s.numeroFrame = [this] { return static_cast<unsigned long>(compteurImages + 1); };
    s.jouerSon = [this](const std::string& nom) { jouerSon(nom); };
    s.arreterSon = [this](const std::string& nom) { arreterSon(nom); };
    s.bouclerSon = [this](const std::string& nom, bool b) { bouclerSon(nom, b); };
    s.sonEnCours = [this](const std::string& nom) { return sonEnCours(nom); };
    s.arreterSons = [this] { arreterSons(); };
    s.volumeEffets = [this] { return volumeEffets; };
    s.shaderManager = [this] { return pShaderManager; };
    s.shadersActifs = [this] { return bUseShader; };
    s.particulesActives = [this] { return bParticules; };
    s.animGlobale = [this](const std::string& nom) { return getAnimGlobale(nom); };
    s.lireSprite3 = &lireSprite3DEC;
    s.textureCache = [this](const std::string& cle, const std::string& chemin) {
        return textureEnCache(cle, chemin);
    };
    s.overJeu = [this](const std::string& nom) -> CSPRITE_SIMPLE* {
        auto it = overs.find(nom);
        return it == overs.end() ? nullptr : it->second;
    };
    s.messageBox = [](const std::string& titre, const std::string& texte, const std::string&) {
        CPLUX::MessageBoxW(titre, texte);
    };
    // Particles and collapsing platforms ask the active world as non-characters.
    s.estCollision = [this](float x1, float y1, float x2, float y2) {
        return pdecor && pdecor->estCollision(nullptr, x1, y1, x2, y2);
    };
    s.collisionPixel = [this](CSPRITE* sd, int x, int y, sf::Color c) {
        return pdecor && pdecor->collisionPixel(sd, x, y, c);
    };
    // Seesaws weigh, and force zones push, the characters of the active world.
    s.chargesSurSprite = [this](CSPRITE* sd, std::vector<Charge>& charges) {
        if (pdecor)
            pdecor->chargesSurSprite(sd, charges);
    };
    s.appliquerForce = [this](CSPRITE* sd, CForceSD& force) {
        if (pdecor)
            pdecor->appliquerForce(sd, force);
    };
    s.rectControle = [](CPLUXControl* c) {
        if (!c)
            return sf::FloatRect();
        const sf::Vector2f p = c->getPositionScreen();
        return sf::FloatRect(p.x, p.y, c->getWidth(), c->getHeight());
    };
    s.commandes = [this](int joueur) -> const CommandesJoueur* {
        return joueur >= 0 && joueur < 4 ? &commandes[joueur] : nullptr;
    };
    s.notifierDialogue = &CSFMLJeu::notifierDialogue;
    s.editerPerso = &editeur::editerPerso;
    // What the level editor's right click places: the pickers' current files.
    s.choixEditeur = &CSFMLJeuChoix::choixCourant;
    s.definitionJeu = [this](const std::string& nom, const std::string& fichier) {
        return definitionSprite(nom, fichier);
    };
    // Every image bank of the game owns a character definition.
    installerHooksPersoDef();
    installerServicesScripts(*this);
    installerLiensDialogues();
}

// The game's own sprite definitions (key-point anchors...), read once by name and kept
// until the game ends. A file that does not load gives null, is reported once and is not
// read again.
CDEC* CSFMLJeu::definitionSprite(const std::string& nom, const std::string& fichier)
{
    auto it = definitionsSprites.find(nom);
    if (it != definitionsSprites.end())
        return it->second;
    auto banque = std::make_unique<CDEC>();
    if (!banque->pFichierDEC || !banque->pFichierDEC->chargerDEC(fichier, banque.get())) {
        std::cerr << "Définition " << nom << " : impossible de lire " << fichier << '\n';
        definitionsSprites[nom] = nullptr;
        return nullptr;
    }
    banque->nom = nom;
    return definitionsSprites[nom] = banque.release();
}

void CSFMLJeu::notifierDialogue(void* dialogue, const std::string& evenement)
{
    // A sprite copied from an edited one keeps its dialog pointer and may outlive the dialog.
    auto* d = static_cast<CPLUXDialog*>(dialogue);
    if (CPLUX::estVivant(d))
        d->onCtrlUserChange(nullptr, evenement, nullptr);
}
