#!/usr/bin/env python3
"""Independent reference implementation of the Tarnvik PVT calculation.

Usage:  python3 pvt_ref.py [--formation TEXT] FILE

FILE holds case records, one per line, 15 comma-separated fields:
  1 title, 2 GOR/bubble-point selector text, 3 water selector text,
  4 oil correlation caption, 5 gas caption, 6 rock correlation caption,
  7..15 API gravity, gas gravity, T (F), p (psia), GOR (MCF/STB) or pb (psia),
        porosity (%), Swc (%), salinity (% NaCl) or water SG, WOR (STB/STB).
Text fields may be enclosed in double quotes; "" inside quotes is one quote.

The program prints one CSV row per record with the 21 window fields formatted
with their digit patterns and display units.

Conventions kept on purpose (to mirror a C++ double-precision program):
  * every power goes through the C library pow (math.pow), with the IEEE
    results C gives where Python would raise (negative base with fractional
    exponent -> nan, pow(0, negative) -> inf, overflow -> inf);
  * exp overflow -> inf, ln(0) -> -inf, ln(negative) -> nan;
  * x / 0.0 -> +-inf or nan;
  * decimal logarithm is ln(x) / ln(10);
  * absolute temperature is T + 460 unless a correlation says otherwise;
  * expressions are evaluated left to right as written in the formulas.
A quantity that was not computed in a run is held as None and counts as 0 in
later formulas.
"""

import math
import re
import sys

# ---------------------------------------------------------------------------
# IEEE-style arithmetic helpers
# ---------------------------------------------------------------------------

INF = float("inf")
NAN = float("nan")
LN10 = math.log(10.0)


def _is_odd_integer(y):
    return math.isfinite(y) and y == math.floor(y) and math.fmod(y, 2.0) != 0.0


def cpow(x, y):
    """pow(x, y) as the C library gives it (no exceptions)."""
    try:
        return math.pow(x, y)
    except OverflowError:
        if x < 0 and _is_odd_integer(y):
            return -INF
        return INF
    except ValueError:
        if x == 0.0:
            # pow(+-0, y < 0): +-inf for odd integer y (sign of zero), else +inf
            if _is_odd_integer(y):
                return math.copysign(INF, x)
            return INF
        return NAN  # negative finite base, non-integer exponent


def cexp(x):
    try:
        return math.exp(x)
    except OverflowError:
        return INF


def cln(x):
    """Natural logarithm: ln(+-0) = -inf, ln(negative) = nan."""
    if math.isnan(x):
        return NAN
    if x == 0.0:
        return -INF
    if x < 0.0:
        return NAN
    return math.log(x)


def clog10(x):
    """Decimal logarithm formed as ln x / ln 10."""
    return cln(x) / LN10


def cdiv(a, b):
    """a / b with IEEE results for a zero divisor."""
    try:
        return a / b
    except ZeroDivisionError:
        if math.isnan(a) or a == 0.0:
            return NAN
        return math.copysign(INF, a) * math.copysign(1.0, b)


def val(x):
    """A quantity not computed (None) counts as 0 in a formula."""
    return 0.0 if x is None else x


# ---------------------------------------------------------------------------
# Selections and selector texts
# ---------------------------------------------------------------------------

GOR_MODE_TEXT = "GOR MCF/STB"
WATER_SG_TEXT = "Water Specific Gravity"

STANDING, VAZQUEZ_BEGGS, GLASO, AL_MARHOUN, PETROSKY_FARSHAD, \
    DOKLA_OSMAN, FARSHAD, OBOMANU_OKPOBIRI, KARTOATMODJO_SCHMIDT = range(9)

OIL_PREFIXES = ["Sta", "Vaz", "Gla", "Al-", "Pet", "Dok", "Far", "Obo", "Kar"]

WET_GAS, DRY_GAS = 0, 1

LABEL_GOR_MODE = "Bubble Point Pressure, psia"
LABEL_PB_MODE = "     GOR MCF/STB"


class Selection:
    """The user's choice of oil family, gas characterisation, rock
    correlation and formation type."""

    def __init__(self, formation_type=""):
        self.oil = STANDING
        self.gas = WET_GAS
        self.rock = ""
        self.formation = formation_type

    def choose_oil_caption(self, caption):
        head = caption[:3]
        if head in OIL_PREFIXES:
            self.oil = OIL_PREFIXES.index(head)

    def choose_gas_caption(self, caption):
        if caption.startswith("Wet"):
            self.gas = WET_GAS
        elif caption.startswith("Dry"):
            self.gas = DRY_GAS

    def choose_rock(self, text):
        self.rock = text


# ---------------------------------------------------------------------------
# Oil: solution gas and bubble point
# ---------------------------------------------------------------------------

def oil_sg(api):
    """Stock-tank oil specific gravity 141.5 / (131.5 + API)."""
    return cdiv(141.5, 131.5 + api)


