#pragma once
// A ".niv" level file, read into a level world. One object lives for one load (or one save):
// it keeps the objects that the lines of the file refine (the current decor sprite, AI and
// script), the values of the last character, AI and decor-sprite lines, and the loading
// screen shown while the file is read (picture, level title, progress bar).
//
// The reader fills the world it is given, and writes the game's own fields (level file,
// game type, camera mode, player...) only when that world is the game's played one: a level
// read behind the menus leaves the game as it was. It runs without a window: the loading
// screen is drawn only when the game has one.
#include "core/Fichiers.h"
#include "core/NotesLecture.h"
#include "core/TableVues.h"
#include "core/Texte.h"
#include "core/TuvFile.h"

#include <SFML/Config.hpp>
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/System/Clock.hpp>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

class CChemin;
class CDecor;
class CDEC;
class CForceSD;
class CParticules;
class CPersoDef;
class CPerso;
struct MondeJeu;
class CScript;
class CScriptEngine;
class CSPRITE;
class CSPRITE3;
class CVue;
namespace sf { class Sprite; class Text; class Texture; class RenderWindow; }

class CFichierNiveau : public CTUVFile {
public:
    // The loading screen is drawn at most once per this many milliseconds of reading; the
    // clock is read once per LIGNES_PAR_RELEVE lines (and after the last), so that a long
    // file pays almost nothing for it.
    static constexpr double PERIODE_ECRAN_MS = 33.34;
    static constexpr int LIGNES_PAR_RELEVE = 16;
    static constexpr float LARGEUR_BARRE_MAX = 520.0f;
    static constexpr const char* FICHIER_POLICE = "./polices/SF_Minced_Meat.ttf";
    static constexpr const char* FICHIER_BOUCLIER = "./personnages/bouclierperso.dec";
    static constexpr const char* DIALOGUE_OPTIONS = "JeuDialogOptionsNiv";

    CFichierNiveau();
    ~CFichierNiveau() override;

    // Reads the level file into cible. False when the file did not open: the world then
    // stays as the caller left it, and the end of the load (camera, dialog, load time) runs
    // all the same.
    bool chargerNiveau(const std::string& fichier, CDecor& cible);
    // The rest of the current "PARTICULESD" line into emetteur (nothing without one), then
    // the emitter restarts at the sprite's position, attached to it (at (0, 0) without one).
    void lireParticulesSD(CParticules* emetteur, CSPRITE* sprite);
    // Width of the loading screen's progress bar after lus of comptes keys.
    static float largeurBarre(int lus, int comptes);

    // ---- the writer (FichierNiveauEcriture.cpp, FichierNiveauEcritureSD.cpp) ----------------
    // The empty level the editor starts from, which no save may overwrite.
    static constexpr const char* NIVEAU_VIDE = "./niveaux/niveau-vide.niv";
    // Writes the active level world (source: that world) to fichier, which becomes the
    // world's file. False when refused (the empty template), when the ".save" copy of the old
    // file or the file itself could not be made, or when the file was not written whole: the
    // old file, its ".save", the world's file and the game's fichierJeu are then as they were.
    bool sauverNiveau(const std::string& fichier);
    bool sauverNiveau(const std::string& fichier, CDecor& source);
    // One sprite's records; each tests its own condition. sauverSD is true when the "SD"
    // line was written (the sprite has a source name); it rewinds a key-point path.
    bool sauverSD(CSPRITE* sd, int plan);
    void sauverShaderSD(CSPRITE* sd);
    void sauverParticulesSD(CSPRITE* sd);
    void sauverForceSD(CSPRITE* sd);
    void sauverOmbreSD(CSPRITE* sd);
    bool sauverChemin(CSPRITE* sd);
    // What the last save left out or changed, for the save message; "" when nothing.
    std::wstring bilanSauvegarde() const;
    // Groups left out because their creating line could not be written, and text values
    // whose ";" or line breaks were replaced.
    int nbObjetsIgnores = 0;
    int nbTextesCorriges = 0;

