#include "platform/platform.h"

#include "platform/file_replace.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace zorv {

const QString AppTitle = u"ZORV"_s;

namespace {

class HeadlessPlatform final : public Platform
{
public:
    MessageAnswer messageBox(const QString &text,
                             const QString &title,
                             MessageButtons buttons,
                             MessageIcon) override
    {
        std::fprintf(stderr,
                     "%s: %s\n",
                     qUtf8Printable(title.isEmpty() ? AppTitle : title),
                     qUtf8Printable(text));
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }

    std::optional<QString> inputBox(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }

    void beep() override {}

    void setClipboardText(const QString &) override {}

    void endProgram() override
    {
        std::fflush(nullptr);
        std::_Exit(0);
    }

    bool copyFile(const QString &source, const QString &destination) override
    {
        return copyFileReplacing(source, destination);
    }

    std::optional<QString> saveFileName(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
};

HeadlessPlatform headless;

} // namespace

Platform &platform()
{
    Platform *installed = Installed<Platform>::get();
    return installed ? *installed : headless;
}

bool copyFileReplacing(const QString &source, const QString &destination)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    FileReplacement out(destination);
    // Copy in blocks, so a large file costs no more memory than a small one.
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        if (!out.write(QByteArrayView(buffer, n)))
            return false;
    }
    return out.commit();
}

} // namespace zorv
