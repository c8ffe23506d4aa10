/* The C side of the Python benchmark row: one PointsPolygons of an N x N
 * vertex grid ("P" only) written into /dev/null (or FILE), best of REPS
 * runs, printed in seconds. python_bench.py builds the same grid in numpy and
 * makes the same call through the module.
 *   grid_bench N REPS ascii|binary [FILE] */
#define _POSIX_C_SOURCE 199309L /* clock_gettime */

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "quillet/ri.h"

static double now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

int main(int argc, char **argv) {
    int n, reps, i, j, r;
    RtInt faces, *nverts, *verts;
    RtFloat *points;
    RtToken format, target = "/dev/null";
    double best = 1e30;
    if (argc != 4 && argc != 5) {
        fputs("usage: grid_bench N REPS ascii|binary [FILE]\n", stderr);
        return 2;
    }
    n = atoi(argv[1]);
    reps = atoi(argv[2]);
    format = argv[3];
    if (argc == 5) target = argv[4];
    faces = (n - 1) * (n - 1);
    nverts = malloc(sizeof(RtInt) * faces);
    verts = malloc(sizeof(RtInt) * faces * 4);
    points = malloc(sizeof(RtFloat) * n * n * 3);
    for (j = 0; j < n; ++j)
        for (i = 0; i < n; ++i) {
            points[(j * n + i) * 3] = (RtFloat)i / (RtFloat)(n - 1);
            points[(j * n + i) * 3 + 1] = (RtFloat)j / (RtFloat)(n - 1);
            points[(j * n + i) * 3 + 2] = 0;
        }
    for (j = 0; j < n - 1; ++j)
        for (i = 0; i < n - 1; ++i) {
            RtInt face = j * (n - 1) + i, corner = j * n + i;
            nverts[face] = 4;
            verts[face * 4] = corner;
            verts[face * 4 + 1] = corner + 1;
            verts[face * 4 + 2] = corner + n + 1;
            verts[face * 4 + 3] = corner + n;
        }
    RiOption("rib", "format", &format, RI_NULL);
    for (r = 0; r < reps; ++r) {
        double start = now(), elapsed;
        RiBegin(target);
        RiPointsPolygons(faces, nverts, verts, RI_P, points, RI_NULL);
        RiEnd();
        elapsed = now() - start;
        if (elapsed < best) best = elapsed;
    }
    printf("%.6f\n", best);
    free(nverts);
    free(verts);
    free(points);
    return 0;
}
