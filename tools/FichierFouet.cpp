// The whip model's "FOUET_" key file: the look, the physics, the node count and the key
// points (centres of their markers from the picture's corner). Node positions are not
// stored: reading rebuilds the chain.
#include "tools/Fouet.h"

#include "core/Fichiers.h"
#include "core/Texte.h"
#include "core/TuvFile.h"
#include "gui/CPLUX.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

std::string texteCouleur(sf::Color c)
{
    return tuv::itos(c.r) + ";" + tuv::itos(c.g) + ";" + tuv::itos(c.b) + ";" + tuv::itos(c.a);
}

// Each channel keeps the low 8 bits of what the file says (300 reads as 44, -1 as 255).
sf::Color lireCouleur(CTUVFile& f)
{
    sf::Uint8 v[4];
    for (sf::Uint8& c : v)
        c = static_cast<sf::Uint8>(static_cast<unsigned>(f.getValueInt()));
    return sf::Color(v[0], v[1], v[2], v[3]);
}

// A marker's centre from the container's corner, in the dialog's pixels.
sf::Vector2i centreRelatif(const KPFouet& kp, const CPLUXControl* conteneur)
{
    if (!kp.marqueur)
        return {0, 0};
    const float x = kp.marqueur->getLeft() + kp.marqueur->getWidth() / 2.f - (conteneur ? conteneur->getLeft() : 0.f);
    const float y = kp.marqueur->getTop() + kp.marqueur->getHeight() / 2.f - (conteneur ? conteneur->getTop() : 0.f);
    return {tuv::floatVersInt(x), tuv::floatVersInt(y)};
}

} // namespace

// The line quoted, why its value was not taken and what was read instead, as a level's load
// names its corrected lines.
void CFouet::corriger(const CTUVFile& f, const std::string& raison, const std::string& lu)
{
    constexpr size_t LIGNE_CITEE_MAX = 80;
    valeursCorrigees.push_back("« " + tuv::debutUtf8(f.getLigneCourante(), LIGNE_CITEE_MAX) + " » : " + raison +
                               ", lu comme " + lu);
}

int CFouet::entierLu(CTUVFile& f, int defaut, int min, int max)
{
    const std::string_view texte = f.getValueView();
    if (!tuv::commeNombre(texte)) {
        corriger(f, "pas un nombre", tuv::itos(defaut));
        return defaut;
    }
    const int lu = tuv::stoiSansBlancs(texte);
    const int garde = std::clamp(lu, min, max);
    if (garde != lu)
        corriger(f, "hors de " + tuv::itos(min) + " à " + tuv::itos(max), tuv::itos(garde));
    return garde;
}

float CFouet::reelLu(CTUVFile& f, float defaut, bool positif)
{
    const std::string_view texte = f.getValueView();
    if (!tuv::commeNombre(texte)) {
        corriger(f, "pas un nombre", tuv::ftos(defaut));
        return defaut;
    }
    // What a number field holds: a decimal below FLOAT_VERS_INT_MAX in size.
    const float lu = tuv::stofSansBlancs(texte);
    if (positif && lu <= 0.f) {
        corriger(f, "nul ou négatif", tuv::ftos(defaut));
        return defaut;
    }
    if (!(std::fabs(lu) < tuv::FLOAT_VERS_INT_MAX)) {
        corriger(f, "trop grand", tuv::ftos(defaut));
        return defaut;
    }
    return lu;
}

bool CFouet::sauver(const std::string& fichier, const CPLUXControl* conteneur) const
{
    // The old file is the user's only backup: no new file without its copy.
    if (!tuv::copierSauvegarde(fichier))
        return false;
    CTUVFile f;
    if (!f.open(fichier, true))
        return false;
    f.writeLine("FOUET_COULEUR=" + texteCouleur(couleur));
    f.writeLine("FOUET_COULEUR_TRAINE=" + texteCouleur(couleurTraine));
    f.writeLine("FOUET_EPAISSEUR=" + tuv::itos(epaisseur));
    f.writeLine("FOUET_EPAISSEUR_TRAINE=" + tuv::itos(epaisseurTraine));
    f.writeLine("FOUET_NBNOEUDS=" + tuv::itos(nbNoeuds));
    f.writeLine("FOUET_LONGUEUR=" + tuv::ftos(longueur));
    f.writeLine("FOUET_GRAVITE=" + tuv::ftos(gravite));
    f.writeLine("FOUET_FRICTION=" + tuv::ftos(friction));
    f.writeLine("FOUET_RAL=" + tuv::ftos(ral));
    f.writeLine("FOUET_RIGIDITE=" + tuv::itos(rigidite));
    f.writeLine("FOUET_MASSE=" + tuv::ftos(masse) + ";" + tuv::itos(modeMasse) + ";" + tuv::ftos(facteurMasse));
    for (const KPFouet& kp : keyPoints) {
        const sf::Vector2i c = centreRelatif(kp, conteneur);
        f.writeLine("FOUET_KP=" + tuv::itos(c.x) + ";" + tuv::itos(c.y) + ";" + tuv::itos(kp.pause));
    }
    return f.close();
}

