#!/usr/bin/env bash
# The working copy the game plays in: what play writes survives, what data/ changes is
# refreshed, what a --dev run left in data/ never reaches the copy.
set -uo pipefail
script=$(cd "$(dirname "$0")/../.." && pwd)/scripts/partie.sh
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echecs=0
verifier() { # message, command...
  local message=$1; shift
  if ! "$@"; then echo "FAILED: $message"; echecs=$((echecs + 1)); fi
}

d=$tmp/data c=$tmp/partie
mkdir -p "$d/niveaux" "$d/killcam" "$d/menus"
printf 'langue.ini\nniveaux/scores*.scr\nkillcam/\n*.save\n' > "$d/.gitignore"
echo "MENU=1" > "$d/menus/fr_menu0.mnu"
echo "NIVEAU=1" > "$d/niveaux/niveau1.niv"
echo "FRAMERATE=30" > "$d/jeu.ini"

dossier=$("$script" "$d" "$c" -)
verifier "the first start names the copy as the working folder" [ "$dossier" = "$c" ]
verifier "the first start copies a menu" cmp -s "$d/menus/fr_menu0.mnu" "$c/menus/fr_menu0.mnu"
verifier "the first start copies a level" cmp -s "$d/niveaux/niveau1.niv" "$c/niveaux/niveau1.niv"

# What the game writes in the copy, and what a --dev run left in data/.
echo "LANGUE=en" > "$c/langue.ini"
echo "SCORE=12" > "$c/niveaux/scores_aventure.scr"
echo "LANGUE=fr" > "$d/langue.ini"
echo "x" > "$d/killcam/0001.png"
echo "old" > "$d/niveaux/niveau1.niv.save"
echo "NIVEAU=2" > "$d/niveaux/niveau1.niv"
"$script" "$d" "$c" - > /dev/null
verifier "the language chosen in play survives the next start" grep -q "LANGUE=en" "$c/langue.ini"
verifier "a score written in play survives the next start" grep -q "SCORE=12" "$c/niveaux/scores_aventure.scr"
verifier "a level changed in data/ is refreshed" grep -q "NIVEAU=2" "$c/niveaux/niveau1.niv"
verifier "killcam frames of data/ are not copied" [ ! -e "$c/killcam/0001.png" ]
verifier "backup copies of data/ are not copied" [ ! -e "$c/niveaux/niveau1.niv.save" ]

# jeu.ini follows data/ until the player edits it in the copy; then it is theirs.
echo "FRAMERATE=60" > "$d/jeu.ini"
"$script" "$d" "$c" - > /dev/null
verifier "an unedited jeu.ini follows data/" grep -q "FRAMERATE=60" "$c/jeu.ini"
echo "IA_JOUEUR2=1" >> "$c/jeu.ini"
echo "FRAMERATE=25" > "$d/jeu.ini"
"$script" "$d" "$c" - > /dev/null 2> "$tmp/dit"
verifier "an edited jeu.ini survives the next start" grep -q "IA_JOUEUR2=1" "$c/jeu.ini"
verifier "which says that data/ has another" grep -q "jeu.ini: kept" "$tmp/dit"

"$script" "$d" "$c" - --neuf > /dev/null
verifier "--neuf forgets the language chosen in play" [ ! -e "$c/langue.ini" ]
verifier "--neuf forgets the scores" [ ! -e "$c/niveaux/scores_aventure.scr" ]
verifier "--neuf still copies the levels" grep -q "NIVEAU=2" "$c/niveaux/niveau1.niv"

# Changed on either side, a file is copied again; with nothing changed, a start runs no
# program per file (it took seconds over the 600 files of data/).
echo "NIVEAU=9" > "$c/niveaux/niveau1.niv"
for i in $(seq 1 40); do echo "n$i" > "$d/niveaux/n$i.niv"; done
"$script" "$d" "$c" - > /dev/null
verifier "a level changed in the copy gets data/'s again" grep -q "NIVEAU=2" "$c/niveaux/niveau1.niv"
verifier "a new level of data/ is copied" cmp -s "$d/niveaux/n40.niv" "$c/niveaux/n40.niv"
mkdir -p "$tmp/bin"
for p in cmp cp mkdir dirname cat; do
  printf '#!/bin/sh\necho %s >> "%s/appels"\nexec %s "$@"\n' "$p" "$tmp" "$(command -v "$p")" > "$tmp/bin/$p"
  chmod +x "$tmp/bin/$p"
done
: > "$tmp/appels"
PATH="$tmp/bin:$PATH" "$script" "$d" "$c" - > /dev/null
appels=$(wc -l < "$tmp/appels")
verifier "a start with nothing changed runs no program per file ($appels runs for 44 files)" [ "$appels" -lt 10 ]

dossier=$("$script" "$d" "$c" - --dev)
verifier "--dev plays in data/ itself" [ "$dossier" = "$d" ]

# The arguments reach the game, without --neuf, in the working folder.
printf '#!/usr/bin/env bash\npwd > "%s/vu"\necho "$@" >> "%s/vu"\n' "$tmp" "$tmp" > "$tmp/jeu"
chmod +x "$tmp/jeu"
"$script" "$d" "$c" "$tmp/jeu" --neuf --dev -x
verifier "the game starts in the working folder" grep -qx "$d" "$tmp/vu"
verifier "the game gets its arguments without --neuf" grep -qx -- "--dev -x" "$tmp/vu"

[ "$echecs" -eq 0 ] && echo "working copy: all checks passed"
exit "$echecs"
