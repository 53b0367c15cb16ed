// Creation of the animation editor: the controls of its model bound and filled, the timeline
// laid over its placeholder, an empty sprite and no selection.
#include "animeditor/ControlTimeline.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/ShaderManager.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlColor.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTab.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/OutilsControles.h"

using editeur::afficher;
using editeur::cocher;
using editeur::colorer;

namespace {
void couleurOnglet(const CPLUXDialog& d, const char* id, sf::Color c)
{
    CPLUXControl* e = d.getControl(id);
    if (e && e->getGenre() == CPLUXControl::GENRE_ENTETE_ONGLET)
        static_cast<CPLUXControlTabHeader*>(e)->setColor(c);
}
} // namespace

void CJeuDialogAnimationsSprites::onCreate()
{
    CPLUXDialog::onCreate();
    preparerTextes();
    // The sprite reports the end of its playback to this dialog (see CSFMLJeu::notifierDialogue).
    pSprite->pDialogue = static_cast<void*>(static_cast<CPLUXDialog*>(this));
    viderSprite();
    lierVues();
    placerTimeline();
    remplirOptionsVue();
    remplirOptionsAffichage();
    if (CPLUXControlComboBox* c = ctrlComboBox(IdAnm::myComboBoxAnimationMereFilles))
        c->reset();
    if (CPLUXControlComboBox* c = ctrlComboBox(IdAnm::myComboBoxAnimationLienAE))
        c->reset();
    majComboAnmBase(true);
    setPanneauAELectureSeule(false);
    remplirOngletsEtCombos();
}

void CJeuDialogAnimationsSprites::viderSprite()
{
    pSprite->viderElements();
    majListeElements();
    elementSel = -1;
    pSprite->viderAnimations();
    majListeAnimations();
    numAnimationSel = -1;
    majListeAnimElems();
    numAnimElemSel = -1;
}

// The sheet view with its selection zone, the animation view and the sheet's own inputs.
void CJeuDialogAnimationsSprites::lierVues()
{
    pZonePlanche = ctrlZone(IdAnm::myZone);
    if (pZonePlanche) {
        pZonePlanche->setLineThickness(1);
        pZonePlanche->setVisible(true);
        pZonePlanche->setResizable(true);
    }
    pImagePlanche = ctrlImage(IdAnm::myImagePlancheSprites);
    if (pImagePlanche) {
        pImagePlanche->removeImage();
        pImagePlanche->setGrid(true);
        // The sheet shows at its own size, times its zoom: the zone maps onto sheet pixels.
        pImagePlanche->setDimensionImage(true);
        if (pZonePlanche) {
            const sf::FloatRect z = pZonePlanche->getRect();
            rectZonePlanche = ecranVersImage(IdAnm::myImagePlancheSprites, z.left, z.top, z.width, z.height);
        }
    }
    pImageAnimation = ctrlImage(IdAnm::myImageAnimation);
    if (pImageAnimation) {
        pImageAnimation->removeImage();
        pImageAnimation->setZoomMove(true);
        pImageAnimation->setColorCadre(pSprite->couleurFond);
        colorerFondVue();
    }
    colorer(*this, IdAnm::myColorFond, pSprite->couleurFond);
    colorer(*this, IdAnm::myColorGlobale, pSprite->couleurGlobale);
    pTab = ctrlTab(IdAnm::myTab);
    if (pImagePlanche) {
        afficher(*this, IdAnm::myTextInputZoomImagePlanche, CPLUX::ftos(pImagePlanche->getScale()));
        cocher(*this, IdAnm::myButtonCheckGrillePlanche, pImagePlanche->isGrid());
    }
    cocher(*this, IdAnm::myButtonCheckNomsVisibles, bNomsVisibles);
    if (pImagePlanche)
        afficher(*this, IdAnm::myTextInputTailleCaseGrillePlanche, pImagePlanche->getGridCellSize());
    cocher(*this, IdAnm::myButtonCheckReculTir, pSprite->bReculArme);
    afficher(*this, IdAnm::myTextInputElementEspace, espacementElements);
    afficher(*this, IdAnm::myTextInputElementNombre, nombreElements);
}

