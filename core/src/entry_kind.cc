#include "lumenfold/entry_kind.h"

#include <algorithm>
#include <array>

#include "lumenfold/name_rules.h"

namespace lumenfold {
namespace {

constexpr std::array<std::string_view, 2> kBackupExtensions = {".bak", ".BAK"};
constexpr std::array<std::string_view, 6> kPictureExtensions = {".jpg",  ".JPG", ".jpeg",
                                                                ".JPEG", ".gif", ".GIF"};
constexpr std::array<std::string_view, 4> kPageExtensions = {".htm", ".HTM", ".html", ".HTML"};

template <std::size_t N>
bool IsOneOf(std::string_view extension, const std::array<std::string_view, N>& list) {
  return std::find(list.begin(), list.end(), extension) != list.end();
}

}  // namespace

// A listed name is a bare name, so only its dots matter. Where the original
// platform's rules would stop at a '\' or ':' after the last dot, the host's
// give a tail holding that byte; neither is in any list, so the kind agrees.
EntryKind ClassifyEntry(std::string_view name, std::string_view output_name) {
  if (name == output_name) return EntryKind::SkippedEntry;
  const std::string_view extension = Extension(name, PathSyntax::kHost);
  if (IsOneOf(extension, kBackupExtensions)) return EntryKind::SkippedEntry;
  if (IsOneOf(extension, kPictureExtensions)) return EntryKind::ImageEntry;
  if (IsOneOf(extension, kPageExtensions)) return EntryKind::LinkedPageEntry;
  return EntryKind::DownloadEntry;
}

}  // namespace lumenfold
