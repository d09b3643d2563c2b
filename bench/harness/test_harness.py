"""Checks of the benchmark's own parsing and encoding:
    python3 -B -m unittest discover -s bench/harness"""
import struct
import unittest

import drops
import main
import players
import process
import report
import sandbox
import stats


def unescape_qsettings(text):
    """What QSettings reads back from the value text: `\\xHH` escapes, others literal."""
    assert text.startswith("@ByteArray(") and text.endswith(")")
    body, out, i = text[len("@ByteArray("):-1], bytearray(), 0
    while i < len(body):
        if body.startswith("\\x", i):
            j = i + 2
            while j < len(body) and body[j] in "0123456789abcdefABCDEF":
                j += 1
            out.append(int(body[i + 2:j], 16))
            i = j
        else:
            out.append(ord(body[i]))
            i += 1
    return bytes(out)


class RestSizeEncoding(unittest.TestCase):
    def test_rectangles_round_trip(self):
        for rect in [(0, 0, 1280, 720), (-5, 300, 0x1234AB, 10), (0x7FFFFFFF, -1, 0, 1),
                     (10, 11, 12, 13)]:
            with self.subTest(rect=rect):
                value = sandbox.rest_size_value(*rect)
                self.assertEqual(struct.unpack("<4i", unescape_qsettings(value)), rect)

    def test_digits_after_an_escape_cannot_merge_into_it(self):
        # 0x01 followed by 0x02: "\x1\x2", never "\x12".
        self.assertEqual(sandbox.qsettings_bytearray(b"\x01\x02"), "@ByteArray(\\x1\\x2)")


class DroppedFrames(unittest.TestCase):
    QOS = ("0:00:01.0 DEBUG GST_BUS gstbus.c:338:gst_bus_post:<bus1> [msg 0x1] posting on bus "
           "qos message: 0x1, element '{element}', GstMessageQOS, live=(boolean)false, "
           "format=(GstFormat)buffers, processed=(guint64)300, dropped=(guint64){dropped};\n")

    def test_gst_totals_take_each_elements_last_figure_and_add_elements(self):
        log = "".join(self.QOS.format(element=e, dropped=d) for e, d in
                      [("avdec_h264-0", 3), ("avdec_h264-0", 7), ("appsink0", 2),
                       ("appsink0", 5)])
        # The dispatch lines repeat the message; they must not count twice.
        log += log.replace("posting on bus", "calling dispatch with")
        self.assertEqual(drops.from_gst_bus_log(log), 12)

    def test_gst_log_without_qos_means_none_dropped(self):
        self.assertEqual(drops.from_gst_bus_log("state-changed message ...\n"), 0)

    def test_mpv_report(self):
        for text, expected in [("bench-dropped 4 3\n", 7), ("x\nbench-dropped 0 -1\n", 0),
                               ("bench-dropped -1 -1\n", None), ("", None)]:
            with self.subTest(text=text):
                self.assertEqual(drops.from_mpv_script(text), expected)

    def test_vlc_counts_each_late_picture(self):
        log = ("[01] main vout display warning: picture is too late to be displayed (missing 5 ms)\n"
               "[02] main video output warning: picture is too late to be displayed\n"
               "[03] avcodec decoder warning: More than 11 late video frames, dropping frame\n"
               "[04] main vout display warning: VoutDisplayEvent 'pictures invalid'\n")
        self.assertEqual(drops.from_vlc_log(log), 3)


class ReportedFailures(unittest.TestCase):
    def test_a_clip_vlc_could_not_open_is_a_failed_run(self):
        vlc = next(p for p in players.reference_players() if p.name == "vlc")
        for log, expected in [
            ("[01] filesystem stream error: cannot open file /root/x.mp4 (Permission denied)\n"
             "[02] main input error: Your input can't be opened\n",
             "[02] main input error: Your input can't be opened"),
            ("[01] main input error: VLC is unable to open the MRL 'file:///x.mp4'.\n",
             "[01] main input error: VLC is unable to open the MRL 'file:///x.mp4'."),
            ("[01] main playlist: end of playlist, exiting\n", None),
            ("", None),
        ]:
            with self.subTest(log=log):
                self.assertEqual(players.reported_failure(vlc, log), expected)

    def test_players_without_failure_lines_never_match(self):
        mpv = next(p for p in players.reference_players() if p.name == "mpv")
        self.assertIsNone(players.reported_failure(mpv, "Your input can't be opened\n"))


