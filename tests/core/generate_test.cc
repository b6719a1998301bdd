#include "lumenfold/generate.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "page_test_util.h"
#include "temp_dir.h"

namespace lumenfold {
namespace {

using test::ModeOf;
using test::ReadFile;
using test::RunInChild;
using test::TempDir;
using test::WriteFile;

TEST(OutputPathFor, ForcesTheFiltersExtension) {
  const struct {
    const char* chosen;
    int filter;
    const char* path;
  } cases[] = {
      {"/p/index.htm", 2, "/p/index.html"},
      {"/p/index.html", 1, "/p/index.htm"},
      {"/p/notes.txt", 4, "/p/notes.htm"},
      {"/p/index.html", 3, "/p/index.htm"},
      {"/p/album", 1, "/p/album.htm"},
      {"/p/album", 2, "/p/album.html"},
      {"/p/my.album", 1, "/p/my.htm"},
      {"/p/a.b/page", 1, "/p/a.b/page.htm"},
      {"album", 1, "album.htm"},
      {"/p/\xE8\xA1\xA8.x", 1, "/p/\xE8\xA1\xA8.htm"},
  };
  for (const auto& c : cases) EXPECT_EQ(OutputPathFor(c.chosen, c.filter), c.path) << c.chosen;
}

TEST(GenerateTexts, MessagesAndQuestion) {
  EXPECT_EQ(MessageText(GenerateOutcome::kNothingToProcess), "処理するﾌｧｲﾙがありません");
  EXPECT_EQ(MessageText(GenerateOutcome::kOpenError), "書込ﾌｧｲﾙ open error");
  EXPECT_EQ(MessageText(GenerateOutcome::kWriteError), "書込ﾌｧｲﾙ write error");
  EXPECT_EQ(MessageText(GenerateOutcome::kDone), "変換終了");
  EXPECT_EQ(MessageText(GenerateOutcome::kDeclined), "");
  EXPECT_EQ(kOverwriteCaption, "上書き確認");
  EXPECT_EQ(OverwriteQuestion("/p/DSC.htm"),
            "/p/DSC.htm\nこのﾌｧｲﾙはすでに存在します。\n\n上書きしますか？");
  const std::string long_path = "/" + std::string(400, 'x') + ".htm";
  EXPECT_EQ(OverwriteQuestion(long_path).substr(0, long_path.size() + 1), long_path + "\n");
}

class ScriptedUi final : public GenerateUi {
 public:
  explicit ScriptedUi(bool answer) : answer_(answer) {}
  bool ConfirmOverwrite(const std::string& path) override {
    asked.push_back(path);
    return answer_;
  }
  void Report(const GenerateResult& result) override { reports.push_back(result.outcome); }
  std::vector<std::string> asked;
  std::vector<GenerateOutcome> reports;

