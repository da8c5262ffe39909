#!/usr/bin/env python3
"""Packs help pages into a help book: a zip archive of the pages, the project file and the
contents and index files, all at the top level of the archive.

Usage: MakeHelpBook.py BOOK FILE...

The toolkit's help viewer breaks lines only at white space, and Japanese is written without
spaces between words: a paragraph of it would stay on one line, running off the right edge of
the viewer. So the pages (*.html) go into the book with places where a line may be broken in
Japanese text: BREAK, a hair space (which takes next to no room, and which the viewer counts
as white space as the C library's character classes do in the user's locale, which the
program sets up at start) and an empty <wbr> tag (the viewer starts a new word only at a tag
or at ASCII white space). Those places are at the ends of phrases - after a run of hiragana that
ends a word, after Japanese punctuation and closing brackets - never inside a word, and never
before a mark that may not begin a line. The viewer's search does not see across such a place;
so the labels of the program, which the pages set in bold, are kept whole: a search for a
label finds every page that names it in bold.
Pages without Japanese text go into the book as they are.

The book is written beside its final place and renamed in, so that a failed run never leaves
a damaged book behind. Entries are sorted by name and carry a fixed time, so the same pages
always give the same book.
"""
import os
import re
import sys
import tempfile
import zipfile

FIXED_TIME = (1980, 1, 1, 0, 0, 0)

BREAK = "\u200a<wbr>"

# Marks that may not begin a line, and marks that may not end one.
NO_LINE_START = set("、。，．・：；？！ー～）」』】〕〉》ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ々ゝゞヽヾ"
                    ")]},.:;!?%")
NO_LINE_END = set("（「『【〔〈《([{")
PUNCTUATION = set("、。，．！？：；")
CLOSING = set("」』）】〕〉》")

# Markup, and the elements whose text is left as it is: the title is shown outside the page,
# and preformatted text is never wrapped.
MARKUP = re.compile(r"(<(title|pre)\b[^>]*>.*?</\2\s*>)|<!--.*?-->|<[^>]*>", re.S | re.I)


BOLD_START = re.compile(r"<b\b[^>]*>", re.I)
BOLD_END = re.compile(r"</b\s*>", re.I)


def is_hiragana(c):
    return "\u3041" <= c <= "\u309f"


def may_break(before, after):
    if before.isspace() or after.isspace() or before in NO_LINE_END or after in NO_LINE_START:
        return False
    if is_hiragana(before):
        return not is_hiragana(after)
    if before in PUNCTUATION:
        return True
    return before in CLOSING and not is_hiragana(after)


def with_line_breaks(page):
    """The page with BREAK wherever its Japanese text may be wrapped."""
    out = []
    last = None  # the last character of text so far, the index in `out` just after it, its label
    label = None  # the bold element (a label of the program) the text is in, by number
    labels = 0

    def add_text(text):
        nonlocal last
        for c in text:
            if last is not None and may_break(last[0], c) and (label is None or last[2] != label):
                out.insert(last[1], BREAK)
            out.append(c)
            last = (c, len(out), label)

    position = 0
    for m in MARKUP.finditer(page):
        add_text(page[position:m.start()])
        out.append(m.group(0))
        if m.group(1):
            last = None
        elif BOLD_START.fullmatch(m.group(0)):
            labels += 1
            label = labels
        elif BOLD_END.fullmatch(m.group(0)):
            label = None
        position = m.end()
    add_text(page[position:])
    return "".join(out)


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
                if name.endswith(".html"):
                    data = with_line_breaks(data.decode("utf-8")).encode("utf-8")
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
