#include "gui/CPLUXDialogFile.h"

#include "core/Fichiers.h"
#include "core/Media.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTextInput.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

namespace {
const sf::Color COULEUR_HORS_TRAVAIL(190, 90, 0);
const char* const PREFIXE_HORS_TRAVAIL = "Hors du dossier de travail : ";
const char* const ID_BOITE_REMPLACER = "PLUX_REMPLACER";

std::string minuscules(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string extensionDe(const std::string& nom)
{
    const size_t p = nom.rfind('.');
    return p == std::string::npos || p == 0 ? "" : minuscules(nom.substr(p + 1));
}

std::string absoluDe(const std::string& dossier)
{
    std::error_code ec;
    std::filesystem::path p = std::filesystem::weakly_canonical(std::filesystem::absolute(dossier, ec), ec);
    return ec ? dossier : p.generic_string();
}
} // namespace

// Folder text helpers ------------------------------------------------------------------------------

std::string CPLUXDialogFile::normaliserDossier(const std::string& dossier)
{
    std::string d = dossier;
    std::replace(d.begin(), d.end(), '\\', '/');
    if (d.empty())
        return "./";
    if (d.back() != '/')
        d += '/';
    return d;
}

std::string CPLUXDialogFile::dossierParent(const std::string& dossier)
{
    const std::string d = normaliserDossier(dossier);
    if (d == "/")
        return d;
    if (d == "./")
        return "../";
    const std::string sans = d.substr(0, d.size() - 1);
    const size_t p = sans.rfind('/');
    const std::string dernier = p == std::string::npos ? sans : sans.substr(p + 1);
    // "../" and "./../" can only go further up.
    if (dernier == ".." || dernier == ".")
        return d + "../";
    return p == std::string::npos ? "./" : sans.substr(0, p + 1);
}

bool SuiteDoubleClic::ignorer(sf::Vector2i p)
{
    constexpr int ECART = 4;  // pixels a hand moves between the two presses of a double click
    const bool suite = dossierChange_ && horloge_.getElapsedTime().asSeconds() < CPLUXDialogFile::DOUBLE_CLIC &&
                       std::abs(p.x - appui_.x) <= ECART && std::abs(p.y - appui_.y) <= ECART;
    dossierChange_ = false;
    appui_ = p;
    horloge_.restart();
    return suite;
}

// Open dialog ----------------------------------------------------------------------------------------

CPLUXDialogFile::CPLUXDialogFile()
{
    setTitle(L"Ouvrir");
    setRedimensionnable(true);
    Size(480, 380);
    txtDossier_ = static_cast<CPLUXControlText*>(ajouter(new CPLUXControlText, "txtDossier", 8, 30, 464, 20));
    lstDossiers_ = static_cast<CPLUXControlList*>(ajouter(new CPLUXControlList, "lstDossiers", 8, 54, 160, 280));
    lstFichiers_ = static_cast<CPLUXControlList*>(ajouter(new CPLUXControlList, "lstFichiers", 176, 54, 296, 280));
    boutonValider_ = static_cast<CPLUXControlButton*>(ajouter(new CPLUXControlButton, "open", 264, 376, 100, 24));
    boutonValider_->setText(L"Ouvrir");
    annuler_ = static_cast<CPLUXControlButton*>(ajouter(new CPLUXControlButton, "annuler", 372, 376, 100, 24));
    annuler_->setText(L"Annuler");
    mettreEnPage();
}

void CPLUXDialogFile::mettreEnPage()
{
    const float l = static_cast<float>(getWidth());
    const float t = static_cast<float>(hauteurTitre());
    const float bas = static_cast<float>(getOuterHeight());
    const float hListes = std::max(40.f, bas - t - 32 - hauteurBas());
    const float lFichiers = std::max(60.f, l - 8 - 168 - 8 - largeurDroite());
    txtDossier_->setPosition(8, t + 6);
    txtDossier_->setVisibleDimension(l - 16, 20);
    lstDossiers_->setPosition(8, t + 30);
    lstDossiers_->setVisibleDimension(160, hListes);
    lstFichiers_->setPosition(176, t + 30);
    lstFichiers_->setVisibleDimension(lFichiers, hListes);
    annuler_->setPosition(l - 108, bas - 30);
    annuler_->setVisibleDimension(100, 24);
    boutonValider_->setPosition(l - 216, bas - 30);
    boutonValider_->setVisibleDimension(100, 24);
    tailleMiseEnPage_ = {getWidth(), getHeight()};
}

void CPLUXDialogFile::onCreate()
{
    CPLUXDialog::onCreate();
    mettreEnPage();
    actualiser();
}

void CPLUXDialogFile::onShow()
{
    CPLUXDialog::onShow();
    if (isCreate())
        actualiser();
}

void CPLUXDialogFile::onRefresh()
{
    CPLUXDialog::onRefresh();
    if (isCreate())
        actualiser();
}

bool CPLUXDialogFile::onDialogPressLeft(sf::RenderWindow* w, int x, int y)
{
    CPLUXDialog::onDialogPressLeft(w, x, y);
    return !suiteDoubleClic_.ignorer({x, y});
}

bool CPLUXDialogFile::onResize(int w, int h)
{
    CPLUXDialog::onResize(w, h);
    mettreEnPage();
    return true;
}

void CPLUXDialogFile::draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy)
{
    // The model may have given another size after construction.
    if (tailleMiseEnPage_ != sf::Vector2i(getWidth(), getHeight()))
        mettreEnPage();
    CPLUXDialog::draw(w, mouseX, mouseY, ox, oy);
    drawFiles();
}

