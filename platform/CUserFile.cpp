#include "platform/CUserFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>

namespace {

bool Fail(QString *why, const QString &reason) {
  if (why)
    *why = reason;
  return false;
}

bool FailErrno(QString *why, int error) {
  return Fail(why, qt_error_string(error));
}

// A file system that cannot sync at all says so with these; anything else is a lost write.
bool Synced(int fd) {
  return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP || errno == EROFS;
}

QString KindProblem(mode_t mode) {
  if (S_ISREG(mode))
    return {};
  return S_ISDIR(mode) ? qt_error_string(EISDIR) : CUserFile::NotRegularText();
}

// The name is looked at first, so a device is never even opened (opening a serial port can
// reset what hangs on it). The open itself does not wait for a pipe's writer or a modem's
// carrier, and the descriptor is checked again: the name may have been swapped in between.
int OpenRegular(const QString &path, int flags, struct stat &info, QString *why) {
  const QByteArray native = QFile::encodeName(path);
  if (::stat(native.constData(), &info) != 0) {
    FailErrno(why, errno);
    return -1;
  }
  if (const QString problem = KindProblem(info.st_mode); !problem.isEmpty()) {
    Fail(why, problem);
    return -1;
  }
  const int fd = ::open(native.constData(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    FailErrno(why, errno);
    return -1;
  }
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    Fail(why, CUserFile::NotRegularText());
    ::close(fd);
    return -1;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

} // namespace

QString CUserFile::NotRegularText() {
  return QStringLiteral("Not a regular file");
}

QString CUserFile::CannotWriteText(const QString &path, const QString &why) {
  return QStringLiteral("Cannot write \"%1\": %2.").arg(path, why);
}

bool CUserFile::OpenForReading(const QString &path, QFile &file, QString *why) {
  struct stat info {};
  const int fd = OpenRegular(path, O_RDONLY, info, why);
  if (fd < 0)
    return false;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return Fail(why, file.errorString());
  }
  return true;
}

QString CUserFile::SaveTargetProblem(const QString &path) {
  struct stat info {};
  // A name that does not exist yet is a new file; anything else wrong with it the save reports.
  if (::stat(QFile::encodeName(path).constData(), &info) != 0)
    return {};
  return KindProblem(info.st_mode);
}

bool CUserFile::Save(const QString &path, QByteArrayView bytes, QString *why) {
  if (const QString problem = SaveTargetProblem(path); !problem.isEmpty())
    return Fail(why, problem);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (QFile::exists(path))
      return WriteInPlace(path, bytes, why);
    return Fail(why, file.errorString());
  }
  // Qt keeps small writes in a buffer and, at commit, renames the temporary file over the target
  // even when emptying that buffer failed: every write, the flush and the sync are checked here.
  // A short write sets no error; the write of the rest then tells why.
  QString reason;
  for (qsizetype done = 0; reason.isEmpty() && done < bytes.size();) {
    const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
    if (written > 0)
      done += written;
    else
      reason = file.error() != QFileDevice::NoError ? file.errorString() : qt_error_string(EIO);
  }
  if (reason.isEmpty() && !file.flush())
    reason = file.errorString();
  if (reason.isEmpty() && !Synced(file.handle()))
    reason = qt_error_string(errno);
  if (!reason.isEmpty()) {
    file.cancelWriting();
    return Fail(why, reason);
  }
  return file.commit() || Fail(why, file.errorString());
}

bool CUserFile::WriteInPlace(const QString &path, QByteArrayView bytes, QString *why) {
  struct stat info {};
  const int fd = OpenRegular(path, O_WRONLY, info, why);
  if (fd < 0)
    return false;
  const off_t oldSize = info.st_size;
  const auto size = static_cast<off_t>(bytes.size());
  // Room for every byte first: a full disk then refuses before the old content is touched.
  int error = size > 0 ? ::posix_fallocate(fd, 0, size) : 0;
  for (off_t done = 0; error == 0 && done < size;) {
    const ssize_t written =
        ::pwrite(fd, bytes.data() + done, static_cast<std::size_t>(size - done), done);
    if (written > 0)
      done += written;
    else if (written == 0 || errno != EINTR)
      error = written == 0 ? EIO : errno;
  }
  if (error == 0 && (::ftruncate(fd, size) != 0 || !Synced(fd)))
    error = errno;
  if (error != 0) {
    // The reservation may have grown it.
    [[maybe_unused]] const int restored = ::ftruncate(fd, oldSize);
  }
  if (::close(fd) != 0 && error == 0)
    error = errno;
  return error == 0 || FailErrno(why, error);
}
