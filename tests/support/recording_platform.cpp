#include "support/recording_platform.h"

namespace zorv::test {

MessageAnswer RecordingPlatform::messageBox(const QString &text,
                                            const QString &title,
                                            MessageButtons buttons,
                                            MessageIcon icon)
{
    messages.append({text, title.isEmpty() ? AppTitle : title, buttons, icon});
    if (!m_messageAnswers.isEmpty())
        return m_messageAnswers.takeFirst();
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

std::optional<QString> RecordingPlatform::inputBox(const QString &prompt,
                                                   const QString &title,
                                                   const QString &defaultText)
{
    inputs.append({prompt, title, defaultText});
    if (!m_cancelInputs.isEmpty() && m_cancelInputs.takeFirst())
        return std::nullopt;
    return defaultText;
}

std::optional<QString> RecordingPlatform::saveFileName(const QString &title,
                                                       const QString &suggestedPath,
                                                       const QString &filter)
{
    saveDialogs.append({title, suggestedPath, filter});
    if (m_savePaths.isEmpty())
        return std::nullopt;
    return m_savePaths.takeFirst();
}

bool RecordingPlatform::copyFile(const QString &source, const QString &destination)
{
    copies.append({source, destination});
    return copyFileReplacing(source, destination);
}

} // namespace zorv::test
