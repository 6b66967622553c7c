// compare-pictures A.png B.png MAX-PERCENT [X Y W H]: compares two pictures pixel by pixel.
// Prints how many pixels differ, their share and the rectangle that holds them, and exits 0
// when at most MAX-PERCENT of the pixels differ, 1 when more do (or the sizes differ), 2 when a
// picture cannot be read.
// With a rectangle, only that part of A is compared, with the part of B of the same size that
// matches it best within kSearch pixels either way: a window drawn the same but placed a few
// pixels apart (the rest of the screen laid out in another font) is still the same picture.
#include <QImage>
#include <QRect>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kSearch = 16;

struct TDifference {
    qint64 Count = 0;
    QRect Box; // in A's coordinates
};

// The pixels of `area` of A that differ from B's moved by `offset`.
TDifference Compare(const QImage& a, const QImage& b, const QRect& area, const QPoint& offset) {
    TDifference d;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y + offset.y()));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (rowA[x] == rowB[x + offset.x()]) continue;
            ++d.Count;
            d.Box |= QRect(x, y, 1, 1);
        }
    }
    return d;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 8) {
        std::fputs("usage: compare-pictures A.png B.png MAX-PERCENT [X Y W H]\n", stderr);
        return 2;
    }
    const QImage a = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QImage b = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (a.isNull() || b.isNull()) {
        std::fprintf(stderr, "compare-pictures: cannot read %s\n", a.isNull() ? argv[1] : argv[2]);
        return 2;
    }
    QRect area = a.rect();
    int search = 0;
    if (argc == 8) {
        area =
            QRect(std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]), std::atoi(argv[7]));
        if (area.isEmpty() || !a.rect().contains(area)) {
            std::fprintf(stderr, "compare-pictures: the rectangle is not inside %s\n", argv[1]);
            return 2;
        }
        search = kSearch;
    } else if (a.size() != b.size()) {
        std::printf("sizes differ: %dx%d and %dx%d\n", a.width(), a.height(), b.width(),
                    b.height());
        return 1;
    }
    TDifference best;
    QPoint bestOffset;
    bool found = false;
    for (int dy = -search; dy <= search; ++dy)
        for (int dx = -search; dx <= search; ++dx) {
            const QPoint offset(dx, dy);
            if (!b.rect().contains(area.translated(offset))) continue;
            const TDifference d = Compare(a, b, area, offset);
            if (!found || d.Count < best.Count) {
                best = d;
                bestOffset = offset;
                found = true;
            }
        }
    if (!found) {
        std::printf("the rectangle lies outside %s\n", argv[2]);
        return 1;
    }
    const qint64 pixels = qint64(area.width()) * area.height();
    const double percent = 100.0 * double(best.Count) / double(pixels);
    std::printf("%lld of %lld pixels differ (%.3f%%)", static_cast<long long>(best.Count),
                static_cast<long long>(pixels), percent);
    if (best.Count > 0)
        std::printf(", within x %d..%d, y %d..%d", best.Box.left(), best.Box.right(),
                    best.Box.top(), best.Box.bottom());
    if (!bestOffset.isNull())
        std::printf(", the second picture moved by %d, %d", bestOffset.x(), bestOffset.y());
    std::printf("\n");
    return percent <= std::atof(argv[3]) ? 0 : 1;
}
