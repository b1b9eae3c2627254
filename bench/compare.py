#!/usr/bin/env python3
"""Morvane against bare Qt programs on the X display in $DISPLAY.

  compare.py startup BUILD RESULTS [--runs N]     time to the window shown, and PSS
  compare.py idle BUILD RESULTS [--seconds S]     CPU time and PSS while idle, side by side
  compare.py table RESULTS [TICK_JSON]            the table; exit 1 when a target is missed

BUILD is the build folder; each measure appends a JSON line to RESULTS.
"""
import argparse
import json
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

SOURCE = Path(__file__).resolve().parent.parent
# Logo off, so the clock window is the first one shown. ASCII only, so CP932 as it is.
ST_KVI = b'0,0,1,"off",12,0,0,0,1\r\n'
MORVANE_TITLE = "Morvane3.1"
WINDOW_TITLE = "MorvaneBareWindow"
TEXT_WINDOW_TITLE = "MorvaneBareTextWindow"
TICKER_TITLE = "MorvaneBareTicker"
TIME_LIMIT, PSS_LIMIT = 1.5, 1.3


def pss_kib(pid):
    for line in Path(f"/proc/{pid}/smaps_rollup").read_text().splitlines():
        if line.startswith("Pss:"):
            return int(line.split()[1])
    raise RuntimeError(f"no Pss for {pid}")


def cpu_seconds(pid):
    """utime + stime of the whole process, all threads. Read from the process's CPU-time
    clock rather than /proc/PID/stat: the same figure in nanoseconds, not 10 ms ticks,
    which matters for a ticker that uses a few milliseconds a second."""
    return time.clock_gettime(((~pid) << 3) | 2)  # clock_getcpuclockid(pid)


def install(executable, with_data):
    """A fresh folder with a copy of the executable (and a Data folder for Morvane):
    Morvane refuses a second copy per Data folder, and every run starts alike."""
    folder = Path(tempfile.mkdtemp(prefix="install-"))
    shutil.copy2(executable, folder)
    if with_data:
        (folder / "Data").mkdir()
        for kvi in (SOURCE / "Data").glob("*.kvi"):
            shutil.copy2(kvi, folder / "Data")
        (folder / "Data" / "St.kvi").write_bytes(ST_KVI)
    return folder


class Interrupted(RuntimeError):
    """A program was killed by someone else (another job on a shared machine)."""


def retried(measure):
    for attempt in range(3):
        try:
            return measure()
        except Interrupted as error:
            print(f"  {error} from outside; again", flush=True)
    raise RuntimeError("killed from outside three times")


class Run:
    """One program started in its install folder, with a watcher for its window's map."""

    def __init__(self, build, executable, title, with_data=False):
        self.executable = Path(executable).name
        self.folder = install(executable, with_data)
        self.watcher = subprocess.Popen([build / "bench" / "map_watcher", title],
                                        stdout=subprocess.PIPE, text=True)
        if self.watcher.stdout.readline().strip() != "ready":
            self.stop()
            raise RuntimeError("map_watcher did not start")
        self.started = time.monotonic()  # the same clock as the watcher's
        try:
            with open(self.folder / "output.log", "wb") as log:
                self.process = subprocess.Popen([self.folder / self.executable],
                                                cwd=self.folder, stdout=log, stderr=log)
        except OSError:
            self.stop()
            raise
        self.pid = self.process.pid

    def check_running(self):
        if self.process.poll() is None:
            return
        message = f"{self.executable} ended ({self.process.returncode})"
        if self.process.returncode in (-signal.SIGTERM, -signal.SIGKILL):
            raise Interrupted(message)
        output = (self.folder / "output.log").read_text(errors="replace")[-2000:]
        raise RuntimeError(f"{message}:\n{output}")

    def shown_after(self):
        """Seconds from the start to the window's first map."""
        try:
            out, _ = self.watcher.communicate(timeout=30)
        except subprocess.TimeoutExpired:
            self.check_running()
            raise RuntimeError(f"{self.executable}: no window within 30 s")
        return float(out) - self.started

    def stop(self):
        for process in (getattr(self, "process", None), self.watcher):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(3)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)


def record(results, what, unit, value, floor, limit):
    with open(results, "a") as out:
        out.write(json.dumps(dict(what=what, unit=unit, value=value, floor=floor,
                                  limit=limit)) + "\n")


def start_once(args, program):
    """Milliseconds to the window shown, and PSS in MiB once it settled."""
    run = Run(args.build, *program)
    try:
        shown = run.shown_after() * 1000
        time.sleep(max(0.0, run.started + args.settle - time.monotonic()))
        run.check_running()
        return shown, pss_kib(run.pid) / 1024
    finally:
        run.stop()


