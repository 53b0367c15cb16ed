// Reading and writing ".anm" files. The file is order-sensitive: an ELEMENT, ANIMATION,
// ANIMELEM, AE_EVENT or KEYFRAME line opens a record that the following lines complete.
// Optional lines are written only when their values differ from a new record's, so that
// save -> load -> save gives the same bytes.
#include "anim/Sprite3.h"
#include "anim/ValeursAnm.h"

#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Media.h"
#include "core/Services.h"
#include "core/ShaderManager.h"
#include "core/TableVues.h"
#include "core/Texte.h"
#include "core/TuvFile.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

using anm::Valeurs;

namespace {

const char* const TITRE_ANM = "ATTENTION !";
const char* const CLE_TEXTURE_EDITEUR = "ID_PROVISOIRE_EDITEUR_ANIMATION_SPRITE";

// Keys in the order of the records they belong to: the reader dispatches on these ranges.
enum class Cle {
    Id, Texture, ScriptTir, GrilleVisible, GrilleCase, ReculArme, CouleurFond, CouleurGlobale, Etat,
    Element, ElImg, AnmRef, AnmDirLien, ElLienAnim, ElTailles, ElTexCoords, ElSel, ElSelDernier,
    Animation, NbFrames, Vitesse, Interpolation, Visee, NbFramesVisee, CerclePos, CercleRayon, CercleRayonArmes,
    Fille, Soubressaut, Goto, EtatAnimation, RectGlobal, RectHitbox, OrigineGlobale, Ombre,
    AnimElem, Enfants, Shader, Particule, Evenement, AeScp,
    Keyframe, KfDelta, KfGoto, KfSens, KfSensChange, KfCouleur, KfSon, KfScript, KfScp,
    KeyAnimElem, KaeLienAnim, KaeCouleur, KaeMaillage,
};

using TableCles = TableVues<Cle>;

const TableCles& tableCles()
{
    static const TableCles table = {
        {"ID", Cle::Id}, {"TEXTURE", Cle::Texture}, {"SCRIPTTIR", Cle::ScriptTir},
        {"GRILLEVISIBLE", Cle::GrilleVisible}, {"GRILLECASE", Cle::GrilleCase}, {"RECULARME", Cle::ReculArme},
        {"COULEURFOND", Cle::CouleurFond}, {"COULEURGLOBALE", Cle::CouleurGlobale}, {"ETAT", Cle::Etat},
        {"ELEMENT", Cle::Element}, {"ELIMG", Cle::ElImg}, {"ANMREF", Cle::AnmRef},
        {"ANMDIRLIEN", Cle::AnmDirLien}, {"ELLIENANIM", Cle::ElLienAnim}, {"ELTAILLES", Cle::ElTailles},
        {"ELTEXCOORDS", Cle::ElTexCoords}, {"ELSEL", Cle::ElSel}, {"ELSELDERNIER", Cle::ElSelDernier},
        {"ANIMATION", Cle::Animation}, {"NBFRAMESANIMATION", Cle::NbFrames}, {"VITESSEANIM", Cle::Vitesse},
        {"INTERPOLATIONANIMATION", Cle::Interpolation}, {"VISEE", Cle::Visee},
        {"NBFRAMESVISEE", Cle::NbFramesVisee}, {"CERCLEVISEEPOS", Cle::CerclePos},
        {"CERCLEVISEERAYON", Cle::CercleRayon}, {"CERCLEVISEERAYON_ARMES", Cle::CercleRayonArmes},
        {"ANIMATION_FILLE", Cle::Fille}, {"SOUBRESSAUT", Cle::Soubressaut}, {"ANIMATION_GOTO", Cle::Goto},
        {"ETATANIMATION", Cle::EtatAnimation}, {"RECT_GLOBAL", Cle::RectGlobal},
        {"RECT_HITBOX", Cle::RectHitbox}, {"ORIGIN_GLOBAL", Cle::OrigineGlobale}, {"OMBRE", Cle::Ombre},
        {"ANIMELEM", Cle::AnimElem}, {"ANIMELEM_ENFANTS", Cle::Enfants}, {"ANIMELEM_SHADER", Cle::Shader},
        {"ANIMELEM_PARTICULE", Cle::Particule}, {"AE_EVENT", Cle::Evenement}, {"AE_SCP", Cle::AeScp},
        {"KEYFRAME", Cle::Keyframe}, {"KF_DELTA", Cle::KfDelta}, {"KF_GOTO", Cle::KfGoto},
        {"KF_SENS", Cle::KfSens}, {"KF_SENSCHANGE", Cle::KfSensChange}, {"KF_COLOR", Cle::KfCouleur},
        {"KF_SON", Cle::KfSon}, {"KF_SCRIPT", Cle::KfScript}, {"KF_SCP", Cle::KfScp},
        {"KEYANIMELEM", Cle::KeyAnimElem}, {"KEYANIMELEM_LIENANIM", Cle::KaeLienAnim},
        {"KEYANIMELEM_COLOR", Cle::KaeCouleur}, {"KEYANIMELEM_MAILLAGE", Cle::KaeMaillage},
    };
    return table;
}

// Builds one line at a time and hands it to the file (no flush per line).
class Ecrivain {
public:
    explicit Ecrivain(CTUVFile& f) : fichier(f) {}
    Ecrivain& cle(const char* c)
    {
        s = c;
        s += '=';
        premier = true;
        return *this;
    }
    Ecrivain& t(const std::string& v)
    {
        if (!premier)
            s += ';';
        premier = false;
        s += v;
        return *this;
    }
    Ecrivain& i(int v) { return t(tuv::itos(v)); }
    Ecrivain& f(float v) { return t(tuv::ftos(v)); }
    Ecrivain& c(sf::Color col) { return i(col.r).i(col.g).i(col.b).i(col.a); }
    Ecrivain& v2(sf::Vector2f p) { return f(p.x).f(p.y); }
    Ecrivain& r(const sf::FloatRect& rc) { return f(rc.left).f(rc.top).f(rc.width).f(rc.height); }
    void fin()
    {
        s += '\n';
        fichier.write(s);
    }
    void brut(const std::string& texte) { fichier.write(texte); }
    CTUVFile& getFichier() { return fichier; }

private:
    CTUVFile& fichier;
    std::string s;
    bool premier = true;
};

// A uniform of another type cannot be given to a shader, and its values could not be
// written back in the same layout: it is dropped.
CSPRITE::Uniforms uniformsConnus(const CSPRITE::Uniforms& m)
{
    CSPRITE::Uniforms r;
    for (const auto& [nom, u] : m)
        if (!nom.empty() && (u.strType == "float" || u.strType == "int" || u.strType == "vec2" ||
                             u.strType == "vec3" || u.strType == "vec4"))
            r.emplace(nom, u);
    return r;
}

std::string texteShader(const CSPRITE3_ANIMELEM& ae)
{
    DonneesSprite d;
    d.strShaderFrag = CSPRITE3::nomFichier(ae.strShaderFrag);
    d.strShaderVert = CSPRITE3::nomFichier(ae.strShaderVert);
    d.uniformsFrag = ae.uniformsFrag;
    d.uniformsVert = ae.uniformsVert;
    return texteShaderSD(d);
}

void ecrireElement(Ecrivain& w, const CSPRITE3_ELEMENT& e)
{
    w.cle("ELEMENT").t(CSPRITE3::nomFichier(e.nom)).r(e.rect).v2(e.origine).i(e.nbColonnes).i(e.nbLignes).i(e.arme)
        .i(e.elementLie).i(e.bCouleurGlobale).fin();
    if (!e.strImage.empty())
        w.cle("ELIMG").t(CSPRITE3::nomFichier(e.strImage)).fin();
    if (!e.strAnmRef.empty())
        w.cle("ANMREF").t(CSPRITE3::nomFichier(e.strAnmRef)).fin();
    if (e.bAnmDirLien)
        w.cle("ANMDIRLIEN").i(1).fin();
    if (e.lienAnim[0] != -1 || e.lienAnim[1] != -1 || e.lienAnim[2] != -1)
        w.cle("ELLIENANIM").i(e.lienAnim[0]).i(e.lienAnim[1]).i(e.lienAnim[2]).fin();
    if (e.bTailles)
        w.cle("ELTAILLES").i(1).fin();
    if (e.bTexCoordsModifiees) {
        w.cle("ELTEXCOORDS");
        for (size_t k = 0; k < e.vertices.getVertexCount(); ++k)
            w.v2(e.vertices[k].texCoords);
        w.fin();
    }
    for (int slot = 0; slot < 3; ++slot) {
        if (e.selections[slot].empty())
            continue;
        w.cle("ELSEL").i(slot + 1).i(static_cast<int>(e.selections[slot].size()));
        for (int p : e.selections[slot])
            w.i(p);
        w.fin();
    }
    if (e.derniereSelection != 0)
        w.cle("ELSELDERNIER").i(e.derniereSelection).fin();
}

void ecrireAnimElem(Ecrivain& w, const CSPRITE3_ANIMELEM& ae)
{
    w.cle("ANIMELEM").i(ae.element).t(CSPRITE3::nomFichier(ae.nom)).i(ae.verrou).i(ae.option).fin();
    if (!ae.enfants.empty()) {
        w.cle("ANIMELEM_ENFANTS").i(static_cast<int>(ae.enfants.size()));
        for (int enfant : ae.enfants)
            w.i(enfant);
        w.fin();
    }
    if (!ae.bShaderActif || !ae.strShaderFrag.empty() || !ae.strShaderVert.empty())
        w.cle("ANIMELEM_SHADER").i(ae.bShaderActif).t(texteShader(ae)).fin();
    if (ae.pParticules)
        w.cle("ANIMELEM_PARTICULE").i(ae.bEmetteurActif).t(ae.pParticules->texte49()).fin();
}

bool estNul(const std::vector<sf::Vector2f>& m)
{
    return std::all_of(m.begin(), m.end(), [](sf::Vector2f p) { return p.x == 0 && p.y == 0; });
}

void ecrireKeyframe(Ecrivain& w, const CSPRITE3_KEYFRAME& kf, const CSPRITE3_ANIMATION& anim)
{
    w.cle("KEYFRAME").i(kf.frame).i(kf.bFille).fin();
    w.cle("KF_DELTA").v2(kf.delta).i(anim.bDeltaActif).fin();
    w.cle("KF_GOTO").i(kf.gotoCible).i(kf.gotoMax).fin();
    w.cle("KF_SENS").i(kf.sensLecture).fin();
    w.cle("KF_SENSCHANGE").i(kf.sensChange).fin();
    w.cle("KF_COLOR").c(kf.couleur).fin();
    if (!kf.son.empty() || kf.bSonSiStop)
        w.cle("KF_SON").t(CSPRITE3::nomFichier(kf.son)).i(kf.bSonSiStop).fin();
    if (!kf.script.empty() || kf.nbExecutions != 0)
        w.cle("KF_SCRIPT").t(CSPRITE3::nomFichier(kf.script)).i(kf.nbExecutions).fin();
    kf.scp.ecrire(w.getFichier(), "KF_SCP");
    for (const auto& cle : kf.cles) {
        w.cle("KEYANIMELEM").i(cle.element).i(cle.visible).i(cle.avantPlan).v2(cle.position).v2(cle.origine)
            .v2(cle.echelle).f(cle.rotation).fin();
        if (cle.lienAnim != -1)
            w.cle("KEYANIMELEM_LIENANIM").i(cle.lienAnim).fin();
        if (cle.couleur != sf::Color::White)
            w.cle("KEYANIMELEM_COLOR").c(cle.couleur).fin();
        if (!estNul(cle.maillage)) {
            w.cle("KEYANIMELEM_MAILLAGE").i(static_cast<int>(cle.maillage.size()));
            for (const auto& p : cle.maillage)
                w.v2(p);
            w.fin();
        }
    }
}

} // namespace

