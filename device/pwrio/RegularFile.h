#pragma once
// The library's own files (control file, call log, configuration, command profile) are named by
// environment variables. A FIFO or a device there must not hold the panel's calls: a plain
// open() of a FIFO waits for its other end. These open without waiting and keep only regular
// files, checked on the open descriptor so a swapped name cannot slip through.
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace pwrio {

// A descriptor of the regular file at path opened with flags, or -1.
inline int OpenRegularFile(const std::string &path, int flags, mode_t mode = 0644) {
  // A device is not even opened: opening a serial port can reset what hangs on it.
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
    return -1;
  const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, mode);
  if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// The whole regular file at path; false when there is none or it cannot be read.
inline bool ReadRegularFile(const std::string &path, std::string &text) {
  const int fd = OpenRegularFile(path, O_RDONLY);
  if (fd < 0)
    return false;
  text.clear();
  char chunk[4096];
  ssize_t got = 0;
  while ((got = ::read(fd, chunk, sizeof chunk)) > 0)
    text.append(chunk, static_cast<std::size_t>(got));
  ::close(fd);
  return got == 0;
}

// Writes all of text to the regular file at path, opened with flags (O_APPEND or O_TRUNC, with
// O_CREAT for a new file); false when path is no regular file or a write fails.
inline bool WriteRegularFile(const std::string &path, int flags, const std::string &text) {
  const int fd = OpenRegularFile(path, O_WRONLY | flags);
  if (fd < 0)
    return false;
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t put = ::write(fd, text.data() + done, text.size() - done);
    if (put <= 0)
      break;
    done += static_cast<std::size_t>(put);
  }
  return ::close(fd) == 0 && done == text.size();
}

} // namespace pwrio
