#pragma once

#include "ExLabel.h"
#include "ExTypes.h"

#include <QColor>
#include <QComboBox>
#include <functional>
#include <memory>

namespace sw {

// A combo box with one keyboard rule: in the csSimple style Tab, Enter and Escape are left to
// the form (OnKeyDown still sees them).
class TExCustomComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TExCustomComboBox(QWidget* parent = nullptr);

    TComboBoxStyle Style() const { return m_style; }
    // csDropDownList is pick only; csDropDown and csSimple are editable.
    void SetStyle(TComboBoxStyle style);

    std::function<void(TExCustomComboBox* sender, QKeyEvent* event)> OnKeyDown;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TComboBoxStyle m_style = csDropDown;
};

// The combo box with the typed edit's caption label and enabled/disabled colours; no value
// type and no validation. The dialogs use the items, the selected index, the change signal,
// the enabled state and LabelCaption (which names the control in their error messages).
class TExComboBox : public TExCustomComboBox {
    Q_OBJECT
public:
    explicit TExComboBox(QWidget* parent = nullptr);
    ~TExComboBox() override;

    QColor EnabledColor() const { return m_enabledColor; }
    void SetEnabledColor(const QColor& c);
    // Used only while disabled.
    QColor DisabledColor() const { return m_disabledColor; }
    void SetDisabledColor(const QColor& c);

    TExLabel* Label() const { return m_link->Label(); }
    QString LabelCaption() const { return m_link->Caption(); }
    void SetLabelCaption(const QString& caption) { m_link->SetCaption(caption); }
    TExPosition LabelPos() const { return m_link->Pos; }
    void SetLabelPos(TExPosition pos);
    int LabelSpace() const { return m_link->Space; }
    void SetLabelSpace(uint8_t space);
    bool LabelVisible() const { return m_link->Visible; }
    void SetLabelVisible(bool visible);
    int LabelWidth() const { return m_link->Width(); }
    void SetLabelWidth(int width) { m_link->SetWidth(width); }
    QFont LabelFont() const;
    void SetLabelFont(const QFont& font) { m_link->SetFont(font); }
    bool LabelParentFont() const { return m_link->ParentFont(); }
    void SetLabelParentFont(bool on) { m_link->SetParentFont(on); }

    void setVisible(bool visible) override;

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void UpdateColor();

    QColor m_disabledColor;
    QColor m_enabledColor;
    std::unique_ptr<TExLabelLink> m_link;
};

} // namespace sw
