"""The players under test, one row each: how to start them for each case,
how to ask them to quit, and where their dropped-frame figure comes from.

Window: 1280x720 for every player that can be told a size (VLC through its
zoom). gst-play-1.0 has no size option; its ximagesink window takes the clip's
own size.
Sound: every player renders audio to a null sink that keeps real-time sync.
"""
import functools
import os
import signal
import subprocess
from dataclasses import dataclass
from typing import Callable

import drops
from sandbox import NOBODY

HERE = os.path.dirname(os.path.abspath(__file__))
WINDOW = (1280, 720)
# Tavrel's borderless window keeps a thin sizing frame around its video area
# (kSizingBorder in src/mainwindow/ttavrelplayer.h). The stored window rectangle
# is made that much larger so that its video area is the 1280x720 the other
# players' windows show: the same picture size, the same scaling work.
TAVREL_SIZING_FRAME = 5
TAVREL_WINDOW = (WINDOW[0] + 2 * TAVREL_SIZING_FRAME, WINDOW[1] + 2 * TAVREL_SIZING_FRAME)

# GStreamer players log their bus traffic (a few lines per second) so that the
# QoS messages, which carry the dropped-frame totals, can be read afterwards.
GST_QOS_LOG = {"GST_DEBUG": "GST_BUS:5", "GST_DEBUG_NO_COLOR": "1"}


@dataclass
class Player:
    name: str
    playback: Callable[[str], list]      # clip -> argv, plays to the end and exits
    fullscreen: Callable[[str], list] | None  # the same in full screen; None: cannot
    startup: Callable[[str], list]       # one-frame clip -> argv
    drops: Callable[[str], int | None]   # stdout + logs -> frames dropped (None: not reported)
    env: dict
    uid: int | None = None               # run as this user (VLC refuses root)
    gst_log: bool = False
    note: str = ""
    quit: Callable[[int, dict], None] = None  # (pid, env): ask the player to stop
    quit_after_first_frame: bool = False
    failure_marks: tuple = ()             # lines in its logs that mean it did not play the clip

    def argv(self, mode):
        """clip -> argv for a playback mode ("window" or "full screen"); None: cannot."""
        return self.fullscreen if mode == "full screen" else self.playback

    def __post_init__(self):
        if self.quit is None:
            self.quit = lambda pid, env: terminate(pid)


def tavrel_player(binary):
    def quit_command(pid, env):
        # The player's own exit command, through the same private runtime folder.
        try:
            asked = subprocess.run([binary, "--command", "exit"], env=env, timeout=5,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if asked.returncode == 0:
                return
        except subprocess.TimeoutExpired:
            pass
        terminate(pid)

    return Player(
        name="tavrel",
        # -ZOOM=0: the picture fitted to the video area, whatever zoom the window starts with.
        playback=lambda clip: [binary, clip, "-EEND", "-ZOOM=0"],
        fullscreen=lambda clip: [binary, clip, "-EEND", "-ZOOM=0", "-FS"],
        # Not with -EEND: on the one-frame clip the player may reach the end and
        # quit before it has painted (and reported) the frame. It is asked to
        # quit as soon as it reports the first frame instead.
        startup=lambda clip: [binary, clip, "-ZOOM=0", "--report-first-frame"],
        quit_after_first_frame=True,
        drops=drops.from_gst_bus_log,
        env=dict(GST_QOS_LOG, QT_QPA_PLATFORM="xcb"),
        gst_log=True,
        note=f"stored RestSize {TAVREL_WINDOW[0]}x{TAVREL_WINDOW[1]}: a 1280x720 video area "
             f"inside its {TAVREL_SIZING_FRAME}-px sizing frame; audio to the default sink "
             "(a fake sink with clock sync on a machine without sound)",
        quit=quit_command)


@functools.lru_cache(maxsize=None)
def clip_width(clip):
    """The clip's picture width as ffprobe reads it; None when it cannot."""
    try:
        out = subprocess.run(["ffprobe", "-v", "error", "-select_streams", "v:0",
                              "-show_entries", "stream=width", "-of", "csv=p=0", clip],
                             capture_output=True, text=True, timeout=30, check=True)
        return int(out.stdout.strip())
    except (OSError, ValueError, subprocess.SubprocessError):
        return None


def vlc_window_zoom(clip):
    """VLC's xcb output opens its window at the clip's own size whatever
    --width says: a 1080p clip came out 1920x1080, the screen showed its top
    left, and VLC scaled nothing. The zoom that makes the window 1280x720
    gives it the same picture, and the same scaling work, as the others."""
    width = clip_width(clip)
    return [f"--zoom={WINDOW[0] / width:.6f}"] if width else []


def reference_players():
    mpv_common = ["mpv", "--no-config", "--vo=x11", "--ao=null",
                  f"--geometry={WINDOW[0]}x{WINDOW[1]}", "--really-quiet",
                  f"--script={os.path.join(HERE, 'drop-report.lua')}"]
    vlc_common = ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups",
                  "cvlc", "-v", "--play-and-exit", "--avcodec-hw=none", "--vout=xcb_x11",
                  "--aout=adummy", f"--width={WINDOW[0]}", f"--height={WINDOW[1]}",
                  "--no-video-title-show"]
    gst_common = ["gst-play-1.0", "-q", "--videosink=ximagesink",
                  "--audiosink=fakesink sync=true"]
    return [
        Player(name="vlc", playback=lambda clip: vlc_common + vlc_window_zoom(clip) + [clip],
               fullscreen=lambda clip: vlc_common + ["--fullscreen", clip],
               startup=lambda clip: vlc_common + [clip],
               drops=drops.from_vlc_log, env={}, uid=NOBODY,
               failure_marks=("Your input can't be opened", "VLC is unable to open"),
               note="cvlc, xcb_x11 output, software decoding, dummy audio, run as nobody; "
                    "in the window zoomed to fit 1280x720 (its window otherwise takes "
                    "the clip's size)"),
        Player(name="gst-play", playback=lambda clip: gst_common + [clip], fullscreen=None,
               startup=lambda clip: gst_common + [clip],
               drops=drops.from_gst_bus_log, env=dict(GST_QOS_LOG), gst_log=True,
               note="playbin -> ximagesink; no window size option (window = clip size)"),
        Player(name="mpv", playback=lambda clip: mpv_common + [clip],
               fullscreen=lambda clip: mpv_common + ["--fs", clip],
               # A one-frame file is shown as a still image for 1 s unless told otherwise.
               startup=lambda clip: mpv_common + ["--image-display-duration=0", clip],
               drops=drops.from_mpv_script, env={},
               note="--vo=x11 --ao=null, no user config"),
    ]


def reported_failure(player, logs):
    """The first of the player's failure lines found in its logs, or None."""
    for line in logs.splitlines():
        if any(mark in line for mark in player.failure_marks):
            return line.strip()[:300]
    return None


def terminate(pid):
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        pass


# The decode-only floors: GStreamer's decoder as the players built on it run it,
# and FFmpeg's own command line (both decode the video with libavcodec).
DECODE_FLOORS = {
    "gst": lambda clip: ["gst-launch-1.0", "-q", "filesrc", f"location={clip}", "!", "decodebin",
                         "!", "fakesink", "sync=false"],
    "ffmpeg": lambda clip: ["ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-i", clip,
                            "-f", "null", "-"],
}
