"""Converting a value can run Python code (__array__, __index__, a sequence's
items). Whatever that code does to other values or to the stream, nothing
reaches the stream unless every value is what it was when converted, and the
process goes on."""
import numpy as np
import pytest

import quillet

QUAD = [0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0]
HEADER = b"##RenderMan RIB-Structure 1.0\nversion 3.03\n"


class Runs:
    """A value whose conversion first runs `action`."""

    def __init__(self, action, value):
        self.action, self.value = action, value

    def __array__(self, dtype=None, copy=None):
        self.action()
        return np.asarray(self.value, dtype=dtype)


def resized(array):
    return lambda: array.resize(10 ** 6, refcheck=False)


def points():
    return np.array(QUAD, dtype=np.float32)


def view_of_points():
    return np.array(QUAD + QUAD, dtype=np.float32)[:12]


RESIZED = [
    ("array used in place", points, lambda p: p),
    ("view of a larger array", view_of_points, lambda p: p.base),
]


@pytest.mark.parametrize("make, owner", [case[1:] for case in RESIZED], ids=[case[0] for case in RESIZED])
def test_an_array_resized_by_a_later_conversion_is_refused(stream, capfd, make, owner):
    def scene(ri, bad=False):
        ri.WorldBegin()
        if bad:
            p = make()
            with pytest.raises(ValueError) as raised:
                ri.Polygon(4, {ri.P: p, ri.CS: Runs(resized(owner(p)), np.ones(12))})
            assert str(raised.value) == "P: the array was resized while the call's values were converted"
        ri.WorldEnd()

    assert stream(lambda ri: scene(ri, True), "rejected.rib") == stream(scene, "clean.rib")
    assert capfd.readouterr() == ("", "")


def test_vertex_indices_resized_by_the_parameter_list_are_refused(stream):
    indices = np.array([0, 1, 2, 3], dtype=np.int32)

    def scene(ri):
        with pytest.raises(ValueError) as raised:
            ri.PointsPolygons([4], indices, {ri.P: Runs(resized(indices), QUAD)})
        assert str(raised.value) == "vertices: the array was resized while the call's values were converted"

    assert stream(scene) == HEADER + b"\n"


def test_a_copied_value_is_written_whatever_later_code_does_to_its_source(stream):
    source = np.array(QUAD, dtype=np.float64)

    def scene(ri):
        ri.Polygon(4, {ri.P: source, ri.CS: Runs(resized(source), np.ones(12))})

    assert stream(scene) == stream(lambda ri: ri.Polygon(4, {ri.P: QUAD, ri.CS: np.ones(12)}), "ref")


def test_a_dict_changed_by_a_conversion_is_written_as_it_was(stream):
    def scene(ri):
        params = {ri.P: QUAD}
        params[ri.CS] = Runs(lambda: params.clear(), np.ones(12))
        ri.Polygon(4, params)

    assert stream(scene) == stream(lambda ri: ri.Polygon(4, {ri.P: QUAD, ri.CS: np.ones(12)}), "ref")


STREAM_CHANGES = [
    ("End", lambda ri, other: ri.End(), None),
    ("Begin", lambda ri, other: ri.Begin(other), HEADER + b"\n"),
    ("Context", lambda ri, other: ri.Context(None), None),
]


@pytest.mark.parametrize("change, second", [case[1:] for case in STREAM_CHANGES],
                         ids=[case[0] for case in STREAM_CHANGES])
def test_a_stream_changed_by_a_conversion_gets_no_request(ri, tmp_path, capfd, change, second):
    first_path, second_path = tmp_path / "first.rib", tmp_path / "second.rib"
    ri.Begin(str(first_path))
    first = ri.GetContext()
    ri.WorldBegin()
    with pytest.raises(quillet.Error) as raised:
        ri.Surface("plastic", {ri.KD: Runs(lambda: change(ri, str(second_path)), 0.5)})
    assert str(raised.value) == "Surface: the stream was ended or changed while the call's values were converted"
    if ri.GetContext() is not None:
        ri.End()
    try:
        ri.Context(first)
        ri.End()
    except quillet.Error:
        pass  # the change ended it
    assert first_path.read_bytes() == HEADER + b"WorldBegin\n\n"
    assert (second_path.read_bytes() if second_path.exists() else None) == second
    assert capfd.readouterr() == ("", "")

