#include "functions/windows/c_calculs.h"

#include "engine/core/number_text.h"
#include "functions/core/function_evaluation.h"
#include "functions/core/function_file.h"
#include "functions/core/function_list.h"
#include "functions/core/picked_function.h"
#include "functions/core/unit.h"
#include "functions/windows/c_balayage.h"
#include "functions/windows/calculator_answers.h"
#include "functions/windows/calculator_list.h"
#include "functions/windows/calculator_readings.h"
#include "functions/windows/e_more.h"
#include "functions/windows/f_recherche.h"
#include "journal/core/journal.h"
#include "platform/platform.h"
#include "platform/program_font.h"
#include "platform/result_menu.h"
#include "platform/twips.h"
#include "platform/window_building.h"
#include "platform/window_geometry.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace zorv {

using namespace Qt::StringLiterals;

namespace {

// Where the input boxes stand in Frame2, in the order of the placeholders d1 to d6, with the
// index of the Label1 element that carries each box's caption.
struct InputPlace
{
    int labelIndex;
    int left;
    int top;
};

constexpr std::array<InputPlace, 6> InputPlaces{{
    {2, 120, 240},
    {3, 1800, 240},
    {4, 3480, 240},
    {1, 120, 840},
    {0, 1800, 840},
    {5, 3480, 840},
}};

QGroupBox *makeFrame(const QString &name, const QString &caption, QRect geometry, QWidget *parent)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    return frame;
}

} // namespace

c_calculs::c_calculs(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"c_calculs"_s);
    setWindowTitle(u"Calculs"_s);
    setClientSize(this, 5535, 7305);
    buildFunctionFrame();
    buildDataFrame();
    buildLegendAndDescription();
    buildOptionsFrame();
    setKeyboardOrder();
    installWantedResultMode(*this);
    addSweepButton(this, Frame5);
    addFunctionSearchShortcut(this);
    Form_Load();
    // Connected once the list is filled, so that filling it can never count as a pick.
    // activated() comes from the user only: a click in the list, the arrow keys in the field, or
    // a name typed in full.
    connect(cmbFonction, &QComboBox::activated, this, &c_calculs::cmbFonction_Click);
    connect(cmbFonction->view()->verticalScrollBar(),
            &QScrollBar::valueChanged,
            this,
            &c_calculs::cmbFonction_Scroll);
}

void c_calculs::buildFunctionFrame()
{
    Frame1 = makeFrame(u"Frame1"_s, u"> Fonction"_s, twips(120, 120, 5295, 615), this);
    cmbFonction = new QComboBox(Frame1);
    cmbFonction->setObjectName(u"cmbFonction"_s);
    cmbFonction->setAccessibleName(u"Fonction"_s);
    cmbFonction->setEditable(true);
    // The field shows the count text and accepts typing, but typing adds nothing to the list.
    cmbFonction->setInsertPolicy(QComboBox::NoInsert);
    cmbFonction->setGeometry(twips(120, 240, 5055, 315));
}

void c_calculs::buildDataFrame()
{
    Frame2 = makeFrame(u"Frame2"_s, u"> Données"_s, twips(120, 840, 5295, 1335), this);
    for (int k = 1; k <= 6; ++k) {
        const InputPlace &place = InputPlaces[k - 1];
        Label1[place.labelIndex] = makeLabel(u"Label1_"_s + QString::number(place.labelIndex),
                                             QString::number(k) + u')',
                                             twips(place.left, place.top, 255, 255),
                                             Frame2);

        auto *box = new QLineEdit(u"0"_s, Frame2);
        box->setObjectName(u"txtDonnees"_s + QString::number(k));
        box->setAccessibleName(u"Donnée "_s + QString::number(k));
        box->setGeometry(twips(place.left + 360, place.top, 975, 285));
        connect(box, &QLineEdit::returnPressed, this, &c_calculs::Command1_Click);
        connect(box, &QLineEdit::textChanged, this, &c_calculs::showReadings);
        txtDonnees[k] = box;

        // Under the box, in the band that separates the two rows and the frame's bottom edge.
        auto *reading = new QLabel(Frame2);
        reading->setObjectName(u"lblLecture"_s + QString::number(k));
        reading->setAccessibleName(u"Lecture de la donnée "_s + QString::number(k));
        reading->setGeometry(twips(place.left + 360, place.top + 285, 1290, 195));
        reading->setFont(programFont(7));
        reading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        reading->setTextInteractionFlags(Qt::TextSelectableByMouse);
        lblLecture[k] = reading;
    }
}

