// The sweep window's controls: the rows of the range and of the second curve, the plot beside
// the table of points, the readings and the export buttons, each connected to what it drives.

#include "functions/core/sweep.h"
#include "functions/windows/c_balayage.h"
#include "functions/windows/sweep_chart.h"
#include "functions/windows/sweep_table.h"
#include "platform/window_building.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>

namespace zorv {

using namespace Qt::StringLiterals;

namespace {

// A row of the window's column, its layout without margins of its own.
std::pair<QWidget *, QHBoxLayout *> newRow(QWidget *window)
{
    auto *row = new QWidget(window);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    return {row, layout};
}

QComboBox *namedCombo(const QString &name, const QString &accessibleName, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setAccessibleName(accessibleName);
    return combo;
}

QLabel *buddyLabel(const QString &caption, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

c_balayage::c_balayage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"c_balayage"_s);
    setWindowTitle(u"Balayage"_s);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildRangeRow());
    layout->addWidget(buildSecondRow());
    lblDonnees = new QLabel(this);
    lblDonnees->setObjectName(u"lblDonnees"_s);
    lblDonnees->setWordWrap(true);
    layout->addWidget(lblDonnees);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    chtCourbe = new SweepChartView(splitter);
    chtCourbe->setMinimumSize(420, 300);
    m_table = new SweepTableModel(this);
    tblPoints = new QTableView(splitter);
    tblPoints->setObjectName(u"tblPoints"_s);
    tblPoints->setAccessibleName(u"Tableau des points"_s);
    tblPoints->setModel(m_table);
    tblPoints->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPoints->setSelectionMode(QAbstractItemView::SingleSelection);
    tblPoints->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tblPoints->horizontalHeader()->setStretchLastSection(true);
    tblPoints->verticalHeader()->setDefaultSectionSize(tblPoints->fontMetrics().height() + 6);
    tblPoints->setTabKeyNavigation(false);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);

    lblComptes = new QLabel(this);
    lblComptes->setObjectName(u"lblComptes"_s);
    lblComptes->setWordWrap(true);
    lblComptes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblComptes);
    lblLecture = new QLabel(this);
    lblLecture->setObjectName(u"lblLecture"_s);
    lblLecture->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblLecture->setWordWrap(true);
    layout->addWidget(lblLecture);
    layout->addWidget(buildExportRow());

    connect(chtCourbe, &SweepChartView::cursorMoved, this, &c_balayage::showReadout);
    connect(tblPoints->selectionModel(),
            &QItemSelectionModel::currentRowChanged,
            this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    chtCourbe->setCursorIndex(current.row());
            });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] { closeWindow(this); });
    resize(920, 660);
}

QWidget *c_balayage::buildRangeRow()
{
    const auto [row, layout] = newRow(this);
    cmbDonnee = namedCombo(u"cmbDonnee"_s, u"Donnée variée"_s, row);
    cmbDonnee->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbDonnee->setMinimumContentsLength(18);
    txtDe = new QLineEdit(row);
    txtDe->setObjectName(u"txtDe"_s);
    txtDe->setAccessibleName(u"De"_s);
    txtA = new QLineEdit(row);
    txtA->setObjectName(u"txtA"_s);
    txtA->setAccessibleName(u"À"_s);
    for (QLineEdit *bound : {txtDe, txtA}) {
        bound->setMaximumWidth(110);
        connect(bound, &QLineEdit::returnPressed, this, &c_balayage::cmdTracer_Click);
    }
    spnPoints = new QSpinBox(row);
    spnPoints->setObjectName(u"spnPoints"_s);
    spnPoints->setAccessibleName(u"Nombre de points"_s);
    spnPoints->setRange(functions::SweepMinPoints, functions::SweepMaxPoints);
    spnPoints->setValue(functions::SweepDefaultPoints);
    // Drawn once the number is typed in full, not at each of its digits.
    spnPoints->setKeyboardTracking(false);
    chkLogX = new QCheckBox(u"Abscisses &log."_s, row);
    chkLogX->setObjectName(u"chkLogX"_s);
    chkLogX->setAccessibleName(u"Abscisses logarithmiques"_s);
    chkLogY = new QCheckBox(u"&Ordonnées log."_s, row);
    chkLogY->setObjectName(u"chkLogY"_s);
    chkLogY->setAccessibleName(u"Ordonnées logarithmiques"_s);
    cmdTracer = makeButton(u"cmdTracer"_s, u"&Tracer"_s, row);

    layout->addWidget(buddyLabel(u"&Donnée variée :"_s, cmbDonnee, row));
    layout->addWidget(cmbDonnee, 1);
    layout->addWidget(buddyLabel(u"D&e"_s, txtDe, row));
    layout->addWidget(txtDe);
    layout->addWidget(buddyLabel(u"&à"_s, txtA, row));
    layout->addWidget(txtA);
    layout->addWidget(buddyLabel(u"&Points :"_s, spnPoints, row));
    layout->addWidget(spnPoints);
    layout->addWidget(chkLogX);
    layout->addWidget(chkLogY);
    layout->addWidget(cmdTracer);

    connect(cmbDonnee, &QComboBox::activated, this, [this] {
        proposeRange();
        cmbSeconde_Click();
        cmdTracer_Click();
    });
    connect(spnPoints, &QSpinBox::valueChanged, this, &c_balayage::cmdTracer_Click);
    connect(chkLogX, &QCheckBox::toggled, this, &c_balayage::cmdTracer_Click);
    connect(chkLogY, &QCheckBox::toggled, this, &c_balayage::cmdTracer_Click);
    connect(cmdTracer, &QPushButton::clicked, this, &c_balayage::cmdTracer_Click);
    return row;
}

