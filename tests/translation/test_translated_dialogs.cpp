// After start-up's translation, the boxes and Qt's own dialogs speak Portuguese. Set
// SW_SCREENSHOT_DIR to keep a picture of each dialog as the test saw it.
#include "ExDialogs.h"
#include "ExTranslation.h"
#include "ExTranslationQt.h"
#include "Messages.h"
#include "QStringPrinter.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace sw;

namespace {

QStringList buttonTexts(const QWidget* w) {
    QStringList texts;
    const QList<QPushButton*> buttons = w->findChildren<QPushButton*>();
    for (const QPushButton* b : buttons) {
        if (b->isVisibleTo(w))
            texts << b->text();
    }
    texts.sort();
    return texts;
}

QStringList labelTexts(const QWidget* w) {
    QStringList texts;
    const QList<QLabel*> labels = w->findChildren<QLabel*>();
    for (const QLabel* l : labels)
        texts << l->text();
    return texts;
}

void keepScreenshot(QWidget* w, const char* name) {
    const QByteArray dir = qgetenv("SW_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    w->grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name));
}

// Runs check on the modal dialog that opens next, then closes it with reject().
void onNextModal(std::function<void(QDialog*)> check) {
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        check(dialog);
        dialog->reject();
    });
}

class TranslatedDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // What the program does at start-up: library messages, then Qt's own texts.
        LoadTranslations();
        ASSERT_TRUE(InstallQtTranslations(*qApp));
    }
    static void TearDownTestSuite() { MessageTable::instance().resetAll(); }
};

} // namespace

TEST_F(TranslatedDialogs, ConfirmationBoxAndErrorPrompt) {
    QStringList seen;
    onNextModal([&](QDialog* box) {
        seen = buttonTexts(box);
        keepScreenshot(box, "confirmation.png");
    });
    ConfirmDlg(nullptr, QStringLiteral("Salvar as alterações atuais?"));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("&Não"), QStringLiteral("&Sim")}));

    EXPECT_EQ(ButtonTextOk(), QStringLiteral("&OK"));
    EXPECT_EQ(ButtonTextCancel(), QStringLiteral("Cancelar"));
    EXPECT_EQ(ButtonTextAbort(), QStringLiteral("Abortar"));
    EXPECT_EQ(ErrorPromptText(QStringLiteral("Valor inválido no campo Nome")),
              QStringLiteral("Valor inválido no campo Nome.\n\n"
                             "Pressione OK para ignorar com risco de corrupção de dados.\n"
                             "Pressione Abortar para encerrar o programa."));
}

TEST_F(TranslatedDialogs, QtFileDialogAndStandardButtons) {
    QStringList buttons, labels;
    QFileDialog dialog(nullptr, QStringLiteral("Abrir"), QDir::tempPath(),
                       QStringLiteral("Slatewright (*.swl)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    onNextModal([&](QDialog* d) {
        buttons = buttonTexts(d);
        labels = labelTexts(d);
        keepScreenshot(d, "file-dialog.png");
    });
    dialog.exec();
    EXPECT_TRUE(buttons.contains(QStringLiteral("&Abrir"))) << buttons.join(u'|').toStdString();
    EXPECT_TRUE(buttons.contains(QStringLiteral("Cancelar"))) << buttons.join(u'|').toStdString();
    EXPECT_TRUE(labels.contains(QStringLiteral("Arquivos do tipo:")) ||
                labels.contains(QStringLiteral("Arquivos do &tipo:")))
        << labels.join(u'|').toStdString();

    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancelar"));
    QMessageBox question(QMessageBox::Question, QString(), QStringLiteral("?"),
                         QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question.button(QMessageBox::Yes)->text(), QStringLiteral("&Sim"));
    EXPECT_EQ(question.button(QMessageBox::No)->text(), QStringLiteral("&Não"));
}
