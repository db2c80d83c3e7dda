#include "ExEdit.h"

#include "DateTimeFormat.h"
#include "DateTimeRead.h"
#include "ExApplication.h"
#include "ExConvert.h"
#include "ExDateUtils.h"
#include "LocaleSettings.h"
#include "Messages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionFrame>

namespace sw {

namespace {
const Message sRequiredCaption("exstdctrls.srequiredcaption",
                               "O campo '%s' não pode ficar em branco.");
const Message sRequiredNoCaption("exstdctrls.srequirednocaption",
                                 "Este campo não pode ficar em branco.");

bool isDateOrTime(TExDataType t) {
    return t == dtDate || t == dtDateTime || t == dtTime || t == dtShortTime;
}

// Eats the mouse press that moved the focus away from an edit that refused to let it go, and
// its release, so the pressed button is not clicked: the user first corrects the edit.
class PendingClickEater : public QObject {
public:
    explicit PendingClickEater(QWidget* keeper) : m_keeper(keeper) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w)
            return false;
        const bool inKeeper = m_keeper && (w == m_keeper || m_keeper->isAncestorOf(w));
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (m_pressEaten || inKeeper) {
                finish();
                return false;
            }
            m_pressEaten = true;
            return true;
        case QEvent::MouseButtonRelease:
            if (inKeeper) {
                finish();
                return false;
            }
            finish();
            return true;
        default:
            return false;
        }
    }

private:
    void finish() {
        qApp->removeEventFilter(this);
        deleteLater();
    }

    QPointer<QWidget> m_keeper;
    bool m_pressEaten = false;
};

QString trimmed(const QString& s) {
    return TrimControl(s);
}
} // namespace

TExEdit::TExEdit(QWidget* parent) : QLineEdit(parent) {
    const QPalette app = QApplication::palette();
    m_disabledColor = app.color(QPalette::Button); // the button face
    m_enabledColor = app.color(QPalette::Base);    // the window background of edits
    connect(this, &QLineEdit::textChanged, this, [this] { m_validated = false; });
    m_link = std::make_unique<TExLabelLink>(this);
    UpdateColor();
    m_link->UpdateLabelVisibility();
    m_link->PositionLabel();
}

TExEdit::~TExEdit() {
    m_link.reset();
}

void TExEdit::SetDataType(TExDataType type) {
    if (type == m_dataType)
        return;
    m_dataType = type;
    m_validated = false;
    const bool number = type == dtCurrency || type == dtFloat || type == dtInteger;
    m_alignment = number ? taRightJustify : taLeftJustify;
    update();
}

void TExEdit::SetDisplayFormat(const QString& format) {
    if (format == m_displayFormat)
        return;
    m_displayFormat = format;
    update();
}

void TExEdit::SetAlignment(TAlignment alignment) {
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void TExEdit::SetCharCase(TEditCharCase charCase) {
    m_charCase = charCase;
    update();
}

void TExEdit::SetPasswordChar(QChar c) {
    m_passwordChar = c;
    UpdateEchoMode();
    update();
}

void TExEdit::SetEnabledColor(const QColor& c) {
    if (c == m_enabledColor)
        return;
    m_enabledColor = c;
    UpdateColor();
}

void TExEdit::SetDisabledColor(const QColor& c) {
    if (c == m_disabledColor)
        return;
    m_disabledColor = c;
    UpdateColor();
}

void TExEdit::SetLabelPos(TExPosition pos) {
    if (pos == m_link->Pos)
        return;
    m_link->Pos = pos;
    m_link->PositionLabel();
}

void TExEdit::SetLabelSpace(uint8_t space) {
    if (space == m_link->Space)
        return;
    m_link->Space = space;
    m_link->PositionLabel();
}

void TExEdit::SetLabelVisible(bool visible) {
    if (visible == m_link->Visible)
        return;
    m_link->Visible = visible;
    m_link->UpdateLabelVisibility();
}

QFont TExEdit::LabelFont() const {
    return Label() ? Label()->font() : font();
}

void TExEdit::setVisible(bool visible) {
    QLineEdit::setVisible(visible);
    if (m_link)
        m_link->UpdateLabelVisibility();
}

void TExEdit::UpdateColor() {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, !isEnabled() || isReadOnly() ? m_disabledColor : m_enabledColor);
    setPalette(pal);
}

