#pragma once

#include "settings/core/profile_codec.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace zorv::settings {

// The longest text a read returns; the rest of a longer value is cut off.
inline constexpr qsizetype MaxValueLength = 254;

// One profile file, parsed once: the bytes as they are on disk and an index of their sections and
// keys. Nothing is decoded until it is asked for.
//
// Lines end with CR LF, LF or a lone CR. A header line starts (after blanks) with "[" and holds the
// name up to the first "]"; a line that starts with "[" but has no "]" is no header and no key
// line. A key line lies in a section and holds a name before its first "=". Blanks (spaces, tabs)
// around names and values do not count. Keys before the first header belong to no section. When
// a name occurs twice, the first occurrence counts; the keys of a repeated section are not seen.
class ProfileText
{
public:
    explicit ProfileText(QByteArray bytes);

    const QByteArray &bytes() const { return m_bytes; }

    ProfileEncoding encoding() const { return m_encoding; }

    // The value of the key: enclosing quotes removed, cut at a NUL byte and at MaxValueLength
    // characters. Nothing when the section or the key does not exist.
    std::optional<QString> value(const QString &section, const QString &key) const;

    // The same value not cut at MaxValueLength, for the callers that must not take the start of
    // a longer value for the whole.
    std::optional<QString> wholeValue(const QString &section, const QString &key) const;

    // The whole file as it is after storing the value: the key's value replaced in its line, or a
    // key line added after the last key line of its section, or the section (header and key line)
    // added at the end of the file. Every other byte stays as it was. Added lines end with the
    // file's own line ending (the first one in it), CR LF in a file that has none.
    //
    // The value is stored without the blanks at its ends, which a read removes anyway, so that a
    // value written again and again does not grow; enclosing quotes stay (the read removes them).
    //
    // Nothing when the file cannot hold the texts: an empty name, a "]" in the section name, an
    // "=" in the key name or a "[" at its start, or a character that firstUnstorableCharacter
    // finds in any of them.
    std::optional<QByteArray> withValue(const QString &section,
                                        const QString &key,
                                        const QString &value) const;

private:
    std::optional<QByteArrayView> rawValue(const QString &section, const QString &key) const;

    struct Section
    {
        quint32 foldedOffset;
        quint32 foldedLength;
        quint32 insertAt; // where a new key line goes: after the last key line, or the header
    };

    struct Key
    {
        quint32 section;
        quint32 foldedOffset;
        quint32 foldedLength;
        quint32 valueOffset; // the value as it stands, quotes included, blanks excluded
        quint32 valueLength;
    };

    // Open addressing: each slot holds an entry's hash and its index + 1 (0 marks a free slot),
    // so that a probe touches the entries only when the hashes agree.
    class Index
    {
    public:
        template<class Matches>
        qsizetype find(quint32 hash, Matches matches) const;
        void insert(quint32 hash, quint32 entry);

    private:
        struct Slot
        {
            quint32 hash;
            quint32 entry;
        };

        void place(Slot slot);
        std::vector<Slot> m_slots;
        quint32 m_mask = 0;
        quint32 m_used = 0;
    };

    void parse();
    void parseLine(quint32 begin, quint32 end, quint32 next, qsizetype &section);
    void addSection(QByteArrayView name, quint32 next, qsizetype &section);
    void addKey(QByteArrayView name, quint32 valueBegin, quint32 valueEnd, qsizetype section);
    qsizetype findSection(QByteArrayView folded, quint32 hash) const;
    qsizetype findKey(qsizetype section, QByteArrayView folded, quint32 hash) const;
    qsizetype locateSection(const QString &section) const;
    qsizetype locateKey(qsizetype section, const QString &key) const;
    QByteArrayView foldedName(quint32 offset, quint32 length) const;
    QByteArray lineEnding() const;
    bool endsInsideALine() const;

    QByteArray m_bytes;
    ProfileEncoding m_encoding = ProfileEncoding::Windows1252;
    quint32 m_textStart = 0;      // after the byte order mark
    QByteArray m_firstLineEnding; // the file's own line ending, empty when it has none
    std::vector<Section> m_sections;
    std::vector<Key> m_keys;
    QByteArray m_folded; // the names of m_sections and m_keys, folded
    Index m_sectionIndex;
    Index m_keyIndex;
};

} // namespace zorv::settings
