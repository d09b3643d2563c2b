"""Private folders for each player run.

Tavrel is single-instance per user runtime folder, so every run gets its own
XDG_RUNTIME_DIR and XDG_CONFIG_HOME: a run can never hand its file to a
left-over instance, and no run sees another run's settings. HOME and the
cache folder are shared by all runs, as a user's are: GStreamer keeps its
plug-in registry in the cache and re-scans the plug-ins that look for add-ons
under HOME whenever HOME changes, which costs half a second of CPU that a
user's second start never pays.
"""
import os
import shutil
import struct
import tempfile

NOBODY = 65534


def qsettings_bytearray(data: bytes) -> str:
    """The text QSettings' ini format stores for a QByteArray value.

    Every byte is written as a hex escape; the next character is always a
    backslash or the closing parenthesis, so the escapes cannot run together.
    """
    return "@ByteArray(" + "".join(f"\\x{byte:x}" for byte in data) + ")"


def rest_size_value(left, top, width, height) -> str:
    """`RestSize`: four little-endian 32-bit integers, left, top, width, height."""
    return qsettings_bytearray(struct.pack("<4i", left, top, width, height))


def make_shared_home():
    """A home folder, with its cache, that every player may write to (VLC runs
    as another user)."""
    path = tempfile.mkdtemp(prefix="tavrel-bench-home-")
    os.mkdir(os.path.join(path, ".cache"))
    for folder in (path, os.path.join(path, ".cache")):
        os.chmod(folder, 0o1777)
    return path


class RunFolders:
    """Temporary HOME-like folders for one run, removed afterwards."""

    def __init__(self, shared_home, owner_uid=None):
        self.home = shared_home
        self.root = tempfile.mkdtemp(prefix="tavrel-bench-")
        self.runtime = os.path.join(self.root, "runtime")
        self.config = os.path.join(self.root, "config")
        self.data = os.path.join(self.root, "data")
        self.cache = os.path.join(shared_home, ".cache")
        for path in (self.runtime, self.config, self.data):
            os.makedirs(path, mode=0o700)
        if owner_uid is not None:
            for folder, _, files in os.walk(self.root):
                for name in [folder] + [os.path.join(folder, f) for f in files]:
                    os.chown(name, owner_uid, owner_uid)

    def env(self, base):
        env = dict(base)
        env.update(HOME=self.home, XDG_RUNTIME_DIR=self.runtime, XDG_CONFIG_HOME=self.config,
                   XDG_DATA_HOME=self.data, XDG_CACHE_HOME=self.cache)
        return env

    def write_tavrel_settings(self, width, height):
        folder = os.path.join(self.config, "Quenfold")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "Tavrel.conf"), "w") as conf:
            conf.write("[General]\nRestSize=" + rest_size_value(0, 0, width, height) + "\n")

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.remove()
