#include "script/Script.h"

#include "core/Texte.h"

void CScript::ajouterCommande(const std::string& motCle, std::vector<std::wstring> args)
{
    auto c = std::make_unique<CScriptCommand>();
    c->strMotCle = motCle;
    c->arguments = std::move(args);
    commandes.push_back(std::move(c));
    nbCommandes = static_cast<int>(commandes.size());
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
