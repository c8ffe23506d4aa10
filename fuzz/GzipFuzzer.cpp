// Fuzz target: gzip input. The stream after the first two bytes is
// compressed as one to four consecutive gzip members, split evenly; bit 2 of
// the first byte cuts the compressed bytes short inside a member that the
// second byte picks. A whole input reads as the plain stream does; a cut one
// never reads as complete.
#include <zlib.h>

#include <cstring>
#include <vector>

#include "fuzz/ParsedStreams.h"

using namespace fuzzing;

namespace {

// One gzip member holding size bytes, appended to out.
void appendMember(const uint8_t *data, size_t size, int level, std::string &out) {
    z_stream z;
    std::memset(&z, 0, sizeof z);
    require(deflateInit2(&z, level, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY) == Z_OK);
    std::vector<unsigned char> room(deflateBound(&z, static_cast<uLong>(size)) + 32);
    z.next_in = const_cast<Bytef *>(data);
    z.avail_in = static_cast<uInt>(size);
    z.next_out = room.data();
    z.avail_out = static_cast<uInt>(room.size());
    require(deflate(&z, Z_FINISH) == Z_STREAM_END);
    out.append(reinterpret_cast<const char *>(room.data()), room.size() - z.avail_out);
    deflateEnd(&z);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2) return 0;
    const size_t members = (data[0] & 3) + 1;
    const bool cut = data[0] & 4;
    const int level = (data[0] >> 3) % 10;
    const uint8_t where = data[1];
    const uint8_t *plain = data + 2;
    const size_t plainSize = size - 2;

    std::string compressed;
    std::vector<size_t> starts;
    for (size_t i = 0; i < members; ++i) {
        starts.push_back(compressed.size());
        size_t from = plainSize * i / members, to = plainSize * (i + 1) / members;
        appendMember(plain + from, to - from, level, compressed);
    }
    if (cut) {
        // Inside member k: at least its two magic bytes stay, at least its
        // last byte goes.
        size_t k = where % members;
        size_t start = starts[k], end = k + 1 < members ? starts[k + 1] : compressed.size();
        compressed.resize(start + 2 + where % (end - start - 2));
    }

    Rewritten inflated = rewrite(compressed, false);
    if (cut) {
        require(!inflated.result.complete);
        return 0;
    }
    // Bytes that are gzip data themselves are inflated once only.
    const bool nested = plainSize >= 2 && plain[0] == 0x1F && plain[1] == 0x8B;
    Rewritten direct = rewrite(plain, plainSize, false);
    if (!nested && !inflated.declared) {
        require(inflated.stream == direct.stream);
        require(inflated.result.complete == direct.result.complete);
    }
    return 0;
}
