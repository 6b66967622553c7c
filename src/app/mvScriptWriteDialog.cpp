#include "app/mvScriptWriteDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "io/mvScriptWrite.h"
#include "surface/mvInteraction.h"

namespace {
// The entry that adds the table at the end carries no table name.
constexpr int kTableRole = Qt::UserRole;
} // namespace

TScriptWriteDialog::TScriptWriteDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("ScriptWriteDialog"));
    setWindowTitle(kScriptWriteCaption);
    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    auto* scriptLabel = new QLabel(QStringLiteral("&Script:"), this);
    edtScript = new QLineEdit(this);
    edtScript->setObjectName(QStringLiteral("edtScript"));
    edtScript->setReadOnly(true);
    scriptLabel->setBuddy(edtScript);
    btnBrowse = new QPushButton(QStringLiteral("S&eç..."), this);
    btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
    auto* tableLabel = new QLabel(QStringLiteral("&Değiştirilecek tablo:"), this);
    lstTables = new QListWidget(this);
    lstTables->setObjectName(QStringLiteral("lstTables"));
    tableLabel->setBuddy(lstTables);
    chkSkeleton = new QCheckBox(QStringLiteral("&Olay iskeletini de ekle"), this);
    chkSkeleton->setObjectName(QStringLiteral("chkSkeleton"));
    btnWrite = new QPushButton(QStringLiteral("&Yaz"), this);
    btnWrite->setObjectName(QStringLiteral("btnWrite"));
    btnWrite->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("İptal"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    connect(btnBrowse, &QPushButton::clicked, this, &TScriptWriteDialog::BrowseClick);
    connect(lstTables, &QListWidget::currentRowChanged, this, &TScriptWriteDialog::UpdateButtons);
    connect(lstTables, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(btnWrite, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* scriptRow = new QHBoxLayout;
    scriptRow->addWidget(scriptLabel);
    scriptRow->addWidget(edtScript, 1);
    scriptRow->addWidget(btnBrowse);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnWrite);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblNote);
    layout->addLayout(scriptRow);
    layout->addWidget(tableLabel);
    layout->addWidget(lstTables, 1);
    layout->addWidget(chkSkeleton);
    layout->addLayout(buttons);
    resize(420, 300);
}

void TScriptWriteDialog::SetInteraction(Prompter* prompt, FileChooser* files) {
    prompt_ = prompt;
    files_ = files;
}

void TScriptWriteDialog::Prepare(const QString& note, const QString& scriptPath,
                                 const QString& table, int legacyCodePage) {
    lblNote->setText(note);
    lblNote->setVisible(!note.isEmpty());
    preferred_ = table.toLower();
    codePage_ = legacyCodePage;
    chkSkeleton->setChecked(false);
    ListScript(scriptPath);
}

bool TScriptWriteDialog::ListScript(const QString& path) {
    scriptPath_ = path;
    edtScript->setText(QDir::toNativeSeparators(path));
    lstTables->clear();
    QStringList names;
    QString error;
    const bool read = ListTablesOfScript(path, codePage_, &names, &error);
    if (read) {
        for (const QString& name : names) {
            auto* item = new QListWidgetItem(name, lstTables);
            item->setData(kTableRole, name);
        }
        auto* append = new QListWidgetItem(QStringLiteral("(Sona ekle)"), lstTables);
        append->setData(kTableRole, QString());
        const int preferred = int(names.indexOf(preferred_));
        lstTables->setCurrentRow(preferred >= 0 ? preferred : lstTables->count() - 1);
    } else if (prompt_) {
        prompt_->Error(kScriptWriteMessageCaption,
                       QStringLiteral("The script '%1' cannot be read: %2").arg(path, error));
    }
    UpdateButtons();
    return read;
}

void TScriptWriteDialog::BrowseClick() {
    if (!files_) return;
    const QString path = files_->OpenFile(ScriptWriteFileRequest(scriptPath_));
    if (!path.isEmpty()) ListScript(path);
}

QString TScriptWriteDialog::TableToReplace() const {
    const QListWidgetItem* item = lstTables->currentItem();
    return item ? item->data(kTableRole).toString() : QString();
}

bool TScriptWriteDialog::AddSkeleton() const {
    return chkSkeleton->isEnabled() && chkSkeleton->isChecked();
}

void TScriptWriteDialog::UpdateButtons() {
    const bool chosen = lstTables->currentItem() != nullptr;
    btnWrite->setEnabled(chosen);
    // The handlers go only with a new table: those of a replaced one are the user's.
    chkSkeleton->setEnabled(chosen && TableToReplace().isEmpty());
}
