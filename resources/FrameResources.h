#pragma once
// Menu 128, accelerators 128, toolbar 128 and the string table's prompts, as data.
#include <vector>

#include <QIcon>
#include <QKeySequence>
#include <QPixmap>
#include <QString>

namespace res {

struct MenuItem {
  int id = 0;            // 0 for a pop-up
  const char *text = ""; // with '&' mnemonics and "\t" before the shortcut text
  std::vector<MenuItem> items = {};
};
const std::vector<MenuItem> &Menu128();

struct Accelerator {
  QKeySequence keys;
  int id;
};
const std::vector<Accelerator> &Accelerators128();

// Toolbar 128: the button commands in order, 0 for a separator.
const std::vector<int> &Toolbar128();
// Image i (0-9) of the toolbar's 16 x 15 bitmap strip.
QPixmap ToolbarImage(int index);

// Status-line prompt and tooltip of a command; empty when the string table has none.
QString Prompt(int id);
QString Tooltip(int id);

QIcon AppIcon();        // icon 128
QPixmap NoDeviceIcon(); // icon 131
QPixmap DeviceIcon();   // icon 132
QPixmap ArrowRight();   // bitmap 140
QPixmap ArrowLeft();    // bitmap 141

inline constexpr const char *kAppTitle = "KTX2300M";
inline constexpr const char *kFrameTitle = "KTX2300M(Ver1.0.1)";
inline constexpr const char *kHelpFileName = "KTX2300M.chm";

// Initialises the Qt resources of this static library; call once before using the pictures.
void InitResources();

} // namespace res
