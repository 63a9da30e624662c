#include "journal/core/journal.h"

#include "journal/core/journal_csv.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace zorv::journal {
namespace {

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString damagedCopyPath(const QString &path)
{
    const QFileInfo info(path);
    return info.dir().filePath(info.completeBaseName() + u"-avant-reparation.csv"_s);
}

QString linesText(qsizetype count, const QString &one, const QString &many)
{
    return count == 1 ? one : many.arg(count);
}

} // namespace

Journal::Journal(const QString &filePath, QObject *parent)
    : QObject(parent)
    , m_path(filePath)
    // Without a file, the journal lives in memory only.
    , m_state(filePath.isEmpty() ? FileState::Untouchable : FileState::InSync)
{
    m_rewriteTimer.setSingleShot(true);
    m_rewriteTimer.setInterval(0);
    connect(&m_rewriteTimer, &QTimer::timeout, this, &Journal::rewrite);
}

Journal::~Journal()
{
    flush();
    if (installedJournal() == this)
        Installed<Journal>::set(nullptr);
}

void Journal::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    readFile();
    emit entriesReset();
}

void Journal::readFile()
{
    QFile file(m_path);
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink())
        return; // nothing recorded yet: the first line creates the file
    QString why;
    if (!info.isFile())
        why = u"ce n'est pas un fichier"_s;
    else if (info.size() > MaxFileSize)
        why = u"il dépasse %1 Mo"_s.arg(MaxFileSize >> 20);
    else if (!file.open(QIODevice::ReadOnly))
        why = u"le système en refuse la lecture"_s;
    QByteArray bytes;
    if (why.isEmpty()) {
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            why = u"le système en refuse la lecture"_s;
    }
    if (!why.isEmpty()) {
        m_state = FileState::Untouchable;
        tell(Problem::Read,
             u"Le journal des calculs « %1 » ne peut pas être lu : %2. ZORV le laisse tel quel ; "
             u"les calculs de cette session ne seront gardés que jusqu'à sa fermeture."_s
                 .arg(nativePath(m_path), why));
        return;
    }
    ParsedFile parsed = parseFile(bytes);
    m_entries = std::move(parsed.entries);
    m_fileLines = m_entries.size();
    if (m_entries.size() > Capacity)
        m_entries.remove(0, m_entries.size() - Capacity);
    if (!parsed.damagedLines.isEmpty())
        keepCopyOfDamagedFile(int(parsed.damagedLines.size()));
    if (!parsed.canonical || m_fileLines > Capacity) {
        m_state = FileState::Stale;
        scheduleRewrite();
    }
}

void Journal::keepCopyOfDamagedFile(int damagedLines)
{
    const QString copy = damagedCopyPath(m_path);
    const bool copied = copyFileReplacing(m_path, copy);
    QString text = damagedLines == 1
                       ? u"Une ligne abîmée du journal des calculs « %1 » a été laissée de côté"_s
                             .arg(nativePath(m_path))
                       : u"%1 lignes abîmées du journal des calculs « %2 » ont été laissées de "
                         u"côté"_s.arg(QString::number(damagedLines), nativePath(m_path));
    text += linesText(m_entries.size(),
                      u" ; le calcul lisible est gardé."_s,
                      u" ; les %1 calculs lisibles sont gardés."_s);
    if (copied)
        text += u"\nLe fichier tel qu'il était est copié dans « %1 »."_s.arg(nativePath(copy));
    tell(Problem::Damage, text);
}

const QList<Entry> &Journal::entries()
{
    load();
    return m_entries;
}

void Journal::append(const Entry &entry)
{
    load();
    if (m_entries.size() >= Capacity) {
        m_entries.removeFirst();
        emit entryRemoved(0);
    }
    m_entries.append(entry);
    emit entryAppended();

    if (m_state == FileState::InSync && m_fileLines >= Capacity + Slack)
        m_state = FileState::Stale;
    if (m_state == FileState::InSync) {
        if (appendLine(entry)) {
            ++m_fileLines;
            return;
        }
        m_state = FileState::Stale;
    }
    if (m_state == FileState::Stale)
        scheduleRewrite();
}

bool Journal::appendLine(const Entry &entry)
{
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (!QDir().mkpath(QFileInfo(m_path).absolutePath())
            || !file.open(QIODevice::WriteOnly | QIODevice::Append))
            return false;
    }
    QByteArray bytes = recordLine(entry);
    if (file.size() == 0)
        bytes.prepend(fileHeader());
    return file.write(bytes) == bytes.size() && file.flush();
}

void Journal::remove(qsizetype index)
{
    load();
    if (index < 0 || index >= m_entries.size())
        return;
    m_entries.remove(index);
    emit entryRemoved(index);
    if (m_state != FileState::Untouchable) {
        m_state = FileState::Stale;
        rewrite();
    }
}

void Journal::clear()
{
    load();
    m_entries.clear();
    emit entriesReset();
    if (m_state != FileState::Untouchable) {
        m_state = FileState::Stale;
        rewrite();
    }
}

void Journal::scheduleRewrite()
{
    if (!m_rewriteTimer.isActive())
        m_rewriteTimer.start();
}

void Journal::rewrite()
{
    m_rewriteTimer.stop();
    if (m_state != FileState::Stale)
        return;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    const QByteArray bytes = fileBytes(m_entries);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        m_state = FileState::InSync;
        m_fileLines = m_entries.size();
        return;
    }
    tell(Problem::Write,
         u"Le journal des calculs ne peut pas être enregistré dans « %1 ». Les calculs de cette "
         u"session y restent jusqu'à la fermeture de ZORV ; exportez-les si vous voulez les "
         u"garder."_s.arg(nativePath(m_path)));
}

void Journal::flush()
{
    if (m_state == FileState::Stale && m_loaded)
        rewrite();
}

QString Journal::exportTo(const QString &path)
{
    load();
    QSaveFile file(path);
    const QByteArray bytes = fileBytes(m_entries);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return QString();
    return u"Le fichier « %1 » ne peut pas être écrit."_s.arg(nativePath(path));
}

QStringList Journal::engineExpressions()
{
    load();
    QStringList expressions;
    for (auto it = m_entries.crbegin(); it != m_entries.crend(); ++it) {
        if (it->fromEngine() && (expressions.isEmpty() || expressions.last() != it->expression))
            expressions.append(it->expression);
    }
    return expressions;
}

void Journal::tell(Problem problem, const QString &text)
{
    if (m_told.contains(problem))
        return;
    m_told.insert(problem);
    // After the event that found it: the result of a calculation shows first.
    QMetaObject::invokeMethod(
        this,
        [text] { platform().messageBox(text, QString(), MessageButtons::Ok, MessageIcon::Warning); },
        Qt::QueuedConnection);
}

void record(const Entry &entry)
{
    if (Journal *journal = installedJournal())
        journal->append(entry);
}

} // namespace zorv::journal
