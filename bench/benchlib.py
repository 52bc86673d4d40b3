"""Shared helpers of the benchmark scripts: finding the programs, running
them under Xvfb or the offscreen platform, reading /proc, printing medians."""

import atexit
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BUILD = Path(os.environ.get("RINGCOIL_BENCH_BUILD", ROOT / "build" / "bench"))
PROGRAMS = {
    "ringcoil": BUILD / "bench" / "ringcoil-bench",
    "bare-window": BUILD / "bench" / "bare-window",
    "bare-animated": BUILD / "bench" / "bare-animated",
}
CLK_TCK = os.sysconf("SC_CLK_TCK")

_runtime_dir = tempfile.mkdtemp(prefix="ringcoil-bench-")
os.chmod(_runtime_dir, 0o700)
atexit.register(shutil.rmtree, _runtime_dir, True)


def check_programs():
    missing = [str(p) for p in PROGRAMS.values() if not p.exists()]
    if missing:
        sys.exit("not built: " + ", ".join(missing) + "\nrun bench/run-all, which builds them")


def runs_from_argv(default):
    return int(sys.argv[1]) if len(sys.argv) > 1 else default


class Xvfb:
    """One X server on a free display, stopped when the script ends."""

    def __init__(self, first=95):
        self.proc = None
        if not shutil.which("Xvfb"):
            return
        n = first
        while Path(f"/tmp/.X{n}-lock").exists() or Path(f"/tmp/.X11-unix/X{n}").exists():
            n += 1
        self.display = f":{n}"
        self.proc = subprocess.Popen(
            ["Xvfb", self.display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        atexit.register(self.stop)
        for sig in (signal.SIGINT, signal.SIGTERM):
            signal.signal(sig, lambda *_: sys.exit(1))
        socket = Path(f"/tmp/.X11-unix/X{n}")
        for _ in range(100):
            if socket.exists() or self.proc.poll() is not None:
                break
            time.sleep(0.05)
        if not socket.exists():
            self.stop()

    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait()
        self.proc = None


class SessionBus:
    """A D-Bus session bus of the benchmarks' own, as a desktop session has
    one, with screen readers off. Both programs connect to it alike: without
    it the bare programs would have libdbus launch a bus of its own, which
    ringcoil, where no bus is announced, does not."""

    def __init__(self):
        self.address, self.pid = None, None
        if not shutil.which("dbus-daemon"):
            print("dbus-daemon not found (apt-get install dbus): measuring without a session bus")
            return
        home = tempfile.mkdtemp(prefix="ringcoil-bench-home-")
        atexit.register(shutil.rmtree, home, True)
        out = subprocess.run(
            ["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
            env=dict(os.environ, HOME=home), capture_output=True, text=True, check=True).stdout
        self.address, pid = out.split()
        self.pid = int(pid)
        atexit.register(self.stop)

    def stop(self):
        if self.pid:
            try:
                os.kill(self.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            self.pid = None


_bus = None


def offscreen():
    """The environment of a run on the offscreen platform."""
    global _bus
    if _bus is None:
        _bus = SessionBus()
    base = {k: v for k, v in os.environ.items() if not k.startswith("RINGCOIL_BENCH_")}
    env = dict(base, XDG_RUNTIME_DIR=_runtime_dir, QT_QPA_PLATFORM="offscreen")
    if _bus.address:
        env["DBUS_SESSION_BUS_ADDRESS"] = _bus.address
    return env


def platforms():
    """The platforms to measure on, as (name, environment) pairs: a fresh
    Xvfb server, when there is one, and the offscreen platform."""
    found = []
    xvfb = Xvfb()
    if xvfb.proc:
        found.append(("xvfb", dict(offscreen(), QT_QPA_PLATFORM="xcb", DISPLAY=xvfb.display)))
    else:
        print("Xvfb not found (apt-get install xvfb): measuring offscreen only")
    found.append(("offscreen", offscreen()))
    return found


def start(program, env, **extra):
    """Starts a program with extra environment variables; stderr is piped."""
    env = dict(env, **{k: str(v) for k, v in extra.items()})
    return subprocess.Popen([str(PROGRAMS[program])], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True)


def stop(proc):
    proc.terminate()
    proc.communicate(timeout=30)


def cpu_seconds(pid):
    """utime + stime of the whole process (all threads), in seconds, in
    clock ticks; and the precise run time summed over its threads."""
    stat = Path(f"/proc/{pid}/stat").read_text()
    fields = stat[stat.rindex(")") + 2:].split()
    ticks = int(fields[11]) + int(fields[12])  # fields 14 and 15 of the file
    run_ns = 0
    for task in Path(f"/proc/{pid}/task").iterdir():
        try:
            run_ns += int((task / "schedstat").read_text().split()[0])
        except (OSError, ValueError):
            pass
    return ticks / CLK_TCK, run_ns / 1e9


def status_kb(pid, key):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith(key + ":"):
            return int(line.split()[1])
    raise KeyError(key)


def alternating(programs, runs):
    """The order of the runs: the programs in turn, the first one changing
    every round so that neither always runs right after the other."""
    for i in range(runs):
        yield from (programs if i % 2 == 0 else list(reversed(programs)))


def pair_ratios(values, a, b):
    """The ratio of program a's figure to program b's in each round of the
    alternating runs (the lists hold one value per round, in order)."""
    return [x / y for x, y in zip(values[a], values[b]) if y]


def median(values):
    return statistics.median(values)


def goal(figure, measured, target, met):
    """Prints a figure against its goal; run-all collects these lines (the
    file RINGCOIL_BENCH_GOALS names) and prints them together at the end."""
    line = f"{figure}: {measured}; goal {target}: {'met' if met else 'NOT MET'}"
    print(f"  goal  {line}")
    path = os.environ.get("RINGCOIL_BENCH_GOALS")
    if path:
        with open(path, "a", encoding="utf-8") as out:
            out.write(line + "\n")
    sys.stdout.flush()


def report(title, rows, programs):
    """rows: (platform, figure, {program: [values]}); prints medians and the
    ratio of the first program to the second."""
    a, b = programs
    print(f"\n{title}")
    print(f"  {'platform':<10} {'figure':<38} {a:>12} {b:>14} {'ratio':>7}")
    for platform, figure, values in rows:
        ma, mb = statistics.median(values[a]), statistics.median(values[b])
        ratio = f"{ma / mb:7.2f}" if mb else "      -"
        print(f"  {platform:<10} {figure:<38} {ma:12.2f} {mb:14.2f} {ratio}")
    sys.stdout.flush()
