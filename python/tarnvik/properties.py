"""One property at a time: the oil, gas, water and rock steps of tarnvik.calculate alone.

For the users who need a z-factor or a Bo without nine inputs. Each function takes only
what its property depends on, numbers or numpy arrays broadcast against each other (a
float back for numbers, an array of the broadcast shape for arrays), and names the
correlations and units as calculate does: oil="Standing" (the default), "Glaso", ...;
gas="wet" (the default) or "dry"; rock="Hall", "Van der Knaap", "Yale et. al.",
"Newman"; units="field" (the default) or "metric". Each element is the very step
calculate takes for it, so the values equal calculate's wherever calculate gives one
(calculate also says when an input lies outside a correlation's data; these functions
do not). NaN where there is none: no oil (api 0) or no gas (gas_gravity 0), a z-factor
that cannot be computed, a value outside a correlation's domain.

Field units (metric with units="metric"):
    api [°API], gas_gravity [air = 1], temperature [°F; °C], pressure and bubble_point
    [psia; bara], gor: GOR at the bubble point [MCF/STB; sm3/sm3], salinity [% NaCl] or
    water_gravity [fresh water = 1], porosity [%], co2, h2s, n2 [mol % of the gas].
The results, in calculate's display units:
    rs, rsw [MCF/STB; sm3/sm3], bo, bw [RB/STB; rm3/sm3], bg [RB/MCF; rm3/sm3],
    oil_viscosity, gas_viscosity, water_viscosity [cp], z [-], bubble_point [psia; bara],
    cg, cw, cf [microsips = 1e-6/psi; 1e-5/bar].

threads: for arrays, the threads the elements run on (None, the default: every core).
"""

from . import _tarnvik

__all__ = [
    "bo", "bubble_point", "bw", "cf", "cg", "cw", "gas_properties", "gas_viscosity", "oil_properties",
    "oil_viscosity", "rs", "rsw", "water_properties", "water_viscosity", "z",
]

_INPUTS = ("api", "gas_gravity", "temperature", "pressure", "gor", "bubble_point", "porosity", "swc", "salinity",
           "water_gravity", "wor", "co2", "h2s", "n2")


def _run(step, units, threads, oil=None, gas=None, rock=None, formation=None, **numbers):
    inputs = tuple(numbers.get(name) for name in _INPUTS)
    values = _tarnvik._properties(step, inputs, (oil, gas, rock, formation, units), threads)
    return {name: float(array) if array.ndim == 0 else array for name, array in values.items()}


def _one_of(first, second, names):
    if first is None and second is None:
        raise ValueError(f"missing input: {names[0]} or {names[1]}")


def oil_properties(api, gas_gravity, temperature, pressure, *, gor=None, bubble_point=None, oil=None, units=None,
                   threads=None):
    """The oil at a pressure: a dict of rs, bo, oil_viscosity, bubble_point and gor.

    api           stock-tank oil gravity [°API]
    gas_gravity   gas specific gravity [air = 1]
    temperature   reservoir temperature [°F; °C with units="metric"]
    pressure      pressure [psia; bara]
    gor           GOR at the bubble point [MCF/STB; sm3/sm3], or else
    bubble_point  bubble-point pressure [psia; bara]
    oil           the oil family, as calculate names it (default "Standing")

    Returns rs [MCF/STB; sm3/sm3], bo [RB/STB; rm3/sm3], oil_viscosity [cp] at the
    pressure (the undersaturated Bo and viscosity above the bubble point), bubble_point
    [psia; bara] and gor, the GOR at the bubble point [MCF/STB; sm3/sm3]: floats, or
    arrays of the inputs' broadcast shape; NaN where there is none.
    """
    _one_of(gor, bubble_point, ("gor", "bubble_point"))
    return _run("oil", units, threads, oil=oil, api=api, gas_gravity=gas_gravity, temperature=temperature,
                pressure=pressure, gor=gor, bubble_point=bubble_point)


def bubble_point(api, gas_gravity, temperature, gor, *, oil=None, units=None, threads=None):
    """The bubble-point pressure [psia; bara with units="metric"] of an oil with the given GOR.

    api [°API], gas_gravity [air = 1], temperature [°F; °C], gor: the GOR at the bubble
    point [MCF/STB; sm3/sm3]; oil: the family (default "Standing"). A GOR of 0 is a dead
    oil, whose bubble point is atmospheric pressure (14.7 psia), as in calculate.
    """
    return _run("oil", units, threads, oil=oil, api=api, gas_gravity=gas_gravity, temperature=temperature, gor=gor,
                pressure=0)["bubble_point"]


