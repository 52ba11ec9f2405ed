#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "controls/CIntEdit.h"
#include "controls/CVoltEdit.h"
#include "tests/support/MessageCapture.h"

using controls::MakeSel;

namespace {

void Wheel(QWidget *target, int delta) {
  const QPointF at(target->width() / 2.0, target->height() / 2.0);
  QWheelEvent e(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &e);
}

} // namespace

// The filter's own table is in EditRulesTest; these rows prove the box applies it to the whole
// text wherever the caret is, puts the caret at the start when it rewrites, and rewrites even
// when read-only (while inserting nothing).
TEST(VoltEdit, TypingGoesThroughTheFilter) {
  struct Case {
    const char *start;
    bool readOnly;
    bool home;        // caret moved to the start before typing
    const char *keys; // '<' is backspace
    const char *expected;
    int caret; // -1: not checked
  };
  const Case cases[] = {
      {"", false, false, "55.1234<a- .", "5.12", -1},
      {"5.1", false, true, "5", "55.1", -1},
      {"9.", true, false, "4", "9.000", 0},
      {"5.", true, false, "4<", "5.", -1},
  };
  for (const Case &c : cases) {
    CVoltEdit edit;
    edit.setReadOnly(c.readOnly);
    edit.setText(QString::fromLatin1(c.start));
    edit.setCursorPosition(c.home ? 0 : edit.text().size());
    for (const char *k = c.keys; *k; ++k) {
      if (*k == '<')
        QTest::keyClick(&edit, Qt::Key_Backspace);
      else
        QTest::keyClick(&edit, *k);
    }
    EXPECT_EQ(edit.text(), QString::fromLatin1(c.expected)) << c.start << " + " << c.keys;
    if (c.caret >= 0) {
      EXPECT_EQ(edit.cursorPosition(), c.caret) << c.start << " + " << c.keys;
    }
  }
}

// The context menu's Paste (and the X11 selection's middle click) is not filtered, takes the
// clipboard's first line, and stops at the typing limit as typing does; the program's own text
// may be longer.
TEST(VoltEdit, PasteKeepsTheTypingLimit) {
  struct Case {
    int limit;
    const char *start;
    int selStart, selLength; // selLength 0: caret at selStart
    const char *clip;
    const char *expected;
  };
  const Case cases[] = {
      {0, "5.1", 3, 0, "abc", "5.1abc"}, {5, "", 0, 0, "0.59999999999", "0.599"},
      {5, "5.123", 5, 0, "4", "5.123"},  {5, "5.123", 2, 3, "9999", "5.999"},
      {5, "", 0, 0, "1.5\n2.5", "1.5"},
  };
  for (const Case &c : cases) {
    CVoltEdit edit;
    edit.SetTypingLimit(c.limit);
    edit.setText(QString::fromLatin1(c.start));
    if (c.selLength > 0)
      edit.setSelection(c.selStart, c.selLength);
    else
      edit.setCursorPosition(c.selStart);
    QApplication::clipboard()->setText(QString::fromLatin1(c.clip));
    std::unique_ptr<QMenu> menu(edit.CreateContextMenu());
    QAction *paste = nullptr;
    for (QAction *action : menu->actions())
      if (action->text().remove(QLatin1Char('&')).startsWith(QStringLiteral("Paste")))
        paste = action;
    ASSERT_NE(paste, nullptr);
    ASSERT_TRUE(paste->isEnabled());
    paste->trigger();
    EXPECT_EQ(edit.text(), QString::fromLatin1(c.expected)) << c.clip;
  }
  CVoltEdit readOnly;
  readOnly.setReadOnly(true);
  readOnly.PasteLimited();
  EXPECT_EQ(readOnly.text(), QString());
  EXPECT_FALSE(readOnly.acceptDrops()) << "a dropped text would pass the limit";
}

// The clamping has its table in EditRulesTest; here a reversed selection reaches the box.
TEST(VoltEdit, SelectionReadAndSetAsThePlatformEdit) {
  CVoltEdit edit;
  edit.setText(QStringLiteral("5.123"));
  edit.SetSel(4, 2); // reversed: the caret goes to the end position
  EXPECT_EQ(edit.GetSel(), MakeSel(2, 4));
  EXPECT_EQ(edit.cursorPosition(), 2);
}

// The walk's rule has its table in EditRulesTest; here the focused set-point box runs it on real
// notches, while a box that does not walk, or a walking box without the focus, keeps its
// selection.
TEST(VoltEdit, NotchesWalkOnlyTheFocusedSetPointBox) {
  QWidget window;
  auto *set1 = new CVoltEdit(&window);
  auto *range = new CVoltEdit(&window);
  range->move(100, 0);
  set1->SetWheelWalk(true);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  set1->setText(QStringLiteral("5.123"));
  range->setText(QStringLiteral("1.000"));
  range->setFocus();
  range->SetSel(1, 2);
  set1->SetSel(2, 3);
  Wheel(range, 120);
  Wheel(set1, 120);
  EXPECT_EQ(range->GetSel(), MakeSel(1, 2));
  EXPECT_EQ(set1->GetSel(), MakeSel(2, 3));
  EXPECT_EQ(set1->WheelSel(), 0u);

  set1->setFocus();
  for (const auto &[delta, want] : {std::pair{120, MakeSel(3, 4)}, {-120, MakeSel(2, 3)}}) {
    Wheel(set1, delta);
    EXPECT_EQ(set1->GetSel(), want) << delta;
    EXPECT_EQ(set1->cursorPosition(), controls::SelEnd(want)) << delta;
  }
}

// Typing stops at the typing limit, the
// program's own text may be longer; a non-digit brings a warning and is inserted all the same.
TEST(IntEdit, WarnsAboutNonDigitsAndKeepsTheTypingLimit) {
  MessageCapture capture;
  CIntEdit edit;
  edit.SetTypingLimit(4);
  QTest::keyClicks(&edit, QStringLiteral("10003"));
  EXPECT_EQ(edit.text(), QStringLiteral("1000"));
  EXPECT_TRUE(capture.Texts().isEmpty());
  edit.setText(QStringLiteral("10"));
  QTest::keyClick(&edit, '.');
  ASSERT_EQ(capture.Texts(), QStringList{QStringLiteral("Please input interger!")});
  EXPECT_EQ(edit.text(), QStringLiteral("10."));
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_EQ(capture.Texts().size(), 1);
  edit.setText(QStringLiteral("12345"));
  EXPECT_EQ(edit.text(), QStringLiteral("12345"));
}
