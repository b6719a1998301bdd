// The generate command in the window: naming, the question, the reports
// and the failures, on real folders.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QTest>
#include <algorithm>
#include <filesystem>

#include "lumenfold/generate.h"
#include "window_fixture.h"

namespace lumenfold {
namespace {

const QString kDone = QStringLiteral("変換終了");
const QString kOpenError = QStringLiteral("書込ﾌｧｲﾙ open error");

// While it lives, no file of this process may grow past `bytes`, and going
// past it is a failed write rather than a fatal signal.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    old_handler_ = signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, old_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  sighandler_t old_handler_;
};

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

class GenerateWindowTest : public QObject, private testing::WindowFixture {
  Q_OBJECT

 private:
  void Generate(const std::string& chosen, int filter_index) {
    testing::Pick(chosen, filter_index);
    form_->BitBtn4->click();
  }
  bool IsPage(const std::string& path) const {
    return test::ReadFile(path).starts_with("<HTML>\r\n");
  }

 private slots:
  void init() { SetUpWindow(); }
  void cleanup() { TearDownWindow(); }

  void nameByTheSaveFilter_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::newRow("index.htm under 2") << "index.htm" << 2 << "index.html";
    QTest::newRow("index.html under 1") << "index.html" << 1 << "index.htm";
    QTest::newRow("notes.txt under 4") << "notes.txt" << 4 << "notes.htm";
    QTest::newRow("album under 1") << "album" << 1 << "album.htm";
    QTest::newRow("album under 2") << "album" << 2 << "album.html";
    QTest::newRow("my.album under 3") << "my.album" << 3 << "my.htm";
    QTest::newRow("dot in a folder") << "a.b/page" << 1 << "a.b/page.htm";
    QTest::newRow("non-ASCII") << "写真.txt" << 1 << "写真.htm";
  }
  void nameByTheSaveFilter() {
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, written);
    testing::Touch(*dir_, {"a.jpg"});
    std::filesystem::create_directory(*dir_ / "a.b");
    Scan(dir_->folder(), 1);
    Generate(*dir_ / typed.toStdString(), filter);
    const vcl::FileDialogRequest& asked = testing::Dialogs().file_dialogs.back();
    QCOMPARE(asked.kind, vcl::TFileDialogKind::Save);
    QCOMPARE(asked.file_name, QStringLiteral("DSC.htm"));
    QCOMPARE(asked.filter_index, 1);
    QVERIFY(IsPage(*dir_ / written.toStdString()));
    QCOMPARE(form_->Edit5->Text(), written.section(QLatin1Char('/'), -1));
    QCOMPARE(testing::Shown(), QStringList{kDone});
    QCOMPARE(testing::Dialogs().boxes.back().caption, QStringLiteral("Lumenfold"));
    QCOMPARE(testing::Dialogs().boxes.back().icon, vcl::TMsgIcon::None);
    // The next run proposes the name shown, under the filter last chosen.
    testing::Cancel();
    form_->BitBtn4->click();
    QCOMPARE(testing::Dialogs().file_dialogs.back().file_name, form_->Edit5->Text());
    QCOMPARE(testing::Dialogs().file_dialogs.back().filter_index, filter);
  }

  void cancelChangesNothing() {
    testing::Touch(*dir_, {"a.jpg"});
    Scan(dir_->folder(), 1);
    form_->Edit5->SetText(QStringLiteral("mine.htm"));
    const auto before = Entries(dir_->folder());
    testing::Cancel();
    form_->BitBtn4->click();
    QCOMPARE(form_->Edit5->Text(), QStringLiteral("mine.htm"));
    QCOMPARE(testing::Dialogs().file_dialogs.back().file_name, QStringLiteral("mine.htm"));
    QCOMPARE(form_->SaveDialog1->FilterIndex, 1);
    QVERIFY(testing::Shown().isEmpty());
    QCOMPARE(Entries(dir_->folder()), before);
  }

  void nothingToProcessTouchesNoFile() {
    testing::Touch(*dir_, {"d.png"});
    Scan(dir_->folder(), 1);
    test::WriteFile(*dir_ / "x.htm", "old");
    Generate(*dir_ / "x", 1);
    QCOMPARE(form_->Edit5->Text(), QStringLiteral("x.htm"));
    QCOMPARE(testing::Shown(), QStringList{QStringLiteral("処理するﾌｧｲﾙがありません")});
    QCOMPARE(test::ReadFile(*dir_ / "x.htm"), std::string("old"));  // not even asked about
    QCOMPARE(Entries(dir_->folder()), (std::vector<std::string>{"d.png", "x.htm"}));
  }

  void overwriteAsksFirst_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes replaces") << true;
    QTest::newRow("No keeps") << false;
  }
  void overwriteAsksFirst() {
    QFETCH(bool, yes);
    testing::Touch(*dir_, {"a.jpg"});
    const std::string page = *dir_ / "DSC.htm";
    test::WriteFile(page, "old");
    Scan(dir_->folder(), 1);
    testing::Dialogs().box_answers.push_back(yes ? vcl::TModalResult::Yes : vcl::TModalResult::No);
    Generate(*dir_ / "DSC.html", 3);
    const vcl::MessageBoxRequest question = testing::Dialogs().boxes.front();
    QCOMPARE(question.caption, QStringLiteral("上書き確認"));
    QCOMPARE(question.text, QString::fromStdString(page) +
                                QStringLiteral("\nこのﾌｧｲﾙはすでに存在します。\n\n上書きしますか？"));
    QCOMPARE(question.buttons, vcl::TMsgButtons::YesNo);
    QCOMPARE(question.icon, vcl::TMsgIcon::Exclamation);
    QCOMPARE(question.default_button, vcl::TModalResult::No);
    QCOMPARE(testing::Shown().size(), yes ? 2 : 1);
    if (yes) QCOMPARE(testing::Shown().back(), kDone);
    QCOMPARE(IsPage(page), yes);
    QCOMPARE(form_->Edit5->Text(), QStringLiteral("DSC.htm"));
    QCOMPARE(Entries(dir_->folder()), (std::vector<std::string>{"DSC.htm", "a.jpg"}));
  }

  void openErrorKeepsWhatWasThere_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder removed after the scan") << "removed";
    QTest::newRow("page name is a folder") << "folder";
    QTest::newRow("read-only folder") << "read-only folder";
    QTest::newRow("read-only page") << "read-only page";
  }
  void openErrorKeepsWhatWasThere() {
    QFETCH(QString, kind);
    const std::string folder = *dir_ / "pictures";
    std::filesystem::create_directory(folder);
    chmod(folder.c_str(), 0777);  // so that only what the row does keeps the page out
    testing::Touch(*dir_, {"pictures/a.jpg"});
    const std::string page = folder + "/DSC.htm";
    if (kind == QLatin1String("folder")) std::filesystem::create_directory(page);
    if (kind == QLatin1String("read-only page")) {
      test::WriteFile(page, "old");
      chmod(page.c_str(), 0444);
    }
    Scan(folder + "/", 1);
    if (kind == QLatin1String("removed")) std::filesystem::remove_all(folder);
    if (kind == QLatin1String("read-only folder")) chmod(folder.c_str(), 0555);
    testing::Dialogs().box_answers.push_back(vcl::TModalResult::Yes);
    {
      testing::AsNobody nobody;
      Generate(folder + "/DSC", 1);
    }
    QCOMPARE(testing::Shown().back(), kOpenError);
    QCOMPARE(testing::Shown().size(), kind == QLatin1String("read-only page") ? 2 : 1);
    QCOMPARE(form_->Edit5->Text(), QStringLiteral("DSC.htm"));
    if (kind == QLatin1String("read-only page")) QCOMPARE(test::ReadFile(page), std::string("old"));
    if (kind == QLatin1String("read-only folder")) {
      QCOMPARE(Entries(folder), std::vector<std::string>{"a.jpg"});
    }
  }

  // A write that fails half-way is reported as such, never as done, and
  // the page that was there stays whole.
  void writeErrorIsNeverDone() {
    for (int i = 0; i < 200; ++i) testing::Touch(*dir_, {"picture_" + std::to_string(i) + ".jpg"});
    const std::string page = *dir_ / "DSC.htm";
    test::WriteFile(page, "old");
    Scan(dir_->folder(), 1);
    const auto before = Entries(dir_->folder());
    testing::Dialogs().box_answers.push_back(vcl::TModalResult::Yes);
    {
      FileSizeLimit limit(4096);
      Generate(page, 1);
    }
    QCOMPARE(testing::Shown().size(), 2);
    QCOMPARE(testing::Shown().back(), QStringLiteral("書込ﾌｧｲﾙ write error"));
    QCOMPARE(test::ReadFile(page), std::string("old"));
    QCOMPARE(Entries(dir_->folder()), before);  // nothing half-written is left
  }
};

}  // namespace lumenfold

LUMENFOLD_GUI_TEST_MAIN(lumenfold::GenerateWindowTest)
#include "generate_window_test.moc"
