// Named sounds: "sons.ini", playing by name, volumes, and sounds attached to decor sprites.
#include "game/Jeu.h"

#include "core/Media.h"
#include "core/Sprite.h"
#include "level/Decor.h"

void CSFMLJeu::chargerSons(const std::string& fichier)
{
    CSFMLJeuGlobal::bChargement = true;
    CTUVFile f;
    if (f.open(fichier, false)) {
        for (std::string cle = f.getKey(); !cle.empty(); cle = f.getKey()) {
            if (cle != "LOADSOUND")
                continue;
            std::string nom = f.getValue();
            std::string chemin = f.getValue();
            // A file that does not load (or is no file) leaves the name silent; nothing is
            // reported.
            tuv::chargerMedia(buffersSons[nom], chemin);
        }
        f.close();
    }
    sf::Lock verrou(CSFMLJeuGlobal::mutex);
    CSFMLJeuGlobal::bChargement = false;
}

// A name never loaded is silent and is not added to the list; a name whose file did not
// load takes no voice from the others.
void CSFMLJeu::jouerSon(const std::string& nom)
{
    if (espionSons)
        espionSons(nom);
    auto it = buffersSons.find(nom);
    if (it != buffersSons.end() && it->second.getSampleCount() > 0)
        voixSons.jouer(nom, it->second, volumeEffets);
}

void CSFMLJeu::arreterSon(const std::string& nom) { voixSons.arreter(nom); }

void CSFMLJeu::arreterSons() { voixSons.arreterTout(); }

void CSFMLJeu::bouclerSon(const std::string& nom, bool boucle)
{
    if (buffersSons.count(nom))
        voixSons.boucler(nom, boucle);
}

int CSFMLJeu::sonEnCours(const std::string& nom) { return voixSons.statut(nom); }

void CSFMLJeu::appliquerVolumes()
{
    voixSons.setVolume(volumeEffets);
    for (CDecor* d : {pdecorMenu, pdecorJeu}) {
        if (!d)
            continue;
        d->musique.setVolume(volumeMusique);
        d->musiqueAmbiance.setVolume(volumeMusique);
        d->musiqueFin.setVolume(volumeMusique);
        d->sonMusique.setVolume(volumeMusique);
        d->sonMusiqueAmbiance.setVolume(volumeMusique);
    }
}

// The sprite's own sound is made here when it has none yet: nothing else creates it, and
// one sound per sprite made up front would run out of audio sources.
bool CSFMLJeu::attacherSon(const std::string& nom, CSPRITE* sd)
{
    if (!sd)
        return false;
    if (nom.empty() || sd->modeSon == 4) {
        delete sd->pSon;
        sd->pSon = nullptr;
        // A sprite without a sound keeps the volume it was given for one.
        if (!sd->idSon.empty())
            sd->setVolumeSon(0);
        return false;
    }
    auto it = buffersSons.find(nom);
    if (it == buffersSons.end())
        return false;
    if (!sd->pSon)
        sd->pSon = new sf::Sound();
    sd->pSon->setBuffer(it->second);
    if (sd->modeSon == 3)
        sd->gererSon();
    sd->setVolumeSon(50);
    return true;
}
