#!/usr/bin/env bash
# Prepares the folder the game plays in, then starts the game there.
#   scripts/partie.sh DATA COPY GAME [--neuf] [--dev] [game arguments...]
# Without --dev the game plays in COPY, refreshed from DATA at each start, so that playing
# never changes the tracked files: every file of DATA is copied over COPY except those that
# DATA/.gitignore lists (what the game writes: players, scores, screenshots...), which are
# never copied from DATA and never deleted from COPY, and "jeu.ini", which the player may
# edit in COPY: it is refreshed only while it is still the copy the last start made (kept in
# COPY/.origine/), and an edited one is kept. --neuf deletes COPY first (a fresh start) and
# is not passed on. With --dev the game runs in DATA itself, so that the editors
# save into the project. GAME "-" prepares the folder and prints it instead of starting.
# A start that finds COPY copies only the files that changed on either side since (by size
# and time), in a few processes: the window opens at once.
set -euo pipefail
if [ $# -lt 3 ]; then
  echo "usage: $0 DATA COPY GAME [--neuf] [--dev] [arguments...]" >&2
  exit 2
fi
donnees=$1 copie=$2 jeu=$3
shift 3
neuf=0 dev=0 args=()
for a in "$@"; do
  case "$a" in
    --neuf) neuf=1 ;;
    --dev) dev=1; args+=("$a") ;;
    *) args+=("$a") ;;
  esac
done

motifs=()
if [ -f "$donnees/.gitignore" ]; then
  while IFS= read -r ligne || [ -n "$ligne" ]; do
    ligne=${ligne%$'\r'}
    [[ -z "$ligne" || "$ligne" == \#* ]] && continue
    motifs+=("$ligne")
  done < "$donnees/.gitignore"
fi

# True when the path (relative to DATA) is one the game writes, by the simple patterns of
# .gitignore: "dir/" names a folder at any depth, a pattern with "/" is taken from the top,
# any other pattern matches a file name at any depth.
ignore() {
  local chemin=$1 nom=${1##*/} m
  for m in "${motifs[@]}"; do
    if [[ "$m" == */ ]]; then
      m=${m%/}
      [[ "/$chemin" == */$m/* ]] && return 0
    elif [[ "$m" == */* ]]; then
      # shellcheck disable=SC2053
      [[ "$chemin" == ${m#/} ]] && return 0
    else
      # shellcheck disable=SC2053
      [[ "$nom" == $m ]] && return 0
    fi
  done
  return 1
}

# The player's own settings: DATA's file reaches COPY while COPY's is the one the last start
# copied; an edited one stays, and the start says when DATA's has changed since.
EDITABLES=(jeu.ini)
copierEditable() {
  local source=$1 cible=$copie/$2 origine=$copie/.origine/$2
  mkdir -p "$(dirname "$origine")"
  if [ -f "$cible" ] && ! cmp -s "$cible" "$source" && ! { [ -f "$origine" ] && cmp -s "$cible" "$origine"; }; then
    if ! { [ -f "$origine" ] && cmp -s "$source" "$origine"; }; then
      echo "$cible: kept as you edited it; $source has changed (remove yours to take it)." >&2
    fi
    [ -f "$origine" ] || cp -p "$source" "$origine"
    return 0
  fi
  cmp -s "$source" "$cible" || cp -p "$source" "$cible"
  cmp -s "$source" "$origine" || cp -p "$source" "$origine"
}

# Each file of the folder as "size mtime path" (path relative to it), NUL-terminated.
lister() {
  find "$1" -type f -printf '%s %T@ %P\0'
}

# Refreshes COPY from DATA in a few processes whatever the number of files: a file is copied
# when COPY lacks it or holds it with another size or time. Copies keep DATA's time (cp -p),
# so that an unchanged file is passed over at the next start without being read, and a file
# changed on either side since is copied again.
rafraichir() {
  local entree taille reste date rel cible
  local -A copies=()
  local -a aCopier=()
  while IFS= read -r -d '' entree; do
    taille=${entree%% *} reste=${entree#* }
    copies[${reste#* }]="$taille ${reste%% *}"
  done < <(lister "$copie")
  while IFS= read -r -d '' entree; do
    taille=${entree%% *} reste=${entree#* }
    date=${reste%% *} rel=${reste#* }
    ignore "$rel" && continue
    if [[ " ${EDITABLES[*]} " == *" $rel "* ]]; then
      copierEditable "$donnees/$rel" "$rel"
    elif [ "${copies[$rel]-}" != "$taille $date" ]; then
      aCopier+=("$rel")
    fi
  done < <(lister "$donnees")
  [ ${#aCopier[@]} -eq 0 ] && return 0
  cible=$(cd "$copie" && pwd)
  printf '%s\0' "${aCopier[@]}" | (cd "$donnees" && xargs -0 cp -p --parents -t "$cible" --)
}

if [ "$dev" -eq 1 ]; then
  dossier=$donnees
else
  [ "$neuf" -eq 1 ] && rm -rf "$copie"
  mkdir -p "$copie"
  rafraichir
  dossier=$copie
fi

if [ "$jeu" = "-" ]; then
  echo "$dossier"
  exit 0
fi
jeu=$(cd "$(dirname "$jeu")" && pwd)/$(basename "$jeu")
cd "$dossier"
exec "$jeu" ${args[@]+"${args[@]}"}