// ==================================================================== writing

// A name is one value of one line.
std::string CSPRITE3::nomFichier(std::string nom)
{
    std::replace(nom.begin(), nom.end(), ';', ',');
    std::replace(nom.begin(), nom.end(), '\n', ' ');
    std::replace(nom.begin(), nom.end(), '\r', ' ');
    return nom;
}

void CSPRITE3::ecrireAnm(CTUVFile& fichier) const
{
    Ecrivain w(fichier);
    const std::string diese65(65, '#');
    w.brut(diese65 + "\n#\tFichier d'animation du moteur de jeu Tuv2D v0.1 \n" + diese65 + "\n\n\n" +
         std::string(45, '#') + "\n");
    w.cle("ID").t(nomFichier(ID)).fin();
    w.cle("TEXTURE").t(nomFichier(strTexture)).fin();
    w.cle("SCRIPTTIR").t(nomFichier(scriptTir)).fin();
    w.cle("GRILLEVISIBLE").i(bGrilleVisible).fin();
    w.cle("GRILLECASE").i(grilleCase).fin();
    w.cle("RECULARME").i(bReculArme).fin();
    w.cle("COULEURFOND").c(couleurFond).fin();
    w.cle("COULEURGLOBALE").c(couleurGlobale).fin();
    for (const auto& [nomEtat, n] : etats)
        w.cle("ETAT").t(nomFichier(nomEtat)).i(n).fin();
    for (const auto& e : elements)
        ecrireElement(w, *e);
    for (const auto& anim : animations) {
        const CSPRITE3_ANIMATION& a = *anim;
        w.cle("ANIMATION").t(nomFichier(a.nom)).fin();
        w.cle("NBFRAMESANIMATION").i(a.nbFrames).fin();
        w.cle("VITESSEANIM").i(a.vitesse).fin();
        w.cle("INTERPOLATIONANIMATION").i(a.bInterpolation).fin();
        w.cle("VISEE").i(a.bVisee).fin();
        w.cle("NBFRAMESVISEE").i(a.nbFramesVisee).fin();
        w.cle("CERCLEVISEEPOS").v2(a.cercleViseePos).fin();
        w.cle("CERCLEVISEERAYON").i(a.cercleViseeRayon).fin();
        for (const auto& [arme, rayon] : a.cercleViseeRayonArmes)
            w.cle("CERCLEVISEERAYON_ARMES").i(arme).i(rayon).fin();
        w.cle("ANIMATION_FILLE").i(a.fille).i(a.modeFille).i(a.bFilleSuitMere).fin();
        w.cle("SOUBRESSAUT").i(a.bSoubressaut).f(a.vitesseSoubressaut).f(a.maxSoubressaut).i(a.borneInf)
            .i(a.borneSup).fin();
        w.cle("ANIMATION_GOTO").i(a.nbLecturesGoto).i(a.animGoto).fin();
        if (!a.etatJeu.empty())
            w.cle("ETATANIMATION").t(nomFichier(a.etatJeu)).fin();
        w.cle("RECT_GLOBAL").r(a.rectGlobal).fin();
        w.cle("RECT_HITBOX").r(a.rectHitbox).fin();
        w.cle("ORIGIN_GLOBAL").v2(a.origineGlobale).fin();
        w.cle("OMBRE").i(a.bOmbre).i(a.ombreRotation).v2(a.ombreDecalage).v2(a.ombreEcrasement).fin();
        for (const auto& ae : a.animElems) {
            ecrireAnimElem(w, *ae);
            for (const auto& [evenement, script] : ae->evenements) {
                w.cle("AE_EVENT").t(nomFichier(evenement)).fin();
                script.ecrire(fichier, "AE_SCP");
            }
        }
        for (const auto& kf : a.keyframes)
            ecrireKeyframe(w, *kf, a);
    }
}

