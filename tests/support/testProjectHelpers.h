#pragma once
// Helpers for project-file tests: a session wired to recording interfaces, a file chooser with
// scripted answers, and a full description of a document to compare before and after a trip
// through a file.
#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QStringList>
#include <deque>

#include "io/mvProjects.h"
#include "model/mvTabControl.h"
#include "support/testRecordingPrompter.h"
#include "support/testRecordingStatus.h"
#include "surface/mvControlNames.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvRecentFiles.h"

// Answers file dialogs from a script; an empty script cancels. Records the requests.
class ScriptedFiles : public FileChooser {
public:
    std::deque<QString> Answers;
    std::vector<TmvFileRequest> Requests;

    QString OpenFile(const TmvFileRequest& request) override { return Next(request); }
    QString SaveFile(const TmvFileRequest& request) override { return Next(request); }
    QString ChooseFolder(const TmvFileRequest& request) override { return Next(request); }

private:
    QString Next(const TmvFileRequest& request) {
        Requests.push_back(request);
        if (Answers.empty()) return QString();
        const QString answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

// A document with a project session whose user is recorded.
struct ProjectRun {
    DialogDocument Doc;
    RecordingPrompter Prompt;
    RecordingStatus Status;
    ScriptedFiles Files;
    SteppingClock Time{1000, 0};
    TmvRecentFiles Recent;
    TmvProjectSession Session{Doc};

    ProjectRun() {
        Session.Ui = {&Prompt, &Files, &Status, &Time};
        Session.RecentFiles = &Recent;
    }
    bool Load(const QString& path) { return LoadProject(Session, path); }
    bool SaveAs(const QString& path) {
        Files.Answers.push_back(path);
        return SaveProjectAs(Session);
    }
    QStringList ErrorTexts() const {
        QStringList texts;
        for (const auto& message : Prompt.Messages)
            if (message.Kind == QLatin1String("Error")) texts << message.Text;
        return texts;
    }
};

inline void WriteTestFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

inline QString ReadTestFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

// Everything a project stores about one control, as one line.
inline QString DescribeControl(const TmvControl& c) {
    QStringList parts = {
        QString::number(c.ControlType),
        c.Name(),
        c.Text,
        QStringLiteral("%1,%2,%3,%4").arg(c.Left).arg(c.Top).arg(c.Width).arg(c.Height),
        QStringLiteral("k%1 a%2 p%3 id%4")
            .arg(c.Kind)
            .arg(c.Alignment)
            .arg(c.TabIndex)
            .arg(c.GetID()),
        QStringLiteral("h%1 g%2 d%3 r%4 l%5")
            .arg(c.Hidden)
            .arg(c.Group)
            .arg(c.Disabled)
            .arg(c.Result)
            .arg(c.Locked),
        QStringLiteral("s%1 q%2 st%3").arg(c.GetStaticID()).arg(c.NoQuotes).arg(c.PackStyles()),
    };
    if (const auto* edit = dynamic_cast<const TmvEdit*>(&c)) parts << QString::number(edit->Limit);
    if (const auto* combo = dynamic_cast<const TmvCombo*>(&c))
        parts << QString::number(combo->Limit);
    if (const auto* icon = dynamic_cast<const TmvIcon*>(&c))
        parts << QString::number(icon->IconIndex) << icon->FileName;
    if (const auto* scroll = dynamic_cast<const TmvScroll*>(&c))
        parts << QStringLiteral("%1..%2").arg(scroll->RangeMin).arg(scroll->RangeMax);
    if (const auto* tab = dynamic_cast<const TmvTab*>(&c))
        for (const auto& page : tab->Pages)
            parts << QStringLiteral("page %1 \"%2\" s%3 q%4 n%5")
                         .arg(page->ID)
                         .arg(page->Caption)
                         .arg(page->StaticID)
                         .arg(page->NoQuotes)
                         .arg(page->Controls.size());
    return parts.join(QStringLiteral(" | "));
}

// The dialog's stored properties, its menu tree and its controls in section order.
inline QStringList DescribeDocument(const DialogDocument& doc) {
    QStringList lines = {
        QStringLiteral("title %1 name %2 icon %3,%4")
            .arg(doc.Title, doc.TableName, doc.IconPath)
            .arg(doc.IconIndex),
        QStringLiteral("q%1 l%2 t%3 c%4 dbu%5 lock%6")
            .arg(doc.NoQuotes)
            .arg(doc.Local)
            .arg(doc.NoTheme)
            .arg(doc.Centered)
            .arg(doc.UseDbu)
            .arg(doc.LockAll),
        QStringLiteral("pos %1,%2 size %3x%4")
            .arg(doc.PosX)
            .arg(doc.PosY)
            .arg(doc.ClientWidth)
            .arg(doc.ClientHeight),
    };
    doc.Menu.ForEachDepthFirst([&](TmvMenuNode* node, int depth) {
        lines << QStringLiteral("menu %1 [%2] %3").arg(depth).arg(node->Text).arg(node->Data);
        return true;
    });
    for (const TmvControl* control : doc.CreationOrder) {
        lines << DescribeControl(*control);
        if (control == doc.TabControl)
            for (const auto& page : doc.TabControl->Pages)
                for (const TmvControl* child : page->Controls)
                    lines << QStringLiteral("  ") + DescribeControl(*child);
    }
    return lines;
}
