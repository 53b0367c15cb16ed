#pragma once
// A whip or rope as a chain of nodes that follows a handle (node 0). Each step pulls every
// node toward its neighbours up to `rigidite` places along the chain, adds a gravity weighted
// by its mass and keeps a damped velocity. The handle can follow a path of key points: small
// numbered markers that the whip editor places on its picture, each with a pause counted in
// animation frames. The model runs without a window; it reads the markers only to follow
// them, and draws itself into any render target.
#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Vector2.hpp>

#include <string>
#include <vector>

class CPLUXControl;
class CPLUXControlText;
class CPLUXDialog;
class CTUVFile;
namespace sf { class RenderTarget; }

struct NoeudFouet {
    float x = 0.f;
    float y = 0.f;
    float masse = 0.f;
    float vx = 0.f;
    float vy = 0.f;
};

// Vector from a node to one neighbour, its length and that length minus the rest length.
// The null link (0, 0, 1, 0) adds no force.
struct LienFouet {
    float dx = 0.f;
    float dy = 0.f;
    float norme = 1.f;
    float ecart = 0.f;
};

// The marker belongs to the dialog that shows it; the record only points at it.
struct KPFouet {
    CPLUXControlText* marqueur = nullptr;
    int pause = 1;
};

class CFouet {
public:
    // Mass modes (the numbers are those of the file).
    static constexpr int MASSE_CONSTANTE = 0;
    static constexpr int MASSE_CROISSANTE = 1;
    static constexpr int MASSE_DECROISSANTE = 2;
    // Bounds of what a file or a typed value may ask for.
    static constexpr int NB_NOEUDS_MAX = 2000;
    static constexpr int RIGIDITE_MAX = 64;
    static constexpr int NB_KP_MAX_FICHIER = 256;
    // Side of a key-point marker, in pixels.
    static constexpr int TAILLE_MARQUEUR = 14;

    CFouet() = default;
    CFouet(const CFouet&) = delete;
    CFouet& operator=(const CFouet&) = delete;

    // Builds nbNoeuds nodes from (x, y) along x, `longueur` apart, velocity (1, 1).
    void creer(int nbNoeuds, float x, float y, float masse, int modeMasse, float facteurMasse);
    // Drops every node and link record; key points stay.
    void vider();
    // One step: following the key points (suivre), their pauses (compterPause), relaxation,
    // then the exchange of the two node buffers.
    void simuler(bool suivre, bool compterPause);
    void dessiner(sf::RenderTarget& cible) const;

    // Adds a marker to `dialog`, centred on (x, y) from the container's corner; a negative
    // edge puts it at the container's middle. False when the marker could not be added.
    bool ajouterKP(CPLUXDialog* dialog, CPLUXControl* conteneur, float x, float y, int pause,
                   const std::string& prefixe);
    void supprimerDernierKP();
    void supprimerKP();
    void montrerKP();
    void cacherKP();
    // On-screen centre of a key point's marker.
    static sf::Vector2f centreKP(const KPFouet& kp);

    // "FOUET_" key file (FichierFouet.cpp). sauver keeps the old file as fichier + ".save"
    // and returns whether the new file was written whole; charger returns false, leaving the
    // model as it was, when the file cannot be read, and names in valeursCorrigees the values
    // it read otherwise than written.
    bool sauver(const std::string& fichier, const CPLUXControl* conteneur) const;
    bool charger(const std::string& fichier, CPLUXDialog* dialog, CPLUXControl* conteneur,
                 const std::string& prefixe);

    std::string strFichier;
    std::vector<NoeudFouet> noeuds;
    std::vector<NoeudFouet> noeudsSuivants;
    int nbNoeuds = 0;
    float longueur = 0.5f;
    float gravite = 0.001f;
    float friction = 0.98f;
    float ral = 0.5f;
    bool bBoutTire = true;
    bool bNoeudsVisibles = true;
    sf::Color couleurNoeud{64, 64, 64, 255};
    bool bCorpsVisible = true;
    sf::Color couleur{255, 0, 0, 255};
    int epaisseur = 1;
    bool bTraineVisible = true;
    sf::Color couleurTraine{128, 0, 0, 32};
    int epaisseurTraine = 1;
    bool bKPVisibles = true;
    sf::Color couleurCadreKP{255, 255, 255, 32};
    sf::Color couleurCadreKPCourant{255, 0, 0, 64};
    int rigidite = 2;
    std::vector<LienFouet> liens;
    std::vector<KPFouet> keyPoints;
    int numKPActif = 1;
    int numKPPrec = 0;
    float masse = 1.0f;
    int modeMasse = MASSE_CONSTANTE;
    float facteurMasse = 1.0f;
    int compteurPause = 0;
    // "FOUET_KP" lines the last charger skipped past NB_KP_MAX_FICHIER.
    int nbKPIgnores = 0;
    // The values the last charger did not take as written: each line quoted, why, and the
    // value read instead.
    std::vector<std::string> valeursCorrigees;

private:
    float masseNoeud(int i) const;
    void ajusterLiens();
    void corrigerIndicesKP();
    void suivreKP();
    void avancerPause();
    void relaxer();
    void lireCle(CTUVFile& f, const std::string& cle, CPLUXDialog* dialog, CPLUXControl* conteneur,
                 const std::string& prefixe, int& nbLus);
    void corriger(const CTUVFile& f, const std::string& raisons, const std::string& lu);
    void reprendreValeursNeuves();

    // Stiffness the link records were sized for.
    int rigiditeLiens = 0;
};
