#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

#include "app/CKTX2300MApp.h"
#include "app/CMainFrame.h"
#include "controls/CStepListCtrl.h"
#include "panel/CKTX2300MDlgView.h"
#include "platform/CDialogBuilder.h"
#include "resources/CommandIds.h"
#include "tests/support/MessageCapture.h"
#include "tests/support/TestHelpers.h"

namespace {

class App : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(m_app.InitInstance({}));
    m_frame = m_app.Frame();
    m_view = m_app.View();
  }
  QString Text(int id) const { return platform::GetDlgItemText(m_view, id); }

  MessageCapture m_messages;
  CKTX2300MApp m_app;
  CMainFrame *m_frame = nullptr;
  CKTX2300MDlgView *m_view = nullptr;
};

// The message keeps its text; the status bar says why the device is absent, and that it is back.
TEST_F(App, StatusBarSaysWhyTheDeviceIsAbsent) {
  QTemporaryDir dir;
  const QString control = dir.filePath(QStringLiteral("control"));
  qputenv("PWRIO_SIM_CONTROL", QFile::encodeName(control));
  const auto watchUntil = [this](const char *status) {
    m_view->OnDeviceWatch();
    EXPECT_TRUE(m_view->WaitForDeviceWatch());
    QCoreApplication::processEvents(); // the watch's message comes after its handler
    return QTest::qWaitFor([&] { return m_frame->DeviceStatus() == QString::fromLatin1(status); },
                           3000);
  };
  ASSERT_TRUE(testhelp::WriteFile(control, "attached=0\n"));
  EXPECT_TRUE(watchUntil("simulated supply: device absent: detached (the control file says "
                         "attached=0)"))
      << m_frame->DeviceStatus().toStdString();
  EXPECT_EQ(m_messages.Texts(),
            QStringList{
                QStringLiteral("Communication Error,please try again after connecting devices!")});
  ASSERT_TRUE(testhelp::WriteFile(control, "attached=1\n"));
  EXPECT_TRUE(watchUntil("simulated supply: ready")) << m_frame->DeviceStatus().toStdString();
  // The reason is the pane's text between prompts: a prompt shows over it and gives it back.
  EXPECT_EQ(m_frame->m_wndStatusBar->currentMessage(), QStringLiteral("simulated supply: ready"));
  QStatusTipEvent prompt(QStringLiteral("open a document "));
  QApplication::sendEvent(m_frame, &prompt);
  EXPECT_EQ(m_frame->m_wndStatusBar->currentMessage(), QStringLiteral("open a document "));
  QStatusTipEvent none{QString()};
  QApplication::sendEvent(m_frame, &none);
  EXPECT_EQ(m_frame->m_wndStatusBar->currentMessage(), QStringLiteral("simulated supply: ready"));
  qunsetenv("PWRIO_SIM_CONTROL");
}

TEST_F(App, FrameHasItsTitleFixedSizeAndNoMaximiseBox) {
  EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("KTX2300M(Ver1.0.1)"));
  const Qt::WindowFlags flags = m_frame->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(m_frame->minimumSize(), m_frame->maximumSize()) << "no resizing";
  EXPECT_EQ(m_frame->size(), QSize(390, 470));
  EXPECT_EQ(m_frame->pos(), QPoint(10, 10));
  EXPECT_TRUE(m_messages.Texts().isEmpty()) << "the simulated supply is found and attached";
}

TEST_F(App, ToggleKeepsTheTopLeftCornerAndTwoClicksRestoreCompact) {
  m_frame->move(40, 60);
  platform::DlgItem<QAbstractButton>(m_view, 1020)->click();
  EXPECT_EQ(m_frame->size(), QSize(990, 470));
  EXPECT_EQ(m_frame->pos(), QPoint(40, 60));
  platform::DlgItem<QAbstractButton>(m_view, 1020)->click();
  EXPECT_EQ(m_frame->size(), QSize(390, 470));
  EXPECT_EQ(m_frame->pos(), QPoint(40, 60));
  EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("KTX2300M(Ver1.0.1)"));
}

TEST_F(App, ToolbarButtonsCarryPromptsAndOnlyHandledOnesAreEnabled) {
  const QList<QAction *> actions = m_frame->m_wndToolBar->actions();
  ASSERT_EQ(actions.size(), 11);
  EXPECT_TRUE(actions[2]->isSeparator());
  const std::pair<int, bool> enabled[] = {{cmd::kFileOpen, true},      {cmd::kFileSave, true},
                                          {cmd::kFilePrint, true},     {cmd::kHelpContents, true},
                                          {cmd::kEditCut, false},      {cmd::kToolbar32785, false},
                                          {cmd::kEditCopy, false},     {cmd::kEditPaste, false},
                                          {cmd::kToolbar32783, false}, {cmd::kToolbar32784, false}};
  for (const auto &[id, on] : enabled)
    EXPECT_EQ(m_frame->Action(id)->isEnabled(), on) << id;
  EXPECT_EQ(m_frame->Action(cmd::kFileOpen)->statusTip(), QStringLiteral("open a document "));
  EXPECT_EQ(m_frame->Action(cmd::kFileOpen)->toolTip(), QStringLiteral(" open"));
  EXPECT_EQ(m_frame->Action(cmd::kFileSaveAs)->statusTip(),
            QStringLiteral("save a valid document as a new name "));
}

