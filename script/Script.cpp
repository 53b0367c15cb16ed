#include "script/Script.h"

#include "core/Texte.h"

#include <algorithm>

void CScript::ajouterCommande(const std::string& motCle, std::vector<std::wstring> args)
{
    auto c = std::make_unique<CScriptCommand>();
    c->strMotCle = motCle;
    c->arguments = std::move(args);
    commandes.push_back(std::move(c));
    nbCommandes = static_cast<int>(commandes.size());
}

std::vector<std::string> CScript::modelesIA() const
{
    std::vector<std::string> noms;
    for (const auto& c : commandes)
        if (c && c->strMotCle == "IA" && !c->arguments.empty()) {
            std::string nom = tuv::wstrToUtf8(c->arguments.front());
            nom.erase(std::remove(nom.begin(), nom.end(), '"'), nom.end());
            noms.push_back(std::move(nom));
        }
    return noms;
}

std::string CScript::listing() const
{
    std::string r;
    for (const auto& c : commandes) {
        r += c->strMotCle + " " + tuv::itos(c->nCompteur);
        for (const std::wstring& a : c->arguments)
            r += " [" + tuv::wstrToUtf8(a) + "]";
        r += "\n";
    }
    return r;
}