    // ---- contexts, loading screen and scratch records, in their documented order ----------
    CSPRITE* pSDCourant = nullptr;   // what the decor-sprite lines refine; not owned
    CPerso* pIACourante = nullptr;   // what the AI lines refine; not owned
    sf::Font police;
    std::unique_ptr<sf::Text> pTexte;  // made when the font loaded
    std::unique_ptr<sf::Texture> pTextureChargement;
    std::unique_ptr<sf::Sprite> pSpriteChargement;
    sf::Color couleurChargement = sf::Color(0, 0, 0, 255);
    sf::Clock horlogeChargement;
    CScript* pScriptCourant = nullptr;  // made by the last "SCRIPTRUN" line; not owned
    int persoX = 0, persoY = 0;
    int persoDirection = 0;
    float persoSX = 1, persoSY = 1;
    int persoPoids = 0;
    std::string nomIA;
    int iaX = 0, iaY = 0, iaDirection = 0;
    float iaSX = 1, iaSY = 1;
    int iaPoids = 0, iaFlag = 0, iaValeur9 = 0;
    std::string fichierFond;
    // The decor-sprite record: the values of the last "SD" line.
    std::string nomSD;
    int sdX = 0, sdY = 0;
    int sdPlan = 0;
    int sdOrigineX = 0, sdOrigineY = 0;  // kept for the writer; the creation ignores them
    float sdRotation = 0, sdVitesseRotation = 0;
    int sdFlipV = 1, sdFlipH = 1;
    float sdSX = 1, sdSY = 1;
    // Behaviour flags: seesaw, collapse, bounce, slide, particles, path, destruction.
    int sdBascule = 0, sdEffondrement = 0, sdRebond = 0, sdGlisse = 0, sdParticules = 0, sdChemin = 0,
        sdDestruction = 0;
    // Collapse: height, speed, automatic height. The file holds the first and the third.
    int sdEffondrementValeurs[3] = {0, 0, 0};
    int sdButeeGauche = 0, sdButeeDroite = 0, sdPivot = 0, sdLargeurPivot = 0;
    float sdVitesseBascule = 0;
    int sdPoidsBascule = 0, sdCPG = 0, sdCPD = 0;
    std::string cleCourante;  // key of the line being read; empty once the file has ended

    // ---- beyond the record ------------------------------------------------------------------
    // The loading screen's clock, in milliseconds from any origin; tests inject their own
    // (empty: horlogeChargement).
    std::function<double()> horloge;
    // How many times the loading screen was shown, and the width of its last progress bar
    // (-1: none drawn yet).
    int nbEcransChargement = 0;
    float derniereLargeurBarre = -1;
    // The player made by the last "PERSO" or "PERSO3" line of this file: what "BOUCLIER",
    // "DIRECTION", "PERSO_COLOR" and "NUMJOUEUR" change. None before such a line.
    CPerso* pJoueur = nullptr;
    // Names of "PERSO" and "SD" lines that no "TEXTURE_PER" or "TEXTURE_DEC" line preloaded,
    // each once, in the order met; reported at the end of the load.
    std::vector<std::string> nomsInconnus;
    // A line with a value the reader replaced by the default: the line as quoted, what was
    // wrong with it and the value read instead. Its text is made in the language it is shown
    // in: the player's over the level, French on the console.
    struct LigneCorrigee {
        enum class Raison {
            ModeVueInconnu,
            ZoomVueInvalide,
            ZoomVueNonNombre,
            IdIAPris,         // an "IA" line that made nothing: its id (valeur) is carried already,
            ModeleIAInconnu,  // or its model was not preloaded
            PlanIAHorsBornes,
            TypeJeuHorsBornes,
            EchelleFondInvalide,
            FlouNegatif,
            ValeurNonNombre,   // a value that is no number (of a setting: that F6 would refuse),
            ValeurNonEntiere,  // or a decimal where F6 takes a whole number
            ValeursAbsentes,   // a short line: its last value read again
            ValeursEnTrop,     // values past those the key takes, not read
            SansEgal,          // a line without "=" (or without a key), not read
            CleInconnue,       // a key the reader does not take, not read
        };
        std::string ligne;
        Raison raison = Raison::ModeVueInconnu;
        std::string valeur;
        // The line's place among the keys of the file: the reasons of one line follow each
        // other and share it, and the message counts lines, not reasons. -1: a line of its own.
        int numero = -1;
        // Which value of the line, as "2 «abc»" (or "3 to 4" for missing ones); empty when
        // the reason names the whole line.
        std::string detail;
        int ligneFichier = 0;  // the line's number in the file, for the console (0: none)
        std::string texte(bool anglais) const;
    };
    // Those lines, in the order met; reported at the end of the load as the names above.
    std::vector<LigneCorrigee> lignesCorrigees;
    // What the preloaded ".dec" and ".per" files were read as otherwise than written (their
    // readers say it on the console): the first few in the load message.
    std::vector<std::string> notesDefinitions;
    // The preloaded files changed since they were read that cannot be read again (gone,
    // unreadable): their definitions stay as first read.
    std::vector<std::string> definitionsNonRelues;
    static constexpr size_t LIGNE_CITEE_MAX = 80;  // octets of a line quoted in that report
    static constexpr float DUREE_MESSAGE_CHARGEMENT = 200;  // the load's message, frames at 30 a second
    // An "IA" line read and not yet made: the next key tells whether an "IDIA" gives it an id
    // of its own. The line as quoted.
    bool bIAEnAttente = false;
    std::string ligneIA;

protected:
    // Every line of a save goes through here.
    virtual void ecrireLigne(std::string_view ligne);

private:
    using Lecteur = void (CFichierNiveau::*)();
    using TableCles = TableVues<Lecteur, 256>;
    static const TableCles& tableCles();
    static void enregistrerReglages(TableCles& t);
    static void enregistrerPersos(TableCles& t);
    static void enregistrerSD(TableCles& t);

