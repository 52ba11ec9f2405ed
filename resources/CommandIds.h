#pragma once

// Command ids of the menu, accelerators and toolbar.
namespace cmd {
enum : int {
  kFileNew = 57600,
  kFileOpen = 57601,
  kFileSave = 57603,
  kFileSaveAs = 57604,
  kFilePrint = 57607,
  kFilePrintDirect = 57608,
  kFilePrintPreview = 57609,
  kEditCopy = 57634,
  kEditCut = 57635,
  kEditPaste = 57637,
  kEditUndo = 57643,
  kAppAbout = 57664,
  kAppExit = 57665,
  kNextPane = 57680,
  kPrevPane = 57681,
  kViewToolbar = 59392,
  kViewStatusBar = 59393,
  kCh1Switch = 32771,
  kCh1VoltSet = 32772,
  kCh2VoltSet = 32773,
  kCh2Switch = 32774,
  kCh3Switch = 32775,
  kCh4Switch = 32778,
  kHelpContents = 32782,
  kToolbar32783 = 32783,
  kToolbar32784 = 32784,
  kToolbar32785 = 32785,
};
} // namespace cmd
