#!/usr/bin/env bash
# Fails on any include from a folder into a folder above it. The floors, from the ground up:
# core/; gui/ and anim/; level/, characters/, script/; menus/, editor/, animeditor/, lobby/,
# tools/; game/. A folder includes its own floor and the floors below, except that core/
# includes only itself and gui/ and anim/ only core/ and themselves: in anim/ only the files
# of the GUI part of the foundation (names ending in "Combos.cpp" or "Listes.cpp") include gui/.
# It also fails on a write to CSFMLJeuGlobal::pmonjeu other than the face's one setter,
# faceJeu::installer (core/EtatJeu.cpp): games, tests and tools install through it, so that the
# facets and the game pointer never disagree.
# Usage: couches_test.sh [source folder]; prints each include that climbs.
set -euo pipefail
cd "${1:-$(dirname "$0")/../..}"

ecrivains=$(grep -rnE 'pmonjeu[[:space:]]*(=[^=]|\+\+|--)|&[[:space:]]*(CSFMLJeuGlobal::)?pmonjeu\b' \
    core gui anim level characters script menus editor animeditor lobby tools game tests bench fuzz \
    --include='*.h' --include='*.cpp' | grep -v '^core/EtatJeu\.cpp:' || true)
if [ -n "$ecrivains" ]; then
    echo "FAILED: CSFMLJeuGlobal::pmonjeu written outside faceJeu::installer:"
    echo "$ecrivains"
    exit 1
fi

grep -rHE '^[[:space:]]*#[[:space:]]*include "[a-z]+/' \
    core gui anim level characters script menus editor animeditor lobby tools game \
    --include='*.h' --include='*.cpp' |
awk '
BEGIN {
    split("core:1 gui:2 anim:2 level:3 characters:3 script:3 menus:4 editor:4 animeditor:4 lobby:4 tools:4 game:5", t, " ")
    for (i in t) { split(t[i], p, ":"); etage[p[1]] = p[2] }
    fautes = 0
}
{
    fichier = substr($0, 1, index($0, ":") - 1)
    split(fichier, f, "/"); dossier = f[1]
    ligne = $0; sub(/^[^"]*"/, "", ligne); split(ligne, c, "/"); cible = c[1]
    if (dossier == cible || !(cible in etage)) next
    de = etage[dossier]; vers = etage[cible]
    permis = vers < de || (vers == de && de > 2)
    if (cible == "gui" && dossier == "anim" && fichier ~ /(Combos|Listes)\.cpp$/) permis = 1
    if (!permis) { print "FAILED: include into a folder above: " $0; fautes++ }
}
END {
    if (fautes) { print fautes " include(s) into a folder above"; exit 1 }
    print "no include into a folder above"
}'
