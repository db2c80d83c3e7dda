#pragma once

#include "DialogSupport.h"
#include "ExPrinterRecords.h"

#include <array>
#include <cstdint>

namespace sw {

class TExComboBox;
class TExComboEdit;

// A paper the editor offers: the printer's paper code (0 = custom size) and its caption.
struct TPaperSizeRow {
    uint16_t Code;
    const char* Caption; // UTF-8
};

// The sizes of the paper list, in list order; the last row is the custom size.
extern const std::array<TPaperSizeRow, 9> PaperSizes;

// The first row of PaperSizes with the code, or -1.
int IndexOfPaperSize(uint16_t code);

// The paper of a layout: one of the listed sizes or a custom width and height, and the
// orientation, which travels in bit 15 of the code.
class TfrmPaperEditor : public TExDialog {
    Q_OBJECT
public:
    TfrmPaperEditor();

    TExComboBox* cbxSize = nullptr;
    TExComboEdit* edtWidth = nullptr;
    TExComboEdit* edtHeight = nullptr;
    TExComboBox* cbxOrientation = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

    // A size is selected and it is the custom one.
    bool IsCustomSize() const;
    void cbxSizeChange();

protected:
    void FormCloseQuery() override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void MeasureButtonClick(TExComboEdit* sender);
};

// Shows the paper editor filled from paper; true when confirmed, and only then has paper
// changed.
bool ExecutePaperEditor(TPaperInfo& paper);

} // namespace sw
