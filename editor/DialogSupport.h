#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QPushButton>

namespace sw {

// What the editor's dialogs share: fixed size, the small dialog font, our OK and Cancel buttons,
// and the closing rule: OK first asks CloseQuery, whose error refuses the close and reaches the
// application's error prompt with the dialog still open as the user left it.
class TExDialog : public QDialog {
    Q_OBJECT
public:
    TExDialog(int width, int height);

    void accept() override;

protected:
    // Runs only for OK; raises to refuse the close.
    virtual void FormCloseQuery() {}
    // Runs once the close with OK is accepted.
    virtual void FormClose() {}

    QPushButton* MakeOkButton(int left, int top, int width, int height);
    QPushButton* MakeCancelButton(int left, int top, int width, int height);
};

// A group box whose children are placed relative to its inside, below the caption, as the
// design positions are given.
class TExGroupBox : public QGroupBox {
    Q_OBJECT
public:
    TExGroupBox(const QString& caption, QWidget* parent, int left, int top, int width, int height);
    // The parent for the controls inside the box.
    QWidget* Client() const { return m_client; }

private:
    QWidget* m_client;
};

} // namespace sw
