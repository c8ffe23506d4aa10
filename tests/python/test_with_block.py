"""Ri(target) begins a stream; a with block ends the stream that its object
began, however the block ends."""
import pytest

import quillet

HEADER = b"##RenderMan RIB-Structure 1.0\nversion 3.03\n"


class Raised(Exception):
    pass


def raise_inside(ri):
    ri.WorldBegin()
    raise Raised()


BLOCKS = [
    ("written whole", lambda ri: (ri.WorldBegin(), ri.WorldEnd()), None, HEADER + b"WorldBegin\nWorldEnd\n\n"),
    ("ended by an exception", raise_inside, Raised, HEADER + b"WorldBegin\n\n"),
    ("ended inside", lambda ri: ri.End(), None, HEADER + b"\n"),
    ("another stream current", lambda ri: ri.Context(None), None, HEADER + b"\n"),
]


@pytest.mark.parametrize("body, raised, written", [case[1:] for case in BLOCKS], ids=[case[0] for case in BLOCKS])
def test_leaving_a_with_block_ends_the_stream_its_object_began(tmp_path, capfd, body, raised, written):
    path = tmp_path / "block.rib"
    try:
        with quillet.Ri(str(path)) as ri:
            body(ri)
    except Exception as error:
        assert type(error) is raised
    else:
        assert raised is None
    assert (path.read_bytes(), ri.GetContext()) == (written, None)
    assert capfd.readouterr() == ("", "")


def test_a_stream_begun_elsewhere_stays_current_and_open(tmp_path):
    paths = [tmp_path / name for name in ("outer.rib", "inner.rib", "later.rib")]
    outer = quillet.Ri(str(paths[0]))
    first = outer.GetContext()
    with quillet.Ri(str(paths[1])):
        outer.Begin(str(paths[2]))
        later = outer.GetContext()
    assert outer.GetContext() == later
    outer.End()
    outer.Context(first)
    outer.End()
    assert [path.read_bytes() for path in paths] == [HEADER + b"\n"] * 3


def test_none_begins_a_stream_on_standard_output(capfd):
    with quillet.Ri(None) as ri:
        ri.WorldBegin()
    assert capfd.readouterr() == ((HEADER + b"WorldBegin\n\n").decode(), "")


def test_two_targets_are_refused():
    with pytest.raises(TypeError) as raised:
        quillet.Ri("a.rib", "b.rib")
    assert str(raised.value) == "Ri() takes at most one target"