 private:
  bool answer_;
};

class GeneratePageTest : public ::testing::Test {
 protected:
  GeneratePageTest() {
    request_ = test::RequestWith({"a.jpg", "b.gif", "DSC.htm"});
    path_ = dir_ / "DSC.htm";
  }
  GenerateOutcome Generate(ScriptedUi& ui) {
    return GeneratePage(path_, request_, ui, date_).outcome;
  }
  std::string ExpectedPage() const { return test::RenderPage(request_, "1/5/27"); }
  // Every entry of the folder: no temporary file may stay behind.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.folder())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  TempDir dir_;
  PageRequest request_;
  std::string path_;
  FixedDate date_{"1/5/27"};
};

TEST_F(GeneratePageTest, NewPageIsWrittenWholeWithTheUsualMode) {
  for (const mode_t mask : {mode_t{022}, mode_t{027}}) {
    std::filesystem::remove(path_);
    const mode_t old_mask = umask(mask);
    ScriptedUi ui(true);
    EXPECT_EQ(Generate(ui), GenerateOutcome::kDone);
    umask(old_mask);
    EXPECT_TRUE(ui.asked.empty());
    EXPECT_EQ(ui.reports, std::vector{GenerateOutcome::kDone});
    EXPECT_EQ(ReadFile(path_), ExpectedPage());
    EXPECT_EQ(ModeOf(path_), 0666 & ~mask);
    EXPECT_EQ(Entries(), std::vector<std::string>{"DSC.htm"});
  }
}

TEST_F(GeneratePageTest, NothingToProcessTouchesNoFile) {
  request_.FileCount = 0;
  ScriptedUi ui(true);
  EXPECT_EQ(Generate(ui), GenerateOutcome::kNothingToProcess);
  EXPECT_EQ(ui.reports, std::vector{GenerateOutcome::kNothingToProcess});
  EXPECT_TRUE(Entries().empty());
  WriteFile(path_, "old");
  EXPECT_EQ(Generate(ui), GenerateOutcome::kNothingToProcess);
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_EQ(ReadFile(path_), "old");
}

TEST_F(GeneratePageTest, ExistingPageIsAskedAboutAndKeptOnNo) {
  WriteFile(path_, "old");
  ScriptedUi ui(false);
  EXPECT_EQ(Generate(ui), GenerateOutcome::kDeclined);
  EXPECT_EQ(ui.asked, std::vector{path_});
  EXPECT_TRUE(ui.reports.empty());
  EXPECT_EQ(ReadFile(path_), "old");
}

TEST_F(GeneratePageTest, ExistingPageIsReplacedOnYesAndKeepsItsMode) {
  WriteFile(path_, std::string(100000, 'o'));
  chmod(path_.c_str(), 0604);
  ScriptedUi ui(true);
  EXPECT_EQ(Generate(ui), GenerateOutcome::kDone);
  EXPECT_EQ(ReadFile(path_), ExpectedPage());
  EXPECT_EQ(ModeOf(path_), 0604u);
  EXPECT_EQ(Entries(), std::vector<std::string>{"DSC.htm"});
}

TEST_F(GeneratePageTest, AnUnreadablePageIsStillConfirmedFirst) {
  WriteFile(path_, "old");
  chmod(path_.c_str(), 0200);
  const int status = RunInChild(
      [&] {
        ScriptedUi ui(false);
        return Generate(ui) == GenerateOutcome::kDeclined && ui.asked.size() == 1 ? 0 : 1;
      },
      /*as_nobody=*/false);
  EXPECT_EQ(status, 0);
  chmod(path_.c_str(), 0600);
  EXPECT_EQ(ReadFile(path_), "old");
}

TEST_F(GeneratePageTest, LinkToAPageIsFollowedNotReplaced) {
  WriteFile(dir_ / "real.htm", "old");
  std::filesystem::create_symlink("real.htm", path_);
  ScriptedUi ui(true);
  EXPECT_EQ(Generate(ui), GenerateOutcome::kDone);
  EXPECT_TRUE(std::filesystem::is_symlink(path_));
  EXPECT_EQ(ReadFile(dir_ / "real.htm"), ExpectedPage());
}

TEST_F(GeneratePageTest, OpenErrors) {
  ScriptedUi ui(true);
  path_ = dir_ / "gone/DSC.htm";
  EXPECT_EQ(Generate(ui), GenerateOutcome::kOpenError);
  std::filesystem::create_directory(dir_ / "folder.htm");
  path_ = dir_ / "folder.htm";
  EXPECT_EQ(Generate(ui), GenerateOutcome::kOpenError);
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_TRUE(std::filesystem::is_directory(path_));

  // Something that is no regular file is confirmed, then never swapped.
  ASSERT_EQ(mkfifo((dir_ / "fifo").c_str(), 0666), 0);
  std::filesystem::create_symlink("fifo", dir_ / "pipe.htm");
  path_ = dir_ / "pipe.htm";
  EXPECT_EQ(Generate(ui), GenerateOutcome::kOpenError);
  EXPECT_TRUE(std::filesystem::is_fifo(dir_ / "fifo"));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"fifo", "folder.htm", "pipe.htm"}));
}

// Permissions bind only an unprivileged user, so these run as one.
TEST_F(GeneratePageTest, ReadOnlyPageOrFolderIsAnOpenErrorAndStaysAsItWas) {
  path_ = dir_ / "ro.htm";
  WriteFile(path_, "old");
  chmod(path_.c_str(), 0444);
  EXPECT_EQ(RunInChild(
                [&] {
                  ScriptedUi ui(true);
                  return Generate(ui) == GenerateOutcome::kOpenError && ui.asked.size() == 1 ? 0
                                                                                             : 1;
                },
                /*as_nobody=*/true),
            0);
  EXPECT_EQ(ReadFile(path_), "old");
  EXPECT_EQ(ModeOf(path_), 0444u);

  path_ = dir_ / "new.htm";
  chmod(dir_.folder().c_str(), 0555);
  EXPECT_EQ(RunInChild(
                [&] {
                  ScriptedUi ui(true);
                  return Generate(ui) == GenerateOutcome::kOpenError ? 0 : 1;
                },
                /*as_nobody=*/true),
            0);
  chmod(dir_.folder().c_str(), 0777);
  EXPECT_FALSE(std::filesystem::exists(path_));
}

// A file-size limit makes the disk "full" halfway through the page.
TEST_F(GeneratePageTest, AWriteFailureIsReportedAndKeepsTheOldPage) {
  for (int i = 0; i < 5000; ++i) request_.Names.push_back("n" + std::to_string(i) + ".jpg");
  request_.FileCount = static_cast<std::int32_t>(request_.Names.size());
  WriteFile(path_, "old page");
  const int status = RunInChild([&] {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100000, 100000};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 98;
    ScriptedUi ui(true);
    const GenerateResult result = GeneratePage(path_, request_, ui, date_);
    const bool reported = ui.reports == std::vector{GenerateOutcome::kWriteError};
    return result.outcome == GenerateOutcome::kWriteError && reported && !result.reason.empty() ? 0
                                                                                                : 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile(path_), "old page");
  EXPECT_EQ(Entries(), std::vector<std::string>{"DSC.htm"});
}

}  // namespace
}  // namespace lumenfold
