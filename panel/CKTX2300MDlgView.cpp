#include "panel/CKTX2300MDlgView.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "controls/CIntEdit.h"
#include "controls/CKeypadCh1Dlg.h"
#include "controls/CKeypadCh2Dlg.h"
#include "controls/CStepListCtrl.h"
#include "controls/CVoltEdit.h"
#include "controls/CVoltKnob.h"
#include "controls/CVoltSetCh1Dlg.h"
#include "controls/CVoltSetCh2Dlg.h"
#include "core/CStepTable.h"
#include "device/CPwrio.h"
#include "panel/CChannelControl.h"
#include "panel/CDeviceProbe.h"
#include "panel/CDisplayBoxStyle.h"
#include "panel/CPanelControls.h"
#include "panel/CWheelToFocus.h"
#include "panel/ControlFace.h"
#include "panel/IPanelDocument.h"
#include "panel/PanelRules.h"
#include "panel/PanelTexts.h"
#include "platform/CCommandTable.h"
#include "platform/CDialogBuilder.h"
#include "platform/CMessageBox.h"
#include "platform/ColourContrast.h"
#include "platform/CrtText.h"
#include "resources/AccessibleTexts.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "resources/DialogTemplates.h"
#include "resources/FrameResources.h"
#include "sequencer/CStepFiles.h"
#include "sequencer/CStepRunner.h"
#include "sequencer/CStepTableEditor.h"
#include "trend/CTimeRuler.h"
#include "trend/CTrendPlot.h"
#include "trend/CVoltRuler.h"

namespace {
QString Text(const char *text) {
  return QString::fromLatin1(text);
}
} // namespace

CKTX2300MDlgView::CKTX2300MDlgView(CPwrio &pwrio, QWidget *parent)
    : QWidget(parent), m_pwrio(pwrio),
      m_deviceProbe(std::make_unique<CDeviceProbe>([&pwrio] { return pwrio.dsoSearch(); })),
      m_displayBoxStyle(std::make_unique<CDisplayBoxStyle>()) {
  connect(m_deviceProbe.get(), &CDeviceProbe::Finished, this,
          &CKTX2300MDlgView::OnDeviceWatchResult);
  res::InitResources();
  m_hIconNoDevice = res::NoDeviceIcon();
  m_hIconDevice = res::DeviceIcon();
  platform::CDialogBuilder::Build(
      this, res::PanelTemplate(),
      [this](const platform::ControlTemplate &c, QWidget *p) { return CreateControl(c.id, p); });
  setAccessibleName(QString::fromLatin1(res::access::kPanel));
  res::access::NameControls(this, res::access::kPanelNames);
  BindControls();
  ConnectHandlers();
  (new CWheelToFocus(this))->WatchAll();
  for (int id = 0; id < static_cast<int>(m_timers.size()); ++id)
    connect(&m_timers[static_cast<std::size_t>(id)], &QTimer::timeout, this,
            [this, id] { OnTimer(id); });
}

CKTX2300MDlgView::~CKTX2300MDlgView() {
  if (m_pDoc)
    m_pDoc->SetActiveStepTable(nullptr);
}

QWidget *CKTX2300MDlgView::CreateControl(int id, QWidget *parent) {
  switch (id) {
  case ctl::kCh1Set:
  case ctl::kCh2Set:
  case ctl::kCh1Actual:
  case ctl::kCh2Actual:
  case ctl::kFromVolt:
  case ctl::kToVolt:
    return new CVoltEdit(parent);
  case ctl::kInterval:
    return new CIntEdit(parent);
  case ctl::kCh1Knob:
  case ctl::kCh2Knob:
    return new CVoltKnob(parent);
  case ctl::kTrendPlot:
    return new CTrendPlot(parent);
  case ctl::kVoltRuler:
    return new CVoltRuler(parent);
  case ctl::kTimeRuler:
    return new CTimeRuler(parent);
  case ctl::kStepList:
    return new CStepListCtrl(parent);
  case ctl::kCh1Led:
  case ctl::kCh2Led:
  case ctl::kCh3Led:
  case ctl::kCh4Led:
    return new CLampWidget(parent);
  default:
    return nullptr;
  }
}

QWidget *CKTX2300MDlgView::Item(int id) const {
  return platform::GetDlgItem(this, id);
}

