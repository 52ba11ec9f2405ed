#include <array>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/CFileDialogs.h"
#include "sequencer/CStepFileWriter.h"
#include "sequencer/CStepFiles.h"
#include "sequencer/CStepTableEditor.h"
#include "tests/sequencer/StepPanelFixture.h"
#include "tests/support/FileDialogAnswers.h"
#include "tests/support/MessageCapture.h"
#include "tests/support/NonRegularFiles.h"

namespace {

using platform::FileDialogRequest;
using testhelp::Cells;
using testhelp::ReadFile;

const QByteArray kHeaderCh1 = "#CHANNEL:CH1\r\nstep  number  voltage\r\n";
const QByteArray kExampleCh1 = kHeaderCh1 + "1    1    1.000\r\n2    1    1.889\r\n"
                                            "3    1    2.778\r\n4    1    3.667\r\n"
                                            "5    1    4.556\r\n6    1    5.444\r\n"
                                            "7    1    6.333\r\n8    1    7.222\r\n"
                                            "9    1    8.111\r\n10    1    9.000\r\n";
const QStringList kExampleVolts =
    Cells("1.000 1.889 2.778 3.667 4.556 5.444 6.333 7.222 8.111 9.000");
const QString kAllFilters =
    QStringLiteral("Text File(*.txt)|*.txt|Excel File(*.xls)|*.xls|Word File(*.doc)|*.doc||");

TEST(StepFileWriter, BytesOfEachChannel) {
  using Rows = std::vector<std::array<const char *, 3>>;
  const Rows rows = {{"1", "1", "1.000"}, {"10", "1", ""}, {"11", "", " "}};
  const struct {
    CStepTable::StepChannel channel;
    Rows rows;
    QByteArray bytes;
  } cases[] = {
      {CStepTable::kStepCh1, rows,
       kHeaderCh1 + "1    1    1.000\r\n10    1    \r\n11         \r\n"},
      {CStepTable::kStepCh2, rows,
       "#CHANNEL:CH2\r\nstep  number  voltage\r\n1       1     1.000\r\n10       1     \r\n"
       "11             \r\n"},
      {CStepTable::kNoChannel, {}, "#CHANNEL:CH2\r\nstep  number  voltage\r\n"},
      {CStepTable::kStepCh1, {}, kHeaderCh1},
  };
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("steps.txt"));
  for (const auto &c : cases) {
    CStepTable table;
    for (int column = 0; column < 3; ++column)
      table.InsertColumn(column, QString());
    for (const auto &row : c.rows) {
      const int at = table.InsertItem(table.GetItemCount(), QString::fromLatin1(row[0]));
      table.SetItemText(at, 1, QString::fromLatin1(row[1]));
      table.SetItemText(at, 2, QString::fromLatin1(row[2]));
    }
    table.SetStepChannel(c.channel);
    ASSERT_TRUE(CStepFileWriter::Write(table, path));
    EXPECT_EQ(ReadFile(path).toStdString(), c.bytes.toStdString()) << c.channel;
  }
}

TEST(StepFileWriter, UnwritablePathsTellWhy) {
  const QTemporaryDir dir;
  ASSERT_TRUE(testhelp::MakeSpecial(testhelp::Special::Fifo, dir.filePath(QStringLiteral("f"))));
  const std::pair<QString, QString> cases[] = {
      {dir.filePath(QStringLiteral("f")), QStringLiteral("Cann't save file: Not a regular file")},
      {dir.filePath(QStringLiteral("no/such/x.txt")),
       QStringLiteral("Cann't save file: No such file or directory")},
  };
  CStepTable table;
  for (const auto &[path, message] : cases) {
    MessageCapture messages;
    EXPECT_FALSE(CStepFileWriter::Write(table, path));
    EXPECT_EQ(messages.Texts(), QStringList{message});
  }
  EXPECT_EQ(testhelp::FileType(cases[0].first), static_cast<mode_t>(S_IFIFO));
}

class StepFilesTest : public ::testing::Test {
protected:
  QString Path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
  void Open(const QString &path) {
    FileDialogAnswers answers({path});
    files.OnFileOpen();
  }

  QTemporaryDir dir;
  StepPanelFixture panel;
  CStepTableEditor editor{panel.c};
  CStepFiles files{
      panel.c, [this](const QString &path) { return CStepFileWriter::Write(panel.table, path); }};
  MessageCapture messages;
};

