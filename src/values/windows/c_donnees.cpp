#include "values/windows/c_donnees.h"

#include "platform/platform.h"
#include "platform/program_font.h"
#include "platform/twips.h"
#include "platform/window_building.h"
#include "platform/window_geometry.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace zorv {

c_donnees::c_donnees(QWidget *parent)
    : QWidget(parent)
{
    // A fixed-size window: nothing to maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(u"Données"_s);
    setClientSize(this, 4620, 2430);
    createControls();
    Form_Load();
}

void c_donnees::createControls()
{
    retour = new QPlainTextEdit(this);
    retour->setObjectName(u"retour"_s);
    retour->setAccessibleName(u"Valeur"_s);
    retour->setGeometry(twips(240, 960, 4095, 735));
    retour->setReadOnly(true);
    // Read-only, yet a keyboard user can still select part of a value and copy it.
    retour->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    retour->setTabChangesFocus(true);
    retour->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    retour->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    retour->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette grey = retour->palette();
    grey.setColor(QPalette::Base, QColor(192, 192, 192));
    grey.setColor(QPalette::Text, Qt::black);
    retour->setPalette(grey);

    liste = new QComboBox(this);
    liste->setObjectName(u"liste"_s);
    liste->setAccessibleName(u"Liste des valeurs"_s);
    liste->setGeometry(twips(240, 360, 4095, 315));
    // The box has a fixed width: measuring 999 names for a size hint would only cost time.
    liste->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    liste->setMaxVisibleItems(20);

    Command1 = makeButton(u"Command1"_s, u"&Charger"_s, this, twips(240, 1800, 975, 495));
    connect(Command1, &QPushButton::clicked, this, &c_donnees::Command1_Click);

    copyPressepapier
        = makeButton(u"copyPressepapier"_s, u"C&opier"_s, this, twips(1320, 1800, 855, 495));
    connect(copyPressepapier, &QPushButton::clicked, this, &c_donnees::copyPressepapier_Click);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(u"Shape1"_s);
    Shape1->setAccessibleName(u"Cadre de confirmation"_s);
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(1);
    Shape1->setGeometry(twips(2280, 1920, 1335, 375));

    Label1 = new QLabel(u"Effectué"_s, this);
    Label1->setObjectName(u"Label1"_s);
    Label1->setGeometry(twips(2400, 1920, 3135, 375));
    Label1->setFont(programFont(12.0, true));
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Label1->setPalette(red);
    Label1->setAutoFillBackground(false);
    Label1->hide();

    t = new QTimer(this);
    t->setObjectName(u"t"_s);
    t->setInterval(700);
    connect(t, &QTimer::timeout, this, &c_donnees::t_Timer);

    setFocusChain({retour, liste, Command1, copyPressepapier});
}

void c_donnees::rechercheVals()
{
    // The names go into the list in one insertion: 999 single insertions would each update the
    // list's model and view.
    QStringList names;
    names.reserve(values::SlotCount);
    values::readValuesFile([&names](const QString &name) { names.append(name); }, tabVals);
    liste->addItems(names);
}

void c_donnees::effe()
{
    Label1->show();
    // start() restarts a running timer: the confirmation stays for 700 ms after the last press.
    t->start();
}

void c_donnees::Command1_Click()
{
    const int slot = liste->currentIndex() + 1;
    retour->setPlainText(tabVals[slot]);
    effe();
}

void c_donnees::copyPressepapier_Click()
{
    effe();
    platform().setClipboardText(retour->toPlainText());
}

void c_donnees::Form_Load()
{
    rechercheVals();
    // A list that is not editable selects its first entry when filled; the window opens with
    // no entry chosen.
    liste->setCurrentIndex(-1);
}

void c_donnees::t_Timer()
{
    Label1->hide();
    t->stop();
}

} // namespace zorv
