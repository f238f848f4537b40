#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints through a real CUPS scheduler: a private cupsd (run as root, no systemd) with one
# file-backed queue whose pass-through PPD (tests/cups/) defaults to Letter at 300 dpi. Prints a
# grade's check lists (B4), reports, summary tables and analysis per question (A4) with
# --printer, waits for the jobs, and compares the PDFs that the queue wrote with those of --pdf:
# page count, page size and the position of every word. Skipped, with a message, where the
# scheduler cannot start.
# Usage: scripts/cups-test.sh [BUILD_DIR]; KEEP=1 keeps its directory, CUPS_LOG_LEVEL=debug
# makes the scheduler's error_log tell what it did.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cli="$(cd "${1:-$root/build}" && pwd)/cli/jitsuryoku"
skip() {
    echo "cups-test: SKIPPED: $*" >&2
    exit 0
}
[ "$(id -u)" -eq 0 ] || skip "the private print scheduler needs root"
command -v cupsd >/dev/null && command -v lpadmin >/dev/null || skip "cups is not installed"

dir="$(mktemp -d /tmp/jitsu-cups.XXXXXX)"
chmod 755 "$dir"
pid=""
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    [ -z "$pid" ] || wait "$pid" 2>/dev/null || true
    [ -n "${KEEP:-}" ] || rm -rf "$dir"
}
trap cleanup EXIT
mkdir -p "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/out" "$dir/year"
chmod 777 "$dir/out"
cat >"$dir/cupsd.conf" <<CONF
Listen $dir/sock
Browsing No
DefaultAuthType None
LogLevel ${CUPS_LOG_LEVEL:-warn}
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/access_log
ErrorLog $dir/error_log
PageLog $dir/page_log
FileDevice Yes
SystemGroup root
CONF
setsid cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" >"$dir/cupsd.out" 2>&1 &
pid=$!
export CUPS_SERVER="$dir/sock"
for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    kill -0 "$pid" 2>/dev/null || skip "cupsd did not start: $(tail -n 3 "$dir/cupsd.out" "$dir/error_log" 2>/dev/null | tr '\n' ' ')"
    sleep 0.1
done
lpstat -r 2>/dev/null | grep -q "is running" || skip "cupsd does not answer on $CUPS_SERVER"

queue=jitsu-test
# lpadmin warns that PPD files are deprecated; any other complaint stops the test.
lpadmin -p "$queue" -E -v "file://$dir/out/printed.pdf" -P "$root/tests/cups/pass-through.ppd" \
    2>"$dir/lpadmin.err" || { cat "$dir/lpadmin.err" >&2; exit 1; }
cupsenable "$queue"
cupsaccept "$queue"

export QT_QPA_PLATFORM=offscreen
"$cli" demo "$dir/year" >/dev/null
jitsuryoku() { "$cli" -C "$dir/year" "$@"; }

# The words of a PDF, one a line: page, x, y (top left, points) and the text.
words() {
    pdftotext -bbox "$1" - | awk -F'"' '
        /<page / { page++ }
        /<word / { t = $0; sub(/.*">/, "", t); sub(/<\/word>.*/, "", t)
                   printf "%d %s %s %s\n", page, $2, $4, t }'
}

# Prints one job with --printer, waits for it, and compares the file with the --pdf one.
check() {
    local name="$1"
    shift
    rm -f "$dir/out/printed.pdf"
    jitsuryoku "$@" --pdf "$name.pdf" >/dev/null
    jitsuryoku "$@" --printer "$queue" >/dev/null
    for _ in $(seq 300); do
        [ -z "$(lpstat -o "$queue" 2>/dev/null)" ] && break
        sleep 0.1
    done
    [ -z "$(lpstat -o "$queue")" ] || { echo "cups-test: $name: the job did not complete" >&2; exit 1; }
    local expected="$dir/year/$name.pdf" printed="$dir/out/printed.pdf"
    [ -s "$printed" ] || { echo "cups-test: $name: the queue wrote no file" >&2; tail "$dir/error_log" >&2; exit 1; }
    local pages size
    for what in Pages "Page size"; do
        pages="$(pdfinfo "$expected" | grep "^$what:" | sed 's/ (.*//')"
        size="$(pdfinfo "$printed" | grep "^$what:" | sed 's/ (.*//')"
        [ "$pages" = "$size" ] || { echo "cups-test: $name: $size, not $pages" >&2; exit 1; }
    done
    # Every word on the same page, with the same text, within half a point of its place.
    if ! awk '
        { key = $1 SUBSEP $4; for (i = 5; i <= NF; i++) key = key " " $i }
        FNR == NR { total++; n[key]++; x[key, n[key]] = $2; y[key, n[key]] = $3; next }
        { found = 0
          for (i = 1; i <= n[key] && !found; i++)
              if (!used[key, i] && (x[key, i] - $2) ^ 2 <= 0.25 && (y[key, i] - $3) ^ 2 <= 0.25)
                  found = used[key, i] = 1
          if (!found) { print "  not printed: page " $0; bad = 1; exit }
          matched++ }
        END { if (!bad && (matched != FNR || matched != total)) bad = 1; exit bad }' \
        <(words "$printed") <(words "$expected") >&2; then
        echo "cups-test: $name: the printed words differ from the PDF's" >&2
        exit 1
    fi
    echo "cups-test: $name: $(pdfinfo "$printed" | grep '^Pages:' | tr -s ' '), $(words "$printed" | wc -l) words as in the PDF"
}

check checklists checklists --year 2026 --test 2 --grade 1
check reports reports --year 2026 --test 2 --grade 2
jitsuryoku results --year 2026 --test 2 --grade 3 >/dev/null
check summary summary --year 2026 --test 2 --grade 3
# The analysis per question of the sample marks (their sums replace the demo's scores).
jitsuryoku questions import --test 2 --grade 1 --subject 数学 --force \
    "$root/docs/samples/questions-1-math.csv" "$root/docs/samples/answers-1-math.csv" >/dev/null 2>&1
check questions questions report --test 2 --grade 1 --subject 数学 --classes 1
# An unknown queue: one line naming it, exit status 1.
if message="$(jitsuryoku checklists --year 2026 --test 2 --grade 1 --printer no-such-queue 2>&1)"; then
    echo "cups-test: printing to an unknown queue succeeded" >&2
    exit 1
fi
[ "$(printf '%s\n' "$message" | wc -l)" -eq 1 ] && [[ "$message" == *no-such-queue* ]] ||
    { echo "cups-test: unknown queue: $message" >&2; exit 1; }
echo "cups-test: passed"
