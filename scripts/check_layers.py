#!/usr/bin/env python3
"""Checks that the modules under src/ keep their layers.

Reads every #include "module/..." of src/ and the target_link_libraries of
each module's CMakeLists.txt, and fails (exit 1, one line per fault) when
- a module depends on one above it in LAYERS, or modules depend on each
  other in a cycle;
- a core module includes app/ or cli/, or links Qt Widgets;
- a source file of the project is longer than MAX_LINES lines.
"""
import pathlib
import re
import sys

# Lowest first. A module may depend only on modules before it; the modules of
# one entry stand side by side and do not depend on each other.
LAYERS = [["platform"], ["settings"], ["media"], ["album"], ["intake"], ["build"],
          ["update", "about"], ["app", "cli"]]
FRONT_ENDS = {"app", "cli"}
WIDGETS_ALLOWED = {"app", "about"}
TARGETS = {"pelorin_gui": "app", "pelorin_cli": "cli"}
MAX_LINES = 600
SOURCE_DIRS = ["src", "tools", "template", "tests", "bench", "fuzz", "resources", "scripts"]
SOURCE_SUFFIXES = {".cpp", ".h", ".java", ".js", ".mjs", ".smali", ".css", ".html", ".py", ".sh"}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/[^"]+"', re.MULTILINE)
LINK_CALL = re.compile(r"(?:pelorin_core_module|target_link_libraries)\s*\(([^)]*)\)", re.DOTALL)


def rank_of(module):
    for rank, layer in enumerate(LAYERS):
        if module in layer:
            return rank
    return None


def module_of_target(name):
    if name in TARGETS:
        return TARGETS[name]
    if name.startswith("pelorin_"):
        return name[len("pelorin_"):]
    return None


def read_dependencies(src):
    """(edges, widgets): edges maps (from, to) to the places that make them."""
    edges = {}
    widgets = {}
    for folder in sorted(p for p in src.iterdir() if p.is_dir()):
        module = folder.name
        for path in sorted(folder.rglob("*")):
            if path.suffix not in {".cpp", ".h"}:
                continue
            text = path.read_text(encoding="utf-8", errors="replace")
            for match in INCLUDE.finditer(text):
                target = match.group(1)
                if target != module and (src / target).is_dir():
                    edges.setdefault((module, target), []).append(str(path.relative_to(src.parent)))
        cmake = folder / "CMakeLists.txt"
        if not cmake.exists():
            continue
        for call in LINK_CALL.finditer(cmake.read_text(encoding="utf-8")):
            # A folder's CMakeLists.txt defines the targets of its module.
            for word in call.group(1).split()[1:]:
                if word.startswith("Qt6::Widgets"):
                    widgets.setdefault(module, str(cmake.relative_to(src.parent)))
                linked = module_of_target(word)
                if linked and linked != module and (src / linked).is_dir():
                    edges.setdefault((module, linked), []).append(str(cmake.relative_to(src.parent)))
    return edges, widgets


def find_cycles(modules, edges):
    """Strongly connected components with more than one module (Tarjan)."""
    graph = {m: sorted({b for (a, b) in edges if a == m}) for m in modules}
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in graph.get(node, []):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            component = []
            while True:
                item = stack.pop()
                on_stack.discard(item)
                component.append(item)
                if item == node:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    for module in modules:
        if module not in index:
            visit(module)
    return found


def main():
    top = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
    src = top / "src"
    modules = sorted(p.name for p in src.iterdir() if p.is_dir())
    edges, widgets = read_dependencies(src)
    faults = []

    for module in modules:
        if rank_of(module) is None:
            faults.append(f"src/{module}: a module without a layer; add it to LAYERS in {__file__}")
    for component in find_cycles(modules, edges):
        faults.append("cycle between modules: " + " <-> ".join(component))
    for (a, b), places in sorted(edges.items()):
        ra, rb = rank_of(a), rank_of(b)
        if b in FRONT_ENDS and a not in FRONT_ENDS:
            faults.append(f"core module {a} depends on the front end {b}: {places[0]}")
        elif ra is not None and rb is not None and rb >= ra:
            faults.append(f"{a} depends on {b}, which is not below it: {places[0]}")
    for module, place in sorted(widgets.items()):
        if module not in WIDGETS_ALLOWED:
            faults.append(f"{module} links Qt Widgets: {place}")

    for folder in SOURCE_DIRS:
        for path in sorted((top / folder).rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES or "node_modules" in path.parts or not path.is_file():
                continue
            lines = path.read_bytes().count(b"\n")
            if lines > MAX_LINES:
                faults.append(f"{path.relative_to(top)}: {lines} lines, more than {MAX_LINES}")

    for fault in faults:
        print(fault)
    if not faults:
        graph = ", ".join(f"{a}->{b}" for (a, b) in sorted(edges))
        print(f"{len(modules)} modules, every dependency points down: {graph}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
