#include "core/wordlist.h"
#include "core/lessonfile.h"
#include "core/wordlist_p.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QUrl>

namespace WordList {

QStringList SetAside::lines() const
{
    QStringList out;
    const auto line = [&out](int count, const char *text) {
        if (count > 0)
            out.append(QCoreApplication::translate("WordList", text).arg(count));
    };
    line(picturesOutside, QT_TRANSLATE_NOOP("WordList", "Pictures not in the word list's folder: %1"));
    line(pictureUrls, QT_TRANSLATE_NOOP("WordList", "Pictures on the web: %1"));
    line(notPictures, QT_TRANSLATE_NOOP("WordList", "Files that are not pictures: %1"));
    line(picturesTooLarge, QT_TRANSLATE_NOOP("WordList", "Pictures over 5 MB: %1"));
    line(picturesTooWide, QT_TRANSLATE_NOOP("WordList", "Pictures over 4,000 pixels wide or high: %1"));
    line(inactive, QT_TRANSLATE_NOOP("WordList", "Inactive entries skipped: %1"));
    line(emptyWords, QT_TRANSLATE_NOOP("WordList", "Entries without a Hungarian word: %1"));
    line(noPrompts, QT_TRANSLATE_NOOP("WordList", "Entries with no translation, definition or picture: %1"));
    line(longTexts, QT_TRANSLATE_NOOP("WordList", "Entries with a text over 500 characters: %1"));
    line(duplicates, QT_TRANSLATE_NOOP("WordList", "Duplicate words merged: %1"));
    line(controlCharacters, QT_TRANSLATE_NOOP("WordList", "Texts with control characters removed: %1"));
    return out;
}

QString articleFor(const QString &word)
{
    static const QString vowels = QStringLiteral(u"aáeéiíoóöőuúüű");
    for (QChar c : word) {
        if (c.isSpace())
            continue;
        return vowels.contains(c.toLower()) ? QStringLiteral("az") : QStringLiteral("a");
    }
    return QStringLiteral("a");
}

QString withoutArticle(const QString &noun)
{
    for (const QLatin1String article : {QLatin1String("a "), QLatin1String("az ")})
        if (noun.size() > article.size() && noun.startsWith(article, Qt::CaseInsensitive))
            return noun.mid(article.size()).trimmed();
    return noun;
}

QString cleanText(const QString &text, bool *removed)
{
    QString out;
    out.reserve(text.size());
    bool blank = false, dropped = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        char32_t code = c.unicode();
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (pair)
            code = QChar::surrogateToUcs4(c, text.at(i + 1));
        if (QChar::isSpace(code)) {
            blank = true;
            continue;
        }
        const QChar::Category category = QChar::category(code);
        if (category == QChar::Other_Control || category == QChar::Other_Format || category == QChar::Other_Surrogate) {
            dropped = true;
            continue;
        }
        if (blank && !out.isEmpty())
            out.append(QLatin1Char(' '));
        blank = false;
        out.append(c);
        if (pair)
            out.append(text.at(++i));
    }
    if (removed)
        *removed = dropped;
    // Composed last: marks that stood apart only by a removed character are ordered together.
    return out.normalized(QString::NormalizationForm_C);
}

QString wordKey(const QString &hungarian)
{
    return QStringLiteral("word:") + hungarian;
}

QString articleKey(const QString &hungarian)
{
    return QStringLiteral("article:") + hungarian;
}

QString wordListId(const QString &path)
{
    const QFileInfo info(path);
    QString slug;
    for (QChar c : info.completeBaseName().normalized(QString::NormalizationForm_D).toLower()) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            slug.append(c);
        else if (c.category() != QChar::Mark_NonSpacing && !slug.isEmpty() && !slug.endsWith(QLatin1Char('-')))
            slug.append(QLatin1Char('-'));
        if (slug.size() >= 40)
            break;
    }
    while (slug.endsWith(QLatin1Char('-')))
        slug.chop(1);
    if (slug.isEmpty())
        slug = QStringLiteral("list");
    const QString canonical = info.canonicalFilePath();
    const QString full = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    const QByteArray hash = QCryptographicHash::hash(full.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    return slug + QLatin1Char('-') + QString::fromLatin1(hash);
}

