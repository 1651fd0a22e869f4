#!/usr/bin/env python3
"""Writes ingresses.txt: every moment from 1900 to 2050 at which the Sun's apparent longitude
crosses a multiple of 30 degrees, as Debian's swetest (Swiss Ephemeris) computes it.

The program never links the Swiss Ephemeris; its own solar position is checked against this
table. Run again only to renew the table: python3 tests/data/make_ingresses.py
"""
import datetime
import os
import subprocess

FIRST_JD = 2415020.5  # 1900-01-01 00:00 UT
LAST_JD = 2470172.5  # 2051-01-01 00:00 UT
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "ingresses.txt")


def swetest(*args):
    out = subprocess.run(["swetest", "-p0", "-ut", "-head", "-g,", *args],
                         check=True, capture_output=True, text=True).stdout
    return [[float(v) for v in line.split(",")] for line in out.splitlines() if line.strip()]


def longitude_and_speed(jd):
    (_, lon, speed), = swetest(f"-bj{jd:.9f}", "-fJls")
    return lon, speed


def folded(a):
    return (a + 180.0) % 360.0 - 180.0


def main():
    days = []
    chunk = 20000  # swetest stops after 36525 lines
    for start in range(int(FIRST_JD - 0.5), int(LAST_JD - 0.5) + 1, chunk):
        count = min(chunk, int(LAST_JD - 0.5) - start + 1)
        days += swetest(f"-bj{start + 0.5}", f"-n{count}", "-s1", "-fJl")
    rows = []
    for (jd0, lon0), (_, lon1) in zip(days, days[1:]):
        sign0, sign1 = int(lon0 // 30), int(lon1 // 30)
        if sign0 == sign1:
            continue
        target = 30.0 * sign1
        jd = jd0 + folded(target - lon0) / folded(lon1 - lon0)
        for _ in range(4):
            lon, speed = longitude_and_speed(jd)
            jd += folded(target - lon) / speed
        moment = datetime.datetime(2000, 1, 1, 12) + datetime.timedelta(days=jd - 2451545.0)
        rows.append(f"{moment.isoformat(timespec='milliseconds')}Z {sign1 * 30:3d}")
    with open(OUT, "w") as f:
        f.write("# Moment (UT) the Sun's apparent longitude reaches the degrees, from swetest.\n")
        f.write("\n".join(rows) + "\n")
    print(f"{len(rows)} ingresses written to {OUT}")


if __name__ == "__main__":
    main()
