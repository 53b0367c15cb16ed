#!/usr/bin/env bash
# bench/ratios.sh over fake benchmarks: one that aborts, one silent, one too slow and a
# missing binary each give a FAIL line naming their last error and their log, and the
# targets after them still run, the aborted one run once only; the exit status says a target
# failed.
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
    *BM_Base*) ligne BM_Base 1 ;;
    *BM_Avorte*) echo run >>"$(dirname "$0")/avorte.runs"; echo "assertion failed: the plane is empty" >&2; kill -ABRT $$ ;;
    *BM_Muet*) ;;
    *BM_Lent*) sleep 30 ;;
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
CIBLES
sortie=$("$racine/bench/ratios.sh" --no-build --rounds 1 --timeout 1 --dir "$tmp/bin" --targets "$tmp/cibles")
statut=$?
echo "$sortie"
erreurs=0
attendre() {
    grep -Eq "$1" <<<"$sortie" || { echo "missing line: $1" >&2; erreurs=1; }
}
attendre "^avorte +- +1.5 +FAIL \(aborted: assertion failed: the plane is empty \(exit status 134\)\)  log: $tmp/journaux/avorte.log$"
attendre "^muet +- +1.5 +FAIL \(aborted: no single timing for BM_Muet"
attendre "^lent +- +1.5 +FAIL \(aborted: timed out after 1 s\)"
attendre "^absent +- +1.5 +FAIL \(aborted: no benchmark binary $tmp/bin/bench_Manquant\)"
attendre "^bon +2.00x +2.50x +PASS"
attendre "^trop +2.00ms +1.00ms +FAIL"
grep -q "assertion failed" "$tmp/journaux/avorte.log" || { echo "the abort's error output is not in its log" >&2; erreurs=1; }
[ "$(wc -l <"$tmp/bin/avorte.runs")" = 1 ] || { echo "the aborted benchmark was run again" >&2; erreurs=1; }
[ "$statut" != 0 ] || { echo "exit status 0 with failed targets" >&2; erreurs=1; }
seules=$("$racine/bench/ratios.sh" --no-build --rounds 1 --dir "$tmp/bin" --targets "$tmp/cibles" --only bon,trop)
[ "$(wc -l <<<"$seules")" = 2 ] || { echo "--only bon,trop ran: $seules" >&2; erreurs=1; }
exit "$erreurs"
