#include "values/windows/v_normalisees.h"

#include "engine/core/number_text.h"
#include "platform/platform.h"
#include "platform/result_menu.h"
#include "platform/window_building.h"
#include "values/core/standard_values.h"

#include <QAction>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace zorv {
namespace {

enum Column {
    SeriesColumn,
    Below,
    BelowError,
    Above,
    AboveError,
    Nearest,
    Bands,
    ColumnCount
};

const QLocale French(QLocale::French, QLocale::France);

QString percentText(double error, QChar sign)
{
    const QString number = French.toString(100 * error, 'f', 2);
    return error == 0 ? number + u" %"_s : sign + number + u" %"_s;
}

QColor bandColour(const QString &name)
{
    static const QHash<QString, QColor> Colours{
        {u"noir"_s, QColor(0, 0, 0)},
        {u"marron"_s, QColor(122, 61, 18)},
        {u"rouge"_s, QColor(220, 20, 20)},
        {u"orange"_s, QColor(255, 140, 0)},
        {u"jaune"_s, QColor(255, 215, 0)},
        {u"vert"_s, QColor(30, 150, 40)},
        {u"bleu"_s, QColor(30, 80, 230)},
        {u"violet"_s, QColor(140, 50, 200)},
        {u"gris"_s, QColor(128, 128, 128)},
        {u"blanc"_s, QColor(255, 255, 255)},
        {u"or"_s, QColor(207, 170, 60)},
        {u"argent"_s, QColor(192, 192, 192)},
    };
    return Colours.value(name); // "aucune": invalid, the body shows through
}

// A resistor body with its bands, as a reminder beside their names.
QIcon bandsIcon(const QStringList &bands)
{
    QPixmap picture(44, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QColor(90, 70, 40));
    painter.setBrush(QColor(230, 205, 150));
    painter.drawRoundedRect(picture.rect().adjusted(0, 0, -1, -1), 4, 4);
    for (qsizetype i = 0; i < bands.size(); ++i) {
        if (const QColor colour = bandColour(bands[i]); colour.isValid())
            painter.fillRect(QRect(5 + 8 * int(i), 1, 5, 14), colour);
    }
    return QIcon(picture);
}

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

v_normalisees::v_normalisees(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(u"Valeurs normalisées"_s);
    createControls();
    clearRows();
    // The series most resistors are bought in.
    tblSeries->setCurrentCell(int(values::Series::E24), Nearest);
    resize(sizeHint());
}

void v_normalisees::createControls()
{
    lblValeur = new QLabel(u"&Valeur :"_s, this);
    lblValeur->setObjectName(u"lblValeur"_s);

    txtValeur = new QLineEdit(this);
    txtValeur->setObjectName(u"txtValeur"_s);
    txtValeur->setAccessibleName(u"Valeur"_s);
    lblValeur->setBuddy(txtValeur);
    connect(txtValeur, &QLineEdit::returnPressed, this, &v_normalisees::Chercher_Click);

    lblUnite = new QLabel(this);
    lblUnite->setObjectName(u"lblUnite"_s);
    lblUnite->setAccessibleName(u"Unité"_s);
    lblUnite->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdChercher = makeButton(u"cmdChercher"_s, u"&Chercher"_s, this);
    connect(cmdChercher, &QPushButton::clicked, this, &v_normalisees::Chercher_Click);

    lblErreur = new QLabel(this);
    lblErreur->setObjectName(u"lblErreur"_s);
    lblErreur->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPalette red = lblErreur->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    lblErreur->setPalette(red);
    lblErreur->setWordWrap(true);
    lblErreur->hide();

    tblSeries = new QTableWidget(int(values::AllSeries.size()), ColumnCount, this);
    tblSeries->setObjectName(u"tblSeries"_s);
    tblSeries->setAccessibleName(u"Valeurs des séries"_s);
    tblSeries->setHorizontalHeaderLabels({u"Série"_s,
                                          u"En dessous"_s,
                                          u"Écart"_s,
                                          u"Au-dessus"_s,
                                          u"Écart"_s,
                                          u"Plus proche"_s,
                                          u"Couleurs"_s});
    tblSeries->verticalHeader()->hide();
    tblSeries->horizontalHeader()->setStretchLastSection(true);
    tblSeries->horizontalHeaderItem(Bands)->setToolTip(u"Couleurs de la plus proche"_s);
    tblSeries->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblSeries->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Tab leaves the table for the next control; the arrows move between its cells.
    tblSeries->setTabKeyNavigation(false);
    tblSeries->setWordWrap(false);
    tblSeries->setIconSize(QSize(44, 16));
    tblSeries->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The table is fitted to its cells (fitTable): a scroll bar would only hide a row or a column.
    tblSeries->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblSeries->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblSeries->horizontalHeader()->setHighlightSections(false);

    connect(tblSeries, &QTableWidget::currentCellChanged, this, &v_normalisees::showBandNames);

    lblCouleurs = new QLabel(this);
    lblCouleurs->setObjectName(u"lblCouleurs"_s);
    lblCouleurs->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblCouleurs->setWordWrap(true);

    auto *copy = new QAction(u"&Copier"_s, tblSeries);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &v_normalisees::copySelection);
    auto *selectAll = new QAction(u"&Tout sélectionner"_s, tblSeries);
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setShortcutContext(Qt::WidgetShortcut);
    connect(selectAll, &QAction::triggered, tblSeries, &QTableWidget::selectAll);
    tblSeries->addActions({copy, selectAll});
    tblSeries->setContextMenuPolicy(Qt::ActionsContextMenu);

