"""Interleaved benchmark of Tavrel against reference players.

    python3 bench/harness/main.py --tavrel BIN --media DIR --out FILE [options]

Players run one at a time, in a different order each round (A B C D, B C D A,
...), so that the machine's slow phases fall on every player alike; every
figure is also read against the decode-only cost measured in the same round.
"""
import argparse
import datetime
import os
import shutil
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import players as player_table  # noqa: E402
import report  # noqa: E402
from process import process_cpu_s, run_measured  # noqa: E402
from sandbox import RunFolders, make_shared_home  # noqa: E402
from stats import median  # noqa: E402
from xserver import XServer  # noqa: E402

CLIP_SECONDS = 20
# The two ways every playback clip is shown: a 1280x720 window on a large
# screen without a window manager, and full screen on a 1280x720 screen.
WINDOW, FULL_SCREEN = "window", "full screen"
MODES = (WINDOW, FULL_SCREEN)
MARGIN_S = 10   # start-up and teardown beyond the clip's length
STARTUP_TIMEOUT_S = 8


def log(text):
    print(text, file=sys.stderr, flush=True)


class Bench:
    def __init__(self, args, screens, home):
        self.args = args
        self.screens = screens  # mode -> XServer
        self.home = home
        self.players = [player_table.tavrel_player(args.tavrel)] + [
            p for p in player_table.reference_players() if p.name in args.references]
        self.all_runs = []
        self.startup_clip = {p.name: args.one_frame for p in self.players}
        self.notes = []

    def rotated(self, round_index):
        shift = round_index % len(self.players)
        return self.players[shift:] + self.players[:shift]

    def run_player(self, player, argv, case, round_index, timeout_s, mode=WINDOW):
        xserver = self.screens[mode]
        with RunFolders(self.home, owner_uid=player.uid) as folders:
            env = folders.env(os.environ)
            env.update(player.env, DISPLAY=xserver.display)
            if player.name == report.OURS:
                folders.write_tavrel_settings(*player_table.TAVREL_WINDOW)
            gst_log = os.path.join(folders.root, "gst.log")
            if player.gst_log:
                env["GST_DEBUG_FILE"] = gst_log
            x_before = process_cpu_s(xserver.proc.pid)
            result = run_measured(argv, env, os.path.join(folders.root, "stderr.log"), timeout_s,
                                  markers=("first-frame-ms",),
                                  on_timeout=lambda pid: player.quit(pid, env),
                                  on_mark=(lambda _, pid: player.quit(pid, env))
                                  if player.quit_after_first_frame else None)
            x_after = process_cpu_s(xserver.proc.pid)
            logs = result.stdout + read_text(result.stderr_path) + read_text(gst_log)
            run = self.judge(player, case, round_index, result, logs, x_after - x_before)
            if not run["ok"]:
                self.keep_logs(run, [result.stderr_path, gst_log])
        log(f"  {case:26} r{round_index + 1} {player.name:9} wall {result.wall_s:6.2f} s  "
            f"cpu {result.cpu_s:5.2f} + X {run['xserver_cpu_s']:5.2f} s  rss {result.peak_rss_mb:5.0f} MB "
            f"(anon {result.anon_mb:4.0f} file {result.file_mb:4.0f})  "
            f"dropped {run['dropped']}  {'' if run['ok'] else 'FAILED: ' + run['problem']}")
        return run

    def judge(self, player, case, round_index, result, logs, xserver_cpu_s):
        # A player that hands its scaling or conversion to the X server must not
        # look cheaper for it: what the server spent meanwhile is part of its cost.
        run = dict(case=case, round=round_index + 1, player=player.name, wall_s=result.wall_s,
                   cpu_s=result.cpu_s + xserver_cpu_s, own_cpu_s=result.cpu_s,
                   peak_rss_mb=result.peak_rss_mb, anon_mb=result.anon_mb, file_mb=result.file_mb,
                   xserver_cpu_s=xserver_cpu_s, dropped=player.drops(logs), ok=True)
        if "first-frame-ms" in result.marks:
            run["first_frame_s"] = result.marks["first-frame-ms"]
            run["first_frame_self_ms"] = first_frame_ms(result.stdout)
        if result.timed_out:
            shown = run.get("first_frame_s")
            run.update(ok=False, problem="did not exit by itself; stopped" + (
                f" (first frame reported at {shown:.2f} s)" if shown is not None else ""))
        elif result.exit_code != 0:
            run.update(ok=False, problem=f"exit code {result.exit_code}: {tail(logs)}")
        elif failure := player_table.reported_failure(player, logs):
            # VLC, for one, exits with 0 after a file it could not open.
            run.update(ok=False, problem=f"the player reported: {failure}")
        elif case.startswith("playback") and result.wall_s < CLIP_SECONDS * 0.9:
            run.update(ok=False, problem=f"ended after {result.wall_s:.1f} s of a "
                       f"{CLIP_SECONDS} s clip: {tail(logs)}")
        elif player.quit_after_first_frame and case == "start-up" and "first_frame_s" not in run:
            run.update(ok=False, problem="exited without a first-frame-ms line")
        self.all_runs.append(run)
        return run

    def keep_logs(self, run, paths):
        folder = os.path.join(os.path.dirname(os.path.abspath(self.args.out)), "logs")
        os.makedirs(folder, exist_ok=True)
        stem = f"{run['case'].replace(' ', '-')}-r{run['round']}-{run['player']}"
        for path in paths:
            if os.path.exists(path):
                shutil.copy(path, os.path.join(folder, f"{stem}-{os.path.basename(path)}"))
        run["problem"] += f" (logs: {folder}/{stem}-*)"

    def warm_up(self):
        log("warm-up (not counted): one start of every player")
        for player in self.players:
            run = self.run_player(player, player.startup(self.args.one_frame), "warm-up", 0,
                                  STARTUP_TIMEOUT_S)
            if player.quit_after_first_frame and "first_frame_s" not in run:
                # The first start in a new home builds GStreamer's plug-in registry,
                # which may outlast the start-up time-out: one more try before the
                # fallback.
                run = self.run_player(player, player.startup(self.args.one_frame), "warm-up", 0,
                                      STARTUP_TIMEOUT_S)
            if player.quit_after_first_frame and "first_frame_s" not in run:
                # A player that never shows the lone frame is timed on the first frame
                # of the 1080p film instead: the same picture, plus a sound track to set up.
                fallback = os.path.join(self.args.media, "playback-1080p.mp4")
                self.startup_clip[player.name] = fallback
                self.notes.append(
                    f"{player.name} did not report a first frame on the one-frame clip; its "
                    f"start-up figure is the first frame of {os.path.basename(fallback)} (the "
                    "same first picture, with a sound track to open as well).")
                self.run_player(player, player.startup(fallback), "warm-up", 0,
                                STARTUP_TIMEOUT_S)
        # Only a warm-up that failed is worth reporting.
        self.all_runs = [run for run in self.all_runs if not run["ok"]]

    def startup(self):
        results = {p.name: [] for p in self.players}
        for r in range(self.args.startup_rounds):
            for player in self.rotated(r):
                results[player.name].append(
                    self.run_player(player, player.startup(self.startup_clip[player.name]),
                                    "start-up", r, STARTUP_TIMEOUT_S))
        return results

    def decode_only(self, floor, clip, case, r):
        with RunFolders(self.home) as folders:
            result = run_measured(player_table.DECODE_FLOORS[floor](clip),
                                  folders.env(os.environ),
                                  os.path.join(folders.root, "stderr.log"), 120)
        log(f"  {case:26} r{r + 1} {floor:9} cpu {result.cpu_s:5.2f} s (decode only)")
        return result.cpu_s if result.exit_code == 0 else None

    def playback(self, deadline):
        """{(clip, mode): {player: [run per round]}} and {clip: {floor: [CPU-s per round]}}."""
        clips = {name: os.path.join(self.args.media, f"playback-{name}.mp4")
                 for name in self.args.clips}
        results = {(name, mode): {p.name: [] for p in self.players if p.argv(mode)}
                   for name in clips for mode in MODES}
        floors = {name: {floor: [] for floor in player_table.DECODE_FLOORS} for name in clips}
        longest_round = 0.0
        for r in range(self.args.rounds):
            if r >= self.args.min_rounds and time.time() + longest_round > deadline:
                log(f"time budget reached: stopping after {r} playback rounds")
                break
            began = time.time()
            for name, clip in clips.items():
                for floor, figures in floors[name].items():
                    figures.append(self.decode_only(floor, clip, f"playback {name}", r))
                for mode in MODES:
                    per_player = results[(name, mode)]
                    for player in self.rotated(r):
                        if player.name in per_player:
                            per_player[player.name].append(self.run_player(
                                player, player.argv(mode)(clip), f"playback {name} {mode}", r,
                                CLIP_SECONDS + MARGIN_S, mode))
            longest_round = max(longest_round, time.time() - began)
        return results, floors


