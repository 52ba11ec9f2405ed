// The panel used end to end, as an operator would: dialogs opened from its buttons and menu,
// steps run and files written through its commands, all against the simulated supply.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "controls/CStepListCtrl.h"
#include "platform/CFileDialogs.h"
#include "resources/CommandIds.h"
#include "tests/panel/PanelFixture.h"

namespace {

using PanelWorkflow = PanelFixture;

// Runs `operate` on the modal dialog that the next call opens.
void WhenDialogOpens(std::function<void(QWidget *)> operate) {
  QTimer::singleShot(0, [operate = std::move(operate)] {
    QWidget *dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    operate(dialog);
  });
}

void Press(QWidget *dialog, std::initializer_list<int> ids) {
  for (int id : ids)
    platform::DlgItem<QAbstractButton>(dialog, id)->click();
}

TEST_F(PanelWorkflow, KeypadComposesTheSetPointThatOkThenSends) {
  Click(1053);
  QString caption;
  WhenDialogOpens([&](QWidget *keypad) {
    caption = keypad->windowTitle();
    Press(keypad, {1079, 1084, 1076, 1079, 1087}); // 5 . 2 5 SET
  });
  Click(1066);
  EXPECT_EQ(caption, QStringLiteral("KEYBOARD_CH1"));
  EXPECT_EQ(Text(1001), QStringLiteral("5.25"));
  EXPECT_EQ(Text(1004), QStringLiteral("0.000")) << "the keypad sends nothing";
  Click(1090);
  EXPECT_EQ(Text(1004), QStringLiteral("5.250"));
  EXPECT_EQ(Text(1008), QString());
}

TEST_F(PanelWorkflow, VoltSetDialogFillsOnlyItsChannelsBox) {
  Click(1054);
  SetText(1001, "1.5");
  WhenDialogOpens([](QWidget *dialog) {
    QTest::keyClicks(platform::GetDlgItem(dialog, 1124), QStringLiteral("7.25"));
    Press(dialog, {1126});
  });
  m_view->OnCommand(cmd::kCh2VoltSet);
  EXPECT_EQ(Text(1008), QStringLiteral("7.25"));
  EXPECT_EQ(Text(1001), QStringLiteral("1.5"));
}

TEST_F(PanelWorkflow, KnobTouchComposesIntoTheSetPointBox) {
  Click(1053);
  QWidget *knob = Item(1069);
  // Straight up is position 50, digit 4.
  QTest::mouseClick(knob, Qt::LeftButton, Qt::NoModifier, QPoint(knob->width() / 2, 2));
  EXPECT_EQ(Text(1001), QStringLiteral("4.0"));
  EXPECT_EQ(m_view->m_strSetCh1, QStringLiteral("4.0"));
  EXPECT_EQ(m_doc.StateCh1().GetKnobStep(), 5);
  Click(1090);
  EXPECT_EQ(Text(1004), QStringLiteral("4.000"));
}

TEST_F(PanelWorkflow, StepsRunThroughTheSupplyAndStopRewinds) {
  platform::DlgItem<QCheckBox>(m_view.get(), 1034)->setChecked(true);
  Click(1040);
  Click(1049);
  Click(1049);
  EXPECT_EQ(Text(1004), QStringLiteral("1.889"));
  EXPECT_EQ(State().m_nStepIndex, 2);
  Click(1050);
  EXPECT_EQ(Text(1004), QStringLiteral("0.000"));
  EXPECT_EQ(State().m_nStepIndex, 0);
  platform::DlgItem<QAbstractButton>(m_view.get(), 1116)->click();
  Click(1049);
  EXPECT_EQ(Text(1007), QStringLiteral("1.000"));
}

TEST_F(PanelWorkflow, TimeOkChangesTheSamplingPeriod) {
  SetText(1095, "5");
  Combo(1072)->setCurrentIndex(1);
  MessageCapture messages;
  Click(1131);
  EXPECT_TRUE(messages.Texts().isEmpty());
  EXPECT_EQ(m_view->TimerInterval(1), 5000);
  SetText(1095, "50");
  Combo(1072)->setCurrentIndex(0);
  Click(1131);
  EXPECT_EQ(messages.Texts(),
            QStringList{QStringLiteral("Please intput Millisecond  between 100 and 1000 !")});
  EXPECT_EQ(m_view->TimerInterval(1), 5000);
}

TEST_F(PanelWorkflow, SaveAndOpenGoThroughTheFileCommands) {
  platform::DlgItem<QCheckBox>(m_view.get(), 1034)->setChecked(true);
  Click(1040);
  const QString path = m_dir.filePath(QStringLiteral("steps.txt"));
  QStringList titles;
  auto previous = platform::SetFileDialogHook(
      [&](const platform::FileDialogRequest &request) -> std::optional<QString> {
        titles << request.title;
        return path;
      });
  m_view->OnCommand(cmd::kFileSave);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("#CHANNEL:CH1\r\nstep  number  voltage\r\n1    1    1.000\r\n"));
  EXPECT_TRUE(bytes.endsWith("10    1    9.000\r\n"));
  auto *list = platform::DlgItem<CStepListCtrl>(m_view.get(), 1027);
  platform::DlgItem<QCheckBox>(m_view.get(), 1034)->setChecked(true);
  Click(1041);
  EXPECT_EQ(list->GetItemText(0, 2), QStringLiteral(" "));
  m_view->OnCommand(cmd::kFileOpen);
  EXPECT_EQ(list->GetItemText(0, 2), QStringLiteral("1.000"));
  EXPECT_EQ(list->GetItemText(9, 2), QStringLiteral("9.000"));
  EXPECT_EQ(titles,
            (QStringList{QStringLiteral("Save Data ..."), QStringLiteral("Reading document")}));
  platform::SetFileDialogHook(std::move(previous));
}