void CPLUXDialogFile::InitDossiers(const std::string& folder)
{
    changerDossier(normaliserDossier(folder), false);
}

void CPLUXDialogFile::addExtension(const std::string& ext)
{
    std::string e = ext;
    while (!e.empty() && e.front() == '.')
        e.erase(e.begin());
    e = minuscules(e);
    if (e.empty() || std::find(extensions_.begin(), extensions_.end(), e) != extensions_.end())
        return;
    extensions_.push_back(e);
    // Before onCreate nothing is listed yet: a constructor must not read the disk.
    if (isCreate())
        actualiser();
}

bool CPLUXDialogFile::correspond(const std::string& nom) const
{
    if (extensions_.empty())
        return true;
    const std::string e = extensionDe(nom);
    return std::find(extensions_.begin(), extensions_.end(), e) != extensions_.end();
}

bool CPLUXDialogFile::estHorsDossierTravail(const std::string& dossier)
{
    std::error_code ec;
    const std::filesystem::path travail = std::filesystem::weakly_canonical(std::filesystem::current_path(ec), ec);
    const std::filesystem::path ici(absoluDe(dossier));
    const std::filesystem::path rel = ici.lexically_relative(travail);
    return rel.empty() || *rel.begin() == "..";
}

bool CPLUXDialogFile::isHorsDossierTravail() const { return estHorsDossierTravail(dossier_); }

void CPLUXDialogFile::montrerDossier(CPLUXControl* texte, const std::string& dossier)
{
    if (estHorsDossierTravail(dossier)) {
        texte->setText(PREFIXE_HORS_TRAVAIL + absoluDe(dossier));
        texte->setTextColor(COULEUR_HORS_TRAVAIL);
    } else {
        texte->setText(dossier);
        texte->setTextColor(plux::couleur::texte);
    }
}

void CPLUXDialogFile::actualiser()
{
    lstDossiers_->reset();
    lstFichiers_->reset();
    lstDossiers_->AddElement("..");
    std::vector<std::string> fichiers;
    for (const tuv::EntreeDossier& e : tuv::listerDossier(dossier_)) {
        // Hidden entries, as every file browser of the system keeps them.
        if (e.nom.empty() || e.nom[0] == '.')
            continue;
        if (e.bDossier)
            lstDossiers_->AddElement(e.nom);
        else if (correspond(e.nom))
            fichiers.push_back(e.nom);
    }
    for (const std::string& f : fichiers)
        lstFichiers_->AddElement(f);
    montrerDossier(txtDossier_, dossier_);
    // A chosen file that is no longer listed is no longer chosen.
    if (!fichier_.empty() && lstFichiers_->getLine(fichier_) < 0)
        fichier_.clear();
    onChangeFiles();
}

