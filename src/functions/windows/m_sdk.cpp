#include "functions/windows/m_sdk.h"

#include "functions/core/function_file.h"
#include "functions/core/new_function_file.h"
#include "functions/core/user_library.h"
#include "functions/windows/sdk_messages.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "platform/window_building.h"
#include "platform/window_geometry.h"
#include "settings/core/ini.h"
#include "settings/core/profile_store.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zorv {

using namespace Qt::StringLiterals;

namespace {

const QString Title = u"SDK"_s;

void warn(const QString &text)
{
    platform().messageBox(text, Title, MessageButtons::Ok, MessageIcon::Warning);
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString functionNameIn(const QString &file)
{
    return functions::ReadAClause(file, u"GeneralInfo"_s, u"NomFonc"_s);
}

bool replaceInLibrary(const QString &target)
{
    const QString question
        = u"La bibliothèque contient déjà le fichier « %1 » (fonction « %2 »).\n\n"
          u"Voulez-vous le remplacer par la nouvelle fonction ?"_s.arg(native(target),
                                                                       functionNameIn(target));
    return platform().messageBox(question, Title, MessageButtons::YesNo, MessageIcon::Warning)
           == MessageAnswer::Yes;
}

} // namespace

// One line of the entry grid, in the order in which "&Générer" writes the entries.
struct m_sdk::GridLine
{
    QLineEdit *m_sdk::*box;
    const char16_t *boxName;
    int labelIndex;
    const char16_t *caption;
    int labelLeft;
    int top;
    int boxLeft;
    const char16_t *initialText;
    const char16_t *section;
    const char16_t *key;
};

const std::array<m_sdk::GridLine, 10> &m_sdk::gridLines()
{
    static constexpr std::array<GridLine, 10> lines{{
        {&m_sdk::Text2, u"Text2", 0, u"Nom", 120, 360, 1200, u"0", u"GeneralInfo", u"NomFonc"},
        {&m_sdk::Text8, u"Text8", 1, u"Auteur", 120, 720, 1200, u"0", u"GeneralInfo", u"NomAuteur"},
        {&m_sdk::Text7, u"Text7", 4, u"Variable1", 120, 1080, 1200, u"(Vide)", u"Fonc", u"d1"},
        {&m_sdk::Text6, u"Text6", 3, u"Variable2", 120, 1440, 1200, u"(Vide)", u"Fonc", u"d2"},
        {&m_sdk::Text5, u"Text5", 2, u"Variable3", 120, 1800, 1200, u"(Vide)", u"Fonc", u"d3"},
        {&m_sdk::Text11, u"Text11", 9, u"Variable4", 2760, 1080, 3600, u"(Vide)", u"Fonc", u"d4"},
        {&m_sdk::Text10, u"Text10", 8, u"Variable5", 2760, 1440, 3600, u"(Vide)", u"Fonc", u"d5"},
        {&m_sdk::Text9, u"Text9", 7, u"Variable6", 2760, 1800, 3600, u"(Vide)", u"Fonc", u"d6"},
        {&m_sdk::Text4, u"Text4", 6, u"Equation", 120, 2160, 1200, u"0", u"Calc", u"Fnc"},
        {&m_sdk::Text3, u"Text3", 5, u"Description", 120, 2520, 1200, u"0", u"ePrf", u"Description"},
    }};
    return lines;
}

m_sdk::m_sdk(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"m_sdk"_s);
    setWindowTitle(u"SDK"_s);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    // Taller than the grid alone by the frame of units, which has no room among the documented
    // controls: each unit stands under its caption, below the buttons.
    setClientSize(this, 5565, 5745);

    Label1 = makeLabel(u"Label1"_s, u"Nom du fichier : "_s, twips(120, 240, 1815, 255), this);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(u"Text1"_s);
    Text1->setAccessibleName(u"Nom du fichier"_s);
    Text1->setGeometry(twips(120, 600, 4575, 375));

