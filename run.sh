#!/usr/bin/env bash
# Installs what is missing, builds the game (Release) and starts it.
# Arguments are passed to the game, e.g. ./run.sh --dev
#   ./run.sh          plays in build/partie/, a working copy of data/ (play never changes tracked files)
#   ./run.sh --neuf   the same from a fresh copy (players, scores and progression forgotten)
#   ./run.sh --dev    development switch on, in data/ itself (what the editors save lands in the project)
#   ./run.sh --serveur [options]   the online lobby's server instead (build/serveur/), e.g. --port 8080
set -euo pipefail
cd "$(dirname "$0")"
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
