#!/usr/bin/env python3
"""Reference prayer times for tests/engine/test_reference_times.cpp, worked out apart from the
program: the sun's declination and the equation of time come from the NOAA solar calculator's
equations (after Meeus, "Astronomical Algorithms"), evaluated directly at each time's own moment,
again and again until the time moves less than a millisecond. Dhuhr is the sun's transit; the
Asr shadow is the noon shadow plus the ratio; sunrise and sunset are at -50' less the dip of the
horizon, 0.0347 degree per square root of the metres. Times are seconds after local midnight,
without any safety margin, unwrapped (a sunset past midnight is more than 86 400).

    python3 tests/engine/reference_times.py           # the single days of CASES
    python3 tests/engine/reference_times.py --year > tests/engine/reference_year.txt
                                                      # every day of 2024 and 2025 at YEAR_PLACES
"""
import math
import sys
from datetime import date

def sun(jd):
    t = (jd - 2451545.0) / 36525
    l0 = (280.46646 + t * (36000.76983 + t * 0.0003032)) % 360
    m = 357.52911 + t * (35999.05029 - 0.0001537 * t)
    e = 0.016708634 - t * (0.000042037 + 0.0000001267 * t)
    mr = math.radians(m)
    c = (math.sin(mr) * (1.914602 - t * (0.004817 + 0.000014 * t)) + math.sin(2 * mr) * (0.019993 - 0.000101 * t)
         + math.sin(3 * mr) * 0.000289)
    omega = 125.04 - 1934.136 * t
    app = l0 + c - 0.00569 - 0.00478 * math.sin(math.radians(omega))
    eps0 = 23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60
    eps = math.radians(eps0 + 0.00256 * math.cos(math.radians(omega)))
    decl = math.asin(math.sin(eps) * math.sin(math.radians(app)))
    y = math.tan(eps / 2) ** 2
    l0r = math.radians(l0)
    eot = 4 * math.degrees(y * math.sin(2 * l0r) - 2 * e * math.sin(mr) + 4 * e * y * math.sin(mr) * math.cos(2 * l0r)
                           - 0.5 * y * y * math.sin(4 * l0r) - 1.25 * e * e * math.sin(2 * mr))
    return decl, eot  # radians, minutes

def jd_of(d, hours_local, tz_hours):
    return d.toordinal() + 1721424.5 + (hours_local - tz_hours) / 24

SETTLED = 0.001 / 3600  # hours

def noon(d, lon, tz):
    h = 12.0
    for _ in range(50):
        _, eot = sun(jd_of(d, h, tz))
        h, before = 12 - lon / 15 - eot / 60 + tz, h
        if abs(h - before) < SETTLED:
            break
    return h

def at_altitude(d, lat, lon, tz, altitude, side):
    """Hours of the moment the sun stands at `altitude` degrees, before (-1) or after (+1) noon;
    None when it does not stand there at that moment."""
    h = noon(d, lon, tz)
    phi = math.radians(lat)
    for _ in range(50):
        decl, eot = sun(jd_of(d, h, tz))
        n = 12 - lon / 15 - eot / 60 + tz
        x = (math.sin(math.radians(altitude)) - math.sin(phi) * math.sin(decl)) / (math.cos(phi) * math.cos(decl))
        # Out of reach at this moment: go on from noon or midnight, where it comes closest.
        h, before = n + side * math.degrees(math.acos(max(-1, min(1, x)))) / 15, h
        if abs(h - before) < SETTLED:
            break
    return None if abs(x) >= 1 else h

def day(d, lat, lon, tz, fajr, isha, ratio=1, metres=0):
    horizon = -0.8333 - 0.0347 * math.sqrt(metres)
    n = noon(d, lon, tz)
    zenith = abs(math.radians(lat) - sun(jd_of(d, n, tz))[0])
    r = at_altitude(d, lat, lon, tz, horizon, -1)
    s = at_altitude(d, lat, lon, tz, horizon, +1)
    asr = None
    if zenith < math.pi / 2:  # else the sun casts no shadow at noon
        asr = at_altitude(d, lat, lon, tz, math.degrees(math.atan(1 / (ratio + math.tan(zenith)))), +1)
    f = at_altitude(d, lat, lon, tz, -fajr, -1) if fajr else None
    i = at_altitude(d, lat, lon, tz, -isha, +1) if isha else None
    return [None if v is None else round(v * 3600) for v in (f, r, n, asr, s, i)]