    Command1 = makeButton(u"Command1"_s, u"o&k"_s, this, twips(4800, 600, 615, 375));
    connect(Command1, &QPushButton::clicked, this, &m_sdk::Command1_Click);

    Frame1 = new QGroupBox(u"Création"_s, this);
    Frame1->setObjectName(u"Frame1"_s);
    Frame1->setGeometry(twips(120, 1080, 5295, 3015));
    Frame1->setEnabled(false);
    buildGrid();

    Command2 = makeButton(u"Command2"_s, u"&Générer"_s, this, twips(4320, 4200, 1095, 495));
    connect(Command2, &QPushButton::clicked, this, &m_sdk::Command2_Click);

    Command3 = makeButton(u"Command3"_s,
                          u"Ajouter à la &bibliothèque"_s,
                          this,
                          twips(120, 4200, 2775, 495));
    Command3->setEnabled(false);
    connect(Command3, &QPushButton::clicked, this, &m_sdk::Command3_Click);
    // The button stands for the file that "&Générer" wrote under the name shown: another name is
    // another file, perhaps never generated.
    connect(Text1, &QLineEdit::textChanged, Command3, [this] { Command3->setEnabled(false); });

    buildUnits();
    setKeyboardOrder();
}

void m_sdk::buildGrid()
{
    // Labels first: each label's area reaches under the box beside it, and the box must stay on top.
    for (const GridLine &line : gridLines()) {
        auto *label = new QLabel(QString::fromUtf16(line.caption), Frame1);
        label->setObjectName(u"Label2_"_s + QString::number(line.labelIndex));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(twips(line.labelLeft, line.top, 2175, 255));
        Label2[line.labelIndex] = label;
    }
    for (const GridLine &line : gridLines()) {
        auto *box = new QLineEdit(QString::fromUtf16(line.initialText), Frame1);
        box->setObjectName(QString::fromUtf16(line.boxName));
        box->setAccessibleName(QString::fromUtf16(line.caption));
        box->setGeometry(twips(line.boxLeft, line.top, 1335, 285));
        this->*line.box = box;
    }
}

void m_sdk::buildUnits()
{
    fraUnites = new QGroupBox(u"Unités (facultatives)"_s, this);
    fraUnites->setObjectName(u"fraUnites"_s);
    fraUnites->setGeometry(twips(120, 4800, 5295, 855));
    fraUnites->setEnabled(false); // locked with the grid until "o&k" has made the file
    for (int i = 0; i < 7; ++i) {
        const bool result = i == 6;
        const int left = 120 + i * 690;
        const int width = result ? 855 : 630;
        auto *caption = new QLabel(result ? u"Résultat"_s : u"d"_s + QString::number(i + 1),
                                   fraUnites);
        caption->setObjectName(u"lblUnite"_s + QString::number(i));
        caption->setGeometry(twips(left, 240, width, 255));
        auto *box = new QLineEdit(fraUnites);
        box->setObjectName(u"txtUnite"_s + QString::number(i));
        box->setAccessibleName(result ? u"Unité du résultat"_s
                                      : u"Unité de la donnée "_s + QString::number(i + 1));
        box->setGeometry(twips(left, 480, width, 285));
        caption->setBuddy(box);
        txtUnite[i] = box;
    }
}

namespace {

// What a unit box holds, as the file stores it: "Ω" (which Windows-1252 cannot hold) as "ohm",
// the Greek mu as the micro sign.
QString storedUnit(const QString &typed)
{
    QString unit = typed.trimmed();
    unit.replace(u'\u03A9', u"ohm"_s).replace(u'\u2126', u"ohm"_s).replace(u'\u03BC', u'\u00B5');
    return unit;
}

} // namespace

bool m_sdk::writeUnits(const QString &file)
{
    for (int i = 0; i < 7; ++i) {
        const QString key = i == 6 ? u"Resultat"_s : u"d"_s + QString::number(i + 1);
        if (WriteIniValue(u"Unites"_s, key, storedUnit(txtUnite[i]->text()), file) == 0)
            return false;
    }
    return true;
}

