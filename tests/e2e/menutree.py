#!/usr/bin/python3
# Reads and drives the bar's open menus through the accessibility tree, the way a screen reader
# does, so that a test names entries instead of guessing pixels.
#   menutree.py items           one line per entry of every open menu: "<menu>\t<entry>\t<kind>"
#   menutree.py open NAME       opens the submenu of the entry called NAME (bar or open menu)
#   menutree.py press NAME      chooses the entry called NAME in an open menu
#   menutree.py highlighted     the highlighted entry of every open menu: "<menu>\t<entry>"
#   menutree.py shown NAME      exits 0 when something called NAME is on the screen (an entry,
#                               a control, a row of a list or a tree)
#   menutree.py click NAME      presses the button, check box or radio button called NAME in an
#                               open window (its caption without the "&")
#   menutree.py checked NAME    exits 0 when the check box (or the row of a list or a tree)
#                               called NAME is ticked
#   menutree.py button NAME     presses the shown push button called NAME (in any window)
#   menutree.py middle NAME     the middle of the shown element called NAME (a list cell, a
#                               button) on the screen: "x y", for a pointer that drags it
#   menutree.py where NAME      prints "x y width height" on the screen of the first shown
#                               thing called NAME (a list line, a cell, a control)
# Exits 1 when the bar or the entry is not there (yet).
import sys

import pyatspi


def quorix():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name and app.name.lower().startswith("quorix"):
            return app
    return None


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


ENTRY_ROLES = (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU, pyatspi.ROLE_CHECK_MENU_ITEM)


def entries(app):
    for node in walk(app):
        if node.getRole() in ENTRY_ROLES and showing(node):
            parent = node.parent
            yield (parent.name if parent is not None else ""), node


def do(node, wanted):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for name in wanted:
        if name in names:
            action.doAction(names.index(name))
            return True
    return False


CONTROL_ROLES = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
                 pyatspi.ROLE_TOGGLE_BUTTON)


ROW_ROLES = (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_TREE_ITEM, pyatspi.ROLE_LIST_ITEM)


def control(app, name, roles=CONTROL_ROLES):
    for node in walk(app):
        if node.getRole() in roles and showing(node) and node.name.replace("&", "") == name:
            return node
    return None


def main():
    app = quorix()
    if app is None:
        return 1
    command = sys.argv[1] if len(sys.argv) > 1 else "items"
    if command == "items":
        for menu, node in entries(app):
            kind = "submenu" if node.getRole() == pyatspi.ROLE_MENU or node.childCount else "entry"
            print(f"{menu}\t{node.name}\t{kind}")
        return 0
    if command == "highlighted":
        for menu, node in entries(app):
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                print(f"{menu}\t{node.name}")
        return 0
    target = sys.argv[2]
    if command == "shown":
        for node in walk(app):
            if node.name and node.name.replace("&", "") == target and showing(node):
                return 0
        return 1
    if command == "checked":
        node = control(app, target)
        if node is not None:
            return 0 if node.getState().contains(pyatspi.STATE_CHECKED) else 1
        # A row of a list or a tree: any shown row of that name that is ticked (a combo box's
        # list may show an unticked line of the same name).
        for node in walk(app):
            if node.getRole() in ROW_ROLES and showing(node) and node.name.replace("&", "") == target:
                if node.getState().contains(pyatspi.STATE_CHECKED):
                    return 0
        return 1
    if command == "click":
        node = control(app, target)
        if node is None:
            return 1
        return 0 if do(node, ["Press", "press", "Toggle", "toggle", "Click", "click"]) else 1
    if command == "button":
        for node in walk(app):
            if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == target and showing(node):
                return 0 if do(node, ["Press", "press", "Click", "click"]) else 1
        return 1
    if command in ("middle", "where"):
        for node in walk(app):
            if node.name == target and showing(node):
                box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                if command == "middle":
                    print(box.x + box.width // 2, box.y + box.height // 2)
                else:
                    print(box.x, box.y, box.width, box.height)
                return 0
        return 1
    for _, node in entries(app):
        if node.name == target:
            wanted = ["ShowMenu", "showMenu", "Press", "press"] if command == "open" else ["Press", "press", "Click", "click"]
            return 0 if do(node, wanted) else 1
    return 1


sys.exit(main())
