// The frame from the keyboard alone: Tab over what the frame shows, menu letters.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "app/CKTX2300MApp.h"
#include "app/CMainFrame.h"
#include "panel/CKTX2300MDlgView.h"
#include "platform/CDialogBuilder.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "tests/support/MessageCapture.h"

namespace {

class Keyboard : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(m_app.InitInstance({}));
    m_frame = m_app.Frame();
    m_view = m_app.View();
    m_frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame));
  }
  // The widgets the key reaches one after another from the focus until the focus is back.
  std::vector<QWidget *> Walk(Qt::KeyboardModifiers modifiers) const {
    std::vector<QWidget *> visited{QApplication::focusWidget()};
    for (int i = 0; i < 200; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
      if (QApplication::focusWidget() == visited.front())
        break;
      visited.push_back(QApplication::focusWidget());
    }
    return visited;
  }
  std::vector<int> Ids(const std::vector<QWidget *> &widgets) const {
    std::vector<int> ids;
    for (const QWidget *w : widgets)
      ids.push_back(platform::GetDlgCtrlID(w));
    std::sort(ids.begin(), ids.end());
    return ids;
  }

  MessageCapture m_messages;
  CKTX2300MApp m_app;
  CMainFrame *m_frame = nullptr;
  CKTX2300MDlgView *m_view = nullptr;
};

// Tab and Shift+Tab walk the same ring of shown, enabled controls, none beyond the frame's edge:
// the compact frame skips the CHANNEL radios and the Time row that lie past it.
TEST_F(Keyboard, TabVisitsOnlyWhatTheFrameShows) {
  using namespace ctl;
  struct Case {
    bool expanded;
    std::vector<int> reached;
    std::vector<int> skipped;
  };
  const Case cases[] = {
      {false,
       {kCh1Switch, kCh1Knob, kCh1Set, kCh1Keypad, kCh1Ok, kCh2Knob, kCh2Ok, kCh4Switch, 1020},
       {1115, 1116, kInterval, 1072, 1131, kStepList, 1026}},
      {true, {kCh1Knob, 1020, 1026, kStepList, 1115, kInterval, 1072, 1131, 1049}, {}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.expanded ? "expanded" : "compact");
    if (c.expanded)
      m_view->OnToggleCompact();
    QCoreApplication::processEvents();
    m_view->Item(kCh1Switch)->setFocus(Qt::TabFocusReason);
    const std::vector<QWidget *> forward = Walk(Qt::NoModifier);
    const std::vector<QWidget *> backward = Walk(Qt::ShiftModifier);
    for (const QWidget *w : forward) {
      const QRect place(w->mapTo(m_frame, QPoint(0, 0)), w->size());
      EXPECT_TRUE(m_frame->rect().contains(place)) << platform::GetDlgCtrlID(w);
      EXPECT_TRUE(w->isVisible() && w->isEnabled()) << platform::GetDlgCtrlID(w);
    }
    std::vector<QWidget *> reversed{forward.front()};
    reversed.insert(reversed.end(), forward.rbegin(), forward.rend() - 1);
    EXPECT_EQ(backward, reversed);
    const std::vector<int> ids = Ids(forward);
    for (int id : c.reached)
      EXPECT_TRUE(std::binary_search(ids.begin(), ids.end(), id)) << "not reached: " << id;
    for (int id : c.skipped)
      EXPECT_FALSE(std::binary_search(ids.begin(), ids.end(), id)) << "reached: " << id;
  }
}

// In the Channel menu 'c' cycles CH1 ... CH4 without opening them, a digit opens its submenu,
// and there the first letter runs the item.
TEST_F(Keyboard, ChannelMenuAnswersLettersAndDigits) {
  QMenu *channel = nullptr;
  for (QAction *top : m_frame->menuBar()->actions())
    if (top->text() == QStringLiteral("&Channel"))
      channel = top->menu();
  ASSERT_NE(channel, nullptr);
  const QList<QAction *> items = channel->actions();
  ASSERT_EQ(items.size(), 4);
  channel->popup(m_frame->mapToGlobal(QPoint(20, 20)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(channel));
  for (int expected : {0, 1, 2, 3, 0}) {
    QTest::keyClick(channel, 'c');
    EXPECT_EQ(channel->activeAction(), items.at(expected));
    EXPECT_FALSE(items.at(expected)->menu()->isVisible());
  }
  QTest::keyClick(channel, '3');
  QMenu *ch3 = items.at(2)->menu();
  ASSERT_TRUE(ch3->isVisible());
  QAction *turn = m_frame->Action(cmd::kCh3Switch);
  EXPECT_EQ(ch3->activeAction(), turn);
  QSignalSpy triggered(turn, &QAction::triggered);
  QTest::keyClick(ch3, 't');
  EXPECT_EQ(triggered.count(), 1);
  EXPECT_EQ(platform::GetDlgItemText(m_view, ctl::kCh3Switch), QStringLiteral("ON"));
}

} // namespace
