#include "uFieldEditor.h"

namespace sw {

namespace {
FieldEditorFunction& editorSlot() {
    static FieldEditorFunction editor;
    return editor;
}

// The dialog itself comes with the editor dialogs; until then nothing is confirmed.
bool ShowFieldEditorDialog(TExPrinterField&) {
    return false;
}
} // namespace

bool ExecuteFieldEditor(TExPrinterField& field) {
    if (editorSlot())
        return editorSlot()(field);
    return ShowFieldEditorDialog(field);
}

void SetFieldEditorFunction(FieldEditorFunction editor) {
    editorSlot() = std::move(editor);
}

} // namespace sw
