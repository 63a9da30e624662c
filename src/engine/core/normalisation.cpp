#include "engine/core/normalisation.h"

#include "engine/core/math_functions.h"
#include "engine/core/number_text.h"
#include "engine/core/text_primitives.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace zorv::engine {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool piAt(QStringView w, qsizetype k)
{
    return k >= 0 && k + 1 < w.size() && w[k] == u'P' && w[k + 1] == u'I';
}

// Whether steps 5 to 10 put a "*" between w[k] and w[k + 1].
bool productBetween(QStringView w, qsizetype k)
{
    const QChar right = w[k + 1];
    const bool groupOrRoot = right == u'(' || right == u'V' || markedFunction(right);
    if (!groupOrRoot && !piAt(w, k + 1))
        return false;
    const QChar left = w[k];
    if (left == u')' || isDigit(left))
        return true;
    return groupOrRoot && piAt(w, k - 1); // "PI(" and "PIV"
}

// Steps 5 to 10 in one pass. Each of their rules puts a "*" between two characters; the "*" is in
// no rule's text, no rule puts one inside another rule's text, and at any place between two
// characters at most one rule applies (they differ in the characters around it). So applying
// the rules one after the other, in their order, puts a "*" at exactly the places where one of
// them applies to the text as it was: this scan does it at once instead of in 35 searches.
QString withImplicitProducts(const QString &w)
{
    QString out(2 * w.size(), Qt::Uninitialized);
    QChar *next = out.data();
    for (qsizetype k = 0; k < w.size(); ++k) {
        *next++ = w[k];
        if (k + 1 < w.size() && productBetween(w, k))
            *next++ = u'*';
    }
    out.truncate(next - out.constData());
    return out;
}

} // namespace

QString normalised(const QString &TheCalcul)
{
    static const QString pi = workingNumberText(4 * std::atan(1.0));
    QString w = u"0+"_s + TheCalcul + u"+0"_s;
    w = w.toUpper();
    w = ReplaceAll(w, u" ", u"");
    w = ReplaceAll(w, u",", u".");
    w = withImplicitProducts(w);
    w = ReplaceAll(w, u"PI", pi);
    w = ReplaceAll(w, u",", u".");
    return w;
}

} // namespace zorv::engine
