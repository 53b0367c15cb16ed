# How tests/CMakeLists.txt turns test binaries and cases into ctest entries, kept apart so that
# tests/entrees/entrees_test.sh tries the same rules on sources of its own.

# The text without its comments, each "// ..." up to its line's end and each "/* ... */", taken
# from left to right so that a "/*" inside a line comment (or the reverse) opens nothing. By
# hand: CMake's regular expressions recurse once per character of a match and crash on a long
# commented-out block.
function(tuv_sans_commentaires texte sortie)
  set(reste "${texte}")
  set(garde "")
  while(TRUE)
    string(FIND "${reste}" "//" ligne)
    string(FIND "${reste}" "/*" bloc)
    if(ligne EQUAL -1 AND bloc EQUAL -1)
      break()
    endif()
    if(bloc EQUAL -1 OR (NOT ligne EQUAL -1 AND ligne LESS bloc))
      set(debut ${ligne})
      set(fermeture "\n")
      set(apres 0)  # the line break stays
    else()
      set(debut ${bloc})
      set(fermeture "*/")
      set(apres 2)
    endif()
    string(SUBSTRING "${reste}" 0 ${debut} avant)
    string(APPEND garde "${avant} ")
    math(EXPR debut "${debut} + 2")
    string(SUBSTRING "${reste}" ${debut} -1 reste)
    string(FIND "${reste}" "${fermeture}" fin)
    if(fin EQUAL -1)
      set(reste "")
      break()
    endif()
    math(EXPR fin "${fin} + ${apres}")
    string(SUBSTRING "${reste}" ${fin} -1 reste)
  endwhile()
  set(${sortie} "${garde}${reste}" PARENT_SCOPE)
endfunction()

# The games a source holds, as "Suite.Name": every TEST(Partie, X), TEST(Duel, X) and their
# TEST_F, unless commented out or disabled (a DISABLED_ name, which gtest does not run).
function(tuv_parties_du_source texte sortie)
  tuv_sans_commentaires("\n${texte}" texte)  # a line before: the first case matches too
  string(REGEX MATCHALL "[^A-Za-z0-9_]TEST(_F)?\\([ \t]*(Partie|Duel)[ \t]*,[ \t]*[A-Za-z0-9_]+" cas "${texte}")
  set(parties "")
  foreach(c ${cas})
    string(REGEX MATCH "(Partie|Duel)[ \t]*,[ \t]*([A-Za-z0-9_]+)" trouve "${c}")
    set(suite "${CMAKE_MATCH_1}")
    set(nom "${CMAKE_MATCH_2}")
    if(NOT nom MATCHES "^DISABLED_")
      list(APPEND parties "${suite}.${nom}")
    endif()
  endforeach()
  set(${sortie} "${parties}" PARENT_SCOPE)
endfunction()

# A gtest entry that runs no test fails: a filter that names no case (a case renamed or
# removed), or only disabled ones, would otherwise pass having tested nothing. So does one
# whose every case skipped itself (GTEST_SKIP): gtest then counts 0 passed.
function(tuv_echouer_sans_test)
  set_tests_properties(${ARGN} PROPERTIES FAIL_REGULAR_EXPRESSION "Running 0 tests;\\[  PASSED  \\] 0 tests")
endfunction()