namespace detail {

QString languageOf(const QString &locale)
{
    QString language = locale.trimmed().toLower();
    const qsizetype end = language.indexOf(QRegularExpression(QStringLiteral("[_\\-@.]")));
    if (end >= 0)
        language.truncate(end);
    return language;
}

FileBytes readFile(const QString &path)
{
    FileBytes out;
    const QFileInfo info(path);
    if (!info.exists())
        out.error = QCoreApplication::translate("WordList", "%1: the file does not exist").arg(path);
    else if (info.isDir())
        out.error = QCoreApplication::translate("WordList", "%1: this is a folder, not a word list").arg(path);
    else if (!info.isFile())
        out.error = QCoreApplication::translate("WordList", "%1: this is not a file that can be read").arg(path);
    else if (info.size() > maxFileBytes)
        out.error = QCoreApplication::translate("WordList", "%1: the file is larger than 50 MB").arg(path);
    if (!out.error.isEmpty())
        return out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.error = QCoreApplication::translate("WordList", "%1: the file cannot be read (%2)").arg(path, file.errorString());
        return out;
    }
    // The file may have grown since its size was looked at: never more than the limit is read.
    out.bytes = file.read(maxFileBytes + 1);
    if (out.bytes.size() > maxFileBytes) {
        out.bytes.clear();
        out.error = QCoreApplication::translate("WordList", "%1: the file is larger than 50 MB").arg(path);
    } else if (file.error() != QFileDevice::NoError) {
        out.bytes.clear();
        out.error = QCoreApplication::translate("WordList", "%1: the file cannot be read (%2)").arg(path, file.errorString());
    }
    out.folder = QDir(info.absolutePath()).canonicalPath();
    return out;
}

namespace {

// A picture reference of a list: the file it names when that is a picture in the folder (or
// below it) that is small enough, else empty and the reason. Only the file's size and its
// header are read.
std::pair<QString, int SetAside::*> checkPicture(const QString &reference, const QString &folder)
{
    QString path = reference.trimmed();
    // A scheme is two letters or more before a colon; one letter is a Windows drive.
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.\\-]+):"));
    const QRegularExpressionMatch match = scheme.match(path);
    if (match.hasMatch()) {
        const QUrl url(path);
        if (match.captured(1).compare(QLatin1String("file"), Qt::CaseInsensitive) != 0 || !url.isLocalFile() ||
            !(url.host().isEmpty() || url.host() == QLatin1String("localhost")))
            return {QString(), &SetAside::pictureUrls};
        path = url.toLocalFile();
    }
    if (folder.isEmpty() || path.isEmpty())
        return {QString(), &SetAside::picturesOutside};
    QString canonical = QFileInfo(QDir(folder), path).canonicalFilePath();
    if (canonical.isEmpty() && path.contains(QLatin1Char('%')))
        canonical = QFileInfo(QDir(folder), QUrl::fromPercentEncoding(path.toUtf8())).canonicalFilePath();
    const QString inside = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    if (!canonical.startsWith(inside))
        return {QString(), &SetAside::picturesOutside};
    const QFileInfo file(canonical);
    if (!file.isFile())
        return {QString(), &SetAside::notPictures};
    if (file.size() > maxPictureBytes)
        return {QString(), &SetAside::picturesTooLarge};
    QImageReader reader(canonical);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return {QString(), &SetAside::notPictures};
    const QSize size = reader.size();
    if (!size.isValid())
        return {QString(), &SetAside::notPictures};
    if (size.width() > maxPictureSide || size.height() > maxPictureSide)
        return {QString(), &SetAside::picturesTooWide};
    return {canonical, nullptr};
}

} // namespace

Builder::Builder(const QString &name, const QString &folder, const Options &options)
    : name_(name), folder_(folder), options_(options)
{
}

void Builder::section(const QString &id, const QString &title)
{
    pendingId_ = id;
    pendingTitle_ = title;
    current_ = -1;
}

QString Builder::picture(const QStringList &references)
{
    int SetAside::*reason = nullptr;
    for (const QString &reference : references) {
        auto found = pictures_.constFind(reference);
        if (found == pictures_.constEnd())
            found = pictures_.insert(reference, checkPicture(reference, folder_));
        if (!found->first.isEmpty())
            return found->first;
        if (!reason)
            reason = found->second;
    }
    if (reason)
        ++(result_.setAside.*reason);
    return QString();
}

