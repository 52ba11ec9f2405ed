#include "app/CKTX2300MDoc.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QUrl>

#include "app/CHelpWindow.h"
#include "resources/FrameResources.h"
#include "sequencer/CStepFileWriter.h"

namespace {
// xdg-open exists on every desktop but, with no application for .chm, tries browsers and gives
// up without telling its caller; so the handler is asked for first.
CKTX2300MDoc::ShellOpen &ShellOpenHook() {
  static CKTX2300MDoc::ShellOpen hook = [](const QString &path) {
    return CKTX2300MDoc::HasRegisteredHandler(path) &&
           QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  };
  return hook;
}

constexpr int kQueryTimeoutMs = 3000;
} // namespace

CKTX2300MDoc::CKTX2300MDoc() = default;
CKTX2300MDoc::~CKTX2300MDoc() = default;

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

bool CKTX2300MDoc::WriteStepFile(const QString &path) {
  return m_pStepTable && CStepFileWriter::Write(*m_pStepTable, path);
}

QString CKTX2300MDoc::HelpFilePath(const QString &appDir) {
  // The folder keeps the separator style it came with, so a Windows path stays a Windows path.
  const QChar separator = appDir.contains(QLatin1Char('\\')) ? QLatin1Char('\\') : QLatin1Char('/');
  return appDir + separator + QLatin1String(res::kHelpFileName);
}

QStringList CKTX2300MDoc::HelpFileCandidates(const QString &appDir) {
  QStringList files{HelpFilePath(appDir)};
#ifdef KTX_DATADIR_FROM_BINDIR
  files << QDir::cleanPath(appDir + QStringLiteral("/" KTX_DATADIR_FROM_BINDIR "/") +
                           QLatin1String(res::kHelpFileName));
#endif
  return files;
}

bool CKTX2300MDoc::HasRegisteredHandler(const QString &path) {
  const QString type = QMimeDatabase().mimeTypeForFile(path).name();
  QProcess query;
  query.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"), type});
  if (!query.waitForFinished(kQueryTimeoutMs)) {
    query.kill();
    query.waitForFinished();
    return false;
  }
  return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
         !query.readAllStandardOutput().trimmed().isEmpty();
}

void CKTX2300MDoc::OnHelpContents(const QString &appDir) {
  for (const QString &path : HelpFileCandidates(appDir)) {
    if (QFileInfo::exists(path)) {
      if (ShellOpenHook()(path))
        return;
      break;
    }
  }
  if (!m_help)
    m_help = std::make_unique<CHelpWindow>(QLatin1String(CHelpWindow::kFolder));
  m_help->ShowContents();
}

CKTX2300MDoc::ShellOpen CKTX2300MDoc::SetShellOpen(ShellOpen open) {
  ShellOpen previous = std::move(ShellOpenHook());
  ShellOpenHook() = std::move(open);
  return previous;
}
