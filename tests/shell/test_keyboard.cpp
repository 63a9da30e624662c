// Enter on a focused button presses it, in every window of the program.

#include "shell/shell_test_support.h"

#include <QAbstractButton>
#include <QSignalSpy>

#include <functional>
#include <memory>

using namespace zorv;
using namespace zorv::test;

namespace {

// Every window of the program, opened by its holder.
const QMap<QString, std::function<QWidget *()>> &programWindows()
{
    static const QMap<QString, std::function<QWidget *()>> windows{
        {"AboutBox", [] { return showActive<AboutBox>(); }},
        {"b_menu", [] { return showActive<b_menu>(); }},
        {"c_calculs", [] { return showActive<c_calculs>(); }},
        {"c_documents", [] { return showActive<c_documents>(); }},
        {"c_donnees", [] { return showActive<c_donnees>(); }},
        {"c_outils", [] { return showActive<c_outils>(); }},
        {"d_options", [] { return showActive<d_options>(); }},
        {"e_more", [] { return showActive<e_more>(); }},
        {"e_tri", [] { return showActive<e_tri>(); }},
        {"m_help", [] { return showActive<m_help>(); }},
        {"m_sdk", [] { return showActive<m_sdk>(); }},
        {"q_resolution", [] { return showActive<q_resolution>(); }},
        {"z_quit", [] { return showActive<z_quit>(); }},
    };
    return windows;
}

// The buttons a user can reach with Tab and press (a disabled one is passed over until it is
// enabled); check boxes answer the space bar only.
QList<QAbstractButton *> pressableButtons(const QWidget *window)
{
    QList<QAbstractButton *> buttons;
    const QList<QAbstractButton *> all = window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : all) {
        if (!button->isCheckable() && button->isEnabled() && (button->focusPolicy() & Qt::TabFocus)
            && !button->objectName().isEmpty())
            buttons.append(button);
    }
    return buttons;
}

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void cleanup();
};

void KeyboardTest::cleanup()
{
    QCOMPARE(test::closeAllWindows(), QStringList());
}

void KeyboardTest::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");

    const ShellScope scope;
    const auto &windows = programWindows();
    for (auto it = windows.begin(); it != windows.end(); ++it) {
        const QList<QAbstractButton *> buttons = pressableButtons(it.value()());
        for (const QAbstractButton *button : buttons) {
            const QByteArray row = (it.key() + u' ' + button->objectName()).toUtf8();
            QTest::addRow("%s, Return", row.constData())
                << it.key() << button->objectName() << int(Qt::Key_Return);
            QTest::addRow("%s, keypad Enter", row.constData())
                << it.key() << button->objectName() << int(Qt::Key_Enter);
        }
        closeProgramWindows();
    }
}

void KeyboardTest::enterPressesTheFocusedButton()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(int, key);
    const ShellScope scope;
    auto *pressed = programWindows().value(window)()->findChild<QAbstractButton *>(button);
    QVERIFY(pressed);
    // What the button does is no matter here, and would open or end things: only the press is.
    QObject::disconnect(pressed, &QAbstractButton::clicked, nullptr, nullptr);
    QSignalSpy clicks(pressed, &QAbstractButton::clicked);
    pressed->setFocus();
    QVERIFY(pressed->hasFocus());
    QTest::keyClick(pressed,
                    Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(clicks.count(), 1);
}

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
