#!/usr/bin/env python3
"""Checks that the folders under src/ form layers.

Lists the include graph between src/ folders and fails when it has a cycle, when a folder includes
one that stands above it in the layer order (QUORIX_LAYERS in CMakeLists.txt, top first), or when
two source files include each other's headers (a cycle inside a folder).
"""
import os
import re
import sys
from collections import defaultdict

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
SRC = os.path.join(ROOT, "src")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def layer_order():
    text = open(os.path.join(ROOT, "CMakeLists.txt")).read()
    match = re.search(r"set\(QUORIX_LAYERS([^)]*)\)", text)
    if not match:
        sys.exit("check-layers: CMakeLists.txt sets no QUORIX_LAYERS")
    return match.group(1).split()


def source_files():
    for folder, _, files in os.walk(SRC):
        for name in sorted(files):
            if name.endswith((".h", ".cpp")):
                yield os.path.relpath(os.path.join(folder, name), SRC)


def includes(rel):
    with open(os.path.join(SRC, rel), errors="replace") as f:
        for inc in INCLUDE.findall(f.read()):
            if os.path.exists(os.path.join(SRC, inc)):
                yield inc
            else:
                beside = os.path.normpath(os.path.join(os.path.dirname(rel), inc))
                if os.path.exists(os.path.join(SRC, beside)):
                    yield beside


def top(rel):
    return rel.split(os.sep)[0]


def find_cycle(graph):
    """One cycle of the graph as a list of nodes, or None (depth-first search)."""
    state, stack = {}, []

    def visit(node):
        state[node] = 1
        stack.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == 1:
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        stack.pop()
        state[node] = 2
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node)
            if found:
                return found
    return None


def main():
    order = layer_order()
    rank = {name: i for i, name in enumerate(order)}
    folder_edges = defaultdict(lambda: defaultdict(list))
    module_edges = defaultdict(set)
    folders = set()
    for rel in source_files():
        a = top(rel)
        folders.add(a)
        module = os.path.splitext(rel)[0]
        for inc in includes(rel):
            b = top(inc)
            if b != a:
                folder_edges[a][b].append(f"{rel} -> {inc}")
            target = os.path.splitext(inc)[0]
            if target != module:
                module_edges[module].add(target)

    failures = []
    print("include graph between src/ folders (layers top first):")
    for a in sorted(folders, key=lambda f: rank.get(f, -1)):
        targets = folder_edges.get(a, {})
        listed = ", ".join(f"{b} ({len(targets[b])})" for b in sorted(targets, key=lambda f: rank.get(f, -1)))
        print(f"  {a:12} -> {listed or '-'}")
    for folder in sorted(folders - set(rank)):
        failures.append(f"src/{folder}/ is not in QUORIX_LAYERS")
    for a, targets in folder_edges.items():
        for b, where in targets.items():
            if a in rank and b in rank and rank[b] < rank[a]:
                failures.append(f"{a} includes {b}, which stands above it: " + "; ".join(where[:3]))
    cycle = find_cycle({a: set(t) for a, t in folder_edges.items()})
    if cycle:
        failures.append("folder cycle: " + " -> ".join(cycle))
    cycle = find_cycle(module_edges)
    if cycle:
        failures.append("file cycle: " + " -> ".join(cycle))

    if failures:
        print("\n".join("FAILED: " + f for f in failures))
        return 1
    print("layers: no cycle, every include goes downwards")
    return 0


if __name__ == "__main__":
    sys.exit(main())