TEST_F(App, StatusBarHasOnePaneThatShowsPrompts) {
  EXPECT_TRUE(
      m_frame->m_wndStatusBar->findChildren<QLabel *>(Qt::FindDirectChildrenOnly).isEmpty());
  m_frame->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame));
  QWidget *button = m_frame->m_wndToolBar->widgetForAction(m_frame->Action(cmd::kFilePrint));
  ASSERT_NE(button, nullptr);
  QTest::mouseMove(button, button->rect().center());
  QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
  QApplication::sendEvent(button, &enter);
  EXPECT_EQ(m_frame->m_wndStatusBar->currentMessage(), QStringLiteral("print a valid document "));
}

TEST_F(App, EditKeysDoNothingInThePanelsBoxes) {
  m_frame->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame));
  QApplication::clipboard()->setText(QStringLiteral("7.777"));
  auto *edit = platform::DlgItem<QLineEdit>(m_view, 1095);
  edit->setFocus();
  edit->selectAll();
  const QKeyCombination keys[] = {Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_Insert,
                                  Qt::CTRL | Qt::Key_X, Qt::SHIFT | Qt::Key_Delete,
                                  Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert,
                                  Qt::CTRL | Qt::Key_Z, Qt::ALT | Qt::Key_Backspace,
                                  Qt::Key_F6,           Qt::SHIFT | Qt::Key_F6};
  for (const QKeyCombination key : keys) {
    QTest::keyClick(edit, key.key(), key.keyboardModifiers());
    EXPECT_EQ(edit->text(), QStringLiteral("1000")) << QKeySequence(key).toString().toStdString();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("7.777"));
  }
  EXPECT_TRUE(m_messages.Texts().isEmpty()) << "no key reached the integer box's filter";
}

TEST_F(App, NewDocumentRunsTheStartUpAgain) {
  platform::DlgItem<QAbstractButton>(m_view, 1053)->click();
  auto *mode = platform::DlgItem<QComboBox>(m_view, 1026);
  mode->setCurrentIndex(1);
  m_view->OnSelchangeMode();
  m_frame->Dispatch(cmd::kFileNew);
  EXPECT_EQ(Text(1026), QStringLiteral("1*10"));
  EXPECT_EQ(platform::DlgItem<CStepListCtrl>(m_view, 1027)->GetItemCount(), 10);
  EXPECT_EQ(m_app.Document().StateCh1().GetOn(), 0);
  EXPECT_EQ(Text(1004), QStringLiteral("0.000"));
}

TEST_F(App, AboutBoxShowsTheVersion) {
  QString title, version;
  QTimer::singleShot(0, [&] {
    QWidget *box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    for (auto *label : box->findChildren<QLabel *>())
      if (label->text().startsWith(QStringLiteral("KTX2300M")))
        version = label->text();
    platform::DlgItem<QAbstractButton>(box, 1)->click();
  });
  m_frame->Dispatch(cmd::kAppAbout);
  EXPECT_EQ(title, QStringLiteral("About KTX2300M"));
  EXPECT_EQ(version, QStringLiteral("KTX2300M 1.0.1 "));
}

TEST_F(App, HelpContentsOpensTheGuideBesideTheProgram) {
  QStringList opened;
  auto previous = CKTX2300MDoc::SetShellOpen([&](const QString &path) { opened << path; });
  m_frame->Dispatch(cmd::kHelpContents);
  const QString expected = QCoreApplication::applicationDirPath() + QStringLiteral("/KTX2300M.chm");
  if (QFile::exists(expected))
    EXPECT_EQ(opened, QStringList{expected});
  else
    EXPECT_TRUE(opened.isEmpty());
  CKTX2300MDoc::SetShellOpen(std::move(previous));
}

TEST(Help, PathIsTheProgramFolderAndTheFileName) {
  const std::pair<const char *, const char *> folders[] = {
      {"D:\\Tools\\Panel\\run.exe", "D:\\Tools\\Panel"},
      {"/opt/ktx/bin/KTX2300M", "/opt/ktx/bin"},
      {"KTX2300M", ""}};
  for (const auto &[program, folder] : folders)
    EXPECT_EQ(CKTX2300MApp::FolderOf(QString::fromLatin1(program)), QString::fromLatin1(folder));
  EXPECT_EQ(CKTX2300MDoc::HelpFilePath(QStringLiteral("D:\\Tools\\Panel")),
            QStringLiteral("D:\\Tools\\Panel\\KTX2300M.chm"));
  EXPECT_EQ(CKTX2300MDoc::HelpFilePath(QStringLiteral("/opt/ktx/bin")),
            QStringLiteral("/opt/ktx/bin/KTX2300M.chm"));
}

