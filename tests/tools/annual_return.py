#!/usr/bin/env python3
"""The sample portfolio's money-weighted returns worked out apart from the program.

Written from the records' meaning, not from the program's code: the cash of each record comes from
its type, price, shares, fee and cash dividend (its stored book value is not read): a purchase pays
price x shares + fee, a sale brings price x shares - fee, a cash dividend brings the dividend, a
cash fee pays the fee; dividends paid in shares and units sold for a fee move no cash. The shares
still held are valued at one price on the price date. The rate solves
sum(cash / (1 + r) ** (days / 365)) = 0 by plain bisection; a holding of under a year gives the
return of the period instead (time in parts of the period).

    python3 tests/tools/annual_return.py [FILE.WMS] [PRICE] [YYYY-MM-DD]
"""
import csv
import datetime
import sys
from decimal import Decimal

path = sys.argv[1] if len(sys.argv) > 1 else "resources/samples/Dtasampl.WMS"
price = Decimal(sys.argv[2] if len(sys.argv) > 2 else "20")
on = datetime.date.fromisoformat(sys.argv[3] if len(sys.argv) > 3 else "1998-12-31")

rows = list(csv.reader(open(path, encoding="cp1252").read().splitlines()))
records, funds = int(rows[0][0]), int(rows[0][1])
names = [rows[1 + k][0] for k in range(funds)]
flows = {k: [] for k in range(1, funds + 1)}
shares = {k: Decimal(0) for k in range(1, funds + 1)}
for row in rows[1 + funds:1 + funds + records]:
    fund, p, n, fee, div = int(row[0]), *(Decimal(x) for x in row[1:5])
    code, when = row[6], datetime.date.fromisoformat(row[7].strip("#"))
    cash = {"B": -(p * n + fee), "S": p * -n - fee, "C": div, "F": -fee}.get(code, Decimal(0))
    shares[fund] += n
    if cash:
        flows[fund].append((when, cash))


def solve(timed):
    def total(r):
        return sum(float(c) / (1 + r) ** t for t, c in timed)
    lo, hi = -0.9999, 100.0
    if total(lo) * total(hi) > 0:
        return None
    for _ in range(200):
        mid = (lo + hi) / 2
        if total(lo) * total(mid) <= 0:
            hi = mid
        else:
            lo = mid
    return (lo + hi) / 2


def report(name, fl, value):
    money_in = -sum(c for _, c in fl if c < 0)
    money_out = sum(c for _, c in fl if c > 0)
    start = min(d for d, _ in fl)
    end = on if value else max(d for d, _ in fl)
    fl = fl + ([(on, value)] if value else [])
    days = (end - start).days
    unit = 365 if days >= 365 else days
    rate = solve([((d - start).days / unit, c) for d, c in fl])
    text = "n/a" if rate is None else "%.2f%% %s" % (rate * 100, "year" if days >= 365 else "period")
    print("%-20s in %10.2f  out %9.2f  value %10.2f  gain %9.2f  years %5.2f  %s" % (
        name, money_in, money_out, value, value + money_out - money_in, days / 365, text))


everything = []
worth = Decimal(0)
for k in range(1, funds + 1):
    value = (shares[k] * price).quantize(Decimal("0.0001"))
    report(names[k - 1], flows[k], value)
    everything += flows[k]
    worth += value
report("Total:", everything, worth)
