#include <gtest/gtest.h>

#include "../core/page_test_util.h"
#include "run_cli.h"

namespace lumenfold {
namespace {

using test::CliRun;
using test::ReadFile;
using test::RunCli;
using test::TempDir;
using test::WriteFile;

test::CliSetup RunningIn(const std::string& cwd) {
  test::CliSetup setup;
  setup.cwd = cwd;
  return setup;
}
test::CliSetup WithFileSizeLimit(long bytes) {
  test::CliSetup setup;
  setup.file_size_limit = bytes;
  return setup;
}
test::CliSetup WithEnvironment(const std::string& variable) {
  test::CliSetup setup;
  setup.environment.push_back(variable);
  return setup;
}

class CliTest : public ::testing::Test {
 protected:
  void Touch(std::initializer_list<std::string> names) {
    for (const std::string& name : names) WriteFile(dir_ / name, "x");
  }
  std::string Folder() const { return dir_ / ""; }
  TempDir dir_;
};

TEST_F(CliTest, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"--colour", "purple", "x"},
      {"--size", "5", "x"},
      {"--filter", "png", "x"},
      {"--no-such-option", "x"},
      {"a", "b"},
  };
  for (const auto& args : cases) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2) << (args.empty() ? "(none)" : args[0]);
    EXPECT_NE(run.err, "");
  }
}

TEST_F(CliTest, HelpAndVersion) {
  EXPECT_EQ(RunCli({"--version"}).out, "lumenfold-cli " LUMENFOLD_VERSION "\n");
  const CliRun help = RunCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--stamp-date"), std::string::npos);
}

TEST_F(CliTest, ListPrintsNamesByteForByteInListOrder) {
  Touch({"IMG_10.jpg", "IMG_2.JPG", "bad\xFF.gif", "d.png", ".hidden.jpg"});
  const CliRun run = RunCli({"--list", "--quiet", Folder()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "bad\xFF.gif\nIMG_2.JPG\nIMG_10.jpg\n");
  EXPECT_EQ(RunCli({"--list", "-f", "all", Folder()}).out,
            "bad\xFF.gif\nd.png\nIMG_2.JPG\nIMG_10.jpg\n");
  EXPECT_EQ(RunCli({"--list", "-f", "3", Folder()}).out, "bad\xFF.gif\n");
  std::filesystem::remove(dir_ / "bad\xFF.gif");
  const CliRun empty = RunCli({"--list", "--filter", "gif", Folder()});
  EXPECT_EQ(empty.status, 0);
  EXPECT_EQ(empty.out, "");
  EXPECT_EQ(RunCli({"--list", dir_ / "missing"}).status, 1);
}

TEST_F(CliTest, PageEqualsTheCorePageForTheSameChoices) {
  Touch(
      {"a.jpg", "b c.gif", "\xE8\xA1\xA8.JPG", "p.htm", "z.zip", "z.bak", "DSC.htm", "n\xFF.gif"});
  const std::string title = " Trip \xFF<B>\"x\"</B> ";
  const CliRun run = RunCli({"-f", "all", "-t", title, "--upper-comment=Day one", "-l", "by me",
                             "-w", "C:\\back 1.gif", "-c", "cyan", "-s", "full", "--always-rule",
                             "--spacious", "--hide-names", "--stamp-date", "-y", Folder()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "lumenfold-cli: wrote " + Folder() + "DSC.htm\n");

  PageRequest request = test::RequestWith(
      {"a.jpg", "b c.gif", "DSC.htm", "n\xFF.gif", "p.htm", "z.bak", "z.zip", "\xE8\xA1\xA8.JPG"});
  request.Title = title;
  request.UpperComment = "Day one";
  request.LowerComment = "by me";
  request.Wallpaper = "C:\\back 1.gif";
  request.ColourIndex = 1;
  request.SizeIndex = 0;
  request.AlwaysRule = request.Spacious = request.HideNames = request.StampDate = true;
  EXPECT_EQ(ReadFile(dir_ / "DSC.htm"), test::RenderPage(request, "12/11/26"));
}

TEST_F(CliTest, OutputNameAndExtension) {
  Touch({"a.jpg"});
  const struct {
    std::vector<std::string> args;
    std::string written;  // Relative to the folder.
  } cases[] = {
      {{"-q", Folder()}, "DSC.htm"},
      {{"-q", "--html", Folder()}, "DSC.html"},
      {{"-q", "-o", "my.album", "."}, "my.htm"},
      {{"-q", "-o", "index.htm", "--html", "."}, "index.html"},
      {{"-q", "--output=sub.d/page", "."}, "sub.d/page.htm"},
  };
  std::filesystem::create_directory(dir_ / "sub.d");
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args, RunningIn(Folder()));
    EXPECT_EQ(run.status, 0) << c.written << run.err;
    EXPECT_EQ(run.err, "") << c.written;
    EXPECT_TRUE(std::filesystem::exists(dir_ / c.written)) << c.written;
  }
  // The page in the folder leaves itself out of the page.
  EXPECT_EQ(ReadFile(dir_ / "my.htm").find("DSC.htm"), std::string::npos);
}

