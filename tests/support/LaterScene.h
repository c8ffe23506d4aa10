/* The requests of the later interface versions through the C entry points,
 * each once, with named and numbered handles side by side; the parser, ribcat
 * and Python tests write and read it (tests/python/later_scene.py makes the
 * same calls from Python). */
#ifndef QUILLET_TESTS_LATERSCENE_H
#define QUILLET_TESTS_LATERSCENE_H

#ifdef __cplusplus
extern "C" {
#endif

void writeLaterScene(void);

#ifdef __cplusplus
}
#endif

#endif
