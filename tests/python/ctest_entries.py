"""Writes one ctest entry per pytest case of this folder, so that a failure
names its case. The build runs it once the module is built:
    ctest_entries.py OUTPUT PYTHON FOLDER NAME=VALUE...
The NAME=VALUE pairs are the environment of the collection and of every
case. When the cases cannot be collected, the one entry written runs the
collection again, so that ctest shows why."""
import os
import subprocess
import sys

PYTEST = ["-m", "pytest", "-q", "-p", "no:cacheprovider"]


def cmake_quoted(text):
    for plain, escaped in (("\\", "\\\\"), ('"', '\\"'), ("$", "\\$"), (";", "\\;")):
        text = text.replace(plain, escaped)
    return '"' + text + '"'


def entry(name, command, environment):
    words = " ".join(cmake_quoted(word) for word in command)
    pairs = ";".join(environment).replace('"', '\\"')
    return (f"add_test({cmake_quoted(name)} {words})\n"
            f'set_tests_properties({cmake_quoted(name)} PROPERTIES ENVIRONMENT "{pairs}")\n')


def main():
    output, python, folder, *environment = sys.argv[1:]
    env = dict(os.environ)
    env.update(pair.split("=", 1) for pair in environment)
    collect = [python] + PYTEST + ["--collect-only", "--rootdir", folder, folder]
    listed = subprocess.run(collect, env=env, capture_output=True, text=True)
    cases = [line for line in listed.stdout.splitlines() if "::" in line]
    with open(output, "w") as out:
        if listed.returncode != 0 or not cases:
            out.write(entry("python:collect", collect, environment))
            return
        for case in cases:  # "test_file.py::test_name[id]", relative to the folder
            out.write(entry("python:" + case, [python] + PYTEST + [os.path.join(folder, case)], environment))


main()