void CKTX2300MDlgView::BindControls() {
  m_c = CPanelControls::Bind(this);
  m_c.stepList->SetTable(&m_stepTable);
  for (std::size_t ch = 0; ch < 2; ++ch) {
    m_c.channels[ch].setPoint->SetWheelWalk(true);
    m_c.channels[ch].knob->SetChannel(static_cast<std::int16_t>(ch));
    m_c.channels[ch].knob->SetHost(this);
  }
  // The template gives the picture icon 131: no device until the watch has seen one.
  ShowConnection(false);
  m_c.trendPlot->Attach(m_state.RingCh1(), m_state.RingCh2(), &m_state.m_nRingOldest,
                        m_c.voltRuler);
  for (const CPanelControls::Channel &channel : m_c.channels)
    channel.actual->setStyle(m_displayBoxStyle.get());
  ApplyLegendColours();

  std::array<CChannelControl::Widgets, 4> widgets;
  for (std::size_t ch = 0; ch < 4; ++ch) {
    const CPanelControls::Channel &c = m_c.channels[ch];
    m_leds[ch].Attach(c.led);
    // The template's caption is "OFF"; from here on the switch keeps caption and state together.
    c.switchButton->setAccessibleDescription(QString::fromLatin1(res::access::kOff));
    widgets[ch] = {c.switchButton, &m_leds[ch], c.setPoint, c.ok, c.actual, c.knob};
  }
  m_channels = std::make_unique<CChannelControl>(
      m_state, m_pwrio, widgets, std::array<QString *, 2>{&m_strSetCh1, &m_strSetCh2});
  BindSequencer();
}

void CKTX2300MDlgView::BindSequencer() {
  CStepControls c;
  c.mode = m_c.mode;
  c.number = m_c.number;
  c.start = m_c.start;
  c.stop = m_c.stop;
  c.runNumber = m_c.runNumber;
  c.runSteps = m_c.runSteps;
  c.unit = m_c.intervalUnit;
  c.table = &m_stepTable;
  c.loader = m_c.stepList;
  c.voltCheck = m_c.voltCheck;
  c.from = m_c.fromVolt;
  c.to = m_c.toVolt;
  c.interval = m_c.interval;
  c.stepRadio = m_c.stepRadio;
  c.runButton = m_c.run;
  c.stepIndex = &m_state.m_nStepIndex;
  c.voltCode = m_state.m_voltCode.data();
  m_stepEditor = std::make_unique<CStepTableEditor>(c);
  m_stepRunner = std::make_unique<CStepRunner>(c, *this);
  m_stepFiles = std::make_unique<CStepFiles>(
      c, [this](const QString &path) { return m_pDoc && m_pDoc->WriteStepFile(path); }, this);
  BindStepChannel();
}

void CKTX2300MDlgView::BindStepChannel() {
  // The CHANNEL radios show the table's channel and set it, whichever way they are switched;
  // the runner and the file writer read the table.
  const auto choose = [this](QRadioButton *radio, CStepTable::StepChannel channel) {
    connect(radio, &QAbstractButton::toggled, this, [this, channel](bool checked) {
      if (checked)
        m_stepTable.SetStepChannel(channel);
    });
  };
  choose(m_c.ch1Radio, CStepTable::kStepCh1);
  choose(m_c.ch2Radio, CStepTable::kStepCh2);
  connect(&m_stepTable, &CStepTable::StepChannelChanged, this, &CKTX2300MDlgView::ShowStepChannel);
}

void CKTX2300MDlgView::ShowStepChannel(CStepTable::StepChannel channel) {
  if (channel != CStepTable::kNoChannel) {
    (channel == CStepTable::kStepCh1 ? m_c.ch1Radio : m_c.ch2Radio)->setChecked(true);
    return;
  }
  // An exclusive pair refuses to clear its checked button.
  for (QRadioButton *radio : {m_c.ch1Radio, m_c.ch2Radio}) {
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    radio->setAutoExclusive(true);
  }
}

void CKTX2300MDlgView::SetDocument(IPanelDocument *doc) {
  if (m_pDoc)
    m_pDoc->SetActiveStepTable(nullptr);
  m_pDoc = doc;
  if (doc)
    doc->SetActiveStepTable(&m_stepTable);
  m_channels->SetDocument(doc);
  m_report.Attach(m_state.RingCh1(), m_state.RingCh2(), &m_state.m_nRingOldest, m_c.voltRuler,
                  doc ? &doc->StateCh1() : nullptr, doc ? &doc->StateCh2() : nullptr);
}

