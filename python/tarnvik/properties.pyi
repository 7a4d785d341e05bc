"""Type stubs of tarnvik.properties: numbers give floats, arrays give float arrays."""

from typing import Literal, overload

import numpy as np
import numpy.typing as npt

_Units = Literal["field", "metric"] | None
_FloatArray = npt.NDArray[np.float64]

__all__ = [
    "bo", "bubble_point", "bw", "cf", "cg", "cw", "gas_properties", "gas_viscosity", "oil_properties",
    "oil_viscosity", "rs", "rsw", "water_properties", "water_viscosity", "z",
]

@overload
def oil_properties(  # type: ignore[misc]
    api: float,
    gas_gravity: float,
    temperature: float,
    pressure: float,
    *,
    gor: float | None = ...,
    bubble_point: float | None = ...,
    oil: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> dict[str, float]: ...
@overload
def oil_properties(
    api: npt.ArrayLike,
    gas_gravity: npt.ArrayLike,
    temperature: npt.ArrayLike,
    pressure: npt.ArrayLike,
    *,
    gor: npt.ArrayLike | None = ...,
    bubble_point: npt.ArrayLike | None = ...,
    oil: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> dict[str, _FloatArray]: ...
@overload
def rs(  # type: ignore[misc]
    api: float,
    gas_gravity: float,
    temperature: float,
    pressure: float,
    *,
    gor: float | None = ...,
    bubble_point: float | None = ...,
    oil: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> float: ...
@overload
def rs(
    api: npt.ArrayLike,
    gas_gravity: npt.ArrayLike,
    temperature: npt.ArrayLike,
    pressure: npt.ArrayLike,
    *,
    gor: npt.ArrayLike | None = ...,
    bubble_point: npt.ArrayLike | None = ...,
    oil: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> _FloatArray: ...
@overload
def bo(  # type: ignore[misc]
    api: float,
    gas_gravity: float,
    temperature: float,
    pressure: float,
    *,
    gor: float | None = ...,
    bubble_point: float | None = ...,
    oil: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> float: ...
@overload
def bo(
    api: npt.ArrayLike,
    gas_gravity: npt.ArrayLike,
    temperature: npt.ArrayLike,
    pressure: npt.ArrayLike,
    *,
    gor: npt.ArrayLike | None = ...,
    bubble_point: npt.ArrayLike | None = ...,
    oil: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> _FloatArray: ...
@overload
def oil_viscosity(  # type: ignore[misc]
    api: float,
    gas_gravity: float,
    temperature: float,
    pressure: float,
    *,
    gor: float | None = ...,
    bubble_point: float | None = ...,
    oil: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> float: ...
@overload
def oil_viscosity(
    api: npt.ArrayLike,
    gas_gravity: npt.ArrayLike,
    temperature: npt.ArrayLike,
    pressure: npt.ArrayLike,
    *,
    gor: npt.ArrayLike | None = ...,
    bubble_point: npt.ArrayLike | None = ...,
    oil: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> _FloatArray: ...
@overload
def bubble_point(  # type: ignore[misc]
    api: float,
    gas_gravity: float,
    temperature: float,
    gor: float,
    *,
    oil: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> float: ...
@overload
def bubble_point(
    api: npt.ArrayLike,
    gas_gravity: npt.ArrayLike,
    temperature: npt.ArrayLike,
    gor: npt.ArrayLike,
    *,
    oil: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> _FloatArray: ...
@overload
def gas_properties(  # type: ignore[misc]
    gas_gravity: float,
    temperature: float,
    pressure: float,
    *,
    co2: float | None = ...,
    h2s: float | None = ...,
    n2: float | None = ...,
    gas: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> dict[str, float]: ...
@overload
def gas_properties(
    gas_gravity: npt.ArrayLike,
    temperature: npt.ArrayLike,
    pressure: npt.ArrayLike,
    *,
    co2: npt.ArrayLike | None = ...,
    h2s: npt.ArrayLike | None = ...,
    n2: npt.ArrayLike | None = ...,
    gas: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> dict[str, _FloatArray]: ...
@overload
def z(  # type: ignore[misc]
    gas_gravity: float,
    temperature: float,
    pressure: float,
    *,
    co2: float | None = ...,
    h2s: float | None = ...,
    n2: float | None = ...,
    gas: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> float: ...
@overload
def z(
    gas_gravity: npt.ArrayLike,
    temperature: npt.ArrayLike,
    pressure: npt.ArrayLike,
    *,
    co2: npt.ArrayLike | None = ...,
    h2s: npt.ArrayLike | None = ...,
    n2: npt.ArrayLike | None = ...,
    gas: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> _FloatArray: ...
@overload
def bg(  # type: ignore[misc]
    gas_gravity: float,
    temperature: float,
    pressure: float,
    *,
    co2: float | None = ...,
    h2s: float | None = ...,
    n2: float | None = ...,
    gas: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> float: ...
@overload
def bg(
    gas_gravity: npt.ArrayLike,
    temperature: npt.ArrayLike,
    pressure: npt.ArrayLike,
    *,
    co2: npt.ArrayLike | None = ...,
    h2s: npt.ArrayLike | None = ...,
    n2: npt.ArrayLike | None = ...,
    gas: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> _FloatArray: ...
@overload
def gas_viscosity(  # type: ignore[misc]
    gas_gravity: float,
    temperature: float,
    pressure: float,
    *,
    co2: float | None = ...,
    h2s: float | None = ...,
    n2: float | None = ...,
    gas: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> float: ...
@overload
def gas_viscosity(
    gas_gravity: npt.ArrayLike,
    temperature: npt.ArrayLike,
    pressure: npt.ArrayLike,
    *,
    co2: npt.ArrayLike | None = ...,
    h2s: npt.ArrayLike | None = ...,
    n2: npt.ArrayLike | None = ...,
    gas: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> _FloatArray: ...
@overload
def cg(  # type: ignore[misc]
    gas_gravity: float,
    temperature: float,
    pressure: float,
    *,
    co2: float | None = ...,
    h2s: float | None = ...,
    n2: float | None = ...,
    gas: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> float: ...
@overload
def cg(
    gas_gravity: npt.ArrayLike,
    temperature: npt.ArrayLike,
    pressure: npt.ArrayLike,
    *,
    co2: npt.ArrayLike | None = ...,
    h2s: npt.ArrayLike | None = ...,
    n2: npt.ArrayLike | None = ...,
    gas: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> _FloatArray: ...
@overload
def water_properties(  # type: ignore[misc]
    temperature: float,
    pressure: float,
    *,
    salinity: float | None = ...,
    water_gravity: float | None = ...,
    bubble_point: float | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> dict[str, float]: ...
@overload
def water_properties(
    temperature: npt.ArrayLike,
    pressure: npt.ArrayLike,
    *,
    salinity: npt.ArrayLike | None = ...,
    water_gravity: npt.ArrayLike | None = ...,
    bubble_point: npt.ArrayLike | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> dict[str, _FloatArray]: ...
@overload
def rsw(  # type: ignore[misc]
    temperature: float,
    pressure: float,
    *,
    salinity: float | None = ...,
    water_gravity: float | None = ...,
    bubble_point: float | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> float: ...
@overload
def rsw(
    temperature: npt.ArrayLike,
    pressure: npt.ArrayLike,
    *,
    salinity: npt.ArrayLike | None = ...,
    water_gravity: npt.ArrayLike | None = ...,
    bubble_point: npt.ArrayLike | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> _FloatArray: ...
@overload
def bw(  # type: ignore[misc]
    temperature: float,
    pressure: float,
    *,
    salinity: float | None = ...,
    water_gravity: float | None = ...,
    bubble_point: float | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> float: ...
@overload
def bw(
    temperature: npt.ArrayLike,
    pressure: npt.ArrayLike,
    *,
    salinity: npt.ArrayLike | None = ...,
    water_gravity: npt.ArrayLike | None = ...,
    bubble_point: npt.ArrayLike | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> _FloatArray: ...
@overload
def water_viscosity(  # type: ignore[misc]
    temperature: float,
    pressure: float,
    *,
    salinity: float | None = ...,
    water_gravity: float | None = ...,
    bubble_point: float | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> float: ...
@overload
def water_viscosity(
    temperature: npt.ArrayLike,
    pressure: npt.ArrayLike,
    *,
    salinity: npt.ArrayLike | None = ...,
    water_gravity: npt.ArrayLike | None = ...,
    bubble_point: npt.ArrayLike | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> _FloatArray: ...
@overload
def cw(  # type: ignore[misc]
    temperature: float,
    pressure: float,
    *,
    salinity: float | None = ...,
    water_gravity: float | None = ...,
    bubble_point: float | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> float: ...
@overload
def cw(
    temperature: npt.ArrayLike,
    pressure: npt.ArrayLike,
    *,
    salinity: npt.ArrayLike | None = ...,
    water_gravity: npt.ArrayLike | None = ...,
    bubble_point: npt.ArrayLike | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> _FloatArray: ...
@overload
def cf(  # type: ignore[misc]
    porosity: float,
    pressure: float,
    *,
    rock: str,
    formation: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> float: ...
@overload
def cf(
    porosity: npt.ArrayLike,
    pressure: npt.ArrayLike,
    *,
    rock: str,
    formation: str | None = ...,
    units: _Units = ...,
    threads: int | None = ...,
) -> _FloatArray: ...
