#pragma once

#include "DateTimeValue.h"
#include "ExLabel.h"
#include "ExTypes.h"
#include "NumberFormat.h"
#include "SysUtils.h"

#include <QColor>
#include <QLineEdit>
#include <functional>
#include <memory>

namespace sw {

// A single-line edit holding a value of one TExDataType as text, with an attached caption label.
//
// - The text is always the editable text; while the edit does not have the focus it paints its
//   display text instead (DisplayText: the value written by its type, or laid out by
//   DisplayFormat, aligned by Alignment).
// - Typed characters are filtered by DataType (a refused one beeps); a space in a date or time
//   edit fills in today or now.
// - Leaving the edit validates it: trim (TrimText), normalise to the type's canonical text, run
//   OnValidate. A failure keeps the focus in the edit with its whole text selected and reaches
//   TExApplication::HandleException once, from the event loop right after the focus change (a
//   mouse press that moved the focus is dropped, so the pressed button is not clicked); OnExit
//   runs only after a success. Switching to another window is not leaving. Validate() does the
//   same and also checks Required; it raises the error to its caller (a dialog's OK).
// - The accessors read the text as it stands, whatever DataType is; an empty text reads as 0.
//
// The dialogs use AsFloat, AsInteger, Validate, LabelCaption, DataType and DisplayFormat.
class TExEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TExEdit(QWidget* parent = nullptr);
    ~TExEdit() override;

    // --- value type, validation and display ---
    TExDataType DataType() const { return m_dataType; }
    // Clears Validated; right-aligns currency, float and integer values, left-aligns the rest.
    void SetDataType(TExDataType type);
    QString DisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const QString& format);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase charCase);
    // Character 0: the text shows; another character: shown in place of every character.
    QChar PasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(QChar c);
    bool Required = false;
    bool TrimText = true;
    // Characters a dtString edit takes; empty = every character.
    QString ValidChars;
    // True once the current text has passed normalisation and OnValidate; every text change
    // clears it.
    bool Validated() const { return m_validated; }

    // Called during validation, after normalisation, also for an empty text. It may change the
    // text or raise an error, which is treated as a conversion failure.
    std::function<void(TExEdit* sender)> OnValidate;
    // Runs after a successful validation on leaving.
    std::function<void(TExEdit* sender)> OnExit;
    // Each typed character after this edit's filter; a refused one arrives as character 0.
    std::function<void(TExEdit* sender, QChar& key)> OnKeyPress;

    // Validation with the Required check ("O campo '%s' não pode ficar em branco."). On
    // failure: selects the text, takes the focus and raises the error to the caller.
    void Validate();
    // What the edit shows while it does not have the focus; never raises.
    QString DisplayText() const;

    // --- typed accessors (EConvertError for a text that does not read; nothing changes) ---
    TCurrency AsCurrency() const;
    TDateTime AsDate() const;
    TDateTime AsDateTime() const;
    long double AsFloat() const;
    void SetAsFloat(double value); // the general number writer's text (15 digits)
    int AsInteger() const;
    void SetAsInteger(int value);
    TDateTime AsTime() const;
    int AsTimeZone() const; // the empty text fails like any text that is not a time zone

    // --- colours ---
    QColor EnabledColor() const { return m_enabledColor; }
    void SetEnabledColor(const QColor& c);
    // Used while disabled or read-only.
    QColor DisabledColor() const { return m_disabledColor; }
    void SetDisabledColor(const QColor& c);

    // --- the caption label ---
    TExLabel* Label() const { return m_link->Label(); }
    QString LabelCaption() const { return m_link->Caption(); }
    void SetLabelCaption(const QString& caption) { m_link->SetCaption(caption); }
    TExPosition LabelPos() const { return m_link->Pos; }
    void SetLabelPos(TExPosition pos);
    int LabelSpace() const { return m_link->Space; }
    void SetLabelSpace(uint8_t space);
    bool LabelVisible() const { return m_link->Visible; }
    void SetLabelVisible(bool visible);
    // 0: the label sizes itself to its caption; above 0: a fixed width.
    int LabelWidth() const { return m_link->Width(); }
    void SetLabelWidth(int width) { m_link->SetWidth(width); }
    QFont LabelFont() const;
    void SetLabelFont(const QFont& font) { m_link->SetFont(font); }
    bool LabelParentFont() const { return m_link->ParentFont(); }
    void SetLabelParentFont(bool on) { m_link->SetParentFont(on); }

    void setVisible(bool visible) override;

protected:
    // The beep for a refused key; virtual so that tests can hear it.
    virtual void Beep();
    // The text rectangle: where the edit lays out its text.
    QRect TextRect() const;

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void DoValidate(bool checkRequired);
    bool KeyAccepted(QChar c) const;
    void UpdateColor();
    void UpdateEchoMode();
    // Keeps a failed leave from turning into a click on the control the mouse pressed.
    void AbandonPendingClick();

    TAlignment m_alignment = taLeftJustify;
    QColor m_disabledColor;
    QColor m_enabledColor;
    TExDataType m_dataType = dtString;
    QString m_displayFormat;
    TEditCharCase m_charCase = ecNormal;
    QChar m_passwordChar;
    bool m_validated = false;
    bool m_hadFocus = false;
    bool m_leaving = false;
    std::unique_ptr<TExLabelLink> m_link;
};

} // namespace sw
