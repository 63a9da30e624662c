#include "journal/core/journal_entry.h"

#include "engine/core/number_text.h"

using namespace Qt::StringLiterals;

namespace zorv::journal {

const QString EngineSource = u"Moteur d'équations"_s;

namespace {

QDateTime nowToTheSecond()
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.addMSecs(-now.time().msec());
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
        entry.inputs.append(
            {box, legend.isEmpty() ? QString::number(box) + u')' : legend, texts[box - 1]});
    }
    return entry;
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
