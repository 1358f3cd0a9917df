#!/usr/bin/env python3
"""Reference times for tests/engine/test_authorities.cpp: each authority's parameters worked out
at a city it serves with the solar equations of reference_times.py (NOAA / Meeus, apart from the
program), without a margin: the twilight angles, a Maghrib angle, Isha by minutes after Maghrib
(the Ramadan minutes on a day known to be in Ramadan: 1445 ran from 11 March to 9 April 2024), and
the authority's adjustments added last. The times are not rounded (the test takes each authority
to the nearest second); the authorities with the seasonal twilight rule are checked against their
own publications instead (test_publications.cpp).

    python3 tests/engine/authority_times.py
"""
from datetime import date

from reference_times import at_altitude, day

RAMADAN_1445 = (date(2024, 3, 11), date(2024, 4, 9))

# key, city, latitude, longitude, zone hours, fajr, isha, isha minutes, ramadan minutes,
# maghrib angle, adjustments (fajr .. isha)
AUTHORITIES = [
    ("makkah", "Makkah", 21 + 25 / 60, 39 + 49 / 60, 3, 18.5, 0, 90, 120, 0, [0] * 6),
    ("dubai", "Dubai", 25 + 16 / 60, 55 + 18 / 60, 4, 18.2, 18.2, 0, 0, 0, [0, -3, 3, 1, 4, 0]),
    ("kuwait", "Kuwait City", 29 + 22 / 60, 47 + 59 / 60, 3, 18, 17.5, 0, 0, 0, [0] * 6),
    ("qatar", "Doha", 25 + 17 / 60, 51 + 32 / 60, 3, 18, 0, 90, 0, 0, [0, 0, 0, 0, 3, 3]),
    ("singapore", "Singapore", 1 + 17 / 60, 103 + 51 / 60, 8, 20, 18, 0, 0, 0, [1, 1, 2, 1, 1, 1]),
    ("malaysia", "Kuala Lumpur", 3 + 8 / 60, 101 + 41 / 60, 8, 18, 18, 0, 0, 0, [0, 0, 1, 0, 0, 0]),
    ("kelantan", "Kota Bharu", 6 + 8 / 60, 102 + 15 / 60, 8, 18, 17, 0, 0, 0, [0, 0, 1, 0, 0, 0]),
    ("indonesia", "Jakarta", -(6 + 12 / 60), 106 + 49 / 60, 7, 20, 18, 0, 0, 0, [2, -4, 3, 2, 3, 2]),
    ("turkey", "Ankara", 39 + 56 / 60, 32 + 52 / 60, 3, 18, 17, 0, 0, 0, [0, -7, 5, 5, 8, 1]),
    ("egypt", "Cairo", 30 + 3 / 60, 31 + 14 / 60, 2, 19.5, 17.5, 0, 0, 0, [0] * 6),
    ("france", "Paris", 48 + 51 / 60, 2 + 21 / 60, 1, 12, 12, 0, 0, 0, [0] * 6),
    ("russia", "Moscow", 55 + 45 / 60, 37 + 37 / 60, 3, 16, 15, 0, 0, 0, [0] * 6),
    ("tehran", "Tehran", 35 + 41 / 60, 51 + 25 / 60, 3.5, 17.7, 14, 0, 0, 4.5, [0] * 6),
]
# Solstices, where the program's day-of-year series is closest to the sun's true course, and a
# day in Ramadan; Moscow (no true dawn in June) takes midwinter days instead.
DATES = [date(2024, 3, 20), date(2024, 6, 21), date(2024, 12, 21)]
WINTER = [date(2024, 1, 5), date(2024, 12, 15), date(2024, 12, 21)]

def times(a, d):
    key, city, lat, lon, tz, fajr, isha, minutes, ramadan, maghrib, adjust = a
    t = day(d, lat, lon, tz, fajr, isha)
    if maghrib:
        t[4] = round(at_altitude(d, lat, lon, tz, -maghrib, +1) * 3600)
    if not isha:
        in_ramadan = RAMADAN_1445[0] <= d <= RAMADAN_1445[1]
        t[5] = t[4] + 60 * (ramadan if ramadan and in_ramadan else minutes)
    return [None if v is None else v + 60 * m for v, m in zip(t, adjust)]

if __name__ == "__main__":
    for a in AUTHORITIES:
        for d in WINTER if a[0] == "russia" else DATES:
            t = times(a, d)
            if None in t:  # the sun does not reach an angle that day
                continue
            print('        {"%s", %d, %d, %d, {%s}},  // %s' % (a[0], d.year, d.month, d.day, ", ".join(map(str, t)), a[1]))
