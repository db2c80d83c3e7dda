#pragma once

#include "DialogSupport.h"

#include <QString>

class QRadioButton;

namespace sw {

class TExEdit;

// One length typed in centimetres or inches; the unit last confirmed is remembered in the
// settings ("MeasureEditor", "Unit": 0 centimetres, 1 inches).
class TfrmMeasureEditor : public TExDialog {
    Q_OBJECT
public:
    TfrmMeasureEditor();

    TExEdit* edtMeasure = nullptr;
    QGroupBox* radUnit = nullptr;
    QRadioButton* radCentimetre = nullptr;
    QRadioButton* radInch = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    // 0 centimetres, 1 inches.
    int Unit() const;
    void SetUnit(int unit);

protected:
    void FormCloseQuery() override;
    void FormClose() override;

private:
    void FormCreate();
};

// Shows the measure editor titled caption with length (centimetres) in the remembered unit.
// True when confirmed, with length holding the entry in centimetres; otherwise length is
// untouched.
bool ExecuteMeasureEditor(const QString& caption, double& length);

// One inch in centimetres, exactly.
constexpr long double CentimetresPerInch = 2.54L;

} // namespace sw
