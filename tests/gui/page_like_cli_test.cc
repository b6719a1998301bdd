// The window writes, byte for byte, the page that lumenfold-cli writes for
// the same folder and the same choices.
#include <QProcess>
#include <QTest>
#include <filesystem>

#include "window_fixture.h"

namespace lumenfold {

// One set of choices, as the window takes them and as the CLI does.
struct Choices {
  int scan_filter = 1;
  QString title, upper, lower;
  bool pick_wallpaper = false;
  int colour = 3;
  int size = 3;
  bool options = false;  // all four check boxes
  int save_filter = 1;
  QString chosen = QStringLiteral("DSC");  // typed into the save dialog
};

}  // namespace lumenfold

Q_DECLARE_METATYPE(lumenfold::Choices)

namespace lumenfold {

class PageLikeCliTest : public QObject, private testing::WindowFixture {
  Q_OBJECT

 private:
  std::string wallpaper_;

  void ChooseInWindow(const Choices& c) {
    Scan(dir_->folder(), c.scan_filter);
    form_->Edit1->SetText(c.title);
    form_->Edit2->SetText(c.upper);
    form_->Edit3->SetText(c.lower);
    if (c.pick_wallpaper) {
      testing::Pick(wallpaper_, 4);
      form_->BitBtn3->click();
    }
    form_->RadioGroup1->SetItemIndex(c.colour);
    form_->RadioGroup2->SetItemIndex(c.size);
    for (vcl::TCheckBox* box : {form_->CheckBox1, form_->CheckBox2, form_->CheckBox3, form_->CheckBox4}) {
      box->SetChecked(c.options);
    }
  }

  QStringList CliArguments(const Choices& c) const {
    static const char* const kSizes[] = {"full", "2", "3", "4"};
    QStringList args{"-y", "-q", "-f", QString::number(c.scan_filter), "-t", c.title,
                     "-u", c.upper, "-l", c.lower, "-c", QString::number(c.colour),
                     "-s", QString::fromLatin1(kSizes[c.size]),
                     "-o", QFile::decodeName((*dir_ / c.chosen.toStdString()).c_str())};
    if (c.pick_wallpaper) args << "-w" << QFile::decodeName(wallpaper_.c_str());
    if (c.save_filter == 2) args << "--html";
    if (c.options) args << "--always-rule" << "--spacious" << "--hide-names" << "--stamp-date";
    return args << QFile::decodeName(dir_->folder().c_str());
  }

  static void RunCli(const QStringList& args) {
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(LUMENFOLD_CLI_PATH), args);
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
  }

 private slots:
  void initTestCase() {
    // Both write the same date, whatever the day the test runs.
    qputenv("SOURCE_DATE_EPOCH", "1796947200");
  }
  void init() {
    SetUpWindow();
    wallpaper_ = *dir_ / "壁紙 1.gif";
  }
  void cleanup() { TearDownWindow(); }

  void sameBytes_data() {
    QTest::addColumn<Choices>("choices");
    QTest::addColumn<bool>("page_only");
    QTest::newRow("as the window starts") << Choices{} << false;
    Choices all;
    all.scan_filter = 4;
    all.title = QStringLiteral(" 旅行 <B>\"x\"</B> ");
    all.upper = QStringLiteral("一日目");
    all.lower = QStringLiteral(" ");
    all.pick_wallpaper = true;
    all.colour = 1;
    all.size = 0;
    all.options = true;
    all.save_filter = 2;
    all.chosen = QStringLiteral("album.htm");
    QTest::newRow("every choice, all files, .html") << all << false;
    Choices grid = all;
    grid.size = 2;
    grid.colour = 7;
    grid.scan_filter = 2;
    grid.save_filter = 3;
    QTest::newRow("three a row, jpeg only") << grid << false;
    Choices page_only;
    page_only.scan_filter = 4;
    QTest::newRow("the page is the folder's only entry") << page_only << true;
  }
  void sameBytes() {
    QFETCH(Choices, choices);
    QFETCH(bool, page_only);
    if (page_only) {
      test::WriteFile(*dir_ / "DSC.htm", "old");
    } else {
      testing::Touch(*dir_, {"a.jpg", "IMG_10.JPG", "IMG_2.jpeg", "b c.gif", "n\xFF.gif",
                             "\xE8\xA1\xA8.jpg", "p.htm", "z.zip", "z.bak", "DSC.htm"});
    }
    ChooseInWindow(choices);
    testing::Dialogs().box_answers.push_back(vcl::TModalResult::Yes);
    Generate(choices);
    const std::string page = *dir_ / form_->Edit5->Text().toStdString();
    QCOMPARE(testing::Shown().back(), QStringLiteral("変換終了"));
    const std::string by_window = test::ReadFile(page);
    if (!page_only) std::filesystem::remove(page);  // as the window's scan found the folder
    RunCli(CliArguments(choices));
    const std::string by_cli = test::ReadFile(page);
    if (!page_only && choices.scan_filter != 2) {
      QVERIFY(by_window.find("\"n\xFF.gif\"") != std::string::npos);  // bytes unchanged
    }
    QCOMPARE(by_window, by_cli);
  }

 private:
  void Generate(const Choices& c) {
    testing::Pick(*dir_ / c.chosen.toStdString(), c.save_filter);
    form_->BitBtn4->click();
  }
};

}  // namespace lumenfold

LUMENFOLD_GUI_TEST_MAIN(lumenfold::PageLikeCliTest)
#include "page_like_cli_test.moc"