void TExEdit::UpdateEchoMode() {
    setEchoMode(m_passwordChar.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

void TExEdit::Beep() {
    QApplication::beep();
}

// --- keys ---

bool TExEdit::KeyAccepted(QChar c) const {
    if (c.unicode() < 32)
        return true;
    const TFormatSettings& fs = FormatSettings();
    const bool digit = c.unicode() >= '0' && c.unicode() <= '9';
    const bool sign = c == QLatin1Char('+') || c == QLatin1Char('-');
    switch (m_dataType) {
    case dtCurrency:
    case dtFloat:
        return digit || sign || c == fs.DecimalSeparator;
    case dtDate:
        return digit || c == fs.DateSeparator;
    case dtDateTime:
        return digit || c == fs.DateSeparator || c == fs.TimeSeparator;
    case dtInteger:
        return digit || sign;
    case dtTime:
    case dtShortTime:
        return digit || c == fs.TimeSeparator;
    case dtTimeZone:
        return digit || sign || c == fs.TimeSeparator;
    case dtString:
        return ValidChars.isEmpty() || ValidChars.contains(c);
    }
    return true;
}

void TExEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool chord =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (typed.size() != 1 || typed[0].unicode() < 32 || chord) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar key = typed[0];
    if (key == QLatin1Char(' ') && isDateOrTime(m_dataType) && !isReadOnly()) {
        switch (m_dataType) {
        case dtDate:
            setText(DateToStr(Date()));
            break;
        case dtDateTime:
            setText(DateTimeToStr(Now()));
            break;
        case dtTime:
            setText(TimeToStr(Now()));
            break;
        default:
            setText(ShortTimeToStr(Now()));
            break;
        }
        end(false);
        key = QChar();
    } else if (!KeyAccepted(key)) {
        key = QChar();
        Beep();
    } else if (m_charCase == ecUpperCase) {
        key = key.toUpper();
    } else if (m_charCase == ecLowerCase) {
        key = key.toLower();
    }
    if (OnKeyPress)
        OnKeyPress(this, key);
    event->accept();
    if (key.isNull())
        return;
    QKeyEvent changed(event->type(), event->key(), event->modifiers(), QString(key),
                      event->isAutoRepeat(), static_cast<ushort>(event->count()));
    QLineEdit::keyPressEvent(&changed);
}

// --- validation ---

void TExEdit::DoValidate(bool checkRequired) {
    try {
        if (!m_validated) {
            if (TrimText)
                setText(trimmed(text()));
            if (!text().isEmpty() && m_dataType != dtString)
                setText(NormalizeValueText(m_dataType, text()));
            if (OnValidate) {
                OnValidate(this);
                if (TrimText)
                    setText(trimmed(text()));
            }
            m_validated = true;
        }
        if (checkRequired && Required && text().isEmpty()) {
            const QString caption = LabelCaption();
            if (caption.isEmpty() || !LabelVisible())
                throw Exception(sRequiredNoCaption.text());
            throw Exception(sRequiredCaption.text(), {caption});
        }
    } catch (const Exception&) {
        if (focusPolicy() != Qt::NoFocus && isEnabled() && isVisible())
            setFocus();
        selectAll();
        throw;
    }
}

void TExEdit::Validate() {
    DoValidate(true);
}

void TExEdit::focusInEvent(QFocusEvent* event) {
    m_hadFocus = true;
    QLineEdit::focusInEvent(event);
    update();
}

void TExEdit::AbandonPendingClick() {
    new PendingClickEater(this);
}

void TExEdit::focusOutEvent(QFocusEvent* event) {
    const bool leaving = m_hadFocus;
    m_hadFocus = false;
    const Qt::FocusReason reason = event->reason();
    // Switching windows, opening a menu or hiding the edit is not leaving it for another entry.
    if (!leaving || m_leaving || reason == Qt::ActiveWindowFocusReason ||
        reason == Qt::PopupFocusReason || !isVisible() || !isEnabled()) {
        QLineEdit::focusOutEvent(event);
        update();
        return;
    }
    m_leaving = true;
    try {
        DoValidate(false);
        QLineEdit::focusOutEvent(event);
        if (OnExit)
            OnExit(this);
    } catch (const Exception& e) {
        // Qt does not let the error cross its focus change: the edit has taken the focus back
        // (DoValidate), and the error goes to the application's handler once the change is
        // over.
        if (!hasFocus() && focusPolicy() != Qt::NoFocus)
            setFocus();
        selectAll();
        if (reason == Qt::MouseFocusReason)
            AbandonPendingClick();
        if (!dynamic_cast<const EAbort*>(&e)) {
            const Exception error(e.message());
            QMetaObject::invokeMethod(
                qApp, [error] { TExApplication::HandleException(error); }, Qt::QueuedConnection);
        }
    }
    m_leaving = false;
    update();
}

// --- display ---

QString TExEdit::DisplayText() const {
    return DisplayValueText(m_dataType, text(), m_displayFormat);
}

QRect TExEdit::TextRect() const {
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &opt, this)
        .marginsRemoved(textMargins());
}

