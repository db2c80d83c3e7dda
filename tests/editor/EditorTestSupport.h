#pragma once
// Scripted answers for the main window's logic, and small field records.

#include "MainLogic.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace edtest {

inline sw::TExPrinterField Field(const QString& name, double left = 0) {
    sw::TExPrinterField f = sw::ZeroField();
    f.Name.assign(name);
    f.Left = left;
    f.HorzAlignment = 1;
    f.VertAlignment = 1;
    f.FontName.assign(QStringLiteral("Courier New"));
    f.FontSize = 10;
    f.Print = 1;
    return f;
}

// Every answer is queued by the test; a question nobody expected fails the test.
class Script : public sw::TMainDialogs {
public:
    std::deque<bool> confirms;
    std::deque<QString> opens; // an empty text: the user cancels
    std::deque<QString> saves;
    std::deque<std::function<bool(sw::TExPrinterField&)>> edits;
    QStringList questions;
    QStringList openDirs, saveDirs, savePresets;
    QStringList editedNames; // the name each field editor call was given
    std::deque<std::function<bool(sw::TPaperInfo&)>> papers;
    std::deque<std::function<bool(QString&)>> inputs;
    std::deque<bool> printers; // the printer dialog: confirmed or cancelled
    QStringList informations, inputCaptions;
    int previews = 0;

    bool Confirm(const QString& q) override {
        questions << q;
        if (confirms.empty()) {
            ADD_FAILURE() << "unexpected question: " << q.toStdString();
            return false;
        }
        const bool a = confirms.front();
        confirms.pop_front();
        return a;
    }
    QString OpenFileName(const QString& dir, const QString&) override {
        openDirs << dir;
        return take(opens, "open");
    }
    QString SaveFileName(const QString& dir, const QString& fileName) override {
        saveDirs << dir;
        savePresets << fileName;
        return take(saves, "save");
    }
    bool EditField(sw::TExPrinterField& f) override {
        editedNames << f.Name.toString();
        if (edits.empty()) {
            ADD_FAILURE() << "unexpected field editor";
            return false;
        }
        auto e = edits.front();
        edits.pop_front();
        return e(f);
    }
    bool EditPaper(sw::TPaperInfo& paper) override { return answer(papers, "paper editor", paper); }
    bool InputQuery(const QString& caption, const QString&, QString& text) override {
        inputCaptions << caption;
        return answer(inputs, "input box", text);
    }
    void Information(const QString& text) override { informations << text; }
    bool SelectPrinter() override {
        if (printers.empty()) {
            ADD_FAILURE() << "unexpected printer dialog";
            return false;
        }
        const bool a = printers.front();
        printers.pop_front();
        return a;
    }
    // The preview draws its pages at once, as the preview dialog does when it opens.
    void Preview(const std::function<void()>& draw) override {
        ++previews;
        draw();
    }
    bool done() const {
        return confirms.empty() && opens.empty() && saves.empty() && edits.empty() &&
               papers.empty() && inputs.empty() && printers.empty();
    }

private:
    template <typename T>
    static bool answer(std::deque<std::function<bool(T&)>>& q, const char* what, T& value) {
        if (q.empty()) {
            ADD_FAILURE() << "unexpected " << what;
            return false;
        }
        auto a = q.front();
        q.pop_front();
        return a(value);
    }
    static QString take(std::deque<QString>& q, const char* what) {
        if (q.empty()) {
            ADD_FAILURE() << "unexpected " << what << " dialog";
            return QString();
        }
        QString a = q.front();
        q.pop_front();
        return a;
    }
};

inline std::function<bool(sw::TExPrinterField&)> Accept() {
    return [](sw::TExPrinterField&) { return true; };
}
inline std::function<bool(sw::TExPrinterField&)> Cancel() {
    return [](sw::TExPrinterField&) { return false; };
}
inline std::function<bool(sw::TExPrinterField&)> Rename(const QString& name) {
    return [name](sw::TExPrinterField& f) {
        f.Name.assign(name);
        return true;
    };
}

inline QStringList RowNames(const sw::TMainLogic& logic) {
    QStringList out;
    for (const auto& f : logic.Rows().Records())
        out << f.Name.toString();
    return out;
}

} // namespace edtest
