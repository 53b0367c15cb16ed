#!/usr/bin/env bash
# A data generator, run in a scratch copy of data/, gives back the shipped files byte for
# byte: a generator that drifts from the data, or data edited by hand where a generator
# writes, fails here. Usage: generateurs_test.sh DATA COMMAND [ARGUMENTS...]; the command
# runs in the copy as it would from data/, under the caller's display.
set -uo pipefail
donnees=$(cd "$1" && pwd)
shift
copie=$(mktemp -d "${TMPDIR:-/tmp}/generateurs.XXXXXX")
journal=$(mktemp "${TMPDIR:-/tmp}/generateurs_journal.XXXXXX")
trap 'rm -rf "$copie" "$journal"' EXIT
cp -a "$donnees/." "$copie/"
# Every file aged, so that the ones the command writes can be counted.
find "$copie" -exec touch -h -d @0 {} +
(cd "$copie" && PYTHONDONTWRITEBYTECODE=1 "$@") > "$journal" 2>&1
rc=$?
if [ "$rc" -ne 0 ]; then
  tail -n 30 "$journal"
  echo "FAILED: $* exited with $rc"
  exit 1
fi
ecrits=$(find "$copie" -type f -newermt @1 | wc -l)
if [ "$ecrits" -eq 0 ]; then
  echo "FAILED: $* wrote no file"
  exit 1
fi
if ! diff -r "$donnees" "$copie" > "$journal" 2>&1; then
  head -n 40 "$journal"
  echo "FAILED: $* does not give back data/ as shipped (above: shipped, then generated)"
  exit 1
fi
echo "$*: $ecrits files written, each as shipped"