void CKTX2300MDlgView::ConnectHandlers() {
  const auto onClick = [this](QAbstractButton *button, void (CKTX2300MDlgView::*handler)()) {
    connect(button, &QAbstractButton::clicked, this, handler);
  };
  const auto &ch = m_c.channels;
  onClick(m_c.toggleArea, &CKTX2300MDlgView::OnToggleCompact);
  onClick(ch[0].ok, &CKTX2300MDlgView::OnSetCh1);
  onClick(ch[1].ok, &CKTX2300MDlgView::OnSetCh2);
  onClick(ch[0].switchButton, &CKTX2300MDlgView::OnSwitchCh1);
  onClick(ch[1].switchButton, &CKTX2300MDlgView::OnSwitchCh2);
  onClick(ch[2].switchButton, &CKTX2300MDlgView::OnSwitchCh3);
  onClick(ch[3].switchButton, &CKTX2300MDlgView::OnSwitchCh4);
  onClick(ch[0].keypad, &CKTX2300MDlgView::OnKeypadCh1);
  onClick(ch[1].keypad, &CKTX2300MDlgView::OnKeypadCh2);
  onClick(m_c.setVolts, &CKTX2300MDlgView::OnSetVolts);
  onClick(m_c.clearVolts, &CKTX2300MDlgView::OnClearVolts);
  onClick(m_c.run, &CKTX2300MDlgView::OnRunStep);
  onClick(m_c.stopSteps, &CKTX2300MDlgView::OnStopSteps);
  onClick(m_c.ch1Radio, &CKTX2300MDlgView::OnChannelRadio);
  onClick(m_c.ch2Radio, &CKTX2300MDlgView::OnChannelRadio);
  onClick(m_c.timeOk, &CKTX2300MDlgView::OnTimeOk);
  // A selection change by the operator; the program's own selections send nothing.
  const auto onSelchange = [this](QComboBox *combo, void (CKTX2300MDlgView::*handler)()) {
    connect(combo, &QComboBox::activated, this, handler);
  };
  onSelchange(m_c.mode, &CKTX2300MDlgView::OnSelchangeMode);
  onSelchange(m_c.number, &CKTX2300MDlgView::OnSelchangeNumber);
  onSelchange(m_c.start, &CKTX2300MDlgView::OnSelchangeStart);
  onSelchange(m_c.stop, &CKTX2300MDlgView::OnSelchangeStop);
}

void CKTX2300MDlgView::ApplyLegendColours() {
  // CH1 green and CH2 cyan, under the chart and in the CHANNEL group.
  const QColor colours[] = {QColor(0, 255, 0), QColor(0, 255, 255), QColor(0, 255, 0),
                            QColor(0, 255, 255)};
  for (std::size_t i = 0; i < m_c.legends.size(); ++i) {
    QLabel *label = m_c.legends[i];
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colours[i]);
    // The legends' bright colours are fixed; a dark palette's light text would not show on them.
    palette.setColor(QPalette::WindowText,
                     platform::LegibleInk(palette.color(QPalette::WindowText), colours[i],
                                          platform::kTextContrast, Qt::black));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
  }
}

void CKTX2300MDlgView::OnInitialUpdate() {
  // The form is larger than the frame, so fitting the frame to it (shrinking only) changes
  // nothing; the frame keeps the size it was given.
  m_state.m_bInitialised = 1;
  for (CLED &led : m_leds)
    led.SetOn(false);
  for (const CPanelControls::Channel &channel : m_c.channels)
    platform::SetWindowText(channel.actual, Text(texts::kZero));
  m_c.channels[0].setPoint->setReadOnly(true);
  m_c.channels[1].setPoint->setReadOnly(true);
  // CH1's actual and set-point boxes take at most five typed characters.
  qobject_cast<CVoltEdit *>(m_c.channels[0].actual)->SetTypingLimit(5);
  m_c.channels[0].setPoint->SetTypingLimit(5);
  if (m_pDoc) {
    m_pDoc->SetChannelFlags(0, 0);
    m_pDoc->RefreshChannelStates();
  }
  m_c.mode->setCurrentIndex(0);
  ResetStepTable();
  m_stepTable.SetStepChannel(CStepTable::kStepCh1);
  m_c.stepRadio->setChecked(true);
  m_c.fromVolt->SetValue(1.0f);
  m_c.toVolt->SetValue(9.0f);
  m_stepEditor->FillFromMode();
  platform::SetWindowText(m_c.interval, QStringLiteral("1000"));
  ShowStepArea();
  LoadToggleBitmap();
  SetTimer(3, 500);
  SetTimer(0, 1000);
  SetTimer(1, 1000);
  m_c.intervalUnit->setCurrentIndex(0);
}

