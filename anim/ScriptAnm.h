#pragma once
// A small script attached to a keyframe (KF_SCP) or to an anim-element event (AE_SCP):
// parallel lists of commands and argument texts, run by CInterpreteurAnm.
#include <string>
#include <vector>

class CTUVFile;
class CPLUXControlList;
namespace tuv { class RecueilNotes; }

class CScriptAnm {
public:
    int getNbLignes() const { return static_cast<int>(commandes.size()); }
    // Swap line i with the one before / after it; nothing when there is none.
    void monterLigne(int i);
    void descendreLigne(int i);

    // One file line per script line: cle=commande;arguments. In the argument text every ","
    // becomes "." (authors type decimal commas), then every ";" becomes "," so that the
    // arguments stay one value of the line. A text argument holding "," thus reads back
    // with "." instead: stored scripts rely on this conversion.
    void ecrire(CTUVFile& f, const std::string& cle) const;
    // Appends the line the file is positioned on (just after the key): the command up to the
    // first ";", the rest with every "," turned back into ";". With notes, what the line holds
    // that its command does not run as written is named there as the line's, the command
    // being its value 1 and each argument a value after it: an unknown command, arguments
    // missing (the command is then never run), one that is no number where the command reads
    // a number, arguments past those the command takes.
    void charger(CTUVFile& f, tuv::RecueilNotes* notes = nullptr);

    // Editor list fillers, built with the program (they need the GUI layer).
    void getLignes(CPLUXControlList* liste) const;
    void setLignes(CPLUXControlList* liste);

    std::vector<std::string> commandes;
    std::vector<std::string> arguments;  // same length as commandes

    // Run state of the interpreter; never saved, not copied into meaning.
    int ligneCourante = 0;
    bool bSeulementSiLecture = false;
};
