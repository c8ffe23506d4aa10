"""A target with a write(bytes) method gets the very bytes a file would."""
import io
import subprocess
import sys

import pytest

import quillet

PIECE = 256 * 1024


def scene(ri):
    ri.WorldBegin()
    ri.Surface(ri.PLASTIC, {ri.KD: 0.5})
    ri.Sphere(1, -1, 1, 360)
    ri.WorldEnd()


def many_spheres(ri):
    for _ in range(30000):
        ri.Sphere(1, -1, 1, 360)


class Pieces:
    """Keeps every piece that write receives."""
    def __init__(self):
        self.pieces = []

    def write(self, data):
        self.pieces.append(bytes(data))


def written_to_a_file(tmp_path, calls, options):
    quillet.Ri().Option("rib", options)
    path = tmp_path / "file.rib"
    with quillet.Ri(str(path)) as ri:
        calls(ri)
    return path.read_bytes()


CASES = [
    ("ascii", scene, {}),
    ("binary", scene, {"format": "binary"}),
    ("larger than a piece", many_spheres, {}),
]


@pytest.mark.parametrize("calls, options", [case[1:] for case in CASES], ids=[case[0] for case in CASES])
def test_a_write_target_gets_the_bytes_of_a_file_in_buffer_sized_pieces(tmp_path, capfd, calls, options):
    expected = written_to_a_file(tmp_path, calls, options)
    quillet.Ri().Option("rib", options)
    target = Pieces()
    with quillet.Ri(target) as ri:
        calls(ri)
    assert b"".join(target.pieces) == expected
    sizes = [len(piece) for piece in target.pieces]
    assert all(0 < size <= PIECE for size in sizes)
    quillet.Ri().Option("rib", {"format": "ascii"})
    assert capfd.readouterr() == ("", "")


def test_bytesio_holds_the_stream_once_it_ends(ri, capfd):
    target = io.BytesIO()
    ri.Begin(target)
    scene(ri)
    ri.End()
    assert target.getvalue() == (b"##RenderMan RIB-Structure 1.0\nversion 3.03\nWorldBegin\n"
                                 b'Surface "plastic" "Kd" [0.5]\nSphere 1 -1 1 360\nWorldEnd\n\n')
    assert capfd.readouterr() == ("", "")


def test_an_exception_from_write_stops_the_stream_and_end_raises_it(ri, capfd):
    class Refusing:
        def write(self, data):
            raise ZeroDivisionError("refused")

    ri.Begin(Refusing())
    scene(ri)
    with pytest.raises(ZeroDivisionError) as raised:
        ri.End()
    assert str(raised.value) == "refused"
    assert ri.GetContext() is None
    assert capfd.readouterr() == ("", "")


def test_a_write_target_left_open_gets_its_stream_when_the_interpreter_exits():
    script = "import sys, quillet\nquillet.Ri(sys.stdout.buffer).Sphere(1, -1, 1, 360)\n"
    run = subprocess.run([sys.executable, "-c", script], capture_output=True)
    assert (run.returncode, run.stdout, run.stderr) == (
        0, b"##RenderMan RIB-Structure 1.0\nversion 3.03\nSphere 1 -1 1 360\n\n", b"")
