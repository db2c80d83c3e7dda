#include "uFieldEditor.h"

#include "ExComboBox.h"
#include "ExComboEdit.h"
#include "ExEdit.h"
#include "uMeasureEditor.h"
#include "umainTexts.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QMouseEvent>
#include <limits>
#include <memory>

namespace sw {

namespace {
FieldEditorFunction& editorSlot() {
    static FieldEditorFunction editor;
    return editor;
}

FontChooserFunction& fontChooserSlot() {
    static FontChooserFunction chooser;
    return chooser;
}

bool chooseFont(QWidget* parent, QFont& font) {
    if (fontChooserSlot())
        return fontChooserSlot()(parent, font);
    QFontDialog dialog(font, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.selectedFont();
    return true;
}

constexpr uint32_t StyleBits = fsBold | fsItalic | fsUnderline | fsStrikeOut;

// Blanks and control characters, as a name's surroundings are trimmed.
QString trimBlanks(const QString& s) {
    qsizetype first = 0, last = s.size();
    while (first < last && s[first] <= QLatin1Char(' '))
        ++first;
    while (last > first && s[last - 1] <= QLatin1Char(' '))
        --last;
    return s.mid(first, last - first);
}

template <typename Control> [[noreturn]] void failFor(Control* control) {
    control->setFocus();
    throw Exception(umain::sInvalidFieldValue.text(), {control->LabelCaption()});
}

TExEdit* makeEdit(QWidget* parent, const char* name, const char* label, QRect geometry,
                  TExDataType type) {
    auto* e = new TExEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(geometry);
    e->SetDataType(type);
    e->SetLabelCaption(QString::fromUtf8(label));
    e->SetLabelWidth(55);
    return e;
}

TExComboEdit* makeLength(QWidget* parent, const char* name, const char* label, int left) {
    auto* e = new TExComboEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(left, 6, 60, 21);
    e->SetDataType(dtFloat);
    e->SetButtonWidth(18);
    e->SetLabelCaption(QString::fromUtf8(label));
    return e;
}

TExComboBox* makeList(QWidget* parent, const char* name, const char* label, int top,
                      const QStringList& items) {
    auto* c = new TExComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->SetStyle(csDropDownList);
    c->setGeometry(68, top, 155, 21);
    c->SetLabelCaption(QString::fromUtf8(label));
    c->SetLabelWidth(55);
    c->addItems(items);
    c->setCurrentIndex(-1);
    return c;
}

// Selects index, or nothing when the list does not hold it.
void selectIndex(QComboBox* list, int index) {
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

bool validIndex(const QComboBox* list) {
    const int i = list->currentIndex();
    return i >= 0 && i <= 2;
}
} // namespace

void TFontPanel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        OnClick)
        OnClick();
}

void SetFontChooserFunction(FontChooserFunction chooser) {
    fontChooserSlot() = std::move(chooser);
}

TfrmFieldEditor::TfrmFieldEditor() : TExDialog(540, 285) {
    setObjectName(QStringLiteral("frmFieldEditor"));
    grpName = new TExGroupBox(QStringLiteral(" Campo "), this, 15, 15, 260, 80);
    edtName = makeEdit(grpName->Client(), "edtName", "Nome", QRect(68, 6, 175, 21), dtString);
    edtSize = makeEdit(grpName->Client(), "edtSize", "Tamanho", QRect(68, 33, 50, 21), dtInteger);

    grpPosition = new TExGroupBox(QString::fromUtf8(" Posição "), this, 15, 105, 260, 55);
    edtLeft = makeLength(grpPosition->Client(), "edtLeft", "Esquerda", 63);
    edtTop = makeLength(grpPosition->Client(), "edtTop", "Superior", 183);

    grpDimension = new TExGroupBox(QString::fromUtf8(" Dimensão "), this, 15, 170, 260, 55);
    edtWidth = makeLength(grpDimension->Client(), "edtWidth", "Largura", 63);
    edtHeight = makeLength(grpDimension->Client(), "edtHeight", "Altura", 183);

    chkPrint = new QCheckBox(QStringLiteral("&Imprimir"), this);
    chkPrint->setObjectName(QStringLiteral("chkPrint"));
    chkPrint->setGeometry(15, 240, 75, 19);

    grpAlignment = new TExGroupBox(QStringLiteral(" Alinhamento "), this, 285, 15, 240, 80);
    cbxHorzAlignment =
        makeList(grpAlignment->Client(), "cbxHorzAlignment", "Horizontal", 6,
                 {QStringLiteral("Esquerda"), QStringLiteral("Centro"), QStringLiteral("Direita")});
    cbxVertAlignment =
        makeList(grpAlignment->Client(), "cbxVertAlignment", "Vertical", 33,
                 {QStringLiteral("Topo"), QStringLiteral("Centro"), QString::fromUtf8("Rodapé")});

    grpFont = new TExGroupBox(QStringLiteral(" Fonte "), this, 285, 105, 240, 120);
    pnlFont = new TFontPanel(grpFont->Client());
    pnlFont->setObjectName(QStringLiteral("pnlFont"));
    pnlFont->setGeometry(grpFont->Client()->rect());
    pnlFont->setAlignment(Qt::AlignCenter);
    pnlFont->setMargin(5);
    pnlFont->setCursor(Qt::PointingHandCursor);
    pnlFont->OnClick = [this] { btnFont->click(); };

    btnFont = new QPushButton(QStringLiteral("&Fonte..."), this);
    btnFont->setObjectName(QStringLiteral("btnFont"));
    btnFont->setGeometry(290, 240, 75, 25);
    btnFont->setAutoDefault(false);
    connect(btnFont, &QPushButton::clicked, this, &TfrmFieldEditor::btnFontClick);

    BitBtn1 = MakeOkButton(370, 240, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn2 = MakeCancelButton(450, 240, 75, 25);
    FormCreate();
}

void TfrmFieldEditor::FormCreate() {
    setWindowTitle(umain::sFieldEditor.text());
    for (TExComboEdit* edit : {edtLeft, edtTop, edtWidth, edtHeight}) {
        edit->SetDisplayFormat(umain::sFmtCm.text());
        edit->OnButtonClick = [this](TExComboEdit* sender) { MeasureButtonClick(sender); };
    }
}

void TfrmFieldEditor::Fill(const TExPrinterField& field) {
    edtName->setText(field.Name.toString());
    edtSize->SetAsInteger(field.Size);
    edtLeft->SetAsFloat(field.Left);
    edtTop->SetAsFloat(field.Top);
    edtWidth->SetAsFloat(field.Width);
    edtHeight->SetAsFloat(field.Height);
    selectIndex(cbxHorzAlignment, field.HorzAlignment - 1);
    selectIndex(cbxVertAlignment, field.VertAlignment - 1);
    QFont font = pnlFont->font();
    font.setFamily(field.FontName.toString());
    if (field.FontSize > 0)
        font.setPointSize(field.FontSize);
    font.setBold(field.FontStyle & fsBold);
    font.setItalic(field.FontStyle & fsItalic);
    font.setUnderline(field.FontStyle & fsUnderline);
    font.setStrikeOut(field.FontStyle & fsStrikeOut);
    pnlFont->setFont(font);
    UpdateFontCaption();
    chkPrint->setChecked(field.Print != 0);
}

void TfrmFieldEditor::ReadBack(TExPrinterField& field) const {
    field.Name.assign(edtName->text());
    field.Size = static_cast<uint16_t>(edtSize->AsInteger());
    field.Left = static_cast<double>(edtLeft->AsFloat());
    field.Top = static_cast<double>(edtTop->AsFloat());
    field.Width = static_cast<double>(edtWidth->AsFloat());
    field.Height = static_cast<double>(edtHeight->AsFloat());
    field.HorzAlignment = static_cast<uint8_t>(cbxHorzAlignment->currentIndex() + 1);
    field.VertAlignment = static_cast<uint8_t>(cbxVertAlignment->currentIndex() + 1);
    const QFont font = pnlFont->font();
    field.FontName.assign(font.family());
    // A size the font cannot tell in points stays as the record had it.
    if (font.pointSize() > 0)
        field.FontSize = font.pointSize();
    uint32_t style = 0;
    if (font.bold())
        style |= fsBold;
    if (font.italic())
        style |= fsItalic;
    if (font.underline())
        style |= fsUnderline;
    if (font.strikeOut())
        style |= fsStrikeOut;
    field.FontStyle = (field.FontStyle & ~StyleBits) | style;
    field.Print = chkPrint->isChecked() ? 1 : 0;
}

void TfrmFieldEditor::UpdateFontCaption() {
    pnlFont->setText(pnlFont->font().family());
}

void TfrmFieldEditor::btnFontClick() {
    QFont font = pnlFont->font();
    if (!chooseFont(this, font))
        return;
    pnlFont->setFont(font);
    UpdateFontCaption();
}

void TfrmFieldEditor::MeasureButtonClick(TExComboEdit* sender) {
    double value = static_cast<double>(sender->AsFloat());
    if (ExecuteMeasureEditor(sender->LabelCaption(), value))
        sender->SetAsFloat(value);
}

void TfrmFieldEditor::FormCloseQuery() {
    for (TExEdit* edit : {static_cast<TExEdit*>(edtSize), static_cast<TExEdit*>(edtLeft),
                          static_cast<TExEdit*>(edtTop), static_cast<TExEdit*>(edtWidth),
                          static_cast<TExEdit*>(edtHeight)})
        edit->Validate();
    edtName->setText(trimBlanks(edtName->text()));
    if (edtName->text().isEmpty())
        failFor(edtName);
    // The record holds the size in 16 bits: a larger number would come back wrapped.
    const int size = edtSize->AsInteger();
    if (size < 0 || size > std::numeric_limits<uint16_t>::max())
        failFor(edtSize);
    if (edtWidth->AsFloat() < 0)
        failFor(edtWidth);
    if (edtHeight->AsFloat() < 0)
        failFor(edtHeight);
    if (!validIndex(cbxHorzAlignment))
        failFor(cbxHorzAlignment);
    if (!validIndex(cbxVertAlignment))
        failFor(cbxVertAlignment);
}

namespace {
bool ShowFieldEditorDialog(TExPrinterField& field) {
    auto dialog = std::make_unique<TfrmFieldEditor>();
    dialog->Fill(field);
    if (dialog->exec() != QDialog::Accepted)
        return false;
    dialog->ReadBack(field);
    return true;
}
} // namespace

bool ExecuteFieldEditor(TExPrinterField& field) {
    if (editorSlot())
        return editorSlot()(field);
    return ShowFieldEditorDialog(field);
}

void SetFieldEditorFunction(FieldEditorFunction editor) {
    editorSlot() = std::move(editor);
}

} // namespace sw
