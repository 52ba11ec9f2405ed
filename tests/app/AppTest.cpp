#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "app/CHelpWindow.h"
#include "platform/ColourContrast.h"
#include "resources/CommandIds.h"
#include "tests/app/AppFixture.h"
#include "tests/support/NonRegularFiles.h"
#include "tests/support/TestHelpers.h"

namespace {

using App = testhelp::AppFixture;

// The toggle keeps the frame's top-left corner; the simulated supply is found at start-up.
// Wayland shows the icon of the .desktop file named here: the name must be the installed one.
TEST_F(App, FrameHasItsTitleFixedSizeAndNoMaximiseBox) {
  EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("KTX2300M(Ver1.0.1)"));
  EXPECT_TRUE(QFile::exists(QStringLiteral(KTX_SOURCE_DIR "/resources/desktop/") +
                            QGuiApplication::desktopFileName() + QStringLiteral(".desktop")));
  const Qt::WindowFlags flags = m_frame->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(m_messages.Texts().isEmpty());
  m_frame->move(40, 60);
  for (const int width : {390, 990, 390}) {
    EXPECT_EQ(m_frame->size(), QSize(width, 470));
    EXPECT_EQ(m_frame->minimumSize(), m_frame->maximumSize()) << "no resizing";
    EXPECT_EQ(m_frame->pos(), QPoint(40, 60));
    Click(ctl::kToggleArea);
  }
}

TEST_F(App, ToolbarButtonsCarryPromptsAndOnlyHandledOnesAreEnabled) {
  const std::pair<int, bool> enabled[] = {{cmd::kFileOpen, true},
                                          {cmd::kHelpContents, true},
                                          {cmd::kEditCut, false},
                                          {cmd::kToolbar32785, false}};
  for (const auto &[id, on] : enabled)
    EXPECT_EQ(m_frame->Action(id)->isEnabled(), on) << id;
  EXPECT_EQ(m_frame->Action(cmd::kFileOpen)->statusTip(), QStringLiteral("open a document "));
  EXPECT_EQ(m_frame->Action(cmd::kFileOpen)->toolTip(), QStringLiteral(" open"));
}

TEST_F(App, EditKeysDoNothingInThePanelsBoxes) {
  m_frame->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame));
  QApplication::clipboard()->setText(QStringLiteral("7.777"));
  auto *edit = platform::DlgItem<QLineEdit>(m_view, ctl::kInterval);
  edit->setFocus();
  edit->selectAll();
  // A control character that reaches the filter, and shortcuts swallowed before it.
  const QKeyCombination keys[] = {Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert};
  for (const QKeyCombination key : keys) {
    QTest::keyClick(edit, key.key(), key.keyboardModifiers());
    EXPECT_EQ(edit->text(), QStringLiteral("1000")) << QKeySequence(key).toString().toStdString();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("7.777"));
  }
  EXPECT_TRUE(m_messages.Texts().isEmpty()) << "no key reached the integer box's filter";
}

// The guide opens with the desktop's handler when there is one, and in the program's own
// window otherwise: Help always shows something.
TEST(Help, OpensTheGuideWithItsHandlerOrInTheProgramsOwnWindow) {
  struct Case {
    bool guideThere, handlerTakesIt, handlerAsked, ownWindow;
  };
  const Case cases[] = {
      {false, true, false, true}, {true, true, true, false}, {true, false, true, true}};
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.guideThere << c.handlerTakesIt);
    QTemporaryDir dir;
    const QString guide = dir.filePath(QStringLiteral("KTX2300M.chm"));
    if (c.guideThere) {
      ASSERT_TRUE(testhelp::WriteFile(guide, ""));
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
    }
  }
}

TEST(Help, AHandlerCountsOnlyWhenXdgMimeNamesOne) {
  QTemporaryDir bin;
  const QByteArray path = qgetenv("PATH");
  // The body of a fake xdg-mime (null: none on the PATH), and whether it names a handler.
  const std::pair<const char *, bool> cases[] = {
      {"echo chm-viewer.desktop", true},
      {"echo chm-viewer.desktop; exit 4", false}, // the query failed
      {nullptr, false},                           // xdg-utils not installed
  };
  for (const auto &[body, registered] : cases) {
    SCOPED_TRACE(body ? body : "none");
    const QString script = bin.filePath(QStringLiteral("xdg-mime"));
    QFile::remove(script);
    if (body) {
      ASSERT_TRUE(testhelp::WriteFile(script, QByteArray("#!/bin/sh\n") + body + "\n"));
      QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
    }
    qputenv("PATH", QFile::encodeName(bin.path()));
    EXPECT_EQ(CKTX2300MDoc::HasRegisteredHandler(bin.filePath(QStringLiteral("KTX2300M.chm"))),
              registered);
    qputenv("PATH", path);
  }
}

