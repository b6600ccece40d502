#!/usr/bin/env python3
"""Checks that includes point down the layers and that no folders include each other in a circle.

Layers, top to bottom: src/app (start-up), each tool's windows (src/<tool>/ui), the Qt adapters
(src/platform), each tool's model (src/<tool>/model), the shared value code (src/common).
Model code includes only shared code and its own tool's model; the adapters include only shared
code; model tests never touch the program's shared state."""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SRC = ROOT / "src"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def folder(rel):
    parts = rel.split("/")
    if parts[0] in ("common", "platform", "app"):
        return parts[0]
    if len(parts) > 2 and parts[1] in ("model", "ui"):
        return parts[0] + "/" + parts[1]
    return None


def allowed(src, dst):
    if src == dst or src == "app":
        return True
    if src == "common":
        return False
    if src == "platform":
        return dst == "common"
    if src.endswith("/model"):
        return dst == "common"
    if src.endswith("/ui"):
        return dst != "app"
    return False


def main():
    faults = []
    edges = {}
    for path in sorted(SRC.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        rel = path.relative_to(SRC).as_posix()
        src = folder(rel)
        if src is None:
            faults.append(f"{rel}: not in a layer's folder")
            continue
        for inc in INCLUDE.findall(path.read_text(encoding="utf-8")):
            dst = folder(inc)
            if dst is None:
                continue
            if not allowed(src, dst):
                faults.append(f"{rel}: includes {inc} ({src} may not include {dst})")
            if src != dst:
                edges.setdefault(src, set()).add(dst)
    # Circles between folders (depth-first search with colours).
    state, stack = {}, []

    def visit(node):
        state[node] = 1
        stack.append(node)
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == 1:
                faults.append("folders in a circle: " + " -> ".join(stack[stack.index(nxt):] + [nxt]))
            elif nxt not in state:
                visit(nxt)
        stack.pop()
        state[node] = 2

    for node in sorted(edges):
        if node not in state:
            visit(node)
    # Model tests build values; the program's shared state belongs to the windows.
    for path in sorted((ROOT / "tests").rglob("*.cpp")) + sorted((ROOT / "tests").rglob("*.h")):
        rel = path.relative_to(ROOT).as_posix()
        if "_ui" in path.name or "/platform/" in rel or "/support/ui_" in rel \
                or rel.endswith("calculator_test_support.h"):
            continue
        if re.search(r"\bState\(\)", path.read_text(encoding="utf-8")):
            faults.append(f"{rel}: a model test uses the program's shared state")
    for f in faults:
        print(f)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
