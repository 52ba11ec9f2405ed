#pragma once
#include <QString>

// The Time row's check: an interval text and a unit text give a timer period in milliseconds,
// or the message that refuses them.
class CSamplingInterval {
public:
  struct Result {
    int periodMs = 0;
    QString message; // empty when the period is accepted

    bool Accepted() const { return message.isEmpty(); }
  };

  // The unit is matched by its exact text; an unknown unit counts n milliseconds.
  static Result Check(const QString &text, const QString &unit);
};