def read_text(path):
    try:
        with open(path, "rb") as f:
            return f.read().decode("utf-8", "replace")
    except OSError:
        return ""


def tail(text, lines=2):
    return " / ".join(text.strip().splitlines()[-lines:])[:300]


def first_frame_ms(stdout):
    for line in stdout.splitlines():
        if line.startswith("first-frame-ms "):
            try:
                return float(line.split()[1])
            except (IndexError, ValueError):
                return None
    return None


def run_playlist_bench(command):
    if not command or not os.access(command, os.X_OK):
        return ["## Playlist (100,000 entries)", "", "bench/playlist/run is not there: skipped."]
    log("playlist benchmark: " + command)
    done = subprocess.run([command, "100000", "3"], capture_output=True, text=True, timeout=600)
    body = done.stdout.rstrip() or "(no output)"
    if done.returncode != 0:
        body += (f"\nbench/playlist/run failed with exit code {done.returncode} "
                 f"(it hides its build's output; run it by hand to see why). {tail(done.stderr, 5)}")
    return ["## Playlist (100,000 entries, best of 3, against reading the list and testing "
            "each path's existence)", "", "```", body, "```"]


def stop_on_sigterm(*_):
    raise KeyboardInterrupt


def main():
    # A stopped run still takes its X server and the player it ran down with it.
    signal.signal(signal.SIGTERM, stop_on_sigterm)
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--tavrel", required=True)
    parser.add_argument("--media", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--rounds", type=int, default=5, help="playback rounds (at most)")
    parser.add_argument("--min-rounds", type=int, default=3,
                        help="playback rounds run whatever the time budget")
    parser.add_argument("--startup-rounds", type=int, default=5)
    parser.add_argument("--deadline", type=float, default=0,
                        help="epoch seconds after which no new playback round starts")
    parser.add_argument("--clips", default="1080p,1080p-grain")
    parser.add_argument("--references", default="vlc,gst-play,mpv")
    parser.add_argument("--playlist", default="", help="playlist benchmark command")
    args = parser.parse_args()
    # Players may change their working folder: every path they get is absolute.
    args.tavrel, args.media = os.path.abspath(args.tavrel), os.path.abspath(args.media)
    args.clips = [c for c in args.clips.split(",") if c]
    args.references = [r for r in args.references.split(",") if r]
    args.one_frame = os.path.join(args.media, "one-frame-1080p.mp4")
    deadline = args.deadline or float("inf")

    home = make_shared_home()
    try:
        return measure_and_report(args, home, deadline)
    finally:
        shutil.rmtree(home, ignore_errors=True)


def measure_and_report(args, home, deadline):
    with XServer() as window_screen, XServer(*player_table.WINDOW, window_manager=True) as full:
        bench = Bench(args, {WINDOW: window_screen, FULL_SCREEN: full}, home)
        names = [p.name for p in bench.players]
        bench.warm_up()
        log("start-up rounds")
        startup = bench.startup() if args.startup_rounds else {}
        playlist = run_playlist_bench(args.playlist)
        log("playback rounds")
        playback, floors = bench.playback(deadline)

    refs = [n for n in names if n != report.OURS]
    rounds = len(next(iter(floors.values()))["gst"]) if floors else 0
    lines = [f"# Tavrel benchmarks, {datetime.datetime.now():%Y-%m-%d %H:%M}", "",
             f"{os.cpu_count()} CPUs, load average {os.getloadavg()[0]:.1f} at the end; "
             f"{args.startup_rounds} start-up rounds, {rounds} playback rounds, players "
             f"interleaved round by round. Medians; ratios are Tavrel / player, taken "
             f"within each round.", ""]
    lines += [f"- {p.name}: {p.note}" for p in bench.players] + [""]
    lines += [f"Note: {note}" for note in bench.notes] + ([""] if bench.notes else [])
    if startup:
        lines += report.startup_section(startup, names) + [""]
    for (clip, mode), results in playback.items():
        lines += report.playback_section(clip, mode, results, floors[clip], names) + [""]
    lines += report.targets_section(startup, playback, floors, refs) + [""]
    lines += playlist + [""] + report.failures_section(bench.all_runs)
    text = "\n".join(lines) + "\n"
    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    with open(args.out, "w") as out:
        out.write(text)
    print(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
