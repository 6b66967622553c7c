#include "surface/mvControlImages.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

#include "model/mvControls.h"
#include "model/mvSelectionMarks.h"
#include "model/mvTabControl.h"

namespace {
// What of the context a control's look depends on. The selection reaches it only through the
// marks: which control is selected with how many others, or a press in progress, changes
// nothing else. The picture is drawn from this context, so it shows what it is kept under.
TmvPaintContext LookOfContext(const TmvPaintContext& context) {
    TmvPaintContext look = context;
    look.Selected = ShowsSelectionMarks(context);
    look.SelectionCount = look.Selected ? 2 : 0;
    look.Reference = !look.Selected || context.Reference;
    look.Clicking = false;
    // The grid is the background's, drawn below the controls (the tab control, which lets it
    // through, is not kept).
    const TmvPaintContext defaults;
    look.ShowGrid = defaults.ShowGrid;
    look.GridSizeX = defaults.GridSizeX;
    look.GridSizeY = defaults.GridSizeY;
    look.GridColor = defaults.GridColor;
    look.GridType = defaults.GridType;
    return look;
}

bool WholePixelShift(const QTransform& t) {
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
           t.dy() == std::floor(t.dy());
}

qint64 BytesOf(const QImage& image) {
    return image.sizeInBytes();
}
} // namespace

TmvControlImages::TmvControlImages(qint64 byteLimit) : byteLimit_(byteLimit) {}

void TmvControlImages::SetByteLimit(qint64 bytes) {
    byteLimit_ = bytes;
    Trim();
}

void TmvControlImages::Clear() {
    recent_.clear();
    index_.clear();
    bytes_ = 0;
}

bool TmvControlImages::Keeps(const QPainter& painter, const TmvControl& control) const {
    // The tab control's look also depends on its pages, which change without it knowing.
    if (control.ControlType == ctTab) return false;
    if (control.Width <= 0 || control.Height <= 0) return false;
    const qint64 bytes = qint64(control.Width) * control.Height * 4;
    if (bytes > kLargestPicture || bytes > byteLimit_) return false;
    // A picture copies pixels one to one, plainly over what is below it.
    return WholePixelShift(painter.deviceTransform()) && painter.opacity() == 1.0 &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver;
}

void TmvControlImages::Paint(QPainter& painter, QPoint at, const TmvControl& control,
                             const TmvPaintContext& context) {
    if (!Keeps(painter, control)) {
        painter.save();
        painter.translate(at);
        control.Paint(painter, context);
        painter.restore();
        return;
    }
    Look look;
    look.Stamp = control.LookStamp();
    look.Size = QSize(control.Width, control.Height);
    if (const QPaintDevice* device = painter.device()) {
        look.DpiX = device->logicalDpiX();
        look.DpiY = device->logicalDpiY();
    }
    look.Context = LookOfContext(context);
    painter.drawImage(at, PictureOf(painter, control, look));
}

const QImage& TmvControlImages::PictureOf(const QPainter& painter, const TmvControl& control,
                                          const Look& look) {
    auto found = index_.find(&control);
    if (found == index_.end()) {
        recent_.push_front(Entry{&control, Look(), QImage()});
        found = index_.insert(&control, recent_.begin());
    } else if (found.value() != recent_.begin()) {
        recent_.splice(recent_.begin(), recent_, found.value());
    }
    Entry& entry = recent_.front();
    if (entry.Picture.isNull() || !(entry.Drawn == look)) {
        bytes_ -= BytesOf(entry.Picture);
        // Unpainted pixels stay transparent, so what is below shows through as it would.
        entry.Picture = QImage(look.Size, QImage::Format_ARGB32_Premultiplied);
        if (const QPaintDevice* device = painter.device()) {
            entry.Picture.setDotsPerMeterX(qRound(device->logicalDpiX() / 0.0254));
            entry.Picture.setDotsPerMeterY(qRound(device->logicalDpiY() / 0.0254));
        }
        entry.Picture.fill(Qt::transparent);
        {
            QPainter picture(&entry.Picture);
            control.Paint(picture, look.Context);
        }
        entry.Drawn = look;
        bytes_ += BytesOf(entry.Picture);
        ++drawn_;
        Trim();
    }
    return recent_.front().Picture;
}

void TmvControlImages::Trim() {
    // The picture in use (the front) goes last.
    while (bytes_ > byteLimit_ && !recent_.empty()) {
        const Entry& oldest = recent_.back();
        bytes_ -= BytesOf(oldest.Picture);
        index_.remove(oldest.Control);
        recent_.pop_back();
    }
}
