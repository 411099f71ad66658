#pragma once
// The busy cursor of a long handler. Handlers run to their end without
// letting the event loop run, so no timer can switch the cursor: the handler
// polls instead, once per pass of its loop, and the cursor turns busy once
// the handler has run longer than the delay. A short handler never shows it.

#include <chrono>

namespace fw {

class BusyCursor {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kDelay{100};

  explicit BusyCursor(std::chrono::milliseconds delay = kDelay);
  // Puts the cursor back if it was turned busy.
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

  // Turns the cursor busy once the delay has passed since construction.
  void Poll();
  bool Shown() const { return shown_; }

 private:
  Clock::time_point start_;
  std::chrono::milliseconds delay_;
  bool shown_ = false;
};

}  // namespace fw
