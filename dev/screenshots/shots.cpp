#include "screenshots/shots.h"

#include "platform/program_font.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace zorv::shots {

std::map<std::string, ShotFunction> &registry();

Shots::Shots(const QString &folder)
    : m_folder(folder)
{
    QDir().mkpath(folder);
}

namespace {

// The window's picture with a title bar drawn above it.
QImage framed(QWidget *window)
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
        buttons += u" _"_s;
    if (flags & Qt::WindowMaximizeButtonHint)
        buttons += u" □"_s;
    if (flags & Qt::WindowCloseButtonHint)
        buttons += u" ×"_s;
    const QRect titleRect(6, 1, image.width() - 12, bar - 1);
    painter.drawText(titleRect, Qt::AlignVCenter | Qt::AlignLeft, window->windowTitle());
    painter.drawText(titleRect, Qt::AlignVCenter | Qt::AlignRight, buttons);
    painter.drawPixmap(1, bar, client);
    painter.end();
    return image;
}

} // namespace

void Shots::take(QWidget *window, const QString &name)
{
    save(framed(window), name);
}

void Shots::takeWithDialog(QWidget *window, QWidget *dialog, const QString &name)
{
    const QImage under = framed(window);
    const QImage over = framed(dialog);
    // Centred on the window, as dialogs open; over a window too small to show beside it, it stands
    // below the window, on a desktop-coloured ground, so that the window can be read too.
    const QRect windowRect(QPoint(0, 0), under.size());
    QRect dialogRect(QPoint(0, 0), over.size());
    dialogRect.moveCenter(windowRect.center());
    if (over.height() > under.height() / 2)
        dialogRect.moveTop(windowRect.bottom() + 12);
    const QRect all = windowRect.united(dialogRect);
    QImage image(all.size(), QImage::Format_RGB32);
    image.fill(QColor(0x3a, 0x6e, 0xa5));
    QPainter painter(&image);
    painter.drawImage(windowRect.topLeft() - all.topLeft(), under);
    painter.drawImage(dialogRect.topLeft() - all.topLeft(), over);
    painter.end();
    save(image, name);
}

DialogShots::DialogShots(Shots &shots, QWidget *window, const QString &name)
    : m_shots(shots)
    , m_window(window)
    , m_name(name)
    , m_scope(*this)
{}

MessageAnswer DialogShots::messageBox(const QString &text,
                                      const QString &title,
                                      MessageButtons buttons,
                                      MessageIcon icon)
{
    const std::unique_ptr<QMessageBox> box(createMessageBox(text, title, buttons, icon, nullptr));
    m_shots.takeWithDialog(m_window, box.get(), m_name);
    box->close();
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

std::optional<QString> DialogShots::inputBox(const QString &, const QString &, const QString &)
{
    return std::nullopt;
}

bool DialogShots::copyFile(const QString &source, const QString &destination)
{
    return copyFileReplacing(source, destination);
}

void Shots::save(const QImage &image, const QString &name)
{
    const QString path = QDir(m_folder).filePath(name + u".png"_s);
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
