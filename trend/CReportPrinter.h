#pragma once
#include <QDateTime>
#include <QString>

#include "trend/ReportLayout.h"

class QPrinter;
class QWidget;
class CVoltRuler;

// Prints the one-page test report from what the panel shows: its sample rings, the volt ruler's
// base and the document's channel states, read afresh each time a page is drawn (a preview
// redraws whenever it repaints).
class CReportPrinter {
public:
  void Attach(std::span<const double> ringCh1, std::span<const double> ringCh2,
              const int *ringOldest, const CVoltRuler *ruler, const CChannelState *stateCh1,
              const CChannelState *stateCh2);

  // The data as they stand, stamped with `now`.
  trend::ReportData Snapshot(const QDateTime &now) const;

  // The print command: the print dialog (which also offers a PDF file), then page 1.
  // False when the operator cancelled.
  bool Print(QWidget *parent) const;
  // The print preview command.
  void Preview(QWidget *parent) const;
  // Straight to a PDF file on A4; false, with the reason in *why, when the file cannot be
  // written.
  bool PrintToPdf(const QString &path, QString *why = nullptr) const;

  // Draws the page on an open printer, stamped with the local time now.
  void PrintPage(QPrinter &printer) const;
  // The same with a given time.
  void PrintPage(QPrinter &printer, const QDateTime &now) const;

private:
  bool PrintPdfFile(QPrinter &printer, const QString &path, QString *why) const;

  std::span<const double> m_ringCh1;
  std::span<const double> m_ringCh2;
  const int *m_pRingOldest = nullptr;
  const CVoltRuler *m_pRuler = nullptr;
  const CChannelState *m_pStateCh1 = nullptr;
  const CChannelState *m_pStateCh2 = nullptr;
};
