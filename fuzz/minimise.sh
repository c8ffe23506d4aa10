#!/bin/sh
# Grows and minimises the checked-in seed corpora: each target runs for the
# given seconds (default 120) from its corpus and the seed streams of
# fuzz/seeds.py, and libFuzzer's -merge=1 then keeps the smallest inputs
# that reach every edge found (hit counts aside, so that a few hundred
# remain), which replace fuzz/corpus/<target>.
# Run fuzz/run.sh first (it builds the targets).
#   fuzz/minimise.sh [seconds] [target...]
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-120}
[ $# -gt 0 ] && shift
targets=${*:-decl requests parser binary indent check gzip archives glimpse glimpse_budgets}
build=${QUILLET_FUZZ_BUILD:-build-fuzz}
work="$build/minimise"
for target in $targets; do
  rm -rf "$work/$target" && mkdir -p "$work/$target/seeds" "$work/$target/grown" "$work/$target/kept" \
    "fuzz/corpus/$target"
  case $target in decl | requests) ;; *) fuzz/seeds.py "$work/$target/seeds" "$target" ;; esac
  dict=fuzz/rib.dict
  case $target in glimpse*) dict=fuzz/glimpse.dict ;; esac
  "$build/bin/fuzz_$target" -max_total_time="$seconds" -close_fd_mask=2 -dict="$dict" -max_len=2048 -timeout=20 \
    "$work/$target/grown" "fuzz/corpus/$target" "$work/$target/seeds" >"$work/$target/log" 2>&1 || true
  "$build/bin/fuzz_$target" -merge=1 -use_counters=0 -close_fd_mask=2 -max_len=2048 "$work/$target/kept" \
    "fuzz/corpus/$target" "$work/$target/seeds" "$work/$target/grown" >>"$work/$target/log" 2>&1
  find "fuzz/corpus/$target" -type f -delete
  cp "$work/$target/kept"/* "fuzz/corpus/$target/"
  echo "fuzz/corpus/$target: $(ls "fuzz/corpus/$target" | wc -l) inputs"
done
