#!/usr/bin/env python3
"""Start-up time and peak memory of the trainer against a minimal Qt dialog program.

Each program is started several times on the same Qt platform (offscreen unless
QT_QPA_PLATFORM says otherwise) and ends by itself after its first paint. Prints the
medians and the ratios; the goal is at most 1.3 for both.

Usage: bench/startup.py BUILD_DIR [RUNS]
"""
import os
import statistics
import subprocess
import sys
import time


def run_once(command, env):
    """Milliseconds from the start to the first paint, and the peak memory in KiB."""
    start_ms = time.time() * 1000.0
    result = subprocess.run(["/usr/bin/time", "-f", "maxrss %M"] + command, env=env,
                            capture_output=True, text=True, timeout=60)
    if result.returncode != 0:
        sys.exit(f"{command[0]} failed ({result.returncode}): {result.stderr.strip()}")
    paint_ms = next(float(line.split()[1]) for line in result.stdout.splitlines()
                    if line.startswith("first-paint-epoch-ms"))
    peak_kib = next(int(line.split()[1]) for line in result.stderr.splitlines()
                    if line.startswith("maxrss"))
    return paint_ms - start_ms, peak_kib


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    programs = {
        "minimal dialog": [os.path.join(build, "bench", "minimal_dialog")],
        "zantoli": [os.path.join(build, "zantoli"), "--exit-after-first-paint"],
        # With a dictionary the first paint also waits for the list to load and its
        # message box to come up: shown for information, not held to the goal.
        "zantoli + list": [os.path.join(build, "zantoli"), "--exit-after-first-paint",
                           os.path.join(root, "examples", "english-vocabulary.dic")],
    }
    results = {}
    for name, command in programs.items():
        samples = [run_once(command, env) for _ in range(runs)]
        results[name] = (statistics.median(s[0] for s in samples),
                         statistics.median(s[1] for s in samples))
        print(f"{name:15s} first paint {results[name][0]:7.1f} ms   peak memory "
              f"{results[name][1] / 1024:6.1f} MiB   (median of {runs})")
    base, ours = results["minimal dialog"], results["zantoli"]
    print(f"ratio time   {ours[0] / base[0]:.2f} (goal: at most 1.3)")
    print(f"ratio memory {ours[1] / base[1]:.2f} (goal: at most 1.3)")


if __name__ == "__main__":
    main()
