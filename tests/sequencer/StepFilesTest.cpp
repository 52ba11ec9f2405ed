#include <deque>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/CFileDialogs.h"
#include "sequencer/CStepFiles.h"
#include "sequencer/CStepTableEditor.h"
#include "tests/sequencer/StepPanelFixture.h"
#include "tests/support/MessageCapture.h"
#include "tests/support/NonRegularFiles.h"

namespace {

using platform::FileDialogRequest;

// Answers the file dialogs in order (nullopt: Cancel) and keeps what was asked.
class DialogAnswers {
public:
  explicit DialogAnswers(std::deque<std::optional<QString>> answers)
      : m_answers(std::move(answers)) {
    m_previous = platform::SetFileDialogHook([this](const FileDialogRequest &request) {
      requests.push_back(request);
      std::optional<QString> answer;
      if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
      }
      return answer;
    });
  }
  ~DialogAnswers() { platform::SetFileDialogHook(std::move(m_previous)); }
  DialogAnswers(const DialogAnswers &) = delete;
  DialogAnswers &operator=(const DialogAnswers &) = delete;

  std::vector<FileDialogRequest> requests;

private:
  std::deque<std::optional<QString>> m_answers;
  platform::FileDialogHook m_previous;
};

using testhelp::ReadFile;
void WriteBytes(const QString &path, const QByteArray &bytes) {
  ASSERT_TRUE(testhelp::WriteFile(path, bytes));
}

const QByteArray kExampleCh1 = "#CHANNEL:CH1\r\n"
                               "step  number  voltage\r\n"
                               "1    1    1.000\r\n"
                               "2    1    1.889\r\n"
                               "3    1    2.778\r\n"
                               "4    1    3.667\r\n"
                               "5    1    4.556\r\n"
                               "6    1    5.444\r\n"
                               "7    1    6.333\r\n"
                               "8    1    7.222\r\n"
                               "9    1    8.111\r\n"
                               "10    1    9.000\r\n";

const QStringList kExampleVolts =
    testhelp::Cells("1.000 1.889 2.778 3.667 4.556 5.444 6.333 7.222 8.111 9.000");

class StepFilesTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  QString Path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

  void FillExample() {
    panel.voltCheck->setChecked(true);
    editor.OnSetVolts();
  }

  void Open(const QString &path) {
    DialogAnswers answers({path});
    files.OnFileOpen();
  }

  QTemporaryDir dir;
  StepPanelFixture panel;
  CStepTableEditor editor{panel.Controls()};
  CStepFiles files{panel.Controls()};
  MessageCapture messages;
};

