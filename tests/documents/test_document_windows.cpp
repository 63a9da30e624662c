#include "documents/windows/c_documents.h"
#include "documents/windows/hand_cursor.h"
#include "documents/windows/link_label.h"
#include "documents/windows/m_help.h"
#include "platform/program_font.h"
#include "platform/twips.h"
#include "support/recording_platform.h"
#include "support/temp_app_dir.h"
#include "support/window_checks.h"

#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

using namespace zorv;
using namespace Qt::StringLiterals;

namespace {

// Text1 holds paragraphs: the CR LF that ends each line of a document is one paragraph break.
QString shownText()
{
    return SingleInstance<m_help>::find()->Text1->toPlainText().replace(u'\n', u"\r\n"_s);
}

LinkLabel *link(c_documents *window, const QString &name)
{
    return window->findChild<LinkLabel *>(name);
}

} // namespace

class DocumentWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void viewerBeforeAnyDocument();
    void loadHelpShowsTheDocument_data();
    void loadHelpShowsTheDocument();
    void missingDocsFolderShowsTheNoteAndBeepsTwice();
    void failureReplacesThePreviousDocument_data();
    void failureReplacesThePreviousDocument();
    void closingTheViewerDiscardsTheDocument();
    void viewerCannotBeTypedIntoButSelects();
    void viewerScrollsWithTheKeyboard();
    void shippedDocumentFitsTheViewer_data();
    void shippedDocumentFitsTheViewer();

    void labels_data();
    void labels();
    void clickOpensItsDocument_data();
    void clickOpensItsDocument();
    void secondLabelReplacesTheTextInTheSameViewer();
    void tabOrderFollowsTheColumn();
    void labelsAreLinksForAssistiveTechnology();
    void handCursorPointsWithTheFingerTip();

private:
    void writeDocuments(const test::TempAppDir &dir) const;
};

void DocumentWindowsTest::initTestCase()
{
    installProgramFont();
}

