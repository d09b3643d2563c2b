"""Turns the collected runs into the markdown tables printed and saved."""
from stats import best_reference, median, per_round_multiples, per_round_ratios

OURS = "tavrel"


def fmt(value, digits=2, suffix=""):
    return "—" if value is None else f"{value:.{digits}f}{suffix}"


def fmt_list(values, digits=2):
    return " ".join(fmt(v, digits) for v in values) if values else "—"


# Figures that stay true when the run failed later (a player that showed its first
# frame and then did not exit still showed it at that moment).
KEPT_FROM_FAILED_RUNS = {"first_frame_s", "first_frame_self_ms"}


def column(runs, key):
    return [run.get(key) if run and (run.get("ok") or key in KEPT_FROM_FAILED_RUNS) else None
            for run in runs]


def startup_section(results, players):
    lines = ["## Start-up (one-frame 1080p clip)", "",
             "Every player plays the one-frame clip to its end and exits; `to exit` is "
             "process spawn -> process gone, the like-with-like figure for all players "
             "(Tavrel runs with `-EEND`). Tavrel's `first frame` is spawn -> its "
             "`first-frame-ms` line read on stdout (the moment its first frame was painted); "
             "`self` is the figure it printed (measured from its own `main`, so without "
             "process creation and library loading).", "",
             "| player | to exit, median s | Tavrel/player (to exit) per round | median ratio "
             "| Tavrel first frame / player to exit, median |",
             "| --- | --- | --- | --- | --- |"]
    ours = column(results.get(OURS, []), "wall_s")
    ours_first = column(results.get(OURS, []), "first_frame_s")
    for name in players:
        wall = column(results.get(name, []), "wall_s")
        ratios = per_round_ratios(ours, wall)
        first_ratio = median(per_round_ratios(ours_first, wall)) if name != OURS else None
        lines.append(f"| {name} | {fmt(median(wall), 3)} | {fmt_list(ratios)} | "
                     f"{fmt(median(ratios))} | {fmt(first_ratio)} |")
    self_ms = column(results.get(OURS, []), "first_frame_self_ms")
    lines += ["", f"Tavrel first frame: median {fmt(median(ours_first), 3)} s after spawn "
              f"(per round {fmt_list(ours_first, 3)}); self-reported median "
              f"{fmt(median(self_ms), 0)} ms."]
    return lines


def playback_section(clip, results, decode, players):
    lines = [f"## Playback {clip} (20 s, 1280x720 window, null audio)", "",
             f"Decode-only floor (`gst-launch-1.0 filesrc ! decodebin ! fakesink sync=false`): "
             f"median {fmt(median(decode))} CPU-s, per round {fmt_list(decode)}.", "",
             "| player | CPU-s median | x decode | Tavrel/player CPU per round | median "
             "| peak RSS MB | Tavrel/player RSS | dropped | X server CPU-s | wall s |",
             "| --- | --- | --- | --- | --- | --- | --- | --- | --- | --- |"]
    ours_cpu = column(results.get(OURS, []), "cpu_s")
    ours_rss = column(results.get(OURS, []), "peak_rss_mb")
    for name in players:
        runs = results.get(name, [])
        cpu, rss = column(runs, "cpu_s"), column(runs, "peak_rss_mb")
        cpu_ratios = per_round_ratios(ours_cpu, cpu)
        rss_ratios = per_round_ratios(ours_rss, rss)
        multiples = per_round_multiples(cpu, decode)
        lines.append(
            f"| {name} | {fmt(median(cpu))} | {fmt(median(multiples))} | {fmt_list(cpu_ratios)} "
            f"| {fmt(median(cpu_ratios))} | {fmt(median(rss), 0)} | {fmt(median(rss_ratios))} "
            f"| {fmt(median(column(runs, 'dropped')), 0)} | {fmt(median(column(runs, 'xserver_cpu_s')))} "
            f"| {fmt(median(column(runs, 'wall_s')), 1)} |")
    return lines


def targets_section(startup, playback, references):
    """The targets as ratios against the named or the best reference of each column."""
    lines = ["## Targets", "", "| target | reference | Tavrel/reference (median of rounds) | met |",
             "| --- | --- | --- | --- |"]

    def row(label, ours, theirs, ref_name, limit=1.0):
        ratio = median(per_round_ratios(ours, theirs))
        met = "—" if ratio is None else ("yes" if ratio <= limit else "NO")
        lines.append(f"| {label} | {ref_name} | {fmt(ratio)} | {met} |")

    for clip, (results, _) in playback.items():
        row(f"playback CPU {clip} <= 1.0x", column(results.get(OURS, []), "cpu_s"),
            column(results.get("vlc", []), "cpu_s"), "vlc")
        row(f"peak RSS {clip} <= 1.0x", column(results.get(OURS, []), "peak_rss_mb"),
            column(results.get("mpv", []), "peak_rss_mb"), "mpv")
        for key, label in (("cpu_s", "CPU"), ("peak_rss_mb", "RSS")):
            meds = {n: median(column(results.get(n, []), key)) for n in references}
            best, _ = best_reference(meds)
            if best:
                row(f"{label} {clip} vs best reference", column(results.get(OURS, []), key),
                    column(results.get(best, []), key), best)
    if startup:
        meds = {n: median(column(startup.get(n, []), "wall_s")) for n in references}
        best, _ = best_reference(meds)
        if best:
            row("start-up to exit vs fastest", column(startup.get(OURS, []), "wall_s"),
                column(startup.get(best, []), "wall_s"), best)
            row("first frame vs fastest's exit", column(startup.get(OURS, []), "first_frame_s"),
                column(startup.get(best, []), "wall_s"), best)
    return lines


def failures_section(all_runs):
    bad = [f"- {run['case']} round {run['round']} {run['player']}: {run['problem']}"
           for run in all_runs if not run.get("ok")]
    return ["## Runs left out", ""] + (bad or ["None."])
