"""Mistakes raise before anything reaches the stream: a rejected call leaves
the stream exactly as if it had not been made, and the C side reports
nothing."""
import numpy as np
import pytest

import quillet

QUAD = [0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0]
BOUND = [-1, 1, -1, 1, -1, 1]

REJECTED = [
    ("short array", lambda ri: ri.Sphere(1, -1, 1, 360, {ri.CS: [1, 0, 0]}),
     ValueError, "Cs: expected 12 values, got 3"),
    ("long array", lambda ri: ri.Polygon(3, {ri.P: QUAD}), ValueError, "P: expected 9 values, got 12"),
    ("undeclared token", lambda ri: ri.Surface("plastic", {"roughnes": 0.1}),
     ValueError, 'undeclared parameter "roughnes": declare it, or write its type inline: "uniform float roughnes"'),
    ("undeclared text token", lambda ri: ri.Surface("plastic", {"texname": "a.tx"}),
     ValueError, 'undeclared parameter "texname": declare it, or write its type inline: "uniform string texname"'),
    ("text for floats", lambda ri: ri.Sphere(1, -1, 1, 360, {ri.CS: "red"}), TypeError, "Cs: expected numbers, got str"),
    ("floats for integers", lambda ri: ri.Surface("s", {"uniform integer n": 1.5}),
     TypeError, "uniform integer n: expected integers, got float"),
    ("float array for integers", lambda ri: ri.PointsPolygons([3.0], [0, 1, 2], {ri.P: QUAD[:9]}),
     TypeError, "nvertices: expected integers, got list"),
    ("number for a string", lambda ri: ri.Surface("s", {ri.TEXTURENAME: 3}),
     TypeError, "texturename: expected a str or a sequence of str, got int"),
    ("token not a str", lambda ri: ri.Surface("s", {1: 2}), TypeError, "expected a str or a sequence of str, got int"),
    ("list instead of dict", lambda ri: ri.Surface("s", [ri.KD, 1]), TypeError, "the parameter list must be a dict"),
    ("integer out of range", lambda ri: ri.Surface("s", {"uniform integer n": 2 ** 40}),
     ValueError, "uniform integer n: integer values must lie within the range of a 32-bit int"),
    ("NUL inside a string", lambda ri: ri.Surface("s", {ri.TEXTURENAME: "a\0b"}),
     ValueError, "strings cannot contain a NUL character"),
    ("NUL inside a shader name", lambda ri: ri.Surface("pla\0stic"), ValueError, "strings cannot contain a NUL character"),
    ("NUL inside a fixed name", lambda ri: ri.ShadingInterpolation("smo\0oth"),
     ValueError, "strings cannot contain a NUL character"),
    ("NUL inside a display name", lambda ri: ri.Display("a\0.tif", ri.FILE, ri.RGBA),
     ValueError, "strings cannot contain a NUL character"),
    ("NUL inside a token", lambda ri: ri.Surface("s", {"Kd\0x": 1}), ValueError, "strings cannot contain a NUL character"),
    ("points transposed", lambda ri: ri.Points(10, {ri.P: np.zeros((10, 3)).T}),
     ValueError, "P: expected rows of 3 values (point), got an array of shape (3, 10)"),
    ("points in pairs", lambda ri: ri.Points(10, {ri.P: np.zeros((15, 2))}),
     ValueError, "P: expected rows of 3 values (point), got an array of shape (15, 2)"),
    ("colours with alpha", lambda ri: ri.Points(6, {ri.P: np.zeros((6, 3)), ri.CS: np.zeros((6, 4))}),
     ValueError, "Cs: expected rows of 3 values (color), got an array of shape (6, 4)"),
    ("float pairs in threes", lambda ri: ri.Points(4, {ri.P: np.zeros(12), "varying float[2] uv": np.zeros((4, 3))}),
     ValueError, "varying float[2] uv: expected rows of 1 or 2 values (float), got an array of shape (4, 3)"),
    ("matrix rows", lambda ri: ri.Surface("s", {"uniform matrix m": np.zeros((2, 8))}),
     ValueError, "uniform matrix m: expected rows of 16 values (matrix), got an array of shape (2, 8)"),
    ("text for a named float", lambda ri: ri.Surface("plastic", {ri.KD: "0.5"}), TypeError, "Kd: expected numbers, got str"),
    ("text for vertex indices", lambda ri: ri.PointsPolygons([3], "012", {ri.P: QUAD[:9]}),
     TypeError, "vertices: expected integers, got str"),
    ("misspelt stream format", lambda ri: ri.Option("rib", {"format": "binray"}),
     ValueError, '"rib" option "format": expected "ascii" or "binary", got "binray"'),
    ("stream precision out of range", lambda ri: ri.Option("rib", {"precision": 12}),
     ValueError, '"rib" option "precision": expected -1 (the default) or 0 to 9, got 12'),
    ("gzip level out of range", lambda ri: ri.Option("rib", {"gziplevel": 13}),
     ValueError, '"rib" option "gziplevel": expected 0 to 12, got 13'),
    ("unknown compression", lambda ri: ri.Option("rib", {"compression": "zip"}),
     ValueError, '"rib" option "compression": expected "gzip" or "none", got "zip"'),
    ("misspelt declaration", lambda ri: ri.Declare("foo", "uniform flot"),
     ValueError, 'Declare: bad declaration "uniform flot" for "foo"'),
    ("declaration without a type", lambda ri: ri.Declare("foo", "varying"),
     ValueError, 'Declare: bad declaration "varying" for "foo"'),
    ("indices short of the loops", lambda ri: ri.PointsPolygons([4], [0, 1, 2], {ri.P: QUAD}),
     ValueError, "vertices: expected 4 values, got 3"),
    ("points short of the largest index", lambda ri: ri.PointsPolygons([3], [0, 1, 4], {ri.P: QUAD}),
     ValueError, "vertex index 4 out of range: P has 4 points"),
    ("negative vertex index", lambda ri: ri.SubdivisionMesh("catmull-clark", [3], [0, -1, 2], params={ri.P: QUAD[:9]}),
     ValueError, "vertex index -1 out of range: P has 3 points"),
    ("vertex index past one point", lambda ri: ri.PointsGeneralPolygons([1], [3], [0, 0, 1], {ri.P: QUAD[:3]}),
     ValueError, "vertex index 1 out of range: P has 1 point"),
    ("loops short", lambda ri: ri.PointsGeneralPolygons([2], [4], [0, 1, 2, 3], {ri.P: QUAD}),
     ValueError, "nvertices: expected 2 values, got 1"),
    ("general polygon points", lambda ri: ri.GeneralPolygon([4, 3], {ri.P: QUAD}),
     ValueError, "P: expected 21 values, got 12"),
    ("unknown patch type", lambda ri: ri.PatchMesh("bicubik", 4, ri.PERIODIC, 4, ri.PERIODIC, {ri.P: QUAD}),
     ValueError, 'unknown patch type "bicubik"'),
    ("unknown patch", lambda ri: ri.Patch("bicubik", {ri.P: QUAD}), ValueError, 'unknown patch type "bicubik"'),
    ("knot vector", lambda ri: ri.NuPatch(4, 4, [0, 1], 0, 1, 1, 1, [0, 1], 0, 1),
     ValueError, "uknot: expected 8 values, got 2"),
    ("trim curve points", lambda ri: ri.TrimCurve([1], [2], [0, 0, 1, 1], [0], [1], [2], [0, 1], [0], [1, 1]),
     ValueError, "v: expected 2 values, got 1"),
    ("trim curve orders", lambda ri: ri.TrimCurve([2], [2], [0, 0, 1, 1], [0], [1], [2], [0, 1], [0, 1], [1, 1]),
     ValueError, "order: expected 2 values, got 1"),
    ("subdivision tag counts", lambda ri: ri.SubdivisionMesh("loop", [3], [0, 1, 2], ["crease"], [2], [0, 1], []),
     ValueError, "nargs: expected 2 values, got 1"),
    ("subdivision tag arguments", lambda ri: ri.SubdivisionMesh("loop", [3], [0, 1, 2], ["crease"], [2, 1], [0], []),
     ValueError, "intargs: expected 2 values, got 1"),
    ("blobby leaves", lambda ri: ri.Blobby(2, [1000, 0], [1], []),
     ValueError, "Blobby: the code array asks for 1 leaves, 1 floats and 0 strings; got 2, 1 and 0"),
    ("blobby truncated operator", lambda ri: ri.Blobby(1, [1000, 0, 0, 3, 0], [1], []),
     ValueError, "Blobby: the code array ends inside an operator"),
    ("procedural data", lambda ri: ri.Procedural(["prog"], BOUND, ri.ProcRunProgram),
     ValueError, 'Procedural: RunProgram takes 2 strings of data, got 1'),
    ("procedural function", lambda ri: ri.Procedural(["a.rib"], BOUND, print),
     TypeError, "expected one of the standard procedurals (Ri.ProcDelayedReadArchive, ...)"),
    ("Procedural2 given a first-version procedural", lambda ri: ri.Procedural2(ri.ProcDynamicLoad, ri.SimpleBound),
     TypeError, "expected one of the standard procedurals (Ri.Proc2DelayedReadArchive, ...)"),
    ("Procedural2 bound function", lambda ri: ri.Procedural2(ri.Proc2ReadArchive, None),
     TypeError, "expected one of the standard bound functions (Ri.SimpleBound, Ri.DelayedBound)"),
    ("volume dimensions", lambda ri: ri.Volume("box", BOUND, [2, 2]), ValueError, "dimensions: expected 3 values, got 2"),
    ("volume values per grid point", lambda ri: ri.Volume("box", BOUND, [2, 1, 1], {"varying float d": [1]}),
     ValueError, "varying float d: expected 2 values, got 1"),
    ("handle name not a str", lambda ri: ri.ObjectBegin(handleid=3),
     TypeError, "handleid: expected a str or a sequence of str, got int"),
    ("filter function", lambda ri: ri.PixelFilter(lambda x, y, w, h: 1.0, 2, 2),
     TypeError, "expected one of the standard filters (Ri.GaussianFilter, ...) or None"),
    ("colour", lambda ri: ri.Color([1, 0]), ValueError, "Color: expected 3 values, got 2"),
    ("matrix", lambda ri: ri.ConcatTransform(np.zeros((3, 3))), ValueError, "ConcatTransform: expected 16 values, got 9"),
    ("colour samples", lambda ri: ri.ColorSamples([1, 0, 0], [1, 0]),
     ValueError, "ColorSamples: nRGB and RGBn must hold the same multiple of 3 values"),
    ("unknown stream option", lambda ri: ri.Option("rib", {"gzip": 1}), ValueError, 'unknown "rib" option "gzip"'),
    ("record format", lambda ri: ri.ArchiveRecord(ri.COMMENT, "%d items"),
     TypeError, "not enough arguments for format string"),
    ("points to transform", lambda ri: ri.TransformPoints(ri.CAMERA, ri.WORLD, [0, 1]),
     ValueError, "TransformPoints: points must hold a multiple of 3 values"),
]