bool CSPRITE3::sauver(const std::string& fichier)
{
    if (!tuv::copierSauvegarde(fichier))
        return false;
    CTUVFile f;
    if (!f.open(fichier, true))
        return false;
    ecrireAnm(f);
    if (!f.close())
        return false;
    strFichier = fichier;
    return true;
}

// ==================================================================== reading

std::shared_ptr<CSPRITE3> lireSprite3DEC(const std::string& fichier)
{
    auto sprite = std::make_shared<CSPRITE3>();
    if (!sprite->charger(nullptr, CSFMLJeuGlobal::prenderTexture, fichier, false))
        return nullptr;
    return sprite;
}

bool CSPRITE3::charger(void* proprio, sf::RenderTarget* cible, const std::string& fichier, bool editeur)
{
    CTUVFile f;
    if (!f.open(fichier, false)) {
        g_services.messageBox(TITRE_ANM, "ERREUR : impossible d'ouvrir le fichier " + fichier, "");
        return false;
    }
    strFichier = fichier;
    viderElements();
    viderAnimations();
    etats.clear();
    notes.commencer(fichier);
    f.verifierDans(&notes);
    lireAnm(f, proprio, cible);
    notes.direUneFois("ANM : ");

    for (int a = 0; a < getNbAnimations(); ++a) {
        CSPRITE3_ANIMATION& anim = *animations[static_cast<size_t>(a)];
        for (auto& ae : anim.animElems)
            if (!getElement(ae->element))
                ae->element = -1;
        normaliser(anim);
        recalculerPentes(a);
    }
    chargerTexture(editeur ? CLE_TEXTURE_EDITEUR : ID, strTexture);
    for (int i = 0; i < getNbElements(); ++i) {
        CSPRITE3_ELEMENT& e = *elements[static_cast<size_t>(i)];
        if (!e.strAnmRef.empty()) {
            e.pSpriteLie = g_services.animGlobale(e.strAnmRef);
            if (!e.pSpriteLie)
                g_services.messageBox("Ouverture ANM Global lié à un élément",
                                      "ERREUR : impossible d'ouvrir le fichier " + e.strAnmRef +
                                          " (vérifiez anmglobaux.ini)",
                                      "");
        }
        if (!e.strImage.empty()) {
            e.pTexture = std::make_unique<sf::Texture>();
            if (!tuv::chargerMedia(*e.pTexture, e.strImage)) {
                e.pTexture.reset();
                g_services.messageBox("Ouverture Image externe liée à un élément",
                                      "ERREUR : impossible d'ouvrir le fichier " + e.strImage +
                                          " de l'élément n°" + tuv::itos(i),
                                      "IDMBIMGLIEN");
            }
        }
    }
    bScriptsKeyframesEnJeu = !editeur;
    if (bScriptsKeyframesEnJeu)
        creerScriptsKeyframes();
    bAnime = true;
    return true;
}