TEST_F(App, FrameReopensWhereItWasClosedWhenThatPlaceIsOnAScreen) {
  const QString key = QLatin1String(CMainFrame::kPlaceKey);
  const std::pair<QVariant, QPoint> cases[] = {
      {QVariant(), QPoint(10, 10)},
      {QPoint(120, 80), QPoint(120, 80)},
      {QPoint(-3000, 40), QPoint(10, 10)}, // a monitor that is gone
      {QPoint(700, 40), QPoint(10, 10)},   // the title bar would be cut
  };
  for (const auto &[saved, opens] : cases) {
    SCOPED_TRACE(saved.toString().toStdString());
    QSettings().setValue(key, saved);
    if (!saved.isValid())
      QSettings().remove(key);
    EXPECT_EQ(CMainFrame::StartPlace(), opens);
  }
  m_frame->move(60, 70);
  m_frame->close();
  CKTX2300MApp again;
  ASSERT_TRUE(again.InitInstance({}));
  EXPECT_EQ(again.Frame()->pos(), QPoint(60, 70));
  QSettings().remove(key);
}

TEST(Help, PathIsTheProgramFolderAndTheFileName) {
  EXPECT_EQ(CKTX2300MApp::FolderOf(QStringLiteral("/opt/ktx/bin/KTX2300M")),
            QStringLiteral("/opt/ktx/bin"));
  // An installed program keeps the guide in its data folder, next to its bin folder.
  EXPECT_EQ(CKTX2300MDoc::HelpFileCandidates(QStringLiteral("/opt/ktx/bin")),
            (QStringList{QStringLiteral("/opt/ktx/bin/KTX2300M.chm"),
                         QStringLiteral("/opt/ktx/share/KTX2300M/KTX2300M.chm")}));
}

// Nobody ever opens the FIFO's other end: a plain open() of it would wait for ever. Every kind
// of file that is not regular is CUserFile's table; here one of each direction. A palette other
// than the dark one is refused.
TEST(CommandLine, BadOptionsAndNamedFilesThatCannotBeUsedEndTheProgramWithoutWaiting) {
  QTemporaryDir dir;
  const QString shot = dir.filePath(QStringLiteral("panel.png"));
  const QString fifo = dir.filePath(QStringLiteral("fifo"));
  ASSERT_TRUE(testhelp::MakeSpecial(testhelp::Special::Fifo, fifo));
  struct Case {
    QStringList arguments;
    QString says; // on standard error; empty: the screenshot is written, of the size given
    QSize size = {};
  };
  const QString screenshot = QStringLiteral("--screenshot");
  const QString palette = QStringLiteral("--palette");
  const Case cases[] = {
      {{screenshot, shot, fifo},
       QStringLiteral("message: Cannot open \"%1\": Not a regular file.").arg(fifo)},
      {{screenshot, fifo},
       QStringLiteral("message: Cannot write \"%1\": Not a regular file.").arg(fifo)},
      {{QStringLiteral("--report-pdf"), fifo},
       QStringLiteral("message: Cannot write \"%1\": Not a regular file.").arg(fifo)},
      {{palette, QStringLiteral("light"), screenshot, shot},
       QStringLiteral("--palette takes \"dark\"")},
      {{QStringLiteral("--expanded"), palette, QStringLiteral("dark"), screenshot, shot},
       QString(),
       QSize(990, 470)},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.arguments.join(u' ').toStdString());
    QProcess process;
    EXPECT_TRUE(testhelp::RunProgram(process, c.arguments)) << "it waited on the named file";
    EXPECT_EQ(process.exitCode(), c.says.isEmpty() ? 0 : 1);
    if (c.says.isEmpty())
      EXPECT_EQ(QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed(), shot);
    else
      EXPECT_TRUE(QString::fromLocal8Bit(process.readAllStandardError()).contains(c.says));
    const QImage image(shot);
    EXPECT_EQ(image.isNull() ? QSize() : image.size(), c.size);
    if (!image.isNull()) { // the frame's face beside the channel area, dark
      EXPECT_LT(platform::RelativeLuminance(image.pixelColor(380, image.height() / 2)), 0.1);
    }
    EXPECT_EQ(testhelp::FileType(fifo), static_cast<mode_t>(S_IFIFO));
  }
}

// --help and --version answer in a terminal with no display at all; the usage names the exit
// status.
TEST(CommandLine, HelpAndVersionNeedNoDisplayAndAWrongOptionFails) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  struct Case {
    const char *arguments;
    int status;
    const char *says; // on standard output
  };
  const Case cases[] = {{"--version", 0, "KTX2300M 1.0.1"},
                        {"-h", 0, "Exit status:"},
                        {"-platform offscreen --no-such-option", 1, ""}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.arguments);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(testhelp::ProgramPath(), QString::fromLatin1(c.arguments).split(u' '));
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), c.status);
    EXPECT_TRUE(process.readAllStandardOutput().contains(c.says));
  }
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
}

} // namespace