@pytest.mark.parametrize("call, error, text", [case[1:] for case in REJECTED], ids=[case[0] for case in REJECTED])
def test_a_rejected_call_writes_nothing(stream, capfd, call, error, text):
    def scene(ri, bad_call=None):
        ri.WorldBegin()
        if bad_call:
            with pytest.raises(error) as raised:
                bad_call(ri)
            assert str(raised.value) == text
        ri.WorldEnd()

    assert stream(lambda ri: scene(ri, call), "rejected.rib") == stream(scene, "clean.rib")
    assert capfd.readouterr() == ("", "")


def test_a_bad_basis_step_is_rejected_before_the_patch_mesh(stream, capfd):
    def scene(ri, bad=False):
        ri.Basis(ri.BezierBasis, 0, ri.BezierBasis, 3)
        if bad:
            with pytest.raises(ValueError) as raised:
                ri.PatchMesh(ri.BICUBIC, 4, ri.NONPERIODIC, 4, ri.NONPERIODIC, {ri.P: np.zeros(48)})
            assert str(raised.value) == "bad basis step 0: set a basis with a step of 1 or more"

    assert stream(lambda ri: scene(ri, True), "rejected.rib") == stream(scene, "clean.rib")
    assert capfd.readouterr() == ("", "")


BEFORE_BEGIN = [
    ("WorldBegin", lambda ri: ri.WorldBegin()),
    ("Sphere", lambda ri: ri.Sphere(1, -1, 1, 360, {ri.CS: [1, 0, 0]})),
    ("Declare", lambda ri: ri.Declare("x", "float")),
    ("LightSource", lambda ri: ri.LightSource(ri.POINTLIGHT)),
    ("Option", lambda ri: ri.Option("Rib", {"format": "binary"})),
    ("End", lambda ri: ri.End()),
]