// The timeline takes the place, size, page and anchors of its placeholder "myImageTimeLine".
void CJeuDialogAnimationsSprites::placerTimeline()
{
    auto* existante = dynamic_cast<CControlTimeline*>(getControl(IdAnm::maTimelineSpriteAnimation));
    if (existante) {
        pTimeline = existante;
    } else {
        auto* t = new CControlTimeline;
        addControlUser(t, IdAnm::maTimelineSpriteAnimation);
        // Refused (the id is taken by another kind of control): the dialog does without it.
        if (getControl(IdAnm::maTimelineSpriteAnimation) != t) {
            delete t;
            pTimeline = nullptr;
            return;
        }
        pTimeline = t;
    }
    if (const CPLUXControl* p = getControl(IdAnm::myImageTimeLine)) {
        pTimeline->setPosition(p->getLeft(), p->getTop());
        if (pTab)
            pTimeline->setTab(pTab, ONGLET_ANIMATION);
        pTimeline->setVisibleDimension(p->getWidth(), p->getHeight());
        pTimeline->setAnchors(p->getAnchor(0), p->getAnchor(1), p->getAnchor(2), p->getAnchor(3));
        pTimeline->setMovable(p->isMovable());
        pTimeline->setResizable(p->isResizable());
    }
    pTimeline->setColorCadre(sf::Color(100, 50, 50, 150));
    pTimeline->setCadre(true);
    pTimeline->setVisible(true);
    pTimeline->setLargeurFrame(5);
    pTimeline->setNbFrames(0);
}

// Frame inputs, view centre, playback and the animation view's grids.
void CJeuDialogAnimationsSprites::remplirOptionsVue()
{
    afficher(*this, IdAnm::myTextInputAnimFrameCour, CPLUX::itos(pSprite->getFrameCourante()));
    afficher(*this, IdAnm::myTextInputAnimFrameNb, pSprite->getNbFrames(numAnimationSel));
    if (pImageAnimation) {
        centreVueX = static_cast<int>(pImageAnimation->getWidth() / 2);
        centreVueY = static_cast<int>(pImageAnimation->getHeight() / 2);
    }
    cocher(*this, IdAnm::myButtonCheckLectureAnimBoucle, false);
    pSprite->bBoucle = false;
    afficher(*this, IdAnm::myTextInputZoomAnimation, zoom);
    afficher(*this, IdAnm::myTextInputVitesseAnimCour, "1");
    bQuadrillage = true;
    bGrilleAnimation = true;
    cocher(*this, IdAnm::myButtonCheckGrilleAnimation, true);
    cocher(*this, IdAnm::myButtonCheckOptionQuadrillage, bQuadrillage);
    tailleQuadrillage = 50;
    afficher(*this, IdAnm::myTextInputOptionTailleQuadrillage, tailleQuadrillage);
    cocher(*this, IdAnm::myButtonCheckTimelineVisee, pSprite->isVisee(numAnimationSel));
    afficher(*this, IdAnm::myTextInputNbFramesVisee, pSprite->getNbFrames(numAnimationSel));
}

