// The KTX2300M control panel.
//   KTX2300M [FILE] [--demo] [--screenshot PNG [--expanded]] [--report-pdf PDF] [--after MS]
// --screenshot writes a picture of the main window after start-up and ends the program; with
// no display the run command uses it on the offscreen platform. --report-pdf prints the test
// report to a PDF file instead. --demo drives the panel through its own buttons first (both
// adjustable channels on, a step table run on CH1 at a fast sampling interval), so pictures
// show a moving chart.
#include <cstdio>

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QTimer>

#include <QAbstractButton>
#include <QComboBox>

#include "app/CKTX2300MApp.h"
#include "app/CMainFrame.h"
#include "panel/CKTX2300MDlgView.h"
#include "platform/CDialogBuilder.h"
#include "platform/CMessageBox.h"
#include "platform/CUserFile.h"
#include "resources/ControlIds.h"

namespace {
void Click(QWidget *panel, int id) {
  platform::DlgItem<QAbstractButton>(panel, id)->click();
}

void RunDemo(CKTX2300MDlgView *panel) {
  const auto set = [panel](int id, const char *text) {
    platform::SetDlgItemText(panel, id, QString::fromLatin1(text));
  };
  Click(panel, ctl::kCh1Switch);
  set(ctl::kCh1Set, "5.000");
  Click(panel, ctl::kCh1Ok);
  Click(panel, ctl::kCh2Switch);
  set(ctl::kCh2Set, "2.500");
  Click(panel, ctl::kCh2Ok);
  set(ctl::kInterval, "100");
  Click(panel, ctl::kTimeOk);
  Click(panel, ctl::kVoltCheck);
  Click(panel, ctl::kSetVolts);
  auto *runner = new QTimer(panel);
  QObject::connect(runner, &QTimer::timeout, panel, [panel] { Click(panel, ctl::kRun); });
  runner->start(400);
}

void TakeScreenshot(CKTX2300MApp &theApp, const QString &path, bool expanded, int after) {
  if (expanded)
    theApp.View()->OnToggleCompact();
  QTimer::singleShot(after, [&theApp, path] {
    // Encoded in memory, then saved as the step files are: never onto a pipe or half-written.
    QByteArray png;
    QBuffer buffer(&png);
    QString why;
    const bool saved = buffer.open(QIODevice::WriteOnly) &&
                       theApp.Frame()->grab().save(&buffer, "PNG") &&
                       CUserFile::Save(path, png, &why);
    if (!saved)
      platform::ShowMessage(CUserFile::CannotWriteText(path, why));
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
  const QCommandLineOption demo(QStringLiteral("demo"),
                                QStringLiteral("Drive the panel through a short demonstration."));
  const QCommandLineOption reportPdf(QStringLiteral("report-pdf"),
                                     QStringLiteral("Print the test report to a PDF and exit."),
                                     QStringLiteral("pdf"));
  const QCommandLineOption after(QStringLiteral("after"),
                                 QStringLiteral("Milliseconds to run before the screenshot."),
                                 QStringLiteral("ms"), QStringLiteral("1500"));
  parser.addOptions({screenshot, expanded, demo, reportPdf, after});
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A file to open."));
  parser.addHelpOption();
  parser.process(app);

  // A screenshot run has no operator to close message boxes: print their texts instead.
  const bool unattended = parser.isSet(screenshot) || parser.isSet(reportPdf);
  if (unattended)
    platform::SetMessageHook(
        [](const QString &text) { std::fprintf(stderr, "message: %s\n", qPrintable(text)); });
  CKTX2300MApp theApp;
  if (!theApp.InitInstance(parser.positionalArguments()))
    return 1;
  if (parser.isSet(demo))
    RunDemo(theApp.View());
  if (parser.isSet(reportPdf)) {
    const QString path = parser.value(reportPdf);
    QTimer::singleShot(parser.value(after).toInt(), [&theApp, path] {
      QString why;
      const bool printed = theApp.View()->Report().PrintToPdf(path, &why);
      if (!printed)
        platform::ShowMessage(CUserFile::CannotWriteText(path, why));
      std::printf("%s\n", qPrintable(path));
      QCoreApplication::exit(printed ? 0 : 1);
    });
  } else if (parser.isSet(screenshot))
    TakeScreenshot(theApp, parser.value(screenshot), parser.isSet(expanded),
                   parser.value(after).toInt());
  return app.exec();
}