// One ".anm" being read into a sprite: the records the following lines complete, and
// one function per kind of record.
class LecteurAnm {
public:
    LecteurAnm(CSPRITE3& sprite, CTUVFile& fichier) : s(sprite), f(fichier) { v.suivre(&s.notes, &f); }
    void lire();

private:
    // The current line belongs to a record the file did not open (or that was left out): it
    // is dropped, said with why (nothing: silently).
    void horsRecord(const std::string& pourquoi)
    {
        v.ignorer();
        f.ligneIgnoree(pourquoi);
    }
    void finirAnimElems();
    bool lireLigneEntiere(Cle c);
    void lireSprite(Cle c);
    void lireGrilleCase();
    void finirEtats();
    void lireElement(Cle c);
    void nouvelleAnimation();
    void lireAnimation(Cle c);
    void nouvelAnimElem();
    void lireAnimElem(Cle c);
    void nouvelleKeyframe();
    long coutKeyframe();
    void lireKeyframe(Cle c);
    void nouvelleCle();
    void lireCle(Cle c);

    CSPRITE3& s;
    CTUVFile& f;
    Valeurs v;
    CSPRITE3_ELEMENT* el = nullptr;
    CSPRITE3_ANIMATION* anim = nullptr;
    CSPRITE3_ANIMELEM* ae = nullptr;
    CScriptAnm* evenement = nullptr;
    CSPRITE3_KEYFRAME* kf = nullptr;
    CSPRITE3_KEYANIMELEM* cle = nullptr;
    // A few lines of a hand-made file can ask for keys by the million (AEs x keyframes x
    // mesh vertices): past this many, further AEs and keyframes are left out. A large
    // real sprite uses a few percent of it.
    // Counted in mesh offsets (8 bytes); a key without mesh weighs about 16 of them.
    static constexpr long COUT_CLE = 16;
    long budget = 30000000;
    // What a keyframe of the current animation costs, counted again only when its AEs or
    // the elements change.
    struct {
        const CSPRITE3_ANIMATION* anim = nullptr;
        size_t nbAE = 0, nbElements = 0;
        long cout = 0;
    } coutCompte;
    // The "ETAT" lines, checked once the animations are read.
    struct EtatLu {
        std::string etat, lieu, ecrit;
    };
    std::vector<EtatLu> etatsLus;
    // The element each AE names, checked once the elements are read.
    struct AELu {
        const CSPRITE3_ANIMELEM* ae;
        std::string lieu;
    };
    std::vector<AELu> aesLus;
};

