"""A Python script and a C program that make the same calls write the same
stream, byte for byte, in both encodings."""
import subprocess

import pytest

from golden_scene import write_scene


@pytest.mark.parametrize("binary", [False, True], ids=["ascii", "binary"])
def test_python_writes_the_stream_of_the_same_c_calls(ri, tmp_path, capfd, golden_program, binary):
    c_path, py_path = tmp_path / "c.rib", tmp_path / "python.rib"
    c_run = subprocess.run([golden_program, str(c_path)] + (["binary"] if binary else []), capture_output=True)
    assert (c_run.returncode, c_run.stderr) == (0, b"")

    write_scene(ri, str(py_path), binary)

    assert capfd.readouterr() == ("", "")
    assert py_path.read_bytes() == c_path.read_bytes()
