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
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/CHelpWindow.h"
#include "app/CKTX2300MApp.h"
#include "app/CMainFrame.h"
#include "controls/CStepListCtrl.h"
#include "panel/CKTX2300MDlgView.h"
#include "platform/CDialogBuilder.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "tests/support/MessageCapture.h"
#include "tests/support/NonRegularFiles.h"
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
  platform::DlgItem<QAbstractButton>(m_view, ctl::kToggleArea)->click();
  EXPECT_EQ(m_frame->size(), QSize(990, 470));
  EXPECT_EQ(m_frame->pos(), QPoint(40, 60));
  platform::DlgItem<QAbstractButton>(m_view, ctl::kToggleArea)->click();
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
  auto *edit = platform::DlgItem<QLineEdit>(m_view, ctl::kInterval);
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
  platform::DlgItem<QAbstractButton>(m_view, ctl::kCh1Switch)->click();
  auto *mode = platform::DlgItem<QComboBox>(m_view, ctl::kMode);
  mode->setCurrentIndex(1);
  m_view->OnSelchangeMode();
  m_frame->Dispatch(cmd::kFileNew);
  EXPECT_EQ(Text(ctl::kMode), QStringLiteral("1*10"));
  EXPECT_EQ(platform::DlgItem<CStepListCtrl>(m_view, ctl::kStepList)->GetItemCount(), 10);
  EXPECT_EQ(m_app.Document().StateCh1().GetOn(), 0);
  EXPECT_EQ(Text(ctl::kCh1Actual), QStringLiteral("0.000"));
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
    platform::DlgItem<QAbstractButton>(box, ctl::kAboutOk)->click();
  });
  m_frame->Dispatch(cmd::kAppAbout);
  EXPECT_EQ(title, QStringLiteral("About KTX2300M"));
  EXPECT_EQ(version, QStringLiteral("KTX2300M 1.0.1 "));
}

// The guide opens with the desktop's handler when there is one, and in the program's own
// window otherwise: Help always shows something.
TEST(Help, OpensTheGuideWithItsHandlerOrInTheProgramsOwnWindow) {
  struct Case {
    bool guideThere;
    bool handlerTakesIt;
    bool handlerAsked;
    bool ownWindow;
  };
  const Case cases[] = {
      {false, true, false, true},
      {true, true, true, false},
      {true, false, true, true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.guideThere << c.handlerTakesIt);
    QTemporaryDir dir;
    const QString guide = dir.filePath(QStringLiteral("KTX2300M.chm"));
    if (c.guideThere) {
      QFile file(guide);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QStringList asked;
    auto previous = CKTX2300MDoc::SetShellOpen([&](const QString &path) {
      asked << path;
      return c.handlerTakesIt;
    });
    CKTX2300MDoc doc;
    doc.OnHelpContents(dir.path());
    CKTX2300MDoc::SetShellOpen(std::move(previous));
    EXPECT_EQ(asked, c.handlerAsked ? QStringList{guide} : QStringList());
    CHelpWindow *window = doc.HelpWindow();
    ASSERT_EQ(window != nullptr, c.ownWindow);
    if (window) {
      EXPECT_TRUE(window->isVisible());
      EXPECT_EQ(window->Browser()->source(), QUrl(QStringLiteral("qrc:/help/index.html")));
      EXPECT_EQ(window->Browser()->documentTitle(), QStringLiteral("The KTX2300M control panel"));
    }
  }
}

TEST(Help, AHandlerCountsOnlyWhenXdgMimeNamesOne) {
  QTemporaryDir bin;
  const QByteArray path = qgetenv("PATH");
  struct Case {
    const char *script; // body of a fake xdg-mime; null: none on the PATH
    bool registered;
  };
  const Case cases[] = {
      {"echo chm-viewer.desktop", true},
      {"echo", false},                            // no default application
      {"echo chm-viewer.desktop; exit 4", false}, // the query failed
      {nullptr, false},                           // xdg-utils not installed
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.script ? c.script : "none");
    QFile script(bin.filePath(QStringLiteral("xdg-mime")));
    script.remove();
    if (c.script) {
      ASSERT_TRUE(script.open(QIODevice::WriteOnly));
      script.write(QByteArray("#!/bin/sh\n") + c.script + "\n");
      script.close();
      script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("PATH", QFile::encodeName(bin.path()));
    EXPECT_EQ(CKTX2300MDoc::HasRegisteredHandler(bin.filePath(QStringLiteral("KTX2300M.chm"))),
              c.registered);
    qputenv("PATH", path);
  }
}

TEST(Help, WindowListsTheContentsSearchesAndGoesBackAndForward) {
  CHelpWindow window(QLatin1String(CHelpWindow::kFolder));
  window.ShowContents();
  QListWidget *list = window.TopicList();
  const QStringList titles = {QStringLiteral("The control panel"),
                              QStringLiteral("Switching and setting outputs"),
                              QStringLiteral("Voltage steps and step files"),
                              QStringLiteral("Trend chart and test report"),
                              QStringLiteral("Connecting a real instrument"),
                              QStringLiteral("Messages and what to do"),
                              QStringLiteral("Keyboard use")};
  ASSERT_EQ(list->count(), titles.size());
  for (int i = 0; i < list->count(); ++i) {
    SCOPED_TRACE(titles[i].toStdString());
    EXPECT_EQ(list->item(i)->text(), titles[i]);
    list->setCurrentRow(i);
    Q_EMIT list->itemActivated(list->item(i));
    EXPECT_FALSE(window.Browser()->toPlainText().isEmpty()) << "every page is compiled in";
  }
  const QUrl last = window.Browser()->source();
  window.BackButton()->click();
  EXPECT_NE(window.Browser()->source(), last);
  EXPECT_TRUE(window.ForwardButton()->isEnabled());
  window.ForwardButton()->click();
  EXPECT_EQ(window.Browser()->source(), last);

  const std::pair<const char *, QStringList> searches[] = {
      {"dialout", {titles[4]}},
      {"SENDING error", {titles[5]}},
      {"keypad voltage", {titles[1]}},
      {"no such words", {}},
      {"", titles},
  };
  for (const auto &[query, found] : searches) {
    window.SearchBox()->setText(QString::fromLatin1(query));
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
      shown << list->item(i)->text();
    EXPECT_EQ(shown, found) << query;
  }
  window.SearchBox()->setText(QStringLiteral("dialout"));
  QTest::keyClick(window.SearchBox(), Qt::Key_Return);
  EXPECT_EQ(window.Browser()->source(), QUrl(QStringLiteral("qrc:/help/instrument.html")));
}

TEST(Help, ContentsFileGivesTheTopicsInOrder) {
  const QString hhc = QStringLiteral(
      "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"A &amp; B\">"
      "<param name=\"Local\" value=\"a.html\"></OBJECT>"
      "<li><object><PARAM NAME=\"local\" VALUE=\"b.html\"><param name=\"name\" value=\"B\">"
      "</object><li><object><param name=\"Name\" value=\"no page\"></object></UL>");
  const QList<CHelpIndex::Topic> topics = CHelpIndex::ParseContents(hhc);
  ASSERT_EQ(topics.size(), 2);
  EXPECT_EQ(topics[0].title, QStringLiteral("A & B"));
  EXPECT_EQ(topics[0].page, QStringLiteral("a.html"));
  EXPECT_EQ(topics[1].title, QStringLiteral("B"));
  EXPECT_EQ(topics[1].page, QStringLiteral("b.html"));
}

TEST_F(App, F1OpensTheHelpAndTheDesktopKnowsTheProgramsEntry) {
  auto previous = CKTX2300MDoc::SetShellOpen([](const QString &) { return false; });
  m_frame->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame));
  QTest::keyClick(m_frame, Qt::Key_F1);
  CKTX2300MDoc::SetShellOpen(std::move(previous));
  ASSERT_NE(m_app.Document().HelpWindow(), nullptr);
  EXPECT_TRUE(m_app.Document().HelpWindow()->isVisible());
  // Wayland shows the icon of the .desktop file named here: the name must be the installed one.
  EXPECT_TRUE(QFile::exists(QStringLiteral(KTX_SOURCE_DIR "/resources/desktop/") +
                            QGuiApplication::desktopFileName() + QStringLiteral(".desktop")));
}

