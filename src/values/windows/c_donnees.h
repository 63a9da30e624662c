#pragma once

#include "platform/single_instance.h"
#include "values/core/values_file.h"

#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace zorv {

// The values window: the user picks an entry of the values file by its name, sees its value and
// copies it.
class c_donnees : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::FrameChild;

    explicit c_donnees(QWidget *parent = nullptr);

    void rechercheVals();
    void effe();
    void Command1_Click();
    void copyPressepapier_Click();
    void Form_Load();
    void t_Timer();

    QComboBox *liste = nullptr;
    QPlainTextEdit *retour = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *copyPressepapier = nullptr;
    QFrame *Shape1 = nullptr;
    QLabel *Label1 = nullptr;
    QTimer *t = nullptr;

    // The value of each slot, indexed by slot number; entry 0 is the empty text.
    values::ValueTable tabVals;

private:
    void createControls();
};

} // namespace zorv
