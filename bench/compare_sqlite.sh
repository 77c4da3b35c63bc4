#!/usr/bin/env bash
# Times rolva's import and export of one comma-separated file against the sqlite3 shell
# doing the same work: `rolva import` against `.import` into a fresh database file, and
# `rolva export` against `sqlite3 -csv` of the same table. Each step runs several times;
# the medians and the ratios rolva / sqlite3 are printed.
#
# Usage: bench/compare_sqlite.sh [ROLVA] [ROWS] [RUNS]
#   ROLVA  the rolva program (default: build/release/cli/rolva)
#   ROWS   data lines in the file (default 16000, the most a database holds; both programs
#          take the header line as the column names: rolva finds the field labels in it)
#   RUNS   runs of each step (default 5)
set -euo pipefail

rolva=${1:-build/release/cli/rolva}
rows=${2:-16000}
runs=${3:-5}

command -v sqlite3 >/dev/null || { echo "sqlite3 is not installed" >&2; exit 2; }
[ -x "$rolva" ] || { echo "no rolva program at $rolva" >&2; exit 2; }
rolva=$(cd "$(dirname "$rolva")" && pwd)/$(basename "$rolva")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ROLVA_SETTINGS="$work/rolvadesk.ini"

# The data: a header line and one quoted line per record, as rolva itself writes them.
awk -v rows="$rows" 'BEGIN {
    print "\"Name\",\"City\",\"Kind\",\"Price\",\"Count\",\"Notes\""
    split("Book Tool Toy Food", kinds, " ")
    for (i = 0; i < rows; i++)
        printf "\"Item %d\",\"City %d\",\"%s\",\"%d.25\",\"%d\",\"%s\"\n",
               i, i % 97, kinds[i % 4 + 1], i % 1000, i, (i % 3 ? "" : "A note, with a comma")
}' > "$work/data.csv"

now() { date +%s%N; }

# Runs "prepare" (untimed) then "step" (timed) RUNS times; prints the median in milliseconds.
median_ms() {
    local prepare=$1 step=$2 times=() start
    for ((run = 0; run < runs; run++)); do
        eval "$prepare"
        start=$(now)
        eval "$step" >/dev/null
        times+=($(( ($(now) - start) / 1000 )))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] / 1000 }'
}

rolva_new='rm -f "$work/db.rlv"; "$rolva" new "$work/db.rlv" --field Name:text --field City:text \
    --field Kind:choice:items="Book|Tool|Toy|Food" --field Price:number:decimals=2 \
    --field Count:number --field Notes:text >/dev/null'
sqlite_new='rm -f "$work/db.sqlite"'

rolva_import=$(median_ms "$rolva_new" '"$rolva" import "$work/db.rlv" "$work/data.csv"')
sqlite_import=$(median_ms "$sqlite_new" 'sqlite3 "$work/db.sqlite" ".mode csv" ".import $work/data.csv items"')

rolva_export=$(median_ms 'rm -f "$work/out.csv"' '"$rolva" export "$work/db.rlv" "$work/out.csv"')
sqlite_export=$(median_ms 'rm -f "$work/out.sqlite.csv"' \
    'sqlite3 -csv -header "$work/db.sqlite" "SELECT * FROM items" > "$work/out.sqlite.csv"')

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

echo "records: $rows, runs: $runs (medians, whole programs including start-up)"
printf '%-8s %12s %12s %8s\n' step "rolva ms" "sqlite3 ms" ratio
printf '%-8s %12s %12s %8s\n' import "$rolva_import" "$sqlite_import" "$(ratio "$rolva_import" "$sqlite_import")"
printf '%-8s %12s %12s %8s\n' export "$rolva_export" "$sqlite_export" "$(ratio "$rolva_export" "$sqlite_export")"
