#include "lumenfold/page_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>

#include "lumenfold/name_rules.h"

namespace lumenfold {
namespace {

// Hands the page's bytes to a file descriptor, checking every write.
class FdSink final : public ByteSink {
 public:
  explicit FdSink(int fd) : fd_(fd) {}
  bool Put(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        if (n == 0) errno = EIO;
        error = errno;
        return false;
      }
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }
  int error = 0;

 private:
  int fd_;
};

std::string Reason(int error) { return std::strerror(error); }

// The file a link at `path` leads to, so that replacing the page keeps the
// link; `path` itself when it is no link.
std::string ResolvedTarget(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char* real = realpath(path.c_str(), nullptr);
  if (real == nullptr) return path;
  std::string target(real);
  std::free(real);
  return target;
}

// A fresh, hidden name beside the page: the folder scan never lists it, and
// it stays short however long the page's own name is.
int CreateTemporary(const std::string& target, std::string* temp_path) {
  const std::string folder(FolderPart(target, PathSyntax::kHost));
  std::random_device seed;
  std::mt19937_64 draw(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temp_path = folder + ".lumenfold-" + std::to_string(draw() % 1000000000000u) + ".tmp";
    const int fd = ::open(temp_path->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// An existing page must be a regular file that could be written in place:
// a read-only page stays read-only, and no device, pipe or socket that a link
// leads to is ever swapped for a file.
bool CheckReplaceable(const std::string& target, std::optional<struct stat>* old,
                      std::string* reason) {
  struct stat st;
  if (stat(target.c_str(), &st) != 0) {
    if (errno == ENOENT) return true;
    *reason = Reason(errno);
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    *reason = S_ISDIR(st.st_mode) ? Reason(EISDIR) : "Not a regular file";
    return false;
  }
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    *reason = Reason(errno);
    return false;
  }
  ::close(fd);
  *old = st;
  return true;
}

void KeepOldAttributes(int fd, const struct stat& old) {
  (void)fchown(fd, old.st_uid, old.st_gid);  // Only possible for the owner's peers; best effort.
  (void)fchmod(fd, old.st_mode & 07777);
}

}  // namespace

PageFileState ProbePageFile(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) {
    // A dangling link or an unreachable name still names something there.
    return lstat(path.c_str(), &st) == 0 ? PageFileState::kFile : PageFileState::kMissing;
  }
  return S_ISDIR(st.st_mode) ? PageFileState::kDirectory : PageFileState::kFile;
}

PageFileResult WritePageFile(const std::string& path, const std::function<void(PageStream&)>& write,
                             std::string* reason) {
  const std::string target = ResolvedTarget(path);
  std::optional<struct stat> old;
  if (!CheckReplaceable(target, &old, reason)) return PageFileResult::kOpenFailed;
  std::string temp_path;
  const int fd = CreateTemporary(target, &temp_path);
  if (fd < 0) {
    *reason = Reason(errno);
    return PageFileResult::kOpenFailed;
  }
  if (old) KeepOldAttributes(fd, *old);

  FdSink sink(fd);
  bool written = false;
  {
    PageStream out(sink);
    write(out);
    written = out.Flush();
  }
  int error = written ? 0 : (sink.error != 0 ? sink.error : EIO);
  if (written && fdatasync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temp_path.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp_path.c_str());
    *reason = Reason(error);
    return PageFileResult::kWriteFailed;
  }
  return PageFileResult::kWritten;
}

}  // namespace lumenfold
