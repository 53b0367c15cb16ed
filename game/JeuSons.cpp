// Named sounds: "sons.ini", playing by name, volumes, and sounds attached to decor sprites.
#include "game/Jeu.h"

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
            sf::SoundBuffer& buffer = buffersSons[nom];
            // A file that does not load leaves the name silent; nothing is reported.
            buffer.loadFromFile(chemin);
            sf::Sound& son = sons[nom];
            son.setBuffer(buffer);
            // Sounds loaded after "jeu.ini" must still follow its volume.
            son.setVolume(volumeEffets);
        }
        f.close();
    }
    sf::Lock verrou(CSFMLJeuGlobal::mutex);
    CSFMLJeuGlobal::bChargement = false;
}

// A name never loaded is silent. It is not added to the map: every sf::Sound holds an
// audio source and the library has only a few hundred.
void CSFMLJeu::jouerSon(const std::string& nom)
{
    if (espionSons)
        espionSons(nom);
    auto it = sons.find(nom);
    if (it != sons.end())
        it->second.play();
}

void CSFMLJeu::arreterSon(const std::string& nom)
{
    auto it = sons.find(nom);
    if (it != sons.end())
        it->second.stop();
}

void CSFMLJeu::arreterSons()
{
    for (auto& [nom, son] : sons)
        son.stop();
}

void CSFMLJeu::bouclerSon(const std::string& nom, bool boucle)
{
    auto it = sons.find(nom);
    if (it != sons.end())
        it->second.setLoop(boucle);
}

int CSFMLJeu::sonEnCours(const std::string& nom)
{
    auto it = sons.find(nom);
    return it == sons.end() ? 0 : static_cast<int>(it->second.getStatus());
}

void CSFMLJeu::appliquerVolumes()
{
    for (auto& [nom, son] : sons)
        son.setVolume(volumeEffets);
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