void CPLUXDialogFile::changerDossier(const std::string& dossier, bool parUtilisateur)
{
    dossier_ = normaliserDossier(dossier);
    fichier_.clear();
    txtDossier_->setData(dossier_);
    actualiser();
    onChangeFolder();
    if (parUtilisateur)
        suiteDoubleClic_.dossierChange();
    if (parUtilisateur && aCallback())
        appelerCallback(txtDossier_, 20);
}

void CPLUXDialogFile::entrerDossier(const std::string& nom)
{
    if (nom.empty() || nom == ".")
        return;
    if (nom == "..")
        changerDossier(dossierParent(dossier_), true);
    else if (nom.find('/') == std::string::npos && nom.find('\\') == std::string::npos)
        changerDossier(dossier_ + nom, true);
}

void CPLUXDialogFile::choisirFichier(const std::string& nom)
{
    fichier_ = nom;
    onClickFile();
}

void CPLUXDialogFile::confirmer(CPLUXControl* c)
{
    CPLUX::entrerDispatch();
    onPressLeft(nullptr, 0, 0, c);
    if (CPLUX::estVivant(this) && aCallback())
        appelerCallback(c, 0);
    CPLUX::sortirDispatch();
}

void CPLUXDialogFile::onCtrlListChange(CPLUXControlList* c)
{
    CPLUXDialog::onCtrlListChange(c);
    if (c == lstDossiers_ && c->getNumSel() >= 0)
        entrerDossier(c->getTextSel());
    else if (c == lstFichiers_ && c->getNumSel() >= 0)
        choisirFichier(c->getTextSel());
}

bool CPLUXDialogFile::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (c == annuler_) {
        close();
        return true;
    }
    if (c != lstFichiers_)
        return true;
    // A second press on the same file soon after the first opens it.
    // Only a press on the selected row counts (not one below the last row).
    const bool surSelection =
        lstFichiers_->getNumSel() >= 0 && lstFichiers_->getMouseOnLine() == lstFichiers_->getNumSel();
    const std::string sel = surSelection ? lstFichiers_->getTextSel() : "";
    const bool double_ = !sel.empty() && sel == dernierClic_ &&
                         horlogeClic_.getElapsedTime().asSeconds() < DOUBLE_CLIC;
    dernierClic_ = sel;
    horlogeClic_.restart();
    if (double_ && boutonValider_->getId() == "open") {
        dernierClic_.clear();
        confirmer(boutonValider_);
    }
    return true;
}

// Save dialog --------------------------------------------------------------------------------------------

CPLUXDialogFileSave::CPLUXDialogFileSave()
{
    setTitle(L"Enregistrer");
    // "save" is what the program hears; the user presses "Enregistrer", which confirms an
    // existing name first. Both share one place; only the visible one takes presses.
    boutonValider_->setId("save");
    boutonValider_->setVisible(false);
    parId_.erase("open");
    parId_["save"] = boutonValider_;
    enregistrer_ = static_cast<CPLUXControlButton*>(ajouter(new CPLUXControlButton, "btnEnregistrer", 0, 0, 100, 24));
    enregistrer_->setText(L"Enregistrer");
    auto* libelle = static_cast<CPLUXControlText*>(ajouter(new CPLUXControlText, "lblFichier", 0, 0, 40, 20));
    libelle->setText(L"Nom :");
    txtFichier_ = static_cast<CPLUXControlTextInput*>(ajouter(new CPLUXControlTextInput, "txtFichier", 0, 0, 100, 20));
    mettreEnPage();
}

