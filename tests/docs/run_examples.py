#!/usr/bin/env python3
"""Runs the examples a document shows and compares what the programs print with it.

  run_examples.py --bin DIR... doc FILE        the examples marked in FILE
  run_examples.py --bin DIR... help PROGRAM    the example at the end of PROGRAM --help

A document marks an example with a comment just before its block: `<!-- example: NAME KIND -->`
in Markdown and HTML, `; example: NAME KIND` in a manual page's scdoc source. The block is the
next fenced block (```), or in HTML the next <pre>; it is read as the reader sees it (HTML
entities and scdoc's backslash escapes undone). KIND is one of:

  script   a toviran-sim script, given on standard input
  output   what toviran-sim prints for the script of the same NAME
  replay   what toviran-sim prints for that script's own lines other than `plan`, then the
           output's `press` lines without `press`, then `show`: a plan fed as the reader
           would feed it
  shell    a terminal session: `$ COMMAND` lines, each followed by what it prints

A --help text's example is the shell session after its line 「例:」 (or 「例（…）:」). In a shell session,
`cat FILE` of a file that nothing made shows the file: it is written from the lines shown.
In what is shown, a line that starts with spaces continues the line above (a long line
folded to fit the page): after a space, or between two full-width characters, where
Japanese text has no space to fold at (there the two parts join with none).

The programs run in an empty folder with the --bin folders first on PATH, without a display,
and what they write to standard error is compared along with standard output.
"""
import argparse
import difflib
import html
import os
import re
import subprocess
import sys
import tempfile
import unicodedata

MARKER = re.compile(r"(?:<!--|^;)\s*example:\s*(\S+)\s+(script|output|replay|shell)\b", re.M)
FENCE = re.compile(r"^```[^\n]*\n(.*?)^```", re.M | re.S)
PRE = re.compile(r"<pre>\n?(.*?)</pre>", re.S)
SEPARATOR = "\x1e"  # printed between the commands of a session


class Example:
    def __init__(self, name, kind, text, where):
        self.name, self.kind, self.text, self.where = name, kind, text, where


def read_examples(path):
    with open(path, encoding="utf-8") as f:
        source = f.read()
    is_html = path.endswith(".html")
    examples = []
    for marker in MARKER.finditer(source):
        block = (PRE if is_html else FENCE).search(source, marker.end())
        if block is None:
            sys.exit(f"{path}: example {marker.group(1)} has no block after its marker")
        text = block.group(1)
        if is_html:
            text = html.unescape(text)
        elif path.endswith(".scd"):
            text = re.sub(r"\\(.)", r"\1", text)  # scdoc shows "\\" as "\"
        line = source.count("\n", 0, marker.start()) + 1
        examples.append(Example(marker.group(1), marker.group(2), text, f"{path}:{line}"))
    return examples


def is_wide(char):
    return unicodedata.east_asian_width(char) in ("W", "F")


def unfold(text):
    """The lines shown, with folded lines joined again."""
    lines = []
    for line in text.splitlines():
        if line[:1].isspace() and line.strip() and lines:
            rest = line.strip()
            within_text = lines[-1] and is_wide(lines[-1][-1]) and is_wide(rest[0])
            lines[-1] += ("" if within_text else " ") + rest
        else:
            lines.append(line)
    while lines and not lines[-1].strip():
        lines.pop()
    return lines


def environment(bins):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env["PATH"] = os.pathsep.join(bins + [env.get("PATH", "/usr/bin:/bin")])
    env["LC_ALL"] = "C.UTF-8"
    return env


def run(command, bins, folder, stdin=None):
    done = subprocess.run(command, input=stdin, cwd=folder, env=environment(bins),
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                          encoding="utf-8", errors="replace")
    return done.stdout


def sim_script_output(script, bins):
    with tempfile.TemporaryDirectory() as folder:
        return run(["toviran-sim"], bins, folder, stdin=script)


