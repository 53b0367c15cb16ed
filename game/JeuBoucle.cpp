// The main loop: one frame per call of etape(), in the mode the game is in.
#include "game/Jeu.h"

#include "characters/Armes.h"
#include "characters/IABehaviours.h"
#include "characters/Inventaire.h"
#include "core/Services.h"
#include "core/ShaderManager.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "editor/Editeur.h"
#include "editor/JeuDialogMenuEditeur.h"
#include "editor/SFMLJeuEditeurOptions.h"
#include "game/JeuBarreOutils.h"
#include "game/JeuHUD.h"
#include "game/SourceRejouee.h"
#include "gui/CPLUX.h"
#include "level/Decor.h"
#include "level/Vue.h"
#include "menus/JeuMenus.h"
#include "script/ScriptEngine.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <memory>

void CSFMLJeu::boucle()
{
    while (etape()) {
    }
}

bool CSFMLJeu::etape()
{
    if (!fenetre || !fenetre->isOpen())
        return false;
    traiterEvenementsFenetre();
    if (!fenetre->isOpen())
        return false;
    if (mode == 0)
        imageMenu();
    else
        imageNiveau();
    finImage();
    return fenetre->isOpen();
}

void CSFMLJeu::imageMenu()
{
    bPausePrecedente = bInventairePrecedent = true;
    fenetre->clear(sf::Color(150, 150, 150));
    if (pMenus) {
        pMenus->afficher(fenetre);
        pMenus->gererMenu();
    }
    majGUI(false);
}

void CSFMLJeu::imageNiveau()
{
    bool editeur = mode == 2;
    // The AIs the editor removed last frame go before anything of this frame walks the AIs.
    if (pdecor)
        pdecor->libererIAsRetirees();
    if (pIABehaviours && bAfficheIAs && (!editeur || bScriptsActifs))
        pIABehaviours->majIA();
    // "FREE_IAS_MEMORY": finished AIs leave the level as soon as they are done.
    if (bFreeIasMemory && pdecor)
        pdecor->purgerIAs();
    if (bFocusJeu && !clavierAuxDialogues())
        entreesJoueurs();
    // The push the force zones gave last frame, once the characters took their own steps.
    if (pdecor && (!editeur || bScriptsActifs))
        pdecor->pousserPersos();
    if (pdecor && mode == 1)
        pdecor->tuerPersosTombes();

    fenetre->clear(sf::Color(150, 150, 150));
    sf::RenderTexture* scene = CSFMLJeuGlobal::prenderTexture;
    // The level clears the scene to its own colour.
    if (scene && pdecor)
        pdecor->dessiner(fenetre);
    if (parmes)
        parmes->majTirs();
    // The zones go into the scene before it is shown: drawn after, they would be cleared
    // with it at the next frame without ever reaching the window.
    if (scene && pscriptEngine && editeur && bAfficherZonesScripts)
        pscriptEngine->dessinerZones(*scene);
    if (scene) {
        scene->display();
        afficherScene(*scene);
    }
    capturerKillcam();
    decompterEffetsEcran();

    if (pscriptEngine) {
        if (bScriptsActifs)
            pscriptEngine->lancerScripts();
        pscriptEngine->dessinerPrints(fenetre);
    }
    if (pvue)
        pvue->maj();
    if (pHUD && bHUDVisible) {
        pHUD->dessiner(*fenetre);
        if (bCarteJeu)
            pHUD->dessinerOverlay(*fenetre);
    }
    if (pMenus && pMenus->pInventaire)
        pMenus->pInventaire->dessinerDecouverte(*fenetre);
    if (editeur && pBarreOutils && pvue)
        pBarreOutils->dessiner(*fenetre, static_cast<int>(std::trunc(pvue->x)), static_cast<int>(std::trunc(pvue->y)));
    majGUI(editeur);
    // Over the dialogs: what a dialog's button did (a save) shows in front of that dialog.
    if (compteurMessage > 0) {
        --compteurMessage;
        const sf::FloatRect r = texteMessage.getLocalBounds();
        // A message of many lines rises until its last one is in the window.
        const float y = std::min(std::floor(hauteurVue * 0.15f), std::floor(hauteurVue - r.top - r.height));
        texteMessage.setPosition(std::floor((largeurVue - r.width) / 2), std::max(0.0f, y));
        fenetre->draw(texteMessage);
    }
    // The doors open over the whole finished frame, GUI included.
    if (pMenus && pMenus->bOuverturePortes)
        pMenus->ouvrirPortes(fenetre);
}

