// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/basic/SbString.h"

// Which date format a time axis writes its graduations with, by the interval
// between two graduations: a list of (interval, format) pairs kept in rising
// order of interval, at most one pair per interval. Intervals are in seconds.
class PbDateFormatMapping {
 public:
  int getNumMappings() const { return static_cast<int>(mappings_.size()); }
  double getInterval(int index) const { return at(index).interval; }
  const SbString& getFormat(int index) const { return at(index).format; }

  // Adds the pair in its place; a pair with the same interval gets the new format.
  void addMapping(double interval, const SbString& format);
  // Removes the pair of this interval, if any; true when there was one.
  bool removeMapping(double interval);
  void removeAllMappings() { mappings_.clear(); }

  // The format of the smallest interval not below interval, that of the largest
  // when interval exceeds them all; nullptr when the list is empty.
  const SbString* findFormat(double interval) const;

  friend bool operator==(const PbDateFormatMapping&, const PbDateFormatMapping&) = default;

 private:
  struct Mapping {
    double interval;
    SbString format;
    friend bool operator==(const Mapping&, const Mapping&) = default;
  };
  const Mapping& at(int index) const;

  std::vector<Mapping> mappings_;
};
