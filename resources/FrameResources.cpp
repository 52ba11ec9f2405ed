#include "resources/FrameResources.h"

#include <QHash>

#include "resources/CommandIds.h"

namespace res {

const std::vector<MenuItem> &Menu128() {
  static const std::vector<MenuItem> menu{
      {0,
       "&File",
       {{cmd::kFileOpen, "&Open...\tCtrl+O"},
        {cmd::kFileSave, "&Save\tCtrl+S"},
        {cmd::kFileSaveAs, "Save &As..."},
        {-1, ""},
        {cmd::kAppExit, "E&xit"}}},
      {0,
       "&Channel",
       {{0, "CH1", {{cmd::kCh1Switch, "Turn Off"}, {cmd::kCh1VoltSet, "Volt_set"}}},
        {0, "CH2", {{cmd::kCh2Switch, "Turn Off"}, {cmd::kCh2VoltSet, "Volt_set"}}},
        {0, "CH3", {{cmd::kCh3Switch, "Turn Off"}}},
        {0, "CH4", {{cmd::kCh4Switch, "Turn Off"}}}}},
      {0, "&View", {{cmd::kViewToolbar, "&Toolbar"}, {cmd::kViewStatusBar, "&Status Bar"}}},
      {0, "&Help", {{cmd::kHelpContents, "Contents"}, {cmd::kAppAbout, "&About KTX2300M(&A)..."}}},
  };
  return menu;
}

const std::vector<Accelerator> &Accelerators128() {
  static const std::vector<Accelerator> accelerators{
      {QKeySequence(Qt::CTRL | Qt::Key_N), cmd::kFileNew},
      {QKeySequence(Qt::CTRL | Qt::Key_O), cmd::kFileOpen},
      {QKeySequence(Qt::CTRL | Qt::Key_S), cmd::kFileSave},
      {QKeySequence(Qt::CTRL | Qt::Key_P), cmd::kFilePrint},
      {QKeySequence(Qt::CTRL | Qt::Key_Z), cmd::kEditUndo},
      {QKeySequence(Qt::ALT | Qt::Key_Backspace), cmd::kEditUndo},
      {QKeySequence(Qt::CTRL | Qt::Key_X), cmd::kEditCut},
      {QKeySequence(Qt::SHIFT | Qt::Key_Delete), cmd::kEditCut},
      {QKeySequence(Qt::CTRL | Qt::Key_C), cmd::kEditCopy},
      {QKeySequence(Qt::CTRL | Qt::Key_Insert), cmd::kEditCopy},
      {QKeySequence(Qt::CTRL | Qt::Key_V), cmd::kEditPaste},
      {QKeySequence(Qt::SHIFT | Qt::Key_Insert), cmd::kEditPaste},
      {QKeySequence(Qt::Key_F6), cmd::kNextPane},
      {QKeySequence(Qt::SHIFT | Qt::Key_F6), cmd::kPrevPane},
      {QKeySequence(Qt::Key_F1), cmd::kHelpContents},
  };
  return accelerators;
}

const std::vector<int> &Toolbar128() {
  static const std::vector<int> buttons{
      cmd::kFileOpen,     cmd::kFileSave,     0,
      cmd::kFilePrint,    cmd::kHelpContents, cmd::kEditCut,
      cmd::kToolbar32785, cmd::kEditCopy,     cmd::kEditPaste,
      cmd::kToolbar32783, cmd::kToolbar32784,
  };
  return buttons;
}

QPixmap ToolbarImage(int index) {
  static const QPixmap strip(QStringLiteral(":/images/toolbar128.png"));
  return strip.copy(16 * index, 0, 16, 15);
}

namespace {
// String table entries: prompt, then tooltip after "\n".
const QHash<int, QString> &StringTable() {
  static const QHash<int, QString> table{
      {cmd::kFileOpen, QStringLiteral("open a document \n open")},
      {cmd::kFileSave, QStringLiteral("save a valid document \nsave")},
      {cmd::kFileSaveAs, QStringLiteral("save a valid document as a new name \n save as")},
      {cmd::kFilePrint, QStringLiteral("print a valid document \n print")},
      {cmd::kAppAbout,
       QStringLiteral("show the informatian of program，version number and copryright\nabout ")},
      {cmd::kAppExit, QStringLiteral("exit the application;prompt to save the document \nexit")},
      {cmd::kViewToolbar, QStringLiteral("show or hide the toolbar \nToolbar")},
      {cmd::kViewStatusBar, QStringLiteral("show or hide status bar \nStatus Bar")},
  };
  return table;
}
} // namespace

QString Prompt(int id) {
  return StringTable().value(id).section(QLatin1Char('\n'), 0, 0);
}

QString Tooltip(int id) {
  const QString text = StringTable().value(id);
  const qsizetype cut = text.indexOf(QLatin1Char('\n'));
  return cut < 0 ? QString() : text.mid(cut + 1);
}

QIcon AppIcon() {
  return QIcon(QStringLiteral(":/images/icon128.png"));
}
QPixmap NoDeviceIcon() {
  return QPixmap(QStringLiteral(":/images/icon131.png"));
}
QPixmap DeviceIcon() {
  return QPixmap(QStringLiteral(":/images/icon132.png"));
}
QPixmap ArrowRight() {
  return QPixmap(QStringLiteral(":/images/bmp140.png"));
}
QPixmap ArrowLeft() {
  return QPixmap(QStringLiteral(":/images/bmp141.png"));
}

} // namespace res

static void InitKtxResources() {
  Q_INIT_RESOURCE(resources);
  Q_INIT_RESOURCE(help);
}

void res::InitResources() {
  InitKtxResources();
}
