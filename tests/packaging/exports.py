#!/usr/bin/env python3
"""Lists what the installed headers declare at namespace scope and the shared
library does not export.

exports.py <clang++> <include dir> <shared library>

Every header under <include dir>/quillet is parsed with clang; each function
and variable that it declares at namespace scope with external linkage, and
does not define inline, must be a defined dynamic symbol of the library.
Exit status 0 when all are, 1 when some are missing (they are printed)."""
import glob
import json
import os
import subprocess
import sys


def declared_names(clang, include, header):
    """Mangled names of the functions and variables a header declares."""
    source = '#include <quillet/%s>\n' % os.path.basename(header)
    dump = subprocess.run([clang, '-x', 'c++', '-std=c++17', '-fsyntax-only', '-I', include,
                           '-Xclang', '-ast-dump=json', '-'],
                          input=source, capture_output=True, text=True, check=True).stdout
    names = set()
    where = {'file': ''}

    def note_file(location):
        # The dump names a file only where it changes: follow it in order.
        if not isinstance(location, dict):
            return
        for key in ('spellingLoc', 'expansionLoc'):
            note_file(location.get(key))
        if 'file' in location:
            where['file'] = location['file']

    def in_public_header():
        return os.path.realpath(where['file']).startswith(os.path.realpath(include) + os.sep)

    def visit(node, scope_ok):
        note_file(node.get('loc'))
        kind = node.get('kind')
        public = in_public_header()
        range_ = node.get('range', {})
        note_file(range_.get('begin'))
        note_file(range_.get('end'))
        if kind in ('FunctionDecl', 'VarDecl') and scope_ok and public and not node.get('isImplicit'):
            inline = node.get('inline') or any(c.get('kind') == 'CompoundStmt' for c in node.get('inner', []))
            internal = node.get('storageClass') == 'static'
            if kind == 'VarDecl' and node.get('storageClass') != 'extern':
                internal = True  # a namespace-scope constant, or a definition
            if not inline and not internal and 'mangledName' in node:
                names.add(node['mangledName'])
        for child in node.get('inner', []):
            visit(child, scope_ok and kind in ('TranslationUnitDecl', 'NamespaceDecl', 'LinkageSpecDecl'))

    visit(json.loads(dump), True)
    return names


def exported_names(library):
    out = subprocess.run(['nm', '-D', '--defined-only', library], capture_output=True, text=True, check=True).stdout
    return {line.split()[-1] for line in out.splitlines() if line.strip()}


def main():
    clang, include, library = sys.argv[1:4]
    exported = exported_names(library)
    missing = []
    for header in sorted(glob.glob(os.path.join(include, 'quillet', '*.h'))):
        for name in sorted(declared_names(clang, include, header) - exported):
            missing.append('%s: %s' % (os.path.basename(header), name))
    for line in missing:
        print('not exported:', line)
    return 1 if missing else 0


if __name__ == '__main__':
    sys.exit(main())
