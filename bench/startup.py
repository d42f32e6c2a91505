#!/usr/bin/env python3
"""Start-up time and peak memory of the trainer against a minimal Qt dialog program.

Each program is started several times, in turns, on the same Qt platform (offscreen unless
QT_QPA_PLATFORM says otherwise) and ends by itself after its first paint. Prints the
medians and the ratios; the goal is at most 1.3 for the first paint and 1.3 for the memory.
With a word list on the command line, the list is read after the first paint: the moment it
is loaded (the caption shows the file's name) is timed as well, for a 5200-entry dictionary,
KVTML list and Anki deck, for the KVTML list with Remember progress on and 100,000 answers in
its store, and for a deck shaped like a real shared one (2,887 notes in today's zstd layout,
their fields 500 to 3,000 characters of HTML with tables, pictures and references); the goal
for those is at most 1.5 times the minimal dialog's first paint, 1.6 for the real-shaped deck.

Usage: bench/startup.py BUILD_DIR [RUNS]
"""
import os
import sqlite3
import statistics
import subprocess
import sys
import tempfile
import time
import zipfile


def run_once(command, env):
    """Milliseconds from the start to the first paint and to the last change of the
    caption (None without one), and the peak memory in KiB."""
    start_ms = time.time() * 1000.0
    result = subprocess.run(["/usr/bin/time", "-f", "maxrss %M"] + command, env=env,
                            capture_output=True, text=True, timeout=60)
    if result.returncode != 0:
        sys.exit(f"{command[0]} failed ({result.returncode}): {result.stderr.strip()}")
    paint_ms = next(float(line.split()[1]) for line in result.stdout.splitlines()
                    if line.startswith("first-paint-epoch-ms"))
    titles_ms = [float(line.split()[1]) for line in result.stdout.splitlines()
                 if line.startswith("title-change-epoch-ms")]
    peak_kib = next(int(line.split()[1]) for line in result.stderr.splitlines()
                    if line.startswith("maxrss"))
    loaded_ms = titles_ms[-1] - start_ms if titles_ms else None
    return paint_ms - start_ms, loaded_ms, peak_kib


def entry(i):
    """The word and meaning of the i-th generated entry."""
    return f"vocabulary{i}", f"a word that belongs to the list {i}"


