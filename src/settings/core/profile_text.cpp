#include "settings/core/profile_text.h"

#include <algorithm>
#include <cstring>

namespace zorv::settings {
namespace {

constexpr char Utf8ByteOrderMark[] = "\xEF\xBB\xBF";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text[begin] == u' ' || text[begin] == u'\t'))
        ++begin;
    while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.sliced(begin, end - begin);
}

quint32 nameHash(QByteArrayView folded, quint32 seed)
{
    quint32 hash = 2166136261u ^ seed;
    for (const char c : folded)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    // Names that differ only in their last characters ("E1" to "E999") must spread over the
    // low bits too, which pick the slot.
    hash ^= hash >> 16;
    hash *= 0x85EBCA6Bu;
    hash ^= hash >> 13;
    hash *= 0xC2B2AE35u;
    return hash ^ (hash >> 16);
}

bool isQuote(char c)
{
    return c == '"' || c == '\'';
}

} // namespace

template<class Matches>
qsizetype ProfileText::Index::find(quint32 hash, Matches matches) const
{
    if (m_slots.empty())
        return -1;
    for (quint32 slot = hash & m_mask;; slot = (slot + 1) & m_mask) {
        const Slot &s = m_slots[slot];
        if (s.entry == 0)
            return -1;
        if (s.hash == hash && matches(s.entry - 1))
            return s.entry - 1;
    }
}

void ProfileText::Index::insert(quint32 hash, quint32 entry)
{
    if ((m_used + 1) * 2 > m_slots.size()) {
        std::vector<Slot> old = std::move(m_slots);
        m_slots.assign(old.empty() ? 64 : old.size() * 2, Slot{0, 0});
        m_mask = quint32(m_slots.size() - 1);
        for (const Slot &s : old) {
            if (s.entry != 0)
                place(s);
        }
    }
    place(Slot{hash, entry + 1});
    ++m_used;
}

void ProfileText::Index::place(Slot slot)
{
    quint32 at = slot.hash & m_mask;
    while (m_slots[at].entry != 0)
        at = (at + 1) & m_mask;
    m_slots[at] = slot;
}

ProfileText::ProfileText(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
    parse();
}

void ProfileText::parse()
{
    const char *data = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    if (m_bytes.startsWith(Utf8ByteOrderMark)) {
        m_encoding = ProfileEncoding::Utf8;
        m_textStart = 3;
    }
    // The next LF and the next CR are each looked for once per stretch of the file, so that a
    // file whose lines all end the other way is still read in one pass.
    const auto find = [&](char c, qsizetype from) {
        const void *found = std::memchr(data + from, c, size_t(size - from));
        return found ? static_cast<const char *>(found) - data : size;
    };
    qsizetype nextLf = -1;
    qsizetype nextCr = -1;
    qsizetype section = -1;
    for (qsizetype pos = m_textStart; pos < size;) {
        if (nextLf < pos)
            nextLf = find('\n', pos);
        if (nextCr < pos)
            nextCr = find('\r', pos);
        const qsizetype end = std::min(nextLf, nextCr);
        qsizetype next = end + 1;
        if (end == size)
            next = size;
        else if (data[end] == '\r' && end + 1 < size && data[end + 1] == '\n')
            next = end + 2;
        if (m_firstLineEnding.isEmpty() && end < size)
            m_firstLineEnding = m_bytes.sliced(end, next - end);
        parseLine(quint32(pos), quint32(end), quint32(next), section);
        pos = next;
    }
}