void LecteurAnm::lire()
{
    const auto& table = tableCles();
    for (std::string_view k = f.getKeyView(); !k.empty(); k = f.getKeyView()) {
        const Cle* trouvee = table.trouver(k);
        if (!trouvee) {
            f.cleNonPrise();
            continue;
        }
        const Cle c = *trouvee;
        if (lireLigneEntiere(c))
            continue;
        // The values are split here: the file's own count of them does not hold.
        f.resteLu();
        v.decouper(f.getLigneCourante());
        if (c <= Cle::Etat)
            lireSprite(c);
        else if (c <= Cle::ElSelDernier)
            lireElement(c);
        else if (c == Cle::Animation)
            nouvelleAnimation();
        else if (!anim)
            horsRecord("avant toute ANIMATION");
        else if (c <= Cle::Ombre)
            lireAnimation(c);
        else if (c <= Cle::AeScp)
            lireAnimElem(c);
        else if (c == Cle::Keyframe)
            nouvelleKeyframe();
        else if (!kf)
            horsRecord(anim->keyframes.empty() ? "avant toute KEYFRAME" : "");
        else if (c <= Cle::KfScp)
            lireKeyframe(c);
        else
            lireCle(c);
        v.finir();
    }
    finirEtats();
    finirAnimElems();
}

// The script and emitter readers take the line from the file themselves.
bool LecteurAnm::lireLigneEntiere(Cle c)
{
    if (c == Cle::AeScp) {
        if (evenement)
            evenement->charger(f, &s.notes);
        else
            f.ligneIgnoree(ae ? "avant tout AE_EVENT" : "");
    } else if (c == Cle::KfScp) {
        if (kf)
            kf->scp.charger(f, &s.notes);
        else
            f.ligneIgnoree(anim && anim->keyframes.empty() ? "avant toute KEYFRAME" : "");
    } else if (c == Cle::Particule) {
        if (ae) {
            ae->bEmetteurActif = f.getValueInt() != 0;
            ae->pParticules = std::make_unique<CParticules>();
            ae->pParticules->lire49(f);
        } else {
            f.ligneIgnoree(anim && anim->animElems.empty() ? "avant tout ANIMELEM" : "");
        }
    } else {
        return false;
    }
    return true;
}

