#pragma once
// Shader variables dialog ("JeuDialogShader"): edits the values of the uniforms that a vertex
// and a fragment shader declare, in two maps that belong to someone else (a decor sprite's, an
// anim element's). An opener writes pUniformsVert, then pUniformsFrag, then calls init;
// whoever frees the maps detaches the dialog first (both null). A typed value goes into the
// chosen uniform at once, and the owner's next drawing passes it to the shader.
#include "core/Sprite.h"
#include "gui/CPLUXDialog.h"

class CJeuDialogShaderVERT : public CPLUXDialog {
public:
    // Refills the two variable lists from the attached maps (the vertex map is then the one
    // edited), empty when detached; no variable is chosen then: the name, type, period and
    // value fields are emptied.
    void init();
    // Edits these maps (both null: none) from now on, refilled.
    void attacher(CSPRITE::Uniforms* vert, CSPRITE::Uniforms* frag);

    // "myButtonFermer" closes the dialog; the maps are not touched.
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    // Choosing a variable shows its name, type, period and value, and makes its map the
    // edited one.
    void onCtrlComboChange(CPLUXControlComboBox* c) override;
    // A typed period or value is written into the variable the labels name.
    void onCtrlInputChange(CPLUXControlTextInput* c) override;

    // Which map the inputs edit: -1 none, 0 the vertex map, 1 the fragment map.
    int iListeCourante = -1;
    CSPRITE::Uniforms* pUniformsVert = nullptr;  // not owned
    CSPRITE::Uniforms* pUniformsFrag = nullptr;  // not owned
    // True while the dialog writes its own inputs: what they report then was not typed.
    bool bRemplissage = false;

private:
    // The four value inputs for the uniform's type: visibility, then values.
    void afficherValeurs(const CSPRITE::Uniform& u);
    void ecrireValeur(CPLUXControlTextInput& saisie, const std::string& type, CSPRITE::Uniform& u) const;
    // The text of a label, empty when the model lacks it.
    std::string texteDe(const char* id) const;
};
