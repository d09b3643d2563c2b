"""Runs one player process and measures what it cost.

CPU time and peak RSS come from wait4(): the kernel's own accounting of the
process (and of any children it waited for), so nothing is sampled and
nothing is missed between samples.
"""
import os
import subprocess
import threading
import time
from dataclasses import dataclass, field


@dataclass
class RunResult:
    wall_s: float = 0.0             # spawn -> exit
    cpu_s: float = 0.0              # user + sys
    peak_rss_mb: float = 0.0
    exit_code: int | None = None
    timed_out: bool = False
    marks: dict = field(default_factory=dict)  # stdout marker -> seconds after spawn
    stdout: str = ""
    stderr_path: str = ""


def run_measured(argv, env, stderr_path, timeout_s, markers=(), on_timeout=None, on_mark=None,
                 cwd=None):
    """Starts argv, waits for its exit (at most timeout_s), and returns a RunResult.

    `markers` are stdout line prefixes whose first appearance is timed from the
    spawn. `on_timeout(pid)` is called once when the time is up (to ask the
    player to quit); the process is killed 5 s later if it still runs.
    `on_mark(marker, pid)` is called from the reading thread when a marker first
    appears.
    """
    result = RunResult(stderr_path=stderr_path)
    with open(stderr_path, "wb") as err:
        start = time.monotonic()
        proc = subprocess.Popen(argv, env=env, cwd=cwd, stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=err)
    lines = []

    def read_stdout():
        for raw in proc.stdout:
            now = time.monotonic() - start
            line = raw.decode("utf-8", "replace")
            lines.append(line)
            for marker in markers:
                if line.startswith(marker) and marker not in result.marks:
                    result.marks[marker] = now
                    if on_mark:
                        on_mark(marker, proc.pid)

    reader = threading.Thread(target=read_stdout, daemon=True)
    reader.start()
    waited = {}

    def wait_exit():
        # wait4 reaps the child and hands back its resource usage in one call.
        _, status, usage = os.wait4(proc.pid, 0)
        waited.update(time=time.monotonic() - start, status=status, usage=usage)

    waiter = threading.Thread(target=wait_exit, daemon=True)
    waiter.start()
    try:
        waiter.join(timeout_s)
    except BaseException:
        # Interrupted (Ctrl-C, SIGTERM): leave no player behind.
        os.kill(proc.pid, 9)
        raise
    if waiter.is_alive():
        result.timed_out = True
        if on_timeout:
            on_timeout(proc.pid)
        waiter.join(5)
        if waiter.is_alive():
            os.kill(proc.pid, 9)
            waiter.join()
    proc.returncode = os.waitstatus_to_exitcode(waited["status"])
    reader.join(2)
    usage = waited["usage"]
    result.wall_s = waited["time"]
    result.cpu_s = usage.ru_utime + usage.ru_stime
    result.peak_rss_mb = usage.ru_maxrss / 1024.0  # kilobytes on Linux
    result.exit_code = proc.returncode
    result.stdout = "".join(lines)
    return result


def process_cpu_s(pid):
    """User + sys seconds a running process has used so far (for the X server)."""
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    ticks = os.sysconf("SC_CLK_TCK")
    return (int(fields[11]) + int(fields[12])) / ticks
