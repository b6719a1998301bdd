// The window's pictures: the colour strip pixel by pixel, and the glyphs
// and icons against what they are meant to show.
#include <QIcon>
#include <QImage>
#include <QSet>
#include <QTest>
#include <memory>

#include "form1.h"
#include "form1_tables.h"
#include "gui_test_main.h"
#include "vcl/buttons.h"

namespace lumenfold {
namespace {

// The strip as described: eight framed squares on white.
QRgb ExpectedStripPixel(int x, int y) {
  static const QRgb fills[8] = {qRgb(255, 255, 255), qRgb(132, 255, 255), qRgb(255, 132, 255),
                                qRgb(255, 255, 132), qRgb(255, 132, 132), qRgb(132, 255, 132),
                                qRgb(132, 132, 255), qRgb(132, 132, 132)};
  for (int i = 0; i < 8; ++i) {
    const int left = 1 + 16 * i;
    if (x < left || x > left + 14 || y < 1 || y > 15) continue;
    const bool frame = x == left || x == left + 14 || y == 1 || y == 15;
    return frame ? qRgb(0, 0, 0) : fills[i];
  }
  return qRgb(255, 255, 255);
}

QSet<QRgb> OpaqueColours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) == 255) colours.insert(image.pixel(x, y) | 0xFF000000u);
    }
  }
  return colours;
}

QImage Glyph(const char* button) {
  for (const form1::GlyphRow& row : form1::kGlyphs) {
    if (qstrcmp(row.name, button) == 0) return QImage(QString::fromUtf8(row.resource));
  }
  return {};
}

}  // namespace

class WindowPicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void colourStrip() {
    const QImage strip(QString::fromUtf8(form1::kColourStrip));
    QCOMPARE(strip.size(), QSize(129, 17));
    QCOMPARE(strip.format(), QImage::Format_Indexed8);
    QCOMPARE(strip.colorCount(), 256);
    for (int y = 0; y < 17; ++y) {
      for (int x = 0; x < 129; ++x) {
        QVERIFY2(strip.pixel(x, y) == ExpectedStripPixel(x, y),
                 qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
      }
    }
    QSet<int> used;
    for (int y = 0; y < 17; ++y) {
      for (int x = 0; x < 129; ++x) used.insert(strip.pixelIndex(x, y));
    }
    QCOMPARE(used.size(), 9);
  }

  // What Image1 paints is the strip itself, from its top left corner.
  void image1ShowsTheStrip() {
    TForm1 form(vcl::Application);
    const QImage shown = form.Image1->grab().toImage();
    for (int y = 0; y < 17; ++y) {
      for (int x = 0; x < 129; ++x) QCOMPARE(shown.pixel(x, y) | 0xFF000000u, ExpectedStripPixel(x, y));
    }
  }

  void glyphFaces_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("faces");
    QTest::addColumn<QList<QRgb>>("inks");  // colours the enabled face must show
    QTest::newRow("BitBtn1 cross") << "BitBtn1" << 1
                                   << QList<QRgb>{qRgb(35, 226, 0), qRgb(11, 141, 7), qRgb(70, 115, 9)};
    QTest::newRow("BitBtn2 folder") << "BitBtn2" << 2
                                    << QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 0), qRgb(255, 255, 255),
                                                   qRgb(192, 192, 192)};
    QTest::newRow("BitBtn3 folder") << "BitBtn3" << 2 << QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 0)};
    QTest::newRow("BitBtn4 disk") << "BitBtn4" << 2
                                  << QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0),
                                                 qRgb(128, 128, 128)};
  }
  void glyphFaces() {
    QFETCH(QString, button);
    QFETCH(int, faces);
    QFETCH(QList<QRgb>, inks);
    const QImage glyph = Glyph(qPrintable(button));
    QCOMPARE(glyph.size(), QSize(16 * faces, 16));
    for (int face = 0; face < faces; ++face) {
      const QImage image = vcl::GlyphFace(glyph, faces, face);
      QCOMPARE(image.size(), QSize(16, 16));
      QCOMPARE(qAlpha(image.pixel(0, 15)), 0);  // the ground is see-through
      QVERIFY(!OpaqueColours(image).isEmpty());
    }
    const QSet<QRgb> enabled = OpaqueColours(vcl::GlyphFace(glyph, faces, 0));
    for (QRgb ink : inks) QVERIFY2(enabled.contains(ink), qPrintable(QString::number(ink, 16)));
    if (faces == 2) {
      // The disabled face is an outline in grey and white only.
      const QSet<QRgb> disabled = OpaqueColours(vcl::GlyphFace(glyph, faces, 1));
      QCOMPARE(disabled, (QSet<QRgb>{qRgb(128, 128, 128), qRgb(255, 255, 255)}));
    }
  }

  void grounds() {
    QCOMPARE(Glyph("BitBtn1").pixel(0, 15), qRgb(255, 255, 255));
    QCOMPARE(Glyph("BitBtn2").pixel(0, 15), qRgb(128, 0, 128));
    QCOMPARE(Glyph("BitBtn4").pixel(0, 15), qRgb(128, 128, 0));
    QCOMPARE(Glyph("BitBtn2").colorCount(), 16);
    QCOMPARE(Glyph("BitBtn4").colorCount(), 16);
  }

  void windowIcon() {
    const QImage big(QString::fromUtf8(form1::kWindowIcon[0]));
    QCOMPARE(big.size(), QSize(32, 32));
    QCOMPARE(big.pixel(0, 0), qRgb(0, 255, 255));
    QVERIFY(big.colorCount() <= 16);
    const QSet<QRgb> colours = OpaqueColours(big);
    QCOMPARE(colours, (QSet<QRgb>{qRgb(0, 255, 255), qRgb(0, 0, 255), qRgb(255, 0, 0), qRgb(255, 0, 255)}));
    // Three lines of lettering, top to bottom blue, red, magenta.
    auto first_row_of = [&big](QRgb colour) {
      for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
          if (big.pixel(x, y) == colour) return y;
        }
      }
      return -1;
    };
    QVERIFY(first_row_of(qRgb(0, 0, 255)) < first_row_of(qRgb(255, 0, 0)));
    QVERIFY(first_row_of(qRgb(255, 0, 0)) < first_row_of(qRgb(255, 0, 255)));

    const QImage small = QImage(QString::fromUtf8(form1::kWindowIcon[1])).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(small.size(), QSize(16, 16));
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const bool line = y == 15 && x >= 4;
        QCOMPARE(qAlpha(small.pixel(x, y)), line ? 255 : 0);
        if (line) QCOMPARE(small.pixel(x, y), qRgb(255, 255, 0));
      }
    }
  }

  void programIcon() {
    QCOMPARE(QImage(QString::fromUtf8(form1::kProgramIcon[0])),
             QImage(QString::fromUtf8(form1::kWindowIcon[0])));
    const QImage small(QString::fromUtf8(form1::kProgramIcon[1]));
    QCOMPARE(small.size(), QSize(16, 16));
    QCOMPARE(OpaqueColours(small),
             (QSet<QRgb>{qRgb(0, 255, 255), qRgb(0, 0, 255), qRgb(255, 0, 0), qRgb(255, 0, 255)}));
  }
};

}  // namespace lumenfold

LUMENFOLD_GUI_TEST_MAIN(lumenfold::WindowPicturesTest)
#include "window_pictures_test.moc"
