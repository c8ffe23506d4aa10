"""The docstrings of the module's methods and the type stubs written from
them: every public name is in the stubs with its docstring, each method's
docstring describes exactly the parameters it takes, and a type checker reads
the stubs."""
import ast
import importlib.util
import os
import pydoc
import subprocess
import sys

import pytest

import quillet

STUBS = os.path.join(os.path.dirname(quillet.__file__), "quillet-stubs", "__init__.pyi")

POINTS_POLYGONS_DOC = """\
PointsPolygons(self: quillet.Ri, nvertices: IntArray, vertices: IntArray, params: ParamList = None) -> None

A mesh of convex polygons that share vertices.

nvertices: how many vertices each polygon has.
vertices: for each polygon's vertices in turn, the index of the vertex in the arrays of
    params ("P" and the other vertex and varying parameters).
params: None or a dict from token to value, the request's parameter list, written in the
    dict's order. A token is predeclared, declared with Declare, or declared inline
    ("uniform float width"); its value is a number, a str, a sequence or a numpy array
    holding as many values as the declaration and the request's counts ask for.
"""


def stub_tree():
    with open(STUBS) as stubs:
        return ast.parse(stubs.read())


def stub_names(body, prefix=""):
    """Every name the stubs define, dotted: the docstring of each class and
    method ("" when it has none), None for an attribute or a property."""
    names = {}
    for node in body:
        if isinstance(node, ast.ClassDef):
            names[prefix + node.name] = ast.get_docstring(node) or ""
            names.update(stub_names(node.body, prefix + node.name + "."))
        elif isinstance(node, ast.FunctionDef):
            is_property = any(isinstance(d, ast.Name) and d.id == "property" for d in node.decorator_list)
            names[prefix + node.name] = None if is_property else ast.get_docstring(node) or ""
        elif isinstance(node, ast.AnnAssign):
            names[prefix + node.target.id] = None
    return names


def public_names(namespace, prefix=""):
    names = {}
    for name, member in vars(namespace).items():
        if name.startswith("_") and name not in ("__init__", "__enter__", "__exit__", "__call__"):
            continue
        if name.startswith("_") and type(member).__name__ != "instancemethod":
            continue
        names[prefix + name] = member
        if isinstance(member, type) and not issubclass(member, BaseException):
            names.update(public_names(member, prefix + name + "."))
    return names


def described_parameters(doc):
    """The parameter names of a docstring: its lines after the description
    that are not continued lines."""
    _, _, text = doc.partition("\n\n")
    _, _, parameters = text.partition("\n\n")
    return [line.split(":")[0] for line in parameters.splitlines() if line and not line.startswith(" ")]


def signature_parameters(doc):
    signature = doc.split("\n")[0]
    arguments = signature[signature.index("(") + 1:signature.rindex(") -> ")]
    names = [part.split(":")[0].split("=")[0].strip().lstrip("*") for part in arguments.split(", ")]
    return [name for name in names if name not in ("self", "")]


def test_every_public_name_is_in_the_stubs_with_a_docstring():
    stubs = stub_names(stub_tree().body)
    missing = sorted(name for name in public_names(quillet) if name not in stubs)
    undocumented = sorted(name for name, doc in stubs.items() if doc == "")
    assert (missing, undocumented) == ([], [])


def test_each_method_describes_the_parameters_it_takes_in_order():
    mismatched = {}
    for name, member in vars(quillet.Ri).items():
        if type(member).__name__ != "instancemethod" or name == "__init__":
            continue
        taken, described = signature_parameters(member.__doc__), described_parameters(member.__doc__)
        if taken != described:
            mismatched[name] = (taken, described)
    assert mismatched == {}


def test_help_shows_what_a_request_and_each_of_its_parameters_mean():
    assert quillet.Ri.PointsPolygons.__doc__ == POINTS_POLYGONS_DOC
    indented = "".join("    " + line if line != "\n" else "    \n" for line in POINTS_POLYGONS_DOC.splitlines(True))
    assert pydoc.plain(pydoc.render_doc(quillet.Ri.PointsPolygons)) == (
        "Python Library Documentation: instancemethod in module quillet\n\nPointsPolygons(...)\n" + indented)


EXAMPLE = """\
import io
from typing import Optional

import quillet

with quillet.Ri(io.BytesIO()) as ri:
    declared: Optional[str] = ri.Declare("width", "uniform float")
    ri.ArchiveRecord(ri.COMMENT, "frame %d", 1)
    ri.Format(640, 480, 1.0)
    ri.PixelFilter(ri.GaussianFilter, 2, 2)
    ri.WorldBegin()
    light: int = ri.LightSource(ri.POINTLIGHT, {ri.INTENSITY: 2}, handleid="key")
    ri.Illuminate(light, 1)
    ri.Basis(ri.BezierBasis, quillet.Ri.BEZIERSTEP, [0.0] * 16, 3)
    ri.PointsPolygons([3], [0, 1, 2], {ri.P: [0, 0, 0, 1, 0, 0, 0, 1, 0]})
    ri.Sphere(1, -1, 1, 360)
    ri.WorldEnd()
bound = quillet.write_archive("part.rib", lambda: ri.Sphere(1, -1, 1, 360))
if bound is not None:
    ri.Procedural(["part.rib"], list(bound), ri.ProcDelayedReadArchive)
"""

CHECKS = [
    ("a correct example", EXAMPLE, 0, "Success: no issues found in 1 source file\n"),
    ("a name where a number goes", "import quillet\nquillet.Ri().Sphere('one', -1, 1, 360)\n", 1,
     'example.py:2: error: Argument 1 to "Sphere" of "Ri" has incompatible type "str"; expected "float"  '
     "[arg-type]\nFound 1 error in 1 file (checked 1 source file)\n"),
    ("a request the module lacks", "import quillet\nquillet.Ri().Teapot()\n", 1,
     'example.py:2: error: "Ri" has no attribute "Teapot"  [attr-defined]\n'
     "Found 1 error in 1 file (checked 1 source file)\n"),
]


@pytest.mark.skipif(importlib.util.find_spec("mypy") is None, reason="mypy is not installed")
@pytest.mark.parametrize("source, status, output", [case[1:] for case in CHECKS], ids=[case[0] for case in CHECKS])
def test_a_type_checker_reads_the_stubs(tmp_path, source, status, output):
    (tmp_path / "example.py").write_text(source)
    checked = subprocess.run(
        [sys.executable, "-m", "mypy", "--strict", "--cache-dir", str(tmp_path / "cache"), "example.py"],
        cwd=tmp_path, capture_output=True, text=True)
    assert (checked.returncode, checked.stdout, checked.stderr) == (status, output, "")
