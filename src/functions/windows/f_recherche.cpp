#include "functions/windows/f_recherche.h"

#include "functions/core/function_list.h"
#include "functions/windows/c_calculs.h"
#include "platform/window_building.h"
#include "platform/window_geometry.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zorv {

using namespace Qt::StringLiterals;

namespace {

constexpr int IndexRole = Qt::UserRole;     // of a function line: its place in the list
constexpr int TitleRole = Qt::UserRole + 1; // of a category line: the category alone
const QString OwnFunctions = u"Mes fonctions"_s;
const QString NoCategory = u"Sans catégorie"_s;

bool isFunctionLine(const QTreeWidgetItem *item)
{
    return item && item->parent();
}

QString countText(int shown, int total)
{
    if (total == 0)
        return u"Aucune fonction dans la liste de la calculatrice."_s;
    if (shown == total)
        return total == 1 ? u"1 fonction"_s : u"%1 fonctions"_s.arg(total);
    if (shown == 0)
        return u"Aucune fonction ne contient ces mots."_s;
    return u"%1 sur %2 fonctions"_s.arg(shown).arg(total);
}

} // namespace

f_recherche::f_recherche(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"f_recherche"_s);
    setWindowTitle(u"Rechercher une fonction"_s);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto *searchLabel = new QLabel(u"&Mots cherchés :"_s, this);
    txtRecherche = new QLineEdit(this);
    txtRecherche->setObjectName(u"txtRecherche"_s);
    txtRecherche->setAccessibleName(u"Mots cherchés"_s);
    txtRecherche->setPlaceholderText(u"nom, catégorie ou description"_s);
    txtRecherche->setClearButtonEnabled(true);
    txtRecherche->installEventFilter(this);
    searchLabel->setBuddy(txtRecherche);

    lstFonctions = new QTreeWidget(this);
    lstFonctions->setObjectName(u"lstFonctions"_s);
    lstFonctions->setAccessibleName(u"Fonctions trouvées, par catégorie"_s);
    lstFonctions->setHeaderHidden(true);
    lstFonctions->setRootIsDecorated(true);
    lstFonctions->setUniformRowHeights(true);

    lblNombre = new QLabel(this);
    lblNombre->setObjectName(u"lblNombre"_s);

    txtApercu = new QPlainTextEdit(this);
    txtApercu->setObjectName(u"txtApercu"_s);
    txtApercu->setAccessibleName(u"Description de la fonction"_s);
    txtApercu->setReadOnly(true);
    txtApercu->setFixedHeight(fontMetrics().lineSpacing() * 5);

    cmdChoisir = makeButton(u"cmdChoisir"_s, u"&Choisir"_s, this);
    cmdFermer = makeButton(u"cmdFermer"_s, u"Fermer"_s, this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblNombre, 1);
    buttons->addWidget(cmdChoisir);
    buttons->addWidget(cmdFermer);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(searchLabel);
    layout->addWidget(txtRecherche);
    layout->addWidget(lstFonctions, 1);
    layout->addWidget(txtApercu);
    layout->addLayout(buttons);
    resize(560, 520);

    setFocusChain({txtRecherche, lstFonctions, txtApercu, cmdChoisir, cmdFermer});

    connect(txtRecherche, &QLineEdit::textChanged, this, &f_recherche::txtRecherche_Change);
    connect(txtRecherche, &QLineEdit::returnPressed, this, &f_recherche::cmdChoisir_Click);
    connect(lstFonctions, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        if (isFunctionLine(item))
            cmdChoisir_Click();
    });
    connect(lstFonctions, &QTreeWidget::currentItemChanged, this, &f_recherche::showCurrent);
    connect(cmdChoisir, &QPushButton::clicked, this, &f_recherche::cmdChoisir_Click);
    connect(cmdFermer, &QPushButton::clicked, this, &f_recherche::cmdFermer_Click);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &f_recherche::cmdFermer_Click);

    fillList();
    txtRecherche_Change();
    centreWhenShown(this);
}