void DocumentWindowsTest::cleanup()
{
    SingleInstance<m_help>::close();
    SingleInstance<c_documents>::close();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void DocumentWindowsTest::writeDocuments(const test::TempAppDir &dir) const
{
    dir.writeFile(u"docs/343aubcde465360adaubcdaub.dczv"_s, "Les calculs\r\n"_ba);
    dir.writeFile(u"docs/sdkdoc.dczv"_s, "Le SDK\r\nsection [Fonc]\r\n"_ba);
    dir.writeFile(u"docs/const.dczv"_s,
                  "Les donn\xe9"
                  "es\r\n"_ba);
    dir.writeFile(u"docs/mteq.dczv"_s,
                  "Le moteur : 2\xb0"
                  "3\xb2\r\n"_ba);
}

void DocumentWindowsTest::viewerBeforeAnyDocument()
{
    test::TempAppDir dir;
    m_help *viewer = SingleInstance<m_help>::get();
    QVERIFY(!viewer->isVisible());
    QCOMPARE(viewer->windowTitle(), u"Document"_s);
    QCOMPARE(viewer->size(), twipsSize(5430, 4110));
    QVERIFY(!(viewer->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(viewer->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(viewer->Text1->objectName(), u"Text1"_s);
    QCOMPARE(viewer->Text1->geometry(), twips(120, 120, 5175, 3855));
    QCOMPARE(viewer->Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(viewer->Text1->toPlainText(),
             u"(aucun document n'est chargé) - Note : Les documents ne peuvent pas être chargés "
             "manuellement, si un document devait être chargé, réinstallez ZORV"_s);
}

void DocumentWindowsTest::loadHelpShowsTheDocument_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("every line ends with CR LF") << "un\r\ndeux\r\n"_ba << u"un\r\ndeux\r\n"_s;
    QTest::newRow("last line without a break is shown with one")
        << "un\r\ndeux"_ba << u"un\r\ndeux\r\n"_s;
    QTest::newRow("lone CR ends a line") << "un\rdeux"_ba << u"un\r\ndeux\r\n"_s;
    QTest::newRow("empty document empties Text1") << QByteArray() << QString();
    QTest::newRow("accents from Windows-1252") << "r\xe9installez"_ba << u"réinstallez\r\n"_s;
}

void DocumentWindowsTest::loadHelpShowsTheDocument()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    test::TempAppDir dir;
    test::RecordingPlatform platform;
    dir.writeFile(u"docs/sdkdoc.dczv"_s, bytes);
    m_help *viewer = SingleInstance<m_help>::get();
    viewer->LoadHelp(u"sdkdoc.dczv"_s);
    QVERIFY(viewer->isVisible());
    QCOMPARE(shownText(), shown);
    QCOMPARE(platform.beeps, 0);
}

void DocumentWindowsTest::missingDocsFolderShowsTheNoteAndBeepsTwice()
{
    test::TempAppDir dir;
    test::RecordingPlatform platform;
    c_documents *list = SingleInstance<c_documents>::show();
    list->Label1_Click();
    m_help *viewer = SingleInstance<m_help>::find();
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->Text1->toPlainText(), m_help::NoDocumentNote);
    QCOMPARE(platform.beeps, 2);
    QVERIFY(platform.messages.isEmpty());
}

void DocumentWindowsTest::failureReplacesThePreviousDocument_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QString>("why");
    QTest::newRow("missing file") << u"absent.dczv"_s << u"il est introuvable"_s;
    QTest::newRow("folder in place of the file")
        << u"dossier.dczv"_s << u"ce n'est pas un fichier"_s;
}

void DocumentWindowsTest::failureReplacesThePreviousDocument()
{
    QFETCH(QString, failing);
    QFETCH(QString, why);
    test::TempAppDir dir;
    test::RecordingPlatform platform;
    writeDocuments(dir);
    dir.makeDir(u"docs/dossier.dczv"_s);
    m_help *viewer = SingleInstance<m_help>::get();
    viewer->LoadHelp(u"sdkdoc.dczv"_s);
    viewer->LoadHelp(failing);
    QCOMPARE(SingleInstance<m_help>::find(), viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(shownText(),
             u"Le document « %1 » ne peut pas être lu : %2. Réinstallez ZORV pour le retrouver."_s
                 .arg(failing, why));
    QCOMPARE(platform.beeps, 2);
}

void DocumentWindowsTest::closingTheViewerDiscardsTheDocument()
{
    test::TempAppDir dir;
    test::RecordingPlatform platform;
    writeDocuments(dir);
    SingleInstance<m_help>::get()->LoadHelp(u"sdkdoc.dczv"_s);
    SingleInstance<m_help>::close();
    // The next click recreates the viewer; it shows the note until the document replaces it.
    QCOMPARE(SingleInstance<m_help>::get()->Text1->toPlainText(), m_help::NoDocumentNote);
}

void DocumentWindowsTest::viewerCannotBeTypedIntoButSelects()
{
    test::TempAppDir dir;
    test::RecordingPlatform platform;
    writeDocuments(dir);
    m_help *viewer = SingleInstance<m_help>::get();
    viewer->LoadHelp(u"sdkdoc.dczv"_s);
    QTest::keyClicks(viewer->Text1, u"abc"_s);
    QTest::keyClick(viewer->Text1, Qt::Key_Backspace);
    QTest::keyClick(viewer->Text1, Qt::Key_Delete);
    QCOMPARE(shownText(), u"Le SDK\r\nsection [Fonc]\r\n"_s);
    QTest::keyClick(viewer->Text1, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(viewer->Text1->textCursor().selectedText(),
             u"Le SDK"_s + QChar::ParagraphSeparator + u"section [Fonc]"_s
                 + QChar::ParagraphSeparator);
}

void DocumentWindowsTest::viewerScrollsWithTheKeyboard()
{
    test::TempAppDir dir;
    test::RecordingPlatform platform;
    dir.copyFromShippedData(u"docs/mteq.dczv"_s);
    m_help *viewer = SingleInstance<m_help>::get();
    viewer->LoadHelp(u"mteq.dczv"_s);
    QScrollBar *bar = viewer->Text1->verticalScrollBar();
    QCOMPARE(bar->value(), 0);
    QTest::keyClick(viewer->Text1, Qt::Key_PageDown);
    QVERIFY(bar->value() > 0);
    QTest::keyClick(viewer->Text1, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(viewer->Text1->textCursor().atEnd());
    QVERIFY(viewer->Text1->viewport()->rect().contains(viewer->Text1->cursorRect()));
    QVERIFY(bar->value() > bar->maximum() / 2);
    QTest::keyClick(viewer->Text1, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(bar->value(), 0);
}

void DocumentWindowsTest::shippedDocumentFitsTheViewer_data()
{
    QTest::addColumn<QString>("file");
    for (const char *file :
         {"343aubcde465360adaubcdaub.dczv", "sdkdoc.dczv", "const.dczv", "mteq.dczv"})
        QTest::newRow(file) << QString::fromLatin1(file);
}

void DocumentWindowsTest::shippedDocumentFitsTheViewer()
{
    QFETCH(QString, file);
    test::TempAppDir dir;
    test::RecordingPlatform platform;
    dir.copyFromShippedData(u"docs"_s);
    m_help *viewer = SingleInstance<m_help>::get();
    viewer->LoadHelp(file);
    QCOMPARE(platform.beeps, 0);
    QVERIFY(viewer->Text1->document()->blockCount() > 20);
    // The documents are laid out by hand: a line that the viewer had to break would read badly.
    auto *layout = qobject_cast<QPlainTextDocumentLayout *>(
        viewer->Text1->document()->documentLayout());
    QVERIFY(layout);
    for (QTextBlock block = viewer->Text1->document()->begin(); block.isValid();
         block = block.next()) {
        layout->ensureBlockLayout(block);
        QVERIFY2(block.lineCount() <= 1, qPrintable(block.text()));
    }
}

void DocumentWindowsTest::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("a: help on calculations")
        << u"a"_s << u"Aide sur les calculs"_s << twips(240, 120, 1455, 255);
    QTest::newRow("Label1: help on the SDK")
        << u"Label1"_s << u"Aide sur le SDK"_s << twips(240, 480, 1455, 255);
    QTest::newRow("Label2: help on the values")
        << u"Label2"_s << u"Aide sur les données"_s << twips(240, 840, 2055, 255);
    QTest::newRow("Label3: help on the equation engine")
        << u"Label3"_s << u"Aide sur le moteur d'équations"_s << twips(240, 1200, 2415, 255);
}

void DocumentWindowsTest::labels()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    c_documents *window = SingleInstance<c_documents>::get();
    QCOMPARE(window->windowTitle(), u"Documents"_s);
    QCOMPARE(window->size(), twipsSize(2595, 1530));
    LinkLabel *label = link(window, name);
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->geometry(), geometry);
    QVERIFY(label->font().underline());
    QCOMPARE(label->font().pointSizeF(), 8.25);
    QVERIFY(test::captionWidth(label, caption) <= geometry.width());
    QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(label->cursor().hotSpot(), QPoint(12, 1));
    QCOMPARE(label->cursor().pixmap().size(), QSize(32, 32));
    QVERIFY(label->focusPolicy() & Qt::TabFocus);
}

void DocumentWindowsTest::clickOpensItsDocument_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a opens the calculations help") << u"a"_s << u"Les calculs\r\n"_s;
    QTest::newRow("Label1 opens the SDK help") << u"Label1"_s << u"Le SDK\r\nsection [Fonc]\r\n"_s;
    QTest::newRow("Label2 opens the values help") << u"Label2"_s << u"Les données\r\n"_s;
    QTest::newRow("Label3 opens the engine help") << u"Label3"_s << u"Le moteur : 2°3²\r\n"_s;
}

void DocumentWindowsTest::clickOpensItsDocument()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    test::TempAppDir dir;
    test::RecordingPlatform platform;
    writeDocuments(dir);
    c_documents *window = SingleInstance<c_documents>::show();
    LinkLabel *label = link(window, name);

    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(SingleInstance<m_help>::find());
    QVERIFY(SingleInstance<m_help>::find()->isVisible());
    QCOMPARE(shownText(), shown);

    // The same document from the keyboard: Enter and Space on the focused label.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        SingleInstance<m_help>::close();
        QTest::keyClick(label, key);
        QVERIFY(SingleInstance<m_help>::find());
        QCOMPARE(shownText(), shown);
    }
    QCOMPARE(platform.beeps, 0);
}

