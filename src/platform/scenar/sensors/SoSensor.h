#pragma once

class SoSensor;
using SoSensorCB = void(void* data, SoSensor* sensor);

// Calls a function with its data when something it watches happens.
class SoSensor {
 public:
  SoSensor() = default;
  SoSensor(SoSensorCB* function, void* data) : function_(function), data_(data) {}
  virtual ~SoSensor() = default;
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

 private:
  SoSensorCB* function_ = nullptr;
  void* data_ = nullptr;
};
