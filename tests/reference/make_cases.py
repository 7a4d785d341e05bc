#!/usr/bin/env python3
"""Writes ../data/oracle-cases.csv: the case records used as a cross-check set.

Each record: title, GOR selector text, water selector text, oil caption,
gas caption, rock caption, then nine number texts (API, gas gravity, T F,
p psia, GOR MCF/STB or pb psia, porosity %, Swc %, salinity or water SG,
WOR).  Text fields are written in double quotes ("" for a quote inside).
"""

GOR = "GOR MCF/STB"
BP = "Bubble Point Pressure psia"
SAL = "Salinity % NaCl"
SG = "Water Specific Gravity"

OIL = [
    "Standing : California Crudes",
    "Vazquez/Beggs : Worldwide Crudes",
    "Glaso : North Sea Crudes",
    "Al-Marhoun : Middle East Crudes",
    "Petrosky/Farshad : Gulf of Mexico Crudes",
    "Dokla/Osman : U.A.E. crudes",
    "Farshad : Columbian Crudes",
    "Obomanu/Okpobiri : Nigerian Crudes",
    "Kartoatmodjo/Schmidt : Worldwide Crudes",
]
SHORT = ["Standing", "Vazquez/Beggs", "Glaso", "Al-Marhoun", "Petrosky/Farshad",
         "Dokla/Osman", "Farshad", "Obomanu/Okpobiri", "Kartoatmodjo/Schmidt"]
WET, DRY = "Wet Gas", "Dry Gas"

cases = []


def add(title, gor_text, water_text, oil, gas, rock, api, gg, t, p, gor_pb,
        phi, swc, sal, wor, impurities=None):
    """impurities: CO2, H2S and N2 [mol %] texts, written as the record's @gas line."""
    cases.append([title, gor_text, water_text, oil, gas, rock,
                  api, gg, t, p, gor_pb, phi, swc, sal, wor, impurities])


# Per family: API, gas gravity, T
FAMILY_DATA = [
    ("35", "0.75", "180"),
    ("38", "0.80", "200"),
    ("32", "0.70", "160"),
    ("33", "0.85", "220"),
    ("36", "0.78", "190"),
    ("34", "0.90", "210"),
    ("28", "0.72", "170"),
    ("26", "0.82", "150"),
    ("40", "0.65", "230"),
]

# every family in GOR mode and in bubble-point mode, below and above pb
for i, (api, gg, t) in enumerate(FAMILY_DATA):
    add("%s GOR mode below pb" % SHORT[i], GOR, SAL, OIL[i], WET, "Hall",
        api, gg, t, "1200", "0.8", "22", "25", "3", "0.5")
    add("%s GOR mode above pb" % SHORT[i], GOR, SAL, OIL[i], WET, "Hall",
        api, gg, t, "4800", "0.45", "18", "20", "5", "1")
    add("%s pb mode below pb" % SHORT[i], BP, SAL, OIL[i], WET, "Van der Knaap",
        api, gg, t, "1500", "2800", "25", "30", "1.5", "0")
    add("%s pb mode above pb" % SHORT[i], BP, SAL, OIL[i], WET, "Hall",
        api, gg, t, "4000", "2200", "15", "18", "0", "2")

# pressure exactly equal to the bubble-point pressure (bubble-point mode)
for i in (0, 2, 4, 8):
    api, gg, t = FAMILY_DATA[i]
    add("%s p equals pb" % SHORT[i], BP, SAL, OIL[i], WET, "Hall",
        api, gg, t, "2500", "2500", "20", "25", "2", "0.3")

# API exactly 30 and a little above, families with an API split
for i in (1, 8, 7):
    add("%s API 30" % SHORT[i], GOR, SAL, OIL[i], WET, "Hall",
        "30", "0.75", "180", "1000", "0.6", "20", "25", "2", "0.5")
    add("%s API 30.01" % SHORT[i], GOR, SAL, OIL[i], WET, "Hall",
        "30.01", "0.75", "180", "1000", "0.6", "20", "25", "2", "0.5")
# API 30 above the bubble point (Vazquez/Beggs Bo constants)
add("Vazquez/Beggs API 30 above pb", BP, SAL, OIL[1], WET, "Hall",
    "30", "0.75", "180", "3500", "2000", "20", "25", "2", "0.5")