@pytest.mark.parametrize("name, call", BEFORE_BEGIN, ids=[case[0] for case in BEFORE_BEGIN])
def test_a_call_without_a_stream_raises_instead_of_ending_the_process(ri, capfd, name, call):
    with pytest.raises(quillet.Error) as raised:
        call(ri)
    error = raised.value
    message = name + " called before Begin (no stream is current)"
    assert (str(error), error.message, error.code, error.severity) == (message, message, 23, 2)
    assert capfd.readouterr() == ("", "")


def test_context_switches_streams_and_refuses_an_ended_one(ri, tmp_path, capfd):
    first, second = tmp_path / "first.rib", tmp_path / "second.rib"
    ri.Begin(str(first))
    saved = ri.GetContext()
    ri.Begin(str(second))
    later = ri.GetContext()
    ri.Context(None)
    assert ri.GetContext() is None
    with pytest.raises(quillet.Error):
        ri.WorldBegin()
    ri.Context(saved)
    ri.WorldBegin()
    ri.End()
    with pytest.raises(TypeError):
        ri.Context("first")
    with pytest.raises(quillet.Error) as raised:
        ri.Context(saved)
    assert str(raised.value) == "Context: the stream of this handle has ended"
    assert ri.GetContext() is None
    ri.Context(later)
    ri.End()
    assert first.read_bytes() == b"##RenderMan RIB-Structure 1.0\nversion 3.03\nWorldBegin\n\n"
    assert second.read_bytes() == b"##RenderMan RIB-Structure 1.0\nversion 3.03\n\n"
    assert capfd.readouterr() == ("", "")


def test_a_file_that_cannot_be_made_raises_oserror_and_the_process_goes_on(ri, tmp_path, capfd):
    with pytest.raises(FileNotFoundError):
        ri.Begin(str(tmp_path / "missing" / "scene.rib"))
    assert ri.GetContext() is None
    assert capfd.readouterr() == ("", "")


def test_a_target_name_with_a_nul_raises_and_makes_no_file(ri, tmp_path, capfd):
    with pytest.raises(ValueError) as raised:
        ri.Begin(str(tmp_path / "a.rib") + "\0x")
    assert str(raised.value) == "strings cannot contain a NUL character"
    assert (ri.GetContext(), list(tmp_path.iterdir())) == (None, [])
    assert capfd.readouterr() == ("", "")
