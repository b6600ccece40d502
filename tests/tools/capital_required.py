#!/usr/bin/env python3
"""The capital required year loop worked out apart from the program, for the figures its tests pin.

Written from the window's own rules, not from its code: P = C / ((((1 + i)^n - 1) / i) x (1 + i))
in double precision; each year the value grows by P and the interest credited on it (unrounded);
the interest shown is P x i in year 1 and (value + P) x i rounded half up to cents afterwards.
Figures stored as money are the double rounded half to even to ten-thousandths; printed amounts
take the double at 15 significant digits, then round half away from zero to cents.

    python3 tests/tools/capital_required.py
"""
import math
from decimal import Decimal, ROUND_HALF_EVEN, ROUND_HALF_UP, getcontext

getcontext().prec = 60


def money(x):
    return Decimal(x).quantize(Decimal("0.0001"), ROUND_HALF_EVEN)


def printed(m):
    d = Decimal(format(float(m), ".15g")).quantize(Decimal("0.01"), ROUND_HALF_UP)
    text = "{:,.2f}".format(d)
    return text[1:] if text.startswith("0.") else text


def plan(capital, rate_percent, n):
    i = rate_percent / 100.0
    p = capital / ((((1 + i) ** n - 1) / i) * (1 + i))
    interest = p * i
    shown = p * i
    v = t = ti = 0.0
    rows = []
    for y in range(1, n + 1):
        v = v + p + interest
        t += p
        ti += interest
        rows.append((y, money(p), money(shown), money(v)))
        interest = (v + p) * i
        shown = math.floor((v + p) * i * 100 + 0.5) / 100
    return p, rows, (money(t), money(ti), money(v))


def show(capital, rate, n, years=(1, 2)):
    p, rows, totals = plan(capital, rate, n)
    print(f"{capital} at {rate} % for {n} years: P = {p!r}")
    for y in sorted(set(y for y in list(years) + [n] if y <= n)):
        _, a, d, v = rows[y - 1]
        print("  year", y, printed(a), printed(d), printed(v), "|", a, d, v)
    print("  totals", *map(printed, totals), "|", *totals)


if __name__ == "__main__":
    show(100000, 20, 25)
    show(100000, 20, 1)
    show(100000, 20, 100, (1, 2, 99))
    show(250000, 12.5, 3, (1, 2, 3))
    show(500000, 10, 20)
