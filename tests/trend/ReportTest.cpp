#include <vector>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "CurveShapes.h"
#include "RecordingDevice.h"
#include "tests/support/MessageCapture.h"
#include "tests/support/NonRegularFiles.h"
#include "tests/support/TestHelpers.h"
#include "trend/CReportPrinter.h"
#include "trend/CurveRaster.h"
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

const QColor kCh1(128, 255, 128);
const QColor kCh2(0, 255, 255);

} // namespace

TEST(ReportLayout, PermillePositionsOnAFiveBySevenThousandPage) {
  const Rings rings;
  const ReportLayout layout = ComputeReportLayout(5000, 7000, Data(rings, true, true));
  EXPECT_EQ(layout.frames[0], (ReportRect{50, 210, 4950, 6930}));
  EXPECT_EQ(layout.chart.top, 1064);
  EXPECT_EQ(layout.swatchCh1[0], QPoint(700, 4998));
  EXPECT_EQ(layout.swatchCh2[0], QPoint(1700, 4991)); // one thousandth higher than CH1's
  EXPECT_EQ(layout.rules[0], QLine(1000, 6230, 4750, 6230));
}

TEST(ReportLayout, DateLinePutsDayAndMonthFirst) {
  EXPECT_EQ(ReportDateLine(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 0))),
            QStringLiteral("Date = 31-12-1999     Time = 23:59:00"));
  EXPECT_EQ(ReportDateLine(QDateTime(QDate(987, 1, 2), QTime(0, 0, 9))),
            QStringLiteral("Date = 02-01- 987     Time = 00:00:09"));
}

// Legends, swatches and curves appear only for the channels that are on. The curves keep the
// width they have on a 600-dpi page whatever the resolution (a 1200-dpi PDF shows no hairlines);
// the grid and rules keep theirs.
TEST(ReportPage, ChannelsThatAreOnShowLegendSwatchAndCurve) {
  Rings rings;
  FillRing(rings.ch1, Shape::Noise, 1);
  FillRing(rings.ch2, Shape::Steps, 1);
  const struct {
    bool on1, on2;
    int dpi;
    qreal width;
  } cases[] = {
      {false, false, 600, 2}, {false, true, 300, 2}, {true, false, 1200, 4}, {true, true, 899, 3}};
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << c.on1 << c.on2 << " " << c.dpi);
    const ReportData data = Data(rings, c.on1, c.on2, 1);
    RecordingDevice device(5000, 7000, c.dpi);
    {
      QPainter painter(&device);
      DrawReport(painter, 5000, 7000, data);
    }
    const Recording &page = device.Result();
    for (const char *text : {"Test Report", "KTX2300M", "Date = 05-03-2013     Time = 09:07:45",
                             c.on1 ? "CH1  VOLT DIV = +1~+9V/div" : "CH1 ---",
                             c.on2 ? "CH2  VOLT DIV = +1~+9V/div" : "CH2 --"})
      EXPECT_TRUE(page.HasText(text)) << text;
    EXPECT_EQ(page.HasText("CH1 :"), c.on1);
    EXPECT_EQ(page.HasText("CH2 :"), c.on2);
    EXPECT_EQ(page.polygons, int(c.on1) + int(c.on2)) << "one swatch a channel on";
    int counts[3] = {}; // CH1's, CH2's and the other lines
    for (const auto &line : page.lines) {
      const int k = line.color == kCh1 ? 0 : line.color == kCh2 ? 1 : 2;
      EXPECT_EQ(line.width, k < 2 ? c.width : 1.0);
      ++counts[k];
    }
    EXPECT_EQ(counts[0] > 0, c.on1);
    EXPECT_EQ(counts[1] > 0, c.on2);
    EXPECT_EQ(counts[2], 16) << "three rules and 5 + 8 grid lines; the frame is one outline";
  }
}