void LecteurAnm::lireSprite(Cle c)
{
    switch (c) {
    case Cle::Id: s.ID = v.texte(0); break;
    case Cle::Texture: s.strTexture = v.texte(0); break;
    case Cle::ScriptTir: s.scriptTir = v.texte(0); break;
    case Cle::GrilleVisible: s.bGrilleVisible = v.booleen(0); break;
    case Cle::GrilleCase: lireGrilleCase(); break;
    case Cle::ReculArme: s.bReculArme = v.booleen(0); break;
    case Cle::CouleurFond: s.couleurFond = v.couleur(0); break;
    case Cle::CouleurGlobale: s.couleurGlobale = v.couleur(0); break;
    // Map keys get the writer's replacements now, or their order would change on saving.
    case Cle::Etat: {
        const std::string etat = CSPRITE3::nomFichier(v.texte(0));
        s.etats[etat] = v.entier(1, -1);
        etatsLus.push_back({etat, s.notes.lieu(f), std::string(v.vue(1))});
        break;
    }
    default: break;
    }
}

// A grid cell below one pixel would never end the editor's grid: read as the sprite's default
// (16), the corrected line named on the console as the level reader names its own.
void LecteurAnm::lireGrilleCase()
{
    const int n = v.entier(0, 16);
    s.grilleCase = n >= 1 ? n : 16;
    if (n < 1)
        s.notes.noterValeur(f, 1, v.vue(0), "case inférieure à 1", "16");
}

// A state linked to an animation the sprite does not have would show nothing: unlinked (-1),
// as a state no line names.
void LecteurAnm::finirEtats()
{
    for (const EtatLu& e : etatsLus) {
        int& n = s.etats[e.etat];
        if (n >= -1 && n < s.getNbAnimations())
            continue;
        s.notes.ajouter(e.lieu + " valeur 2 «" + e.ecrit + "» animation absente (le sprite en a " +
                        tuv::itos(s.getNbAnimations()) + "), lue comme -1");
        n = -1;
    }
}

// An AE of an element the sprite does not have would draw nothing: it is read as none (-1).
void LecteurAnm::finirAnimElems()
{
    for (const AELu& a : aesLus)
        if (!s.getElement(a.ae->element))
            s.notes.ajouter(a.lieu + " valeur 1 «" + tuv::itos(a.ae->element) + "» élément absent (le sprite en a " +
                            tuv::itos(s.getNbElements()) + "), lu comme -1");
}

void LecteurAnm::lireElement(Cle c)
{
    if (c == Cle::Element) {
        auto e = std::make_unique<CSPRITE3_ELEMENT>();
        e->nom = v.texte(0);
        e->rect = v.rect(1);
        e->origine = v.point(5);
        e->nbColonnes = v.entier(7, 2);
        e->nbLignes = v.entier(8, 2);
        e->arme = v.entier(9, -1);
        e->elementLie = v.entier(10, -1);
        e->bCouleurGlobale = v.booleen(11);
        e->construireMaillage();
        el = e.get();
        s.elements.push_back(std::move(e));
        return;
    }
    if (!el)
        return horsRecord("avant tout ELEMENT");
    switch (c) {
    case Cle::ElImg: el->strImage = v.texte(0); break;
    case Cle::AnmRef: el->strAnmRef = v.texte(0); break;
    case Cle::AnmDirLien: el->bAnmDirLien = v.booleen(0); break;
    case Cle::ElLienAnim:
        for (size_t i = 0; i < 3; ++i)
            el->lienAnim[i] = v.entier(i, -1);
        break;
    case Cle::ElTailles: el->bTailles = v.booleen(0); break;
    case Cle::ElTexCoords: {
        const size_t n = std::min(el->vertices.getVertexCount(), v.taille() / 2);
        for (size_t i = 0; i < n; ++i)
            el->vertices[i].texCoords = v.point(2 * i);
        el->bTexCoordsModifiees = true;
        break;
    }
    case Cle::ElSel: {
        const int slot = v.entier(0);
        if (slot < 1 || slot > 3) {
            horsRecord("sélection " + tuv::itos(slot) + " hors de 1 à 3");
            break;
        }
        auto& sel = el->selections[slot - 1];
        sel.clear();
        // One value past those given is asked for, so that a count beyond them is named.
        const size_t n = std::min<size_t>(static_cast<size_t>(std::max(v.entier(1), 0)),
                                          (v.taille() > 2 ? v.taille() - 2 : 0) + 1);
        for (size_t i = 0; i < n; ++i) {
            const int p = v.entier(2 + i, -1);
            if (p >= 0 && p < el->getNbPoints())
                sel.push_back(p);
        }
        break;
    }
    case Cle::ElSelDernier: el->derniereSelection = v.entier(0, 0, 0, 3); break;
    default: break;
    }
}

