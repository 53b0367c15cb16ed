// The compiler of ".scp" files: reads for each keyword exactly the number of arguments it
// takes, keeps the message commands of the menus' language, turns block marks and
// assignments into commands and finally builds the label table.
#include "core/EtatJeu.h"
#include "script/ScriptEngine.h"

#include "core/Globals.h"
#include "core/Texte.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iostream>

namespace {

struct RangMotsCles {
    int nbArguments;
    std::vector<const char*> motsCles;
};

// The keywords the compiler accepts, by the number of arguments it reads for them.
const RangMotsCles TABLE_MOTS_CLES[] = {
    {0, {"{", "}", "ATTENDRE_FIN_ANIMKP", "BACKTOMENU", "CHANGEDIRPERSO", "CHECKPOINT", "CLRPRINT",
         "DETECTPERSO", "GETIDSD", "GETVUEX", "GETVUEY", "GETVUEZOOM", "GETZEPHGRAVPOS", "MASQUEMENU",
         "NOPARLE", "RUNIA", "STOPIA"}},
    {1, {":", "CMD_ZOOM", "FONTAINEDARMES", "GETIALIFE", "GETIALIFEMAX", "GETIAPOS", "GETIAPOSX",
         "GETIAPOSY", "GETIASHOOTANGLE", "GETIDIA", "GETKPNB", "GETKPNEXTPOS", "GETKPNUM", "GETKPPOS",
         "GETSDPOS", "GETVARIABLEFLOAT", "GETVARIABLEINT", "GETVARIABLESTRING", "GOTO", "IAEXIT",
         "IAPATROL", "IASHOOT", "IA_VISIBLE", "INFOS_VIE", "INITIADEF", "INVERTOLITE", "ISIAALERT",
         "ISIADETECTPERSO", "ISIAVISIBLE", "ISKPPAUSE", "ISSDVISIBLE", "JOUE", "KP_INIT", "PADSOTOLITE",
         "PAUSE", "RELOAD", "SCRIPTRUN", "SCROLL", "SETINFOSVISIBLE", "SETMSGTXTSIZE",
         "SETMSGTXTSTYLE", "SETWAITMESSAGEVISIBLE", "TUE_PERSO", "VOILEACTIF"}},
    // SETIDIA takes the AI id as its second argument.
    {2, {"ANIMKP_ONOFF", "BASCULE", "BOUGE_GROUPE", "CHUTE", "EXPLOSION", "IAANIM", "IADESTROYONRELOAD",
         "IAMODE", "IA_POSITION", "INITIADETECTPERSO", "INITIASHOOTANGLE", "PERSO_VISIBLE",
         "PHYSPARTICULE", "PLAYSON", "PORTE_ONOFF", "RAND", "RUNFUNCTION", "SDANIM", "SETIACHANGEDIRAUTO",
         "SETIADETECTDIR", "SETIADUST", "SETIAFACTION", "SETIASHIP", "SETIASHOOTANGLE", "SETIASPEED",
         "SETIASTATE", "SETIDIA", "SETKPPAUSE", "SETKPSTEPBYSTEP", "SETMSGBGPOS", "SETMSGIMGPOS",
         "SETMSGTXTPOS", "SETSDVISIBLE", "SETVARIABLE", "TELEPORTEVERS", "TEXTURE_PER", "VIBRATION",
         "WORLDTOSCREEN"}},
    {3, {"CHANGE_ANIM", "DEPLACE", "EFFET_PLANTE_BOOST", "IAGENERALALERT", "PRINT", "SETMSGBG", "SETSDPOS",
         "ZOOMVUE"}},
    {4, {"=", "DRAWMSG", "DRAWMSG_EN", "IF", "SCALEIA", "SETETATPARTICULESSP3", "SETMSGTXTCOLOR"}},
    {5, {"CHARGERNIV", "PARLE", "PARLE_EN", "SETSDCOLOR"}},
    {6, {"OMBREIA"}},
    {7, {"KPG"}},
    {8, {"INITSHADERGLOBAL"}},
    {9, {"IA", "VOILE"}},
    {11, {"ADD_OVER"}},
    {15, {"KP"}},
};

// Keywords whose compilation does more than reading their arguments.
struct RegleSpeciale {
    const char* motCle;
    const char* langue;    // kept only in this language; null: always
    int argumentCompteur;  // argument whose integer value presets nCompteur; -1: none
    bool sortDuBloc;       // waits or jumps: the block is closed before it and reopened after
};
const RegleSpeciale REGLES_SPECIALES[] = {
    {"PAUSE", nullptr, 0, true},     {"GOTO", nullptr, -1, true},   {"DRAWMSG", "fr_", -1, true},
    {"DRAWMSG_EN", "en_", -1, true}, {"PARLE", "fr_", 1, false},    {"PARLE_EN", "en_", 1, false},
    {"VIBRATION", nullptr, 1, false},
};

struct EntreeMotCle {
    std::string motCle;
    int nbArguments = 0;
    const char* langue = nullptr;
    int argumentCompteur = -1;
    bool sortDuBloc = false;
};

// The keyword table as an open-addressing hash table: every statement looks its keyword up,
// and this costs a fraction of a general-purpose map.
class TableMotsCles {
public:
    TableMotsCles()
    {
        for (const RangMotsCles& rang : TABLE_MOTS_CLES)
            for (const char* mot : rang.motsCles)
                entrees.push_back({mot, rang.nbArguments});
        for (const RegleSpeciale& r : REGLES_SPECIALES)
            for (EntreeMotCle& e : entrees)
                if (e.motCle == r.motCle) {
                    e.langue = r.langue;
                    e.argumentCompteur = r.argumentCompteur;
                    e.sortDuBloc = r.sortDuBloc;
                }
        cases.fill(-1);
        for (size_t i = 0; i < entrees.size(); ++i) {
            size_t c = hacher(entrees[i].motCle);
            while (cases[c] >= 0)
                c = (c + 1) % cases.size();
            cases[c] = static_cast<int>(i);
        }
    }

