#include "documents/windows/c_documents.h"

#include "documents/windows/link_label.h"
#include "documents/windows/m_help.h"
#include "platform/twips.h"
#include "platform/window_building.h"
#include "platform/window_geometry.h"

using namespace Qt::StringLiterals;

namespace zorv {

c_documents::c_documents(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(u"Documents"_s);
    setClientSize(this, 2595, 1530);

    a = addLink(u"a"_s, u"Aide sur les calculs"_s, 120, 1455);
    Label1 = addLink(u"Label1"_s, u"Aide sur le SDK"_s, 480, 1455);
    Label2 = addLink(u"Label2"_s, u"Aide sur les données"_s, 840, 2055);
    Label3 = addLink(u"Label3"_s, u"Aide sur le moteur d'équations"_s, 1200, 2415);
    setFocusChain({a, Label1, Label2, Label3});

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
    SingleInstance<m_help>::get()->LoadHelp(u"343aubcde465360adaubcdaub.dczv"_s);
}

void c_documents::Label1_Click()
{
    SingleInstance<m_help>::get()->LoadHelp(u"sdkdoc.dczv"_s);
}

void c_documents::Label2_Click()
{
    SingleInstance<m_help>::get()->LoadHelp(u"const.dczv"_s);
}

void c_documents::Label3_Click()
{
    SingleInstance<m_help>::get()->LoadHelp(u"mteq.dczv"_s);
}

} // namespace zorv
