#pragma once

#include "platform/platform.h"

class QFileDialog;
class QMessageBox;
class QWidget;

namespace zorv {

// Puts Qt's own texts (standard buttons, the file dialogs, the frame's window menus) in French,
// whatever the user's language, from Qt's translations when they are installed; false when they
// are not (the texts stay English). Once per program.
bool installFrenchQtTexts();

// The dialog that QtPlatform::saveFileName shows, built but not shown (the caller owns it): Qt's
// own, not the desktop's, so that it speaks French like the rest of the program, whatever the
// desktop's language, and sized so that its columns show their headers whole.
QFileDialog *createSaveFileDialog(const QString &title,
                                  const QString &suggestedPath,
                                  const QString &filter,
                                  QWidget *parent);

// The message box that QtPlatform::messageBox shows, built but not shown (the caller owns it).
QMessageBox *createMessageBox(const QString &text,
                              const QString &title,
                              MessageButtons buttons,
                              MessageIcon icon,
                              QWidget *parent);

// The platform of the real program: Qt's dialogs, the system beep, the clipboard.
class QtPlatform final : public Platform
{
public:
    MessageAnswer messageBox(const QString &text,
                             const QString &title,
                             MessageButtons buttons,
                             MessageIcon icon) override;
    std::optional<QString> inputBox(const QString &prompt,
                                    const QString &title,
                                    const QString &defaultText) override;
    void beep() override;
    void setClipboardText(const QString &text) override;
    void endProgram() override;
    bool copyFile(const QString &source, const QString &destination) override;
    std::optional<QString> saveFileName(const QString &title,
                                        const QString &suggestedPath,
                                        const QString &filter) override;
};

} // namespace zorv