void c_calculs::buildLegendAndDescription()
{
    Frame3 = makeFrame(u"Frame3"_s, u"< Légende des Données"_s, twips(120, 2280, 5295, 1575), this);
    lstLegende = new QListWidget(Frame3);
    lstLegende->setObjectName(u"lstLegende"_s);
    lstLegende->setAccessibleName(u"Légende des données"_s);
    lstLegende->setGeometry(twips(120, 240, 4935, 1200));

    Frame4 = makeFrame(u"Frame4"_s,
                       u"< Description et informations sur la fonction"_s,
                       twips(120, 3960, 5295, 1935),
                       this);
    txtDesc = new QPlainTextEdit(Frame4);
    txtDesc->setObjectName(u"txtDesc"_s);
    txtDesc->setAccessibleName(u"Description de la fonction"_s);
    txtDesc->setReadOnly(true);
    txtDesc->setGeometry(twips(120, 240, 5055, 1575));
}

void c_calculs::buildOptionsFrame()
{
    Frame5 = makeFrame(u"Frame5"_s, u"> Options"_s, twips(120, 6000, 5295, 1215), this);
    Command1 = makeButton(u"Command1"_s, u"&Calculer"_s, Frame5, twips(120, 360, 975, 615));
    connect(Command1, &QPushButton::clicked, this, &c_calculs::Command1_Click);
    Command2 = makeButton(u"Command2"_s, u"Efface&r"_s, Frame5, twips(1200, 360, 855, 615));
    connect(Command2, &QPushButton::clicked, this, &c_calculs::Command2_Click);
    Command3 = makeButton(u"Command3"_s, u"+"_s, Frame5, twips(2160, 360, 495, 615));
    Command3->setAccessibleName(u"Infos supplémentaires sur la fonction"_s);
    connect(Command3, &QPushButton::clicked, this, &c_calculs::Command3_Click);

    Label2 = makeLabel(u"Label2"_s, u"Résultat"_s, twips(2760, 360, 1095, 255), Frame5);

    // Right of the "Résultat" caption, over the right part of txtResultat.
    lblResultatUnite = new QLabel(Frame5);
    lblResultatUnite->setObjectName(u"lblResultatUnite"_s);
    lblResultatUnite->setAccessibleName(u"Résultat avec son unité"_s);
    lblResultatUnite->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblResultatUnite->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblResultatUnite->setGeometry(twips(3855, 360, 1320, 255));

    txtResultat = new QLineEdit(Frame5);
    txtResultat->setObjectName(u"txtResultat"_s);
    txtResultat->setAccessibleName(u"Résultat"_s);
    txtResultat->setReadOnly(true);
    txtResultat->setGeometry(twips(2760, 600, 2415, 375));
    addResultMenu(txtResultat, [this]() -> std::optional<ShownResult> {
        if (!m_result)
            return std::nullopt;
        return shownResult(*m_result);
    });
}

void c_calculs::setKeyboardOrder()
{
    setFocusChain({cmbFonction,
                   txtDonnees[1],
                   txtDonnees[2],
                   txtDonnees[3],
                   txtDonnees[4],
                   txtDonnees[5],
                   txtDonnees[6],
                   Command1,
                   Command2,
                   Command3,
                   lstLegende,
                   txtDesc,
                   txtResultat});
}

QString c_calculs::ReadAClause(const QString &File, const QString &Category, const QString &StringC)
{
    return functions::ReadAClause(File, Category, StringC);
}

void c_calculs::ListerFonctionsDansCombo()
{
    fillFunctionList(cmbFonction);
}

int c_calculs::selectedFunction() const
{
    return cmbFonction->currentIndex();
}

void c_calculs::Form_Load()
{
    ListerFonctionsDansCombo();
}

void c_calculs::cmbFonction_Click()
{
    showResult(std::nullopt); // the result was that of another function, or of its old formula
    const int i = selectedFunction();
    if (i < 0)
        return; // nothing picked: no file to read
    functions::setPickedFunction(
        functions::readPickedFunction(donnees::FunctionNames[i], donnees::FunctionFileNames[i]));
    showPicked();
}

void c_calculs::showPicked()
{
    const functions::PickedFunction &function = functions::pickedFunction();
    lstLegende->clear();
    for (const QString &legend : function.legends)
        lstLegende->addItem(legend);
    txtDesc->setPlainText(function.description);
    showReadings();
}

functions::FunctionInputs c_calculs::typedInputs() const
{
    functions::FunctionInputs inputs;
    for (int k = 1; k <= 6; ++k)
        inputs[k - 1] = txtDonnees[k]->text();
    return inputs;
}

void c_calculs::showReadings()
{
    const functions::FunctionInputs inputs = valuesWithoutTolerances(typedInputs());
    for (int k = 1; k <= 6; ++k) {
        const functions::BoxShown shown
            = shownWithTolerance(functions::shownReading(functions::pickedFunction(), inputs, k),
                                 txtDonnees[k]->text(),
                                 k);
        showBoxReading(lblLecture[k], txtDonnees[k], shown);
    }
}

