#!/usr/bin/env bash
# Builds the benchmarks (Release) and checks each performance target against its baseline
# measured in the same run: every pair runs several rounds interleaved (ours, baseline,
# ours, ...) so that a busy machine slows both sides alike, and the median of the rounds'
# ratios is compared with the target. Prints one line per target:
#     name  ratio  target  PASS|FAIL
# then the median times of both sides and every round's ratio, and exits non-zero when a
# target is missed. Timings are noisy: not run by CI or test.sh.
#
#   bench/ratios.sh [--rounds N] [--no-build] [--target name=value ...] [--only name]
#
# --target overrides a target (e.g. --target anm_load=1.1 to see a FAIL); --only runs one.
set -euo pipefail
cd "$(dirname "$0")/.."

rounds=5
build=1
only=""
declare -A override=()
while [ $# -gt 0 ]; do
    case "$1" in
        --rounds) rounds="$2"; shift 2 ;;
        --no-build) build=0; shift ;;
        --target) override["${2%%=*}"]="${2#*=}"; shift 2 ;;
        --only) only="$2"; shift 2 ;;
        *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
done

# The render benchmarks need a display: run the whole script inside one Xvfb.
if [ -z "${DISPLAY:-}" ]; then
    args=(--rounds "$rounds" --no-build)
    [ -n "$only" ] && args+=(--only "$only")
    for k in "${!override[@]}"; do args+=(--target "$k=${override[$k]}"); done
    if [ "$build" = 1 ]; then
        cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTUV_BENCH=ON -DTUV_TESTS=OFF >/dev/null
        cmake --build build/bench >/dev/null
    fi
    exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "${args[@]}"
fi
if [ "$build" = 1 ]; then
    cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTUV_BENCH=ON -DTUV_TESTS=OFF >/dev/null
    cmake --build build/bench >/dev/null
fi
export ALSOFT_DRIVERS=null
dir=build/bench/bench

