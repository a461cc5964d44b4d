#!/usr/bin/env python3
"""Reads the runtime's and the applications' object files in a build folder
and prints every group of source files that depend on each other in a
circle through the symbols they define and use (undefined symbols of one
object file defined in another). Names the calls up into the window
procedure that creation makes through runtime/winproc/creation_knot.h
separately: they are the one circle the runtime is built around.

usage: call-graph.py [BUILD] [--edges]"""
import collections, pathlib, re, subprocess, sys

KNOT = {'RuntimeWindowProc', 'InnerChildProc', 'IpEditProcedure', 'ModalLoop'}
top = pathlib.Path(__file__).resolve().parent.parent

def source_of_path(obj):
    """The source file an object file was compiled from, relative to the top."""
    parts = obj.parts
    i = max(i for i, p in enumerate(parts) if p.endswith('.dir'))
    return '/'.join(parts[i + 1:])[:-len('.obj')]

args = [a for a in sys.argv[1:] if not a.startswith('--')]
build = pathlib.Path(args[0]) if args else top / 'build'
objects = sorted(o for o in build.glob('CMakeFiles/qn_*.dir/runtime/*/*.obj')
                 if (top / source_of_path(o)).exists()) + \
          sorted(o for o in build.glob('CMakeFiles/settings_app.dir/app/*.obj')
                 if (top / source_of_path(o)).exists())
if not objects:
    sys.exit('no object files under %s: build first' % build)

def source_of(obj):
    return source_of_path(obj)[:-len('.cpp')]

defined, used = {}, collections.defaultdict(set)
for obj in objects:
    name = source_of(obj)
    out = subprocess.run(['i686-w64-mingw32-nm', str(obj)], capture_output=True, text=True).stdout
    for line in out.splitlines():
        fields = line.split()
        if len(fields) == 2 and fields[0] == 'U':
            used[name].add(fields[1])
        elif len(fields) == 3 and fields[1] in 'TDBRC' and not fields[2].startswith('.'):
            defined.setdefault(fields[2], name)

def plain(symbol):
    """The unqualified name of a C++ or C symbol."""
    m = re.match(r'_*Z(\d+)', symbol)
    if m:
        return symbol[m.end():m.end() + int(m.group(1))]
    return symbol.lstrip('_').split('@')[0]

edges = collections.defaultdict(set)
knot_edges = set()
for name, symbols in used.items():
    for s in symbols:
        target = defined.get(s)
        if not target or target == name:
            continue
        if plain(s) in KNOT and name.startswith('runtime/templates/'):
            knot_edges.add((name, target))
            continue
        edges[name].add(target)

# Tarjan's strongly connected components.
index, low, stack, on, groups = {}, {}, [], set(), []
def visit(v):
    index[v] = low[v] = len(index)
    stack.append(v); on.add(v)
    for w in edges[v]:
        if w not in index:
            visit(w); low[v] = min(low[v], low[w])
        elif w in on:
            low[v] = min(low[v], index[w])
    if low[v] == index[v]:
        group = []
        while True:
            w = stack.pop(); on.discard(w); group.append(w)
            if w == v: break
        if len(group) > 1: groups.append(sorted(group))
sys.setrecursionlimit(10000)
for v in sorted(set(used) | set(defined.values())):
    if v not in index: visit(v)

if '--edges' in sys.argv:
    for a in sorted(edges):
        for b in sorted(edges[a]):
            print('%s -> %s' % (a, b))
for a, b in sorted(knot_edges):
    print('knot: %s -> %s' % (a, b))
for g in groups:
    print('circle: ' + ', '.join(g))
print('%d files, %d circles besides the knot' % (len(set(used) | set(defined.values())), len(groups)))
sys.exit(1 if groups else 0)
