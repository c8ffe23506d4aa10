// The two anchors of the benchmark, measured on a case's own output: the
// reference method (one fprintf per number, one fputc per byte of a binary
// float token) and the limit (one memcpy of the finished bytes).
#ifndef QUILLET_BENCH_ANCHORS_H
#define QUILLET_BENCH_ANCHORS_H

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

// A stream cut into what the reference method writes call by call.
struct ReferencePlan {
    struct Piece {
        enum Kind { Text, Integer, Float, BinaryBytes } kind;
        size_t offset, length;  // Text and BinaryBytes: the bytes in the stream
        long integer;
        double number;
    };
    std::string stream;
    std::vector<Piece> pieces;
    size_t numbers = 0;  // integers and floats, text or binary
};

// Cuts a stream (ASCII, or with binary float tokens) into pieces.
ReferencePlan planReference(const std::string &stream);

// Writes the plan's stream with the reference method to sink.
void writeReference(const ReferencePlan &plan, FILE *sink);

#endif