def replay_script(script, plan_output):
    lines = [l for l in script.splitlines() if not l.split()[:1] == ["plan"]]
    lines += [l[len("press "):] for l in unfold(plan_output) if l.startswith("press ")]
    return "\n".join(lines + ["show"]) + "\n"


def session_parts(text):
    """The commands of a shell session, each with the lines shown after it."""
    parts = []
    for line in text.splitlines():
        if line.startswith("$ "):
            parts.append((line[2:], []))
        elif parts:
            parts[-1][1].append(line)
        elif line.strip():
            sys.exit(f"a shell example must start with a '$ ' line, not: {line}")
    return [(command, "\n".join(shown)) for command, shown in parts]


def run_session(text, bins):
    """What the session prints, command by command, in one shell (so `$?` carries over)."""
    parts = session_parts(text)
    with tempfile.TemporaryDirectory() as folder:
        for command, shown in parts:
            file = re.fullmatch(r"cat (\S+)", command)
            if file:
                with open(os.path.join(folder, file.group(1)), "w", encoding="utf-8") as f:
                    f.write(shown + "\n")
        script = "exec 2>&1\nstatus=0\n"
        for command, _ in parts:
            script += f"printf '{SEPARATOR}\\n'\n(exit $status)\n{command}\nstatus=$?\n"
        printed = run(["bash", "-c", script], bins, folder).split(SEPARATOR + "\n")[1:]
    return [(f"$ {command}", shown, out) for (command, shown), out in zip(parts, printed)]


def compare(label, where, expected, actual):
    want, got = unfold(expected), unfold(actual)
    if want == got:
        return True
    print(f"{where}: example {label} differs from what the program prints:")
    sys.stdout.writelines(l + "\n" for l in difflib.unified_diff(
        want, got, "document", "program", lineterm=""))
    return False


def check(examples, bins):
    """Checks every example; returns how many ran and how many failed."""
    scripts = {e.name: e for e in examples if e.kind == "script"}
    shown = [e for e in examples if e.kind in ("output", "replay")]
    ran = failed = 0
    for example in shown:
        script = scripts.get(example.name)
        if script is None:
            print(f"{example.where}: example {example.name} has no script")
            failed += 1
            continue
        text = script.text
        if example.kind == "replay":
            plan = next((e for e in shown if e.name == example.name and e.kind == "output"), None)
            if plan is None:
                print(f"{example.where}: replay {example.name} has no plan output")
                failed += 1
                continue
            text = replay_script(script.text, plan.text)
        ran += 1
        ok = compare(f"{example.name} ({example.kind})", example.where, example.text,
                     sim_script_output(text, bins))
        failed += not ok
    for name in scripts.keys() - {e.name for e in shown}:
        print(f"{scripts[name].where}: script {name} shows no output")
        failed += 1
    for example in (e for e in examples if e.kind == "shell"):
        for command, expected, actual in run_session(example.text, bins):
            ran += 1
            failed += not compare(f"{example.name}: {command}", example.where, expected, actual)
    return ran, failed


def help_examples(program, bins):
    with tempfile.TemporaryDirectory() as folder:
        text = run([program, "--help"], bins, folder)
    lines = text.splitlines()
    heads = [i for i, l in enumerate(lines) if re.fullmatch(r"例(（.*）)?:", l)]
    if not heads:
        return []
    body = lines[heads[0] + 1:]
    indent = min(len(l) - len(l.lstrip()) for l in body if l.strip())
    session = "\n".join(l[indent:] for l in body)
    return [Example("help", "shell", session, f"{program} --help")]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", action="append", default=[], help="a folder of the programs")
    parser.add_argument("what", choices=["doc", "help"])
    parser.add_argument("source", help="the document, or the program whose --help to read")
    args = parser.parse_args()
    bins = [os.path.abspath(b) for b in args.bin]
    examples = read_examples(args.source) if args.what == "doc" else help_examples(
        args.source, bins)
    if not examples:
        sys.exit(f"{args.source}: no example found (is its marker still there?)")
    ran, failed = check(examples, bins)
    print(f"{args.source}: {ran} examples, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
