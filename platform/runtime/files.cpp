#include "platform/runtime/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <new>

namespace platform {

namespace {

// Closes a descriptor once, on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now and reports whether the last buffered write reached the file.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool ReadAll(int fd, Bytes& bytes) {
  std::uint8_t buffer[64 * 1024];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) return true;
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    // A file that grows while it is read is still held to the limit.
    if (static_cast<long long>(bytes.size()) + got > kReadableFileLimit) return false;
    try {
      bytes.insert(bytes.end(), buffer, buffer + got);
    } catch (const std::bad_alloc&) {
      return false;
    }
  }
}

bool WriteAll(int fd, const Bytes& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    written += static_cast<std::size_t>(put);
  }
  return true;
}

// Writing through a symbolic link replaces the file it points to, not the link itself.
std::string ResolveTarget(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Opens a new, uniquely named file in folder and answers its descriptor (or -1); the name is
// hidden so that a file manager showing the folder does not flicker with it.
int CreateTemporaryBeside(const std::string& folder, std::string& name) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = folder + "/.brelvane-" + std::to_string(::getpid()) + "-" +
           std::to_string(counter.fetch_add(1)) + ".tmp";
    // 0666 lets the user's umask decide a new file's permissions, as for any other file.
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

FileContent ReadFileContent(const std::string& path) {
  FileContent content;
  // Non-blocking, so that opening a pipe with no writer returns at once.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!fd.valid()) {
    content.state = (errno == ENOENT || errno == ENOTDIR) ? FileContent::State::kMissing
                                                          : FileContent::State::kUnreadable;
    return content;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
      info.st_size > kReadableFileLimit || !ReadAll(fd.get(), content.bytes)) {
    content.bytes.clear();
    content.state = FileContent::State::kUnreadable;
    return content;
  }
  content.state = FileContent::State::kRead;
  return content;
}

Bytes ReadWholeFile(const std::string& path) { return ReadFileContent(path).bytes; }

bool WriteWholeFile(const std::string& path, const Bytes& bytes) {
  if (path.empty()) return false;
  const std::string target = ResolveTarget(path);
  // Renaming over a file ignores its permissions: a file its owner made read-only must stay.
  if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) return false;
  std::string temporary;
  Descriptor fd(CreateTemporaryBeside(FolderOf(target), temporary));
  if (!fd.valid()) return false;

  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  const bool written = WriteAll(fd.get(), bytes) &&
                       (!replacing || ::fchmod(fd.get(), old.st_mode & 07777) == 0) &&
                       ::fsync(fd.get()) == 0;
  if (fd.Close() && written && ::rename(temporary.c_str(), target.c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

}  // namespace platform
