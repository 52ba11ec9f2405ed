// The KTX2300M control panel.
//   KTX2300M [FILE] [--screenshot PNG [--expanded] [--after MS]]
// --screenshot writes a picture of the main window after start-up and ends the program; with
// no display the run command uses it on the offscreen platform.
#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include "app/CKTX2300MApp.h"
#include "app/CMainFrame.h"
#include "panel/CKTX2300MDlgView.h"
#include "platform/CMessageBox.h"

namespace {
void TakeScreenshot(CKTX2300MApp &theApp, const QString &path, bool expanded, int after) {
  if (expanded)
    theApp.View()->OnToggleCompact();
  QTimer::singleShot(after, [&theApp, path] {
    const bool saved = theApp.Frame()->grab().save(path);
    std::printf("%s\n", qPrintable(path));
    QCoreApplication::exit(saved ? 0 : 1);
  });
}
} // namespace

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("KTX2300M"));
  QCommandLineParser parser;
  const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                      QStringLiteral("Write a PNG of the window and exit."),
                                      QStringLiteral("png"));
  const QCommandLineOption expanded(QStringLiteral("expanded"),
                                    QStringLiteral("Expanded layout for the screenshot."));
  const QCommandLineOption after(QStringLiteral("after"),
                                 QStringLiteral("Milliseconds to run before the screenshot."),
                                 QStringLiteral("ms"), QStringLiteral("1500"));
  parser.addOptions({screenshot, expanded, after});
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A file to open."));
  parser.addHelpOption();
  parser.process(app);

  // A screenshot run has no operator to close message boxes: print their texts instead.
  if (parser.isSet(screenshot))
    platform::SetMessageHook([](const QString &text) {
      std::fprintf(stderr, "message: %s\n", qPrintable(text));
    });
  CKTX2300MApp theApp;
  if (!theApp.InitInstance(parser.positionalArguments()))
    return 1;
  if (parser.isSet(screenshot))
    TakeScreenshot(theApp, parser.value(screenshot), parser.isSet(expanded),
                   parser.value(after).toInt());
  return app.exec();
}
