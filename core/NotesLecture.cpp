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

void RecueilNotes::noterLigne(const CTUVFile& f, const std::string& commeLu)
{
    const int manquantes = f.valeursManquantes();
    if (manquantes <= 0)
        return;
    const int derniere = f.nbValeursLues();
    const int premiere = derniere - manquantes + 1;
    const std::string lu = commeLu.empty() ? std::string(f.valeurEcrite()) : commeLu;
    std::string quelles = manquantes == 1 ? "valeur " + std::to_string(premiere) + " absente, lue"
                                          : "valeurs " + std::to_string(premiere) + " à " +
                                                std::to_string(derniere) + " absentes, lues";
    lignes.push_back(lieu(f) + " " + quelles + " comme " + citer(lu));
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