void DocumentWindowsTest::secondLabelReplacesTheTextInTheSameViewer()
{
    test::TempAppDir dir;
    test::RecordingPlatform platform;
    writeDocuments(dir);
    c_documents *window = SingleInstance<c_documents>::show();
    window->a_Click();
    m_help *viewer = SingleInstance<m_help>::find();
    QCOMPARE(shownText(), u"Les calculs\r\n"_s);
    window->Label3_Click();
    QCOMPARE(SingleInstance<m_help>::find(), viewer);
    QCOMPARE(shownText(), u"Le moteur : 2°3²\r\n"_s);
}

void DocumentWindowsTest::tabOrderFollowsTheColumn()
{
    c_documents *window = SingleInstance<c_documents>::show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->a->setFocus();
    const QList<QWidget *> order = {window->Label1, window->Label2, window->Label3, window->a};
    for (QWidget *expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
}

void DocumentWindowsTest::labelsAreLinksForAssistiveTechnology()
{
    test::TempAppDir dir;
    test::RecordingPlatform platform;
    writeDocuments(dir);
    c_documents *window = SingleInstance<c_documents>::show();
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(window->Label2);
    QVERIFY(access);
    QCOMPARE(access->role(), QAccessible::Link);
    QCOMPARE(access->text(QAccessible::Name), u"Aide sur les données"_s);
    QAccessibleActionInterface *actions = access->actionInterface();
    QVERIFY(actions);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(shownText(), u"Les données\r\n"_s);
}

void DocumentWindowsTest::handCursorPointsWithTheFingerTip()
{
    const QImage image = handCursorImage();
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(HandCursorHotSpot, QPoint(12, 1));
    // The hot spot is the topmost drawn pixel, at the middle of the raised finger's tip.
    int top = -1;
    for (int y = 0; y < image.height() && top < 0; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                top = y;
                break;
            }
        }
    }
    QCOMPARE(top, 1);
    QCOMPARE(qAlpha(image.pixel(12, 1)), 255);
    QCOMPARE(qAlpha(image.pixel(11, 1)), 255);
    QCOMPARE(qAlpha(image.pixel(13, 1)), 255);
    QCOMPARE(qAlpha(image.pixel(10, 1)), 0);
    QCOMPARE(qAlpha(image.pixel(14, 1)), 0);
}

QTEST_MAIN(DocumentWindowsTest)
#include "test_document_windows.moc"
