#include "script/LigneIllisible.h"

#include "core/Texte.h"

std::string LigneIllisible::raisonTexte() const
{
    std::string quoi;
    // Short enough for the script monitor's column; the line itself is named beside it.
    switch (raison) {
    case Raison::SansCommande: quoi = "ni commande ni label : ignorée"; break;
    case Raison::ParentheseManquante: quoi = "« ) » manquante : lue jusqu'au bout"; break;
    case Raison::GuillemetOuvert: quoi = "guillemet non fermé : lu jusqu'au bout"; break;
    case Raison::SinonSansSi: quoi = "else ou endif sans if : ignoré"; break;
    case Raison::MotCleInconnu: quoi = "commande inconnue " + detail + " : ignorée"; break;
    case Raison::PasUnNombre:
        quoi = "« " + detail + " » lu comme " + tuv::itos(tuv::stoiSansBlancs(detail)) + " : ni nombre ni variable";
        break;
    case Raison::SiSansFin: quoi = "if sans endif : faux, le script finit"; break;
    }
    return quoi;
}

std::string LigneIllisible::texte() const
{
    return "ligne " + tuv::itos(ligne) + " : « " + citee + " » : " + raisonTexte();
}
