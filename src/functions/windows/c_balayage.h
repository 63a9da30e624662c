#pragma once

#include "functions/core/picked_function.h"
#include "functions/core/sweep_export.h"
#include "platform/single_instance.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace zorv {

class SweepChartView;
class SweepTableModel;
class c_calculs;

// A function as the calculator holds it: what it is, and what its six boxes hold.
struct SweepSource
{
    functions::PickedFunction function;
    functions::FunctionInputs inputs;
};

// The sweep window: one input of a function varied over a range, the function drawn over it and
// listed point by point, with a second curve for another function or other values of one input.
class c_balayage : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::FrameChild;

    explicit c_balayage(QWidget *parent = nullptr);

    // Takes the function and its boxes: offers the inputs that its formula uses, proposes a range
    // around the varied box's value, and draws.
    void setSource(const SweepSource &source);

    // Draws the curves for the controls as they stand; a range that cannot be read is told under
    // the plot, naming the faulty part, and nothing is drawn.
    void cmdTracer_Click();
    void cmdCsv_Click();
    void cmdPng_Click();
    void cmdSvg_Click();
    void cmbSeconde_Click();

    // The curves drawn last (empty when the range was refused).
    const QList<functions::SweepCurve> &curves() const { return m_curves; }

    QComboBox *cmbDonnee = nullptr;
    QLineEdit *txtDe = nullptr;
    QLineEdit *txtA = nullptr;
    QSpinBox *spnPoints = nullptr;
    QCheckBox *chkLogX = nullptr;
    QCheckBox *chkLogY = nullptr;
    QPushButton *cmdTracer = nullptr;
    QComboBox *cmbSeconde = nullptr;
    QComboBox *cmbSecondeChoix = nullptr;
    QLineEdit *txtSecondeValeurs = nullptr;
    QLabel *lblDonnees = nullptr;
    SweepChartView *chtCourbe = nullptr;
    QTableView *tblPoints = nullptr;
    QLabel *lblComptes = nullptr;
    QLabel *lblLecture = nullptr;
    QPushButton *cmdCsv = nullptr;
    QPushButton *cmdPng = nullptr;
    QPushButton *cmdSvg = nullptr;
    QPushButton *cmdFermer = nullptr;

private:
    QWidget *buildRangeRow();
    QWidget *buildSecondRow();
    QWidget *buildExportRow();
    int variedBox() const;
    functions::Unit variedUnit() const;
    QString abscissaTitle() const;
    QList<functions::SweepCurve> sweepCurves(const functions::SweepRange &range, QString &problem);
    void showCounts(const QString &problem);
    void showReadout(int index);
    void proposeRange();

    SweepSource m_source;
    QList<functions::SweepCurve> m_curves;
    QStringList m_units; // the unit of each curve's results, empty when its file declares none
    SweepTableModel *m_table = nullptr;
};

// Gives the calculator its "Tracer…" button, which opens the sweep window for the function picked
// and the calculator's boxes.
void addSweepButton(c_calculs *calculator, QWidget *frame);

} // namespace zorv
