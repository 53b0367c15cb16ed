#!/usr/bin/env bash
# The rules of tests/support/EntreesCtest.cmake on a project of their own: a source's games
# make entries, but not those commented out (a line or a block) nor disabled ones; an entry
# whose binary ran no test, or skipped every one, or ended in a case (tests/support/x_prive.sh,
# which runs the binaries) fails; one that passed tests passes.
# Usage: entrees_test.sh [source folder]
set -uo pipefail
racine="$(cd "${1:-$(dirname "$0")/../..}" && pwd)"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/src"
cat >"$tmp/src/Cas.cpp" <<'CAS'
TEST(Partie, Gardee) {}
// TEST(Partie, EnLigne) {}
/* TEST(Duel, EnBloc) {}
   TEST(Duel, EnBlocAussi) {}  // the block goes on */
TEST(Partie, DISABLED_Desactivee) {}
TEST_F(Duel, Fixture) {} // the line ends here /*
TEST(Duel, ApresLeBloc) {}
CAS
cat >"$tmp/src/Sortie.cpp" <<'CAS'
#include <gtest/gtest.h>
#include <cstdlib>
TEST(Sortie, Premiere) { std::exit(0); }
TEST(Sortie, Seconde) {}
CAS
cat >"$tmp/src/CMakeLists.txt" <<FIN
cmake_minimum_required(VERSION 3.16)
project(entrees CXX)
enable_testing()
find_package(GTest REQUIRED)
add_executable(sortie Sortie.cpp)
target_link_libraries(sortie GTest::gtest_main)
include($racine/tests/support/EntreesCtest.cmake)
file(READ \${CMAKE_CURRENT_SOURCE_DIR}/Cas.cpp texte)
tuv_parties_du_source("\${texte}" parties)
file(WRITE \${CMAKE_BINARY_DIR}/parties.txt "\${parties}")
add_test(NAME aucun COMMAND echo "[==========] Running 0 tests from 0 test suites.")
add_test(NAME deux COMMAND echo "[==========] Running 2 tests from 1 test suite.")
add_test(NAME sautes COMMAND printf "%s\\n" "[==========] Running 2 tests from 1 test suite." "[  PASSED  ] 0 tests." "[  SKIPPED ] 2 tests, listed below:")
add_test(NAME un_saute COMMAND printf "%s\\n" "[==========] Running 2 tests from 1 test suite." "[  PASSED  ] 1 test." "[  SKIPPED ] 1 test, listed below:")
add_test(NAME sortie_tot COMMAND $racine/tests/support/x_prive.sh \$<TARGET_FILE:sortie>)
tuv_echouer_sans_test(aucun deux sautes un_saute sortie_tot)
FIN
erreurs=0
{ cmake -S "$tmp/src" -B "$tmp/b" && cmake --build "$tmp/b"; } >"$tmp/cmake.log" 2>&1 || { cat "$tmp/cmake.log"; exit 1; }
parties=$(cat "$tmp/b/parties.txt")
[ "$parties" = "Partie.Gardee;Duel.Fixture;Duel.ApresLeBloc" ] ||
    { echo "FAILED: entries for $parties" >&2; erreurs=1; }
(cd "$tmp/b" && ctest) >"$tmp/ctest.log" 2>&1
grep -Eq "aucun .*Failed" "$tmp/ctest.log" || { echo "FAILED: an entry that ran no test passed" >&2; erreurs=1; }
grep -Eq "deux .*Passed" "$tmp/ctest.log" || { echo "FAILED: an entry that ran tests failed" >&2; erreurs=1; }
grep -Eq "sautes .*Failed" "$tmp/ctest.log" || { echo "FAILED: an entry whose tests all skipped passed" >&2; erreurs=1; }
grep -Eq "un_saute .*Passed" "$tmp/ctest.log" || { echo "FAILED: an entry with a test passed beside a skip failed" >&2; erreurs=1; }
grep -Eq "sortie_tot .*Failed" "$tmp/ctest.log" || { echo "FAILED: an entry whose binary ended in its first case passed" >&2; erreurs=1; }
[ "$erreurs" = 0 ] || cat "$tmp/ctest.log"
exit "$erreurs"
