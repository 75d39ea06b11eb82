"""A private X display with a window manager, and the hands and eyes of the operator on it."""

import os
import re
import select
import subprocess
import time

from .processes import ProcessGroup, wait_until

TWIPS_PER_PIXEL = 15
_COMMAND_TIMEOUT_S = 10
# xdotool sleeps this long after its last request before it exits.
_XDOTOOL_EXIT_PAUSE_S = 0.1


class ClickTime:
    """Monotonic bounds of a click: before xdotool was started, and when it released the button."""

    def __init__(self, requested, released):
        self.requested = requested
        self.released = released


class Desktop:
    """Xvfb on a display number of its own choosing, openbox on top; clicks and keys through xdotool."""

    def __init__(self, processes: ProcessGroup, home):
        self._processes = processes
        self._home = home
        self.display = ""

    def start(self):
        read_end, write_end = os.pipe()
        try:
            self._processes.start(
                "xvfb",
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                 "-noreset"],
                env=self._base_env(),
                pass_fds=(write_end,),
            )
            os.close(write_end)
            number = _read_line(read_end, 30).strip()
        finally:
            os.close(read_end)
        if not number.isdigit():
            raise RuntimeError(f"Xvfb reported no display number: {number!r}")
        self.display = f":{number}"
        self._processes.start("openbox", ["openbox", "--sm-disable"], env=self.env())
        wait_until(self._window_manager_running, 30, "openbox to manage the display")

    def _base_env(self):
        return {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": str(self._home)}

    def env(self):
        return {**self._base_env(), "DISPLAY": self.display}

    def _run(self, argv, check=True):
        return subprocess.run(
            argv, env=self.env(), capture_output=True, timeout=_COMMAND_TIMEOUT_S, check=check
        )

    def _window_manager_running(self):
        result = self._run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
        return result.returncode == 0 and b"window id" in result.stdout

    def find_window(self, title, timeout_s, check_alive=lambda: True):
        """The id of the one visible window whose title is exactly `title`; check_alive may raise."""

        def search():
            check_alive()
            result = self._run(
                ["xdotool", "search", "--onlyvisible", "--name", f"^{_literal(title)}$"], check=False
            )
            ids = result.stdout.split()
            return int(ids[0]) if len(ids) == 1 else None

        return wait_until(search, timeout_s, f"the window titled {title!r}", step_s=0.2)

    def window_exists(self, window_id):
        return self._run(["xwininfo", "-id", str(window_id)], check=False).returncode == 0

    def client_origin(self, window_id):
        """Top-left corner of the window's client area, in screen pixels."""
        text = self._run(["xwininfo", "-id", str(window_id)]).stdout.decode()
        x = re.search(r"Absolute upper-left X:\s+(-?\d+)", text)
        y = re.search(r"Absolute upper-left Y:\s+(-?\d+)", text)
        if not (x and y):
            raise RuntimeError(f"xwininfo gave no position for window {window_id}:\n{text}")
        return int(x.group(1)), int(y.group(1))

    def activate(self, window_id):
        self._run(["xdotool", "windowactivate", "--sync", str(window_id)])

    def click(self, x, y):
        """Left click at a screen position; returns when it happened as a ClickTime."""
        self._run(["xdotool", "mousemove", "--sync", str(x), str(y)])
        before = time.monotonic()
        self._run(["xdotool", "click", "1"])
        return ClickTime(before, time.monotonic() - _XDOTOOL_EXIT_PAUSE_S)

    def key(self, *keys):
        self._run(["xdotool", "key", "--delay", "30", *keys])

    def type_text(self, text):
        self._run(["xdotool", "type", "--delay", "40", text])

    def grab(self, x, y, width, height):
        """Pixels of a screen rectangle as a list of (r, g, b)."""
        crop = f"{width}x{height}+{x}+{y}"
        ppm = self._run(
            ["import", "-silent", "-window", "root", "-depth", "8", "-crop", crop, "+repage", "ppm:-"]
        ).stdout
        return _ppm_pixels(ppm)


def _read_line(fd, timeout_s):
    # Xvfb writes the number and the newline separately and dies if the pipe is gone in between.
    deadline = time.monotonic() + timeout_s
    text = b""
    while not text.endswith(b"\n"):
        ready, _, _ = select.select([fd], [], [], max(0.0, deadline - time.monotonic()))
        chunk = os.read(fd, 32) if ready else b""
        if not chunk:
            raise TimeoutError(f"Xvfb did not report its display number within {timeout_s} s")
        text += chunk
    return text.decode()


def _literal(text):
    """`text` as a POSIX extended regular expression that matches only itself."""
    return "".join(f"\\{c}" if c in ".[]()*+?{}|^$\\" else c for c in text)


def _ppm_pixels(ppm):
    fields = []
    position = 0
    while len(fields) < 4:
        while ppm[position : position + 1].isspace():
            position += 1
        if ppm[position : position + 1] == b"#":
            position = ppm.index(b"\n", position)
            continue
        end = position
        while not ppm[end : end + 1].isspace():
            end += 1
        fields.append(ppm[position:end])
        position = end
    if fields[0] != b"P6" or fields[3] != b"255":
        raise RuntimeError(f"unexpected screenshot format {fields}")
    data = ppm[position + 1 :]
    return [tuple(data[i : i + 3]) for i in range(0, len(data) - 2, 3)]
