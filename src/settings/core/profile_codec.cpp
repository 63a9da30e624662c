#include "profile_codec.h"

#include <array>
#include <cstring>

namespace zorv::settings {
namespace {

// The characters of the bytes 0x80 to 0x9F, where Windows-1252 differs from Latin-1.
constexpr std::array<char16_t, 32> HighControls
    = {u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
       u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
       u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
       u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

constexpr char16_t windows1252Char(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : char16_t(byte);
}

std::optional<char> windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (unsigned i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == c)
            return char(0x80 + i);
    }
    return std::nullopt;
}

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QString decodeProfileText(ProfileEncoding encoding, QByteArrayView bytes)
{
    if (encoding == ProfileEncoding::Utf8)
        return QString::fromUtf8(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes)
        *out++ = QChar(windows1252Char(static_cast<unsigned char>(c)));
    return text;
}

std::optional<QByteArray> encodeProfileText(ProfileEncoding encoding, QStringView text)
{
    if (encoding == ProfileEncoding::Utf8)
        return text.toUtf8();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar c : text) {
        const std::optional<char> byte = windows1252Byte(c.unicode());
        if (!byte)
            return std::nullopt;
        *out++ = *byte;
    }
    return bytes;
}

void appendFoldedName(ProfileEncoding encoding, QByteArrayView name, QByteArray &folded)
{
    if (!isAscii(name)) {
        folded += decodeProfileText(encoding, name).toCaseFolded().toUtf8();
        return;
    }
    const qsizetype start = folded.size();
    folded.resize(start + name.size());
    char *out = folded.data() + start;
    for (const char c : name)
        *out++ = c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

QByteArrayView foldedRequestName(QStringView name, QVarLengthArray<char, 64> &buffer)
{
    buffer.resize(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c >= 0x80) {
            const QByteArray folded = name.toString().toCaseFolded().toUtf8();
            buffer.resize(folded.size());
            std::memcpy(buffer.data(), folded.constData(), size_t(folded.size()));
            break;
        }
        buffer[i] = c >= u'A' && c <= u'Z' ? char(c + (u'a' - u'A')) : char(c);
    }
    return QByteArrayView(buffer.constData(), buffer.size());
}

} // namespace zorv::settings
