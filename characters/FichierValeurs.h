#pragma once
// A key-and-values reader whose values end with their line: a value asked for past the
// last one of the line is empty (0 as a number), where CTUVFile::getValue would hand the
// last one again. The character and weapon files read short lines through it, so that a
// missing value never takes its neighbour's. An integer past the int range reads as its
// nearest end; one that becomes a position, size, margin, speed, damage or count of things
// made (a mesure) is held to tuv::VALEUR_FICHIER_MAX, so that sums of a few stay inside int.
#include "core/NotesLecture.h"
#include "core/Texte.h"
#include "core/TuvFile.h"

#include <string>

class CFichierValeurs : public CTUVFile {
public:
    CFichierValeurs() { valeurAbsenteLueComme("0 ou vide"); }

    // What the last reading took otherwise than written (it says them on the console).
    tuv::RecueilNotes notes;

protected:
    std::string valeur() { return manque() ? std::string() : getValue(); }
    int valeurEntier() { return manque() ? 0 : getValueInt(); }
    int valeurMesure() { return tuv::bornerValeurFichier(valeurEntier()); }
    float valeurReel() { return manque() ? 0.0f : getValueFloat(); }
    // Past the line's end: the value is counted among those the line lacks.
    bool manque()
    {
        if (!finDeLigne())
            return false;
        noterValeur(ligneCourante.size(), ligneCourante.size(), true);
        return true;
    }
    bool valeurDrapeau() { return valeurEntier() != 0; }
};
