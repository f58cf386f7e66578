#!/usr/bin/python3
"""The main window, its menus and dialogs as a screen reader reads them: through AT-SPI, from
another process, with keys typed on an X display of its own (Xvfb).

Usage: atspi_check.py <a11y_host> [--tree]
Run inside a D-Bus session of its own (dbus-run-session). --tree prints each window's
accessibility tree (role and name of every control) as it goes. Exits 0 when every check
holds, 1 when one fails, 77 when no AT-SPI client library is installed.
"""

import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

try:
    import gi
    gi.require_version('Atspi', '2.0')
    from gi.repository import GLib
    import pyatspi
except (ImportError, ValueError) as error:
    print(f'SKIP: no AT-SPI client library ({error})')
    sys.exit(77)

STEP_TIMEOUT = 10.0  # seconds for any one thing to show
MAIN_TITLE = 'Kestrow Wendle VI'
# The files of the Team items, ticked at start: a build of them needs these in the start folder.
TEAM_BITMAPS = ['larmor.bmp', 'marmor.bmp', 'harmor.bmp', 'lfemale.bmp', 'mfemale.bmp', 'flag.bmp',
                'door.bmp'] + [f'emblem{n}.bmp' for n in range(1, 12)]

print_trees = '--tree' in sys.argv
failures = []
events = []