    // Load stages (FichierNiveau.cpp).
    void commencer(CDecor& cible);
    int compterCles(const std::string& fichier);
    void lireCles();
    void etapeEcran();
    void dessinerEcran(sf::RenderWindow& fenetre);
    void finir();
    void signalerInconnu(const std::string& nom);
    std::wstring messageChargement(bool anglais) const;
    std::wstring notesDefinitionsMessage(bool anglais) const;
    double maintenant() const;

    // Values of the current line. Floats that are not finite read as 0. An integer past the
    // int range reads as its nearest end; one that becomes a position, size, margin, speed or
    // count of things made (a mesure) is held to tuv::VALEUR_FICHIER_MAX, so that sums of a
    // few stay inside int. Identifiers, modes and times keep their value.
    int entier() { return getValueInt(); }
    int mesure() { return tuv::bornerValeurFichier(getValueInt()); }
    float reel();
    bool drapeau() { return getValueInt() != 0; }
    // Low 8 bits: 300 gives 44.
    sf::Uint8 octet() { return static_cast<sf::Uint8>(getValueInt() & 0xFF); }
    sf::Color couleur();

    // The game's fields that the file sets go to the game only for its played world.
    bool estMondeJeu() const;
    // The game type a save writes: the game's for its played world, the world's own otherwise.
    int typeJeuEcrit() const;
    CScriptEngine* moteur() const;

    // Level-wide lines (FichierNiveauReglages.cpp).
    void lireNom();
    void lireInfos();
    void lireMusique();
    void lireMusiqueAmbiance();
    void lireImageChargement();
    void lireCouleurChargement();
    void lireFond();
    void lierDialogueFond();
    void lireFondCouleur();
    void lireTailleJeu();
    void lireChrono();
    void lireEtoiles();
    void lireCarte();
    void lireScriptRun();
    void lireScriptChrono();
    void lireScrollVue();
    // The current line, quoted, read otherwise than written: `valeur` instead.
    void corrigerLigne(LigneCorrigee::Raison raison, const std::string& valeur);
    // The values of a setting F6 shows, under F6's rule for its field: a whole number, or
    // (reelReglage) a decimal of the fields' size. Any other text is named with what the
    // file's rule reads it as (nothing numeric: 0; "5.5": 5; a mesure bounded as mesure()).
    int entierReglage(bool borne);
    float reelReglage();
    void corrigerValeur(LigneCorrigee::Raison raison, const std::string& valeur);
    // What the file found read otherwise than written, as the level names it.
    void signalerEcart(const Ecart& e) override;
    void lireShaderBlur();
    template <int K>
    void lireScrollPlan();
    void lirePluie();
    void lireNeige();
    void lireLucioles();
    void lireBrouillard();
    void lireNuages();
    void lireEtoilesEffet();
    void lireNuagePoussiere();
    void lireOrage();
    void lirePoussierePas();
    void lireTracePas();
    void lireFreeTextureMem();
    void lireScalePersos();
    void lireTexturePer();
    void lireTextureDec();
    bool aRelire(const std::string& fichier, const std::string& lu, const tuv::EmpreinteFichier& empreinte);
    bool modeleARelire(const CPersoDef& def, const std::string& fichier, int profondeur);
    void retirerModele(const std::string& nom, int profondeur);
    void ajouterNotesDefinition(const tuv::RecueilNotes& notes);
    void lireTypeJeu();
    void lireZone();
    void lireNonPrise() { ligneIgnoree(); }