def rs(api, gas_gravity, temperature, pressure, *, gor=None, bubble_point=None, oil=None, units=None, threads=None):
    """The solution gas-oil ratio Rs [MCF/STB; sm3/sm3 with units="metric"] at a pressure.

    api [°API], gas_gravity [air = 1], temperature [°F; °C], pressure [psia; bara], and
    gor (the GOR at the bubble point [MCF/STB; sm3/sm3]) or bubble_point [psia; bara]:
    above the bubble point Rs is the GOR at it. oil: the family (default "Standing").
    """
    return oil_properties(api, gas_gravity, temperature, pressure, gor=gor, bubble_point=bubble_point, oil=oil,
                          units=units, threads=threads)["rs"]


def bo(api, gas_gravity, temperature, pressure, *, gor=None, bubble_point=None, oil=None, units=None, threads=None):
    """The oil formation volume factor Bo [RB/STB; rm3/sm3 with units="metric"] at a pressure.

    api [°API], gas_gravity [air = 1], temperature [°F; °C], pressure [psia; bara], and
    gor (the GOR at the bubble point [MCF/STB; sm3/sm3]) or bubble_point [psia; bara]:
    above the bubble point, the saturated Bo shrunk by the family's compressibility.
    oil: the family (default "Standing").
    """
    return oil_properties(api, gas_gravity, temperature, pressure, gor=gor, bubble_point=bubble_point, oil=oil,
                          units=units, threads=threads)["bo"]


def oil_viscosity(api, gas_gravity, temperature, pressure, *, gor=None, bubble_point=None, oil=None, units=None,
                  threads=None):
    """The oil viscosity [cp] at a pressure: Beal's dead oil, Chew and Connally's live oil, and
    Beal's rise with pressure above the bubble point.

    api [°API], gas_gravity [air = 1], temperature [°F; °C with units="metric"], pressure
    [psia; bara], and gor (the GOR at the bubble point [MCF/STB; sm3/sm3]) or bubble_point
    [psia; bara]. oil: the family whose Rs is used (default "Standing").
    """
    return oil_properties(api, gas_gravity, temperature, pressure, gor=gor, bubble_point=bubble_point, oil=oil,
                          units=units, threads=threads)["oil_viscosity"]


def gas_properties(gas_gravity, temperature, pressure, *, gas=None, co2=None, h2s=None, n2=None, units=None,
                   threads=None):
    """The gas at a pressure: a dict of z, bg, gas_viscosity and cg.

    gas_gravity   gas specific gravity [air = 1]
    temperature   temperature [°F; °C with units="metric"]
    pressure      pressure [psia; bara]
    gas           "wet" (the default) or "dry": Standing's pseudo-critical properties
    co2, h2s, n2  carbon dioxide, hydrogen sulphide and nitrogen [mol %], 0 by default

    Returns z [-] (Hall and Yarborough), bg [RB/MCF; rm3/sm3], gas_viscosity [cp] (Lee,
    Gonzalez and Eakin) and cg [microsips; 1e-5/bar]: floats, or arrays of the inputs'
    broadcast shape; NaN where the z-factor cannot be computed.
    """
    return _run("gas", units, threads, gas=gas, gas_gravity=gas_gravity, temperature=temperature, pressure=pressure,
                co2=co2, h2s=h2s, n2=n2)


def z(gas_gravity, temperature, pressure, *, gas=None, co2=None, h2s=None, n2=None, units=None, threads=None):
    """The gas deviation factor z [-] (Hall and Yarborough).

    gas_gravity [air = 1], temperature [°F; °C with units="metric"], pressure [psia;
    bara]; gas "wet" (the default) or "dry"; co2, h2s, n2 [mol %], 0 by default.
    """
    return gas_properties(gas_gravity, temperature, pressure, gas=gas, co2=co2, h2s=h2s, n2=n2, units=units,
                          threads=threads)["z"]


def bg(gas_gravity, temperature, pressure, *, gas=None, co2=None, h2s=None, n2=None, units=None, threads=None):
    """The gas formation volume factor Bg [RB/MCF; rm3/sm3 with units="metric"].

    gas_gravity [air = 1], temperature [°F; °C], pressure [psia; bara]; gas "wet" (the
    default) or "dry"; co2, h2s, n2 [mol %], 0 by default.
    """
    return gas_properties(gas_gravity, temperature, pressure, gas=gas, co2=co2, h2s=h2s, n2=n2, units=units,
                          threads=threads)["bg"]


def gas_viscosity(gas_gravity, temperature, pressure, *, gas=None, co2=None, h2s=None, n2=None, units=None,
                  threads=None):
    """The gas viscosity [cp] (Lee, Gonzalez and Eakin; corrected for CO2, H2S and N2).

    gas_gravity [air = 1], temperature [°F; °C with units="metric"], pressure [psia;
    bara]; gas "wet" (the default) or "dry"; co2, h2s, n2 [mol %], 0 by default.
    """
    return gas_properties(gas_gravity, temperature, pressure, gas=gas, co2=co2, h2s=h2s, n2=n2, units=units,
                          threads=threads)["gas_viscosity"]