TEST_F(StepFilesTest, SaveWritesTheExampleByteForByte) {
  FillExample();
  DialogAnswers answers({Path("a.txt")});
  files.OnFileSave();
  EXPECT_EQ(ReadFile(Path("a.txt")), kExampleCh1);
  ASSERT_EQ(answers.requests.size(), 1U);
  const FileDialogRequest &request = answers.requests[0];
  EXPECT_EQ(request.kind, FileDialogRequest::Kind::Save);
  EXPECT_EQ(request.title, QStringLiteral("Save Data ..."));
  EXPECT_EQ(request.filter, QStringLiteral("Text File(*.txt)|*.txt||"));
  EXPECT_EQ(request.defaultSuffix, QStringLiteral("txt"));
  EXPECT_TRUE(request.confirmOverwrite);
  EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(StepFilesTest, ChannelTwoSeparators) {
  FillExample();
  panel.ch2Radio->setChecked(true);
  ASSERT_TRUE(files.WriteStepFile(Path("b.txt")));
  const QList<QByteArray> lines = ReadFile(Path("b.txt")).split('\n');
  ASSERT_EQ(lines.size(), 13);
  EXPECT_EQ(lines[0], "#CHANNEL:CH2\r");
  EXPECT_EQ(lines[1], "step  number  voltage\r");
  EXPECT_EQ(lines[2], "1       1     1.000\r");
  EXPECT_EQ(lines[11], "10       1     9.000\r");
  EXPECT_EQ(lines[12], "");
}

TEST_F(StepFilesTest, SaveAsWritesTheSameBytesWhateverTheExtension) {
  FillExample();
  DialogAnswers answers({Path("a.doc"), Path("a.xls"), Path("a.txt")});
  files.OnFileSaveAs();
  files.OnFileSaveAs();
  files.OnFileSaveAs();
  EXPECT_EQ(ReadFile(Path("a.doc")), kExampleCh1);
  EXPECT_EQ(ReadFile(Path("a.xls")), kExampleCh1);
  EXPECT_EQ(ReadFile(Path("a.txt")), kExampleCh1);
  const FileDialogRequest &request = answers.requests.at(0);
  EXPECT_EQ(request.title, QStringLiteral("Save Data As..."));
  EXPECT_EQ(
      request.filter,
      QStringLiteral("Text File(*.txt)|*.txt|Excel File(*.xls)|*.xls|Word File(*.doc)|*.doc||"));
  EXPECT_EQ(request.defaultSuffix, QStringLiteral("doc"));
  EXPECT_TRUE(request.confirmOverwrite);
}

TEST_F(StepFilesTest, CancelledDialogsDoNothing) {
  FillExample();
  DialogAnswers answers({std::nullopt, std::nullopt, std::nullopt});
  files.OnFileSave();
  files.OnFileSaveAs();
  files.OnFileOpen();
  EXPECT_EQ(answers.requests.size(), 3U);
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
  EXPECT_TRUE(messages.Texts().isEmpty());
  EXPECT_EQ(panel.Column(2), kExampleVolts);
}

TEST_F(StepFilesTest, EmptyTableGivesTheHeaderOnly) {
  panel.list->DeleteAllItems();
  ASSERT_TRUE(files.WriteStepFile(Path("e.txt")));
  EXPECT_EQ(ReadFile(Path("e.txt")), QByteArray("#CHANNEL:CH1\r\nstep  number  voltage\r\n"));
}

TEST_F(StepFilesTest, UnwritablePathTellsWhyAndKeepsTheOldFile) {
  const QString missing = Path("no/such/folder/x.txt");
  EXPECT_FALSE(files.WriteStepFile(missing));
  EXPECT_FALSE(QFile::exists(missing));
  ASSERT_EQ(messages.Texts().size(), 1);
  EXPECT_TRUE(messages.Texts()[0].startsWith(QStringLiteral("Cann't save file: ")));
  EXPECT_GT(messages.Texts()[0].size(), QStringLiteral("Cann't save file: ").size());

  if (::geteuid() != 0) {
    // Permissions do not stop root; elsewhere a read-only file must keep its bytes.
    messages.Clear();
    WriteBytes(Path("ro.txt"), "old");
    QFile::setPermissions(Path("ro.txt"), QFileDevice::ReadOwner);
    ::chmod(dir.path().toLocal8Bit().constData(), 0500);
    EXPECT_FALSE(files.WriteStepFile(Path("ro.txt")));
    ::chmod(dir.path().toLocal8Bit().constData(), 0700);
    EXPECT_EQ(ReadFile(Path("ro.txt")), QByteArray("old"));
    EXPECT_EQ(messages.Texts().size(), 1);
  }
}

// Every special file and every way a full disk can fail are CUserFile's tables; here one of
// each shows the save command's message and the file it keeps.
TEST_F(StepFilesTest, PipesSocketsAndDevicesAreNeverSavedOnto) {
  FillExample();
  ASSERT_TRUE(testhelp::MakeSpecial(testhelp::Special::Fifo, Path("fifo.txt")));
  EXPECT_FALSE(files.WriteStepFile(Path("fifo.txt")));
  EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Cann't save file: Not a regular file")});
  EXPECT_EQ(testhelp::FileType(Path("fifo.txt")), static_cast<mode_t>(S_IFIFO));
}

TEST_F(StepFilesTest, SavingOntoAFullDiskKeepsTheOldFile) {
  testhelp::SmallDisk disk("size=8k");
  if (!disk.SkipReason().empty())
    GTEST_SKIP() << disk.SkipReason();
  FillExample();
  panel.ch2Radio->setChecked(true);
  const QString path = disk.Path("steps.txt");
  WriteBytes(path, kExampleCh1);
  disk.FillUp("filler");
  DialogAnswers answers({path}); // the dialog has asked before overwriting
  files.OnFileSave();
  EXPECT_EQ(messages.Texts(),
            QStringList{QStringLiteral("Cann't save file: No space left on device")});
  EXPECT_EQ(ReadFile(path), kExampleCh1);
}

TEST_F(StepFilesTest, OpenRestoresTheVoltsIntoTenAndIntoFiveRows) {
  WriteBytes(Path("ex.txt"), kExampleCh1);
  // A refill starts at the 1-based position m_nFirstLoaded; Open puts it back to the first.
  panel.list->m_nFirstLoaded = 3;
  DialogAnswers answers({Path("ex.txt"), Path("ex.txt")});
  files.OnFileOpen();
  EXPECT_EQ(panel.Column(2), (kExampleVolts.mid(2) + QStringList{QString(), QString()}));
  EXPECT_EQ(panel.list->m_nFirstLoaded, 0);
  files.OnFileOpen();
  EXPECT_EQ(panel.Column(2), kExampleVolts);
  const FileDialogRequest &request = answers.requests.at(0);
  EXPECT_EQ(request.kind, FileDialogRequest::Kind::Open);
  EXPECT_EQ(request.title, QStringLiteral("Reading document"));
  EXPECT_TRUE(request.defaultSuffix.isEmpty());
  EXPECT_EQ(
      request.filter,
      QStringLiteral("Text File(*.txt)|*.txt|Excel File(*.xls)|*.xls|Word File(*.doc)|*.doc||"));

  panel.mode->setCurrentIndex(1);
  editor.OnSelchangeMode();
  panel.stepIndex = 3;
  Open(Path("ex.txt"));
  EXPECT_EQ(panel.Column(2), kExampleVolts.mid(0, 5));
  EXPECT_EQ(panel.list->m_loadedVolts.size(), 5U);
  EXPECT_EQ(panel.Column(0).first(), QStringLiteral("1"));
  EXPECT_EQ(panel.stepIndex, 3);
  EXPECT_TRUE(panel.ch1Radio->isChecked());
  EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(StepFilesTest, EmptyCellsComeBackAsGroupNumberFromCh1AndZeroFromCh2) {
  ASSERT_TRUE(files.WriteStepFile(Path("ch1.txt")));
  panel.ch2Radio->setChecked(true);
  ASSERT_TRUE(files.WriteStepFile(Path("ch2.txt")));
  EXPECT_TRUE(ReadFile(Path("ch1.txt")).contains("\r\n1    1    \r\n"));
  Open(Path("ch1.txt"));
  EXPECT_EQ(panel.Column(2), QStringList(10, QStringLiteral("1.000")));
  Open(Path("ch2.txt"));
  EXPECT_EQ(panel.Column(2), QStringList(10, QStringLiteral("0.000")));
}

TEST_F(StepFilesTest, RoundTripLosesLongValuesAndReadsShortTails) {
  panel.SetVolts(testhelp::Cells("10.000 _ -1.000 abc 1.5"));
  ASSERT_TRUE(files.WriteStepFile(Path("r.txt")));
  Open(Path("r.txt"));
  EXPECT_EQ(panel.Column(2).mid(0, 5), testhelp::Cells("0.000 0.000 1.000 0.000 1.500"));
}

TEST_F(StepFilesTest, HandEditedFiles) {
  struct Case {
    const char *name;
    QByteArray bytes;
    const char *volts; // top rows after the load; the rest keep "k"
  };
  // Line ends and odd tails are the parser's table; here the loaded values reach the rows.
  const Case cases[] = {
      {"negative tails", "a\r\nb\r\n1 1 -1.50\r\n2 1 -0.50\r\n", "0.000 -0.500"},
      {"last line without end", "a\r\nb\r\n1 1 2.000\r\n2 1 4.250", "2.000 4.250"},
      {"header only", "#CHANNEL:CH1\r\nstep  number  voltage\r\n", ""},
      {"empty file", "", ""},
  };
  for (const Case &c : cases) {
    panel.SetVolts(QStringList(10, QStringLiteral("k")));
    WriteBytes(Path("h.txt"), c.bytes);
    Open(Path("h.txt"));
    QStringList expected = testhelp::Cells(c.volts);
    while (expected.size() < 10)
      expected.append(QStringLiteral("k"));
    EXPECT_EQ(panel.Column(2), expected) << c.name;
  }
  EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(StepFilesTest, BadInputsLeaveTheTableAlone) {
  FillExample();
  static const char binary[] = "#CH\r\nst\r\n1 1 2.0\r\n\x00\x01\x02";
  WriteBytes(Path("binary.doc"), QByteArray(binary, sizeof binary - 1));
  WriteBytes(Path("unreadable.txt"), "a\nb\n1 1 5.000\n");
  QFile::setPermissions(Path("unreadable.txt"), QFileDevice::Permissions());
  const bool rootReads = QFile(Path("unreadable.txt")).open(QIODevice::ReadOnly);
  std::vector<QString> bad = {Path("missing.txt"), Path("binary.doc"), dir.path(),
                              QStringLiteral("/dev/zero"), QString()};
  if (!rootReads)
    bad.push_back(Path("unreadable.txt"));
  // Nobody writes to the FIFO: opening it for reading must not wait for a writer.
  for (const auto &[name, kind] : {std::pair{"fifo.txt", testhelp::Special::Fifo},
                                   std::pair{"socket.txt", testhelp::Special::Socket}}) {
    ASSERT_TRUE(testhelp::MakeSpecial(kind, Path(name)));
    bad.push_back(Path(name));
  }
  for (const QString &path : bad) {
    messages.Clear();
    Open(path);
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Reading document error!")})
        << path.toStdString();
    EXPECT_EQ(panel.Column(2), kExampleVolts) << path.toStdString();
  }
}

TEST_F(StepFilesTest, MillionsOfLinesAreNotRead) {
  // Only as many data lines as the table has rows are read; a NUL far behind them is never seen.
  QByteArray bytes = "a\nb\n";
  for (int i = 0; i < 10; ++i)
    bytes += "1 1 7.000\n";
  bytes += QByteArray(1, '\0');
  QByteArray filler;
  filler.reserve(8 * 1000 * 1000);
  for (int i = 0; i < 1000 * 1000; ++i)
    filler += "9 9 9.9\n";
  bytes += filler;
  WriteBytes(Path("big.txt"), bytes);
  Open(Path("big.txt"));
  EXPECT_TRUE(messages.Texts().isEmpty());
  EXPECT_EQ(panel.Column(2), QStringList(10, QStringLiteral("7.000")));
  EXPECT_EQ(panel.list->m_loadedVolts.size(), 10U);
}

TEST(FileDialogs, FiltersTakeQtsForm) {
  EXPECT_EQ(platform::QtFilterFromPairs(QStringLiteral("Text File(*.txt)|*.txt||")),
            QStringLiteral("Text File(*.txt)"));
  EXPECT_EQ(platform::QtFilterFromPairs(QStringLiteral(
                "Text File(*.txt)|*.txt|Excel File(*.xls)|*.xls|Word File(*.doc)|*.doc||")),
            QStringLiteral("Text File(*.txt);;Excel File(*.xls);;Word File(*.doc)"));
  EXPECT_EQ(platform::QtFilterFromPairs(QString()), QString());
}

} // namespace