// On a plain image both curves are composed at once: the page must be exactly the one where each
// curve is drawn by itself, CH1 first, before the chart's frame, in the eight volts from the
// ruler's base. A clipped painter keeps QPainter's own drawing, which differs from it.
TEST(ReportPage, ComposedCurvesEqualTheCurvesDrawnOneByOne) {
  const int w = 1200, h = 1700;
  const auto page = [&](const ReportData &data, bool clipped) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (clipped)
      painter.setClipRect(image.rect());
    DrawReport(painter, w, h, data);
    return image;
  };
  const struct {
    Shape ch1, ch2;
    bool on1;
    int base;
  } cases[] = {{Shape::Beyond, Shape::Noise, true, 0},
               {Shape::Beyond, Shape::Steps, true, 2},
               {Shape::Steps, Shape::Noise, false, -1}};
  for (const auto &c : cases) {
    Rings rings;
    FillRing(rings.ch1, c.ch1, 7);
    FillRing(rings.ch2, c.ch2, 8);
    ReportData data = Data(rings, c.on1, true, c.base);
    data.ringOldest = 321;
    ReportData bare = data; // no samples: no curves
    bare.ringCh1 = bare.ringCh2 = {};
    page(bare, false); // the titles' glyphs cached, as on the pages below
    QImage expected = page(bare, false);
    const ReportRect chart = ComputeReportLayout(w, h, data).chart;
    const QRect chartRect(chart.left, chart.top, chart.right - chart.left,
                          chart.bottom - chart.top);
    for (const auto &[on, ring, color] :
         {std::tuple(c.on1, &rings.ch1, kCh1), std::tuple(true, &rings.ch2, kCh2)})
      if (on)
        DrawWideLines(expected, CurveOf(*ring, 321, chartRect, c.base, c.base + 8.0), color.rgb());
    {
      QPainter painter(&expected);
      DrawReportFrame(painter, chart);
    }
    EXPECT_EQ(page(data, false), expected) << c.base;
    EXPECT_NE(page(data, true), expected) << c.base;
  }
}

// Straight or through the print dialog, a PDF goes to a regular file and never onto a FIFO,
// which nobody reads: Qt's own PDF writer would wait for ever on it.
TEST(ReportPrinter, PdfFilesAreSavedCarefullyAndNeverOntoAFifo) {
  const Rings rings;
  const int oldest = 0;
  CChannelState off; // both channels off
  CReportPrinter printer;
  printer.Attach(rings.ch1, rings.ch2, &oldest, nullptr, &off, &off);
  QTemporaryDir dir;
  const QString fifo = dir.filePath(QStringLiteral("fifo.pdf"));
  ASSERT_TRUE(testhelp::MakeSpecial(testhelp::Special::Fifo, fifo));
  for (const bool viaDialog : {false, true})
    for (const bool toFifo : {true, false}) {
      SCOPED_TRACE(testing::Message() << "dialog " << viaDialog << " fifo " << toFifo);
      const QString target =
          toFifo ? fifo : dir.filePath(QString::fromLatin1(viaDialog ? "b.pdf" : "a.pdf"));
      QString said; // the reason given, or the messages shown
      if (viaDialog) {
        MessageCapture messages;
        QTimer::singleShot(0, [&target] {
          auto *box = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
          ASSERT_NE(box, nullptr);
          box->printer()->setOutputFileName(target);
          box->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(target);
          box->accept();
        });
        EXPECT_TRUE(printer.Print(nullptr));
        said = messages.Texts().join(QLatin1Char('|'));
      } else {
        const bool printed = printer.PrintToPdf(target, &said);
        EXPECT_EQ(printed, said.isEmpty());
      }
      EXPECT_EQ(said.contains(QStringLiteral("Not a regular file")), toFifo) << said.toStdString();
      EXPECT_EQ(said.isEmpty(), !toFifo) << said.toStdString();
      if (!toFifo) {
        EXPECT_TRUE(testhelp::ReadFile(target).startsWith("%PDF-"));
      }
    }
  EXPECT_EQ(testhelp::FileType(fifo), static_cast<mode_t>(S_IFIFO));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 3)
      << "no temporary file is left behind";
}
