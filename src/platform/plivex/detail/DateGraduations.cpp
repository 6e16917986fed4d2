// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/detail/DateGraduations.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/plivex/PbDateFormatMapping.h"
#include "platform/plivex/detail/AxisGeometry.h"

namespace plivex::detail {

namespace {

constexpr int64_t kDay = 86400;

// Month and day names per language, days from Monday.
struct Names {
  std::string_view shortMonths[12];
  std::string_view longMonths[12];
  std::string_view shortDays[7];
  std::string_view longDays[7];
};

constexpr Names kNames[] = {
    {{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
     {"January", "February", "March", "April", "May", "June", "July", "August", "September",
      "October", "November", "December"},
     {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
     {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"}},
    {{"janv.", "févr.", "mars", "avr.", "mai", "juin", "juil.", "août", "sept.", "oct.", "nov.",
      "déc."},
     {"janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre",
      "octobre", "novembre", "décembre"},
     {"lun.", "mar.", "mer.", "jeu.", "ven.", "sam.", "dim."},
     {"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"}},
    {{"Jan.", "Feb.", "März", "Apr.", "Mai", "Juni", "Juli", "Aug.", "Sep.", "Okt.", "Nov.",
      "Dez."},
     {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober",
      "November", "Dezember"},
     {"Mo.", "Di.", "Mi.", "Do.", "Fr.", "Sa.", "So."},
     {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"}},
    {{"ene.", "feb.", "mar.", "abr.", "may.", "jun.", "jul.", "ago.", "sept.", "oct.", "nov.",
      "dic."},
     {"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto", "septiembre",
      "octubre", "noviembre", "diciembre"},
     {"lun.", "mar.", "mié.", "jue.", "vie.", "sáb.", "dom."},
     {"lunes", "martes", "miércoles", "jueves", "viernes", "sábado", "domingo"}},
};

int64_t floorDiv(int64_t a, int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

// Days since 1-01-1970 of a day of the proleptic Gregorian calendar, and back.
int64_t daysFromCivil(int64_t year, int month, int day) {
  year -= month <= 2;
  const int64_t era = floorDiv(year, 400);
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

struct Civil {
  int64_t year;
  int month, day;  // from 1
};

Civil civilFromDays(int64_t days) {
  days += 719468;
  const int64_t era = floorDiv(days, 146097);
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t shifted = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
  const int month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
  return {yearOfEra + era * 400 + (month <= 2), month, day};
}

int daysInMonth(int64_t year, int month) {
  return static_cast<int>(daysFromCivil(month == 12 ? year + 1 : year, month % 12 + 1, 1) -
                          daysFromCivil(year, month, 1));
}

// Reads digits at `at`: between 1 and maxDigits of them.
std::optional<int> digitsAt(std::string_view text, std::size_t& at, std::size_t maxDigits) {
  std::size_t count = 0;
  int value = 0;
  while (at < text.size() && count < maxDigits &&
         std::isdigit(static_cast<unsigned char>(text[at])))
    value = value * 10 + (text[at++] - '0'), ++count;
  if (count == 0) return std::nullopt;
  return value;
}

bool separatorAt(std::string_view text, std::size_t& at, std::string_view separators) {
  if (at >= text.size() || separators.find(text[at]) == std::string_view::npos) return false;
  ++at;
  return true;
}

std::string twoDigits(int64_t value) {
  return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

// The seconds of each unit but months and years.
constexpr int64_t kUnitSeconds[] = {1, 60, 3600, kDay, 7 * kDay};

// The periods an axis chooses from, shortest first.
constexpr Period kChoices[] = {
    {Period::Unit::Second, 1},  {Period::Unit::Second, 2},  {Period::Unit::Second, 5},
    {Period::Unit::Second, 10}, {Period::Unit::Second, 15}, {Period::Unit::Second, 30},
    {Period::Unit::Minute, 1},  {Period::Unit::Minute, 2},  {Period::Unit::Minute, 5},
    {Period::Unit::Minute, 10}, {Period::Unit::Minute, 15}, {Period::Unit::Minute, 30},
    {Period::Unit::Hour, 1},    {Period::Unit::Hour, 2},    {Period::Unit::Hour, 3},
    {Period::Unit::Hour, 6},    {Period::Unit::Hour, 12},   {Period::Unit::Day, 1},
    {Period::Unit::Day, 2},     {Period::Unit::Week, 1},    {Period::Unit::Month, 1},
    {Period::Unit::Month, 2},   {Period::Unit::Month, 3},   {Period::Unit::Month, 6},
    {Period::Unit::Year, 1},    {Period::Unit::Year, 2},    {Period::Unit::Year, 5},
    {Period::Unit::Year, 10},   {Period::Unit::Year, 20},   {Period::Unit::Year, 50},
    {Period::Unit::Year, 100},  {Period::Unit::Year, 200},  {Period::Unit::Year, 500},
    {Period::Unit::Year, 1000}, {Period::Unit::Year, 2000}, {Period::Unit::Year, 5000}};

// The unit words parsePeriod knows, singular.
constexpr std::pair<std::string_view, Period::Unit> kUnitWords[] = {
    {"s", Period::Unit::Second},      {"sec", Period::Unit::Second},
    {"second", Period::Unit::Second}, {"min", Period::Unit::Minute},
    {"minute", Period::Unit::Minute}, {"h", Period::Unit::Hour},
    {"hour", Period::Unit::Hour},     {"d", Period::Unit::Day},
    {"day", Period::Unit::Day},       {"w", Period::Unit::Week},
    {"week", Period::Unit::Week},     {"month", Period::Unit::Month},
    {"y", Period::Unit::Year},        {"year", Period::Unit::Year}};

// The start of the month index months after January of year 0.
int64_t monthStart(int64_t index) {
  const int64_t year = floorDiv(index, 12);
  return daysFromCivil(year, static_cast<int>(index - year * 12) + 1, 1) * kDay;
}

constexpr int64_t kLastYear = 9999;

// The times of the graduations from lo to hi, from lo's end.
std::vector<int64_t> graduationTimes(int64_t lo, int64_t hi, const Period& period, bool fit) {
  const int64_t low = std::min(lo, hi), high = std::max(lo, hi);
  // Fitted graduations run up from low, the others from lo toward hi.
  const int64_t from = fit ? low : lo;
  const int64_t direction = fit || hi >= lo ? 1 : -1;
  std::vector<int64_t> times;
  const auto keep = [&](int64_t time) {
    if (time < low || time > high) return false;
    times.push_back(time);
    return true;
  };
  if (period.unit < Period::Unit::Month) {
    const int64_t length = period.count * kUnitSeconds[static_cast<int>(period.unit)];
    // Weeks begin on Mondays, 5-01-1970 the first.
    const int64_t anchor = period.unit == Period::Unit::Week ? 4 * kDay : 0;
    const int64_t first = fit ? anchor - floorDiv(anchor - low, length) * length : lo;
    for (int i = 0; i < kMaxTicks; ++i)
      if (!keep(first + direction * i * length)) break;
  } else {
    const int64_t months = period.count * (period.unit == Period::Unit::Year ? 12 : 1);
    const int64_t fromDay = floorDiv(from, kDay);
    const Civil date = civilFromDays(fromDay);
    int64_t first = date.year * 12 + date.month - 1;
    // Fitted: the first month start from low on that is a whole number of periods.
    if (fit) first = -floorDiv(-(monthStart(first) < low ? first + 1 : first), months) * months;
    for (int i = 0; i < kMaxTicks; ++i) {
      const int64_t month = first + direction * i * months;
      if (month < 12 || month >= (kLastYear + 1) * 12) break;
      int64_t time = monthStart(month);
      if (!fit) {
        const int day =
            std::min(date.day, daysInMonth(month / 12, static_cast<int>(month % 12) + 1));
        time += (day - 1) * kDay + (from - fromDay * kDay);
      }
      if (!keep(time)) break;
    }
  }
  if (fit && hi < lo) std::reverse(times.begin(), times.end());
  return times;
}

std::string defaultFormat(Period::Unit unit) {
  switch (unit) {
    case Period::Unit::Second:
      return "%H:%M:%S";
    case Period::Unit::Minute:
    case Period::Unit::Hour:
      return "%H:%M";
    case Period::Unit::Day:
    case Period::Unit::Week:
      return "%d %b";
    case Period::Unit::Month:
      return "%b %Y";
    default:
      return "%Y";
  }
}

}  // namespace

std::optional<int64_t> parseDate(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::size_t at = 0;
  const auto day = digitsAt(text, at, 2);
  if (!day || !separatorAt(text, at, "-/.")) return std::nullopt;
  const auto month = digitsAt(text, at, 2);
  if (!month || !separatorAt(text, at, "-/.")) return std::nullopt;
  const std::size_t yearFrom = at;
  auto year = digitsAt(text, at, 4);
  if (!year) return std::nullopt;
  if (at - yearFrom <= 2) *year += *year < 70 ? 2000 : 1900;
  int hours = 0, minutes = 0, seconds = 0;
  if (at < text.size()) {
    if (text[at] != ' ') return std::nullopt;
    while (at < text.size() && text[at] == ' ') ++at;
    const auto h = digitsAt(text, at, 2);
    if (!h || !separatorAt(text, at, ":")) return std::nullopt;
    const auto m = digitsAt(text, at, 2);
    if (!m) return std::nullopt;
    std::optional<int> s = 0;
    if (separatorAt(text, at, ":")) s = digitsAt(text, at, 2);
    if (!s || at != text.size()) return std::nullopt;
    hours = *h, minutes = *m, seconds = *s;
  }
  if (*year < 1 || *month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(*year, *month) ||
      hours > 23 || minutes > 59 || seconds > 59)
    return std::nullopt;
  return daysFromCivil(*year, *month, *day) * kDay + hours * 3600 + minutes * 60 + seconds;
}

std::string formatDate(int64_t seconds, std::string_view format, int language) {
  const Names& names = kNames[language >= 0 && language < 4 ? language : 0];
  const int64_t days = floorDiv(seconds, kDay);
  const int64_t inDay = seconds - days * kDay;
  const Civil date = civilFromDays(days);
  // 1-01-1970 was a Thursday.
  const auto weekday = static_cast<std::size_t>(days + 3 - floorDiv(days + 3, 7) * 7);
  std::string text;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 == format.size()) {
      text += format[i];
      continue;
    }
    const auto month = static_cast<std::size_t>(date.month - 1);
    switch (format[++i]) {
      case 'd':
        text += twoDigits(date.day);
        break;
      case 'm':
        text += twoDigits(date.month);
        break;
      case 'y':
        text += twoDigits(date.year % 100);
        break;
      case 'Y':
        text += std::to_string(date.year);
        break;
      case 'b':
        text += names.shortMonths[month];
        break;
      case 'B':
        text += names.longMonths[month];
        break;
      case 'a':
        text += names.shortDays[weekday];
        break;
      case 'A':
        text += names.longDays[weekday];
        break;
      case 'H':
        text += twoDigits(inDay / 3600);
        break;
      case 'M':
        text += twoDigits(inDay / 60 % 60);
        break;
      case 'S':
        text += twoDigits(inDay % 60);
        break;
      case '%':
        text += '%';
        break;
      default:
        text += format.substr(i - 1, 2);
    }
  }
  return text;
}

double Period::seconds() const {
  constexpr double kMonth = 365.2425 * kDay / 12;
  if (unit == Unit::Month) return double(count) * kMonth;
  if (unit == Unit::Year) return double(count) * kMonth * 12;
  return double(count) * double(kUnitSeconds[static_cast<int>(unit)]);
}

std::optional<Period> parsePeriod(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && text[at] == ' ') ++at;
  int64_t count = 1;
  if (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
    count = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
      if ((count = count * 10 + (text[at++] - '0')) > 1'000'000) return std::nullopt;
  }
  while (at < text.size() && text[at] == ' ') ++at;
  std::string word;
  for (; at < text.size() && text[at] != ' '; ++at)
    word += static_cast<char>(std::tolower(static_cast<unsigned char>(text[at])));
  while (at < text.size() && text[at] == ' ') ++at;
  if (count < 1 || at != text.size()) return std::nullopt;
  for (const auto& [name, unit] : kUnitWords)
    if (word == name || (word.size() > 1 && word == std::string(name) + "s"))
      return Period{unit, count};
  return std::nullopt;
}

Graduations timeGraduations(std::string_view startDate, std::string_view endDate,
                            const TimeOptions& options) {
  const std::optional<int64_t> start = parseDate(startDate), end = parseDate(endDate);
  if (!start || !end) return {};
  const double range = std::fabs(double(*end) - double(*start));
  // At most four lines of formats of at most kMaxFormat bytes.
  constexpr std::size_t kMaxFormat = 1000;
  std::vector<std::string> formats;
  for (std::size_t i = 0; i < options.lines.size() && i < 4; ++i)
    formats.push_back(options.lines[i].substr(0, kMaxFormat));
  const auto graduate = [&](const Period& period) {
    std::vector<std::string> lines = formats;
    const SbString* mapped =
        options.mapping ? options.mapping->findFormat(period.seconds()) : nullptr;
    if (lines.empty())
      lines.push_back(mapped ? mapped->str().substr(0, kMaxFormat) : defaultFormat(period.unit));
    Graduations graduations;
    for (int64_t time : graduationTimes(*start, *end, period, options.fit)) {
      Graduation graduation;
      graduation.t =
          *end == *start ? 0 : (double(time) - double(*start)) / (double(*end) - double(*start));
      graduation.text = formatDate(time, lines.front(), options.language);
      for (std::size_t line = 1; line < lines.size(); ++line)
        graduation.moreLines.push_back(formatDate(time, lines[line], options.language));
      graduations.main.push_back(std::move(graduation));
    }
    return graduations;
  };
  const std::optional<Period> given = parsePeriod(options.period);
  if (given && range / given->seconds() <= kMaxTicks) return graduate(*given);
  Graduations longest;
  for (const Period& choice : kChoices) {
    if (range / choice.seconds() > 10) continue;
    Graduations graduations = graduate(choice);
    double room = 0;
    for (const Graduation& graduation : graduations.main)
      room += options.room ? options.room(graduation) * 1.2 : 0;
    if (room <= 1 && graduations.main.size() >= 2) return graduations;
    if (range / choice.seconds() >= 1 || longest.main.empty()) longest = std::move(graduations);
  }
  return longest;
}

}  // namespace plivex::detail