void f_recherche::fillList()
{
    const c_calculs *calculator = SingleInstance<c_calculs>::find();
    m_functions = functions::listedFunctions(calculator ? calculator->cmbFonction->count() : 0);

    // Shipped functions under their categories, in the order of the calculator's list (their
    // file names keep a category together); the user's own ones after them, as they are listed.
    QList<QTreeWidgetItem *> groups;
    auto makeGroup = [](const QString &title) {
        auto *group = new QTreeWidgetItem;
        group->setData(0, TitleRole, title);
        group->setFlags(Qt::ItemIsEnabled);
        QFont bold = group->font(0);
        bold.setBold(true);
        group->setFont(0, bold);
        return group;
    };
    auto groupFor = [&](const QString &title) {
        for (QTreeWidgetItem *group : std::as_const(groups))
            if (group->data(0, TitleRole).toString() == title)
                return group;
        groups.append(makeGroup(title));
        return groups.last();
    };
    QTreeWidgetItem *own = nullptr;
    for (const functions::ListedFunction &function : std::as_const(m_functions)) {
        QString text = function.name;
        QTreeWidgetItem *group = nullptr;
        if (function.own) {
            group = own ? own : (own = makeGroup(OwnFunctions));
            if (!function.category.isEmpty())
                text += u" — "_s + function.category;
        } else {
            group = groupFor(function.category.isEmpty() ? NoCategory : function.category);
        }
        auto *item = new QTreeWidgetItem(group, {text});
        item->setData(0, IndexRole, function.index);
        item->setToolTip(0, function.description);
    }
    if (own)
        groups.append(own);
    lstFonctions->addTopLevelItems(groups);
    lstFonctions->expandAll();
}

void f_recherche::txtRecherche_Change()
{
    const QString query = txtRecherche->text();
    int shown = 0;
    for (int g = 0; g < lstFonctions->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = lstFonctions->topLevelItem(g);
        int inGroup = 0;
        for (int c = 0; c < group->childCount(); ++c) {
            QTreeWidgetItem *item = group->child(c);
            const bool match = functions::matchesQuery(m_functions[item->data(0, IndexRole).toInt()],
                                                       query);
            item->setHidden(!match);
            inGroup += match ? 1 : 0;
        }
        group->setHidden(inGroup == 0);
        group->setText(0, u"%1 (%2)"_s.arg(group->data(0, TitleRole).toString()).arg(inGroup));
        shown += inGroup;
    }
    lblNombre->setText(countText(shown, int(m_functions.size())));
    QTreeWidgetItem *current = lstFonctions->currentItem();
    if (!isFunctionLine(current) || current->isHidden())
        lstFonctions->setCurrentItem(firstShownFunction());
    showCurrent();
}

QTreeWidgetItem *f_recherche::firstShownFunction() const
{
    for (int g = 0; g < lstFonctions->topLevelItemCount(); ++g) {
        const QTreeWidgetItem *group = lstFonctions->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c)
            if (!group->child(c)->isHidden())
                return group->child(c);
    }
    return nullptr;
}

void f_recherche::showCurrent()
{
    const QTreeWidgetItem *item = lstFonctions->currentItem();
    const bool function = isFunctionLine(item) && !item->isHidden();
    cmdChoisir->setEnabled(function);
    txtApercu->setPlainText(function ? m_functions[item->data(0, IndexRole).toInt()].description
                                     : QString());
}

bool f_recherche::cmdChoisir_Click()
{
    const QTreeWidgetItem *item = lstFonctions->currentItem();
    if (!isFunctionLine(item) || item->isHidden())
        return false;
    const int index = item->data(0, IndexRole).toInt();
    c_calculs *calculator = SingleInstance<c_calculs>::show();
    if (!calculator->pickFunctionFile(donnees::FunctionFileNames[index]))
        return false;
    calculator->txtDonnees[1]->setFocus();
    calculator->txtDonnees[1]->selectAll();
    closeWindow(this);
    return true;
}

void f_recherche::cmdFermer_Click()
{
    closeWindow(this);
}

QStringList f_recherche::shownFunctions() const
{
    QStringList names;
    for (int g = 0; g < lstFonctions->topLevelItemCount(); ++g) {
        const QTreeWidgetItem *group = lstFonctions->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c)
            if (!group->isHidden() && !group->child(c)->isHidden())
                names.append(group->child(c)->text(0));
    }
    return names;
}

// Up and Down in the search box walk the functions shown, so that one can type, then choose with
// the arrows and Enter without leaving the box.
bool f_recherche::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtRecherche && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            QTreeWidgetItem *item = lstFonctions->currentItem();
            do {
                item = item ? (key == Qt::Key_Up ? lstFonctions->itemAbove(item)
                                                 : lstFonctions->itemBelow(item))
                            : firstShownFunction();
            } while (item && !isFunctionLine(item));
            if (item)
                lstFonctions->setCurrentItem(item);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void addFunctionSearchShortcut(QWidget *calculator)
{
    auto *find = new QShortcut(QKeySequence::Find, calculator);
    find->setContext(Qt::WidgetWithChildrenShortcut);
    if (auto *list = calculator->findChild<QComboBox *>(u"cmbFonction"_s))
        list->setToolTip(u"Ctrl+F : rechercher une fonction par un mot de son nom, de sa "
                         u"catégorie ou de sa description"_s);
    QObject::connect(find, &QShortcut::activated, calculator, [] {
        SingleInstance<f_recherche>::show()->txtRecherche->setFocus();
    });
}

} // namespace zorv
