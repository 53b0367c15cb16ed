#!/usr/bin/env bash
# Builds the benchmarks (Release) and checks each performance target against its baseline
# measured in the same run: every pair runs rounds interleaved (ours, baseline, ours, ...)
# so that a busy machine slows both sides alike. From the rounds' values (ratio, difference
# or time) comes a 95 % confidence interval of their median; while the target lies inside it,
# the pair runs one more round, up to --max-rounds rounds or --budget seconds. One line per
# target:
#     name  median  target  PASS|NEAR|FAIL  [low, high] in N rounds  (medians of both sides; every round)
# PASS: the whole interval is at or below the target; FAIL: the whole interval is above it;
# NEAR: the target is still inside it when the pair has used its rounds (the run cannot tell
# the two apart: not a failure, listed at the end). A benchmark that aborts, prints no timing
# or runs out of time gives
#     name  -  target  FAIL (aborted: <its last error line>)  log: <file>
# and the next target runs; its error output stays in that log (build/bench/journaux/). The
# last lines count PASS, NEAR and FAIL and name the NEAR targets. Exits non-zero when any
# line is FAIL. Timings are noisy: not run by CI or test.sh.
#
#   bench/ratios.sh [--rounds N] [--max-rounds N] [--budget seconds] [--no-build]
#                   [--target name=value ...] [--only name[,name...]]
#                   [--timeout seconds] [--dir folder] [--targets file]
#
# --rounds: the rounds every pair runs first (6, the fewest whose lowest and highest round
# bound a 95 % interval); --max-rounds (25) and --budget (240 s a pair) bound the rounds added
# while a pair is NEAR. --target overrides a target (e.g. --target anm_load=1.1 to see a
# FAIL); --only runs some (repeatable); --timeout bounds each benchmark run (600 s); --dir
# takes the benchmark binaries from another folder and --targets the table from a file (the
# tests use both).
set -uo pipefail
# The usage is this header, from its second line to the first line that is no comment.
usage() { awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0"; }
for a in "$@"; do case "$a" in -h | --help) usage; exit 0 ;; esac; done
cd "$(dirname "$0")/.."

