#!/usr/bin/env python3
"""The schedule with extra payments, worked out apart from the program, for the figures its tests
pin.

Written from the window's rules: the monthly rate e is the one of the level payment (see
mortgage_schedule.py); the regular payment is that payment rounded to the cent (halves up, as the
yearly total does). The balance starts at the amount borrowed, in cents. Each month the interest
is the balance in cents times e (a double), rounded half to even to the cent; the extra is the
fixed extra plus any lump sum at that payment; the principal repaid is payment + extra - interest.
When that would reach the balance, or in the term's last month, the month closes the loan: the
principal is the balance and interest + balance is paid, the regular payment first and the extra
with what is left (in the term's last month the payment also takes up what the extra leaves). A mortgage's table adds the months of each year.

    python3 tests/tools/mortgage_extras.py
"""
import math
import struct


def single(x):
    return struct.unpack("<f", struct.pack("<f", x))[0]


def cents_text(c):
    sign = "-" if c < 0 else ""
    c = abs(c)
    return "%s%s.%02d" % (sign, "{:,}".format(c // 100), c % 100)


def monthly_rate_and_payment(P, rate_percent, term, loan, m):
    r = single(rate_percent / 100.0)
    k = 12 // m
    years = term / 12.0 if loan else float(term)
    e = (1 + r / m) ** (1.0 / k) - 1
    D = 1 / (1 + r / m) ** (years * m)
    A = P * e / (1 - D)
    return e, A


def months(P, rate_percent, term, loan, m, extra=0.0, lumps=()):
    """Rows (month, payment, extra, interest, principal, balance), all in cents."""
    e, A = monthly_rate_and_payment(P, rate_percent, term, loan, m)
    payment = math.floor(A * 100 + 0.5)
    T = round(term) * (1 if loan else 12)
    B = round(P * 100)
    fixed = round(extra * 100)
    lump_at = {}
    for amount, at in lumps:
        lump_at[at] = lump_at.get(at, 0) + round(amount * 100)
    rows = []
    n = 0
    while B > 0 and n < T:
        n += 1
        interest = round(B * e)  # Python rounds a float half to even
        x = fixed + lump_at.get(n, 0)
        due = interest + B
        if payment + x >= due or n == T:
            p = max(min(payment, due), due - x)
            rows.append((n, p, due - p, interest, B, 0))
            B = 0
        else:
            principal = payment + x - interest
            B -= principal
            rows.append((n, payment, x, interest, principal, B))
    return rows


def table(rows, loan):
    if loan:
        return rows
    years = []
    for y in range(0, len(rows), 12):
        part = rows[y:y + 12]
        years.append((y // 12 + 1,) + tuple(sum(r[i] for r in part) for i in (1, 2, 3, 4)) +
                     (part[-1][5],))
    return years


def show(label, P, rate, term, loan, m, extra=0.0, lumps=()):
    base = months(P, rate, term, loan, m)
    rows = months(P, rate, term, loan, m, extra, lumps)
    ti0 = sum(r[3] for r in base)
    ti = sum(r[3] for r in rows)
    t = table(rows, loan)
    print(label)
    print("  payments", len(rows), "saved", len(base) - len(rows), "interest without",
          cents_text(ti0), "with", cents_text(ti), "saved", cents_text(ti0 - ti))
    for r in t[:2] + t[-2:]:
        print("  row", r[0], "payment", cents_text(r[1]), "extra", cents_text(r[2]), "interest",
              cents_text(r[3]), "principal", cents_text(r[4]), "balance", cents_text(r[5]))
    print("  totals payment", cents_text(sum(r[1] for r in rows)), "extra",
          cents_text(sum(r[2] for r in rows)), "interest", cents_text(ti), "principal",
          cents_text(sum(r[4] for r in rows)))


if __name__ == "__main__":
    show("100,000 at 10 % over 25 years, monthly; 100 a payment, 5,000 at payment 12",
         100000, 10, 25, False, 12, 100, [(5000, 12)])
    show("the same, no extras", 100000, 10, 25, False, 12)
    show("100,000 at 10 % over 25 years, semi-annually; 250 a payment", 100000, 10, 25, False, 2,
         250)
    show("loan 10,000 at 10 % over 48 months, bimonthly; 1,000 at 6 and 2,500 at 20", 10000, 10,
         48, True, 6, 0, [(1000, 6), (2500, 20)])
    show("loan 10,000 at 10 % over 12 months, monthly; 10,000 at payment 1", 10000, 10, 12, True,
         12, 0, [(10000, 1)])
