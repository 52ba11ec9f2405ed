#pragma once
#include <chrono>

namespace pwrio {

// The end of one library call's time budget. Every wait inside a call (connect, send, read)
// asks how much is left, so the call as a whole never outlasts the bound.
class CDeadline {
public:
  using Clock = std::chrono::steady_clock;

  explicit CDeadline(int budgetMs)
      : m_start(Clock::now()), m_end(m_start + std::chrono::milliseconds(budgetMs)),
        m_budgetMs(budgetMs) {}

  int BudgetMs() const { return m_budgetMs; }

  bool Expired() const { return Clock::now() >= m_end; }

  // Rounded up, so a wait of "0 ms" happens only when the time is really gone.
  int RemainingMs() const {
    const auto left = m_end - Clock::now();
    if (left <= Clock::duration::zero()) {
      return 0;
    }
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
  }

  int ElapsedMs() const {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - m_start).count());
  }

private:
  Clock::time_point m_start;
  Clock::time_point m_end;
  int m_budgetMs;
};

} // namespace pwrio
