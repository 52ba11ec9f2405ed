#include "app/CKTX2300MDoc.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "resources/FrameResources.h"

namespace {
CKTX2300MDoc::ShellOpen &ShellOpenHook() {
  static CKTX2300MDoc::ShellOpen hook = [](const QString &path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  };
  return hook;
}
} // namespace

void CKTX2300MDoc::SetChannelFlags(int ch1On, int ch2On) {
  m_bCh1On = ch1On;
  m_bCh2On = ch2On;
}

void CKTX2300MDoc::RefreshChannelStates() {
  m_stateCh1.SetOn(m_bCh1On != 0 ? 1 : 0);
  m_stateCh1.SetColor(m_bCh1On != 0 ? kColorCh1 : kColorOff);
  m_stateCh2.SetOn(m_bCh2On != 0 ? 1 : 0);
  m_stateCh2.SetColor(m_bCh2On != 0 ? kColorCh2 : kColorOff);
}

void CKTX2300MDoc::SetCh1KnobStep(int step) {
  m_stateCh1.SetKnobStep(static_cast<std::int16_t>(step));
}

void CKTX2300MDoc::SetCh2KnobStep(int step) {
  m_stateCh2.SetKnobStep(static_cast<std::int16_t>(step));
}

QString CKTX2300MDoc::HelpFilePath(const QString &appDir) {
  // The folder keeps the separator style it came with, so a Windows path stays a Windows path.
  const QChar separator = appDir.contains(QLatin1Char('\\')) ? QLatin1Char('\\') : QLatin1Char('/');
  return appDir + separator + QLatin1String(res::kHelpFileName);
}

void CKTX2300MDoc::OnHelpContents(const QString &appDir) const {
  const QString path = HelpFilePath(appDir);
  if (QFileInfo::exists(path))
    ShellOpenHook()(path);
}

CKTX2300MDoc::ShellOpen CKTX2300MDoc::SetShellOpen(ShellOpen open) {
  ShellOpen previous = std::move(ShellOpenHook());
  ShellOpenHook() = std::move(open);
  return previous;
}
