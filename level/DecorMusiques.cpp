// The level's music and ambience, streamed or played from memory, and the silence at its end.
#include "core/EtatJeu.h"
#include "core/Media.h"
#include "core/Sprite.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"

namespace {

// One track: opened or loaded when asked, then looped as the level says and played.
// False when the streamed file does not open (that track stays silent).
bool jouerPiste(bool streamee, bool charger, const std::string& chemin, bool boucle, sf::Music& musique,
                sf::SoundBuffer& buffer, sf::Sound& son)
{
    if (streamee) {
        if (charger && !tuv::chargerMedia(musique, chemin))
            return false;
        musique.setLoop(boucle);
        musique.play();
        return true;
    }
    if (charger) {
        tuv::chargerMedia(buffer, chemin);
        son.setBuffer(buffer);
    }
    son.setLoop(boucle);
    son.play();
    return true;
}

} // namespace

int CDecor::jouerMusiques(bool charger)
{
    ++appels.jouerMusiques;
    if (CCalqueSD* plan = pPlans[PLAN_PRINCIPAL])
        for (CSPRITE* sd : plan->sprites)
            if (sd)
                sd->gererSon();
    // Each track stands alone: a music that does not open leaves the ambience playing.
    bool ok = true;
    if (!cheminMusique.empty())
        ok = jouerPiste(bMusiquesStreamees, charger, cheminMusique, bMusiqueBoucle, musique, bufferMusique,
                        sonMusique);
    if (!cheminMusiqueAmbiance.empty())
        ok = jouerPiste(bMusiquesStreamees, charger, cheminMusiqueAmbiance, bMusiqueAmbianceBoucle, musiqueAmbiance,
                        bufferMusiqueAmbiance, sonMusiqueAmbiance) && ok;
    return ok ? 0 : -1;
}

void CDecor::stopApplaudissements()
{
    ++appels.stopApplaudissements;
    for (CCalqueSD* plan : pPlans)
        if (plan)
            for (CSPRITE* sd : plan->sprites)
                if (sd)
                    sd->stopSon();
    // Both forms: the level may have switched between streamed and buffered since it started.
    musique.stop();
    musiqueAmbiance.stop();
    sonMusique.stop();
    sonMusiqueAmbiance.stop();
    musiqueFin.stop();
    if (ServicesJeu* jeu = faceJeu::services())
        jeu->arreterSon("APPLAUDISSEMENTS");
}
