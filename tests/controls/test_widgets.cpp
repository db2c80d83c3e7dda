#include "ExApplication.h"
#include "ExStdCtrls.h"
#include "LocaleSettings.h"
#include "Messages.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace sw;

namespace {
QString U(const char* s) {
    return QString::fromUtf8(s);
}

// An edit whose beeps can be counted.
template <typename Base> class Heard : public Base {
public:
    using Base::Base;
    int beeps = 0;

protected:
    void Beep() override { ++beeps; }
};

// A small form: two typed edits, an edit with a button, a combo box and a push button, shown
// and active; errors reaching the application handler are collected.
class Widgets : public ::testing::Test {
protected:
    void SetUp() override {
        MessageTable::instance().resetAll();
        TExApplication::SetExceptionHandler([this](const Exception& e) { errors << e.message(); });
        form.resize(420, 260);
        edit = new Heard<TExEdit>(&form);
        edit->setGeometry(80, 20, 120, 24);
        edit->SetLabelCaption(U("Nome"));
        other = new TExEdit(&form);
        other->setGeometry(80, 60, 120, 24);
        combo = new TExComboEdit(&form);
        combo->setGeometry(80, 100, 120, 24);
        box = new TExComboBox(&form);
        box->setGeometry(80, 140, 120, 24);
        button = new QPushButton(U("OK"), &form);
        button->setGeometry(300, 200, 80, 28);
        QObject::connect(button, &QPushButton::clicked, [this] { ++buttonClicks; });
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    void TearDown() override { TExApplication::SetExceptionHandler({}); }

    void settle() { QCoreApplication::processEvents(); }

    ScopedFormatSettings comma{CommaLocaleSettings()};
    ScopedFixedNow now{QDateTime(QDate(2024, 6, 15), QTime(10, 20, 30))};
    QWidget form;
    Heard<TExEdit>* edit = nullptr;
    TExEdit* other = nullptr;
    TExComboEdit* combo = nullptr;
    TExComboBox* box = nullptr;
    QPushButton* button = nullptr;
    QStringList errors;
    int buttonClicks = 0;
};
} // namespace

TEST_F(Widgets, KeysAreFilteredByTypeAndRefusedOnesBeep) {
    edit->SetDataType(dtInteger);
    edit->setFocus();
    QChar seen;
    edit->OnKeyPress = [&](TExEdit*, QChar& k) { seen = k; };
    QTest::keyClicks(edit, U("-1a2"));
    EXPECT_EQ(edit->text(), U("-12"));
    EXPECT_EQ(edit->beeps, 1);
    EXPECT_EQ(seen, QChar(u'2'));
    QTest::keyClick(edit, Qt::Key_X);
    EXPECT_TRUE(seen.isNull()); // OnKeyPress sees the refused key as character 0
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), U("-1"));

    edit->clear();
    edit->SetDataType(dtFloat); // comma locale: "," is the decimal separator, "." is refused
    QTest::keyClicks(edit, U("2.5,5"));
    EXPECT_EQ(edit->text(), U("25,5"));
    EXPECT_EQ(edit->beeps, 3);

    edit->clear();
    edit->SetDataType(dtTimeZone);
    QTest::keyClicks(edit, U("-03:30/"));
    EXPECT_EQ(edit->text(), U("-03:30"));

    edit->clear();
    edit->SetDataType(dtString);
    QTest::keyClicks(edit, U("a b.1"));
    EXPECT_EQ(edit->text(), U("a b.1"));
    edit->clear();
    edit->ValidChars = U("ab");
    QTest::keyClicks(edit, U("abc"));
    EXPECT_EQ(edit->text(), U("ab"));
}

