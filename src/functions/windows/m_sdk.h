#pragma once

#include "platform/single_instance.h"

#include <QString>
#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zorv {

// The authoring window: makes a new function file in the output folder from the template, and
// adds it to the user's library of functions.
class m_sdk : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::FrameChild;

    explicit m_sdk(QWidget *parent = nullptr);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click(); // "Ajouter à la &bibliothèque": copies the new file into the library

    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    std::array<QLabel *, 10> Label2{};
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QLineEdit *Text6 = nullptr;
    QLineEdit *Text7 = nullptr;
    QLineEdit *Text8 = nullptr;
    QLineEdit *Text9 = nullptr;
    QLineEdit *Text10 = nullptr;
    QLineEdit *Text11 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    // The units of the six inputs and of the result (section "Unites"), below the buttons.
    QGroupBox *fraUnites = nullptr;
    std::array<QLineEdit *, 7> txtUnite{}; // 0 to 5: inputs d1 to d6; 6: the result

private:
    struct GridLine;
    static const std::array<GridLine, 10> &gridLines();

    void buildGrid();
    void buildUnits();
    bool writeUnits(const QString &file);
    void setKeyboardOrder();
    QString newFilePath() const;
    bool acceptName();
};

} // namespace zorv
