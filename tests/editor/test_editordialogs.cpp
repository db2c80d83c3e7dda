// The field, paper and measure editors offscreen, through their entry functions.
#include "EditorTestSupport.h"
#include "ExApplication.h"
#include "ExComboBox.h"
#include "ExComboEdit.h"
#include "LocaleSettings.h"
#include "Settings.h"
#include "uFieldEditor.h"
#include "uMeasureEditor.h"
#include "uPaperEditor.h"

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <gtest/gtest.h>

using namespace sw;
using edtest::Field;

namespace {

// Runs f on the modal dialog of type D once it shows.
template <typename D> void onDialog(std::function<void(D*)> f) {
    QTimer::singleShot(0, [f] {
        auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        f(d);
    });
}

// Collects the errors that reach the error prompt; each test starts with a settings file of its
// own and the comma locale.
class Dialogs : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QStringList errors;
    TFormatSettings savedLocale = FormatSettings();
    void SetUp() override {
        SetSettingsFileNames(dir.filePath(QStringLiteral("SWEditor.ini")), QString());
        SetFormatSettings(CommaLocaleSettings());
        TExApplication::SetExceptionHandler([this](const Exception& e) { errors << e.message(); });
    }
    void TearDown() override {
        TExApplication::SetExceptionHandler({});
        SetFormatSettings(savedLocale);
        SetSettingsFileNames(QString(), QString());
    }
    static QString invalid(const char* word) {
        return QString::fromUtf8("Valor inválido no campo ") + QString::fromUtf8(word);
    }
};

} // namespace

// --- measure editor ---

TEST_F(Dialogs, MeasureInInchesComesBackInCentimetresAndTheUnitIsRemembered) {
    GetSettings().WriteInteger(QStringLiteral("MeasureEditor"), QStringLiteral("Unit"), 1);
    double length = 5.08;
    QString shown, title;
    onDialog<TfrmMeasureEditor>([&](TfrmMeasureEditor* d) {
        title = d->windowTitle();
        shown = d->edtMeasure->text();
        d->BitBtn1->click();
    });
    ASSERT_TRUE(ExecuteMeasureEditor(QStringLiteral("Largura"), length));
    EXPECT_EQ(title, QStringLiteral("Largura"));
    EXPECT_EQ(shown, QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(length, 5.08);

    // Centimetres saved: typing 1 and picking inches gives 2.54 and remembers inches.
    GetSettings().WriteInteger(QStringLiteral("MeasureEditor"), QStringLiteral("Unit"), 0);
    onDialog<TfrmMeasureEditor>([](TfrmMeasureEditor* d) {
        d->edtMeasure->setText(QStringLiteral("1"));
        d->radInch->setChecked(true);
        d->BitBtn1->click();
    });
    ASSERT_TRUE(ExecuteMeasureEditor(QStringLiteral("Altura"), length));
    EXPECT_DOUBLE_EQ(length, 2.54);
    EXPECT_EQ(GetSettings().ReadInteger(QStringLiteral("MeasureEditor"), QStringLiteral("Unit"), 9),
              1);
    int unit = -1;
    onDialog<TfrmMeasureEditor>([&](TfrmMeasureEditor* d) {
        unit = d->Unit();
        d->BitBtn2->click();
    });
    EXPECT_FALSE(ExecuteMeasureEditor(QStringLiteral("Altura"), length));
    EXPECT_EQ(unit, 1);
}

TEST_F(Dialogs, MeasureCancelAndOutOfRangeUnitsWriteNothing) {
    for (int stored : {2, -1}) {
        GetSettings().WriteInteger(QStringLiteral("MeasureEditor"), QStringLiteral("Unit"), stored);
        double length = 7;
        int unit = -1;
        onDialog<TfrmMeasureEditor>([&](TfrmMeasureEditor* d) {
            unit = d->Unit();
            d->radInch->setChecked(true);
            d->edtMeasure->setText(QStringLiteral("3"));
            d->BitBtn2->click();
        });
        EXPECT_FALSE(ExecuteMeasureEditor(QStringLiteral("X"), length));
        EXPECT_EQ(unit, 0);
        EXPECT_EQ(length, 7);
        EXPECT_EQ(
            GetSettings().ReadInteger(QStringLiteral("MeasureEditor"), QStringLiteral("Unit"), 9),
            stored);
    }
}

TEST_F(Dialogs, MeasureRefusesTextThatIsNoNumberAndAcceptsEmptyAndNegative) {
    double length = 4;
    onDialog<TfrmMeasureEditor>([this](TfrmMeasureEditor* d) {
        d->edtMeasure->setText(QStringLiteral("abc"));
        d->BitBtn1->click();
        EXPECT_TRUE(d->isVisible()); // refused, still open
        EXPECT_EQ(errors.size(), 1);
        d->edtMeasure->setText(QString());
        d->BitBtn1->click();
    });
    ASSERT_TRUE(ExecuteMeasureEditor(QStringLiteral("X"), length));
    EXPECT_EQ(length, 0);
    EXPECT_EQ(GetSettings().ReadInteger(QStringLiteral("MeasureEditor"), QStringLiteral("Unit"), 9),
              0);
    onDialog<TfrmMeasureEditor>([](TfrmMeasureEditor* d) {
        d->edtMeasure->setText(QStringLiteral("-1"));
        d->radInch->setChecked(true);
        d->BitBtn1->click();
    });
    ASSERT_TRUE(ExecuteMeasureEditor(QStringLiteral("X"), length));
    EXPECT_DOUBLE_EQ(length, -2.54);
}

// --- paper editor ---

TEST_F(Dialogs, PaperTable) {
    EXPECT_EQ(IndexOfPaperSize(9), 2);
    EXPECT_EQ(IndexOfPaperSize(0), 8);
    EXPECT_EQ(IndexOfPaperSize(8), -1);
    EXPECT_EQ(QString::fromUtf8(PaperSizes[2].Caption), QStringLiteral("A4 (210 x 297 mm)"));
}

TEST_F(Dialogs, PaperA4PortraitAndLandscapeComeBackUnchanged) {
    for (uint16_t code : {uint16_t(9), uint16_t(9 | LandscapeBit)}) {
        TPaperInfo paper{code, 5, 6};
        onDialog<TfrmPaperEditor>([code](TfrmPaperEditor* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("Papel"));
            EXPECT_EQ(d->cbxSize->currentText(), QStringLiteral("A4 (210 x 297 mm)"));
            EXPECT_EQ(d->cbxOrientation->currentText(), (code & LandscapeBit)
                                                            ? QStringLiteral("Paisagem")
                                                            : QStringLiteral("Retrato"));
            EXPECT_EQ(d->edtWidth->text(), QStringLiteral("0"));
            EXPECT_FALSE(d->edtWidth->isEnabled());
            EXPECT_FALSE(d->edtHeight->isEnabled());
            d->btnOk->click();
        });
        ASSERT_TRUE(ExecutePaperEditor(paper));
        EXPECT_EQ(paper.PaperSize, code);
        EXPECT_EQ(paper.PaperWidth, 0);
        EXPECT_EQ(paper.PaperHeight, 0);
    }
}

