#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <memory>

#include "controls/CIntEdit.h"
#include "controls/CVoltEdit.h"
#include "tests/support/MessageCapture.h"

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
  };
  const Case cases[] = {
      {"", false, false, "55.1234<a- .", "5.12"},
      {"5.1", false, true, "5", "55.1"},
      {"5.", true, false, "4<", "5."},
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
  }
}

// The context menu's Paste (and the X11 selection's middle click) is not filtered, takes the
// clipboard's first line, and stops at the typing limit as typing does.
TEST(VoltEdit, PasteKeepsTheTypingLimit) {
  struct Case {
    int limit;
    const char *start;
    int selStart, selLength; // selLength 0: caret at selStart
    const char *clip;
    const char *expected;
  };
  const Case cases[] = {
      {0, "5.1", 3, 0, "abc", "5.1abc"},
      {5, "", 0, 0, "0.59999999999", "0.599"},
      {5, "5.123", 2, 3, "9999", "5.999"},
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
  edit.setText(QStringLiteral("12345"));
  EXPECT_EQ(edit.text(), QStringLiteral("12345"));
}
