#!/usr/bin/env python3
"""The interaction benchmark's JSON output as the Markdown table of bench/README.md.

    oria_interaction_bench --benchmark_out=run.json --benchmark_out_format=json
    bench/interaction_table.py run.json [LIMIT_MS]

One line per action, median and 99th percentile in milliseconds in both visions; a line over
LIMIT_MS (4 by default) at the 99th percentile is marked, and the count of such lines is printed
last (exit status 1 when there is one)."""
import json
import re
import sys

VISIONS = ("normale", "deuteranopie")


def main():
    run = json.load(open(sys.argv[1], encoding="utf-8"))
    limit = float(sys.argv[2]) if len(sys.argv) > 2 else 4.0
    rows = {}
    for b in run["benchmarks"]:
        m = re.match(r"(.*) \[(\w+)\]/iterations", b["name"])
        if not m:
            continue
        rows.setdefault(m.group(1), {})[m.group(2)] = (b["median_ms"], b["p99_ms"])
    over = 0
    print("| Fenêtre · action | médiane normale | p99 normale | médiane deutéranopie | p99 deutéranopie |")
    print("|---|---:|---:|---:|---:|")
    for action, by_vision in rows.items():
        cells = []
        worst = 0.0
        for vision in VISIONS:
            median, p99 = by_vision.get(vision, (float("nan"), float("nan")))
            cells += [f"{median:.2f}", f"{p99:.2f}"]
            worst = max(worst, p99)
        mark = " **(> %g ms)**" % limit if worst > limit else ""
        over += worst > limit
        print(f"| {action}{mark} | " + " | ".join(cells) + " |")
    print(f"\n{len(rows)} actions; {over} over {limit:g} ms at the 99th percentile.")
    return 1 if over else 0


if __name__ == "__main__":
    sys.exit(main())
