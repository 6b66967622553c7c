// compare-pictures A.png B.png MAX-PERCENT: compares two pictures pixel by pixel. Prints how
// many pixels differ, their share and the rectangle that holds them, and exits 0 when the
// pictures have the same size and at most MAX-PERCENT of the pixels differ, 1 when more do,
// 2 when a picture cannot be read.
#include <QImage>
#include <QRect>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: compare-pictures A.png B.png MAX-PERCENT\n", stderr);
        return 2;
    }
    const QImage a = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QImage b = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (a.isNull() || b.isNull()) {
        std::fprintf(stderr, "compare-pictures: cannot read %s\n", a.isNull() ? argv[1] : argv[2]);
        return 2;
    }
    if (a.size() != b.size()) {
        std::printf("sizes differ: %dx%d and %dx%d\n", a.width(), a.height(), b.width(),
                    b.height());
        return 1;
    }
    qint64 differing = 0;
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (rowA[x] == rowB[x]) continue;
            ++differing;
            box |= QRect(x, y, 1, 1);
        }
    }
    const double percent = 100.0 * double(differing) / (double(a.width()) * a.height());
    std::printf("%lld of %d pixels differ (%.3f%%)", static_cast<long long>(differing),
                a.width() * a.height(), percent);
    if (differing > 0)
        std::printf(", within x %d..%d, y %d..%d", box.left(), box.right(), box.top(),
                    box.bottom());
    std::printf("\n");
    return percent <= std::atof(argv[3]) ? 0 : 1;
}
