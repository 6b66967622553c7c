#pragma once
// The one INI file class: projects, settings, control defaults and the clipboard buffer.
// The whole file is kept in memory. Section and key names compare without regard to case and
// are found through hash tables, so files with thousands of sections load and read in linear
// time. Sections and keys keep their file order; those the program never writes survive a save.
//
// Syntax: "[name]" starts a section; "key=value" belongs to the current section, the value being
// everything after the first "=" verbatim; empty lines, lines starting with ";" and lines before
// the first section are ignored. The writer emits each section as its "[name]" line, its
// "key=value" lines and one empty line.
#include <QHash>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class TmvIniFile {
public:
    // A buffer that lives in memory only (the clipboard); Save then fails.
    TmvIniFile() = default;
    // A file on disk; nothing is read until Load.
    explicit TmvIniFile(const QString& fileName) : FileName_(fileName) {}

    const QString& FileName() const { return FileName_; }
    bool HasFile() const { return !FileName_.isEmpty(); }

    // Replaces the contents with the file's (UTF-8 when valid, else Windows-1254). A missing
    // file gives an empty buffer and TRUE; a file that exists but cannot be read gives FALSE
    // with the system's reason and leaves the contents as they were.
    bool Load(QString* error = nullptr);
    // Writes the whole buffer as UTF-8; on failure FALSE with the reason, the file untouched.
    bool Save(QString* error = nullptr) const;
    // Loads the file, lets `write` put the program's keys in, and saves: keys the program does
    // not write survive, and a file that cannot be read is never replaced.
    template <typename Writer> bool Update(Writer&& write, QString* error = nullptr) {
        if (!Load(error)) return false;
        write(*this);
        return Save(error);
    }

    // The buffer as text in the writer's format, and its replacement from such text.
    QString Text() const;
    // The key lines of one section as Text() writes them, without its name line; empty when
    // there is no such section.
    QString SectionText(const QString& section) const;
    // Whether SectionText(section) is `text`, found without building it.
    bool SectionTextIs(const QString& section, QStringView text) const;
    void SetText(const QString& text);
    void Clear();

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    // Section names, and the key names of one section, in file order.
    QStringList SectionNames() const;
    QStringList Keys(const QString& section) const;
    int KeyCount(const QString& section) const;

    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;
    // Missing, or not an integer (decimal, or hexadecimal after "0x"): the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // TRUE for any non-zero integer; missing or not an integer: the default.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    // A new key goes to the end of its section, a new section to the end of the file; an
    // existing key keeps its place. Line breaks in names and values would split the line on the
    // next read, so they are written as blanks.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& key);

private:
    // A section or key name that hashes and compares without regard to case, so lookups need
    // no folded copy of the name.
    struct Name {
        QString Text;
        bool operator==(const Name& other) const { return SameName(Text, other.Text); }
    };
    friend size_t qHash(const Name& name, size_t seed) noexcept;

    struct Section {
        QString Name;
        std::vector<std::pair<QString, QString>> Entries; // key, value in file order
        // Key -> first entry with that key; built once the section is too long to search.
        QHash<TmvIniFile::Name, int> Index;
    };

    static bool SameName(const QString& a, const QString& b) {
        return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
    }
    const Section* Find(const QString& section) const;
    Section& FindOrAdd(const QString& section);
    // The first entry with the key; -1 when the section has none.
    static int FindEntry(const Section& section, const QString& key);
    static void AddEntry(Section& section, const QString& key, const QString& value);
    static void RebuildIndex(Section& section);
    const QString* FindValue(const QString& section, const QString& key) const;
    static qsizetype EntriesLength(const Section& section);
    static void AppendEntries(QString& text, const Section& section);
    void Parse(const QString& text);

    QString FileName_;
    std::vector<Section> Sections_;
    QHash<Name, int> SectionIndex_; // name -> position in Sections_
    // The section looked up last: writers and readers go through one section at a time.
    mutable int lastSection_ = -1;
};
