// The folder scan and the wallpaper choice in the window, on real folders.
#include <sys/stat.h>

#include <QTest>
#include <filesystem>

#include "window_fixture.h"

namespace lumenfold {

using Names = std::vector<std::string>;

class FolderScanWindowTest : public QObject, private testing::WindowFixture {
  Q_OBJECT

 private:
  // The state a scan leaves, as one comparable text.
  QString ScanState() const {
    return QStringList{form_->Label5->Caption(), form_->Label7->Caption(), form_->Label9->Caption(),
                       QString::number(form_->FileCountValue()),
                       QString::number(form_->ScanFilterValue()), form_->Edit4->Text(),
                       QString::number(form_->ListBox1->ItemCount())}
        .join(QLatin1Char('|'));
  }
  void VerifyReady() {
    QVERIFY(form_->BitBtn4->Enabled());
    QVERIFY(form_->BitBtn4->TabStop());
    QVERIFY(form_->Label6->Enabled());
    QVERIFY(form_->Label8->Enabled());
  }

 private slots:
  void init() { SetUpWindow(); }
  void cleanup() { TearDownWindow(); }

  void scanUnderEachFilter_data() {
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("label");
    QTest::addColumn<Names>("listed");
    QTest::newRow("1") << 1 << "*.jpg *.jpeg *.gif" << Names{"a.jpg", "b.jpeg", "c.gif"};
    QTest::newRow("2") << 2 << "*.jpg *.jpeg" << Names{"a.jpg", "b.jpeg"};
    QTest::newRow("3") << 3 << "*.gif" << Names{"c.gif"};
    QTest::newRow("4") << 4 << "*.*" << Names{"a.jpg", "b.jpeg", "c.gif", "d.png"};
  }
  void scanUnderEachFilter() {
    QFETCH(int, filter);
    QFETCH(QString, label);
    QFETCH(Names, listed);
    testing::Touch(*dir_, {"d.png", "c.gif", "b.jpeg", "a.jpg", ".hidden.jpg", ".g.gif"});
    std::filesystem::create_directory(*dir_ / "sub.jpg");  // a folder that matches
    std::filesystem::create_directory(*dir_ / "sub.gif");
    Scan(dir_->folder(), filter);
    QCOMPARE(Listed(), listed);
    QCOMPARE(form_->ListBox1->ItemAt(0), QString::fromStdString(listed.front()));
    QCOMPARE(form_->FileCountValue(), static_cast<int>(listed.size()));
    QCOMPARE(form_->ScanFilterValue(), filter);
    QCOMPARE(form_->Label5->Caption(), QFile::decodeName(dir_->folder().c_str()));
    QCOMPARE(form_->Label7->Caption(), label);
    QCOMPARE(form_->Label9->Caption(), QString::number(listed.size()) + QStringLiteral(" 個 "));
    VerifyReady();
    QVERIFY(testing::Shown().isEmpty());
  }

  void listKeepsNaturalOrderAndBytes() {
    testing::Touch(*dir_, {"IMG_10.jpg", "IMG_2.JPG", "n\xFF.gif", "\xE8\xA1\xA8.jpg", "A.Jpg"});
    Scan(dir_->folder(), 1);
    QCOMPARE(Listed(), (Names{"A.Jpg", "IMG_2.JPG", "IMG_10.jpg", "n\xFF.gif", "\xE8\xA1\xA8.jpg"}));
    QCOMPARE(form_->Label9->Caption(), QStringLiteral("5 個 "));
    // Shown as well as they decode; the item keeps its bytes.
    QCOMPARE(form_->ListBox1->ItemAt(3), QStringLiteral("n\uFFFD.gif"));
    QCOMPARE(form_->ListBox1->ItemAt(4), QStringLiteral("表.jpg"));
  }

