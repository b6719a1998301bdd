#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "lumenfold/folder_scan.h"

namespace lumenfold {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

// Only entries whose type the directory cannot tell, and links, cost a stat:
// the usual case of plain files is decided by readdir alone.
bool IsListableFile(int dir_fd, const dirent& entry) {
  switch (entry.d_type) {
    case DT_REG:
      return true;
    case DT_LNK:
    case DT_UNKNOWN: {
      struct stat st;
      return fstatat(dir_fd, entry.d_name, &st, 0) == 0 && S_ISREG(st.st_mode);
    }
    default:
      return false;
  }
}

}  // namespace

bool HostFolderReader::ListFiles(const std::string& folder,
                                 const std::function<void(std::string_view)>& take,
                                 std::string* error) {
  std::unique_ptr<DIR, DirCloser> dir(opendir(folder.empty() ? "." : folder.c_str()));
  if (!dir) {
    *error = std::strerror(errno);
    return false;
  }
  const int dir_fd = dirfd(dir.get());
  for (;;) {
    errno = 0;
    const dirent* entry = readdir(dir.get());
    if (entry == nullptr) break;
    if (entry->d_name[0] == '.') continue;  // The host's hidden files, "." and "..".
    if (IsListableFile(dir_fd, *entry)) take(entry->d_name);
  }
  if (errno != 0) {
    *error = std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace lumenfold
