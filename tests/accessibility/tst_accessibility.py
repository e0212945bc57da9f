# The program as a screen reader meets it: accessibility on before the start, as Orca turns it
# on, and the tree read and worked over AT-SPI. Run inside its own D-Bus session:
# dbus-run-session -- ...
import os, re, subprocess, sys, tempfile, time
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib
import pyatspi

program, desktop_file = sys.argv[1:3]
MENU = ["Lisää lainaaja", "Lisää laina", "Poista lainaaja", "Poista laina", "Muokkaa", "Saldori",
        "Poistu ohjelmasta"]
spoken = []  # what a reader hears of its own accord: notifications as they show

def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        if (found := find()):
            return found
        time.sleep(0.05)
    sys.exit(f"timed out waiting for {what}")

def actions(node):
    try:
        action = node.queryAction()
        return [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        return []

# A press is answered at once, also one that opens a message box: a reader waits for the answer.
def press(node, name="Press"):
    started = time.monotonic()
    node.queryAction().doAction(actions(node).index(name))
    took = time.monotonic() - started
    assert took < 0.1, f"{name} on {node.name!r} answered after {took:.2f} s"

def nodes(node):
    yield node
    for child in node:
        if child:  # one that went a moment ago
            yield from nodes(child)

def showing(node, role, name=None):
    return next((n for n in nodes(node) if n.getRoleName() == role and name in (None, n.name)
                 and n.getState().contains(pyatspi.STATE_SHOWING)), None)

def check_tree(node, inside_combo=False):
    role = node.getRoleName()
    if role in ("push button", "link"):
        assert node.name and "Press" in actions(node), f"{role} {node.name!r}: {actions(node)}"
    if role in ("combo box", "text", "list") and not inside_combo:
        held = [n.queryText().getText(0, -1) for n in [node, *node] if n.getRoleName() == "text"]
        assert node.name and node.name not in held, f"{role} named by what it holds: {node.name!r}"
    for child in node:
        check_tree(child, inside_combo or role == "combo box")

def answer_message(saldori, text):
    box = wait_for("a message", lambda: next((a for a in saldori if a and a.getRoleName() == "alert"), None))
    assert any(n.name == text for n in nodes(box)), [n.name for n in nodes(box)]
    press(showing(box, "push button"))
    wait_for("the message to close", lambda: all(not a or a.getRoleName() != "alert" for a in saldori))

def ticks(loans):
    return [loan.getState().contains(pyatspi.STATE_CHECKED) for loan in loans]

# No window manager gives the window the keyboard back after a message box: the test does.
def key(window_id, env, name):
    subprocess.run(["xdotool", "windowfocus", "--sync", window_id, "key", "--window", window_id,
                    name], env=env, check=True)

def on_event(event):
    if event.detail1 and event.source.getRoleName() == "notification":
        spoken.append(event.source.name)

read, write = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp"], pass_fds=[write])
os.close(write)
data = tempfile.TemporaryDirectory()
try:
    display = ":" + os.read(read, 16).decode().strip()
    Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
        "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
        GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
        None, 0, 10000)
    pyatspi.Registry.registerEventListener(on_event, "object:state-changed:showing")
    with open(os.path.join(data.name, "nimet.kdx"), "wb") as register:
        register.write("aikaleima\r\nAino×\r\n".encode("cp1252"))
    with open(os.path.join(data.name, "Aino.kdx"), "wb") as loans:
        loans.write("aikaleima\r\nkirja×\r\nlevy×\r\n".encode("cp1252"))
    # The desktop's opener, as the toolkit finds it, writes down what it was asked to open.
    opened = os.path.join(data.name, "opened")
    with open(os.path.join(data.name, "xdg-open"), "w") as opener:
        opener.write(f'#!/bin/sh\necho "$1" >>"{opened}"\n')
    os.chmod(opener.name, 0o755)
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=data.name,
               PATH=data.name + os.pathsep + os.environ["PATH"])
    app = subprocess.Popen([program], cwd=data.name, env=env)
    try:
        saldori = wait_for("the program on the accessibility bus", lambda: next(
            (a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "saldori"), None))
        window = wait_for("its window", lambda: saldori.childCount and saldori[0])
        assert window.getRoleName() == "frame", window.getRoleName()
        check_tree(window)
        labels = {c.name: c for c in window if c.name in MENU and c.getRoleName() == "push button"}
        assert sorted(labels) == sorted(MENU), f"menu labels as buttons: {sorted(labels)}"
        leave = [n.name for n in nodes(window) if n.name.startswith("Poistu")]
        assert len(leave) == len(set(leave)), f"two controls named alike: {leave}"
        window_id = subprocess.run(["xdotool", "search", "--pid", str(app.pid), "--name", "^Saldori$"],
                                   env=env, capture_output=True, text=True, check=True).stdout.split()[0]

        # A second copy only says so, with no icon, and ends at OK; nothing is written, and the
        # first runs on.
        before = sorted(os.listdir(data.name))
        second = subprocess.Popen([program], cwd=data.name, env=env)
        box = wait_for("the second copy's message", lambda: next((a[0] for a in pyatspi.Registry.getDesktop(0)
                                                                 if a and a.get_process_id() == second.pid and a.childCount), None))
        seen = [(n.getRoleName(), n.name) for n in nodes(box) if n.getState().contains(pyatspi.STATE_SHOWING)]
        assert seen == [("alert", "Saldori"), ("label", "Ohjelma on jo käynnissä!"), ("panel", ""),
                        ("push button", "OK")], seen
        press(showing(box, "push button"))
        assert second.wait(10) == 0 and sorted(os.listdir(data.name)) == before, os.listdir(data.name)
        press(labels["Poista lainaaja"])
        answer_message(saldori, "Valitse ensin lainaaja listalta.")
        press(labels["Poista laina"])
        answer_message(saldori, "Valitse ensin lainaaja listalta ja rastita sitten lainat jotka haluat poistaa.")

        key(window_id, env, "Down")  # picks the first borrower
        listed = next(c for c in window if c.getRoleName() == "list")
        loans = wait_for("Aino's loans", lambda: listed.childCount == 2 and list(listed))
        assert [(l.getRoleName(), l.name) for l in loans] == [("check box", "kirja"), ("check box", "levy")]
        assert ticks(loans) == [False, False]
        for loan, expected in [(loans[1], [False, True]), (loans[0], [True, True]), (loans[1], [True, False])]:
            press(loan, "Toggle")
            wait_for(f"ticks {expected}", lambda: ticks(loans) == expected, 10)

        help_menu = next(c for c in window if c.name == "Saldori:")
        assert not help_menu.getState().contains(pyatspi.STATE_SHOWING)
        press(labels["Saldori"])
        press(wait_for("the help menu", lambda: showing(help_menu, "push button", "Ohjeet"), 10))
        press(wait_for("the topics", lambda: showing(window, "push button", "Lainan lisäys"), 10))
        hint = wait_for("the hint line", lambda: showing(window, "notification"), 10)
        wait_for("a reader to hear the first step", lambda: spoken[-1:] == [hint.name], 10)
        first = hint.name
        press(labels["Lisää laina"])
        wait_for("a reader to hear the next step", lambda: first != spoken[-1] == hint.name, 10)
        press(wait_for("the add-loans panel", lambda: showing(window, "push button", "Poistu lainan lisäyksestä"), 10))
        press(wait_for("the way out of help", lambda: showing(window, "push button", "Poistu ohjeesta"), 10))

        # The About panel's links, by keyboard and by a reader's press.
        press(wait_for("the menu", lambda: labels["Saldori"].getState().contains(pyatspi.STATE_ENABLED) and labels["Saldori"]))
        press(wait_for("the help menu", lambda: showing(help_menu, "push button", "Tietoa"), 10))
        wait_for("the About panel", lambda: showing(window, "push button", "Selvä"), 10)
        links = [n for n in nodes(window) if n.getRoleName() == "link"]
        def times_opened():
            return os.path.exists(opened) and open(opened).read().count("\n")
        for link, keys in zip(links, [["Tab", "Tab", "Return"], ["Tab", "space"]]):
            before = times_opened()
            for name in keys:
                key(window_id, env, name)
            wait_for(f"{link.name} opened by keyboard", lambda: times_opened() == before + 1, 10)
            assert link.getState().contains(pyatspi.STATE_FOCUSED), link.name
            press(link)
            wait_for(f"{link.name} opened by a reader", lambda: times_opened() == before + 2, 10)
        home, mail = links[0].name, "mailto:" + links[1].name
        assert open(opened).read().split() == [home, home, mail, mail], open(opened).read()
        wm_class = subprocess.run(["xprop", "-display", display, "-name", "Saldori", "WM_CLASS"],
                                  capture_output=True, text=True, check=True).stdout
        startup = re.search(r"^StartupWMClass=(.*)$", open(desktop_file).read(), re.M)
        assert startup and wm_class.rstrip().endswith(f'"{startup[1]}"'), wm_class
        # Whatever ends the window ends the program, also a window the desktop destroys outright.
        subprocess.run(["xdotool", "windowclose", window_id], env=env, check=True)
        app.wait(10)
    finally:
        app.terminate()
        app.wait(10)
finally:
    xvfb.terminate()
    xvfb.wait(10)
