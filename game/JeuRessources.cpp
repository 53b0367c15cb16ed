// Resources the game keeps for its whole life: built-in and global animations, the
// over-images of "LOADOVER".
#include "game/Jeu.h"

#include "anim/Sprite3.h"
#include "core/Fichiers.h"
#include "core/Media.h"
#include "core/Sprite.h"
#include "core/SpriteSimple.h"

namespace {

// A sprite read from an ".anm" file, or null when it could not be read (the sprite has
// already said so in a message box).
CSPRITE3* lireAnim(void* proprio, const std::string& fichier)
{
    auto* anim = new CSPRITE3();
    if (anim->charger(proprio, CSFMLJeuGlobal::prenderTexture, fichier, false))
        return anim;
    delete anim;
    return nullptr;
}

// A status icon from its ".dec" file, placed on animation 0; null when the file is missing.
CSPRITE_SIMPLE* lireIcone(const std::string& fichier)
{
    if (!tuv::fichierExiste(fichier))
        return nullptr;
    auto* icone = new CSPRITE_SIMPLE();
    icone->charger(fichier);
    return icone;
}

} // namespace

// The two built-ins are optional data: a game folder without them runs without them, and
// no box is opened for them at every start.
void CSFMLJeu::chargerAnimsIntegrees()
{
    if (tuv::fichierExiste("./decors/Feu/feu.anm"))
        pAnimFeu = lireAnim(this, "./decors/Feu/feu.anm");
    if (tuv::fichierExiste("./lapin.anm"))
        pAnimLapin = lireAnim(this, "./lapin.anm");
    iconeInverse = lireIcone("./effets/icone_inverse.dec");
    iconeSansSaut = lireIcone("./effets/icone_sans_saut.dec");
}

void CSFMLJeu::chargerAnimsGlobales(const std::string& fichier)
{
    CTUVFile f;
    if (!f.open(fichier, false))
        return;
    // Sprites may still point at the previous animations: they stay alive until exit.
    for (auto& [nom, anim] : animsGlobales)
        if (anim)
            animsGlobalesRetirees.push_back(anim);
    animsGlobales.clear();
    std::vector<std::string> fichiers;
    for (std::string cle = f.getKey(); !cle.empty(); cle = f.getKey())
        if (cle == "LOAD_ANM_EXT")
            fichiers.push_back(f.getValue());
    f.close();
    // Registered before reading, so that one global animation may link another.
    for (const std::string& fichier : fichiers) {
        if (fichier.empty() || animsGlobales.count(fichier))
            continue;
        auto* anim = new CSPRITE3();
        animsGlobales[fichier] = anim;
        if (!anim->charger(this, CSFMLJeuGlobal::prenderTexture, fichier, false)) {
            animsGlobales.erase(fichier);
            animsGlobalesRetirees.push_back(anim);
        }
    }
}

CSPRITE3* CSFMLJeu::getAnimGlobale(const std::string& nom)
{
    auto it = animsGlobales.find(nom);
    return it == animsGlobales.end() ? nullptr : it->second;
}

void CSFMLJeu::chargerOver(const std::string& nom, const std::string& fichierDec)
{
    if (nom.empty())
        return;
    auto* over = new CSPRITE_SIMPLE();
    over->charger(fichierDec);
    delete overs[nom];
    overs[nom] = over;
}

void CSFMLJeu::animerOvers()
{
    for (auto& [nom, over] : overs)
        if (over && over->getSprite())
            over->getSprite()->animer();
}

sf::Texture* CSFMLJeu::textureEnCache(const std::string& cle, const std::string& chemin)
{
    // Sprites name their sheet by their ID (the editor by one fixed key): two files that
    // share an ID, or have none, must still not get each other's sheet.
    const std::string entree = cle + '\n' + chemin;
    auto it = texturesCache.find(entree);
    if (it != texturesCache.end())
        return it->second;
    auto* t = new sf::Texture();
    if (!tuv::chargerMedia(*t, chemin)) {
        delete t;
        t = nullptr;
    }
    texturesCache[entree] = t;
    return t;
}

void CSFMLJeu::detruireRessources()
{
    for (auto& [nom, anim] : animsGlobales)
        delete anim;
    animsGlobales.clear();
    for (CSPRITE3* anim : animsGlobalesRetirees)
        delete anim;
    animsGlobalesRetirees.clear();
    delete pAnimFeu;
    delete pAnimLapin;
    pAnimFeu = pAnimLapin = nullptr;
    for (auto& [nom, over] : overs)
        delete over;
    overs.clear();
}
