#pragma once
// A printer that draws nothing: it records every canvas call in device pixels, so the engine's
// arithmetic can be checked exactly, and it stands in queues with paper of its own.

#include "ExPrinter.h"

#include <QHash>
#include <QRect>
#include <memory>
#include <vector>

namespace testprint {

struct Op {
    enum Kind { Font, Brush, MoveTo, LineTo, TextOut, Rectangle, TextRect } kind;
    int x = 0, y = 0; // MoveTo, LineTo, TextOut; the text start of TextRect
    QRect rect;       // Rectangle (x2, y2 excluded) and TextRect's clip
    QString text;
    sw::TExCanvasFont font;
};

class RecordingCanvas : public sw::TExCanvas {
public:
    std::vector<Op> ops;
    // Text widths: a fixed width for a text when given, else charWidth per character.
    QHash<QString, int> widths;
    int charWidth = 10;
    int lineHeight = 20;

    void SetFont(const sw::TExCanvasFont& f) override {
        m_font = f;
        ops.push_back({Op::Font, 0, 0, {}, {}, f});
    }
    sw::TExCanvasFont Font() const override { return m_font; }
    void SetBrushStyle(sw::TExBrushStyle s) override {
        m_brush = s;
        ops.push_back({Op::Brush, static_cast<int>(s), 0, {}, {}, {}});
    }
    sw::TExBrushStyle BrushStyle() const override { return m_brush; }
    void MoveTo(int x, int y) override { ops.push_back({Op::MoveTo, x, y, {}, {}, {}}); }
    void LineTo(int x, int y) override { ops.push_back({Op::LineTo, x, y, {}, {}, {}}); }
    void TextOut(int x, int y, const QString& t) override {
        ops.push_back({Op::TextOut, x, y, {}, t, m_font});
    }
    int TextWidth(const QString& t) override {
        return widths.value(t, charWidth * static_cast<int>(t.size()));
    }
    int TextHeight(const QString&) override { return lineHeight; }
    void Rectangle(int x1, int y1, int x2, int y2) override {
        ops.push_back({Op::Rectangle, 0, 0, QRect(x1, y1, x2 - x1, y2 - y1), {}, {}});
    }
    void TextRect(const QRect& r, int x, int y, const QString& t) override {
        ops.push_back({Op::TextRect, x, y, r, t, m_font});
    }

    std::vector<Op> of(Op::Kind kind) const {
        std::vector<Op> r;
        for (const Op& op : ops)
            if (op.kind == kind)
                r.push_back(op);
        return r;
    }

private:
    sw::TExCanvasFont m_font;
    sw::TExBrushStyle m_brush = sw::bsSolid;
};

class RecordingPrinter : public sw::TExPrinter {
public:
    int dpiX = 300, dpiY = 300;
    int pageWidth = 2400, pageHeight = 3300;
    QStringList queues{QStringLiteral("Fila"), QStringLiteral("Outra")};
    QString defaultQueue = QStringLiteral("Fila");
    sw::TDevicePaper defaultPaper{1, 2159, 2794, sw::DevicePortrait}; // Letter
    bool failBegin = false;
    bool failEnd = false;

    int begins = 0, pages = 1, ends = 0;
    QString titleAtBegin;
    sw::TDevicePaper paperAtBegin;
    RecordingCanvas canvas;

    QStringList Printers() const override { return queues; }
    QString DefaultPrinterName() const override { return defaultQueue; }
    sw::TDevicePaper DefaultPaper(const QString&) const override { return defaultPaper; }
    sw::TExCanvas& Canvas() override { return canvas; }
    int PageWidth() const override { return pageWidth; }
    int PageHeight() const override { return pageHeight; }
    int PixelsPerInchX() const override { return dpiX; }
    int PixelsPerInchY() const override { return dpiY; }

protected:
    void DoBeginDoc(const sw::TDevicePaper& paper) override {
        if (failBegin)
            throw sw::EPrinter(QStringLiteral("no job today"));
        ++begins;
        titleAtBegin = Title();
        paperAtBegin = paper;
    }
    void DoNewPage() override { ++pages; }
    void DoEndDoc() override {
        ++ends;
        if (failEnd)
            throw sw::EPrinter(QStringLiteral("spooler gone"));
    }
    void DoAbort() override {}
};

// Puts a recording printer in place of the process-wide one for one test.
class UseRecordingPrinter {
public:
    UseRecordingPrinter() {
        auto p = std::make_unique<RecordingPrinter>();
        printer = p.get();
        m_old = sw::SetPrinter(std::move(p));
    }
    ~UseRecordingPrinter() { sw::SetPrinter(std::move(m_old)); }
    RecordingPrinter* printer;

private:
    std::unique_ptr<sw::TExPrinter> m_old;
};

} // namespace testprint
