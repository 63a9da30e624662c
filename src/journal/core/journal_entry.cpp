#include "journal/core/journal_entry.h"

#include "engine/core/number_text.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace zorv::journal {

const QString EngineSource = u"Moteur d'équations"_s;

namespace {

QDateTime toTheSecond(const QDateTime &time)
{
    return time.addMSecs(-time.time().msec());
}

QDateTime nowToTheSecond()
{
    return toTheSecond(QDateTime::currentDateTime());
}

QString oneLine(QString text)
{
    return text.replace(u'\r', u' ').replace(u'\n', u' ');
}

QString boxCaption(int box)
{
    return QString::number(box) + u')';
}

// A text typed with its unit or a prefix ("100 nF", "4k7") says it already.
QString withUnit(const QString &text, const QString &unit)
{
    const QString trimmed = text.trimmed();
    if (unit.isEmpty() || trimmed.isEmpty() || !(trimmed.back().isDigit() || trimmed.back() == u')'))
        return text;
    return text + u' ' + unit;
}

} // namespace

void Entry::setResult(double result)
{
    value = result;
    reason.clear();
}

void Entry::setRefusal(const QString &why)
{
    value.reset();
    reason = why;
}

Entry engineEntry(const QString &expression)
{
    Entry entry;
    entry.time = nowToTheSecond();
    entry.source = EngineSource;
    entry.expression = expression;
    return entry;
}

Entry functionEntry(const QString &name,
                    const QString &file,
                    const QString &formula,
                    const std::array<QString, 6> &legends,
                    const std::array<QString, 6> &texts,
                    const QString &expression)
{
    Entry entry;
    entry.time = nowToTheSecond();
    entry.source = name;
    entry.functionFile = file;
    entry.expression = expression;
    for (int box = 1; box <= 6; ++box) {
        if (!formula.contains(u'd' + QString::number(box)))
            continue;
        const QString &legend = legends[box - 1];
        entry.inputs.append({box, legend.isEmpty() ? boxCaption(box) : legend, texts[box - 1]});
    }
    return entry;
}

Entry readableEntry(const Entry &entry)
{
    Entry readable = entry;
    const QDate date = entry.time.date();
    readable.time = entry.time.isValid() && date.year() >= 1 && date.year() <= 9999
                        ? toTheSecond(entry.time)
                        : nowToTheSecond();
    readable.source = oneLine(entry.source);
    readable.functionFile = oneLine(entry.functionFile);
    readable.expression = oneLine(entry.expression);
    readable.reason = oneLine(entry.reason);
    if (readable.source.isEmpty())
        readable.source = readable.functionFile.isEmpty() ? u"(sans nom)"_s : readable.functionFile;
    if (readable.value && !std::isfinite(*readable.value))
        readable.setRefusal(u"résultat hors des limites des nombres"_s);
    if (readable.value)
        readable.reason.clear();
    else if (readable.reason.isEmpty())
        readable.reason = u"refusé sans raison connue"_s;
    readable.inputs.clear();
    for (int box = 1; box <= 6; ++box) {
        const auto input = std::find_if(entry.inputs.cbegin(),
                                        entry.inputs.cend(),
                                        [box](const Input &i) { return i.box == box; });
        if (input == entry.inputs.cend())
            continue;
        const QString legend = oneLine(input->legend);
        readable.inputs.append(
            {box, legend.isEmpty() ? boxCaption(box) : legend, oneLine(input->text)});
    }
    return readable;
}

QString resultText(const Entry &entry, const QLocale &locale)
{
    return entry.value ? engine::userNumberText(*entry.value, locale) : QString();
}

QString lineText(const Entry &entry, const QLocale &locale)
{
    QString line = entry.source;
    if (entry.fromEngine()) {
        line += u" : "_s + entry.expression;
    } else if (!entry.inputs.isEmpty()) {
        QStringList inputs;
        for (const Input &input : entry.inputs)
            inputs.append(input.legend + u" = "_s + withUnit(input.text, input.unit));
        line += u" : "_s + inputs.join(u", "_s);
    }
    if (entry.value)
        return line + u" → "_s + withUnit(resultText(entry, locale), entry.resultUnit);
    return line + u" → refusé : "_s + entry.reason;
}

} // namespace zorv::journal
