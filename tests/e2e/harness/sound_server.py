"""A private PulseAudio server with a null sink, and a recorder on that sink's monitor."""

import array
import os
import re
import subprocess
import threading
import time

from .processes import ProcessGroup, wait_until

SAMPLE_RATE = 16000
_SINK = "aerolap_e2e"
# The recorder asks for small fragments so that every chunk's arrival time says when it was rendered.
_RECORD_LATENCY_MS = 10
# Arrivals in the first second still carry the stream's start-up transient.
_SETTLED_AFTER_S = 1.0


class SoundServer:
    """PulseAudio run as a plain process with its own runtime folders, reachable only by its socket."""

    def __init__(self, processes: ProcessGroup, work_dir):
        self._processes = processes
        self._home = work_dir / "pulse-home"
        self._runtime = work_dir / "pulse-runtime"
        self._socket = work_dir / "pulse.socket"

    @property
    def address(self):
        return f"unix:{self._socket}"

    def env(self):
        return {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": str(self._home),
            "XDG_RUNTIME_DIR": str(self._runtime),
            "PULSE_RUNTIME_PATH": str(self._runtime / "pulse"),
        }

    def start(self):
        for folder in (self._home, self._runtime):
            folder.mkdir(mode=0o700, parents=True, exist_ok=True)
        # No default script (-n): only a null sink in the recorder's format (no resampling on the
        # monitor) and the socket; without module-suspend-on-idle the sink keeps its clock running.
        self._processes.start(
            "pulseaudio",
            [
                "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                "--realtime=no", "--high-priority=no", "--log-target=stderr",
                "-L", f"module-null-sink sink_name={_SINK} rate={SAMPLE_RATE} channels=1 format=s16le",
                "-L", f"module-native-protocol-unix socket={self._socket} auth-anonymous=1",
            ],
            env=self.env(),
        )
        wait_until(self._answers, 30, "the PulseAudio server to answer on its socket", step_s=0.2)

    def _answers(self):
        result = subprocess.run(
            ["pactl", f"--server={self.address}", "info"],
            env=self.env(), capture_output=True, timeout=10, check=False,
        )
        return result.returncode == 0 and f"Default Sink: {_SINK}".encode() in result.stdout

    def sink_latency(self):
        """How far ahead of its playing position the null sink mixes (s), as the server reports it."""
        result = subprocess.run(
            ["pactl", f"--server={self.address}", "list", "sinks"],
            env=self.env(), capture_output=True, timeout=10, check=True,
        )
        match = re.search(rb"Latency: \d+ usec, configured (\d+) usec", result.stdout)
        if not match:
            raise RuntimeError("the sound server reports no sink latency")
        return int(match.group(1)) / 1e6

    def start_recorder(self):
        recorder = Recorder()
        process = self._processes.start(
            "parec",
            [
                "parec", f"--server={self.address}", f"--device={_SINK}.monitor", "--raw",
                f"--rate={SAMPLE_RATE}", "--channels=1", "--format=s16le",
                f"--latency-msec={_RECORD_LATENCY_MS}",
            ],
            env=self.env(),
            stdout=subprocess.PIPE,
        )
        recorder.attach(process)
        return recorder


class Recorder:
    """Collects the monitor's samples and the monotonic arrival time of every chunk."""

    def __init__(self):
        self._data = bytearray()
        self._arrivals: list[tuple[float, int]] = []
        self._lock = threading.Lock()
        self._thread = None

    def attach(self, process):
        self._thread = threading.Thread(target=self._read, args=(process.stdout,), daemon=True)
        self._thread.start()

    def _read(self, pipe):
        fd = pipe.fileno()
        while True:
            chunk = os.read(fd, 65536)
            arrived = time.monotonic()
            if not chunk:
                return
            with self._lock:
                self._data += chunk
                self._arrivals.append((arrived, len(self._data) // 2))

    def recorded_seconds(self):
        with self._lock:
            return len(self._data) / 2 / SAMPLE_RATE

    def samples(self):
        with self._lock:
            whole = len(self._data) - len(self._data) % 2
            return array.array("h", bytes(self._data[:whole]))

    def time_base(self):
        """Monotonic time at which sample 0 was mixed, and the spread of the arrivals behind it (s).

        A chunk cannot arrive before its last sample was mixed, so each arrival minus the length
        recorded so far is an upper bound of that moment; the smallest settled one is kept.
        """
        with self._lock:
            arrivals = list(self._arrivals)
        if not arrivals:
            raise RuntimeError("the recorder delivered no sound data")
        first = arrivals[0][0]
        bounds = sorted(t - n / SAMPLE_RATE for t, n in arrivals if t - first >= _SETTLED_AFTER_S)
        if not bounds:
            raise RuntimeError("the recording is too short to align it with the clock")
        return bounds[0], bounds[len(bounds) // 2] - bounds[0]