def calc_solution_gas(sel, gas_gravity, pressure, temperature_f, api, bubble_point):
    """Solution gas-oil ratio Rs [SCF/STB] at min(p, pb) by the chosen family.

    Arguments: gas gravity, pressure [psia], temperature [F], API,
    bubble-point pressure [psia].  Returns rs.
    """
    gg, T = gas_gravity, temperature_f
    pe = bubble_point if pressure > bubble_point else pressure
    tr = T + 460.0
    fam = sel.oil
    if fam == STANDING:
        return gg * cpow(cdiv(pe + 25.48, 18.2 * cpow(10.0, 0.00091 * T - 0.0125 * api)), 1.205)
    if fam == VAZQUEZ_BEGGS:
        if api > 30.0:
            return 0.0178 * gg * cpow(pe, 1.187) * cexp(cdiv(23.931 * api, tr))
        return 0.0362 * gg * cpow(pe, 1.0937) * cexp(cdiv(25.724 * api, tr))
    if fam == GLASO:
        inner = cpow(14.1811 - 3.3093 * clog10(pe), 0.5)
        bracket = cdiv(cpow(api, 0.989), cpow(T, 0.172)) * cpow(10.0, 2.8869 - inner)
        return gg * cpow(bracket, 1.2255)
    if fam == AL_MARHOUN:
        go = oil_sg(api)
        return cpow(185.843208 * cpow(gg, 1.87784) * cpow(go, -3.1437)
                    * cpow(tr, -1.32657) * pe, 1.398441)
    if fam == PETROSKY_FARSHAD:
        bracket = (pe / 112.727 + 12.34) * cpow(gg, 0.8439) \
            * cpow(10.0, 0.0007916 * cpow(api, 1.541) - 4.561e-05 * cpow(T, 1.3911))
        return cpow(bracket, 1.73184)
    if fam == DOKLA_OSMAN:
        go = oil_sg(api)
        return cpow(0.000119562 * pe * cpow(gg, 1.01049) * cpow(go, -0.107941)
                    * cpow(tr, 0.952584), 1.3811258)
    if fam == FARSHAD:
        return 0.01936 * cpow(pe, 1.1574) * cpow(gg, 0.73495) \
            * cpow(10.0, 0.000337 * T + 0.01771 * api)
    if fam == OBOMANU_OKPOBIRI:
        tk = (5.0 / 9.0) * (T + 460.0)
        tf = 1.8 * tk - 460.0
        num = 0.0308 * cpow(6.894 * pe, 0.927) * cpow(gg, 2.15) * cpow(api, 1.27)
        den = cpow(10.0, 0.881) * cpow(tf, 0.497)
        return cdiv(num, den) * 5.615
    if fam == KARTOATMODJO_SCHMIDT:
        if api > 30.0:
            return 0.0315 * cpow(gg, 0.7567) * cpow(pe, 1.0937) * cpow(10.0, cdiv(11.2895 * api, tr))
        return 0.05958 * cpow(gg, 0.7972) * cpow(pe, 1.0014) * cpow(10.0, cdiv(13.1405 * api, tr))
    raise ValueError("oil family index out of range")


def bubble_point_from_rsb(sel, gas_gravity, temperature_f, api, rsb):
    """Bubble-point pressure [psia] from Rsb [SCF/STB] (closed-form inverse)."""
    gg, T = gas_gravity, temperature_f
    tr = T + 460.0
    fam = sel.oil
    if fam == STANDING:
        return cpow(cdiv(rsb, gg), 1.0 / 1.205) * 18.2 \
            * cpow(10.0, 0.00091 * T - 0.0125 * api) - 25.48
    if fam == VAZQUEZ_BEGGS:
        if api > 30.0:
            return cpow(cdiv(56.18 * rsb, gg) * cpow(10.0, cdiv(-10.393 * api, tr)), 0.84246)
        return cpow(cdiv(27.62 * rsb, gg) * cpow(10.0, cdiv(-11.172 * api, tr)), 0.914328)
    if fam == GLASO:
        x = clog10(cpow(cdiv(rsb, gg), 0.816) * cpow(T, 0.172) * cpow(api, -0.989))
        return cpow(10.0, 1.7669 + 1.7447 * x - 0.30218 * cpow(x, 2.0))
    if fam == AL_MARHOUN:
        go = oil_sg(api)
        return 0.00538088 * cpow(rsb, 0.715082) * cpow(gg, -1.87784) \
            * cpow(go, 3.1437) * cpow(tr, 1.32657)
    if fam == PETROSKY_FARSHAD:
        term = cdiv(cpow(rsb, 0.5774)
                    * cpow(10.0, 4.561e-05 * cpow(T, 1.3911) - 0.0007916 * cpow(api, 1.541)),
                    cpow(gg, 0.8439))
        return 112.727 * (term - 12.34)
    if fam == DOKLA_OSMAN:
        go = oil_sg(api)
        return cdiv(cpow(rsb, 0.72405),
                    0.000119562 * cpow(gg, 1.01049) * cpow(go, -0.107941) * cpow(tr, 0.952584))
    if fam == FARSHAD:
        return cpow(cdiv(rsb, 0.01936 * cpow(gg, 0.73495)
                         * cpow(10.0, 0.000337 * T + 0.01771 * api)), 0.864)
    if fam == OBOMANU_OKPOBIRI:
        tk = (5.0 / 9.0) * (T + 460.0)
        tf = 1.8 * tk - 460.0
        group = cdiv(0.0308 * cpow(gg, 2.15) * cpow(api, 1.27),
                     cpow(10.0, 0.881) * cpow(tf, 0.497))
        return cpow(cdiv(rsb / 5.615, group), 1.0787) / 6.894
    if fam == KARTOATMODJO_SCHMIDT:
        if api > 30.0:
            return cpow(cdiv(rsb, 0.0315 * cpow(gg, 0.7567) * cpow(10.0, cdiv(11.2895 * api, tr))),
                        0.91433)
        return cpow(cdiv(rsb, 0.05958 * cpow(gg, 0.7972) * cpow(10.0, cdiv(13.1405 * api, tr))),
                    0.9986)
    raise ValueError("oil family index out of range")


def calc_bubble_point(sel, gor_mode, gas_gravity, pressure, temperature_f, api,
                      bubble_point_or_gor):
    """Bubble-point driver.

    Arguments: gas gravity, pressure [psia], temperature [F], API, and the
    entered GOR [MCF/STB] (GOR mode) or bubble-point pressure [psia].
    Returns (pb [psia], rsb [SCF/STB], rs [SCF/STB], caption of the pb label).
    """
    if gor_mode:
        label = LABEL_GOR_MODE
        rsb = 1000.0 * bubble_point_or_gor
        pb = bubble_point_from_rsb(sel, gas_gravity, temperature_f, api, rsb)
        rs = calc_solution_gas(sel, gas_gravity, pressure, temperature_f, api, pb)
    else:
        pb = bubble_point_or_gor
        rs = calc_solution_gas(sel, gas_gravity, pressure, temperature_f, api, pb)
        rsb = calc_solution_gas(sel, gas_gravity, pb, temperature_f, api, pb)
        label = LABEL_PB_MODE
    return pb, rsb, rs, label


