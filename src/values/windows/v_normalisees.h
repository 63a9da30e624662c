#pragma once

#include "platform/single_instance.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zorv {

// The standard values window, in the main frame: for a value, the values of the series E6 to E192
// just below and just above it, their relative errors and the colour bands of the nearest one.
class v_normalisees : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::FrameChild;

    explicit v_normalisees(QWidget *parent = nullptr);

    // Shows the series values around `value` (the window itself is not shown); the unit, such as
    // "Ohm" or "nF", stands beside the value until the next call.
    void showFor(double value, const QString &unit = QString());

    // Opens the window (or brings it to the front) for a value: where the result links lead.
    static void open(double value, const QString &unit);

    // Reads the value typed in txtValeur and shows its series values, or why it has none.
    void Chercher_Click();

    // The selected cells as text, a tab between cells and a line per row, on the clipboard.
    void copySelection();

    // The value of the current cell (the nearest one of its row when the cell holds none) with
    // the tolerance of its series, "4,7 ±5 %", or an empty text when there is none.
    QString valueWithTolerance() const;

    // Puts valueWithTolerance() into input box k of the calculator.
    void UtiliserDansDonnee(int box);

    QLabel *lblValeur = nullptr;
    QLineEdit *txtValeur = nullptr;
    QLabel *lblUnite = nullptr;
    QPushButton *cmdChercher = nullptr;
    QLabel *lblErreur = nullptr;
    QTableWidget *tblSeries = nullptr;
    QLabel *lblCouleurs = nullptr; // the names of the bands of the current row
    QPushButton *cmdUtiliser = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void showValue(double value);
    void clearRows();
    void fitTable();
    void showBandNames();
    void updateUtiliser();
};

} // namespace zorv