TEST_F(StepFilesTest, EachCommandAsksItsDialog) {
  panel.c.voltCheck->setChecked(true);
  editor.OnSetVolts();
  const struct {
    void (CStepFiles::*command)();
    const char *answer;
    FileDialogRequest request;
  } cases[] = {
      {&CStepFiles::OnFileSave,
       "a.txt",
       {FileDialogRequest::Kind::Save, QStringLiteral("Save Data ..."),
        QStringLiteral("Text File(*.txt)|*.txt||"), QStringLiteral("txt"), true}},
      {&CStepFiles::OnFileSaveAs,
       "a.xls",
       {FileDialogRequest::Kind::Save, QStringLiteral("Save Data As..."), kAllFilters,
        QStringLiteral("doc"), true}},
      {&CStepFiles::OnFileOpen,
       "a.xls",
       {FileDialogRequest::Kind::Open, QStringLiteral("Reading document"), kAllFilters, {}, false}},
  };
  for (const auto &c : cases) {
    FileDialogAnswers answers({Path(c.answer), std::nullopt});
    (files.*c.command)();
    (files.*c.command)(); // cancelled
    ASSERT_EQ(answers.requests.size(), 2U);
    const FileDialogRequest &r = answers.requests[0];
    EXPECT_EQ(std::tie(r.kind, r.title, r.filter, r.defaultSuffix, r.confirmOverwrite),
              std::tie(c.request.kind, c.request.title, c.request.filter, c.request.defaultSuffix,
                       c.request.confirmOverwrite))
        << c.answer;
    EXPECT_EQ(ReadFile(Path(c.answer)), kExampleCh1) << c.answer;
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
  EXPECT_EQ(panel.Column(2), kExampleVolts);
  EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(StepFilesTest, OpenRestoresTheVoltsIntoTenAndIntoFiveRows) {
  ASSERT_TRUE(testhelp::WriteFile(Path("ex.txt"), kExampleCh1));
  // A refill starts at the 1-based position m_nFirstLoaded; Open puts it back to the first.
  panel.list->m_nFirstLoaded = 3;
  Open(Path("ex.txt"));
  EXPECT_EQ(panel.Column(2), (kExampleVolts.mid(2) + QStringList(2)));
  EXPECT_EQ(panel.list->m_nFirstLoaded, 0);

  panel.c.mode->setCurrentIndex(1);
  editor.OnSelchangeMode();
  panel.stepIndex = 3;
  panel.table.SetStepChannel(CStepTable::kStepCh2);
  Open(Path("ex.txt"));
  EXPECT_EQ(panel.Column(2), kExampleVolts.mid(0, 5));
  EXPECT_EQ(panel.list->m_loadedVolts.size(), 5U) << "no more read than there are rows";
  EXPECT_EQ(panel.stepIndex, 3);
  EXPECT_EQ(panel.table.GetStepChannel(), CStepTable::kStepCh2);
  EXPECT_TRUE(messages.Texts().isEmpty());
}

// Every kind of special file is CUserFile's table; a FIFO here shows Open does not wait for a
// writer.
TEST_F(StepFilesTest, BadInputsLeaveTheTableAlone) {
  panel.SetVolts(kExampleVolts);
  static const char binary[] = "#CH\r\nst\r\n1 1 2.0\r\n\x00\x01\x02";
  ASSERT_TRUE(testhelp::WriteFile(Path("binary.doc"), QByteArray(binary, sizeof binary - 1)));
  ASSERT_TRUE(testhelp::MakeSpecial(testhelp::Special::Fifo, Path("fifo.txt")));
  for (const QString &path :
       {Path("missing.txt"), Path("binary.doc"), Path("fifo.txt"), QString()}) {
    messages.Clear();
    Open(path);
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Reading document error!")})
        << path.toStdString();
    EXPECT_EQ(panel.Column(2), kExampleVolts) << path.toStdString();
  }
}

TEST(FileDialogs, FiltersTakeQtsForm) {
  EXPECT_EQ(platform::QtFilterFromPairs(QStringLiteral("Text File(*.txt)|*.txt||")),
            QStringLiteral("Text File(*.txt)"));
  EXPECT_EQ(platform::QtFilterFromPairs(kAllFilters),
            QStringLiteral("Text File(*.txt);;Excel File(*.xls);;Word File(*.doc)"));
}

} // namespace
