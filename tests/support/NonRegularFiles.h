#pragma once
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/capability.h>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

// Files that are not plain files, and disks that are full, for the tests of every path that
// opens or saves a file the operator names.
namespace testhelp {

inline QByteArray Native(const QString &path) {
  return QFile::encodeName(path);
}

// A FIFO, a listening Unix socket or (root only) a character device node at path; false when
// this machine does not allow it.
enum class Special { Fifo, Socket, Device };
inline bool MakeSpecial(Special kind, const QString &path) {
  const QByteArray name = Native(path);
  switch (kind) {
  case Special::Fifo:
    return ::mkfifo(name.constData(), 0600) == 0;
  case Special::Device:
    return ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
  case Special::Socket: {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path))
      return false;
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    // The descriptor is left open: the socket file stays for the test's life either way.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    return fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
           ::listen(fd, 1) == 0;
  }
  }
  return false;
}

inline mode_t FileType(const QString &path) {
  struct stat info {};
  return ::lstat(Native(path).constData(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

// A tmpfs of a few pages in a mount namespace of this thread's own, with private propagation:
// no other process ever sees it, and it is gone when the test ends.
class SmallDisk {
public:
  explicit SmallDisk(const char *options) {
    if (!m_dir.isValid())
      m_skip = "no temporary folder";
    else if (::unshare(CLONE_NEWNS) != 0)
      m_skip = std::string("cannot make a mount namespace: ") + std::strerror(errno);
    else if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
      m_skip = std::string("cannot make mounts private: ") + std::strerror(errno);
    else if (::mount("ktxtest", Native(m_dir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                     options) != 0)
      m_skip = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
    else
      m_mounted = true;
  }
  ~SmallDisk() {
    if (m_mounted)
      ::umount2(Native(m_dir.path()).constData(), MNT_DETACH);
  }
  SmallDisk(const SmallDisk &) = delete;
  SmallDisk &operator=(const SmallDisk &) = delete;

  // Empty once mounted; otherwise why not, for GTEST_SKIP.
  const std::string &SkipReason() const { return m_skip; }
  QString Path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

  // Writes the file until the disk is full.
  void FillUp(const char *name) const {
    const int fd = ::open(Native(Path(name)).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    const std::string page(4096, 'f');
    while (fd >= 0 && ::write(fd, page.data(), page.size()) > 0) {
    }
    if (fd >= 0)
      ::close(fd);
  }

private:
  QTemporaryDir m_dir;
  std::string m_skip;
  bool m_mounted = false;
};

// Takes from this thread, while it lives, root's power to ignore permissions, so a folder
// without write permission stops root as it stops anyone else.
class WithoutPermissionOverride {
public:
  WithoutPermissionOverride() {
    if (::syscall(SYS_capget, &m_header, m_saved) != 0)
      return;
    __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
    reduced[0].effective &=
        ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH) | (1U << CAP_FOWNER));
    m_changed = ::syscall(SYS_capset, &m_header, reduced) == 0;
  }
  ~WithoutPermissionOverride() {
    if (m_changed)
      ::syscall(SYS_capset, &m_header, m_saved);
  }
  WithoutPermissionOverride(const WithoutPermissionOverride &) = delete;
  WithoutPermissionOverride &operator=(const WithoutPermissionOverride &) = delete;

private:
  __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct m_saved[2]{};
  bool m_changed = false;
};

} // namespace testhelp
