#!/usr/bin/env python3
"""Feeds `vela-upagrahas-cli --batch -` a few rows at a time, as a program that sends rows and waits
for their answers does, and prints the batch's peak resident memory and its wall time.

Usage: feed_batch.py CLI ROWS [ROWS_PER_SEND] [--profile NAME] [--seed N]

Each send writes ROWS_PER_SEND rows (1 by default: one at a time) and reads their answer lines
before the next send, so every chunk the batch calculates holds only the rows of one send. The rows
come from make_readings.py (the same seed gives the same rows). The peak is the batch's own high-water
mark of resident memory (VmHWM in /proc/PID/status, read after the last answer and before the input
closes), in KiB: wait4's ru_maxrss would count this script's memory too, which the child holds between
fork and exec.
"""
import argparse
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_readings  # noqa: E402


def high_water_mark(pid):
    with open(f"/proc/{pid}/status", encoding="ascii") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return -1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("rows", type=int)
    parser.add_argument("per_send", type=int, nargs="?", default=1)
    parser.add_argument("--profile", default="precise")
    parser.add_argument("--seed", type=int, default=7)
    args = parser.parse_args()

    rng = make_readings.random.Random(args.seed)
    command = [args.cli, "--batch", "-", "--profile", args.profile]
    child = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE, bufsize=0)
    send = child.stdin
    answers = child.stdout
    send.write((make_readings.HEADER + "\n").encode())
    started = time.monotonic()
    pending = b""
    errors = 0
    done = 0
    while done < args.rows:
        count = min(args.per_send, args.rows - done)
        send.write("".join(make_readings.row(rng) + "\n" for _ in range(count)).encode())
        lines = 0
        while lines < count:
            block = os.read(answers.fileno(), 1 << 16)
            if not block:
                sys.exit(f"the batch ended after {done + lines} rows")
            pending += block
            *whole, pending = pending.split(b"\n")
            lines += len(whole)
            errors += sum(1 for line in whole if line.startswith(b'{"row"'))
        done += count
    peak = high_water_mark(child.pid)
    send.close()
    rest = answers.read()
    _, status, usage = os.wait4(child.pid, 0)
    elapsed = time.monotonic() - started
    print(f"{args.rows} rows, {args.per_send} per send, profile {args.profile}: "
          f"peak RSS {peak} KiB, {elapsed:.1f} s wall, "
          f"{usage.ru_utime + usage.ru_stime:.1f} s CPU, {errors} refused rows, "
          f"exit {os.waitstatus_to_exitcode(status)}{', trailing output' if rest else ''}")


if __name__ == "__main__":
    main()
