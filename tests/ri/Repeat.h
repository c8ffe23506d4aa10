// Repeats f() count times as a comma-separated argument list, for calls with
// hundreds of variable arguments.
#ifndef QUILLET_TESTS_REPEAT_H
#define QUILLET_TESTS_REPEAT_H

#define REPEAT2(f) f(), f()
#define REPEAT4(f) REPEAT2(f), REPEAT2(f)
#define REPEAT8(f) REPEAT4(f), REPEAT4(f)
#define REPEAT16(f) REPEAT8(f), REPEAT8(f)
#define REPEAT32(f) REPEAT16(f), REPEAT16(f)
#define REPEAT64(f) REPEAT32(f), REPEAT32(f)
#define REPEAT128(f) REPEAT64(f), REPEAT64(f)
#define REPEAT256(f) REPEAT128(f), REPEAT128(f)
#define REPEAT511(f)                                                                                                   \
    REPEAT256(f), REPEAT128(f), REPEAT64(f), REPEAT32(f), REPEAT16(f), REPEAT8(f), REPEAT4(f), REPEAT2(f), f()

#endif
