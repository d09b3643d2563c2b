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
    # The sampled moment of the highest resident set, split by what backs it:
    # anonymous memory (heaps, frame pools) against file pages (libraries).
    sampled_rss_mb: float = 0.0
    anon_mb: float = 0.0
    file_mb: float = 0.0
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
    finished = threading.Event()
    sampler = threading.Thread(target=sample_memory, args=(proc.pid, finished, result), daemon=True)
    sampler.start()
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
    finished.set()
    sampler.join(2)
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


def read_rollup(pid):
    """Rss, Anonymous and file-backed kB of one process, or None once it is gone."""
    values = {}
    try:
        with open(f"/proc/{pid}/smaps_rollup") as rollup:
            for line in rollup:
                name, _, rest = line.partition(":")
                if name in ("Rss", "Anonymous", "Shmem"):
                    values[name] = int(rest.split()[0])
    except (OSError, ValueError, IndexError):
        return None
    if "Rss" not in values:
        return None
    anon = values.get("Anonymous", 0)
    return values["Rss"], anon, values["Rss"] - anon - values.get("Shmem", 0)


def descendants(pid):
    """pid and every process below it (a player started through a wrapper)."""
    found, queue = [], [pid]
    while queue:
        current = queue.pop()
        found.append(current)
        try:
            for task in os.listdir(f"/proc/{current}/task"):
                with open(f"/proc/{current}/task/{task}/children") as children:
                    queue.extend(int(child) for child in children.read().split())
        except (OSError, ValueError):
            pass
    return found


def sample_memory(pid, finished, result, interval_s=0.2):
    """Keeps in `result` the split of the largest resident set seen among pid's tree."""
    while not finished.wait(interval_s):
        samples = [s for s in (read_rollup(p) for p in descendants(pid)) if s]
        if not samples:
            continue
        rss, anon, file_backed = max(samples)
        if rss / 1024.0 > result.sampled_rss_mb:
            result.sampled_rss_mb = rss / 1024.0
            result.anon_mb = anon / 1024.0
            result.file_mb = file_backed / 1024.0
