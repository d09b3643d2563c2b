"""A virtual X server for the whole run, with a window manager when asked.

Full screen is the window manager's business (players ask for it through
_NET_WM_STATE), so the full-screen screen runs openbox; the windowed screen
runs none, as before. The manager's own CPU time is not counted: it does
nothing while a full-screen window plays.
"""
import os
import shutil
import subprocess
import time


class XServer:
    def __init__(self, width=1920, height=1080, window_manager=False):
        self.display = None
        self.proc = None
        self.manager = None
        self.size = f"{width}x{height}x24"
        self.want_manager = window_manager

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

    def start_manager(self):
        if not shutil.which("openbox"):
            raise RuntimeError("full screen needs openbox (scripts/install-deps installs it)")
        env = dict(os.environ, DISPLAY=self.display)
        self.manager = subprocess.Popen(["openbox", "--sm-disable"], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The manager is up once it has claimed the screen's manager selection.
        for _ in range(100):
            probe = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env,
                                   capture_output=True, text=True)
            if "window id" in probe.stdout:
                return
            if self.manager.poll() is not None:
                break
            time.sleep(0.05)
        raise RuntimeError("openbox did not start")

    def stop(self):
        if self.manager and self.manager.poll() is None:
            self.manager.terminate()
            self.manager.wait()
        if self.proc and self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()

    def __enter__(self):
        self.start()
        try:
            if self.want_manager:
                self.start_manager()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()
