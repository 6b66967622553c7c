// The pages of the preferences dialog and their boxes.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "io/mvCodePages.h"
#include "io/mvColorSwatch.h"
#include "io/mvConfigDialog.h"
#include "model/mvEdits.h"

namespace {
// A page: its boxes from the top, the rest of the height left free.
QVBoxLayout* PageLayout(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setAlignment(Qt::AlignTop);
    return layout;
}

TmvBevelLabel* Heading(const QString& caption, QWidget* page) {
    auto* heading = new TmvBevelLabel(caption, page);
    heading->setMinimumHeight(20);
    return heading;
}

// A label and its box on one line.
QHBoxLayout* Labelled(const QString& caption, QWidget* box, QWidget* page) {
    auto* label = new QLabel(caption, page);
    label->setBuddy(box);
    auto* line = new QHBoxLayout;
    line->addWidget(label);
    line->addWidget(box);
    line->addStretch();
    return line;
}

TmvNumberEdit* NumberBox(int minimum, int maximum, QWidget* page) {
    auto* edit = new TmvNumberEdit(page);
    edit->SetRange(minimum, maximum);
    edit->setMaximumWidth(60);
    return edit;
}

// Each box carries its component name, so tests and scripts can find it.
template <typename Box> Box* Named(Box* box, const char* name) {
    box->setObjectName(QLatin1String(name));
    return box;
}
} // namespace

QCheckBox* TConfigDialog::Bound(const QString& caption, bool Settings::*field, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    checks_.emplace_back(box, field);
    return box;
}

QWidget* TConfigDialog::BuildGeneralPage() {
    auto* page = new QWidget;
    QVBoxLayout* layout = PageLayout(page);
    layout->addWidget(Heading(QStringLiteral("Windows"), page));
    cfGenSaveWindowPos =
        Named(Bound(QStringLiteral("Remember window settings"), &Settings::SaveWindowPos, page),
              "cfGenSaveWindowPos");
    cfGenUseDefaultFont =
        Named(Bound(QStringLiteral("Use default Windows font"), &Settings::UseDefaultFont, page),
              "cfGenUseDefaultFont");
    layout->addWidget(cfGenSaveWindowPos);
    layout->addWidget(cfGenUseDefaultFont);

    layout->addWidget(Heading(QStringLiteral("mIRC"), page));
    cfGenMircDDE = Named(new QLineEdit(page), "cfGenMircDDE");
    layout->addLayout(Labelled(QStringLiteral("DDE name of mIRC:"), cfGenMircDDE, page));
    cfGenAutoAddOK = Named(Bound(QStringLiteral("Auto-add hidden OK button if one is not present"),
                                 &Settings::PreviewFix, page),
                           "cfGenAutoAddOK");
    layout->addWidget(cfGenAutoAddOK);
    cfGenCodePage = Named(new QComboBox(page), "cfGenCodePage");
    for (const TmvCodePage& codePage : WindowsCodePages())
        cfGenCodePage->addItem(QString::fromLatin1(codePage.Label), codePage.Number);
    layout->addLayout(
        Labelled(QStringLiteral("Code page of scripts that are not UTF-8:"), cfGenCodePage, page));

    layout->addWidget(Heading(QStringLiteral("Projects"), page));
    cfGenProjectPath = Named(new TmvButtonEdit(page), "cfGenProjectPath");
    connect(cfGenProjectPath, &TmvButtonEdit::ButtonClicked, this,
            &TConfigDialog::BrowseProjectFolder);
    auto* folder = new QLabel(QStringLiteral("Default project folder:"), page);
    folder->setBuddy(cfGenProjectPath);
    layout->addWidget(folder);
    layout->addWidget(cfGenProjectPath);
    cfGenAutoSaveSeconds = Named(NumberBox(0, kMaxAutoSaveSeconds, page), "cfGenAutoSaveSeconds");
    layout->addLayout(Labelled(QStringLiteral("Autosave unsaved changes after (seconds, 0: off):"),
                               cfGenAutoSaveSeconds, page));
    return page;
}

QWidget* TConfigDialog::BuildControlsPage() {
    auto* page = new QWidget;
    QVBoxLayout* layout = PageLayout(page);
    layout->addWidget(Heading(QStringLiteral("Controls"), page));
    cfDefAlwaysUseDBU = Named(
        Bound(QStringLiteral("Always use DBUs instead of pixels"), &Settings::AlwaysUseDBU, page),
        "cfDefAlwaysUseDBU");
    cfDefAutoTab =
        Named(Bound(QStringLiteral("Auto-add controls to tabs on drop"), &Settings::AutoTab, page),
              "cfDefAutoTab");
    cfDefAutoBringToFront =
        Named(Bound(QStringLiteral("Automatically bring controls to front on select"),
                    &Settings::BringToFront, page),
              "cfDefAutoBringToFront");
    cfDefTextBorder = Named(Bound(QStringLiteral("Show dashed border around text/link controls"),
                                  &Settings::TextBorder, page),
                            "cfDefTextBorder");
    for (QWidget* box : {cfDefAlwaysUseDBU, cfDefAutoTab, cfDefAutoBringToFront, cfDefTextBorder})
        layout->addWidget(box);
    cfDefHotTracking = Named(
        Bound(QStringLiteral("Use hot-tracking rectangle, colored:"), &Settings::HotTracking, page),
        "cfDefHotTracking");
    cfDefHotTrackColor = Named(new TmvColorSwatch(page), "cfDefHotTrackColor");
    auto* hot = new QHBoxLayout;
    hot->addWidget(cfDefHotTracking);
    hot->addWidget(cfDefHotTrackColor);
    hot->addStretch();
    layout->addLayout(hot);

    layout->addWidget(Heading(QStringLiteral("After placing a control"), page));
    cfAutoStartSize =
        Named(new QRadioButton(QStringLiteral("Automatically begin sizing the control"), page),
              "cfAutoStartSize");
    cfAutoStartMove =
        Named(new QRadioButton(QStringLiteral("Automatically begin moving the control"), page),
              "cfAutoStartMove");
    cfAutoStartNone =
        Named(new QRadioButton(QStringLiteral("Leave the control where it was placed"), page),
              "cfAutoStartNone");
    auto* after = new QButtonGroup(page);
    for (QRadioButton* radio : {cfAutoStartSize, cfAutoStartMove, cfAutoStartNone}) {
        after->addButton(radio);
        layout->addWidget(radio);
    }
    return page;
}

