#pragma once
// The design surface: the window that shows the dialog at its real size. Its client area is the
// dialog's client area (below the imitated menu bar when the dialog has one), its caption the
// dialog's title and its font the dialog's font. It paints the visible controls in z-order over
// the button face or the grid.
#include <QImage>
#include <QWidget>

#include "model/mvPaintContext.h"
#include "surface/mvSurfaceView.h"

class DialogDocument;
struct Settings;

class TMainDialog : public QWidget, public TmvSurfaceView {
    Q_OBJECT
public:
    // Attaches itself to the document as its view until destroyed.
    explicit TMainDialog(DialogDocument& doc, QWidget* parent = nullptr);
    ~TMainDialog() override;

    DialogDocument& Document() const { return doc_; }

    // The painting preferences of the settings ("HotTracking", "TextBorder", grid keys);
    // rebuilds the grid.
    void ApplySettings(const Settings& settings);
    // The preferences the controls are painted with (the dialog's own mode is added per paint).
    const TmvPaintContext& PaintOptions() const { return options_; }

    bool ShowGrid() const { return options_.ShowGrid; }
    void SetShowGrid(bool on);
    // One tile of the background with the grid, repeated over the surface when the grid is
    // shown: as large as what can be shown at once (the surface, at most the screen), in whole
    // grid steps so that tiles join, whatever the dialog's size.
    const QImage& GridBitmap() const { return gridBitmap_; }
    void RebuildGridBitmap();

    // Takes the document's title, font and client size.
    void SyncWithDocument();

    // TmvSurfaceView
    void RepaintControl(TmvControl* control) override;
    void RepaintSurface() override;
    void LayoutChanged() override;
    void ClientSizeChanged() override;
    void ResetCursor(TmvControl* control) override;
    void StartMoveDrag(TmvControl* control) override;
    void StartSizeDrag(TmvControl* control) override;

    // The palette's tool: while armed, the next press on the surface creates one control of
    // the armed type.
    void SetArmedTool(int type, bool armed);
    bool ToolArmed() const { return toolArmed_; }
    int ArmedType() const { return armedType_; }

signals:
    // The G key changed "ShowGrid".
    void ShowGridToggled(bool on);
    // A press used the armed tool: the palette releases its buttons.
    void ReleasePalette();
    // The E key: the properties browser focuses its caption editor.
    void EditCaptionRequested();
    // The layout or values changed: the properties browser reloads its values.
    void BrowserReloadRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Top of the client area inside this widget: the height of the imitated menu bar.
    int ClientTop() const;
    TmvPaintContext ContextFor(const TmvControl& control) const;
    QSize GridTileSize() const;
    void PaintMenuBar(QPainter& painter) const;

    DialogDocument& doc_;
    TmvPaintContext options_;
    QImage gridBitmap_;
    bool gridBuiltForDbu_ = false;
    int armedType_ = 0;
    bool toolArmed_ = false;
};
