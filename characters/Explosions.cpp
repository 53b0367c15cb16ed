#include "characters/Explosions.h"

#include "core/Dec.h"
#include "core/Fichiers.h"

CExplosions::~CExplosions()
{
    for (auto& [nom, banque] : explosions)
        delete banque;
}

int CExplosions::charger(const std::string& fichier)
{
    if (!tuv::fichierExiste(fichier) || !open(fichier, false))
        return 0;
    CDEC* courante = nullptr;  // the bank of the latest EXPLOSION line
    std::string nom;
    notes.commencer(fichier);
    verifierDans(&notes);
    for (std::string cle = getKey(); !cle.empty(); cle = getKey()) {
        if (cle == "EXPLOSION") {
            nom = valeur();
            // A name defined again starts over with a new bank and no sound.
            CDEC*& banque = explosions[nom];
            delete banque;
            banque = courante = new CDEC();
            banque->nom = nom;
            sonsExplosions[nom].clear();
        } else if (!courante) {
            ligneIgnoree("avant la première EXPLOSION");  // it belongs to nothing
        } else if (cle == "SPRITE2") {
            lireSequence(*courante);
        } else if (cle == "SON") {
            sonsExplosions[nom] = valeur();
        } else {
            cleNonPrise();
        }
    }
    close();
    notes.direUneFois("Explosions : ");
    return 0;
}

// The nine values of a ".dec" SPRITE2 line: sequence; frames; width; height; mask mode; speed;
// loops; first number; ping-pong.
void CExplosions::lireSequence(CDEC& banque)
{
    const std::string sequence = valeur();
    const int nb = valeurMesure(), largeur = valeurMesure(), hauteur = valeurMesure(), masque = valeurEntier();
    const float vitesse = valeurReel();
    const int boucles = valeurEntier(), premier = valeurMesure();
    const bool allerRetour = valeurDrapeau();
    banque.ajouterAnimNom(sequence, nb, largeur, hauteur, masque, vitesse, boucles, premier, allerRetour);
}

CDEC* CExplosions::banque(const std::string& nom) const
{
    auto it = explosions.find(nom);
    return it == explosions.end() ? nullptr : it->second;
}

const std::string& CExplosions::son(const std::string& nom) const
{
    static const std::string aucun;
    auto it = sonsExplosions.find(nom);
    return it == sonsExplosions.end() ? aucun : it->second;
}
