// The stream tests' children: run through tests/support, with the capture
// helpers they compare against.
#ifndef QUILLET_TESTS_STREAMCHILD_H
#define QUILLET_TESTS_STREAMCHILD_H

#include "tests/rib/StreamCapture.h"
#include "tests/support/ChildProcess.h"

#endif
