#include "DialogSupport.h"

#include "ExApplication.h"
#include "ExDialogs.h"

#include <QPushButton>

namespace sw {

namespace {
// The design font: 11 pixels high, the size the design positions were laid out for.
QFont dialogFont() {
    QFont f = QApplication::font();
    f.setPixelSize(11);
    return f;
}
} // namespace

TExDialog::TExDialog(int width, int height) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFont(dialogFont());
    setFixedSize(width, height);
}

void TExDialog::accept() {
    try {
        FormCloseQuery();
    } catch (const Exception& e) {
        // Refused: the dialog stays open and the user reads why.
        TExApplication::HandleException(e);
        return;
    }
    FormClose();
    QDialog::accept();
}

QPushButton* TExDialog::MakeOkButton(int left, int top, int width, int height) {
    auto* b = new QPushButton(ButtonTextOk(), this);
    b->setObjectName(QStringLiteral("btnOk"));
    b->setGeometry(left, top, width, height);
    connect(b, &QPushButton::clicked, this, &QDialog::accept);
    return b;
}

QPushButton* TExDialog::MakeCancelButton(int left, int top, int width, int height) {
    auto* b = new QPushButton(ButtonTextCancel(), this);
    b->setObjectName(QStringLiteral("btnCancel"));
    b->setGeometry(left, top, width, height);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, &QDialog::reject);
    return b;
}

TExGroupBox::TExGroupBox(const QString& caption, QWidget* parent, int left, int top, int width,
                         int height)
    : QGroupBox(caption, parent), m_client(new QWidget(this)) {
    setGeometry(left, top, width, height);
    // The caption takes about one line at the top; the frame two pixels on the other sides.
    const int captionHeight = fontMetrics().height() + 2;
    m_client->setGeometry(2, captionHeight, width - 4, height - captionHeight - 2);
}

} // namespace sw