// A value the model cannot take is named and read as a new whip's (a count or a stiffness
// beyond its bounds, as the nearest bound): a save never writes it back as it was read.
void CFouet::lireCle(CTUVFile& f, const std::string& cle, CPLUXDialog* dialog, CPLUXControl* conteneur,
                     const std::string& prefixe, int& nbLus)
{
    static const CFouet neuf;
    const int entierMax = tuv::VALEUR_FICHIER_MAX;
    if (cle == "FOUET_KP") {
        const int x = tuv::bornerValeurFichier(f.getValueInt()), y = tuv::bornerValeurFichier(f.getValueInt());
        const int pause = f.getValueInt();  // a time
        if (static_cast<int>(keyPoints.size()) < NB_KP_MAX_FICHIER)
            ajouterKP(dialog, conteneur, static_cast<float>(x), static_cast<float>(y), pause, prefixe);
        else
            ++nbKPIgnores;
    } else if (cle == "FOUET_NBNOEUDS") {
        nbLus = entierLu(f, neuf.nbNoeuds, 0, NB_NOEUDS_MAX);
    } else if (cle == "FOUET_LONGUEUR") {
        longueur = reelLu(f, neuf.longueur, true);
    } else if (cle == "FOUET_GRAVITE") {
        gravite = reelLu(f, neuf.gravite);
    } else if (cle == "FOUET_FRICTION") {
        friction = reelLu(f, neuf.friction);
    } else if (cle == "FOUET_RAL") {
        ral = reelLu(f, neuf.ral);
    } else if (cle == "FOUET_RIGIDITE") {
        rigidite = entierLu(f, neuf.rigidite, 0, RIGIDITE_MAX);
    } else if (cle == "FOUET_MASSE") {
        masse = reelLu(f, neuf.masse);
        modeMasse = f.getValueInt();  // any other mode than 0, 1 and 2 weighs as the constant one
        facteurMasse = reelLu(f, neuf.facteurMasse);
    } else if (cle == "FOUET_COULEUR") {
        couleur = lireCouleur(f);
    } else if (cle == "FOUET_COULEUR_TRAINE") {
        couleurTraine = lireCouleur(f);
    } else if (cle == "FOUET_EPAISSEUR") {
        epaisseur = entierLu(f, neuf.epaisseur, -entierMax, entierMax);
    } else if (cle == "FOUET_EPAISSEUR_TRAINE") {
        epaisseurTraine = entierLu(f, neuf.epaisseurTraine, -entierMax, entierMax);
    }
}

bool CFouet::charger(const std::string& fichier, CPLUXDialog* dialog, CPLUXControl* conteneur,
                     const std::string& prefixe)
{
    // A folder of that name opens as an empty stream on Linux: it is no whip file either.
    CTUVFile f;
    if (!tuv::fichierExiste(fichier) || !f.open(fichier, false))
        return false;
    strFichier = fichier;
    supprimerKP();
    nbKPIgnores = 0;
    valeursCorrigees.clear();
    // No count in the file keeps the nodes; a count of 0 empties the whip.
    int nbLus = -1;
    for (std::string cle = f.getKey(); !cle.empty(); cle = f.getKey())
        lireCle(f, cle, dialog, conteneur, prefixe, nbLus);
    f.close();
    if (nbLus >= 0) {
        // The handle on key point 0, on screen as the nodes are (not from the dialog's corner,
        // which would leave it off its marker by the dialog's place).
        sf::Vector2i depart(100, 100);
        if (!keyPoints.empty() && keyPoints[0].marqueur) {
            const sf::Vector2f c = centreKP(keyPoints[0]);
            depart = {tuv::floatVersInt(c.x), tuv::floatVersInt(c.y)};
        }
        creer(nbLus, static_cast<float>(depart.x), static_cast<float>(depart.y), masse, modeMasse, facteurMasse);
    }
    if (dialog)
        CPLUX::refresh(dialog->getId());
    return true;
}
