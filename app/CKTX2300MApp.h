#pragma once
#include <memory>

#include <QString>
#include <QStringList>

#include "app/CKTX2300MDoc.h"

class CMainFrame;
class CKTX2300MDlgView;
class CDeviceStatus;
class CPwrio;

// The application: program folder, settings, the document, the frame and the panel, and the
// routing of commands (panel first, then document, then application).
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
  bool RouteCommand(int id);
  bool HasHandler(int id) const;

  CMainFrame *Frame() const { return m_frame.get(); }
  CKTX2300MDlgView *View() const { return m_view; }
  CKTX2300MDoc &Document() { return m_doc; }
  const QStringList &RecentFiles() const { return m_recentFiles; }

  // The folder of a program file: everything before its last separator.
  static QString FolderOf(const QString &programPath);

  static constexpr const char *kRegistryKey = "Local AppWizard-Generated Applications";
  // The name of the installed .desktop file: Wayland compositors find the icon through it.
  static constexpr const char *kDesktopId = "org.ktx2300m.KTX2300M";
  static constexpr int kRecentFileCount = 4;

private:
  void LoadStdProfileSettings();
  void SaveStdProfileSettings() const;
  bool ProcessShellCommand(const QStringList &arguments);

  QString m_strAppDir;
  QStringList m_recentFiles;
  // Made before the device library is first called, so the library finds its pipe.
  std::unique_ptr<CDeviceStatus> m_deviceStatus;
  std::unique_ptr<CPwrio> m_pwrio;
  CKTX2300MDoc m_doc;
  std::unique_ptr<CMainFrame> m_frame;
  CKTX2300MDlgView *m_view = nullptr;
};
