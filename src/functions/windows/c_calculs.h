#pragma once

#include "functions/core/function_evaluation.h"
#include "platform/single_instance.h"

#include <QString>
#include <QWidget>

#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace zorv {

// The calculator: pick a function of the function folder, type its inputs, get the result.
class c_calculs : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::FrameChild;

    explicit c_calculs(QWidget *parent = nullptr);

    // One entry of a function file of the function folder (the default text when it is missing).
    static QString ReadAClause(const QString &File, const QString &Category, const QString &StringC);

    // Lists the function folder into the function arrays and into cmbFonction.
    void ListerFonctionsDansCombo();

    // The position of the picked function in the list, -1 when none is picked.
    int selectedFunction() const;

    // Picks the function of this file of the function folder, as a click in the list would;
    // false when the list does not hold it.
    bool pickFunctionFile(const QString &file);

    // Puts the text into input box k (1 to 6).
    void setDonnee(int box, const QString &text);

    void Form_Load();
    void cmbFonction_Click();
    void cmbFonction_Scroll();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    QGroupBox *Frame1 = nullptr;
    QComboBox *cmbFonction = nullptr;
    QGroupBox *Frame2 = nullptr;
    std::array<QLineEdit *, 7> txtDonnees{}; // indices 1 to 6, as the placeholders d1 to d6
    std::array<QLabel *, 6> Label1{};
    QGroupBox *Frame3 = nullptr;
    QListWidget *lstLegende = nullptr;
    QGroupBox *Frame4 = nullptr;
    QPlainTextEdit *txtDesc = nullptr;
    QGroupBox *Frame5 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *txtResultat = nullptr;
    // How each box was read, under it (indices 1 to 6), and the result in engineering form with
    // its unit, above txtResultat; empty when there is nothing to tell.
    std::array<QLabel *, 7> lblLecture{};
    QLabel *lblResultatUnite = nullptr;

private:
    void buildFunctionFrame();
    void buildDataFrame();
    void buildLegendAndDescription();
    void buildOptionsFrame();
    void setKeyboardOrder();
    void showPicked();
    bool pickIsCurrent();
    void showReadings();
    void showResult(const std::optional<double> &value);
    functions::FunctionInputs typedInputs() const;
    void record(const functions::FunctionInputs &inputs,
                const functions::FunctionEvaluation &evaluation);

    std::optional<double> m_result; // the value shown in txtResultat
};

} // namespace zorv
