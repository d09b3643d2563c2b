"""One virtual X server for the whole run."""
import os
import subprocess
import time


class XServer:
    def __init__(self, width=1920, height=1080):
        self.display = None
        self.proc = None
        self.size = f"{width}x{height}x24"

    def start(self):
        for number in range(90, 140):
            if os.path.exists(f"/tmp/.X11-unix/X{number}") or os.path.exists(f"/tmp/.X{number}-lock"):
                continue
            proc = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", self.size,
                                     "-nolisten", "tcp", "-ac"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(100):
                if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                    self.display, self.proc = f":{number}", proc
                    return self.display
                if proc.poll() is not None:
                    break
                time.sleep(0.05)
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        raise RuntimeError("could not start Xvfb")

    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop()
