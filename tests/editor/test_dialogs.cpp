// Message boxes, the application's error prompt and the file dialogs' setup.
#include "ExApplication.h"
#include "ExDialogs.h"
#include "FileDialogs.h"
#include "Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>

using namespace sw;

namespace {
class Failing : public QWidget {
public:
    QString message;
    void keyPressEvent(QKeyEvent*) override { throw Exception(message); }
};

// Presses the button with the given text in the next modal box, and records the box's texts.
struct BoxAnswer {
    QString press;
    QStringList buttons;
    QString text;
    void arm() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == press)
                    b->click();
        });
    }
};
} // namespace

TEST(ErrorPrompt, TextAddsAFullStopABlankLineAndTheTwoLines) {
    const QString tail = QStringLiteral("\n\nPress OK to ignore and risk data corruption.\n"
                                        "Press Abort to kill the program.");
    EXPECT_EQ(ErrorPromptText(QString::fromUtf8("Valor inválido no campo Nome")),
              QString::fromUtf8("Valor inválido no campo Nome.") + tail);
    EXPECT_EQ(ErrorPromptText(QStringLiteral("Already done.")),
              QStringLiteral("Already done.") + tail);
    EXPECT_EQ(ErrorPromptText(QString()), tail);
    // Translation replaces the named text; a percent sign in the message is only text.
    MessageTable::instance().setCurrentText(
        "lclstrconsts.rspressoktoignoreandriskdatacorruptionpressaborttok",
        QString::fromUtf8("%s%sPressione OK para ignorar com risco de corrupção de dados.%s"
                          "Pressione Abortar para encerrar o programa."));
    EXPECT_EQ(ErrorPromptText(QStringLiteral("100% errado")),
              QString::fromUtf8("100% errado.\n\nPressione OK para ignorar com risco de corrupção "
                                "de dados.\nPressione Abortar para encerrar o programa."));
    MessageTable::instance().resetAll();
}

TEST(ErrorPrompt, OkGoesBackToTheEventLoop) {
    QStringList titles, texts;
    SetErrorPromptFunction([&](const QString& title, const QString& text) {
        titles << title;
        texts << text;
        return TModalResult::mrOk;
    });
    InstallErrorPrompt();
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Slatewright Editor"));
    Failing w;
    w.message = QStringLiteral("Falhou");
    w.show();
    QTest::keyClick(&w, Qt::Key_A);
    QTest::keyClick(&w, Qt::Key_B);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Falhou.\n\n")));
    EXPECT_EQ(titles[0], QStringLiteral("Slatewright Editor"));
    // The silent abort shows nothing.
    HandleApplicationException(EAbort());
    EXPECT_EQ(texts.size(), 2);
    SetErrorPromptFunction({});
    TExApplication::SetExceptionHandler({});
}

TEST(ErrorPromptDeathTest, AbortEndsTheProgramAtOnceWithExitCodeZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SetErrorPromptFunction([](const QString&, const QString& text) {
                std::fprintf(stderr, "prompt[%s]\n", text.toUtf8().constData());
                return TModalResult::mrAbort;
            });
            InstallErrorPrompt();
            Failing w;
            w.message = QStringLiteral("Falhou");
            w.show();
            QTest::keyClick(&w, Qt::Key_A);
            std::fprintf(stderr, "still running\n");
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "prompt\\[Falhou\\.");
}

TEST(ErrorPrompt, TheBoxHasOkAndAbortAndEscapeMeansOk) {
    QMessageBox* seen = nullptr;
    QTimer::singleShot(0, [&] {
        seen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(seen, nullptr);
        QStringList buttons;
        for (QAbstractButton* b : seen->buttons())
            buttons << b->text();
        EXPECT_TRUE(buttons.contains(QStringLiteral("&OK")));
        EXPECT_TRUE(buttons.contains(QStringLiteral("Abort")));
        EXPECT_EQ(seen->defaultButton()->text(), QStringLiteral("&OK"));
        EXPECT_EQ(seen->icon(), QMessageBox::Critical);
        QTest::keyClick(seen, Qt::Key_Escape);
    });
    EXPECT_EQ(ShowErrorPrompt(QStringLiteral("T"), QStringLiteral("x")), TModalResult::mrOk);
    EXPECT_NE(seen, nullptr);
    BoxAnswer abort{QStringLiteral("Abort"), {}, {}};
    abort.arm();
    EXPECT_EQ(ShowErrorPrompt(QStringLiteral("T"), QStringLiteral("x")), TModalResult::mrAbort);
}

TEST(MessageBoxes, ConfirmUsesOurButtonTexts) {
    MessageTable::instance().setCurrentText("lclstrconsts.rsmbyes", QStringLiteral("&Sim"));
    MessageTable::instance().setCurrentText("lclstrconsts.rsmbno", QString::fromUtf8("&Não"));
    BoxAnswer yes{QStringLiteral("&Sim"), {}, {}};
    yes.arm();
    EXPECT_TRUE(ConfirmDlg(nullptr, QStringLiteral("Pergunta?")));
    EXPECT_EQ(yes.text, QStringLiteral("Pergunta?"));
    EXPECT_EQ(yes.buttons.size(), 2);
    BoxAnswer no{QString::fromUtf8("&Não"), {}, {}};
    no.arm();
    EXPECT_FALSE(ConfirmDlg(nullptr, QStringLiteral("Pergunta?")));
    MessageTable::instance().resetAll();
    BoxAnswer ok{QStringLiteral("&OK"), {}, {}};
    ok.arm();
    InformationDlg(nullptr, QStringLiteral("Info"));
    EXPECT_EQ(ok.buttons, QStringList{QStringLiteral("&OK")});
}

TEST(FileDialogs, LayoutFilterDefaultExtensionAndReplaceQuestion) {
    EXPECT_EQ(QtNameFilters(QStringLiteral(
                  "Arquivo do Slatewright (*.swl)|*.swl|Todos os arquivos (*.*)|*.*")),
              (QStringList{QStringLiteral("Arquivo do Slatewright (*.swl)"),
                           QStringLiteral("Todos os arquivos (*)")}));
    EXPECT_EQ(QtNameFilters(QStringLiteral("Dois|*.a;*.b|sobra")),
              QStringList{QStringLiteral("Dois (*.a *.b)")});
    QFileDialog save;
    SetupLayoutFileDialog(save, QFileDialog::AcceptSave, QStringLiteral("/tmp/"), QString());
    EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(save.defaultSuffix(), QStringLiteral("swl"));
    EXPECT_FALSE(save.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(save.nameFilters().size(), 2);
    QFileDialog open;
    SetupLayoutFileDialog(open, QFileDialog::AcceptOpen, QStringLiteral("/tmp/"), QString());
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
}
