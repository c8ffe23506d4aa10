#!/bin/sh
# Installs a build into a temporary prefix, builds examples/ against the
# installed tree twice (CMake find_package, then pkg-config), runs the
# programs of each build and compares standard output, standard error and
# exit status with expected/. The examples include every installed header;
# when the library is shared, exports.py also checks that it exports every
# function and variable those headers declare.
#
# consume.sh <build dir> <source dir> <lib dir under the prefix> "<programs>"
# Environment: CMAKE_COMMAND, CC, CXX, QUILLET_CONSUMER_FLAGS (flags the
# library's build needs in its users too, such as -m32); QUILLET_PYTHON and
# QUILLET_PYTHON_DIR (the interpreter and the module's folder under the prefix)
# when the Python module is built: examples/scene.py then runs on the
# installed module, and mypy (when installed) checks it against the stubs.
set -u
build=$1 source=$2 libdir=$3 programs=$4
cmake=${CMAKE_COMMAND:-cmake}
flags=${QUILLET_CONSUMER_FLAGS:-}
expected=$source/tests/packaging/expected
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Runs a command quietly; shows its output when it fails.
quiet() {
    if ! "$@" >"$work/log" 2>&1; then
        cat "$work/log"
        echo "FAIL: $*"
        exit 1
    fi
}

# check <program> <expected stream> [input]: the whole stdout for that standard
# input (none by default), an empty stderr, status 0.
check() {
    name=${1#"$work/"}
    "$1" <"${3:-/dev/null}" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 0 ] || fail "$name exited with status $status"
    if [ -s "$work/err" ]; then
        fail "$name wrote to standard error:"
        cat "$work/err"
    fi
    if ! cmp -s "$expected/$2" "$work/out"; then
        fail "$name: output differs from expected/$2"
        diff -u "$expected/$2" "$work/out"
    fi
}

quiet "$cmake" --install "$build" --prefix "$prefix"
for program in $programs; do
    [ -x "$prefix/bin/$program" ] || fail "$program is not installed in bin/"
done

unchecked=""
shared=$prefix/$libdir/libquillet.so
if [ -e "$shared" ]; then
    clang=${QUILLET_CLANGXX:-clang++}
    if command -v "$clang" >/dev/null && command -v python3 >/dev/null; then
        python3 "$source/tests/packaging/exports.py" "$clang" "$prefix/include" "$shared" ||
            fail "the shared library does not export what its headers declare"
    else
        unchecked="$unchecked exports"
    fi
fi

# The pkg-config build has no rpath: a shared library is found through this.
LD_LIBRARY_PATH=$prefix/$libdir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
export LD_LIBRARY_PATH

quiet "$cmake" -S "$source/examples" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_C_COMPILER="${CC:-cc}" -DCMAKE_CXX_COMPILER="${CXX:-c++}" \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags"
quiet "$cmake" --build "$work/cmake"
check "$work/cmake/scene_c" scene_c.rib
check "$work/cmake/scene_cpp" scene_cpp.rib
check "$work/cmake/context" context.rib
check "$work/cmake/rib_filter" rib_filter.rib "$source/tests/packaging/filter_input.rib"

if [ -n "${QUILLET_PYTHON:-}" ]; then
    printf '#!/bin/sh\nPYTHONPATH="%s" exec "%s" "%s"\n' "$prefix/$QUILLET_PYTHON_DIR" "$QUILLET_PYTHON" \
        "$source/examples/scene.py" >"$work/scene_py"
    chmod +x "$work/scene_py"
    check "$work/scene_py" scene_c.rib
    # The type stubs lie beside the module, where type checkers look; mypy,
    # where it is installed, checks the example against them.
    [ -f "$prefix/$QUILLET_PYTHON_DIR/quillet-stubs/__init__.pyi" ] || fail "the type stubs are not installed"
    if "$QUILLET_PYTHON" -c "import mypy" 2>/dev/null; then
        quiet env PYTHONPATH="$prefix/$QUILLET_PYTHON_DIR" "$QUILLET_PYTHON" -m mypy --strict \
            --cache-dir "$work/mypy" "$source/examples/scene.py"
    fi
fi

if ! command -v pkg-config >/dev/null; then
    echo "pkg-config is not installed: the pkg-config build was not tried"
    [ "$failures" -eq 0 ] && exit 77
    exit 1
fi
mkdir "$work/pkg-config"
cd "$work/pkg-config" || exit 1
quiet env PKG_CONFIG_PATH="$prefix/$libdir/pkgconfig" CFLAGS="$flags" CXXFLAGS="$flags" \
    LDFLAGS="$flags" sh "$source/examples/build-with-pkg-config.sh"
check "$work/pkg-config/scene_c" scene_c.rib
check "$work/pkg-config/scene_cpp" scene_cpp.rib
check "$work/pkg-config/context" context.rib
check "$work/pkg-config/rib_filter" rib_filter.rib "$source/tests/packaging/filter_input.rib"

if [ -n "$unchecked" ]; then
    echo "clang++ or python3 is missing: not checked:$unchecked"
    [ "$failures" -eq 0 ] && exit 77
fi
[ "$failures" -eq 0 ]
