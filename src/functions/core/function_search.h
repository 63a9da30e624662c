#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Finding a function of the calculator's list by the words of its name, category or description.
namespace zorv::functions {

// One function of the list, as the search shows it.
struct ListedFunction
{
    int index = 0;       // its position in the calculator's list (and in the function arrays)
    QString name;        // as listed
    QString category;    // empty when its file gives none
    QString description; // empty when its file gives none
    bool own = false;    // one of the user's own functions (listed by its full path)
};

// The first `count` functions of the function arrays, with their category and description read
// from their files.
QList<ListedFunction> listedFunctions(int count);

// The text a search compares: lower case, accents and other marks left out, so that "reactance"
// finds "Réactance" and "COS" finds "cos".
QString searchForm(const QString &text);

// True when every word of `query` (words are separated by blanks) occurs in the function's name,
// category or description, as searchForm writes them. An empty query matches every function.
bool matchesQuery(const ListedFunction &function, const QString &query);

} // namespace zorv::functions
