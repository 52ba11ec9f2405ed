// The frame from the keyboard alone: Tab over what the frame shows, menu letters.
#include <set>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "resources/CommandIds.h"
#include "tests/app/AppFixture.h"

namespace {

using Keyboard = testhelp::AppFixture;

// Tab and Shift+Tab walk the same ring of shown, enabled controls, none beyond the frame's edge
// (where the compact frame hides the CHANNEL radios and the Time row).
TEST_F(Keyboard, TabVisitsOnlyWhatTheFrameShows) {
  using namespace ctl;
  m_frame->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame));
  // The widgets the key reaches one after another from the focus until the focus is back.
  const auto walk = [](Qt::KeyboardModifiers modifiers) {
    std::vector<QWidget *> visited{QApplication::focusWidget()};
    for (int i = 0; i < 200; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
      if (QApplication::focusWidget() == visited.front())
        break;
      visited.push_back(QApplication::focusWidget());
    }
    return visited;
  };
  // Whether the frame is expanded, and some controls the walk must reach.
  const std::pair<bool, std::vector<int>> cases[] = {
      {false, {kCh1Switch, kCh1Set, kCh2Ok, kCh4Switch, 1020}},
      {true, {kCh1Knob, 1020, 1026, kStepList, 1115, kInterval, 1131, 1049}},
  };
  for (const auto &[expanded, reached] : cases) {
    SCOPED_TRACE(expanded ? "expanded" : "compact");
    if (expanded)
      m_view->OnToggleCompact();
    QCoreApplication::processEvents();
    Item(kCh1Switch)->setFocus(Qt::TabFocusReason);
    const std::vector<QWidget *> forward = walk(Qt::NoModifier);
    std::set<int> ids;
    for (const QWidget *w : forward) {
      ids.insert(platform::GetDlgCtrlID(w));
      const QRect place(w->mapTo(m_frame, QPoint(0, 0)), w->size());
      EXPECT_TRUE(m_frame->rect().contains(place)) << platform::GetDlgCtrlID(w);
      EXPECT_TRUE(w->isVisible() && w->isEnabled()) << platform::GetDlgCtrlID(w);
    }
    std::vector<QWidget *> reversed{forward.front()};
    reversed.insert(reversed.end(), forward.rbegin(), forward.rend() - 1);
    EXPECT_EQ(walk(Qt::ShiftModifier), reversed);
    for (int id : reached)
      EXPECT_EQ(ids.count(id), 1U) << "not reached: " << id;
  }
}

// The menus answer typed characters (their rule is MenuKeys' table): in the Channel menu a digit
// opens its submenu, and there the first letter runs the item.
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
  QTest::keyClick(channel, '3');
  QMenu *ch3 = items.at(2)->menu();
  ASSERT_TRUE(ch3->isVisible());
  EXPECT_EQ(ch3->activeAction(), m_frame->Action(cmd::kCh3Switch));
  QTest::keyClick(ch3, 't');
  EXPECT_EQ(Text(ctl::kCh3Switch), QStringLiteral("ON"));
}

} // namespace
