// The KTX2300M control panel.
//   KTX2300M [FILE] [--demo] [--expanded] [--palette dark] [--screenshot PNG]
//            [--report-pdf PDF] [--after MS]
//   KTX2300M --help | --version
// --screenshot writes a picture of the main window after start-up and ends the program; with
// no display the run command uses it on the offscreen platform. --report-pdf prints the test
// report to a PDF file instead. --demo drives the panel through its own buttons first (both
// adjustable channels on, a step table run on CH1 at a fast sampling interval), so pictures
// show a moving chart. --palette dark shows the panel as a dark desktop would.
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QTimer>

#include <QAbstractButton>
#include <QComboBox>

#include "app/CKTX2300MApp.h"
#include "app/CMainFrame.h"
#include "app/DarkPalette.h"
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
  QObject::connect(runner, &QTimer::timeout, platform::DlgItem<QAbstractButton>(panel, ctl::kRun),
                   &QAbstractButton::click);
  runner->start(400);
}

// What --help prints after the usage line: what the program does, the environment it reads and
// its exit status.
constexpr const char *kDescription = R"(Control panel of the KTX2300M programmable DC power supply.

The panel drives the supply through its device library libPwrio.so, which simulates the
supply unless PWRIO_BACKEND or a pwrio.conf file names a real SCPI instrument.

Environment:
  PWRIO_LIBRARY      use this device library file and no other
  PWRIO_BACKEND      sim, tcp://HOST[:PORT], serial:/dev/ttyXXX[?baud=N],
                     usbtmc:/dev/usbtmcN or a VISA name such as TCPIP::HOST::PORT::SOCKET
  PWRIO_TIMEOUT_MS   longest time one device call may take, 10 to 10000 (300)
  PWRIO_PROFILE      SCPI command profile file
  PWRIO_CONFIG       configuration file to read instead of pwrio.conf
  PWRIO_SIM_CONTROL  control file of the simulated supply
  PWRIO_SIM_LOG      file the device library logs every call to
  PWRIO_SIM_STATE    file the simulated supply writes its outputs to

Exit status:
  0  the window was closed; --help or --version; the screenshot or report was written
  1  a wrong command line; FILE cannot be opened; the screenshot or report could not be
     written)";

struct Options {
  QCommandLineOption screenshot{QStringLiteral("screenshot"),
                                QStringLiteral("Write a PNG of the window and exit."),
                                QStringLiteral("png")};
  QCommandLineOption expanded{QStringLiteral("expanded"),
                              QStringLiteral("Start in the expanded layout.")};
  QCommandLineOption demo{QStringLiteral("demo"),
                          QStringLiteral("Drive the panel through a short demonstration.")};
  QCommandLineOption reportPdf{QStringLiteral("report-pdf"),
                               QStringLiteral("Print the test report to a PDF and exit."),
                               QStringLiteral("pdf")};
  QCommandLineOption palette{QStringLiteral("palette"),
                             QStringLiteral("Use the dark palette (\"dark\") instead of the "
                                            "desktop's."),
                             QStringLiteral("dark")};
  QCommandLineOption after{QStringLiteral("after"),
                           QStringLiteral("Milliseconds to run before the screenshot or the "
                                          "report (1500)."),
                           QStringLiteral("ms"), QStringLiteral("1500")};

  explicit Options(QCommandLineParser &parser) {
    QCoreApplication::setApplicationName(QStringLiteral("KTX2300M"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KTX_VERSION));
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.addOptions({screenshot, expanded, demo, reportPdf, palette, after});
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("A document to open; the panel keeps no document content, but a file "
                       "that cannot be opened ends the program."),
        QStringLiteral("[FILE]"));
    parser.addHelpOption();
    parser.addVersionOption();
  }
};

// --help and --version answer without a window system, so they work in a plain terminal.
bool AsksForHelpOrVersion(int argc, char **argv) {
  for (int i = 1; i < argc; ++i)
    for (const char *option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
      if (std::strcmp(argv[i], option) == 0)
        return true;
  return false;
}

void TakeScreenshot(CKTX2300MApp &theApp, const QString &path, int after) {
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
  if (AsksForHelpOrVersion(argc, argv)) {
    QCoreApplication core(argc, argv);
    QCommandLineParser parser;
    const Options options(parser);
    parser.process(core); // prints and exits
    return 0;
  }
  QApplication app(argc, argv);
  QCommandLineParser parser;
  const Options options(parser);
  const auto &[screenshot, expanded, demo, reportPdf, palette, after] = options;
  parser.process(app);
  if (parser.isSet(palette)) {
    if (parser.value(palette) != QLatin1String("dark")) {
      std::fprintf(stderr, "KTX2300M: --palette takes \"dark\"\n");
      return 1;
    }
    QApplication::setPalette(DarkPalette());
  }

  // A screenshot run has no operator to close message boxes: print their texts instead.
  const bool unattended = parser.isSet(screenshot) || parser.isSet(reportPdf);
  if (unattended)
    platform::SetMessageHook(
        [](const QString &text) { std::fprintf(stderr, "message: %s\n", qPrintable(text)); });
  CKTX2300MApp theApp;
  if (!theApp.InitInstance(parser.positionalArguments()))
    return 1;
  if (parser.isSet(expanded))
    theApp.View()->OnToggleCompact();
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
    TakeScreenshot(theApp, parser.value(screenshot), parser.value(after).toInt());
  return app.exec();
}
