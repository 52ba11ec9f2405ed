#include "panel/CKTX2300MDlgView.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
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
#include "device/CPwrio.h"
#include "panel/CChannelControl.h"
#include "panel/CDeviceProbe.h"
#include "panel/CNoCaretStyle.h"
#include "panel/CWheelToFocus.h"
#include "panel/IPanelDocument.h"
#include "panel/PanelRules.h"
#include "panel/PanelTexts.h"
#include "platform/CDialogBuilder.h"
#include "platform/CMessageBox.h"
#include "platform/CrtText.h"
#include "resources/CommandIds.h"
#include "resources/DialogTemplates.h"
#include "resources/FrameResources.h"
#include "sequencer/CStepFiles.h"
#include "sequencer/CStepRunner.h"
#include "sequencer/CStepTableEditor.h"
#include "trend/CTimeRuler.h"
#include "trend/CTrendPlot.h"
#include "trend/CVoltRuler.h"

namespace {
constexpr int kActualBoxes[] = {1004, 1007, 1009, 1011};
constexpr int kLeds[] = {1100, 1107, 1103, 1104};
QString Text(const char *text) {
  return QString::fromLatin1(text);
}
} // namespace

CKTX2300MDlgView::CKTX2300MDlgView(CPwrio &pwrio, QWidget *parent)
    : QWidget(parent), m_pwrio(pwrio),
      m_deviceProbe(std::make_unique<CDeviceProbe>([&pwrio] { return pwrio.dsoSearch(); })),
      m_noCaretStyle(std::make_unique<CNoCaretStyle>()) {
  connect(m_deviceProbe.get(), &CDeviceProbe::Finished, this,
          &CKTX2300MDlgView::OnDeviceWatchResult);
  res::InitResources();
  m_hIconNoDevice = res::NoDeviceIcon();
  m_hIconDevice = res::DeviceIcon();
  platform::CDialogBuilder::Build(
      this, res::PanelTemplate(),
      [this](const platform::ControlTemplate &c, QWidget *p) { return CreateControl(c.id, p); });
  BindControls();
  ConnectHandlers();
  (new CWheelToFocus(this))->WatchAll();
  for (int id = 0; id < static_cast<int>(m_timers.size()); ++id)
    connect(&m_timers[static_cast<std::size_t>(id)], &QTimer::timeout, this,
            [this, id] { OnTimer(id); });
}

CKTX2300MDlgView::~CKTX2300MDlgView() = default;

QWidget *CKTX2300MDlgView::CreateControl(int id, QWidget *parent) {
  switch (id) {
  case 1001:
  case 1008:
  case 1004:
  case 1007:
  case 1036:
  case 1038:
    return new CVoltEdit(parent);
  case 1095:
    return new CIntEdit(parent);
  case 1069:
  case 1070:
    return new CVoltKnob(parent);
  case 1071:
    return new CTrendPlot(parent);
  case 1052:
    return new CVoltRuler(parent);
  case 1051:
    return new CTimeRuler(parent);
  case 1027:
    return new CStepListCtrl(parent);
  case 1100:
  case 1107:
  case 1103:
  case 1104:
    return new CLampWidget(parent);
  default:
    return nullptr;
  }
}

QWidget *CKTX2300MDlgView::Item(int id) const {
  return platform::GetDlgItem(this, id);
}

