# SPDX-FileCopyrightText: 2026 The vesk developers
# SPDX-License-Identifier: LicenseRef-proprietary
"""What the accessibility test needs of the bus and of the app it drives.

The app is the real vesk (its test host), started here with its own settings
folder. Everything the test does to it goes through AT-SPI: actions, editable
text, focus. Its state probe (one JSON line per command on stdin/stdout) only
tells the test what happened.
"""

import json
import os
import subprocess
import tempfile
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 10.0


def _role(*names):
    """A role's number, whichever name this pyatspi gives it (at-spi2-core
    2.56 calls role 43 BUTTON, earlier releases PUSH_BUTTON)."""
    for name in names:
        value = getattr(pyatspi, "ROLE_" + name, None)
        if value is not None:
            return int(value)
    raise AttributeError(f"pyatspi has no role {names}")


class Role:
    """Roles by number: the names a library prints differ between releases."""
    ALERT = _role("ALERT")
    CHART = _role("CHART")
    CHECK_BOX = _role("CHECK_BOX")
    COMBO_BOX = _role("COMBO_BOX")
    DIALOG = _role("DIALOG")
    FRAME = _role("FRAME")
    INVALID = _role("INVALID")
    LABEL = _role("LABEL")
    LIST = _role("LIST")
    LIST_ITEM = _role("LIST_ITEM")
    MENU_BAR = _role("MENU_BAR")
    MENU_ITEM = _role("MENU_ITEM")
    PAGE_TAB = _role("PAGE_TAB")
    PROGRESS_BAR = _role("PROGRESS_BAR")
    PUSH_BUTTON = _role("PUSH_BUTTON", "BUTTON")
    RADIO_BUTTON = _role("RADIO_BUTTON")
    TEXT = _role("TEXT")
    WINDOW = _role("WINDOW")


def role_of(node):
    return int(node.getRole())


def pump():
    """Delivers the bus events that have arrived."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


class Events:
    """Records the events of the given types, as a screen reader hears them.

    Nothing is asked of an event's source while it is recorded: the source
    may be gone by the time the event arrives (a scan's last step, then its
    card replaced), and asking the app about it then only finds nothing."""

    def __init__(self, *types):
        self.seen = []
        self.types = types
        pyatspi.Registry.registerEventListener(self._heard, *types)

    def _heard(self, event):
        detail = event.any_data
        if "accessible-name" in event.type and not isinstance(detail, str):
            # Older libatspi (2.46) leaves the new name out of the event.
            try:
                detail = event.source.name
            except Exception:
                detail = None
        self.seen.append((event.type, event.source, detail))

    def about(self, contains):
        """The name changes whose new name contains `contains`."""
        pump()
        return [e for e in self.seen if "accessible-name" in e[0]
                and isinstance(e[2], str) and contains in e[2]]

    def from_node(self, node, kind):
        """The events of a kind (a part of their type) that `node` sent."""
        pump()
        return [e for e in self.seen if kind in e[0] and e[1] == node]

    def stop(self):
        pyatspi.Registry.deregisterEventListener(self._heard, *self.types)


class Failure(AssertionError):
    pass


def wait_for(condition, what, timeout=TIMEOUT):
    """Polls `condition` until it returns something true; fails naming `what`."""
    deadline = time.monotonic() + timeout
    while True:
        pump()
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.05)


class App:
    def __init__(self, host, settings_text=""):
        self.home = tempfile.mkdtemp(dir=os.environ.get("VESK_A11Y_WORKDIR"))
        self.settings_path = os.path.join(self.home, "vesk", "vesk.conf")
        if settings_text:
            os.makedirs(os.path.dirname(self.settings_path))
            with open(self.settings_path, "w", encoding="utf-8") as f:
                f.write(settings_text)
        env = dict(os.environ)
        env.update({
            "XDG_CONFIG_HOME": self.home,
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_QPA_PLATFORM": "xcb",
            "LC_ALL": "C.UTF-8",
        })
        # What the app says on stderr is kept, shown at the end and read for
        # questions about objects that no longer exist.
        self.stderr = tempfile.TemporaryFile(mode="w+", dir=os.environ.get("VESK_A11Y_WORKDIR"))
        self.process = subprocess.Popen(
            [host], stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=self.stderr,
            env=env, text=True)
        self.node = wait_for(self._find, "vesk on the accessibility bus")
        wait_for(lambda: self.frame(), "the main window on the bus")

    def _find(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app and app.get_process_id() == self.process.pid:
                    return app
            except Exception:
                pass
        return None

    def ask(self, command):
        self.process.stdin.write(command + "\n")
        self.process.stdin.flush()
        line = self.process.stdout.readline()
        if not line:
            raise Failure(f"the app ended while asked for {command}")
        return json.loads(line)

    def state(self):
        return self.ask("state")

    def texts(self):
        return self.ask("texts")

    def settings(self):
        try:
            with open(self.settings_path, encoding="utf-8") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def windows(self):
        return [w for w in self.node if w is not None]

    def frame(self):
        for w in self.windows():
            if role_of(w) == Role.FRAME and w.name == "vesk":
                return w
        return None

    def window(self, name):
        return wait_for(lambda: next((w for w in self.windows() if w.name == name
                                      and is_showing(w)), None),
                        f"the window {name!r}")

    def close(self):
        """Ends the app as its probe's input ends; returns its exit status."""
        if self.process.poll() is None:
            self.process.stdin.close()
            try:
                self.process.wait(30)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        return self.process.returncode

    def said(self):
        """Everything the app wrote on stderr."""
        self.stderr.seek(0)
        return self.stderr.read()


