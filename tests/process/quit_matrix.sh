#!/usr/bin/env bash
# Measures, by hand, how the staged program ends after each kind of quit in each state a player can
# reach with clicks: SIGTERM, SIGINT, SIGHUP, SIGQUIT and the window's close button, under a virtual X display of its
# own (Xvfb; clicks and typing by xdotool). Prints per state and kind the exit status, the seconds
# from the quit to the end, whether GoodExit.dat was written and whether the player's file was
# rewritten after the quit (the hole saved).
#   tests/process/quit_matrix.sh BUILD_DIR            all states, all kinds
#   STATES="hint card_move" KINDS=TERM tests/process/quit_matrix.sh build
# Installs Xvfb and xdotool when missing; uses the close_window tool of the build. Waits are generous sleeps: the script
# measures, it does not test. The states the play screen reaches only by chance (a wild shot's
# dialog, its mini-games, the rifle) are driven in process by tests/screens/quit_road_test.cpp.
set -u
"$(dirname "$0")/../../scripts/install-packages" xvfb xdotool || exit 1
build=$(cd "${1:-build}" && pwd)
GAME=$build/stage/quillbrook
CLOSE=$build/tests/support/close_window
work=$(mktemp -d)
D=:$((200 + $$ % 500))
Xvfb "$D" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
sleep 1

NOSPLASH='FULL SCREEN=0\r\nPORTAL SPLASH=0\r\nPORTAL SPLASH2=0\r\n'
SPLASH='FULL SCREEN=0\r\nPORTAL SPLASH=1\r\nPORTAL SPLASH2=0\r\n'

# Starts the program on the per-user folder $XDG (SIGINT and SIGQUIT at their defaults: a background
# job of a script would inherit them ignored, and the program keeps a quit signal it was started
# with ignored).
launch() {
  DISPLAY=$D XDG_DATA_HOME=$XDG SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null LIBGL_ALWAYS_SOFTWARE=1 \
    python3 -c 'import os, signal, sys; signal.signal(signal.SIGINT, signal.SIG_DFL); signal.signal(signal.SIGQUIT, signal.SIG_DFL); os.execv(sys.argv[1], sys.argv[1:])' \
    "$GAME" >"$XDG/out.txt" 2>&1 &
  GPID=$!
}
fresh() {  # settings lines
  XDG=$work/run; rm -rf "$XDG"; mkdir -p "$XDG/Marrowfen/Quillbrook"
  printf "$1" >"$XDG/Marrowfen/Quillbrook/Quillbrook.ini"
  launch
}
with_player() {  # the player made once, standing before the first hole of the first course
  XDG=$work/run; rm -rf "$XDG"; cp -a "$work/player" "$XDG"
  rm -f "$XDG/Marrowfen/Quillbrook/GoodExit.dat" "$XDG/Marrowfen/Quillbrook/inichanged.dat"
  launch
}
win() { DISPLAY=$D xdotool search --sync --name Quillbrook 2>/dev/null | head -1; }
click() { DISPLAY=$D xdotool mousemove --window "$(win)" "$1" "$2" click 1; }
quit() {  # kind; sets STATUS and SECS
  local t0 waited=0
  t0=$(date +%s.%N)
  case $1 in
    TERM) kill -TERM "$GPID" ;;
    INT) kill -INT "$GPID" ;;
    HUP) kill -HUP "$GPID" ;;
    QUIT) kill -QUIT "$GPID" ;;
    close) DISPLAY=$D "$CLOSE" "$GPID" Quillbrook 5000 ;;
  esac
  while kill -0 "$GPID" 2>/dev/null && ((waited < 1000)); do sleep 0.01; waited=$((waited + 1)); done
  SECS=$(echo "$(date +%s.%N) - $t0" | bc)
  if kill -0 "$GPID" 2>/dev/null; then
    STATUS=running; kill -KILL "$GPID"; wait "$GPID" 2>/dev/null
  else
    wait "$GPID"; STATUS=$?
  fi
}

# The player: a first run, the name typed, the first face, Play, the first course's Play and the
# newspaper's OK; ended at the hint of the first hole.
fresh "$NOSPLASH"
sleep 30; click 400 440; sleep 6
DISPLAY=$D xdotool windowfocus --sync "$(win)"; sleep 0.5; DISPLAY=$D xdotool type --delay 120 Quinn; sleep 1
click 400 377; sleep 4; click 78 200; sleep 1; click 400 527; sleep 4
click 400 507; sleep 5; click 400 552; sleep 6; click 400 544; sleep 8
quit TERM
[[ -e $XDG/Marrowfen/Quillbrook/profiles/Quinn.dat ]] || { echo "the player could not be made"; exit 1; }
cp -a "$XDG" "$work/player"

reach() {
  case $1 in
    splash) fresh "$SPLASH"; win >/dev/null; sleep 1 ;;
    loading) fresh "$NOSPLASH"; sleep 30 ;;
    name_prompt) fresh "$NOSPLASH"; sleep 30; click 400 440; sleep 6 ;;
    title) with_player; sleep 30; click 400 440; sleep 6 ;;
    resume_question) reach title; click 400 507; sleep 5 ;;
    hint) reach resume_question; click 320 408; sleep 8 ;;
    play_at_rest) reach hint; click 400 490; sleep 10 ;;
    card_move) reach play_at_rest; click 365 530; sleep 0.03 ;;  # the stock's card, on its way
  esac
}
for state in ${STATES:-splash loading name_prompt title resume_question hint play_at_rest card_move}; do
  for kind in ${KINDS:-TERM INT HUP QUIT close}; do
    reach "$state"
    user=$XDG/Marrowfen/Quillbrook
    before=$(stat -c %y "$user/profiles/Quinn.dat" 2>/dev/null)
    quit "$kind"
    after=$(stat -c %y "$user/profiles/Quinn.dat" 2>/dev/null)
    marker=no; [[ -e $user/GoodExit.dat ]] && marker=yes
    saved=-; [[ -n $before ]] && { [[ $before != "$after" ]] && saved=yes || saved=no; }
    printf '%-16s %-6s status %-7s %6.3f s  GoodExit %-3s  player file rewritten %s\n' \
      "$state" "$kind" "$STATUS" "$SECS" "$marker" "$saved"
  done
done
