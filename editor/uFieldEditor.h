#pragma once

#include "DialogSupport.h"
#include "ExPrinterRecords.h"

#include <QLabel>
#include <functional>

class QCheckBox;

namespace sw {

class TExComboBox;
class TExComboEdit;
class TExEdit;

// Edits one field record in the field editor dialog. Returns true when the user confirmed, and
// only then has the record changed.
bool ExecuteFieldEditor(TExPrinterField& field);

// Tests put a scripted answer in place of the dialog; an empty function puts the dialog back.
using FieldEditorFunction = std::function<bool(TExPrinterField&)>;
void SetFieldEditorFunction(FieldEditorFunction editor);

// The font preview: the font's name written in the font; a click chooses another font.
class TFontPanel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    std::function<void()> OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The font chooser; replaceable so that tests answer it. Returns true and sets font when the
// user picked one.
using FontChooserFunction = std::function<bool(QWidget* parent, QFont& font)>;
void SetFontChooserFunction(FontChooserFunction chooser);

// Every property of one field: name, size, position, dimension, alignment, font, print flag.
class TfrmFieldEditor : public TExDialog {
    Q_OBJECT
public:
    TfrmFieldEditor();

    TExGroupBox* grpName = nullptr;
    TExEdit* edtName = nullptr;
    TExEdit* edtSize = nullptr;
    TExGroupBox* grpPosition = nullptr;
    TExComboEdit* edtLeft = nullptr;
    TExComboEdit* edtTop = nullptr;
    TExGroupBox* grpDimension = nullptr;
    TExComboEdit* edtWidth = nullptr;
    TExComboEdit* edtHeight = nullptr;
    QCheckBox* chkPrint = nullptr;
    TExGroupBox* grpAlignment = nullptr;
    TExComboBox* cbxHorzAlignment = nullptr;
    TExComboBox* cbxVertAlignment = nullptr;
    TExGroupBox* grpFont = nullptr;
    TFontPanel* pnlFont = nullptr;
    QPushButton* btnFont = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    void Fill(const TExPrinterField& field);
    void ReadBack(TExPrinterField& field) const;
    void btnFontClick();
    void UpdateFontCaption();

protected:
    void FormCloseQuery() override;

private:
    void FormCreate();
    void MeasureButtonClick(TExComboEdit* sender);
};

} // namespace sw
