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
             "Reference players play the one-frame clip to its end and exit; their figure is "
             "process spawn -> process gone, an upper bound of their time to the first frame "
             "(it also holds the frame's 33 ms and their teardown). Tavrel's figure is spawn -> "
             "its `first-frame-ms` line read on stdout, written once its first frame was "
             "painted; it is then told to quit. `self` is the figure Tavrel printed, counted "
             "from its own `main` (without process creation and library loading).", "",
             "| player | first frame or exit, median s | CPU-s median | Tavrel/player per round "
             "| median ratio |",
             "| --- | --- | --- | --- | --- |"]
    ours = column(results.get(OURS, []), "first_frame_s")
    for name in players:
        runs = results.get(name, [])
        figure = ours if name == OURS else column(runs, "wall_s")
        ratios = per_round_ratios(ours, figure)
        lines.append(f"| {name} | {fmt(median(figure), 3)} | {fmt(median(column(runs, 'cpu_s')))} "
                     f"| {fmt_list(ratios)} | {fmt(median(ratios))} |")
    self_ms = column(results.get(OURS, []), "first_frame_self_ms")
    lines += ["", f"Tavrel first frame per round: {fmt_list(ours, 3)} s; self-reported median "
              f"{fmt(median(self_ms), 0)} ms."]
    return lines


def playback_section(clip, mode, results, floors, players):
    """One clip in one mode. CPU figures are the player's user + sys plus what the X
    server spent during the run; multiples are of FFmpeg's decode-only floor."""
    screen = ("full screen on a 1280x720 screen" if mode == "full screen"
              else "1280x720 window")
    lines = [f"## Playback {clip}, {mode} (20 s, {screen}, null audio)", "",
             f"Decode-only floors: `ffmpeg -i clip -f null -` median "
             f"{fmt(median(floors['ffmpeg']))} CPU-s (per round {fmt_list(floors['ffmpeg'])}); "
             f"`gst-launch-1.0 filesrc ! decodebin ! fakesink sync=false` median "
             f"{fmt(median(floors['gst']))} (per round {fmt_list(floors['gst'])}). CPU-s = the "
             f"player's user + sys + the X server's meanwhile.", "",
             "| player | CPU-s median | x ffmpeg floor | Tavrel/player CPU per round | median "
             "| peak RSS MB | Tavrel/player RSS | anon / file MB at peak | dropped | own CPU-s "
             "| X server CPU-s | wall s |",
             "| --- | --- | --- | --- | --- | --- | --- | --- | --- | --- | --- | --- |"]
    ours_cpu = column(results.get(OURS, []), "cpu_s")
    ours_rss = column(results.get(OURS, []), "peak_rss_mb")
    for name in players:
        if name not in results:
            continue
        runs = results[name]
        cpu, rss = column(runs, "cpu_s"), column(runs, "peak_rss_mb")
        cpu_ratios = per_round_ratios(ours_cpu, cpu)
        rss_ratios = per_round_ratios(ours_rss, rss)
        multiples = per_round_multiples(cpu, floors["ffmpeg"])
        lines.append(
            f"| {name} | {fmt(median(cpu))} | {fmt(median(multiples))} | {fmt_list(cpu_ratios)} "
            f"| {fmt(median(cpu_ratios))} | {fmt(median(rss), 0)} | {fmt(median(rss_ratios))} "
            f"| {fmt(median(column(runs, 'anon_mb')), 0)} / {fmt(median(column(runs, 'file_mb')), 0)} "
            f"| {fmt(median(column(runs, 'dropped')), 0)} "
            f"| {fmt(median(column(runs, 'own_cpu_s')))} "
            f"| {fmt(median(column(runs, 'xserver_cpu_s')))} "
            f"| {fmt(median(column(runs, 'wall_s')), 1)} |")
    return lines


def targets_section(startup, playback, floors, references):
    """The targets as ratios against the named or the best reference of each column."""
    lines = ["## Targets", "", "| target | reference | Tavrel/reference (median of rounds) | met |",
             "| --- | --- | --- | --- |"]

    def row(label, ours, theirs, ref_name, limit=1.0):
        ratio = median(per_round_ratios(ours, theirs))
        met = "—" if ratio is None else ("yes" if ratio <= limit else "NO")
        lines.append(f"| {label} | {ref_name} | {fmt(ratio)} | {met} |")

    for (clip, mode), results in playback.items():
        ours_cpu = column(results.get(OURS, []), "cpu_s")
        row(f"playback CPU {clip} {mode} <= 1.0x", ours_cpu,
            column(results.get("vlc", []), "cpu_s"), "vlc")
        row(f"playback CPU {clip} {mode} <= 1.25x", ours_cpu, floors[clip]["ffmpeg"],
            "ffmpeg decode floor", limit=1.25)
        row(f"peak RSS {clip} {mode} <= 1.0x", column(results.get(OURS, []), "peak_rss_mb"),
            column(results.get("mpv", []), "peak_rss_mb"), "mpv")
        for key, label in (("cpu_s", "CPU"), ("peak_rss_mb", "RSS")):
            meds = {n: median(column(results.get(n, []), key)) for n in references
                    if n in results}
            best, _ = best_reference(meds)
            if best:
                row(f"{label} {clip} {mode} vs best reference",
                    column(results.get(OURS, []), key), column(results.get(best, []), key), best)
    if startup:
        meds = {n: median(column(startup.get(n, []), "wall_s")) for n in references}
        best, _ = best_reference(meds)
        if best:
            row("first frame vs the fastest reference", column(startup.get(OURS, []),
                                                               "first_frame_s"),
                column(startup.get(best, []), "wall_s"), best)
    return lines


def failures_section(all_runs):
    bad = [f"- {run['case']} round {run['round']} {run['player']}: {run['problem']}"
           for run in all_runs if not run.get("ok")]
    return ["## Runs left out", ""] + (bad or ["None."])
