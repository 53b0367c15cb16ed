#include "anim/ScriptAnm.h"

#include "core/TuvFile.h"

#include <algorithm>
#include <utility>

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

void CScriptAnm::charger(CTUVFile& f)
{
    // The whole value text: a line without ";" has a command and no argument.
    const std::string reste = f.getValueBetween("", "");
    const size_t sep = reste.find(';');
    std::string commande = reste.substr(0, sep);
    std::string args = sep == std::string::npos ? std::string() : reste.substr(sep + 1);
    std::replace(args.begin(), args.end(), ',', ';');
    commandes.push_back(std::move(commande));
    arguments.push_back(std::move(args));
}