TEST_F(Widgets, SpaceFillsInTodayOrNow) {
    edit->setFocus();
    struct Case {
        TExDataType type;
        const char* text;
    };
    const Case cases[] = {{dtDate, "15/06/2024"},
                          {dtDateTime, "15/06/2024 10:20:30"},
                          {dtTime, "10:20:30"},
                          {dtShortTime, "10:20"}};
    for (const auto& c : cases) {
        edit->SetDataType(c.type);
        edit->setText(U("x"));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Space);
        EXPECT_EQ(edit->text(), U(c.text));
        EXPECT_EQ(edit->cursorPosition(), edit->text().size());
        EXPECT_FALSE(edit->hasSelectedText());
    }
    EXPECT_EQ(edit->beeps, 0);
}

TEST_F(Widgets, LeavingNormalisesTheText) {
    edit->SetDataType(dtInteger);
    edit->setText(U(" 12 "));
    int changes = 0;
    int exits = 0;
    QObject::connect(edit, &QLineEdit::textChanged, [&] { ++changes; });
    edit->OnExit = [&](TExEdit*) { ++exits; };
    edit->setFocus();
    other->setFocus();
    settle();
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(edit->text(), U("12"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(edit->Validated());
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(edit->Alignment(), taRightJustify);
    EXPECT_EQ(edit->DisplayText(), U("12"));

    // A date typed as digits becomes the short date.
    other->SetDataType(dtDate);
    other->setText(U("071223"));
    edit->setFocus();
    EXPECT_EQ(other->text(), U("07/12/2023"));
}

TEST_F(Widgets, AFailedLeaveKeepsTheFocusSelectsTheTextAndReportsOnce) {
    edit->SetDataType(dtFloat);
    edit->setText(U("abc")); // as if pasted
    int exits = 0;
    edit->OnExit = [&](TExEdit*) { ++exits; };
    EXPECT_EQ(edit->DisplayText(), U("abc"));
    edit->setFocus();

    // By the keyboard.
    QTest::keyClick(edit, Qt::Key_Tab);
    settle();
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), U("abc"));
    EXPECT_EQ(errors, QStringList{U("\"abc\" is an invalid float")});
    EXPECT_EQ(exits, 0);
    EXPECT_FALSE(edit->Validated());

    // By the mouse on a button: the button is not clicked, the error shows once more.
    errors.clear();
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(buttonClicks, 0);
    EXPECT_EQ(errors.size(), 1);

    // Once corrected the same click goes through.
    edit->setText(U("2,50"));
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
    EXPECT_EQ(buttonClicks, 1);
    EXPECT_EQ(edit->text(), U("2,5"));
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(exits, 1);

    // The accessor raises the same message and changes nothing.
    edit->setText(U("abc"));
    try {
        (void)edit->AsFloat();
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), U("\"abc\" is an invalid float"));
    }
}

TEST_F(Widgets, OnValidateErrorsAndSilentAborts) {
    edit->OnValidate = [](TExEdit* e) {
        if (e->text() == U("abort"))
            throw EAbort();
        if (e->text() == U("no"))
            throw Exception(U("recusado"));
        e->setText(e->text() + U(" "));
    };
    edit->setText(U("ok"));
    edit->setFocus();
    other->setFocus();
    settle();
    EXPECT_EQ(edit->text(), U("ok")); // trimmed again after OnValidate
    edit->setText(U("no"));
    edit->setFocus();
    other->setFocus();
    settle();
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(errors, QStringList{U("recusado")});
    edit->setText(U("abort"));
    other->setFocus();
    settle();
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(errors.size(), 1); // silent
}

TEST_F(Widgets, ValidateChecksRequired) {
    edit->Required = true;
    other->setFocus();
    edit->setFocus();
    other->setFocus(); // leaving an empty required edit does not complain
    settle();
    EXPECT_TRUE(errors.isEmpty());
    auto message = [&] {
        try {
            edit->Validate();
        } catch (const Exception& e) {
            return e.message();
        }
        return U("<none>");
    };
    EXPECT_EQ(message(), U("O campo 'Nome' não pode ficar em branco."));
    EXPECT_TRUE(edit->hasFocus());
    edit->SetLabelVisible(false);
    EXPECT_EQ(message(), U("Este campo não pode ficar em branco."));
    edit->SetLabelVisible(true);
    edit->SetLabelCaption(QString());
    EXPECT_EQ(message(), U("Este campo não pode ficar em branco."));
    edit->setText(U("x"));
    EXPECT_EQ(message(), U("<none>"));
    EXPECT_TRUE(edit->Validated());
}