add("Vazquez/Beggs API 30.5 above pb", BP, SAL, OIL[1], WET, "Hall",
    "30.5", "0.75", "180", "3500", "2000", "20", "25", "2", "0.5")

# dry gas
add("Standing dry gas below pb", GOR, SAL, OIL[0], DRY, "Hall",
    "35", "0.75", "180", "1200", "0.8", "22", "25", "3", "0.5")
add("Glaso dry gas above pb", BP, SAL, OIL[2], DRY, "Hall",
    "32", "0.70", "160", "4000", "2200", "15", "18", "0", "2")
add("Gas only dry gas", BP, SAL, "", DRY, "Hall",
    "0", "0.65", "200", "3000", "0", "18", "25", "2", "0")

# rock correlations (Newman and Yale et. al. depend on the formation type)
add("Newman porosity 12", GOR, SAL, OIL[0], WET, "Newman",
    "35", "0.75", "180", "2000", "0.5", "12", "25", "2", "0.5")
add("Newman porosity 28", GOR, SAL, OIL[0], WET, "Newman",
    "35", "0.75", "180", "2000", "0.5", "28", "25", "2", "0.5")
add("Yale high pressure", GOR, SAL, OIL[0], WET, "Yale et. al.",
    "35", "0.75", "180", "3500", "0.5", "20", "25", "2", "0.5")
add("Yale low pressure", GOR, SAL, OIL[0], WET, "Yale et. al.",
    "35", "0.75", "180", "700", "0.5", "20", "25", "2", "0.5")
add("Yale at 600 psia", GOR, SAL, OIL[0], WET, "Yale et. al.",
    "35", "0.75", "180", "600", "0.5", "20", "25", "2", "0.5")
add("Yale porosity 0", GOR, SAL, OIL[0], WET, "Yale et. al.",
    "35", "0.75", "180", "3000", "0.5", "0", "25", "2", "0.5")
add("Van der Knaap porosity 30", GOR, SAL, OIL[0], WET, "Van der Knaap",
    "35", "0.75", "180", "2000", "0.5", "30", "25", "2", "0.5")
add("No rock correlation", GOR, SAL, OIL[0], WET, "",
    "35", "0.75", "180", "2000", "0.5", "20", "25", "2", "0.5")
add("No rock correlation porosity 0", GOR, SAL, OIL[0], WET, "",
    "35", "0.75", "180", "2000", "0.5", "0", "25", "2", "0.5")

# water specific gravity mode
for sg in ("1.025", "1.0", "0.98"):
    add("Water SG %s" % sg, GOR, SG, OIL[0], WET, "Hall",
        "35", "0.75", "180", "2000", "0.6", "20", "25", sg, "1")
add("Salinity 10", GOR, SAL, OIL[0], WET, "Hall",
    "35", "0.75", "180", "2000", "0.6", "20", "25", "10", "1")

# fluids absent
add("Oil absent GOR mode", GOR, SAL, OIL[0], WET, "Hall",
    "0", "0.7", "200", "2500", "0.6", "20", "25", "2", "1")
add("Oil absent pb mode p below pb", BP, SAL, OIL[0], WET, "Hall",
    "0", "0.7", "200", "2500", "3000", "20", "25", "2", "0")
add("Oil absent empty API field", BP, SAL, OIL[0], WET, "Hall",
    "", "0.7", "200", "2500", "2000", "20", "25", "2", "1")
add("Gas absent below pb", GOR, SAL, OIL[0], WET, "Hall",
    "35", "0", "180", "1200", "0.8", "22", "25", "3", "0.5")
add("Gas absent Standing pb mode below pb", BP, SAL, OIL[0], WET, "Hall",
    "35", "0", "180", "1500", "2800", "25", "30", "1.5", "0.5")
add("Gas absent Vazquez/Beggs pb mode below pb", BP, SAL, OIL[1], WET, "Hall",
    "38", "0", "200", "1500", "2800", "25", "30", "1.5", "0")
add("Gas absent above pb", BP, SAL, OIL[4], WET, "Hall",
    "36", "0", "190", "4000", "2200", "15", "18", "0", "2")