TEST(Help, OpensAnExistingGuideAndIgnoresAMissingOne) {
  QTemporaryDir dir;
  QStringList opened;
  auto previous = CKTX2300MDoc::SetShellOpen([&](const QString &path) { opened << path; });
  CKTX2300MDoc doc;
  doc.OnHelpContents(dir.path());
  EXPECT_TRUE(opened.isEmpty());
  QFile guide(dir.filePath(QStringLiteral("KTX2300M.chm")));
  ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
  guide.close();
  doc.OnHelpContents(dir.path());
  EXPECT_EQ(opened, QStringList{guide.fileName()});
  CKTX2300MDoc::SetShellOpen(std::move(previous));
}

TEST(Document, KnobStepsAreStoredPerChannel) {
  CKTX2300MDoc doc;
  doc.SetCh1KnobStep(9);
  EXPECT_EQ(doc.StateCh1().GetKnobStep(), 9);
  EXPECT_EQ(doc.StateCh2().GetKnobStep(), -1);
  doc.SetCh2KnobStep(70000); // kept as signed 16 bits
  EXPECT_EQ(doc.StateCh2().GetKnobStep(), static_cast<std::int16_t>(70000));
}

TEST(CommandLine, AFileThatCannotBeOpenedEndsStartUpWithAMessage) {
  MessageCapture messages;
  CKTX2300MApp app;
  EXPECT_FALSE(app.InitInstance({QStringLiteral("/no/such/folder/steps.txt")}));
  ASSERT_EQ(messages.Texts().size(), 1);
  EXPECT_TRUE(messages.Texts().first().contains(QStringLiteral("/no/such/folder/steps.txt")));
}

TEST(CommandLine, TheProgramExitsNonZeroOnAnUnreadableFileAndZeroAfterAScreenshot) {
  const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/KTX2300M");
  ASSERT_TRUE(QFile::exists(program));
  QTemporaryDir dir;
  const QString shot = dir.filePath(QStringLiteral("panel.png"));
  QProcess process;
  process.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
  process.start(program, {QStringLiteral("-platform"), QStringLiteral("offscreen"),
                          QStringLiteral("--screenshot"), shot, QStringLiteral("--after"),
                          QStringLiteral("100"), QStringLiteral("/no/such/file")});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_NE(process.exitCode(), 0);
  EXPECT_FALSE(QFile::exists(shot));
  process.start(program, {QStringLiteral("-platform"), QStringLiteral("offscreen"),
                          QStringLiteral("--screenshot"), shot, QStringLiteral("--after"),
                          QStringLiteral("100")});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_EQ(QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed(), shot);
  EXPECT_EQ(QImage(shot).size(), QSize(390, 470));
}

} // namespace

namespace {

TEST_F(App, CtrlPOpensThePrintDialog) {
  m_frame->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame));
  QString dialogClass;
  QTimer::singleShot(0, [&] {
    QWidget *dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    dialogClass = QString::fromLatin1(dialog->metaObject()->className());
    dialog->close();
  });
  QTest::keyClick(m_frame, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(dialogClass, QStringLiteral("QPrintDialog"));
}

TEST(DeviceLibrary, AMissingLibraryIsNamedOnceAndThePanelStillStarts) {
  qputenv("PWRIO_LIBRARY", "/no/such/libPwrio.so");
  MessageCapture messages;
  CKTX2300MApp app;
  EXPECT_TRUE(app.InitInstance({}));
  qunsetenv("PWRIO_LIBRARY");
  ASSERT_EQ(messages.Texts().size(), 1);
  EXPECT_TRUE(messages.Texts().first().contains(QStringLiteral("/no/such/libPwrio.so")));
  EXPECT_TRUE(app.Frame()->DeviceStatus().contains(QStringLiteral("/no/such/libPwrio.so")));
  app.View()->OnDeviceWatch();
  ASSERT_TRUE(app.View()->WaitForDeviceWatch());
  QCoreApplication::processEvents();
  EXPECT_EQ(messages.Texts().size(), 2) << "the watch reports the missing device";
  platform::DlgItem<QAbstractButton>(app.View(), 1055)->click();
  EXPECT_EQ(messages.Texts().last(), QStringLiteral("Sending Error"));
}

} // namespace

namespace {

TEST_F(App, ChannelMenuNamesWhatTheItemWillDo) {
  QMenu *ch1 = nullptr;
  for (QMenu *menu : m_frame->findChildren<QMenu *>())
    if (menu->title() == QStringLiteral("CH1"))
      ch1 = menu;
  ASSERT_NE(ch1, nullptr);
  QAction *item = m_frame->Action(cmd::kCh1Switch);
  Q_EMIT ch1->aboutToShow();
  EXPECT_EQ(item->text(), QStringLiteral("Turn On"));
  item->trigger();
  Q_EMIT ch1->aboutToShow();
  EXPECT_EQ(item->text(), QStringLiteral("Turn Off"));
  EXPECT_EQ(Text(1053), QStringLiteral("ON"));
}

} // namespace
