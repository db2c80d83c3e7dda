#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <cstdint>

class QPainter;

namespace sw {

// Font style bits as layouts store them.
enum TExCanvasFontStyle : uint32_t {
    cfsBold = 1,
    cfsItalic = 2,
    cfsUnderline = 4,
    cfsStrikeOut = 8
};

// A canvas font: family name, size in points (0 or less keeps the default size), style bits and
// colour 0x00BBGGRR.
struct TExCanvasFont {
    QString Name;
    int Size = 0;
    uint32_t Style = 0;
    int32_t Color = 0;

    bool operator==(const TExCanvasFont&) const = default;
};

enum TExBrushStyle { bsSolid, bsClear };

// The drawing surface of a print job, in integer device pixels from the top-left corner of the
// printable area. The pen is solid, black and one pixel wide.
class TExCanvas {
public:
    virtual ~TExCanvas();

    virtual void SetFont(const TExCanvasFont& font) = 0;
    virtual TExCanvasFont Font() const = 0;
    virtual void SetBrushStyle(TExBrushStyle style) = 0;
    virtual TExBrushStyle BrushStyle() const = 0;

    virtual void MoveTo(int x, int y) = 0;
    // A line from the pen position to (x, y), which becomes the pen position.
    virtual void LineTo(int x, int y) = 0;
    // Text whose top-left corner is (x, y), on one line.
    virtual void TextOut(int x, int y, const QString& text) = 0;
    virtual int TextWidth(const QString& text) = 0;
    virtual int TextHeight(const QString& text) = 0;
    // The outline of the rectangle from (x1, y1) to (x2, y2), the right and bottom edges
    // excluded; filled only when the brush is solid.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // Text starting at (x, y), on one line, clipped to rect; ampersands are drawn as they are.
    virtual void TextRect(const QRect& rect, int x, int y, const QString& text) = 0;
};

// The font a canvas font asks Qt for.
QFont ToQFont(const TExCanvasFont& font);

// A canvas over a QPainter that the caller keeps open.
class TExPainterCanvas : public TExCanvas {
public:
    explicit TExPainterCanvas(QPainter& painter);

    void SetFont(const TExCanvasFont& font) override;
    TExCanvasFont Font() const override { return m_font; }
    void SetBrushStyle(TExBrushStyle style) override;
    TExBrushStyle BrushStyle() const override { return m_brush; }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) override;
    int TextHeight(const QString& text) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void TextRect(const QRect& rect, int x, int y, const QString& text) override;

private:
    QPainter& m_painter;
    TExCanvasFont m_font;
    TExBrushStyle m_brush = bsSolid;
    int m_penX = 0;
    int m_penY = 0;
};

} // namespace sw
