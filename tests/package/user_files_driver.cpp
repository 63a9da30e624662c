// Does, as a user would, what a user of an installed ZORV writes: saves a setting in the options
// window, and writes a new function in the authoring window and adds it to the library; then
// opens the calculator and checks that it lists the function. Run from a program folder that the
// user cannot write to (the package test copies it there), it shows where the user's files land.
// Prints the folder of the user's files; exit status 0 when all went as a user expects.

#include "functions/windows/c_calculs.h"
#include "functions/windows/m_sdk.h"
#include "platform/user_files.h"
#include "settings/core/options.h"
#include "settings/windows/d_options.h"
#include "shell/core/donnees.h"
#include "support/recording_platform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

using namespace zorv;
using namespace Qt::StringLiterals;

namespace {

int fail(const QString &what, const test::RecordingPlatform &platform)
{
    std::fprintf(stderr, "user_files_driver: %s\n", qUtf8Printable(what));
    for (const test::MessageRecord &message : platform.messages)
        std::fprintf(stderr, "  message: %s\n", qUtf8Printable(message.text));
    return 1;
}

template<class T>
T *control(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(ApplicationName);
    donnees::InitGlobals();
    test::RecordingPlatform platform;

    d_options options;
    control<QCheckBox>(&options, u"Co"_s)->click();
    if (!platform.messages.isEmpty() || d_options::Loado(u"cl"_s, u"aubcdaub"_s) != u"1")
        return fail(u"the setting was not saved in %1"_s.arg(settings::settingsFilePath()),
                    platform);

    m_sdk authoring;
    control<QLineEdit>(&authoring, u"Text1"_s)->setText(u"ma_fonction"_s);
    authoring.Command1_Click();
    control<QLineEdit>(&authoring, u"Text2"_s)->setText(u"Fonction de l'utilisateur"_s);
    control<QLineEdit>(&authoring, u"Text4"_s)->setText(u"d1*2"_s);
    authoring.Command2_Click();
    control<QPushButton>(&authoring, u"Command3"_s)->click();
    if (platform.messages.size() != 2 || !platform.messages[1].text.contains(u"est ajoutée"_s))
        return fail(u"the function was not added to the library"_s, platform);

    c_calculs calculator;
    const auto *list = control<QComboBox>(&calculator, u"cmbFonction"_s);
    if (list->findText(u"Fonction de l'utilisateur"_s) < 0)
        return fail(u"the calculator does not list the function"_s, platform);

    std::printf("%s\n", qUtf8Printable(UserDir()));
    return 0;
}
