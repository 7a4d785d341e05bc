"""Plots a laboratory report's measured points over the best-ranked oil family, untuned and
tuned to it: docs/lab-match.png in the README.

Usage (from the repository, with the module built):
    PYTHONPATH=build/release/python /usr/bin/python3 examples/lab/plot_match.py [LAB CASE OUT]
"""
import sys
from pathlib import Path

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt
import numpy as np
import tarnvik

here = Path(__file__).resolve().parent
lab_path, case_path, out = (sys.argv[1:4] if len(sys.argv) == 4 else
                            (here / "duvernay-04-12-230F.csv", here / "duvernay-04-12-case.csv",
                             here.parent.parent / "docs" / "lab-match.png"))
case = tarnvik.read_cases(case_path)[0]
lab = tarnvik.read_lab(lab_path)
best = tarnvik.rank_oil(case, lab)[0]["family"]
untuned = tarnvik.Case(case, oil=best)
tuned = tarnvik.tune(case, lab, family=best)

pressures = np.linspace(14.7, max(p["pressure"] for p in lab.points), 200)
curves = {name: tarnvik.pressure_table(c, pressures).to_frame() for name, c in (("untuned", untuned), ("tuned", tuned))}
panels = (("rs", "Solution GOR [MCF/STB]", 1e-3), ("bo", "Oil FVF [RB/STB]", 1),
          ("oil_viscosity", "Oil viscosity [cp]", 1), ("z", "Gas z-factor", 1))
fig, axes = plt.subplots(2, 2, figsize=(10, 7), sharex=True)
for ax, (name, label, scale) in zip(axes.flat, panels):
    ax.plot(curves["untuned"].pressure, curves["untuned"][name], "--", color="0.55", label=f"{best}, untuned")
    ax.plot(curves["tuned"].pressure, curves["tuned"][name], color="tab:blue", label=f"{best}, tuned")
    points = [(p["pressure"], p[name] * scale) for p in lab.points if p.get(name) is not None]
    if points:
        ax.plot(*zip(*points), "o", color="tab:red", markersize=5, label="measured")
    ax.set_ylabel(label)
    ax.grid(alpha=0.3)
for ax in axes[1]:
    ax.set_xlabel("Pressure [psia]")
axes[0, 0].legend(fontsize=8)
fig.suptitle(lab.source, fontsize=10)
fig.tight_layout()
fig.savefig(out, dpi=90)
print(f"wrote {out}")
