#include "core/FichierDec.h"

#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Media.h"
#include "core/Particules.h"
#include "core/Physique.h"
#include "core/Services.h"
#include "core/ShaderManager.h"
#include "core/Sprite.h"
#include "core/Texte.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Lock.hpp>

#include <algorithm>
#include <cmath>

namespace {

sf::Uint8 octet(int valeur) { return static_cast<sf::Uint8>(std::clamp(valeur, 0, 255)); }

} // namespace

int CFichierDEC::mesure() { return tuv::bornerValeurFichier(getValueInt()); }

int CFichierDEC::tailleFrame()
{
    const int lu = mesure();
    if (lu >= 0)
        return lu;
    notes.noterValeur(*this, "négative", tuv::itos(-lu));
    return -lu;
}

// A text that is no number would put the origin at 0; -1 is the definition's own (half the
// frame), as without the line.
float CFichierDEC::origine()
{
    const std::string_view ecrit = getValueView();
    const float lu = tuv::stofSansBlancs(ecrit);
    if (tuv::commeNombre(ecrit) && std::isfinite(lu))
        return lu;
    notes.noterValeur(*this, "pas un nombre", "-1 (la moitié de la frame)");
    return -1;
}

CFichierDEC::~CFichierDEC()
{
    libererTexturesCreuses();
    delete pParticules;
    delete pShaderSD;
}

void CFichierDEC::libererTexturesCreuses()
{
    for (sf::Texture*& texture : pTextureCreuse) {
        delete texture;
        texture = nullptr;
    }
}

// A definition is read again each time a sprite is made from it: start from the defaults
// so that nothing of the previous read (scripts, overlays...) is doubled or left over.
void CFichierDEC::reinitialiser()
{
    fichierSprite3.clear();
    pSprite3.reset();
    largeurFrame = 0;
    hauteurFrame = 0;
    numAnimDebut = -1;
    origineX = -1;
    origineY = -1;
    collisions = 0;
    echelleX = 1;
    echelleY = 1;
    bVisible = true;
    libererTexturesCreuses();
    ligneParticules.clear();
    ligneShaderSD.clear();
    delete pParticules;
    pParticules = nullptr;
    delete pShaderSD;
    pShaderSD = nullptr;
    degats[0] = degats[1] = 0;
    bPlante = false;
    plante = PlanteDEC();
    scripts.clear();
    bPosDansLePlan = false;
    sonNom.clear();
    sonDelai = 0;
    sonMode = 0;
    std::fill(std::begin(hitbox), std::end(hitbox), 0);
    bPhysDestruction = false;
    std::fill(std::begin(destruction), std::end(destruction), 0);
    couleur = sf::Color::White;
    overs.clear();
    tempsFrame = 0;
    planche.clear();
    masque.clear();
    nbAnimations = 0;
    lieuDestruction.clear();
}

bool CFichierDEC::chargerDEC(const std::string& fichier, CDEC* cible)
{
    if (!open(fichier, false))
        return false;
    chemin = fichier;
    empreinte = tuv::empreinteFichier(fichier);
    reinitialiser();
    notes.commencer(fichier);
    verifierDans(&notes);
    if (cible)
        cible->nbAnims = 0;
    for (std::string cle = getKey(); !cle.empty(); cle = getKey())
        lireCle(cle, cible);
    close();
    verifierDestruction();
    notes.direUneFois("Décor : ");
    return true;
}

std::string CFichierDEC::lireIdDEC(const std::string& fichier)
{
    std::string valeur;
    if (!open(fichier, false))
        return valeur;
    for (std::string_view cle = getKeyView(); !cle.empty(); cle = getKeyView())
        if (cle == "ID")
            valeur = getValueView();
    close();
    return valeur;
}

// A line with one name gives that name back on the next read: the second name is
// then empty, not a copy of the first.
void CFichierDEC::lireDeuxNoms(std::string& premier, std::string& second)
{
    const size_t avant = pos;
    premier = getValue();
    second = pos == avant ? std::string() : getValue();
}

