#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <optional>

// How the texts of a profile file are turned into bytes and back, and how names are compared.
namespace zorv::settings {

// Profile files are Windows-1252. A file that starts with the UTF-8 byte order mark was saved as
// UTF-8 by some editor; its texts are read and written as UTF-8 so that it stays what it is.
enum class ProfileEncoding {
    Windows1252,
    Utf8
};

// The bytes as a text. Every Windows-1252 byte has a character: the five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same
// number, as the system's own conversion does. Invalid UTF-8 becomes U+FFFD.
QString decodeProfileText(ProfileEncoding encoding, QByteArrayView bytes);

// The text as bytes, or nothing when one of its characters has no byte in Windows-1252 (an "Ω",
// a "≤", an emoji) or, in UTF-8, is half of a surrogate pair: such a text cannot be stored as it
// is, and the store says so rather than writing another text in its place.
std::optional<QByteArray> encodeProfileText(ProfileEncoding encoding, QStringView text);

// Where the first character of `text` lies that a line of a profile file cannot hold: a CR, LF or
// NUL, or one that encodeProfileText refuses. -1 when there is none.
qsizetype firstUnstorableCharacter(ProfileEncoding encoding, QStringView text);

// Appends a section or key name taken from the file in the form in which names are compared: the
// UTF-8 of each character taken to its lower case, then its upper case, then its case folding.
// Names that differ only in letter case are thus one, also where the cases do not map both ways:
// "É" and "é", "Œ" and "œ", "µ" and the Greek "Μ", "ſ" and "s", and the Turkish "ı" and "İ"
// with "I" and "i".
void appendFoldedName(ProfileEncoding encoding, QByteArrayView name, QByteArray &folded);

// A name asked for by a caller, in the same form; `buffer` holds the bytes the result points to.
// Plain ASCII names, the common case, are folded without allocating.
QByteArrayView foldedRequestName(QStringView name, QVarLengthArray<char, 64> &buffer);

} // namespace zorv::settings
