#pragma once
#include <memory>

#include <QString>
#include <QStringList>

#include "app/CKTX2300MDoc.h"
#include "platform/CCommandTable.h"

class CMainFrame;
class CKTX2300MDlgView;
class CDeviceStatus;
class CPwrio;

// The application: program folder, settings, the document, the frame and the panel, and the
// one command table that the frame, the panel and the application fill.
class CKTX2300MApp {
public:
  CKTX2300MApp();
  ~CKTX2300MApp();
  CKTX2300MApp(const CKTX2300MApp &) = delete;
  CKTX2300MApp &operator=(const CKTX2300MApp &) = delete;

  // Start-up; false ends the program. arguments are the command line without the program
  // name and without Qt's own options.
  bool InitInstance(const QStringList &arguments);
  QString GetAppDir() const { return m_strAppDir; }

  void OnAppAbout();
  void OnFileNew();
  const platform::CCommandTable &Commands() const { return m_commands; }

  CMainFrame *Frame() const { return m_frame.get(); }
  CKTX2300MDlgView *View() const { return m_view; }
  CKTX2300MDoc &Document() { return m_doc; }

  // The folder of a program file: everything before its last separator.
  static QString FolderOf(const QString &programPath);

  static constexpr const char *kRegistryKey = "Local AppWizard-Generated Applications";
  // The name of the installed .desktop file: Wayland compositors find the icon through it.
  static constexpr const char *kDesktopId = "org.ktx2300m.KTX2300M";

private:
  bool ProcessShellCommand(const QStringList &arguments);
  void AddCommands();

  QString m_strAppDir;
  // Made before the device library is first called, so the library finds its pipe.
  std::unique_ptr<CDeviceStatus> m_deviceStatus;
  std::unique_ptr<CPwrio> m_pwrio;
  CKTX2300MDoc m_doc;
  platform::CCommandTable m_commands;
  std::unique_ptr<CMainFrame> m_frame;
  CKTX2300MDlgView *m_view = nullptr;
};
