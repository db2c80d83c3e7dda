#include "uMeasureEditor.h"

#include "ExEdit.h"
#include "Settings.h"
#include "umainTexts.h"

#include <QRadioButton>
#include <QVBoxLayout>
#include <memory>

namespace sw {

namespace {
const QString sSection = QStringLiteral("MeasureEditor");
const QString sUnitKey = QStringLiteral("Unit");
} // namespace

TfrmMeasureEditor::TfrmMeasureEditor() : TExDialog(240, 125) {
    setObjectName(QStringLiteral("frmMeasureEditor"));
    edtMeasure = new TExEdit(this);
    edtMeasure->setObjectName(QStringLiteral("edtMeasure"));
    edtMeasure->setGeometry(15, 15, 120, 21);
    edtMeasure->SetDataType(dtFloat);
    edtMeasure->SetLabelVisible(false);

    radUnit = new QGroupBox(QString::fromUtf8(" Unidade de medida "), this);
    radUnit->setObjectName(QStringLiteral("radUnit"));
    radUnit->setGeometry(15, 50, 120, 60);
    auto* items = new QVBoxLayout(radUnit);
    items->setContentsMargins(8, 2, 4, 2);
    items->setSpacing(0);
    radCentimetre = new QRadioButton(QString::fromUtf8("&Centímetro"), radUnit);
    radInch = new QRadioButton(QStringLiteral("&Polegada"), radUnit);
    items->addWidget(radCentimetre);
    items->addWidget(radInch);
    radCentimetre->setChecked(true);

    BitBtn1 = MakeOkButton(150, 15, 75, 25);
    // Enter in the edit does not confirm: the unit may still be about to change.
    BitBtn1->setAutoDefault(false);
    BitBtn2 = MakeCancelButton(150, 45, 75, 25);
    FormCreate();
}

int TfrmMeasureEditor::Unit() const {
    return radInch->isChecked() ? 1 : 0;
}

void TfrmMeasureEditor::SetUnit(int unit) {
    (unit == 1 ? radInch : radCentimetre)->setChecked(true);
}

void TfrmMeasureEditor::FormCreate() {
    edtMeasure->SetDisplayFormat(umain::sFmtMeasure.text());
    const int unit = GetSettings().ReadInteger(sSection, sUnitKey, 0);
    if (static_cast<unsigned>(unit) < 2)
        SetUnit(unit);
}

void TfrmMeasureEditor::FormCloseQuery() {
    edtMeasure->Validate();
}

void TfrmMeasureEditor::FormClose() {
    GetSettings().WriteInteger(sSection, sUnitKey, Unit());
}

bool ExecuteMeasureEditor(const QString& caption, double& length) {
    auto dialog = std::make_unique<TfrmMeasureEditor>();
    dialog->setWindowTitle(caption);
    if (dialog->Unit() == 0)
        dialog->edtMeasure->SetAsFloat(length);
    else
        dialog->edtMeasure->SetAsFloat(static_cast<double>(length / CentimetresPerInch));
    if (dialog->exec() != QDialog::Accepted)
        return false;
    const long double value = dialog->edtMeasure->AsFloat();
    length = static_cast<double>(dialog->Unit() == 0 ? value : value * CentimetresPerInch);
    return true;
}

} // namespace sw