# The CPU time of one benchmark, in microseconds (one run, as long as Google Benchmark
# chooses). A benchmark measuring the process's CPU time is named "name/process_time/...".
temps() {
    "$dir/bench_$1" --benchmark_filter="^$2(/.*)?\$" --benchmark_format=csv 2>/dev/null |
        awk -F, -v nom="$2" '$1 == "\"" nom "\"" || index($1, "\"" nom "/") == 1 {
            u = $5; gsub(/"/, "", u)
            f = 1; if (u == "ns") f = 0.001; else if (u == "ms") f = 1000; else if (u == "s") f = 1e6
            printf "%.3f\n", $4 * f }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echec=0
# name binary ours baseline target kind [rounds factor]
# kind: "ratio" (ours / baseline) or "ms" (ours - baseline, in ms of CPU time)
verifier() {
    local nom=$1 bin=$2 nous=$3 base=$4 cible=$5 sorte=$6 facteur=${7:-1}
    [ -n "$only" ] && [ "$only" != "$nom" ] && return 0
    cible=${override[$nom]:-$cible}
    local valeurs=() nos=() bases=() a b
    for ((r = 0; r < rounds * facteur; ++r)); do
        a=$(temps "$bin" "$nous")
        b=$(temps "$bin" "$base")
        if [ -z "$a" ] || [ -z "$b" ]; then
            echo "$nom: no timing from bench_$bin ($nous, $base)" >&2
            echec=1
            return 0
        fi
        nos+=("$a")
        bases+=("$b")
        if [ "$sorte" = ratio ]; then
            valeurs+=("$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.3f", a / b }')")
        else
            valeurs+=("$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.3f", (a - b) / 1000 }')")
        fi
    done
    local m verdict mn mb
    m=$(printf '%s\n' "${valeurs[@]}" | median)
    mn=$(printf '%s\n' "${nos[@]}" | median)
    mb=$(printf '%s\n' "${bases[@]}" | median)
    verdict=$(awk -v m="$m" -v c="$cible" 'BEGIN { print (m <= c) ? "PASS" : "FAIL" }')
    [ "$verdict" = FAIL ] && echec=1
    local figures
    figures=$(awk -v a="$mn" -v b="$mb" 'BEGIN { printf "ours %.2f ms, baseline %.2f ms", a / 1000, b / 1000 }')
    if [ "$sorte" = ratio ]; then
        printf '%-22s %6.2fx %6.2fx  %s   (%s; rounds: %s)\n' "$nom" "$m" "$cible" "$verdict" "$figures" "${valeurs[*]}"
    else
        printf '%-22s %+6.2fms %5.2fms  %s   (%s; rounds: %s)\n' "$nom" "$m" "$cible" "$verdict" "$figures" "${valeurs[*]}"
    fi
}

verifier number_readers   BenchTuvFile BM_CTUVFileNombres BM_GetlineFromChars 1.3 ratio
verifier string_readers   BenchTuvFile BM_CTUVFile BM_GetlineSplit 1.2 ratio
verifier anm_load         BenchAnm BM_ChargerAnm BM_LireOctetsCTUVFile 1.5 ratio
verifier sprite3_200x20   BenchSprite3 BM_Sprites3MajEtDessin BM_QuadsVertexArray 1.5 ratio
verifier sprite3_120_keyframes BenchSprite3 BM_Sprites3MajEtDessin120Keyframes BM_Sprites3MajEtDessin 1.1 ratio
verifier sprites_5000     BenchSprites BM_SpritesAfficher BM_SpritesSFMLDirects 1.2 ratio
verifier lobby_list_1000  BenchLobby BM_ListeServeur BM_ListeFichier 2.0 ratio
verifier script_zones_2000   BenchScripts BM_PasseScriptsZones BM_ZonesBrutes 2.0 ratio
verifier script_keyword_steps BenchScripts BM_EtapesBascule BM_EtapesLabels 1.2 ratio
verifier script_getsdpos_200 BenchCommandes BM_GetSDPosScripts BM_RechercheLineaire 1.3 ratio
verifier script_drawmsg_frame BenchCommandes BM_ImageDrawMsg BM_DessinSFML 1.5 ratio
verifier level_frame      BenchDecorDessin BM_DessinerNiveau BM_DessinBrut 1.5 ratio
# The editor's views against the sprite they show: the whole process's CPU time, noisy too.
verifier anim_editor_view    BenchEditeurAnimations BM_VueAnimation BM_SpriteSeul 1.5 ratio 3
verifier anim_editor_sheet   BenchEditeurAnimations BM_VuePlanche BM_SpriteSeul 1.5 ratio 3
verifier shots_2000_update BenchTirs BM_MajTirs BM_SondesBrutes 1.5 ratio
verifier shots_2000_draw  BenchTirs BM_AfficherTirs BM_SpritesBruts 1.3 ratio
verifier characters_300_draw BenchDessinPersos BM_DessinerPersos BM_DessinDirect 1.3 ratio
verifier level_load       BenchNiveau BM_ChargerNiveau BM_LireNiveauCTUVFile 3.0 ratio
verifier level_save       BenchSauverNiveau BM_SauverNiveau BM_EcrireLignesOfstream 2.0 ratio
verifier menu_options_multi BenchEcransMenus BM_MenuOptionsMulti BM_BaseOptionsMulti 2.0 ratio
verifier menu_chrono_list  BenchEcransMenus BM_MenuChrono BM_BaseChrono 2.0 ratio
verifier monitor_requests_2000 BenchMoniteurScripts BM_DemandesPuisImage BM_ReconstructionPuisImage 1.2 ratio
verifier monitor_rebuild_2000  BenchMoniteurScripts BM_Reconstruction BM_LignesBrutes 3.0 ratio
verifier anim_editor_undo     BenchAnimEditeur BM_AjouterAnnulation BM_CopierSprite 2.0 ratio
verifier picker_list_2000  BenchChoixDec BM_ChargerListeChoixDec BM_ListeBrute 1.5 ratio
# The whole process's CPU time, the software renderer's threads included: the noisiest
# pair, given more rounds.
verifier movement_500      BenchMouvement BM_MouvementPersos BM_SondesSeules 1.3 ratio
verifier ai_500            BenchIA BM_MajIA BM_SondesSeules 1.3 ratio
verifier empty_game_frame BenchBoucle BM_ImageJeuNiveauVide BM_SceneNue 1.0 ms 3
# Editor frames with 5,000 particles, one key typed per frame into the particle options.
verifier particle_dialog_typing BenchDialogueParticules BM_EtapeSaisieParticules BM_EtapeDialogueCache 1.2 ratio 3
exit "$echec"
