#!/usr/bin/env bash
# bench/ratios.sh over fake benchmarks: one that aborts, one silent, one too slow and a
# missing binary each give a FAIL line naming their last error and their log, and the
# targets after them still run, the aborted one run once only; a pair clearly below its
# target passes, one clearly above fails, both in the first rounds, and one whose rounds
# straddle the target runs up to the round cap and ends NEAR; a pair's VAR=value columns reach
# its benchmarks; the exit status says a target failed; --help prints the usage.
set -uo pipefail
racine="$(cd "$(dirname "$0")/../.." && pwd)"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/bin"
cat >"$tmp/bin/bench_Faux" <<'FAUX'
#!/usr/bin/env bash
ligne() { echo 'name,iterations,real_time,cpu_time,time_unit,bytes_per_second,items_per_second,label,error_occurred,error_message'; echo "\"$1\",10,$2,$2,ms,,,,,"; }
case "$1" in
    *BM_Bon*) ligne BM_Bon 2 ;;
    *BM_Env*) ligne BM_Env "${FAUX_COUT:-4}" ;;
    *BM_Partage*) n=$(cat "$(dirname "$0")/partage.n" 2>/dev/null || echo 0); echo $((n + 1)) >"$(dirname "$0")/partage.n"
        ligne BM_Partage $((1 + 2 * (n % 2))) ;;
    *BM_Base*) ligne BM_Base 1 ;;
    *BM_Avorte*) echo run >>"$(dirname "$0")/avorte.runs"; echo "assertion failed: the plane is empty" >&2; kill -ABRT $$ ;;
    *BM_Muet*) ;;
    *BM_Lent*) sleep 120 ;;
esac
FAUX
chmod +x "$tmp/bin/bench_Faux"
cat >"$tmp/cibles" <<'CIBLES'
avorte Faux BM_Avorte BM_Base 1.5 ratio
muet   Faux BM_Muet BM_Base 1.5 ratio
lent   Faux BM_Lent BM_Base 1.5 ratio
absent Manquant BM_Bon BM_Base 1.5 ratio
bon    Faux BM_Bon BM_Base 2.5 ratio
trop   Faux BM_Bon - 1.0 abs
env    Faux BM_Env BM_Base 2.5 ratio FAUX_COUT=2
proche Faux BM_Partage BM_Base 2.0 ratio
CIBLES
sortie=$("$racine/bench/ratios.sh" --no-build --max-rounds 8 --timeout 5 --dir "$tmp/bin" --targets "$tmp/cibles")
statut=$?
echo "$sortie"
erreurs=0
attendre() {
    grep -Eq "$1" <<<"$sortie" || { echo "missing line: $1" >&2; erreurs=1; }
}
attendre "^avorte +- +1.5 +FAIL \(aborted: assertion failed: the plane is empty \(exit status 134\)\)  log: $tmp/journaux/avorte.log$"
attendre "^muet +- +1.5 +FAIL \(aborted: no single timing for BM_Muet"
attendre "^lent +- +1.5 +FAIL \(aborted: timed out after 5 s\)"
attendre "^absent +- +1.5 +FAIL \(aborted: no benchmark binary $tmp/bin/bench_Manquant\)"
attendre "^bon +2.00x +2.50x +PASS +\[2.00, 2.00\] in 6 rounds"
attendre "^env +2.00x +2.50x +PASS +\[2.00, 2.00\] in 6 rounds"
attendre "^trop +2.00ms +1.00ms +FAIL +\[2.00, 2.00\] in 6 rounds"
attendre "^proche +2.00x +2.00x +NEAR +\[1.00, 3.00\] in 8 rounds"
attendre "^PASS 2, NEAR 1, FAIL 5$"
attendre "^NEAR .*: proche$"
grep -q "assertion failed" "$tmp/journaux/avorte.log" || { echo "the abort's error output is not in its log" >&2; erreurs=1; }
[ "$(wc -l <"$tmp/bin/avorte.runs")" = 1 ] || { echo "the aborted benchmark was run again" >&2; erreurs=1; }
[ "$statut" != 0 ] || { echo "exit status 0 with failed targets" >&2; erreurs=1; }
seules=$("$racine/bench/ratios.sh" --no-build --rounds 1 --max-rounds 1 --dir "$tmp/bin" --targets "$tmp/cibles" --only bon,trop)
[ "$(grep -c -E '^(bon|trop) ' <<<"$seules")" = 2 ] && [ "$(wc -l <<<"$seules")" = 3 ] || { echo "--only bon,trop ran: $seules" >&2; erreurs=1; }
grep -q -- "--max-rounds N" <(cd "$tmp" && "$racine/bench/ratios.sh" --help) || { echo "--help prints no usage" >&2; erreurs=1; }
exit "$erreurs"