void CKTX2300MDlgView::BindControls() {
  for (int id : {1001, 1008})
    platform::DlgItem<CVoltEdit>(this, id)->SetWheelWalk(true);
  for (int channel : {0, 1}) {
    auto *knob = platform::DlgItem<CVoltKnob>(this, channel == 0 ? 1069 : 1070);
    knob->SetChannel(static_cast<std::int16_t>(channel));
    knob->SetHost(this);
  }
  m_pTrendPlot = platform::DlgItem<CTrendPlot>(this, 1071);
  m_pConnectionIcon = platform::DlgItem<QLabel>(this, 1068);
  // The template gives the picture icon 131: no device until the watch has seen one.
  ShowConnection(false);
  m_pClock = Item(1074);
  m_pTrendPlot->Attach(m_state.m_dRingCh1.data(), m_state.m_dRingCh2.data(), &m_state.m_nRingOldest,
                       m_state.m_nRingSize, platform::DlgItem<CVoltRuler>(this, 1052));
  for (int id : kActualBoxes)
    Item(id)->setStyle(m_noCaretStyle.get());
  ApplyLegendColours();

  std::array<CChannelControl::Widgets, 4> widgets;
  const int buttons[] = {1053, 1054, 1055, 1056};
  for (std::size_t ch = 0; ch < 4; ++ch) {
    widgets[ch].button = platform::DlgItem<QAbstractButton>(this, buttons[ch]);
    m_leds[ch].Attach(Item(kLeds[ch]));
    widgets[ch].led = &m_leds[ch];
    widgets[ch].actual = platform::DlgItem<QLineEdit>(this, kActualBoxes[ch]);
  }
  widgets[0].setPoint = platform::DlgItem<QLineEdit>(this, 1001);
  widgets[1].setPoint = platform::DlgItem<QLineEdit>(this, 1008);
  widgets[0].ok = platform::DlgItem<QAbstractButton>(this, 1090);
  widgets[1].ok = platform::DlgItem<QAbstractButton>(this, 1092);
  widgets[0].knob = Item(1069);
  widgets[1].knob = Item(1070);
  m_channels = std::make_unique<CChannelControl>(
      m_state, m_pwrio, widgets, std::array<QString *, 2>{&m_strSetCh1, &m_strSetCh2});
  BindSequencer();
}

void CKTX2300MDlgView::BindSequencer() {
  CStepControls c;
  c.mode = platform::DlgItem<QComboBox>(this, 1026);
  c.number = platform::DlgItem<QComboBox>(this, 1031);
  c.start = platform::DlgItem<QComboBox>(this, 1032);
  c.stop = platform::DlgItem<QComboBox>(this, 1033);
  c.runNumber = platform::DlgItem<QComboBox>(this, 1046);
  c.runSteps = platform::DlgItem<QComboBox>(this, 1048);
  c.unit = platform::DlgItem<QComboBox>(this, 1072);
  c.list = platform::DlgItem<CStepListCtrl>(this, 1027);
  c.voltCheck = platform::DlgItem<QAbstractButton>(this, 1034);
  c.from = platform::DlgItem<QLineEdit>(this, 1036);
  c.to = platform::DlgItem<QLineEdit>(this, 1038);
  c.interval = platform::DlgItem<QLineEdit>(this, 1095);
  c.stepRadio = platform::DlgItem<QAbstractButton>(this, 1042);
  c.ch1Radio = platform::DlgItem<QAbstractButton>(this, 1115);
  c.ch2Radio = platform::DlgItem<QAbstractButton>(this, 1116);
  c.runButton = Item(1049);
  c.stepIndex = &m_state.m_nStepIndex;
  c.voltCode = m_state.m_voltCode.data();
  m_stepEditor = std::make_unique<CStepTableEditor>(c);
  m_stepRunner = std::make_unique<CStepRunner>(c, *this);
  m_stepFiles = std::make_unique<CStepFiles>(c, this);
}

void CKTX2300MDlgView::SetDocument(IPanelDocument *doc) {
  m_pDoc = doc;
  m_channels->SetDocument(doc);
  m_report.Attach(m_state.m_dRingCh1.data(), m_state.m_dRingCh2.data(), &m_state.m_nRingOldest,
                  m_state.m_nRingSize, platform::DlgItem<CVoltRuler>(this, 1052),
                  doc ? &doc->StateCh1() : nullptr, doc ? &doc->StateCh2() : nullptr);
}

