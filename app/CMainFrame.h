#pragma once
#include <functional>
#include <map>

#include <QMainWindow>

class QAction;
class QToolBar;
class QStatusBar;

// The fixed-size main frame: menu 128, a dockable flat toolbar, a one-pane status bar showing
// the prompts. Commands go to the router the application installs; keys of commands that
// nothing handles (copy, paste, cut, undo, pane switching) are swallowed so that no edit box
// acts on them.
class CMainFrame : public QMainWindow {
  Q_OBJECT
public:
  using CommandRouter = std::function<bool(int id)>;           // true when some handler took it
  using UpdateRouter = std::function<void(int id, QAction *)>; // menu item text and state

  CMainFrame();
  ~CMainFrame() override;

  // Builds menu, toolbar and status bar and places the frame; false when a bar cannot be made.
  bool OnCreate(const std::function<bool(int id)> &hasHandler);
  void SetRouters(CommandRouter command, UpdateRouter update);
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
  void closeEvent(QCloseEvent *event) override;

private:
  QAction *MakeAction(int id, const QString &text);
  void BuildMenu();
  void BuildToolBar(const std::function<bool(int id)> &hasHandler);
  bool IsSwallowedKey(const QEvent *event) const;

  std::map<int, QAction *> m_actions;
  QString m_strDeviceStatus;
  CommandRouter m_command;
  UpdateRouter m_update;
};
