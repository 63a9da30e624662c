#include "settings/core/profile_codec.h"

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

// Whether the character at `i` is half of a surrogate pair without its other half.
bool isUnpairedSurrogate(QStringView text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate())
        return i + 1 == text.size() || !text[i + 1].isLowSurrogate();
    return c.isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate());
}

// The comparison form of a name (see appendFoldedName); half a surrogate pair stands for U+FFFD,
// as invalid bytes do when a UTF-8 file is read.
QByteArray foldedUtf8(QStringView name)
{
    QString folded;
    folded.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(name[i], name[i + 1]);
            ++i;
        } else if (QChar::isSurrogate(c))
            c = QChar::ReplacementCharacter;
        // Qt files the lower case of "İ" under the special cases ("i" and a combining dot) and
        // gives no simple one; the simple mapping of the character data is "i".
        c = c == U'\u0130' ? U'i' : QChar::toCaseFolded(QChar::toUpper(QChar::toLower(c)));
        folded.append(QStringView(QChar::fromUcs4(c)));
    }
    return folded.toUtf8();
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
    if (encoding == ProfileEncoding::Utf8) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (isUnpairedSurrogate(text, i))
                return std::nullopt;
        }
        return text.toUtf8();
    }
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

qsizetype firstUnstorableCharacter(ProfileEncoding encoding, QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' || c == u'\n' || c == u'\0')
            return i;
        if (encoding == ProfileEncoding::Utf8 ? isUnpairedSurrogate(text, i) : !windows1252Byte(c))
            return i;
    }
    return -1;
}

void appendFoldedName(ProfileEncoding encoding, QByteArrayView name, QByteArray &folded)
{
    if (!isAscii(name)) {
        folded += foldedUtf8(decodeProfileText(encoding, name));
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
            const QByteArray folded = foldedUtf8(name);
            buffer.resize(folded.size());
            std::memcpy(buffer.data(), folded.constData(), size_t(folded.size()));
            break;
        }
        buffer[i] = c >= u'A' && c <= u'Z' ? char(c + (u'a' - u'A')) : char(c);
    }
    return QByteArrayView(buffer.constData(), buffer.size());
}

} // namespace zorv::settings
