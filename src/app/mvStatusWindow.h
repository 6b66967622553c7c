#pragma once
// The progress and log window that loading and importing write to.
#include <QWidget>

#include "surface/mvInteraction.h"

class QListWidget;
class QFrame;
class QLabel;

class TStatusWindow : public QWidget, public StatusSink {
    Q_OBJECT
public:
    explicit TStatusWindow(QWidget* parent = nullptr);

    void ClearStatus() override;
    void ShowStatus() override;
    void AddStatusLine(const QString& line) override;
    void SetStatusProgress(int percent) override;
    void HideStatus() override;

    QStringList Lines() const;
    // The bar's rectangle inside the panel; empty while hidden.
    QRect ProgressRect() const;

    QListWidget* lstStatus;
    QFrame* panProgress;
    QLabel* lblProgress;

signals:
    void ShowRequested(); // the main window shows the frame that holds this window
    void HideRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int percent_ = 0;
    void PlaceBar();
};