TEST_F(Dialogs, PaperUnknownCodeNeedsASize) {
    TPaperInfo paper{8, 0, 0};
    onDialog<TfrmPaperEditor>([this](TfrmPaperEditor* d) {
        EXPECT_EQ(d->cbxSize->currentIndex(), -1);
        EXPECT_FALSE(d->edtWidth->isEnabled());
        d->btnOk->click();
        EXPECT_EQ(errors, QStringList{invalid("Tamanho")});
        d->btnCancel->click();
    });
    EXPECT_FALSE(ExecutePaperEditor(paper));
    EXPECT_EQ(paper.PaperSize, 8);
}

TEST_F(Dialogs, PaperCustomSizeSwitchesAndChecks) {
    TPaperInfo paper{0, 21, 29.7};
    onDialog<TfrmPaperEditor>([](TfrmPaperEditor* d) {
        EXPECT_EQ(d->cbxSize->currentText(), QStringLiteral("Personalizado"));
        EXPECT_TRUE(d->edtWidth->isEnabled());
        EXPECT_EQ(d->edtHeight->DisplayText(), QStringLiteral("29,7 cm"));
        d->cbxSize->setCurrentIndex(2); // A4: disabled, not cleared
        EXPECT_FALSE(d->edtHeight->isEnabled());
        EXPECT_EQ(d->edtHeight->text(), QStringLiteral("29,7"));
        d->btnOk->click();
    });
    ASSERT_TRUE(ExecutePaperEditor(paper));
    EXPECT_EQ(paper.PaperSize, 9);
    EXPECT_EQ(paper.PaperWidth, 0);

    // From a standard size to the custom one: the checks come in order.
    onDialog<TfrmPaperEditor>([this](TfrmPaperEditor* d) {
        d->cbxSize->setCurrentIndex(8);
        EXPECT_TRUE(d->edtWidth->isEnabled());
        d->btnOk->click();
        d->edtWidth->setText(QStringLiteral("10"));
        d->btnOk->click();
        d->edtHeight->setText(QStringLiteral("-1"));
        d->btnOk->click();
        EXPECT_EQ(errors, (QStringList{invalid("Largura"), invalid("Altura"), invalid("Altura")}));
        d->edtHeight->setText(QStringLiteral("20"));
        d->cbxOrientation->setCurrentIndex(1); // neither swaps nor changes the numbers
        d->btnOk->click();
    });
    ASSERT_TRUE(ExecutePaperEditor(paper));
    EXPECT_EQ(paper.PaperSize, LandscapeBit);
    EXPECT_EQ(paper.PaperWidth, 10);
    EXPECT_EQ(paper.PaperHeight, 20);

    const TPaperInfo before = paper;
    onDialog<TfrmPaperEditor>([](TfrmPaperEditor* d) {
        d->cbxOrientation->setCurrentIndex(0);
        d->btnCancel->click();
    });
    EXPECT_FALSE(ExecutePaperEditor(paper));
    EXPECT_EQ(paper.PaperSize, before.PaperSize);
}