def is_showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def walk(node, only_showing=True):
    """Every node below `node` (itself included), depth first, in tree order."""
    stack = [node]
    while stack:
        n = stack.pop()
        if n is None:
            continue
        if only_showing and n is not node and not is_showing(n):
            continue
        yield n
        try:
            children = [n.getChildAtIndex(i) for i in range(n.childCount)]
        except Exception:
            children = []
        stack.extend(reversed(children))


def strings(node, descriptions=True):
    """Everything a screen reader can read of one node."""
    out = [node.name or "", node.description or "" if descriptions else ""]
    try:
        text = node.queryText()
        out.append(text.getText(0, -1))
    except NotImplementedError:
        pass
    except Exception:
        pass
    return [s for s in out if s]


def find(root, role=None, name=None, contains=None, timeout=TIMEOUT, showing=True):
    def look():
        for n in walk(root, only_showing=showing):
            if role is not None and role_of(n) != role:
                continue
            if name is not None and n.name != name:
                continue
            if contains is not None and contains not in " ".join(strings(n)):
                continue
            return n
        return None
    what = " ".join(x for x in [f"role {role}" if role is not None else None, repr(name) if name is not None else None,
                                f"containing {contains!r}" if contains else None] if x)
    return wait_for(look, what, timeout)


def find_all(root, role=None, name=None):
    return [n for n in walk(root) if (role is None or role_of(n) == role)
            and (name is None or n.name == name)]


def actions(node):
    try:
        a = node.queryAction()
        return [a.getName(i) for i in range(a.nActions)]
    except NotImplementedError:
        return []


def act(node, name=None):
    """Invokes the node's action `name`, or its first one (Press, Toggle)."""
    a = node.queryAction()
    names = [a.getName(i) for i in range(a.nActions)]
    if not names:
        raise Failure(f"{describe(node)} offers no action")
    index = names.index(name) if name else 0
    if not a.doAction(index):
        raise Failure(f"{describe(node)} refused {names[index]}")


def focus(node):
    node.queryComponent().grabFocus()


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def selected(node):
    return node.getState().contains(pyatspi.STATE_SELECTED)


def describe(node):
    try:
        return f"[{node.getRoleName()}] {node.name!r}"
    except Exception:
        return "[gone]"


def value(node):
    return node.queryValue().currentValue
