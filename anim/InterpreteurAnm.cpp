#include "anim/InterpreteurAnm.h"

// (execution bodies follow once the sprite class is in)
#include "core/Services.h"
#include "core/Texte.h"

namespace {

std::string rogner(const std::string& t)
{
    size_t debut = t.find_first_not_of(" \t\r\n");
    if (debut == std::string::npos)
        return "";
    size_t fin = t.find_last_not_of(" \t\r\n");
    return t.substr(debut, fin - debut + 1);
}

} // namespace

const std::vector<EntreeCatalogueAnm>& CInterpreteurAnm::catalogue()
{
    using C = CommandeAnm;
    static const std::vector<EntreeCatalogueAnm> entrees = {
        {"#", "commentaires", C::Commentaire, 0},
        {"setElementAnimationLink", "( string nomElement ; int numAnimationLien )", C::SetElementAnimationLink, 2},
        {"setElementAnimationLink2", "( string nomElement ; string nomEtat )", C::SetElementAnimationLink2, 2},
        {"setElementAnimationLinkFrame", "( string nomElement ; int numFrame )", C::SetElementAnimationLinkFrame, 2},
        {"setElementAnimationLinkArme", "( string nomElement ; int numArme [-1 ou numero d'arme] )",
         C::SetElementAnimationLinkArme, 2},
        {"setElementAnimationLinkDirection", "( string nomElement ; int direction [-1 ou 1] )",
         C::SetElementAnimationLinkDirection, 2},
        {"setElementAnimationLinkShadersOn", "( string nomElement ; bool bShadersOn [0 ou 1] )",
         C::SetElementAnimationLinkShadersOn, 2},
        {"setElementAnimationLinkLoopAnimation", "( string nomElement ; bool bBoucle [0 ou 1] )",
         C::SetElementAnimationLinkLoopAnimation, 2},
        {"setElementAnimationLinkShoot", "( string nomElement ; int angle [0..360] )",
         C::SetElementAnimationLinkShoot, 2},
        {"initElementAnimationLinkViseeAuto [global]",
         "( string nomElement ; int angleDepart ; int angleArrivee ; float vitesse ; bool bLoop )",
         C::InitElementAnimationLinkViseeAuto, 5},
        {"stopElementAnimationLinkViseeAuto [global]", "( string nomElement )",
         C::StopElementAnimationLinkViseeAuto, 1},
        {"setAnimation", "( int numAnim )", C::SetAnimation, 1},
        {"setFrame", "( int numFrame )", C::SetFrame, 1},
        {"setDirection", "( int direction [-1 ou 1] )", C::SetDirection, 1},
        {"setArme", "( int numArme [-1 ou numero d'arme] )", C::SetArme, 1},
        {"shoot", "( int angle [0..360] )", C::Shoot, 1},
        {"setShadersOn", "( bool bShadersOn [0 ou 1] )", C::SetShadersOn, 1},
        {"setLoopAnimation", "( bool bBoucle [0 ou 1] )", C::SetLoopAnimation, 1},
        {"playSound", "( string idSon )", C::PlaySound, 1},
        {"stopSound", "( string idSon )", C::StopSound, 1},
        {"stopAllSounds", "( )", C::StopAllSounds, 0},
        {"runScript", "( string cheminScript )", C::RunScript, 1},
        {"_enable_NextCmdsOnlyIfPlaying",
         "( [les commandes suivantes ne seront jouees que en mode Play] )", C::ActiverSiLecture, 0},
        {"_disable_NextCmdsOnlyIfPlaying", "( [annule l'effet de _enable_NextCmdsOnlyIfPlaying] )",
         C::DesactiverSiLecture, 0},
    };
    return entrees;
}

CommandeAnm CInterpreteurAnm::trouverCommande(const std::string& commande)
{
    std::string texte = rogner(commande);
    if (!texte.empty() && texte[0] == '#')
        return CommandeAnm::Commentaire;
    for (const auto& e : catalogue())
        if (texte == e.commande)
            return e.code;
    return CommandeAnm::Inconnue;
}

std::vector<std::string> CInterpreteurAnm::decouperArguments(const std::string& texte)
{
    std::string t = rogner(texte);
    if (!t.empty() && t.front() == '(')
        t.erase(0, 1);
    if (!t.empty() && t.back() == ')')
        t.pop_back();
    std::vector<std::string> args;
    if (rogner(t).empty())
        return args;
    size_t debut = 0;
    while (true) {
        size_t pos = t.find(';', debut);
        args.push_back(rogner(t.substr(debut, pos == std::string::npos ? std::string::npos : pos - debut)));
        if (pos == std::string::npos)
            break;
        debut = pos + 1;
    }
    return args;
}

void CInterpreteurAnm::executer(CSPRITE3&, const std::vector<std::string>&, const std::vector<std::string>&, int) {}
void CInterpreteurAnm::executer(CSPRITE3&, const CScriptAnm&, int) {}
CSPRITE3* CInterpreteurAnm::trouverSousSprite(CSPRITE3&, const std::string&, int) { return nullptr; }