// --- field editor ---

TEST_F(Dialogs, FieldIsFilledAndReadBackUnchanged) {
    TExPrinterField f = Field(QStringLiteral("Total"), -2);
    f.Size = 12;
    f.Top = 3.25;
    f.Width = 4;
    f.Height = 0.5;
    f.HorzAlignment = 3;
    f.VertAlignment = 2;
    f.FontStyle = fsBold;
    f.FontColor = 0x0000FF;
    const TExPrinterField before = f;
    onDialog<TfrmFieldEditor>([](TfrmFieldEditor* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Editor de Campo"));
        EXPECT_EQ(d->edtName->text(), QStringLiteral("Total"));
        EXPECT_EQ(d->edtSize->text(), QStringLiteral("12"));
        EXPECT_EQ(d->edtLeft->DisplayText(), QStringLiteral("-2 cm"));
        EXPECT_EQ(d->cbxHorzAlignment->currentText(), QStringLiteral("Direita"));
        EXPECT_EQ(d->cbxVertAlignment->currentText(), QStringLiteral("Centro"));
        EXPECT_EQ(d->pnlFont->text(), QStringLiteral("Courier New"));
        EXPECT_TRUE(d->pnlFont->font().bold());
        EXPECT_EQ(d->pnlFont->font().pointSize(), 10);
        EXPECT_TRUE(d->chkPrint->isChecked());
        d->BitBtn1->click();
    });
    ASSERT_TRUE(ExecuteFieldEditor(f));
    EXPECT_EQ(std::memcmp(&f, &before, sizeof f), 0);
}

TEST_F(Dialogs, FieldCancelLeavesTheRecordAsItWas) {
    TExPrinterField f = Field(QStringLiteral("A"));
    const TExPrinterField before = f;
    SetFontChooserFunction([](QWidget*, QFont& font) {
        font.setFamily(QStringLiteral("Arial"));
        return true;
    });
    onDialog<TfrmFieldEditor>([](TfrmFieldEditor* d) {
        d->btnFont->click();
        d->edtLeft->setText(QStringLiteral("9"));
        d->edtName->setText(QStringLiteral("B"));
        d->BitBtn2->click();
    });
    EXPECT_FALSE(ExecuteFieldEditor(f));
    SetFontChooserFunction({});
    EXPECT_EQ(std::memcmp(&f, &before, sizeof f), 0);
}

TEST_F(Dialogs, FieldChecksComeInOrderWithTheirMessageAndFocus) {
    struct Case {
        const char* what;
        std::function<void(TfrmFieldEditor*)> set;
        QString message;
        const char* focus;
    };
    const Case cases[] = {
        {"blank name", [](TfrmFieldEditor* d) { d->edtName->setText(QStringLiteral("   ")); },
         invalid("Nome"), "edtName"},
        {"negative size", [](TfrmFieldEditor* d) { d->edtSize->setText(QStringLiteral("-1")); },
         invalid("Tamanho"), "edtSize"},
        {"size beyond 16 bits",
         [](TfrmFieldEditor* d) { d->edtSize->setText(QStringLiteral("65536")); },
         invalid("Tamanho"), "edtSize"},
        {"negative width", [](TfrmFieldEditor* d) { d->edtWidth->setText(QStringLiteral("-0,5")); },
         invalid("Largura"), "edtWidth"},
        {"negative height", [](TfrmFieldEditor* d) { d->edtHeight->setText(QStringLiteral("-1")); },
         invalid("Altura"), "edtHeight"},
        {"no horizontal", [](TfrmFieldEditor* d) { d->cbxHorzAlignment->setCurrentIndex(-1); },
         invalid("Horizontal"), "cbxHorzAlignment"},
        {"no vertical", [](TfrmFieldEditor* d) { d->cbxVertAlignment->setCurrentIndex(-1); },
         invalid("Vertical"), "cbxVertAlignment"},
        // The size's conversion comes before any look at the name.
        {"letters as size",
         [](TfrmFieldEditor* d) {
             d->edtName->setText(QString());
             d->edtSize->setText(QStringLiteral("abc"));
         },
         QStringLiteral("\"abc\""), "edtSize"}, // the integer conversion's message
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        errors.clear();
        TExPrinterField f = Field(QStringLiteral("A"));
        QString focus;
        bool open = false;
        onDialog<TfrmFieldEditor>([&](TfrmFieldEditor* d) {
            c.set(d);
            d->BitBtn1->click();
            open = d->isVisible();
            focus = d->focusWidget() ? d->focusWidget()->objectName() : QString();
            d->BitBtn2->click();
        });
        EXPECT_FALSE(ExecuteFieldEditor(f));
        EXPECT_TRUE(open);
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].startsWith(c.message)) << errors[0].toStdString();
        EXPECT_EQ(focus, QLatin1String(c.focus));
    }
}