void ProfileText::parseLine(quint32 begin, quint32 end, quint32 next, qsizetype &section)
{
    const char *data = m_bytes.constData();
    while (begin < end && isBlank(data[begin]))
        ++begin;
    while (end > begin && isBlank(data[end - 1]))
        --end;
    if (begin == end)
        return;
    if (data[begin] == '[') {
        const void *close = std::memchr(data + begin + 1, ']', end - begin - 1);
        if (!close)
            return;
        quint32 nameBegin = begin + 1;
        quint32 nameEnd = quint32(static_cast<const char *>(close) - data);
        while (nameBegin < nameEnd && isBlank(data[nameBegin]))
            ++nameBegin;
        while (nameEnd > nameBegin && isBlank(data[nameEnd - 1]))
            --nameEnd;
        addSection(QByteArrayView(data + nameBegin, nameEnd - nameBegin), next, section);
        return;
    }
    if (section < 0)
        return;
    const void *equals = std::memchr(data + begin, '=', end - begin);
    if (!equals)
        return;
    quint32 nameEnd = quint32(static_cast<const char *>(equals) - data);
    quint32 valueBegin = nameEnd + 1;
    while (nameEnd > begin && isBlank(data[nameEnd - 1]))
        --nameEnd;
    if (nameEnd == begin)
        return;
    while (valueBegin < end && isBlank(data[valueBegin]))
        ++valueBegin;
    m_sections[section].insertAt = next;
    addKey(QByteArrayView(data + begin, nameEnd - begin), valueBegin, end, section);
}

void ProfileText::addSection(QByteArrayView name, quint32 next, qsizetype &section)
{
    const quint32 offset = quint32(m_folded.size());
    appendFoldedName(m_encoding, name, m_folded);
    const quint32 length = quint32(m_folded.size()) - offset;
    const quint32 hash = nameHash(foldedName(offset, length), 0);
    if (findSection(foldedName(offset, length), hash) >= 0) {
        // A repeated section: its keys are not seen, and new keys go to the first one.
        m_folded.truncate(offset);
        section = -1;
        return;
    }
    section = qsizetype(m_sections.size());
    m_sections.push_back({offset, length, next});
    m_sectionIndex.insert(hash, quint32(section));
}

void ProfileText::addKey(QByteArrayView name,
                         quint32 valueBegin,
                         quint32 valueEnd,
                         qsizetype section)
{
    const quint32 offset = quint32(m_folded.size());
    appendFoldedName(m_encoding, name, m_folded);
    const quint32 length = quint32(m_folded.size()) - offset;
    const quint32 hash = nameHash(foldedName(offset, length), quint32(section) + 1);
    if (findKey(section, foldedName(offset, length), hash) >= 0) {
        m_folded.truncate(offset);
        return;
    }
    const quint32 key = quint32(m_keys.size());
    m_keys.push_back({quint32(section), offset, length, valueBegin, valueEnd - valueBegin});
    m_keyIndex.insert(hash, key);
}

QByteArrayView ProfileText::foldedName(quint32 offset, quint32 length) const
{
    return QByteArrayView(m_folded.constData() + offset, length);
}

qsizetype ProfileText::findSection(QByteArrayView folded, quint32 hash) const
{
    return m_sectionIndex.find(hash, [&](quint32 i) {
        const Section &s = m_sections[i];
        return foldedName(s.foldedOffset, s.foldedLength) == folded;
    });
}

qsizetype ProfileText::findKey(qsizetype section, QByteArrayView folded, quint32 hash) const
{
    return m_keyIndex.find(hash, [&](quint32 i) {
        const Key &k = m_keys[i];
        return k.section == quint32(section)
               && foldedName(k.foldedOffset, k.foldedLength) == folded;
    });
}

qsizetype ProfileText::locateSection(const QString &section) const
{
    QVarLengthArray<char, 64> buffer;
    const QByteArrayView folded = foldedRequestName(trimBlanks(section), buffer);
    return folded.isEmpty() ? -1 : findSection(folded, nameHash(folded, 0));
}

qsizetype ProfileText::locateKey(qsizetype section, const QString &key) const
{
    QVarLengthArray<char, 64> buffer;
    const QByteArrayView folded = foldedRequestName(trimBlanks(key), buffer);
    return folded.isEmpty() ? -1 : findKey(section, folded, nameHash(folded, quint32(section) + 1));
}

