#include "io/mvImportFileWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "io/mvImportFile.h"

namespace {
const QString kImportFileCaption = QStringLiteral("Import from File");
}

TImportFile::TImportFile(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("ImportFile"));
    setWindowTitle(QStringLiteral("Import from File..."));
    Label1 = new QLabel(QStringLiteral("Select table to import:"), this);
    Sel = new QListWidget(this);
    Sel->setObjectName(QStringLiteral("Sel"));
    Label1->setBuddy(Sel);
    Button1 = new QPushButton(QStringLiteral("Select file.."), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    ImportBtn = new QPushButton(QStringLiteral("Import"), this);
    ImportBtn->setObjectName(QStringLiteral("ImportBtn"));
    ImportBtn->setEnabled(false);
    ImportBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    connect(Button1, &QPushButton::clicked, this, &TImportFile::SelectFileClick);
    connect(ImportBtn, &QPushButton::clicked, this, &TImportFile::ImportClick);
    connect(Sel, &QListWidget::itemDoubleClicked, this, &TImportFile::ImportClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Button1);
    buttons->addStretch();
    buttons->addWidget(ImportBtn);
    buttons->addWidget(CancelBtn);
    auto* body = new QHBoxLayout;
    body->addWidget(Sel, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(body);
    resize(340, 220);
}

void TImportFile::SetInteraction(Prompter* prompt, FileChooser* files) {
    prompt_ = prompt;
    files_ = files;
}

void TImportFile::SelectFileClick() {
    if (!files_) return;
    const QString path = files_->OpenFile(ScriptFileRequest(scriptPath_));
    if (path.isEmpty()) return;
    ListTables(path);
}

bool TImportFile::ReadScript(const QString& path, QStringList* lines, int* readIn) {
    QString error;
    const QFileInfo info(path);
    if (info.exists() && info.size() > kMaxScriptFileBytes)
        error = QStringLiteral("it is %1 MB long, more than any mIRC script")
                    .arg(info.size() / (1024 * 1024));
    else if (ReadScriptLines(path, lines, &error, legacyCodePage_, readIn))
        return true;
    if (prompt_)
        prompt_->Error(kImportFileCaption,
                       QStringLiteral("The file '%1' cannot be read: %2").arg(path, error));
    return false;
}

bool TImportFile::ListTables(const QString& path) {
    scriptPath_ = path;
    ImportBtn->setEnabled(false);
    Sel->clear();
    QStringList lines;
    if (!ReadScript(path, &lines)) return false;
    for (const TmvScriptTable& table : ListScriptTables(lines, IsIniScript(path))) {
        auto* item = new QListWidgetItem(table.Name, Sel);
        item->setData(Qt::UserRole, table.HeaderLine);
    }
    if (Sel->count() > 0) {
        Sel->setCurrentRow(0);
        ImportBtn->setEnabled(true);
    }
    return true;
}

void TImportFile::ImportClick() {
    const QListWidgetItem* item = Sel->currentItem();
    if (!item || !ImportLines) return;
    // Read again: the table is taken from the file as it is now, as the command line takes it.
    QStringList lines;
    TmvImportOptions origin;
    if (!ReadScript(scriptPath_, &lines, &origin.ReadInCodePage)) return;
    const QStringList table = CollectTableForImport(
        lines, IsIniScript(scriptPath_), item->data(Qt::UserRole).toInt(), item->text(), &origin);
    // The script changed since it was listed: nothing replaces the project.
    if (table.isEmpty()) {
        if (prompt_)
            prompt_->Error(kImportFileCaption,
                           QStringLiteral("The table '%1' is no longer in '%2'.")
                               .arg(item->text(), scriptPath_));
        ListTables(scriptPath_);
        return;
    }
    const TmvImportResult result = ImportLines(table, origin);
    if (result == TmvImportResult::Imported || result == TmvImportResult::WithErrors) accept();
}
