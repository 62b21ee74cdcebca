#include "core/lessonlibrary.h"

#include "core/lessons.h"

#include <QCollator>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>

namespace {

// The index of the folder: for each lesson file, its size and time as they were when it was
// read, and what the list shows of it. A file whose size or time differs is read anew.
const QString indexName = QStringLiteral(".index.json");

struct IndexEntry {
    qint64 size = -1;
    qint64 modified = 0;
    QString id, title;
    int words = 0;
};
using Index = QHash<QString, IndexEntry>; // by file name

Index readIndex(const QString &path)
{
    Index index;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 16 * 1024 * 1024)
        return index;
    // Anything the index does not say clearly is read from the lesson file instead.
    const QJsonObject files = QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String("files")).toObject();
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QJsonObject o = it.value().toObject();
        IndexEntry entry{qint64(o.value(QLatin1String("size")).toDouble(-1)),
                         qint64(o.value(QLatin1String("modified")).toDouble()), o.value(QLatin1String("id")).toString(),
                         o.value(QLatin1String("title")).toString(), o.value(QLatin1String("words")).toInt()};
        if (entry.size >= 0 && !entry.id.isEmpty())
            index.insert(it.key(), entry);
    }
    return index;
}

// Written whole or not at all; an index that cannot be written is only a slower list next time.
void writeIndex(const QString &path, const Index &index)
{
    QJsonObject files;
    for (auto it = index.cbegin(); it != index.cend(); ++it)
        files.insert(it.key(), QJsonObject{{QStringLiteral("size"), double(it->size)},
                                           {QStringLiteral("modified"), double(it->modified)},
                                           {QStringLiteral("id"), it->id},
                                           {QStringLiteral("title"), it->title},
                                           {QStringLiteral("words"), it->words}});
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(QJsonObject{{QStringLiteral("files"), files}}).toJson(QJsonDocument::Compact));
        file.commit();
    }
}

IndexEntry entryOf(const QFileInfo &file, const Lesson &lesson)
{
    int words = 0;
    for (const LessonSection &section : lesson.sections)
        for (const LessonItem &item : section.items)
            words += item.kind() == ItemKind::Word;
    return {file.size(), file.lastModified().toMSecsSinceEpoch(), lesson.id, lesson.title,
            words > 0 ? words : lesson.itemCount()};
}

// A part of a file name that any file system takes: letters, digits, "-" and "_"; anything else
// becomes "-".
QString safeName(const QString &name, int length)
{
    QString out;
    for (QChar c : name.normalized(QString::NormalizationForm_C).left(length))
        out += c.isLetterOrNumber() || c == QLatin1Char('_') ? c : QLatin1Char('-');
    return out;
}

// The pictures a lesson shows, copied into its own folder. Each copy is named after its picture
// and its contents, so a changed picture gets a new name and never overwrites one that the
// lesson file on disk still shows until the new file has replaced it.
class PictureCopies {
public:
    explicit PictureCopies(QString folder) : folder_(std::move(folder)) {}

    // The copy of a picture file; empty, with the error set, when it cannot be made.
    QString copy(const QString &source)
    {
        if (const auto known = copies_.constFind(source); known != copies_.constEnd())
            return *known;
        QFile in(source);
        if (!in.open(QIODevice::ReadOnly)) {
            error = QCoreApplication::translate("LessonLibrary", "the picture %1 cannot be read (%2)").arg(source, in.errorString());
            return QString();
        }
        // The readers checked its size; a picture that has grown since is not read past it.
        const QByteArray bytes = in.read(WordList::maxPictureBytes + 1);
        if (bytes.size() > WordList::maxPictureBytes || in.error() != QFileDevice::NoError) {
            error = QCoreApplication::translate("LessonLibrary", "the picture %1 cannot be read (%2)").arg(source, in.errorString());
            return QString();
        }
        const QFileInfo info(source);
        QString base = safeName(info.completeBaseName(), 60);
        QString suffix = safeName(info.suffix(), 10);
        if (base.isEmpty())
            base = QStringLiteral("picture");
        if (suffix.isEmpty())
            suffix = QStringLiteral("picture"); // a picture file's name needs a dot
        const QString name = QStringLiteral("%1-%2.%3").arg(
            base, QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(12)), suffix);
        const QString target = folder_ + QLatin1Char('/') + name;
        if (!QFileInfo::exists(target)) {
            QSaveFile out(target);
            if (!QDir().mkpath(folder_) || !out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() ||
                !out.commit()) {
                error = QCoreApplication::translate("LessonLibrary", "the picture %1 cannot be copied to %2 (%3)").arg(source, folder_, out.errorString());
                return QString();
            }
            created_.append(target);
        }
        copies_.insert(source, target);
        kept_.insert(name);
        return target;
    }

    // After the lesson file has been replaced: the pictures it no longer shows go.
    void removeUnused() const
    {
        QDir dir(folder_);
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
            if (!kept_.contains(name))
                dir.remove(name);
        if (kept_.isEmpty())
            QDir().rmdir(folder_);
    }
    // When the lesson could not be kept: the copies made for it go.
    void undo() const
    {
        for (const QString &file : created_)
            QFile::remove(file);
        QDir().rmdir(folder_); // only when empty
    }

    QString error;

