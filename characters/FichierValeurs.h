#pragma once
// A key-and-values reader whose values end with their line: a value asked for past the
// last one of the line is empty (0 as a number), where CTUVFile::getValue would hand the
// last one again. The character and weapon files read short lines through it, so that a
// missing value never takes its neighbour's.
#include "core/Texte.h"
#include "core/TuvFile.h"

#include <string>

class CFichierValeurs : public CTUVFile {
protected:
    std::string valeur()
    {
        if (pos >= ligneCourante.size())
            return std::string();
        const size_t fin = ligneCourante.find(';', pos);
        const size_t n = (fin == std::string::npos ? ligneCourante.size() : fin) - pos;
        std::string v = ligneCourante.substr(pos, n);
        pos = fin == std::string::npos ? ligneCourante.size() : fin + 1;
        return v;
    }
    int valeurEntier() { return tuv::stoi(tuv::delspaces(valeur())); }
    float valeurReel() { return tuv::stof(tuv::delspaces(valeur())); }
    bool valeurDrapeau() { return valeurEntier() != 0; }
};