void CSFMLJeu::entreesJoueurs()
{
    evenements(0, false, true);
    commandesJoueur(0);
    if (mode == 1)
        commandesMenus();
    if (mode == 1 && typeJeu == 2) {
        if (bIAJoueur2 && pIABehaviours)
            pIABehaviours->piloterJoueur2();
        evenements(1, bIAJoueur2, true);
        commandesJoueur(1);
    }
}

// Escape (as it goes down) or the release of START pauses; Tab (as it goes down) or the
// release of BACK opens the inventory, except in the two-player game. Acting on a pad
// button's release keeps the menu from seeing that release as one of its own buttons.
void CSFMLJeu::commandesMenus()
{
    const CommandesJoueur& c = commandes[0];
    const bool pause = c.bPause && !bPausePrecedente;
    const bool tab = toucheEnfoncee(sf::Keyboard::Tab);
    const bool inventaire = (tab && !bInventairePrecedent) || c.bRelBack;
    bPausePrecedente = c.bPause;
    bInventairePrecedent = tab;
    // Not during the pause that ends a level: its menu is on its way.
    if (!pMenus || (pdecor && pdecor->niveauFini))
        return;
    if (pause || c.bRelStart) {
        menuPause();
    } else if (inventaire && typeJeu != 2) {
        pMenus->chargerMenu("./menus/", IdMenu::fichier(IdMenu::INVENTAIRE));
        pMenus->idMenu = IdMenu::INVENTAIRE;
        mode = 0;
    }
}

// Under the mutex: the GUI draws over the frame and takes its input; in the editor the
// mouse no dialog took goes to the toolbar. Without the focus the input is left alone, but
// the dialogs' own work goes on: an unfocused lobby still answers its peers and the server.
void CSFMLJeu::majGUI(bool editeur)
{
    sf::Lock verrou(CSFMLJeuGlobal::mutex);
    CPLUX::refreshSurface();
    if (!bFocusJeu) {
        CPLUX::updateSansEntrees();
        return;
    }
    bool pris = CPLUX::update(fenetre);
    if (!pris && editeur && pBarreOutils && pvue)
        pBarreOutils->souris(*fenetre, static_cast<int>(std::trunc(pvue->x)), static_cast<int>(std::trunc(pvue->y)));
}

// The scene into the window, through the shader of each screen effect that runs: slot 0's
// pass first, slot 1's over its result. Without shaders, or when a shader does not load,
// the plain copy.
void CSFMLJeu::afficherScene(const sf::RenderTexture& scene)
{
    CSPRITE* effets[2] = {};
    sf::Shader* passes[2] = {};
    int n = 0;
    for (CSPRITE* sd : effetsEcran) {
        if (!sd || !sd->bEffetEcran || !bUseShader || !pShaderManager)
            continue;
        if (sf::Shader* shader = pShaderManager->getShader(sd->strShaderFrag, sd->strShaderVert)) {
            effets[n] = sd;
            passes[n++] = shader;
        }
    }
    shaderEcran = n > 0 ? passes[n - 1] : nullptr;
    sf::Sprite image(scene.getTexture());
    if (n == 2) {
        const sf::Vector2u taille = scene.getSize();
        if (!sceneIntermediaire || sceneIntermediaire->getSize() != taille) {
            sceneIntermediaire = std::make_unique<sf::RenderTexture>();
            if (!sceneIntermediaire->create(taille.x, taille.y))
                sceneIntermediaire.reset();
        }
        if (sceneIntermediaire) {
            preparerShaderEcran(*passes[0], *effets[0]);
            sceneIntermediaire->clear(sf::Color::Transparent);
            sceneIntermediaire->draw(image, sf::RenderStates(sf::BlendNone, sf::Transform(), nullptr, passes[0]));
            sceneIntermediaire->display();
            image.setTexture(sceneIntermediaire->getTexture(), true);
        }
    }
    if (n == 0) {
        fenetre->draw(image);
        return;
    }
    preparerShaderEcran(*passes[n - 1], *effets[n - 1]);
    fenetre->draw(image, passes[n - 1]);
}

