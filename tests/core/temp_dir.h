// A folder of its own for each test, removed with everything in it.
#ifndef LUMENFOLD_TESTS_CORE_TEMP_DIR_H_
#define LUMENFOLD_TESTS_CORE_TEMP_DIR_H_

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace lumenfold::test {

class TempDir {
 public:
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "lumenfold-XXXXXX").string();
    path_ = mkdtemp(tmpl.data());
    chmod(path_.c_str(), 0777);  // So that a test may drop its privileges inside.
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder with its trailing '/', as the scan takes it.
  std::string folder() const { return path_ + "/"; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline mode_t ModeOf(const std::string& path) {
  struct stat st {};
  stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

// Runs `body` in a child process and returns its exit status (-1 when it did
// not exit normally). With `as_nobody`, a child of root first becomes the
// unprivileged user, so that file permissions apply to it.
inline int RunInChild(const std::function<int()>& body, bool as_nobody = false) {
  const pid_t pid = fork();
  if (pid == 0) {
    if (as_nobody && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(99);
    _exit(body());
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace lumenfold::test

#endif  // LUMENFOLD_TESTS_CORE_TEMP_DIR_H_
