#pragma once

#include "platform/platform.h"

class QMessageBox;
class QWidget;

namespace zorv {

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
