#pragma once

#include "SysUtils.h"

#include <QString>
#include <functional>

class QWidget;

namespace sw {

enum class TModalResult { mrNone, mrOk, mrCancel, mrAbort, mrYes, mrNo };

// A modal yes/no question without a caption of its own; true when the answer is Yes.
bool ConfirmDlg(QWidget* parent, const QString& question);
// A modal information box with one OK button.
void InformationDlg(QWidget* parent, const QString& text);

// The button texts of our boxes, translatable like every other text.
QString ButtonTextYes();
QString ButtonTextNo();
QString ButtonTextOk();
QString ButtonTextCancel();
QString ButtonTextAbort();

// The application's error prompt for an error that left an event handler: the message with a
// full stop appended (unless it is empty or has one), a blank line, then a line about OK and a
// line about Abort.
QString ErrorPromptText(const QString& message);

// Shows the prompt and returns mrOk or mrAbort. The modal box can be replaced (tests script the
// answer and read the text); an empty function puts the box back.
using ErrorPromptFunction = std::function<TModalResult(const QString& title, const QString& text)>;
void SetErrorPromptFunction(ErrorPromptFunction prompt);
TModalResult ShowErrorPrompt(const QString& title, const QString& text);

// What becomes of an error that left an event handler: the prompt, titled with the application's
// title; on Abort the program ends at once with exit code 0, without saving anything.
void HandleApplicationException(const Exception& e);
// Routes the application object's errors to HandleApplicationException.
void InstallErrorPrompt();

} // namespace sw
