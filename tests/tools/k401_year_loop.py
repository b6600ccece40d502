#!/usr/bin/env python3
"""The 401(k) year loop worked out apart from the program, for the figures its tests pin.

Written from the plan's own rules, not from its code: the contribution of year 1 is salary x (own
rate + company rate); from year 2 on the salary grows by the raise and the contribution grows by the
raise too, rounded to money; each year's interest = (value at the end of last year + this year's
contribution) x rate of return, rounded half to even to ten-thousandths; the value at the end of the
year is (base + interest) less inflation, unrounded in double precision. The rate of return is
single precision (percent / 100 stored in a 32-bit float), or double precision to show what a double
rate would print instead. Printed amounts: the double at 15 significant digits, then rounded half
away from zero to cents.

    python3 tests/tools/k401_year_loop.py
"""
import struct
from decimal import Decimal, ROUND_HALF_EVEN, ROUND_HALF_UP, getcontext

getcontext().prec = 60


def single(x):
    return struct.unpack("<f", struct.pack("<f", x))[0]


def money(x):
    return Decimal(x).quantize(Decimal("0.0001"), ROUND_HALF_EVEN)


def printed(m):
    d = Decimal(format(float(m), ".15g")).quantize(Decimal("0.01"), ROUND_HALF_UP)
    text = "{:,.2f}".format(d)
    return text[1:] if text.startswith("0.") else text


def plan(balance, salary, own, company, raise_, ret, inflation, years, single_rate=True):
    r = single(ret / 100.0) if single_rate else ret / 100.0
    c, k, s, f = own / 100.0, company / 100.0, raise_ / 100.0, inflation / 100.0
    S = float(salary)
    B = float(balance)
    C = S * (c + k)
    I = money((B + C) * r)
    T = C + B
    V = float(I) + B + C
    V = V - V * f
    rows = [(1, money(S), money(C), I, money(V), money(B + C))]
    Cc = money(C)
    for y in range(2, years + 1):
        S = S + S * s
        Cc = money(float(Cc) + float(Cc) * s)
        C = float(Cc)
        base = V + C
        I = money(base * r)
        V = base + float(I)
        V = V - V * f
        T += C
        rows.append((y, money(S), money(C), I, money(V), money(base)))
    total = money(T)
    final = money(V)
    return rows, (total, final - total, final)


def show(label, args, years_shown, single_rate=True):
    rows, totals = plan(*args, single_rate=single_rate)
    print(label, "(single)" if single_rate else "(double)")
    for y in years_shown:
        _, S, C, I, V, base = rows[y - 1]
        print("  year", y, printed(S), printed(C), printed(I), printed(V), "| base", printed(base),
              "|", S, C, I, V)
    print("  totals", *map(printed, totals), "|", *totals)


if __name__ == "__main__":
    defaults = (10000, 50000, 5, 4, 4, 10, 0, 25)
    show("defaults", defaults, (1, 2, 25))
    show("inflation 3 %", (10000, 50000, 5, 4, 4, 10, 3, 25), (1, 2, 25))
    show("company 0, raise 0", (10000, 50000, 5, 0, 0, 10, 0, 3), (1, 2, 3))
    show("balance 1.01", (1.01, 50000, 5, 4, 4, 10, 0, 2), (1, 2))
    for sr in (True, False):
        show("17.5 % for 50 years", (250000, 900000, 10, 5, 6, 17.5, 0, 50), (49, 50), sr)
