#pragma once
// What the self-registering level dialogs (CSFMLJeuOuvrir, CSFMLJeuSauver) share: the
// library file dialog each one has made for itself and frees with itself.
#include "gui/CPLUXDialogFile.h"

#include <SFML/Graphics/Rect.hpp>

// Has the library make a file dialog of that kind (1 open, 3 save) owned by owner, placed at
// rect (left, top, width, height), minimised, starting in dossier and reporting to rappel.
// Null when the library gave no file dialog.
CPLUXDialogFile* creerDialogueFichierPropre(void* owner, int genre, const char* titre, sf::IntRect rect,
                                            const char* dossier, PLUXFileCallback rappel);
// Frees it unless the library's shutdown already has.
void libererDialogueFichierPropre(CPLUXDialog* d);
