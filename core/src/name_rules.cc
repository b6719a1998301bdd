#include "lumenfold/name_rules.h"

namespace lumenfold {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Walks the path from its start, because only a forward walk can tell a
// trail byte of a double-byte character from a separator of its own.
std::size_t LastCp932Separator(std::string_view path) {
  std::size_t last = kNone;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (IsCp932LeadByte(byte) && i + 1 < path.size()) {
      ++i;  // The next byte belongs to this character.
    } else if (byte == '\\' || byte == ':') {
      last = i;
    }
  }
  return last;
}

}  // namespace

bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t LastSeparator(std::string_view path, PathSyntax syntax) {
  if (syntax == PathSyntax::kHost) return path.rfind('/');
  return LastCp932Separator(path);
}

std::string_view FolderPart(std::string_view path, PathSyntax syntax) {
  const std::size_t sep = LastSeparator(path, syntax);
  return sep == kNone ? std::string_view() : path.substr(0, sep + 1);
}

std::string_view BareName(std::string_view path, PathSyntax syntax) {
  const std::size_t sep = LastSeparator(path, syntax);
  return sep == kNone ? path : path.substr(sep + 1);
}

// A '.' is never the trail byte of a double-byte character (trail bytes are
// 0x40 and up), so the dot itself can be searched for from the end.
std::string_view Extension(std::string_view path, PathSyntax syntax) {
  const std::string_view name = BareName(path, syntax);
  const std::size_t dot = name.rfind('.');
  return dot == kNone ? std::string_view() : name.substr(dot);
}

std::string_view WithoutExtension(std::string_view path, PathSyntax syntax) {
  return path.substr(0, path.size() - Extension(path, syntax).size());
}

}  // namespace lumenfold
