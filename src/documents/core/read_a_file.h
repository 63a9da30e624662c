#pragma once

#include <QString>

#include <optional>

namespace zorv::documents {

// Documents are a few kilobytes. A file far larger is not one of ours, and laying it out in the
// viewer would freeze the program for seconds (a megabyte takes about two); it is refused.
inline constexpr qint64 MaxDocumentBytes = 1024 * 1024;

// The whole text of a document file, as the viewer shows it: the bytes decoded from Windows-1252,
// and every line (ended in the file by CR LF, a lone CR or a lone LF) followed by CR LF, the
// last one too, whether or not the file ends with a line break. An empty file gives an empty text.
// Nothing when the path names no regular file, the file cannot be read, or it is larger than
// MaxDocumentBytes.
std::optional<QString> ReadAfile(const QString &filename);

// Why ReadAfile gives nothing for this file, in French ("il est introuvable"), to follow "le
// document … ne peut pas être lu : ".
QString unreadableReason(const QString &filename);

// The same text built from bytes already read.
QString documentText(const QByteArray &bytes);

} // namespace zorv::documents