void CKTX2300MDlgView::ResetStepTable() {
  CStepListCtrl *list = m_c.stepList;
  // A second start-up (new document) fills the lists afresh instead of adding to them.
  for (QComboBox *combo : {m_c.number, m_c.start, m_c.stop, m_c.runNumber, m_c.runSteps})
    combo->clear();
  list->DeleteAllItems();
  if (m_stepTable.columnCount() == 0) {
    list->InsertColumn(0, QStringLiteral("Step"), 40);
    list->InsertColumn(1, QStringLiteral("Number"), 60);
    list->InsertColumn(2, QStringLiteral("Volt"), 60);
  }
  list->SetBkColor(QColor(247, 247, 255));
}

void CKTX2300MDlgView::AddCommands(platform::CCommandTable &table) {
  const auto add = [this, &table](int id, void (CKTX2300MDlgView::*handler)()) {
    table.Add(id, [this, handler] { (this->*handler)(); });
  };
  add(cmd::kFileOpen, &CKTX2300MDlgView::OnFileOpen);
  add(cmd::kFileSave, &CKTX2300MDlgView::OnFileSave);
  add(cmd::kFileSaveAs, &CKTX2300MDlgView::OnFileSaveAs);
  add(cmd::kFilePrint, &CKTX2300MDlgView::OnFilePrint);
  add(cmd::kFilePrintDirect, &CKTX2300MDlgView::OnFilePrint);
  add(cmd::kFilePrintPreview, &CKTX2300MDlgView::OnFilePrintPreview);
  add(cmd::kCh1VoltSet, &CKTX2300MDlgView::OnMenuVoltSetCh1);
  add(cmd::kCh2VoltSet, &CKTX2300MDlgView::OnMenuVoltSetCh2);
  // The switch items read "Turn Off" while their output is on.
  const struct {
    int id;
    void (CKTX2300MDlgView::*handler)();
  } switches[] = {{cmd::kCh1Switch, &CKTX2300MDlgView::OnMenuSwitchCh1},
                  {cmd::kCh2Switch, &CKTX2300MDlgView::OnMenuSwitchCh2},
                  {cmd::kCh3Switch, &CKTX2300MDlgView::OnMenuSwitchCh3},
                  {cmd::kCh4Switch, &CKTX2300MDlgView::OnMenuSwitchCh4}};
  for (int channel = 0; channel < 4; ++channel) {
    const auto handler = switches[channel].handler;
    table.Add(
        switches[channel].id, [this, handler] { (this->*handler)(); },
        [this, channel](QAction *action) { action->setText(m_channels->MenuText(channel)); });
  }
}

void CKTX2300MDlgView::OnToggleCompact() {
  m_state.m_bCompact = m_state.m_bCompact ? 0 : 1;
  SizeFrame();
  ShowStepArea();
  LoadToggleBitmap();
}

void CKTX2300MDlgView::SizeFrame() {
  if (m_sizeFrame)
    m_sizeFrame(panel::FrameWidth(m_state.m_bCompact != 0), 470);
}

void CKTX2300MDlgView::ShowStepArea() {
  for (QObject *child : children()) {
    auto *widget = qobject_cast<QWidget *>(child);
    if (widget && panel::IsStepAreaId(platform::GetDlgCtrlID(widget)))
      widget->setVisible(m_state.m_bCompact == 0);
  }
  FillChangingControls(); // what lies under them may have changed with the layout
}

void CKTX2300MDlgView::FillChangingControls() {
  for (const CPanelControls::Channel &channel : m_c.channels)
    panel::FillWithFaceBeneath(channel.actual);
  panel::FillWithFaceBeneath(m_c.clock);
  panel::FillWithFaceBeneath(m_c.run);
}

void CKTX2300MDlgView::changeEvent(QEvent *event) {
  QWidget::changeEvent(event);
  if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) && m_c.run)
    FillChangingControls();
}

