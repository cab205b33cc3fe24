#pragma once

#include <cassert>
#include <cstddef>
#include <memory>

namespace viewer {

// One computed quantity, one element per sample. Writing is checked against the capacity so that
// no run can ever reach past its own storage.
template <typename Element>
class SampleSeries {
 public:
  SampleSeries() = default;
  explicit SampleSeries(std::size_t capacity)
      : elements_(std::make_unique<Element[]>(capacity)), capacity_(capacity) {}

  std::size_t capacity() const { return capacity_; }
  bool empty() const { return capacity_ == 0; }

  Element operator[](std::size_t index) const {
    assert(index < capacity_);
    return elements_[index];
  }
  void set(std::size_t index, Element value) {
    assert(index < capacity_);
    elements_[index] = value;
  }
  const Element* data() const { return elements_.get(); }

 private:
  std::unique_ptr<Element[]> elements_;
  std::size_t capacity_ = 0;
};

// Running extent {max, min} of a series or a group of series, kept in single precision.
struct ValueRange {
  float max = 0;
  float min = 0;

  void Reset(float resetMax, float resetMin) {
    max = resetMax;
    min = resetMin;
  }

  // The comparisons use the sample at full precision; what is stored is the sample rounded to
  // single precision. The second test is written as "not (x <= max)" on purpose: a NaN sample then
  // poisons max but leaves min alone.
  void Widen(double x) {
    if (min > x) min = static_cast<float>(x);
    if (!(x <= max)) max = static_cast<float>(x);
  }

  bool IsZero() const { return max == 0 && min == 0; }
};

}  // namespace viewer