std::optional<QByteArrayView> ProfileText::rawValue(const QString &section, const QString &key) const
{
    const qsizetype s = locateSection(section);
    const qsizetype k = s < 0 ? -1 : locateKey(s, key);
    if (k < 0)
        return std::nullopt;
    QByteArrayView raw(m_bytes.constData() + m_keys[k].valueOffset, m_keys[k].valueLength);
    if (raw.size() >= 2 && isQuote(raw.front()) && raw.back() == raw.front())
        raw = raw.sliced(1, raw.size() - 2);
    if (const qsizetype nul = raw.indexOf('\0'); nul >= 0)
        raw.truncate(nul);
    return raw;
}

std::optional<QString> ProfileText::wholeValue(const QString &section, const QString &key) const
{
    const std::optional<QByteArrayView> raw = rawValue(section, key);
    if (!raw)
        return std::nullopt;
    return decodeProfileText(m_encoding, *raw);
}

std::optional<QString> ProfileText::value(const QString &section, const QString &key) const
{
    const std::optional<QByteArrayView> found = rawValue(section, key);
    if (!found)
        return std::nullopt;
    const QByteArrayView raw = *found;
    if (m_encoding == ProfileEncoding::Windows1252)
        return decodeProfileText(m_encoding, raw.first(std::min(raw.size(), MaxValueLength)));
    QString text = decodeProfileText(m_encoding, raw);
    if (text.size() > MaxValueLength)
        text.truncate(text[MaxValueLength].isLowSurrogate() ? MaxValueLength - 1 : MaxValueLength);
    return text;
}

std::optional<QByteArray> ProfileText::withValue(const QString &section,
                                                 const QString &key,
                                                 const QString &value) const
{
    const QStringView sectionName = trimBlanks(section);
    const QStringView keyName = trimBlanks(key);
    // Stored without the blanks at its ends, which a read would drop: written as it stands, a
    // value would gain the blanks of the old one at each rewrite, around the ones it brings.
    const QStringView storedValue = trimBlanks(value);
    if (sectionName.isEmpty() || keyName.isEmpty() || sectionName.contains(u']')
        || keyName.contains(u'=') || keyName.front() == u'['
        || firstUnstorableCharacter(m_encoding, sectionName) >= 0
        || firstUnstorableCharacter(m_encoding, keyName) >= 0
        || firstUnstorableCharacter(m_encoding, storedValue) >= 0)
        return std::nullopt;
    const std::optional<QByteArray> encodedValue = encodeProfileText(m_encoding, storedValue);
    const std::optional<QByteArray> encodedKey = encodeProfileText(m_encoding, keyName);
    const std::optional<QByteArray> encodedSection = encodeProfileText(m_encoding, sectionName);
    if (!encodedValue || !encodedKey || !encodedSection)
        return std::nullopt;

    const qsizetype s = locateSection(section);
    const qsizetype k = s < 0 ? -1 : locateKey(s, key);
    QByteArray result = m_bytes;
    if (k >= 0)
        return result.replace(m_keys[k].valueOffset, m_keys[k].valueLength, *encodedValue);

    const QByteArray eol = lineEnding();
    QByteArray lines = *encodedKey + '=' + *encodedValue + eol;
    if (s < 0)
        lines.prepend('[' + *encodedSection + ']' + eol);
    const qsizetype at = s < 0 ? m_bytes.size() : m_sections[s].insertAt;
    if (at == m_bytes.size() && endsInsideALine())
        lines.prepend(eol);
    return result.insert(at, lines);
}

QByteArray ProfileText::lineEnding() const
{
    return m_firstLineEnding.isEmpty() ? QByteArrayLiteral("\r\n") : m_firstLineEnding;
}

bool ProfileText::endsInsideALine() const
{
    return m_bytes.size() > qsizetype(m_textStart) && m_bytes.back() != '\n'
           && m_bytes.back() != '\r';
}

} // namespace zorv::settings