TEST_F(CliTest, FailuresExitWithOneAndKeepTheOldPage) {
  EXPECT_EQ(RunCli({Folder()}).status, 1);  // Nothing to process.
  EXPECT_FALSE(std::filesystem::exists(dir_ / "DSC.htm"));

  Touch({"a.jpg"});
  WriteFile(dir_ / "DSC.htm", "old");
  const CliRun refused = RunCli({Folder()});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("--yes"), std::string::npos);
  EXPECT_EQ(ReadFile(dir_ / "DSC.htm"), "old");

  for (int i = 0; i < 3000; ++i) Touch({"n" + std::to_string(i) + ".jpg"});
  const CliRun full = RunCli({"-y", Folder()}, WithFileSizeLimit(50000));
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("failed"), std::string::npos) << full.err;
  EXPECT_EQ(ReadFile(dir_ / "DSC.htm"), "old");

  const CliRun gone = RunCli({"-o", dir_ / "gone/x.htm", Folder()});
  EXPECT_EQ(gone.status, 1);
  EXPECT_NE(gone.err.find("cannot write"), std::string::npos) << gone.err;
}

TEST_F(CliTest, OverwriteQuestionOnATerminal) {
  Touch({"a.jpg"});
  for (const auto& [answer, replaced] : {std::pair{"y", true}, {"n", false}, {"", false}}) {
    WriteFile(dir_ / "DSC.htm", "old");
    const CliRun run = test::RunCliOnTerminal({Folder()}, answer);
    EXPECT_NE(run.out.find("DSC.htm exists. Overwrite it? [y/N]"), std::string::npos) << run.out;
    EXPECT_EQ(run.status, replaced ? 0 : 1) << answer;
    EXPECT_EQ(ReadFile(dir_ / "DSC.htm") != "old", replaced) << answer;
  }
}

TEST_F(CliTest, WarnsOncePerNameWhoseLinkWillMiss) {
  Touch({"a#1.jpg", "b?.jpg", "c%41.jpg", "d%zz.jpg", "e.jpg", "f#.bak"});
  const CliRun run = RunCli({"-f", "all", Folder()});
  EXPECT_EQ(run.status, 0);
  for (const char* expected : {"\"a#1.jpg\" will miss the file: browsers read \"#\"",
                               "\"b?.jpg\" will miss the file: browsers read \"?\"",
                               "\"c%41.jpg\" will miss the file: browsers read \"%41\""}) {
    EXPECT_NE(run.err.find(expected), std::string::npos) << expected << "\n" << run.err;
  }
  for (const char* absent : {"d%zz", "e.jpg", "f#.bak"}) {
    EXPECT_EQ(run.err.find(absent), std::string::npos) << absent;
  }
  EXPECT_NE(ReadFile(dir_ / "DSC.htm").find("HREF=\"a#1.jpg\""), std::string::npos);
  EXPECT_EQ(RunCli({"-q", "-y", "-f", "all", Folder()}).err, "");
}

TEST_F(CliTest, DateFollowsTheLocaleAndSourceDateEpoch) {
  Touch({"a.jpg"});
  ASSERT_EQ(RunCli({"-q", "--stamp-date", Folder()}).status, 0);
  EXPECT_NE(ReadFile(dir_ / "DSC.htm").find("<DIV ALIGN=RIGHT>12/11/26</DIV>"), std::string::npos);
  ASSERT_EQ(RunCli({"-q", "-y", "--stamp-date", Folder()},
                   WithEnvironment("SOURCE_DATE_EPOCH=1110326400"))
                .status,
            0);
  EXPECT_NE(ReadFile(dir_ / "DSC.htm").find("<DIV ALIGN=RIGHT>3/9/05</DIV>"), std::string::npos);
}

}  // namespace
}  // namespace lumenfold
