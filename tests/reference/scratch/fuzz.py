"""Runs many odd inputs through the run to make sure nothing raises."""
import random, sys, itertools
sys.path.insert(0, "..")
import pvt_ref as r
vals = [0.0, -0.0, 1.0, -1.0, 30.0, 35.0, 0.7, 1e-300, 1e300, float("inf"), -float("inf"), -460.0, -200.0,
        5.0, 2000.0, 13616.0, 1e6, -5.0, 100.0, 0.02]
random.seed(1)
n = 0
for _ in range(60000):
    nums = [random.choice(vals) for _ in range(9)]
    sel = r.Selection(random.choice(["", "Consolidated Sands", "Friable Sands", "Unconsolidated Sands", "Carbonates"]))
    sel.oil = random.randrange(9)
    sel.gas = random.randrange(2)
    sel.rock = random.choice(["", "Hall", "Van der Knaap", "Newman", "Yale et. al."])
    res = r.run_calculation(sel, random.choice([r.GOR_MODE_TEXT, "x"]), random.choice([r.WATER_SG_TEXT, "y"]), nums)
    n += 1
print(n, "runs without exception")
