#pragma once
// The animation editor's frame ruler: one cell per frame of the edited animation, the
// keyframe markers, the selected frame, the frame under the mouse and the frame the preview
// plays. It knows nothing of sprites: the editor fills it with a frame count and markers and
// reads the chosen frame back when the ruler reports "framechanged".
//
// In aim mode the frames stand for aim angles, a fixed number of frames per degree, and the
// labels read degrees.
#include "gui/CPLUXControlImage.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

#include <memory>
#include <utility>
#include <vector>

// One keyframe marker of the ruler.
struct MarqueurTimeline {
    int frame = 0;
    // The keyframe jumps, reverses the play direction or plays a sound.
    bool bAction = false;
    // The keyframe runs a frame script.
    bool bScript = false;
};

class CControlTimeline : public CPLUXControlImage {
public:
    CControlTimeline();

    // Accessors: the setters store what they are given; the drawing and the mouse use at
    // least 1 for the cell width, the scroll step and the frames per degree.
    int getNbFrames() const { return nbFrames; }
    void setPremiereFrame(int f) { premiereFrame = f; }
    int getPremiereFrame() const { return premiereFrame; }
    void setLargeurFrame(int l) { largeurFrame = l; }
    int getLargeurFrame() const { return largeurFrame; }
    void setPasDefilement(int p) { pasDefilement = p; }
    int getPasDefilement() const { return pasDefilement; }
    void setFrameLecture(int f) { frameLecture = f; }
    int getFrameLecture() const { return frameLecture; }
    void setModeVisee(bool b) { bModeVisee = b; }
    bool isModeVisee() const { return bModeVisee; }
    void setNbFramesParDegre(int n) { nbFramesParDegre = n; }
    int getNbFramesParDegre() const { return nbFramesParDegre; }
    int getFrameSel() const { return frameSel; }
    bool isMarqueurSel() const { return numMarqueurSel != -1; }
    int getNumMarqueurSel() const { return numMarqueurSel; }
    int getFrameSurvol() const { return frameSurvol; }
    const std::vector<std::unique_ptr<MarqueurTimeline>>& getMarqueurs() const { return marqueurs; }

    // Markers at n or beyond leave; the selection follows its marker (or becomes -1).
    void setNbFrames(int n);
    // Nothing when a marker stands at that frame already.
    void ajouterMarqueur(int frame, bool bAction, bool bScript);
    void supprimerMarqueur(int frame);
    // A marker standing at the new frame leaves: one marker per frame.
    void deplacerMarqueur(int ancienneFrame, int nouvelleFrame);
    void viderMarqueurs();
    void selectionnerFrame(int frame);
    int getFrameMarqueurSel() const;
    // Scrolls one step forward (sens >= 1) or back.
    void defiler(int sens);
    // The frame of the cell under a window x; the dialog's left edge is dialogLeft.
    int frameSous(int xFenetre, int dialogLeft) const;
    // The labels that start inside the ruler, left to right: (pixel offset, number shown).
    // In aim mode the number is the degree of the frame at the label.
    std::vector<std::pair<long long, long long>> etiquettes() const;

    bool onMouseWheel(int delta, CPLUXDialog* d) override;
    void draw(sf::RenderWindow* w, int dialogLeft, int dialogTop, CPLUXDialog* d) override;
    bool onMouseOn(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override;
    bool onMouseClickLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override;
    bool onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override;
    bool onMouseClickRight(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override;
    bool onMousePressRight(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override;
    void onFocusOut() override;

private:
    // The values the arithmetic uses (at least 1).
    long long largeur() const;
    long long pas() const;
    long long parDegre() const;
    // Pixel offset of frame f's cell from the ruler's left edge.
    long long xFrame(int f) const;
    bool celluleVisible(long long x) const;
    int indexMarqueur(int frame) const;
    // A release over frame: selects it and reports it unless nothing changes.
    void choisirFrame(int frame);

    void dessinerBlocs(sf::RenderWindow& w, sf::Vector2f coin);
    void dessinerPoints(sf::RenderWindow& w, sf::Vector2f coin, bool avecScripts);
    void dessinerGraduations(sf::RenderWindow& w, sf::Vector2f coin, long long pasLong, float hautLong,
                             float hautCourt);
    void dessinerLecture(sf::RenderWindow& w, sf::Vector2f coin);
    void dessinerEtiquettes(sf::RenderWindow& w, sf::Vector2f coin);
    void dessinerVisee(sf::RenderWindow& w, sf::Vector2f coin);

public:
    sf::Font police;
    sf::Text texte;
    int nbFrames = 250;
    int largeurFrame = 8;
    int premiereFrame = 0;
    int pasDefilement = 5;
    int numMarqueurSel = -1;
    int frameSel = -1;
    int frameLecture = -1;
    bool bModeVisee = false;
    int nbFramesParDegre = 1;
    int frameSurvol = -1;
    std::vector<std::unique_ptr<MarqueurTimeline>> marqueurs;

private:
    bool bPolice = false;
};
