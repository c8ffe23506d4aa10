// The compressed output of the writing thread alone, the reference that the
// output of helper threads, of compressed streams and of ribcat --gzip must
// equal byte for byte.
#ifndef QUILLET_TESTS_COMPRESSEDPIECES_H
#define QUILLET_TESTS_COMPRESSEDPIECES_H

#include <algorithm>
#include <string>
#include <vector>

#include "rib/GzipPieces.h"

namespace quillet_test {

struct Compressed {
    std::string bytes;
    std::vector<size_t> members;  // the size of each
};

// What GzipPieces gives for the bytes with helpers, written in writes of at
// most chunk bytes and flushed once flushAt bytes are written.
inline Compressed compressPieces(const std::string &bytes, int level, unsigned helpers = 0, size_t chunk = size_t(-1),
                                 size_t flushAt = size_t(-1)) {
    Compressed out;
    quillet::GzipPieces pieces(
        level,
        [&out](const char *member, size_t length) {
            out.bytes.append(member, length);
            out.members.push_back(length);
            return true;
        },
        helpers);
    for (size_t at = 0; at < bytes.size(); at += chunk) {
        pieces.write(bytes.data() + at, std::min(chunk, bytes.size() - at));
        if (at < flushAt && at + chunk >= flushAt) pieces.flush();
    }
    pieces.finish();
    return out;
}

}  // namespace quillet_test

#endif
