#pragma once
// Reads printed PDF back with poppler's tools: words with their boxes, page sizes, rasters.

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

namespace pdfprobe {

struct Word {
    QString text;
    double xMin, yMin, xMax, yMax; // points from the page's top-left corner
    int page;
};

inline QByteArray run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

inline std::vector<Word> words(const QString& pdf) {
    const QString html = QString::fromUtf8(
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    std::vector<Word> out;
    static const QRegularExpression re(QStringLiteral(
        R"re(<page |<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
    int page = 0;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        out.push_back({text, m.captured(1).toDouble(), m.captured(2).toDouble(),
                       m.captured(3).toDouble(), m.captured(4).toDouble(), page});
    }
    return out;
}

inline const Word* find(const std::vector<Word>& ws, const QString& text, int page = 1) {
    for (const Word& w : ws)
        if (w.text == text && w.page == page)
            return &w;
    return nullptr;
}

// The size in points of the first page, and the number of pages.
inline QSizeF pageSize(const QString& pdf, int* pages = nullptr) {
    const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdf}));
    static const QRegularExpression size(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)"));
    static const QRegularExpression count(QStringLiteral(R"(Pages:\s+(\d+))"));
    if (pages)
        *pages = count.match(info).captured(1).toInt();
    const auto m = size.match(info);
    return QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
}

// One line of pdfinfo's report, such as "Title".
inline QString info(const QString& pdf, const QString& key) {
    const QString text = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdf}));
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (line.startsWith(key + QLatin1Char(':')))
            return line.mid(key.size() + 1).trimmed();
    return {};
}

// The first page as an image at the given resolution.
inline QImage raster(const QString& pdf, int dpi) {
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QStringLiteral("1"),
         QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, base});
    return QImage(base + QStringLiteral(".png"));
}

// Whether any pixel darker than mid-grey lies in the rectangle (pixels of the raster).
inline bool inked(const QImage& image, int x1, int y1, int x2, int y2) {
    for (int y = qMax(0, y1); y < qMin(image.height(), y2); ++y)
        for (int x = qMax(0, x1); x < qMin(image.width(), x2); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

constexpr double PointsPerCm = 72.0 / 2.54;

} // namespace pdfprobe
