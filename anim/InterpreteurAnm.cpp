#include "anim/InterpreteurAnm.h"

#include "anim/Sprite3.h"
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

CSPRITE3* CInterpreteurAnm::trouverSousSprite(CSPRITE3& sprite, const std::string& nom, int anim)
{
    const CSPRITE3_ANIMATION* an = sprite.getAnim(anim);
    if (!an)
        return nullptr;
    // The AE's own name first; an AE without one goes by its element's name.
    for (int passe = 0; passe < 2; ++passe) {
        for (const auto& el : an->animElems) {
            const CSPRITE3_ELEMENT* e = sprite.getElement(el->element);
            if (!e || !e->pSpriteLie)
                continue;
            const bool nomme = passe == 0 ? el->nom == nom : el->nom.empty() && e->nom == nom;
            if (nomme)
                return e->pSpriteLie;
        }
    }
    return nullptr;
}

namespace {

int direction(const std::string& t) { return tuv::stoi(t) < 0 ? -1 : 1; }
bool booleen(const std::string& t) { return tuv::stoi(t) != 0; }

// The shot script (SCRIPTTIR) runs once at once, with the angle as its first parameter.
void tirer(CSPRITE3& s, float angle)
{
    if (s.scriptTir.empty())
        return;
    s.paramsScript[0] = angle;
    g_services.creerScript(s.scriptTir, &s, 13, 1, false, true);
}

} // namespace

bool CInterpreteurAnm::executerSurLien(CSPRITE3& sprite, CommandeAnm code, const std::vector<std::string>& args,
                                       int anim)
{
    CSPRITE3* sous = trouverSousSprite(sprite, args[0], anim);
    if (!sous)
        return false;
    switch (code) {
    case CommandeAnm::SetElementAnimationLink:
        sous->setAnimation2(tuv::stoi(args[1]), 0);
        break;
    case CommandeAnm::SetElementAnimationLink2: {
        const int a = sous->getEtat(args[1]);
        if (a >= 0)
            sous->setAnimation2(a, 0);
        break;
    }
    case CommandeAnm::SetElementAnimationLinkFrame:
        sous->setFrameCourante(tuv::stoi(args[1]));
        break;
    case CommandeAnm::SetElementAnimationLinkArme:
        sous->armeCourante = tuv::stoi(args[1]);
        break;
    case CommandeAnm::SetElementAnimationLinkDirection:
        sous->miroir = direction(args[1]);
        break;
    case CommandeAnm::SetElementAnimationLinkShadersOn:
        sous->bShadersTous = booleen(args[1]);
        break;
    case CommandeAnm::SetElementAnimationLinkLoopAnimation:
        sous->bBoucle = booleen(args[1]);
        break;
    case CommandeAnm::SetElementAnimationLinkShoot: {
        // The shot animation is the element's third link.
        for (const auto& el : sprite.getAnim(anim)->animElems) {
            const CSPRITE3_ELEMENT* e = sprite.getElement(el->element);
            if (e && e->pSpriteLie == sous && sous->getAnim(e->lienAnim[2])) {
                sous->setAnimation2(e->lienAnim[2], 0);
                break;
            }
        }
        tirer(*sous, tuv::stof(args[1]));
        break;
    }
    case CommandeAnm::InitElementAnimationLinkViseeAuto: {
        ViseeAutoSprite3& v = sous->viseeAuto;
        v.angleDepart = tuv::stof(args[1]);
        v.angleArrivee = tuv::stof(args[2]);
        v.vitesse = tuv::stof(args[3]);
        v.bBoucle = booleen(args[4]);
        v.angle = v.angleDepart;
        v.bActif = true;
        break;
    }
    case CommandeAnm::StopElementAnimationLinkViseeAuto:
        sous->viseeAuto.bActif = false;
        break;
    default:
        return false;
    }
    return true;
}

void CInterpreteurAnm::executerLigne(CSPRITE3& s, CommandeAnm code, const std::vector<std::string>& args, int anim)
{
    switch (code) {
    case CommandeAnm::SetAnimation:
        s.setAnimation2(tuv::stoi(args[0]), 0);
        break;
    case CommandeAnm::SetFrame:
        s.setFrameCourante(tuv::stoi(args[0]));
        break;
    case CommandeAnm::SetDirection:
        s.miroir = direction(args[0]);
        break;
    case CommandeAnm::SetArme:
        s.armeCourante = tuv::stoi(args[0]);
        break;
    case CommandeAnm::Shoot:
        tirer(s, tuv::stof(args[0]));
        break;
    case CommandeAnm::SetShadersOn:
        s.bShadersTous = booleen(args[0]);
        break;
    case CommandeAnm::SetLoopAnimation:
        s.bBoucle = booleen(args[0]);
        break;
    case CommandeAnm::PlaySound:
        g_services.jouerSon(args[0]);
        break;
    case CommandeAnm::StopSound:
        g_services.arreterSon(args[0]);
        break;
    case CommandeAnm::StopAllSounds:
        g_services.arreterSons();
        break;
    case CommandeAnm::RunScript:
        g_services.creerScript(args[0], &s, 13, 1, false, true);
        break;
    default:
        executerSurLien(s, code, args, anim);
        break;
    }
}

void CInterpreteurAnm::executer(CSPRITE3& sprite, const std::vector<std::string>& commandes,
                                const std::vector<std::string>& arguments, int anim)
{
    if (anim < 0)
        anim = sprite.animCourante;
    bool seulementSiLecture = false;
    for (size_t i = 0; i < commandes.size(); ++i) {
        const CommandeAnm code = trouverCommande(commandes[i]);
        if (code == CommandeAnm::Commentaire || code == CommandeAnm::Inconnue)
            continue;
        if (code == CommandeAnm::ActiverSiLecture || code == CommandeAnm::DesactiverSiLecture) {
            seulementSiLecture = code == CommandeAnm::ActiverSiLecture;
            continue;
        }
        if (seulementSiLecture && !sprite.bPlay)
            continue;
        const std::vector<std::string> args =
            decouperArguments(i < arguments.size() ? arguments[i] : std::string());
        if (static_cast<int>(args.size()) < catalogue()[static_cast<size_t>(code)].nbArguments)
            continue;
        executerLigne(sprite, code, args, anim);
    }
}

void CInterpreteurAnm::executer(CSPRITE3& sprite, const CScriptAnm& script, int anim)
{
    executer(sprite, script.commandes, script.arguments, anim);
}
