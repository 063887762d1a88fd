# The verdicts of the shell benchmarks, in the words and with the exit status of the C++ ones
# (bench/bench_timing.h): one line per goal,
#   <bench>: <what> <figure> <unit>, goal at most <goal> <unit>: met     (or: NOT met)
# and the status 0 when every goal is met, 1 when one is not, 2 when the benchmark could not
# measure ("<bench>: could not run: <why>"). Sourced by the scripts; set bench_name first.

verdict_status=0

# verdict WHAT FIGURE UNIT GOAL: the goal "FIGURE is at most GOAL"; a FIGURE that is not a number
# means the benchmark could not measure.
verdict() {
  local what=$1 figure=$2 unit=$3 goal=$4 word=met
  [[ $figure =~ ^([0-9]+([.][0-9]*)?|[.][0-9]+)$ ]] || could_not_run "$what: no figure (\"$figure\")"
  if ! awk -v f="$figure" -v g="$goal" 'BEGIN { exit !(f <= g) }'; then
    word="NOT met"
    verdict_status=1
  fi
  echo "$bench_name: $what $figure $unit, goal at most $goal $unit: $word"
}

# (In a subshell, a command substitution, it only ends with 2: the script around it says why.)
could_not_run() {
  ((BASH_SUBSHELL > 0)) || echo "$bench_name: could not run: $1"
  exit 2
}

# Any command that fails unexpectedly (set -e) ends the benchmark as one that could not measure.
trap 'could_not_run "line $LINENO failed"' ERR
set -E
