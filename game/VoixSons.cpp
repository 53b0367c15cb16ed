#include "game/VoixSons.h"

void CVoixSons::jouer(const std::string& nom, const sf::SoundBuffer& buffer, float volume)
{
    Voix* v = trouver(nom);
    if (!v) {
        v = voixLibre();
        if (!v)
            return;
        v->son.stop();
        v->son.setBuffer(buffer);
        v->nom = nom;
    } else if (v->son.getBuffer() != &buffer) {
        // The name's buffer was reloaded meanwhile, which detached it from the voice.
        v->son.setBuffer(buffer);
    }
    v->son.setLoop(nomsEnBoucle.count(nom) > 0);
    v->son.setVolume(volume);
    v->debut = ++departs;
    v->son.play();
}

void CVoixSons::arreter(const std::string& nom)
{
    if (Voix* v = trouver(nom))
        v->son.stop();
}

void CVoixSons::arreterTout()
{
    for (auto& v : voix)
        v->son.stop();
}

void CVoixSons::boucler(const std::string& nom, bool boucle)
{
    if (boucle)
        nomsEnBoucle.insert(nom);
    else
        nomsEnBoucle.erase(nom);
    if (Voix* v = trouver(nom))
        v->son.setLoop(boucle);
}

int CVoixSons::statut(const std::string& nom) const
{
    const Voix* v = trouver(nom);
    return v ? static_cast<int>(v->son.getStatus()) : 0;
}

void CVoixSons::setVolume(float volume)
{
    for (auto& v : voix)
        v->son.setVolume(volume);
}

const sf::Sound* CVoixSons::voixDe(const std::string& nom) const
{
    const Voix* v = trouver(nom);
    return v ? &v->son : nullptr;
}

CVoixSons::Voix* CVoixSons::trouver(const std::string& nom)
{
    for (auto& v : voix)
        if (v->nom == nom)
            return v.get();
    return nullptr;
}

const CVoixSons::Voix* CVoixSons::trouver(const std::string& nom) const
{
    return const_cast<CVoixSons*>(this)->trouver(nom);
}

CVoixSons::Voix* CVoixSons::voixLibre()
{
    for (auto& v : voix)
        if (v->son.getStatus() == sf::Sound::Stopped)
            return v.get();
    if (voix.size() < NB_VOIX) {
        voix.push_back(std::make_unique<Voix>());
        return voix.back().get();
    }
    Voix* ancienne = nullptr;
    for (auto& v : voix)
        if (!v->son.getLoop() && (!ancienne || v->debut < ancienne->debut))
            ancienne = v.get();
    return ancienne;
}
