#include <functional>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "RecordingDevice.h"
#include "tests/support/MessageCapture.h"
#include "tests/support/NonRegularFiles.h"
#include "tests/support/TestHelpers.h"
#include "trend/CReportPrinter.h"
#include "trend/CVoltRuler.h"
#include "trend/ReportPage.h"
#include "trend/TrendGeometry.h"

using namespace trend;

namespace {

const QDateTime kPrinted(QDate(2013, 3, 5), QTime(9, 7, 45));

struct Rings {
  std::vector<double> ch1 = std::vector<double>(kRingCapacity, 3.0);
  std::vector<double> ch2 = std::vector<double>(kRingCapacity, 4.0);
};

ReportData Data(const Rings &rings, bool on1, bool on2, int base = 0) {
  ReportData data;
  data.ringCh1 = rings.ch1;
  data.ringCh2 = rings.ch2;
  data.base = base;
  data.stateCh1.SetOn(on1 ? 1 : 0);
  data.stateCh2.SetOn(on2 ? 1 : 0);
  data.stateCh1.SetColor(on1 ? kColorCh1 : kColorOff);
  data.stateCh2.SetColor(on2 ? kColorCh2 : kColorOff);
  data.localTime = kPrinted;
  return data;
}

Recording Record(int w, int h, const ReportData &data) {
  RecordingDevice device(w, h);
  QPainter painter(&device);
  DrawReport(painter, w, h, data);
  painter.end();
  return device.Result();
}

const QColor kCh1(128, 255, 128);
const QColor kCh2(0, 255, 255);

} // namespace

TEST(ReportLayout, PermillePositionsOnAFiveBySevenThousandPage) {
  const Rings rings;
  const ReportLayout layout = ComputeReportLayout(5000, 7000, Data(rings, true, true));
  EXPECT_EQ(layout.frames[0], (ReportRect{50, 210, 4950, 6930}));
  EXPECT_EQ(layout.frames[1], (ReportRect{75, 245, 4925, 6895}));
  EXPECT_EQ(layout.frames[3], (ReportRect{85, 259, 4915, 6881}));
  EXPECT_EQ(layout.titleRect, (ReportRect{100, 280, 4900, 6860}));
  EXPECT_EQ(layout.header.at, QPoint(3500, 700));
  EXPECT_EQ(layout.titleFontHeight, 350);
  EXPECT_EQ(layout.headerFontHeight, 175);
  EXPECT_EQ(layout.chart.left, 250);
  EXPECT_EQ(layout.chart.right, 4750);
  EXPECT_EQ(layout.chart.bottom, 4900);
  EXPECT_EQ(layout.chart.top, 1064);
  EXPECT_EQ(layout.legendCh1.at, QPoint(250, 4970));
  EXPECT_EQ(layout.legendCh2.at, QPoint(1250, 4970));
  EXPECT_EQ(layout.swatchCh1[0], QPoint(700, 4998));
  EXPECT_EQ(layout.swatchCh1[2], QPoint(1200, 5117));
  EXPECT_EQ(layout.swatchCh2[0], QPoint(1700, 4991)); // one thousandth higher than CH1's
  EXPECT_EQ(layout.rules[0], QLine(1000, 6230, 4750, 6230));
  EXPECT_EQ(layout.rules[2], QLine(250, 6790, 4750, 6790));
  EXPECT_EQ(layout.dateLine.at, QPoint(250, 910));
  EXPECT_EQ(layout.ch1Line.at, QPoint(250, 5320));
  EXPECT_EQ(layout.ch2Line.at, QPoint(250, 5460));
}

