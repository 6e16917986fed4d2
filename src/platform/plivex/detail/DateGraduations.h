// SPDX-License-Identifier: Apache-2.0
#pragma once

// The graduations of a time axis: dates read from text, a period between two
// graduations, and dates written with a format and the names of a language.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/plivex/detail/AxisGraduations.h"

class PbDateFormatMapping;

namespace plivex::detail {

// Seconds since 1-01-1970 00:00, read from "D-MM-YY" (day, month, year; '/'
// or '.' may stand for '-'), the year of two digits in 1970 to 2069, or of
// three or four digits as written (1 to 9999); a time of day "HH:MM" or
// "HH:MM:SS" may follow after blanks. Nothing for any other text, or a day,
// month or time that does not exist.
std::optional<int64_t> parseDate(std::string_view text);

// The date written as format says, with month and day names in language (the
// values of PoTimeAxis::language: English, French, German, Spanish):
// %d day (01-31), %m month (01-12), %y year (two digits), %Y year, %b and %B
// month name short and long, %a and %A day name short and long, %H hours,
// %M minutes, %S seconds, %% a percent sign; other characters as they are.
std::string formatDate(int64_t seconds, std::string_view format, int language);

// A whole number of one calendar unit: what lies between two graduations.
struct Period {
  enum class Unit { Second, Minute, Hour, Day, Week, Month, Year };
  Unit unit = Unit::Day;
  int64_t count = 1;
  // Of a month or year, on average.
  double seconds() const;
};
// A period written as "[COUNT] UNIT", the unit s, sec, second, min, minute, h,
// hour, d, day, w, week, month, y or year (a trailing s allowed); nothing for
// any other text or a count below 1.
std::optional<Period> parsePeriod(std::string_view text);

struct TimeOptions {
  bool fit = true;  // graduations at whole periods, else from the start date
  int language = 0;
  std::string_view period;  // timesPeriod; empty or unreadable: chosen
  const PbDateFormatMapping* mapping = nullptr;
  // gradRep: one date format per line of text; four lines at most, formats
  // cut after 1000 bytes.
  std::vector<std::string> lines;
  // The room a graduation's text takes along the axis, in axis lengths;
  // none: texts are not measured.
  std::function<double(const Graduation&)> room;
};
// Graduations from the start date to the end date, one every period: the
// given one when it makes at most kMaxTicks of them, else the shortest of
// 1, 2, 5, 10, 15, 30 seconds or minutes, 1, 2, 3, 6, 12 hours, 1, 2 days,
// a week, 1, 2, 3, 6 months, 1, 2, 5, 10, ... years that makes at most ten
// intervals and makes two graduations at least whose texts, each given a
// fifth more room than it takes, fit in the axis's length (failing that, the
// longest that leaves an interval).
// Each is written with the formats of lines, else the mapping's format for
// the period, else a default one for the unit. None when a date cannot be
// read.
Graduations timeGraduations(std::string_view startDate, std::string_view endDate,
                            const TimeOptions& options);

}  // namespace plivex::detail
