// A clock that always tells the same time, for byte-exact golden files.
#pragma once
#include "platform/Clock.h"

namespace vak1 {

class FixedClock : public Clock {
  public:
    explicit FixedClock(DateTime t = DateTime{2024, 3, 15, 10, 30, 0}) : t_(t) {}
    DateTime Now() const override { return t_; }
    void Set(DateTime t) { t_ = t; }

  private:
    DateTime t_;
};

} // namespace vak1
