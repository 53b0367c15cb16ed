// The whip model's "FOUET_" key file: the look, the physics, the node count and the key
// points (centres of their markers from the picture's corner). Node positions are not
// stored: reading rebuilds the chain.
#include "tools/Fouet.h"

#include "core/Fichiers.h"
#include "core/Texte.h"
#include "core/TuvFile.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlTextInput.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string_view>

namespace {

std::string texteCouleur(sf::Color c)
{
    return tuv::itos(c.r) + ";" + tuv::itos(c.g) + ";" + tuv::itos(c.b) + ";" + tuv::itos(c.a);
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

// What the whip editor's whole-number fields take ("12.7" and "3x" are not, though they
// read as 12 and 3).
bool entierEcrit(std::string_view texte) { return CPLUXControlTextInput::estNombre(std::string(texte), false); }

// The values of one line as the whip takes them, and why any of them was not taken as
// written (`quoi` names the value on a line of several).
class LigneLue {
public:
    explicit LigneLue(CTUVFile& f) : f_(f) {}

    // A value beyond min .. max is read as its nearest bound, or as `defaut` unless `borne`.
    int entier(int defaut, int min, int max, const std::string& quoi = "", bool borne = true)
    {
        const std::string_view texte = f_.getValueView();
        if (!tuv::commeNombre(texte)) {
            raison(quoi, "pas un nombre");
            return defaut;
        }
        const int lu = tuv::stoiSansBlancs(texte);
        const int garde = lu < min || lu > max ? (borne ? std::clamp(lu, min, max) : defaut) : lu;
        if (garde != lu)
            raison(quoi, max == INT_MAX ? "d'au moins " + tuv::itos(min)
                                        : "hors de " + tuv::itos(min) + " à " + tuv::itos(max));
        else if (!entierEcrit(texte))
            raison(quoi, "pas un nombre entier");
        return garde;
    }

    float reel(float defaut, bool positif = false)
    {
        const std::string_view texte = f_.getValueView();
        if (!tuv::commeNombre(texte)) {
            raison("", "pas un nombre");
            return defaut;
        }
        // What a number field holds: a decimal below FLOAT_VERS_INT_MAX in size.
        const float lu = tuv::stofSansBlancs(texte);
        if (positif && lu <= 0.f) {
            raison("", "nul ou négatif");
            return defaut;
        }
        if (!(std::fabs(lu) < tuv::FLOAT_VERS_INT_MAX)) {
            raison("", "trop grand");
            return defaut;
        }
        return lu;
    }

    // Each channel keeps the low 8 bits of what the file says (300 reads as 44, -1 as 255).
    sf::Color couleur()
    {
        sf::Uint8 v[4];
        for (sf::Uint8& c : v) {
            const std::string_view texte = f_.getValueView();
            const int lu = tuv::stoiSansBlancs(texte);
            c = static_cast<sf::Uint8>(static_cast<unsigned>(lu));
            if (!tuv::commeNombre(texte))
                raison("", "pas un nombre");
            else if (lu != c)
                raison("", "hors de 0 à 255");
            else if (!entierEcrit(texte))
                raison("", "pas un nombre entier");
        }
        return sf::Color(v[0], v[1], v[2], v[3]);
    }

    // Each reason once, in the order met.
    void raison(const std::string& quoi, const std::string& pourquoi)
    {
        const std::string r = quoi.empty() ? pourquoi : quoi + " " + pourquoi;
        if ((", " + raisons_ + ", ").find(", " + r + ", ") == std::string::npos)
            raisons_ += (raisons_.empty() ? "" : ", ") + r;
    }
    const std::string& raisons() const { return raisons_; }

private:
    CTUVFile& f_;
    std::string raisons_;
};

// A key point's centre stays on the picture, at its edge at most, as a drag leaves it; its
// pause is 1 frame at least. Past NB_KP_MAX_FICHIER it is counted, not added: "" then.
std::string lireKP(CFouet& fouet, LigneLue& l, CPLUXDialog* dialog, CPLUXControl* conteneur,
                   const std::string& prefixe)
{
    const int borne = tuv::VALEUR_FICHIER_MAX;
    const int largeur = conteneur ? tuv::floatVersInt(conteneur->getWidth()) : borne;
    const int hauteur = conteneur ? tuv::floatVersInt(conteneur->getHeight()) : borne;
    const int x = l.entier(0, conteneur ? 0 : -borne, largeur, "x");
    const int y = l.entier(0, conteneur ? 0 : -borne, hauteur, "y");
    const int pause = l.entier(1, 1, INT_MAX, "pause");
    if (static_cast<int>(fouet.keyPoints.size()) >= CFouet::NB_KP_MAX_FICHIER) {
        ++fouet.nbKPIgnores;
        return {};
    }
    fouet.ajouterKP(dialog, conteneur, static_cast<float>(x), static_cast<float>(y), pause, prefixe);
    return tuv::itos(x) + ";" + tuv::itos(y) + ";" + tuv::itos(pause);
}

// The file and line, the line quoted, why its values were not all taken and what was read
// (nothing: not read).
std::string texteCorrige(const CTUVFile& f, const std::string& fichier, const std::string& raisons,
                         const std::string& lu)
{
    constexpr size_t LIGNE_CITEE_MAX = 80;
    return fichier + ":" + tuv::itos(f.numeroLigne()) + ": « " + tuv::debutUtf8(f.getLigneCourante(), LIGNE_CITEE_MAX) +
           " » : " + raisons + (lu.empty() ? ", non lue" : ", lu comme " + lu);
}

// The whip file as read: the lines the reader never sees (no "=", a key it does not take)
// are named in the whip's own form; a line's missing and excess values, lireCle names them.
class FichierFouetLu : public CTUVFile {
public:
    FichierFouetLu(std::vector<std::string>& corrigees, const std::string& nom)
        : valeursCorrigees(corrigees), fichier(nom)
    {
    }

protected:
    void signalerEcart(const Ecart& e) override
    {
        if (e.type == Ecart::Type::SansEgal)
            valeursCorrigees.push_back(texteCorrige(*this, fichier, "ligne sans « = »", ""));
        else if (e.type == Ecart::Type::CleNonPrise)
            valeursCorrigees.push_back(texteCorrige(*this, fichier, "clé inconnue", ""));
    }

private:
    std::vector<std::string>& valeursCorrigees;
    const std::string& fichier;
};

} // namespace

// What a save writes.
void CFouet::corriger(const CTUVFile& f, const std::string& raisons, const std::string& lu)
{
    valeursCorrigees.push_back(texteCorrige(f, strFichier, raisons, lu));
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

// A value the model cannot take is named with what was read instead (a new whip's, a count
// or a stiffness as its nearest bound, a colour's low 8 bits, a key point on the picture): the
// next save writes what the name said.
void CFouet::lireCle(CTUVFile& f, const std::string& cle, CPLUXDialog* dialog, CPLUXControl* conteneur,
                     const std::string& prefixe, int& nbLus)
{
    static const CFouet neuf;
    LigneLue l(f);
    std::string lu;
    if (cle == "FOUET_KP") {
        lu = lireKP(*this, l, dialog, conteneur, prefixe);
    } else if (cle == "FOUET_NBNOEUDS") {
        nbLus = l.entier(neuf.nbNoeuds, 0, NB_NOEUDS_MAX);
        lu = tuv::itos(nbLus);
    } else if (cle == "FOUET_LONGUEUR") {
        lu = tuv::ftos(longueur = l.reel(neuf.longueur, true));
    } else if (cle == "FOUET_GRAVITE") {
        lu = tuv::ftos(gravite = l.reel(neuf.gravite));
    } else if (cle == "FOUET_FRICTION") {
        lu = tuv::ftos(friction = l.reel(neuf.friction));
    } else if (cle == "FOUET_RAL") {
        lu = tuv::ftos(ral = l.reel(neuf.ral));
    } else if (cle == "FOUET_RIGIDITE") {
        lu = tuv::itos(rigidite = l.entier(neuf.rigidite, 0, RIGIDITE_MAX));
    } else if (cle == "FOUET_MASSE") {
        masse = l.reel(neuf.masse);
        // Another mode would weigh as the constant one, a new whip's.
        modeMasse = l.entier(neuf.modeMasse, MASSE_CONSTANTE, MASSE_DECROISSANTE, "mode de masse", false);
        facteurMasse = l.reel(neuf.facteurMasse);
        lu = tuv::ftos(masse) + ";" + tuv::itos(modeMasse) + ";" + tuv::ftos(facteurMasse);
    } else if (cle == "FOUET_COULEUR") {
        lu = texteCouleur(couleur = l.couleur());
    } else if (cle == "FOUET_COULEUR_TRAINE") {
        lu = texteCouleur(couleurTraine = l.couleur());
    } else if (cle == "FOUET_EPAISSEUR") {
        // A thickness of 0 would hide the line a negative one drew: a new whip's instead.
        lu = tuv::itos(epaisseur = l.entier(neuf.epaisseur, 0, tuv::VALEUR_FICHIER_MAX, "", false));
    } else if (cle == "FOUET_EPAISSEUR_TRAINE") {
        lu = tuv::itos(epaisseurTraine = l.entier(neuf.epaisseurTraine, 0, tuv::VALEUR_FICHIER_MAX, "", false));
    } else {
        f.cleNonPrise();
        return;
    }
    // A short line's missing values are the last one given again: said, as a bad value is.
    if (const int manquantes = f.valeursManquantes(); manquantes > 0) {
        const int premiere = f.nbValeursLues() - manquantes + 1;
        l.raison("", manquantes == 1 ? "valeur " + tuv::itos(premiere) + " absente"
                                     : "valeurs " + tuv::itos(premiere) + " à " + tuv::itos(f.nbValeursLues()) +
                                           " absentes");
    }
    if (const std::string_view reste = f.resteNonLu(); !reste.empty())
        l.raison("", "valeurs en trop «" + tuv::debutUtf8(std::string(reste), 20) + "» non lues");
    if (!l.raisons().empty() && !lu.empty())
        corriger(f, l.raisons(), lu);
}

// What the file sets, as a new whip has it: a key the file lacks takes this, not what an
// earlier file left. The node count is not among them: no count keeps the nodes.
void CFouet::reprendreValeursNeuves()
{
    const CFouet neuf;
    couleur = neuf.couleur;
    couleurTraine = neuf.couleurTraine;
    epaisseur = neuf.epaisseur;
    epaisseurTraine = neuf.epaisseurTraine;
    longueur = neuf.longueur;
    gravite = neuf.gravite;
    friction = neuf.friction;
    ral = neuf.ral;
    rigidite = neuf.rigidite;
    masse = neuf.masse;
    modeMasse = neuf.modeMasse;
    facteurMasse = neuf.facteurMasse;
}

bool CFouet::charger(const std::string& fichier, CPLUXDialog* dialog, CPLUXControl* conteneur,
                     const std::string& prefixe)
{
    // A folder of that name opens as an empty stream on Linux: it is no whip file either.
    FichierFouetLu f(valeursCorrigees, fichier);
    if (!tuv::fichierExiste(fichier) || !f.open(fichier, false))
        return false;
    f.verifierDans(nullptr);
    strFichier = fichier;
    supprimerKP();
    nbKPIgnores = 0;
    valeursCorrigees.clear();
    reprendreValeursNeuves();
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
