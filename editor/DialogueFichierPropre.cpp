#include "editor/DialogueFichierPropre.h"

#include "gui/CPLUX.h"

CPLUXDialogFile* creerDialogueFichierPropre(void* owner, int genre, const char* titre, sf::IntRect rect,
                                            const char* dossier, PLUXFileCallback rappel)
{
    int id = 0;
    CPLUX::addDialog(&id, nullptr, owner, genre);
    CPLUXDialog* d = CPLUX::getDialog(id);
    CPLUXDialogFile* f = d ? d->commeDialogFile() : nullptr;
    if (!f)
        return nullptr;
    f->setCloseMode(2);
    f->setVisible(true);
    f->setMinimize(true);
    f->setTitle(titre);
    f->setPosition(rect.left, rect.top);
    f->Size(rect.width, rect.height);
    f->InitDossiers(dossier);
    f->setDialogCallback(rappel);
    return f;
}

void libererDialogueFichierPropre(CPLUXDialog* d)
{
    if (d && CPLUX::estVivant(d))
        delete d;
}
