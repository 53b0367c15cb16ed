#include "anim/ScriptAnm.h"

#include "anim/InterpreteurAnm.h"
#include "core/NotesLecture.h"
#include "core/Texte.h"
#include "core/TuvFile.h"

#include <algorithm>
#include <utility>

namespace {

// The type of each argument a command takes, from its catalogue signature
// ("( string nomElement ; int numAnimationLien )" gives "string", "int").
std::vector<std::string> typesArguments(const EntreeCatalogueAnm& e)
{
    std::vector<std::string> types;
    for (const std::string& a : CInterpreteurAnm::decouperArguments(e.signature)) {
        const std::string type = a.substr(0, a.find(' '));
        if (type == "string" || type == "int" || type == "float" || type == "bool")
            types.push_back(type);
    }
    return types;
}

void noterLigne(const CTUVFile& f, tuv::RecueilNotes& notes, const std::string& commande, const std::string& args)
{
    const CommandeAnm code = CInterpreteurAnm::trouverCommande(commande);
    if (code == CommandeAnm::Commentaire)
        return;
    if (code == CommandeAnm::Inconnue) {
        notes.noter(f, "valeur 1 «" + commande + "» commande inconnue, jamais jouée");
        return;
    }
    const EntreeCatalogueAnm& e = CInterpreteurAnm::catalogue()[static_cast<size_t>(code)];
    const std::vector<std::string> types = typesArguments(e);
    const std::vector<std::string> lus = CInterpreteurAnm::decouperArguments(args);
    // Values are counted from the command, value 1: argument k is value k + 2.
    for (size_t k = 0; k < lus.size() && k < types.size(); ++k) {
        if (types[k] == "string" || tuv::commeNombre(lus[k]))
            continue;
        const std::string commeLu = types[k] == "float" ? tuv::ftos(tuv::stof(lus[k])) : tuv::itos(tuv::stoi(lus[k]));
        notes.noterValeur(f, static_cast<int>(k + 2), lus[k], "pas un nombre", commeLu);
    }
    const int n = static_cast<int>(lus.size());
    if (n < e.nbArguments) {
        notes.noter(f, (e.nbArguments - n == 1 ? "valeur " + tuv::itos(n + 2) + " absente"
                                               : "valeurs " + tuv::itos(n + 2) + " à " +
                                                     tuv::itos(e.nbArguments + 1) + " absentes") +
                           ", commande jamais jouée");
    } else if (lus.size() > types.size()) {
        std::string surplus;
        for (size_t k = types.size(); k < lus.size(); ++k)
            surplus += (surplus.empty() ? "" : " ; ") + lus[k];
        notes.noterEcart(f, {CTUVFile::Ecart::Type::ValeursEnTrop, static_cast<int>(types.size()) + 2, n + 1,
                             surplus, {}});
    }
}

} // namespace

void CScriptAnm::monterLigne(int i)
{
    if (i <= 0 || i >= getNbLignes() || arguments.size() != commandes.size())
        return;
    std::swap(commandes[i], commandes[i - 1]);
    std::swap(arguments[i], arguments[i - 1]);
}

void CScriptAnm::descendreLigne(int i)
{
    if (i < 0 || i >= getNbLignes() - 1 || arguments.size() != commandes.size())
        return;
    std::swap(commandes[i], commandes[i + 1]);
    std::swap(arguments[i], arguments[i + 1]);
}

void CScriptAnm::ecrire(CTUVFile& f, const std::string& cle) const
{
    for (size_t i = 0; i < commandes.size(); ++i) {
        std::string args = i < arguments.size() ? arguments[i] : std::string();
        std::replace(args.begin(), args.end(), ',', '.');
        std::replace(args.begin(), args.end(), ';', ',');
        std::string commande = commandes[i];
        // A command is one value of the line and a line is one line of the file.
        std::replace(commande.begin(), commande.end(), ';', ',');
        for (std::string* t : {&commande, &args}) {
            std::replace(t->begin(), t->end(), '\n', ' ');
            std::replace(t->begin(), t->end(), '\r', ' ');
        }
        f.write(cle + "=" + commande + ";" + args + "\n");
    }
}

void CScriptAnm::charger(CTUVFile& f, tuv::RecueilNotes* notes)
{
    // The whole value text: a line without ";" has a command and no argument.
    const std::string reste = f.getValueBetween("", "");
    const size_t sep = reste.find(';');
    std::string commande = reste.substr(0, sep);
    std::string args = sep == std::string::npos ? std::string() : reste.substr(sep + 1);
    std::replace(args.begin(), args.end(), ',', ';');
    if (notes)
        noterLigne(f, *notes, commande, args);
    commandes.push_back(std::move(commande));
    arguments.push_back(std::move(args));
}
