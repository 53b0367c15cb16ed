#include "core/NotesLecture.h"

#include "core/TuvFile.h"

#include <iostream>
#include <mutex>
#include <unordered_set>

namespace tuv {

namespace {

constexpr size_t VALEUR_CITEE_MAX = 40;  // octets of a value quoted in a note

std::string citer(std::string_view texte)
{
    std::string t(texte.substr(0, VALEUR_CITEE_MAX));
    if (texte.size() > VALEUR_CITEE_MAX)
        t += "...";
    return "«" + t + "»";
}

} // namespace

void RecueilNotes::commencer(const std::string& nom)
{
    fichier = nom;
    lignes.clear();
}

// "file:line: KEY"
std::string RecueilNotes::lieu(const CTUVFile& f) const
{
    const std::string& ligne = f.getLigneCourante();
    const std::string cle = ligne.substr(0, ligne.find('='));
    return fichier + ":" + std::to_string(f.numeroLigne()) + ": " + cle;
}

void RecueilNotes::noterValeur(const CTUVFile& f, const std::string& pourquoi, const std::string& commeLu)
{
    noterValeur(f, f.nbValeursLues(), f.valeurEcrite(), pourquoi, commeLu);
}

void RecueilNotes::noterValeur(const CTUVFile& f, int indice, std::string_view ecrit, const std::string& pourquoi,
                               const std::string& commeLu)
{
    lignes.push_back(lieu(f) + " valeur " + std::to_string(indice) + " " + citer(ecrit) + " " + pourquoi +
                     ", lue comme " + commeLu);
}

// "values 3 to 5" (or "value 3"), agreeing with its verb.
static std::string valeurs(int premiere, int derniere, const char* singulier, const char* pluriel)
{
    if (premiere == derniere)
        return "valeur " + std::to_string(premiere) + " " + singulier;
    return "valeurs " + std::to_string(premiere) + " à " + std::to_string(derniere) + " " + pluriel;
}

void RecueilNotes::noterEcart(const CTUVFile& f, const CTUVFile::Ecart& e)
{
    using Type = CTUVFile::Ecart::Type;
    switch (e.type) {
    case Type::ValeursAbsentes:
        lignes.push_back(lieu(f) + " " + valeurs(e.premiere, e.derniere, "absente, lue", "absentes, lues") +
                         " comme " + citer(e.commeLu));
        break;
    case Type::PasUnNombre: noterValeur(f, e.premiere, e.ecrit, "pas un nombre", e.commeLu); break;
    case Type::ValeursEnTrop:
        lignes.push_back(lieu(f) + " " + valeurs(e.premiere, e.derniere, "", "") + citer(e.ecrit) +
                         (e.premiere == e.derniere ? " en trop, non lue" : " en trop, non lues"));
        break;
    case Type::SansEgal: {
        const bool egal = e.ecrit.find('=') != std::string_view::npos;
        lignes.push_back(fichier + ":" + std::to_string(f.numeroLigne()) + ": " + citer(e.ecrit) +
                         (egal ? " sans clé" : " sans « = »") + ", ligne non lue");
        break;
    }
    case Type::CleNonPrise: lignes.push_back(lieu(f) + " clé inconnue, ligne non lue"); break;
    case Type::LigneIgnoree: lignes.push_back(lieu(f) + " " + e.commeLu + ", ligne non lue"); break;
    }
}

void RecueilNotes::noter(const CTUVFile& f, const std::string& texte) { lignes.push_back(lieu(f) + " " + texte); }

void RecueilNotes::ecrire(std::ostream& sortie, const std::string& prefixe) const
{
    for (const std::string& l : lignes)
        sortie << prefixe << l << '\n';
}

void RecueilNotes::direUneFois(const std::string& prefixe) const
{
    // Definitions are read from the loading thread too.
    static std::mutex verrou;
    static std::unordered_set<std::string> dites;
    const std::lock_guard<std::mutex> garde(verrou);
    for (const std::string& l : lignes)
        if (dites.insert(l).second)
            std::cerr << prefixe << l << '\n';
}

std::string RecueilNotes::resume(size_t max) const
{
    std::string texte;
    for (size_t i = 0; i < lignes.size() && i < max; ++i)
        texte += (i ? "\n" : "") + lignes[i];
    if (lignes.size() > max)
        texte += "\n... et " + std::to_string(lignes.size() - max) + " autres (console)";
    return texte;
}

} // namespace tuv