private:
    QString folder_;
    QHash<QString, QString> copies_;
    QSet<QString> kept_;
    QStringList created_;
};

} // namespace

LessonLibrary::LessonLibrary(QString folder) : folder_(QDir(folder).absolutePath()) {}

QString LessonLibrary::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/lessons");
}

QString LessonLibrary::pathOf(const QString &id) const
{
    return folder_ + QLatin1Char('/') + id + QStringLiteral(".json");
}

bool LessonLibrary::has(const QString &id) const
{
    // An id from anywhere (the record names them) never reaches outside the folder.
    return !id.isEmpty() && id.size() <= 200 && safeName(id, int(id.size())) == id && QFileInfo::exists(pathOf(id));
}

std::shared_ptr<const Lesson> LessonLibrary::load(const QString &id) const
{
    if (!has(id))
        return nullptr;
    LessonFile::Result read = LessonFile::load(pathOf(id));
    if (!read.ok())
        return nullptr;
    return std::make_shared<const Lesson>(std::move(read.lesson));
}

LessonLibrary::Listing LessonLibrary::list()
{
    Listing out;
    const QDir dir(folder_);
    if (!dir.exists())
        return out;
    const QString indexPath = dir.filePath(indexName);
    const Index index = readIndex(indexPath);
    Index fresh;
    bool changed = false;
    QSet<QString> ids{lessonOne().id};
    for (const QFileInfo &file : dir.entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        const QString name = file.fileName();
        IndexEntry entry = index.value(name);
        if (entry.size != file.size() || entry.modified != file.lastModified().toMSecsSinceEpoch()) {
            const LessonFile::Result read = LessonFile::load(file.absoluteFilePath());
            changed = true;
            if (!read.ok()) {
                out.problems.append(read.error);
                continue;
            }
            entry = entryOf(file, read.lesson);
        }
        fresh.insert(name, entry);
        if (ids.contains(entry.id)) {
            //: %1 is a lesson file, %2 the id it gives its lesson
            out.problems.append(QCoreApplication::translate("LessonLibrary", "%1: another lesson has the id \"%2\" already").arg(file.absoluteFilePath(), entry.id));
            continue;
        }
        ids.insert(entry.id);
        out.lessons.append({entry.id, entry.title, entry.words, file.absoluteFilePath()});
    }
    if (changed || fresh.size() != index.size())
        writeIndex(indexPath, fresh);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(out.lessons.begin(), out.lessons.end(), [&collator](const LibraryLesson &a, const LibraryLesson &b) {
        return collator.compare(a.title, b.title) < 0;
    });
    return out;
}

LessonLibrary::Imported LessonLibrary::import(const QString &path, const WordList::Options &options)
{
    return add(path, WordList::read(path, options));
}

