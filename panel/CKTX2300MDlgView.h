#pragma once
#include <array>
#include <functional>
#include <memory>

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include "controls/CLED.h"
#include "controls/IKnobHost.h"
#include "core/CStepTable.h"
#include "panel/CPanelControls.h"
#include "panel/CPanelState.h"
#include "sequencer/IStepRunnerHost.h"
#include "trend/CReportPrinter.h"

class CChannelControl;
class CStepFiles;
class CStepRunner;
class CStepTableEditor;
class CPwrio;
class CDeviceProbe;
class IPanelDocument;
class CTrendPlot;
namespace platform {
class CCommandTable;
}
class QLabel;
class QProxyStyle;

// The control panel: every control of template 102 at its place, the panel state, start-up,
// the compact/expanded switch, the channel buttons and the periodic tasks. Handlers stay
// short: they read their controls, call a window-free rule and write the result back.
class CKTX2300MDlgView : public QWidget, public IKnobHost, public IStepRunnerHost {
  Q_OBJECT
public:
  explicit CKTX2300MDlgView(CPwrio &pwrio, QWidget *parent = nullptr);
  ~CKTX2300MDlgView() override;

  void SetDocument(IPanelDocument *doc);
  // The frame resizes itself when the panel switches between compact and expanded.
  using FrameSizer = std::function<void(int width, int height)>;
  void SetFrameSizer(FrameSizer sizer) { m_sizeFrame = std::move(sizer); }

  void OnInitialUpdate();

  // Adds the commands of the menu, accelerators and toolbar that the panel handles.
  void AddCommands(platform::CCommandTable &table);

  void OnToggleCompact();
  void SizeFrame();
  void ShowStepArea();
  void LoadToggleBitmap();

  void OnTimer(int id);
  // Starts the watch's probe on its own thread (nothing when one is still running); the result
  // arrives later through OnDeviceWatchResult.
  void OnDeviceWatch();
  void OnDeviceWatchResult(bool present);
  // Waits (processing events) until a running probe's result has been handled; for callers
  // that need it now. False when it did not arrive in time.
  bool WaitForDeviceWatch(int timeoutMs = 5000);
  bool DeviceWatchBusy() const;
  void SetTimer(int id, int milliseconds);
  void KillTimer(int id);
  int TimerInterval(int id) const;
  bool IsTimerActive(int id) const;

  void OnSetCh1();
  void OnSetCh2();
  void OnSwitchCh1();
  void OnSwitchCh2();
  void OnSwitchCh3();
  void OnSwitchCh4();
  void OnMenuSwitchCh1();
  void OnMenuSwitchCh2();
  void OnMenuSwitchCh3();
  void OnMenuSwitchCh4();
  void OnKeypadCh1();
  void OnKeypadCh2();
  void OnMenuVoltSetCh1();
  void OnMenuVoltSetCh2();

  void OnSelchangeMode();
  void OnSelchangeNumber();
  void OnSelchangeStart();
  void OnSelchangeStop();
  void OnSetVolts();
  void OnClearVolts();
  void OnRunStep();
  void OnStopSteps();
  void OnChannelRadio();
  void OnTimeOk();
  void OnFileOpen();
  void OnFileSave();
  void OnFileSaveAs();
  void OnFilePrint();
  void OnFilePrintPreview();
  const CReportPrinter &Report() const { return m_report; }

  QWidget *Item(int id) const;
  CPanelState &State() { return m_state; }
  const CStepTable &StepTable() const { return m_stepTable; }
  const CPanelState &State() const { return m_state; }
  IPanelDocument *Document() const { return m_pDoc; }

  // IKnobHost
  const CChannelState &KnobChannelState(int channel) const override;
  void SetKnobStep(int channel, std::int16_t step) override;
  QString KnobSetPointText(int channel) const override;
  void SetKnobSetPointText(int channel, const QString &text) override;
  CVoltEdit *KnobSetPointEdit(int channel) override;

  // IStepRunnerHost
  bool SendVolt(int channel, int onFlag, VoltageCode &code) override;
  void ShowActualVolt(int channel, double volts) override;
  void SetSamplingPeriod(int ms) override;

  QString m_strSetCh1;
  QString m_strSetCh2;
  QPixmap m_hIconNoDevice;
  QPixmap m_hIconDevice;

protected:
  void changeEvent(QEvent *event) override;

private:
  QWidget *CreateControl(int id, QWidget *parent);
  void FillChangingControls();
  void BindControls();
  void ConnectHandlers();
  void ApplyLegendColours();
  void BindSequencer();
  void BindStepChannel();
  void ShowStepChannel(CStepTable::StepChannel channel);
  void ResetStepTable();
  void ShowConnection(bool device);

  CPwrio &m_pwrio;
  std::unique_ptr<CDeviceProbe> m_deviceProbe;
  CPanelState m_state;
  CStepTable m_stepTable;
  IPanelDocument *m_pDoc = nullptr;
  FrameSizer m_sizeFrame;
  std::array<QTimer, 4> m_timers;
  std::unique_ptr<QProxyStyle> m_displayBoxStyle;
  CPanelControls m_c;
  int m_connectionShown = -1; // the connection picture: -1 none yet, 0 no device, 1 device
  std::array<CLED, 4> m_leds; // CH1, CH2, CH3, CH4
  std::unique_ptr<CChannelControl> m_channels;
  std::unique_ptr<CStepTableEditor> m_stepEditor;
  std::unique_ptr<CStepRunner> m_stepRunner;
  std::unique_ptr<CStepFiles> m_stepFiles;
  CReportPrinter m_report;
};
