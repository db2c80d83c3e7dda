#include "ExDialogs.h"

#include "ExApplication.h"
#include "Messages.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>

namespace sw {

namespace {
const Message rsMbYes("lclstrconsts.rsmbyes", "&Yes");
const Message rsMbNo("lclstrconsts.rsmbno", "&No");
const Message rsMbOk("lclstrconsts.rsmbok", "&OK");
const Message rsMbCancel("lclstrconsts.rsmbcancel", "Cancel");
const Message rsMbAbort("lclstrconsts.rsmbabort", "Abort");
const Message rsPressOkToIgnore(
    "lclstrconsts.rspressoktoignoreandriskdatacorruptionpressaborttok",
    "%s%sPress OK to ignore and risk data corruption.%sPress Abort to kill the program.");

ErrorPromptFunction& promptSlot() {
    static ErrorPromptFunction prompt;
    return prompt;
}

TModalResult errorPromptBox(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text);
    QPushButton* ok = box.addButton(ButtonTextOk(), QMessageBox::AcceptRole);
    QPushButton* abort = box.addButton(ButtonTextAbort(), QMessageBox::DestructiveRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok); // Esc goes on, like OK: ending the program takes a deliberate click
    box.exec();
    return box.clickedButton() == abort ? TModalResult::mrAbort : TModalResult::mrOk;
}
} // namespace

QString ButtonTextYes() {
    return rsMbYes.text();
}
QString ButtonTextNo() {
    return rsMbNo.text();
}
QString ButtonTextOk() {
    return rsMbOk.text();
}
QString ButtonTextCancel() {
    return rsMbCancel.text();
}
QString ButtonTextAbort() {
    return rsMbAbort.text();
}

bool ConfirmDlg(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QString(), question, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(ButtonTextYes(), QMessageBox::YesRole);
    QPushButton* no = box.addButton(ButtonTextNo(), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void InformationDlg(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QString(), text, QMessageBox::NoButton, parent);
    QPushButton* ok = box.addButton(ButtonTextOk(), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

QString ErrorPromptText(const QString& message) {
    QString m = message;
    if (!m.isEmpty() && !m.endsWith(QLatin1Char('.')))
        m += QLatin1Char('.');
    return Format(rsPressOkToIgnore.text(), {m, QStringLiteral("\n\n"), QStringLiteral("\n")});
}

void SetErrorPromptFunction(ErrorPromptFunction prompt) {
    promptSlot() = std::move(prompt);
}

TModalResult ShowErrorPrompt(const QString& title, const QString& text) {
    if (promptSlot())
        return promptSlot()(title, text);
    return errorPromptBox(title, text);
}

void HandleApplicationException(const Exception& e) {
    if (dynamic_cast<const EAbort*>(&e))
        return;
    QString text;
    try {
        text = ErrorPromptText(e.message());
    } catch (const Exception&) {
        // A broken translation of the prompt must not hide the error itself.
        text = e.message();
    }
    if (ShowErrorPrompt(QGuiApplication::applicationDisplayName(), text) == TModalResult::mrAbort) {
        std::fflush(nullptr);
        // At once and without saving: no window is closed, so no settings are written, while
        // the modules still shut down in order.
        std::exit(0);
    }
}

void InstallErrorPrompt() {
    TExApplication::SetExceptionHandler(&HandleApplicationException);
}

} // namespace sw
