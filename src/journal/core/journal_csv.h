#pragma once

#include "journal/core/journal_entry.h"

#include <QByteArray>
#include <QList>
#include <QStringView>

#include <optional>

// The journal's file, which is also what it exports: CSV as a French spreadsheet opens it. UTF-8
// with a byte order mark, one header line, then one line per entry, oldest first, each ended by
// CR LF; fields separated by ";", quoted ("…", with "" for a quote) when they hold ";" or '"'.
// The columns: Date (yyyy-MM-dd HH:mm:ss, local time), Origine, Fichier, Expression, Résultat (the
// number with a decimal comma, 15 significant digits, as the calculator shows it in French),
// Erreur (the reason of a refusal; then Résultat is empty), and Légende k, Donnée k for the boxes
// 1 to 6 (both empty for a box that the formula does not use), then Unité du résultat and Unité k
// for the boxes 1 to 6 (the declared units as the user reads them, "kΩ"; empty where none is).
// A file of the earlier form, without the seven unit columns, is read as having no units.
//
// A text that a spreadsheet would take for a formula (beginning with "=", "+", "-", "@", a tab or
// a CR, after any apostrophes) is written behind one more apostrophe, which reading takes away.
// Line breaks, which no box holds, are written as spaces.
namespace zorv::journal {

inline constexpr int FieldCount = 25;
// The lines of a file written before the units were recorded.
inline constexpr int FieldCountWithoutUnits = 18;

// The byte order mark and the header line.
QByteArray fileHeader();

// One entry's line, CR LF included.
QByteArray recordLine(const Entry &entry);

// The whole file for these entries.
QByteArray fileBytes(const QList<Entry> &entries);

// One line without its line end; nothing when it is not a well-formed entry (wrong number of
// fields, an unclosed quote, a date, a number or a pair of fields that cannot be read).
std::optional<Entry> parseRecord(QStringView line);

struct ParsedFile
{
    QList<Entry> entries;    // the well-formed lines, in the file's order
    QList<int> damagedLines; // the numbers (from 1) of the lines left out
    // The file is exactly fileBytes(entries): header, lines, final line end, nothing else.
    bool canonical = true;
};

// Reads a whole file. A damaged line (bytes that are not UTF-8 included) is left out and the rest
// kept; blank lines are passed over.
ParsedFile parseFile(const QByteArray &bytes);

} // namespace zorv::journal
