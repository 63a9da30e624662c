#include "engine/core/expression_history.h"

namespace zorv::engine {

std::optional<QString> ExpressionHistory::older(const QString &shown, const QStringList &newestFirst)
{
    if (m_position < 0) {
        m_expressions = newestFirst;
        m_typed = shown;
    }
    for (qsizetype i = m_position + 1; i < m_expressions.size(); ++i) {
        if (m_expressions[i] != shown) {
            m_position = i;
            return m_expressions[i];
        }
    }
    return std::nullopt;
}

std::optional<QString> ExpressionHistory::newer(const QString &shown)
{
    if (m_position < 0)
        return std::nullopt;
    for (qsizetype i = m_position - 1; i >= 0; --i) {
        if (m_expressions[i] != shown) {
            m_position = i;
            return m_expressions[i];
        }
    }
    m_position = -1;
    return m_typed;
}

void ExpressionHistory::reset()
{
    m_position = -1;
    m_expressions.clear();
}

} // namespace zorv::engine