void CKTX2300MDlgView::LoadToggleBitmap() {
  QPushButton *button = m_c.toggleArea;
  const QPixmap arrow = m_state.m_bCompact ? res::ArrowRight() : res::ArrowLeft();
  button->setIcon(QIcon(arrow));
  button->setIconSize(button->size());
  button->setAccessibleDescription(
      QString::fromLatin1(m_state.m_bCompact ? res::access::kCompact : res::access::kExpanded));
  button->update();
}

void CKTX2300MDlgView::SetTimer(int id, int milliseconds) {
  m_timers[static_cast<std::size_t>(id)].start(milliseconds);
}

void CKTX2300MDlgView::KillTimer(int id) {
  m_timers[static_cast<std::size_t>(id)].stop();
}

int CKTX2300MDlgView::TimerInterval(int id) const {
  return m_timers[static_cast<std::size_t>(id)].interval();
}

bool CKTX2300MDlgView::IsTimerActive(int id) const {
  return m_timers[static_cast<std::size_t>(id)].isActive();
}

void CKTX2300MDlgView::OnTimer(int id) {
  switch (id) {
  case 0:
    platform::SetWindowText(m_c.clock, panel::ClockText(QDateTime::currentDateTime()));
    break;
  case 1:
    m_state.Sample();
    m_c.trendPlot->Invalidate();
    break;
  case 3:
    OnDeviceWatch();
    break;
  default: // id 2 is reserved and never started
    break;
  }
}

void CKTX2300MDlgView::OnDeviceWatch() {
  m_deviceProbe->Start();
}

bool CKTX2300MDlgView::WaitForDeviceWatch(int timeoutMs) {
  return m_deviceProbe->Wait(timeoutMs);
}

bool CKTX2300MDlgView::DeviceWatchBusy() const {
  return m_deviceProbe->Busy();
}

void CKTX2300MDlgView::OnDeviceWatchResult(bool present) {
  const auto result = m_state.Watch(present);
  ShowConnection(result == CPanelState::WatchResult::Device);
  // The box runs a nested loop. Opened inside this handler it would hold the watch timer, which
  // Qt does not fire again while its handler runs: the watch would stop behind its own message
  // and a return and second loss would go unseen. Opened once the handler has returned, the
  // watch goes on probing while the box waits for the operator.
  if (result == CPanelState::WatchResult::NoDeviceFirstMiss)
    QMetaObject::invokeMethod(
        this, [] { platform::ShowMessage(Text(texts::kCommunicationError)); },
        Qt::QueuedConnection);
}

void CKTX2300MDlgView::ShowConnection(bool device) {
  // Setting the same picture again would repaint the label and its frame every tick.
  if (m_connectionShown == (device ? 1 : 0))
    return;
  m_connectionShown = device ? 1 : 0;
  m_c.connectionIcon->setPixmap(device ? m_hIconDevice : m_hIconNoDevice);
  m_c.connectionIcon->setAccessibleDescription(
      QString::fromLatin1(device ? res::access::kConnected : res::access::kNotConnected));
}

void CKTX2300MDlgView::OnSetCh1() {
  m_channels->OnSetCh(0);
}
void CKTX2300MDlgView::OnSetCh2() {
  m_channels->OnSetCh(1);
}
void CKTX2300MDlgView::OnSwitchCh1() {
  m_channels->OnSwitchAdjustable(0);
}
void CKTX2300MDlgView::OnSwitchCh2() {
  m_channels->OnSwitchAdjustable(1);
}
void CKTX2300MDlgView::OnSwitchCh3() {
  m_channels->OnSwitchFixed(2, texts::kSendingErrorSwitch);
}
void CKTX2300MDlgView::OnSwitchCh4() {
  m_channels->OnSwitchFixed(3, texts::kSendingErrorSwitch);
}
// Turn Off from the menu switches the output off at the device, exactly as the OFF button
// does: an output left live while the panel shows OFF would be unsafe.
void CKTX2300MDlgView::OnMenuSwitchCh1() {
  m_channels->OnSwitchAdjustable(0);
}
void CKTX2300MDlgView::OnMenuSwitchCh2() {
  m_channels->OnSwitchAdjustable(1);
}
void CKTX2300MDlgView::OnMenuSwitchCh3() {
  m_channels->OnSwitchFixed(2, texts::kSendingErrorSwitch);
}
void CKTX2300MDlgView::OnMenuSwitchCh4() {
  m_channels->OnSwitchFixed(3, texts::kSendingErrorCh4Menu);
}

