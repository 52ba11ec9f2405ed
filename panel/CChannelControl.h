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
// Every change of an output goes through the device library; the button caption ("ON"/"OFF")
// is the panel's record of whether an output is on.
class CChannelControl {
public:
  struct Widgets {
    QAbstractButton *button = nullptr; // 1053 … 1056
    CLED *led = nullptr;               // 1100, 1107, 1103, 1104
    QLineEdit *setPoint = nullptr;     // 1001, 1008; none for CH3/CH4
    QAbstractButton *ok = nullptr;     // 1090, 1092; none for CH3/CH4
    QLineEdit *actual = nullptr;       // 1004, 1007, 1009, 1011
    QWidget *knob = nullptr;           // 1069, 1070; none for CH3/CH4
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

  CPanelState &m_state;
  CPwrio &m_pwrio;
  std::array<Widgets, 4> m_widgets;
  std::array<QString *, 2> m_setPointTexts;
  IPanelDocument *m_pDoc = nullptr;
};
