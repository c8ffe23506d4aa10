/* Every request of the interface, with parameter lists of every value type,
 * in families: the parser's round trip, the tools and the Python module's
 * golden test (tests/python/golden_scene.py makes the same calls) all write
 * this one scene. C, so that the C interface is what calls it. */
#ifndef QUILLET_TESTS_EVERYREQUESTSCENE_H
#define QUILLET_TESTS_EVERYREQUESTSCENE_H

#ifdef __cplusplus
extern "C" {
#endif

typedef struct {
    const char *name;
    void (*calls)(void);
} SceneFamily;

/* The families in the order of the scene; each can also be written alone,
 * after the ones before it (the first declares what the others use). */
extern const SceneFamily kSceneFamilies[];
extern const int kSceneFamilyCount;

/* The whole scene: the declarations, then one frame with the camera and
 * options and a world with every other family. */
void everyRequestScene(void);

#ifdef __cplusplus
}
#endif

#endif
