// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "modal_answer.h"
#include "ui/picture/picture.h"
#include "window_test.h"

namespace fendrel {
namespace {

class PictureTest : public WindowTest {
protected:
    // The arrows and a label as the canvas shows them: A's line, B's line, LabelA's text colour.
    void expectTheFigure(const QImage& image) {
        ASSERT_EQ(image.size(), QSize(756, 544));
        EXPECT_TRUE(colourNear(image, px(3720, 2940), kColourA));
        EXPECT_TRUE(colourNear(image, px(5340, 5040), kColourB));
        const QColor labelBack = label("LabelA").palette().color(QPalette::Window);
        EXPECT_EQ(image.pixelColor(label("LabelA").geometry().topLeft() + QPoint(1, 1)), labelBack);
    }
    static QImage rendered(const QByteArray& svg) {
        QSvgRenderer renderer(svg);
        QImage image(renderer.viewBox().size(), QImage::Format_RGB32);
        QPainter painter(&image);
        renderer.render(&painter);
        return image;
    }

    QTemporaryDir dir;
};

TEST_F(PictureTest, PngAndSvgShowTheCanvasWithItsLabels) {
    expectTheFigure(QImage::fromData(picturePng(canvas()), "PNG"));
    const QByteArray svg = pictureSvg(canvas());
    ASSERT_TRUE(QSvgRenderer(svg).isValid());
    expectTheFigure(rendered(svg));
}

TEST_F(PictureTest, SvgDrawsTheGridAndHeadsAsShapesNotPixels) {
    action("Grid").trigger();
    action("ArrowHeads").trigger();
    const QByteArray svg = pictureSvg(canvas());
    EXPECT_FALSE(svg.contains("<image"));
    const QImage shown = paintedCanvas(), drawn = rendered(svg);
    // On a grid line left of everything else, and inside A's head beside its line.
    for (QPoint at : {QPoint(48, 20), QPoint(245, 64)}) EXPECT_EQ(drawn.pixelColor(at), shown.pixelColor(at)) << at.x();
}

TEST_F(PictureTest, SvgCarriesTheComponentsDashesAndLabelsAsTheViewShowsThem) {
    action("ComponentsTriangle").trigger();
    const QByteArray svg = pictureSvg(canvas());
    for (const char* text : {"Ay= 4200", "Bx= 3240", "Rx= 3240", "Ry= 4200"}) EXPECT_TRUE(svg.contains(text)) << text;
    // Along R's y, up from B's tip to R's: dashes and gaps alike in the drawing and on the canvas.
    const QImage shown = paintedCanvas(), drawn = rendered(svg);
    int dashes = 0;
    for (int y = 100; y < 300; ++y) {
        const QPoint at(464, y);
        EXPECT_EQ(drawn.pixelColor(at), shown.pixelColor(at)) << y;
        dashes += shown.pixelColor(at) != shown.pixelColor(2, 2) && shown.pixelColor(at - QPoint(0, 1)) == shown.pixelColor(2, 2);
    }
    EXPECT_GE(dashes, 10);
}

TEST_F(PictureTest, CopyPutsBothFormatsOnTheClipboard) {
    action("CopyPicture").trigger();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    expectTheFigure(QImage::fromData(data->data(QStringLiteral("image/png")), "PNG"));
    EXPECT_TRUE(QSvgRenderer(data->data(QStringLiteral("image/svg+xml"))).isValid());
    EXPECT_EQ(action("CopyPicture").shortcut(), QKeySequence(QKeySequence::Copy));
}

TEST_F(PictureTest, SaveChoosesTheFormatByExtension) {
    const QString png = dir.filePath(QStringLiteral("figure.png")), svg = dir.filePath(QStringLiteral("figure.SVG"));
    EXPECT_EQ(savePicture(canvas(), png), QString());
    expectTheFigure(QImage(png, "PNG"));
    EXPECT_EQ(savePicture(canvas(), svg), QString());
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    expectTheFigure(rendered(file.readAll()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"figure.png", "figure.SVG"}));  // no leftovers
}

TEST_F(PictureTest, FailedSaveReportsAndWritesNothing) {
    const QString existing = dir.filePath(QStringLiteral("figure.jpg"));
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("kept");
    file.close();
    EXPECT_NE(savePicture(canvas(), existing), QString());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("kept"));

    EXPECT_NE(savePicture(canvas(), dir.filePath(QStringLiteral("missing/figure.png"))), QString());
    EXPECT_NE(savePicture(canvas(), dir.filePath(QStringLiteral("figure"))), QString());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"figure.jpg"}));
}

TEST_F(PictureTest, ANameTypedWithoutExtensionIsAskedAboutBeforeItsPngIsReplaced) {
    QFile file(dir.filePath(QStringLiteral("figure.png")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("kept") == 4);
    file.close();
    // A picture under a name that does not tell: the dialog lists it without reading it.
    QFile unnamed(dir.filePath(QStringLiteral("notes")));
    ASSERT_TRUE(unnamed.open(QIODevice::WriteOnly) && unnamed.write(picturePng(canvas())) > 0);
    unnamed.close();
    QString asked, listedAs;
    const ModalAnswer chooser([&](QWidget& modal) {
        auto& dialog = dynamic_cast<QFileDialog&>(modal);
        listedAs = dialog.iconProvider()->type(QFileInfo(unnamed));
        dialog.setDirectory(dir.path());
        dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("figure"));
        const ModalAnswer replace([&](QWidget& box) {
            asked = dynamic_cast<QMessageBox&>(box).text();
            dynamic_cast<QMessageBox&>(box).button(QMessageBox::No)->click();
        });
        static_cast<QDialog&>(dialog).accept();  // as the Save button does
        if (dialog.isVisible()) dialog.reject();
    });
    action("SavePicture").trigger();
    EXPECT_TRUE(asked.contains(QStringLiteral("figure.png"))) << asked.toStdString();
    EXPECT_NE(listedAs, QFileIconProvider().type(QFileInfo(unnamed))) << "read as " << listedAs.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("kept"));
}

}  // namespace
}  // namespace fendrel
