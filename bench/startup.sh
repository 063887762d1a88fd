#!/usr/bin/env bash
# Start-up of the staged game in a real window under Xvfb (Mesa's software OpenGL, the window
# back-end a player without a graphics card gets):
#   click_here  seconds from exec to the loading screen showing "click here", for RUNS first runs
#               (the settings: a window, no splash; FADE=1 in the environment keeps the splash)
#   first_hole  resident (RSS), proportional (PSS) and private memory of the game on its first
#               hole's play screen, reached the way a new player does (one run of bench/memory.sh)
# The moment "click here" shows is read from Xvfb's own frame buffer (-fbdir), polled every 5 ms:
# the window's button area compared with the same area of a calibration run left 25 s to load.
# Usage: bench/startup.sh [PROGRAM] [RUNS] [CASE...]   (default: build/stage/quillbrook, 5, all;
# the data folder beside PROGRAM)
# Pin it to cores with taskset (the game inherits them), e.g. taskset -c 2,3 bench/startup.sh.
# Goals: "click here" within 1.5 s of exec (the median run judged), and those of bench/memory.sh on
# the first hole; the verdicts and the exit status as every benchmark's (bench/verdict.sh).
# Uses xvfb (Xvfb), xdotool and python3.
set -euo pipefail
bench_name=startup.sh
. "$(dirname "$0")/verdict.sh"
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-packages" xvfb xdotool python3
program=${1:-$root/build/stage/quillbrook}
runs=${2:-5}
shift $(( $# > 2 ? 2 : $# ))
cases=("$@")
[[ ${#cases[@]} -gt 0 ]] || cases=(click_here first_hole)
stage=$(dirname "$program")
fade=${FADE:-0}
work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [[ -z $xvfb_pid ]] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# One virtual display for every run; its frame buffer is a file the poller maps.
display=:$(( 200 + $$ % 500 ))
mkdir -p "$work/fb"
Xvfb "$display" -screen 0 1280x720x24 -fbdir "$work/fb" -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -e $work/fb/Xvfb_screen0 ]] && break; sleep 0.05; done
export DISPLAY=$display

new_profile_folder() {  # xdg
  mkdir -p "$1/Marrowfen/Quillbrook"
  printf 'FULL SCREEN=0\r\nFADE=%s\r\nVSYNC=1\r\n' "$fade" >"$1/Marrowfen/Quillbrook/Quillbrook.ini"
}

# Waits for the game's window area (the window opens centred: 240,60 on this screen) to match the
# reference file, or with "save" waits SECONDS and writes the area as the reference. Prints the
# seconds from START (a time.time() value) to the first match.
cat >"$work/poll.py" <<'PY'
import mmap, struct, sys, time
fb, mode, ref, start, limit = sys.argv[1], sys.argv[2], sys.argv[3], float(sys.argv[4]), float(sys.argv[5])
# The button's area in logical pixels (the loading text is drawn there until "click here").
x0, y0, w, h = 240 + 330, 60 + 400, 130, 40
with open(fb, "rb") as f:
    m = mmap.mmap(f.fileno(), 0, access=mmap.ACCESS_READ)
    header = struct.unpack(">25I", m[:100])
    bytes_per_line, ncolours = header[12], header[19]
    offset = header[0] + ncolours * 12
    def area():
        return b"".join(m[offset + (y0 + y) * bytes_per_line + x0 * 4:
                          offset + (y0 + y) * bytes_per_line + (x0 + w) * 4] for y in range(h))
    if mode == "save":
        time.sleep(limit)
        open(ref, "wb").write(area())
        sys.exit(0)
    want = open(ref, "rb").read()
    while time.time() - start < limit:
        if area() == want:
            print("%.3f" % (time.time() - start))
            sys.exit(0)
        time.sleep(0.005)
    print("timeout")
PY

start_game() {  # xdg data
  XDG_DATA_HOME=$1 QUILLBROOK_DATA=$2 SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null \
    LIBGL_ALWAYS_SOFTWARE=1 "$program" >/dev/null 2>&1 &
  game_pid=$!
}

stop_game() {
  kill -TERM "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
}

# The pointer stays off the window so the button shows its plain picture.
xdotool mousemove 5 5

for case in "${cases[@]}"; do
  case $case in
    click_here)
      new_profile_folder "$work/calibrate"
      start_game "$work/calibrate" "$stage/"
      python3 "$work/poll.py" "$work/fb/Xvfb_screen0" save "$work/reference" 0 25
      stop_game
      times=()
      for run in $(seq "$runs"); do
        rm -rf "$work/xdg"
        new_profile_folder "$work/xdg"
        start=$(python3 -c 'import time; print(time.time())')
        start_game "$work/xdg" "$stage/"
        times+=("$(python3 "$work/poll.py" "$work/fb/Xvfb_screen0" wait "$work/reference" "$start" 60)")
        stop_game
      done
      sorted=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
      echo "click_here: exec to \"click here\" in a window (FADE=$fade), $runs runs: $sorted s"
      # A run that never showed it ("timeout") sorts first and leaves no median.
      [[ $sorted != *timeout* ]] || could_not_run "\"click here\" did not show within 60 s"
      verdict "exec to \"click here\" (median of $runs runs)" "$(printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int(NR / 2) + 1] }')" s 1.5 ;;
    first_hole)
      # Measured by bench/memory.sh, which walks a new player to the first hole, with its own
      # verdicts; its status joins this one's.
      memory=0
      "$root/bench/memory.sh" "$program" 1 || memory=$?
      [[ $memory -ne 2 ]] || could_not_run "bench/memory.sh could not measure"
      [[ $memory -eq 0 ]] || verdict_status=1 ;;
    *) could_not_run "unknown case $case" ;;
  esac
done
exit "$verdict_status"
