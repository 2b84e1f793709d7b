# SPDX-License-Identifier: MIT
# The game as a screen reader hears it: the real game under Xvfb with a session bus and the
# accessibility bus, started up to a game on the board, then read and pressed through AT-SPI.
#
# atspi_action_bar.py GAME TOOL CONTENT_FOLDER
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

APP = "Math Quizlex"
# The bar's own buttons, as the bar names them; the numbered hints follow as "Hint 1"...
BAR_BUTTONS = ["Show The Solution", "Check My Answer", "Find Hints For A Cell", "Clear"]
WHOLE_RUN_SECONDS = 60


class Failure(Exception):
    pass


def wait_for(what, probe, seconds=20.0):
    """Polls probe until it gives something true; fails naming what after the deadline."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            found = probe()
        except GLib.Error:  # the game is busy or a node went away while it was read
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure(f"gave up waiting for {what} after {seconds:.0f} s")
        time.sleep(0.2)


def read_fd_line(fd, seconds):
    deadline = time.monotonic() + seconds
    data = b""
    while not data.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([fd], [], [], left)[0]:
            raise Failure("a helper did not say where it listens")
        chunk = os.read(fd, 256)
        if not chunk:
            raise Failure("a helper ended before saying where it listens")
        data += chunk
    return data.decode().strip()


def start_listening(argv, env):
    """Starts a server that writes where it listens to the file descriptor it is given."""
    read_end, write_end = os.pipe()
    args = [a.replace("FD", str(write_end)) for a in argv]
    proc = subprocess.Popen(args, env=env, pass_fds=[write_end], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, start_new_session=True)
    os.close(write_end)
    try:
        return proc, read_fd_line(read_end, 15)
    finally:
        os.close(read_end)


def nodes(node, depth=0):
    """Every node below node (itself first), as (depth, node)."""
    yield depth, node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from nodes(child, depth + 1)


def showing(node):
    states = node.get_state_set()
    return states.contains(Atspi.StateType.SHOWING) and states.contains(Atspi.StateType.VISIBLE)


def game_app():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == APP:
            return app
    return None


def top_windows():
    """The game's windows on show."""
    app = game_app()
    windows = (app.get_child_at_index(i) for i in range(app.get_child_count() if app else 0))
    return [w for w in windows if w is not None and showing(w)]


def top_window(name, role=None):
    return next((w for w in top_windows()
                 if w.get_name() == name and role in (None, w.get_role_name())), None)


def tree_text():
    app = game_app()
    if app is None:
        return "(the game is not on the accessibility bus)"
    lines = []
    try:
        for depth, node in nodes(app):
            states = ("showing" if showing(node) else "hidden") + (
                "" if node.get_state_set().contains(Atspi.StateType.ENABLED) else " disabled")
            lines.append(f"{'  ' * depth}[{node.get_role_name()}] {node.get_name()!r} {states}")
    except GLib.Error as error:
        lines.append(f"(reading stopped: {error.message})")
    return "\n".join(lines)


def press_keys(window_name, *keys):
    """Gives the named window the keyboard focus and types keys into it, as a player would."""
    wait_for(f"the window {window_name!r}", lambda: top_window(window_name))
    pattern = "^" + re.escape(window_name) + "$"
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", pattern,
                    "windowfocus", "--sync"], check=True, timeout=20, stdout=subprocess.DEVNULL)
    for key in keys:
        command = ["type", "--delay", "50", key[1:]] if key.startswith("=") else ["key", key]
        subprocess.run(["xdotool", *command], check=True, timeout=20)


def expected_hint_count(folder, title):
    """The puzzle's hint pages in the built data: "stem_01.htf" onwards."""
    lines = open(os.path.join(folder, "data", "games.dat"), "rb").read().decode("cp1252")
    lines = lines.splitlines()
    stems = dict(zip(lines[0::2], lines[1::2]))
    if title not in stems:
        raise Failure(f"the window title {title!r} is no game in data/games.dat")
    pages = [name for name in os.listdir(os.path.join(folder, "data"))
             if re.fullmatch(re.escape(stems[title]) + r"_(0[1-9]|[1-9]\d)\.htf", name)]
    return len(pages)