    const EntreeMotCle* chercher(const std::string& motCle) const
    {
        for (size_t c = hacher(motCle); cases[c] >= 0; c = (c + 1) % cases.size())
            if (entrees[static_cast<size_t>(cases[c])].motCle == motCle)
                return &entrees[static_cast<size_t>(cases[c])];
        return nullptr;
    }

private:
    // FNV-1a; the table stays under a quarter full, so probes are short.
    static size_t hacher(const std::string& t)
    {
        uint32_t h = 2166136261u;
        for (char c : t)
            h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
        return h % 512;
    }

    std::vector<EntreeMotCle> entrees;
    std::array<int, 512> cases{};
};

// Null for a keyword outside the table.
const EntreeMotCle* chercherMotCle(const std::string& motCle)
{
    static const TableMotsCles table;
    return table.chercher(motCle);
}

bool estLabel(const std::string& motCle)
{
    return motCle.size() == 1 && motCle[0] == ':';
}

// The "=" command that stores return value p of the command before it into a variable.
std::vector<std::wstring> argumentsRetour(const std::string& nom, size_t p)
{
    std::vector<std::wstring> args;
    args.reserve(4);
    args.push_back(tuv::utf8toWStr(nom));
    args.push_back(std::to_wstring(p));
    args.emplace_back(L"RETURN");
    args.emplace_back();
    return args;
}

constexpr size_t LIGNES_ILLISIBLES_CONSOLE = 20;

int valeurEntiere(const std::wstring& argument)
{
    return tuv::stoi(tuv::delspaces(tuv::wstrToUtf8(argument)));
}

// A sign and digits, blanks aside: what reads as the number written.
bool estEntier(const std::string& texte)
{
    const std::string t = tuv::delspaces(texte);
    const size_t debut = !t.empty() && (t[0] == '-' || t[0] == '+') ? 1 : 0;
    const auto chiffre = [](char c) { return c >= '0' && c <= '9'; };
    return t.size() > debut && std::all_of(t.begin() + static_cast<std::ptrdiff_t>(debut), t.end(), chiffre);
}

// The names the script's "=" commands assign: a number argument may name one of them.
bool estVariableAffectee(const CScript& script, const std::string& nom)
{
    for (const auto& c : script.commandes)
        if (c->strMotCle == "=" && !c->arguments.empty() && tuv::wstrToUtf8(c->arguments[0]) == nom)
            return true;
    return false;
}

// A number or an operand the compiler named that is a name the script assigns after all:
// it is read as the variable.
bool nommeUneVariable(const CScript& script, const LigneIllisible& l)
{
    using Raison = LigneIllisible::Raison;
    if (l.raison != Raison::PasUnNombre && l.raison != Raison::OperateurEnTrop)
        return false;
    const bool signe = l.raison == Raison::OperateurEnTrop && !l.detail.empty() && l.detail[0] == '-';
    return estVariableAffectee(script, signe ? l.detail.substr(1) : l.detail);
}

} // namespace

