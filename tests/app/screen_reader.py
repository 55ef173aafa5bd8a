#!/usr/bin/python3
"""The game as a screen reader meets it: through the desktop's accessibility bus (AT-SPI).

Starts a private D-Bus session bus, the accessibility bus on it, an X server and the game, each
on sockets and folders of its own; then reads the board table, removes a group with the keyboard
and reads a cell's name and the Total text again. Prints the tree it read.

Usage: screen_reader.py <game executable>. Exits 77 (skipped) only where a bus or the X server
cannot start here.
"""
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

SKIP = 77
ATSPI_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(SKIP)


def wait_for(what, condition, timeout=30.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError(f"timed out waiting for {what}")


class Processes:
    """Everything started here, ended in reverse order."""

    def __init__(self):
        self.started = []

    def start(self, args, env, **kwargs):
        process = subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, **kwargs)
        self.started.append(process)
        return process

    def stop(self):
        for process in reversed(self.started):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()


def start_session_bus(processes, folder, env):
    if not shutil.which("dbus-daemon"):
        skip("dbus-daemon is not installed (scripts/install-deps.sh installs dbus)")
    socket = os.path.join(folder, "bus")
    daemon = processes.start(["dbus-daemon", "--session", "--nofork", f"--address=unix:path={socket}",
                              "--print-address"], env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    address = daemon.stdout.readline().decode().strip()
    if not address:
        skip("the D-Bus session bus cannot start here: " + daemon.stderr.read().decode().strip())
    return address


def start_x_server(processes, env, log):
    """An X server on a display of its own, away from the low numbers desktops and xvfb-run take.
    It must not reset when its first client (the accessibility bus launcher) leaves, or the game
    may knock while it does."""
    if not shutil.which("Xvfb"):
        skip("Xvfb is not installed (scripts/install-deps.sh installs xvfb)")
    first = 300 + os.getpid() % 500
    for number in range(first, first + 50):
        if os.path.exists(f"/tmp/.X{number}-lock"):
            continue
        server = processes.start(["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                                  "-noreset"],
                                 env, stdout=log, stderr=log)

        def answers():
            if server.poll() is not None:
                return "ended"
            with socket.socket(socket.AF_UNIX) as probe:
                return probe.connect_ex(f"/tmp/.X11-unix/X{number}") == 0

        if wait_for("the X server's socket", answers) is True:
            return f":{number}"
    log.seek(0)
    skip("Xvfb cannot start here: " + log.read().strip())


def find(node, test, depth=0):
    if node is None or depth > 12:
        return None
    if test(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), test, depth + 1)
        if found is not None:
            return found
    return None


def show(node, indent=0, limit=None):
    """The tree below node as lines "role 'name' [description]", children limited to limit."""
    lines = []
    description = node.description
    lines.append("  " * indent + f"{node.getRoleName()} '{node.name}'" + (f" [{description}]" if description else ""))
    count = node.childCount if limit is None else min(limit, node.childCount)
    for i in range(count):
        lines += show(node.getChildAtIndex(i), indent + 1, limit)
    if count < node.childCount:
        lines.append("  " * (indent + 1) + f"... {node.childCount - count} more")
    return lines


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    game = os.path.abspath(sys.argv[1])
    if not os.path.exists(ATSPI_LAUNCHER):
        skip("at-spi2-core is not installed (scripts/install-deps.sh installs it)")

    folder = tempfile.mkdtemp(prefix="quorbix-atspi-")
    processes = Processes()
    try:
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("DBUS_", "AT_SPI", "XDG_", "QT_", "WAYLAND", "LC_", "LANG"))}
        # The names below are the English ones, whatever language the desktop speaks.
        env["LANG"] = "C.UTF-8"
        x_log = open(os.path.join(folder, "xvfb.log"), "w+")
        env["DISPLAY"] = start_x_server(processes, env, x_log)
        env["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus(processes, folder, env)
        for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
            env[name] = os.path.join(folder, name.lower())
            os.makedirs(env[name], mode=0o700)
        processes.start([ATSPI_LAUNCHER, "--launch-immediately"], env, stdout=subprocess.DEVNULL,
                        stderr=subprocess.DEVNULL)

        # The library reads the bus addresses when it is first used.
        os.environ.update({k: env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")})
        try:
            import pyatspi
        except ImportError as error:
            skip(f"python3-pyatspi cannot be loaded ({error}); run this with Debian's /usr/bin/python3")

        # The game from a folder of its own, so its settings and scores land there, in the
        # standard mode with the standard pictures.
        copy = os.path.join(folder, "game", "quorbix")
        os.makedirs(os.path.dirname(copy))
        shutil.copy(game, copy)
        with open(os.path.join(folder, "game", "quorbix.ini"), "w") as settings:
            settings.write("[Sounds]\nPlay Sounds=0\n[Kids]\nKids Symbols=0\n[Modus]\nShifter=0\n")
        game_env = dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        # Under the sanitizers: libxkbcommon-x11 copies the keymap's names with strndup from a
        # reply that holds no NUL after them, which is correct, but strict string checks read
        # on to a NUL and report it. The game's own code is checked strictly everywhere else.
        if "ASAN_OPTIONS" in game_env:
            game_env["ASAN_OPTIONS"] += ":strict_string_checks=0"
        game_log = open(os.path.join(folder, "game.log"), "w+")
        player = processes.start([copy], game_env, cwd=os.path.dirname(copy), stdout=game_log, stderr=game_log)

        desktop = pyatspi.Registry.getDesktop(0)

        def application():
            if player.poll() is not None:
                game_log.seek(0)
                x_log.seek(0)
                raise AssertionError(f"the game ended with {player.returncode}:\n{game_log.read()}\n"
                                     f"The X server on {env['DISPLAY']} said:\n{x_log.read()}")
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name.lower() == "quorbix":
                    return app
            return None

        app = wait_for("the game on the accessibility bus", application)
        board = wait_for("the board table", lambda: find(
            app, lambda n: n.getRole() == pyatspi.ROLE_TABLE and n.name == "Board"))
        table = board.queryTable()
        assert table.nRows == 12, f"{table.nRows} rows"
        assert table.nColumns == 11, f"{table.nColumns} columns in the standard mode"
        assert board.childCount == 132, f"{board.childCount} cells"
        names = [[table.getAccessibleAt(row, column).name for column in range(11)] for row in range(12)]
        assert all(name.endswith(" ball") for line in names for name in line), names

        status = find(app, lambda n: n.getRole() == pyatspi.ROLE_STATUS_BAR)
        assert status is not None, "no status bar"
        total = find(status, lambda n: n.description == "Total points")
        assert total is not None and total.name == "0", "the Total text before any removal"

        print("The main window (at most four children of each object):")
        print("\n".join(show(app, limit=4)))
        print("The status bar:")
        print("\n".join(show(status)))

        # A cell with a neighbour of its kind, in a column of more than one kind: removing its
        # group takes at least one cell of the column, so the column's top cell is empty after.
        def paired(row, column):
            name = names[row][column]
            return any(0 <= r < 12 and 0 <= c < 11 and names[r][c] == name
                       for r, c in ((row - 1, column), (row + 1, column), (row, column - 1), (row, column + 1)))
        row, column = next((r, c) for r in range(12) for c in range(11)
                           if paired(r, c) and len({names[i][c] for i in range(12)}) > 1)
        top = table.getAccessibleAt(0, column)
        before = top.name
        chosen = table.getAccessibleAt(row, column)

        def key(name):
            subprocess.run(["xdotool", "key", "--clearmodifiers", name], env=env, check=True)

        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Quorbix"],
                                env=env, check=True, capture_output=True, text=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env, check=True)
        wait_for("the focused first cell", lambda: table.getAccessibleAt(0, 0).getState().contains(pyatspi.STATE_FOCUSED))
        for _ in range(column):
            key("Right")
        for _ in range(row):
            key("Down")
        wait_for("the focus on the chosen cell", lambda: chosen.getState().contains(pyatspi.STATE_FOCUSED))
        key("Return")
        wait_for("the Total after the removal", lambda: total.name not in ("", "0"))
        after = table.getAccessibleAt(0, column).name
        print(f"Removed the group of column {column + 1}, row {row + 1}. The column's top cell before: "
              f"'{before}'; after: '{after}'; Total now {total.name}")
        assert after == "Empty", after

        # The session ends: the game closes as its close button does, with its interfaces.
        player.terminate()
        assert player.wait(30) == 0, f"the game ended with {player.returncode}"
        print("PASSED")
    finally:
        processes.stop()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
