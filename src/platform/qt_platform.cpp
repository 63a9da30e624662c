#include "platform/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace Qt::StringLiterals;

namespace zorv {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QMessageBox *createMessageBox(const QString &text,
                              const QString &title,
                              MessageButtons buttons,
                              MessageIcon icon,
                              QWidget *parent)
{
    auto *box = new QMessageBox(qtIcon(icon),
                                title.isEmpty() ? AppTitle : title,
                                text,
                                QMessageBox::NoButton,
                                parent);
    switch (buttons) {
    case MessageButtons::Ok:
        box->addButton(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box->addButton(QMessageBox::Ok);
        box->addButton(u"Annuler"_s, QMessageBox::RejectRole);
        break;
    case MessageButtons::YesNo:
        box->addButton(u"&Oui"_s, QMessageBox::YesRole);
        box->addButton(u"&Non"_s, QMessageBox::NoRole);
        break;
    }
    return box;
}

MessageAnswer QtPlatform::messageBox(const QString &text,
                                     const QString &title,
                                     MessageButtons buttons,
                                     MessageIcon icon)
{
    const std::unique_ptr<QMessageBox> owned(
        createMessageBox(text, title, buttons, icon, QApplication::activeWindow()));
    QMessageBox &box = *owned;
    box.exec();
    switch (box.buttonRole(box.clickedButton())) {
    case QMessageBox::YesRole:
        return MessageAnswer::Yes;
    case QMessageBox::NoRole:
        return MessageAnswer::No;
    case QMessageBox::RejectRole:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

std::optional<QString> QtPlatform::inputBox(const QString &prompt,
                                            const QString &title,
                                            const QString &defaultText)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title.isEmpty() ? AppTitle : title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(u"OK"_s);
    dialog.setCancelButtonText(u"Annuler"_s);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void QtPlatform::beep()
{
    QApplication::beep();
}

void QtPlatform::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void QtPlatform::endProgram()
{
    // At once, as the user asked: no close handler runs, and every window goes with the process.
    std::fflush(nullptr);
    std::_Exit(0);
}

bool QtPlatform::copyFile(const QString &source, const QString &destination)
{
    return copyFileReplacing(source, destination);
}

std::optional<QString> QtPlatform::saveFileName(const QString &title,
                                                const QString &suggestedPath,
                                                const QString &filter)
{
    const QString path
        = QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggestedPath, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace zorv
