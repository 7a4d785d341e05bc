// A laboratory report on an oil, as the calculation uses it: the reservoir temperature, the
// measured bubble point and the GOR at it, an optional separator test, and points at a
// series of pressures with whatever was measured there. Units are the correlations':
// psia, °F, SCF/STB, RB/STB, cp, 1/psi, RB/MCF. The file format is model/lab_file.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarnvik {

struct LabPoint {
  double pressure = 0;                       // psia
  std::optional<double> rs;                  // solution GOR, SCF/STB
  std::optional<double> bo;                  // oil formation volume factor, RB/STB
  std::optional<double> oilViscosity;        // cp
  std::optional<double> oilCompressibility;  // 1/psi
  std::optional<double> z;                   // gas deviation factor
  std::optional<double> bg;                  // gas formation volume factor, RB/MCF
  // Constant-composition expansion above the bubble point: the oil's volume over its volume
  // at the bubble point, V/Vsat.
  std::optional<double> relativeVolume;

  friend bool operator==(const LabPoint&, const LabPoint&) = default;
};

// The separator test at the bubble point: the stock-tank oil's formation volume factor
// Bofb and the separator plus stock-tank GOR Rsfb. With it, the points' Rs and Bo (and the
// header's GOR) are differential-liberation values, converted to separator conditions
// before use (AtSeparatorConditions).
struct SeparatorTest {
  double bo = 0;   // Bofb, RB/STB
  double gor = 0;  // Rsfb, SCF/STB

  friend bool operator==(const SeparatorTest&, const SeparatorTest&) = default;
};

struct LabData {
  std::string source;  // where the measurements come from, as the file names it
  double temperatureF = 0;
  double bubblePoint = 0;  // psia, measured
  double gor = 0;          // SCF/STB, the GOR at the bubble point (the differential one with a separator test)
  std::optional<SeparatorTest> separator;
  // The stock-tank oil and the gas of the report, where it gives them; otherwise the case's.
  std::optional<double> apiGravity;
  std::optional<double> gasGravity;
  // The dead oil's viscosity at the report's temperature and atmospheric pressure, cp, where
  // the report gives it apart from its points.
  std::optional<double> deadOilViscosity;
  std::vector<LabPoint> points;  // by strictly increasing pressure

  friend bool operator==(const LabData&, const LabData&) = default;
};

// The points at separator conditions, by the standard adjustment of differential-
// liberation data (Amyx, Bass and Whiting 1960; Moses, JPT 38(7) 1986 715-723,
// doi:10.2118/14247-PA):
//   Bo = Bod · Bofb / Bodb,   Rs = Rsfb − (Rsdb − Rsd) · Bofb / Bodb   (p ≤ pb)
//   Bo = Bod · Bofb / Bodb,   Rs = Rsfb                                 (p > pb)
// with Bodb the differential Bo of the point at the bubble point and Rsdb the header's
// GOR; the GOR becomes Rsfb and the separator test is consumed. Data without a separator
// test are returned as they are. False, with the reason, when Bodb is missing or an
// adjusted Rs comes out below 0.
bool AtSeparatorConditions(const LabData& data, LabData& adjusted, std::string& error);

}  // namespace tarnvik
