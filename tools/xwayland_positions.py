"""Opens TOVIRAN's mag data windows and history window from its menu through the
accessibility bus and prints where each window is: as the program placed it, and as the
display shows it. Run by xwayland-check.sh: xwayland_positions.py x|weston"""
import re
import subprocess
import sys
import time

import pyatspi

MAIN = 'マグ育成シミュレータ TOVIRAN Ver2'
SIDE = ['マグのとくちょう', 'えさ表', 'マグにえさをあげた記録なのですYO']
ENTRIES = ['マグデータ', 'えさ履歴']


def find_app(name='TOVIRAN', tries=100):
    for _ in range(tries):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            candidate = desktop.getChildAtIndex(i)
            if candidate is not None and candidate.name == name:
                return candidate
        time.sleep(0.1)
    raise SystemExit('the program did not appear on the accessibility bus')


def children(acc):
    return [acc.getChildAtIndex(i) for i in range(acc.childCount) if acc.getChildAtIndex(i)]


def menu_entry(root, starts, depth=0):
    if root.getRoleName() == 'menu item' and (root.name or '').startswith(starts):
        return root
    for child in children(root) if depth < 16 else []:
        found = menu_entry(child, starts, depth + 1)
        if found:
            return found
    return None


def press(acc):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ('press', 'click', 'toggle'):
            action.doAction(i)
            return
    raise SystemExit('cannot press ' + acc.name)


def extents(acc):
    e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def program_geometry(app):
    """The windows' client areas as the program itself sees them (x, y, width, height)."""
    return {f.name: extents(f) for f in children(app) if f.name in [MAIN] + SIDE}


def x_geometry(title):
    """The client area's position on the X server, or None."""
    found = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', '^' + re.escape(title) + '$'],
                           capture_output=True, text=True).stdout.split()
    if not found:
        return None
    info = subprocess.run(['xwininfo', '-id', found[0]], capture_output=True, text=True).stdout
    value = lambda key: int(re.search(key + r':\s+(-?\d+)', info).group(1))
    return (value('Absolute upper-left X'), value('Absolute upper-left Y'),
            value('Width'), value('Height'))


def weston_views():
    """weston's views: (description, position rectangle, opaque rectangle or None)."""
    dump = subprocess.run(['weston-debug', 'scene-graph'], capture_output=True, text=True,
                          timeout=10).stdout
    views = []
    for block in re.split(r'\n\s*View \d+ ', dump)[1:]:
        desc = re.search(r"top-level window '([^']*)'", block)
        pos = re.search(r'position: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)', block)
        opaque = re.search(r'opaque: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)', block)
        views.append((desc.group(1) if desc else None,
                      tuple(map(int, pos.groups())) if pos else None,
                      tuple(map(int, opaque.groups())) if opaque else None))
    return views


def weston_geometry(title, size, views):
    """Where weston shows a window's client area. XWayland windows sit in frames whose
    opaque part is the client area and a one-pixel border; a Wayland client's view is
    described by its title."""
    for desc, pos, opaque in views:
        if opaque and (opaque[2] - opaque[0] - 2, opaque[3] - opaque[1] - 2) == size:
            return (opaque[0] + 1, opaque[1] + 1) + size
    for desc, pos, opaque in views:
        if desc == title and pos:
            return (pos[0], pos[1]) + size
    return None


def relative(rect, origin):
    return None if rect is None or origin is None else (rect[0] - origin[0], rect[1] - origin[1])


def main():
    mode = sys.argv[1]
    app = find_app()
    main_frame = next(f for f in children(app) if f.name == MAIN)
    for entry in ENTRIES:
        press(menu_entry(main_frame, entry))
        time.sleep(1.5)
    own = program_geometry(app)
    views = weston_views() if mode == 'weston' else []
    on_x = x_geometry(MAIN) is not None
    shown = {}
    for title, rect in own.items():
        shown[title] = x_geometry(title) if mode == 'x' else weston_geometry(title, rect[2:], views)
    print('  runs on X:', 'yes' if on_x else 'no (native Wayland)')
    main_own, main_shown = own.get(MAIN), shown.get(MAIN)
    print('  %-34s %-24s %s' % ('window (client width x height)', 'as the program sees it',
                                'shown by the display'))
    for title in [MAIN] + SIDE:
        if title not in own:
            print('  %-34s not open' % title)
            continue
        size = '%dx%d' % own[title][2:]
        print('  %-34s %-24s %s' % ('%s (%s)' % (title, size),
                                    'at %s' % (relative(own[title], main_own),),
                                    'at %s' % (relative(shown[title], main_shown),)))
    print('  (relative to the main window\'s client area, which the display shows at %s)' %
          (str(main_shown[:2]) if main_shown else 'an unknown place',))


main()
