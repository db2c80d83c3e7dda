#pragma once

#include "ExEdit.h"

#include <QKeyCombination>
#include <QPixmap>
#include <QPointer>
#include <QToolButton>

namespace sw {

// A typed edit with a small button inside its right edge. The button (or ButtonShortCut,
// Alt+Down by default) runs OnButtonClick with the edit as sender: the length edits of the
// dialogs open the measure editor from it, read the value with AsFloat, take LabelCaption as
// its caption and write the result back with SetAsFloat. Everything of TExEdit applies.
//
// A press on the button first gives the edit the focus; when another control keeps the focus
// (its validation failed) the press is dropped and OnButtonClick does not run. Enter never
// changes the text: it goes on to the dialog's default button.
class TExComboEdit : public TExEdit {
    Q_OBJECT
public:
    explicit TExComboEdit(QWidget* parent = nullptr);
    ~TExComboEdit() override;

    QToolButton* Button() const { return m_button; }

    std::function<void(TExComboEdit* sender)> OnButtonClick;
    // Pressing the shortcut presses the button when it is visible and enabled.
    QKeyCombination ButtonShortCut{Qt::AltModifier, Qt::Key_Down};
    // After OnButtonClick the whole text is selected.
    bool AutoSelect = true;

    TExComboButtonKind ButtonKind() const { return m_kind; }
    // cbkEllipsis puts the three dots back; cbkCustom keeps the current picture.
    void SetButtonKind(TExComboButtonKind kind);
    QPixmap ButtonGlyph() const { return m_glyph; }
    // A non-empty picture makes the kind cbkCustom; an empty one brings the dots back.
    void SetButtonGlyph(const QPixmap& glyph);
    // The glyph holds this many pictures side by side (1 to 4); the first one shows.
    int ButtonNumGlyphs() const { return m_numGlyphs; }
    void SetButtonNumGlyphs(int count);
    Qt::CursorShape ButtonCursor() const { return m_button->cursor().shape(); }
    void SetButtonCursor(Qt::CursorShape shape) { m_button->setCursor(shape); }
    bool ButtonEnabled() const { return m_button->isEnabled(); }
    void SetButtonEnabled(bool on) { m_button->setEnabled(on); }
    QString ButtonHint() const { return m_button->toolTip(); }
    void SetButtonHint(const QString& hint) { m_button->setToolTip(hint); }
    bool ButtonVisible() const { return m_buttonVisible; }
    // A hidden button gives its room back to the text.
    void SetButtonVisible(bool visible);
    int ButtonWidth() const { return m_button->width(); }
    void SetButtonWidth(int width);

    // Three 2 x 2 black dots in a 12 x 2 picture, transparent elsewhere.
    static QPixmap EllipsisGlyph();

    // Presses the button as a click or the shortcut does.
    void ClickButton();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateButtonLayout();
    void ShowGlyph();

    QToolButton* m_button = nullptr;
    TExComboButtonKind m_kind = cbkEllipsis;
    QPixmap m_glyph;
    int m_numGlyphs = 1;
    int m_buttonWidth = 18;
    bool m_buttonVisible = true;
};

} // namespace sw
