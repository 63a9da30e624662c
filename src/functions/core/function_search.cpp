#include "functions/core/function_search.h"

#include "functions/core/function_file.h"
#include "functions/core/function_list.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zorv::functions {

namespace {

QString entryOrEmpty(const QString &file, const QString &section, const QString &key)
{
    const QString value = ReadAClause(file, section, key);
    return value == ReadFailureText ? QString() : value;
}

} // namespace

QList<ListedFunction> listedFunctions(int count)
{
    QList<ListedFunction> list;
    const int listed = std::clamp(count, 0, donnees::FunctionSlots);
    list.reserve(listed);
    for (int i = 0; i < listed; ++i) {
        const QString &file = donnees::FunctionFileNames[i];
        list.append({i,
                     donnees::FunctionNames[i],
                     entryOrEmpty(file, u"GeneralInfo"_s, u"Categorie"_s),
                     entryOrEmpty(file, u"ePrf"_s, u"Description"_s),
                     QDir::isAbsolutePath(file)});
    }
    return list;
}

QString searchForm(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            folded.append(c);
    }
    // "œ" and "æ" do not decompose; the French typing them without ligature must find them.
    return folded.toCaseFolded().replace(u"œ"_s, u"oe"_s).replace(u"æ"_s, u"ae"_s);
}

bool matchesQuery(const ListedFunction &function, const QString &query)
{
    const QStringList words = searchForm(query).simplified().split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return true;
    const QString haystack = searchForm(function.name + u'\n' + function.category + u'\n'
                                        + function.description);
    return std::all_of(words.cbegin(), words.cend(), [&](const QString &word) {
        return haystack.contains(word);
    });
}

} // namespace zorv::functions
