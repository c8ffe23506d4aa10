// Decodes fuzz input into the arguments of interface calls: numbers, counts,
// strings, tokens, declarations and token/value lists. Every array lives in a
// heap block of exactly the size that the fuzzer's own count model says the
// call may read, so the sanitizer sees any read past it; blocks are freed
// after each call, so it also sees a pointer that the library kept.
#ifndef QUILLET_FUZZ_REQUESTINPUT_H
#define QUILLET_FUZZ_REQUESTINPUT_H

#include <fuzzer/FuzzedDataProvider.h>

#include <memory>
#include <vector>

#include "fuzz/CountModel.h"
#include "quillet/ri.h"

// Longest list of pairs a call gets; the variable-argument forms pass them
// all, ended early by RI_NULL.
const int kMaxPairs = 12;

struct PairList {
    RtInt n = 0;
    RtToken *tokens = nullptr;
    RtPointer *values = nullptr;
    // The same pairs for a variable-argument call: RI_NULL after the last.
    RtToken listedTokens[kMaxPairs + 1] = {};
    RtPointer listedValues[kMaxPairs + 1] = {};
};

class RequestInput {
public:
    explicit RequestInput(FuzzedDataProvider &in) : in(in) {}

    bool more() const { return in.remaining_bytes() > 0; }
    int choose(int count);
    bool flag();
    // A small count, now and then negative or zero.
    RtInt count();
    RtInt anyInt();
    RtFloat number();
    // Text with quotes, backslashes, newlines and other bytes; sometimes null.
    const char *text();
    const char *nonNullText();
    // A parameter token: standard, inline declaration, declared here,
    // undeclared, odd, or null.
    RtToken token();
    // One of the names that declarations are made for.
    const char *declaredName();
    // A declaration: from the grammar's words, arbitrary text, or null.
    const char *declaration();

    RtFloat *floats(countmodel::Count count);
    // Integers in [low, high]: lengths of later arrays, which must stay small.
    RtInt *ints(countmodel::Count count, RtInt low, RtInt high);
    // Mostly in [low, high], now and then any integer: indices and counts
    // that size no array of the caller's.
    RtInt *wildInts(countmodel::Count count, RtInt low, RtInt high);
    RtToken *strings(countmodel::Count count);
    // A value holding what the token's declaration and the counts call for
    // (null now and then, or when that would be very large).
    RtPointer valueFor(RtToken token, const countmodel::ClassCounts &counts);
    // Pairs whose values hold what the declarations and counts call for.
    PairList params(const countmodel::ClassCounts &counts);

    // Frees every block handed out since the last call.
    void release() { blocks.clear(); }

private:
    void *block(size_t bytes);
    const char *copy(const std::string &text);

    FuzzedDataProvider &in;
    std::vector<std::unique_ptr<unsigned char[]>> blocks;
};

#endif