void CKTX2300MDlgView::ConnectHandlers() {
  const auto onClick = [this](int id, void (CKTX2300MDlgView::*handler)()) {
    connect(platform::DlgItem<QAbstractButton>(this, id), &QAbstractButton::clicked, this, handler);
  };
  onClick(1020, &CKTX2300MDlgView::OnToggleCompact);
  onClick(1090, &CKTX2300MDlgView::OnSetCh1);
  onClick(1092, &CKTX2300MDlgView::OnSetCh2);
  onClick(1053, &CKTX2300MDlgView::OnSwitchCh1);
  onClick(1054, &CKTX2300MDlgView::OnSwitchCh2);
  onClick(1055, &CKTX2300MDlgView::OnSwitchCh3);
  onClick(1056, &CKTX2300MDlgView::OnSwitchCh4);
  onClick(1066, &CKTX2300MDlgView::OnKeypadCh1);
  onClick(1067, &CKTX2300MDlgView::OnKeypadCh2);
  onClick(1040, &CKTX2300MDlgView::OnSetVolts);
  onClick(1041, &CKTX2300MDlgView::OnClearVolts);
  onClick(1049, &CKTX2300MDlgView::OnRunStep);
  onClick(1050, &CKTX2300MDlgView::OnStopSteps);
  onClick(1115, &CKTX2300MDlgView::OnChannelRadio);
  onClick(1116, &CKTX2300MDlgView::OnChannelRadio);
  onClick(1131, &CKTX2300MDlgView::OnTimeOk);
  // A selection change by the operator; the program's own selections send nothing.
  const auto onSelchange = [this](int id, void (CKTX2300MDlgView::*handler)()) {
    connect(platform::DlgItem<QComboBox>(this, id), &QComboBox::activated, this, handler);
  };
  onSelchange(1026, &CKTX2300MDlgView::OnSelchangeMode);
  onSelchange(1031, &CKTX2300MDlgView::OnSelchangeNumber);
  onSelchange(1032, &CKTX2300MDlgView::OnSelchangeStart);
  onSelchange(1033, &CKTX2300MDlgView::OnSelchangeStop);
}

void CKTX2300MDlgView::ApplyLegendColours() {
  const auto paint = [this](int id, const QColor &colour) {
    auto *label = platform::DlgItem<QLabel>(this, id);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
  };
  for (int id : {1113, 1118})
    paint(id, QColor(0, 255, 0));
  for (int id : {1114, 1119})
    paint(id, QColor(0, 255, 255));
}

void CKTX2300MDlgView::OnInitialUpdate() {
  // The form is larger than the frame, so fitting the frame to it (shrinking only) changes
  // nothing; the frame keeps the size it was given.
  m_state.m_bInitialised = 1;
  for (CLED &led : m_leds)
    led.SetOn(false);
  for (int id : kActualBoxes)
    platform::SetDlgItemText(this, id, Text(texts::kZero));
  for (int id : {1001, 1008})
    platform::DlgItem<QLineEdit>(this, id)->setReadOnly(true);
  for (int id : {1004, 1001})
    platform::DlgItem<CVoltEdit>(this, id)->SetTypingLimit(5);
  if (m_pDoc) {
    m_pDoc->SetChannelFlags(0, 0);
    m_pDoc->RefreshChannelStates();
  }
  platform::DlgItem<QComboBox>(this, 1026)->setCurrentIndex(0);
  ResetStepTable();
  platform::DlgItem<QRadioButton>(this, 1115)->setChecked(true);
  platform::DlgItem<QRadioButton>(this, 1042)->setChecked(true);
  platform::DlgItem<CVoltEdit>(this, 1036)->SetValue(1.0f);
  platform::DlgItem<CVoltEdit>(this, 1038)->SetValue(9.0f);
  m_stepEditor->FillFromMode();
  platform::SetDlgItemText(this, 1095, QStringLiteral("1000"));
  ShowStepArea();
  LoadToggleBitmap();
  SetTimer(3, 500);
  SetTimer(0, 1000);
  SetTimer(1, 1000);
  platform::DlgItem<QComboBox>(this, 1072)->setCurrentIndex(0);
}

void CKTX2300MDlgView::ResetStepTable() {
  auto *list = platform::DlgItem<CStepListCtrl>(this, 1027);
  // A second start-up (new document) fills the lists afresh instead of adding to them.
  for (int id : {1031, 1032, 1033, 1046, 1048})
    platform::DlgItem<QComboBox>(this, id)->clear();
  list->DeleteAllItems();
  if (list->columnCount() == 0) {
    list->InsertColumn(0, QStringLiteral("Step"), 40);
    list->InsertColumn(1, QStringLiteral("Number"), 60);
    list->InsertColumn(2, QStringLiteral("Volt"), 60);
  }
  list->SetBkColor(QColor(247, 247, 255));
}