def puzzle_source(content, title):
    """The puzzle's grid ("#" for a black square) and its clues as "1 Across", read from its
    source under content/puzzles."""
    for name in sorted(os.listdir(os.path.join(content, "puzzles"))):
        text = open(os.path.join(content, "puzzles", name), encoding="utf-8").read()
        if re.search(r"^title\s+" + re.escape(title) + r"\s*$", text, re.M):
            grid = re.search(r"^grid\n(.*?)^end", text, re.M | re.S).group(1)
            return ([line.split() for line in grid.splitlines()],
                    {f"{n} {way.capitalize()}"
                     for way, n in re.findall(r"^(across|down)\s+(\d+)", text, re.M)})
    raise Failure(f"no puzzle source is titled {title!r}")


def check_bar(frame, hints):
    buttons = {}
    for _, node in nodes(frame):
        if node.get_role() == Atspi.Role.PUSH_BUTTON:
            buttons.setdefault(node.get_name(), []).append(node)
    wanted = BAR_BUTTONS + [f"Hint {i}" for i in range(1, hints + 1)]
    problems = []
    for name in wanted:
        found = buttons.get(name, [])
        if len(found) != 1:
            problems.append(f"{len(found)} push buttons named {name!r} in the main window")
        elif not showing(found[0]):
            problems.append(f"{name!r} is not showing")
        elif not found[0].get_state_set().contains(Atspi.StateType.ENABLED):
            problems.append(f"{name!r} is greyed at the start of a game")
        elif found[0].get_extents(Atspi.CoordType.SCREEN).width <= 0:
            problems.append(f"{name!r} has no width")
    # A screen reader says where the buttons are: in the bar, a tool bar with its own name.
    bars = {(n.get_parent().get_role_name(), n.get_parent().get_name())
            for name in wanted for n in buttons.get(name, [])}
    if bars and bars != {("tool bar", "Action bar")}:
        problems.append(f"the bar's buttons are in {sorted(bars)}, not in one tool bar "
                        "named 'Action bar'")
    if f"Hint {hints + 1}" in buttons:
        problems.append(f"a button 'Hint {hints + 1}' beyond the puzzle's {hints} hints")
    return problems, buttons


def check_board(frame, grid, answers):
    tables = [n for _, n in nodes(frame) if n.get_role() == Atspi.Role.TABLE]
    if len(tables) != 1 or tables[0].get_name() != "Board":
        return [f"expected one table named 'Board', found {[t.get_name() for t in tables]}"]
    table = tables[0]
    size = (Atspi.Table.get_n_rows(table), Atspi.Table.get_n_columns(table))
    if size != (len(grid), len(grid[0])):
        return [f"a table of {size}, the puzzle's board is {len(grid)} x {len(grid[0])}"]
    problems = []
    named = []
    for r, row in enumerate(grid):
        for c, square in enumerate(row):
            cell = Atspi.Table.get_accessible_at(table, r, c)
            name = cell.get_name() if cell else ""
            black = name.endswith(", black square")
            if cell is None or cell.get_role() != Atspi.Role.TABLE_CELL or \
                    not name.startswith(f"row {r + 1}, column {c + 1}, ") or \
                    black != (square == "#"):
                problems.append(f"cell ({r + 1}, {c + 1}) reads {name!r}")
                continue
            named += [s for s in cell.get_description().split(", ") if s]
    if sorted(named) != sorted(answers):
        problems.append(f"cells name the answers {sorted(named)}, the puzzle has {sorted(answers)}")
    return problems