# ---------------------------------------------------------------------------
# Oil: formation volume factor, undersaturated compressibility, viscosity
# ---------------------------------------------------------------------------

def calc_undersaturated_oil_compressibility(sel, rs, temperature_f, gas_gravity, api,
                                            pressure, bubble_point):
    """Undersaturated oil compressibility [1/psi] (pb is accepted, not used).

    Petrosky/Farshad family: Petrosky-Farshad form; every other family:
    Vazquez-Beggs form.
    """
    T, gg, p = temperature_f, gas_gravity, pressure
    if sel.oil == PETROSKY_FARSHAD:
        return 1.705e-07 * cpow(rs, 0.69357) * cpow(gg, 0.1885) * cpow(api, 0.3272) \
            * cpow(T, 0.6729) * cpow(p, -0.5906)
    return cdiv(5.0 * rs + 17.2 * T - 1180.0 * gg + 12.61 * api - 1433.0, 100000.0 * p)


def calc_oil_fvf(sel, gas_gravity, temperature_f, api, rs, pressure, bubble_point, co_prev):
    """Oil formation volume factor Bo [RB/STB] by the chosen family.

    Arguments: gas gravity, temperature [F], API, Rs [SCF/STB], pressure
    [psia], bubble-point pressure [psia], and the caller's current co.
    Returns (bo, co); co is replaced only when p > pb, then Bo is shrunk by
    exp(-co (p - pb)).
    """
    gg, T, p, pb = gas_gravity, temperature_f, pressure, bubble_point
    go = cdiv(141.5, api + 131.5)
    fam = sel.oil
    if fam == STANDING:
        f = rs * cpow(cdiv(gg, go), 0.5) + 1.25 * T
        bo = 0.9759 + 0.00012 * cpow(f, 1.2)
    elif fam == VAZQUEZ_BEGGS:
        if api > 30.0:
            c1, c2, c3 = 0.000467, 1.1e-05, 1.337e-09
        else:
            c1, c2, c3 = 0.0004677, 1.751e-05, -1.811e-08
        bo = 1.0 + c1 * rs + (T - 60.0) * cdiv(api, gg) * (c2 + c3 * rs)
    elif fam == GLASO:
        f = rs * cpow(cdiv(gg, go), 0.526) + 0.968 * T
        a = clog10(f)
        bo = 1.0 + cpow(10.0, -6.58511 + 2.91329 * a - 0.27683 * cpow(a, 2.0))
    elif fam == AL_MARHOUN:
        f = cpow(rs, 0.74239) * cpow(gg, 0.323294) * cpow(go, -1.20204)
        bo = 0.497069 + 0.000862963 * (T + 460.0) + 0.00182594 * f + 3.18099e-06 * cpow(f, 2.0)
    elif fam == PETROSKY_FARSHAD:
        x = cdiv(cpow(rs, 0.3738) * cpow(gg, 0.2914), cpow(go, 0.6265)) + 0.24626 * cpow(T, 0.5371)
        bo = 1.0113 + 7.2046e-05 * cpow(x, 3.0936)
    elif fam == DOKLA_OSMAN:
        f = cpow(rs, 0.773572) * cpow(gg, 0.40402) * cpow(go, -0.882605)
        bo = 0.0431935 + 0.00156667 * (T + 460.0) + 0.00139775 * f + 3.80525e-06 * cpow(f, 2.0)
    elif fam == FARSHAD:
        f = cpow(rs, 0.5956) * cpow(gg, 0.2369) * cpow(go, -0.13282) + 0.0976 * T
        bo = 1.0 + cpow(10.0, -2.6541 + 0.5516 * clog10(f) + 0.331 * clog10(cpow(f, 2.0)))
    elif fam == OBOMANU_OKPOBIRI:
        tk = (T + 460.0) * (5.0 / 9.0)
        rm = rs / 5.615
        if api > 30.0:
            bo = 0.3321 + 0.000788374 * rm + cdiv(0.002335 * rm * gg, go) + 0.0020855 * tk
        else:
            bo = 1.0232 + 0.0001065 * cpow(rm * (cdiv(gg, go) + 1.8 * tk - 459.67), 0.79)
    elif fam == KARTOATMODJO_SCHMIDT:
        f = cpow(rs, 0.755) * cpow(gg, 0.25) * cpow(go, -1.5) + 0.45 * T
        bo = 0.98496 + 0.0001 * cpow(f, 1.5)
    else:
        raise ValueError("oil family index out of range")

    co = co_prev
    if p > pb:
        co = calc_undersaturated_oil_compressibility(sel, rs, T, gg, api, p, pb)
        bo = bo * cexp(-co * (p - pb))
    return bo, co


def calc_oil_viscosity(api, temperature_f, rs, pressure, bubble_point):
    """Live-oil viscosity [cp]: Beal dead oil, Chew-Connally gas correction,
    and above the bubble point a linear undersaturated pressure term.

    Arguments: API, temperature [F], Rs [SCF/STB], pressure [psia], pb [psia].
    """
    T = temperature_f
    a = cpow(10.0, 0.43 + cdiv(8.33, api))
    mu_od = (0.32 + cdiv(18000000.0, cpow(api, 4.53))) * cpow(cdiv(360.0, T + 200.0), a)
    big_a = cpow(10.0, 2.2e-07 * cpow(rs, 2.0) - 0.00074 * rs)
    big_b = cdiv(0.68, cpow(10.0, 8.62e-05 * rs)) + cdiv(0.25, cpow(10.0, 0.0011 * rs)) \
        + cdiv(0.062, cpow(10.0, 0.00374 * rs))
    mu_o = big_a * cpow(mu_od, big_b)
    if pressure > bubble_point:
        ln_mu = cln(mu_o)
        s = 0.001 * cexp(0.091 * cpow(ln_mu, 2.0) + 0.98 * ln_mu - 2.68)
        mu_o = mu_o + s * (pressure - bubble_point)
    return mu_o