    cmdUtiliser = makeButton(u"cmdUtiliser"_s, u"&Utiliser dans la donnée …"_s, this);
    cmdUtiliser->setToolTip(u"La valeur choisie, avec la tolérance de sa série, dans une donnée "
                            u"de la calculatrice"_s);
    cmdUtiliser->setMenu(inputBoxMenu(cmdUtiliser, [this](int box) { UtiliserDansDonnee(box); }));
    auto *separator = new QAction(tblSeries);
    separator->setSeparator(true);
    auto *use = new QAction(u"&Utiliser dans la donnée"_s, tblSeries);
    use->setMenu(inputBoxMenu(tblSeries, [this](int box) { UtiliserDansDonnee(box); }));
    tblSeries->addActions({separator, use});
    connect(tblSeries, &QTableWidget::currentCellChanged, this, &v_normalisees::updateUtiliser);

    auto *layout = new QGridLayout(this);
    layout->addWidget(lblValeur, 0, 0);
    layout->addWidget(txtValeur, 0, 1);
    layout->addWidget(lblUnite, 0, 2);
    layout->addWidget(cmdChercher, 0, 3);
    layout->setColumnStretch(1, 1);
    layout->addWidget(lblErreur, 1, 0, 1, 4);
    layout->addWidget(tblSeries, 2, 0, 1, 4);
    layout->addWidget(lblCouleurs, 3, 0, 1, 4);
    layout->addWidget(cmdUtiliser, 4, 0, 1, 4, Qt::AlignRight);

    setFocusChain({txtValeur, cmdChercher, tblSeries, cmdUtiliser});
}

QString v_normalisees::valueWithTolerance() const
{
    const int row = tblSeries->currentRow();
    if (row < 0)
        return {};
    const int column = tblSeries->currentColumn();
    const QTableWidgetItem *item = tblSeries->item(row,
                                                   column == Below || column == Above ? column
                                                                                      : Nearest);
    if (!item || item->text().isEmpty())
        return {};
    return item->text() + u" ±"_s + values::toleranceText(values::AllSeries[row]);
}

void v_normalisees::UtiliserDansDonnee(int box)
{
    if (const QString text = valueWithTolerance(); !text.isEmpty())
        if (ResultLinks *links = resultLinks())
            links->useInCalculator(box, text);
}

void v_normalisees::updateUtiliser()
{
    cmdUtiliser->setEnabled(!valueWithTolerance().isEmpty());
}

void v_normalisees::showFor(double value, const QString &unit)
{
    lblUnite->setText(unit);
    txtValeur->setText(engine::userNumberText(value, French));
    if (const QString reason = values::refusalReason(value); !reason.isEmpty()) {
        clearRows();
        lblErreur->setText(u"« %1 » %2"_s.arg(txtValeur->text(), reason));
        lblErreur->show();
        return;
    }
    showValue(value);
}

void v_normalisees::open(double value, const QString &unit)
{
    v_normalisees *window = SingleInstance<v_normalisees>::get();
    window->showFor(value, unit);
    SingleInstance<v_normalisees>::show();
}

void v_normalisees::Chercher_Click()
{
    const values::ValueReading reading = values::readValue(txtValeur->text());
    if (!reading.value) {
        clearRows();
        lblErreur->setText(reading.reason);
        lblErreur->show();
        return;
    }
    showValue(*reading.value);
}