int CScriptEngine::nbArgumentsMotCle(const std::string& motCle)
{
    const EntreeMotCle* e = chercherMotCle(motCle);
    return e ? e->nbArguments : -1;
}

std::vector<std::pair<std::string, int>> CScriptEngine::motsCles()
{
    std::vector<std::pair<std::string, int>> r;
    for (const RangMotsCles& rang : TABLE_MOTS_CLES)
        for (const char* mot : rang.motsCles)
            r.emplace_back(mot, rang.nbArguments);
    return r;
}

std::string CScriptEngine::langue()
{
    const ServicesJeu* jeu = faceJeu::services();
    return jeu ? jeu->langue() : std::string("fr_");
}

void CScriptEngine::chargerScript(CScript* script)
{
    if (!script)
        return;
    // A step may be running one of the script's commands: the new ones wait for the pass's end.
    if (passeEnCours() && contient(script)) {
        const unsigned numero = script->numCreation;
        apresPasse([this, numero] {
            const int i = indexCreation(numero);
            if (i >= 0)
                chargerScript(scripts[static_cast<size_t>(i)].get());
        });
        return;
    }
    pScriptEnChargement = script;
    if (fichier.open(script->strFichier)) {
        compiler(*script);
        fichier.close();
    }
    construireLabels(script);
}

void CScriptEngine::chargerScriptFlux(CScript* script, std::istream& flux)
{
    if (!script)
        return;
    pScriptEnChargement = script;
    fichier.ouvrirFlux(flux);
    compiler(*script);
    fichier.close();
    construireLabels(script);
}

void CScriptEngine::construireLabels(CScript* script)
{
    script->labels.clear();
    for (size_t i = 0; i < script->commandes.size(); ++i)
        if (estLabel(script->commandes[i]->strMotCle))
            script->labels[tuv::wstrToUtf8(script->commandes[i]->strTexte)] = static_cast<int>(i);
}

bool CScriptEngine::lireCommande(const std::string& motCle, const std::string& prefixe,
                                 std::wstring& texte, int& compteur, bool& sortDuBloc)
{
    const EntreeMotCle* e = chercherMotCle(motCle);
    if (!e) {
        // NULL stands for the else and endif lines.
        if (motCle != "NULL")
            fichier.signaler(LigneIllisible::Raison::MotCleInconnu, motCle);
        return false;
    }
    sortDuBloc = e->sortDuBloc;
    // Named in either language: the author plays in both.
    verifierArguments(motCle, e->nbArguments);
    // Only the message commands of the current language are kept; the other variant
    // reads nothing.
    if (e->langue && prefixe != e->langue)
        return false;
    argumentsLigne.reserve(static_cast<size_t>(e->nbArguments));
    for (int i = 0; i < e->nbArguments; ++i)
        argumentsLigne.push_back(fichier.getArgW());
    if (estLabel(motCle))
        texte = argumentsLigne[0];
    else if (e->argumentCompteur >= 0) {
        const std::wstring& argument = argumentsLigne[static_cast<size_t>(e->argumentCompteur)];
        compteur = valeurEntiere(argument);
        // A variable's name is kept only if the script assigns it (seen once it is compiled).
        if (const std::string t = tuv::wstrToUtf8(argument); !estEntier(t))
            fichier.signaler(LigneIllisible::Raison::PasUnNombre, t);
    }
    return true;
}

