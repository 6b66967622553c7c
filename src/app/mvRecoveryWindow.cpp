#include "app/mvRecoveryWindow.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
enum Column { ProjectColumn, PathColumn, DialogColumn, TimeColumn, DiskColumn, ColumnCount };

QString TimeText(const QDateTime& time) {
    return time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
}

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}
} // namespace

QString OriginalOnDiskText(TmvOriginalOnDisk state) {
    switch (state) {
    case TmvOriginalOnDisk::Missing:
        return QStringLiteral("missing");
    case TmvOriginalOnDisk::Older:
        return QStringLiteral("older than the autosave");
    case TmvOriginalOnDisk::Newer:
        return QStringLiteral("newer than the autosave");
    case TmvOriginalOnDisk::NewProject:
        break;
    }
    return QString();
}

TRecoveryWindow::TRecoveryWindow(std::vector<TmvRecoveredFile> files, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("RecoveryWindow"));
    setWindowTitle(kRecoveryWindowCaption);

    auto* intro = new QLabel(
        QStringLiteral("These projects had unsaved changes when Marovel ended without closing "
                       "them. Choose for each whether to restore it, save it under a name of "
                       "its own or discard it; Later keeps the rest for the next start."),
        this);
    intro->setWordWrap(true);

    List = new QTreeWidget(this);
    List->setObjectName(QStringLiteral("List"));
    List->setColumnCount(ColumnCount);
    List->setHeaderLabels({QStringLiteral("Project"), QStringLiteral("Path"),
                           QStringLiteral("Dialog"), QStringLiteral("Autosaved"),
                           QStringLiteral("On disk")});
    List->setRootIsDecorated(false);
    List->setUniformRowHeights(true);
    List->setAllColumnsShowFocus(true);
    for (const TmvRecoveredFile& file : files)
        AddRow(file);
    files_ = std::move(files);
    // The last column takes the rest; a damaged file's long reason is in its tool tip too.
    for (int column = 0; column < DiskColumn; ++column)
        List->resizeColumnToContents(column);

    btnRestore = Button(QStringLiteral("&Restore"), "btnRestore", this);
    btnSaveAs = Button(QStringLiteral("&Save As..."), "btnSaveAs", this);
    btnDiscard = Button(QStringLiteral("&Discard"), "btnDiscard", this);
    btnLater = Button(QStringLiteral("&Later"), "btnLater", this);
    btnRestore->setDefault(true);
    connect(btnRestore, &QPushButton::clicked, this, &TRecoveryWindow::RestoreClick);
    connect(btnSaveAs, &QPushButton::clicked, this, &TRecoveryWindow::SaveAsClick);
    connect(btnDiscard, &QPushButton::clicked, this, &TRecoveryWindow::DiscardClick);
    connect(btnLater, &QPushButton::clicked, this, &QDialog::reject);
    connect(List, &QTreeWidget::currentItemChanged, this, &TRecoveryWindow::UpdateButtons);
    connect(List, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (btnRestore->isEnabled()) RestoreClick();
    });

    auto* actions = new QVBoxLayout;
    actions->addWidget(btnRestore);
    actions->addWidget(btnSaveAs);
    actions->addWidget(btnDiscard);
    actions->addStretch();
    actions->addWidget(btnLater);
    auto* body = new QHBoxLayout;
    body->addWidget(List, 1);
    body->addLayout(actions);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(body, 1);
    resize(900, 300);

    if (List->topLevelItemCount() > 0) List->setCurrentItem(List->topLevelItem(0));
    UpdateButtons();
}

void TRecoveryWindow::AddRow(const TmvRecoveredFile& file) {
    auto* row = new QTreeWidgetItem(List);
    if (file.Damaged()) {
        row->setText(ProjectColumn, QStringLiteral("damaged"));
        row->setText(PathColumn, QDir::toNativeSeparators(file.Path));
        row->setText(DiskColumn, file.Problem);
        row->setToolTip(DiskColumn, file.Problem);
    } else {
        row->setText(ProjectColumn, file.ProjectName());
        row->setText(PathColumn, QDir::toNativeSeparators(file.OriginalPath));
        row->setText(DialogColumn, file.TableName);
        const TmvOriginalOnDisk disk = CompareWithOriginal(file);
        row->setText(DiskColumn, OriginalOnDiskText(disk));
        // Restoring it would put older work over newer: the row says so plainly.
        if (disk == TmvOriginalOnDisk::Newer) {
            QFont font = row->font(DiskColumn);
            font.setBold(true);
            row->setFont(DiskColumn, font);
        }
    }
    row->setText(TimeColumn, TimeText(file.Time));
    row->setToolTip(ProjectColumn, QDir::toNativeSeparators(file.Path));
}

const TmvRecoveredFile* TRecoveryWindow::Current() const {
    const int row = List->indexOfTopLevelItem(List->currentItem());
    return row >= 0 && size_t(row) < files_.size() ? &files_[size_t(row)] : nullptr;
}

void TRecoveryWindow::UpdateButtons() {
    const TmvRecoveredFile* file = Current();
    btnRestore->setEnabled(file && !file->Damaged());
    btnSaveAs->setEnabled(file && !file->Damaged());
    btnDiscard->setEnabled(file != nullptr);
}

std::vector<TmvRecoveredFile> TRecoveryWindow::Remaining() const {
    std::vector<TmvRecoveredFile> remaining;
    for (const TmvRecoveredFile& file : files_)
        if (!restored_ || file.Path != restored_->Path) remaining.push_back(file);
    return remaining;
}

void TRecoveryWindow::RestoreClick() {
    if (const TmvRecoveredFile* file = Current()) {
        restored_ = *file;
        accept();
    }
}

void TRecoveryWindow::SaveAsClick() {
    const TmvRecoveredFile* file = Current();
    if (file && SaveAsRequested && SaveAsRequested(*file)) RemoveCurrent();
}

void TRecoveryWindow::DiscardClick() {
    const TmvRecoveredFile* file = Current();
    if (file && DiscardRequested && DiscardRequested(*file)) RemoveCurrent();
}

void TRecoveryWindow::RemoveCurrent() {
    const int row = List->indexOfTopLevelItem(List->currentItem());
    if (row < 0) return;
    files_.erase(files_.begin() + row);
    delete List->takeTopLevelItem(row);
    if (files_.empty())
        accept();
    else
        UpdateButtons();
}