void CPLUXDialogFileSave::mettreEnPage()
{
    CPLUXDialogFile::mettreEnPage();
    if (!txtFichier_)
        return;
    const float l = static_cast<float>(getWidth());
    const float bas = static_cast<float>(getOuterHeight());
    enregistrer_->setPosition(boutonValider_->getLeft(), boutonValider_->getTop());
    enregistrer_->setVisibleDimension(boutonValider_->getWidth(), boutonValider_->getHeight());
    getControl("lblFichier")->setPosition(8, bas - 56);
    txtFichier_->setPosition(52, bas - 56);
    txtFichier_->setVisibleDimension(l - 60, 20);
}

std::string CPLUXDialogFileSave::getFileSave() const
{
    std::string nom = txtFichier_->getText();
    // A name never leads out of the shown folder.
    const size_t p = nom.find_last_of("/\\");
    if (p != std::string::npos)
        nom = nom.substr(p + 1);
    if (nom.empty() || nom == "." || nom == "..")
        return "";
    if (nom.find('.') == std::string::npos && !getExtensions().empty())
        nom += "." + getExtensions().front();
    return nom;
}

void CPLUXDialogFileSave::demanderEnregistrement()
{
    const std::string nom = getFileSave();
    if (nom.empty())
        return;
    if (tuv::fichierExiste(getFullPathSave()) || tuv::dossierExiste(getFullPathSave())) {
        if (!CPLUX::getMessageBox(boiteRemplacer_)) {
            aRemplacer_ = getFullPathSave();
            boiteRemplacer_ = CPLUX::MessageBoxW(L"Enregistrer",
                                                 L"Le fichier « " + tuv::utf8toWStr(nom) +
                                                     L" » existe déjà.\nLe remplacer ?",
                                                 ID_BOITE_REMPLACER, this, 2);
        }
        return;
    }
    confirmer(boutonValider_);
}

void CPLUXDialogFileSave::onMBClose(int handle, std::string id, bool answer1, bool answer2, bool answer3,
                                    std::string text)
{
    CPLUXDialogFile::onMBClose(handle, id, answer1, answer2, answer3, text);
    if (handle != boiteRemplacer_)
        return;
    boiteRemplacer_ = 0;
    if (!answer1 || getFileSave().empty())
        return;
    // The name or the folder changed while the question was open: ask about the new one.
    if (getFullPathSave() != aRemplacer_)
        demanderEnregistrement();
    // A folder of that name cannot be replaced by a file.
    else if (!tuv::dossierExiste(getFullPathSave()))
        confirmer(boutonValider_);
}

bool CPLUXDialogFileSave::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialogFile::onPressLeft(w, x, y, c);
    if (c == enregistrer_)
        demanderEnregistrement();
    return true;
}

void CPLUXDialogFileSave::onCtrlListChange(CPLUXControlList* c)
{
    CPLUXDialogFile::onCtrlListChange(c);
    if (c == lstFichiers_ && c->getNumSel() >= 0)
        txtFichier_->setText(c->getTextSel());
}

void CPLUXDialogFileSave::onCtrlInputEnterPress(CPLUXControlTextInput* c)
{
    CPLUXDialogFile::onCtrlInputEnterPress(c);
    if (c == txtFichier_)
        demanderEnregistrement();
}

// Image file dialog ----------------------------------------------------------------------------------------

CPLUXDialogFileImages::CPLUXDialogFileImages()
{
    setTitle(L"Ouvrir une image");
    Size(560, 380);
    for (const char* e : {"png", "jpg", "jpeg", "bmp", "tga", "gif"})
        addExtension(e);
    apercu_ = static_cast<CPLUXControlImage*>(ajouter(new CPLUXControlImage, "imgApercu", 0, 0, 160, 160));
    apercu_->setKeepRatio(true);
    mettreEnPage();
}

void CPLUXDialogFileImages::mettreEnPage()
{
    CPLUXDialogFile::mettreEnPage();
    if (!apercu_)
        return;
    apercu_->setPosition(lstFichiers_->getLeft() + lstFichiers_->getWidth() + 8, lstFichiers_->getTop());
    apercu_->setVisibleDimension(160, std::min(160.f, lstFichiers_->getHeight()));
}