CASES = [
    ("Sydney, winter (south, east)", date(2026, 6, 21), -(33 + 52 / 60), 151 + 12 / 60, 10, 18, 17, 1),
    ("Auckland, summer time +13", date(2026, 1, 15), -(36 + 51 / 60), 174 + 46 / 60, 13, 18, 17, 1),
    ("Delhi, +5:30", date(2026, 1, 1), 28 + 36 / 60, 77 + 12 / 60, 5.5, 18, 18, 1),
    ("Cairo, Egyptian 19.5/17.5", date(2026, 3, 20), 30 + 3 / 60, 31 + 14 / 60, 2, 19.5, 17.5, 1),
    ("Makkah, leap day", date(2024, 2, 29), 21 + 25 / 60, 39 + 49 / 60, 3, 19, 0, 1),
    ("Makkah, day 366", date(2024, 12, 31), 21 + 25 / 60, 39 + 49 / 60, 3, 19, 0, 1),
    ("Singapore, tropical Asr, Hanafi", date(2026, 6, 21), 1 + 17 / 60, 103 + 51 / 60, 8, 20, 18, 2),
    ("Quito-like, tropical Asr south", date(2026, 12, 21), -(0 + 13 / 60), -(78 + 31 / 60), -5, 18, 17, 1),
    ("New York, daylight saving -4", date(2026, 7, 1), 40 + 43 / 60, -(74 + 0 / 60), -4, 15, 15, 1),
    ("Sana'a, 2250 m", date(2026, 3, 1), 15 + 21 / 60, 44 + 12 / 60, 3, 18, 17, 1, 2250),
    ("Reykjavik, 21 June (no true dawn)", date(2024, 6, 21), 64 + 8 / 60, -(21 + 56 / 60), 0, 15, 15, 1),
]

# The whole-year sweep: from 60 degrees south to 64 north, both hemispheres' seasons, the tropics,
# a high place, zones in half hours; fixed zone offsets (no daylight saving).
# name, latitude, longitude, zone hours, Fajr angle, Isha angle, shadow ratio, metres
YEAR_PLACES = [
    ("Orcadas", -(60 + 44 / 60), -(44 + 44 / 60), -3, 18, 17, 1, 0),
    ("Cape Town", -(33 + 55 / 60), 18 + 25 / 60, 2, 18, 17, 2, 0),
    ("Jakarta", -(6 + 12 / 60), 106 + 49 / 60, 7, 20, 18, 1, 0),
    ("Quito", -(0 + 13 / 60), -(78 + 31 / 60), -5, 18, 17, 1, 2850),
    ("Makkah", 21 + 25 / 60, 39 + 49 / 60, 3, 18.5, 17, 1, 0),
    ("Delhi", 28 + 36 / 60, 77 + 12 / 60, 5.5, 18, 18, 2, 0),
    ("Istanbul", 41 + 1 / 60, 28 + 58 / 60, 3, 18, 17, 1, 0),
    ("New York", 40 + 43 / 60, -(74 + 0 / 60), -5, 15, 15, 1, 0),
    ("London", 51 + 30 / 60, -(0 + 8 / 60), 0, 18, 17, 1, 0),
    ("Stockholm", 59 + 20 / 60, 18 + 4 / 60, 1, 18, 17, 1, 0),
    ("Reykjavik", 64 + 8 / 60, -(21 + 56 / 60), 0, 15, 15, 1, 0),
]

def year_table():
    """One line per place and day: place index, date, then Fajr .. Isha in seconds ("-" where
    the sun does not stand at that angle that day)."""
    for k, (_, lat, lon, tz, fajr, isha, ratio, metres) in enumerate(YEAR_PLACES):
        d = date(2024, 1, 1)
        while d.year <= 2025:
            times = day(d, lat, lon, tz, fajr, isha, ratio, metres)
            print(k, d.isoformat(), " ".join("-" if t is None else str(t) for t in times))
            d = date.fromordinal(d.toordinal() + 1)

if __name__ == "__main__":
    if sys.argv[1:] == ["--year"]:
        year_table()
    else:
        for name, d, lat, lon, tz, fajr, isha, ratio, *metres in CASES:
            print(name, d, day(d, lat, lon, tz, fajr, isha, ratio, *(metres or [0])))
