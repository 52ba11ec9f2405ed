#include <QLabel>
#include <QTest>

#include "resources/ControlIds.h"
#include "tests/panel/PanelFixture.h"

namespace {

TEST(PanelState, SamplingAdvancesBothIndicesAndWrapsAfterTheRing) {
  CPanelState state;
  state.m_dActualVolt = {5.0, 0.0, 5.0, 5.0};
  state.Sample();
  EXPECT_EQ(std::pair(state.m_nRingOldest, state.m_nRingNewest), std::pair(1, 0));
  for (int i = 1; i < CPanelState::kRingSize; ++i)
    state.Sample();
  EXPECT_EQ(std::pair(state.m_nRingOldest, state.m_nRingNewest), std::pair(0, 1999));
  EXPECT_EQ(state.m_dRingCh1[1999], 5.0);
}

TEST(PanelState, WatchCounterWrapsToTwoSoTheMessageComesOncePerLoss) {
  CPanelState state;
  using R = CPanelState::WatchResult;
  state.m_nMissCount = 1000;
  EXPECT_EQ(state.Watch(false), R::NoDevice);
  EXPECT_EQ(state.m_nMissCount, 2);
  EXPECT_EQ(state.Watch(true), R::Device);
  EXPECT_EQ(state.m_nMissCount, 0);
  EXPECT_EQ(state.Watch(false), R::NoDeviceFirstMiss);
}

class PeriodicTasks : public PanelFixture {
protected:
  bool ShowsDevice() const {
    return platform::DlgItem<QLabel>(m_view.get(), ctl::kConnectionIcon)->pixmap().toImage() ==
           m_view->m_hIconDevice.toImage();
  }
};

// Loss and return change nothing but the picture and the message.
TEST_F(PeriodicTasks, WatchShowsOneMessagePerLossThroughTheLibrary) {
  Click(ctl::kCh3Switch);
  MessageCapture messages;
  Watch();
  EXPECT_TRUE(ShowsDevice());
  WriteControl("attached=0\n");
  for (int i = 0; i < 5; ++i)
    Watch();
  EXPECT_FALSE(ShowsDevice());
  WriteControl("attached=1\n");
  Watch();
  EXPECT_TRUE(ShowsDevice());
  EXPECT_EQ(messages.Texts(),
            QStringList{
                QStringLiteral("Communication Error,please try again after connecting devices!")});
  EXPECT_EQ(Text(ctl::kCh3Switch) + Text(ctl::kCh3Actual), QStringLiteral("ON5.000"));
  EXPECT_TRUE(LedLit(ctl::kCh3Led));
}

// The watch's own box must not stop the watch: while the first message waits for the operator,
// the device comes back (the icon turns green) and is lost again, which opens a second box.
TEST_F(PeriodicTasks, WatchGoesOnWhileItsMessageIsOpen) {
  WriteControl("attached=0\n");
  bool returned = false;
  MessageCapture messages([&](const QString &) {
    if (messages.OpenBoxes() > 1)
      return;
    WriteControl("attached=1\n");
    returned = QTest::qWaitFor([&] { return ShowsDevice(); }, 3000);
    WriteControl("attached=0\n");
    (void)QTest::qWaitFor([&] { return messages.Texts().size() == 2; }, 3000);
  });
  m_view->SetTimer(3, 20);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.Texts().isEmpty(); }, 3000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return messages.OpenBoxes() == 0; }, 8000));
  EXPECT_TRUE(returned) << "the watch kept probing behind its message";
  EXPECT_EQ(messages.Texts().size(), 2);
  EXPECT_EQ(messages.MostOpenAtOnce(), 2);
  EXPECT_FALSE(ShowsDevice());
}

} // namespace
