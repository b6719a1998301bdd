#include "lumenfold/folder_scan.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>

#include "temp_dir.h"

namespace lumenfold {
namespace {

using test::TempDir;
using test::WriteFile;
using Names = std::vector<std::string>;

TEST(ScanFilter, RowsByFilterIndex) {
  const struct {
    int index;
    const char* label;
    std::vector<std::string_view> patterns;
  } cases[] = {
      {1, "*.jpg *.jpeg *.gif", {"*.jpg", "*.jpeg", "*.gif"}},
      {2, "*.jpg *.jpeg", {"*.jpg", "*.jpeg"}},
      {3, "*.gif", {"*.gif"}},
      {4, "*.*", {"*.*"}},
      {0, "*.jpg *.jpeg *.gif", {"*.jpg", "*.jpeg", "*.gif"}},
      {5, "*.jpg *.jpeg *.gif", {"*.jpg", "*.jpeg", "*.gif"}},
  };
  for (const auto& c : cases) {
    const ScanFilterRow& row = ScanFilterFor(c.index);
    EXPECT_EQ(row.label, c.label) << c.index;
    EXPECT_EQ(std::vector<std::string_view>(row.patterns.begin(), row.patterns.end()), c.patterns)
        << c.index;
  }
}

TEST(MatchesPattern, CaseStarsAndEveryName) {
  const struct {
    const char* name;
    const char* pattern;
    bool match;
  } cases[] = {
      {"a.jpg", "*.jpg", true},
      {"A.JPG", "*.jpg", true},
      {"a.Jpg", "*.jpg", true},
      {".jpg", "*.jpg", true},
      {"a.jpg.bak", "*.jpg", false},
      {"ajpg", "*.jpg", false},
      {"a.jpeg", "*.jpg", false},
      {"a.jpeg", "*.jpeg", true},
      {"x.y.jpeg", "*.JPEG", true},
      {"a.gif", "*.gif", true},
      {"README", "*.*", true},
      {"x.", "*.*", true},
      {"", "*.*", true},
      {"a.b", "a*b", true},
      {"ab", "a*b", true},
      {"a", "a*b", false},
      {"\xE9.jpg", "*.jpg", true},
      {"\xC9.JPG", "*.jpg", true},
      {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*c", false},
      {"[x].jpg", "[x]*", true},
      {"abc", "*", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.match) << c.name << " ~ " << c.pattern;
  }
}

class ScanFolderTest : public ::testing::Test {
 protected:
  Names Scan(int filter_index) {
    ScanResult result = ScanFolder(dir_.folder(), filter_index, reader_);
    EXPECT_EQ(result.file_count, static_cast<std::int32_t>(result.names.size()));
    return result.names;
  }
  void Touch(std::initializer_list<const char*> names) {
    for (const char* name : names) WriteFile(dir_ / name, "x");
  }
  TempDir dir_;
  HostFolderReader reader_;
};

TEST_F(ScanFolderTest, EachFilterListsItsFilesInNaturalOrder) {
  Touch({"d.png", "c.gif", "b.jpeg", "a.jpg", "IMG_10.JPG", "IMG_2.jpg", "e.Gif", "f.htm", "g.bak",
         "h"});
  EXPECT_EQ(Scan(1), (Names{"a.jpg", "b.jpeg", "c.gif", "e.Gif", "IMG_2.jpg", "IMG_10.JPG"}));
  EXPECT_EQ(Scan(2), (Names{"a.jpg", "b.jpeg", "IMG_2.jpg", "IMG_10.JPG"}));
  EXPECT_EQ(Scan(3), (Names{"c.gif", "e.Gif"}));
  EXPECT_EQ(Scan(4), (Names{"a.jpg", "b.jpeg", "c.gif", "d.png", "e.Gif", "f.htm", "g.bak", "h",
                            "IMG_2.jpg", "IMG_10.JPG"}));
}

TEST_F(ScanFolderTest, OnlyFilesAndLinksToFilesAreListed) {
  Touch({"real.jpg", ".hidden.jpg"});
  std::filesystem::create_directory(dir_ / "folder.jpg");
  std::filesystem::create_symlink("real.jpg", dir_ / "link.jpg");
  std::filesystem::create_symlink("folder.jpg", dir_ / "dirlink.jpg");
  std::filesystem::create_symlink("missing.jpg", dir_ / "dangling.jpg");
  std::filesystem::create_symlink("loop2.jpg", dir_ / "loop1.jpg");
  std::filesystem::create_symlink("loop1.jpg", dir_ / "loop2.jpg");
  ASSERT_EQ(mkfifo((dir_ / "fifo.jpg").c_str(), 0644), 0);
  const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socket_path = dir_ / "socket.jpg";
  ASSERT_LT(socket_path.size(), sizeof address.sun_path);
  socket_path.copy(address.sun_path, socket_path.size());
  ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  EXPECT_EQ(Scan(4), (Names{"link.jpg", "real.jpg"}));
  close(sock);
}

TEST_F(ScanFolderTest, NothingFoundIsAnEmptyListWithoutError) {
  Touch({"notes.txt"});
  const ScanResult result = ScanFolder(dir_.folder(), 1, reader_);
  EXPECT_TRUE(result.names.empty());
  EXPECT_EQ(result.file_count, 0);
  EXPECT_EQ(result.error, "");
}

TEST_F(ScanFolderTest, AMissingFolderListsNothingAndSaysWhy) {
  const ScanResult result = ScanFolder(dir_ / "gone/", 4, reader_);
  EXPECT_TRUE(result.names.empty());
  EXPECT_EQ(result.file_count, 0);
  EXPECT_NE(result.error, "");
}

TEST_F(ScanFolderTest, AnUnreadableFolderListsNothing) {
  Touch({"a.jpg"});
  chmod((dir_ / "").c_str(), 0);
  const int status = test::RunInChild(
      [&] {
        const ScanResult result = ScanFolder(dir_.folder(), 4, reader_);
        return result.names.empty() && !result.error.empty() ? 0 : 1;
      },
      /*as_nobody=*/true);
  chmod((dir_ / "").c_str(), 0777);
  EXPECT_EQ(status, 0);
}

TEST_F(ScanFolderTest, EmptyFolderTextMeansTheCurrentFolder) {
  Touch({"here.gif"});
  const auto before = std::filesystem::current_path();
  std::filesystem::current_path(dir_.folder());
  const ScanResult result = ScanFolder("", 3, reader_);
  std::filesystem::current_path(before);
  EXPECT_EQ(result.names, Names{"here.gif"});
}

TEST_F(ScanFolderTest, NamesKeepTheirBytes) {
  Touch({"bad\xFF\xFE.jpg", "\xE8\xA1\xA8.jpg", "a b&c#1.jpg"});
  EXPECT_EQ(Scan(1), (Names{"a b&c#1.jpg", "bad\xFF\xFE.jpg", "\xE8\xA1\xA8.jpg"}));
}

}  // namespace
}  // namespace lumenfold
