#!/usr/bin/python3
"""Reads the running koru-configurator's accessibility tree through AT-SPI, as a screen reader does.

Shows every tab in turn (through its tab button, which also makes a page not made yet) and counts the focusable
controls its page shows; then counts the focusable controls of the whole window and those without a name, and reads
the labels that show a value (their caption is the description, their value the name). Arguments: CAPTION=VALUE pairs the value labels must read. Exit status 1 when a
focusable control has no name or a value label does not read as expected.
"""
import sys
import time

import pyatspi

TABS = ["KORU unit", "Network setup", "Timer, counter, comm. setup", "Input, sleep setup", "Messages events",
        "I/O and sleep events", "Timer, counter, comm. events", "Remote control events", "Message actions",
        "Output and flag actions", "Timers and counter actions", "Misc."]


def find_window(timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "koru-configurator":
                for frame in app:
                    if frame is not None and frame.getRole() == pyatspi.ROLE_FRAME and " - " in frame.name:
                        return frame
        time.sleep(0.2)
    sys.exit("accessibility check: the window of koru-configurator did not appear on the accessibility bus")


def walk(node, out):
    """Every object below `node`; a drop-down's own parts (its popup list, its text field) are announced
    through the drop-down and are not walked."""
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is None:
            continue
        out.append(child)
        if child.getRole() != pyatspi.ROLE_COMBO_BOX:
            walk(child, out)
    return out


def says_what_it_is(node):
    # Qt's bridge shows a drop-down's current choice as its name; its caption comes as the description.
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        return bool(node.description.strip())
    return bool(node.name.strip())


def focusable(node):
    return node.getState().contains(pyatspi.STATE_FOCUSABLE)


def on_screen(node):
    # Qt gives a hidden widget an empty rectangle (its "showing" state is not kept up to date on the bus).
    try:
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return False
    return extents.width > 0 and extents.height > 0


def shown_page(window):
    """The page of the tab set that is on screen: the child of the page stack with a rectangle."""
    stacks = [node for node in walk(window, []) if node.getRole() == pyatspi.ROLE_LAYERED_PANE]
    for stack in stacks:
        for index in range(stack.childCount):
            page = stack.getChildAtIndex(index)
            if page is not None and on_screen(page):
                return page
    return None


def describe(node):
    parent = node.parent
    return "%s %r in %s %r" % (node.getRoleName(), node.name, parent.getRoleName() if parent else "-",
                               parent.name if parent else "")


def main():
    expected = dict(argument.split("=", 1) for argument in sys.argv[1:])
    window = find_window()
    nodes = walk(window, [])

    # Every tab first: a page is made when its tab is first shown, so the whole tree exists only afterwards.
    buttons = {node.name: node for node in nodes if node.getRole() == pyatspi.ROLE_RADIO_BUTTON and node.name in TABS}
    failures = 0
    for caption in TABS:
        if caption not in buttons:
            print("  tab button missing: %r" % caption)
            failures += 1
            continue
        button = buttons[caption]
        button.queryAction().doAction(0)
        time.sleep(0.3)
        page = shown_page(window)
        if page is None:
            print("  no page shown for the tab %r" % caption)
            failures += 1
            continue
        shown = [node for node in walk(page, []) if focusable(node) and on_screen(node)]
        print("tab %-30s %4d focusable controls shown" % (caption + ":", len(shown)))

    nodes = walk(window, [])
    controls = [node for node in nodes if focusable(node)]
    unnamed = [node for node in controls if not says_what_it_is(node)]
    print("focusable controls: %d (of %d objects in the tree)" % (len(controls), len(nodes)))
    print("focusable controls without a name: %d" % len(unnamed))
    for node in unnamed:
        print("  no name: " + describe(node))
    failures += len(unnamed)

    values = {node.description: node.name for node in nodes
              if node.getRole() == pyatspi.ROLE_LABEL and node.description}
    print("value labels read: %d" % len(values))
    for caption, value in sorted(values.items()):
        print("  %s: %r" % (caption, value))
    for caption, value in expected.items():
        if values.get(caption) != value:
            print("  expected %s: %r, read %r" % (caption, value, values.get(caption)))
            failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
