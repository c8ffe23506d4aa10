#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 60), two at a time (one a core), starting from its seed
# corpus in fuzz/corpus/<target> with its dictionary. New inputs go to
# <build>/corpus/<target>, findings to <build>/findings/, each run's output
# to <build>/logs/<target>.log. Exits non-zero when a target found a fault
# (a crash, a leak, a failed expectation, or an input slower than its
# -timeout), after showing that run's output.
#   fuzz/run.sh [seconds] [target...]
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
# glimpse_budgets (glimpse with its own budgets, where an input slower than
# -timeout is a finding) runs when named: without a budget of tracing time
# in glimpse, a large frame is such an input.
all="decl requests parser binary indent check gzip archives glimpse"
targets=${*:-$all}
build=${QUILLET_FUZZ_BUILD:-build-fuzz}

# Each target's own flags: its dictionary, and for the previewer what counts
# as too slow for one input.
flags() {
  case $1 in
    decl | requests) ;;
    glimpse) echo "-dict=fuzz/glimpse.dict -timeout=10" ;;
    glimpse_budgets) echo "-dict=fuzz/glimpse.dict -timeout=120 -rss_limit_mb=4096" ;;
    *) echo "-dict=fuzz/rib.dict" ;;
  esac
}

run() {
  mkdir -p "$build/corpus/$1"
  # -close_fd_mask=2: the library's diagnostics are not shown; sanitizer
  # reports still are.
  # shellcheck disable=SC2046
  "$build/bin/fuzz_$1" -max_total_time="$seconds" -close_fd_mask=2 -print_funcs=0 -print_final_stats=1 \
    $(flags "$1") -artifact_prefix="$build/findings/$1-" "$build/corpus/$1" "fuzz/corpus/$1" \
    >"$build/logs/$1.log" 2>&1
}

# The result of one run: its speed, or its whole output when it failed.
report() {
  if [ "$2" -eq 0 ]; then
    echo "fuzz_$1: $(grep -h 'stat::average_exec_per_sec' "$build/logs/$1.log" | tr -s ' ' | cut -d' ' -f2) exec/s"
  else
    echo "fuzz_$1 found a fault (status $2):"
    cat "$build/logs/$1.log"
  fi
}

cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLET_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
for target in $targets; do
  cmake --build "$build" -j2 --target "fuzz_$target"
done
mkdir -p "$build/findings" "$build/logs"
failed=0
set -- $targets
while [ $# -gt 0 ]; do
  first=$1
  shift
  second=${1:-}
  [ $# -gt 0 ] && shift
  echo "== fuzz_$first${second:+ and fuzz_$second}: $seconds s"
  run "$first" &
  pid=$!
  secondStatus=0
  if [ -n "$second" ]; then run "$second" || secondStatus=$?; fi
  firstStatus=0
  wait "$pid" || firstStatus=$?
  report "$first" "$firstStatus"
  [ -n "$second" ] && report "$second" "$secondStatus"
  [ "$firstStatus" -eq 0 ] && [ "$secondStatus" -eq 0 ] || failed=1
done
exit $failed
