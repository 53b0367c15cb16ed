#pragma once
// Model files: one "<dialog id>.mod" per dialog in the model folder, in the program's
// key-and-values format. Dialog keys come first, then one "{" ... "}" block per control.
// readFile creates the declared dialogs, applies their models, then calls every onCreate.
#include <SFML/Graphics/Color.hpp>

#include <string>
#include <vector>

class CPLUXDialog;
class CPLUXControl;

class CPLUXModeleDef {
public:
    // Creates, lays out and registers every declared dialog (all hidden), then onCreate.
    void readFile(const std::string& folder);
    // Applies a model file to a dialog; false when the file is missing (the dialog then
    // keeps its id as title). Problems are added to getErreurs() and to the console.
    bool appliquerFichier(CPLUXDialog* d, const std::string& chemin);
    // Same from the text of a model.
    bool appliquerTexte(CPLUXDialog* d, const std::string& texte, const std::string& source = "");

    const std::vector<std::string>& getErreurs() const { return erreurs_; }
    void viderErreurs() { erreurs_.clear(); }
    // The control made for a model keyword (BOUTON, CASE, ...), null for an unknown one.
    static CPLUXControl* creerControle(const std::string& genre);

private:
    void erreur(const std::string& source, int ligne, const std::string& texte);
    std::vector<std::string> erreurs_;
};
