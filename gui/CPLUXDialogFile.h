#pragma once
// File dialogs of the library: open (CPLUXDialogFile), save (CPLUXDialogFileSave), open an
// image with a preview (CPLUXDialogFileImages), and the base of the program's pickers
// (CPLUXDialogImage: a preview image and a folder list driven by a held folder dialog).
//
// Controls the library makes: "txtDossier" (the current folder; its data holds the folder
// when a folder change is reported with code 20), "lstDossiers" (".." then sub-folders),
// "lstFichiers" (files with the chosen extensions), "open" / "save", "annuler"; the save
// dialog adds the name field "txtFichier". Folders are "/"-separated and end with "/".
// A save never replaces a file silently: an existing name is confirmed first.
#include "gui/CPLUXDialog.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Clock.hpp>

#include <string>
#include <vector>

class CPLUXControlImage;

// The second press of a double click whose first press changed the folder: the lists changed
// under the pointer, and that press would act on whatever the new ones show there.
class SuiteDoubleClic {
public:
    // At each left press in the dialog: true for the press to be let go by.
    bool ignorer(sf::Vector2i p);
    // The press being handled changed the folder.
    void dossierChange() { dossierChange_ = true; }

private:
    sf::Clock horloge_;
    sf::Vector2i appui_{-1000, -1000};
    bool dossierChange_ = false;
};

class CPLUXDialogFile : public CPLUXDialog {
public:
    // Two presses on the same file within this time (seconds) act as "open".
    static constexpr float DOUBLE_CLIC = 0.4f;

    CPLUXDialogFile();
    CPLUXDialogFile* commeDialogFile() override { return this; }

    // Start folder; a relative folder stays relative to the working folder.
    void InitDossiers(const std::string& folder);
    // Extension without its dot; with none, every file is listed.
    void addExtension(const std::string& ext);
    const std::vector<std::string>& getExtensions() const { return extensions_; }
    // Current folder, always ending with "/".
    std::string GetPath() const { return dossier_; }
    // Chosen file name without its folder; "" when none.
    std::string GetFile() const { return fichier_; }
    std::string GetFullPath() const { return GetPath() + GetFile(); }
    // True when the current folder lies outside the working folder (it is then shown so).
    bool isHorsDossierTravail() const;
    static bool estHorsDossierTravail(const std::string& dossier);
    // Shows a folder in a text control, marked when it lies outside the working folder.
    static void montrerDossier(CPLUXControl* texte, const std::string& dossier);

    // Navigation, as the user does it: ".." goes up. Reported with code 20.
    void entrerDossier(const std::string& nom);
    void choisirFichier(const std::string& nom);
    // Lists the current folder again.
    void actualiser();

    virtual void drawFiles() {}
    virtual void onClickFile() {}
    virtual void onChangeFiles() {}
    // Called on every change of the current folder.
    virtual void onChangeFolder() {}
    void setCompact(bool) {}

    void onCreate() override;
    // Shown again or refreshed, the dialog lists its folder afresh: files come and go while
    // it waits (a level saved meanwhile).
    void onShow() override;
    void onRefresh() override;
    bool onDialogPressLeft(sf::RenderWindow* w, int x, int y) override;
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlListChange(CPLUXControlList* c) override;
    bool onResize(int w, int h) override;
    void draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy) override;

    // Folder helpers (pure text): "/" separators and a final "/"; the parent of a folder.
    static std::string normaliserDossier(const std::string& dossier);
    static std::string dossierParent(const std::string& dossier);

protected:
    // Places the library's controls for the current size (also after the model set it).
    virtual void mettreEnPage();
    // Height kept under the lists for the bottom rows.
    virtual int hauteurBas() const { return 36; }
    // Width kept at the right of the file list (the image preview).
    virtual int largeurDroite() const { return 0; }
    bool correspond(const std::string& nom) const;
    void changerDossier(const std::string& dossier, bool parUtilisateur);
    // The program hears of a press of c as if the user had pressed it: onPressLeft, then the
    // callback with code 0.
    void confirmer(CPLUXControl* c);

    CPLUXControlText* txtDossier_ = nullptr;
    CPLUXControlList* lstDossiers_ = nullptr;
    CPLUXControlList* lstFichiers_ = nullptr;
    CPLUXControlButton* boutonValider_ = nullptr;
    CPLUXControlButton* annuler_ = nullptr;

private:
    std::string dossier_ = "./";
    std::string fichier_;
    std::vector<std::string> extensions_;
    sf::Vector2i tailleMiseEnPage_{-1, -1};
    sf::Clock horlogeClic_;
    std::string dernierClic_;
    SuiteDoubleClic suiteDoubleClic_;
};

class CPLUXDialogFileSave : public CPLUXDialogFile {
public:
    CPLUXDialogFileSave();
    // The typed name without any folder part; the first extension is added when it has none.
    std::string getFileSave() const;
    std::string getFullPathSave() const { return GetPath() + getFileSave(); }
    // What the "Enregistrer" button does: confirms an existing name first, then reports a
    // press of "save". Nothing happens without a name.
    void demanderEnregistrement();

    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlListChange(CPLUXControlList* c) override;
    void onCtrlInputEnterPress(CPLUXControlTextInput* c) override;
    void onMBClose(int handle, std::string id, bool answer1, bool answer2, bool answer3,
                   std::string text) override;

protected:
    void mettreEnPage() override;
    int hauteurBas() const override { return 62; }

private:
    CPLUXControlTextInput* txtFichier_ = nullptr;
    // The visible button: the program's "save" is reported only once the name is confirmed.
    CPLUXControlButton* enregistrer_ = nullptr;
    int boiteRemplacer_ = 0;
    // The file the open question is about.
    std::string aRemplacer_;
};

class CPLUXDialogFileImages : public CPLUXDialogFile {
public:
    CPLUXDialogFileImages();
    CPLUXControlImage* getImageControl() const { return apercu_; }
    void onClickFile() override;

protected:
    void mettreEnPage() override;
    int largeurDroite() const override { return 168; }

private:
    CPLUXControlImage* apercu_ = nullptr;
    // The previewed picture, read afresh at each choice: the shared texture cache would keep
    // every browsed picture for good, and show a stale one after the file changed.
    sf::Texture textureApercu_;
    sf::Sprite spriteApercu_;
};

class CPLUXDialogImage : public CPLUXDialog {
public:
    CPLUXDialogImage();
    // "The image control": the preview the program draws into.
    CPLUXControlImage* getImageControl() const { return image_; }
    // The folder dialog whose callback reports folder changes (code 20); never shown itself.
    CPLUXDialogFile* getDialogDossier() { return &dossier_; }
    std::string getFolder() const { return dossier_.GetPath(); }
    // Top of the preview in dialog pixels under the title bar; the folder line and list
    // follow it. A picker keeps a band above it for its own lines.
    void setHautApercu(int haut);
    int getHautApercu() const { return hautApercu_; }

    void onCreate() override;
    bool onDialogPressLeft(sf::RenderWindow* w, int x, int y) override;
    void onCtrlListChange(CPLUXControlList* c) override;
    bool onResize(int w, int h) override;
    void draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy) override;

protected:
    void mettreEnPage();
    void remplirDossiers();

private:
    CPLUXDialogFile dossier_;
    CPLUXControlImage* image_ = nullptr;
    CPLUXControlText* txtDossier_ = nullptr;
    CPLUXControlList* lstDossiers_ = nullptr;
    sf::Vector2i tailleMiseEnPage_{-1, -1};
    std::string dossierListe_;
    int hautApercu_ = 34;
    SuiteDoubleClic suiteDoubleClic_;
};
