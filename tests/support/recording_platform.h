#pragma once

#include "platform/platform.h"

#include <QList>
#include <QStringList>

namespace zorv::test {

struct MessageRecord
{
    QString text;
    QString title;
    MessageButtons buttons;
    MessageIcon icon;
};

struct InputRecord
{
    QString prompt;
    QString title;
    QString defaultText;
};

struct SaveDialogRecord
{
    QString title;
    QString suggestedPath;
    QString filter;
};

// A platform that records what the user would have seen and answers from a queue. Installs itself
// for its lifetime, as every fake of a service does (a scope of its own, see platform/hook.h).
class RecordingPlatform final : public Platform
{
public:
    MessageAnswer messageBox(const QString &text,
                             const QString &title,
                             MessageButtons buttons,
                             MessageIcon icon) override;
    std::optional<QString> inputBox(const QString &prompt,
                                    const QString &title,
                                    const QString &defaultText) override;

    void beep() override { ++beeps; }

    void setClipboardText(const QString &text) override { clipboard = text; }

    void endProgram() override { ++endRequests; }

    bool copyFile(const QString &source, const QString &destination) override;
    std::optional<QString> saveFileName(const QString &title,
                                        const QString &suggestedPath,
                                        const QString &filter) override;

    // The next save dialog answers this path (default: cancelled).
    void answerNextSaveFile(const QString &path) { m_savePaths.append(path); }

    // The next message box answers this (default: Ok, or Yes for a yes/no box).
    void answerNextMessage(MessageAnswer answer) { m_messageAnswers.append(answer); }

    // The next input box is cancelled instead of confirmed with its default text.
    void cancelNextInput() { m_cancelInputs.append(true); }

    QList<MessageRecord> messages;
    QList<InputRecord> inputs;
    QList<QStringList> copies; // {source, destination} of each copy asked for
    QList<SaveDialogRecord> saveDialogs;
    int beeps = 0;
    int endRequests = 0;
    QString clipboard;

private:
    PlatformScope m_scope{*this};
    QList<MessageAnswer> m_messageAnswers;
    QList<bool> m_cancelInputs;
    QStringList m_savePaths;
};

} // namespace zorv::test