void LecteurAnm::nouvelleAnimation()
{
    s.animations.push_back(std::make_unique<CSPRITE3_ANIMATION>());
    anim = s.animations.back().get();
    anim->nom = v.texte(0);
    ae = nullptr;
    evenement = nullptr;
    kf = nullptr;
    cle = nullptr;
}

void LecteurAnm::lireAnimation(Cle c)
{
    switch (c) {
    case Cle::NbFrames: anim->nbFrames = v.entier(0, 0, 0); break;
    case Cle::Vitesse: anim->vitesse = v.entier(0, 1); break;
    case Cle::Interpolation: anim->bInterpolation = v.booleen(0, true); break;
    case Cle::Visee: anim->bVisee = v.booleen(0); break;
    case Cle::NbFramesVisee: anim->nbFramesVisee = v.entier(0, 1); break;
    case Cle::CerclePos: anim->cercleViseePos = v.point(0); break;
    case Cle::CercleRayon: anim->cercleViseeRayon = v.entier(0, 100); break;
    case Cle::CercleRayonArmes: anim->cercleViseeRayonArmes[v.entier(0)] = v.entier(1); break;
    case Cle::Fille:
        anim->fille = v.entier(0, -1);
        anim->modeFille = v.entier(1);
        anim->bFilleSuitMere = v.booleen(2);
        break;
    case Cle::Soubressaut:
        anim->bSoubressaut = v.booleen(0);
        anim->vitesseSoubressaut = v.reel(1);
        anim->maxSoubressaut = v.reel(2);
        anim->borneInf = v.entier(3);
        anim->borneSup = v.entier(4);
        break;
    case Cle::Goto:
        anim->nbLecturesGoto = v.entier(0);
        anim->animGoto = v.entier(1, -1);
        break;
    case Cle::EtatAnimation: anim->etatJeu = v.texte(0); break;
    case Cle::RectGlobal: anim->rectGlobal = v.rect(0); break;
    case Cle::RectHitbox: anim->rectHitbox = v.rect(0); break;
    case Cle::OrigineGlobale: anim->origineGlobale = v.point(0); break;
    case Cle::Ombre:
        anim->bOmbre = v.booleen(0);
        anim->ombreRotation = v.entier(1);
        anim->ombreDecalage = v.point(2);
        anim->ombreEcrasement = v.point(4, 1);
        break;
    default: break;
    }
}

void LecteurAnm::nouvelAnimElem()
{
    // Each AE holds a key, with one offset per vertex, in every keyframe.
    const int e = v.entier(0, -1);
    const long cout = (COUT_CLE + s.nbSommetsElement(e)) * static_cast<long>(anim->keyframes.size() + 1);
    evenement = nullptr;
    if (budget < cout) {
        ae = nullptr;
        return horsRecord("");
    }
    budget -= cout;
    auto nouveau = std::make_unique<CSPRITE3_ANIMELEM>();
    nouveau->element = e;
    nouveau->nom = v.texte(1);
    nouveau->verrou = v.octet(2);
    nouveau->option = v.octet(3, 1);
    if (e != -1)
        aesLus.push_back({nouveau.get(), s.notes.lieu(f)});
    ae = nouveau.get();
    anim->animElems.push_back(std::move(nouveau));
}

void LecteurAnm::lireAnimElem(Cle c)
{
    if (c == Cle::AnimElem) {
        nouvelAnimElem();
        return;
    }
    if (c == Cle::Evenement) {
        evenement = ae ? &ae->evenements[CSPRITE3::nomFichier(v.texte(0))] : nullptr;
        if (!ae)
            horsRecord(anim->animElems.empty() ? "avant tout ANIMELEM" : "");
        return;
    }
    if (!ae)
        return horsRecord(anim->animElems.empty() ? "avant tout ANIMELEM" : "");
    if (c == Cle::Enfants) {
        ae->enfants.clear();
        // One value past those given is asked for, so that a count beyond them is named.
        const size_t n = std::min<size_t>(static_cast<size_t>(std::max(v.entier(0), 0)), v.taille());
        for (size_t i = 0; i < n; ++i) {
            const int enfant = v.entier(1 + i, -1);
            if (1 + i < v.taille())
                ae->enfants.push_back(enfant);
        }
    } else if (c == Cle::Shader) {
        ae->bShaderActif = v.booleen(0, true);
        v.toutLu();
        const std::string tout = f.getValueBetween("", "");
        const size_t sep = tout.find(';');
        DonneesSprite d;
        // The record follows the flag: its first value is the line's second.
        lireShaderSD(sep == std::string::npos ? std::string() : tout.substr(sep + 1), d, &f, 2);
        ae->strShaderFrag = d.strShaderFrag;
        ae->strShaderVert = d.strShaderVert;
        ae->uniformsFrag = uniformsConnus(d.uniformsFrag);
        ae->uniformsVert = uniformsConnus(d.uniformsVert);
    }
}

