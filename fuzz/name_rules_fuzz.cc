// The file-name rules on any path, in both syntaxes: folder part plus bare
// name give back the path, and no separator is ever found inside a
// double-byte character.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "lumenfold/name_rules.h"

namespace {

using lumenfold::PathSyntax;

void Check(bool holds) {
  if (!holds) std::abort();
}

// Which bytes are the second byte of a double-byte character, by a walk
// from the start written apart from the code under test.
std::vector<bool> TrailBytes(std::string_view path) {
  std::vector<bool> trail(path.size(), false);
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    if (lead && i + 1 < path.size()) trail[++i] = true;
  }
  return trail;
}

void CheckSyntax(std::string_view path, PathSyntax syntax) {
  const std::string_view folder = FolderPart(path, syntax);
  const std::string_view bare = BareName(path, syntax);
  const std::string_view extension = Extension(path, syntax);
  Check(folder.size() + bare.size() == path.size());
  Check(path.substr(0, folder.size()) == folder && path.substr(folder.size()) == bare);
  Check(bare.substr(bare.size() - extension.size()) == extension);
  Check(extension.empty() || (extension[0] == '.' && extension.find('.', 1) == extension.npos));
  Check(WithoutExtension(path, syntax).size() + extension.size() == path.size());

  const std::vector<bool> trail = TrailBytes(path);
  const auto is_separator = [&](std::size_t i) {
    if (syntax == PathSyntax::kHost) return path[i] == '/';
    return (path[i] == '\\' || path[i] == ':') && !trail[i];
  };
  if (!folder.empty()) Check(is_separator(folder.size() - 1));
  for (std::size_t i = folder.size(); i < path.size(); ++i) Check(!is_separator(i));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view path(reinterpret_cast<const char*>(data), size);
  CheckSyntax(path, PathSyntax::kHost);
  CheckSyntax(path, PathSyntax::kCp932);
  return 0;
}
