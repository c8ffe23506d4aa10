#!/bin/sh
# Doxygen's input filter for the public headers: their plain // comments are
# the documentation. The opening comment becomes the file's own, a comment
# line documents what follows it (///), and a comment after a declaration
# documents that declaration (///<). A backslash in a comment is text.
exec sed -e '/\/\/ /s|\\|\\\\|g' \
  -e "1s|^// |//! @file $1\\n//! |" \
  -e '2,/^[^/]/s|^// |//! |' \
  -e 's|^\( *\)// |\1/// |' \
  -e 's|^\( *\)//$|\1///|' \
  -e 's|\([;,{]\) *// \(.*\)$|\1 ///< \2|' "$1"
