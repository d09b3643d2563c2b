"""Frames a player reports as dropped, read from its own output."""
import re

_GST_QOS = re.compile(r"posting on bus qos message: .*?element '([^']+)'.*?dropped=\(guint64\)(\d+)")
_MPV = re.compile(r"^bench-dropped (-?\d+) (-?\d+)$", re.M)
_VLC = re.compile(r"picture is too late to be displayed|picture might be displayed late"
                  r"|late video frames, dropping frame")


def from_gst_bus_log(text):
    """Sum over elements of the last cumulative `dropped` figure in their QoS messages.

    Each element's QoS messages carry running totals; decoders count frames they
    skipped, sinks count frames that came too late, so the totals add up.
    """
    last = {}
    for element, dropped in _GST_QOS.findall(text):
        last[element] = max(last.get(element, 0), int(dropped))
    return sum(last.values())


def from_mpv_script(text):
    """Output of drop-report.lua: renderer drops plus decoder drops, or None."""
    match = _MPV.search(text)
    if not match:
        return None
    counts = [int(v) for v in match.groups() if int(v) >= 0]
    return sum(counts) if counts else None


def from_vlc_log(text):
    return len(_VLC.findall(text))