  // A later scan replaces everything the earlier one showed, also when it
  // finds nothing, and the window stays ready.
  void folderWithoutMatchOrUnreadable_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("no match") << "empty";
    QTest::newRow("missing") << "missing";
    QTest::newRow("unreadable") << "unreadable";
  }
  void folderWithoutMatchOrUnreadable() {
    QFETCH(QString, kind);
    testing::Touch(*dir_, {"a.jpg", "b.gif"});
    Scan(dir_->folder(), 4);
    QCOMPARE(form_->FileCountValue(), 2);
    const std::string other = *dir_ / "other";
    std::filesystem::create_directory(other);
    if (kind == QLatin1String("empty")) testing::Touch(*dir_, {"other/d.png"});
    if (kind == QLatin1String("unreadable")) {
      testing::Touch(*dir_, {"other/a.jpg"});
      chmod(other.c_str(), 0);
    }
    if (kind == QLatin1String("missing")) std::filesystem::remove(other);
    {
      testing::AsNobody nobody;
      Scan(other + "/", 1);
    }
    QVERIFY(Listed().empty());
    QCOMPARE(form_->FileCountValue(), 0);
    QCOMPARE(form_->Label9->Caption(), QStringLiteral("0 個 "));
    QCOMPARE(form_->Label5->Caption(), QFile::decodeName((other + "/").c_str()));
    VerifyReady();
    QVERIFY(testing::Shown().isEmpty());
  }

  void firstScanFindingNothingEnablesGenerate() {
    Scan(dir_->folder(), 1);
    QCOMPARE(form_->Label9->Caption(), QStringLiteral("0 個 "));
    VerifyReady();
  }

  void cancelChangesNothing() {
    // Before any scan: the window stays waiting for a folder.
    testing::Cancel();
    form_->BitBtn2->click();
    QVERIFY(!form_->BitBtn4->Enabled());
    QVERIFY(form_->Label9->Caption().isEmpty());

    testing::Touch(*dir_, {"a.jpg"});
    Scan(dir_->folder(), 3);
    testing::Pick(*dir_ / "wall.gif", 4);
    form_->BitBtn3->click();
    const QString before = ScanState();
    const Names listed = Listed();
    testing::Cancel();
    form_->BitBtn2->click();
    testing::Cancel();
    form_->BitBtn3->click();
    QCOMPARE(ScanState(), before);
    QCOMPARE(Listed(), listed);
    QCOMPARE(form_->OpenDialog1->FilterIndex, 4);
    QCOMPARE(form_->OpenDialog1->FileName, QFile::decodeName((*dir_ / "wall.gif").c_str()));
    VerifyReady();
    QVERIFY(testing::Shown().isEmpty());
  }

  void wallpaperTakesThePathAndNothingElse() {
    testing::Touch(*dir_, {"a.jpg", "b.gif"});
    Scan(dir_->folder(), 1);
    form_->Edit4->SetText(QStringLiteral("typed.gif"));
    const std::string wallpaper = *dir_ / "壁 紙.GIF";
    testing::Pick(wallpaper, 2);  // a filter that would list nothing
    form_->BitBtn3->click();
    QCOMPARE(form_->Edit4->Text(), QString::fromStdString(wallpaper));
    QCOMPARE(Listed(), (Names{"a.jpg", "b.gif"}));
    QCOMPARE(form_->ScanFilterValue(), 1);
    QCOMPARE(form_->Label7->Caption(), QStringLiteral("*.jpg *.jpeg *.gif"));
  }

  // One dialog serves both buttons: each run starts where the last
  // confirmed one, of either button, left it.
  void bothButtonsShareTheOpenDialog() {
    const auto& asked = testing::Dialogs().file_dialogs;
    testing::Pick(*dir_ / "w.gif", 3);
    form_->BitBtn3->click();
    QCOMPARE(asked.back().filter_index, 1);
    QCOMPARE(asked.back().title, QStringLiteral("ﾃﾞｨﾚｸﾄﾘ内のどれか１ファイルを指定"));
    QCOMPARE(asked.back().kind, vcl::TFileDialogKind::Open);

    Scan(dir_->folder(), 4);
    QCOMPARE(asked.back().filter_index, 3);
    QCOMPARE(asked.back().file_name, QFile::decodeName((*dir_ / "w.gif").c_str()));
    QCOMPARE(form_->ScanFilterValue(), 4);

    testing::Cancel();
    form_->BitBtn3->click();
    QCOMPARE(asked.back().filter_index, 4);
    QCOMPARE(asked.back().file_name, QFile::decodeName((*dir_ / "any.jpg").c_str()));
    testing::Cancel();
    form_->BitBtn2->click();
    QCOMPARE(asked.back().filter_index, 4);  // the cancelled run kept nothing
    QCOMPARE(asked.size(), std::size_t{4});
  }
};

}  // namespace lumenfold

LUMENFOLD_GUI_TEST_MAIN(lumenfold::FolderScanWindowTest)
#include "folder_scan_window_test.moc"
