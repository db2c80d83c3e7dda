#pragma once

#include "ExTypes.h"

#include <QLabel>
#include <QPointer>
#include <functional>

namespace sw {

// The caption label a typed control keeps beside itself. It tells its owner when its font
// changes (its own, its parent's, or through ParentFont) so the owner can measure and place it
// again.
class TExLabel : public QLabel {
    Q_OBJECT
public:
    explicit TExLabel(QWidget* parent = nullptr);

    std::function<void(TExLabel* sender)> OnFontChanged;
    // The label's click action; its accelerator ("&" in the caption) runs it when set.
    std::function<void(TExLabel* sender)> OnClick;

    // Automatic sizing: the label takes its caption's size each time it is placed. Off, it
    // keeps a fixed width.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);
    void Measure();

protected:
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_autoSize = true;
};

// The label half of a labelled control: the owned label, where it stands and whether it may
// be shown. The control forwards its own moves, resizes, visibility and parent changes here.
class TExLabelLink {
public:
    explicit TExLabelLink(QWidget* control);
    ~TExLabelLink();
    TExLabelLink(const TExLabelLink&) = delete;
    TExLabelLink& operator=(const TExLabelLink&) = delete;

    TExLabel* Label() const { return m_label; }

    TExPosition Pos = poLeftCenter;
    uint8_t Space = 2;
    bool Visible = true;

    // Places the label beside the control by Pos and Space, measuring it first when it sizes
    // itself.
    void PositionLabel();
    // The label shows exactly when the control is visible and Visible is on; a hidden label is
    // taken off any parent.
    void UpdateLabelVisibility();

    QString Caption() const;
    void SetCaption(const QString& caption);
    // 0 when the label sizes itself; otherwise its fixed width.
    int Width() const;
    void SetWidth(int width);
    void SetFont(const QFont& font);
    bool ParentFont() const;
    void SetParentFont(bool on);

    // Set while the control is being destroyed: moves no longer place the label.
    bool Destroying = false;

private:
    QWidget* m_control;
    QPointer<TExLabel> m_label;
};

// Whether a control would show if its parent showed: the control's own visibility flag.
bool OwnVisible(const QWidget* w);

} // namespace sw
