// A FILE * whose bytes go gzip-compressed into another stream.
#ifndef QUILLET_RIBCAT_GZIPOUTPUT_H
#define QUILLET_RIBCAT_GZIPOUTPUT_H

#include <cstdio>

// A stream that compresses into out (which stays open); fclose on it ends
// the compressed data. Null when it cannot be made (no zlib, no memory).
FILE *openGzipOutput(FILE *out);

#endif
