#!/usr/bin/env python3
"""Prints the include arrows between the runtime's folders, highest floor
first, and marks any arrow that points upwards. With --dot, prints the
graph in Graphviz form instead."""
import pathlib, re, sys, collections

FLOORS = ['startup', 'library', 'properties', 'winproc', 'templates', 'layout', 'painting', 'base']
top = pathlib.Path(__file__).resolve().parent.parent
edges = collections.Counter()
headers = collections.defaultdict(set)
for path in sorted((top / 'runtime').glob('*/*')):
    source = path.parent.name
    for target, header in re.findall(r'#include "runtime/(\w+)/([\w.]+)"', path.read_text()):
        if target != source:
            edges[source, target] += 1
            headers[source, target].add(header)

def height(folder):
    return len(FLOORS) - FLOORS.index(folder)

if '--dot' in sys.argv:
    print('digraph floors {\n  rankdir=TB;')
    for (a, b), n in sorted(edges.items()):
        style = ' [color=red, label="%s"]' % ', '.join(sorted(headers[a, b])) if height(b) > height(a) else ''
        print('  %s -> %s%s;' % (a, b, style))
    print('}')
    sys.exit(0)
upward = 0
for a in FLOORS:
    targets = sorted((b for (s, b) in edges if s == a), key=FLOORS.index)
    for b in targets:
        up = height(b) > height(a)
        upward += up
        note = '  UP, through ' + ', '.join(sorted(headers[a, b])) if up else ''
        print('%-10s -> %-10s %3d includes%s' % (a, b, edges[a, b], note))
print('%d arrows, %d pointing up' % (len(edges), upward))
