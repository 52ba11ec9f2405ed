#include <gtest/gtest.h>
#include <vector>

#include "controls/EditKeys.h"
#include "controls/EditRules.h"

using namespace controls;

namespace {

// Types chars one by one through the filter, doing what the box would do with the verdict
// (characters go to the end: the caret follows typing in these cases).
QString TypeThroughFilter(QString text, const QString &keys) {
  for (const QChar key : keys) {
    const char16_t c = key == QLatin1Char('<') ? kBackspace : key.unicode();
    const FilterDecision d = FilterVoltChar(text, c);
    if (d.action == FilterAction::Replace)
      text = d.text;
    else if (d.action == FilterAction::Pass)
      text = c == kBackspace ? text.left(text.size() - 1) : text + QChar(c);
  }
  return text;
}

} // namespace

TEST(VoltFilter, TypedSequences) {
  struct Case {
    const char *start;
    const char *keys; // '<' is backspace
    const char *expected;
  };
  const Case cases[] = {
      {"", "55.1234", "5.123"},
      {"", ".", ""},
      {"5.", ".", "5."},
      {"", "9.5", "9.000"},
      {"", "a-  x", ""},
      // "0." and a digit under 6 becomes the minimum.
      {"0.", "5", "0.600"},
      {"0.", "6", "0.6"},
      // Control characters are dropped, and so is anything once the text is full; a longer text
      // set by the program can still be shortened by backspace.
      {"5.", "\x03\x16\x18\x1a\x7f", "5."},
      {"5.123", ".", "5.123"},
      {"-1.250", "<", "-1.25"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(TypeThroughFilter(QString::fromLatin1(c.start), QString::fromLatin1(c.keys)),
              QString::fromLatin1(c.expected))
        << c.start << " + " << c.keys;
}

TEST(SelWord, ClampFollowsThePlatformEdit) {
  struct Case {
    int start, end, length, caret;
    Selection expected;
  };
  const Case cases[] = {
      {5, 6, 5, 0, {5, 5}}, {-2, -1, 5, 3, {0, 0}}, {-1, 4, 5, 3, {3, 3}},
      {4, 2, 5, 0, {4, 2}}, {1, 2, 5, 0, {1, 2}},   {9, 9, 0, 0, {0, 0}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(ClampSel(c.start, c.end, c.length, c.caret), c.expected) << c.start << "," << c.end;
}

TEST(WheelWalk, NotchesFromTheStatedSelections) {
  // The walk as the box runs it on "5.123": forward from (2, 3), backward from (4, 5).
  struct Case {
    Selection from;
    int delta;
    std::vector<Selection> walk;
  };
  const Case cases[] = {
      {{2, 3}, 120, {{3, 4}, {4, 5}, {5, 5}, {4, 5}, {4, 5}, {4, 5}}},
      {{4, 5}, -120, {{3, 4}, {2, 3}, {1, 2}, {0, 1}}},
  };
  for (const Case &c : cases) {
    SelWord current = MakeSel(c.from.start, c.from.end);
    SelWord remembered = 0;
    for (const Selection &want : c.walk) {
      int start = 0, end = 0;
      ASSERT_TRUE(WalkWheel(current, remembered, c.delta, start, end));
      remembered = current;
      const Selection got = ClampSel(start, end, 5, SelEnd(current));
      EXPECT_EQ(got, want) << c.delta << " from " << SelStart(current) << "," << SelEnd(current);
      current = MakeSel(got.start, got.end);
    }
  }
  // On the first character a backward notch does nothing, and so does a zero notch.
  int start = 7, end = 7;
  EXPECT_FALSE(WalkWheel(MakeSel(0, 1), 0, -120, start, end));
  EXPECT_EQ(start, 7);
  EXPECT_FALSE(WalkWheel(MakeSel(0, 1), 0, 0, start, end));
}

TEST(EditKeys, RoutesKeysAsThePlatformEditSawThem) {
  struct Case {
    int key;
    Qt::KeyboardModifiers mods;
    const char *text;
    KeyRoute route;
    char16_t ch;
  };
  const auto none = Qt::NoModifier;
  const auto ctrl = Qt::ControlModifier;
  const auto shift = Qt::ShiftModifier;
  const Case cases[] = {
      {Qt::Key_5, none, "5", KeyRoute::Typed, u'5'},
      {Qt::Key_Backspace, ctrl, "", KeyRoute::Typed, 127},
      {Qt::Key_Backspace, Qt::AltModifier, "", KeyRoute::Swallow, 0},
      {Qt::Key_V, ctrl, "", KeyRoute::Typed, 0x16},
      {Qt::Key_Insert, shift, "", KeyRoute::Swallow, 0},
      {Qt::Key_Insert, none, "", KeyRoute::Default, 0},
      {Qt::Key_Return, none, "\r", KeyRoute::Default, 0},
      {Qt::Key_A, Qt::AltModifier, "a", KeyRoute::Swallow, 0},
      {Qt::Key_Shift, shift, "", KeyRoute::Default, 0},
  };
  for (const Case &c : cases) {
    const RoutedKey r = RouteKey(c.key, c.mods, QString::fromLatin1(c.text));
    EXPECT_EQ(r.route, c.route) << "key " << std::hex << c.key;
    if (c.route == KeyRoute::Typed) {
      EXPECT_EQ(r.ch, c.ch) << "key " << std::hex << c.key;
    }
  }
}
