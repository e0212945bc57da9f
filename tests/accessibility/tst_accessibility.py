# The program as a screen reader meets it: accessibility on before the start, as Orca turns it
# on, and the tree read over AT-SPI. Run inside its own D-Bus session: dbus-run-session -- ...
import os, re, subprocess, sys, tempfile, time
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib
import pyatspi

program, desktop_file = sys.argv[1:3]
MENU = ["Lisää lainaaja", "Lisää laina", "Poista lainaaja", "Poista laina", "Muokkaa", "Saldori", "Poistu"]

def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if (found := find()):
            return found
        time.sleep(0.1)
    sys.exit(f"timed out waiting for {what}")

def actions(node):
    try:
        action = node.queryAction()
        return [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        return []

def check_tree(node, inside_combo=False):
    role = node.getRoleName()
    if role == "push button":
        assert node.name and "Press" in actions(node), f"button {node.name!r}: {actions(node)}"
    if role in ("combo box", "text", "list") and not inside_combo:
        held = [n.queryText().getText(0, -1) for n in [node, *node] if n.getRoleName() == "text"]
        assert node.name and node.name not in held, f"{role} named by what it holds: {node.name!r}"
    for child in node:
        check_tree(child, inside_combo or role == "combo box")

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
    with open(os.path.join(data.name, "nimet.kdx"), "wb") as register:
        register.write("aikaleima\r\nAino×\r\n".encode("cp1252"))
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=data.name)
    app = subprocess.Popen([program], cwd=data.name, env=env)
    try:
        saldori = wait_for("the program on the accessibility bus", lambda: next(
            (a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "saldori"), None))
        window = wait_for("its window", lambda: saldori.childCount and saldori[0])
        check_tree(window)
        labels = {c.name: c for c in window if c.name in MENU and c.getRoleName() == "push button"}
        assert sorted(labels) == sorted(MENU), f"menu labels as buttons: {sorted(labels)}"
        help_menu = next(c for c in window if c.name == "Saldori:")
        assert not help_menu.getState().contains(pyatspi.STATE_SHOWING)
        labels["Saldori"].queryAction().doAction(actions(labels["Saldori"]).index("Press"))
        wait_for("the help menu", lambda: help_menu.getState().contains(pyatspi.STATE_SHOWING), 10)
        wm_class = subprocess.run(["xprop", "-display", display, "-name", "Saldori", "WM_CLASS"],
                                  capture_output=True, text=True, check=True).stdout
        startup = re.search(r"^StartupWMClass=(.*)$", open(desktop_file).read(), re.M)
        assert startup and wm_class.rstrip().endswith(f'"{startup[1]}"'), wm_class
        # Whatever ends the window ends the program, also a window the desktop destroys outright.
        window_id = subprocess.run(["xdotool", "search", "--pid", str(app.pid), "--name", "^Saldori$"],
                                   env=env, capture_output=True, text=True, check=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowclose", window_id], env=env, check=True)
        app.wait(10)
    finally:
        app.terminate()
        app.wait(10)
finally:
    xvfb.terminate()
    xvfb.wait(10)