class Ratios(unittest.TestCase):
    def test_ratios_pair_rounds_and_skip_missing_figures(self):
        self.assertEqual(stats.per_round_ratios([2.0, None, 3.0, 4.0], [1.0, 1.0, 0.0, 2.0]),
                         [2.0, None, None, 2.0])

    def test_median_ignores_failed_runs(self):
        self.assertEqual(stats.median([None, 3.0, 1.0, 2.0]), 2.0)
        self.assertIsNone(stats.median([None]))

    def test_best_reference_is_the_lowest_known_median(self):
        self.assertEqual(stats.best_reference({"vlc": 3.0, "mpv": None, "gst": 2.5}), ("gst", 2.5))
        self.assertEqual(stats.best_reference({"vlc": None}), (None, None))


class Targets(unittest.TestCase):
    @staticmethod
    def runs(player, figures):
        return [dict(player=player, ok=True, cpu_s=cpu, peak_rss_mb=rss) for cpu, rss in figures]

    def test_each_target_row_is_judged_against_its_own_limit(self):
        playback = {("1080p", "full screen"): {
            "tavrel": self.runs("tavrel", [(6.0, 100), (6.5, 100), (7.0, 100)]),
            "vlc": self.runs("vlc", [(6.0, 90), (6.0, 90), (6.0, 90)]),
            "mpv": self.runs("mpv", [(8.0, 110), (8.0, 110), (8.0, 110)])}}
        floors = {"1080p": {"ffmpeg": [5.0, 5.0, 5.0], "gst": [5.0, 5.0, 5.0]}}
        rows = {line.split(" | ")[0].lstrip("| "): line
                for line in report.targets_section({}, playback, floors, ["vlc", "mpv"])}
        for label, ratio, met in [("playback CPU 1080p full screen <= 1.0x", "1.08", "NO"),
                                  ("playback CPU 1080p full screen <= 1.25x", "1.30", "NO"),
                                  ("peak RSS 1080p full screen <= 1.0x", "0.91", "yes")]:
            with self.subTest(label=label):
                self.assertIn(f"| {ratio} | {met} |", rows[label])

    def test_a_run_costs_what_the_x_server_spent_during_it(self):
        bench = main.Bench.__new__(main.Bench)
        bench.all_runs = []
        player = players.reference_players()[0]
        result = process.RunResult(wall_s=20.5, cpu_s=4.0, peak_rss_mb=80.0, exit_code=0)
        run = bench.judge(player, "playback 1080p window", 0, result, "", xserver_cpu_s=1.5)
        self.assertEqual((run["cpu_s"], run["own_cpu_s"], run["ok"]), (5.5, 4.0, True))

    def test_a_player_without_full_screen_is_left_out_of_it(self):
        gst = next(p for p in players.reference_players() if p.name == "gst-play")
        self.assertIsNone(gst.argv("full screen"))
        for p in players.reference_players() + [players.tavrel_player("/bin/tavrel")]:
            if p.name != "gst-play":
                with self.subTest(player=p.name):
                    self.assertNotEqual(p.argv("full screen")("c.mp4"), p.argv("window")("c.mp4"))


if __name__ == "__main__":
    unittest.main()


class MemorySplit(unittest.TestCase):
    def test_a_child_started_through_a_wrapper_is_the_one_measured(self):
        # A wrapper shell that keeps a 64 MB anonymous buffer alive in its child.
        script = "import time; b = bytearray(64 << 20); b[::4096] = b'x' * len(b[::4096]); time.sleep(1.2)"
        result = process.run_measured(["sh", "-c", f'python3 -c "{script}"; true'], None,
                                      "/dev/null", 10)
        self.assertGreater(result.anon_mb, 60)
        self.assertLess(result.anon_mb + result.file_mb, result.sampled_rss_mb + 0.01)
