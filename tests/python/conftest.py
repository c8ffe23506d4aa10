"""Shared pieces of the module's tests: the module itself, a stream written
to a file, and the C twin of the golden scene (QUILLET_GOLDEN)."""
import os

import pytest

import quillet


@pytest.fixture
def ri():
    return quillet.Ri()


@pytest.fixture
def stream(ri, tmp_path):
    """Writes the calls of a function into a new stream; returns its bytes."""
    def write(calls, name="stream.rib"):
        path = str(tmp_path / name)
        ri.Begin(path)
        try:
            calls(ri)
        finally:
            ri.End()
        with open(path, "rb") as f:
            return f.read()
    return write


@pytest.fixture
def golden_program():
    return os.environ["QUILLET_GOLDEN"]
