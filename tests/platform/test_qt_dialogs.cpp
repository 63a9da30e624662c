#include "platform/program_font.h"
#include "platform/qt_platform.h"
#include "support/window_checks.h"
#include "support/window_cleanup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <memory>

using namespace Qt::StringLiterals;
using namespace zorv;

namespace {

// Every text of a dialog that a user reads: captions, tooltips, list items and column headers.
QStringList shownTexts(const QFileDialog &dialog)
{
    QStringList texts;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        texts << test::withoutAccessKey(label->text());
    for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
        texts << test::withoutAccessKey(button->text()) << button->toolTip();
    for (const QComboBox *box : dialog.findChildren<QComboBox *>()) {
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
    }
    const QTreeView *details = dialog.findChild<QTreeView *>(u"treeView"_s);
    const QAbstractItemModel *model = details->model();
    for (int column = 0; column < model->columnCount(); ++column)
        texts << model->headerData(column, Qt::Horizontal).toString();
    const QModelIndex folder = details->rootIndex();
    for (int row = 0; row < model->rowCount(folder); ++row) {
        for (int column = 0; column < model->columnCount(folder); ++column)
            texts << model->index(row, column, folder).data().toString();
    }
    texts.removeAll(QString());
    return texts;
}

} // namespace

class QtDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saveDialogSpeaksFrench();
    void saveDialogShowsItsColumnsWhole();
    void saveDialogAddsTheFilterExtension_data();
    void saveDialogAddsTheFilterExtension();
    void cleanup();

private:
    std::unique_ptr<QFileDialog> openSaveDialog(const QString &filter = u"Fichiers CSV (*.csv)"_s);

    QTemporaryDir m_folder;
};

void QtDialogsTest::initTestCase()
{
    installProgramFont();
    if (!installFrenchQtTexts())
        QSKIP("Qt's French translations are not installed (scripts/deps installs them)");
    QVERIFY(QDir(m_folder.path()).mkdir(u"mesures"_s));
    QFile file(m_folder.filePath(u"journal.csv"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void QtDialogsTest::cleanup()
{
    QCOMPARE(test::closeAllWindows(), QStringList());
}

std::unique_ptr<QFileDialog> QtDialogsTest::openSaveDialog(const QString &filter)
{
    std::unique_ptr<QFileDialog> dialog(
        createSaveFileDialog(u"Exporter le journal des calculs"_s,
                             m_folder.filePath(u"journal-des-calculs.csv"_s),
                             filter,
                             nullptr));
    dialog->show();
    const QTreeView *details = dialog->findChild<QTreeView *>(u"treeView"_s);
    // The folder is listed in the background: its folder and its file.
    QTest::qWaitFor([details] { return details->model()->rowCount(details->rootIndex()) == 2; });
    return dialog;
}

void QtDialogsTest::saveDialogSpeaksFrench()
{
    const std::unique_ptr<QFileDialog> dialog = openSaveDialog();
    const QStringList texts = shownTexts(*dialog);
    QVERIFY(texts.contains(u"Dossier"_s));
    QVERIFY(texts.contains(u"Fichier CSV"_s));
    QVERIFY(texts.contains(u"Enregistrer"_s));
    // What Qt's own dialog shows in English, without or despite its translations.
    static const QStringList english{u"Folder"_s,
                                     u"File"_s,
                                     u"Look in:"_s,
                                     u"File name:"_s,
                                     u"Save"_s,
                                     u"Cancel"_s,
                                     u"Files of type:"_s,
                                     u"Back"_s,
                                     u"Forward"_s,
                                     u"Parent Directory"_s,
                                     u"Create New Folder"_s,
                                     u"List View"_s,
                                     u"Detail View"_s,
                                     u"Name"_s,
                                     u"Size"_s,
                                     u"Date Modified"_s,
                                     u"CSV document"_s};
    for (const QString &text : texts)
        QVERIFY2(!english.contains(text), qPrintable(text));
}

void QtDialogsTest::saveDialogShowsItsColumnsWhole()
{
    const std::unique_ptr<QFileDialog> dialog = openSaveDialog();
    const QTreeView *details = dialog->findChild<QTreeView *>(u"treeView"_s);
    const QHeaderView *header = details->header();
    // The name column takes what is left; the others show their header and their texts whole.
    for (int column = 1; column < header->count(); ++column) {
        const QString caption = header->model()->headerData(column, Qt::Horizontal).toString();
        QVERIFY2(header->sectionSize(column) >= header->sectionSizeHint(column),
                 qPrintable(caption));
        const QModelIndex folder = details->rootIndex();
        for (int row = 0; row < details->model()->rowCount(folder); ++row) {
            const QString text = details->model()->index(row, column, folder).data().toString();
            QVERIFY2(header->sectionSize(column) > details->fontMetrics().horizontalAdvance(text),
                     qPrintable(text));
        }
    }
}

void QtDialogsTest::saveDialogAddsTheFilterExtension_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("one pattern") << u"Fichiers CSV (*.csv)"_s << u"csv"_s;
    QTest::newRow("two patterns") << u"Textes (*.txt *.csv)"_s << QString();
    QTest::newRow("any file") << u"Tous les fichiers (*)"_s << QString();
}

void QtDialogsTest::saveDialogAddsTheFilterExtension()
{
    QFETCH(QString, filter);
    QFETCH(QString, suffix);
    QCOMPARE(openSaveDialog(filter)->defaultSuffix(), suffix);
}

QTEST_MAIN(QtDialogsTest)
#include "test_qt_dialogs.moc"
