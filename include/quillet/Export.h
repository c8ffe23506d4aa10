/*
 * Symbol visibility of the library's public interface. The shared library is
 * compiled with hidden visibility; QUILLET_API marks what it exports. Both
 * QUILLET_SHARED and QUILLET_BUILDING are set only while the shared library
 * itself is compiled, so users and the static library see an empty macro.
 */
#ifndef QUILLET_EXPORT_H
#define QUILLET_EXPORT_H

#if defined(QUILLET_SHARED) && defined(QUILLET_BUILDING)
#define QUILLET_API __attribute__((visibility("default")))
#else
#define QUILLET_API
#endif

#endif /* QUILLET_EXPORT_H */
