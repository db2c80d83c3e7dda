// The real print path: swl prints through Qt to a CUPS queue of a private cupsd whose device is a
// PDF file, and the texts land where the layout says, offset by the queue's margins.

#include "ExPreformattedPrinter.h"
#include "PdfProbe.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <unistd.h>

namespace pp = pdfprobe;

namespace {

const QString cupsd = QStringLiteral("/usr/sbin/cupsd");
const QString lpadmin = QStringLiteral("/usr/sbin/lpadmin");
const QString ppd = QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");
// The PPD's A4 imageable area starts 18 pt from the left edge and 36 pt from the top.
constexpr double MarginLeft = 18;
constexpr double MarginTop = 36;

void writeText(const QString& path, const QString& text) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text.toUtf8());
}

// A cupsd of our own, configured and spooling in a temporary folder, listening on a socket
// there: the system's printers and its configuration stay untouched. It is stopped when this
// object goes, and a timeout bounds it even if the test process dies.
class PrivateCups {
public:
    PrivateCups() {
        if (::geteuid() != 0) {
            m_why = QStringLiteral("cupsd needs root to start");
            return;
        }
        for (const QString& path : {cupsd, lpadmin, ppd}) {
            if (!QFileInfo::exists(path)) {
                m_why = QStringLiteral("%1 is missing: the README's test command installs cups, "
                                       "printer-driver-cups-pdf and cups-filters")
                            .arg(path);
                return;
            }
        }
        const QString d = m_dir.path();
        for (const char* sub : {"root/ppd", "spool", "tmp", "cache", "state", "log", "out"})
            QDir().mkpath(d + QLatin1Char('/') + QString::fromUtf8(sub));
        // The filters run as an unprivileged user that must reach the folder and write the PDF.
        QFile::setPermissions(d, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                     QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                     QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                     QFileDevice::ExeGroup);
        QFile::setPermissions(d + QStringLiteral("/out"), QFileDevice::Permissions(0x7777));
        m_socket = d + QStringLiteral("/cups.sock");
        writeText(d + QStringLiteral("/root/cupsd.conf"),
                  QStringLiteral("Listen %1\nLogLevel warn\nDefaultAuthType None\n"
                                 "WebInterface No\nBrowsing No\n"
                                 "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                 "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                 "  </Limit>\n</Policy>\n")
                      .arg(m_socket));
        writeText(d + QStringLiteral("/root/cups-files.conf"),
                  QStringLiteral("FileDevice Yes\nServerRoot %1/root\nRequestRoot %1/spool\n"
                                 "TempDir %1/tmp\nCacheDir %1/cache\nStateDir %1/state\n"
                                 "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                 "PageLog %1/log/page_log\n")
                      .arg(d));
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("CUPS_SERVER"), m_socket);

        m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
        m_cupsd.start(QStringLiteral("timeout"),
                      {QStringLiteral("300"), cupsd, QStringLiteral("-f"), QStringLiteral("-c"),
                       d + QStringLiteral("/root/cupsd.conf"), QStringLiteral("-s"),
                       d + QStringLiteral("/root/cups-files.conf")});
        QDeadlineTimer deadline(10000);
        while (!QFileInfo::exists(m_socket) && !deadline.hasExpired() &&
               m_cupsd.state() != QProcess::NotRunning)
            QThread::msleep(50);
        if (!QFileInfo::exists(m_socket)) {
            m_cupsd.waitForFinished(100);
            m_why = QStringLiteral("cupsd did not start: %1")
                        .arg(QString::fromUtf8(m_cupsd.readAll()).trimmed());
            return;
        }
        const QString added =
            run(lpadmin, {QStringLiteral("-p"), QStringLiteral("PdfFile"), QStringLiteral("-v"),
                          QStringLiteral("file:") + outputPdf(), QStringLiteral("-E"),
                          QStringLiteral("-P"), ppd});
        if (!added.isNull())
            m_why = QStringLiteral("lpadmin could not add the queue: %1").arg(added);
    }

