#include "platform/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QTreeView>

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

// The "Type" column of the file dialogs. Qt's own names its folders in English whatever the
// translation ("Folder"), and its files by the desktop's language; these are French.
class FrenchFileTypes final : public QFileIconProvider
{
public:
    QString type(const QFileInfo &info) const override
    {
        if (info.isRoot())
            return u"Lecteur"_s;
        if (info.isDir())
            return u"Dossier"_s;
        if (info.isSymLink())
            return u"Raccourci"_s;
        const QString suffix = info.suffix();
        return suffix.isEmpty() ? u"Fichier"_s : u"Fichier %1"_s.arg(suffix.toUpper());
    }
};

// Gives the dialog the French types for its lifetime. The holder is the dialog's last child, so
// the file list, which reads the types from its own thread, goes before them.
void giveFrenchFileTypes(QFileDialog *dialog)
{
    struct Holder : QObject
    {
        using QObject::QObject;
        FrenchFileTypes types;
    };

    dialog->setIconProvider(&(new Holder(dialog))->types);
}

// Qt sizes the columns after the name for English texts: the French headers and types would be
// cut. They are fitted to what they show once the folder is listed; the user may resize them.
void fitColumnsToTheirTexts(QFileDialog *dialog)
{
    auto *details = dialog->findChild<QTreeView *>(u"treeView"_s);
    auto *files = dialog->findChild<QFileSystemModel *>();
    if (!details || !files)
        return;
    const auto fit = [details] {
        for (int column = 1; column < details->header()->count(); ++column)
            details->resizeColumnToContents(column);
    };
    fit();
    QObject::connect(files, &QFileSystemModel::directoryLoaded, details, fit);
}

} // namespace

bool installFrenchQtTexts()
{
    static QTranslator qtTexts;
    if (!qtTexts.load(u"qtbase_fr"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&qtTexts);
}

QFileDialog *createSaveFileDialog(const QString &title,
                                  const QString &suggestedPath,
                                  const QString &filter,
                                  QWidget *parent)
{
    auto *dialog = new QFileDialog(parent, title, suggestedPath, filter);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setViewMode(QFileDialog::Detail);
    giveFrenchFileTypes(dialog);
    // A name typed without its extension gets the filter's, as in a spreadsheet's dialog.
    static const QRegularExpression onePattern(u"^[^(]*\\(\\*\\.(\\w+)\\)$"_s);
    if (const QRegularExpressionMatch match = onePattern.match(filter); match.hasMatch())
        dialog->setDefaultSuffix(match.captured(1));
    dialog->setLabelText(QFileDialog::LookIn, u"Dossier :"_s);
    dialog->setLabelText(QFileDialog::FileName, u"&Nom du fichier :"_s);
    dialog->setLabelText(QFileDialog::FileType, u"&Type de fichier :"_s);
    dialog->setLabelText(QFileDialog::Accept, u"&Enregistrer"_s);
    dialog->setLabelText(QFileDialog::Reject, u"Annuler"_s);
    fitColumnsToTheirTexts(dialog);
    return dialog;
}

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
    const std::unique_ptr<QFileDialog> dialog(
        createSaveFileDialog(title, suggestedPath, filter, QApplication::activeWindow()));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

} // namespace zorv