TEST(Frame, ReopensWhereItWasClosedWhenThatPlaceIsOnAScreen) {
  const QString key = QLatin1String(CMainFrame::kPlaceKey);
  struct Case {
    QVariant saved;
    QPoint opens;
  };
  const Case cases[] = {
      {QVariant(), QPoint(10, 10)},
      {QPoint(120, 80), QPoint(120, 80)},
      {QPoint(-3000, 40), QPoint(10, 10)}, // a monitor that is gone
      {QPoint(700, 40), QPoint(10, 10)},   // the title bar would be cut
      {QStringLiteral("junk"), QPoint(10, 10)},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.saved.toString().toStdString());
    CKTX2300MApp app;
    ASSERT_TRUE(app.InitInstance({}));
    QSettings().setValue(key, c.saved);
    if (!c.saved.isValid())
      QSettings().remove(key);
    EXPECT_EQ(CMainFrame::StartPlace(), c.opens);
  }
  CKTX2300MApp app;
  ASSERT_TRUE(app.InitInstance({}));
  EXPECT_EQ(app.Frame()->pos(), QPoint(10, 10));
  app.Frame()->move(60, 70);
  app.Frame()->close();
  CKTX2300MApp again;
  ASSERT_TRUE(again.InitInstance({}));
  EXPECT_EQ(again.Frame()->pos(), QPoint(60, 70));
  QSettings().remove(key);
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
  // An installed program keeps the guide in its data folder, next to its bin folder.
  EXPECT_EQ(CKTX2300MDoc::HelpFileCandidates(QStringLiteral("/opt/ktx/bin")),
            (QStringList{QStringLiteral("/opt/ktx/bin/KTX2300M.chm"),
                         QStringLiteral("/opt/ktx/share/KTX2300M/KTX2300M.chm")}));
}

