"""What the library reports reaches Python as an exception or a warning,
never as a printed line or the end of the process."""
import os
import time
import warnings

import pytest

import quillet


def exhaust_descriptors():
    """Opens descriptors until none is left; returns them, for closing."""
    opened = []
    try:
        while True:
            opened.append(os.open(os.devnull, os.O_RDONLY))
    except OSError:
        return opened


def test_a_pipe_that_cannot_be_opened_raises_oserror_and_the_process_goes_on(ri, capfd):
    opened = exhaust_descriptors()
    try:
        with pytest.raises(OSError) as raised:
            ri.Begin("|cat")
    finally:
        for descriptor in opened:
            os.close(descriptor)
    assert (type(raised.value), str(raised.value)) == (OSError, 'Error opening pipe to cat\n"cat": Too many open files')
    assert ri.GetContext() is None
    assert capfd.readouterr() == ("", "")


def write_to_a_pipe_whose_reader_has_gone(ri):
    ri.Begin("|true")
    time.sleep(0.2)
    for _ in range(20000):
        ri.Sphere(1, -1, 1, 360)
    ri.End()


REPORTS = [
    ("reader gone", write_to_a_pipe_whose_reader_has_gone, quillet.Error,
     (2, 2, 'RIB stream to "true" was not written whole: write error (Broken pipe)')),
    ("non-finite value", lambda ri: ri.Sphere(float("nan"), -1, 1, 360), RuntimeWarning,
     "quillet error: non-finite value in Sphere"),
]


@pytest.mark.parametrize("call, kind, expected", [case[1:] for case in REPORTS], ids=[case[0] for case in REPORTS])
def test_a_library_report_is_raised_by_the_call_that_made_it(ri, tmp_path, capfd, call, kind, expected):
    ri.Begin(str(tmp_path / "stream.rib"))
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        with pytest.raises(kind) as raised:
            call(ri)
    error = raised.value
    if kind is quillet.Error:
        assert (error.code, error.severity, error.message) == expected
        assert str(error) == expected[2]
    else:
        assert str(error) == expected
    ri.Context(None)
    assert capfd.readouterr() == ("", "")
