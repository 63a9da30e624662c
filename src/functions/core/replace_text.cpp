#include "functions/core/replace_text.h"

using namespace Qt::StringLiterals;

namespace zorv::functions {

QString ReplaceText(const QString &text, const QString &sought, const QString &replacement)
{
    if (text.isNull())
        return u""_s;
    if (sought.isEmpty() || replacement == sought)
        return text;

    // Built in one pass over the original text: everything at and after the place where the
    // search resumes is still original text, so positions can be kept in the original.
    const qsizetype skipAfterRemoval = replacement.isEmpty() ? 1 : 0;
    QString result;
    result.reserve(text.size());
    qsizetype copiedUpTo = 0;
    qsizetype searchFrom = 0;
    for (;;) {
        const qsizetype found = text.indexOf(sought, searchFrom, Qt::CaseSensitive);
        if (found < 0)
            break;
        result += QStringView(text).mid(copiedUpTo, found - copiedUpTo);
        result += replacement;
        copiedUpTo = found + sought.size();
        searchFrom = copiedUpTo + skipAfterRemoval;
    }
    result += QStringView(text).mid(copiedUpTo);
    return result;
}

} // namespace zorv::functions
