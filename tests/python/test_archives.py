"""Archive files from Python: the "archive" stream option and write_archive,
which writes one archive per object and returns the bound for its delayed
read."""
import gzip

import pytest

import quillet

ENTITY = b"##RenderMan RIB-Structure 1.1 Entity\n"


def chair(ri):
    ri.Translate(0, 0, 1)
    ri.Sphere(1, -1, 1, 360)


def test_the_archive_option_writes_the_entity_header(ri, stream):
    ri.Option("rib", {"archive": 1})
    try:
        assert stream(lambda r: r.Sphere(1, -1, 1, 360)) == ENTITY + b"Sphere 1 -1 1 360\n\n"
    finally:
        ri.Option("rib", {"archive": 0})
    assert stream(lambda r: None) == b"##RenderMan RIB-Structure 1.0\nversion 3.03\n\n"


@pytest.mark.parametrize("name, read", [("chair.rib", open), ("chair.rib.gz", gzip.open)])
def test_write_archive_writes_the_object_and_returns_its_bound(ri, tmp_path, name, read):
    path = str(tmp_path / name)
    bound = quillet.write_archive(path, lambda: chair(ri))
    assert bound == (-1, 1, -1, 1, 0, 2)
    with read(path, "rb") as f:
        assert f.read() == ENTITY + b"Translate 0 0 1 \nSphere 1 -1 1 360\n\n"


def test_write_archive_inside_a_stream_leaves_that_stream_current(ri, tmp_path, stream):
    def scene(r):
        bound = quillet.write_archive(str(tmp_path / "chair.rib"), lambda: chair(r))
        r.Procedural(["chair.rib"], list(bound), quillet.Ri.ProcDelayedReadArchive)
    assert stream(scene) == (b"##RenderMan RIB-Structure 1.0\nversion 3.03\n"
                             b"Procedural \"DelayedReadArchive\" [\"chair.rib\"] [-1 1 -1 1 0 2]\n\n")


def test_write_archive_reports_what_it_cannot_do(ri, tmp_path):
    assert quillet.write_archive(str(tmp_path / "empty.rib"), lambda: None) is None
    with pytest.raises(OSError):
        quillet.write_archive(str(tmp_path / "no-such-folder" / "a.rib"), lambda: None)
    with pytest.raises(ZeroDivisionError):
        quillet.write_archive(str(tmp_path / "failed.rib"), lambda: 1 / 0)
    with pytest.raises(quillet.Error, match="ended inside draw"):
        quillet.write_archive(str(tmp_path / "ended.rib"), ri.End)
    assert ri.GetContext() is None
