// Date and time for page headers and title blocks.
#pragma once

namespace vak1 {

struct DateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual DateTime Now() const = 0;
};

// The machine's local time.
class SystemClock : public Clock {
  public:
    DateTime Now() const override;
};

} // namespace vak1
