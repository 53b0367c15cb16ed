#!/usr/bin/env bash
# The README and the guides of docs/ name only paths that exist: a path of the project (from
# its root, or from data/ where the game and its tools run) and the target of each link; and
# no fixed folder under /tmp. docs/architecture.md names every folder (below).
# Usage: chemins_test.sh [source folder]; prints each path that is missing.
set -uo pipefail
cd "${1:-$(dirname "$0")/../..}"
fautes=0
# The first folders a path may start with: those of the project and of data/ (build/ aside,
# made by the scripts).
racines=$( (ls -d */; cd data && ls -d */) | sed 's#/$##' | grep -vx build | sort -u | paste -sd'|')
for doc in README.md docs/*.md; do
  dossier=$(dirname "$doc")
  # Paths: a known first folder, then path characters; patterns with <, > or * are examples.
  while IFS= read -r chemin; do
    chemin=${chemin%[.,:;]}
    [[ "$chemin" == *[\<\>\*]* ]] && continue
    c=${chemin#./}
    [ -e "$c" ] || [ -e "data/$c" ] || { echo "FAILED: $doc names $chemin, which does not exist"; fautes=$((fautes + 1)); }
  done < <(grep -oE "(^|[^A-Za-z0-9_./\$-])(\./)?($racines)/[A-Za-z0-9_./<>*-]*" "$doc" | sed -E 's#^[^A-Za-z0-9.]##')
  # Links of the Markdown text, from the document's folder.
  while IFS= read -r lien; do
    cible=${lien%%#*}
    [[ -z "$cible" || "$cible" == *://* ]] && continue
    [ -e "$dossier/$cible" ] || { echo "FAILED: $doc links to $cible, which does not exist"; fautes=$((fautes + 1)); }
  done < <(grep -oE '\]\([^)]+\)' "$doc" | sed -E 's#^\]\(##; s#\)$##')
  # A fixed name under /tmp in an example is another user's folder on a shared machine, which
  # the example's rm -rf would remove: the examples make theirs with mktemp -d.
  while IFS= read -r fixe; do
    echo "FAILED: $doc uses the fixed folder $fixe (a folder of its own: mktemp -d)"; fautes=$((fautes + 1))
  done < <(grep -oE '/tmp/[A-Za-z0-9_.-]+' "$doc")
done
# docs/architecture.md's table names every folder of the project; a folder of tests/ with
# sources is a test binary of tests/CMakeLists.txt (else its .cpp files build nothing), and
# the guide names each of the others, which hold shell-script entries.
for d in */ .ci/; do
  d=${d%/}
  [ "$d" = build ] && continue
  grep -qE '^\|.*`'"$d"'/`' docs/architecture.md ||
    { echo "FAILED: docs/architecture.md's folder table leaves out $d/"; fautes=$((fautes + 1)); }
done
for d in tests/*/; do
  d=${d%/}
  n=${d#tests/}
  [ "$n" = support ] && continue
  if compgen -G "$d/*.cpp" > /dev/null; then
    grep -q "^tuv_test_dir($n " tests/CMakeLists.txt ||
      { echo "FAILED: $d holds .cpp files but no tuv_test_dir line builds them"; fautes=$((fautes + 1)); }
  else
    grep -q "$d/" docs/architecture.md ||
      { echo "FAILED: docs/architecture.md does not name $d/"; fautes=$((fautes + 1)); }
  fi
done
[ "$fautes" -eq 0 ] && echo "every path the documents name exists"
exit "$fautes"
