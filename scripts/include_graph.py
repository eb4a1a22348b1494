#!/usr/bin/env python3
"""The include graph of the sources, in figures: folders, layers, includes that run back up
a layer, and include circles between folders and between modules (a .cpp with its .h).
With --check it fails when anything runs back up or goes round in a circle."""

import re
import sys
from pathlib import Path

# Lowest first. A folder may include its own files and those of lower layers only.
LAYERS = [
    ["platform", "res"],
    ["contest"],
    ["reports"],
    ["windows"],
    ["plugin"],
    ["setup"],
    ["host"],
    ["tools/logs"],
    ["tools/replay"],
    ["tools/check", "tools/hours", "tools/samples"],
    ["tools/page"],
    ["tools/stats_replay", "tools"],
    ["tests", "bench"],
]
SUFFIXES = {".h", ".cpp"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_of(path, folders):
    """The deepest listed folder that holds the file."""
    best = None
    for folder in folders:
        if path == folder or path.startswith(folder + "/"):
            if best is None or len(folder) > len(best):
                best = folder
    return best


def circles(nodes, edges):
    """Strongly connected components of more than one node (Tarjan's algorithm)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for target in sorted(edges.get(node, ())):
            if target not in index:
                visit(target)
                low[node] = min(low[node], low[target])
            elif target in on_stack:
                low[node] = min(low[node], index[target])
        if low[node] == index[node]:
            component = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.append(member)
                if member == node:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    sys.setrecursionlimit(10000)
    for node in sorted(nodes):
        if node not in index:
            visit(node)
    return found


def main():
    root = Path(__file__).resolve().parent.parent
    folders = [folder for layer in LAYERS for folder in layer]
    layer_of = {folder: number for number, layer in enumerate(LAYERS) for folder in layer}
    files = [
        path.relative_to(root).as_posix()
        for folder in folders
        for path in (root / folder).rglob("*")
        if path.suffix in SUFFIXES and path.is_file()
    ]
    files = sorted(set(files))
    module_edges, folder_edges, back_edges = {}, {}, []
    for path in files:
        source_folder = folder_of(path, folders)
        module = path.rsplit(".", 1)[0]
        for included in INCLUDE.findall((root / path).read_text(errors="replace")):
            if not (root / included).is_file():
                continue  # a system header, or one made by the build
            target_folder = folder_of(included, folders)
            target_module = included.rsplit(".", 1)[0]
            if target_module != module:
                module_edges.setdefault(module, set()).add(target_module)
            if target_folder is None or target_folder == source_folder:
                continue
            folder_edges.setdefault(source_folder, set()).add(target_folder)
            if layer_of[target_folder] >= layer_of[source_folder]:
                back_edges.append(f"{path} -> {included}")

    folder_circles = circles(folders, folder_edges)
    module_circles = circles({path.rsplit(".", 1)[0] for path in files}, module_edges)
    print(f"folders: {len(folders)}, layers: {len(LAYERS)}")
    print(f"arrows between folders: {sum(len(t) for t in folder_edges.values())}")
    print(f"includes that run back up a layer: {len(back_edges)}")
    for edge in back_edges:
        print(f"  {edge}")
    print(f"circles between folders: {len(folder_circles)}")
    for circle in folder_circles:
        print("  " + " <-> ".join(circle))
    print(f"circles between modules: {len(module_circles)}")
    for circle in module_circles:
        print("  " + " <-> ".join(circle))
    if "--check" in sys.argv[1:] and (back_edges or folder_circles or module_circles):
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
