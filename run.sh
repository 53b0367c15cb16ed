#!/usr/bin/env bash
# Installs what is missing, builds the game (Release) and starts it in data/.
# Arguments are passed to the game, e.g. ./run.sh --dev
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTUV_TESTS=OFF >/dev/null
cmake --build build/release --target jeu
cd data
exec ../build/release/jeu "$@"
