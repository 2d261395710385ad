#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Reads the program from outside, as a screen reader does: over the AT-SPI accessibility bus.

Starts the real program on an X display with the accessibility bridge on, types into a form
through the EditableText interface, presses OK through the Action interface, and reads the
result field (its caption as the name, its value through the Text interface) and the two
status-bar texts. Then does the same for a result wider than its field, reached through the
topic menu. The expected results come from kalvora-calc.

    python3 read_results.py PROGRAM KALVORA_CALC

Every run has its own session bus (dbus-run-session), its own runtime folder (where the
accessibility bus puts its socket) and its own X server (Xvfb, on a display number the server
picks itself), so that runs side by side cannot reach each other's program.
"""
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

pyatspi = None  # imported once the display is up: the accessibility bus starts with that environment
STEP_TIMEOUT = 60  # seconds for each thing awaited; a sanitizer build starts slowly


class CheckFailed(Exception):
    pass


def wait_for(what, probe, timeout=STEP_TIMEOUT):
    """Calls probe() until it gives something, and returns that; fails after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < deadline:
        try:
            found = probe()
            if found:
                return found
        except Exception as error:  # objects vanish while a form is replaced
            last_error = error
        time.sleep(0.2)
    detail = f" (last error: {last_error})" if last_error else ""
    raise CheckFailed(f"timed out after {timeout} s waiting for {what}{detail}")


