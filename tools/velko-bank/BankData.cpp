#include "tools/velko-bank/BankData.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <tuple>
#include <unordered_map>

namespace BankData {

const QStringList CategoryCodes = {QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("C1"),
                                   QStringLiteral("D1")};
const QStringList LanguageCodes = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("it")};

QString CategoryName(qint64 category)
{
    return category >= 0 && category < CategoryCodes.size() ? CategoryCodes.at(category)
                                                            : QString::number(category);
}

QString LanguageName(qint64 language)
{
    return language >= 0 && language < LanguageCodes.size() ? LanguageCodes.at(language)
                                                            : QString::number(language);
}

QString PictureBaseName(qint64 number)
{
    return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

namespace {

using Key = std::tuple<qint64, qint64, qint64>;

struct KeyHash {
    size_t operator()(const Key &k) const
    {
        return qHashMulti(0, std::get<0>(k), std::get<1>(k), std::get<2>(k));
    }
};

class Checker
{
public:
    Checker(const Bank &bank, const QString &pictures) : b(bank), pics(pictures) {}

    QStringList Run()
    {
        questions();
        texts();
        themes();
        questionnaires();
        books();
        bookPages();
        return errors;
    }

private:
    const Bank &b;
    QString pics;
    QStringList errors;
    std::unordered_map<Key, int, KeyHash> questionAt;   // (category, number, 0) -> index
    std::unordered_map<Key, QString, KeyHash> themeName;  // (category, theme, language)
    QSet<QString> bookKeys;

    void error(const QString &where, const QString &what) { errors << where + QStringLiteral(": ") + what; }

    bool categoryOk(qint64 c, const QString &where)
    {
        if (c >= 0 && c <= 3)
            return true;
        error(where, QStringLiteral("unknown category %1 (0 to 3: C, D, C1, D1)").arg(c));
        return false;
    }
    bool languageOk(qint64 l, const QString &where)
    {
        if (l >= 0 && l <= 2)
            return true;
        error(where, QStringLiteral("unknown language %1 (0 to 2: de, fr, it)").arg(l));
        return false;
    }
    bool pictureExists(const QString &file) const { return QFileInfo(QDir(pics).filePath(file)).isFile(); }

    void questions()
    {
        for (int i = 0; i < b.questions.size(); ++i) {
            const Question &q = b.questions.at(i);
            if (!categoryOk(q.category, q.where))
                continue;
            if (q.number < 1 || q.number > 0xFFFF)
                error(q.where, QStringLiteral("question number %1 out of range (1 to 65535, four hexadecimal "
                                              "digits in questionnaire lists)").arg(q.number));
            if (q.answer != QLatin1String("a") && q.answer != QLatin1String("b") && q.answer != QLatin1String("c"))
                error(q.where, QStringLiteral("question %1: answer \"%2\" is not a, b or c").arg(q.number).arg(q.answer));
            if (q.theme < 0 || q.theme > 32767)
                error(q.where, QStringLiteral("question %1: theme %2 out of range").arg(q.number).arg(q.theme));
            if (q.picture < 0 || q.picture > 0x7FFFFFFF) {
                error(q.where, QStringLiteral("question %1: picture number %2 out of range").arg(q.number).arg(q.picture));
            } else if (q.picture != 0 && !pics.isEmpty()) {
                const QString base = PictureBaseName(q.picture);
                if (!pictureExists(base + QStringLiteral(".jpg")) && !pictureExists(base + QStringLiteral(".bmp")))
                    error(q.where, QStringLiteral("question %1: picture %2 has no file %2.jpg or %2.bmp in %3")
                                       .arg(q.number).arg(base, pics));
            }
            const Key k{q.category, q.number, 0};
            if (questionAt.count(k))
                error(q.where, QStringLiteral("question %1 of category %2 is defined twice (first at %3)")
                                   .arg(q.number).arg(CategoryName(q.category), b.questions.at(questionAt[k]).where));
            else
                questionAt[k] = i;
        }
    }

    void texts()
    {
        std::unordered_map<Key, QString, KeyHash> seen;
        for (const Text &t : b.texts) {
            if (!categoryOk(t.category, t.where) || !languageOk(t.language, t.where))
                continue;
            if (!questionAt.count(Key{t.category, t.number, 0})) {
                error(t.where, QStringLiteral("text for unknown question %1 of category %2")
                                   .arg(t.number).arg(CategoryName(t.category)));
                continue;
            }
            const Key k{t.category, t.number, t.language};
            if (seen.count(k))
                error(t.where, QStringLiteral("second text of question %1, category %2, language %3 (first at %4)")
                                   .arg(t.number)
                                   .arg(CategoryName(t.category), LanguageName(t.language), seen[k]));
            else
                seen[k] = t.where;
        }
        for (const Question &q : b.questions) {
            if (q.category < 0 || q.category > 3)
                continue;
            for (int l = 0; l <= 2; ++l)
                if (!seen.count(Key{q.category, q.number, l}))
                    error(q.where, QStringLiteral("question %1 of category %2 has no text in language %3")
                                       .arg(q.number).arg(CategoryName(q.category), LanguageName(l)));
        }
    }

    void themes()
    {
        std::unordered_map<Key, QString, KeyHash> seen;
        for (const Theme &t : b.themes) {
            if (!categoryOk(t.category, t.where) || !languageOk(t.language, t.where))
                continue;
            if (t.theme < 0 || t.theme > 32767) {
                error(t.where, QStringLiteral("theme number %1 out of range (0 to 32767)").arg(t.theme));
                continue;
            }
            const Key k{t.category, t.theme, t.language};
            if (seen.count(k)) {
                error(t.where, QStringLiteral("second name of theme %1, category %2, language %3 (first at %4)")
                                   .arg(t.theme)
                                   .arg(CategoryName(t.category), LanguageName(t.language), seen[k]));
                continue;
            }
            seen[k] = t.where;
            themeName[k] = t.name.trimmed();
        }
        // Every question's theme needs a name in each language of its category.
        QSet<QString> told;
        for (const Question &q : b.questions) {
            if (q.category < 0 || q.category > 3)
                continue;
            for (int l = 0; l <= 2; ++l) {
                auto it = themeName.find(Key{q.category, q.theme, l});
                if (it != themeName.end() && !it->second.isEmpty())
                    continue;
                const QString id = QStringLiteral("%1/%2/%3").arg(q.category).arg(q.theme).arg(l);
                if (told.contains(id))
                    continue;
                told.insert(id);
                error(q.where, QStringLiteral("theme %1 of question %2 has no name in category %3, language %4")
                                   .arg(q.theme).arg(q.number).arg(CategoryName(q.category), LanguageName(l)));
            }
        }
    }

    void questionnaires()
    {
        // The program selects a questionnaire by category, theme and number.
        std::unordered_map<Key, QString, KeyHash> seen;   // (category, theme, number)
        for (const Questionnaire &q : b.questionnaires) {
            if (!categoryOk(q.category, q.where))
                continue;
            const QString id = QStringLiteral("questionnaire %1 of theme %2").arg(q.number).arg(q.theme);
            if (q.number < 1 || q.number > 32767)
                error(q.where, id + QStringLiteral(": questionnaire number out of range (1 to 32767)"));
            if (q.theme < 0 || q.theme > 32767)
                error(q.where, id + QStringLiteral(": theme number out of range (0 to 32767)"));
            if (q.theme >= 0 && q.theme <= 3 && (q.theme != q.category || q.number > 21))
                error(q.where, id + QStringLiteral(": a lesson has the theme of its category (C 0, D 1, C1 2, D1 3) "
                                                   "and a number from 1 to 21"));
            const Key k{q.category, q.theme, q.number};
            if (seen.count(k)) {
                error(q.where, id + QStringLiteral(" of category %1 is defined twice (first at %2)")
                                        .arg(CategoryName(q.category), seen[k]));
                continue;
            }
            seen[k] = q.where;
            listOk(q, id);
        }
    }

    void listOk(const Questionnaire &q, const QString &id)
    {
        const QString &list = q.questions;
        if (list.isEmpty()) {
            error(q.where, id + QStringLiteral(": the question list is empty"));
            return;
        }
        if (list.size() % 4 != 0) {
            error(q.where, id + QStringLiteral(": the question list has %1 characters, not a multiple of 4")
                                    .arg(list.size()));
            return;
        }
        for (int i = 0; i < list.size(); i += 4) {
            const QString part = list.mid(i, 4);
            const bool hex = std::all_of(part.begin(), part.end(), [](QChar ch) {
                return (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || (ch >= QLatin1Char('a') && ch <= QLatin1Char('f'))
                       || (ch >= QLatin1Char('A') && ch <= QLatin1Char('F'));
            });
            const qint64 nr = hex ? part.toLongLong(nullptr, 16) : 0;
            if (!hex) {
                error(q.where, id + QStringLiteral(": \"%1\" at position %2 is not four hexadecimal digits")
                                        .arg(part).arg(i + 1));
                continue;
            }
            if (!questionAt.count(Key{q.category, nr, 0}))
                error(q.where, id + QStringLiteral(": question %1 (\"%2\") does not exist in category %3")
                                        .arg(nr).arg(part, CategoryName(q.category)));
        }
    }

    void books()
    {
        std::unordered_map<Key, QString, KeyHash> seen;
        for (const Book &bk : b.books) {
            if (!categoryOk(bk.category, bk.where))
                continue;
            if (bk.number < 1 || bk.number > 32767)
                error(bk.where, QStringLiteral("book number %1 out of range (1 to 32767)").arg(bk.number));
            const Key k{bk.category, bk.number, 0};
            if (seen.count(k)) {
                error(bk.where, QStringLiteral("book %1 of category %2 is defined twice (first at %3)")
                                    .arg(bk.number).arg(CategoryName(bk.category), seen[k]));
                continue;
            }
            seen[k] = bk.where;
            bookKeys.insert(QStringLiteral("%1/%2").arg(bk.category).arg(bk.number));
            if (bk.picture.isEmpty())
                continue;
            bool ok = false;
            const qint64 pic = bk.picture.toLongLong(&ok);
            if (!ok || pic < 0) {
                error(bk.where, QStringLiteral("book %1: cover picture \"%2\" is not a picture number")
                                    .arg(bk.number).arg(bk.picture));
            } else if (!pics.isEmpty() && !pictureExists(PictureBaseName(pic) + QStringLiteral(".bmp"))) {
                error(bk.where, QStringLiteral("book %1: cover picture has no file %2.bmp in %3")
                                    .arg(bk.number).arg(PictureBaseName(pic), pics));
            }
        }
    }

    void bookPages()
    {
        std::unordered_map<Key, QString, KeyHash> seen;
        for (const BookPage &p : b.bookPages) {
            if (!categoryOk(p.category, p.where))
                continue;
            if (!bookKeys.contains(QStringLiteral("%1/%2").arg(p.category).arg(p.book)))
                error(p.where, QStringLiteral("page of unknown book %1 of category %2").arg(p.book).arg(CategoryName(p.category)));
            if (!questionAt.count(Key{p.category, p.question, 0}))
                error(p.where, QStringLiteral("page of unknown question %1 of category %2")
                                   .arg(p.question).arg(CategoryName(p.category)));
            const Key k{p.category, p.book, p.question};
            if (seen.count(k))
                error(p.where, QStringLiteral("second page of question %1 in book %2 of category %3 (first at %4)")
                                   .arg(p.question).arg(p.book).arg(CategoryName(p.category), seen[k]));
            else
                seen[k] = p.where;
        }
    }
};

} // namespace

QStringList Check(const Bank &bank, const QString &picturesDir)
{
    return Checker(bank, picturesDir).Run();
}

} // namespace BankData