TEST_F(Widgets, DisplayTextWhileUnfocusedTextWhileFocused) {
    edit->SetDataType(dtFloat);
    edit->SetDisplayFormat(U("0.## cm"));
    edit->setText(U("2,5"));
    other->setFocus();
    EXPECT_EQ(edit->DisplayText(), U("2,5 cm"));
    EXPECT_EQ(edit->text(), U("2,5"));
    edit->setFocus();
    EXPECT_EQ(edit->text(), U("2,5"));
    // What is painted differs: the display text is drawn while unfocused.
    const QImage focused = edit->grab().toImage();
    other->setFocus();
    const QImage unfocused = edit->grab().toImage();
    EXPECT_NE(focused, unfocused);
    edit->clear();
    EXPECT_EQ(edit->DisplayText(), QString());
    for (auto v :
         {edit->AsFloat(), static_cast<long double>(edit->AsInteger()),
          static_cast<long double>(edit->AsCurrency()), static_cast<long double>(edit->AsDate()),
          static_cast<long double>(edit->AsDateTime()), static_cast<long double>(edit->AsTime())})
        EXPECT_EQ(v, 0);
    edit->SetAsFloat(0.1);
    EXPECT_EQ(edit->text(), U("0,1"));
    edit->SetAsInteger(-7);
    EXPECT_EQ(edit->AsInteger(), -7);
    EXPECT_FALSE(edit->Validated());
}

TEST_F(Widgets, DataTypeSetsTheAlignment) {
    EXPECT_EQ(edit->Alignment(), taLeftJustify);
    edit->SetDataType(dtFloat);
    EXPECT_EQ(edit->Alignment(), taRightJustify);
    edit->SetDataType(dtString);
    EXPECT_EQ(edit->Alignment(), taLeftJustify);
}

TEST_F(Widgets, LabelStandsInEachOfTwelvePlaces) {
    edit->SetLabelWidth(60);
    const QRect c = edit->geometry();
    TExLabel* l = edit->Label();
    const int w = 60, h = l->height(), s = 2;
    struct Case {
        TExPosition pos;
        int x, y;
    };
    const Case cases[] = {
        {poLeftTop, c.left() - s - w, c.top()},
        {poLeftCenter, c.left() - s - w, c.top() + (c.height() - h) / 2},
        {poLeftBottom, c.left() - s - w, c.top() + c.height() - h},
        {poRightTop, c.left() + c.width() + s, c.top()},
        {poRightCenter, c.left() + c.width() + s, c.top() + (c.height() - h) / 2},
        {poRightBottom, c.left() + c.width() + s, c.top() + c.height() - h},
        {poTopLeft, c.left(), c.top() - s - h},
        {poTopCenter, c.left() + (c.width() - w) / 2, c.top() - s - h},
        {poTopRight, c.left() + c.width() - w, c.top() - s - h},
        {poBottomLeft, c.left(), c.top() + c.height() + s},
        {poBottomCenter, c.left() + (c.width() - w) / 2, c.top() + c.height() + s},
        {poBottomRight, c.left() + c.width() - w, c.top() + c.height() + s},
    };
    for (const auto& k : cases) {
        edit->SetLabelPos(k.pos);
        EXPECT_EQ(l->pos(), QPoint(k.x, k.y)) << int(k.pos);
        EXPECT_EQ(l->width(), w);
    }
    // The field editor's case: x = 68, width 55 -> the label at 11; it follows the edit.
    edit->SetLabelPos(poLeftCenter);
    edit->SetLabelWidth(55);
    edit->move(68, 20);
    EXPECT_EQ(l->x(), 11);
    edit->SetLabelSpace(10);
    EXPECT_EQ(l->x(), 3);
}

