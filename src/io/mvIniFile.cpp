#include "io/mvIniFile.h"

#include <QFileInfo>

#include "io/mvTextFile.h"
#include "surface/mvIniValues.h"

namespace {

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView TrimBlanks(QStringView s) {
    while (!s.isEmpty() && IsBlank(s.front()))
        s = s.mid(1);
    while (!s.isEmpty() && IsBlank(s.back()))
        s.chop(1);
    return s;
}

QString OneLine(const QString& text) {
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))) return text;
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

} // namespace

bool TmvIniFile::Load(QString* error) {
    if (!HasFile() || !QFileInfo::exists(FileName_)) {
        Clear();
        return true;
    }
    QString text;
    if (!ReadTextFile(FileName_, &text, error)) return false;
    SetText(text);
    return true;
}

bool TmvIniFile::Save(QString* error) const {
    if (!HasFile()) {
        if (error) *error = QStringLiteral("No file name was given.");
        return false;
    }
    return WriteTextFile(FileName_, Text(), error);
}

QString TmvIniFile::Text() const {
    QString text;
    for (const Section& section : Sections_) {
        text += QLatin1Char('[') + section.Name + QLatin1String("]\n");
        for (const auto& [key, value] : section.Entries)
            text += key + QLatin1Char('=') + value + QLatin1Char('\n');
        text += QLatin1Char('\n');
    }
    return text;
}

void TmvIniFile::SetText(const QString& text) {
    Clear();
    Parse(text);
}

void TmvIniFile::Clear() {
    Sections_.clear();
    SectionIndex_.clear();
}

void TmvIniFile::Parse(const QString& text) {
    Section* current = nullptr;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        // Carriage returns at a line's end belong to the line end, however many there are.
        while (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        // A comment may be indented, like every other line.
        const QStringView trimmed = TrimBlanks(line);
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';'))) continue;
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            // A repeated section name continues the first section of that name.
            current = &FindOrAdd(trimmed.mid(1, trimmed.size() - 2).toString());
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!current || equals < 0) continue;
        const QString key = TrimBlanks(line.left(equals)).toString();
        // Readers see the first of repeated keys; the later ones are kept for the next save.
        const QString folded = Fold(key);
        if (!current->Index.contains(folded))
            current->Index.insert(folded, int(current->Entries.size()));
        current->Entries.emplace_back(key, line.mid(equals + 1).toString());
    }
}

const TmvIniFile::Section* TmvIniFile::Find(const QString& section) const {
    const auto it = SectionIndex_.constFind(Fold(section));
    return it == SectionIndex_.constEnd() ? nullptr : &Sections_[*it];
}

TmvIniFile::Section& TmvIniFile::FindOrAdd(const QString& section) {
    const QString folded = Fold(section);
    const auto it = SectionIndex_.constFind(folded);
    if (it != SectionIndex_.constEnd()) return Sections_[*it];
    SectionIndex_.insert(folded, int(Sections_.size()));
    Sections_.push_back(Section{section, {}, {}});
    return Sections_.back();
}

const QString* TmvIniFile::FindValue(const QString& section, const QString& key) const {
    const Section* s = Find(section);
    if (!s) return nullptr;
    const auto it = s->Index.constFind(Fold(key));
    return it == s->Index.constEnd() ? nullptr : &s->Entries[*it].second;
}

bool TmvIniFile::SectionExists(const QString& section) const {
    return Find(section) != nullptr;
}

bool TmvIniFile::ValueExists(const QString& section, const QString& key) const {
    return FindValue(section, key) != nullptr;
}

QStringList TmvIniFile::SectionNames() const {
    QStringList names;
    names.reserve(qsizetype(Sections_.size()));
    for (const Section& section : Sections_)
        names.append(section.Name);
    return names;
}

QStringList TmvIniFile::Keys(const QString& section) const {
    QStringList keys;
    if (const Section* s = Find(section)) {
        keys.reserve(qsizetype(s->Entries.size()));
        for (const auto& entry : s->Entries)
            keys.append(entry.first);
    }
    return keys;
}

int TmvIniFile::KeyCount(const QString& section) const {
    const Section* s = Find(section);
    return s ? int(s->Entries.size()) : 0;
}

QString TmvIniFile::ReadString(const QString& section, const QString& key,
                               const QString& defaultValue) const {
    const QString* value = FindValue(section, key);
    return value ? *value : defaultValue;
}

int TmvIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
    const QString* value = FindValue(section, key);
    if (!value) return defaultValue;
    return IniInteger(*value).value_or(defaultValue);
}

bool TmvIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TmvIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    Section& s = FindOrAdd(OneLine(section));
    const QString name = OneLine(key);
    const QString folded = Fold(name);
    const auto it = s.Index.constFind(folded);
    if (it != s.Index.constEnd()) {
        s.Entries[*it].second = OneLine(value);
        return;
    }
    s.Index.insert(folded, int(s.Entries.size()));
    s.Entries.emplace_back(name, OneLine(value));
}

void TmvIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void TmvIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TmvIniFile::EraseSection(const QString& section) {
    const auto it = SectionIndex_.constFind(Fold(section));
    if (it == SectionIndex_.constEnd()) return;
    const int position = *it;
    Sections_.erase(Sections_.begin() + position);
    SectionIndex_.erase(it);
    for (int& index : SectionIndex_)
        if (index > position) --index;
}

void TmvIniFile::DeleteKey(const QString& section, const QString& key) {
    const auto sit = SectionIndex_.constFind(Fold(section));
    if (sit == SectionIndex_.constEnd()) return;
    Section& s = Sections_[*sit];
    const QString folded = Fold(key);
    if (!s.Index.contains(folded)) return;
    // Every line of that key goes, repeated ones included; then the index is rebuilt.
    std::erase_if(s.Entries, [&](const auto& entry) { return Fold(entry.first) == folded; });
    s.Index.clear();
    for (int i = 0; i < int(s.Entries.size()); ++i) {
        const QString entryKey = Fold(s.Entries[i].first);
        if (!s.Index.contains(entryKey)) s.Index.insert(entryKey, i);
    }
}
