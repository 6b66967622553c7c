// Every seed of the fuzz corpus and every input a fuzzer once found runs through its entry
// again, in the ordinary build, and keeps the properties the entry checks.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include "fuzzEntries.h"
#include "support/testPaths.h"

namespace {

QStringList CasesOf(const char* entry) {
    const QString root = SourceDir() + QStringLiteral("/fuzz/");
    QStringList files;
    for (const QString& folder : {QStringLiteral("corpus/"), QStringLiteral("regressions/")}) {
        QDirIterator it(root + folder + QLatin1String(entry), QDir::Files);
        while (it.hasNext())
            files << it.next();
    }
    files.sort();
    return files;
}

} // namespace

TEST(FuzzRegressions, EveryKeptInputKeepsItsEntrysProperties) {
    int count = 0;
    const TmvFuzzEntry* entries = FuzzEntries(&count);
    ASSERT_EQ(count, 8);
    for (int i = 0; i < count; ++i) {
        const QStringList files = CasesOf(entries[i].Name);
        EXPECT_FALSE(files.isEmpty()) << entries[i].Name << " has no seed corpus";
        for (const QString& path : files) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
            const QByteArray bytes = file.readAll();
            EXPECT_TRUE(entries[i].Run(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                       size_t(bytes.size())))
                << qPrintable(path);
        }
    }
}