// The display checks of the animation view and the sprite's own flags.
void CJeuDialogAnimationsSprites::remplirOptionsAffichage()
{
    cocher(*this, IdAnm::myButtonCheckLockAnimElemSel, bLockAnimElemSel);
    cocher(*this, IdAnm::myButtonCheckCadreTousElements, bCadreTousElements);
    cocher(*this, IdAnm::myButtonCheckCadreSurSelection, bCadreSurSelection);
    cocher(*this, IdAnm::myButtonCheckSuiviSourisVisee, bSuiviSourisVisee);
    cocher(*this, IdAnm::myButtonCheckAfficheCheminAnimation, bAfficheCheminAnimation);
    afficher(*this, IdAnm::myTextInputPrecisionCheminAnimation, precisionCheminAnimation);
    cocher(*this, IdAnm::myButtonCheckTousShadersActifs, pSprite->bShadersTous);
    cocher(*this, IdAnm::myButtonCheckAfficherMere, pSprite->bDessinerMere);
    afficher(*this, IdAnm::myTextInputMoveAnimDx, 0);
    afficher(*this, IdAnm::myTextInputMoveAnimDy, 0);
    cocher(*this, IdAnm::myButtonCheckAfficheRectGlobal, bAfficheRectGlobal);
    cocher(*this, IdAnm::myButtonCheckAfficheRectHitbox, bAfficheRectHitbox);
    // Checked: the hierarchy is not drawn.
    cocher(*this, IdAnm::myButtonCheckDrawHierarchie, !bDrawHierarchie);
    cocher(*this, IdAnm::myButtonCheckAEStyle, styleAE == 0);
    cocher(*this, IdAnm::myButtonCheckModeSizeMoveRot, true);
    cocher(*this, IdAnm::myButtonCheckModeMaillage, false);
    bModeMaillage = false;
    cocher(*this, IdAnm::myButtonCheckScriptsActifs, pSprite->bScriptsFrames);
    afficher(*this, IdAnm::myTextInputScriptTir, pSprite->scriptTir);
}

// Page colours, shader and weapon lists, the state lists and the preview image.
void CJeuDialogAnimationsSprites::remplirOngletsEtCombos()
{
    couleurOnglet(*this, IdAnm::ZmyTab, sf::Color(100, 200, 100, 30));
    couleurOnglet(*this, IdAnm::ZmyTab1, sf::Color(200, 100, 100, 30));
    couleurOnglet(*this, IdAnm::ZmyTab2, sf::Color(100, 100, 200, 30));

    remplirCombosShaders();
    remplirCombosArmes();
    if (CPLUXControlList* l = ctrlList(IdAnm::myListEtats))
        l->reset();
    if (CPLUXControlComboBox* c = ctrlComboBox(IdAnm::myComboBoxEtatJeu)) {
        c->reset();
        c->AddElement("(vide)");
    }
    pImageEtats = ctrlImage(IdAnm::myImageEtats);
    if (pImageEtats) {
        pImageEtats->removeImage();
        pImageEtats->setZoomMove(true);
    }
}

// The shader files of "./shaders", listed by the game's shader manager (by the editor's own
// while the game has none).
void CJeuDialogAnimationsSprites::remplirCombosShaders()
{
    CShaderManager* shaders = gestionnaireShaders();
    shaders->remplirComboShaders("./shaders", ctrlComboBox(IdAnm::myComboBoxShadersFrag), "frag");
    shaders->remplirComboShaders("./shaders", ctrlComboBox(IdAnm::myComboBoxShadersVert), "vert");
}

CShaderManager* CJeuDialogAnimationsSprites::gestionnaireShaders()
{
    if (AffichageJeu* jeu = faceJeu::affichage(); jeu && jeu->pShaderManager)
        return jeu->pShaderManager;
    if (!shadersPropres_)
        shadersPropres_ = std::make_unique<CShaderManager>();
    return shadersPropres_.get();
}

void CJeuDialogAnimationsSprites::remplirCombosArmes()
{
    const MondeJeu* jeu = faceJeu::monde();
    const CArmes* armes = jeu ? jeu->parmes : nullptr;
    for (const char* id : {IdAnm::myComboBoxArmes, IdAnm::myComboBoxEtatsListeArmes}) {
        CPLUXControlComboBox* c = ctrlComboBox(id);
        if (!c)
            continue;
        c->reset();
        c->AddElement("(sans arme)");
        if (armes)
            for (const CArme* a : armes->armes)
                if (a)
                    c->AddElement(CPLUX::utf8toWStr(a->nom));
        c->setNumSel(0);
    }
}