def calc_oil_compressibility(bo, bg, dp, bo_lower, bo_upper, rs_lower, rs_upper):
    """Saturated oil compressibility [1/psi] from central differences.

    co = (Bg / (1000 Bo)) (dRs/dp) - (1 / Bo) (dBo/dp), Bg in RB/MCF.
    """
    return cdiv(bg, 1000.0 * bo) * cdiv(rs_upper - rs_lower, dp) \
        - cdiv(1.0, bo) * cdiv(bo_upper - bo_lower, dp)


# ---------------------------------------------------------------------------
# Gas
# ---------------------------------------------------------------------------

Z_OK, Z_TPR_BELOW_1, Z_PPR_ABOVE_20_5, Z_NO_CONVERGENCE = 0, 1, 2, 3

Z_MESSAGES = {
    Z_TPR_BELOW_1: "pTr<1: z-factor Routine FAILS",
    Z_PPR_ABOVE_20_5: "pPr>20.5: z-factor Routine FAILS",
    Z_NO_CONVERGENCE: "No convergence: z-factor Routine FAILS",
}


def correct_for_impurities(tpc, ppc, impurities):
    """Pseudo-critical properties of a gas with CO2, H2S and N2 [mol %]: Carr,
    Kobayashi and Burrows' nitrogen adjustment (Tpc - 250 yN2, Ppc - 170 yN2), then
    Wichert and Aziz for the acid gases: e = 120 (A^0.9 - A^1.6) + 15 (B^0.5 - B^4)
    with A = yCO2 + yH2S and B = yH2S; Tpc' = Tpc - e, Ppc' = Ppc Tpc' / (Tpc +
    B (1 - B) e)."""
    co2, h2s, n2 = impurities
    if n2 != 0.0:
        tpc = tpc - 250.0 * (n2 / 100.0)
        ppc = ppc - 170.0 * (n2 / 100.0)
    if co2 != 0.0 or h2s != 0.0:
        a = (co2 + h2s) / 100.0
        b = h2s / 100.0
        eps = 120.0 * (cpow(a, 0.9) - cpow(a, 1.6)) + 15.0 * (cpow(b, 0.5) - cpow(b, 4.0))
        corrected = tpc - eps
        ppc = ppc * corrected / (tpc + b * (1.0 - b) * eps)
        tpc = corrected
    return tpc, ppc


def calc_z_factor(sel, gas_gravity, temperature_f, pressure, z_prev, bg_prev, impurities=(0.0, 0.0, 0.0)):
    """Hall-Yarborough z-factor and gas FVF Bg [RB/MCF].

    Pseudo-critical properties from the wet-gas or dry-gas gravity
    correlation.  Arguments: gas gravity, temperature [F], pressure [psia],
    and the caller's current z and Bg.  Returns (z, bg, status); on a
    non-zero status z and Bg are returned unchanged.
    """
    gg = gas_gravity
    T = temperature_f
    gg2 = gg * gg
    if sel.gas == DRY_GAS:
        tpc = 168.0 + 325.0 * gg - 12.5 * gg2
        ppc = 677.0 + 15.0 * gg - 37.5 * gg2
    else:
        tpc = 187.0 + 330.0 * gg - 71.5 * gg2
        ppc = 706.0 - 51.7 * gg - 11.1 * gg2

    tpc, ppc = correct_for_impurities(tpc, ppc, impurities)

    tpr = cdiv(T + 460.0, tpc)
    if tpr < 1.0:
        return z_prev, bg_prev, Z_TPR_BELOW_1
    t = cdiv(1.0, tpr)
    a = -0.06125 * t * cexp(-1.2 * cpow(1.0 - t, 2.0))
    b = 14.76 * t - 9.76 * cpow(t, 2.0) + 4.58 * cpow(t, 3.0)
    h = 90.7 * t - 242.2 * cpow(t, 2.0) + 42.4 * cpow(t, 3.0)
    d = 2.18 + 2.82 * t
    e = 29.52 * t - 19.52 * cpow(t, 2.0) + 9.16 * cpow(t, 3.0)
    g = 1.18 + 2.82 * t
    y = 0.001
    ppr = cdiv(pressure, ppc)
    if ppr > 20.5:
        return z_prev, bg_prev, Z_PPR_ABOVE_20_5

    converged = False
    for _ in range(100):
        f = a * ppr + cdiv(y + cpow(y, 2.0) + cpow(y, 3.0) - cpow(y, 4.0), cpow(1.0 - y, 3.0)) \
            - b * cpow(y, 2.0) + h * cpow(y, d)
        fp = cdiv(1.0 + 4.0 * y + 4.0 * cpow(y, 2.0) - 4.0 * cpow(y, 3.0) + cpow(y, 4.0),
                  cpow(1.0 - y, 4.0)) - e * y + h * d * cpow(y, g)
        y_new = y - cdiv(f, fp)
        # converged when the step is below 1e-5 and below 1e-7 of y (near atmospheric
        # pressure y itself is of the order of 1e-5)
        y, y_old = y_new, y
        if abs(y - y_old) < 1e-05 and abs(y - y_old) < 1e-07 * abs(y_old):
            converged = True  # keep y, the value after this step
            break
    if not converged or not (0.0 < y < 1.0):
        return z_prev, bg_prev, Z_NO_CONVERGENCE

    z = cdiv(-a * ppr, y)
    bg = cdiv(5.035 * z * (T + 460.0), pressure)
    return z, bg, Z_OK