# name  binary  ours  baseline  target  kind  [VAR=value ...]
# kind: "ratio" (ours / baseline), "ms" (ours - baseline, ms of CPU time), "abs" (ours alone,
# ms of CPU time; baseline "-"). A benchmark with arguments is named with them ("BM_X/5000").
# VAR=value: environment of both sides' runs of that pair.
read -r -d '' CIBLES <<'FIN'
number_readers   BenchTuvFile BM_CTUVFileNombres BM_GetlineFromChars 1.3 ratio
string_readers   BenchTuvFile BM_CTUVFile BM_GetlineSplit 1.2 ratio
anm_load         BenchAnm BM_ChargerAnm BM_LireOctetsCTUVFile 1.5 ratio
sprite3_200x20   BenchSprite3 BM_Sprites3MajEtDessin BM_QuadsVertexArray 1.5 ratio
sprite3_120_keyframes BenchSprite3 BM_Sprites3MajEtDessin120Keyframes BM_Sprites3MajEtDessin 1.1 ratio
# Rounds of this pair spread from 0.94 to 1.38 within one run (the software renderer's
# threads share the caches with the drawing thread): given more rounds.
sprites_5000     BenchSprites BM_SpritesAfficher BM_SpritesSFMLDirects 1.2 ratio
lobby_list_1000  BenchLobby BM_ListeServeur BM_ListeFichier 2.0 ratio
script_zones_2000   BenchScripts BM_PasseScriptsZones BM_ZonesBrutes 2.0 ratio
script_keyword_steps BenchScripts BM_EtapesBascule BM_EtapesLabels 1.2 ratio
script_getsdpos_200 BenchCommandes BM_GetSDPosScripts BM_RechercheLineaire 1.3 ratio
script_drawmsg_frame BenchCommandes BM_ImageDrawMsg BM_DessinSFML 1.5 ratio
level_frame      BenchDecorDessin BM_DessinerNiveau/2000 BM_DessinBrut/2000 1.5 ratio
# The heaviest shipped level's whole frame against the same frame (background, decor, fog,
# characters and their shadow, particles, fireflies, HUD, scene copy) drawn by plain SFML
# calls with the same textures and fonts: the CPU time of the game's own thread (the software
# renderer's fill, the same on both sides, runs in its own threads).
level_frame_heaviest BenchNiveauxLivres BM_ImageNiveauLePlusLourd BM_ImageSFMLSimple 1.5 ratio
# The collision query against a plain grid calling the same per-sprite test; then its cost
# per query at 80,000 sprites against 5,000 (flat, not linear).
collision_query  BenchCollisions BM_CollisionsTestCollision/5000 BM_CollisionsGrilleBrute/5000 1.5 ratio
collision_query_80000 BenchCollisions BM_CollisionsTestCollision/80000 BM_CollisionsTestCollision/5000 2.0 ratio
# The editor's views against the sprite they show: the whole process's CPU time, the software
# renderer drawing in the calling thread on both sides (LP_NUM_THREADS=0). Its threads cost
# each pass 0.4 ms (the sprite) to 0.9 ms (a view) of CPU more on 8 cores, growing with the
# cores: the ratio then measured the thread pool more than the view (1.53x, where the
# instructions each side runs, 16.3 M against 12.1 M a frame, give 1.35x, as the calling
# thread does).
anim_editor_view    BenchEditeurAnimations BM_VueAnimation BM_SpriteSeul 1.5 ratio LP_NUM_THREADS=0
anim_editor_sheet   BenchEditeurAnimations BM_VuePlanche BM_SpriteSeul 1.5 ratio LP_NUM_THREADS=0
shots_2000_update BenchTirs BM_MajTirs BM_SondesBrutes 1.5 ratio
shots_2000_draw  BenchTirs BM_AfficherTirs BM_SpritesBruts 1.3 ratio
characters_300_draw BenchDessinPersos BM_DessinerPersos BM_DessinDirect 1.3 ratio
level_load       BenchNiveau BM_ChargerNiveau BM_LireNiveauCTUVFile 3.0 ratio
# The baseline writes the same lines with std::ofstream through the same ".save" copy, syncs
# and rename as the save: on this machine those alone cost about three times the plain write
# (BM_EcritureSureSeule against BM_EcrireLignesSeules), more than the target.
level_save       BenchSauverNiveau BM_SauverNiveau BM_EcrireLignesOfstream 2.0 ratio
menu_options_multi BenchEcransMenus BM_MenuOptionsMulti BM_BaseOptionsMulti 2.0 ratio
menu_chrono_list  BenchEcransMenus BM_MenuChrono BM_BaseChrono 2.0 ratio
monitor_requests_2000 BenchMoniteurScripts BM_DemandesPuisImage BM_ReconstructionPuisImage 1.2 ratio
monitor_rebuild_2000  BenchMoniteurScripts BM_Reconstruction BM_LignesBrutes 3.0 ratio
anim_editor_undo     BenchAnimEditeur BM_AjouterAnnulation BM_CopierSprite 2.0 ratio
picker_list_2000  BenchChoixDec BM_ChargerListeChoixDec BM_ListeBrute 1.5 ratio
# 500 characters' movement over 2,000 sprites against the very same collision probes alone.
# Counted by callgrind, a frame runs 1.97 M instructions against the baseline's 1.60 M (1.23x):
# the probes cost the same 1.57 M on both sides, the characters' own steps add 0.37 M (730 a
# character, spread over the walk, the sprite's animation, the aim, the fall and the jump).
# Timed at a load of 5 on 8 cores it gave the same (1.20-1.24x, PASS in three runs); at a load
# of 25-30 its rounds spread from 0.8x to 2.0x and it ended NEAR: there the noise decides.
movement_500      BenchMouvement BM_MouvementPersos BM_SondesSeules 1.3 ratio
# 500 characters' whole frame, collision probes included, in CPU time.
movement_500_frame BenchMouvement BM_MouvementPersos - 3.0 abs
ai_500            BenchIA BM_MajIA BM_SondesSeules 1.3 ratio
# The whole process's CPU time, the software renderer's threads included: the noisiest
# pair, given more rounds.
empty_game_frame BenchBoucle BM_ImageJeuNiveauVide BM_SceneNue 1.0 ms
# Editor frames with 5,000 particles, one key typed per frame into the particle options.
particle_dialog_typing BenchDialogueParticules BM_EtapeSaisieParticules BM_EtapeDialogueCache 1.2 ratio
FIN