void c_calculs::showResult(const std::optional<double> &value, const QString &text)
{
    m_result = value;
    txtResultat->setToolTip(QString());
    if (!value) {
        txtResultat->clear();
        lblResultatUnite->clear();
        txtResultat->setAccessibleDescription(QString());
        return;
    }
    txtResultat->setText(text.isEmpty() ? engine::userNumberText(*value) : text);
    const QString withUnit = resultWithUnit(*value);
    lblResultatUnite->setText(withUnit);
    // A screen reader on the result box hears the result with its unit, as it is shown above it.
    txtResultat->setAccessibleDescription(withUnit.isEmpty() ? QString() : u"Soit "_s + withUnit);
}

// The file of the picked function may have been edited since the pick (in the authoring window,
// or by hand while "+" shows its new formula). Computing the old formula, or the new one beside
// the old legends, would give a number for something the user did not see: the pick is read
// again and shown, and the user computes once he has seen it.
bool c_calculs::pickIsCurrent()
{
    std::optional<functions::PickedFunction> now = functions::changedSincePick(
        functions::pickedFunction());
    if (!now)
        return true;
    functions::setPickedFunction(std::move(*now));
    if (selectedFunction() >= 0)
        showPicked();
    else
        showReadings();
    showResult(std::nullopt);
    const QString &name = functions::pickedFunction().name;
    platform().messageBox(u"Le fichier de la fonction « %1 » a changé depuis qu'elle a été "
                          u"choisie : sa formule, sa légende et ses unités ont été relues. "
                          u"Vérifiez les données, puis calculez à nouveau."_s.arg(name),
                          AppTitle,
                          MessageButtons::Ok,
                          MessageIcon::Information);
    return false;
}

bool c_calculs::pickFunctionFile(const QString &file)
{
    if (file.isEmpty())
        return false;
    const int count = std::min(cmbFonction->count(), donnees::FunctionSlots);
    for (int i = 0; i < count; ++i) {
        if (donnees::FunctionFileNames[i] == file) {
            cmbFonction->setCurrentIndex(i);
            cmbFonction_Click();
            return true;
        }
    }
    return false;
}

void c_calculs::setDonnee(int box, const QString &text)
{
    if (box >= 1 && box <= 6)
        txtDonnees[box]->setText(text);
}

void c_calculs::cmbFonction_Scroll()
{
    cmbFonction_Click();
}

void c_calculs::Command1_Click()
{
    if (!pickIsCurrent())
        return;
    const functions::FunctionInputs inputs = typedInputs();
    if (answerSolveOrRange(*this, functions::pickedFunction().name, inputs))
        return;
    const functions::FunctionEvaluation evaluation
        = functions::evaluateFunction(functions::pickedFunction(), inputs);
    record(inputs, evaluation);
    if (evaluation.ok()) {
        showResult(evaluation.value);
        return;
    }
    // No number may stand beside the message: the last result belongs to other inputs.
    showResult(std::nullopt);
    platform().messageBox(evaluation.reason, AppTitle, MessageButtons::Ok, MessageIcon::Warning);
    if (evaluation.box > 0) {
        QLineEdit *box = txtDonnees[evaluation.box];
        box->setFocus();
        box->selectAll();
    }
}

void c_calculs::record(const functions::FunctionInputs &inputs,
                       const functions::FunctionEvaluation &evaluation)
{
    journal::Entry entry = newJournalEntry(inputs, evaluation.expression);
    if (evaluation.ok())
        entry.setResult(evaluation.value);
    else
        entry.setRefusal(evaluation.reason);
    journal::record(entry);
}

journal::Entry c_calculs::newJournalEntry(const functions::FunctionInputs &inputs,
                                          const QString &expression) const
{
    const functions::PickedFunction &function = functions::pickedFunction();
    const bool named = function.picked() && !function.formula.isEmpty();
    journal::Entry entry = journal::functionEntry(named ? function.name : u"Calculs"_s,
                                                  named ? function.file : QString(),
                                                  function.formula,
                                                  function.legends,
                                                  inputs,
                                                  expression);
    for (journal::Input &input : entry.inputs)
        input.unit = functions::shownUnit(function.units.inputs[input.box - 1]);
    entry.resultUnit = functions::shownUnit(function.units.result);
    return entry;
}

void c_calculs::Command2_Click()
{
    showResult(std::nullopt); // the result was that of the values cleared
    for (int k = 1; k <= 6; ++k)
        txtDonnees[k]->clear();
}

void c_calculs::Command3_Click()
{
    SingleInstance<e_more>::show();
}

} // namespace zorv
