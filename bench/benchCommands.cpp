// The editing commands on large selections: copy and paste of 1,000 controls, and every
// alignment, spacing and sizing operation on 1,000 selected controls.
#include <memory>

#include "io/mvClipboard.h"
#include "model/mvControls.h"
#include "mvBench.h"
#include "surface/mvAlignment.h"
#include "surface/mvDialogDocument.h"

namespace {
constexpr int kControls = 1000;
const QString kInput = QStringLiteral("1,000 controls");

// 1,000 buttons scattered over a large dialog, with IDs, all selected.
std::unique_ptr<DialogDocument> SelectedDialog() {
    auto doc = std::make_unique<DialogDocument>();
    doc->ClientWidth = 4000;
    doc->ClientHeight = 3000;
    for (int i = 0; i < kControls; ++i) {
        TmvControl* c = doc->CreateControl(ctButton, true, (i * 37) % 3900, (i * 53) % 2900,
                                           20 + i % 40, 10 + i % 20, -1);
        c->ID = i + 1;
        c->SetVisible(true);
        doc->Select(c);
    }
    return doc;
}
} // namespace

MAROVEL_BENCH(Clipboard) {
    std::unique_ptr<DialogDocument> doc;
    TmvControlClipboard clipboard;
    report.Figure(QStringLiteral("Copy the selection"), kInput,
                  MedianMs(
                      5, [&] { clipboard.CopySelection(*doc); }, [&] { doc = SelectedDialog(); }),
                  100);
    // Every pasted control finds its ID taken and gets a new one.
    report.Figure(QStringLiteral("Paste (IDs repaired)"), kInput,
                  MedianMs(
                      5, [&] { clipboard.PasteControls(*doc); },
                      [&] {
                          doc = SelectedDialog();
                          clipboard.CopySelection(*doc);
                      }),
                  100);
}

MAROVEL_BENCH(AlignmentOperations) {
    std::unique_ptr<DialogDocument> doc;
    TmvAlignLists lists;
    const auto prepare = [&] {
        doc = SelectedDialog();
        lists = BuildAlignLists(*doc);
    };
    report.Figure(QStringLiteral("Build the ordered lists"), kInput,
                  MedianMs(
                      5, [&] { lists = BuildAlignLists(*doc); }, prepare),
                  100);

    using H = TmvHorizontalAlign;
    using Vt = TmvVerticalAlign;
    const std::pair<const char*, std::pair<H, Vt>> aligns[] = {
        {"Align left sides and tops", {H::LeftSides, Vt::Tops}},
        {"Align middles", {H::Middles, Vt::Middles}},
        {"Align right sides and bottoms", {H::RightSides, Vt::Bottoms}},
        {"Center the group", {H::Center, Vt::Center}},
    };
    for (const auto& [name, how] : aligns)
        report.Figure(QString::fromLatin1(name), kInput,
                      MedianMs(
                          5, [&] { AlignSelection(*doc, lists, how.first, how.second); }, prepare),
                      100);

    const std::pair<const char*, TmvSpacing> spacings[] = {
        {"Space equally", TmvSpacing::Equal},
        {"Remove spacing", TmvSpacing::Remove},
        {"Increase spacing by 3", TmvSpacing::Increase},
        {"Decrease spacing by 3", TmvSpacing::Decrease},
    };
    for (const auto& [name, how] : spacings)
        report.Figure(QString::fromLatin1(name), kInput,
                      MedianMs(
                          5, [&] { SpaceSelection(*doc, lists, how, 3, how, 3); }, prepare),
                      100);

    const std::pair<const char*, TmvSizing> sizings[] = {
        {"Shrink to smallest", TmvSizing::ShrinkToSmallest},
        {"Grow to largest", TmvSizing::GrowToLargest},
        {"Size to a number", TmvSizing::Exact},
    };
    for (const auto& [name, how] : sizings)
        report.Figure(QString::fromLatin1(name), kInput,
                      MedianMs(
                          5, [&] { SizeSelection(*doc, how, 40, how, 20); }, prepare),
                      100);

    report.Figure(QStringLiteral("Align to grid"), kInput,
                  MedianMs(
                      5, [&] { AlignSelectionToGrid(*doc, 8, 8); }, prepare),
                  100);
}
