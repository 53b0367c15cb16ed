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
    case Raison::EnTrop: quoi = "« " + detail + " » en trop : ignoré"; break;
    case Raison::PointVirgule: quoi = "« ; » entre guillemets : coupe le texte"; break;
    case Raison::OperateurEnTrop:
        quoi = "« " + detail + " » lu comme " + lue + " : un opérateur entre deux valeurs";
        break;
    case Raison::OperandeManquant: quoi = "valeur manquante : lue comme 0"; break;
    case Raison::SansComparaison: quoi = "if sans comparaison : faux, le script finit"; break;
    case Raison::ComparaisonEnTrop: quoi = "lu comme if (" + detail + ") ; faux, il finit le script"; break;
    }
    return quoi;
}

std::string LigneIllisible::texte() const
{
    return "ligne " + tuv::itos(ligne) + " : « " + citee + " » : " + raisonTexte();
}