void CScriptEngine::compiler(CScript& script)
{
    script.commandes.clear();
    script.nbCommandes = 0;
    script.bEnCours = false;
    script.bBlocOuvert = false;
    script.numCmdCour = 0;
    script.labels.clear();
    script.variables.clear();
    script.nbRunFaits = 0;
    // The texts the old commands wrote go with them (the monitor's reload, a restart).
    script.prints.clear();
    // An "if" left open in another file must not pair with this file's "else" or "endif".
    fichier.pileIf.clear();
    fichier.sisOuverts.clear();
    fichier.lignesGenerees.clear();
    fichier.nLigneGeneree = 0;
    const std::string prefixe = langue();
    // Nesting of "{" ... "}"; a surplus "}" does not take it below 0, so that what follows
    // it is outside any block.
    int profondeur = 0;
    for (std::string k = fichier.lireLigneSuivante(); !k.empty(); k = fichier.lireLigneSuivante()) {
        argumentsLigne.clear();
        std::wstring texte;
        int compteur = 0;
        bool garder, sortDuBloc = false;
        if (k.size() == 1 && k[0] == '{') {
            verifierArguments(k, 0);
            garder = ++profondeur == 1;
        } else if (k.size() == 1 && k[0] == '}') {
            verifierArguments(k, 0);
            profondeur = std::max(profondeur - 1, 0);
            garder = profondeur == 0;
        } else {
            garder = lireCommande(k, prefixe, texte, compteur, sortDuBloc);
        }
        const bool horsBloc = sortDuBloc && profondeur > 0;
        if (horsBloc)
            script.ajouterCommande("}", {});
        // A function assignment outside a block runs with its command in one frame.
        const std::string& gauche = fichier.getMotCle();
        const bool enveloppe = !gauche.empty() && profondeur == 0;
        if (enveloppe)
            script.ajouterCommande("{", {});
        if (garder) {
            script.ajouterCommande(k, std::move(argumentsLigne));
            script.commandes.back()->nCompteur = compteur;
            script.commandes.back()->strTexte = std::move(texte);
        }
        // "x;y": one "=" per name, the text read as if a ";" ended it.
        for (size_t debut = 0, p = 0; debut < gauche.size(); ++p) {
            const size_t fin = std::min(gauche.find(';', debut), gauche.size());
            script.ajouterCommande("=", argumentsRetour(gauche.substr(debut, fin - debut), p));
            debut = fin + 1;
        }
        if (enveloppe)
            script.ajouterCommande("}", {});
        if (horsBloc)
            script.ajouterCommande("{", {});
    }
    releverLignesIllisibles(script);
}

void CScriptEngine::releverLignesIllisibles(CScript& script)
{
    std::vector<LigneIllisible> lignes = std::move(fichier.lignesIllisibles);
    fichier.lignesIllisibles.clear();
    lignes.insert(lignes.end(), fichier.sisOuverts.begin(), fichier.sisOuverts.end());
    lignes.erase(std::remove_if(lignes.begin(), lignes.end(),
                                [&](const LigneIllisible& l) { return nommeUneVariable(script, l); }),
                 lignes.end());
    std::stable_sort(lignes.begin(), lignes.end(),
                     [](const LigneIllisible& a, const LigneIllisible& b) { return a.ligne < b.ligne; });
    script.lignesIllisibles = std::move(lignes);
    const auto dites = lignesSignalees.find(script.strFichier);
    if (dites != lignesSignalees.end() ? dites->second == script.lignesIllisibles : script.lignesIllisibles.empty())
        return;
    // A file that is not a script at all would fill the console: the monitor lists them all.
    const size_t n = script.lignesIllisibles.size();
    for (size_t i = 0; i < std::min(n, LIGNES_ILLISIBLES_CONSOLE); ++i)
        std::cerr << "Script " << script.strFichier << ", " << script.lignesIllisibles[i].texte() << '\n';
    if (n > LIGNES_ILLISIBLES_CONSOLE)
        std::cerr << "Script " << script.strFichier << " : et " << n - LIGNES_ILLISIBLES_CONSOLE
                  << " autres lignes non lues (moniteur de scripts, F7)\n";
    lignesSignalees[script.strFichier] = script.lignesIllisibles;
}
