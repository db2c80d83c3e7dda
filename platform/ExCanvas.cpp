#include "ExCanvas.h"

#include <QFontMetrics>
#include <QPainter>

namespace sw {

TExCanvas::~TExCanvas() = default;

QFont ToQFont(const TExCanvasFont& font) {
    QFont f;
    if (!font.Name.isEmpty())
        f.setFamily(font.Name);
    if (font.Size > 0)
        f.setPointSize(font.Size);
    f.setBold((font.Style & cfsBold) != 0);
    f.setItalic((font.Style & cfsItalic) != 0);
    f.setUnderline((font.Style & cfsUnderline) != 0);
    f.setStrikeOut((font.Style & cfsStrikeOut) != 0);
    return f;
}

namespace {
QColor toQColor(int32_t bgr) {
    const auto v = static_cast<uint32_t>(bgr);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}
} // namespace

TExPainterCanvas::TExPainterCanvas(QPainter& painter) : m_painter(painter) {
    m_painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    m_painter.setBrush(Qt::white);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    SetFont(m_font);
}

void TExPainterCanvas::SetFont(const TExCanvasFont& font) {
    m_font = font;
    m_painter.setFont(ToQFont(font));
}

void TExPainterCanvas::SetBrushStyle(TExBrushStyle style) {
    m_brush = style;
    m_painter.setBrush(style == bsClear ? QBrush(Qt::NoBrush) : QBrush(Qt::white));
}

void TExPainterCanvas::MoveTo(int x, int y) {
    m_penX = x;
    m_penY = y;
}

void TExPainterCanvas::LineTo(int x, int y) {
    m_painter.drawLine(m_penX, m_penY, x, y);
    MoveTo(x, y);
}

void TExPainterCanvas::TextOut(int x, int y, const QString& text) {
    // The text's colour is the font's; lines and frames keep the black pen.
    const QPen pen = m_painter.pen();
    m_painter.setPen(toQColor(m_font.Color));
    m_painter.drawText(QPoint(x, y + m_painter.fontMetrics().ascent()), text);
    m_painter.setPen(pen);
}

int TExPainterCanvas::TextWidth(const QString& text) {
    return m_painter.fontMetrics().horizontalAdvance(text);
}

int TExPainterCanvas::TextHeight(const QString&) {
    return m_painter.fontMetrics().height();
}

void TExPainterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1)
        return;
    // A one-pixel pen around QRect(x, y, w, h) covers w + 1 pixels: this keeps the outline
    // inside x1..x2-1 and y1..y2-1.
    m_painter.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void TExPainterCanvas::TextRect(const QRect& rect, int x, int y, const QString& text) {
    m_painter.save();
    m_painter.setClipRect(rect, Qt::IntersectClip);
    TextOut(x, y, text);
    m_painter.restore();
}

} // namespace sw