TEST(ReportLayout, DateLinePutsDayAndMonthFirst) {
  const struct {
    QDateTime time;
    const char *line;
  } cases[] = {
      {kPrinted, "Date = 05-03-2013     Time = 09:07:45"},
      {QDateTime(QDate(1999, 12, 31), QTime(23, 59, 0)), "Date = 31-12-1999     Time = 23:59:00"},
      {QDateTime(QDate(987, 1, 2), QTime(0, 0, 9)), "Date = 02-01- 987     Time = 00:00:09"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(ReportDateLine(c.time), QString::fromLatin1(c.line));
}

TEST(ReportPage, BothChannelsOffShowNoLegendSwatchOrCurve) {
  const Rings rings;
  const Recording page = Record(5000, 7000, Data(rings, false, false));
  for (const char *text :
       {"Test Report", "KTX2300M", "CH1 ---", "CH2 --", "Date = 05-03-2013     Time = 09:07:45"})
    EXPECT_TRUE(page.HasText(QString::fromLatin1(text))) << text;
  EXPECT_FALSE(page.HasText(QStringLiteral("CH1 :")));
  EXPECT_FALSE(page.HasText(QStringLiteral("CH2 :")));
  EXPECT_TRUE(page.polygons.empty());
  for (const auto &line : page.lines)
    EXPECT_EQ(line.width, 1.0);
  // Three rule lines, 5 + 8 grid lines; the chart frame is one closed outline.
  EXPECT_EQ(page.lines.size(), 16u);
}

TEST(ReportPage, OnlyChannelTwoOnKeepsItsOwnPlaces) {
  const Rings rings;
  const ReportData data = Data(rings, false, true);
  const Recording page = Record(5000, 7000, data);
  const ReportLayout layout = ComputeReportLayout(5000, 7000, data);
  EXPECT_FALSE(page.HasText(QStringLiteral("CH1 :")));
  EXPECT_TRUE(page.HasText(QStringLiteral("CH2 :")));
  EXPECT_TRUE(page.HasText(QStringLiteral("CH1 ---")));
  EXPECT_TRUE(page.HasText(QStringLiteral("CH2  VOLT DIV = +1~+9V/div")));
  ASSERT_EQ(page.polygons.size(), 1u);
  EXPECT_EQ(page.polygons[0].brush, kCh2);
  EXPECT_EQ(page.polygons[0].polygon.boundingRect(),
            QRectF(QPointF(layout.swatchCh2[0]), QPointF(layout.swatchCh2[2])));
  EXPECT_EQ(page.CountLines(kCh1), 0);
  EXPECT_GT(page.CountLines(kCh2), 0); // a flat ring joins into few segments
  for (const auto &line : page.lines) {
    if (line.color == kCh2) {
      EXPECT_EQ(line.width, 2.0);
    }
  }
}

TEST(ReportPage, BaseTwoPutsSixVoltsAtHalfHeightAndTenOnTheTop) {
  Rings rings;
  rings.ch1.assign(kRingCapacity, 6.0);
  rings.ch1[kRingCapacity / 2] = 10.0;
  const ReportData data = Data(rings, true, false, 2);
  const ReportLayout layout = ComputeReportLayout(5000, 7000, data);
  const Recording page = Record(5000, 7000, data);
  const int half = layout.chart.top + (layout.chart.bottom - layout.chart.top) / 2;
  bool sawTop = false;
  int atHalf = 0;
  for (const auto &l : page.lines) {
    if (l.color != kCh1)
      continue;
    for (const QPointF p : {l.line.p1(), l.line.p2()}) {
      EXPECT_TRUE(p.y() == half || p.y() == layout.chart.top) << p.y();
      sawTop = sawTop || p.y() == layout.chart.top;
      atHalf += p.y() == half ? 1 : 0;
    }
  }
  EXPECT_TRUE(sawTop);
  EXPECT_GT(atHalf, 0);
  EXPECT_EQ(half, 2982);
}

TEST(ReportPage, ImagePageShowsCurvesOnlyOfChannelsThatAreOn) {
  const Rings rings;
  const int w = 1000, h = 1400;
  QImage image(w, h, QImage::Format_RGB32);
  const ReportRect chart = ComputeReportLayout(w, h, Data(rings, true, true)).chart;
  // Inside the chart only: the swatches have the channel colours too.
  const auto countColour = [&](QRgb rgb) {
    int n = 0;
    for (int y = chart.top; y <= chart.bottom; ++y)
      for (int x = chart.left; x <= chart.right; ++x)
        n += image.pixel(x, y) == rgb ? 1 : 0;
    return n;
  };
  const struct {
    bool on1, on2;
  } cases[] = {{false, false}, {false, true}, {true, false}, {true, true}};
  for (const auto &c : cases) {
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawReport(painter, w, h, Data(rings, c.on1, c.on2));
    painter.end();
    EXPECT_EQ(countColour(kCh1.rgb()) > 0, c.on1);
    EXPECT_EQ(countColour(kCh2.rgb()) > 0, c.on2);
  }
}

// On an image the curves are written into the pixels directly; a clipped painter takes QPainter's
// path. Both must show the same lines: no pixel of one more than a pixel away from the other's.
TEST(ReportPage, ImageCurvesMatchThePainterDrawnOnes) {
  Rings rings;
  for (int i = 0; i < kRingCapacity; ++i) {
    rings.ch1[i] = (i * 37 % 101) * 0.08;                // a new value every sample
    rings.ch2[i] = (i / 250) % 8 + 0.5 + (i % 7) * 0.01; // held steps
  }
  const int w = 1200, h = 1700;
  const ReportData data = Data(rings, true, true, 1);
  const auto draw = [&](bool clipped) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (clipped)
      painter.setClipRect(0, 0, w, h);
    DrawReport(painter, w, h, data);
    return image;
  };
  const QImage direct = draw(false);
  const QImage painted = draw(true);
  // Not a single pixel apart would mean the image never took its own path.
  ASSERT_NE(direct, painted);
  const ReportRect chart = ComputeReportLayout(w, h, data).chart;
  for (const QColor &ink : {kCh1, kCh2}) {
    int inDirect = 0, inPainted = 0;
    for (int pass = 0; pass < 2; ++pass) {
      const QImage &a = pass == 0 ? direct : painted;
      const QImage &b = pass == 0 ? painted : direct;
      for (int y = chart.top - 2; y <= chart.bottom + 2; ++y)
        for (int x = chart.left - 2; x <= chart.right + 2; ++x) {
          if (a.pixel(x, y) != ink.rgb())
            continue;
          (pass == 0 ? inDirect : inPainted) += 1;
          bool near = false;
          for (int v = y - 1; v <= y + 1 && !near; ++v)
            for (int u = x - 1; u <= x + 1 && !near; ++u)
              near = b.pixel(u, v) == ink.rgb();
          ASSERT_TRUE(near) << pass << " at " << x << "," << y;
        }
    }
    EXPECT_GT(inDirect, 1000);
    EXPECT_NEAR(inDirect, inPainted, inPainted / 50);
  }
}

// The curves keep the width they have on a 600-dpi page whatever the device's resolution, so a
// PDF (1200 dpi) shows no hairlines; the grid and frames keep their place and pens.
TEST(ReportPage, CurvePenScalesWithTheResolution) {
  const std::pair<int, qreal> cases[] = {{300, 2}, {600, 2}, {899, 3}, {1200, 4}, {2400, 8}};
  const Rings rings;
  for (const auto &[dpi, width] : cases) {
    RecordingDevice device(4960, 7016, dpi);
    QPainter painter(&device);
    DrawReport(painter, 4960, 7016, Data(rings, true, true));
    painter.end();
    int curves = 0;
    for (const RecordedLine &line : device.Result().lines) {
      if (line.color == kCh1 || line.color == kCh2) {
        EXPECT_EQ(line.width, width) << dpi;
        ++curves;
      } else {
        EXPECT_LE(line.width, 1) << dpi;
      }
    }
    EXPECT_GT(curves, 0) << dpi;
  }
}

// Writing the PDF is in PdfFilesAreSavedCarefullyAndNeverOntoAFifo; here the page's data.
TEST(ReportPrinter, SnapshotTakesTheRingsPlaceAndTheChannelStates) {
  Rings rings;
  const int oldest = 17;
  CVoltRuler ruler;
  CChannelState on1, on2;
  on1.SetOn(1);
  on2.SetOn(1);
  on2.SetColor(kColorCh2);
  CReportPrinter printer;
  printer.Attach(rings.ch1, rings.ch2, &oldest, &ruler, &on1, &on2);
  const ReportData data = printer.Snapshot(kPrinted);
  EXPECT_EQ(data.ringOldest, 17);
  EXPECT_EQ(data.stateCh2.GetColor(), kColorCh2);
}

// A printer on empty rings with both channels off.
struct QuietPrinter {
  QuietPrinter() { printer.Attach(rings.ch1, rings.ch2, &oldest, nullptr, &off, &off); }
  Rings rings;
  const int oldest = 0;
  CChannelState off;
  CReportPrinter printer;
};

TEST(ReportPrinter, PreviewOpensAModalPreviewOfThePage) {
  QuietPrinter quiet;
  const CReportPrinter &printer = quiet.printer;
  QString seen;
  // Answered from the nested loop, as the operator would close it.
  QTimer::singleShot(0, [&seen] {
    QWidget *modal = QApplication::activeModalWidget();
    if (auto *preview = qobject_cast<QPrintPreviewDialog *>(modal)) {
      seen = QString::fromLatin1(preview->metaObject()->className());
      preview->reject();
    } else if (modal) {
      modal->close();
    }
  });
  printer.Preview(nullptr);
  EXPECT_EQ(seen, QStringLiteral("QPrintPreviewDialog"));
}

TEST(ReportPrinter, PdfFilesAreSavedCarefullyAndNeverOntoAFifo) {
  QuietPrinter quiet;
  const CReportPrinter &printer = quiet.printer;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // Nobody reads the FIFO: Qt's own PDF writer would wait for ever on it.
  const QString fifo = dir.filePath(QStringLiteral("fifo.pdf"));
  ASSERT_TRUE(testhelp::MakeSpecial(testhelp::Special::Fifo, fifo));
  // Each way of printing to a file gives the reason or the message it showed.
  const auto straight = [&](const QString &path) {
    QString why;
    const bool printed = printer.PrintToPdf(path, &why);
    EXPECT_EQ(printed, why.isEmpty());
    return why;
  };
  const auto dialog = [&](const QString &path) {
    MessageCapture messages;
    QTimer::singleShot(0, [&path] {
      auto *box = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      box->printer()->setOutputFileName(path);
      box->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(path);
      box->accept();
    });
    EXPECT_TRUE(printer.Print(nullptr));
    return messages.Texts().join(QLatin1Char('|'));
  };
  struct Case {
    const char *name;
    std::function<QString(const QString &)> print;
    QString target;
  };
  const Case cases[] = {
      {"straight onto a FIFO", straight, fifo},
      {"dialog onto a FIFO", dialog, fifo},
      {"straight to a file", straight, dir.filePath(QStringLiteral("a.pdf"))},
      {"dialog to a file", dialog, dir.filePath(QStringLiteral("b.pdf"))},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    const QString said = c.print(c.target);
    if (c.target == fifo) {
      EXPECT_TRUE(said.contains(QStringLiteral("Not a regular file"))) << said.toStdString();
      EXPECT_EQ(testhelp::FileType(fifo), static_cast<mode_t>(S_IFIFO));
    } else {
      EXPECT_TRUE(said.isEmpty()) << said.toStdString();
      EXPECT_TRUE(testhelp::ReadFile(c.target).startsWith("%PDF-"));
    }
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 3)
      << "no temporary file is left behind";
}
