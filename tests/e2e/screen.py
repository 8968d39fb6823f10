"""Reading what a program shows, through the desktop's accessibility service (AT-SPI over
D-Bus), which Qt serves for its widgets. Nothing here talks to the program any other way."""

import time

import gi
from gi.repository import GLib

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

POLL_SECONDS = 0.05


def wait_until(read, accept, timeout, what):
    """Reads until accept(value) holds; fails with the last value read once the time is up."""
    deadline = time.monotonic() + timeout
    value = None
    while True:
        try:
            value = read()
        except GLib.Error:
            value = None
        if accept(value):
            return value
        if time.monotonic() >= deadline:
            raise AssertionError("waited %.1f s for %s; last seen: %r" % (timeout, what, value))
        time.sleep(POLL_SECONDS)


def children(node):
    result = []
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        if child is not None:
            result.append(child)
    return result


def role(node):
    return node.get_role_name()


def name(node):
    return node.get_name() or ""


def text(node):
    if "Text" not in node.get_interfaces():
        return None
    return Atspi.Text.get_text(node, 0, -1)


def selection(node):
    """The selected range of a text, as (start, end) in characters, or None."""
    if "Text" not in node.get_interfaces() or Atspi.Text.get_n_selections(node) == 0:
        return None
    selected = Atspi.Text.get_selection(node, 0)
    return selected.start_offset, selected.end_offset


def labelled_by(node):
    """The nodes that a node is labelled by (its labelled-by relation)."""
    labels = []
    for relation in node.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            labels.extend(relation.get_target(index) for index in range(relation.get_n_targets()))
    return labels


def states(node):
    return {state.value_nick for state in node.get_state_set().get_states()}


def application(app_name):
    """The running application of that name on the accessibility bus, or None."""
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        if name(app) == app_name:
            return app
    return None


def windows(app):
    """The top-level windows of an application, each as (role, title, node)."""
    return [(role(window), name(window), window) for window in children(app)]


def all_text(node):
    """The names and texts of a window and everything in it, in tree order."""
    found = [name(node)] if name(node) else []
    content = text(node)
    if content:
        found.append(content)
    for child in children(node):
        found.extend(all_text(child))
    return found