def startup(args):
    programs = {"morvane": (args.build / "morvane", MORVANE_TITLE, True),
                "bare": (args.build / "bench" / "bare_window", WINDOW_TITLE, False),
                # Not a floor: shows how much of the gap is the font system's start.
                "text": (args.build / "bench" / "bare_text_window", TEXT_WINDOW_TITLE, False)}
    times = {name: [] for name in programs}
    pss = {name: [] for name in programs}
    for i in range(args.runs):
        # Alternating order, so that neither always runs on a warmer machine.
        for name in (("morvane", "bare", "text") if i % 2 == 0 else ("text", "bare", "morvane")):
            shown, memory = retried(lambda: start_once(args, programs[name]))
            times[name].append(shown)
            pss[name].append(memory)
            print(f"  run {i + 1} {name:8} shown after {times[name][-1]:7.1f} ms, "
                  f"PSS {pss[name][-1]:6.1f} MiB", flush=True)
    median = {name: (statistics.median(times[name]), statistics.median(pss[name]))
              for name in programs}
    record(args.results, "start-up time", "ms", median["morvane"][0], median["bare"][0],
           TIME_LIMIT)
    record(args.results, f"start-up PSS after {args.settle:g} s", "MiB", median["morvane"][1],
           median["bare"][1], PSS_LIMIT)
    record(args.results, "context: time vs text window", "ms", median["morvane"][0],
           median["text"][0], None)
    record(args.results, "context: PSS vs text window", "MiB", median["morvane"][1],
           median["text"][1], None)


def idle_once(args):
    """CPU seconds over the idle time and PSS in MiB at its end, Morvane's then the floor's.
    Side by side on the same display, so that the machine's load falls on both alike."""
    runs = []
    try:
        runs.append(Run(args.build, args.build / "morvane", MORVANE_TITLE, True))
        runs.append(Run(args.build, args.build / "bench" / "bare_ticker", TICKER_TITLE))
        for run in runs:
            run.shown_after()
        time.sleep(args.warmup)
        before = [cpu_seconds(run.pid) for run in runs]
        time.sleep(args.seconds)
        for run in runs:
            run.check_running()
        cpu = [cpu_seconds(run.pid) - start for run, start in zip(runs, before)]
        pss = [pss_kib(run.pid) / 1024 for run in runs]
    finally:
        for run in runs:
            run.stop()
    return cpu, pss


def idle(args):
    cpu, pss = retried(lambda: idle_once(args))
    record(args.results, f"idle CPU over {args.seconds:g} s", "s", cpu[0], cpu[1], TIME_LIMIT)
    record(args.results, "idle PSS at the end", "MiB", pss[0], pss[1], PSS_LIMIT)


def table(args):
    rows = [json.loads(line) for line in args.results.read_text().splitlines() if line]
    print(f"{'measure':28} {'Morvane':>10} {'floor':>10} {'ratio':>7} {'limit':>6}  result")
    missed = 0
    for row in rows:
        ratio = row["value"] / row["floor"]
        unit = f"{row['what']} ({row['unit']})"
        if row["limit"] is None:
            print(f"{unit:28} {row['value']:10.3f} {row['floor']:10.3f} {ratio:7.2f} "
                  f"{'-':>6}  (no target)")
            continue
        ok = ratio <= row["limit"]
        missed += not ok
        print(f"{unit:28} {row['value']:10.3f} {row['floor']:10.3f} {ratio:7.2f} "
              f"{row['limit']:6.2f}  {'ok' if ok else 'MISSED'}")
    if args.tick:
        print("\none call (no target)          time      allocations")
        for bench in json.loads(args.tick.read_text())["benchmarks"]:
            print(f"  {bench['name']:26} {bench['real_time']:7.2f} {bench['time_unit']:3}"
                  f" {bench.get('allocs', 0):8.1f}")
    return 1 if missed else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    commands = parser.add_subparsers(dest="command", required=True)
    for name in ("startup", "idle"):
        command = commands.add_parser(name)
        command.add_argument("build", type=Path)
        command.add_argument("results", type=Path)
    commands.choices["startup"].add_argument("--runs", type=int, default=7)
    commands.choices["startup"].add_argument("--settle", type=float, default=2.0,
                                             help="seconds from the start to the PSS reading")
    commands.choices["idle"].add_argument("--seconds", type=float, default=60.0)
    commands.choices["idle"].add_argument("--warmup", type=float, default=5.0)
    command = commands.add_parser("table")
    command.add_argument("results", type=Path)
    command.add_argument("tick", type=Path, nargs="?")
    args = parser.parse_args()
    if args.command == "startup":
        args.build = args.build.resolve()
        startup(args)
    elif args.command == "idle":
        args.build = args.build.resolve()
        idle(args)
    else:
        sys.exit(table(args))


if __name__ == "__main__":
    main()
