#include "lumenfold/name_rules.h"

#include <gtest/gtest.h>

namespace lumenfold {
namespace {

struct PathCase {
  std::string_view path;
  std::string_view folder;
  std::string_view bare;
  std::string_view extension;
};

void ExpectRules(const PathCase& c, PathSyntax syntax) {
  SCOPED_TRACE(std::string(c.path));
  EXPECT_EQ(FolderPart(c.path, syntax), c.folder);
  EXPECT_EQ(BareName(c.path, syntax), c.bare);
  EXPECT_EQ(Extension(c.path, syntax), c.extension);
  EXPECT_EQ(std::string(FolderPart(c.path, syntax)) + std::string(BareName(c.path, syntax)),
            c.path);
  EXPECT_EQ(std::string(WithoutExtension(c.path, syntax)) + std::string(c.extension), c.path);
}

TEST(NameRules, HostSyntax) {
  const PathCase cases[] = {
      {"/pics/trip/a.jpg", "/pics/trip/", "a.jpg", ".jpg"},
      {"a.jpg", "", "a.jpg", ".jpg"},
      {"/pics/a.b/page", "/pics/a.b/", "page", ""},
      {"/pics/my.album", "/pics/", "my.album", ".album"},
      {"a.jpg.bak", "", "a.jpg.bak", ".bak"},
      {"x.", "", "x.", "."},
      {".gif", "", ".gif", ".gif"},
      {"README", "", "README", ""},
      {"/", "/", "", ""},
      {"", "", "", ""},
      {"dir/", "dir/", "", ""},
      // '\' and ':' are ordinary bytes of a POSIX name.
      {"C:\\pics\\a.jpg", "", "C:\\pics\\a.jpg", ".jpg"},
      {"/p/a.b\\c", "/p/", "a.b\\c", ".b\\c"},
      {"/\x95\x5C/\x95\x5C.jpg", "/\x95\x5C/", "\x95\x5C.jpg", ".jpg"},
  };
  for (const PathCase& c : cases) ExpectRules(c, PathSyntax::kHost);
}

TEST(NameRules, Cp932Syntax) {
  // \x95\x5C is 表: its second byte has the value of '\'.
  const PathCase cases[] = {
      {"C:\\pics\\a.jpg", "C:\\pics\\", "a.jpg", ".jpg"},
      {"C:a.jpg", "C:", "a.jpg", ".jpg"},
      {"C:\\a.b\\page", "C:\\a.b\\", "page", ""},
      {"C:\\pics\\my.album", "C:\\pics\\", "my.album", ".album"},
      {"C:\\\x95\x5C\\a.jpg", "C:\\\x95\x5C\\", "a.jpg", ".jpg"},
      {"C:\\pics\\\x95\x5C", "C:\\pics\\", "\x95\x5C", ""},
      {"C:\\pics\\\x95\x5C.jpg", "C:\\pics\\", "\x95\x5C.jpg", ".jpg"},
      {"\x95\x5C\x95\x5C", "", "\x95\x5C\x95\x5C", ""},
      {"\x95\x5C\\x", "\x95\x5C\\", "x", ""},
      {"\xE0\x5C:x", "\xE0\x5C:", "x", ""},
      {"\xFC\x5C", "", "\xFC\x5C", ""},
      // Half-width katakana are single bytes: the '\' after one separates.
      {"\xB1\\x", "\xB1\\", "x", ""},
      {"\xA0\\x", "\xA0\\", "x", ""},
      // A lead byte at the very end stands alone.
      {"a\\\x95", "a\\", "\x95", ""},
      {"a.b\\c", "a.b\\", "c", ""},
      {"a.b:c", "a.b:", "c", ""},
      {"a/b.jpg", "", "a/b.jpg", ".jpg"},
      {"", "", "", ""},
  };
  for (const PathCase& c : cases) ExpectRules(c, PathSyntax::kCp932);
}

TEST(NameRules, Cp932LeadBytes) {
  for (int b = 0; b < 256; ++b) {
    const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    EXPECT_EQ(IsCp932LeadByte(static_cast<unsigned char>(b)), lead) << b;
  }
}

}  // namespace
}  // namespace lumenfold
