#pragma once
// The small script language attached to keyframes (KF_SCP) and to anim-element events
// (AE_SCP): one command per line with an argument text "( a ; b )". The catalogue is
// also what the script editor offers in its command combo, in this order.
#include <string>
#include <vector>

class CSPRITE3;
class CScriptAnm;

enum class CommandeAnm {
    Commentaire,
    SetElementAnimationLink,
    SetElementAnimationLink2,
    SetElementAnimationLinkFrame,
    SetElementAnimationLinkArme,
    SetElementAnimationLinkDirection,
    SetElementAnimationLinkShadersOn,
    SetElementAnimationLinkLoopAnimation,
    SetElementAnimationLinkShoot,
    InitElementAnimationLinkViseeAuto,
    StopElementAnimationLinkViseeAuto,
    SetAnimation,
    SetFrame,
    SetDirection,
    SetArme,
    Shoot,
    SetShadersOn,
    SetLoopAnimation,
    PlaySound,
    StopSound,
    StopAllSounds,
    RunScript,
    ActiverSiLecture,
    DesactiverSiLecture,
    Inconnue
};

struct EntreeCatalogueAnm {
    const char* commande;   // exact text stored in a script line
    const char* signature;  // help shown beside it in the editor
    CommandeAnm code;
    int nbArguments;        // arguments the command cannot do without
};

class CInterpreteurAnm {
public:
    // The 24 entries, "#" first.
    static const std::vector<EntreeCatalogueAnm>& catalogue();
    // Command of a line; a text starting with "#" is a comment; anything else unknown.
    static CommandeAnm trouverCommande(const std::string& commande);
    // "( a ; b )" -> {"a", "b"}: outer parentheses removed, split on ";", blanks trimmed.
    // "()" and "( )" give no argument.
    static std::vector<std::string> decouperArguments(const std::string& texte);

    // Runs the lines on the sprite. anim: the animation whose anim elements the element
    // names refer to (-1: the sprite's current animation). The only-if-playing switch
    // starts off at each run. Unknown commands and lines missing arguments are skipped.
    static void executer(CSPRITE3& sprite, const std::vector<std::string>& commandes,
                         const std::vector<std::string>& arguments, int anim = -1);
    static void executer(CSPRITE3& sprite, const CScriptAnm& script, int anim = -1);

    // The sub-sprite (ANMREF) of the element an AE of that name shows (the AE's own name,
    // else its element's name); null when none.
    static CSPRITE3* trouverSousSprite(CSPRITE3& sprite, const std::string& nom, int anim);

private:
    static void executerLigne(CSPRITE3& sprite, CommandeAnm code, const std::vector<std::string>& args,
                              int anim);
    static bool executerSurLien(CSPRITE3& sprite, CommandeAnm code, const std::vector<std::string>& args,
                                int anim);
};