def cg(gas_gravity, temperature, pressure, *, gas=None, co2=None, h2s=None, n2=None, units=None, threads=None):
    """The gas compressibility [microsips = 1e-6/psi; 1e-5/bar with units="metric"], from z at
    the pressure and 5 psia either side.

    gas_gravity [air = 1], temperature [°F; °C], pressure [psia; bara]; gas "wet" (the
    default) or "dry"; co2, h2s, n2 [mol %], 0 by default.
    """
    return gas_properties(gas_gravity, temperature, pressure, gas=gas, co2=co2, h2s=h2s, n2=n2, units=units,
                          threads=threads)["cg"]


def water_properties(temperature, pressure, *, salinity=None, water_gravity=None, bubble_point=None, units=None,
                     threads=None):
    """The formation water at a pressure: a dict of rsw, bw, water_viscosity and cw.

    temperature    temperature [°F; °C with units="metric"]
    pressure       pressure [psia; bara]
    salinity       salinity [% NaCl by weight], or else
    water_gravity  the water's specific gravity [fresh water = 1]
    bubble_point   the pressure [psia; bara] at which the water took up its gas: the oil's
                   bubble point, as calculate takes it; by default the pressure itself
                   (water saturated with gas where it is)

    Returns rsw [MCF/STB; sm3/sm3], bw [RB/STB; rm3/sm3], water_viscosity [cp] (McCain)
    and cw [microsips; 1e-5/bar]: floats, or arrays of the inputs' broadcast shape.
    """
    _one_of(salinity, water_gravity, ("salinity", "water_gravity"))
    return _run("water", units, threads, temperature=temperature, pressure=pressure, salinity=salinity,
                water_gravity=water_gravity, bubble_point=bubble_point)


def rsw(temperature, pressure, *, salinity=None, water_gravity=None, bubble_point=None, units=None, threads=None):
    """The solution gas-water ratio Rsw [MCF/STB; sm3/sm3 with units="metric"].

    temperature [°F; °C], pressure [psia; bara], salinity [% NaCl] or water_gravity
    [fresh water = 1], bubble_point [psia; bara] (by default the pressure).
    """
    return water_properties(temperature, pressure, salinity=salinity, water_gravity=water_gravity,
                            bubble_point=bubble_point, units=units, threads=threads)["rsw"]


def bw(temperature, pressure, *, salinity=None, water_gravity=None, bubble_point=None, units=None, threads=None):
    """The water formation volume factor Bw [RB/STB; rm3/sm3 with units="metric"].

    temperature [°F; °C], pressure [psia; bara], salinity [% NaCl] or water_gravity
    [fresh water = 1], bubble_point [psia; bara] (by default the pressure).
    """
    return water_properties(temperature, pressure, salinity=salinity, water_gravity=water_gravity,
                            bubble_point=bubble_point, units=units, threads=threads)["bw"]


def water_viscosity(temperature, pressure, *, salinity=None, water_gravity=None, bubble_point=None, units=None,
                    threads=None):
    """The water viscosity [cp] (McCain: dead brine at 1 atm, times his pressure correction).

    temperature [°F; °C with units="metric"], pressure [psia; bara], salinity [% NaCl] or
    water_gravity [fresh water = 1], bubble_point [psia; bara] (by default the pressure).
    """
    return water_properties(temperature, pressure, salinity=salinity, water_gravity=water_gravity,
                            bubble_point=bubble_point, units=units, threads=threads)["water_viscosity"]


def cw(temperature, pressure, *, salinity=None, water_gravity=None, bubble_point=None, units=None, threads=None):
    """The water compressibility [microsips = 1e-6/psi; 1e-5/bar with units="metric"].

    temperature [°F; °C], pressure [psia; bara], salinity [% NaCl] or water_gravity
    [fresh water = 1], bubble_point [psia; bara] (by default the pressure).
    """
    return water_properties(temperature, pressure, salinity=salinity, water_gravity=water_gravity,
                            bubble_point=bubble_point, units=units, threads=threads)["cw"]


def cf(porosity, pressure, *, rock, formation=None, units=None, threads=None):
    """The formation (pore-volume) compressibility cf [microsips = 1e-6/psi; 1e-5/bar with
    units="metric"].

    porosity   porosity [% of bulk volume]
    pressure   pressure [psia; bara]; Yale et al.'s correlation uses it, the others do not
    rock       "Hall", "Van der Knaap", "Yale et. al." or "Newman"
    formation  for Newman and Yale et al.: "Consolidated Sands", "Friable Sands",
               "Unconsolidated Sands" or "Carbonates"

    NaN where the correlation gives none (Newman or Yale et al. without a formation type).
    """
    return _run("rock", units, threads, rock=rock, formation=formation, porosity=porosity, pressure=pressure)["cf"]