void LecteurAnm::nouvelleKeyframe()
{
    cle = nullptr;
    const int frame = v.entier(0, 0, 0);
    const long cout = coutKeyframe();
    if (s.isKeyframe(static_cast<int>(s.animations.size()) - 1, frame) || budget < cout) {
        kf = nullptr;  // a second keyframe at one frame could never be found
        if (budget >= cout)
            s.notes.noter(f, "image " + tuv::itos(frame) + " qui a déjà une KEYFRAME, ignorée avec ses lignes");
        return horsRecord("");
    }
    budget -= cout;
    auto nouvelle = std::make_unique<CSPRITE3_KEYFRAME>();
    nouvelle->cles.reserve(anim->animElems.size());
    nouvelle->frame = frame;
    nouvelle->bFille = v.octet(1, 1);
    kf = nouvelle.get();
    auto& kfs = anim->keyframes;
    // Files list keyframes in frame order: the new one usually goes last.
    auto pos = kfs.empty() || kfs.back()->frame < frame
                   ? kfs.end()
                   : std::find_if(kfs.begin(), kfs.end(), [frame](const auto& x) { return x->frame > frame; });
    kfs.insert(pos, std::move(nouvelle));
}

long LecteurAnm::coutKeyframe()
{
    auto& c = coutCompte;
    if (c.anim != anim || c.nbAE != anim->animElems.size() || c.nbElements != s.elements.size()) {
        c = {anim, anim->animElems.size(), s.elements.size(), 1};
        for (const auto& p : anim->animElems)
            c.cout += COUT_CLE + s.nbSommetsElement(p->element);
    }
    return c.cout;
}

void LecteurAnm::lireKeyframe(Cle c)
{
    switch (c) {
    case Cle::KfDelta:
        kf->delta = v.point(0);
        if (v.taille() > 2)
            anim->bDeltaActif = v.octet(2);
        break;
    case Cle::KfGoto:
        kf->gotoCible = v.entier(0, -1);
        kf->gotoMax = v.entier(1);
        break;
    case Cle::KfSens: kf->sensLecture = v.entier(0, 1) < 0 ? -1 : 1; break;
    case Cle::KfSensChange: kf->sensChange = v.octet(0, 1); break;
    case Cle::KfCouleur: kf->couleur = v.couleur(0); break;
    case Cle::KfSon:
        kf->son = v.texte(0);
        kf->bSonSiStop = v.octet(1);
        break;
    case Cle::KfScript:
        kf->script = v.texte(0);
        kf->nbExecutions = v.entier(1);
        break;
    default: break;
    }
}

// The next AE's key in the keyframe; a key beyond the AEs has nothing to describe.
void LecteurAnm::nouvelleCle()
{
    cle = nullptr;
    const size_t i = kf->cles.size();
    if (i >= anim->animElems.size())
        return horsRecord("au-delà des ANIMELEM de l'animation");
    kf->cles.push_back(s.nouvelleCle(anim->animElems[i]->element, sf::Vector2f()));
    cle = &kf->cles.back();
    cle->element = v.entier(0, -1);
    cle->visible = v.octet(1, 1);
    cle->avantPlan = v.octet(2);
    cle->position = v.point(3);
    cle->origine = v.point(5);
    cle->echelle = v.point(7, 1);
    cle->rotation = v.reel(9);
}

void LecteurAnm::lireCle(Cle c)
{
    if (c == Cle::KeyAnimElem) {
        nouvelleCle();
        return;
    }
    if (!cle)
        return horsRecord("");
    if (c == Cle::KaeLienAnim) {
        cle->lienAnim = v.entier(0, -1);
    } else if (c == Cle::KaeCouleur) {
        cle->couleur = v.couleur(0);
    } else if (c == Cle::KaeMaillage) {
        const size_t n = std::min(cle->maillage.size(), (v.taille() - 1) / 2);
        for (size_t i = 0; i < n; ++i)
            cle->maillage[i] = v.point(1 + 2 * i);
    }
}

void CSPRITE3::lireAnm(CTUVFile& f, void* proprio, sf::RenderTarget* cible)
{
    // Emitters are drawn into whatever the sprite is drawn into: they keep neither.
    (void)proprio;
    (void)cible;
    LecteurAnm(*this, f).lire();
}
