#pragma once
// A main window with the user scripted (message boxes recorded, file dialogs answered from a
// script), after its first showing's work.
#include "app/mvMain.h"
#include "support/testProjectHelpers.h"
#include "support/testRecordingPrompter.h"
#include "surface/mvDialogDocument.h"

// The sample project of the source tree, with every control type, tab pages and a menu.
inline QString SampleProjectPath() {
    return QString::fromLocal8Bit(qgetenv("MAROVEL_SOURCE_DIR")) +
           QStringLiteral("/docs/sample.mv");
}

struct Shell {
    RecordingPrompter Prompt;
    ScriptedFiles Files;
    TMain Main;
    Shell() {
        Main.SetInteraction(&Prompt, &Files);
        Main.FirstShow();
    }
    DialogDocument& Doc() { return Main.Document(); }
};

// The captions of the messages of one kind ("Question", "Warning", ...), in order.
inline QStringList MessageCaptions(const RecordingPrompter& prompt, const QString& kind) {
    QStringList captions;
    for (const auto& m : prompt.Messages)
        if (m.Kind == kind) captions << m.Caption;
    return captions;
}