def children(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield child


def descendants(node):
    stack = [node]
    while stack:
        current = stack.pop()
        yield current
        stack.extend(reversed(list(children(current))))


def program_root(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app.get_process_id() == pid and app.childCount > 0:
            return app
    return None


def registered_applications():
    try:
        return [f"'{app.name}' (pid {app.get_process_id()}, {app.childCount} windows)"
                for app in children(pyatspi.Registry.getDesktop(0))]
    except Exception as error:
        return f"nothing readable ({error})"


def find(root, role, name):
    for node in descendants(root):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for i, name in enumerate(names):
        if name.lower() in ("press", "click", "activate"):
            action.doAction(i)
            return
    raise CheckFailed(f"'{node.name}' ({node.getRoleName()}) has no press action, only {names}")


def type_into(root, caption, text):
    field = wait_for(f"the input field named '{caption}'", lambda: find(root, "text", caption))
    field.queryEditableText().setTextContents(text)
    wait_for(f"'{text}' in the input field '{caption}'", lambda: text_of(field) == text)


def expect_result(root, caption, expected):
    """The result field is named by its caption and gives its value through the Text interface;
    the user cannot change it."""
    def shown():
        for node in descendants(root):
            if node.name == caption and node.getRoleName() != "label":
                return node
        return None

    field = wait_for(f"a result field named '{caption}' (not only its caption label)", shown)
    try:
        value = wait_for(f"the value '{expected}' in the result field '{caption}'",
                         lambda: text_of(field) == expected and expected, timeout=15)
    except CheckFailed as failure:
        raise CheckFailed(f"{failure}; it reads {text_of(field)!r}") from None
    if not field.getState().contains(pyatspi.STATE_READ_ONLY):
        raise CheckFailed(f"the result field '{caption}' is not read-only")
    print(f"read over AT-SPI: [{field.getRoleName()}] name '{field.name}', text '{value}', read-only")


def compute(root, topic_menu_item, typed, ok_name, result_caption, expected):
    if topic_menu_item:
        item = wait_for(f"the menu item '{topic_menu_item}'", lambda: find(root, "menu item", topic_menu_item))
        press(item)
    for caption, text in typed:
        type_into(root, caption, text)
    press(wait_for(f"the button '{ok_name}'", lambda: find(root, "push button", ok_name)))
    expect_result(root, result_caption, expected)


def expect_status_texts(root):
    """The status-bar parts are read as the texts they show (through Text or the name)."""
    patterns = [re.compile(r"RAM CELKEM = \d+ KB"), re.compile(r"VOLNE =\d+ KB")]
    read = []

    def parts():
        bar = next((n for n in descendants(root) if n.getRoleName() == "status bar"), None)
        if bar is None:
            return None
        read[:] = [text_of(part) or part.name for part in children(bar)]
        found = [next((t for t in read if p.fullmatch(t or "")), None) for p in patterns]
        return found if all(found) else None

    try:
        found = wait_for("the status-bar parts read as 'RAM CELKEM = <n> KB' and 'VOLNE =<n> KB'", parts, timeout=15)
    except CheckFailed as failure:
        raise CheckFailed(f"{failure}; its parts read {read}") from None
    print(f"read over AT-SPI: status bar parts {found}")


def start_display():
    """Starts Xvfb on a free display, which it reports on a pipe; gives the server and the display name."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    # The server writes the number and then a line feed; the pipe stays open until both are read,
    # or the server would fail writing the line feed.
    reported = b""
    deadline = time.monotonic() + STEP_TIMEOUT
    while not reported.endswith(b"\n") and time.monotonic() < deadline:
        ready, _, _ = select.select([read_end], [], [], max(0, deadline - time.monotonic()))
        chunk = os.read(read_end, 64) if ready else b""
        if not chunk:
            break
        reported += chunk
    os.close(read_end)
    number = reported.decode().strip() if reported.endswith(b"\n") else ""
    if not number:
        stop(server)
        raise CheckFailed("Xvfb did not report a display (is the package xvfb installed?)")
    return server, ":" + number


def start_accessibility_bus():
    """Brings up the accessibility bus and its registry before the program looks for them."""
    global pyatspi
    try:
        import pyatspi as module
    except ImportError as error:
        raise CheckFailed(f"cannot import pyatspi ({error}); scripts/install-deps.sh --tests installs python3-pyatspi")
    pyatspi = module
    wait_for("the accessibility registry", lambda: pyatspi.Registry.getDesktop(0) is not None)


def stop(process):
    if process.poll() is None:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def calc(kalvora_calc, topic, *texts):
    return subprocess.run([kalvora_calc, topic, *texts], check=True, capture_output=True, text=True).stdout.strip()


def check(program, kalvora_calc):
    started = []
    try:
        server, display = start_display()
        started.append(server)
        os.environ["DISPLAY"] = display
        start_accessibility_bus()
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        process = subprocess.Popen([program], env=env, cwd=os.path.dirname(program))
        started.append(process)
        try:
            root = wait_for(f"the program (pid {process.pid}) on the accessibility bus",
                            lambda: process.poll() is None and program_root(process.pid) or None)
        except CheckFailed as failure:
            raise CheckFailed(f"{failure}; the bus lists {registered_applications()}") from None
        wait_for("the current form", lambda: find(root, "push button", "OK"))
        compute(root, None, [("Napětí U (Volt)", "12"), ("Odpor R (Ohm)", "3")], "OK",
                "Proud I (Amper) =", calc(kalvora_calc, "current", "12", "3"))
        expect_status_texts(root)
        # A result wider than its 95-pixel field is read whole.
        compute(root, "Kondenzátor",
                [("Frekvence f  (Hertz)", "100"), ("Kapacita kondenzátoru C (Farad)", "1e-12")], "OK",
                "Kapacitní odpor kondenzátoru Xc v ohmech =", calc(kalvora_calc, "capacitor-reactance", "100", "1e-12"))
    except CheckFailed as failure:
        print(f"FAIL: {failure}")
        return 1
    finally:
        for process in reversed(started):
            stop(process)
    print("PASS: results and status texts are readable over AT-SPI")
    return 0


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--inside-session":
        return check(*(os.path.abspath(path) for path in sys.argv[2:4]))
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    if not shutil.which("dbus-run-session"):
        print("FAIL: dbus-run-session is missing; scripts/install-deps.sh --tests installs it")
        return 1
    runtime = tempfile.mkdtemp(prefix="kalvora-atspi-")
    try:
        env = dict(os.environ, XDG_RUNTIME_DIR=runtime)
        env.pop("DISPLAY", None)
        command = ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), "--inside-session", *sys.argv[1:]]
        return subprocess.run(command, env=env).returncode
    finally:
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
