// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PbDateFormatMapping.h"

#include <algorithm>
#include <cassert>

namespace {

template <typename Mappings>
auto lowerBound(Mappings& mappings, double interval) {
  return std::lower_bound(mappings.begin(), mappings.end(), interval,
                          [](const auto& m, double value) { return m.interval < value; });
}

}  // namespace

const PbDateFormatMapping::Mapping& PbDateFormatMapping::at(int index) const {
  assert(index >= 0 && index < getNumMappings() && "PbDateFormatMapping: index out of range");
  return mappings_[static_cast<std::size_t>(index)];
}

void PbDateFormatMapping::addMapping(double interval, const SbString& format) {
  auto place = lowerBound(mappings_, interval);
  if (place != mappings_.end() && place->interval == interval)
    place->format = format;
  else
    mappings_.insert(place, Mapping{interval, format});
}

bool PbDateFormatMapping::removeMapping(double interval) {
  auto place = lowerBound(mappings_, interval);
  if (place == mappings_.end() || place->interval != interval) return false;
  mappings_.erase(place);
  return true;
}

const SbString* PbDateFormatMapping::findFormat(double interval) const {
  if (mappings_.empty()) return nullptr;
  auto place = lowerBound(mappings_, interval);
  return place == mappings_.end() ? &mappings_.back().format : &place->format;
}
