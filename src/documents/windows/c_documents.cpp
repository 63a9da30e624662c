#include "c_documents.h"

#include "link_label.h"
#include "m_help.h"
#include "platform/twips.h"
#include "platform/window_geometry.h"

namespace zorv {

c_documents::c_documents(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Documents"));
    setClientSize(this, 2595, 1530);

    a = addLink(QStringLiteral("a"), QStringLiteral("Aide sur les calculs"), 120, 1455);
    Label1 = addLink(QStringLiteral("Label1"), QStringLiteral("Aide sur le SDK"), 480, 1455);
    Label2 = addLink(QStringLiteral("Label2"), QStringLiteral("Aide sur les données"), 840, 2055);
    Label3 = addLink(QStringLiteral("Label3"),
                     QStringLiteral("Aide sur le moteur d'équations"),
                     1200,
                     2415);
    setTabOrder(a, Label1);
    setTabOrder(Label1, Label2);
    setTabOrder(Label2, Label3);

    connect(a, &LinkLabel::clicked, this, &c_documents::a_Click);
    connect(Label1, &LinkLabel::clicked, this, &c_documents::Label1_Click);
    connect(Label2, &LinkLabel::clicked, this, &c_documents::Label2_Click);
    connect(Label3, &LinkLabel::clicked, this, &c_documents::Label3_Click);
}

LinkLabel *c_documents::addLink(const QString &name, const QString &caption, int top, int width)
{
    auto *label = new LinkLabel(caption, this);
    label->setObjectName(name);
    label->setGeometry(twips(240, top, width, 255));
    return label;
}

void c_documents::a_Click()
{
    SingleInstance<m_help>::get()->LoadHelp(QStringLiteral("343aubcde465360adaubcdaub.dczv"));
}

void c_documents::Label1_Click()
{
    SingleInstance<m_help>::get()->LoadHelp(QStringLiteral("sdkdoc.dczv"));
}

void c_documents::Label2_Click()
{
    SingleInstance<m_help>::get()->LoadHelp(QStringLiteral("const.dczv"));
}

void c_documents::Label3_Click()
{
    SingleInstance<m_help>::get()->LoadHelp(QStringLiteral("mteq.dczv"));
}

} // namespace zorv
