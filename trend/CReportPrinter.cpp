#include "trend/CReportPrinter.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include "platform/CMessageBox.h"
#include "platform/CUserFile.h"

#include "trend/CVoltRuler.h"
#include "trend/ReportPage.h"

void CReportPrinter::Attach(std::span<const double> ringCh1, std::span<const double> ringCh2,
                            const int *ringOldest, const CVoltRuler *ruler,
                            const CChannelState *stateCh1, const CChannelState *stateCh2) {
  m_ringCh1 = ringCh1;
  m_ringCh2 = ringCh2;
  m_pRingOldest = ringOldest;
  m_pRuler = ruler;
  m_pStateCh1 = stateCh1;
  m_pStateCh2 = stateCh2;
}

trend::ReportData CReportPrinter::Snapshot(const QDateTime &now) const {
  trend::ReportData data;
  data.ringCh1 = m_ringCh1;
  data.ringCh2 = m_ringCh2;
  data.ringOldest = m_pRingOldest ? *m_pRingOldest : 0;
  data.base = m_pRuler ? m_pRuler->GetBase() : 0;
  if (m_pStateCh1)
    data.stateCh1 = *m_pStateCh1;
  if (m_pStateCh2)
    data.stateCh2 = *m_pStateCh2;
  data.localTime = now;
  return data;
}

void CReportPrinter::PrintPage(QPrinter &printer) const {
  PrintPage(printer, QDateTime::currentDateTime());
}

void CReportPrinter::PrintPage(QPrinter &printer, const QDateTime &now) const {
  QPainter painter;
  if (!painter.begin(&printer))
    return;
  // The printable area in device pixels, as the printer reports it.
  trend::DrawReport(painter, printer.width(), printer.height(), Snapshot(now));
  painter.end();
}

bool CReportPrinter::Print(QWidget *parent) const {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  // One page and no page count: the dialog's range is page 1 only.
  dialog.setMinMax(1, 1);
  if (dialog.exec() != QDialog::Accepted)
    return false;
  if (printer.outputFormat() != QPrinter::PdfFormat) {
    PrintPage(printer);
    return true;
  }
  // The dialog's "print to file" names a file like any other.
  const QString target = printer.outputFileName();
  QString why;
  if (!PrintPdfFile(printer, target, &why))
    platform::ShowMessage(CUserFile::CannotWriteText(target, why));
  return true;
}

void CReportPrinter::Preview(QWidget *parent) const {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog dialog(&printer, parent);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [this](QPrinter *target) { PrintPage(*target); });
  dialog.exec();
}

bool CReportPrinter::PrintToPdf(const QString &path, QString *why) const {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  return PrintPdfFile(printer, path, why);
}

bool CReportPrinter::PrintPdfFile(QPrinter &printer, const QString &path, QString *why) const {
  // Qt's PDF engine opens its file with a plain open(), which waits for ever on a pipe and
  // leaves a cut file on a full disk: the page goes to a private file first and reaches the
  // named one through the careful save.
  QTemporaryDir scratch;
  const QString page = scratch.filePath(QStringLiteral("report.pdf"));
  printer.setOutputFileName(page);
  PrintPage(printer);
  QFile file(page);
  if (!scratch.isValid() || !file.open(QIODevice::ReadOnly) || file.size() == 0) {
    if (why)
      *why = scratch.isValid() ? file.errorString() : scratch.errorString();
    return false;
  }
  return CUserFile::Save(path, file.readAll(), why);
}
