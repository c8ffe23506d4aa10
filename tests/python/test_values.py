"""Every form a value can take is written as the same numbers: numpy arrays of
any dtype, layout or byte order, sequences, nested sequences and scalars."""
import os
import tracemalloc

import numpy as np
import pytest

QUAD = [0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0.5]
GRID = np.array(QUAD, dtype=np.float64).reshape(4, 3)
WIDE = np.zeros((4, 6), dtype=np.float32)
WIDE[:, ::2] = GRID

FLOAT_FORMS = [
    ("float32", np.array(QUAD, dtype=np.float32)),
    ("float64", np.array(QUAD)),
    ("tuple", tuple(QUAD)),
    ("nested list", GRID.tolist()),
    ("fortran order", np.asfortranarray(GRID)),
    ("strided", WIDE[:, ::2]),
    ("big endian", np.array(QUAD, dtype=">f4")),
    ("read-only", np.frombuffer(np.array(QUAD, dtype=np.float32).tobytes(), dtype=np.float32)),
    ("grid of rows", GRID.reshape(2, 2, 3)),
]

INT_FORMS = [
    ("int32", np.array([3, 1], dtype=np.int32)),
    ("int64", np.array([3, 1], dtype=np.int64)),
    ("uint8", np.array([3, 1], dtype=np.uint8)),
    ("list", [3, 1]),
]


@pytest.mark.parametrize("points", [form[1] for form in FLOAT_FORMS], ids=[form[0] for form in FLOAT_FORMS])
def test_float_values_in_any_form(stream, points):
    assert stream(lambda ri: ri.Polygon(4, {ri.P: points})) == stream(lambda ri: ri.Polygon(4, {ri.P: QUAD}), "ref")


@pytest.mark.parametrize("counts", [form[1] for form in INT_FORMS], ids=[form[0] for form in INT_FORMS])
def test_integer_values_in_any_form(stream, counts):
    def scene(ri, value):
        ri.Option("limits", {"uniform integer[2] bucketsize": value})
        ri.GeneralPolygon(value, {ri.P: np.zeros(12)})

    assert stream(lambda ri: scene(ri, counts)) == stream(lambda ri: scene(ri, [3, 1]), "ref")


def test_scalars_strings_and_inline_declarations(stream):
    def scene(ri):
        ri.Declare("names", "uniform string[2]")
        ri.Surface("s", {ri.KD: 1, ri.TEXTURENAME: "a.tex", "names": ("x", "y"), "constant integer n": True,
                         "varying float[0] nothing": []})

    assert stream(scene) == (
        b'##RenderMan RIB-Structure 1.0\nversion 3.03\nDeclare "names" "uniform string[2]"\n'
        b'Surface "s" "Kd" [1] "texturename" ["a.tex"] "names" ["x" "y"] "constant integer n" [1 ] '
        b'"varying float[0] nothing" []\n\n')


def test_texture_making_carries_its_parameters(stream):
    def scene(ri):
        ri.MakeTexture("a.tif", "a.tx", ri.PERIODIC, ri.CLAMP, ri.GaussianFilter, 2, 2, {"compression": "lzw"})
        ri.MakeShadow("depth.z", "light.shd", {"uniform float bias": 0.25})

    assert stream(scene) == (
        b'##RenderMan RIB-Structure 1.0\nversion 3.03\n'
        b'MakeTexture "a.tif" "a.tx" "periodic" "clamp" "gaussian" 2 2 "compression" ["lzw"]\n'
        b'MakeShadow "depth.z" "light.shd" "uniform float bias" [0.25]\n\n')

COPIES = [
    ("float32 and int32 in place", np.float32, np.int32, False),
    ("float64 converted", np.float64, np.int32, True),
    ("int64 converted", np.float32, np.int64, True),
]


@pytest.mark.parametrize("floats, ints, copied", [case[1:] for case in COPIES], ids=[case[0] for case in COPIES])
def test_contiguous_float32_and_int32_arrays_are_not_copied(ri, floats, ints, copied):
    n = 1_000_000
    points = np.zeros(3 * n, dtype=floats)
    indices = np.arange(n, dtype=ints)
    ri.Begin(os.devnull)
    tracemalloc.start()
    ri.PointsPolygons(np.full(n // 4, 4, dtype=ints), indices, {ri.P: points})
    peak = tracemalloc.get_traced_memory()[1]
    tracemalloc.stop()
    ri.End()
    # A copy of the points alone would take 12 MB.
    assert (peak > 4_000_000) == copied


ROW_SHAPES = [
    ("matrix as 4x4 blocks", "varying matrix m", np.arange(32).reshape(2, 4, 4), list(range(32))),
    ("matrix as rows of 16", "varying matrix m", np.arange(32).reshape(2, 16), list(range(32))),
    ("float pairs", "varying float[2] uv", np.arange(4).reshape(2, 2), [0, 1, 2, 3]),
    ("floats as a column", "varying float[2] uv", np.arange(4).reshape(4, 1), [0, 1, 2, 3]),
    ("integer pairs", "varying integer[2] ij", np.arange(4).reshape(2, 2), [0, 1, 2, 3]),
]


@pytest.mark.parametrize("token, rows, flat", [case[1:] for case in ROW_SHAPES], ids=[case[0] for case in ROW_SHAPES])
def test_rows_of_a_value_or_of_an_element_are_read_in_row_order(stream, token, rows, flat):
    def scene(ri, value):
        ri.Points(2, {ri.P: np.zeros(6), token: value})

    assert stream(lambda ri: scene(ri, rows)) == stream(lambda ri: scene(ri, flat), "ref")
