#pragma once
#include <array>

#include <QString>

class CLED;
class CPanelState;
class CPwrio;
class IPanelDocument;
class QAbstractButton;
class QLineEdit;
class QWidget;

// The OFF/ON buttons, the OK buttons and the Channel menu's switch items of the four outputs.
// Every change of an output goes through the device library; the panel state records whether an
// output is on, and the button caption ("ON"/"OFF") and the LED show it.
class CChannelControl {
public:
  struct Widgets {
    QAbstractButton *button = nullptr;
    CLED *led = nullptr;
    QLineEdit *setPoint = nullptr; // none for CH3/CH4
    QAbstractButton *ok = nullptr; // none for CH3/CH4
    QLineEdit *actual = nullptr;
    QWidget *knob = nullptr; // none for CH3/CH4
  };

  CChannelControl(CPanelState &state, CPwrio &pwrio, const std::array<Widgets, 4> &widgets,
                  std::array<QString *, 2> setPointTexts);
  void SetDocument(IPanelDocument *doc) { m_pDoc = doc; }

  void OnSetCh(int channel);            // OK of CH1 (0) or CH2 (1)
  void OnSwitchAdjustable(int channel); // OFF/ON of CH1 or CH2, and their menu items
  // OFF/ON of CH3 (2) or CH4 (3); failText is the message of the path that asked.
  void OnSwitchFixed(int channel, const char *failText);

  bool IsOn(int channel) const;
  QString MenuText(int channel) const; // "Turn Off" while on, "Turn On" while off

private:
  void SetChannelStateOn(int channel, bool on);
  void ShowOn(int channel, bool on); // records the flag, then caption and LED

  CPanelState &m_state;
  CPwrio &m_pwrio;
  std::array<Widgets, 4> m_widgets;
  std::array<QString *, 2> m_setPointTexts;
  IPanelDocument *m_pDoc = nullptr;
};
