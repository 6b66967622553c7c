#pragma once
// A main window with the user scripted (message boxes recorded, file dialogs answered from a
// script), after its first showing's work.
#include <QApplication>
#include <QMdiSubWindow>
#include <QTest>

#include "app/mvMain.h"
#include "support/testPaths.h"
#include "support/testProjectHelpers.h"
#include "support/testRecordingPrompter.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"

// The sample project of the source tree, with every control type, tab pages and a menu.
inline QString SampleProjectPath() {
    return SourceDir() + QStringLiteral("/docs/sample.mv");
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
    // Shown and active, with the focus on the surface: the main window's shortcuts reach it.
    void ShowActive() {
        Main.show();
        QApplication::setActiveWindow(&Main);
        Main.Surface()->setFocus();
    }
};

// The captions of the messages of one kind ("Question", "Warning", ...), in order.
inline QStringList MessageCaptions(const RecordingPrompter& prompt, const QString& kind) {
    QStringList captions;
    for (const auto& m : prompt.Messages)
        if (m.Kind == kind) captions << m.Caption;
    return captions;
}

// The user drags the surface's frame by its bottom-right corner until the frame is `by` larger
// (smaller when negative), and lets go.
inline void DragSurfaceFrameBy(Shell& shell, const QSize& by) {
    QMdiSubWindow* frame = shell.Main.SurfaceFrame();
    const QPoint corner(frame->width() - 2, frame->height() - 2);
    QTest::mousePress(frame, Qt::LeftButton, {}, corner);
    frame->resize(frame->size() + by);
    QApplication::processEvents();
    QTest::mouseRelease(frame, Qt::LeftButton, {}, corner + QPoint(by.width(), by.height()));
    QApplication::processEvents();
}