TEST_F(PanelWorkflow, DeviceLogShowsWhatOkSent) {
  const QString log = m_dir.filePath(QStringLiteral("calls.log"));
  qputenv("PWRIO_SIM_LOG", QFile::encodeName(log));
  Click(1053);
  SetText(1001, "5.0");
  Click(1090);
  qunsetenv("PWRIO_SIM_LOG");
  QFile file(log);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("dsoSetVolt_positive9_CH1 reserved=0 on=1 len=2 in=50,0"));
}

// Every path that turns a text into a voltage reads decimal numbers only, and a value that no
// code can hold goes out as 0 V: the set-point box (where typing, pasting, the keypad, the
// volt-set dialog and the knob all end) refuses them, while a step cell, the From box of the
// even fill and a file's tail send (0, 0) on Run.
TEST_F(PanelWorkflow, HostileTextsReachTheSupplyAsZeroOrNotAtAll) {
  const char *hostile[] = {"nan.", "-nan",  "--5",   "+-2.5", "0x10",
                           "inf",  "1e400", "9e+99", "-1e30"};
  const QString log = m_dir.filePath(QStringLiteral("calls.log"));
  const QString stepFile = m_dir.filePath(QStringLiteral("hostile.txt"));
  auto previous = platform::SetFileDialogHook(
      [&](const platform::FileDialogRequest &) -> std::optional<QString> { return stepFile; });
  auto *list = platform::DlgItem<CStepListCtrl>(m_view.get(), 1027);
  platform::DlgItem<QCheckBox>(m_view.get(), 1034)->setChecked(true);
  MessageCapture messages;
  Click(1053);
  qputenv("PWRIO_SIM_LOG", QFile::encodeName(log));
  for (const char *text : hostile) {
    SetText(1001, text);
    Click(1090);
    list->SetItemText(0, 2, QString::fromLatin1(text));
    State().m_nStepIndex = 0;
    Click(1049);
    SetText(1036, text);
    SetText(1038, text);
    Click(1040);
    Click(1049);
    ASSERT_TRUE(testhelp::WriteFile(
        stepFile,
        QByteArray("#CHANNEL:CH1\r\nstep  number  voltage\r\n1    1    ") + text + "\r\n"));
    m_view->OnCommand(cmd::kFileOpen);
    State().m_nStepIndex = 0;
    Click(1049);
  }
  qunsetenv("PWRIO_SIM_LOG");
  platform::SetFileDialogHook(std::move(previous));
  QStringList sets;
  for (const QString &line : QString::fromLatin1(testhelp::ReadFile(log)).split(QLatin1Char('\n')))
    if (line.startsWith(QStringLiteral("dsoSetVolt")))
      sets << line;
  EXPECT_EQ(sets.size(), 3 * static_cast<int>(std::size(hostile)))
      << "the set-point box sends none";
  for (const QString &line : sets)
    EXPECT_TRUE(line.contains(QStringLiteral(" on=1 len=2 in=0,0 "))) << line.toStdString();
  EXPECT_EQ(Text(1004), QStringLiteral("0.000"));
}

} // namespace
