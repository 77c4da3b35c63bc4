#!/usr/bin/env bash
# Times rolva's import and export of one comma-separated file against the sqlite3 shell
# doing the same work: `rolva import` against `.import` into a fresh database file, and
# `rolva export` against `sqlite3 -csv` of the same table. Each step runs several times;
# the medians of the wall time and of the peak memory (resident set) are printed with the
# ratios rolva / sqlite3, and the import's peak memory against the size of the database
# file it wrote. The two programs take turns, run by run, so that a busy moment of the
# machine falls on both.
#
# Usage: bench/compare_sqlite.sh [ROLVA] [ROWS] [RUNS]
#   ROLVA  the rolva program (default: build/release/cli/rolva)
#   ROWS   data lines in the file (default 16000, the most a database holds; both programs
#          take the header line as the column names: rolva finds the field labels in it)
#   RUNS   runs of each step (default 5)
#
# The file has twenty columns: twelve texts (every fourth quoted with a comma inside), four
# numbers, two dates, a time and a check box, about 3.6 MB at the default size.
set -euo pipefail

rolva=${1:-build/release/cli/rolva}
rows=${2:-16000}
runs=${3:-5}

command -v sqlite3 >/dev/null || { echo "sqlite3 is not installed" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "GNU time (/usr/bin/time) is not installed" >&2; exit 2; }
[ -x "$rolva" ] || { echo "no rolva program at $rolva" >&2; exit 2; }
rolva=$(cd "$(dirname "$rolva")" && pwd)/$(basename "$rolva")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ROLVA_SETTINGS="$work/rolvadesk.ini"

awk -v rows="$rows" 'BEGIN {
    srand(20240601)
    for (c = 1; c <= 20; c++) printf "%s\"Column %d\"", (c > 1 ? "," : ""), c
    printf "\n"
    for (i = 0; i < rows; i++) {
        line = ""
        for (c = 0; c < 20; c++) {
            if (c < 12) {
                w = ""
                for (k = 0; k < 9; k++) w = w sprintf("%c", 97 + int(rand() * 26))
                v = (c % 4 == 0) ? "\"" substr(w, 1, 8) ", " substr(w, 2, 5) "\"" : w
            } else if (c < 16) {
                v = int(rand() * 100000) "." int(rand() * 100)
            } else if (c < 18) {
                v = (1 + int(rand() * 12)) "/" (1 + int(rand() * 28)) "/" (1990 + int(rand() * 30))
            } else if (c == 18) {
                v = (1 + int(rand() * 12)) ":" (10 + int(rand() * 50)) " PM"
            } else {
                v = rand() < 0.5 ? "yes" : "no"
            }
            line = line (c ? "," : "") v
        }
        print line
    }
}' > "$work/data.csv"

now() { date +%s%N; }

# Runs one step once: "prepare" (untimed), then "step" (timed). Prints the wall time in
# microseconds and the peak resident memory in KB.
run_once() {
    local prepare=$1 step=$2 start
    eval "$prepare"
    start=$(now)
    eval "/usr/bin/time -f %M -o \"$work/peak\" $step" >/dev/null
    echo "$(( ($(now) - start) / 1000 )) $(cat "$work/peak")"
}

median() { printf '%s\n' "$@" | sort -n | awk -v d="$scale" '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] / d }'; }

# Runs rolva's step and sqlite3's step RUNS times each, taking turns, so that both meet the
# same machine. Prints the median wall times in milliseconds and the median peak memories in
# MB: rolva's, then sqlite3's.
measure_pair() {
    local rolva_times=() rolva_peaks=() sqlite_times=() sqlite_peaks=() us kb
    for ((run = 0; run < runs; run++)); do
        read -r us kb < <(run_once "$1" "$2")
        rolva_times+=("$us"); rolva_peaks+=("$kb")
        read -r us kb < <(run_once "$3" "$4")
        sqlite_times+=("$us"); sqlite_peaks+=("$kb")
    done
    scale=1000 median "${rolva_times[@]}"; printf ' '
    scale=1024 median "${rolva_peaks[@]}"; printf ' '
    scale=1000 median "${sqlite_times[@]}"; printf ' '
    scale=1024 median "${sqlite_peaks[@]}"; echo
}

# The fields carry the labels of the header line, so that rolva leaves that line out.
fields=()
for c in $(seq 1 12); do fields+=(--field "Column $c:text"); done
for c in $(seq 13 16); do fields+=(--field "Column $c:number:decimals=2"); done
fields+=(--field "Column 17:date" --field "Column 18:date" --field "Column 19:time" --field "Column 20:checkbox")
rolva_new='rm -f "$work/db.rlv" "$work/db.rlv.import.log"; "$rolva" new "$work/db.rlv" "${fields[@]}" >/dev/null'
sqlite_new='rm -f "$work/db.sqlite"'

read -r rolva_import rolva_import_mb sqlite_import sqlite_import_mb < <(measure_pair \
    "$rolva_new" '"$rolva" import "$work/db.rlv" "$work/data.csv"' \
    "$sqlite_new" 'sqlite3 "$work/db.sqlite" ".mode csv" ".import $work/data.csv items"')
db_mb=$(awk -v b="$(stat -c %s "$work/db.rlv")" 'BEGIN { printf "%.1f", b / 1048576 }')
csv_mb=$(awk -v b="$(stat -c %s "$work/data.csv")" 'BEGIN { printf "%.2f", b / 1048576 }')

read -r rolva_export rolva_export_mb sqlite_export sqlite_export_mb < <(measure_pair \
    'rm -f "$work/out.csv"' '"$rolva" export "$work/db.rlv" "$work/out.csv"' \
    'rm -f "$work/out.sqlite.csv"' 'sqlite3 -csv -header "$work/db.sqlite" "SELECT * FROM items" > "$work/out.sqlite.csv"')

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

echo "records: $rows + header line, 20 columns, $csv_mb MB of text; runs: $runs"
echo "(medians; whole programs including start-up; memory is the peak resident set)"
printf '%-8s %10s %10s %7s %12s %12s %7s\n' step "rolva ms" "sqlite3 ms" ratio "rolva MB" "sqlite3 MB" ratio
printf '%-8s %10s %10s %7s %12s %12s %7s\n' import "$rolva_import" "$sqlite_import" \
    "$(ratio "$rolva_import" "$sqlite_import")" "$rolva_import_mb" "$sqlite_import_mb" \
    "$(ratio "$rolva_import_mb" "$sqlite_import_mb")"
printf '%-8s %10s %10s %7s %12s %12s %7s\n' export "$rolva_export" "$sqlite_export" \
    "$(ratio "$rolva_export" "$sqlite_export")" "$rolva_export_mb" "$sqlite_export_mb" \
    "$(ratio "$rolva_export_mb" "$sqlite_export_mb")"
echo "database file: $db_mb MB; import peak memory / database file: $(ratio "$rolva_import_mb" "$db_mb")"
