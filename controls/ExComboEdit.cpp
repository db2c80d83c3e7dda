#include "ExComboEdit.h"

#include "ExApplication.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace sw {

TExComboEdit::TExComboEdit(QWidget* parent) : TExEdit(parent) {
    m_button = new QToolButton(this);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setCursor(Qt::PointingHandCursor);
    m_button->installEventFilter(this);
    // An error of the caller's action goes to the application's handler here rather than
    // through Qt's signal machinery.
    connect(m_button, &QToolButton::clicked, this, [this] {
        try {
            ClickButton();
        } catch (const Exception& e) {
            TExApplication::HandleException(e);
        }
    });
    SetButtonKind(cbkEllipsis);
    UpdateButtonLayout();
}

TExComboEdit::~TExComboEdit() {
    delete m_button;
    m_button = nullptr;
}

QPixmap TExComboEdit::EllipsisGlyph() {
    QPixmap pm(12, 2);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    for (int x : {1, 5, 9})
        p.fillRect(x, 0, 2, 2, Qt::black);
    return pm;
}

void TExComboEdit::SetButtonKind(TExComboButtonKind kind) {
    m_kind = kind;
    if (kind == cbkEllipsis) {
        m_glyph = EllipsisGlyph();
        m_numGlyphs = 1;
    }
    ShowGlyph();
}

void TExComboEdit::SetButtonGlyph(const QPixmap& glyph) {
    m_glyph = glyph;
    if (m_glyph.isNull())
        SetButtonKind(cbkEllipsis);
    else {
        m_kind = cbkCustom;
        ShowGlyph();
    }
}

void TExComboEdit::SetButtonNumGlyphs(int count) {
    m_numGlyphs = qBound(1, count, 4);
    ShowGlyph();
}

void TExComboEdit::ShowGlyph() {
    QPixmap shown = m_glyph;
    if (m_numGlyphs > 1 && !shown.isNull())
        shown = shown.copy(0, 0, shown.width() / m_numGlyphs, shown.height());
    m_button->setIcon(QIcon(shown));
    m_button->setIconSize(shown.size());
}

void TExComboEdit::SetButtonVisible(bool visible) {
    if (visible == m_buttonVisible)
        return;
    m_buttonVisible = visible;
    m_button->setVisible(visible);
    UpdateButtonLayout();
}

void TExComboEdit::SetButtonWidth(int width) {
    if (width == m_buttonWidth)
        return;
    m_buttonWidth = qMax(0, width);
    UpdateButtonLayout();
}

void TExComboEdit::UpdateButtonLayout() {
    if (!m_button)
        return;
    int frame = 0;
    if (hasFrame()) {
        QStyleOptionFrame opt;
        initStyleOption(&opt);
        frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, this);
    }
    // The client area: inside the frame.
    const QRect client = rect().adjusted(frame, frame, -frame, -frame);
    m_button->setGeometry(client.x() + client.width() - m_buttonWidth, client.y(), m_buttonWidth,
                          client.height());
    setTextMargins(0, 0, m_buttonVisible ? m_buttonWidth : 0, 0);
    update();
}

void TExComboEdit::resizeEvent(QResizeEvent* event) {
    TExEdit::resizeEvent(event);
    UpdateButtonLayout();
}

void TExComboEdit::ClickButton() {
    if (focusPolicy() != Qt::NoFocus && isEnabled() && isVisible() && !isReadOnly())
        setFocus();
    if (OnButtonClick)
        OnButtonClick(this);
    if (AutoSelect)
        selectAll();
}

bool TExComboEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_button && (event->type() == QEvent::MouseButtonPress ||
                                event->type() == QEvent::MouseButtonDblClick)) {
        if (focusPolicy() != Qt::NoFocus && isEnabled() && isVisible()) {
            setFocus();
            // Another control kept the focus because its own validation failed: the press
            // is dropped and the button is not clicked.
            if (!hasFocus())
                return true;
        }
    }
    return TExEdit::eventFilter(watched, event);
}

void TExComboEdit::keyPressEvent(QKeyEvent* event) {
    const QKeyCombination pressed(event->modifiers() & ~Qt::KeypadModifier,
                                  static_cast<Qt::Key>(event->key()));
    if (m_button && m_buttonVisible && m_button->isEnabled() && pressed == ButtonShortCut) {
        event->accept();
        ClickButton();
        return;
    }
    TExEdit::keyPressEvent(event);
}

} // namespace sw