void TExEdit::paintEvent(QPaintEvent* event) {
    if (hasFocus()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter p(this);
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &opt, &p, this);

    QString s = DisplayText();
    if (m_charCase == ecUpperCase)
        s = s.toUpper();
    else if (m_charCase == ecLowerCase)
        s = s.toLower();
    if (!m_passwordChar.isNull())
        s = QString(s.size(), m_passwordChar);

    const QRect r = TextRect();
    const QFontMetrics fm(font());
    const int h1 = QFontMetrics(QApplication::font()).height();
    const int margin = hasFrame() ? qMin(h1, fm.height()) / 4 - 2 : 0;
    const int w = fm.horizontalAdvance(s);
    const int right = r.x() + r.width(); // exclusive, as the text rectangle's right edge
    int x = r.x() + margin;
    if (m_alignment == taRightJustify)
        x = right - w - margin - 1;
    else if (m_alignment == taCenter)
        x = r.x() + (r.width() - w) / 2;
    // Vertically where the line edit puts its own text, so focus changes do not move it.
    const int baseline = r.y() + (r.height() - fm.height() + 1) / 2 + fm.ascent();
    p.setFont(font());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    p.setClipRect(r.adjusted(1, 0, -1, 0));
    p.drawText(x, baseline, s);
}

// --- notifications ---

void TExEdit::moveEvent(QMoveEvent* event) {
    QLineEdit::moveEvent(event);
    if (m_link)
        m_link->PositionLabel();
}

void TExEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    if (m_link)
        m_link->PositionLabel();
}

void TExEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        UpdateColor();
}

bool TExEdit::event(QEvent* event) {
    const bool result = QLineEdit::event(event);
    if (event->type() == QEvent::ReadOnlyChange)
        UpdateColor();
    else if (event->type() == QEvent::ParentChange && m_link)
        m_link->UpdateLabelVisibility();
    return result;
}

// --- typed accessors ---

TCurrency TExEdit::AsCurrency() const {
    return text().isEmpty() ? 0 : ReadCurrencyValue(text());
}

TDateTime TExEdit::AsDate() const {
    return text().isEmpty() ? 0 : StrToDateEx(text());
}

TDateTime TExEdit::AsDateTime() const {
    return text().isEmpty() ? 0 : StrToDateTimeEx(text());
}

long double TExEdit::AsFloat() const {
    return text().isEmpty() ? 0 : StrToFloat(text());
}

void TExEdit::SetAsFloat(double value) {
    setText(FloatToStr(value));
}

int TExEdit::AsInteger() const {
    return text().isEmpty() ? 0 : StrToInt(text());
}

void TExEdit::SetAsInteger(int value) {
    setText(IntToStr(value));
}

TDateTime TExEdit::AsTime() const {
    return text().isEmpty() ? 0 : StrToTimeEx(text());
}

int TExEdit::AsTimeZone() const {
    return StrToTimeZone(text());
}

} // namespace sw
