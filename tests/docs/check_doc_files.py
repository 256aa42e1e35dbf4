#!/usr/bin/env python3
"""Checks that the documents agree with the files they speak of.

  check_doc_files.py packages README PACKAGES_SH
      README's package list names the packages that scripts/packages.sh installs.
  check_doc_files.py pictures SHOTS_DIR IMAGES_DIR DOC...
      Every picture the documents show is in IMAGES_DIR and is one the screenshot program
      made (in SHOTS_DIR); every picture in IMAGES_DIR is shown by a document.
  check_doc_files.py links PAGE...
      Every link of the pages (HTML or Markdown) to a local file leads to one, and to the
      part of an HTML page that it names.
  check_doc_files.py names MANPAGE CHART
      The mag names the manual page lists (the line after its "; mag-names" comment) are
      the forms of the chart, which the build makes from the program's own table.
  check_doc_files.py width PROGRAM...
      Every line of each PROGRAM --help fits a terminal of 80 columns (a full-width
      character takes two).
"""
import os
import re
import subprocess
import sys
import unicodedata
from urllib.parse import unquote, urlsplit


def packages(readme, packages_sh):
    with open(readme, encoding="utf-8") as f:
        text = f.read()
    block = re.search(r"<!-- packages -->(.*?)<!-- /packages -->", text, re.S)
    if block is None:
        return ["README: no package list between <!-- packages --> and <!-- /packages -->"]
    listed = set(re.findall(r"`([a-z0-9][a-z0-9+.-]+)`", block.group(1)))
    script = f'source "{packages_sh}"; printf "%s\\n" "${{REQUIRED_PACKAGES[@]}}"'
    installed = set(subprocess.run(["bash", "-c", script], check=True, text=True,
                                   stdout=subprocess.PIPE).stdout.split())
    problems = [f"README lists {p}, which {packages_sh} does not install"
                for p in sorted(listed - installed)]
    problems += [f"{packages_sh} installs {p}, which the README does not list"
                 for p in sorted(installed - listed)]
    return problems


def shown_pictures(doc):
    """The pictures a document shows, as paths relative to the document's folder."""
    with open(doc, encoding="utf-8") as f:
        text = f.read()
    found = re.findall(r"!\[[^\]]*\]\(([^)\s]+)\)", text)  # Markdown
    found += re.findall(r"<img [^>]*src=\"([^\"]+)\"", text)  # HTML
    folder = os.path.dirname(os.path.abspath(doc))
    return [os.path.normpath(os.path.join(folder, p)) for p in found]


def pictures(shots_dir, images_dir, docs):
    images_dir = os.path.abspath(images_dir)
    made = set(os.listdir(shots_dir))
    shown = {p for doc in docs for p in shown_pictures(doc)}
    problems = []
    for path in sorted(shown):
        name = os.path.basename(path)
        if os.path.dirname(path) != images_dir:
            problems.append(f"{path}: a shown picture outside {images_dir}")
        elif not os.path.isfile(path):
            problems.append(f"{path}: shown, but missing")
        if name not in made:
            problems.append(f"{name}: shown, but the screenshot program does not make it")
    for name in sorted(set(os.listdir(images_dir)) - {os.path.basename(p) for p in shown}):
        problems.append(f"{os.path.join(images_dir, name)}: shown by no document")
    return problems


def ids_of(page):
    with open(page, encoding="utf-8") as f:
        return set(re.findall(r"\bid=\"([^\"]+)\"", f.read()))


def links(pages):
    problems = []
    for page in pages:
        with open(page, encoding="utf-8") as f:
            text = f.read()
        targets = re.findall(r"\b(?:href|src)=\"([^\"]+)\"", text)  # HTML
        targets += re.findall(r"\]\(([^)\s]+)\)", text)  # Markdown
        for target in targets:
            parts = urlsplit(target)
            if parts.scheme or parts.netloc:
                continue  # not a local file
            path = page if not parts.path else os.path.normpath(
                os.path.join(os.path.dirname(page), unquote(parts.path)))
            if not os.path.isfile(path):
                problems.append(f"{page}: {target} leads to no file")
            elif parts.fragment and path.endswith(".html") and parts.fragment not in ids_of(path):
                problems.append(f"{page}: {target} names no part of {path}")
    return problems


def names(manpage, chart):
    with open(manpage, encoding="utf-8") as f:
        listed = re.search(r"^; mag-names[^\n]*\n\s*([^\n]+)", f.read(), re.M)
    with open(chart, encoding="utf-8") as f:
        forms = re.findall(r"id=\"form-\d+\">\s*<h3>([^<]+)</h3>", f.read())
    if listed is None:
        return [f"{manpage}: no list after a '; mag-names' comment"]
    listed = listed.group(1).split("、")
    problems = [f"{manpage} lists {n}, which is no form of the chart" for n in listed
                if n not in forms]
    problems += [f"{manpage} does not list {n}" for n in forms if n not in listed]
    if len(set(listed)) != len(listed):
        problems.append(f"{manpage} lists a name twice")
    return problems


def columns(line):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in line)


def width(programs, limit=80):
    problems = []
    for program in programs:
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        text = subprocess.run([program, "--help"], check=True, text=True, env=env,
                              stdout=subprocess.PIPE).stdout
        problems += [f"{os.path.basename(program)} --help, line {n}: {columns(line)} columns: {line}"
                     for n, line in enumerate(text.splitlines(), 1) if columns(line) > limit]
    return problems


def main():
    what, args = sys.argv[1], sys.argv[2:]
    if what == "packages":
        problems = packages(*args)
    elif what == "pictures":
        problems = pictures(args[0], args[1], args[2:])
    elif what == "links":
        problems = links(args)
    elif what == "names":
        problems = names(*args)
    elif what == "width":
        problems = width(args)
    else:
        sys.exit(f"unknown check {what}")
    for problem in problems:
        print(problem)
    print(f"{what}: {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