QWidget* TConfigDialog::BuildGridPage() {
    auto* page = new QWidget;
    QVBoxLayout* layout = PageLayout(page);
    layout->addWidget(Heading(QStringLiteral("Grid"), page));
    cfGridShow = Named(Bound(QStringLiteral("Show grid"), &Settings::ShowGrid, page), "cfGridShow");
    cfGridShowTabs =
        Named(Bound(QStringLiteral("Show grid inside tabs"), &Settings::ShowTabs, page),
              "cfGridShowTabs");
    layout->addWidget(cfGridShow);
    layout->addWidget(cfGridShowTabs);

    cfGridSizeX = Named(NumberBox(1, kMaxGridSize, page), "cfGridSizeX");
    cfGridSizeY = Named(NumberBox(1, kMaxGridSize, page), "cfGridSizeY");
    cfGridColor = Named(new TmvColorSwatch(page), "cfGridColor");
    auto* size = new QHBoxLayout;
    size->addLayout(Labelled(QStringLiteral("Width:"), cfGridSizeX, page));
    size->addLayout(Labelled(QStringLiteral("Height:"), cfGridSizeY, page));
    size->addLayout(Labelled(QStringLiteral("Color:"), cfGridColor, page));
    layout->addLayout(size);

    layout->addWidget(Heading(QStringLiteral("Style"), page));
    cfGridStyleLine = Named(new QRadioButton(QStringLiteral("Line"), page), "cfGridStyleLine");
    cfGridStyleDot = Named(new QRadioButton(QStringLiteral("Dot"), page), "cfGridStyleDot");
    auto* style = new QHBoxLayout;
    style->addWidget(cfGridStyleLine);
    style->addWidget(cfGridStyleDot);
    style->addStretch();
    layout->addLayout(style);

    layout->addWidget(Heading(QStringLiteral("Snapping"), page));
    cfGridSnapMove =
        Named(Bound(QStringLiteral("Snap when moving controls"), &Settings::SnapMove, page),
              "cfGridSnapMove");
    cfGridSnapSize =
        Named(Bound(QStringLiteral("Snap when sizing controls"), &Settings::SnapSize, page),
              "cfGridSnapSize");
    cfGridSnapDialog =
        Named(Bound(QStringLiteral("Snap when sizing dialog"), &Settings::SnapDialog, page),
              "cfGridSnapDialog");
    cfGridSnapGuides = Named(Bound(QStringLiteral("Snap to guides"), &Settings::SnapToGuides, page),
                             "cfGridSnapGuides");
    for (QWidget* box : {cfGridSnapMove, cfGridSnapSize, cfGridSnapDialog, cfGridSnapGuides})
        layout->addWidget(box);
    return page;
}

QWidget* TConfigDialog::BuildMiscPage() {
    auto* page = new QWidget;
    QVBoxLayout* layout = PageLayout(page);
    layout->addWidget(Heading(QStringLiteral("Control IDs"), page));
    cfConStartID = Named(NumberBox(1, kMaxStartId, page), "cfConStartID");
    layout->addLayout(Labelled(QStringLiteral("Start new IDs at:"), cfConStartID, page));

    layout->addWidget(Heading(QStringLiteral("Prompts"), page));
    cfPromptAll =
        Named(Bound(QStringLiteral("Prompt when using Delete All (deleting all controls at once)"),
                    &Settings::PromptAll, page),
              "cfPromptAll");
    cfPromptTab =
        Named(Bound(QStringLiteral("Prompt when deleting tab controls or pages with children"),
                    &Settings::PromptTab, page),
              "cfPromptTab");
    layout->addWidget(cfPromptAll);
    layout->addWidget(cfPromptTab);

    layout->addWidget(Heading(QStringLiteral("Close the status window after"), page));
    cfProjectCloseStatus = Named(Bound(QStringLiteral("Loading projects, if no errors occur"),
                                       &Settings::StatusCloseProject, page),
                                 "cfProjectCloseStatus");
    cfImportCloseStatus = Named(
        Bound(QStringLiteral("Importing, if no errors occur"), &Settings::ImportCloseStatus, page),
        "cfImportCloseStatus");
    layout->addWidget(cfProjectCloseStatus);
    layout->addWidget(cfImportCloseStatus);
    return page;
}
