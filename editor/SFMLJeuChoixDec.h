#pragma once
// The level editor's decor picker ("SFMLJeuChoixDec"): pages through the ".dec" files of a
// folder with an animated preview; the current file is what the decor tool places.
// Registered with the development switch; main deletes it after the game object.
#include "editor/SFMLJeuChoix.h"

#include <memory>

class CFichierDEC;

class CSFMLJeuChoixDec : public CSFMLJeuChoix {
public:
    static constexpr const char* ID = "SFMLJeuChoixDec";

    CSFMLJeuChoixDec();
    ~CSFMLJeuChoixDec() override;

    // Reads fichiers[numFichier] into a new bank named by the file's ID, with a preview
    // sprite at the definition's frame time.
    void chargerApercu() override;
    // The folder list's callback: code 20 lists the folder in the control's data.
    static bool rappelDossier(void* owner, CPLUXDialog* dlg, CPLUXControl* c, int code);

protected:
    std::string nomDe(const std::string& chemin) override;
    CSPRITE3* spriteAnime() const override;
    int animFixe() const override { return 0; }

private:
    // Reads the IDs of a listing: one reader for all, each file read afresh.
    std::unique_ptr<CFichierDEC> lecteurId_;
};