LessonLibrary::Imported LessonLibrary::add(const QString &path, const WordList::Result &read)
{
    Imported out;
    out.setAside = read.setAside;
    if (!read.ok()) {
        out.error = read.error;
        return out;
    }
    Lesson lesson = read.lesson;
    out.id = lesson.id;
    out.title = lesson.title;
    const QString file = pathOf(lesson.id);
    const auto failed = [&](const QString &why) {
        //: %1 is the word list, %2 the folder of the lessons, %3 why
        out.error = QCoreApplication::translate("LessonLibrary", "%1: the lesson cannot be kept in %2 (%3)").arg(path, QDir::toNativeSeparators(folder_), why);
        return out;
    };
    if (!QDir().mkpath(folder_))
        return failed(QCoreApplication::translate("LessonLibrary", "the folder cannot be made"));

    // The pictures, copied beside the lesson file.
    PictureCopies pictures(folder_ + QLatin1Char('/') + lesson.id);
    for (LessonSection &section : lesson.sections)
        for (LessonItem &item : section.items)
            if (auto *word = std::get_if<WordItem>(&item.content); word && !word->picture.isEmpty()) {
                word->picture = pictures.copy(word->picture);
                if (word->picture.isEmpty()) {
                    pictures.undo();
                    return failed(pictures.error);
                }
            }

    // Written only when it reads back: a lesson file in the folder always loads.
    const QByteArray bytes = LessonFile::write(lesson, folder_);
    if (const LessonFile::Result check = LessonFile::parse(bytes, file, folder_); !check.ok()) {
        pictures.undo();
        out.error = check.error;
        return out;
    }

    // What changed against the lesson as it was.
    out.updated = QFileInfo::exists(file);
    QHash<QString, WordItem> before;
    if (out.updated)
        for (const LessonSection &section : LessonFile::load(file).lesson.sections)
            for (const LessonItem &item : section.items)
                if (const auto *word = item.as<WordItem>())
                    before.insert(item.key, *word);
    for (const LessonSection &section : std::as_const(lesson.sections))
        for (const LessonItem &item : section.items)
            if (const auto *word = item.as<WordItem>()) {
                ++out.words;
                const auto old = before.constFind(item.key);
                if (old == before.constEnd())
                    ++out.added;
                else if (*old != *word)
                    ++out.changed;
                before.remove(item.key);
            }
    out.removed = int(before.size());

    QSaveFile save(file);
    if (!save.open(QIODevice::WriteOnly) || save.write(bytes) != bytes.size() || !save.commit()) {
        pictures.undo();
        return failed(save.errorString());
    }
    pictures.removeUnused();
    Lessons::remove(lesson.id);
    // The index learns of the new file at once, so the next list need not read it.
    const QString indexPath = QDir(folder_).filePath(indexName);
    Index index = readIndex(indexPath);
    index.insert(QFileInfo(file).fileName(), entryOf(QFileInfo(file), lesson));
    writeIndex(indexPath, index);
    return out;
}

bool LessonLibrary::remove(const LibraryLesson &lesson, QString *error)
{
    const QFileInfo file(lesson.path);
    // Only the library's own files, and the folder of pictures that goes with one.
    if (file.absolutePath() != folder_ || file.suffix() != QLatin1String("json")) {
        if (error)
            *error = QCoreApplication::translate("LessonLibrary", "%1 is not a lesson of the folder %2").arg(lesson.path, QDir::toNativeSeparators(folder_));
        return false;
    }
    QFile remove(lesson.path);
    if (!remove.remove() && file.exists()) {
        if (error)
            //: %1 is a lesson file, %2 why it cannot be removed
            *error = QCoreApplication::translate("LessonLibrary", "%1 cannot be removed (%2)").arg(lesson.path, remove.errorString());
        return false;
    }
    // Its items leave the review: the record's answers to them stay.
    Lessons::remove(lesson.id);
    const QFileInfo pictures(file.absolutePath() + QLatin1Char('/') + file.completeBaseName());
    if (pictures.isDir() && !pictures.isSymLink())
        QDir(pictures.absoluteFilePath()).removeRecursively();
    return true;
}

QStringList LessonLibrary::Imported::lines() const
{
    if (!ok())
        return {error};
    QStringList out;
    out.append(words == 1 ? QCoreApplication::translate("LessonLibrary", "Imported 1 word into “%1”").arg(title)
                          : QCoreApplication::translate("LessonLibrary", "Imported %1 words into “%2”").arg(QLocale().toString(words), title));
    if (updated)
        //: An update of a lesson imported before: how many words are new, changed, and gone
        out.append(QCoreApplication::translate("LessonLibrary", "It had been imported before and is updated: %1 new, %2 changed, %3 no longer in the list.")
                       .arg(added)
                       .arg(changed)
                       .arg(removed));
    out.append(setAside.lines());
    return out;
}