bool CKTX2300MDlgView::HandlesCommand(int id) {
  switch (id) {
  case cmd::kFileOpen:
  case cmd::kFileSave:
  case cmd::kFileSaveAs:
  case cmd::kFilePrint:
  case cmd::kFilePrintDirect:
  case cmd::kFilePrintPreview:
  case cmd::kCh1Switch:
  case cmd::kCh2Switch:
  case cmd::kCh3Switch:
  case cmd::kCh4Switch:
  case cmd::kCh1VoltSet:
  case cmd::kCh2VoltSet:
    return true;
  default:
    return false;
  }
}

bool CKTX2300MDlgView::OnCommand(int id) {
  switch (id) {
  case cmd::kFileOpen:
    OnFileOpen();
    return true;
  case cmd::kFileSave:
    OnFileSave();
    return true;
  case cmd::kFileSaveAs:
    OnFileSaveAs();
    return true;
  case cmd::kFilePrint:
  case cmd::kFilePrintDirect:
    OnFilePrint();
    return true;
  case cmd::kFilePrintPreview:
    OnFilePrintPreview();
    return true;
  case cmd::kCh1Switch:
    OnMenuSwitchCh1();
    return true;
  case cmd::kCh2Switch:
    OnMenuSwitchCh2();
    return true;
  case cmd::kCh3Switch:
    OnMenuSwitchCh3();
    return true;
  case cmd::kCh4Switch:
    OnMenuSwitchCh4();
    return true;
  case cmd::kCh1VoltSet:
    OnMenuVoltSetCh1();
    return true;
  case cmd::kCh2VoltSet:
    OnMenuVoltSetCh2();
    return true;
  default:
    return false;
  }
}

void CKTX2300MDlgView::OnUpdateCommand(int id, QAction *action) {
  switch (id) {
  case cmd::kCh1Switch:
    action->setText(m_channels->MenuText(0));
    break;
  case cmd::kCh2Switch:
    action->setText(m_channels->MenuText(1));
    break;
  case cmd::kCh3Switch:
    action->setText(m_channels->MenuText(2));
    break;
  case cmd::kCh4Switch:
    action->setText(m_channels->MenuText(3));
    break;
  default:
    break;
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
}

void CKTX2300MDlgView::LoadToggleBitmap() {
  auto *button = platform::DlgItem<QPushButton>(this, 1020);
  const QPixmap arrow = m_state.m_bCompact ? res::ArrowRight() : res::ArrowLeft();
  button->setIcon(QIcon(arrow));
  button->setIconSize(button->size());
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
    platform::SetWindowText(m_pClock, panel::ClockText(QDateTime::currentDateTime()));
    break;
  case 1:
    m_state.Sample();
    m_pTrendPlot->Invalidate();
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
  m_pConnectionIcon->setPixmap(device ? m_hIconDevice : m_hIconNoDevice);
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
  CKeypadCh1Dlg dialog(this);
  dialog.exec();
}

void CKTX2300MDlgView::OnKeypadCh2() {
  CKeypadCh2Dlg dialog(this);
  dialog.exec();
}

void CKTX2300MDlgView::OnMenuVoltSetCh1() {
  CVoltSetCh1Dlg dialog(this);
  dialog.exec();
}

void CKTX2300MDlgView::OnMenuVoltSetCh2() {
  CVoltSetCh2Dlg dialog(this);
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

QString &CKTX2300MDlgView::KnobSetPointText(int channel) {
  return channel == 0 ? m_strSetCh1 : m_strSetCh2;
}

CVoltEdit *CKTX2300MDlgView::KnobSetPointEdit(int channel) {
  return platform::DlgItem<CVoltEdit>(this, channel == 0 ? 1001 : 1008);
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
bool CKTX2300MDlgView::WriteStepFile(const QString &path) {
  return m_stepFiles->WriteStepFile(path);
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
  platform::SetDlgItemText(this, channel == 0 ? 1004 : 1007, crt::Format3fQ(volts));
}

void CKTX2300MDlgView::SetSamplingPeriod(int ms) {
  KillTimer(1);
  SetTimer(1, ms);
}
