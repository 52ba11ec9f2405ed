#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/CUserFile.h"
#include "tests/support/NonRegularFiles.h"
#include "tests/support/TestHelpers.h"

namespace {

using testhelp::Special;

TEST(UserFile, AFullDiskNeverCostsTheOldFile) {
  struct Case {
    const char *name;
    const char *options; // of the tmpfs
    bool full;           // no page left
    bool lockedFolder;   // no temporary file can be made beside the target
    qsizetype newSize;
    bool saved;
  };
  // A locked folder takes no temporary file: the file is written in place when the free space
  // allows it, else refused before a byte is written.
  const Case cases[] = {
      {"no page left: the first flush fails", "size=8k", true, false, 300, false},
      {"fails mid-write", "size=16k", false, false, 64 * 1024, false},
      {"room enough", "size=128k", false, false, 64 * 1024, true},
      {"no inode: the old file's page", "size=64k,nr_inodes=2", false, false, 300, true},
      {"locked folder, room", "size=128k", false, true, 64 * 1024, true},
      {"locked folder, too small", "size=16k", false, true, 64 * 1024, false},
  };
  const QByteArray old = QByteArray("#CHANNEL:CH1\r\nstep  number  voltage\r\n").repeated(5);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    testhelp::SmallDisk disk(c.options);
    if (!disk.SkipReason().empty())
      GTEST_SKIP() << disk.SkipReason();
    const QString target = disk.Path("steps.txt");
    ASSERT_TRUE(testhelp::WriteFile(target, old));
    if (c.full)
      disk.FillUp("filler");
    const QDir folder(QFileInfo(target).path());
    const QStringList before = folder.entryList(QDir::Files);
    const QByteArray bytes(c.newSize, 'n');
    if (c.lockedFolder)
      QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const testhelp::WithoutPermissionOverride notRoot;
    QString why;
    EXPECT_EQ(CUserFile::Save(target, bytes, &why), c.saved);
    EXPECT_EQ(testhelp::ReadFile(target), c.saved ? bytes : old);
    EXPECT_EQ(why, c.saved ? QString() : QStringLiteral("No space left on device"));
    EXPECT_EQ(folder.entryList(QDir::Files), before) << "no temporary file is left behind";
  }
}

// Neither call may wait for a writer or reader that never comes. A device node needs root.
TEST(UserFile, OnlyRegularFilesAreOpenedOrReplaced) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QStringList paths{dir.path()};
  for (const Special kind : {Special::Fifo, Special::Socket, Special::Device}) {
    const QString path = dir.filePath(QString::number(static_cast<int>(kind)));
    if (testhelp::MakeSpecial(kind, path))
      paths << path;
  }
  QFile file;
  for (const QString &path : paths) {
    SCOPED_TRACE(path.toStdString());
    const QString expected =
        path == dir.path() ? QStringLiteral("Is a directory") : CUserFile::NotRegularText();
    const mode_t type = testhelp::FileType(path);
    QString why;
    EXPECT_FALSE(CUserFile::OpenForReading(path, file, &why));
    EXPECT_EQ(why, expected);
    why.clear();
    EXPECT_FALSE(CUserFile::Save(path, "x", &why));
    EXPECT_EQ(why, expected);
    EXPECT_EQ(testhelp::FileType(path), type) << "still the special file";
    EXPECT_FALSE(file.isOpen());
  }
  // A link to a step file is saved through: the link stays, its target takes the bytes.
  const QString real = dir.filePath(QStringLiteral("real.txt"));
  const QString link = dir.filePath(QStringLiteral("link.txt"));
  ASSERT_TRUE(testhelp::WriteFile(real, "old"));
  ASSERT_TRUE(QFile::link(real, link));
  EXPECT_TRUE(CUserFile::Save(link, "new"));
  EXPECT_EQ(testhelp::FileType(link), static_cast<mode_t>(S_IFLNK));
  EXPECT_EQ(testhelp::ReadFile(real), QByteArray("new"));
  ASSERT_TRUE(CUserFile::OpenForReading(link, file));
  EXPECT_EQ(file.readAll(), QByteArray("new"));
}

} // namespace
