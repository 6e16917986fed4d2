// SPDX-License-Identifier: Apache-2.0
#pragma once

class SoSensor;
using SoSensorCB = void(void* data, SoSensor* sensor);

// Calls a function with its data when something it watches happens.
class SoSensor {
 public:
  SoSensor() = default;
  SoSensor(SoSensorCB* function, void* data) : function_(function), data_(data) {}
  virtual ~SoSensor() {
    if (destroyed_) *destroyed_ = true;
  }
  SoSensor(const SoSensor&) = delete;
  SoSensor& operator=(const SoSensor&) = delete;

  void setFunction(SoSensorCB* function) { function_ = function; }
  SoSensorCB* getFunction() const { return function_; }
  void setData(void* data) { data_ = data; }
  void* getData() const { return data_; }

  // Runs the function now.
  virtual void trigger() {
    if (function_) function_(data_, this);
  }

 protected:
  // Runs the function for a change the sensor heard of. False when the
  // function deleted the sensor, which must then not be touched any more.
  bool triggerForChange() {
    bool* outerDestroyed = destroyed_;
    bool destroyed = false;
    destroyed_ = &destroyed;
    trigger();
    if (destroyed) {
      // Tell an enclosing run too: its sensor is gone as well.
      if (outerDestroyed) *outerDestroyed = true;
      return false;
    }
    destroyed_ = outerDestroyed;
    return true;
  }

 private:
  SoSensorCB* function_ = nullptr;
  void* data_ = nullptr;
  // Set while the function runs; the destructor raises the flag.
  bool* destroyed_ = nullptr;
};
