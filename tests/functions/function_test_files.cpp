#include "functions/function_test_files.h"

#include "support/temp_app_dir.h"

#include <QStringEncoder>

namespace zorv::test {

using namespace Qt::StringLiterals;

QByteArray functionFileBytes(const FunctionFileContent &content)
{
    QStringList lines{u"[GeneralInfo]"_s, u"NomFonc="_s + content.name};
    if (!content.author.isNull())
        lines.append(u"NomAuteur="_s + content.author);
    lines.append(u"[Fonc]"_s);
    for (int k = 0; k < 6; ++k)
        lines.append(u"d%1=%2"_s.arg(k + 1).arg(k < content.legends.size() ? content.legends[k]
                                                                           : u"(Vide)"_s));
    if (!content.formula.isNull())
        lines.append({u"[Calc]"_s, u"Fnc="_s + content.formula});
    lines.append({u"[ePrf]"_s, u"Description="_s + content.description});
    if (!content.units.isEmpty())
        lines << u"[Unites]"_s << content.units;
    QStringEncoder toWindows1252("windows-1252");
    return toWindows1252.encode(lines.join(u"\r\n"_s) + u"\r\n"_s);
}

void writeFunctionFile(const TempAppDir &app,
                       const QString &file,
                       const FunctionFileContent &content)
{
    app.writeFile(u"res/Fonc/"_s + file, functionFileBytes(content));
}

} // namespace zorv::test
