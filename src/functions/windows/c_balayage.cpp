#include "functions/windows/c_balayage.h"

#include "engine/core/number_text.h"
#include "functions/core/function_file.h"
#include "functions/core/function_list.h"
#include "functions/windows/c_calculs.h"
#include "functions/windows/sweep_chart.h"
#include "functions/windows/sweep_saving.h"
#include "functions/windows/sweep_second_curves.h"
#include "functions/windows/sweep_table.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "platform/window_building.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

namespace zorv {

using namespace Qt::StringLiterals;

namespace {

enum SecondCurve {
    NoSecondCurve = 0,
    OtherValues = 1,
    OtherFunction = 2,
};

// "k) legend", as the calculator numbers its boxes.
QString boxCaption(int box, const QString &legend)
{
    return QString::number(box) + u") "_s + legend;
}

// The unit of box k of the function as the user reads it (k = 0: of its result); empty when the
// function declares none.
QString shownUnitOf(const functions::PickedFunction &function, int k)
{
    return functions::shownUnit(k == 0 ? function.units.result : function.units.inputs[k - 1]);
}

// The legend with the unit of box k after it (k = 0: the result's), unless the legend names it
// already, as shown or as written in the file ("Fréquence f (Hz)", "Résistance R (ohm)").
QString withUnit(const QString &legend, const functions::PickedFunction &function, int k)
{
    const QString written = k == 0 ? function.units.result : function.units.inputs[k - 1];
    const QString unit = functions::shownUnit(written);
    if (unit.isEmpty() || legend.contains(unit) || legend.contains(u'(' + written + u')'))
        return legend;
    return legend + u" ("_s + unit + u')';
}

QString valueWithUnit(double value, const QString &unit)
{
    const QString text = engine::userNumberText(value);
    return unit.isEmpty() ? text : text + u' ' + unit;
}

} // namespace

void c_balayage::setSource(const SweepSource &source)
{
    m_source = source;
    setWindowTitle(u"Balayage — "_s + source.function.name);
    const functions::Substitution used = functions::substituteInputs(source.function.formula,
                                                                     source.inputs);
    cmbDonnee->clear();
    QStringList held;
    for (int k = 1; k <= 6; ++k) {
        if (!used.used[k - 1])
            continue;
        cmbDonnee->addItem(boxCaption(k, source.function.legends[k - 1]), k);
        held << QString::number(k) + u") "_s + source.inputs[k - 1];
    }
    lblDonnees->setText(held.isEmpty() ? u"Cette fonction n'a aucune donnée à faire varier."_s
                                       : u"Données de la calculatrice : "_s + held.join(u" ; "_s));
    proposeRange();
    cmbSeconde_Click();
    cmdTracer_Click();
}

int c_balayage::variedBox() const
{
    return cmbDonnee->currentIndex() < 0 ? 0 : cmbDonnee->currentData().toInt();
}

// A range around the box's value, over two decades on a logarithmic scale as the values of
// components spread; from 0 to 10 when the box holds 0 or nothing that reads as a number.
void c_balayage::proposeRange()
{
    const int box = variedBox();
    if (box == 0)
        return;
    const std::variant<double, QString> value = functions::readSweepBound(m_source.inputs[box - 1],
                                                                          variedUnit());
    const double v = std::holds_alternative<double>(value) ? std::get<double>(value) : 0;
    const QSignalBlocker blocker(chkLogX);
    if (v == 0 || !std::isfinite(v)) {
        txtDe->setText(u"0"_s);
        txtA->setText(u"10"_s);
        chkLogX->setChecked(false);
        return;
    }
    txtDe->setText(engine::userNumberText(v / 10));
    txtA->setText(engine::userNumberText(v * 10));
    chkLogX->setChecked(true);
}

void c_balayage::cmbSeconde_Click()
{
    cmbSecondeChoix->clear();
    const int mode = cmbSeconde->currentIndex();
    if (mode == OtherValues) {
        const int varied = variedBox();
        for (int i = 0; i < cmbDonnee->count(); ++i) {
            if (cmbDonnee->itemData(i).toInt() != varied)
                cmbSecondeChoix->addItem(cmbDonnee->itemText(i), cmbDonnee->itemData(i));
        }
    } else if (mode == OtherFunction) {
        for (int i = 0; i < donnees::FunctionSlots && !donnees::FunctionFileNames[i].isEmpty();
             ++i) {
            if (donnees::FunctionFileNames[i] != m_source.function.file)
                cmbSecondeChoix->addItem(donnees::FunctionNames[i], i);
        }
    }
    cmbSecondeChoix->setEnabled(mode != NoSecondCurve);
    txtSecondeValeurs->setEnabled(mode == OtherValues);
}

functions::Unit c_balayage::variedUnit() const
{
    const int box = variedBox();
    return functions::parseUnit(box == 0 ? QString() : m_source.function.units.inputs[box - 1]);
}

QString c_balayage::abscissaTitle() const
{
    const int box = variedBox();
    if (box == 0)
        return {};
    return withUnit(m_source.function.legends[box - 1], m_source.function, box);
}

QList<functions::SweepCurve> c_balayage::sweepCurves(const functions::SweepRange &range,
                                                     QString &problem)
{
    const int box = variedBox();
    functions::SweepRequest first{m_source.function, m_source.inputs, box, range};
    QList<functions::SweepCurve> curves{{m_source.function.name, functions::sweepFunction(first)}};
    m_units = {shownUnitOf(m_source.function, 0)};
    if (!curves.first().result.fault.isEmpty()) {
        problem = curves.first().result.fault;
        return {};
    }
    QList<SecondSweep> others;
    const int mode = cmbSeconde->currentIndex();
    if (mode == OtherValues && cmbSecondeChoix->currentIndex() >= 0) {
        others = otherValuesSweeps(first,
                                   cmbSecondeChoix->currentData().toInt(),
                                   txtSecondeValeurs->text(),
                                   curves.first().legend,
                                   problem);
    } else if (mode == OtherFunction && cmbSecondeChoix->currentIndex() >= 0) {
        others = {otherFunctionSweep(first,
                                     cmbSecondeChoix->currentText(),
                                     cmbSecondeChoix->currentData().toInt())};
    }
    for (const SecondSweep &other : others) {
        functions::SweepResult result = functions::sweepFunction(other.request);
        if (!result.fault.isEmpty()) {
            problem = u"Seconde courbe « %1 » : %2"_s.arg(other.legend, result.fault);
            continue;
        }
        curves.append({other.legend, result});
        m_units.append(other.unit);
    }
    return curves;
}

void c_balayage::cmdTracer_Click()
{
    QString problem;
    m_curves.clear();
    const int box = variedBox();
    if (box == 0) {
        problem = u"Cette fonction n'a aucune donnée à faire varier."_s;
    } else {
        const std::variant<double, QString> from = functions::readSweepBound(txtDe->text(),
                                                                             variedUnit());
        const std::variant<double, QString> to = functions::readSweepBound(txtA->text(),
                                                                           variedUnit());
        if (const QString *reason = std::get_if<QString>(&from)) {
            problem = u"De : "_s + *reason;
        } else if (const QString *reason = std::get_if<QString>(&to)) {
            problem = u"À : "_s + *reason;
        } else {
            const functions::SweepRange range{std::get<double>(from),
                                              std::get<double>(to),
                                              spnPoints->value(),
                                              chkLogX->isChecked()
                                                  ? functions::SweepScale::Logarithmic
                                                  : functions::SweepScale::Linear};
            problem = functions::sweepRangeFault(range);
            if (problem.isEmpty())
                m_curves = sweepCurves(range, problem);
        }
    }
    const QString xTitle = abscissaTitle();
    chtCourbe->plot({m_curves,
                     xTitle,
                     withUnit(m_source.function.name, m_source.function, 0),
                     chkLogX->isChecked(),
                     chkLogY->isChecked()});
    m_table->setCurves(xTitle, m_curves);
    tblPoints->resizeColumnsToContents();
    cmdCsv->setEnabled(!m_curves.isEmpty());
    cmdPng->setEnabled(!m_curves.isEmpty());
    cmdSvg->setEnabled(!m_curves.isEmpty());
    showCounts(problem);
    showReadout(chtCourbe->cursorIndex());
}

void c_balayage::showCounts(const QString &problem)
{
    QStringList sentences;
    if (!m_curves.isEmpty()) {
        int computed = 0;
        int refused = 0;
        const functions::SweepPoint *firstRefused = nullptr;
        for (const functions::SweepCurve &curve : m_curves) {
            computed += curve.result.computed();
            refused += curve.result.refused;
            for (const functions::SweepPoint &point : curve.result.points) {
                if (!point.y && !firstRefused)
                    firstRefused = &point;
            }
        }
        const qsizetype points = m_curves.first().result.points.size();
        QString counts = m_curves.size() == 1
                             ? u"%1 points : %2 calculés, %3 refusés."_s.arg(points)
                             : u"%1 courbes de %2 points : %3 calculés, %4 refusés."_s
                                   .arg(m_curves.size())
                                   .arg(points);
        counts = counts.arg(computed).arg(refused);
        if (firstRefused) {
            counts += u" Premier refus, en %1 : %2"_s.arg(engine::userNumberText(firstRefused->x),
                                                          firstRefused->reason);
        }
        sentences << counts;
    }
    if (!problem.isEmpty())
        sentences << problem;
    if (!chtCourbe->yLogRefusal().isEmpty() && !m_curves.isEmpty())
        sentences << chtCourbe->yLogRefusal();
    lblComptes->setText(sentences.join(u' '));
}

void c_balayage::showReadout(int index)
{
    if (index < 0 || m_curves.isEmpty()) {
        lblLecture->setText(u"Aucun point tracé."_s);
        return;
    }
    const int box = variedBox();
    const QString xUnit = shownUnitOf(m_source.function, box);
    QStringList parts{m_source.function.legends[box - 1] + u" = "_s
                      + valueWithUnit(m_curves.first().result.points[index].x, xUnit)};
    for (qsizetype i = 0; i < m_curves.size(); ++i) {
        const functions::SweepPoint point = m_curves[i].result.points.value(index);
        parts << m_curves[i].legend + u" : "_s
                     + (point.y ? valueWithUnit(*point.y, m_units.value(i)) : u"refusé"_s);
    }
    lblLecture->setText(u"Point %1 : "_s.arg(index + 1) + parts.join(u" ; "_s));
    chtCourbe->setAccessibleDescription(lblLecture->text());
    const QModelIndex row = m_table->index(index, 0);
    if (tblPoints->currentIndex().row() != index) {
        const QSignalBlocker blocker(tblPoints->selectionModel());
        tblPoints->setCurrentIndex(row);
        tblPoints->scrollTo(row);
    }
}

void c_balayage::cmdCsv_Click()
{
    if (!m_curves.isEmpty())
        saveSweepCsv(abscissaTitle(), m_curves);
}

void c_balayage::cmdPng_Click()
{
    if (!m_curves.isEmpty())
        saveSweepPng(chtCourbe);
}

void c_balayage::cmdSvg_Click()
{
    if (!m_curves.isEmpty())
        saveSweepSvg(chtCourbe, windowTitle());
}

namespace {

void openSweep(c_calculs *calculator)
{
    if (calculator->selectedFunction() < 0 || !functions::pickedFunction().picked()) {
        platform().messageBox(u"Choisissez d'abord une fonction dans la liste : c'est elle que le "
                              u"balayage trace."_s,
                              QString(),
                              MessageButtons::Ok,
                              MessageIcon::Information);
        return;
    }
    SweepSource source{.function = functions::pickedFunction(), .inputs = {}};
    for (int k = 1; k <= 6; ++k)
        source.inputs[k - 1] = calculator->txtDonnees[k]->text();
    SingleInstance<c_balayage>::show()->setSource(source);
}

} // namespace

void addSweepButton(c_calculs *calculator, QWidget *frame)
{
    // In the strip of the frame's caption, right-aligned: the rows below are the documented controls'.
    auto *button = makeButton(u"cmdTracer"_s, u"&Tracer…"_s, frame, twips(3855, 75, 1320, 270));
    button->setAccessibleName(u"Tracer la fonction"_s);
    QWidget::setTabOrder(calculator->txtResultat, button);
    QObject::connect(button, &QPushButton::clicked, calculator, [calculator] {
        openSweep(calculator);
    });
}

} // namespace zorv
