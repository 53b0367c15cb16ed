#pragma once
// The editor's level open dialog ("JeuDialogChargerNiv"): "open" loads the chosen ".niv" file
// into the running level, "myButtonNouveau" the empty level; the level options dialog is
// refilled and the menu object learns the level's folder and path. It stays open.
#include "gui/CPLUXDialogFile.h"

#include <string>

class CJeuDialogChargerNiv : public CPLUXDialogFile {
public:
    static constexpr const char* ID = "JeuDialogChargerNiv";
    static constexpr const char* BOUTON_OUVRIR = "open";
    static constexpr const char* BOUTON_NOUVEAU = "myButtonNouveau";
    static constexpr const char* DOSSIER_NIVEAUX = "./niveaux/";
    static constexpr const char* FICHIER_VIDE = "niveau-vide.niv";

    CJeuDialogChargerNiv();
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;

    // Loads dossier + fichier into the running level (start number 1), as the dialog does.
    static void chargerNiveau(const std::string& dossier, const std::string& fichier);
};
