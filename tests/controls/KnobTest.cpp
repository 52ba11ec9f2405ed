#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <cmath>
#include <numbers>
#include <vector>

#include "controls/CKnobEntry.h"
#include "controls/CVoltEdit.h"
#include "controls/CVoltKnob.h"
#include "controls/IKnobHost.h"
#include "controls/KnobRules.h"

using controls::KnobDigit;
using controls::KnobPosition;
using controls::MakeSel;

namespace {

constexpr int kSize = 88;

// A point of a kSize knob at the middle of dial position `position`, 30 pixels from the centre.
QPoint PointAt(double position) {
  const double theta = ((position / 1.3333333333333333 + 12.5) - 50.0) / 15.915494309189535;
  return {static_cast<int>(std::lround(kSize / 2.0 + 30 * std::sin(theta))),
          static_cast<int>(std::lround(kSize / 2.0 - 30 * std::cos(theta)))};
}
QPoint PointInDigit(int digit) {
  return PointAt(digit * 100.0 / 9 + 100.0 / 18);
}

// Two knobs with their set-point boxes, and another control that holds the focus at first; the
// bench is the panel and document as the knobs see them.
struct Bench : IKnobHost {
  Bench() {
    window.resize(300, 200);
    for (int ch = 0; ch < 2; ++ch) {
      edits[ch] = new CVoltEdit(&window);
      edits[ch]->setGeometry(0, ch * 30, 80, 20);
      edits[ch]->setText(QStringLiteral("1.000"));
      texts[ch] = edits[ch]->text();
      knobs[ch] = new CVoltKnob(&window);
      knobs[ch]->setGeometry(100 + ch * 100, 0, kSize, kSize);
      knobs[ch]->SetChannel(static_cast<std::int16_t>(ch));
      knobs[ch]->SetHost(this);
    }
    other->setGeometry(0, 100, 80, 20);
    window.show();
    other->setFocus();
  }
  const CChannelState &KnobChannelState(int channel) const override { return states[channel]; }
  void SetKnobStep(int channel, std::int16_t step) override {
    states[channel].SetKnobStep(step);
    steps[channel].push_back(step);
  }
  QString KnobSetPointText(int channel) const override { return texts[channel]; }
  void SetKnobSetPointText(int channel, const QString &text) override { texts[channel] = text; }
  CVoltEdit *KnobSetPointEdit(int channel) override { return edits[channel]; }

  void TurnOn(int ch) {
    states[ch].SetOn(1);
    states[ch].SetColor(ch == 0 ? kColorCh1 : kColorCh2);
  }
  void Touch(int ch, int digit) {
    QTest::mouseClick(knobs[ch], Qt::LeftButton, {}, PointInDigit(digit));
  }

  QWidget window;
  CChannelState states[2];
  QString texts[2];
  std::vector<int> steps[2];
  CVoltEdit *edits[2] = {};
  CVoltKnob *knobs[2] = {};
  QPushButton *other = new QPushButton(&window);
};

} // namespace

TEST(KnobRules, PositionsOnTheDial) {
  const int c = kSize / 2;
  struct Case {
    int x, y, position;
  };
  const Case cases[] = {
      {c - 30, c + 30, 0},   // lower-left stop
      {c + 30, c + 30, 100}, // lower-right stop
      {kSize - 1, c, 83},    // straight right
      {c - 1, kSize - 1, 0}, // dead zone, left half
      {c + 1, kSize - 1, 100},
  };
  for (const Case &k : cases)
    EXPECT_EQ(KnobPosition(k.x, k.y, kSize, kSize), k.position) << k.x << "," << k.y;
  EXPECT_EQ(KnobDigit(83), 7);
  EXPECT_EQ(KnobDigit(99), 8);
  EXPECT_EQ(KnobDigit(100), 9);
}

TEST(KnobRules, PointerPointsAtItsDigitsStop) {
  const QPoint centre(kSize / 2, kSize / 2);
  // The pointer of a digit lies where the knob begins that digit's sector.
  for (int digit = 0; digit <= 9; ++digit) {
    const QPoint end = controls::KnobPointerEnd(9 - digit, kSize, kSize);
    const QPoint far(centre + (end - centre) * 3);
    EXPECT_NEAR(KnobPosition(far.x(), far.y(), kSize, kSize), digit * 100 / 9, 2) << digit;
  }
}

TEST(KnobEntry, EditingReplacesTheDigitBeforeTheSelectionEnd) {
  struct Case {
    int end;
    const char *expected;
  };
  const Case cases[] = {{1, "7.371"}, {2, "5.371"}, {0, "5.371"}, {5, "5.377"}, {6, "5.371"}};
  for (const Case &c : cases) {
    CKnobEntry entry;
    QString text;
    for (int d : {5, 3, 7, 1})
      text = entry.Enter(d, text, MakeSel(text.size() - 1, text.size())).text;
    ASSERT_EQ(text, QStringLiteral("5.371"));
    const CKnobEntry::Result r = entry.Enter(7, text, MakeSel(c.end, c.end));
    EXPECT_EQ(r.text, QString::fromLatin1(c.expected)) << c.end;
    EXPECT_EQ(r.selStart, c.end - 1);
    EXPECT_EQ(r.selEnd, c.end);
  }
}

