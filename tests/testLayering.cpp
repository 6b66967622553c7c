// The layers of the source tree only point down: app → io → surface → model.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include "support/testHelpers.h"
#include "support/testPaths.h"

namespace {

int LayerRank(const QString& layer) {
    static const QStringList order = {"model", "surface", "io", "app"};
    return int(order.indexOf(layer));
}

TEST(Layering, IncludesPointOnlyDown) {
    const QString src = SourceDir() + "/src";
    const QRegularExpression include(R"(^\s*#\s*include\s+"(\w+)/)",
                                     QRegularExpression::MultilineOption);
    QStringList upward;
    int files = 0;
    QDirIterator it(src, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString layer = path.section('/', -2, -2);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        ++files;
        const QString text = QString::fromUtf8(file.readAll());
        for (auto m = include.globalMatch(text); m.hasNext();) {
            const QString target = m.next().captured(1);
            if (LayerRank(target) > LayerRank(layer))
                upward.append(layer + "/" + path.section('/', -1) + " → " + target);
        }
    }
    EXPECT_GT(files, 100);
    EXPECT_EQ(upward, QStringList());
}

} // namespace