    // Character and AI lines (FichierNiveauPersos.cpp).
    void lirePerso3();
    void lirePerso();
    void lireValeursPerso(CPerso& p);
    void ajouterJoueur(CPerso* p);
    void viserEtArmer(CPerso& p, bool bDrapeau);
    void chargerBouclier(CPerso& p, const std::string& fichier);
    void lireBouclier();
    void lireDirection();
    void lirePersoCouleur();
    void lireNumJoueur();
    void lireIA();
    void creerIAEnAttente(const std::string& id);
    void lireIdIA();
    void lireIdRespawn();
    void lireNumPlanIA();
    void lirePatrouille();
    void lireOmbreIA();

    // Decor-sprite lines (FichierNiveauSD.cpp).
    void lireSD();
    void lireRecordSD();
    void habillerSD(CSPRITE3& sd);
    void lireLock();
    void lireShaderSD();
    void lirePosDansLePlan();
    void lireCheminSimple();
    void lireKPG();
    void lireKP();
    void lireForceSD();
    void lireValeursForce(CForceSD& f);
    void lireParticulesCourant();
    void lireCalqueSD();
    void lireOmbreSD();
    void lireGroupeSD();
    void lireParamScriptSD();
    void lireIdSD();
    void lireRotSD();
    void lireColSD();
    void lireCollision();
    void lireVolumeSon();
    void lireDecDefaut();
    CChemin& chemin(CSPRITE& sd);