void v_normalisees::showValue(double value)
{
    lblErreur->hide();
    // The unit stands once, beside the value: a copied cell is a number that pastes into a box.
    const auto valueText = [](values::StandardValue v) {
        return engine::userNumberText(v.value(), French);
    };
    for (int row = 0; row < int(values::AllSeries.size()); ++row) {
        const values::Series series = values::AllSeries[row];
        const values::NearestValues found = *values::nearestValues(series, value);
        tblSeries->setItem(row, Below, cell(valueText(found.below)));
        tblSeries->setItem(row, BelowError, cell(percentText(found.belowError, u'-')));
        tblSeries->setItem(row, Above, cell(valueText(found.above)));
        tblSeries->setItem(row, AboveError, cell(percentText(found.aboveError, u'+')));
        tblSeries->setItem(row, Nearest, cell(valueText(found.nearest)));
        const std::optional<QStringList> bands = values::colourBands(series, found.nearest);
        // The bands are drawn; their names go with the picture for a tooltip, a screen reader
        // and a copy, and below the table for the current row.
        const QString names = bands ? bands->join(u", "_s) : u"hors du code des couleurs"_s;
        QTableWidgetItem *bandsCell = cell(bands ? QString() : u"hors code"_s);
        bandsCell->setData(Qt::UserRole, names);
        bandsCell->setToolTip(names);
        bandsCell->setData(Qt::AccessibleTextRole, names);
        if (bands)
            bandsCell->setIcon(bandsIcon(*bands));
        tblSeries->setItem(row, Bands, bandsCell);
    }
    fitTable();
    showBandNames();
    updateUtiliser();
}

void v_normalisees::showBandNames()
{
    const int row = tblSeries->currentRow();
    const QTableWidgetItem *bands = tblSeries->item(row, Bands);
    if (row < 0 || !bands) {
        lblCouleurs->clear();
        return;
    }
    lblCouleurs->setText(
        u"Couleurs en %1 de %2 : %3"_s.arg(values::seriesName(values::AllSeries[row]),
                                           tblSeries->item(row, Nearest)->text(),
                                           bands->data(Qt::UserRole).toString()));
}

void v_normalisees::clearRows()
{
    tblSeries->clearContents();
    lblCouleurs->clear();
    for (int row = 0; row < int(values::AllSeries.size()); ++row) {
        const values::Series series = values::AllSeries[row];
        tblSeries->setItem(row,
                           SeriesColumn,
                           cell(u"%1 (%2)"_s.arg(values::seriesName(series),
                                                 values::toleranceText(series))));
    }
    if (cmdUtiliser)
        updateUtiliser();
    fitTable();
}

// Every column as wide as its widest text and every row in sight: the window grows to show them
// (never narrower than what the user chose).
void v_normalisees::fitTable()
{
    tblSeries->resizeColumnsToContents();
    tblSeries->resizeRowsToContents();
    // Some styles draw the last caption with a wider margin than the header measures.
    const int slack = tblSeries->fontMetrics().averageCharWidth();
    tblSeries->setColumnWidth(Bands, tblSeries->columnWidth(Bands) + slack);
    int width = 2 * tblSeries->frameWidth();
    for (int column = 0; column < ColumnCount; ++column)
        width += tblSeries->columnWidth(column);
    // The header's own height is known only once it is shown; its hint is known at once.
    int height = 2 * tblSeries->frameWidth() + tblSeries->horizontalHeader()->sizeHint().height();
    for (int row = 0; row < tblSeries->rowCount(); ++row)
        height += tblSeries->rowHeight(row);
    tblSeries->setMinimumWidth(width);
    tblSeries->setFixedHeight(height);
    layout()->activate();
    const QSize missing = (sizeHint() - size()).expandedTo(QSize(0, 0));
    if (missing.isNull())
        return;
    // Inside the frame, the sub-window around the window grows by as much.
    QWidget *outer = qobject_cast<QMdiSubWindow *>(parentWidget()) ? parentWidget() : this;
    outer->resize(outer->size() + missing);
}

void v_normalisees::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Texts are measured in the fonts of the window system only once the window is shown.
    fitTable();
}

void v_normalisees::copySelection()
{
    QList<QTableWidgetSelectionRange> ranges = tblSeries->selectedRanges();
    if (ranges.isEmpty())
        return;
    QStringList lines;
    for (const QTableWidgetSelectionRange &range : ranges) {
        for (int row = range.topRow(); row <= range.bottomRow(); ++row) {
            QStringList cells;
            for (int column = range.leftColumn(); column <= range.rightColumn(); ++column) {
                const QTableWidgetItem *item = tblSeries->item(row, column);
                cells << (!item                                ? QString()
                          : item->data(Qt::UserRole).isValid() ? item->data(Qt::UserRole).toString()
                                                               : item->text());
            }
            lines << cells.join(u'\t');
        }
    }
    platform().setClipboardText(lines.join(u'\n'));
}

} // namespace zorv