// KnobEntry's tables hold the composition rule; here the mouse reaches it. Script: "c5" clicks
// digit 5, "p" / "r" press / release there, "m" moves early in the digit's sector and "M" late in
// it, "o" moves off the knob, "^" clicks with Ctrl, "R" right-clicks, "e" selects the box's first
// character as the operator might.
TEST(KnobWidget, MouseInputComposesIntoTheSetPointBox) {
  const struct {
    int ch;
    bool on;
    const char *script;
    std::vector<int> steps;
    const char *text;
    controls::SelWord sel;
  } cases[] = {
      {1, true, "c5 c3", {4, 6}, "5.3", MakeSel(2, 3)},
      {0, true, "c5 c3 c7 c1 e0 c7", {4, 6, 2, 8, 2}, "7.371", MakeSel(0, 1)},
      {0, true, "c0 c0 c4 c0", {9, 5, 9}, "0.40", MakeSel(3, 4)}, // a repeated digit counts once
      {0, false, "c5 p2 m3 r3", {}, "1.000", 0},
      {0, true, "p1 m2 M2 m3 M3 m4 M4 m5 M5 m6 M6 r6", {8, 7, 6, 5, 4, 3}, "1.236", MakeSel(4, 5)},
      {0, true, "p2 o0 m5 r5 ^4 R6", {7, 4, 5}, "2.54", MakeSel(3, 4)},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.script);
    Bench bench;
    bench.TurnOn(1 - c.ch); // the other channel is on and must stay untouched
    if (c.on)
      bench.TurnOn(c.ch);
    CVoltKnob *knob = bench.knobs[c.ch];
    const QStringList actions = QString::fromLatin1(c.script).split(QLatin1Char(' '));
    for (const QString &action : actions) {
      const int digit = action.at(1).digitValue();
      const QPoint at = PointInDigit(digit);
      switch (action.at(0).toLatin1()) {
      case 'c':
        bench.Touch(c.ch, digit);
        break;
      case 'p':
        QTest::mousePress(knob, Qt::LeftButton, {}, at);
        break;
      case 'r':
        QTest::mouseRelease(knob, Qt::LeftButton, {}, at);
        break;
      case 'm':
      case 'M':
        QTest::mouseMove(knob, PointAt(digit * 100.0 / 9 + (action.at(0) == u'm' ? 2 : 8)));
        break;
      case 'o': // Qt keeps sending moves to the pressed knob after the pointer has left it
        QTest::mouseMove(knob, QPoint(kSize + 20, kSize / 2));
        QTest::mouseMove(knob, QPoint(-5, kSize / 2));
        break;
      case '^':
        QTest::mouseClick(knob, Qt::LeftButton, Qt::ControlModifier, at);
        break;
      case 'R':
        QTest::mouseClick(knob, Qt::RightButton, {}, at);
        break;
      case 'e':
        bench.edits[c.ch]->SetSel(0, 1);
        break;
      }
    }
    EXPECT_EQ(bench.steps[c.ch], c.steps);
    EXPECT_EQ(bench.edits[c.ch]->text(), QString::fromLatin1(c.text));
    EXPECT_EQ(bench.texts[c.ch], QString::fromLatin1(c.text));
    if (c.on) {
      EXPECT_EQ(bench.edits[c.ch]->GetSel(), c.sel);
    }
    EXPECT_EQ(bench.window.focusWidget(),
              c.steps.empty() ? static_cast<QWidget *>(bench.other) : bench.edits[c.ch]);
    EXPECT_TRUE(bench.steps[1 - c.ch].empty());
    EXPECT_EQ(bench.texts[1 - c.ch], QStringLiteral("1.000"));
  }
}

// Each knob key touches the digit it turns to from the pointer (arrows and +/- step and stop
// at the ends, a digit goes straight there, other keys do nothing), as a click there does, and
// leaves the focus on the knob.
TEST(KnobWidget, KeysTouchAsTheMouseDoes) {
  const struct {
    Qt::Key key;
    const char *text;
    int digit; // -1: nothing
  } keys[] = {{Qt::Key_Up, "", 9},    {Qt::Key_Down, "", 8},   {Qt::Key_5, "5", 5},
              {Qt::Key_Plus, "+", 6}, {Qt::Key_Minus, "-", 5}, {Qt::Key_Right, "", 6},
              {Qt::Key_0, "0", 0},    {Qt::Key_Left, "", 0},   {Qt::Key_A, "a", -1}};
  Bench byKeys;
  Bench byMouse;
  byKeys.TurnOn(0);
  byMouse.TurnOn(0);
  CVoltKnob *knob = byKeys.knobs[0];
  byKeys.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&byKeys.window));
  knob->setFocus(Qt::TabFocusReason);
  for (const auto &k : keys) {
    SCOPED_TRACE(k.key);
    QTest::keyClick(knob, k.key);
    if (k.digit >= 0) {
      byMouse.Touch(0, k.digit);
      EXPECT_EQ(byKeys.states[0].GetKnobStep(), 9 - k.digit);
    }
    EXPECT_EQ(byKeys.texts[0], byMouse.texts[0]);
    EXPECT_EQ(byKeys.edits[0]->GetSel(), byMouse.edits[0]->GetSel());
    EXPECT_EQ(byKeys.steps[0], byMouse.steps[0]);
  }
  EXPECT_TRUE(knob->hasFocus());
}
