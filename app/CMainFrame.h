#pragma once
#include <map>

#include <QMainWindow>

#include "platform/CCommandTable.h"

class QAction;
class QToolBar;
class QStatusBar;

// The fixed-size main frame: menu 128, a dockable flat toolbar, a one-pane status bar showing
// the prompts. Commands run from the application's command table, to which the frame adds its
// own (the bars, Exit, and the accelerators whose keys are swallowed).
class CMainFrame : public QMainWindow {
  Q_OBJECT
public:
  CMainFrame();
  ~CMainFrame() override;

  // Adds the frame's commands to the table, keeps it for dispatching, builds menu, toolbar and
  // status bar and places the frame.
  void OnCreate(platform::CCommandTable &commands);
  // Enables the toolbar buttons whose commands the table handles; called once every owner has
  // added its commands.
  void UpdateToolBar();
  void SetPanel(QWidget *panel);

  QAction *Action(int id) const;
  void Dispatch(int id);

  // Compact (390) or expanded (990) width; the top-left corner stays.
  void SizeFrame(int width, int height);

  // The device library's latest word on the device (why it is absent, why a call failed): the
  // status pane's text whenever no prompt is shown, as an idle message.
  void SetDeviceStatus(const QString &text);
  QString DeviceStatus() const { return m_strDeviceStatus; }
  // Where the frame opens: where it was last closed when that place is still on a screen,
  // otherwise the usual corner.
  static QPoint StartPlace();
  static constexpr const char *kPlaceKey = "MainFrame/Position";

  QToolBar *m_wndToolBar = nullptr;
  QStatusBar *m_wndStatusBar = nullptr;

  static constexpr int kCompactWidth = 390;
  static constexpr int kExpandedWidth = 990;
  static constexpr int kHeight = 470;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  bool event(QEvent *event) override;
  // Tab walks only the controls the frame shows: the compact frame hides part of the form.
  bool focusNextPrevChild(bool next) override;
  void closeEvent(QCloseEvent *event) override;

private:
  QAction *MakeAction(int id, const QString &text);
  void BuildMenu();
  void AddCommands(platform::CCommandTable &commands);
  void BuildToolBar();
  bool IsSwallowedKey(const QEvent *event) const;

  std::map<int, QAction *> m_actions;
  platform::CCommandTable *m_commands = nullptr;
  QString m_strDeviceStatus;
};