std::string CFichierDEC::resteDeLaLigne() const
{
    return pos < ligneCourante.size() ? ligneCourante.substr(pos) : std::string();
}

void CFichierDEC::lireCle(const std::string& cle, CDEC* cible)
{
    if (lireCleSprite(cle, cible) || lireCleScript(cle))
        return;
    if (cle == "ID") {
        id = getValue();
        if (cible) {
            cible->id = id;
            if (cible->nom.empty())
                cible->nom = id;
        }
    } else if (cle == "TEMPS_FRAME") {
        tempsFrame = getValueFloat();
    } else if (cle == "NUM_ANIM_DEBUT") {
        numAnimDebut = entier();
    } else if (cle == "ORIGINE") {
        origineX = origine();
        origineY = origine();
    } else if (cle == "ECHELLE") {
        echelleX = getValueFloat();
        echelleY = getValueFloat();
    } else if (cle == "COLLISIONS") {
        collisions = entier();
    } else if (cle == "VISIBLE") {
        bVisible = entier() != 0;
    } else if (cle == "POSDANSLEPLAN") {
        bPosDansLePlan = entier() != 0;
    } else if (cle == "HITBOX") {
        for (int& marge : hitbox)
            marge = mesure();
    } else if (cle == "DEGATS") {
        degats[0] = mesure();
        degats[1] = mesure();
    } else if (cle == "COLOR") {
        const int r = entier(), g = entier(), b = entier(), a = entier();
        couleur = sf::Color(octet(r), octet(g), octet(b), octet(a));
    } else if (cle == "PLAYSON") {
        sonNom = getValue();
        sonDelai = entier();
        sonMode = entier();
    } else if (cle == "SPRITE_CREUSE") {
        lireCreuse();
    } else if (cle == "PARTICULESD") {
        ligneParticules = resteDeLaLigne();
        delete pParticules;
        pParticules = new CParticules();
        pParticules->lire49(*this);
    } else if (cle == "SHADERSD") {
        resteLu();
        ligneShaderSD = resteDeLaLigne();
        delete pShaderSD;
        pShaderSD = new CSPRITE();
        lireShaderSD(ligneShaderSD, *pShaderSD, this);
    } else if (cle == "PLANTE") {
        lirePlante();
    } else if (cle == "PHYSDESTRUCTION") {
        lireDestruction();
    } else if (cle == "ADD_OVER") {
        lireOver();
    } else {
        cleNonPrise();
    }
}

bool CFichierDEC::lireCleSprite(const std::string& cle, CDEC* cible)
{
    if (cle == "PLANCHE") {
        lireDeuxNoms(planche, masque);
        if (cible)
            cible->chargerPlanche(planche, masque);
    } else if (cle == "SPRITE") {
        const int x = mesure(), y = mesure(), nb = mesure();
        const int l = tailleFrame(), h = tailleFrame();
        const float vitesse = getValueFloat();
        const int boucles = entier();
        largeurFrame = l;
        hauteurFrame = h;
        ++nbAnimations;
        if (cible)
            cible->ajouterAnimDec(x, y, nb, l, h, vitesse, boucles);
    } else if (cle == "SPRITE2") {
        const std::string nom = getValue();
        ++nbAnimations;
        if (nom == "VIDE") {
            if (cible)
                cible->ajouterAnimNom(nom, 0, 0, 0, 0, 0, 0, 0, false);
            return true;
        }
        const int nb = mesure(), l = tailleFrame(), h = tailleFrame(), mode = entier();
        const float vitesse = getValueFloat();
        const int boucles = entier(), premier = mesure();
        const bool allerRetour = entier() != 0;
        largeurFrame = l;
        hauteurFrame = h;
        if (cible)
            cible->ajouterAnimNom(nom, nb, l, h, mode, vitesse, boucles, premier, allerRetour);
    } else if (cle == "SPRITE3") {
        fichierSprite3 = getValue();
        // The layered animation is read now, by anim/ through the game's hook; a file that
        // does not open is reported by the reader and leaves no sprite.
        pSprite3 = g_services.lireSprite3(fichierSprite3);
    } else {
        return false;
    }
    return true;
}

