// The values window reads keys "name" and "val" of sections E1 to E999 of one file in a row while
// the user waits. These benchmarks time those 1,998 reads of a full file: cold (the first reads
// after the file changed on disk) and warm, inside an IniReadScope as the values window reads and
// without one, next to a single parse of the same file by inih.

#include "settings/core/ini.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <array>
#include <benchmark/benchmark.h>
#include <ini.h>

using namespace Qt::StringLiterals;

namespace {

// A full values file; `variant` changes one value so that two versions differ.
QByteArray fullValuesFile(int variant)
{
    QString text;
    for (int slot = 1; slot <= 999; ++slot) {
        text += u"[E%1]\r\nname=Constante n°%1 (unité SI)\r\nval=%2E-%3\r\n"_s.arg(slot)
                    .arg(1.602176634 + slot + (slot == 500 ? variant : 0), 0, 'f', 9)
                    .arg(slot % 30);
    }
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = char(text[i].unicode()); // only Latin-1 characters above
    return bytes;
}

class ValuesFile
{
public:
    ValuesFile()
        : m_path(m_dir.filePath(u"Vals.fval"_s))
        , m_versions{fullValuesFile(0), fullValuesFile(1)}
    {
        for (int slot = 1; slot <= 999; ++slot)
            m_sections.append(u"E%1"_s.arg(slot));
        rewrite();
    }

    // Puts the other version on disk, as an editor saving the file would.
    void rewrite()
    {
        m_current = 1 - m_current;
        QFile file(m_path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(m_versions[m_current]);
    }

    // Lets the file grow older than the store's margin for a fresh stamp, so that warm reads see
    // a settled file.
    void settle() const { QThread::msleep(200); }

    void readAll() const
    {
        const QString name = u"name"_s;
        const QString val = u"val"_s;
        const QString freeSlot = u"(Emplacement libre)"_s;
        const QString empty = u"(Vide)"_s;
        for (const QString &section : m_sections)
            benchmark::DoNotOptimize(zorv::ReadIniValue(section, name, m_path, freeSlot));
        for (const QString &section : m_sections)
            benchmark::DoNotOptimize(zorv::ReadIniValue(section, val, m_path, empty));
    }

    QByteArray nativePath() const { return QFile::encodeName(m_path); }

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::array<QByteArray, 2> m_versions;
    int m_current = 1;
    QStringList m_sections;
};

void BM_ColdReadsInScope(benchmark::State &state)
{
    ValuesFile file;
    for (auto _ : state) {
        state.PauseTiming();
        file.rewrite();
        state.ResumeTiming();
        zorv::IniReadScope scope;
        file.readAll();
    }
}

BENCHMARK(BM_ColdReadsInScope)->Unit(benchmark::kMicrosecond);

void BM_WarmReadsInScope(benchmark::State &state)
{
    ValuesFile file;
    file.settle();
    file.readAll();
    for (auto _ : state) {
        zorv::IniReadScope scope;
        file.readAll();
    }
}

BENCHMARK(BM_WarmReadsInScope)->Unit(benchmark::kMicrosecond);

// Without a scope every read looks at the disk; right after a change the stamp cannot yet be
// trusted, so each read also compares the file's bytes.
void BM_ColdReadsWithoutScope(benchmark::State &state)
{
    ValuesFile file;
    for (auto _ : state) {
        state.PauseTiming();
        file.rewrite();
        state.ResumeTiming();
        file.readAll();
    }
}

BENCHMARK(BM_ColdReadsWithoutScope)->Unit(benchmark::kMicrosecond);

void BM_WarmReadsWithoutScope(benchmark::State &state)
{
    ValuesFile file;
    file.settle();
    file.readAll();
    for (auto _ : state)
        file.readAll();
}

BENCHMARK(BM_WarmReadsWithoutScope)->Unit(benchmark::kMicrosecond);

int ignoreEntry(void *, const char *, const char *, const char *)
{
    return 1;
}

void BM_InihSingleParse(benchmark::State &state)
{
    ValuesFile file;
    const QByteArray path = file.nativePath();
    for (auto _ : state)
        benchmark::DoNotOptimize(ini_parse(path.constData(), &ignoreEntry, nullptr));
}

BENCHMARK(BM_InihSingleParse)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
