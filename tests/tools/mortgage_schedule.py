#!/usr/bin/env python3
"""Mortgage and loan figures worked out apart from the program, for the figures its tests pin.

Written from the window's rules: the annual rate fraction is single precision (percent / 100
stored in a 32-bit float); with m compounding periods a year and k = 12 / m months each, the
monthly rate is e = (1 + r/m)^(1/k) - 1 and the discount factor D = 1 / (1 + r/m)^(N m) with N
in years (a loan's months / 12); the payment A = P e / (1 - D). Each month the interest is e
times the balance and the principal A less that interest. Rows hold the period's sums rounded
half to even to ten-thousandths; printed amounts are rounded half away from zero to cents.

    python3 tests/tools/mortgage_schedule.py
"""
import math
import struct
from decimal import Decimal, ROUND_HALF_EVEN, ROUND_HALF_UP


def single(x):
    return struct.unpack("<f", struct.pack("<f", x))[0]


def money(x):
    return Decimal(x).quantize(Decimal("0.0001"), ROUND_HALF_EVEN)


def printed(x):
    d = Decimal(format(float(x), ".15g")).quantize(Decimal("0.01"), ROUND_HALF_UP)
    text = "{:,.2f}".format(d)
    return text[1:] if text.startswith("0.") else text


def schedule(P, rate_percent, term, loan, m, single_rate=True):
    r = single(rate_percent / 100.0) if single_rate else rate_percent / 100.0
    k = 12 // m
    years = term / 12.0 if loan else float(term)
    e = (1 + r / m) ** (1.0 / k) - 1
    D = 1 / (1 + r / m) ** (years * m)
    A = P * e / (1 - D)
    B = P
    rows = []
    TI = TP = 0.0
    for t in range(1, round(term) + 1):
        I = Pp = 0.0
        for _ in range(1 if loan else 12):
            i = e * B
            p = A - i
            I += i
            Pp += p
            B -= p
        rows.append((t, money(I), money(Pp), money(B)))
        TI += I
        TP += Pp
    if TP > 0.5:
        TP = P
    yearly = math.floor(A * 100 + 0.5) / 100 * 12
    return A, yearly, rows, TI, TP


def show(label, *args, **kw):
    A, Y, rows, TI, TP = schedule(*args, **kw)
    print(label)
    print("  e-payment", printed(A), "yearly", printed(Y), "interest", printed(TI),
          "all", printed(TI + TP), "12 x payment", printed(12 * A))
    for t, I, Pp, B in rows[:2] + rows[-2:]:
        print("  row", t, printed(I), printed(Pp), printed(B))


if __name__ == "__main__":
    for m in (12, 6, 3, 2, 1):
        show("100,000 at 10 %% over 25 years, m = %d" % m, 100000, 10, 25, False, m)
    show("loan 10,000 at 10 % over 12 months, monthly", 10000, 10, 12, True, 12)
    show("loan 10,000 at 10 % over 13 months, quarterly", 10000, 10, 13, True, 3)
    show("loan 10,000 at 10 % over 480 months, monthly", 10000, 10, 480, True, 12)
    show("mortgage 5,000,000 at 7.3 % over 50 years, monthly (single)", 5000000, 7.3, 50,
         False, 12)
    show("mortgage 5,000,000 at 7.3 % over 50 years, monthly (double)", 5000000, 7.3, 50,
         False, 12, single_rate=False)