bool CFichierDEC::lireCleScript(const std::string& cle)
{
    if (cle == "SCRIPTRUN") {
        ScriptRunDEC script;
        script.fichier = getValue();
        script.declencheur = entier();
        script.bFlag = entier() != 0;
        script.maxRuns = entier();
        scripts.push_back(script);
    } else if (cle == "SCRIPT_DECLENCHEUR_CHRONO") {
        if (!scripts.empty())
            scripts.back().chrono = entier();
    } else if (cle == "SCRIPT_DESTROYONRELOAD") {
        if (!scripts.empty())
            scripts.back().bDetruireAuRechargement = entier() != 0;
    } else {
        return false;
    }
    return true;
}

void CFichierDEC::lireCreuse()
{
    libererTexturesCreuses();
    std::string noms[2];
    lireDeuxNoms(noms[0], noms[1]);
    for (int i = 0; i < 2; ++i) {
        if (noms[i].empty())
            continue;
        auto* texture = new sf::Texture;
        bool ok;
        {
            sf::Lock verrou(CSFMLJeuGlobal::mutex);
            ok = tuv::chargerMedia(*texture, noms[i]);
        }
        if (ok)
            pTextureCreuse[i] = texture;
        else
            delete texture;
    }
}

void CFichierDEC::lirePlante()
{
    bPlante = true;
    plante.angleMin = getValueFloat();
    plante.angleMax = getValueFloat();
    plante.vitesse = getValueFloat();
    plante.entier = entier();
    plante.reel = getValueFloat();
    for (int& valeur : plante.entiers)
        valeur = entier();
}

void CFichierDEC::lireDestruction()
{
    bPhysDestruction = true;
    for (int& valeur : destruction)
        valeur = entier();
    // Below 0 the sprite would break at the first touch of anything, a hit of 0 included.
    constexpr int RESISTANCE = 1;
    if (destruction[RESISTANCE] < 0) {
        notes.noter(*this, "valeur 2 «" + tuv::itos(destruction[RESISTANCE]) + "» résistance négative, lue comme 0");
        destruction[RESISTANCE] = 0;
    }
    lieuDestruction = notes.lieu(*this);
}

// A sprite that breaks into an animation the file does not have hides instead: said, once
// every animation line is read.
void CFichierDEC::verifierDestruction()
{
    constexpr int ANIMATION = 2, DISPARAIT = 6;
    const int n = destruction[ANIMATION];
    if (!bPhysDestruction || destruction[DISPARAIT] != 0 || n < 0 || n < nbAnimations || !fichierSprite3.empty())
        return;
    notes.ajouter(lieuDestruction + " valeur 3 «" + tuv::itos(n) + "» animation absente du fichier (il en a " +
                  tuv::itos(nbAnimations) + "), le sprite cassé disparaît");
}

CPhysDestruction* CFichierDEC::nouvelleDestruction() const
{
    const int* v = destruction;
    auto octet = [](int n) { return static_cast<sf::Uint8>(n); };
    return new CPhysDestruction(v[0] != 0, v[1], v[2], v[3], v[4], v[5], v[6] != 0, octet(v[7]), octet(v[8]),
                                octet(v[9]), octet(v[10]));
}

void CFichierDEC::lireOver()
{
    OverDEC over;
    over.nom = getValue();
    over.fichier = getValue();
    over.n = entier();
    over.x = mesure();
    over.y = mesure();
    over.sx = getValueFloat();
    over.sy = getValueFloat();
    over.rot = getValueFloat();
    over.bVisible = entier() != 0;
    overs.push_back(over);
}