TEST_F(Widgets, SelfSizingLabelIsMeasuredAgain) {
    TExLabel* l = edit->Label();
    EXPECT_EQ(edit->LabelWidth(), 0);
    EXPECT_EQ(l->x() + l->width(), edit->x() - 2);
    const int before = l->width();
    edit->SetLabelCaption(U("Um rótulo bem mais comprido"));
    EXPECT_GT(l->width(), before);
    EXPECT_EQ(l->x() + l->width(), edit->x() - 2);
    QFont big = edit->LabelFont();
    big.setPointSize(big.pointSize() * 2);
    const int narrow = l->width();
    edit->SetLabelFont(big);
    EXPECT_GT(l->width(), narrow);
    EXPECT_EQ(l->x() + l->width(), edit->x() - 2);
    EXPECT_FALSE(edit->LabelParentFont());
    edit->SetLabelParentFont(true);
    EXPECT_EQ(l->width(), narrow);
    EXPECT_EQ(l->x() + l->width(), edit->x() - 2);
}

TEST_F(Widgets, LabelFollowsVisibility) {
    TExLabel* l = edit->Label();
    EXPECT_TRUE(l->isVisible());
    EXPECT_EQ(l->parentWidget(), &form);
    edit->hide();
    EXPECT_FALSE(l->isVisible());
    EXPECT_EQ(l->parentWidget(), nullptr);
    edit->SetLabelVisible(false);
    edit->show();
    EXPECT_FALSE(l->isVisible());
    edit->SetLabelVisible(true);
    EXPECT_TRUE(l->isVisible());
    EXPECT_EQ(l->parentWidget(), &form);
    // The edit goes first: its label goes with it.
    QPointer<TExLabel> gone = l;
    delete edit;
    edit = nullptr;
    EXPECT_TRUE(gone.isNull());
}

TEST_F(Widgets, ColoursFollowEnabledAndReadOnly) {
    const QColor on(Qt::white), off(Qt::lightGray);
    edit->SetEnabledColor(on);
    edit->SetDisabledColor(off);
    EXPECT_EQ(edit->palette().color(QPalette::Base), on);
    edit->setReadOnly(true);
    EXPECT_EQ(edit->palette().color(QPalette::Base), off);
    edit->setReadOnly(false);
    edit->setEnabled(false);
    EXPECT_EQ(edit->palette().color(QPalette::Base), off);
    EXPECT_TRUE(edit->Label()->isVisible());
    edit->setEnabled(true);
    EXPECT_EQ(edit->palette().color(QPalette::Base), on);
}

