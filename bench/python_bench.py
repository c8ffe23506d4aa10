"""The Python module's benchmark rows: one PointsPolygons of a 1500 x 1500
vertex grid from numpy arrays (float32 and int32, passed without a copy)
against the same call from C (grid_bench), each written into /dev/null, best
of REPS alternating runs; then STREAMS such streams, each its own Ri object,
written from one Python thread and from two at once (the interpreter lock is
released while a call writes many values), best of REPS alternating runs,
with the cores the 2-thread run kept busy (processor time over wall time):
near 2 the threads ran side by side; well below, they waited for a core.

    PYTHONPATH=build/python /usr/bin/python3 bench/python_bench.py build/bin/grid_bench [N] [REPS] [STREAMS]
"""
import os
import subprocess
import sys
import tempfile
import threading
import time

import numpy as np

import quillet


def grid(n):
    """The grid of grid_bench: the same points, faces and order."""
    axis = np.arange(n, dtype=np.float32) / np.float32(n - 1)
    points = np.zeros((n, n, 3), dtype=np.float32)
    points[:, :, 0] = axis[np.newaxis, :]
    points[:, :, 1] = axis[:, np.newaxis]
    corner = (np.arange(n - 1, dtype=np.int32)[:, np.newaxis] * n + np.arange(n - 1, dtype=np.int32)).ravel()
    verts = np.stack([corner, corner + 1, corner + n + 1, corner + n], axis=1).astype(np.int32)
    nverts = np.full(corner.size, 4, dtype=np.int32)
    return nverts, verts, points


def python_seconds(ri, nverts, verts, points, encoding, reps, target="/dev/null"):
    ri.Option("rib", {"format": encoding})
    best = float("inf")
    for _ in range(reps):
        start = time.perf_counter()
        ri.Begin(target)
        ri.PointsPolygons(nverts, verts, {ri.P: points})
        ri.End()
        best = min(best, time.perf_counter() - start)
    return best


def threaded_seconds(nverts, verts, points, encoding, streams, threads, target="/dev/null"):
    """Writes the streams, each its own Ri object, split evenly over the threads."""
    quillet.Ri().Option("rib", {"format": encoding})

    def write(count):
        for _ in range(count):
            with quillet.Ri(target) as ri:
                ri.PointsPolygons(nverts, verts, {ri.P: points})
    workers = [threading.Thread(target=write, args=(streams // threads,)) for _ in range(threads)]
    start, processor = time.perf_counter(), time.process_time()
    for worker in workers:
        worker.start()
    for worker in workers:
        worker.join()
    return time.perf_counter() - start, time.process_time() - processor


def c_seconds(program, n, reps, encoding, target="/dev/null"):
    run = subprocess.run([program, str(n), str(reps), encoding, target], check=True, capture_output=True, text=True)
    return float(run.stdout)


def check_same_stream(ri, program, encoding):
    """Both sides write the same bytes (on a small grid)."""
    with tempfile.TemporaryDirectory() as folder:
        c_path, py_path = os.path.join(folder, "c.rib"), os.path.join(folder, "py.rib")
        c_seconds(program, 40, 1, encoding, c_path)
        python_seconds(ri, *grid(40), encoding, 1, py_path)
        with open(c_path, "rb") as c, open(py_path, "rb") as py:
            if c.read() != py.read():
                sys.exit(f"the {encoding} streams of C and Python differ")


def main():
    program = sys.argv[1]
    n = int(sys.argv[2]) if len(sys.argv) > 2 else 1500
    reps = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    streams = int(sys.argv[4]) if len(sys.argv) > 4 else 4
    ri = quillet.Ri()
    nverts, verts, points = grid(n)
    print("| case | encoding | C s | Python s | Python / C |")
    print("|---|---|---:|---:|---:|")
    for encoding in ("ascii", "binary"):
        check_same_stream(ri, program, encoding)
        # Alternating rounds, so that both sides meet the same load.
        c = py = float("inf")
        for _ in range(reps):
            c = min(c, c_seconds(program, n, 1, encoding))
            py = min(py, python_seconds(ri, nverts, verts, points, encoding, 1))
        print(f"| PointsPolygons {n}x{n} vertices from numpy | {encoding} | {c:.3f} | {py:.3f} | {py / c:.2f}x |")
    print()
    print("| case | encoding | 1 thread s | 2 threads s | speed-up | cores busy |")
    print("|---|---|---:|---:|---:|---:|")
    for encoding in ("ascii", "binary"):
        one = two = (float("inf"), 0.0)
        for _ in range(reps):
            one = min(one, threaded_seconds(nverts, verts, points, encoding, streams, 1))
            two = min(two, threaded_seconds(nverts, verts, points, encoding, streams, 2))
        print(f"| {streams} streams of PointsPolygons {n}x{n}, one Ri each | {encoding} | {one[0]:.3f} | "
              f"{two[0]:.3f} | {one[0] / two[0]:.2f}x | {two[1] / two[0]:.2f} |")


if __name__ == "__main__":
    main()
