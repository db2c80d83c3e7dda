// Renders a small form of the controls to a picture, for a person to look at, and checks the
// few things a picture shows that the other tests cannot: the label and the display text are
// painted where they belong.
#include "ExStdCtrls.h"
#include "LocaleSettings.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace sw;

namespace {
QString U(const char* s) {
    return QString::fromUtf8(s);
}

bool hasInk(const QImage& img, const QRect& area) {
    const QColor bg = img.pixelColor(area.topLeft());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.pixelColor(x, y) != bg)
                return true;
    return false;
}
} // namespace

TEST(FormPicture, ControlsLookRight) {
    ScopedFormatSettings comma(CommaLocaleSettings());
    QWidget form;
    form.setWindowTitle(U("Campo"));
    form.resize(380, 250);
    auto* name = new TExEdit(&form);
    name->setGeometry(90, 15, 160, 23);
    name->SetLabelCaption(U("Nome"));
    name->SetLabelWidth(66);
    name->setText(U("CLIENTE_NOME"));
    auto* size = new TExEdit(&form);
    size->setGeometry(90, 45, 60, 23);
    size->SetLabelCaption(U("Tamanho"));
    size->SetLabelWidth(66);
    size->SetDataType(dtInteger);
    size->setText(U("30"));
    auto* width = new TExComboEdit(&form);
    width->setGeometry(90, 75, 100, 23);
    width->SetLabelCaption(U("Largura"));
    width->SetLabelWidth(66);
    width->SetDataType(dtFloat);
    width->SetDisplayFormat(U("0.## cm"));
    width->setText(U("12,5"));
    auto* date = new TExEdit(&form);
    date->setGeometry(90, 105, 100, 23);
    date->SetLabelCaption(U("Data"));
    date->SetLabelWidth(66);
    date->SetDataType(dtDate);
    date->setText(U("071223"));
    auto* horz = new TExComboBox(&form);
    horz->setGeometry(90, 135, 120, 23);
    horz->SetStyle(csDropDownList);
    horz->addItems({U("Esquerda"), U("Centro"), U("Direita")});
    horz->SetLabelCaption(U("Horizontal"));
    horz->SetLabelWidth(66);
    auto* off = new TExEdit(&form);
    off->setGeometry(90, 165, 100, 23);
    off->SetLabelCaption(U("Desativado"));
    off->setText(U("cinza"));
    off->setEnabled(false);
    auto* top = new TExEdit(&form);
    top->setGeometry(260, 75, 100, 23);
    top->SetLabelPos(poTopLeft);
    top->SetLabelCaption(U("Acima"));
    top->setReadOnly(true);
    top->setText(U("somente leitura"));
    auto* ok = new QPushButton(U("&OK"), &form);
    ok->setGeometry(280, 210, 80, 28);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    const QImage img = form.grab().toImage();
    img.save(QStringLiteral(SW_BINARY_DIR "/controls_form.png"));
    // The labels are drawn left of their controls, the display text inside the edits.
    EXPECT_TRUE(hasInk(img, name->Label()->geometry()));
    EXPECT_TRUE(hasInk(img, top->Label()->geometry()));
    EXPECT_EQ(width->DisplayText(), U("12,5 cm"));
    EXPECT_TRUE(hasInk(img, width->geometry().adjusted(4, 4, -24, -4)));
}
