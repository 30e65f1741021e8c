#!/usr/bin/env python3
"""The Windows job's summary, for a person to read at a glance: each step's result, the
tools, what the end-to-end session saw Windows do with the shortcuts the shell cannot take
as they are, the benchmark's goal lines, the release zip and whether two builds gave the
same bytes, and the package managers' checks. Gathered from the files the steps leave in
one folder; a file that is missing is a step that did not get that far.

    job_summary.py FOLDER OUT STEP=RESULT...

Appends Markdown to OUT (the job's $GITHUB_STEP_SUMMARY) in UTF-8.
"""
import pathlib
import sys

RESULTS = {"success": "passed", "failure": "**FAILED**", "skipped": "not run",
           "cancelled": "cancelled"}


def read(folder, name):
    path = folder / name
    # utf-8-sig: PowerShell may begin what it writes with a byte order mark.
    return path.read_text(encoding="utf-8-sig", errors="replace").strip() if path.exists() else None


def section(title, text, missing):
    return [f"### {title}", "", text if text else f"_{missing}_", ""]


def goal_lines(bench):
    """The lines after the benchmark's last blank line: its goal lines, and what they mean."""
    if not bench:
        return None
    tail = bench.replace("\r\n", "\n").rsplit("\n\n", 1)[-1]
    return "```\n" + tail + "\n```"


def summary(folder, steps):
    failed = [name for name, result in steps if result == "failure"]
    lines = ["## Windows: " + (f"{len(failed)} step(s) failed: {', '.join(failed)}" if failed
                               else "every step that ran passed"), ""]
    if steps:
        lines += ["| step | result |", "|---|---|"]
        lines += [f"| {name} | {RESULTS.get(result, result or 'not run')} |" for name, result in steps]
        lines.append("")
    tools = read(folder, "tools.txt")
    lines += section("Tools", tools and "```\n" + tools + "\n```", "The tools were not listed.")
    lines += section("What Windows did with the shortcuts the shell cannot take as they are",
                     read(folder, "e2e-findings.md"), "The end-to-end session did not get that far.")
    bench = "\n\n".join(text for text in (goal_lines(read(folder, "bench.txt")),
                                          read(folder, "list.txt")) if text)
    lines += section("Benchmark", bench, "The benchmark did not run.")
    lines += section("Release zip", read(folder, "zip.md"), "No release zip was made.")
    lines += section("Package managers", "\n\n".join(
        text for text in (read(folder, "scoop.md"), read(folder, "winget.md")) if text),
        "Neither package manager was tried.")
    return "\n".join(lines) + "\n"


def main(arguments):
    if len(arguments) < 2:
        sys.exit(__doc__)
    steps = [tuple(step.split("=", 1)) if "=" in step else (step, "") for step in arguments[2:]]
    text = summary(pathlib.Path(arguments[0]), steps)
    with open(arguments[1], "a", encoding="utf-8") as out:
        out.write(text)


if __name__ == "__main__":
    main(sys.argv[1:])
