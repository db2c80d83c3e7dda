#include "ExComboBox.h"

#include <QApplication>
#include <QKeyEvent>

namespace sw {

TExCustomComboBox::TExCustomComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
}

void TExCustomComboBox::SetStyle(TComboBoxStyle style) {
    m_style = style;
    setEditable(style != csDropDownList);
}

void TExCustomComboBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool formKey = key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return ||
                         key == Qt::Key_Enter || key == Qt::Key_Escape;
    if (OnKeyDown)
        OnKeyDown(this, event);
    if (m_style == csSimple && formKey) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

TExComboBox::TExComboBox(QWidget* parent) : TExCustomComboBox(parent) {
    const QPalette app = QApplication::palette();
    m_disabledColor = app.color(QPalette::Button);
    m_enabledColor = app.color(QPalette::Base);
    m_link = std::make_unique<TExLabelLink>(this);
    UpdateColor();
    m_link->UpdateLabelVisibility();
    m_link->PositionLabel();
}

TExComboBox::~TExComboBox() {
    m_link.reset();
}

void TExComboBox::SetEnabledColor(const QColor& c) {
    if (c == m_enabledColor)
        return;
    m_enabledColor = c;
    UpdateColor();
}

void TExComboBox::SetDisabledColor(const QColor& c) {
    if (c == m_disabledColor)
        return;
    m_disabledColor = c;
    UpdateColor();
}

void TExComboBox::UpdateColor() {
    QPalette pal = palette();
    const QColor c = isEnabled() ? m_enabledColor : m_disabledColor;
    pal.setColor(QPalette::Base, c);
    pal.setColor(QPalette::Button, c);
    setPalette(pal);
}

void TExComboBox::SetLabelPos(TExPosition pos) {
    if (pos == m_link->Pos)
        return;
    m_link->Pos = pos;
    m_link->PositionLabel();
}

void TExComboBox::SetLabelSpace(uint8_t space) {
    if (space == m_link->Space)
        return;
    m_link->Space = space;
    m_link->PositionLabel();
}

void TExComboBox::SetLabelVisible(bool visible) {
    if (visible == m_link->Visible)
        return;
    m_link->Visible = visible;
    m_link->UpdateLabelVisibility();
}

QFont TExComboBox::LabelFont() const {
    return Label() ? Label()->font() : font();
}

void TExComboBox::setVisible(bool visible) {
    TExCustomComboBox::setVisible(visible);
    if (m_link)
        m_link->UpdateLabelVisibility();
}

void TExComboBox::moveEvent(QMoveEvent* event) {
    TExCustomComboBox::moveEvent(event);
    if (m_link)
        m_link->PositionLabel();
}

void TExComboBox::resizeEvent(QResizeEvent* event) {
    TExCustomComboBox::resizeEvent(event);
    if (m_link)
        m_link->PositionLabel();
}

void TExComboBox::changeEvent(QEvent* event) {
    TExCustomComboBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        UpdateColor();
}

bool TExComboBox::event(QEvent* event) {
    const bool result = TExCustomComboBox::event(event);
    if (event->type() == QEvent::ParentChange && m_link)
        m_link->UpdateLabelVisibility();
    return result;
}

} // namespace sw
