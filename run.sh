#!/usr/bin/env bash
# Installs what is missing, builds the game (Release) and starts it.
# Arguments are passed to the game, e.g. ./run.sh --dev
# Play runs in a working copy of data/ (build/partie/), so that playing never changes the
# tracked files; --dev (editor and tools) works on data/ itself, so that what an author
# saves lands in the project.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTUV_TESTS=OFF >/dev/null
cmake --build build/release --target jeu
dossier=data
dev=0
for a in "$@"; do [ "$a" = "--dev" ] && dev=1; done
if [ "$dev" -eq 0 ]; then
  dossier=build/partie
  mkdir -p "$dossier"
  # Copy what is new or changed in data/; what play wrote in the copy (players, scores,
  # progression) stays.
  cp -a -u data/. "$dossier"/
fi
cd "$dossier"
exec "$OLDPWD/build/release/jeu" "$@"