rounds=6
maxRounds=25
budget=240
build=1
delai=600
dir=build/bench/bench
fichierCibles=""
only=()
declare -A override=()
while [ $# -gt 0 ]; do
    case "$1" in
        --rounds) rounds="$2"; shift 2 ;;
        --max-rounds) maxRounds="$2"; shift 2 ;;
        --budget) budget="$2"; shift 2 ;;
        --no-build) build=0; shift ;;
        --target) override["${2%%=*}"]="${2#*=}"; shift 2 ;;
        --only) IFS=, read -r -a noms <<<"$2"; only+=("${noms[@]}"); shift 2 ;;
        --timeout) delai="$2"; shift 2 ;;
        --dir) dir="$2"; shift 2 ;;
        --targets) fichierCibles="$2"; shift 2 ;;
        *) echo "unknown option: $1 (bench/ratios.sh --help lists them)" >&2; exit 2 ;;
    esac
done
[ -n "$fichierCibles" ] && CIBLES=$(cat "$fichierCibles")

construire() {
    cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTUV_BENCH=ON -DTUV_TESTS=OFF >/dev/null &&
        cmake --build build/bench >/dev/null ||
        echo "the benchmarks did not build: the targets of the missing binaries fail" >&2
}

# The render benchmarks need a display: run the whole script inside one Xvfb. -noreset: by
# default the server resets itself whenever its last client leaves, and drops any connection
# made meanwhile; a benchmark process ending and the next one starting (or SFML closing and
# opening its display between two benchmarks of one binary) would now and then hit that reset.
if [ -z "${DISPLAY:-}" ]; then
    args=(--rounds "$rounds" --max-rounds "$maxRounds" --budget "$budget" --no-build --timeout "$delai" --dir "$dir")
    [ ${#only[@]} -gt 0 ] && args+=(--only "$(IFS=,; echo "${only[*]}")")
    [ -n "$fichierCibles" ] && args+=(--targets "$fichierCibles")
    for k in "${!override[@]}"; do args+=(--target "$k=${override[$k]}"); done
    [ "$build" = 1 ] && construire
    exec xvfb-run -a -s "-screen 0 1600x1000x24 -noreset" "$0" "${args[@]}"
fi
[ "$build" = 1 ] && construire
export ALSOFT_DRIVERS=null
journaux="$(dirname "$dir")/journaux"
mkdir -p "$journaux"

# The CPU time of one benchmark, in microseconds (one run, as long as Google Benchmark
# chooses), on standard output; its error output appended to the log. A benchmark measuring
# the process's CPU time is named "name/process_time/...". Fails, saying why on its last
# line of the log, when the binary is missing, aborts, times out or prints no timing. Each
# run is made once: a failure is never hidden by running again.
temps() {
    local bin="$dir/bench_$1" nom=$2 log=$3 sortie statut valeur
    if [ ! -x "$bin" ]; then
        echo "ratios.sh: no benchmark binary $bin" >>"$log"
        return 1
    fi
    sortie=$(timeout -k 10 "$delai" "$bin" --benchmark_filter="^$nom(/.*)?\$" --benchmark_format=csv 2>>"$log")
    statut=$?
    if [ "$statut" = 124 ] || [ "$statut" = 137 ]; then
        echo "ratios.sh: timed out after $delai s" >>"$log"
        return 1
    fi
    valeur=$(awk -F, -v nom="$nom" '$1 == "\"" nom "\"" || index($1, "\"" nom "/") == 1 {
            if ($9 == "true") { m = $10; gsub(/"/, "", m); print "error: " m; next }
            u = $5; gsub(/"/, "", u)
            f = 1; if (u == "ns") f = 0.001; else if (u == "ms") f = 1000; else if (u == "s") f = 1e6
            printf "%.3f\n", $4 * f }' <<<"$sortie")
    if [ "$statut" != 0 ]; then
        echo "ratios.sh: exit status $statut" >>"$log"
        return 1
    fi
    if [[ "$valeur" == error:* ]]; then
        echo "ratios.sh: $nom: $valeur" >>"$log"
        return 1
    fi
    if [ "$(wc -l <<<"$valeur")" != 1 ] || [ -z "$valeur" ]; then
        echo "ratios.sh: no single timing for $nom in the output of $bin" >>"$log"
        return 1
    fi
    echo "$valeur"
}

choisie() {
    [ ${#only[@]} -eq 0 ] && return 0
    local n
    for n in "${only[@]}"; do [ "$n" = "$1" ] && return 0; done
    return 1
}

# Why a run failed: the benchmark's own last error line (not Google Benchmark's banner), then
# what this script saw (exit status, time out, no timing).
derniereErreur() {
    local propre raison
    raison=$(grep '^ratios.sh: ' "$1" | tail -n 1)
    raison=${raison#ratios.sh: }
    propre=$(grep -Ev '^ratios.sh: |^[[:space:]]*$|^Run on |^Running |^CPU Caches:|^  L[0-9]|^Load Average:|^\*\*\*WARNING|^[0-9]{4}-[0-9]{2}-[0-9]{2}T' "$1" |
        tail -n 1)
    if [ -n "$propre" ] && [[ "$raison" == "exit status"* ]]; then
        echo "$propre ($raison)"
    else
        echo "$raison"
    fi
}

# A distribution-free 95 % confidence interval of the median of the rounds: with n sorted
# values v1 <= ... <= vn, the interval [vk, v(n+1-k)] holds the true median with probability
# 1 - 2 P(B < k), B binomial(n, 1/2); k is the largest with P(B < k) <= 2.5 %. It needs at
# least 6 rounds (with 5, the smallest and largest round only bound a 94 % interval, taken
# then). No assumption on the rounds' distribution: a skewed or bimodal spread of rounds, as
# a busy machine gives, widens the interval instead of misleading it.
# Prints "median low high" of the values on standard input.
intervalle() {
    sort -g | awk '{ v[NR] = $1 }
        END {
            n = NR; p = 0.5 ^ n; cumul = p; k = 1
            for (i = 1; i < n; ++i) { p = p * (n - i + 1) / i; if (cumul + p > 0.025) break; cumul += p; k = i + 1 }
            m = (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
            printf "%.3f %.3f %.3f\n", m, v[k], v[n + 1 - k] }'
}

# PASS when the whole interval lies at or below the target, FAIL when it lies above, NEAR
# while the target is inside it.
jugement() {
    awk -v bas="$1" -v haut="$2" -v c="$3" 'BEGIN { print (haut <= c) ? "PASS" : (bas > c) ? "FAIL" : "NEAR" }'
}

# One round of a pair: ours, then the baseline, in the pair's environment; appends the value
# of the round (ratio, difference in ms or ours alone in ms) to valeurs, and each side's time.
tour() {
    local a b
    a=$(exportees; temps "$bin" "$nous" "$log") || return 1
    if [ "$sorte" = abs ]; then
        b=1
    else
        b=$(exportees; temps "$bin" "$base" "$log") || return 1
    fi
    nos+=("$a")
    bases+=("$b")
    case "$sorte" in
        ratio) valeurs+=("$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.3f", a / b }')") ;;
        ms) valeurs+=("$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.3f", (a - b) / 1000 }')") ;;
        *) valeurs+=("$(awk -v a="$a" 'BEGIN { printf "%.3f", a / 1000 }')") ;;
    esac
}

# The pair's own settings (VAR=value columns of its line), exported in the subshell that runs
# one benchmark.
exportees() {
    local v
    for v in "${envPaire[@]}"; do export "${v?}"; done
}

echec=0
proches=()
declare -A compte=([PASS]=0 [NEAR]=0 [FAIL]=0)
# name binary ours baseline target kind [VAR=value ...]: the pair runs its first rounds, then
# one more at a time while its interval still holds the target, up to --max-rounds rounds or
# --budget seconds spent on the pair.
verifier() {
    local nom=$1 bin=$2 nous=$3 base=$4 cible=$5 sorte=$6
    shift 6
    local envPaire=("$@")
    choisie "$nom" || return 0
    cible=${override[$nom]:-$cible}
    local log="$journaux/$nom.log" valeurs=() nos=() bases=() debut=$SECONDS
    local m bas haut verdict=NEAR
    : >"$log"
    while [ ${#valeurs[@]} -lt "$maxRounds" ]; do
        if ! tour; then
            printf '%-22s %7s %7s  FAIL (aborted: %s)  log: %s\n' "$nom" - "$cible" "$(derniereErreur "$log")" "$log"
            echec=1
            compte[FAIL]=$((compte[FAIL] + 1))
            return 0
        fi
        [ ${#valeurs[@]} -lt "$rounds" ] && continue
        read -r m bas haut < <(printf '%s\n' "${valeurs[@]}" | intervalle)
        verdict=$(jugement "$bas" "$haut" "$cible")
        [ "$verdict" != NEAR ] || [ $((SECONDS - debut)) -ge "$budget" ] && break
    done
    rm -f "$log"
    compte[$verdict]=$((compte[$verdict] + 1))
    [ "$verdict" = FAIL ] && echec=1
    [ "$verdict" = NEAR ] && proches+=("$nom")
    afficher
}

# The pair's line: median, target, verdict, the interval and the number of rounds, each
# side's median time, every round in the order it ran.
afficher() {
    local mn mb figures
    mn=$(printf '%s\n' "${nos[@]}" | intervalle | cut -d' ' -f1)
    mb=$(printf '%s\n' "${bases[@]}" | intervalle | cut -d' ' -f1)
    figures=$(awk -v a="$mn" -v b="$mb" 'BEGIN { printf "ours %.2f ms, baseline %.2f ms; ", a / 1000, b / 1000 }')
    local suite
    suite=$(printf '[%.2f, %.2f] in %d rounds' "$bas" "$haut" ${#valeurs[@]})
    case "$sorte" in
        ratio) printf '%-22s %6.2fx %6.2fx  %-4s  %s   (%srounds: %s)\n' "$nom" "$m" "$cible" "$verdict" "$suite" "$figures" "${valeurs[*]}" ;;
        ms) printf '%-22s %+6.2fms %5.2fms  %-4s  %s   (%srounds: %s)\n' "$nom" "$m" "$cible" "$verdict" "$suite" "$figures" "${valeurs[*]}" ;;
        *) printf '%-22s %6.2fms %5.2fms  %-4s  %s   (rounds: %s)\n' "$nom" "$m" "$cible" "$verdict" "$suite" "${valeurs[*]}" ;;
    esac
}

while read -r ligne; do
    case "$ligne" in '' | '#'*) continue ;; esac
    # shellcheck disable=SC2086
    verifier $ligne
done <<<"$CIBLES"
echo "PASS ${compte[PASS]}, NEAR ${compte[NEAR]}, FAIL ${compte[FAIL]}"
[ ${#proches[@]} -gt 0 ] && echo "NEAR (the target is inside the interval after the rounds allowed): ${proches[*]}"
exit "$echec"
