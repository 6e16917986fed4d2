// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/detail/AxisGraduations.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/plivex/PbNumericDisplayFormat.h"
#include "platform/plivex/detail/AxisGeometry.h"

namespace plivex::detail {

namespace {

constexpr std::string_view kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
constexpr std::string_view kTimes = "×";

// A whole number written out in full, whatever its size.
std::string wholeNumber(double value) {
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
  return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string();
}

// The t of value on a scale from lo to hi; 0 for a scale of no length.
double along(double value, double lo, double hi) { return hi == lo ? 0 : (value - lo) / (hi - lo); }

// The smallest of 1, 2 or 5 times a power of ten that is at least atLeast.
double roundStep(double atLeast) {
  const double power = std::pow(10.0, std::floor(std::log10(atLeast)));
  for (double factor : {1.0, 2.0, 5.0, 10.0})
    if (factor * power >= atLeast * (1 - 1e-9)) return factor * power;
  return 10 * power;
}

double roundDegrees(double range) {
  for (double step : {1.0, 2.0, 5.0, 10.0, 15.0, 30.0, 45.0, 90.0})
    if (range / step <= 12 + 1e-9) return step;
  return roundStep(range / 10);
}

using RoundStep = double (*)(double range);

std::vector<double> stepValues(double lo, double hi, double step, bool fit, RoundStep round) {
  if (!std::isfinite(lo) || !std::isfinite(hi)) return {};
  const double low = std::min(lo, hi), high = std::max(lo, hi), range = high - low;
  if (!std::isfinite(range)) return {};
  if (range == 0) return {lo};
  double stride = std::fabs(step);
  if (!(stride > 0) || !std::isfinite(stride) || range / stride > kMaxTicks) stride = round(range);
  std::vector<double> values;
  // A value within a millionth of a step of an end counts as on it; one within
  // a billionth of a step of 0 is 0.
  const auto keep = [&](double value) {
    values.push_back(std::fabs(value) < stride * 1e-9 ? 0 : value);
  };
  if (fit) {
    const double first = std::ceil(low / stride - 1e-6), last = std::floor(high / stride + 1e-6);
    for (int i = 0; first + i <= last && i < kMaxTicks; ++i) keep((first + i) * stride);
    if (hi < lo) std::reverse(values.begin(), values.end());
  } else {
    const double direction = hi >= lo ? 1 : -1;
    for (int i = 0; i * stride <= range + stride * 1e-6 && i < kMaxTicks; ++i)
      keep(lo + direction * i * stride);
  }
  return values;
}

// The power of ten factored out of values: that of the largest one when it is
// at least 10⁴ or below 10⁻², else 0.
int commonPower(const std::vector<double>& values) {
  double largest = 0;
  for (double value : values) largest = std::max(largest, std::fabs(value));
  if (largest >= 1e4 || (largest > 0 && largest < 1e-2))
    return static_cast<int>(std::floor(std::log10(largest)));
  return 0;
}

// digit times ten to the power exponent, in decimals: "2000", "0.02"; in the
// superscript form beyond fifteen places.
std::string decimalPower(int digit, double exponent) {
  const std::string lead(1, static_cast<char>('0' + digit));
  if (exponent >= 0 && exponent <= 15) return lead + std::string(std::size_t(exponent), '0');
  if (exponent < 0 && exponent >= -15)
    return "0." + std::string(std::size_t(-exponent - 1), '0') + lead;
  return (digit == 1 ? std::string() : lead + std::string(kTimes)) + tenPower(exponent);
}

}  // namespace

std::string tenPower(double exponent) {
  std::string text = "10";
  if (exponent < 0) text += "⁻";
  for (char digit : wholeNumber(std::fabs(exponent)))
    if (digit >= '0' && digit <= '9') text += kSuperscripts[digit - '0'];
  return text;
}

std::vector<double> evenValues(double lo, double hi, double step, bool fit) {
  return stepValues(lo, hi, step, fit, [](double range) { return roundStep(range / 10); });
}

std::vector<double> evenDegrees(double lo, double hi, double step, bool fit) {
  return stepValues(lo, hi, step, fit, roundDegrees);
}

Graduations linearGraduations(double lo, double hi, double step, bool fit,
                              const PbNumericDisplayFormat& format) {
  Graduations graduations;
  const std::vector<double> values = evenValues(lo, hi, step, fit);
  const int power = commonPower(values);
  for (double value : values)
    graduations.main.push_back(
        {along(value, lo, hi), formatNumber(value / std::pow(10.0, power), format), {}});
  if (power != 0) graduations.multFactor = std::string(kTimes) + tenPower(power);
  return graduations;
}

Graduations angleGraduations(double lo, double hi, double step, bool fit) {
  Graduations graduations;
  const std::vector<double> values = evenDegrees(lo, hi, step, fit);
  const PbNumericDisplayFormat format;
  for (double value : values) {
    if (std::fabs(value - values.front()) >= 360 - 1e-6) break;
    double angle = std::fmod(value, 360.0);
    if (angle < 0) angle += 360;
    if (angle >= 360 - 1e-9) angle = 0;
    graduations.main.push_back({along(value, lo, hi), formatNumber(angle, format) + "°", {}});
  }
  return graduations;
}

Graduations listGraduations(const std::vector<std::string>& texts) {
  Graduations graduations;
  const int count = std::min(static_cast<int>(texts.size()), kMaxTicks);
  for (int i = 0; i < count; ++i)
    graduations.main.push_back(
        {count == 1 ? 0.0 : double(i) / (count - 1), texts[std::size_t(i)], {}});
  return graduations;
}

Graduations logGraduations(double lo, double hi, const DecadeOptions& options) {
  Graduations graduations;
  graduations.hasOwnSubs = true;
  graduations.subStyle = options.decadeStyle;
  if (!std::isfinite(lo) || !std::isfinite(hi) || !std::isfinite(hi - lo)) return graduations;
  const double low = std::min(lo, hi), high = std::max(lo, hi);
  const double first = std::ceil(low - 1e-9), last = std::floor(high + 1e-9);
  // Wide ranges keep every stride-th decade, and no sub graduations.
  const double stride = std::max(1.0, std::ceil((last - first + 1) / kMaxTicks));
  std::vector<double> exponents;
  for (int i = 0; first + i * stride <= last && i < kMaxTicks; ++i)
    exponents.push_back(first + i * stride);

  const bool decimal = options.tenPowerRep == enumValue(kTenPowerRep, "DECIMAL");
  double factored = 0;
  if (decimal && !exponents.empty() && (exponents.back() > 4 || exponents.front() < -3))
    factored = exponents.front();
  for (double exponent : exponents)
    graduations.main.push_back({along(exponent, lo, hi),
                                decimal ? decimalPower(1, exponent - factored) : tenPower(exponent),
                                {}});
  if (factored != 0) graduations.multFactor = std::string(kTimes) + tenPower(factored);
  if (hi < lo) std::reverse(graduations.main.begin(), graduations.main.end());

  const int rep = options.decadeRep;
  std::vector<int> digits =
      options.listed ? options.inDecade : std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9};
  std::sort(digits.begin(), digits.end());
  digits.erase(std::unique(digits.begin(), digits.end()), digits.end());
  if (stride > 1) digits.clear();
  for (int i = 0; std::floor(low) + i <= high && i <= kMaxTicks && !digits.empty(); ++i) {
    const double decade = std::floor(low) + i;
    for (int digit : digits) {
      const double at = decade + std::log10(double(digit));
      if (at < low - 1e-9 || at > high + 1e-9 || graduations.sub.size() >= kMaxTicks) continue;
      std::string text;
      if (rep == enumValue(kDecadeRep, "AS_TEN_POWER"))
        text = std::to_string(digit) + std::string(kTimes) + tenPower(decade);
      else if (rep == enumValue(kDecadeRep, "DECIMAL"))
        text = decimalPower(digit, decade - factored);
      else if (rep == enumValue(kDecadeRep, "DIGIT"))
        text = std::to_string(digit);
      graduations.sub.push_back({along(at, lo, hi), text, {}});
    }
  }
  return graduations;
}

}  // namespace plivex::detail
