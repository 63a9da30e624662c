#include "shots.h"

#include "platform/program_font.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <map>

namespace zorv::shots {

std::map<std::string, ShotFunction> &registry();

Shots::Shots(const QString &folder)
    : m_folder(folder)
{
    QDir().mkpath(folder);
}

void Shots::take(QWidget *window, const QString &name)
{
    if (!window->isVisible())
        window->show();
    settle();
    const QPixmap client = window->grab();
    const int bar = 22;
    QImage image(client.width() + 2, client.height() + bar + 1, QImage::Format_RGB32);
    image.fill(QColor(0x40, 0x40, 0x40));
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, image.width(), 0);
    gradient.setColorAt(0, QColor(0x0a, 0x24, 0x6a));
    gradient.setColorAt(1, QColor(0xa6, 0xca, 0xf0));
    painter.fillRect(QRect(1, 1, image.width() - 2, bar - 1), gradient);
    painter.setPen(Qt::white);
    painter.setFont(programFont(8.0, true));
    const Qt::WindowFlags flags = window->windowFlags();
    QString buttons;
    if (flags & Qt::WindowMinimizeButtonHint)
        buttons += QStringLiteral(" _");
    if (flags & Qt::WindowMaximizeButtonHint)
        buttons += QStringLiteral(" □");
    if (flags & Qt::WindowCloseButtonHint)
        buttons += QStringLiteral(" ×");
    const QRect titleRect(6, 1, image.width() - 12, bar - 1);
    painter.drawText(titleRect, Qt::AlignVCenter | Qt::AlignLeft, window->windowTitle());
    painter.drawText(titleRect, Qt::AlignVCenter | Qt::AlignRight, buttons);
    painter.drawPixmap(1, bar, client);
    painter.end();
    const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
    if (image.save(path)) {
        ++m_count;
        std::printf("%s\n", qUtf8Printable(path));
    } else {
        std::fprintf(stderr, "cannot write %s\n", qUtf8Printable(path));
    }
}

std::map<std::string, ShotFunction> &registry()
{
    static std::map<std::string, ShotFunction> functions;
    return functions;
}

Registrar::Registrar(const char *name, ShotFunction function)
{
    registry()[name] = function;
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
}

} // namespace zorv::shots
