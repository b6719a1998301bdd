// Folders nobody made for us: whatever they hold, the program ends with a
// page or a clear message, never a crash, a half-written page or a lost one.
#include <fcntl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "../core/page_test_util.h"
#include "lumenfold/folder_scan.h"
#include "lumenfold/generate.h"
#include "lumenfold/natural_order.h"
#include "run_cli.h"

namespace lumenfold {
namespace {

using test::CliRun;
using test::ReadFile;
using test::RunCli;
using test::TempDir;
using test::WriteFile;

class HostileFolderTest : public ::testing::Test {
 protected:
  std::string Folder() const { return dir_ / ""; }
  std::string Page() const { return ReadFile(dir_ / "DSC.htm"); }
  TempDir dir_;
};

TEST_F(HostileFolderTest, NamesWithEveryByteValue) {
  std::vector<std::string> names;
  for (int byte = 1; byte < 256; ++byte) {
    if (byte == '/') continue;
    names.push_back("x" + std::string(1, static_cast<char>(byte)) + ".jpg");
    WriteFile(dir_ / names.back(), "x");
  }
  std::sort(names.begin(), names.end(), NaturalLess);
  std::string listed;
  for (const std::string& name : names) listed += name + "\n";
  EXPECT_EQ(RunCli({"--list", Folder()}).out, listed);

  const CliRun run = RunCli({"-q", "-s", "2", Folder()});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string page = Page();
  for (const std::string& name : names) {
    const std::string escaped = test::NameAsWritten(name);
    EXPECT_NE(page.find("<TD><A HREF=\"" + escaped + "\"><IMG SRC=\"" + escaped + "\" ALT=\"" +
                        escaped + "\" WIDTH=256"),
              std::string::npos)
        << static_cast<int>(static_cast<unsigned char>(name[1]));
  }
  for (const char* raw : {"x<.jpg", "x>.jpg", "x\".jpg"}) {
    EXPECT_EQ(page.find(raw), std::string::npos) << raw;
  }
}

TEST_F(HostileFolderTest, NamesOfTheLongestLength) {
  const std::string picture = std::string(251, 'a') + ".jpg";
  WriteFile(dir_ / picture, "x");
  const std::string page_name = std::string(251, 'b') + ".htm";
  const CliRun run = RunCli({"-q", "-o", dir_ / page_name, Folder()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(ReadFile(dir_ / page_name).find("SRC=\"" + picture + "\""), std::string::npos);
}

TEST_F(HostileFolderTest, FolderPathsNearAndBeyondTheLimit) {
  // Components of 200 bytes up to a path just short of PATH_MAX.
  std::string deep = dir_ / "";
  while (deep.size() + 201 + std::string("/DSC.htm").size() < PATH_MAX - 1) {
    deep += std::string(200, 'd') + "/";
    ASSERT_EQ(mkdir(deep.c_str(), 0777), 0) << deep.size();
  }
  WriteFile(deep + "a.jpg", "x");
  const CliRun near = RunCli({"-q", deep});
  EXPECT_EQ(near.status, 0) << near.err;
  EXPECT_NE(ReadFile(deep + "DSC.htm").find("a.jpg"), std::string::npos);

  // A path that only names the same folder, but is too long to be used.
  std::string beyond = Folder();
  while (beyond.size() <= PATH_MAX) beyond += "./";
  const CliRun too_long = RunCli({"-y", beyond});
  EXPECT_EQ(too_long.status, 1);
  EXPECT_NE(too_long.err.find("File name too long"), std::string::npos) << too_long.err;
  const CliRun long_page = RunCli({"-y", "-o", beyond + "x.htm", deep});
  EXPECT_EQ(long_page.status, 1);
  EXPECT_NE(long_page.err.find("cannot write"), std::string::npos) << long_page.err;
}

TEST_F(HostileFolderTest, AHundredThousandEntries) {
  for (int i = 0; i < 100000; ++i) {
    const int fd = open((dir_ / ("IMG_" + std::to_string(i) + ".jpg")).c_str(),
                        O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(fd, 0) << i;
    close(fd);
  }
  const CliRun list = RunCli({"--list", Folder()});
  EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 100000);
  EXPECT_EQ(list.out.substr(0, 20), "IMG_0.jpg\nIMG_1.jpg\n");
  const CliRun run = RunCli({"-q", "-s", "3", Folder()});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string page = Page();
  EXPECT_NE(page.find("HREF=\"IMG_99999.jpg\""), std::string::npos);
  EXPECT_EQ(page.substr(page.size() - 18), "</BODY>\r\n</HTML>\r\n");
}

TEST_F(HostileFolderTest, AnUnreadableFolderSaysWhyAndWritesNothing) {
  WriteFile(dir_ / "a.jpg", "x");
  chmod(Folder().c_str(), 0333);
  test::CliSetup setup;
  setup.as_nobody = true;
  const CliRun run = RunCli({"-o", "/tmp/lumenfold-never.htm", Folder()}, setup);
  chmod(Folder().c_str(), 0777);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("cannot read"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists("/tmp/lumenfold-never.htm"));
}

TEST_F(HostileFolderTest, FolderRemovedBetweenScanAndGenerate) {
  const std::string folder = dir_ / "pictures/";
  std::filesystem::create_directory(folder);
  WriteFile(folder + "a.jpg", "x");
  HostFolderReader reader;
  const ScanResult scan = ScanFolder(folder, 1, reader);
  ASSERT_EQ(scan.file_count, 1);
  std::filesystem::remove_all(folder);

  PageRequest request;
  request.Names = scan.names;
  request.FileCount = scan.file_count;
  request.OutputName = "DSC.htm";
  struct Ui final : GenerateUi {
    bool ConfirmOverwrite(const std::string&) override { return true; }
    void Report(const GenerateResult& result) override { outcome = result.outcome; }
    GenerateOutcome outcome = GenerateOutcome::kDone;
  } ui;
  EXPECT_EQ(GeneratePage(folder + "DSC.htm", request, ui, FixedDate("d")).outcome,
            GenerateOutcome::kOpenError);
  EXPECT_EQ(ui.outcome, GenerateOutcome::kOpenError);
  EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST_F(HostileFolderTest, ThePageFileIsTheOnlyEntry) {
  WriteFile(dir_ / "DSC.htm", "old");
  EXPECT_EQ(RunCli({"-y", Folder()}).status, 1);  // No picture: nothing to process.
  EXPECT_EQ(Page(), "old");
  const CliRun run = RunCli({"-y", "-q", "-f", "all", Folder()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(Page().find("<TABLE WIDTH=600>\r\n<TR>\r\n</TR>\r\n<TR>\r\n</TR>\r\n</TABLE>\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace lumenfold
