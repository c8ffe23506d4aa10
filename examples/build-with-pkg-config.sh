#!/bin/sh
# The examples, built with plain compiler commands and pkg-config:
#   PKG_CONFIG_PATH=<prefix>/lib/pkgconfig sh examples/build-with-pkg-config.sh
# The programs are written to the current directory. CC, CXX, CFLAGS,
# CXXFLAGS and LDFLAGS are honoured.
set -eu
here=$(dirname "$0")
quillet=$(pkg-config --cflags --libs quillet)
${CC:-cc} ${CFLAGS:-} -o scene_c "$here/scene.c" ${LDFLAGS:-} $quillet
${CXX:-c++} -std=c++17 ${CXXFLAGS:-} -o scene_cpp "$here/scene.cpp" ${LDFLAGS:-} $quillet
${CXX:-c++} -std=c++17 ${CXXFLAGS:-} -o context "$here/context.cpp" ${LDFLAGS:-} $quillet
${CXX:-c++} -std=c++17 ${CXXFLAGS:-} -o rib_filter "$here/rib_filter.cpp" ${LDFLAGS:-} $quillet
