#include "uPaperEditor.h"

#include "ExComboBox.h"
#include "ExComboEdit.h"
#include "uMeasureEditor.h"
#include "umainTexts.h"

#include <memory>

namespace sw {

const std::array<TPaperSizeRow, 9> PaperSizes = {{
    {1, "Carta (216 x 279 mm)"},
    {5, "Ofíciol (216 x 356 mm)"},
    {9, "A4 (210 x 297 mm)"},
    {11, "A5 (148 x 210 mm)"},
    {12, "B4 (257 x 364 mm)"},
    {13, "B5 (182 x 257 mm)"},
    {20, "Envelope #10 (104,6 x 241,3 mm)"},
    {27, "Envelope DL (110 x 220 mm)"},
    {0, "Personalizado"},
}};

int IndexOfPaperSize(uint16_t code) {
    for (size_t i = 0; i < PaperSizes.size(); ++i)
        if (PaperSizes[i].Code == code)
            return static_cast<int>(i);
    return -1;
}

namespace {
constexpr int LabelWidth = 60;

[[noreturn]] void failWith(const char* word) {
    throw Exception(umain::sInvalidFieldValue.text(), {QString::fromUtf8(word)});
}

TExComboBox* makeList(QWidget* parent, const char* name, const char* label, QRect geometry) {
    auto* c = new TExComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->SetStyle(csDropDownList);
    c->setGeometry(geometry);
    c->SetLabelCaption(QString::fromUtf8(label));
    c->SetLabelWidth(LabelWidth);
    return c;
}

TExComboEdit* makeLength(QWidget* parent, const char* name, const char* label, int top) {
    auto* e = new TExComboEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(80, top, 80, 21);
    e->SetDataType(dtFloat);
    e->SetButtonWidth(18);
    e->SetLabelCaption(QString::fromUtf8(label));
    e->SetLabelWidth(LabelWidth);
    return e;
}
} // namespace

TfrmPaperEditor::TfrmPaperEditor() : TExDialog(300, 175) {
    setObjectName(QStringLiteral("frmPaperEditor"));
    cbxSize = makeList(this, "cbxSize", "Tamanho", QRect(80, 20, 200, 21));
    edtWidth = makeLength(this, "edtWidth", "Largura", 47);
    edtHeight = makeLength(this, "edtHeight", "Altura", 74);
    cbxOrientation = makeList(this, "cbxOrientation", "Orientação", QRect(80, 100, 145, 21));
    cbxOrientation->addItems({QStringLiteral("Retrato"), QStringLiteral("Paisagem")});
    btnOk = MakeOkButton(80, 135, 95, 25);
    btnOk->setDefault(true);
    btnCancel = MakeCancelButton(185, 135, 95, 25);
    FormCreate();
    connect(cbxSize, &QComboBox::currentIndexChanged, this, &TfrmPaperEditor::cbxSizeChange);
    connect(cbxOrientation, &QComboBox::currentIndexChanged, this, &TfrmPaperEditor::cbxSizeChange);
}

void TfrmPaperEditor::FormCreate() {
    setWindowTitle(umain::sPaper.text());
    for (TExComboEdit* edit : {edtWidth, edtHeight}) {
        edit->SetDisplayFormat(umain::sFmtCm.text());
        edit->OnButtonClick = [this](TExComboEdit* sender) { MeasureButtonClick(sender); };
    }
    cbxSize->clear();
    for (const TPaperSizeRow& row : PaperSizes)
        cbxSize->addItem(QString::fromUtf8(row.Caption));
    cbxSize->setCurrentIndex(-1);
}

bool TfrmPaperEditor::IsCustomSize() const {
    const int i = cbxSize->currentIndex();
    return i >= 0 && i < static_cast<int>(PaperSizes.size()) && PaperSizes[i].Code == 0;
}

void TfrmPaperEditor::cbxSizeChange() {
    // The numbers stay as they are: a standard size only stops them from counting.
    edtWidth->setEnabled(IsCustomSize());
    edtHeight->setEnabled(edtWidth->isEnabled());
}

void TfrmPaperEditor::showEvent(QShowEvent* event) {
    TExDialog::showEvent(event);
    cbxSizeChange();
}

void TfrmPaperEditor::MeasureButtonClick(TExComboEdit* sender) {
    double value = static_cast<double>(sender->AsFloat());
    if (ExecuteMeasureEditor(sender->LabelCaption(), value))
        sender->SetAsFloat(value);
}

void TfrmPaperEditor::FormCloseQuery() {
    if (cbxSize->currentIndex() < 0)
        failWith("Tamanho");
    if (!IsCustomSize())
        return;
    if (edtWidth->AsFloat() <= 0)
        failWith("Largura");
    if (edtHeight->AsFloat() <= 0)
        failWith("Altura");
}

bool ExecutePaperEditor(TPaperInfo& paper) {
    auto dialog = std::make_unique<TfrmPaperEditor>();
    dialog->cbxOrientation->setCurrentIndex((paper.PaperSize & LandscapeBit) ? 1 : 0);
    const uint16_t code = paper.PaperSize & ~LandscapeBit;
    dialog->cbxSize->setCurrentIndex(IndexOfPaperSize(code));
    if (code == 0) {
        dialog->edtWidth->SetAsFloat(paper.PaperWidth);
        dialog->edtHeight->SetAsFloat(paper.PaperHeight);
    } else {
        dialog->edtWidth->SetAsFloat(0);
        dialog->edtHeight->SetAsFloat(0);
    }
    if (dialog->exec() != QDialog::Accepted)
        return false;
    uint16_t result = PaperSizes[dialog->cbxSize->currentIndex()].Code;
    if (result == 0) {
        paper.PaperWidth = static_cast<double>(dialog->edtWidth->AsFloat());
        paper.PaperHeight = static_cast<double>(dialog->edtHeight->AsFloat());
    } else {
        paper.PaperWidth = 0;
        paper.PaperHeight = 0;
    }
    if (dialog->cbxOrientation->currentIndex() > 0)
        result |= LandscapeBit;
    paper.PaperSize = result;
    return true;
}

} // namespace sw
