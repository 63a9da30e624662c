#include "documents/core/read_a_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace zorv::documents {

QString documentText(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1252");
    const QString decoded = decoder.decode(bytes);

    static const QString lineEnd = u"\r\n"_s;
    QString text;
    text.reserve(decoded.size() + decoded.size() / 16 + 2);
    qsizetype lineStart = 0;
    qsizetype i = 0;
    while (i < decoded.size()) {
        const QChar c = decoded.at(i);
        if (c != u'\r' && c != u'\n') {
            ++i;
            continue;
        }
        text += QStringView(decoded).sliced(lineStart, i - lineStart);
        text += lineEnd;
        // A CR directly followed by an LF is one line break, not two.
        i += (c == u'\r' && i + 1 < decoded.size() && decoded.at(i + 1) == u'\n') ? 2 : 1;
        lineStart = i;
    }
    if (lineStart < decoded.size()) {
        text += QStringView(decoded).sliced(lineStart);
        text += lineEnd;
    }
    return text;
}

std::optional<QString> ReadAfile(const QString &filename)
{
    // A folder, a pipe or a device is no document: a pipe would block the program on open.
    const QFileInfo info(filename);
    if (!info.isFile() || info.size() > MaxDocumentBytes)
        return std::nullopt;

    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Read one byte past the limit, so that a file that grew since it was looked at is caught.
    const QByteArray bytes = file.read(MaxDocumentBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxDocumentBytes)
        return std::nullopt;
    return documentText(bytes);
}

QString unreadableReason(const QString &filename)
{
    const QFileInfo info(filename);
    if (!info.exists())
        return u"il est introuvable"_s;
    if (!info.isFile())
        return u"ce n'est pas un fichier"_s;
    if (info.size() > MaxDocumentBytes)
        return u"il dépasse %1 Mio, ce n'est pas un document de ZORV"_s.arg(MaxDocumentBytes >> 20);
    return u"le système en refuse la lecture"_s;
}

} // namespace zorv::documents
