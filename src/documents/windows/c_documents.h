#pragma once

#include "platform/single_instance.h"

#include <QWidget>

namespace zorv {

class LinkLabel;

// The list of help documents: four links, each opening its document in the viewer.
class c_documents : public QWidget
{
    Q_OBJECT
public:
    static constexpr WindowKind windowKind = WindowKind::FrameChild;

    explicit c_documents(QWidget *parent = nullptr);

    void a_Click();
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();

    LinkLabel *a = nullptr;
    LinkLabel *Label1 = nullptr;
    LinkLabel *Label2 = nullptr;
    LinkLabel *Label3 = nullptr;

private:
    LinkLabel *addLink(const QString &name, const QString &caption, int top, int width);
};

} // namespace zorv