def run(game, tool, content, scratch):
    runtime = os.path.join(scratch, "runtime")
    os.mkdir(runtime, 0o700)
    env = dict(os.environ, HOME=scratch, XDG_RUNTIME_DIR=runtime,
               XDG_CONFIG_HOME=os.path.join(scratch, "config"),
               XDG_CACHE_HOME=os.path.join(scratch, "cache"))
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS"):
        env.pop(name, None)
    # A program folder of its own with the shipped data, built from content/ as the build does.
    folder = os.path.join(scratch, "game")
    subprocess.run([tool, "build", content, folder], env=env, check=True, timeout=60,
                   stdout=subprocess.DEVNULL)
    for sub in ("players", "games", "ants"):
        os.makedirs(os.path.join(folder, sub), exist_ok=True)
    procs = []
    try:
        xvfb, display = start_listening(
            ["Xvfb", "-displayfd", "FD", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"], env)
        procs.append(xvfb)
        env["DISPLAY"] = ":" + display
        bus, address = start_listening(
            ["dbus-daemon", "--session", "--nofork", "--print-address=FD"], env)
        procs.append(bus)
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        procs.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                      env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                      start_new_session=True))
        session = Gio.DBusConnection.new_for_address_sync(
            address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
            Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        wait_for("the accessibility bus", lambda: session.call_sync(
            "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, None,
            Gio.DBusCallFlags.NONE, 2000, None))
        os.environ.update({k: env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                                               "XDG_RUNTIME_DIR")})
        Atspi.init()
        game_env = dict(env, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        log = open(os.path.join(scratch, "game.log"), "w+")
        procs.append(subprocess.Popen([game], cwd=folder, env=game_env, stdout=log, stderr=log,
                                      start_new_session=True))
        try:
            drive_and_check(folder, content)
        except (Failure, subprocess.SubprocessError, GLib.Error) as failure:
            signal.alarm(15)  # time to read the tree, even when the run is out of time
            raise Failure(f"{failure}\nThe game's accessibility tree as AT-SPI read it:\n"
                          f"{tree_text()}") from None
        finally:
            log.seek(0)
            output = log.read()
            if "Sanitizer" in output:
                print(output)
                raise Failure("the game reported a fault of its own")
    finally:
        signal.alarm(0)  # each wait below is bounded, and every helper must go
        for proc in reversed(procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()


def drive_and_check(folder, content):
    # Start-up: the about box, a new player, the confirmation, then the second game in the list.
    press_keys("About...", "Return")
    press_keys("Select Player", "=Robin", "Return")
    press_keys("Confirmation", "Return")
    press_keys("Select Game To Play", "Down", "Return")
    welcome = wait_for("the start message of the game",
                       lambda: top_window("Let's begin...", "alert"), 30)
    frame = wait_for("the main window named after a game", lambda: next(
        (w for w in top_windows() if w.get_role() == Atspi.Role.FRAME and w.get_name() != APP),
        None))
    title = frame.get_name()
    press_action(welcome, "OK")
    wait_for("the start message to close", lambda: not top_window("Let's begin..."))

    hints = expected_hint_count(folder, title)
    problems, buttons = check_bar(frame, hints)
    problems += check_board(frame, *puzzle_source(content, title))
    if problems:
        raise Failure("\n".join(problems))
    print(f"{title}: the bar's {len(BAR_BUTTONS)} buttons and {hints} hints, and the board, "
          "read through AT-SPI")

    # Pressed as a screen reader presses it, Check My Answer checks the empty board.
    if top_window("Quick Check"):
        raise Failure("a Quick Check message is there before anything was checked")
    press_action(buttons["Check My Answer"][0], None)
    check = wait_for("the Quick Check message", lambda: top_window("Quick Check", "alert"))
    labels = [n.get_name() for _, n in nodes(check) if n.get_role() == Atspi.Role.LABEL]
    if "No items are marked." not in labels:
        raise Failure(f"Quick Check says {labels}")


def press_action(node, button_name):
    """Presses a button (or the button of that name below node) through its Action interface."""
    if button_name is not None:
        node = wait_for(f"a button {button_name!r}", lambda: next(
            (n for _, n in nodes(node)
             if n.get_role() == Atspi.Role.PUSH_BUTTON and n.get_name() == button_name), None))
    with warnings.catch_warnings():  # the name call is deprecated, yet it is what 2.46 has
        warnings.simplefilter("ignore", DeprecationWarning)
        names = [Atspi.Action.get_action_name(node, i)
                 for i in range(Atspi.Action.get_n_actions(node))]
    for i, name in enumerate(names):
        if name == "Press":
            if not Atspi.Action.do_action(node, i):
                raise Failure(f"{node.get_name()!r} refused to be pressed")
            return
    raise Failure(f"{node.get_name()!r} has no Press action")


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: atspi_action_bar.py GAME TOOL CONTENT_FOLDER")

    def out_of_time(*_):
        raise Failure(f"the whole run took more than {WHOLE_RUN_SECONDS} s")

    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(WHOLE_RUN_SECONDS)
    scratch = tempfile.mkdtemp(prefix="quizlex-atspi-")
    try:
        run(*(os.path.abspath(arg) for arg in sys.argv[1:]), scratch)
    except (Failure, subprocess.SubprocessError, OSError, GLib.Error) as error:
        signal.alarm(0)
        print(f"FAILED: {error}")
        sys.exit(1)
    finally:
        signal.alarm(0)
        shutil.rmtree(scratch, ignore_errors=True)
    print("The action bar and the board read and work through AT-SPI.")


if __name__ == "__main__":
    main()
