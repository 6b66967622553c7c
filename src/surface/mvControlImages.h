#pragma once
// Pictures of the controls as the surface last painted them. Drawing a control's text is what
// makes a repaint slow; a control whose look has not changed since (it was moved, nudged or
// uncovered) is copied from its picture instead, pixel for pixel what drawing it would give.
// A picture is kept per control under its look stamp, its size and what of the paint context
// it depends on; any change of these draws it again. The pictures together stay under a byte
// limit, the least recently used going first.
#include <QHash>
#include <QImage>
#include <QPoint>
#include <list>

#include "model/mvPaintContext.h"

class QPainter;
class TmvControl;

class TmvControlImages {
public:
    // Enough for thousands of ordinary controls.
    static constexpr qint64 kDefaultByteLimit = 48 * 1024 * 1024;
    // Larger controls are drawn each time: they are mostly empty, and quick to draw.
    static constexpr qint64 kLargestPicture = 1024 * 1024;

    explicit TmvControlImages(qint64 byteLimit = kDefaultByteLimit);

    // Paints `control` with its top-left at `at` (painter coordinates), as
    // control.Paint(painter, context) would there.
    void Paint(QPainter& painter, QPoint at, const TmvControl& control,
               const TmvPaintContext& context);

    // 0 keeps no pictures: every control is drawn.
    void SetByteLimit(qint64 bytes);
    qint64 ByteLimit() const { return byteLimit_; }
    void Clear();
    int Count() const { return int(index_.size()); }
    qint64 Bytes() const { return bytes_; }
    // How many pictures have been drawn so far.
    int Drawn() const { return drawn_; }

private:
    // What a picture was drawn from, besides the control's stamp.
    struct Look {
        quint64 Stamp = 0;
        QSize Size;
        int DpiX = 0;
        int DpiY = 0;
        TmvPaintContext Context;
        bool operator==(const Look&) const = default;
    };
    struct Entry {
        const TmvControl* Control; // only a key: the control may be gone
        Look Drawn;
        QImage Picture;
    };

    bool Keeps(const QPainter& painter, const TmvControl& control) const;
    const QImage& PictureOf(const QPainter& painter, const TmvControl& control, const Look& look);
    void Trim();

    qint64 byteLimit_;
    qint64 bytes_ = 0;
    int drawn_ = 0;
    std::list<Entry> recent_; // most recently used first
    QHash<const TmvControl*, std::list<Entry>::iterator> index_;
};
