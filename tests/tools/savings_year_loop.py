#!/usr/bin/env python3
"""The savings plan's year loop worked out apart from the program, for the figures its tests pin.

Written from the plan's own rules, not from its code: interest = (value at the end of last year +
this year's investment) x rate, rounded half to even to ten-thousandths; the value at the end of
the year stays unrounded in double precision; the rate is single precision (percent / 100 stored
in a 32-bit float), or double precision to show what a double rate would print instead. Printed
amounts: the double at 15 significant digits, then rounded half away from zero to cents.

    python3 tests/tools/savings_year_loop.py
"""
import struct
from decimal import Decimal, ROUND_HALF_EVEN, ROUND_HALF_UP, getcontext

getcontext().prec = 60


def single(x):
    return struct.unpack("<f", struct.pack("<f", x))[0]


def money(x):
    """A double stored as money: exact binary value, half to even at four decimals."""
    return Decimal(x).quantize(Decimal("0.0001"), ROUND_HALF_EVEN)


def printed(m):
    d = Decimal(format(float(m), ".15g")).quantize(Decimal("0.01"), ROUND_HALF_UP)
    text = "{:,.2f}".format(d)
    return text[1:] if text.startswith("0.") else text


def plan(lump, annual, rate_percent, years, single_rate=True):
    r = single(rate_percent / 100.0) if single_rate else rate_percent / 100.0
    a = Decimal(annual)
    first = a + Decimal(lump)
    interest = money(float(first) * r)
    invested = first
    value = float(interest + first)
    rows = [(1, first, interest, money(value))]
    for y in range(2, years + 1):
        base = value + float(a)
        interest = money(base * r)
        value = base + float(interest)
        invested += a
        rows.append((y, a, interest, money(value)))
    final = money(value)
    return rows, (invested, final - invested, final)


def show(label, lump, annual, rate, years, single_rate):
    rows, totals = plan(lump, annual, rate, years, single_rate)
    print(label)
    for y, a, i, v in rows[-2:]:
        print("  year", y, printed(a), printed(i), printed(v), "|", a, i, v)
    print("  totals", *map(printed, totals), "|", *totals)


if __name__ == "__main__":
    show("17.5 % for 50 years, single-precision rate:", "0", "1000", 17.5, 50, True)
    show("the same with a double rate (what the test must not see):", "0", "1000", 17.5, 50, False)
    show("lump sum 123,456,789,012.34 at 20 % for 25 years:", "123456789012.34", "1000", 20, 25,
         True)
