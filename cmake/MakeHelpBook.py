#!/usr/bin/env python3
"""Packs help pages into a help book: a zip archive of the pages, the project file and the
contents and index files, all at the top level of the archive.

Usage: MakeHelpBook.py BOOK FILE...

The book is written beside its final place and renamed in, so that a failed run never leaves
a damaged book behind. Entries are sorted by name and carry a fixed time, so the same pages
always give the same book.
"""
import os
import sys
import tempfile
import zipfile

FIXED_TIME = (1980, 1, 1, 0, 0, 0)


def main(argv):
    if len(argv) < 3:
        sys.stderr.write(__doc__)
        return 2
    book, files = argv[1], argv[2:]

    names = {}
    for path in files:
        name = os.path.basename(path)
        if name in names:
            sys.stderr.write(f"{path}: a second file named {name}\n")
            return 1
        names[name] = path

    directory = os.path.dirname(os.path.abspath(book))
    os.makedirs(directory, exist_ok=True)
    handle, temporary = tempfile.mkstemp(prefix=".help-", suffix=".htb", dir=directory)
    os.close(handle)
    try:
        with zipfile.ZipFile(temporary, "w", zipfile.ZIP_DEFLATED) as archive:
            for name in sorted(names):
                with open(names[name], "rb") as source:
                    data = source.read()
                entry = zipfile.ZipInfo(name, date_time=FIXED_TIME)
                entry.compress_type = zipfile.ZIP_DEFLATED
                entry.external_attr = 0o644 << 16
                archive.writestr(entry, data)
        os.chmod(temporary, 0o644)
        os.replace(temporary, book)
    except BaseException:
        os.unlink(temporary)
        raise
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
