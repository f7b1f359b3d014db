#!/usr/bin/env python3
"""Prints which folder of src/ includes which, and fails on an include that
points up the layering.

    tools/include_graph.py            the graph, one "from -> to (count)" a line
    tools/include_graph.py --dot      the same graph for Graphviz

A folder may include only the folders below it in LAYERS; the parts of
print are folders of their own (print/device, say), ordered among themselves
by PRINT_LAYERS, and an include written relative to the including file
("project_data.h") stays inside its folder.
"""

import re
import sys
from collections import Counter
from pathlib import Path

# Lowest first. The window rules (plain C++) sit between the engine and the
# printouts. The batch tool sits beside the desktop: it may use everything
# below the platform layer, nothing with widgets.
LAYERS = ["model", "engine", "rules", "print", "platform", "ui", "windows", "shell"]
CLI_MAY_USE = {"model", "engine", "rules", "print"}

# The parts of print, lowest first; parts on one level do not include each
# other.
PRINT_LAYERS = [{"device"}, {"qt", "tables"}, {"printouts", "report", "documents"}]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def print_level(folder):
    part = folder.split("/")[1]
    return next(i for i, parts in enumerate(PRINT_LAYERS) if part in parts)


def level(folder):
    if folder.startswith("print/"):
        folder = "print"
    return LAYERS.index(folder) if folder in LAYERS else None


def allowed(source, target):
    if source == target:
        return True
    if source.startswith("print/") and target.startswith("print/"):
        return print_level(target) < print_level(source)
    if source == "cli":
        return target.split("/")[0] in CLI_MAY_USE
    source_level, target_level = level(source), level(target)
    if source_level is None or target_level is None:
        return False
    return target_level < source_level


def folder_of(parts):
    """The folder a path names: its first part, and for print the part too."""
    if parts[0] == "print" and len(parts) > 2:
        return "print/" + parts[1]
    return parts[0]


def edges(root):
    counted = Counter()
    folders = {p.name for p in root.iterdir() if p.is_dir()}
    for file in root.rglob("*"):
        if file.suffix not in (".h", ".cpp"):
            continue
        source = folder_of(file.relative_to(root).parts)
        for included in INCLUDE.findall(file.read_text(encoding="utf-8")):
            parts = included.split("/")
            target = folder_of(parts) if len(parts) > 1 and parts[0] in folders else source
            counted[(source, target)] += 1
    return counted


def main():
    root = Path(__file__).resolve().parent.parent / "src"
    counted = edges(root)
    wrong = [(s, t) for (s, t) in counted if not allowed(s, t)]
    if "--dot" in sys.argv:
        print("digraph includes {")
        for (source, target), count in sorted(counted.items()):
            if source != target:
                colour = ' color="red"' if (source, target) in wrong else ""
                print(f'  "{source}" -> "{target}" [label="{count}"{colour}];')
        print("}")
    else:
        for (source, target), count in sorted(counted.items()):
            if source != target:
                mark = "   <- points up" if (source, target) in wrong else ""
                print(f"{source} -> {target} ({count}){mark}")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