bool Builder::add(const Entry &entry)
{
    if (full_)
        return false;
    SetAside &aside = result_.setAside;
    const auto clean = [&aside](const QString &text) {
        bool dropped = false;
        QString out = cleanText(text, &dropped);
        if (dropped)
            ++aside.controlCharacters;
        return out;
    };
    const bool noun = entry.noun || options_.nouns;
    // A noun is asked with its article on its own: the list's "az alma" is the noun "alma".
    const QString hungarian = noun ? withoutArticle(clean(entry.hungarian)) : clean(entry.hungarian);
    QString prompt = clean(entry.prompt);
    QString language = entry.language;
    if (prompt.isEmpty()) {
        prompt = clean(entry.definition);
        language = QStringLiteral("hu");
    }
    if (hungarian.isEmpty()) {
        ++aside.emptyWords;
        return true;
    }
    if (hungarian.size() > maxTextLength || prompt.size() > maxTextLength) {
        ++aside.longTexts;
        return true;
    }
    const QString key = wordKey(hungarian);
    if (const auto known = byKey_.constFind(key); known != byKey_.constEnd()) {
        // The same word again: one item, its prompts side by side.
        Word &word = words_[*known];
        word.noun = word.noun || noun;
        if (word.prompt.isEmpty()) {
            word.prompt = prompt;
            word.language = language;
        } else if (!prompt.isEmpty() && !word.prompt.split(QStringLiteral("; ")).contains(prompt) &&
                   word.prompt.size() + 2 + prompt.size() <= maxTextLength) {
            word.prompt += QStringLiteral("; ") + prompt;
        }
        if (word.picture.isEmpty() && !entry.pictures.isEmpty())
            word.picture = picture(entry.pictures);
        ++aside.duplicates;
        return true;
    }
    const QString file = entry.pictures.isEmpty() ? QString() : picture(entry.pictures);
    if (prompt.isEmpty() && file.isEmpty()) {
        ++aside.noPrompts;
        return true;
    }
    if (words_.size() >= maxWords) {
        full_ = true;
        return false;
    }
    if (current_ < 0) {
        current_ = int(std::find_if(sections_.cbegin(), sections_.cend(),
                                    [this](const Section &s) { return s.id == pendingId_; }) -
                       sections_.cbegin());
        if (current_ == sections_.size()) {
            if (sections_.size() >= LessonFile::maxSections) {
                full_ = true;
                return false;
            }
            sections_.append({pendingId_, pendingTitle_, {}});
        }
    }
    byKey_.insert(key, int(words_.size()));
    sections_[current_].words.append(int(words_.size()));
    words_.append({hungarian, prompt, prompt.isEmpty() ? QString() : language, file, noun});
    return true;
}

Result Builder::fail(const QString &message)
{
    Result out;
    out.error = message;
    out.columns = result_.columns;
    return out;
}

Result Builder::finish(const QString &title)
{
    if (full_) {
        return fail(sections_.size() >= LessonFile::maxSections && words_.size() < maxWords
                        ? QCoreApplication::translate("WordList", "%1: the list has more than %2 lessons")
                              .arg(name_)
                              .arg(LessonFile::maxSections)
                        : QCoreApplication::translate("WordList", "%1: the list has more than %2 words")
                              .arg(name_)
                              .arg(maxWords));
    }
    if (words_.isEmpty())
        return fail(QCoreApplication::translate("WordList", "%1: the list has no words to practise").arg(name_));
    Result out = result_;
    Lesson &lesson = out.lesson;
    lesson.id = wordListId(name_);
    lesson.title = cleanText(title).left(maxTextLength);
    if (lesson.title.isEmpty())
        lesson.title = QFileInfo(name_).completeBaseName();
    for (const Section &section : sections_) {
        LessonSection made;
        made.id = section.id;
        made.title = section.title;
        for (int index : section.words) {
            const Word &word = words_[index];
            made.items.append({wordKey(word.hungarian), WordItem{word.prompt, word.language, word.picture, word.hungarian}});
            if (word.noun)
                made.items.append({articleKey(word.hungarian), ArticleItem{word.hungarian, articleFor(word.hungarian)}});
        }
        lesson.sections.append(made);
    }
    return out;
}

} // namespace detail

bool isWordListName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("kvtml") || suffix == QLatin1String("csv") || suffix == QLatin1String("tsv") ||
           suffix == QLatin1String("txt");
}

Result read(const QString &path, const Options &options)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("kvtml") || suffix == QLatin1String("xml"))
        return read(path, Format::Kvtml, options);
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("tsv") || suffix == QLatin1String("txt"))
        return read(path, Format::Csv, options);
    // Anything else by its beginning: XML starts with "<", after a byte order mark and blanks.
    detail::FileBytes file = detail::readFile(path);
    if (!file.error.isEmpty()) {
        Result failed;
        failed.error = file.error;
        return failed;
    }
    QByteArrayView start(file.bytes);
    if (start.startsWith("\xEF\xBB\xBF"))
        start = start.sliced(3);
    start = start.trimmed();
    return start.startsWith('<') ? parseKvtml(file.bytes, path, file.folder, options) : parseCsv(file.bytes, path, options);
}

Result read(const QString &path, Format format, const Options &options)
{
    const detail::FileBytes file = detail::readFile(path);
    if (!file.error.isEmpty()) {
        Result failed;
        failed.error = file.error;
        return failed;
    }
    return format == Format::Kvtml ? parseKvtml(file.bytes, path, file.folder, options) : parseCsv(file.bytes, path, options);
}

} // namespace WordList