void CPLUXDialogFileImages::onClickFile()
{
    CPLUXDialogFile::onClickFile();
    if (!GetFile().empty() && tuv::chargerMedia(textureApercu_, GetFullPath())) {
        spriteApercu_.setTexture(textureApercu_, true);
        apercu_->setImage(&spriteApercu_);
    } else {
        apercu_->removeImage();
    }
}

// Picker base ----------------------------------------------------------------------------------------------

CPLUXDialogImage::CPLUXDialogImage()
{
    setTitle(L"Image");
    Size(320, 390);
    dossier_.setOwner(this);
    image_ = static_cast<CPLUXControlImage*>(ajouter(new CPLUXControlImage, "imgApercu", 8, 59, 304, 200));
    image_->setKeepRatio(true);
    txtDossier_ = static_cast<CPLUXControlText*>(ajouter(new CPLUXControlText, "txtDossier", 8, 265, 304, 18));
    lstDossiers_ = static_cast<CPLUXControlList*>(ajouter(new CPLUXControlList, "lstDossiers", 8, 285, 304, 120));
}

void CPLUXDialogImage::onCreate()
{
    CPLUXDialog::onCreate();
    mettreEnPage();
    remplirDossiers();
}

void CPLUXDialogImage::mettreEnPage()
{
    // Model buttons sit above the preview and value fields under the folder list.
    const float l = static_cast<float>(getWidth());
    const float t = static_cast<float>(hauteurTitre() + hautApercu_);
    image_->setPosition(8, t);
    image_->setVisibleDimension(l - 16, 200);
    txtDossier_->setPosition(8, t + 206);
    txtDossier_->setVisibleDimension(l - 16, 18);
    lstDossiers_->setPosition(8, t + 226);
    lstDossiers_->setVisibleDimension(l - 16, 120);
    tailleMiseEnPage_ = {getWidth(), getHeight()};
}

void CPLUXDialogImage::setHautApercu(int haut)
{
    hautApercu_ = std::max(0, haut);
    mettreEnPage();
}

void CPLUXDialogImage::remplirDossiers()
{
    dossierListe_ = dossier_.GetPath();
    lstDossiers_->reset();
    lstDossiers_->AddElement("..");
    for (const tuv::EntreeDossier& e : tuv::listerDossier(dossier_.GetPath()))
        if (e.bDossier && !e.nom.empty() && e.nom[0] != '.')
            lstDossiers_->AddElement(e.nom);
    CPLUXDialogFile::montrerDossier(txtDossier_, dossier_.GetPath());
}

void CPLUXDialogImage::onCtrlListChange(CPLUXControlList* c)
{
    CPLUXDialog::onCtrlListChange(c);
    if (c != lstDossiers_ || c->getNumSel() < 0)
        return;
    const std::string nom = c->getTextSel();
    // The list is rebuilt before the program hears of the new folder.
    const std::string cible = nom == ".." ? CPLUXDialogFile::dossierParent(dossier_.GetPath())
                                          : dossier_.GetPath() + nom + "/";
    dossier_.InitDossiers(cible);
    remplirDossiers();
    suiteDoubleClic_.dossierChange();
    if (dossier_.aCallback()) {
        CPLUXControl* ctrl = dossier_.getControl("txtDossier");
        ctrl->setData(dossier_.GetPath());
        dossier_.appelerCallback(ctrl, 20);
    }
}

bool CPLUXDialogImage::onDialogPressLeft(sf::RenderWindow* w, int x, int y)
{
    CPLUXDialog::onDialogPressLeft(w, x, y);
    return !suiteDoubleClic_.ignorer({x, y});
}

bool CPLUXDialogImage::onResize(int w, int h)
{
    CPLUXDialog::onResize(w, h);
    mettreEnPage();
    return true;
}

void CPLUXDialogImage::draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy)
{
    if (tailleMiseEnPage_ != sf::Vector2i(getWidth(), getHeight()))
        mettreEnPage();
    // The program may have moved the folder dialog elsewhere (InitDossiers).
    if (dossierListe_ != dossier_.GetPath())
        remplirDossiers();
    CPLUXDialog::draw(w, mouseX, mouseY, ox, oy);
}
