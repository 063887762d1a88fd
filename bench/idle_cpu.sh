#!/usr/bin/env bash
# Idle CPU of the game: the share of one core it uses, averaged over SECONDS, on the title page and
# in the error box, under Xvfb with Mesa's software OpenGL (the real window back-end), read from
# /proc/PID/stat (user + system time over wall time).
# Usage: bench/idle_cpu.sh [PROGRAM] [SECONDS]   (default: build/stage/quillbrook, 10)
# Needs xvfb-run and xdotool (to click through the loading screen).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/stage/quillbrook}
seconds=${2:-10}
stage=$root/build/stage
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs inside the virtual display: starts the game, optionally clicks past the loading screen,
# then measures.
cat >"$work/measure" <<'INNER'
#!/usr/bin/env bash
name=$1 xdg=$2 data=$3 click=$4 program=$5 seconds=$6
XDG_DATA_HOME=$xdg QUILLBROOK_DATA=$data SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null \
  LIBGL_ALWAYS_SOFTWARE=1 "$program" >/dev/null 2>&1 &
pid=$!
sleep 6
if [[ $click == yes ]]; then xdotool mousemove 640 360 click 1; sleep 4; fi
hz=$(getconf CLK_TCK)
t0=$(awk '{print $14 + $15}' "/proc/$pid/stat")
sleep "$seconds"
t1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
echo "$name: $(echo "scale=1; ($t1 - $t0) * 100 / $hz / $seconds" | bc) % of one core over $seconds s"
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
INNER
chmod +x "$work/measure"

run_case() {  # name data_prefix click
  local xdg=$work/$1
  mkdir -p "$xdg/Marrowfen/Quillbrook"
  printf 'FULL SCREEN=0\r\nFADE=0\r\nVSYNC=1\r\n' >"$xdg/Marrowfen/Quillbrook/Quillbrook.ini"
  xvfb-run -a -s "-screen 0 1280x720x24" "$work/measure" "$1" "$xdg" "$2" "$3" "$program" "$seconds"
}

# The error box: the real data with a text table that lacks its header.
broken=$work/broken
mkdir -p "$broken"
cp -rs "$stage/Data" "$broken/Data"
rm "$broken/Data/text/gametext.txt"
printf 'MENU_PLAY\r\nPlay\r\n' >"$broken/Data/text/gametext.txt"

run_case title "$stage/" yes
run_case error_box "$broken/" no