def calc_gas_viscosity(gas_gravity, temperature_f, bg, impurities=(0.0, 0.0, 0.0)):
    """Gas viscosity [cp], Lee-Gonzalez-Eakin form; density from Bg [RB/MCF]; for a
    gas with impurities times (mu1 + corrections) / mu1, Standing's fits of Carr,
    Kobayashi and Burrows' atmospheric viscosity and its N2, CO2 and H2S corrections."""
    mu = _lee_gonzalez_eakin(gas_gravity, temperature_f, bg)
    co2, h2s, n2 = impurities
    if co2 == 0.0 and h2s == 0.0 and n2 == 0.0:
        return mu
    lg = math.log10(gas_gravity)
    mu1 = (1.709e-05 - 2.062e-06 * gas_gravity) * temperature_f + 0.008188 - 0.00615 * lg
    delta = (n2 / 100.0) * (0.00848 * lg + 0.00959) + (co2 / 100.0) * (0.00908 * lg + 0.00624) \
        + (h2s / 100.0) * (0.00849 * lg + 0.00373)
    return mu * ((mu1 + delta) / mu1)


def _lee_gonzalez_eakin(gas_gravity, temperature_f, bg):
    T = temperature_f
    ma = 28.9 * gas_gravity
    k = cdiv((9.4 + 0.02 * ma) * cpow(T + 460.0, 1.5), 209.0 + 19.0 * ma + T + 460.0)
    x = 3.5 + cdiv(986.0, T + 460.0) + 0.01 * ma
    y = 2.4 - 0.2 * x
    if bg != 0.0:
        rho = cdiv(0.00752 * ma, bg)
    else:
        rho = 1.0
    return 0.0001 * k * cexp(x * cpow(rho, y))


def calc_gas_compressibility(pressure, z, z_lower, z_upper, dp, cg_prev):
    """Gas compressibility cg = 1/p - (1/z) dz/dp [1/psi]; written only
    when z > 0, otherwise cg_prev is returned."""
    if not (z > 0.0):
        return cg_prev
    return cdiv(1.0, pressure) - cdiv(1.0, z) * cdiv(z_upper - z_lower, dp)


# ---------------------------------------------------------------------------
# Water
# ---------------------------------------------------------------------------

def calc_water_solution_gas(pressure, bubble_point, temperature_f, salinity):
    """Gas solubility in water [SCF/STB] with salinity correction, never < 0."""
    t, s = temperature_f, salinity
    a0 = 2.12 + 0.00345 * t - 3.59e-5 * cpow(t, 2.0)
    a1 = 0.0107 - 5.26e-5 * t + 1.48e-7 * cpow(t, 2.0)
    a2 = -8.75e-7 + 3.9e-9 * t - 1.02e-11 * cpow(t, 2.0)
    fs = 1.0 - s * (0.0753 - 0.000173 * t)
    if pressure > bubble_point and bubble_point != 0.0:
        pw = bubble_point
    else:
        pw = pressure
    rsw = (a0 + a1 * pw + a2 * cpow(pw, 2.0)) * fs
    if rsw < 0.0:
        rsw = 0.0
    return rsw


def calc_water_fvf(pressure, temperature_f, salinity):
    """Water formation volume factor [RB/STB] with salinity correction."""
    p, t, s = pressure, temperature_f, salinity
    e = 0.001996 * (t - 100.0) - 1.267606
    bw0 = 0.952 - 1.48e-6 * p + cpow(10.0, e)
    fs = 1.0 + s * (5.1e-8 * p + (t - 60.0) * (5.47e-6 - 1.95e-10 * p)
                    + cpow(t - 60.0, 2.0) * (-3.23e-8 + 8.5e-13 * p))
    return bw0 * fs


def calc_water_viscosity(temperature_f, salinity, pressure):
    """Water viscosity [cp], Kestin, Khalifa and Correia (1981) for NaCl brine with
    the pure water of Kestin, Sokolov and Wakeham (1978). With T in degC, P in GPa and
    the molality m = 1000 w / (58.4428 (1 - w)) mol/kg for the mass fraction w of NaCl:
      pure water at 0.1 MPa, d = 20 - T:
        log10(mu_w0 / 1.002) = d / (T + 96) (1.2378 - 1.303e-3 d + 3.06e-6 d^2
                                             + 2.55e-8 d^3)
      brine at 0.1 MPa: log10(mu_0 / mu_w0) = A + B log10(mu_w0 / 1.002),
        A = 0.3324e-1 m + 0.3624e-2 m^2 - 0.1879e-3 m^3,
        B = -0.396e-1 m + 0.102e-1 m^2 - 0.702e-3 m^3
      pressure: mu = mu_0 (1 + beta_w (P - 0.0001)), the pure-water coefficient
        beta_w = -1.297 + 5.74e-2 T - 6.97e-4 T^2 + 4.47e-6 T^3 - 1.05e-8 T^4 [1/GPa].
    No value for a negative salinity, for 100 % or more, or at or below -96 degC."""
    if salinity < 0.0 or salinity >= 100.0:
        return float("nan")
    tc = (temperature_f - 32.0) / 1.8
    if tc <= -96.0:
        return float("nan")
    w = salinity / 100.0
    m = 1000.0 * w / (58.4428 * (1.0 - w))
    p_gpa = pressure * 6894.757293168361 / 1e9
    d = 20.0 - tc
    log_water = d / (tc + 96.0) * (1.2378 - 1.303e-3 * d + 3.06e-6 * d ** 2
                                   + 2.55e-8 * d ** 3)
    mu_w0 = 1.002 * cpow(10.0, log_water)
    a = 0.3324e-1 * m + 0.3624e-2 * m ** 2 - 0.1879e-3 * m ** 3
    b = -0.396e-1 * m + 0.102e-1 * m ** 2 - 0.702e-3 * m ** 3
    mu_0 = mu_w0 * cpow(10.0, a + b * log_water)
    beta_w = (-1.297 + 5.74e-2 * tc - 6.97e-4 * tc ** 2 + 4.47e-6 * tc ** 3
              - 1.05e-8 * tc ** 4)
    return mu_0 * (1.0 + beta_w * (p_gpa - 0.0001))


