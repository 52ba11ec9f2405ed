#pragma once
#include <string_view>

#include <QString>

// A MODE text "G*S": G groups of S steps, both read like atoi. Without a star the whole text
// is S and there are no groups.
struct CModeText {
  int groups = 0;
  int steps = 0;

  static CModeText Parse(std::string_view text);
  static CModeText Parse(const QString &text);

  // 1-based number of the first step of a 1-based group; 64-bit so odd texts cannot overflow.
  long long FirstStep(int group) const;
};