def write_kvtml(path, entries):
    """A KVTML 2.0 word list laid out as vocabulary trainers save it."""
    with open(path, "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="UTF-8"?>\n<kvtml version="2.0">\n <entries>\n')
        for i in range(entries):
            word, meaning = entry(i)
            out.write(f'  <entry id="{i}">\n   <translation id="0">\n    <text>{word}'
                      f'</text>\n   </translation>\n   <translation id="1">\n    <text>'
                      f'{meaning}</text>\n   </translation>\n  </entry>\n')
        out.write(" </entries>\n</kvtml>\n")


def remembering_env(build, env, folder):
    """The user's folders with Remember progress on and a store of 100,000 answers, which
    progress_bench writes on the entries of write_kvtml's list."""
    env = dict(env, XDG_CONFIG_HOME=os.path.join(folder, "config"),
               XDG_DATA_HOME=os.path.join(folder, "data"))
    subprocess.run([os.path.join(build, "bench", "progress_bench"),
                    "--benchmark_filter=ChooseNextQuestion", "--benchmark_min_time=0.01s"],
                   env=env, check=True, capture_output=True)
    os.makedirs(os.path.join(folder, "config", "zantoli"))
    with open(os.path.join(folder, "config", "zantoli", "zantoli.conf"), "w") as out:
        out.write("[Progress]\nRemember=1\nDevice=bench\n")
    return env


def write_dictionary(path, entries):
    """The same entries as a dictionary: UTF-16LE lines with CR LF ends."""
    lines = [line for i in range(entries) for line in entry(i)]
    with open(path, "wb") as out:
        out.write("".join(line + "\r\n" for line in lines).encode("utf-16-le"))


def write_deck(root, path, entries):
    """The same entries as an Anki deck package, made as the sample deck was made."""
    tsv = path + ".tsv"
    with open(tsv, "w", encoding="utf-8") as out:
        out.writelines(f"{word}\t{meaning}\n" for word, meaning in map(entry, range(entries)))
    subprocess.run([os.path.join(root, "examples", "make-package.sh"), tsv, path], check=True)


SYLLABLES = ["ka", "lo", "mir", "sen", "tu", "vel", "dro", "pa", "qui", "ren", "sto", "al",
             "be", "xi"]


def made_up_words(state, count):
    """Words of varied syllables, as a deck's example sentences vary; `state` is the
    generator's seed, kept in a one-element list."""
    words = []
    for _ in range(count):
        word = ""
        for _ in range(2 + state[0] % 3):
            state[0] = (state[0] * 1103515245 + 12345) % 2**32
            word += SYLLABLES[(state[0] >> 16) % len(SYLLABLES)]
        words.append(word)
    return " ".join(words)


def write_real_shaped_deck(path, notes=2887):
    """An Anki deck package as today's Anki exports it (meta version 3, the collection
    compressed with zstd), its notes shaped like those of real shared decks."""
    folder = os.path.dirname(path)
    database = os.path.join(folder, "collection.sqlite")
    connection = sqlite3.connect(database)
    connection.executescript(
        "CREATE TABLE col (id integer primary key, ver integer, models text);"
        "CREATE TABLE notes (id integer primary key, mid integer, flds text);"
        "INSERT INTO col VALUES (1, 11, '{\"1\": {\"id\": 1, \"type\": 0}}');")
    state = [1]
    rows = []
    for i in range(notes):
        meaning = (f'<div style="font-family: Arial; font-size: 20px;"><b>'
                   f'{made_up_words(state, 2)}</b>&nbsp;&mdash; <i>noun</i></div>'
                   '<table class="conj"><tbody>')
        for _ in range(2 + i % 10):
            meaning += (f'<tr><td style="padding:2px">{made_up_words(state, 1)}&nbsp;</td><td>'
                        f'&laquo;{made_up_words(state, 5)}&raquo; &amp; '
                        f'{made_up_words(state, 2)}&hellip;</td></tr>')
        meaning += (f'</tbody></table><img src="picture{i}.jpg"><br><span class="note">'
                    f'caf&eacute; &#233;t&#xE9; {made_up_words(state, 8)}</span>')
        word = f'<div><b>word{i}</b></div><img src="w{i}.png">'
        rows.append((i + 1, 1, word + "\x1f" + meaning))
    connection.executemany("INSERT INTO notes VALUES (?, ?, ?)", rows)
    connection.commit()
    connection.close()
    packed = subprocess.run(["zstd", "-q", "-c", database], check=True,
                            capture_output=True).stdout
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as deck:
        deck.writestr("meta", b"\x08\x03")
        deck.writestr("collection.anki21b", packed, compress_type=zipfile.ZIP_STORED)
        deck.writestr("media", b"")


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    work = tempfile.TemporaryDirectory()
    kvtml = os.path.join(work.name, "large.kvtml")
    write_kvtml(kvtml, 5200)
    remembering = remembering_env(build, env, work.name)
    dictionary = os.path.join(work.name, "large.dic")
    write_dictionary(dictionary, 5200)
    deck = os.path.join(work.name, "large.apkg")
    write_deck(root, deck, 5200)
    real_deck = os.path.join(work.name, "real-shaped.apkg")
    write_real_shaped_deck(real_deck)
    programs = {
        "minimal dialog": [os.path.join(build, "bench", "minimal_dialog")],
        "zantoli": [os.path.join(build, "zantoli"), "--exit-after-first-paint"],
        "zantoli + list": [os.path.join(build, "zantoli"), "--exit-after-first-paint",
                           os.path.join(root, "examples", "english-vocabulary.dic")],
        "zantoli + dic": [os.path.join(build, "zantoli"), "--exit-after-first-paint",
                          dictionary],
        "zantoli + kvtml": [os.path.join(build, "zantoli"), "--exit-after-first-paint", kvtml],
        "zantoli + deck": [os.path.join(build, "zantoli"), "--exit-after-first-paint", deck],
        "+ kvtml, memory": [os.path.join(build, "zantoli"), "--exit-after-first-paint", kvtml],
        "zantoli + real deck": [os.path.join(build, "zantoli"), "--exit-after-first-paint",
                                real_deck],
    }
    # Round by round, so that a change in the machine's load reaches every program alike.
    all_samples = {name: [] for name in programs}
    for _ in range(runs):
        for name, command in programs.items():
            all_samples[name].append(
                run_once(command, remembering if "memory" in name else env))
    results = {}
    for name, samples in all_samples.items():
        loads = [s[1] for s in samples if s[1] is not None]
        results[name] = (statistics.median(s[0] for s in samples),
                         statistics.median(loads) if loads else None,
                         statistics.median(s[2] for s in samples))
        loaded = f"   list loaded {results[name][1]:7.1f} ms" if loads else ""
        print(f"{name:16s} first paint {results[name][0]:7.1f} ms{loaded}   peak memory "
              f"{results[name][2] / 1024:6.1f} MiB   (median of {runs})")
    base, ours = results["minimal dialog"], results["zantoli"]
    print(f"ratio time   {ours[0] / base[0]:.2f} (goal: at most 1.3)")
    print(f"ratio memory {ours[2] / base[2]:.2f} (goal: at most 1.3)")
    print("ratio time to the first paint with a list named:")
    for name in ("zantoli + dic", "zantoli + kvtml", "zantoli + deck"):
        print(f"  {name:16s} {results[name][0] / base[0]:.2f} (goal: at most 1.3)")
    print("ratio time to the loaded list:")
    print(f"  {'sample dictionary':40s} {results['zantoli + list'][1] / base[0]:.2f}")
    for name, label, goal in (("zantoli + dic", "5200-entry dictionary", 1.5),
                              ("zantoli + kvtml", "5200-entry KVTML", 1.5),
                              ("zantoli + deck", "5200-entry Anki deck", 1.5),
                              ("+ kvtml, memory", "KVTML with 100,000 answers remembered", 1.5),
                              ("zantoli + real deck", "a real-shaped 2,887-note deck", 1.6)):
        print(f"  {label:40s} {results[name][1] / base[0]:.2f} (goal: at most {goal})")


if __name__ == "__main__":
    main()
