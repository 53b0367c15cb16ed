#pragma once
// A line of a ".scp" file that the compiler skips, does not read whole or reads otherwise than
// written. The script keeps those of its last compilation; the console and the script monitor
// name them.
#include <cstddef>
#include <string>

// Where such a line stands, what is wrong with it and the line as written. The compiler finds
// the unknown keywords, the numbers and what the arguments make it take otherwise
// (ScriptVerifications.cpp), the reader the others.
struct LigneIllisible {
    enum class Raison {
        SansCommande,         // neither a command nor a label: skipped
        ParentheseManquante,  // the arguments run to the line's end
        GuillemetOuvert,      // the quoted text runs to the line's end, ")" and "#" included
        SinonSansSi,          // an else or endif with no if open: skipped
        MotCleInconnu,        // skipped (detail: the keyword)
        PasUnNombre,          // read as a number all the same (detail: the argument)
        SiSansFin,            // an if never closed: a false condition ends the run
        EnTrop,               // arguments past the keyword's count: dropped (detail: them)
        PointVirgule,         // a ";" inside a quoted text: it splits the text in two arguments
        OperateurEnTrop,      // an operand holding an operator (detail: it; lue: its value)
        OperandeManquant,     // an operation or comparison with an empty side: it is 0
        SansComparaison,      // an if without comparison: false, and the run ends
        ComparaisonEnTrop,    // an if of two comparisons (detail: the one read): false ends the run
    };
    int ligne = 0;  // from 1; a line an if generated takes the if's line
    Raison raison = Raison::SansCommande;
    std::string citee;   // the line as written, its first LIGNE_CITEE_MAX bytes, blanks trimmed
    std::string detail;
    std::string lue;     // what the detail is read as, where its text does not tell
    static constexpr size_t LIGNE_CITEE_MAX = 80;
    // In French, as the editor's dialogs and the level reader's console: what is wrong, and
    // the whole report, "ligne 3 : « PAUSE(abc) » : what is wrong".
    std::string raisonTexte() const;
    std::string texte() const;
    bool operator==(const LigneIllisible& o) const
    {
        return ligne == o.ligne && raison == o.raison && citee == o.citee && detail == o.detail && lue == o.lue;
    }
};
