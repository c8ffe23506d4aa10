"""Each Ri object writes its own stream: objects interleaved, or on threads at
once, write the very bytes each writes alone; a call on a stream that has
ended raises."""
import io
import threading

import numpy as np
import pytest

import quillet

HEADER = b"##RenderMan RIB-Structure 1.0\nversion 3.03\n"


def mesh(side, offset):
    """A grid of side x side vertices: enough values that the calls are
    written without the interpreter lock."""
    axis = np.arange(side, dtype=np.float32)
    points = np.zeros((side, side, 3), dtype=np.float32)
    points[:, :, 0] = axis[np.newaxis, :]
    points[:, :, 1] = axis[:, np.newaxis]
    points[:, :, 2] = offset
    corner = (np.arange(side - 1, dtype=np.int32)[:, np.newaxis] * side + np.arange(side - 1, dtype=np.int32)).ravel()
    verts = np.stack([corner, corner + 1, corner + side + 1, corner + side], axis=1).astype(np.int32)
    return np.full(corner.size, 4, dtype=np.int32), verts, points


def scene_steps(ri, index):
    """A scene as a sequence of steps, so that two can be interleaved."""
    nverts, verts, points = mesh(40 + index, index)
    yield ri.WorldBegin()
    yield ri.Translate(index, 0, 0)
    for _ in range(3):
        yield ri.PointsPolygons(nverts, verts, {ri.P: points})
        yield ri.Sphere(1 + index, -1, 1, 360)
    yield ri.WorldEnd()


def written_alone(index):
    target = io.BytesIO()
    with quillet.Ri(target) as ri:
        for _ in scene_steps(ri, index):
            pass
    return target.getvalue()


def interleaved(targets):
    objects = [quillet.Ri(target) for target in targets]
    steps = [scene_steps(ri, index) for index, ri in enumerate(objects)]
    for _ in zip(*steps):
        pass
    for ri in reversed(objects):
        ri.End()


def on_threads(targets):
    start = threading.Barrier(len(targets))
    failures = []

    def write(index, target):
        try:
            start.wait()
            with quillet.Ri(target) as ri:
                for _ in scene_steps(ri, index):
                    pass
        except Exception as error:
            failures.append(error)
    threads = [threading.Thread(target=write, args=(index, target)) for index, target in enumerate(targets)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    assert failures == []


def file_targets(tmp_path, count):
    return [str(tmp_path / f"stream{index}.rib") for index in range(count)]


def contents(target):
    if isinstance(target, io.BytesIO):
        return target.getvalue()
    with open(target, "rb") as f:
        return f.read()


@pytest.mark.parametrize("write", [interleaved, on_threads])
@pytest.mark.parametrize("make_targets", [lambda tmp_path, count: [io.BytesIO() for _ in range(count)], file_targets],
                         ids=["BytesIO", "files"])
def test_streams_written_together_match_each_written_alone(tmp_path, write, make_targets):
    targets = make_targets(tmp_path, 3)
    write(targets)
    assert [contents(target) for target in targets] == [written_alone(index) for index in range(3)]


def test_each_with_block_ends_its_own_stream(tmp_path):
    outer_path, inner_path = tmp_path / "outer.rib", tmp_path / "inner.rib"
    with quillet.Ri(str(outer_path)) as outer:
        outer.WorldBegin()
        with quillet.Ri(str(inner_path)) as inner:
            inner.Sphere(1, -1, 1, 360)
            outer.Sphere(2, -2, 2, 360)
        outer.WorldEnd()
    assert (outer_path.read_bytes(), inner_path.read_bytes()) == (
        HEADER + b"WorldBegin\nSphere 2 -2 2 360\nWorldEnd\n\n", HEADER + b"Sphere 1 -1 1 360\n\n")


def test_an_object_without_a_stream_follows_the_current_one(tmp_path):
    path = tmp_path / "shared.rib"
    begun = quillet.Ri(str(path))
    quillet.Ri().Sphere(1, -1, 1, 360)
    begun.End()
    assert path.read_bytes() == HEADER + b"Sphere 1 -1 1 360\n\n"


def ended_by_itself(ri, other):
    ri.End()


def ended_through_another_object(ri, other):
    other.Context(ri.GetContext())
    other.End()


@pytest.mark.parametrize("end", [ended_by_itself, ended_through_another_object])
@pytest.mark.parametrize("call, name", [(lambda ri: ri.Sphere(1, -1, 1, 360), "Sphere"), (lambda ri: ri.End(), "End")])
def test_a_call_on_an_ended_stream_raises(tmp_path, end, call, name):
    ri = quillet.Ri(str(tmp_path / "ended.rib"))
    with quillet.Ri(io.BytesIO()) as other:
        end(ri, other)
        with pytest.raises(quillet.Error) as raised:
            call(ri)
    error = raised.value
    assert (str(error), error.code, error.severity) == (f"{name}: this object's stream has ended",
                                                        quillet.RIE_NOTSTARTED, quillet.RIE_ERROR)


def test_one_stream_shared_by_threads_gets_each_call_whole(tmp_path):
    """Threads that share one object take turns: every request arrives
    whole, in some order."""
    nverts, verts, points = mesh(30, 0)
    path = tmp_path / "shared.rib"
    with quillet.Ri(str(path)) as ri:
        threads = [threading.Thread(target=lambda: [ri.PointsPolygons(nverts, verts, {ri.P: points})
                                                    for _ in range(4)]) for _ in range(3)]
        for thread in threads:
            thread.start()
        for thread in threads:
            thread.join()
    alone = io.BytesIO()
    with quillet.Ri(alone) as one:
        for _ in range(12):
            one.PointsPolygons(nverts, verts, {one.P: points})
    assert path.read_bytes() == alone.getvalue()


class Reentering:
    """A write method that makes a request on the stream it is writing."""
    def __init__(self):
        self.ri = None

    def write(self, data):
        self.ri.Sphere(1, -1, 1, 360)


def test_a_write_method_cannot_write_its_own_stream():
    target = Reentering()
    ri = target.ri = quillet.Ri(target)
    with pytest.raises(quillet.Error) as raised:
        ri.End()
    assert str(raised.value) == "Sphere: called on a stream while it writes (from its own write method)"


def test_a_patch_mesh_is_counted_by_the_basis_steps_of_its_own_stream():
    """B-spline steps of 1 make a 7 x 7 mesh 4 x 4 patches (25 varying
    values); the stream begun later, current on the thread, keeps the default
    steps of 3 (9 values)."""
    target = io.BytesIO()
    stepped = quillet.Ri(target)
    stepped.Basis(stepped.BSplineBasis, 1, stepped.BSplineBasis, 1)
    with quillet.Ri(io.BytesIO()):
        stepped.PatchMesh("bicubic", 7, "nonperiodic", 7, "nonperiodic",
                          {stepped.P: [0] * 147, "varying float w": list(range(25))})
    stepped.End()
    assert target.getvalue() == (HEADER + b'Basis "b-spline" 1 "b-spline" 1\n'
                                 b'PatchMesh "bicubic" 7 "nonperiodic" 7 "nonperiodic" "P" [' + b"0 " * 146 +
                                 b'0] "varying float w" [0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24]'
                                 b'\n\n')
