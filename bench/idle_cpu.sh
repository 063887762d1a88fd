#!/usr/bin/env bash
# Idle CPU of the game: the share of one core it uses, averaged over SECONDS, under Xvfb with Mesa's
# software OpenGL (the real window back-end), read from /proc/PID/stat (user + system time of all
# its threads over wall time). Cases:
#   title_fresh     the title page of a first run (the name prompt over it)
#   title_existing  the title page of a player who already has a profile (no prompt)
#   play            the play screen of that player's first hole
#   error_box       the error box of a damaged data folder
# Usage: bench/idle_cpu.sh [PROGRAM] [SECONDS] [CASE...]   (default: build/stage/quillbrook, 10, all)
# Needs xvfb-run and xdotool (to click through the loading screen and make the profile).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/stage/quillbrook}
seconds=${2:-10}
shift $(( $# > 2 ? 2 : $# ))
cases=("$@")
[[ ${#cases[@]} -gt 0 ]] || cases=(title_fresh title_existing play error_box)
stage=$root/build/stage
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs inside the virtual display: starts the game, plays the given xdotool steps (each
# "sleep N", "click X Y", "type TEXT" or "key NAME"; window at 240,60 of the 1280x720 screen),
# then measures when the name is not "-".
cat >"$work/measure" <<'INNER'
#!/usr/bin/env bash
name=$1 xdg=$2 data=$3 program=$4 seconds=$5
shift 5
XDG_DATA_HOME=$xdg QUILLBROOK_DATA=$data SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null \
  LIBGL_ALWAYS_SOFTWARE=1 "$program" >/dev/null 2>&1 &
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
if [[ $name != - ]]; then
  hz=$(getconf CLK_TCK)
  t0=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  sleep "$seconds"
  t1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  echo "$name: $(echo "scale=1; ($t1 - $t0) * 100 / $hz / $seconds" | bc) % of one core over $seconds s"
fi
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
INNER
chmod +x "$work/measure"

new_profile_folder() {  # xdg
  mkdir -p "$1/Marrowfen/Quillbrook"
  printf 'FULL SCREEN=0\r\nFADE=0\r\nVSYNC=1\r\n' >"$1/Marrowfen/Quillbrook/Quillbrook.ini"
}

run() {  # name xdg data steps...
  local name=$1 xdg=$2 data=$3
  shift 3
  xvfb-run -a -s "-screen 0 1280x720x24" "$work/measure" "$name" "$xdg" "$data" "$program" "$seconds" "$@"
}

# A player made the way a new user does: past the loading screen, a name, the first look, OK.
existing=$work/existing
existing_made=no
make_player() {
  [[ $existing_made == yes ]] && return
  new_profile_folder "$existing"
  run - "$existing" "$stage/" "sleep 6" "click 640 360" "sleep 4" "type Bench" "sleep 1" \
    "key Return" "sleep 4" "click 318 260" "sleep 1" "click 640 587" "sleep 4"
  if ! compgen -G "$existing/Marrowfen/Quillbrook/profiles/*.dat" >/dev/null; then
    echo "could not make a player profile" >&2
    exit 1
  fi
  existing_made=yes
}

for case in "${cases[@]}"; do
  case $case in
    title_fresh)
      new_profile_folder "$work/fresh"
      run title_fresh "$work/fresh" "$stage/" "sleep 6" "click 640 360" "sleep 4"
      rm -rf "$work/fresh" ;;
    title_existing)
      make_player
      run title_existing "$existing" "$stage/" "sleep 6" "click 640 360" "sleep 4" ;;
    play)
      # Play on the title, Play on the course list (its first course), OK on the newspaper, OK
      # on the first hole's lesson: the first hole waits for its first move.
      make_player
      run play "$existing" "$stage/" "sleep 6" "click 640 360" "sleep 4" "click 642 566" "sleep 4" \
        "click 640 612" "sleep 6" "click 640 602" "sleep 8" "click 640 551" "sleep 4" ;;
    error_box)
      # The real data with a text table that lacks its header.
      # (Links to the real files, the folder itself resolved: the copy's own table replaces a link.)
      broken=$work/broken
      mkdir -p "$broken"
      cp -rs "$(readlink -f "$stage/Data")" "$broken/Data"
      [[ ! -L $broken/Data ]] || { echo "could not copy the data folder" >&2; exit 1; }
      rm "$broken/Data/text/gametext.txt"
      printf 'MENU_PLAY\r\nPlay\r\n' >"$broken/Data/text/gametext.txt"
      new_profile_folder "$work/error"
      run error_box "$work/error" "$broken/" "sleep 10" ;;
    *) echo "unknown case $case" >&2; exit 2 ;;
  esac
done
