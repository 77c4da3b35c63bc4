#pragma once
// The arithmetic of the progress box: how far done of total is, and a bar that only moves
// forward, so a second pass of a long operation never makes it jump back.

#include <cstdint>

// done × 100 ÷ total without overflow, capped at 100; a total of 0 counts as 1.
unsigned kxPercentDone(std::uint64_t done, std::uint64_t total);

class KxForwardProgress {
  public:
    unsigned position() const { return position_; }
    // True when the bar moved, that is when the new percentage is beyond the old position.
    bool advance(std::uint64_t done, std::uint64_t total);

  private:
    unsigned position_ = 0;
};