TEST(Document, KnobStepsAreStoredPerChannel) {
  CKTX2300MDoc doc;
  doc.SetCh1KnobStep(9);
  EXPECT_EQ(doc.StateCh1().GetKnobStep(), 9);
  EXPECT_EQ(doc.StateCh2().GetKnobStep(), -1);
  doc.SetCh2KnobStep(70000); // kept as signed 16 bits
  EXPECT_EQ(doc.StateCh2().GetKnobStep(), static_cast<std::int16_t>(70000));
}

TEST(CommandLine, NamedFilesThatCannotBeUsedEndTheProgramWithoutWaiting) {
  const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/KTX2300M");
  ASSERT_TRUE(QFile::exists(program));
  QTemporaryDir dir;
  const QString shot = dir.filePath(QStringLiteral("panel.png"));
  const QString fifo = dir.filePath(QStringLiteral("fifo"));
  const QString socket = dir.filePath(QStringLiteral("socket"));
  ASSERT_TRUE(testhelp::MakeSpecial(testhelp::Special::Fifo, fifo));
  ASSERT_TRUE(testhelp::MakeSpecial(testhelp::Special::Socket, socket));
  const QString screenshot = QStringLiteral("--screenshot");
  const QString noFile = QStringLiteral("/no/such/file");
  struct Case {
    const char *name;
    QStringList arguments;
    QString message;
  };
  // Nobody ever opens the FIFO's other end: a plain open() of it would wait for ever.
  const Case cases[] = {
      {"missing FILE",
       {screenshot, shot, noFile},
       QStringLiteral("Cannot open \"%1\": No such file or directory.").arg(noFile)},
      {"FIFO as FILE",
       {screenshot, shot, fifo},
       QStringLiteral("Cannot open \"%1\": Not a regular file.").arg(fifo)},
      {"socket as FILE",
       {screenshot, shot, socket},
       QStringLiteral("Cannot open \"%1\": Not a regular file.").arg(socket)},
      {"folder as FILE",
       {screenshot, shot, dir.path()},
       QStringLiteral("Cannot open \"%1\": Is a directory.").arg(dir.path())},
      {"FIFO as screenshot",
       {screenshot, fifo},
       QStringLiteral("Cannot write \"%1\": Not a regular file.").arg(fifo)},
      {"FIFO as report",
       {QStringLiteral("--report-pdf"), fifo},
       QStringLiteral("Cannot write \"%1\": Not a regular file.").arg(fifo)},
  };
  QProcess process;
  process.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
  const QStringList common = {QStringLiteral("-platform"), QStringLiteral("offscreen"),
                              QStringLiteral("--after"), QStringLiteral("100")};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    process.start(program, common + c.arguments);
    const bool finished = process.waitForFinished(30000);
    if (!finished) {
      process.kill();
      process.waitForFinished();
    }
    EXPECT_TRUE(finished) << "the program waited on the named file";
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(QString::fromLocal8Bit(process.readAllStandardError())
                    .contains(QStringLiteral("message: ") + c.message));
    EXPECT_FALSE(QFile::exists(shot));
    EXPECT_EQ(testhelp::FileType(fifo), static_cast<mode_t>(S_IFIFO));
  }
  process.start(program, common + QStringList{screenshot, shot});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_EQ(QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed(), shot);
  EXPECT_EQ(QImage(shot).size(), QSize(390, 470));
  process.start(program, common + QStringList{QStringLiteral("--expanded"), screenshot, shot});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_EQ(QImage(shot).size(), QSize(990, 470));
}

// --help and --version answer in a terminal with no display at all; the usage names every
// option and the exit status.
TEST(CommandLine, HelpAndVersionNeedNoDisplayAndAWrongOptionFails) {
  const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/KTX2300M");
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  struct Case {
    const char *option;
    int status;
    QStringList says;
  };
  const Case cases[] = {
      {"--version", 0, {QStringLiteral("KTX2300M 1.0.1")}},
      {"--help",
       0,
       {QStringLiteral("[FILE]"), QStringLiteral("--demo"), QStringLiteral("--screenshot <png>"),
        QStringLiteral("--expanded"), QStringLiteral("--report-pdf <pdf>"),
        QStringLiteral("--after <ms>"), QStringLiteral("--version"),
        QStringLiteral("PWRIO_BACKEND"), QStringLiteral("Exit status:")}},
      {"-h", 0, {QStringLiteral("Exit status:")}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.option);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, {QString::fromLatin1(c.option)});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), c.status);
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    for (const QString &text : c.says)
      EXPECT_TRUE(out.contains(text)) << text.toStdString() << " in " << out.toStdString();
  }
  QProcess wrong;
  wrong.start(program, {QStringLiteral("-platform"), QStringLiteral("offscreen"),
                        QStringLiteral("--no-such-option")});
  ASSERT_TRUE(wrong.waitForFinished(30000));
  EXPECT_EQ(wrong.exitCode(), 1);
}

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
  platform::DlgItem<QAbstractButton>(app.View(), ctl::kCh3Switch)->click();
  EXPECT_EQ(messages.Texts().last(), QStringLiteral("Sending Error"));
}

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
  EXPECT_EQ(Text(ctl::kCh1Switch), QStringLiteral("ON"));
}

} // namespace
