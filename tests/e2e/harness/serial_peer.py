"""The external display's end of the serial line: a pseudo-terminal whose other end the program opens."""

import errno
import os
import termios
import threading
import time

FRAME_END = b"\r"
_BAUD = {getattr(termios, f"B{rate}"): rate for rate in (1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200)}
_DATA_BITS = {termios.CS5: 5, termios.CS6: 6, termios.CS7: 7, termios.CS8: 8}


class SerialPeer:
    """Reads the frames (everything up to each carriage return) with their monotonic arrival times.

    The test keeps its own slave descriptor open until release_slave(), so that the master only sees
    a hang-up once the program, too, has closed the port.
    """

    def __init__(self):
        self._master, self._slave = os.openpty()
        self.slave_path = os.ttyname(self._slave)
        self._frames: list[tuple[float, bytes]] = []
        self._pending = bytearray()
        self._lock = threading.Lock()
        self._hung_up = threading.Event()
        self._thread = threading.Thread(target=self._read, daemon=True)
        self._thread.start()

    def _read(self):
        while True:
            try:
                chunk = os.read(self._master, 256)
            except OSError as error:
                if error.errno == errno.EIO:
                    self._hung_up.set()
                    return
                raise
            arrived = time.monotonic()
            if not chunk:
                self._hung_up.set()
                return
            with self._lock:
                self._pending += chunk
                while FRAME_END in self._pending:
                    end = self._pending.index(FRAME_END) + 1
                    self._frames.append((arrived, bytes(self._pending[:end])))
                    del self._pending[:end]

    def frames(self):
        with self._lock:
            return list(self._frames)

    def leftover(self):
        with self._lock:
            return bytes(self._pending)

    def line_settings(self):
        """The line as the program set it up, written like "9600,n,8,1"."""
        _, _, cflag, _, _, ospeed, _ = termios.tcgetattr(self._slave)
        parity = "n" if not cflag & termios.PARENB else ("o" if cflag & termios.PARODD else "e")
        stop_bits = 2 if cflag & termios.CSTOPB else 1
        return f"{_BAUD.get(ospeed, ospeed)},{parity},{_DATA_BITS[cflag & termios.CSIZE]},{stop_bits}"

    def release_slave(self):
        if self._slave >= 0:
            os.close(self._slave)
            self._slave = -1

    def wait_for_hang_up(self, timeout_s):
        return self._hung_up.wait(timeout_s)

    def close(self):
        self.release_slave()
        if self._master >= 0:
            os.close(self._master)
            self._master = -1
