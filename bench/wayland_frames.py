#!/usr/bin/env python3
# The game's windows as a Wayland compositor received them, read from
# weston's protocol log (weston-debug proto), which dates every request on
# arrival to the millisecond. A frame is a commit with a buffer attached.
# Prints key=value lines:
#   splash-shown=MS splash-lead=MS  the splash's first frame to the removal
#       of its window, and to the main window's first frame
#   scale=N buffer-width=PX window-width=PX  the main window's buffer scale,
#       its widest buffer and its window's logical width
#   spin=I moments=N worst-gap=MS  for each spin, the distinct moments its
#       frames arrived at and the longest wait between two
# A spin's frames are a run of the frames that repaint only the reels,
# whose damage most frames carry. bench/run-benchmarks.sh and the end-to-end
# test tests/e2e/wayland.sh read their figures from it.
# Usage: wayland_frames.py PROTO_LOG
import collections, datetime, re, sys

line = re.compile(r'\[(.+)\]\[proto\] client (\S+) rq (\S+)\.(\w+)\((.*)\)$')
requests = [m.groups() for m in map(line.match, open(sys.argv[1], errors='replace')) if m]
game = next(client for _, client, _, name, args in requests if name == 'set_title' and 'Glint Galore - ' in args)
windows, widths = [], {}  # the splash first, the main window last
for stamp, client, target, name, args in requests:
    ids, ms = re.findall(r'\w+@\d+', args), datetime.datetime.fromisoformat(stamp).timestamp() * 1000
    if client == game and name == 'get_xdg_surface':
        windows.append({'ids': ids, 'frames': [], 'damage': [], 'widths': [], 'scale': 1, 'gone': None})
    elif client == game and name == 'create_buffer':
        widths[ids[0]] = int(args.split(', ')[2])
    for w in (w for w in windows if client == game and target in w['ids'] and w['gone'] is None):
        if name == 'attach':
            w['widths'].append(widths[ids[0]])
            w['attached'] = True
        elif name == 'damage_buffer':
            w['damage'].append(args)
        elif name == 'commit':
            w['frames'] += [(ms, tuple(w['damage']))] if w.pop('attached', False) else []
            w['damage'] = []
        elif name == 'set_buffer_scale':
            w['scale'] = int(args)
        elif name == 'set_window_geometry':
            w['width'] = int(args.split(', ')[2])
        elif name == 'destroy' and target == w['ids'][1]:
            w['gone'] = ms
splash, main = windows[0], windows[-1]
print(f"splash-shown={splash['gone'] - splash['frames'][0][0]:.0f} splash-lead={main['frames'][0][0] - splash['frames'][0][0]:.0f}")
print(f"scale={main['scale']} buffer-width={max(main['widths'])} window-width={main['width']}")
reels = collections.Counter(damage for _, damage in main['frames']).most_common(1)[0][0]
spins = [[]]
for ms, damage in main['frames']:
    spins[-1:] = [spins[-1] + [ms]] if damage == reels else [spins[-1], []]
for i, spin in enumerate([s for s in spins if len(s) > 10], 1):
    moments = sorted(set(spin))
    print(f'spin={i} moments={len(moments)} worst-gap={max(b - a for a, b in zip(moments, moments[1:])):.0f}')
