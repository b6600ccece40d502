#!/usr/bin/env python3
"""Retirement income worked out apart from the program, for the figures its tests pin.

Written from the calculation's own rules, not from its code. Money is a count of ten-thousandths:
a double stored into it is first taken to 15 significant digits, then rounded half to even; the
product of two amounts is rounded half to even. The growth rate g is percent / 100 in a 32-bit
float; with `single=False` it is a double instead, and the monthly rate is worked out without the
32-bit steps, to show what a double-precision calculation would print.

Percentage: W = (Int(V x p x 100) + 0.05) / 100; V' = (Int((V x (g - p) + V) x 100) + 0.05) / 100;
interest = V x g4 (g rounded to four decimals). Fixed amount: m = (1 + g)^(1/12) - 1 (1/12 and m in
32-bit floats), m4 = m to four decimals; a month: i = V x m4, N = i + V - M, V = N as money; full
years while N > 12 M, at most 50; then a final year of Int(N / M) months that withdraws all that
was left plus its interest and leaves nothing.

    python3 tests/tools/retirement_income.py
"""
import math
import struct
from decimal import Decimal, ROUND_HALF_EVEN, ROUND_HALF_UP, getcontext

getcontext().prec = 60
Q = Decimal("0.0001")


def f32(x):
    return struct.unpack("<f", struct.pack("<f", x))[0]


def money(x):
    """A double stored as money."""
    if isinstance(x, Decimal):
        return x.quantize(Q, ROUND_HALF_EVEN)
    d = Decimal(format(x, ".15g")) if abs(x) < 1e11 else Decimal(x)
    return d.quantize(Q, ROUND_HALF_EVEN)


def printed(m):
    """An amount as the picture "####,,###.00" shows it (no leading zero)."""
    d = Decimal(m).quantize(Decimal("0.01"), ROUND_HALF_UP) + 0  # no negative zero
    text = "{:,.2f}".format(d)
    return text[1:] if text.startswith("0.") else text


def percentage(capital, rate, withdrawn, years, single=True):
    g = f32(rate / 100.0) if single else rate / 100.0
    p = withdrawn / 100.0
    g4 = money(g)
    V = money(Decimal(capital))
    rows, ti, tw = [], Decimal(0), Decimal(0)
    for y in range(1, years + 1):
        v = float(V)
        W = money((math.floor(v * p * 100) + 0.05) / 100)
        if W > V:
            return rows, None
        nxt = money((math.floor((v * (g - p) + v) * 100) + 0.05) / 100)
        I = money(V * g4)
        ti += I
        tw += W
        rows.append((y, I, W, nxt))
        V = nxt
    return rows, (years, ti, tw, V)


def monthly_rate(rate, single=True):
    if single:
        g = f32(rate / 100.0)
        m = f32(math.pow(f32(1 + g), f32(1.0 / 12)) - 1)
    else:
        m = math.pow(1 + rate / 100.0, 1.0 / 12) - 1
    return m


def fixed(capital, rate, monthly, single=True, four=True):
    m = monthly_rate(rate, single)
    m4 = money(m) if four else Decimal(m)
    M = monthly / 100 * 100
    W = 12 * M
    V = money(Decimal(capital))
    if W > float(V):
        return [], None
    rows, ti, tw = [], Decimal(0), Decimal(0)
    year = 1

    def month():
        nonlocal V, ti
        i = money(V * m4) if four else V * m4
        n = float(i + V) - M
        ti += i
        V = money(n)
        return i, n

    while True:
        yi = Decimal(0)
        for _ in range(12):
            i, N = month()
            yi += i
        rows.append((year, yi, money(W), money(N)))
        tw += money(W)
        year += 1
        if year == 51 or not N > W:
            break
    if year < 51:
        S = N
        yi = Decimal(0)
        for _ in range(int(math.floor(N / M))):
            i, N = month()
            yi += i
        last = money(Decimal(S) + yi)
        rows.append((year, yi, last, money(Decimal(N) - money(N))))
        tw += last
        year += 1
    return rows, (year - 1, ti, tw, rows[-1][3])


def show(label, rows, totals, which=None):
    print(label)
    for r in rows if which is None else [rows[i] for i in which]:
        print("  year", r[0], *map(printed, r[1:]), "|", *r[1:])
    if totals:
        print("  total", totals[0], *map(printed, totals[1:]), "|", *totals[1:])
    else:
        print("  refused")


if __name__ == "__main__":
    show("Percentage defaults 500,000.00 10 % 8 % 20 years:", *percentage(500000, 10, 8, 20), [0, 19])
    show("Help example 100,000.00 20 % 15 % 25 years:", *percentage(100000, 20, 15, 25), [0, 1, 24])
    show("100,000.00 at 17.5 % taking 15 %, 3 years:", *percentage(100000, 17.5, 15, 3))
    show("  the same with a double rate:", *percentage(100000, 17.5, 15, 3, single=False))
    show("101 % refused:", *percentage(100000, 10, 101, 20))
    m = monthly_rate(10)
    print("monthly rate at 10 %:", repr(m), money(m))
    show("Fixed 100,000.00 10 % 1,000.00:", *fixed(100000, 10, 1000), [0, 1, 15, 16])
    show("  with the unrounded monthly rate:", *fixed(100000, 10, 1000, four=False), [0, -1])
    show("Fixed 100,000.00 10 % 700.00 (50 years):", *fixed(100000, 10, 700), [0, 49])
    show("Fixed 100,000.00 10 % 1,500.00:", *fixed(100000, 10, 1500))
    show("Fixed 100,000.00 12 % 8,333.34 (refused):", *fixed(100000, 12, 8333.34))
    print("monthly rate at 46.87 %:", repr(monthly_rate(46.87)), "double:",
          repr(monthly_rate(46.87, single=False)))
    show("Fixed 100,000.00 46.87 % 5,000.00:", *fixed(100000, 46.87, 5000))
    show("  the same in double precision:", *fixed(100000, 46.87, 5000, single=False), [0, 1])
    show("Fixed 100,000.00 10 % 806.12 (year 50 leaves less than a year):",
         *fixed(100000, 10, 806.12), [49])
    show("Fixed 100,000.00 10 % 806.74 (runs out in year 50):", *fixed(100000, 10, 806.74),
         [48, 49])
