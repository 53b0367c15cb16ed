#!/usr/bin/env bash
# Fails when an object of a library takes a symbol that only a library above it defines: the
# static libraries are given from the ground up (foundation ... game), and a reference that
# climbs would link only by the luck of an object already pulled in.
# Usage: liens_test.sh lib1.a lib2.a ...; prints each reference that climbs.
set -euo pipefail
libs=("$@")
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
for i in "${!libs[@]}"; do
    nm -P -A "${libs[$i]}" 2>/dev/null | awk -v d="$t/def$i" -v u="$t/und$i" '
        { obj = $1; sub(/:$/, "", obj); sym = $2; type = $3 }
        type ~ /^[TDBRVWuiGS]$/ { print sym > d; next }
        type == "U" || type == "w" { print obj " " sym > u }'
    touch "$t/def$i" "$t/und$i"
    sort -u -o "$t/def$i" "$t/def$i"
done
fautes=0
for i in "${!libs[@]}"; do
    : > "$t/dessous"
    for ((j = 0; j <= i; j++)); do cat "$t/def$j" >> "$t/dessous"; done
    : > "$t/dessus"
    for ((j = i + 1; j < ${#libs[@]}; j++)); do cat "$t/def$j" >> "$t/dessus"; done
    sort -u -o "$t/dessous" "$t/dessous"
    sort -u -o "$t/dessus" "$t/dessus"
    comm -23 "$t/dessus" "$t/dessous" > "$t/seulDessus"
    awk 'NR == FNR { s[$1]; next } ($2 in s)' "$t/seulDessus" "$t/und$i" > "$t/fautes$i"
    while read -r obj sym; do
        echo "FAILED: $obj takes $(echo "$sym" | c++filt) from a library above"
    done < "$t/fautes$i"
    fautes=$((fautes + $(wc -l < "$t/fautes$i")))
done
if [ "$fautes" -gt 0 ]; then
    echo "$fautes reference(s) into a library above"
    exit 1
fi
echo "no reference into a library above"
