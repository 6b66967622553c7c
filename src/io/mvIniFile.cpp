#include "io/mvIniFile.h"

#include <QFileInfo>
#include <algorithm>

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
    const auto breaks = [](QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); };
    if (std::none_of(text.cbegin(), text.cend(), breaks)) return text;
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

// Sections of up to this many keys are searched; longer ones keep an index.
constexpr size_t kIndexedFrom = 16;
// Room a new section starts with: a control's section fits.
constexpr size_t kReservedEntries = 16;

} // namespace

size_t qHash(const TmvIniFile::Name& name, size_t seed) noexcept {
    // ASCII letters fold to lower case; other characters are left out, so that names equal
    // without regard to case always hash alike.
    size_t h = seed ^ 0x9e3779b97f4a7c15ull;
    for (const QChar c : name.Text) {
        const char16_t u = c.unicode();
        if (u >= 0x80) continue;
        const char16_t lower = (u >= 'A' && u <= 'Z') ? char16_t(u + 32) : u;
        h = (h ^ lower) * 0x100000001b3ull;
    }
    return h;
}

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

qsizetype TmvIniFile::EntriesLength(const Section& section) {
    qsizetype length = 0;
    for (const auto& [key, value] : section.Entries)
        length += key.size() + value.size() + 2;
    return length;
}

void TmvIniFile::AppendEntries(QString& text, const Section& section) {
    for (const auto& [key, value] : section.Entries) {
        text += key;
        text += QLatin1Char('=');
        text += value;
        text += QLatin1Char('\n');
    }
}

QString TmvIniFile::Text() const {
    qsizetype length = 0;
    for (const Section& section : Sections_)
        length += section.Name.size() + 4 + EntriesLength(section);
    QString text;
    text.reserve(length);
    for (const Section& section : Sections_) {
        text += QLatin1Char('[');
        text += section.Name;
        text += QLatin1String("]\n");
        AppendEntries(text, section);
        text += QLatin1Char('\n');
    }
    return text;
}

QString TmvIniFile::SectionText(const QString& section) const {
    const Section* s = Find(section);
    if (!s) return QString();
    QString text;
    text.reserve(EntriesLength(*s));
    AppendEntries(text, *s);
    return text;
}

bool TmvIniFile::SectionTextIs(const QString& section, QStringView text) const {
    const Section* s = Find(section);
    if (!s) return text.isEmpty();
    if (EntriesLength(*s) != text.size()) return false;
    qsizetype at = 0;
    const auto next = [&text, &at](QStringView part) {
        const bool same = text.sliced(at, part.size()) == part;
        at += part.size();
        return same;
    };
    for (const auto& [key, value] : s->Entries)
        if (!next(key) || !next(u"=") || !next(value) || !next(u"\n")) return false;
    return true;
}

void TmvIniFile::SetText(const QString& text) {
    Clear();
    Parse(text);
}

void TmvIniFile::Clear() {
    Sections_.clear();
    SectionIndex_.clear();
    lastSection_ = -1;
}

void TmvIniFile::Parse(const QString& text) {
    Section* current = nullptr;
    const auto parseLine = [&](QStringView line) {
        // A comment may be indented, like every other line.
        const QStringView trimmed = TrimBlanks(line);
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';'))) return;
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            // A repeated section name continues the first section of that name.
            current = &FindOrAdd(trimmed.mid(1, trimmed.size() - 2).toString());
            return;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!current || equals < 0) return;
        // Readers see the first of repeated keys; the later ones are kept for the next save.
        AddEntry(*current, TrimBlanks(line.left(equals)).toString(),
                 line.mid(equals + 1).toString());
    };
    // A line ends at a line feed or a carriage return (Windows, Unix and old Mac files alike), so
    // no value holds a line break, just as none is ever written.
    const QStringView all(text);
    qsizetype start = 0;
    for (qsizetype i = 0; i <= all.size(); ++i) {
        if (i < all.size() && all[i] != QLatin1Char('\n') && all[i] != QLatin1Char('\r')) continue;
        parseLine(all.mid(start, i - start));
        start = i + 1;
    }
}

const TmvIniFile::Section* TmvIniFile::Find(const QString& section) const {
    if (lastSection_ >= 0 && Sections_[size_t(lastSection_)].Name == section)
        return &Sections_[size_t(lastSection_)];
    const auto it = SectionIndex_.constFind(Name{section});
    if (it == SectionIndex_.constEnd()) return nullptr;
    lastSection_ = *it;
    return &Sections_[size_t(*it)];
}

TmvIniFile::Section& TmvIniFile::FindOrAdd(const QString& section) {
    if (const Section* found = Find(section)) return Sections_[size_t(found - Sections_.data())];
    lastSection_ = int(Sections_.size());
    SectionIndex_.insert(Name{section}, lastSection_);
    Sections_.push_back(Section{section, {}, {}});
    Sections_.back().Entries.reserve(kReservedEntries);
    return Sections_.back();
}

int TmvIniFile::FindEntry(const Section& section, const QString& key) {
    if (section.Entries.size() > kIndexedFrom) return section.Index.value(Name{key}, -1);
    for (size_t i = 0; i < section.Entries.size(); ++i)
        if (SameName(section.Entries[i].first, key)) return int(i);
    return -1;
}

void TmvIniFile::AddEntry(Section& section, const QString& key, const QString& value) {
    const int position = int(section.Entries.size());
    section.Entries.emplace_back(key, value);
    if (section.Entries.size() == kIndexedFrom + 1)
        RebuildIndex(section);
    else if (section.Entries.size() > kIndexedFrom && !section.Index.contains(Name{key}))
        section.Index.insert(Name{key}, position);
}

void TmvIniFile::RebuildIndex(Section& section) {
    section.Index.clear();
    if (section.Entries.size() <= kIndexedFrom) return;
    for (int i = 0; i < int(section.Entries.size()); ++i)
        if (!section.Index.contains(Name{section.Entries[size_t(i)].first}))
            section.Index.insert(Name{section.Entries[size_t(i)].first}, i);
}

const QString* TmvIniFile::FindValue(const QString& section, const QString& key) const {
    const Section* s = Find(section);
    if (!s) return nullptr;
    const int entry = FindEntry(*s, key);
    return entry < 0 ? nullptr : &s->Entries[size_t(entry)].second;
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
    const int entry = FindEntry(s, name);
    if (entry >= 0)
        s.Entries[size_t(entry)].second = OneLine(value);
    else
        AddEntry(s, name, OneLine(value));
}

void TmvIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void TmvIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TmvIniFile::EraseSection(const QString& section) {
    const auto it = SectionIndex_.constFind(Name{section});
    if (it == SectionIndex_.constEnd()) return;
    const int position = *it;
    Sections_.erase(Sections_.begin() + position);
    SectionIndex_.erase(it);
    for (int& index : SectionIndex_)
        if (index > position) --index;
    lastSection_ = -1;
}

void TmvIniFile::DeleteKey(const QString& section, const QString& key) {
    const Section* found = Find(section);
    if (!found || FindEntry(*found, key) < 0) return;
    Section& s = Sections_[size_t(found - Sections_.data())];
    // Every line of that key goes, repeated ones included; then the index is rebuilt.
    std::erase_if(s.Entries, [&](const auto& entry) { return SameName(entry.first, key); });
    RebuildIndex(s);
}
