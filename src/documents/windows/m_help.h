#pragma once

#include "platform/single_instance.h"

#include <QString>
#include <QWidget>

#include <optional>

class QPlainTextEdit;

namespace zorv {

// The document viewer. Documents reach it only through LoadHelp: it never opens a file chosen by
// the user and never writes its text back, so Text1 is read-only (its text can still be
// selected, copied and scrolled with the keyboard).
class m_help : public QWidget
{
    Q_OBJECT
public:
    static constexpr WindowKind windowKind = WindowKind::FrameChild;

    // What Text1 shows until a document is loaded.
    static const QString NoDocumentNote;

    explicit m_help(QWidget *parent = nullptr);

    // Shows the viewer (or brings it to the front) with the document HelpFile of the program's
    // docs folder. When the document cannot be read, two beeps sound and Text1 says so and why in
    // place of the document it showed (the note, which says that none is loaded, stays).
    void LoadHelp(const QString &HelpFile);

    // The whole text of a file, every line followed by CR LF (see documents::ReadAfile); nothing
    // when the file cannot be read.
    std::optional<QString> ReadAfile(const QString &filename) const;

    QPlainTextEdit *Text1 = nullptr;
};

} // namespace zorv