    ~PrivateCups() {
        if (m_cupsd.state() != QProcess::NotRunning) {
            m_cupsd.terminate();
            if (!m_cupsd.waitForFinished(5000)) {
                m_cupsd.kill();
                m_cupsd.waitForFinished(2000);
            }
        }
    }

    bool ok() const { return m_why.isEmpty(); }
    std::string why() const { return m_why.toStdString(); }
    QString outputPdf() const { return m_dir.filePath(QStringLiteral("out/out.pdf")); }

    // Runs a program against this cupsd; a null text when it succeeded, else what it said.
    QString run(const QString& program, const QStringList& args, int* status = nullptr,
                QByteArray* out = nullptr) const {
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(program, args);
        const bool done = p.waitForFinished(60000);
        if (status)
            *status = done ? p.exitCode() : -1;
        if (out)
            *out = p.readAllStandardOutput();
        if (done && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            return {};
        return QString::fromUtf8(p.readAllStandardError()) +
               QStringLiteral(" (exit %1)").arg(p.exitCode());
    }

private:
    QTemporaryDir m_dir;
    QString m_socket;
    QString m_why;
    QProcessEnvironment m_env;
    QProcess m_cupsd;
};

sw::TExPrinterField field(const char* name, double left, double top, double width, uint8_t horz) {
    sw::TExPrinterField f = sw::ZeroField();
    f.Name.assign(QString::fromUtf8(name));
    f.Left = left;
    f.Top = top;
    f.Width = width;
    f.Height = 1;
    f.HorzAlignment = horz;
    f.VertAlignment = 1;
    f.FontName.assign(QStringLiteral("Courier New"));
    f.FontSize = 12;
    f.Print = 1;
    return f;
}

} // namespace

TEST(SwlCups, TestPageThroughARealQueueLandsOffsetByItsMargins) {
    PrivateCups cups;
    if (!cups.ok())
        GTEST_SKIP() << "no CUPS queue to print to: " << cups.why();

    QTemporaryDir dir;
    const QString layout = dir.filePath(QStringLiteral("nota.swl"));
    sw::TExSlatewright doc;
    doc.SetPaperSizeProperty(9); // A4
    doc.AddField(field("Nome", 2, 3, 8, sw::haLeft));
    doc.AddField(field("Valor", 2, 5, 5, sw::haRight));
    doc.SaveToFile(layout);
    const QString swl = QStringLiteral(SW_BINARY_DIR "/tools/swl");

    QByteArray listing;
    int status = 0;
    cups.run(swl, {QStringLiteral("printers")}, &status, &listing);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(listing.startsWith("PdfFile")) << listing.constData();

    const QString printed = cups.run(swl, {QStringLiteral("test"), layout,
                                           QStringLiteral("--printer"), QStringLiteral("PdfFile")});
    ASSERT_TRUE(printed.isNull()) << printed.toStdString();

    // The spooler writes the file on its own time: wait for both words, within bounds.
    std::vector<pp::Word> words;
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        words = pp::words(cups.outputPdf());
        if (pp::find(words, QStringLiteral("Nome")) && pp::find(words, QStringLiteral("Valor")))
            break;
        QThread::msleep(200);
    }
    const pp::Word* name = pp::find(words, QStringLiteral("Nome"));
    const pp::Word* value = pp::find(words, QStringLiteral("Valor"));
    ASSERT_TRUE(name && value) << "no printed page came out of the queue";
    const QSizeF page = pp::pageSize(cups.outputPdf());
    EXPECT_NEAR(page.width(), 595, 1);
    EXPECT_NEAR(page.height(), 842, 1);
    EXPECT_NEAR(name->xMin, MarginLeft + 2 * pp::PointsPerCm, 0.5);
    EXPECT_NEAR(name->yMin, MarginTop + 3 * pp::PointsPerCm, 1.0);
    EXPECT_NEAR(value->xMax, MarginLeft + 7 * pp::PointsPerCm, 0.5);
    EXPECT_NEAR(value->yMin, MarginTop + 5 * pp::PointsPerCm, 1.0);
}
