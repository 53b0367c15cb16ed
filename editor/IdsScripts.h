#pragma once
// Control ids of the script monitor (data/PLUX_Modeles/Mod2/JeuDialogScripts.mod) that both
// its display and its commands use.
namespace IdScripts {
constexpr const char* DIALOGUE = "JeuDialogScripts";

constexpr const char* TEXTE_TITRE = "myTextTitre";
constexpr const char* TEXTE_NB = "myTextNb";
constexpr const char* TEXTE_INFO_DEC_NIV = "myTextInfoDecNiv";
constexpr const char* TEXTE_COMMANDES = "lblCommandes";
constexpr const char* TEXTE_ILLISIBLES = "lblLignesIllisibles";
constexpr const char* SAISIE_POS = "myTextInputPos";
constexpr const char* SAISIE_SCRIPT = "myTextInputScript";
constexpr const char* SAISIE_NB_RUN = "myTextInputNbRun";
constexpr const char* SAISIE_CHRONO = "myTextInputChrono";
constexpr const char* SAISIE_NUM_CMD = "myTextInputNumCmdCour";
constexpr const char* SAISIE_CMD = "myTextInputCmdCour";
constexpr const char* SAISIE_RUNS_FAITS = "myTextInputNbLancementsFaits";
constexpr const char* SAISIE_ETAT = "myTextInputScriptRun";
constexpr const char* COMBO_DECLENCHEUR = "myComboBox";
constexpr const char* CASE_RELEASE = "myButtonCheckRelease";
constexpr const char* CASE_VARIABLES_AUTO = "myButtonCheckRefreshAutoVariables";
constexpr const char* CASE_SUPPR_OBJETS = "myButtonCheckDelObjetsReload";
constexpr const char* LISTE_COMMANDES = "myListCommandes";
constexpr const char* LISTE_VARIABLES = "myListVariables";
constexpr const char* LISTE_SCRIPTS = "myListScripts";
constexpr const char* LISTE_OBJETS = "myListObjets";
constexpr const char* LISTE_ILLISIBLES = "myListLignesIllisibles";
constexpr const char* BOUTON_TOUS = "myButtonScriptsRunPause";
} // namespace IdScripts