QWidget *c_balayage::buildSecondRow()
{
    const auto [row, layout] = newRow(this);
    cmbSeconde = namedCombo(u"cmbSeconde"_s, u"Seconde courbe"_s, row);
    cmbSeconde->addItems({u"Aucune"_s, u"Autres valeurs d'une donnée"_s, u"Autre fonction"_s});
    cmbSecondeChoix = namedCombo(u"cmbSecondeChoix"_s,
                                 u"Donnée ou fonction de la seconde courbe"_s,
                                 row);
    cmbSecondeChoix->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbSecondeChoix->setMinimumContentsLength(22);
    txtSecondeValeurs = new QLineEdit(row);
    txtSecondeValeurs->setObjectName(u"txtSecondeValeurs"_s);
    txtSecondeValeurs->setAccessibleName(u"Valeurs de la seconde courbe"_s);
    txtSecondeValeurs->setPlaceholderText(u"valeurs séparées par « ; »"_s);
    layout->addWidget(buddyLabel(u"&Seconde courbe :"_s, cmbSeconde, row));
    layout->addWidget(cmbSeconde);
    layout->addWidget(cmbSecondeChoix, 1);
    layout->addWidget(buddyLabel(u"&Valeurs :"_s, txtSecondeValeurs, row));
    layout->addWidget(txtSecondeValeurs, 1);

    connect(cmbSeconde, &QComboBox::activated, this, [this] {
        cmbSeconde_Click();
        cmdTracer_Click();
    });
    connect(cmbSecondeChoix, &QComboBox::activated, this, &c_balayage::cmdTracer_Click);
    connect(txtSecondeValeurs, &QLineEdit::returnPressed, this, &c_balayage::cmdTracer_Click);
    cmbSeconde_Click();
    return row;
}

QWidget *c_balayage::buildExportRow()
{
    const auto [row, layout] = newRow(this);
    const auto button = [row = row, layout = layout](const QString &name, const QString &caption) {
        auto *pushButton = new QPushButton(caption, row);
        pushButton->setObjectName(name);
        layout->addWidget(pushButton);
        return pushButton;
    };
    cmdCsv = button(u"cmdCsv"_s, u"Exporter en &CSV…"_s);
    cmdPng = button(u"cmdPng"_s, u"Image P&NG…"_s);
    cmdSvg = button(u"cmdSvg"_s, u"Image SV&G…"_s);
    layout->addStretch(1);
    cmdFermer = button(u"cmdFermer"_s, u"&Fermer"_s);
    connect(cmdCsv, &QPushButton::clicked, this, &c_balayage::cmdCsv_Click);
    connect(cmdPng, &QPushButton::clicked, this, &c_balayage::cmdPng_Click);
    connect(cmdSvg, &QPushButton::clicked, this, &c_balayage::cmdSvg_Click);
    connect(cmdFermer, &QPushButton::clicked, this, [this] { closeWindow(this); });
    return row;
}

} // namespace zorv
