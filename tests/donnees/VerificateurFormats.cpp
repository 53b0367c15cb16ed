// The keys of each format and their value counts, as the readers take them.
#include "donnees/Verificateur.h"

namespace donnees {

namespace {

// The numbered keys of a character file: animations (one value) and firing points (two).
void ajouterClesNumerotees(Format& f)
{
    for (const char* base : {"ANIM_PERSO_ARRET", "ANIM_PERSO_MARCHE"}) {
        f[base] = {1};
        for (int a : {0, 30, 45, 70, 90, 110, 135, 150, 180})
            f[std::string(base) + "_" + std::to_string(a)] = {1};
    }
    for (const char* base : {"ANIM_PERSO_SAUT_ASC", "ANIM_PERSO_SAUT_DSC"}) {
        f[base] = {1};
        for (int a : {0, 45, 90, 135, 180})
            f[std::string(base) + "_" + std::to_string(a)] = {1};
    }
    for (const char* base : {"XYTIRDEBOUT", "XYTIRBAISSE"})
        for (int a : {0, 30, 45, 70, 90, 110, 135, 150, 180})
            f[std::string(base) + std::to_string(a)] = {2};
    for (int a : {0, 45, 90, 135, 180})
        f["XYTIRBAISSEMARCHE" + std::to_string(a)] = {2};
}

} // namespace

const Format& Verificateur::formatMenu()
{
    static const Format f = {{"FOND", {5}},       {"FONDNIV", {1}}, {"CURSEUR", {1}},
                             {"NOCURSEUR", {1}},  {"LIGNEACTIVECOULEUR", {3}}, {"LIGNE", {5, 10, 11, 16}}};
    return f;
}

const Format& Verificateur::formatDefinition()
{
    static const Format f = {
        {"ID", {1}},           {"PLANCHE", {1, 2}},    {"SPRITE", {7}},         {"SPRITE2", {1, 9}},
        {"SPRITE3", {1}},      {"TEMPS_FRAME", {1}},   {"NUM_ANIM_DEBUT", {1}}, {"ORIGINE", {2}},
        {"ECHELLE", {2}},      {"COLLISIONS", {1}},    {"VISIBLE", {1}},        {"POSDANSLEPLAN", {1}},
        {"HITBOX", {4}},       {"DEGATS", {2}},        {"COLOR", {4}},          {"PLAYSON", {3}},
        {"SPRITE_CREUSE", {2}}, {"PARTICULESD", {49}}, {"SHADERSD", {}},        {"PLANTE", {9}},
        {"PHYSDESTRUCTION", {11}}, {"ADD_OVER", {9}},  {"SCRIPTRUN", {4}},      {"SCRIPT_DECLENCHEUR_CHRONO", {1}},
        {"SCRIPT_DESTROYONRELOAD", {1}},
    };
    return f;
}

const Format& Verificateur::formatPersonnage()
{
    static const Format f = [] {
        Format p = {
            {"PLANCHE", {1, 2}},   {"ID", {1}},          {"SON_DEGATS", {1}},       {"IA", {1}},
            {"DIRECTION_PLANCHE", {1}}, {"VIE_VISIBLE", {1}}, {"COLLISIONS", {1}}, {"PATROUILLE", {1}},
            {"ECHELLE_DEFAUT", {2}}, {"MAX_SAUT", {1}},   {"MAX_SAUT_AUTO", {1}},    {"MAX_ESCALIER", {1}},
            {"VITESSE", {1}},      {"VITESSE_CHUTE", {1}}, {"VITESSE_SAUT", {1}},   {"VITESSE_BAS", {1}},
            {"POIDS", {1}},        {"VIE", {2}},         {"HITBOX", {4}},           {"PARTICULE_TOUCHE", {49}},
            {"PARTICULE_MORT", {49}}, {"PARTICULE_FIN", {49}}, {"PARTICULE_LIEN", {49}}, {"SHADER_LIEN", {}},
            {"MODE", {1}},         {"OMBRE", {1}},       {"DEGATS", {2}},           {"POSITIONTETE", {2}},
            {"POSITIONPIEDS", {1}}, {"POSITIONMITRAILLEUSE", {2}}, {"EXPLOSION", {4}}, {"CHUTE_VAISSEAU_MORT", {1}},
            {"SPRITE3", {1}},      {"SPRITE2", {1, 9}},  {"SPRITE", {7}},           {"SPRITEBOUCLIER", {6}},
            {"TEXTURE_PER_PART", {2}}, {"IAPART", {12}}, {"IAPARTAVP", {1}},        {"IDIA", {1}},
            {"ORIGINE", {2}},      {"SCRIPTRUN", {4}},   {"ADD_OVER", {9}},         {"ARME", {4}},
            {"ARME_RECHARGE_AUTO", {1}}, {"NUM_DEBUT_SPRITES_ARME", {2}},
            {"ANIM_PERSO_ACTION", {1}}, {"ANIM_PERSO_TOUCHE", {1}}, {"ANIM_PERSO_MORT", {1}},
            {"ANIM_PERSO_SAUT_RECEPTION", {1}}, {"ANIM_PERSO_SAUT_RECEPTION_ARME", {1}},
        };
        ajouterClesNumerotees(p);
        return p;
    }();
    return f;
}

// The records the level writer writes (and so the only ones our levels hold).
const Format& Verificateur::formatNiveau()
{
    static const Format f = {
        {"INFOS", {1}},         {"IMAGECHARGEMENT", {1}}, {"NOM", {2}},           {"TAILLEJEU", {2}},
        {"SCROLLVUE", {3}},     {"SCROLLPLAN0", {2}},     {"SCROLLPLAN1", {2}},   {"SCROLLPLAN2", {2}},
        {"SCROLLPLAN3", {2}},   {"SCROLLPLAN4", {2}},     {"SCROLLPLAN5", {2}},   {"TYPEJEU", {1}},
        {"ZONE", {5}},          {"MUSIQUE", {2}},         {"MUSIQUE_AMBIANCE", {2}}, {"CHRONO", {1}},
        {"ETOILES", {3}},       {"CARTE", {1}},           {"FONDCOULEUR", {4}},   {"FOND", {4}},
        {"SHADERBLUR", {2}},    {"EFFET_PLUIE", {1}},     {"EFFET_NEIGE", {2}},   {"EFFET_LUCIOLES", {2}},
        {"EFFET_BROUILLARD", {1}}, {"EFFET_NUAGES", {1}}, {"EFFET_ETOILES", {2}}, {"EFFET_NUAGEPOUSSIERE", {1}},
        {"EFFET_ORAGE", {1}},   {"POUSSIERE_PAS", {1}},   {"TRACE_PAS", {1}},     {"FREE_TEXTURE_MEM", {1}},
        {"TEXTURE_PER", {2}},   {"TEXTURE_DEC", {2}},     {"SCALE_PERSOS", {2}},  {"PERSO", {8}},
        {"PERSO3", {8}},        {"NUMJOUEUR", {1}},       {"PERSO_COLOR", {4}},   {"IA", {9}},
        {"IDIA", {1}},          {"IDRESPAWN", {1}},       {"NUMPLANIA", {1}},     {"ROTIA", {1}},
        {"PATROUILLE", {1}},    {"VITESSEIA", {1}},       {"OMBREIA", {7}},       {"SD", {19, 21, 27, 29}},
        {"DECDEFAUT", {1}},     {"COLLISION", {1}},       {"POSDANSLEPLAN", {1}}, {"IDSD", {1}},
        {"CALQUESD", {1}},      {"GROUPESD", {1}},        {"SHADERSD", {}},       {"PARAM_SCRIPT_SD", {3}},
        {"VOLUMESON", {1}},     {"LOCK", {1}},            {"ROTSD", {1}},         {"COLSD", {4}},
        {"PARTICULESD", {49}},  {"FORCESD", {28}},        {"OMBRESD", {6}},       {"KPG", {7}},
        {"KP", {15}},           {"CHEMINSIMPLE", {3}},    {"SCRIPTRUN", {4}},
    };
    return f;
}

} // namespace donnees
