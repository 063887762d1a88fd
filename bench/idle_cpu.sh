#!/usr/bin/env bash
# Idle CPU of the game: the share of one core it uses, averaged over SECONDS, under Xvfb with Mesa's
# software OpenGL (the real window back-end), read from /proc/PID/stat (user + system time of all
# its threads over wall time). Cases:
#   title_fresh     the title page of a first run (the name prompt over it)
#   title_existing  the title page of a player who already has a profile (no prompt)
#   play            the play screen of that player's first hole
#   play_pointer    the same with the pointer moving over the cards all the time
#   error_box       the error box of a damaged data folder
# Usage: bench/idle_cpu.sh [PROGRAM] [SECONDS] [CASE...]   (default: build/stage/quillbrook, 10, all)
# FULL_SCREEN=1 in the environment measures at full screen (the logical screen letterboxed on the
# 1280 x 720 display) instead of in a window. Pin it to cores with taskset for steady figures.
# Goal: at most 5 % of one core in every case, in a window and at full screen; the verdicts and
# the exit status as every benchmark's (bench/verdict.sh).
# Uses xvfb-run and xdotool (to click through the loading screen and make the profile).
set -euo pipefail
bench_name=idle_cpu.sh
. "$(dirname "$0")/verdict.sh"
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-packages" xvfb xdotool
program=${1:-$root/build/stage/quillbrook}
seconds=${2:-10}
shift $(( $# > 2 ? 2 : $# ))
cases=("$@")
[[ ${#cases[@]} -gt 0 ]] || cases=(title_fresh title_existing play error_box)
stage=$(dirname "$program")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

full_screen=${FULL_SCREEN:-0}

# Runs inside the virtual display: starts the game, plays the given xdotool steps (each
# "sleep N", "click X Y", "type TEXT" or "key NAME"; X Y in logical pixels, placed on the window at
# 240,60 of the 1280x720 screen, or at full screen on the 960x720 picture at 160,0), then measures
# when the name is not "-", with the pointer going to and fro over the cards when it ends in
# "_pointer".
cat >"$work/measure" <<'INNER'
#!/usr/bin/env bash
name=$1 xdg=$2 data=$3 program=$4 seconds=$5 full_screen=$6
shift 6
screen_x() { if [[ $full_screen == 1 ]]; then echo $(( 160 + $1 * 6 / 5 )); else echo $(( 240 + $1 )); fi; }
screen_y() { if [[ $full_screen == 1 ]]; then echo $(( $1 * 6 / 5 )); else echo $(( 60 + $1 )); fi; }
XDG_DATA_HOME=$xdg QUILLBROOK_DATA=$data SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null \
  LIBGL_ALWAYS_SOFTWARE=1 "$program" >/dev/null 2>&1 &
pid=$!
for step in "$@"; do
  read -r verb a b <<<"$step"
  case $verb in
    sleep) sleep "$a" ;;
    click) xdotool mousemove "$(screen_x "$a")" "$(screen_y "$b")" click 1 ;;
    type) xdotool type --delay 100 "$a" ;;
    key) xdotool key "$a" ;;
  esac
done
if [[ $name != - ]]; then
  mover=
  if [[ $name == *_pointer ]]; then
    # Across the cards of the first hole and back, a step every 20 ms.
    ( while :; do
        for x in $(seq 150 10 650) $(seq 650 -10 150); do
          xdotool mousemove "$(screen_x "$x")" "$(screen_y $(( 200 + x / 5 )))"
          sleep 0.02
        done
      done ) &
    mover=$!
  fi
  hz=$(getconf CLK_TCK)
  t0=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  sleep "$seconds"
  t1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  [[ -z $mover ]] || kill "$mover"
  echo "$name: $(awk -v a="$t0" -v b="$t1" -v hz="$hz" -v s="$seconds" 'BEGIN { printf "%.1f", (b - a) * 100 / hz / s }') % of one core over $seconds s"
fi
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
INNER
chmod +x "$work/measure"

new_profile_folder() {  # xdg
  mkdir -p "$1/Marrowfen/Quillbrook"
  printf 'FULL SCREEN=%s\r\nFADE=0\r\nVSYNC=1\r\n' "$full_screen" >"$1/Marrowfen/Quillbrook/Quillbrook.ini"
}

run() {  # name xdg data steps...
  local name=$1 xdg=$2 data=$3 line
  shift 3
  line=$(xvfb-run -a -s "-screen 0 1280x720x24" "$work/measure" "$name" "$xdg" "$data" "$program" "$seconds" \
    "$full_screen" "$@")
  [[ $name != - ]] || return 0
  echo "$line"
  verdict "$name$([[ $full_screen == 1 ]] && echo ' at full screen') CPU" "$(awk '{ print $2 }' <<<"$line")" "% of one core" 5
}

# A player made the way a new user does: past the loading screen, a name, the first look, OK.
existing=$work/existing
existing_made=no
make_player() {
  [[ $existing_made == yes ]] && return
  new_profile_folder "$existing"
  run - "$existing" "$stage/" "sleep 12" "click 400 300" "sleep 4" "type Bench" "sleep 1" \
    "key Return" "sleep 4" "click 78 200" "sleep 1" "click 400 527" "sleep 4"
  compgen -G "$existing/Marrowfen/Quillbrook/profiles/*.dat" >/dev/null || could_not_run "no player profile was made"
  existing_made=yes
}

for case in "${cases[@]}"; do
  case $case in
    title_fresh)
      new_profile_folder "$work/fresh"
      run title_fresh "$work/fresh" "$stage/" "sleep 12" "click 400 300" "sleep 4"
      rm -rf "$work/fresh" ;;
    title_existing)
      make_player
      run title_existing "$existing" "$stage/" "sleep 12" "click 400 300" "sleep 4" ;;
    play | play_pointer)
      # Play on the title, Play on the course list (its first course), OK on the newspaper, OK
      # on the first hole's lesson: the first hole waits for its first move.
      make_player
      run "$case" "$existing" "$stage/" "sleep 12" "click 400 300" "sleep 4" "click 402 506" "sleep 4" \
        "click 400 552" "sleep 6" "click 400 542" "sleep 8" "click 400 491" "sleep 4" ;;
    error_box)
      # The real data with a text table that lacks its header.
      # (Links to the real files, the folder itself resolved: the copy's own table replaces a link.)
      broken=$work/broken
      mkdir -p "$broken"
      cp -rs "$(readlink -f "$stage/Data")" "$broken/Data"
      [[ ! -L $broken/Data ]] || could_not_run "the data folder could not be copied"
      rm "$broken/Data/text/gametext.txt"
      printf 'MENU_PLAY\r\nPlay\r\n' >"$broken/Data/text/gametext.txt"
      new_profile_folder "$work/error"
      run error_box "$work/error" "$broken/" "sleep 10" ;;
    *) could_not_run "unknown case $case" ;;
  esac
done
exit "$verdict_status"
