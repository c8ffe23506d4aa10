#!/bin/sh
# QUILLET_PYTHON=AUTO: a configure that cannot find pybind11 leaves the module
# out; the next configure of the same tree, pybind11 found, builds it. Exit
# 77 (skipped) where the Python packages are not installed at all.
set -eu
source_dir=$1
cmake=$2
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

configure() {
    "$cmake" -S "$source_dir" -B "$tree" -DBUILD_TESTING=OFF "$@" | grep '^-- Python module:'
}

first=$(configure -DCMAKE_DISABLE_FIND_PACKAGE_pybind11=ON)
second=$(configure -UCMAKE_DISABLE_FIND_PACKAGE_pybind11)
if [ "$second" = "-- Python module: not built (QUILLET_PYTHON=AUTO)" ]; then
    exit 77
fi
expected="-- Python module: not built (QUILLET_PYTHON=AUTO)
-- Python module: built (QUILLET_PYTHON=AUTO)"
actual="$first
$second"
if [ "$actual" != "$expected" ]; then
    printf 'expected:\n%s\ngot:\n%s\n' "$expected" "$actual"
    exit 1
fi
