#!/usr/bin/env python3
"""Draws English entries that have a Persian meaning, for reading by hand.

    tools/sample-persian-entries.py NIRA [--count 50] [--seed 12] [--words FILE]

NIRA is the nira program; its data folder is found as nira itself finds it
(set NIRA_DATA_DIR to choose one). The entries are drawn with a fixed seed
from the "persian" file's headwords whose Persian meaning is a translation
(not empty, and not only a category hint "نوعی ..."), so the same files
always give the same draw. --words prints the entries of a
list of headwords instead (one a line), to read the same words in another
build. Each entry is printed as `nira lookup` prints it.
"""
import argparse
import os
import random
import struct
import subprocess
import sys


def data_file_facts(nira):
    """(path, index base) of the "persian" file, as `nira info` reports it."""
    info = subprocess.run([nira, "info"], capture_output=True, text=True, check=True).stdout
    path = base = None
    in_persian = False
    for line in info.splitlines():
        if not line.startswith(" "):
            in_persian = line.startswith("persian:")
        elif in_persian and line.strip().startswith("path:"):
            path = line.split(":", 1)[1].strip()
        elif in_persian and line.strip().startswith("index base:"):
            base = int(line.split(":", 1)[1])
    if path is None or base is None:
        sys.exit("nira info did not name the persian file")
    return path, base


def headwords_with_persian(path, base):
    with open(path, "rb") as f:
        data = f.read()
    count = (len(data) - base) // 4
    offsets = struct.unpack_from("<%di" % count, data, base) + (base,)
    words = []
    for k in range(count):
        entry = data[offsets[k]:offsets[k + 1]]
        fields = entry.split(b"\0")
        if len(fields) > 1 and fields[1]:
            words.append(fields[0].decode("cp1256"))
    return words


HINT = "نوعی "


def answers_of(nira, words):
    """Each word's answer as `nira lookup -` prints it, in order."""
    out = subprocess.run([nira, "lookup", "-"], input="\n".join(words) + "\n",
                         capture_output=True, text=True, check=True).stdout
    return [block + "\n" for block in out.split("\n\n") if block.strip()]


def is_translation(answer):
    lines = answer.split("\n")
    if "[fa]" not in lines:
        return False
    persian = lines[lines.index("[fa]") + 1:]
    persian = persian[:persian.index("[en]")] if "[en]" in persian else persian
    return not (len(persian) >= 1 and persian[0].startswith(HINT) and
                all(not l.strip() for l in persian[1:]))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("nira")
    parser.add_argument("--count", type=int, default=50)
    parser.add_argument("--seed", type=int, default=12)
    parser.add_argument("--words")
    args = parser.parse_args()

    if args.words:
        with open(args.words, encoding="utf-8") as f:
            words = [w.strip() for w in f if w.strip()]
        sys.stdout.write("\n".join(answers_of(args.nira, words)))
        return
    path, base = data_file_facts(args.nira)
    pool = headwords_with_persian(path, base)
    random.Random(args.seed).shuffle(pool)
    chosen = []
    for start in range(0, len(pool), 200):
        batch = pool[start:start + 200]
        chosen += [a for a in answers_of(args.nira, batch) if is_translation(a)]
        if len(chosen) >= args.count:
            break
    print("# %d entries with a Persian translation, seed %d, drawn from %d with a Persian meaning"
          % (args.count, args.seed, len(pool)))
    sys.stdout.write("\n".join(chosen[:args.count]))


if __name__ == "__main__":
    main()
