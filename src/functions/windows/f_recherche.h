#pragma once

#include "functions/core/function_search.h"
#include "platform/single_instance.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zorv {

// "Rechercher une fonction…": the calculator's functions by category, filtered as one types by
// the words of their name, category or description; the one chosen is picked in the calculator.
class f_recherche : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::TopLevel;

    explicit f_recherche(QWidget *parent = nullptr);

    // Shows only the functions that match the words of the search box.
    void txtRecherche_Change();
    // Picks the function of the current line in the calculator and closes the window; false
    // when no function line is current.
    bool cmdChoisir_Click();
    void cmdFermer_Click();

    // The functions shown, in the order of the list (category lines left out).
    QStringList shownFunctions() const;

    QLineEdit *txtRecherche = nullptr;
    QTreeWidget *lstFonctions = nullptr;
    QLabel *lblNombre = nullptr;
    QPlainTextEdit *txtApercu = nullptr;
    QPushButton *cmdChoisir = nullptr;
    QPushButton *cmdFermer = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillList();
    void showCurrent();
    QTreeWidgetItem *firstShownFunction() const;

    QList<functions::ListedFunction> m_functions;
};

// Ctrl+F (the platform's "find" keys) in the calculator opens the search window.
void addFunctionSearchShortcut(QWidget *calculator);

} // namespace zorv
