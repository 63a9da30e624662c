#include "journal/core/journal_csv.h"

#include "engine/core/number_text.h"

#include <QStringDecoder>

#include <cmath>

using namespace Qt::StringLiterals;

namespace zorv::journal {
namespace {

// The header of the files written before the units were recorded: read, then rewritten.
constexpr QStringView HeaderWithoutUnits
    = u"Date;Origine;Fichier;Expression;Résultat;Erreur;Légende 1;Donnée 1;Légende 2;Donnée 2;"
      u"Légende 3;Donnée 3;Légende 4;Donnée 4;Légende 5;Donnée 5;Légende 6;Donnée 6";

const QString HeaderLine = HeaderWithoutUnits.toString()
                           + u";Unité du résultat;Unité 1;Unité 2;Unité 3;Unité 4;Unité 5;Unité 6"_s;

constexpr char Bom[] = "\xEF\xBB\xBF";

bool startsFormula(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u'\'')
        ++i;
    if (i == text.size())
        return false;
    const QChar c = text[i];
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

QString textField(const QString &text)
{
    QString field = text;
    field.replace(u'\r', u' ').replace(u'\n', u' ');
    if (startsFormula(field))
        field.prepend(u'\'');
    if (field.contains(u';') || field.contains(u'"'))
        return u'"' + field.replace(u"\""_s, u"\"\""_s) + u'"';
    return field;
}

QString readTextField(QStringView field)
{
    if (field.startsWith(u'\'') && startsFormula(field))
        return field.mid(1).toString();
    return field.toString();
}

QString numberField(double value)
{
    return engine::numberText(value).replace(u'.', u',');
}

std::optional<double> readNumber(QStringView field)
{
    if (field.isEmpty() || field.contains(u'.'))
        return std::nullopt;
    bool ok = false;
    const double value = field.toString().replace(u',', u'.').toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString dateField(const QDateTime &time)
{
    return time.toString(u"yyyy-MM-dd HH:mm:ss"_s);
}

int digits(QStringView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        if (!text[i].isDigit() || text[i].unicode() > u'9')
            return -1;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return value;
}

// Read by hand: QDateTime::fromString with a format costs more than the rest of the line.
std::optional<QDateTime> readDate(QStringView field)
{
    if (field.size() != 19 || field[4] != u'-' || field[7] != u'-' || field[10] != u' '
        || field[13] != u':' || field[16] != u':')
        return std::nullopt;
    const QDate date(digits(field, 0, 4), digits(field, 5, 2), digits(field, 8, 2));
    const int hour = digits(field, 11, 2);
    const int minute = digits(field, 14, 2);
    const int second = digits(field, 17, 2);
    if (!date.isValid() || !QTime::isValid(hour, minute, second, 0))
        return std::nullopt;
    return QDateTime(date, QTime(hour, minute, second));
}

// Splits one line into its fields; nothing when a quote is left open or a closing quote is
// followed by anything else than ";".
std::optional<QList<QString>> splitFields(QStringView line)
{
    QList<QString> fields;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (true) {
        QString field;
        if (i < n && line[i] == u'"') {
            ++i;
            while (true) {
                if (i >= n)
                    return std::nullopt;
                if (line[i] == u'"') {
                    if (i + 1 < n && line[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            if (i < n && line[i] != u';')
                return std::nullopt;
        } else {
            const qsizetype end = line.indexOf(u';', i);
            const qsizetype stop = end < 0 ? n : end;
            field = line.mid(i, stop - i).toString();
            i = stop;
        }
        fields.append(field);
        if (i >= n)
            return fields;
        ++i; // the ";"
    }
}

} // namespace

QByteArray fileHeader()
{
    return QByteArray(Bom) + HeaderLine.toUtf8() + "\r\n";
}

QByteArray recordLine(const Entry &entry)
{
    QStringList fields{dateField(entry.time),
                       textField(entry.source),
                       textField(entry.functionFile),
                       textField(entry.expression),
                       entry.value ? numberField(*entry.value) : QString(),
                       entry.value ? QString() : textField(entry.reason)};
    for (int box = 1; box <= 6; ++box) {
        const auto input = std::find_if(entry.inputs.cbegin(),
                                        entry.inputs.cend(),
                                        [box](const Input &i) { return i.box == box; });
        fields.append(input == entry.inputs.cend() ? QString() : textField(input->legend));
        fields.append(input == entry.inputs.cend() ? QString() : textField(input->text));
    }
    fields.append(textField(entry.resultUnit));
    for (int box = 1; box <= 6; ++box) {
        const auto input = std::find_if(entry.inputs.cbegin(),
                                        entry.inputs.cend(),
                                        [box](const Input &i) { return i.box == box; });
        fields.append(input == entry.inputs.cend() ? QString() : textField(input->unit));
    }
    return fields.join(u';').toUtf8() + "\r\n";
}

QByteArray fileBytes(const QList<Entry> &entries)
{
    QByteArray bytes = fileHeader();
    for (const Entry &entry : entries)
        bytes += recordLine(entry);
    return bytes;
}

std::optional<Entry> parseRecord(QStringView line)
{
    const std::optional<QList<QString>> fields = splitFields(line);
    if (!fields || (fields->size() != FieldCount && fields->size() != FieldCountWithoutUnits))
        return std::nullopt;
    const QList<QString> &f = *fields;
    Entry entry;
    const std::optional<QDateTime> time = readDate(f[0]);
    entry.source = readTextField(f[1]);
    entry.functionFile = readTextField(f[2]);
    entry.expression = readTextField(f[3]);
    if (!time || entry.source.isEmpty() || f[4].isEmpty() == f[5].isEmpty())
        return std::nullopt;
    entry.time = *time;
    if (!f[4].isEmpty()) {
        entry.value = readNumber(f[4]);
        if (!entry.value)
            return std::nullopt;
    } else {
        entry.reason = readTextField(f[5]);
    }
    for (int box = 1; box <= 6; ++box) {
        const QString legend = readTextField(f[6 + 2 * (box - 1)]);
        const QString text = readTextField(f[7 + 2 * (box - 1)]);
        const QString unit = f.size() == FieldCount ? readTextField(f[18 + box]) : QString();
        if (!legend.isEmpty())
            entry.inputs.append({box, legend, text, unit});
        else if (!text.isEmpty() || !unit.isEmpty())
            return std::nullopt;
    }
    if (f.size() == FieldCount)
        entry.resultUnit = readTextField(f[18]);
    return entry;
}

ParsedFile parseFile(const QByteArray &bytes)
{
    ParsedFile parsed;
    QByteArrayView rest(bytes);
    const bool bom = rest.startsWith(QByteArrayView(Bom));
    if (bom)
        rest = rest.sliced(3);
    parsed.canonical = bom && rest.endsWith('\n');
    int number = 0;
    while (!rest.isEmpty()) {
        ++number;
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        else
            parsed.canonical = false;
        if (line.trimmed().isEmpty()) {
            parsed.canonical = false;
            continue;
        }
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder(line);
        if (number == 1) {
            if (text == HeaderLine)
                continue;
            if (text == HeaderWithoutUnits) {
                parsed.canonical = false; // rewritten with the unit columns
                continue;
            }
            parsed.canonical = false;
        }
        std::optional<Entry> entry;
        if (!decoder.hasError())
            entry = parseRecord(text);
        if (entry) {
            parsed.entries.append(std::move(*entry));
        } else {
            parsed.damagedLines.append(number);
            parsed.canonical = false;
        }
    }
    if (number == 0)
        parsed.canonical = false;
    return parsed;
}

} // namespace zorv::journal
