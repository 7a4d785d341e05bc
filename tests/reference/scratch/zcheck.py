"""Spot check of the Hall-Yarborough z-factor of pvt_ref against the
Dranchuk-Abou-Kassem fit of the Standing-Katz chart (independent code)."""
import math, sys
sys.path.insert(0, "..")
import pvt_ref as r

def dak(tpr, ppr):
    A = [0, 0.3265, -1.0700, -0.5339, 0.01569, -0.05165, 0.5475, -0.7361, 0.1844, 0.1056, 0.6134, 0.7210]
    def rhs(z):
        rr = 0.27 * ppr / (z * tpr)
        return (1 + (A[1] + A[2]/tpr + A[3]/tpr**3 + A[4]/tpr**4 + A[5]/tpr**5) * rr
              + (A[6] + A[7]/tpr + A[8]/tpr**2) * rr**2
              - A[9] * (A[7]/tpr + A[8]/tpr**2) * rr**5
              + A[10] * (1 + A[11]*rr**2) * (rr**2/tpr**3) * math.exp(-A[11]*rr**2))
    # bisection on z - rhs(z) from above (largest root, the gas root)
    lo, hi = 0.25, 3.0
    for _ in range(200):
        mid = 0.5 * (lo + hi)
        if (mid - rhs(mid)) * (hi - rhs(hi)) > 0:
            hi = mid
        else:
            lo = mid
    return 0.5 * (lo + hi)

sel = r.Selection()
gg = 0.7
tpc = 187 + 330*gg - 71.5*gg*gg
ppc = 706 - 51.7*gg - 11.1*gg*gg
for tpr, ppr in [(1.5, 2.0), (1.5, 0.5), (1.2, 1.0), (1.3, 3.0), (2.0, 2.0), (1.1, 5.0), (1.8, 10.0), (3.0, 15.0)]:
    T = tpr*tpc - 460
    p = ppr*ppc
    z, bg, st = r.calc_z_factor(sel, gg, T, p, None, None)
    print("Tpr %.2f Ppr %5.2f  HY z = %.4f  DAK z = %.4f  status %d" % (tpr, ppr, z, dak(tpr, ppr), st))