add("Neither oil nor gas", BP, SAL, OIL[0], WET, "Hall",
    "0", "0", "180", "3000", "2000", "20", "25", "3", "1")

# z-factor failures
add("Status 1 Tpr below 1", GOR, SAL, OIL[0], WET, "Hall",
    "35", "1.0", "-100", "2000", "0.6", "20", "25", "2", "0.5")
add("Status 2 Ppr above 20.5", GOR, SAL, OIL[0], WET, "Hall",
    "35", "0.7", "200", "15000", "0.6", "20", "25", "2", "0.5")
add("Status 3 Tpr 1.0 Ppr 3.6 no convergence", BP, SAL, OIL[0], WET, "Hall",
    "35", "0.7", "-77.035", "2391.7356", "2000", "20", "25", "2", "0.5")
add("p+5 fails Ppr above 20.5", BP, SAL, OIL[0], WET, "Hall",
    "35", "0.7", "200", "13616", "3000", "20", "25", "2", "0.5")
add("Ppr exactly 20.5 accepted", BP, SAL, OIL[0], WET, "Hall",
    "35", "0.7", "200", "13619.6055", "3000", "20", "25", "2", "0.5")
add("Tpr exactly 1 accepted p-5 no convergence", BP, SAL, OIL[0], WET, "Hall",
    "35", "0.7", "-77.035", "2325.2985", "2000", "20", "25", "2", "0.5")
add("Gas only p+5 fails", BP, SAL, "", WET, "Hall",
    "0", "0.7", "200", "13616", "0", "20", "25", "2", "0")

# text handling
add("Letters after number", GOR, SAL, OIL[0], WET, "Hall",
    "35", "0.75", "180", "2000", "0.6", "12abc", "25", "2", "0.5")
add('Title, with comma and "quote"', GOR, SAL, OIL[0], WET, "Hall",
    "35", "0.75", "180", "2000", "0.6", "20", "25", "2", "0.5")
add("Selector texts not exact", "gor mcf/stb", "Salinity or Sp. Gravity ?", OIL[0], WET, "Hall",
    "35", "0.75", "180", "1500", "2500", "20", "25", "2", "0.5")

# small GOR: Petrosky/Farshad gives a negative bubble-point pressure
add("Petrosky/Farshad tiny GOR", GOR, SAL, OIL[4], WET, "Hall",
    "36", "0.78", "190", "1000", "0.02", "20", "25", "2", "0.5")

# no gas in solution: the bubble point is atmospheric, Rs is 0 at every pressure
add("Dead oil Kartoatmodjo/Schmidt", GOR, SAL, OIL[8], WET, "Hall",
    "21.2", "0.8", "255.2", "3000", "0", "20", "25", "3", "0.5")
add("Dead oil Standing at atmospheric pressure", GOR, SAL, OIL[0], DRY, "Hall",
    "35", "0.75", "200", "14.7", "0", "20", "25", "3", "0.5")


# gas impurities: Wichert and Aziz, Carr, Kobayashi and Burrows
add("Sour gas of Ahmed's example", GOR, SAL, "", DRY, "",
    "0", "0.7", "160", "3500", "0", "20", "25", "3", "0.5", ("5", "10", "0"))
add("Oil with CO2 and N2 in its gas", GOR, SAL, OIL[0], WET, "Hall",
    "35", "0.75", "200", "3000", "0.5", "20", "25", "3", "0.5", ("2", "0", "3"))
add("H2S gas below the bubble point", BP, SAL, OIL[2], WET, "Hall",
    "30", "0.9", "180", "1500", "2500", "20", "25", "3", "0.5", ("0", "20", "0"))
add("Impurities beyond the data", GOR, SAL, "", WET, "",
    "0", "0.8", "250", "5000", "0", "20", "25", "3", "0.5", ("60", "0", "20"))


def quote(text):
    return '"' + text.replace('"', '""') + '"'


import os
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "oracle-cases.csv"), "w", newline="") as fh:
    for c in cases:
        fh.write(",".join([quote(x) for x in c[:6]] + c[6:15]) + "\r\n")
        if c[15]:
            fh.write("@gas,1," + ",".join(c[15]) + "\r\n")
print(len(cases), "cases written")