TEST_F(Dialogs, FieldReadBackTrimsCutsAndTakesTheChosenFont) {
    TExPrinterField f = Field(QStringLiteral("A"));
    f.FontColor = 0x123456;
    SetFontChooserFunction([](QWidget*, QFont& font) {
        font.setFamily(QStringLiteral("DejaVu Serif"));
        font.setPointSize(14);
        font.setItalic(true);
        return true;
    });
    onDialog<TfrmFieldEditor>([](TfrmFieldEditor* d) {
        d->edtName->setText(QStringLiteral("  ") + QString(29, QLatin1Char('N')) +
                            QString::fromUtf8("é") + QStringLiteral(" "));
        d->edtSize->setText(QString());
        d->edtWidth->setText(QStringLiteral("0"));
        d->edtLeft->setText(QStringLiteral("-2"));
        d->cbxVertAlignment->setCurrentIndex(2);
        d->chkPrint->setChecked(false);
        QTest::mouseClick(d->pnlFont, Qt::LeftButton); // the preview opens the same chooser
        EXPECT_EQ(d->pnlFont->text(), QStringLiteral("DejaVu Serif"));
        d->BitBtn1->click();
    });
    ASSERT_TRUE(ExecuteFieldEditor(f));
    SetFontChooserFunction({});
    EXPECT_EQ(f.Name.toString(), QString(29, QLatin1Char('N'))); // é would be split: dropped
    EXPECT_EQ(f.Size, 0);
    EXPECT_EQ(f.Left, -2);
    EXPECT_EQ(f.Width, 0);
    EXPECT_EQ(f.VertAlignment, 3);
    EXPECT_EQ(f.Print, 0);
    EXPECT_EQ(f.FontName.toString(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(f.FontSize, 14);
    EXPECT_EQ(f.FontStyle, uint32_t(fsItalic));
    EXPECT_EQ(f.FontColor, 0x123456);
}

TEST_F(Dialogs, FieldOutOfRangeAlignmentOpensWithoutSelection) {
    TExPrinterField f = Field(QStringLiteral("A"));
    f.HorzAlignment = 4;
    f.VertAlignment = 0;
    onDialog<TfrmFieldEditor>([this](TfrmFieldEditor* d) {
        EXPECT_EQ(d->cbxHorzAlignment->currentIndex(), -1);
        EXPECT_EQ(d->cbxVertAlignment->currentIndex(), -1);
        d->BitBtn1->click();
        d->cbxHorzAlignment->setCurrentIndex(0);
        d->cbxVertAlignment->setCurrentIndex(0);
        d->BitBtn1->click();
        EXPECT_EQ(errors.size(), 1);
    });
    ASSERT_TRUE(ExecuteFieldEditor(f));
    EXPECT_EQ(f.HorzAlignment, 1);
}

TEST_F(Dialogs, FieldLengthButtonOpensTheMeasureEditorOnThatValue) {
    TExPrinterField f = Field(QStringLiteral("A"));
    f.Top = 1.5;
    QString title, shown;
    onDialog<TfrmFieldEditor>([&](TfrmFieldEditor* d) {
        onDialog<TfrmMeasureEditor>([&](TfrmMeasureEditor* m) {
            title = m->windowTitle();
            shown = m->edtMeasure->text();
            m->BitBtn2->click();
        });
        d->edtTop->ClickButton();
        EXPECT_EQ(d->edtTop->text(), QStringLiteral("1,5"));
        onDialog<TfrmMeasureEditor>([](TfrmMeasureEditor* m) {
            m->edtMeasure->setText(QStringLiteral("2"));
            m->BitBtn1->click();
        });
        d->edtTop->ClickButton();
        d->BitBtn1->click();
    });
    ASSERT_TRUE(ExecuteFieldEditor(f));
    EXPECT_EQ(title, QStringLiteral("Superior"));
    EXPECT_EQ(shown, QStringLiteral("1,5"));
    EXPECT_EQ(f.Top, 2);
}
