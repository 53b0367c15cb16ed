// The shader dialogs' combo fillers: the shader manager is core/'s, the combos are this
// library's, so they are defined here, where both are seen.
#include "core/Fichiers.h"
#include "core/ShaderManager.h"

#include "gui/CPLUXControlList.h"

#include <filesystem>

bool CShaderManager::remplirComboShaders(const std::string& dossier, CPLUXControlComboBox* combo,
                                         const std::string& ext)
{
    if (!combo || !tuv::dossierExiste(dossier))
        return false;
    combo->reset();
    combo->AddElement("(sans shader)");
    // The listing comes sorted by name, so the combo reads the same on every machine.
    for (const tuv::EntreeDossier& e : tuv::listerDossier(dossier)) {
        if (e.bDossier)
            continue;
        const std::string extension = std::filesystem::path(e.nom).extension().string();
        if (extension.size() > 1 && extension.substr(1) == ext)
            combo->AddElement(e.nom);
    }
    return true;
}

void CShaderManager::remplirComboVariables(CPLUXControlComboBox* combo, CSPRITE::Uniforms& m)
{
    if (!combo)
        return;
    combo->reset();
    combo->setVisibleCol2(true);
    for (const auto& [nom, u] : m) {
        combo->AddElementCol2("(" + u.strType + ")");
        combo->AddElement(nom);
    }
    if (!m.empty())
        combo->setNumSel(0);
}