    // Writer (FichierNiveauEcriture.cpp): the line being built, key first, values after.
    // Room for n more bytes at the end of the line.
    char* placeLigne(size_t n)
    {
        if (nLigne + n > ligneEcrite.size())
            agrandirLigne(n);
        return ligneEcrite.data() + nLigne;
    }
    void agrandirLigne(size_t n);
    void ajouterLigne(std::string_view texte);
    void cle(std::string_view nom);
    // A key written as a literal: its length is known here, with its "=".
    template <size_t N>
    void cle(const char (&nom)[N])
    {
        nLigne = 0;
        char* p = placeLigne(N);
        std::memcpy(p, nom, N - 1);
        p[N - 1] = '=';
        nLigne = N;
        bPremiereValeur = true;
    }
    void separer();
    // Here, so that every writer's file inlines them: a save writes some hundred thousand.
    void valeur(int v)
    {
        char* debut = placeLigne(1 + tuv::TAILLE_NOMBRE_MAX);
        char* p = debut;
        if (!bPremiereValeur)
            *p++ = ';';
        bPremiereValeur = false;
        nLigne += static_cast<size_t>(tuv::ecrireEntier(p, v) - debut);
    }
    // Most floats are whole numbers: written as the integer they are, far faster and the same
    // text (every integer up to 2^24 is a float).
    void valeur(float v)
    {
        if (std::fabs(v) <= 16777216.0f) {
            const int entier = static_cast<int>(v);
            if (static_cast<float>(entier) == v && !(entier == 0 && std::signbit(v)))
                return valeur(entier);
        }
        valeurFractionnaire(v);
    }
    void valeurFractionnaire(float v);
    // Values after the line's first one, written from p, by the same rules as valeur: for a
    // long record, whose room the writer makes once (TAILLE_VALEUR for each value), then ends
    // with finirSuite. The place stays in a register: no look at the line per value.
    static constexpr size_t TAILLE_VALEUR = 1 + tuv::TAILLE_NOMBRE_MAX;
    struct SuiteValeurs {
        char* p;
        void operator()(int v)
        {
            *p++ = ';';
            p = tuv::ecrireEntier(p, v);
        }
        void operator()(float v)
        {
            if (std::fabs(v) <= 16777216.0f) {
                const int entier = static_cast<int>(v);
                if (static_cast<float>(entier) == v && !(entier == 0 && std::signbit(v)))
                    return (*this)(entier);
            }
            *p++ = ';';
            p = tuv::ecrireReel(p, std::isfinite(v) ? v : 0.0f);
        }
    };
    SuiteValeurs commencerSuite(size_t nbValeurs) { return SuiteValeurs{placeLigne(nbValeurs * TAILLE_VALEUR)}; }
    void finirSuite(const SuiteValeurs& suite)
    {
        nLigne = static_cast<size_t>(suite.p - ligneEcrite.data());
        bPremiereValeur = false;
    }
    void valeurTexte(std::string_view texte);
    void finLigne();
    void ligneVide() { ecrireLigne(std::string_view()); }
    void viderTampon();
    // ";" would cut the value and a line break the record: both are replaced (and counted).
    std::string texteSur(const std::string& texte);
    static bool aCorriger(std::string_view texte);
    void ecrireEntete();
    void ecrireReglages();
    void ecrireMeteo();
    void ecrireModeles();
    void ecrirePersos();
    void ecrireIAs();
    void ecrireIA(CPerso* ia);
    void ecrirePlans();
    // The lines from here on stay in memory (some prevision bytes of them expected), until
    // finRetenue sets them aside: ecrireLignesRetenues writes them after the lines between.
    void retenirLignes(size_t prevision);
    void finRetenue();
    void ecrireLignesRetenues();
    // The definitions the planes' sprites use, noted while the planes are written: by their
    // bank, or by an id that is a definition's name (what CDecor::definitionUtilisee tells).
    void preparerDefinitions();
    void noterDefinition(const CSPRITE& sd);
    void finirDefinitions();
    void ecrireScripts(const CSPRITE* proprietaire);
    void grouperScripts();
    void ajouterScript(const CSPRITE* proprietaire, unsigned numCreation, const std::string& fichier, int declencheur,
                       bool bRelease, int nbRunMax, int nChrono);
    void rassemblerSprites(const CDecor& source);
    // Sprite records (FichierNiveauEcritureSD.cpp).
    bool ecrireGroupeSD(CSPRITE* sd, int plan);
    void ecrireReglagesSD(CSPRITE& sd, int plan);
    // What a key-point path drives: written as at its first key point.
    struct PlaceSauvee {
        int x = 0, y = 0;
        float rotation = 0;
        sf::Color couleur = sf::Color::White;
        int flipH = 1, flipV = 1;
    };
    PlaceSauvee placeSauvee(CSPRITE& sd, bool rembobiner);
    bool sauverSD(CSPRITE& sd, int plan, const PlaceSauvee& place);
    // A "SCRIPTRUN" line to write: a live level-file script or one a restart dropped.
    // Its path lies in nomsScripts.
    struct ScriptSauve {
        unsigned numCreation = 0;
        size_t debutFichier = 0, longueurFichier = 0;
        int declencheur = 0;
        bool bRelease = false;
        int nbRunMax = -1;
        int nChrono = 0;
    };
    // The line being built: the first nLigne bytes of ligneEcrite, which only ever grows.
    std::string ligneEcrite;
    size_t nLigne = 0;
    std::string ligneEntiere;  // a record whose text is made whole (shader, emitter)
    // Lines waiting for the stream: the first nTampon bytes of tamponEcriture (of
    // capaciteTampon bytes, left uninitialised). While bRetenir, they stay there, the buffer
    // growing; then the first nRetenues bytes of lignesRetenues.
    std::unique_ptr<char[]> tamponEcriture;
    size_t capaciteTampon = 0;
    size_t nTampon = 0;
    bool bRetenir = false;
    std::unique_ptr<char[]> lignesRetenues;
    size_t nRetenues = 0;
    bool bPremiereValeur = true;
    // The sprites of each plane during a save.
    std::vector<CSPRITE*> spritesPlans[5];
    // Definition name -> used; the banks the sprites use; a bit per length of those names
    // (the last bit for every length from 63 on), so that most ids need no look-up; the banks
    // met last, so that most sprites need no set look-up.
    std::unordered_map<std::string_view, bool> definitionsUtilisees;
    std::unordered_set<const CDEC*> banquesUtilisees;
    std::uint64_t longueursNoms = 0;
    const CDEC* banquesRecentes[32] = {};
    // The scripts to write, by owner (null: the level's own) then creation order, and their
    // owners alone, which the search reads.
    std::vector<std::pair<const CSPRITE*, ScriptSauve>> scriptsParSD;
    std::vector<const CSPRITE*> proprietairesScripts;
    std::string nomsScripts;  // their paths, one after the other
    // The character models that the IA commands of the world's scripts (running or dropped by
    // a restart) name: their model lines are written, or the scripts would find none.
    std::unordered_set<std::string> modelesScripts;
    CDecor* pSource = nullptr;

    CDecor* pCible = nullptr;      // the world being filled during chargerNiveau
    MondeJeu* pJeu = nullptr;      // the game's world, when there is a game
    int nbClesComptees = 0;
    int nbClesLues = 0;
    double debutEcran = 0;         // clock reading of the last loading-screen step that ran
    int typeJeuLu = 0;             // the game type of this file (what "TYPEJEU" said last)
};
