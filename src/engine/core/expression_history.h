#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zorv::engine {

// Goes through the expressions computed before, as a command line does: older() from the newest
// back, newer() forward again, and past the newest the text that was being typed. An expression
// equal to the text shown is passed over, so that each key press changes the text.
class ExpressionHistory
{
public:
    // The next older expression, nothing when there is none. The first call of a walk takes the
    // expressions (newest first) and keeps `shown` as the text being typed.
    std::optional<QString> older(const QString &shown, const QStringList &newestFirst);

    // The next newer expression, or the text that was being typed; nothing outside a walk.
    std::optional<QString> newer(const QString &shown);

    // Ends the walk: the next older() starts again from the newest.
    void reset();

private:
    QStringList m_expressions;
    QString m_typed;
    qsizetype m_position = -1; // -1: the typed text
};

} // namespace zorv::engine
