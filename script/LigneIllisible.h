#pragma once
// A line of a ".scp" file that the compiler skips or does not read whole. The script keeps
// those of its last compilation; the console and the script monitor name them.
#include <cstddef>
#include <string>

// A line of a script that is skipped or not read whole: where it stands, what is wrong with
// it and the line as written. The compiler finds the unknown keywords and the numbers, the
// reader the others.
struct LigneIllisible {
    enum class Raison {
        SansCommande,         // neither a command nor a label: skipped
        ParentheseManquante,  // the arguments run to the line's end
        GuillemetOuvert,      // the quoted text runs to the line's end, ")" and "#" included
        SinonSansSi,          // an else or endif with no if open: skipped
        MotCleInconnu,        // skipped (detail: the keyword)
        PasUnNombre,          // read as a number all the same (detail: the argument)
        SiSansFin,            // an if never closed: a false condition ends the run
    };
    int ligne = 0;  // from 1; a line an if generated takes the if's line
    Raison raison = Raison::SansCommande;
    std::string citee;   // the line as written, its first LIGNE_CITEE_MAX bytes, blanks trimmed
    std::string detail;
    static constexpr size_t LIGNE_CITEE_MAX = 80;
    // In French, as the editor's dialogs and the level reader's console: what is wrong, and
    // the whole report, "ligne 3 : « PAUSE(abc) » : what is wrong".
    std::string raisonTexte() const;
    std::string texte() const;
    bool operator==(const LigneIllisible& o) const
    {
        return ligne == o.ligne && raison == o.raison && citee == o.citee && detail == o.detail;
    }
};
