#!/usr/bin/env bash
# Runs a command under an X server of its own (Xvfb), so that test binaries running side by
# side never take each other's keyboard focus. The server picks a free display itself
# (-displayfd), which no two starts can race for, and goes when the command ends. A test
# binary that ends before its last case fails.
set -u
dossier=$(mktemp -d "${TMPDIR:-/tmp}/x_prive.XXXXXX")
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp -noreset 3>"$dossier/affichage" 2>"$dossier/journal" &
serveur=$!
fin() {
  kill "$serveur" 2>/dev/null
  wait "$serveur" 2>/dev/null
  rm -rf "$dossier"
}
trap fin EXIT
trap 'exit 143' TERM INT
# The display number is written once the server accepts clients (at most 30 s under load).
for _ in $(seq 300); do
  [ -s "$dossier/affichage" ] && break
  kill -0 "$serveur" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$dossier/affichage" ]; then
  echo "x_prive.sh: Xvfb did not start" >&2
  cat "$dossier/journal" >&2
  exit 1
fi
# A gtest binary makes this file when its run starts and removes it when its last case is
# done: left behind, the binary ended early (a case called exit(0)), whatever its status. The
# cases that never ran would otherwise pass unseen.
export TEST_PREMATURE_EXIT_FILE="$dossier/sortie_prematuree"
DISPLAY=":$(head -n1 "$dossier/affichage")" "$@"
code=$?
if [ -e "$TEST_PREMATURE_EXIT_FILE" ]; then
  echo "x_prive.sh: $1 ended before its last test case (exit status $code): the last case started above ended the process" >&2
  exit 1
fi
exit "$code"