def calc_water_compressibility(temperature_f, pressure, bubble_point, salinity, rsw):
    """Water compressibility [1/psi], with dissolved-gas correction at or
    below the bubble point and a salinity correction."""
    t, p, s = temperature_f, pressure, salinity
    b0 = 3.8546 - 0.000134 * p
    b1 = -0.01052 + 4.77e-7 * p
    b2 = 3.9267e-5 - 8.8e-10 * p
    cw = (b0 + b1 * t + b2 * cpow(t, 2.0)) * 1e-6
    if p <= bubble_point:
        cw = cw * (1.0 + 0.0089 * rsw)
    fs = 1.0 + (-0.052 + 0.00027 * t - 1.14e-6 * cpow(t, 2.0) + 1.121e-9 * cpow(t, 3.0)) \
        * cpow(s, 0.7)
    return cw * fs


# ---------------------------------------------------------------------------
# Rock
# ---------------------------------------------------------------------------

YALE_CONSTANTS = {
    #       K1    K2    K3     A          B       sigma0  D
    "Con": (0.85, 0.8, 0.45, -2.399e-5, 0.0623, 300.0, 4.308e-5),
    "Fri": (0.9, 0.9, 0.6, 1.054e-4, -0.225, 500.0, -1.103e-5),
    "Unc": (0.95, 0.95, 0.75, -2.805e-5, 0.1395, 300.0, 1.183e-4),
    "Car": (0.85, 0.85, 0.55, -2.399e-5, 0.0623, 300.0, 4.308e-5),
}


def calc_formation_compressibility(sel, porosity, pressure):
    """Pore-volume compressibility [1/psi] by Hall, Van der Knaap, Newman
    (porosity in percent) or Yale et al. (pressure).  Returns None when the
    chosen combination gives no value."""
    phi = porosity
    cf = None
    rock = sel.rock
    ftype = sel.formation[:3]
    # porosity correlations
    if phi <= 0.0:
        cf = 0.0
    elif rock == "Hall":
        cf = cdiv(13.392, cpow(phi, 0.438)) * 1e-6
    elif rock == "Van der Knaap":
        cf = cdiv(100.0, cpow(phi, 1.2)) * 1e-6
    elif rock == "Newman":
        if ftype == "Con":
            cf = cdiv(40.0, cpow(phi, 0.75)) * 1e-6
        elif ftype == "Fri":
            cf = cpow(10.0, 1.415 - 0.0073 * phi) * 1e-6
        elif ftype == "Unc":
            cf = cpow(10.0, 0.3405 + 0.03925 * phi) * 1e-6
        elif ftype == "Car":
            cf = cdiv(40.0, cpow(phi, 0.67)) * 1e-6
    # pressure correlation
    if rock == "Yale et. al." and ftype in YALE_CONSTANTS:
        k1, k2, k3, a, b, sigma0, d = YALE_CONSTANTS[ftype]
        sigma = pressure * (k1 - k2 + k3)
        if sigma - sigma0 > 0.0:
            cf = a * cpow(sigma - sigma0, b) + d
    return cf


# ---------------------------------------------------------------------------
# Densities, saturations, total compressibility
# ---------------------------------------------------------------------------

def calc_densities(api, gas_gravity, rs_mcf, bo, bw, bg, salinity):
    """Oil, gas and water densities [lb/ft3]; rs in MCF/STB.
    Returns (rho_o, rho_g, rho_w), None where its test fails.  A mass over a
    volume factor that is not finite is no density (NaN, out of range), not the
    zero that dividing by infinity gives."""
    def per(mass, volume):
        return cdiv(mass, volume) if math.isfinite(volume) else math.nan

    rho_o = rho_g = rho_w = None
    if api > 0.0:
        rho_o = per(cdiv(8829.6, 131.5 + api) + 13.56 * gas_gravity * rs_mcf, bo)
    if bw > 0.0:
        rho_w = per(62.4 + 0.47 * salinity, bw)
    if bg > 0.0:
        rho_g = per(13.56 * gas_gravity, bg)
    return rho_o, rho_g, rho_w


def calc_saturations(bo, bg, rsb, rs, bw, wor, swc, api, gas_gravity):
    """Oil, water and gas saturations [fractions of pore volume]."""
    d = bo + bg * (rsb - rs) / 1000.0 + bw * wor
    if d == 0.0:
        d = 1.0
    so = 0.0
    if api > 0.0:
        so = cdiv(bo * (1.0 - swc / 100.0), d)
    sw = cdiv(bw * wor * (1.0 - swc / 100.0), d) + swc / 100.0
    if api <= 0.0 and gas_gravity <= 0.0:
        sw = 1.0
    if api <= 0.0 and gas_gravity > 0.0:
        # a gas reservoir: connate water and gas; a water-oil ratio means nothing
        # without oil
        sw = swc / 100.0
    # with no gas free of the oil (above its bubble point), no gas saturation
    free = bg * (rsb - rs) == 0.0 and math.isfinite(so + sw)
    sg = 0.0 if api > 0.0 and free else 1.0 - so - sw
    return so, sw, sg


def calc_total_compressibility(so, sw, sg, co, cw, cg, cf):
    """Total compressibility ct = cf + So co + Sw cw + Sg cg [1/psi]."""
    return cf + so * co + sw * cw + sg * cg


# ---------------------------------------------------------------------------
# Text to number and number to text
# ---------------------------------------------------------------------------