void m_sdk::setKeyboardOrder()
{
    setFocusChain({Text1,       Text2,       Text8,       Text7,       Text6,       Text5,
                   Text11,      Text10,      Text9,       Text4,       Text3,       txtUnite[0],
                   txtUnite[1], txtUnite[2], txtUnite[3], txtUnite[4], txtUnite[5], txtUnite[6],
                   Command1,    Command2,    Command3});
}

QString m_sdk::newFilePath() const
{
    return functions::newFunctionFilePath(Text1->text());
}

bool m_sdk::acceptName()
{
    const functions::NameProblem problem = functions::checkNewFunctionName(Text1->text());
    if (problem == functions::NameProblem::None)
        return true;
    warn(nameRefusal(Text1->text(), problem));
    return false;
}

void m_sdk::Command1_Click()
{
    if (!acceptName())
        return;
    const QString source = functions::templatePath();
    const QString destination = newFilePath();
    if (settings::profileFileProblem(destination) != ReplaceProblem::None) {
        warn(cannotWrite(destination));
        return;
    }
    if (!platform().copyFile(source, destination)) {
        // The grid stays locked and the name editable, so that the user can put it right.
        if (!QFileInfo(source).isFile())
            warn(u"Impossible de créer le fichier « %1 » : le modèle « %2 » est introuvable."_s
                     .arg(QDir::toNativeSeparators(destination), QDir::toNativeSeparators(source)));
        else
            warn(cannotWrite(destination));
        return;
    }
    Frame1->setEnabled(true);
    fraUnites->setEnabled(true);
    Text1->setEnabled(false);
    // The file is the template again until the next "&Générer".
    Command3->setEnabled(false);
}

void m_sdk::Command2_Click()
{
    if (!acceptName())
        return;
    const QString file = newFilePath();
    // Checked before the first write, so that a refused text leaves no half-written file.
    for (const GridLine &line : gridLines()) {
        const QString text = (this->*line.box)->text();
        if (text.size() > functions::MaxClauseLength) {
            warn(tooLong(QString::fromUtf16(line.caption), text.size()));
            return;
        }
        if (const qsizetype at = settings::firstUnstorableCharacter(file, text); at >= 0) {
            warn(unstorable(QString::fromUtf16(line.caption), text[at]));
            return;
        }
    }
    for (QLineEdit *box : txtUnite) {
        const QString text = storedUnit(box->text());
        if (const qsizetype at = settings::firstUnstorableCharacter(file, text); at >= 0) {
            warn(unstorable(box->accessibleName(), text[at]));
            return;
        }
    }
    for (const GridLine &line : gridLines()) {
        if (WriteIniValue(QString::fromUtf16(line.section),
                          QString::fromUtf16(line.key),
                          (this->*line.box)->text(),
                          file)
            == 0) {
            warn(cannotWrite(file));
            return;
        }
    }
    if (!writeUnits(file)) {
        warn(cannotWrite(file));
        return;
    }
    Command3->setEnabled(true);
    platform().messageBox(u"Effectué!"_s, Title, MessageButtons::Ok);
}

void m_sdk::Command3_Click()
{
    if (!acceptName())
        return;
    const QString name = Text1->text();
    const QString source = newFilePath();
    const QString target = functions::libraryFilePath(name);
    functions::LibraryAddition outcome = functions::addToLibrary(name, false);
    if (outcome == functions::LibraryAddition::AlreadyThere) {
        if (!replaceInLibrary(target))
            return;
        outcome = functions::addToLibrary(name, true);
    }
    if (outcome != functions::LibraryAddition::Added) {
        warn(additionRefusal(outcome, source, target));
        return;
    }
    platform().messageBox(u"La fonction « %1 » est ajoutée à la bibliothèque (%2). La "
                          u"calculatrice la proposera à sa prochaine ouverture."_s
                              .arg(functionNameIn(target), native(target)),
                          Title,
                          MessageButtons::Ok,
                          MessageIcon::Information);
}

} // namespace zorv
