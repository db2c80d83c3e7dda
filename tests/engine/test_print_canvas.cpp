// The canvas over QPainter, pixel by pixel on an image.

#include "ExCanvas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace sw;

namespace {
bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}
bool anyDark(const QImage& image, int x1, int y1, int x2, int y2) {
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            if (dark(image, x, y))
                return true;
    return false;
}
} // namespace

TEST(PainterCanvas, RectangleKeepsItsOutlineInsideTheRightAndBottomEdges) {
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TExPainterCanvas canvas(painter);
        canvas.SetBrushStyle(bsClear);
        canvas.Rectangle(10, 20, 30, 40);
    }
    EXPECT_TRUE(dark(image, 10, 20));
    EXPECT_TRUE(dark(image, 29, 39));
    EXPECT_TRUE(dark(image, 29, 25));
    EXPECT_FALSE(dark(image, 30, 25)); // the right edge itself is outside
    EXPECT_FALSE(dark(image, 20, 40)); // and so is the bottom one
    EXPECT_FALSE(dark(image, 9, 25));
    EXPECT_FALSE(dark(image, 20, 30)); // a clear brush leaves the inside alone
}

TEST(PainterCanvas, TextInARectangleIsClippedToItAndTakesTheFontsColour) {
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    int width = 0;
    {
        QPainter painter(&image);
        TExPainterCanvas canvas(painter);
        canvas.SetFont(TExCanvasFont{QStringLiteral("Liberation Mono"), 20, cfsBold, 0x0000FF});
        width = canvas.TextWidth(QStringLiteral("MMMMMMMM"));
        EXPECT_GT(canvas.TextHeight(QStringLiteral("M")), 10);
        canvas.TextRect(QRect(10, 10, 40, 40), 10, 10, QStringLiteral("MMMMMMMM"));
    }
    ASSERT_GT(width, 80);
    EXPECT_TRUE(anyDark(image, 10, 10, 50, 50));
    EXPECT_FALSE(anyDark(image, 50, 0, 200, 60)); // past the rectangle nothing shows
    // The text is red (0x0000FF is red in the layouts' BGR order).
    bool red = false;
    for (int y = 10; y < 50 && !red; ++y)
        for (int x = 10; x < 50 && !red; ++x) {
            const QColor c = image.pixelColor(x, y);
            red = c.red() > 200 && c.green() < 80 && c.blue() < 80;
        }
    EXPECT_TRUE(red);
}
