// Screenshots, the killcam ring and the error report. Every file gets the date in its
// name and a counter when another one landed in the same second: nothing is overwritten.
#include "game/Jeu.h"

#include "characters/Perso.h"
#include "core/Fichiers.h"
#include "core/Media.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "level/Decor.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <ctime>
#include <fstream>
#include <iostream>
#include <ostream>
#include <sstream>
#include <vector>

#include <unistd.h>

namespace {

std::string dateFichier()
{
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char tampon[64];
    std::strftime(tampon, sizeof tampon, "%Y-%m-%d %Hh %Mm %Ss", &tm);
    return tampon;
}

// base + date + extension, or base + date + "_2" + extension... when taken. Every
// extension given must be free, so that a report and its screenshot share one name.
std::string nomLibre(const std::string& base, const std::vector<std::string>& extensions)
{
    std::string date = dateFichier();
    for (int n = 1;; ++n) {
        std::string nom = base + date + (n > 1 ? "_" + tuv::itos(n) : "");
        bool libre = true;
        for (const std::string& ext : extensions)
            libre = libre && !tuv::fichierExiste(nom + ext);
        if (libre)
            return nom;
    }
}

// The window's own pixels: drawing into a render texture leaves that texture's frame buffer
// bound in the window's context, and a copy of the window would read it instead. Activating
// the window as a render target binds its own frame buffer again.
sf::Image imageFenetre(sf::RenderWindow& fenetre)
{
    sf::Texture t;
    if (!t.create(fenetre.getSize().x, fenetre.getSize().y))
        return sf::Image();
    fenetre.setActive(true);
    t.update(fenetre);
    return t.copyToImage();
}

template <class T>
void champ(std::ostream& out, const char* type, const char* nom, const T& valeur)
{
    out << type << " " << nom << "=" << valeur << "\n";
}

} // namespace

std::string CSFMLJeu::capturerEcran()
{
    if (!fenetre)
        return "";
    std::string nom = nomLibre("capture_", {".png"}) + ".png";
    return capturerEcranSous(nom) ? nom : "";
}

bool CSFMLJeu::capturerEcranSous(const std::string& fichier)
{
    return fenetre && tuv::ecrireImage(imageFenetre(*fenetre), fichier);
}

// Each frame is kept at half the window's width and height (a quarter of the memory); the
// replay scales it back up to the window. The reduction is drawn in a render texture, whose
// frame buffer stays bound in the window's context: the window is made the target again, or
// what reads the window after it (a screenshot, a replay's capture) would read the reduction.
void CSFMLJeu::capturerKillcam()
{
    if (typeJeu != 2 || mode != 1 || killcamTaille <= 0 || !fenetre)
        return;
    reduireFenetreKillcam();
    fenetre->setActive(true);
}

void CSFMLJeu::reduireFenetreKillcam()
{
    if (static_cast<int>(killcamImages.size()) != killcamTaille) {
        killcamImages.assign(killcamTaille, sf::Texture());
        killcamPosition = 0;
    }
    killcamPosition = (killcamPosition + 1) % killcamTaille;
    const sf::Vector2u taille = fenetre->getSize();
    const sf::Vector2u demi(std::max(1u, taille.x / 2), std::max(1u, taille.y / 2));
    if (killcamFenetre.getSize() != taille && !killcamFenetre.create(taille.x, taille.y))
        return;
    if (!killcamReduction || killcamReduction->getSize() != demi) {
        killcamReduction = std::make_unique<sf::RenderTexture>();
        if (!killcamReduction->create(demi.x, demi.y)) {
            killcamReduction.reset();
            return;
        }
        killcamFenetre.setSmooth(true);
    }
    killcamFenetre.update(*fenetre);
    sf::Sprite image(killcamFenetre);
    image.setScale(static_cast<float>(demi.x) / taille.x, static_cast<float>(demi.y) / taille.y);
    killcamReduction->clear();
    killcamReduction->draw(image);
    killcamReduction->display();
    sf::Texture& t = killcamImages[killcamPosition];
    if (t.getSize() != demi) {
        if (!t.create(demi.x, demi.y))
            return;
        t.setSmooth(true);
    }
    t.update(killcamReduction->getTexture());
}

bool CSFMLJeu::sauverKillcam()
{
    int taille = static_cast<int>(killcamImages.size());
    if (taille == 0)
        return true;
    std::error_code ec;
    std::filesystem::create_directories("./killcam", ec);
    std::string base = nomLibre("./killcam/killcam_", {"_000.png"});
    int ecrites = 0;
    bool ok = true;
    // Oldest first: the slot after the write position.
    for (int i = 1; i <= taille; ++i) {
        const sf::Texture& t = killcamImages[(killcamPosition + i) % taille];
        if (t.getSize().x == 0)
            continue;
        char numero[16];
        std::snprintf(numero, sizeof numero, "_%03d", ecrites);
        if (tuv::ecrireImage(t.copyToImage(), base + numero + ".png"))
            ++ecrites;
        else
            ok = false;
    }
    return ok;
}

