"""The helper processes of one end-to-end run: each is started here and stopped again by its own id."""

import ctypes
import signal
import subprocess
import time
from pathlib import Path

_PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)


def _die_with_the_test():
    # Should the test itself be killed (a CTest timeout sends SIGKILL), the kernel takes its
    # helpers down too instead of leaving an X server or sound server behind.
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


class ProcessGroup:
    """Starts long-running helpers with their stderr in a log file; stop_all() ends them newest first."""

    def __init__(self, log_dir: Path):
        self._log_dir = log_dir
        self._running: list[tuple[str, subprocess.Popen]] = []

    def start(self, name, argv, env, stdout=subprocess.DEVNULL, pass_fds=()):
        log = open(self._log_dir / f"{name}.log", "wb")
        try:
            process = subprocess.Popen(
                argv,
                env=env,
                stdin=subprocess.DEVNULL,
                stdout=stdout,
                stderr=log,
                pass_fds=pass_fds,
                preexec_fn=_die_with_the_test,
            )
        finally:
            log.close()
        self._running.append((name, process))
        return process

    def log_tail(self, name, lines=40):
        path = self._log_dir / f"{name}.log"
        if not path.exists():
            return ""
        return "\n".join(path.read_text(errors="replace").splitlines()[-lines:])

    def forget(self, process):
        """For a process that has ended on its own and must not be signalled again."""
        self._running = [(n, p) for n, p in self._running if p is not process]

    def stop(self, process, grace_s=5.0):
        if process.poll() is None:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(timeout=grace_s)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait(timeout=grace_s)
        self.forget(process)

    def stop_all(self):
        for _, process in reversed(list(self._running)):
            self.stop(process)


def wait_until(predicate, timeout_s, what, step_s=0.05):
    """Polls predicate until it returns something truthy; raises with `what` when time runs out."""
    deadline = time.monotonic() + timeout_s
    while True:
        result = predicate()
        if result:
            return result
        if time.monotonic() > deadline:
            raise TimeoutError(f"timed out after {timeout_s:.0f} s waiting for {what}")
        time.sleep(step_s)
