#!/usr/bin/env bash
# Installs what is missing, builds the game (Release) and starts it; ./run.sh --help lists
# the arguments.
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--help" ] || [ "${1:-}" = "-h" ]; then
  cat <<'FIN'
usage: ./run.sh [--neuf] [--dev]
       ./run.sh --serveur [server options]
Installs the Debian packages that are missing, builds (Release, in build/release/) and starts.
  (none)      plays in build/partie/, a working copy of data/: play never changes tracked files
  --neuf      the same from a fresh copy: players, scores and progression start over
  --dev       development switch on (level editor, animation editor, tools, cheats), playing
              in data/ itself: what the editors save lands in the project
  --serveur   the online lobby's server instead of the game, in build/serveur/;
              ./run.sh --serveur --help lists its options (--port, --adresse...)
  --help      this text
FIN
  exit 0
fi
./scripts/deps.sh
if [ "${1:-}" = "--serveur" ]; then
  shift
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTUV_TESTS=OFF >/dev/null
  cmake --build build/release --target serveur_lobby
  mkdir -p build/serveur
  cd build/serveur
  exec ../release/serveur_lobby "$@"
fi
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTUV_TESTS=OFF >/dev/null
cmake --build build/release --target jeu
exec ./scripts/partie.sh data build/partie build/release/jeu "$@"