// The sprite's own uniforms, then the effect's values.
void CSFMLJeu::preparerShaderEcran(sf::Shader& shader, const CSPRITE& sd)
{
    CShaderManager::appliquerUniforms(shader, sd.uniformsVert, sd.uniformsFrag, g_services.secondesHorloge());
    shader.setUniform("texture", sf::Shader::CurrentTexture);
    shader.setUniform("effetTemps1", static_cast<float>(sd.effetTemps1));
    shader.setUniform("effetTemps2", static_cast<float>(sd.effetTemps2));
    shader.setUniform("effetPoint", sf::Glsl::Vec2(sd.effetX, sd.effetY));
    shader.setUniform("effetMode", sd.effetMode);
}

// A screen effect lives its count of frames; a negative life never ends.
void CSFMLJeu::decompterEffetsEcran()
{
    for (CSPRITE*& effet : effetsEcran) {
        if (!effet || effet->effetVie < 0)
            continue;
        if (--effet->effetVie <= 0)
            effet = nullptr;
    }
}

// The level's chrono is the time left. It waits for the player's first action (the go)
// and then loses one second every whole second of frames counted from the go, so the go
// sign shows for exactly one second at either rate.
void CSFMLJeu::decompterChrono()
{
    if (!bGoChrono) {
        imagesChrono = 0;
        return;
    }
    if (mode != 1 || !pdecor || pdecor->niveauFini)
        return;
    if (++imagesChrono < regleFramerate.getCible())
        return;
    imagesChrono = 0;
    if (pdecor->chrono > 0)
        --pdecor->chrono;
}

double CSFMLJeu::secondesJeu() const
{
    if (bRejeu)
        return static_cast<double>(compteurImages) / regleFramerate.getCible();
    return horloge.getElapsedTime().asSeconds();
}

bool CSFMLJeu::rejouer(const std::string& fichier)
{
    auto source = std::make_unique<SourceRejouee>([this](const std::string& f) { return capturerEcranSous(f); },
                                                  [this] {
                                                      if (fenetre)
                                                          fenetre->close();
                                                  });
    if (!source->charger(fichier))
        return false;
    if (source->lignesRejetees() > 0)
        std::cerr << "jeu: " << source->lignesRejetees() << " line(s) of " << fichier << " do not read; skipped\n";
    pSourceEntrees = std::move(source);
    bRejeu = true;
    appliquerFramerate();
    return true;
}

void CSFMLJeu::finImage()
{
    ++compteurImages;
    if (regleFramerate.image(secondesJeu()))
        appliquerFramerate();
    if (regleFramerate.getNouvelleSeconde())
        texteFPS.setString("FPS : " + tuv::itos(regleFramerate.getMesure()) + " / " +
                           tuv::itos(regleFramerate.getCible()));
    if (mode == 2)
        if (auto* barre = dynamic_cast<CJeuDialogMenuEditeur*>(CPLUX::getDialog(editeur::id::MENU_EDITEUR))) {
            barre->setFPS();
            if (CSFMLJeuEditeurOptions* options = barre->getOptions())
                options->suivreNiveau();
        }
    decompterChrono();
    if (mode == 1)
        finNiveau();
    if (bCaptureDemandee && capturerEcran().empty())
        signalerEchec("Impossible d'enregistrer la capture d'écran");
    if (bRapportDemande)
        demanderRapport();
    bCaptureDemandee = bRapportDemande = false;
    if (pSourceEntrees)
        pSourceEntrees->finImage();
    {
        sf::Lock verrou(CSFMLJeuGlobal::mutex);
        if (!CSFMLJeuGlobal::bChargement)
            fenetre->display();
    }
    if (nbImagesMax > 0 && compteurImages >= nbImagesMax)
        fenetre->close();
}
