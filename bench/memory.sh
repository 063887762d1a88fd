#!/usr/bin/env bash
# Memory of the game on its first hole, in a window under Xvfb with Mesa's software OpenGL (the
# real window back-end): RSS, PSS and private memory (clean + dirty) from /proc/PID/smaps_rollup,
# and the dirty part alone (the clean part counts library pages no other running program maps, so
# it moves with what else runs),
# read once the first hole waits for its first move. A player is made first the way a new user
# does (past the loading screen, a name, the first look, OK), then the game is started again and
# walked to the first hole (Play, the first course, OK on the newspaper, OK on the lesson).
# With --by-kind the running game is also asked, through gdb, what its pictures and sounds hold
# (platform::detail::PrintMemoryHeld, written to the game's standard error and shown here).
# Usage: bench/memory.sh [--by-kind] [PROGRAM] [RUNS]   (default: build/stage/quillbrook, 3)
# With SHOTS=FOLDER set, the screen of each measured run is saved there (to check it is the hole).
# Goals: RSS at most 110 MB and private memory at most 60 MB on the first hole, in every run; the
# verdicts and the exit status as every benchmark's (bench/verdict.sh).
# Uses xvfb-run and xdotool (gdb for --by-kind, ImageMagick's import for SHOTS).
set -euo pipefail
bench_name=memory.sh
. "$(dirname "$0")/verdict.sh"
by_kind=no
if [[ ${1:-} == --by-kind ]]; then
  by_kind=yes
  shift
fi
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-packages" xvfb xdotool $([[ $by_kind == no ]] || echo gdb) $([[ -z ${SHOTS:-} ]] || echo imagemagick)
program=${1:-$root/build/stage/quillbrook}
runs=${2:-3}
stage=$(dirname "$program")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs inside the virtual display: starts the game, plays the xdotool steps (each "sleep N",
# "click X Y", "type TEXT" or "key NAME"; window at 240,60 of the 1280x720 screen), then, when
# asked to, prints the memory figures.
cat >"$work/measure" <<'INNER'
#!/usr/bin/env bash
measure=$1 by_kind=$2 xdg=$3 data=$4 program=$5
shift 5
XDG_DATA_HOME=$xdg QUILLBROOK_DATA=$data SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null \
  LIBGL_ALWAYS_SOFTWARE=1 "$program" >/dev/null 2>"$xdg/stderr" &
pid=$!
for step in "$@"; do
  read -r verb a b <<<"$step"
  case $verb in
    sleep) sleep "$a" ;;
    click) xdotool mousemove "$a" "$b" click 1 ;;
    type) xdotool type --delay 100 "$a" ;;
    key) xdotool key "$a" ;;
  esac
done
if [[ $measure == yes ]]; then
  [[ -z ${SHOTS:-} ]] || import -window root "$SHOTS/first_hole_$$.png"
  awk '/^Rss:/ {rss = $2} /^Pss:/ {pss = $2} /^Private_(Clean|Dirty):/ {priv += $2} /^Private_Dirty:/ {dirty = $2}
       END {printf "RSS %.1f MB  PSS %.1f MB  private %.1f MB (dirty %.1f MB)\n", rss / 1024, pss / 1024, priv / 1024, dirty / 1024}' \
    "/proc/$pid/smaps_rollup"
  if [[ $by_kind == yes ]]; then
    gdb -p "$pid" -batch -ex "call (void)'platform::detail::PrintMemoryHeld()'()" >/dev/null 2>&1 || true
    sleep 1
    grep -a '^held:' "$xdg/stderr" || echo "(no figures by kind: gdb could not ask the game)"
  fi
fi
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
INNER
chmod +x "$work/measure"

run() {  # measure xdg steps...
  local measure=$1 xdg=$2
  shift 2
  xvfb-run -a -s "-screen 0 1280x720x24" "$work/measure" "$measure" "$by_kind" "$xdg" "$stage/" "$program" "$@"
}

player=$work/player
mkdir -p "$player/Marrowfen/Quillbrook"
printf 'FULL SCREEN=0\r\nFADE=0\r\nVSYNC=1\r\n' >"$player/Marrowfen/Quillbrook/Quillbrook.ini"
run no "$player" "sleep 12" "click 640 360" "sleep 4" "type Bench" "sleep 1" "key Return" "sleep 4" \
  "click 318 260" "sleep 1" "click 640 587" "sleep 4"
compgen -G "$player/Marrowfen/Quillbrook/profiles/*.dat" >/dev/null || could_not_run "no player profile was made"
for ((i = 1; i <= runs; ++i)); do
  # Each run from the player as made: a run ended on the hole leaves a round in progress.
  rm -rf "$work/run"
  cp -r "$player" "$work/run"
  figures=$(run yes "$work/run" "sleep 12" "click 640 360" "sleep 4" "click 642 566" "sleep 4" "click 640 612" \
    "sleep 6" "click 640 602" "sleep 8" "click 640 551" "sleep 10")
  echo "first hole, run $i: $figures"
  read -r rss private < <(awk 'NR == 1 { print $2, $8 }' <<<"$figures")
  verdict "first hole RSS (run $i)" "${rss:-}" MB 110
  verdict "first hole private memory (run $i)" "${private:-}" MB 60
done
exit "$verdict_status"
