#include "ExLabel.h"

#include <QEvent>
#include <QMouseEvent>

namespace sw {

TExLabel::TExLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TExLabel::SetAutoSize(bool on) {
    m_autoSize = on;
    Measure();
}

void TExLabel::Measure() {
    if (m_autoSize)
        resize(sizeHint());
    else
        resize(width(), sizeHint().height());
}

void TExLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && OnFontChanged)
        OnFontChanged(this);
}

bool TExLabel::event(QEvent* event) {
    // The accelerator runs the label's own click action when it has one, and leaves the focus
    // where it is; without one it gives the focus to the control, as a plain label does.
    if (event->type() == QEvent::Shortcut && OnClick && isEnabled() && isVisible()) {
        OnClick(this);
        return true;
    }
    return QLabel::event(event);
}

void TExLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        OnClick)
        OnClick(this);
}

bool OwnVisible(const QWidget* w) {
    if (!w)
        return false;
    return w->parentWidget() ? w->isVisibleTo(w->parentWidget()) : !w->isHidden();
}

TExLabelLink::TExLabelLink(QWidget* control) : m_control(control) {
    m_label = new TExLabel(control->parentWidget());
    m_label->setBuddy(control);
    m_label->SetAutoSize(true);
    m_label->OnFontChanged = [this](TExLabel*) { PositionLabel(); };
}

TExLabelLink::~TExLabelLink() {
    Destroying = true;
    delete m_label; // null when the parent already took it down
}

void TExLabelLink::PositionLabel() {
    if (!m_control || !m_label || Destroying)
        return;
    TExLabel* l = m_label;
    l->Measure();
    const QRect c = m_control->geometry();
    const int s = Space;
    const int lw = l->width(), lh = l->height();
    int x = 0, y = 0;
    switch (Pos) {
    case poLeftTop:
    case poLeftCenter:
    case poLeftBottom:
        x = c.left() - s - lw;
        break;
    case poRightTop:
    case poRightCenter:
    case poRightBottom:
        x = c.left() + c.width() + s;
        break;
    case poTopLeft:
    case poBottomLeft:
        x = c.left();
        break;
    case poTopCenter:
    case poBottomCenter:
        x = c.left() + (c.width() - lw) / 2;
        break;
    case poTopRight:
    case poBottomRight:
        x = c.left() + c.width() - lw;
        break;
    }
    switch (Pos) {
    case poLeftTop:
    case poRightTop:
        y = c.top();
        break;
    case poLeftCenter:
    case poRightCenter:
        y = c.top() + (c.height() - lh) / 2;
        break;
    case poLeftBottom:
    case poRightBottom:
        y = c.top() + c.height() - lh;
        break;
    case poTopLeft:
    case poTopCenter:
    case poTopRight:
        y = c.top() - s - lh;
        break;
    case poBottomLeft:
    case poBottomCenter:
    case poBottomRight:
        y = c.top() + c.height() + s;
        break;
    }
    l->move(x, y);
}

void TExLabelLink::UpdateLabelVisibility() {
    if (!m_label || Destroying)
        return;
    const bool show = m_control && OwnVisible(m_control) && Visible;
    if (show) {
        if (m_label->parentWidget() != m_control->parentWidget())
            m_label->setParent(m_control->parentWidget());
        m_label->setVisible(true);
    } else {
        m_label->setVisible(false);
        m_label->setParent(nullptr);
    }
    PositionLabel();
}

QString TExLabelLink::Caption() const {
    return m_label ? m_label->text() : QString();
}

void TExLabelLink::SetCaption(const QString& caption) {
    if (!m_label || m_label->text() == caption)
        return;
    m_label->setText(caption);
    PositionLabel();
}

int TExLabelLink::Width() const {
    return !m_label || m_label->AutoSize() ? 0 : m_label->width();
}

void TExLabelLink::SetWidth(int width) {
    if (!m_label)
        return;
    if (width <= 0) {
        m_label->SetAutoSize(true);
    } else {
        m_label->resize(width, m_label->height());
        m_label->SetAutoSize(false);
    }
    PositionLabel();
}

void TExLabelLink::SetFont(const QFont& font) {
    if (m_label)
        m_label->setFont(font); // the label's font notification places it
    PositionLabel();
}

bool TExLabelLink::ParentFont() const {
    return m_label && !m_label->testAttribute(Qt::WA_SetFont);
}

void TExLabelLink::SetParentFont(bool on) {
    if (!m_label || on == ParentFont())
        return;
    m_label->setFont(on ? QFont() : m_label->font());
    if (!on)
        m_label->setAttribute(Qt::WA_SetFont, true);
}

} // namespace sw