TEST_F(Widgets, ComboEditButtonAndShortcut) {
    int clicks = 0;
    TExComboEdit* sender = nullptr;
    combo->SetDataType(dtFloat);
    combo->setText(U("2,5"));
    combo->OnButtonClick = [&](TExComboEdit* e) {
        ++clicks;
        sender = e;
        e->SetAsFloat(static_cast<double>(e->AsFloat()) * 2);
    };
    QTest::mouseClick(combo->Button(), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(sender, combo);
    EXPECT_TRUE(combo->hasFocus());
    EXPECT_EQ(combo->text(), U("5"));
    EXPECT_EQ(combo->selectedText(), U("5"));

    combo->setCursorPosition(0);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(combo->text(), U("10"));
    combo->SetButtonEnabled(false);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    combo->SetButtonEnabled(true);
    combo->SetButtonVisible(false);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(clicks, 2);
    combo->SetButtonVisible(true);
    QTest::keyClick(combo, Qt::Key_Down); // the plain key is the edit's
    EXPECT_EQ(clicks, 2);
}

TEST_F(Widgets, ComboEditButtonWaitsForAFailedEdit) {
    int clicks = 0;
    combo->OnButtonClick = [&](TExComboEdit*) { ++clicks; };
    edit->SetDataType(dtInteger);
    edit->setText(U("x"));
    edit->setFocus();
    QTest::mouseClick(combo->Button(), Qt::LeftButton);
    settle();
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(errors, QStringList{U("\"x\" is an invalid integer")});
}

TEST_F(Widgets, ComboEditButtonLayout) {
    const int right = combo->Button()->geometry().right();
    EXPECT_EQ(combo->ButtonWidth(), 18);
    EXPECT_EQ(combo->textMargins().right(), 18);
    EXPECT_EQ(combo->Button()->height(), combo->height() - 2 * combo->Button()->y());
    combo->SetButtonWidth(30);
    EXPECT_EQ(combo->Button()->width(), 30);
    EXPECT_EQ(combo->Button()->geometry().right(), right);
    EXPECT_EQ(combo->textMargins().right(), 30);
    combo->SetButtonVisible(false);
    EXPECT_EQ(combo->textMargins().right(), 0);
    combo->SetButtonVisible(true);
    EXPECT_EQ(combo->textMargins().right(), 30);

    EXPECT_EQ(combo->ButtonKind(), cbkEllipsis);
    EXPECT_EQ(combo->ButtonGlyph().size(), QSize(12, 2));
    const QImage dots = TExComboEdit::EllipsisGlyph().toImage();
    EXPECT_EQ(dots.pixelColor(1, 0), QColor(Qt::black));
    EXPECT_EQ(dots.pixelColor(3, 1).alpha(), 0);
    QPixmap custom(8, 8);
    custom.fill(Qt::red);
    combo->SetButtonGlyph(custom);
    EXPECT_EQ(combo->ButtonKind(), cbkCustom);
    combo->SetButtonGlyph(QPixmap());
    EXPECT_EQ(combo->ButtonKind(), cbkEllipsis);
    EXPECT_EQ(combo->ButtonGlyph().size(), QSize(12, 2));
}

TEST(ComboEditDialog, EnterReachesTheDefaultButtonAndLeavesTheText) {
    QDialog dialog;
    auto* e = new TExComboEdit(&dialog);
    e->setGeometry(80, 20, 120, 24);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setGeometry(80, 60, 80, 28);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    e->setFocus();
    QTest::keyClicks(e, QStringLiteral("ab"));
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_EQ(e->text(), QStringLiteral("ab"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(Widgets, ComboBoxLabelAndColours) {
    box->SetStyle(csDropDownList);
    box->addItems({U("A4 (210 x 297 mm)"), U("Carta")});
    box->SetLabelCaption(U("Tamanho"));
    box->SetLabelWidth(60);
    TExLabel* l = box->Label();
    EXPECT_EQ(l->x(), 18);
    EXPECT_EQ(l->y(), box->y() + (box->height() - l->height()) / 2);
    const QColor on(Qt::white), off(Qt::lightGray);
    box->SetEnabledColor(on);
    box->SetDisabledColor(off);
    box->setEnabled(false);
    EXPECT_EQ(box->palette().color(QPalette::Button), off);
    EXPECT_TRUE(l->isVisible());
    box->setEnabled(true);
    EXPECT_EQ(box->palette().color(QPalette::Button), on);
    box->SetLabelWidth(0);
    const int before = l->width();
    QFont big = box->LabelFont();
    big.setPointSize(big.pointSize() * 2);
    box->SetLabelFont(big);
    EXPECT_GT(l->width(), before);
    EXPECT_EQ(l->x() + l->width(), box->x() - 2);
    box->hide();
    EXPECT_FALSE(l->isVisible());
}

TEST_F(Widgets, SimpleComboBoxLeavesFormKeysToTheForm) {
    int seen = 0;
    box->OnKeyDown = [&](TExCustomComboBox*, QKeyEvent*) { ++seen; };
    box->SetStyle(csSimple);
    box->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_EQ(seen, 1);
    box->SetStyle(csDropDownList);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &down);
    EXPECT_EQ(seen, 2);
}

TEST_F(Widgets, ButtonActionErrorsReachTheHandlerAndTheEditKeepsTheFocus) {
    combo->OnButtonClick = [](TExComboEdit*) { throw Exception(QStringLiteral("sem medida")); };
    other->setFocus();
    QTest::mouseClick(combo->Button(), Qt::LeftButton);
    settle();
    EXPECT_EQ(errors, QStringList{U("sem medida")});
    EXPECT_TRUE(combo->hasFocus());
    EXPECT_FALSE(combo->Button()->isDown());
}

TEST_F(Widgets, LabelAcceleratorFocusesTheEditOrRunsTheLabelsAction) {
    edit->SetLabelCaption(U("&Nome"));
    other->setFocus();
    QTest::keyClick(&form, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(edit->hasFocus());
    int clicks = 0;
    edit->Label()->OnClick = [&](TExLabel*) { ++clicks; };
    other->setFocus();
    QTest::keyClick(&form, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(Widgets, ParentFontMovesTheLabel) {
    TExLabel* l = edit->Label();
    const int before = l->width();
    QFont f = form.font();
    f.setPointSize(f.pointSize() * 2);
    form.setFont(f);
    EXPECT_GT(l->width(), before);
    EXPECT_EQ(l->x() + l->width(), edit->x() - 2);
}

TEST_F(Widgets, CharCaseAndPasswordChar) {
    edit->SetCharCase(ecUpperCase);
    edit->setFocus();
    QTest::keyClicks(edit, U("ab1"));
    EXPECT_EQ(edit->text(), U("AB1"));
    edit->SetCharCase(ecNormal);
    edit->SetPasswordChar(QLatin1Char('*'));
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit->text(), U("AB1")); // only what is shown changes
    edit->SetPasswordChar(QChar());
    EXPECT_EQ(edit->echoMode(), QLineEdit::Normal);
}

TEST_F(Widgets, DisplayTextIsPaintedByItsAlignment) {
    // Where the ink of the painted text lies, as a range of columns.
    struct Ink {
        int from, to;
    };
    auto inkColumns = [](TExEdit* e) {
        const QImage img = e->grab().toImage();
        const QColor bg = img.pixelColor(e->width() / 2, 4);
        int first = -1, last = -1;
        for (int x = 4; x < img.width() - 4; ++x)
            for (int y = 5; y < img.height() - 5; ++y)
                if (img.pixelColor(x, y) != bg) {
                    if (first < 0)
                        first = x;
                    last = x;
                    break;
                }
        return Ink{first, last};
    };
    other->setFocus();
    edit->setText(U("12"));
    edit->SetAlignment(taLeftJustify);
    const auto left = inkColumns(edit);
    edit->SetAlignment(taRightJustify);
    const auto right = inkColumns(edit);
    edit->SetAlignment(taCenter);
    const auto centre = inkColumns(edit);
    ASSERT_GE(left.from, 0);
    EXPECT_LT(left.to, edit->width() / 2);
    EXPECT_GT(right.from, edit->width() / 2);
    EXPECT_GT(centre.from, left.to);
    EXPECT_LT(centre.to, right.from);
    // Focused, the edit paints its own text from the left whatever the alignment.
    edit->setFocus();
    edit->deselect();
    EXPECT_LT(inkColumns(edit).from, edit->width() / 2);
}

TEST(ComboEditDialog, EscapeClosesTheDialogWithoutValidating) {
    QStringList errors;
    TExApplication::SetExceptionHandler([&](const Exception& e) { errors << e.message(); });
    QDialog dialog;
    auto* e = new TExEdit(&dialog);
    e->setGeometry(80, 20, 120, 24);
    e->SetDataType(dtInteger);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    e->setFocus();
    e->setText(QStringLiteral("x"));
    QTest::keyClick(e, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(errors.isEmpty());
    TExApplication::SetExceptionHandler({});
}