void CSFMLJeu::demanderRapport()
{
    if (fenetre)
        imageRapport = imageFenetre(*fenetre);
    idRapport = CPLUX::MessageBoxW(L"Rapport d'erreur", L"Décrivez le problème :", "IDMBRAPPORT", this, 4);
}

void CSFMLJeu::onMBClose(int handle, std::string id, bool answer1, bool answer2, bool answer3, std::string text)
{
    if (id == "IDMBRAPPORT" && answer1 && ecrireRapport(tuv::utf8toWStr(text)).empty())
        signalerEchec("Impossible d'écrire le rapport d'erreur");
}

void CSFMLJeu::signalerEchec(const std::string& message)
{
    std::cerr << "ERREUR : " << message << std::endl;
}

std::string CSFMLJeu::ecrireRapport(const std::wstring& description)
{
    std::string nom = nomLibre("rapport_erreur_", {".txt", ".png"});
    bool ok = tuv::ecrireFichierSur(nom + ".txt", [&](std::ostream& out) {
        out << "# Rapport d'erreur " << dateFichier() << "\n";
        std::string texte = tuv::wstrToUtf8(description);
        for (char& c : texte)
            if (c == '\n' || c == '\r')
                c = ' ';
        out << "# " << texte << "\n";
        out << "#### JEU ####\n";
        champ(out, "int", "mode", mode);
        champ(out, "int", "typeJeu", typeJeu);
        champ(out, "float", "framerateCoeff", framerateCoeff);
        champ(out, "int", "largeurVue", largeurVue);
        champ(out, "int", "hauteurVue", hauteurVue);
        champ(out, "long", "compteurImages", compteurImages);
        champ(out, "string", "fichierJeu", fichierJeu);
        champ(out, "bool", "bJoue", bJoue);
        champ(out, "bool", "bIA", bIA);
        champ(out, "bool", "bPersoIAdcd", bPersoIAdcd);
        champ(out, "bool", "bGoChrono", bGoChrono);
        champ(out, "int", "compteurPexlon", compteurPexlon);
        champ(out, "int", "nbEtoiles", nbEtoiles);
        champ(out, "bool", "bSansFaute", bSansFaute);
        champ(out, "int", "compteurMultiPause", compteurMultiPause);
        champ(out, "int", "nbJoueursMultiDcd", nbJoueursMultiDcd);
        champ(out, "int", "compteurFinJeu", compteurFinJeu);
        champ(out, "int", "vuemode_save", vuemode_save);
        champ(out, "double", "execTemps", execTemps);
        champ(out, "float", "volumeEffets", volumeEffets);
        champ(out, "float", "volumeMusique", volumeMusique);
        champ(out, "bool", "bXInput", bXInput);
        champ(out, "bool", "bUseShader", bUseShader);
        champ(out, "bool", "bCarteJeu", bCarteJeu);
        champ(out, "bool", "pPerso", pPerso != nullptr);
        if (pdecor) {
            out << "#### DECOR ####\n";
            champ(out, "bool", "bCouleurFond", pdecor->bCouleurFond);
            champ(out, "bool", "bMusiquesStreamees", pdecor->bMusiquesStreamees);
            champ(out, "string", "cheminMusique", pdecor->cheminMusique);
            champ(out, "string", "cheminMusiqueAmbiance", pdecor->cheminMusiqueAmbiance);
            champ(out, "int", "chrono", pdecor->chrono);
            champ(out, "int", "chronoRef", pdecor->chronoRef);
            champ(out, "bool", "niveauFini", pdecor->niveauFini);
            champ(out, "int", "tailleJeuX", pdecor->tailleJeuX);
            champ(out, "int", "tailleJeuY", pdecor->tailleJeuY);
            champ(out, "string", "nomNiveau", tuv::wstrToUtf8(pdecor->nomNiveau));
            champ(out, "int", "numNiveau", pdecor->numNiveau);
            champ(out, "int", "compteurPersoTouche", pdecor->compteurPersoTouche);
            int n = 0;
            for (auto* liste : {&pdecor->persos, &pdecor->ias})
                for (CPerso* p : *liste) {
                    if (!p)
                        continue;
                    out << "#### PERSO " << n++ << " ####\n";
                    champ(out, "string", "fichier", p->fichier);
                    champ(out, "bool", "bCollisions", p->bCollisions);
                    champ(out, "bool", "bVieInfinie", p->bVieInfinie);
                }
        }
        return bool(out);
    });
    if (!ok)
        return "";
    // The report stands without its picture: it is kept, and the missing picture said.
    if (imageRapport.getSize().x > 0 && !tuv::ecrireImage(imageRapport, nom + ".png"))
        signalerEchec("Impossible d'enregistrer la capture du rapport d'erreur");
    return nom + ".txt";
}