_NUMBER_RE = re.compile(r"[+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?")


def text_to_number(text):
    """Leading numeric part of a text; spaces and tabs are removed first.
    No number gives 0; too large gives +-inf."""
    s = text.replace(" ", "").replace("\t", "")
    m = _NUMBER_RE.match(s)
    if not m:
        return 0.0
    return float(m.group(0))


def format_pattern(value, decimals):
    """Show a value through a digit pattern with the given number of
    decimals: correctly rounded, no leading zero, point always written,
    trailing zeros dropped, no minus sign on a value that rounds to zero."""
    s = format(value, ".%df" % decimals)
    negative = s.startswith("-")
    if negative:
        s = s[1:]
    if "." in s:
        int_part, frac_part = s.split(".")
    else:
        int_part, frac_part = s, ""
    int_part = int_part.lstrip("0")
    frac_part = frac_part.rstrip("0")
    sign = "-" if negative and (int_part or frac_part) else ""
    return sign + int_part + "." + frac_part


# ---------------------------------------------------------------------------
# Calculation run
# ---------------------------------------------------------------------------

OUTPUT_COLUMNS = [
    "rs", "bo", "oil_viscosity", "pbx", "z", "bg", "rsw", "co", "cg", "cw",
    "gas_viscosity", "bw", "water_viscosity", "oil_density", "gas_density",
    "water_density", "cf", "ct", "so", "sw", "sg",
]

HEADER = ["case", "title", "message", "pbx_label"] + OUTPUT_COLUMNS + ["out_of_range"]


class RunResult:
    def __init__(self):
        self.message = ""
        self.label = ""
        self.fields = [""] * len(OUTPUT_COLUMNS)
        self.out_of_range = []


def run_calculation(sel, gor_text, water_text, numbers, impurities=(0.0, 0.0, 0.0)):
    """One calculation run.  numbers: the nine inputs (API, gas gravity,
    T, p, GOR-or-pb, porosity, Swc, salinity-or-SG, WOR); impurities: CO2, H2S and
    N2 in the gas [mol %], from the record's @gas line."""
    api, gg, temp, p, gor_or_pb, porosity, swc, sal_or_sg, wor = numbers
    out = RunResult()
    gor_mode = (gor_text == GOR_MODE_TEXT)

    # results in calculation units; None = not computed
    rsb = rs = bo = mu_o = co = None
    z = bg = mu_g = cg = None
    pb = gor_or_pb

    # salinity
    if water_text == WATER_SG_TEXT:
        salinity = 62.4 * (sal_or_sg - 1.0) / 0.47
    else:
        salinity = sal_or_sg

    # an oil with no gas in solution (GOR mode, a GOR of 0, gas present)
    dead_oil = api > 0.0 and gg > 0.0 and gor_mode and gor_or_pb == 0.0

    # oil
    if api > 0.0:
        pb, rsb, rs, out.label = calc_bubble_point(sel, gor_mode, gg, p, temp, api, pb)
        if dead_oil:
            # no gas in solution: at its bubble point at atmospheric pressure
            pb = 14.7
            rs = 0.0
        if p > pb:
            rs = rsb
        bo, co = calc_oil_fvf(sel, gg, temp, api, rs, p, pb, co)
        mu_o = calc_oil_viscosity(api, temp, rs, p, pb)

    # gas
    if gg > 0.0:
        z, bg, status = calc_z_factor(sel, gg, temp, p, z, bg, impurities)
        if status != Z_OK:
            out.message = Z_MESSAGES[status]
            return out
        mu_g = calc_gas_viscosity(gg, temp, bg, impurities)
        dp = 10.0
        p_lower = p - dp / 2.0
        p_upper = p + dp / 2.0
        z_lower, _, st_lower = calc_z_factor(sel, gg, temp, p_lower, None, None, impurities)
        z_upper, _, st_upper = calc_z_factor(sel, gg, temp, p_upper, None, None, impurities)
        if st_lower == Z_OK and st_upper == Z_OK:
            cg = calc_gas_compressibility(p, z, z_lower, z_upper, dp, cg)
        elif st_upper == Z_OK:
            # lower neighbour failed: one-sided difference over 5 psi
            cg = calc_gas_compressibility(p, z, z, z_upper, dp / 2.0, cg)
        elif st_lower == Z_OK:
            # upper neighbour failed: one-sided difference over 5 psi
            cg = calc_gas_compressibility(p, z, z_lower, z, dp / 2.0, cg)
        # both neighbours failed: cg not computed

        # saturated oil (only with oil present)
        if api > 0.0 and p <= pb and not dead_oil:
            rs_lower = calc_solution_gas(sel, gg, p_lower, temp, api, pb)
            bo_lower, co = calc_oil_fvf(sel, gg, temp, api, rs_lower, p_lower, pb, co)
            rs_upper = calc_solution_gas(sel, gg, p_upper, temp, api, pb)
            bo_upper, co = calc_oil_fvf(sel, gg, temp, api, rs_upper, p_upper, pb, co)
            co = calc_oil_compressibility(bo, bg, dp, bo_lower, bo_upper, rs_lower, rs_upper)

    # water and rock; without oil a GOR is no bubble point, and the water is taken as
    # saturated at the reservoir pressure
    water_pb = p if (not (api > 0.0) and gor_mode) else pb
    rsw = calc_water_solution_gas(p, water_pb, temp, salinity)
    bw = calc_water_fvf(p, temp, salinity)
    mu_w = calc_water_viscosity(temp, salinity, p)
    cf = calc_formation_compressibility(sel, porosity, p)
    cw = calc_water_compressibility(temp, p, water_pb, salinity, rsw)

    # densities, saturations, total compressibility
    rho_o, rho_g, rho_w = calc_densities(api, gg, val(rs) / 1000.0, val(bo), bw, val(bg), salinity)
    so, sw, sg = calc_saturations(val(bo), val(bg), val(rsb), val(rs), bw, wor, swc, api, gg)
    # with gas present and no gas compressibility, there is no total compressibility
    # either; both are named as not computed
    not_computed = set()
    if gg > 0.0 and cg is None:
        not_computed = {"cg", "ct"}
        ct = None
    else:
        ct = calc_total_compressibility(so, sw, sg, val(co), cw, val(cg), val(cf))

    def scaled(x, factor, divide=False):
        if x is None:
            return None
        return x / factor if divide else x * factor

    if api <= 0.0:
        pbx = (None, 0)  # no oil, no bubble point
    elif gor_mode:
        pbx = (pb, 0)
    else:
        pbx = (scaled(rsb, 1000.0, True), 3)

    values = [
        (scaled(rs, 1000.0, True), 3),     # rsx   #.###
        (bo, 3),                            # box   #.###
        (mu_o, 2),                          # vox   ####.##
        pbx,                                # pbx   #####. or ##.###
        (z, 3),                             # zx    #.###
        (bg, 3),                            # bgx   ##.###
        (rsw / 1000.0, 3),                  # rswx  #.###
        (scaled(co, 1000000.0), 1),         # cox   ###.#
        (scaled(cg, 1000000.0), 1),         # cgx   ####.#
        (cw * 1000000.0, 1),                # cwx   ##.#
        (mu_g, 3),                          # vgx   #.###
        (bw, 3),                            # bwx   #.###
        (mu_w, 2),                          # vwx   ##.##
        (rho_o, 2),                         # odx   ####.##
        (rho_g, 2),                         # gdx   ####.##
        (rho_w, 2),                         # wdx   ####.##
        (scaled(cf, 1000000.0), 1),         # cfx   ###.#
        (scaled(ct, 1000000.0), 1),         # ctx   ####.#
        (so * 100.0, 1),                    # sox   ###.#
        (sw * 100.0, 1),                    # swx   ###.#
        (sg * 100.0, 1),                    # sgx   ###.#
    ]
    for i, (x, decimals) in enumerate(values):
        if OUTPUT_COLUMNS[i] in not_computed:
            out.fields[i] = ""
            out.out_of_range.append(OUTPUT_COLUMNS[i])
        elif x is None:
            out.fields[i] = ""
        elif not math.isfinite(x):
            out.fields[i] = ""
            out.out_of_range.append(OUTPUT_COLUMNS[i])
        else:
            out.fields[i] = format_pattern(x, decimals)
    return out


