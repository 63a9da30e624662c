#include "platform/program_font.h"
#include "shell/shell_test_support.h"
#include "support/window_checks.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

using namespace zorv;
using namespace zorv::test;

namespace {

// Every window of the shell that shows captions, opened by its holder.
const QMap<QString, std::function<QWidget *()>> &shellWindows()
{
    static const QMap<QString, std::function<QWidget *()>> windows{
        {"a_start", [] { return SingleInstance<a_start>::show(); }},
        {"b_menu", [] { return SingleInstance<b_menu>::show(); }},
        {"z_quit", [] { return SingleInstance<z_quit>::show(); }},
        {"c_outils", [] { return SingleInstance<c_outils>::show(); }},
        {"AboutBox", [] { return SingleInstance<AboutBox>::show(); }},
    };
    return windows;
}

// The room a control leaves to its caption.
QRect captionRoom(const QWidget *control)
{
    if (qobject_cast<const QPushButton *>(control)) {
        const QStyle *style = control->style();
        const int margin = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control) * 2
                           + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control);
        return control->rect().adjusted(margin / 2, margin / 2, -margin / 2, -margin / 2);
    }
    return control->contentsRect();
}

QString shownText(QString caption)
{
    caption.replace(u"&&"_s, u"\x01"_s);
    caption.remove(u'&');
    return caption.replace(u'\x01', u'&');
}

} // namespace

class CaptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void captionFitsItsControl_data();
    void captionFitsItsControl();

private:
    std::unique_ptr<ShellScope> m_shell;
};

void CaptionsTest::initTestCase()
{
    installProgramFont();
}

void CaptionsTest::init()
{
    m_shell = std::make_unique<ShellScope>();
}

void CaptionsTest::cleanup()
{
    m_shell.reset();
    QCOMPARE(test::closeAllWindows(), QStringList());
}

void CaptionsTest::captionFitsItsControl_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");

    const ShellScope scope;
    const auto &windows = shellWindows();
    for (auto it = windows.begin(); it != windows.end(); ++it) {
        QWidget *window = it.value()();
        const QList<QWidget *> controls = window->findChildren<QWidget *>();
        for (const QWidget *control : controls) {
            const auto *label = qobject_cast<const QLabel *>(control);
            const bool captioned = qobject_cast<const QPushButton *>(control)
                                   || (label && !label->text().isEmpty() && !label->wordWrap());
            if (captioned && !control->objectName().isEmpty())
                QTest::addRow("%s %s", qPrintable(it.key()), qPrintable(control->objectName()))
                    << it.key() << control->objectName();
        }
    }
}

void CaptionsTest::captionFitsItsControl()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QWidget *shown = shellWindows().value(window)();
    auto *widget = shown->findChild<QWidget *>(control);
    QVERIFY(widget);
    const auto *button = qobject_cast<QPushButton *>(widget);
    const QString caption = button ? button->text() : qobject_cast<QLabel *>(widget)->text();
    const QFontMetrics metrics(widget->font());
    const QRect room = captionRoom(widget);
    const QStringList lines = shownText(caption).split(u'\n');
    for (const QString &line : lines)
        QVERIFY2(test::captionWidth(widget, line) <= room.width(),
                 qPrintable(u"\"%1\": %2 pixels in %3"_s.arg(line)
                                .arg(test::captionWidth(widget, line))
                                .arg(room.width())));
    QVERIFY(metrics.height() + metrics.lineSpacing() * (lines.size() - 1) <= room.height());
}

QTEST_MAIN(CaptionsTest)
#include "test_captions.moc"
