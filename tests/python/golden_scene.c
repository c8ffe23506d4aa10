/* The shared every-request scene written from C; golden_scene.py makes the
 * same calls from Python, and the two streams must be identical.
 *   golden_scene FILE [binary] */
#include <string.h>

#include "quillet/ri.h"
#include "tests/support/EveryRequestScene.h"

int main(int argc, char **argv) {
    if (argc > 2 && strcmp(argv[2], "binary") == 0) {
        RtToken format = "binary";
        RiOption("rib", "format", &format, RI_NULL);
    }
    RiBegin(argv[1]);
    everyRequestScene();
    RiEnd();
    return 0;
}