# ---------------------------------------------------------------------------
# Case file reading and CSV writing
# ---------------------------------------------------------------------------

def split_record(line):
    """Split one case record into its fields.  A field that starts with a
    double quote runs to the closing quote ("" inside it is one quote);
    anything between the closing quote and the next comma is kept."""
    fields = []
    i, n = 0, len(line)
    while True:
        buf = []
        if i < n and line[i] == '"':
            i += 1
            while i < n:
                c = line[i]
                if c == '"':
                    if i + 1 < n and line[i + 1] == '"':
                        buf.append('"')
                        i += 2
                        continue
                    i += 1
                    break
                buf.append(c)
                i += 1
        while i < n and line[i] != ",":
            buf.append(line[i])
            i += 1
        fields.append("".join(buf))
        if i >= n:
            break
        i += 1  # skip the comma
    return fields


def csv_field(text):
    if any(c in text for c in ',"\r\n'):
        return '"' + text.replace('"', '""') + '"'
    return text


def csv_line(fields):
    return ",".join(csv_field(f) for f in fields) + "\n"


def run_file(path, formation, stream):
    with open(path, "r", encoding="utf-8", errors="surrogateescape", newline="") as fh:
        lines = fh.read().splitlines()
    stream.write(csv_line(HEADER))
    # A line starting with @ belongs to the record before it; "@gas,1,CO2,H2S,N2" gives the
    # gas impurities [mol %].
    records = []
    for line in lines:
        if line.strip() == "":
            continue
        if line.startswith("@"):
            parts = line.split(",")
            if parts[0] == "@gas" and records:
                records[-1][1] = tuple(float(x) for x in parts[2:5])
            continue
        records.append([line, (0.0, 0.0, 0.0)])
    case_no = 0
    for line, impurities in records:
        case_no += 1
        fields = split_record(line)
        if len(fields) != 15:
            sys.stderr.write("record %d: %d fields (expected 15); missing fields read as empty\n"
                             % (case_no, len(fields)))
        fields = (fields + [""] * 15)[:15]
        title, gor_text, water_text, oil_cap, gas_cap, rock_cap = fields[:6]
        numbers = [text_to_number(t) for t in fields[6:15]]

        sel = Selection(formation)
        sel.choose_oil_caption(oil_cap)
        sel.choose_gas_caption(gas_cap)
        sel.choose_rock(rock_cap)

        res = run_calculation(sel, gor_text, water_text, numbers, impurities)
        row = [str(case_no), title, res.message, res.label] + res.fields \
            + [";".join(res.out_of_range)]
        stream.write(csv_line(row))


def main(argv):
    formation = ""
    args = list(argv[1:])
    path = None
    while args:
        a = args.pop(0)
        if a == "--formation":
            if not args:
                sys.stderr.write("--formation needs a value\n")
                return 2
            formation = args.pop(0)
        elif a.startswith("--formation="):
            formation = a[len("--formation="):]
        elif path is None:
            path = a
        else:
            sys.stderr.write("usage: pvt_ref.py [--formation TEXT] FILE\n")
            return 2
    if path is None:
        sys.stderr.write("usage: pvt_ref.py [--formation TEXT] FILE\n")
        return 2
    out = open(sys.stdout.fileno(), "w", encoding="utf-8", errors="surrogateescape",
               newline="", closefd=False)
    run_file(path, formation, out)
    out.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
