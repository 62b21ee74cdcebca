// Fuzz target for the progress store's opening and queries: the input becomes the store's file
// (arbitrary bytes, or a real store with damaged pages, its journal too), then everything the
// Progress window and the review ask of a store runs on it, a schedule rebuild and an answer
// recorded. Nothing may crash or hang, every query keeps its shape (five exercises, the days
// asked for), and a file that opens without a word keeps the answers it had.
//
// Input: byte 0 picks the case: 0 the rest is the file; 1 and 2 a real store (made at start:
// 300 answers, its schedule, and 40 more answers still in its -wal) whose file (1) or -wal (2)
// gets the patches of the rest: each a 4-byte little-endian offset, a length byte and as many
// bytes to write there.
#include "core/progressstore.h"
#include "propertycheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct Real {
    QByteArray file, wal;
    int answers = 0;
};

QTemporaryDir *work;
Real real;

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void removeStore(const QString &path)
{
    const QDir dir(QFileInfo(path).absolutePath());
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(name));
}

// A store of this program, answered into over some days, and its log with answers not yet
// copied back into the file.
Real makeReal(const QString &path)
{
    Real r;
    QDateTime at(QDate(2026, 11, 1), QTime(9, 0), Qt::UTC);
    const auto answer = [&](SqliteProgressStore &store, int i) {
        at = at.addSecs(3 * 3600);
        store.recordAnswer({1 + i % 5, i % 7 == 0, QStringLiteral("item %1").arg(i % 37), QStringLiteral("right %1").arg(i % 37),
                            QStringLiteral("typed"), i % 3 != 0, i % 2 == 0});
    };
    {
        SqliteProgressStore store(path);
        store.setClock([&at] { return at; });
        store.recordRunStart(1, false, 10);
        for (int i = 0; i < 300; ++i)
            answer(store, i);
        store.recordRunEnd(true);
    }
    r.file = readAll(path);
    SqliteProgressStore store(path);
    store.setClock([&at] { return at; });
    for (int i = 300; i < 340; ++i)
        answer(store, i);
    r.wal = readAll(path + QStringLiteral("-wal"));
    r.file = readAll(path); // as the open left it, with the WAL beside it
    r.answers = 340;
    return r;
}

void patch(QByteArray &bytes, const uint8_t *data, size_t size)
{
    size_t pos = 0;
    while (pos + 5 <= size && !bytes.isEmpty()) {
        uint32_t offset;
        std::memcpy(&offset, data + pos, 4);
        const size_t length = data[pos + 4];
        pos += 5;
        const size_t n = std::min(length, size - pos);
        for (size_t i = 0; i < n; ++i)
            bytes[qsizetype((offset + i) % uint32_t(bytes.size()))] = char(data[pos + i]);
        pos += n;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    // In memory where there is a tmpfs: every input writes a file, and its syncs cost nothing there.
    work = QFileInfo(QStringLiteral("/dev/shm")).isDir() ? new QTemporaryDir(QStringLiteral("/dev/shm/tarvo-fuzz-XXXXXX"))
                                                         : new QTemporaryDir;
    std::atexit([] { delete work; }); // libFuzzer ends the run through exit()
    const QString path = work->filePath(QStringLiteral("real/progress.sqlite"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    real = makeReal(path);
    PROPERTY_CHECK(!real.file.isEmpty() && !real.wal.isEmpty());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QString path = work->filePath(QStringLiteral("store/progress.sqlite"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    removeStore(path);
    const int kind = data[0] % 3;
    if (kind == 0) {
        writeAll(path, QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));
    } else {
        QByteArray file = real.file, wal = real.wal;
        patch(kind == 1 ? file : wal, data + 1, size - 1);
        writeAll(path, file);
        writeAll(path + QStringLiteral("-wal"), wal);
    }

    {
        SqliteProgressStore store(path);
        store.setClock([] { return QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC); });
        const QString problem = store.problem();
        const QList<ExerciseSummary> summaries = store.exerciseSummaries();
        PROPERTY_CHECK(summaries.size() == 5);
        PROPERTY_CHECK(store.dailyCounts(QDate(2026, 12, 7), 30).size() == 30);
        PROPERTY_CHECK(store.wordsToPractise(20).size() <= 20);
        PROPERTY_CHECK(store.dueItems(10).size() <= 10);
        const int due = store.dueCount();
        PROPERTY_CHECK(due >= 0);
        store.nextDue();
        PROPERTY_CHECK(store.dueOutlook().size() == 5);
        // An intact real store that opened without a word has every answer it had.
        if (kind != 0 && problem.isEmpty() && data[0] / 3 == 0 && size == 1) {
            int answers = 0;
            for (const ExerciseSummary &s : summaries)
                answers += s.answers;
            PROPERTY_CHECK(answers == real.answers);
        }
        store.rebuildSchedule();
        store.dueItems();
        store.recordAnswer({3, false, QStringLiteral("item 1"), QStringLiteral("right 1"), QStringLiteral("typed"), true, true});
        store.dueCount();
        QString error;
        store.exportCsv(work->filePath(QStringLiteral("export.csv")), &error);
    }
    return 0;
}
