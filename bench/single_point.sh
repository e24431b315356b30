#!/usr/bin/env bash
# single_point.sh [BUILD_DIR] [SECONDS]: the single-point clicker at speed
# "0.001" against `xdotool click --repeat N --delay 0`, both clicking into
# the same click_target on the same private Xvfb in one run. Prints the
# clicks per second each delivered, their ratio, the program's resident
# memory while idle, and its CPU time per 1,000 clicks: over the whole run
# (start and stop included) and in the steady state between the first and
# the last second. With SINGLE_POINT_PERF=FILE, perf records the steady
# state into FILE. Not a test: it judges nothing, it measures.
set -u

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build/default}" && pwd) || exit 2
seconds=${2:-5}
program=$build/bin/lumoclick
database=$build/bin/acdb.mdb
target=$build/bin/click_target
for file in "$program" "$database" "$target"; do
    [ -x "$file" ] || [ -f "$file" ] || { echo "missing $file: build lumoclick and click_target" >&2; exit 2; }
done
command -v xdotool >/dev/null || { echo "xdotool is not installed" >&2; exit 2; }

# Everything below runs on a display of its own.
if [ -z "${SINGLE_POINT_ON_XVFB:-}" ]; then
    SINGLE_POINT_ON_XVFB=1 exec "$here/../tools/with-xvfb" "$0" "$build" "$seconds"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/single_point.XXXXXX") || exit 2
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

cp "$program" "$database" "$work/"
# No count limit, the shortest speed; every value is ASCII, so GBK needs no care.
printf '[setting]\r\ntime=0.001\r\nclick=0\r\n' >"$work/setting.ini"

(cd "$work" && QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" exec ./lumoclick >"$work/program.log" 2>&1) &
program_pid=$!
pids+=("$program_pid")
if ! xdotool search --sync --onlyvisible --class lumoclick >/dev/null 2>&1; then
    echo "the program's window did not appear" >&2
    exit 1
fi

# Mapped after the program, so the full-screen target lies above its window.
log=$work/clicks.log
mkfifo "$work/ready"
"$target" "$log" >"$work/ready" &
pids+=($!)
read -r -t 10 line <"$work/ready"
[ "${line:-}" = ready ] || { echo "click_target did not start" >&2; exit 1; }
xdotool mousemove 200 150

clock_ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$program_pid/stat"; }
presses() { grep -c '^press' "$log" 2>/dev/null || true; }
# Waits until the record stops growing for half a second (at most 30 s:
# clicks still queued in the server arrive after their sender stopped).
settle() {
    local before after tries=60
    after=$(wc -l <"$log")
    while [ "$tries" -gt 0 ]; do
        before=$after
        sleep 0.5
        after=$(wc -l <"$log")
        [ "$after" -eq "$before" ] && return
        tries=$((tries - 1))
    done
    echo "the record still grows after 30 s" >&2
}

# Rate over the presses logged from line FIRST on, first to last press.
rate() {
    awk -v first="$1" 'NR >= first && $1 == "press" { if (!n++) t0 = $5; t1 = $5 }
        END { if (n < 2 || t1 == t0) print 0; else printf "%.0f\n", (n - 1) * 1000 / (t1 - t0) }' "$log"
}

: >"$log"
sleep 1
idle_rss_kb=$(awk '/^VmRSS/ { print $2 }' "/proc/$program_pid/status")
cpu_before=$(cpu_ticks)
xdotool key ctrl+F3
sleep 1
steady_cpu_before=$(cpu_ticks)
steady_presses_before=$(presses)
steady_seconds=$((seconds > 2 ? seconds - 2 : 1))
if [ -n "${SINGLE_POINT_PERF:-}" ]; then
    perf record -q -g -o "$SINGLE_POINT_PERF" -p "$program_pid" -- sleep "$steady_seconds" 2>/dev/null
else
    sleep "$steady_seconds"
fi
steady_cpu_after=$(cpu_ticks)
steady_presses_after=$(presses)
sleep 1
xdotool key ctrl+F3
echo "stopping the program's clicks..." >&2
settle
cpu_after=$(cpu_ticks)
program_clicks=$(presses)
program_rate=$(rate 1)
program_lines=$(wc -l <"$log")

# The same fixed time for xdotool: more clicks than it can make, then ended.
xdotool_count=100000000
xdotool click --repeat "$xdotool_count" --delay 0 1 2>/dev/null &
xdotool_pid=$!
sleep "$seconds"
kill "$xdotool_pid" 2>/dev/null
wait "$xdotool_pid" 2>/dev/null
settle
xdotool_clicks=$(($(presses) - program_clicks))
xdotool_rate=$(rate $((program_lines + 1)))

cpu_seconds=$(awk -v t=$((cpu_after - cpu_before)) -v hz="$clock_ticks" 'BEGIN { printf "%.3f", t / hz }')
echo "single-point clicker, speed 0.001, ${seconds} s: ${program_clicks} clicks, ${program_rate} clicks/s"
echo "xdotool click --repeat N --delay 0, ${seconds} s: ${xdotool_clicks} clicks, ${xdotool_rate} clicks/s"
awk -v p="$program_rate" -v x="$xdotool_rate" \
    'BEGIN { if (x > 0) printf "ratio program/xdotool: %.2f\n", p / x; else print "ratio: xdotool delivered nothing" }'
awk -v c="$cpu_seconds" -v n="$program_clicks" \
    'BEGIN { if (n > 0) printf "program CPU: %s s, %.1f ms per 1,000 clicks\n", c, c * 1e6 / n; else print "program CPU: " c " s, no clicks" }'
# The clicks the target logged meanwhile stand for those the program made:
# the server passes them on as they come.
awk -v t=$((steady_cpu_after - steady_cpu_before)) -v hz="$clock_ticks" \
    -v n=$((steady_presses_after - steady_presses_before)) -v s="$steady_seconds" \
    'BEGIN { if (n > 0) printf "steady state, %d s: %d clicks, CPU %.3f s, %.1f ms per 1,000 clicks\n", s, n, t / hz, t / hz * 1e6 / n; else print "steady state: no clicks" }'
echo "idle resident memory: $((idle_rss_kb / 1024)) MB (${idle_rss_kb} kB)"
