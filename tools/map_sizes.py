#!/usr/bin/env python3
"""Where the bytes of an exe go: sums a GNU ld map's code, read-only data and
unwind tables by the library (or object) they come from, largest first.

    map_sizes.py NAME.exe.map [--top N] [--members]

--members lists library members (libstdc++.a(string-inst.o)) instead of
libraries. Debug sections are left out; they are stripped from the exe.
"""
import argparse
import collections
import re

KINDS = (("code", (".text",)), ("unwind", (".eh_frame",)), ("data", (".rdata", ".data", ".bss")))


def kind_of(section):
    for kind, prefixes in KINDS:
        if section.startswith(prefixes):
            return kind
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("map")
    parser.add_argument("--top", type=int, default=12)
    parser.add_argument("--members", action="store_true")
    args = parser.parse_args()

    sizes = collections.defaultdict(collections.Counter)
    section = None
    in_map = False
    with open(args.map, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            if line.startswith("Linker script and memory map"):
                in_map = True
                continue
            if not in_map:
                continue
            alone = re.match(r"^ (\.[\w.$]+)\s*$", line)
            if alone:
                section = alone.group(1)
                continue
            entry = re.match(r"^ (\.[\w.$]+)?\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S.*)$", line)
            if not entry:
                continue
            kind = kind_of(entry.group(1) or section or "")
            if kind is None:
                continue
            source = re.sub(r"^.*/", "", entry.group(3).strip())
            if not args.members:
                source = re.sub(r"\(.*", "", source)
            sizes[source][kind] += int(entry.group(2), 16)

    total = collections.Counter()
    for counts in sizes.values():
        total.update(counts)
    ranked = sorted(sizes.items(), key=lambda item: -sum(item[1].values()))
    print(f"  {'KB':>6} {'code':>6} {'unwind':>6} {'data':>6}  from")
    for source, counts in ranked[: args.top]:
        kb = [counts[kind] / 1024 for kind, _ in KINDS]
        print(f"  {sum(kb):6.1f} {kb[0]:6.1f} {kb[1]:6.1f} {kb[2]:6.1f}  {source}")
    kb = [total[kind] / 1024 for kind, _ in KINDS]
    print(f"  {sum(kb):6.1f} {kb[0]:6.1f} {kb[1]:6.1f} {kb[2]:6.1f}  all")


if __name__ == "__main__":
    main()
