#include "engine/core/text_primitives.h"

#include <algorithm>

namespace zorv::engine {

bool isSeparator(QChar c)
{
    return std::find(std::begin(Separators), std::end(Separators), c.unicode())
           != std::end(Separators);
}

namespace {

// The first occurrence of a non-empty find at or after from, or -1. The engine's finds are one to
// three characters long and its texts short, and the normalisation searches each text some forty
// times: a plain scan beats a general substring search there.
qsizetype indexOf(QStringView text, QStringView find, qsizetype from)
{
    const char16_t *data = text.utf16();
    const char16_t *wanted = find.utf16();
    const qsizetype last = text.size() - find.size();
    for (qsizetype k = from; k <= last; ++k) {
        if (data[k] == wanted[0] && std::equal(wanted + 1, wanted + find.size(), data + k + 1))
            return k;
    }
    return -1;
}

} // namespace

QString ReplaceAll(const QString &text, QStringView find, QStringView replacement)
{
    qsizetype k = find.isEmpty() ? -1 : indexOf(text, find, 0);
    if (k < 0)
        return text; // shares the text: no copy when nothing changes
    QString result;
    result.reserve(text.size() + replacement.size() - find.size());
    qsizetype rest = 0;
    while (k >= 0) {
        result.append(QStringView(text).mid(rest, k - rest));
        result.append(replacement);
        rest = k + find.size();
        k = indexOf(text, find, rest);
    }
    result.append(QStringView(text).mid(rest));
    return result;
}

qsizetype FindBackward(qsizetype start, QStringView text, QStringView find)
{
    const qsizetype length = text.size();
    const qsizetype first = length - start; // the first position examined
    if (first < 1)
        return length;
    if (find.isEmpty())
        return start; // the empty text occurs at the first position examined
    // An occurrence cannot begin where fewer than Len(find) characters are left.
    const char16_t *data = text.utf16();
    const char16_t *wanted = find.utf16();
    for (qsizetype pos = std::min(first, length - find.size() + 1); pos >= 1; --pos) {
        if (data[pos - 1] == wanted[0] && std::equal(wanted + 1, wanted + find.size(), data + pos))
            return length - pos;
    }
    return length;
}

namespace {

// The nearest separator at or before position last (1-based), other than the character excluded,
// or 0.
qsizetype separatorAtOrBefore(QStringView text, qsizetype last, char16_t excluded)
{
    for (qsizetype pos = last; pos >= 1; --pos) {
        const QChar c = text[pos - 1];
        if (c != excluded && isSeparator(c))
            return pos;
    }
    return 0;
}

// The first separator at or after position from (1-based), or 0.
qsizetype separatorFrom(QStringView text, qsizetype from, bool skipMinusAtFrom)
{
    for (qsizetype pos = std::max<qsizetype>(from, 1); pos <= text.size(); ++pos) {
        const QChar c = text[pos - 1];
        if (skipMinusAtFrom && pos == from && c == u'-')
            continue;
        if (isSeparator(c))
            return pos;
    }
    return 0;
}

} // namespace

// One scan instead of one search per separator character: the nearest separator is the one whose
// own search gives the smallest value, so the result is the same.
qsizetype GetSeparator(qsizetype Start, QStringView TheString, int Mode)
{
    const qsizetype length = TheString.size();
    if (Mode < 1)
        return length + 1; // no search: every value is "not found"
    if (Mode == 1) {
        const qsizetype last = std::min(length - Start, length);
        // Only a Start below 1 reaches the last character. Its own search then yields 0, which
        // counts as "not found", so that character is left out altogether.
        char16_t excluded = 0;
        if (last == length && length > 0 && isSeparator(TheString[length - 1]))
            excluded = TheString[length - 1].unicode();
        const qsizetype pos = separatorAtOrBefore(TheString, last, excluded);
        const qsizetype value = pos == 0 ? length : length - pos;
        return value == 0 ? length + 1 : value; // an empty text: 0 is "not found" as well
    }
    const qsizetype pos = separatorFrom(TheString, Start, Mode == 3);
    return pos == 0 ? length + 1 : pos;
}

QString quoted(QStringView part, qsizetype maxLength)
{
    QString shown = part.toString();
    if (maxLength > 0 && shown.size() > maxLength) {
        qsizetype cut = maxLength - 1;
        if (shown.at(cut - 1).isHighSurrogate())
            --cut;
        shown = shown.left(cut) + u'\u2026';
    }
    return QStringLiteral("\u00AB ") + shown + QStringLiteral(" \u00BB");
}

} // namespace zorv::engine