def check(condition, what):
    print(('ok   ' if condition else 'FAIL ') + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def pump(seconds=0.0):
    """Lets the AT-SPI events that arrived reach the listener."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(predicate, timeout=STEP_TIMEOUT):
    end = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = predicate()
        except Exception:  # an object that went away while it was read
            value = None
        if value:
            return value
        if time.monotonic() >= end:
            return None
        time.sleep(0.05)


def on_event(event):
    events.append((event.type, event.source, event.detail1))


# Widgets whose children are data, not controls.
DATA_ROLES = {'tree', 'table', 'tree table', 'list', 'combo box'}


def children(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child


def walk(acc):
    yield acc
    if acc.getRoleName() in DATA_ROLES:
        return
    for child in children(acc):
        yield from walk(child)


def has_state(acc, state):
    return acc.getState().contains(state)


def labels_of(acc):
    names = []
    for relation in acc.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def key_binding(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return ''
    return action.getKeyBinding(0) if action.nActions > 0 else ''


def describe(acc):
    states = [pyatspi.stateToString(s) for s in (pyatspi.STATE_CHECKABLE, pyatspi.STATE_CHECKED,
                                                 pyatspi.STATE_FOCUSABLE) if has_state(acc, s)]
    extra = []
    if labels_of(acc):
        extra.append('labelled by ' + ', '.join(repr(n) for n in labels_of(acc)))
    if key_binding(acc):
        extra.append('key ' + key_binding(acc))
    if states:
        extra.append(' '.join(states))
    return f'[{acc.getRoleName()}] {acc.name!r}' + (f'  ({"; ".join(extra)})' if extra else '')


def print_tree(title, acc):
    if not print_trees:
        return
    print(f'--- {title}')

    def show(node, depth):
        print('  ' * depth + describe(node))
        if node.getRoleName() in DATA_ROLES:
            return
        for child in children(node):
            show(child, depth + 1)
    show(acc, 1)


class Display:
    """An Xvfb of its own, on the first free display number."""

    def __init__(self):
        read, write = os.pipe()
        self.process = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-screen', '0', '1024x768x24',
                                         '-nolisten', 'tcp'], pass_fds=(write,), stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        os.close(write)
        number = b''
        end = time.monotonic() + STEP_TIMEOUT
        while not number.endswith(b'\n') and time.monotonic() < end:
            chunk = os.read(read, 16)
            if not chunk:
                break
            number += chunk
        os.close(read)
        if not number.strip():
            raise RuntimeError('Xvfb did not start')
        self.name = ':' + number.decode().strip()

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()


class Host:
    """The main window in a program of its own, driven by the keyboard."""

    def __init__(self, program, display, root):
        self.paint = os.path.join(root, 'paint')
        work = os.path.join(root, 'work')
        os.makedirs(self.paint)
        os.makedirs(work)
        for name in TEAM_BITMAPS:
            with open(os.path.join(self.paint, name), 'wb') as bitmap:
                bitmap.write(b'BM')
        env = dict(os.environ)
        env.update({'DISPLAY': display.name, 'QT_QPA_PLATFORM': 'xcb', 'QT_LINUX_ACCESSIBILITY_ALWAYS_ON': '1',
                    'HOME': root, 'XDG_CONFIG_HOME': os.path.join(root, 'config'),
                    'XDG_DATA_HOME': os.path.join(root, 'data'), 'XDG_RUNTIME_DIR': os.path.join(root, 'run')})
        os.makedirs(env['XDG_RUNTIME_DIR'], mode=0o700)
        self.display = display
        self.env = env
        self.log = open(os.path.join(root, 'host.log'), 'w')
        self.process = subprocess.Popen([program, work], cwd=self.paint, env=env, stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=self.log)
        ready, _, _ = select.select([self.process.stdout], [], [], 30)
        if not ready or self.process.stdout.readline() != b'ready\n':
            raise RuntimeError('the host did not start')

    def say(self, command):
        self.process.stdin.write(command.encode() + b'\n')
        self.process.stdin.flush()

    def xdotool(self, *arguments):
        return subprocess.run(['xdotool', *arguments], env=self.env, capture_output=True, text=True,
                              timeout=STEP_TIMEOUT).stdout

    def keys(self, *keys):
        for key in keys:
            self.xdotool('key', '--clearmodifiers', key)
            pump(0.15)

    def focus_window(self, title):
        """Gives `title`'s window the keyboard focus, as a click on it would."""
        found = self.xdotool('search', '--name', '^' + title + '$').split()
        if found:
            self.xdotool('windowfocus', '--sync', found[-1])
        pump(0.3)

    def application(self):
        def find():
            desktop = pyatspi.Registry.getDesktop(0)
            for app in children(desktop):
                if app.get_process_id() == self.process.pid:
                    return app
            return None
        return wait_for(find, timeout=30)

    def close(self):
        if self.process.poll() is None:
            try:
                self.say('quit')
                self.process.wait(5)
            except (OSError, subprocess.TimeoutExpired):
                self.process.kill()
                self.process.wait(5)
        self.log.close()


def window_named(app, name):
    return wait_for(lambda: next((w for w in children(app) if w.name == name and
                                  has_state(w, pyatspi.STATE_SHOWING)), None))


def window_gone(app, name):
    return wait_for(lambda: not any(w.name == name for w in children(app)))


def control(window, role, name):
    return next((acc for acc in walk(window) if acc.getRoleName() == role and acc.name == name), None)


def focused(window):
    return next((acc for acc in walk(window) if has_state(acc, pyatspi.STATE_FOCUSED)), None)


def last_event(kind, newer_than, match=lambda source, detail: True):
    for event_type, source, detail in reversed(events[newer_than:]):
        if event_type.startswith(kind):
            try:
                if match(source, detail):
                    return source
            except Exception:
                pass
    return None


def shown_menu(since):
    """The pop-up menu that showed after event number `since`."""
    return wait_for(lambda: last_event('object:state-changed:showing', since,
                                       lambda s, d: d == 1 and s.getRoleName() in ('popup menu', 'menu')))


def extents(acc):
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def check_main_window(host, app):
    window = window_named(app, MAIN_TITLE)
    if not check(window is not None, 'the main window is read by its title'):
        return None
    print_tree('main window', window)
    check(window.getRoleName() == 'frame', f'the main window is a window (role {window.getRoleName()!r})')
    # Started, it has the keyboard without a click, so a screen reader reads it out at once.
    check(wait_for(lambda: has_state(window, pyatspi.STATE_ACTIVE)) is not None,
          'the started main window is active without a click')
    drives = next((a for a in walk(window) if a.getRoleName() == 'combo box'), None)
    check(drives is not None and labels_of(drives) == ['Drive'], 'the drive list is labelled "Drive"')
    folders = next((a for a in walk(window) if a.getRoleName() == 'tree'), None)
    check(folders is not None and folders.name == 'Folder', 'the folder tree is named "Folder"')
    check(control(window, 'panel', 'Include') is not None, 'the include panel is a panel named "Include"')
    icon = control(window, 'push button', 'Main Menu')
    check(icon is not None and has_state(icon, pyatspi.STATE_FOCUSABLE),
          'the title icon is a button named "Main Menu" that the keyboard reaches')
    shown = {'Team': 'Team', 'Flyers': 'Flyers', 'Turrets': 'Turrets', 'Equipment': 'Equipment',
             'Stations': 'Stations', 'Extended': 'Extended'}
    buttons = [a.name for a in walk(window) if a.getRoleName() == 'push button']
    for word in shown:
        check(any(name.startswith(word) for name in buttons),
              f'the include button that shows "{word}" has a name starting with it')
    return window


def check_include_marks(host, app, window):
    """Ticking and unticking an item by the keyboard, heard as it happens."""
    host.focus_window(MAIN_TITLE)
    host.xdotool('mousemove', '1000', '740')  # far from the window: the menu must not go there
    since = len(events)
    host.keys('ctrl+s')
    menu = shown_menu(since)
    if not check(menu is not None, 'Ctrl+S opens the Include menu'):
        return
    print_tree('Include menu', menu)
    check(menu.name == 'Include', f'the Include menu is named "Include" (read {menu.name!r})')
    wx, wy, ww, wh = extents(window)
    mx, my, _, _ = extents(menu)
    check(wx <= mx <= wx + ww and wy <= my <= wy + wh + 8,
          f'a menu opened by the keyboard opens at the window ({mx},{my} in {wx},{wy} {ww}x{wh})')
    since = len(events)
    host.keys('t')  # "&Team Skins"
    team = shown_menu(since)
    if not check(team is not None, 'T opens the Team Skins menu'):
        host.keys('Escape', 'Escape')
        return
    print_tree('Team Skins menu', team)
    items = [a for a in children(team) if a.getRoleName() != 'separator']
    entries = [a for a in items if a.name not in ('Toggle Team Skins',)]
    # Qt 6.4 gives AT-SPI no "checkable" state: an entry that can be ticked is a tick box.
    check(all(a.getRoleName() == 'check box' or has_state(a, pyatspi.STATE_CHECKABLE) for a in entries),
          'every Team item says it can be ticked')
    light = next((a for a in entries if a.name == 'Light Male'), None)
    check(light is not None and has_state(light, pyatspi.STATE_CHECKED), 'Light Male starts ticked')
    since = len(events)
    highlight(host, light)
    host.keys('Return')  # unticks it; the menus close
    heard = wait_for(lambda: last_event('object:state-changed:checked', since,
                                        lambda s, d: s.name == 'Light Male' and d == 0))
    check(heard is not None, 'unticking Light Male is heard as it happens (checked becomes 0)')
    # Read afresh, the item says it is unticked and can be ticked.
    since = len(events)
    host.keys('ctrl+s')
    if shown_menu(since):
        since = len(events)
        host.keys('t')
        team = shown_menu(since)
        light = next((a for a in children(team) if a.name == 'Light Male'), None) if team else None
        check(light is not None and not has_state(light, pyatspi.STATE_CHECKED)
              and light.getRoleName() == 'check box',
              'Light Male, read again, is an unticked item that can be ticked')
        since = len(events)
        highlight(host, light)
        host.keys('Return')  # ticks it again
        check(wait_for(lambda: last_event('object:state-changed:checked', since,
                                          lambda s, d: s.name == 'Light Male' and d == 1)) is not None,
              'ticking Light Male again is heard too')


def highlight(host, entry):
    """Moves the highlight of an open menu down to `entry`."""
    for _ in range(12):
        if entry is None or wait_for(lambda: has_state(entry, pyatspi.STATE_FOCUSED), timeout=0.3):
            return
        host.keys('Down')


def check_user_created_menu(host, app, window):
    host.focus_window(MAIN_TITLE)
    since = len(events)
    host.keys('ctrl+f')
    menu = shown_menu(since)
    if not check(menu is not None, 'Ctrl+F opens the User-Created menu'):
        return
    print_tree('User-Created menu', menu)
    check(menu.name == 'User-Created', f'the User-Created menu is named (read {menu.name!r})')
    bindings = {a.name: key_binding(a) for a in children(menu) if a.getRoleName() != 'separator'}
    answering = [name for name, key in bindings.items() if key.lower().split('+')[-1] == 'a']
    check(answering == ['Add Support...'], f'one entry answers "a": Add Support... ({bindings})')
    host.keys('a')
    add = window_named(app, 'Add Support...')
    if not check(add is not None, '"a" opens Add Support... at once (the toggle answers no key)'):
        host.keys('Escape', 'Escape')
    if add:
        print_tree('Add Support dialog', add)
        host.keys('Escape')
        window_gone(app, 'Add Support...')


def check_main_menu(host, app, window):
    host.focus_window(MAIN_TITLE)
    since = len(events)
    host.keys('alt+space')
    menu = shown_menu(since)
    if not check(menu is not None, 'Alt+Space opens the title-bar menu'):
        print('    focused: ' + (describe(focused(window)) if focused(window) else 'nothing'))
        return
    print_tree('title-bar menu', menu)
    check(menu.name == 'Main Menu', f'the title-bar menu is named "Main Menu" (read {menu.name!r})')
    refresh = control(menu, 'menu item', 'Refresh Main Form')
    check(refresh is not None and key_binding(refresh).lower() in ('r', 'alt+r'), 'its Refresh entry answers "r"')
    host.keys('Escape')
    # The title icon is reached by Tab and opens the same menu.
    host.focus_window(MAIN_TITLE)
    icon = control(window, 'push button', 'Main Menu')
    if icon is None:
        return
    for _ in range(40):
        if has_state(icon, pyatspi.STATE_FOCUSED):
            break
        host.keys('Tab')
    if not check(has_state(icon, pyatspi.STATE_FOCUSED), 'Tab reaches the title icon'):
        return
    since = len(events)
    host.keys('Return')
    check(shown_menu(since) is not None, 'Enter on the title icon opens the title-bar menu')
    host.keys('r')  # Refresh Main Form: the menu closes, the window stays
    check(wait_for(lambda: has_state(window, pyatspi.STATE_SHOWING)) is not None, 'R refreshes the main window')


def check_skins_dialog(host, app):
    host.focus_window(MAIN_TITLE)
    host.keys('alt+s')
    skins = window_named(app, 'Brannock Skin Manager')
    if not check(skins is not None, 'Alt+S opens the Skins dialog'):
        return
    print_tree('Skins dialog', skins)
    host.focus_window('Brannock Skin Manager')
    stops = []
    for _ in range(8):
        host.keys('Tab')
        now = wait_for(lambda: focused(skins))
        stops.append(describe(now) if now else '-')
    check(not any(s.startswith('[push button]') and s.split("'")[1] in
                  ('Make Skinset', 'Configuration', 'Skins', 'About') for s in stops),
          f'Tab passes over the preview pictures ({stops[:4]})')
    ok = control(skins, 'push button', 'OK')
    for _ in range(8):
        if ok is not None and has_state(ok, pyatspi.STATE_FOCUSED):
            break
        host.keys('Tab')
    if check(ok is not None and has_state(ok, pyatspi.STATE_FOCUSED), 'Tab reaches OK'):
        host.keys('Return')
    if not check(window_gone(app, 'Brannock Skin Manager'), 'Enter on the focused OK closes the Skins dialog'):
        host.keys('Escape')
        window_gone(app, 'Brannock Skin Manager')


def check_configuration(host, app):
    host.focus_window(MAIN_TITLE)
    host.keys('alt+o')
    config = window_named(app, 'Wendle Config')
    if not check(config is not None, 'Alt+O opens Configuration'):
        return
    print_tree('Configuration dialog', config)
    defaults = control(config, 'push button', 'DEFAULTS')
    done = control(config, 'push button', 'DONE')
    check(done is not None and key_binding(done).lower() in ('<alt>d', 'alt+d'),
          f'DONE answers Alt+D (read {key_binding(done) if done else None!r})')
    check(defaults is not None and key_binding(defaults) == '',
          f'DEFAULTS answers no key (read {key_binding(defaults) if defaults else None!r})')
    host.focus_window('Wendle Config')
    host.keys('alt+d')
    if not check(window_gone(app, 'Wendle Config'), 'Alt+D presses DONE: Configuration closes'):
        host.keys('Escape')
        window_gone(app, 'Wendle Config')


def check_compile_window(host, app, window):
    for name, text in (('Open File Prefix', ''), ('Save File Prefix', 'skin1')):
        box = control(window, 'text', name)
        if box is not None:
            box.queryEditableText().setTextContents(text)
    host.focus_window(MAIN_TITLE)
    host.keys('alt+m')
    # A box about the settings may come first; Enter answers it and the build goes on.
    for _ in range(3):
        shown = wait_for(lambda: next((w for w in children(app) if w.name == 'Compile' or
                                       w.getRoleName() == 'alert'), None))
        if shown is None or shown.name == 'Compile':
            break
        text = ' '.join(a.name for a in walk(shown) if a.getRoleName() == 'label')
        print(f'    (answered the box {shown.name!r}: {text!r})')
        host.focus_window(shown.name)
        host.keys('Return')
        wait_for(lambda: shown.name not in [w.name for w in children(app)], timeout=3)
    compile_window = window_named(app, 'Compile')
    if not check(compile_window is not None, 'Alt+M starts the build and shows the Compile window'):
        print('    windows now: ' + ', '.join(describe(w) for w in children(app)))
        return
    print_tree('Compile window while the script runs', compile_window)
    check(compile_window.getRoleName() in ('frame', 'dialog'),
          f'the Compile window is a window (role {compile_window.getRoleName()!r})')
    # The player is in Brannock when the run ends: the main window has the keyboard (no window
    # manager gives it back after a box here) and the pointer is over it.
    host.focus_window(MAIN_TITLE)
    x, y, width, _ = extents(window)
    host.xdotool('mousemove', str(x + width // 2), str(y + 12))
    since = len(events)
    host.say('fail')  # the script's first line fails, and the script ends by itself
    alert = wait_for(lambda: last_event('object:state-changed:showing', since,
                                        lambda s, d: d == 1 and s.getRoleName() in ('alert', 'notification')
                                        and 'Line 1 of' in s.name + s.description))
    activated = wait_for(lambda: last_event('window:activate', since, lambda s, d: s.name == 'Compile'))
    check(alert is not None or activated is not None, 'the outcome is announced when the script ends')
    check(alert is not None and 'failed' in alert.name, 'the announcement reads the verdict'
          + (f' ({alert.name!r})' if alert else ''))
    check(activated is not None, 'the Compile window is activated with the outcome')
    print_tree('Compile window after the script ended', compile_window)
    host.focus_window('Compile')
    host.keys('alt+c')
    window_gone(app, 'Compile')


def main():
    program = sys.argv[1]
    for tool in ('Xvfb', 'xdotool'):
        if not shutil.which(tool):
            print(f'FAIL: {tool} is not installed')
            return 1
    root = tempfile.mkdtemp(prefix='brannock-a11y-')
    display = host = None
    listener_kinds = ['object:state-changed:showing', 'object:state-changed:checked',
                      'object:state-changed:focused', 'window:activate']
    pyatspi.Registry.registerEventListener(on_event, *listener_kinds)
    try:
        display = Display()
        host = Host(program, display, root)
        app = host.application()
        if not check(app is not None, 'the program is on the AT-SPI desktop'):
            return 1
        window = check_main_window(host, app)
        if window is not None:
            check_include_marks(host, app, window)
            check_user_created_menu(host, app, window)
            check_main_menu(host, app, window)
            check_skins_dialog(host, app)
            check_configuration(host, app)
            check_compile_window(host, app, window)
    finally:
        pyatspi.Registry.deregisterEventListener(on_event, *listener_kinds)
        if host:
            host.close()
        if display:
            display.close()
        shutil.rmtree(root, ignore_errors=True)
    print(f'{len(failures)} of the checks failed' if failures else 'every check holds')
    return 1 if failures else 0


if __name__ == '__main__':
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    sys.exit(main())
