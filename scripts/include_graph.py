#!/usr/bin/env python3
"""Checks the include rules of src/ and prints its include graph.

A unit is a header with its .cpp files (frame_loop.h, frame_loop.cpp). Each
folder may include only the folders named in its row of the folder table in
SRC_DIR/README.md; a folder without a row is an error. No unit may reach
itself through its includes. Exit 1 on a broken rule.
Usage: include_graph.py SRC_DIR [--dot]
"""
import os
import re
import sys

# The folder table of src/README.md: | `folder/` | holds | `a/`, `b/` or "nothing" |
ROW = re.compile(r"^\|\s*`(\w+)/`\s*\|[^|]*\|([^|]*)\|\s*$", re.M)


def allowed_from(readme):
    """Which folders each folder may include besides itself, as the README's table says."""
    with open(readme, encoding="utf-8") as f:
        return {m.group(1): set(re.findall(r"`(\w+)/`", m.group(2))) for m in ROW.finditer(f.read())}


INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def unit_of(path):
    return os.path.splitext(path)[0].replace("_vnutro", "")


def main():
    src = sys.argv[1]
    allowed = allowed_from(os.path.join(src, "README.md"))
    edges = {}
    errors = []
    for folder in sorted(os.listdir(src)):
        full = os.path.join(src, folder)
        if not os.path.isdir(full):
            continue
        if folder not in allowed:
            errors.append(f"{folder}/ has no row in the folder table of README.md")
        for name in sorted(os.listdir(full)):
            if not name.endswith((".h", ".cpp")):
                continue
            rel = folder + "/" + name
            with open(os.path.join(full, name), encoding="utf-8") as f:
                text = f.read()
            unit = unit_of(rel)
            for inc in INCLUDE.findall(text):
                target_folder = inc.split("/")[0]
                if target_folder != folder and target_folder not in allowed.get(folder, set()):
                    errors.append(f"{rel} includes {inc}: {folder}/ may not include {target_folder}/")
                target = unit_of(inc)
                if target != unit:
                    edges.setdefault(unit, set()).add(target)

    # Depth-first search for a circle between units.
    state = {}

    def visit(u, path):
        state[u] = 1
        for v in sorted(edges.get(u, ())):
            if state.get(v) == 1:
                errors.append("include circle: " + " -> ".join(path[path.index(v):] + [v]))
            elif v not in state:
                visit(v, path + [v])
        state[u] = 2

    for u in sorted(edges):
        if u not in state:
            visit(u, [u])

    if "--dot" in sys.argv:
        print("digraph src {")
        for u in sorted(edges):
            for v in sorted(edges[u]):
                print(f'  "{u}" -> "{v}";')
        print("}")
    else:
        for u in sorted(edges):
            print(f"{u}: {' '.join(sorted(edges[u]))}")
    for e in errors:
        print(e, file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
