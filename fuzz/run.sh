#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 30), starting from its seed corpus in fuzz/corpus/.
# New inputs go to <build>/corpus/<target>, findings to <build>/findings/.
# Exits non-zero on the first target that finds a fault.
#   fuzz/run.sh [seconds] [target...]      targets: decl requests parser glimpse
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-30}
[ $# -gt 0 ] && shift
targets=${*:-decl requests parser glimpse}
build=${QUILLET_FUZZ_BUILD:-build-fuzz}

cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLET_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
for target in $targets; do
  cmake --build "$build" -j2 --target "fuzz_$target"
done
for target in $targets; do
  mkdir -p "$build/corpus/$target" "$build/findings"
  echo "== fuzz_$target: $seconds s"
  # -close_fd_mask=2: the library's diagnostics are not shown; sanitizer
  # reports still are.
  "$build/bin/fuzz_$target" -max_total_time="$seconds" -close_fd_mask=2 -print_funcs=0 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "$build/corpus/$target" "fuzz/corpus/$target"
done