void CKTX2300MDlgView::OnKeypadCh1() {
  CKeypadCh1Dlg dialog(this, m_c.channels[0].setPoint);
  dialog.exec();
}

void CKTX2300MDlgView::OnKeypadCh2() {
  CKeypadCh2Dlg dialog(this, m_c.channels[1].setPoint);
  dialog.exec();
}

void CKTX2300MDlgView::OnMenuVoltSetCh1() {
  CVoltSetCh1Dlg dialog(this, m_c.channels[0].setPoint, m_channels->IsOn(0));
  dialog.exec();
}

void CKTX2300MDlgView::OnMenuVoltSetCh2() {
  CVoltSetCh2Dlg dialog(this, m_c.channels[1].setPoint, m_channels->IsOn(1));
  dialog.exec();
}

const CChannelState &CKTX2300MDlgView::KnobChannelState(int channel) const {
  static const CChannelState offState;
  if (!m_pDoc)
    return offState;
  return channel == 0 ? m_pDoc->StateCh1() : m_pDoc->StateCh2();
}

void CKTX2300MDlgView::SetKnobStep(int channel, std::int16_t step) {
  if (!m_pDoc)
    return;
  if (channel == 0)
    m_pDoc->SetCh1KnobStep(step);
  else
    m_pDoc->SetCh2KnobStep(step);
}

QString CKTX2300MDlgView::KnobSetPointText(int channel) const {
  return channel == 0 ? m_strSetCh1 : m_strSetCh2;
}

void CKTX2300MDlgView::SetKnobSetPointText(int channel, const QString &text) {
  (channel == 0 ? m_strSetCh1 : m_strSetCh2) = text;
}

CVoltEdit *CKTX2300MDlgView::KnobSetPointEdit(int channel) {
  return m_c.channels[channel == 0 ? 0 : 1].setPoint;
}

void CKTX2300MDlgView::OnSelchangeMode() {
  m_stepEditor->OnSelchangeMode();
}
void CKTX2300MDlgView::OnSelchangeNumber() {
  m_stepEditor->OnSelchangeNumber();
}
void CKTX2300MDlgView::OnSelchangeStart() {
  m_stepEditor->OnSelchangeStart();
}
void CKTX2300MDlgView::OnSelchangeStop() {
  m_stepEditor->OnSelchangeStop();
}
void CKTX2300MDlgView::OnSetVolts() {
  m_stepEditor->OnSetVolts();
}
void CKTX2300MDlgView::OnClearVolts() {
  m_stepEditor->OnClearVolts();
}
void CKTX2300MDlgView::OnRunStep() {
  m_stepRunner->OnRunStep();
}
void CKTX2300MDlgView::OnStopSteps() {
  m_stepRunner->OnStopSteps();
}
void CKTX2300MDlgView::OnChannelRadio() {
  m_stepRunner->OnChannelRadio();
}
void CKTX2300MDlgView::OnTimeOk() {
  m_stepRunner->OnTimeOk();
}
void CKTX2300MDlgView::OnFileOpen() {
  m_stepFiles->OnFileOpen();
}
void CKTX2300MDlgView::OnFileSave() {
  m_stepFiles->OnFileSave();
}
void CKTX2300MDlgView::OnFileSaveAs() {
  m_stepFiles->OnFileSaveAs();
}
void CKTX2300MDlgView::OnFilePrint() {
  m_report.Print(this);
}
void CKTX2300MDlgView::OnFilePrintPreview() {
  m_report.Preview(this);
}

bool CKTX2300MDlgView::SendVolt(int channel, int onFlag, VoltageCode &code) {
  return m_pwrio.SetVolt(static_cast<CPwrio::Channel>(channel), onFlag, code);
}

void CKTX2300MDlgView::ShowActualVolt(int channel, double volts) {
  m_state.m_dActualVolt[static_cast<std::size_t>(channel)] = volts;
  platform::SetWindowText(m_c.channels[channel == 0 ? 0 : 1].actual, crt::Format3fQ(volts));
}

void CKTX2300MDlgView::SetSamplingPeriod(int ms) {
  KillTimer(1);
  SetTimer(1, ms);
}
