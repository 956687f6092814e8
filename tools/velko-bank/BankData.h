#pragma once
// The contents of a question bank held in memory, as read from the CSV
// sources or from a bank file, so that both can be checked by the same rules.
// Every row carries where it came from, for the messages.
#include <QString>
#include <QStringList>
#include <QVector>

namespace BankData {

struct Question {
    qint64 category = 0, number = 0, picture = 0, theme = 0;
    QString answer;
    QString where;
};
struct Text {
    qint64 category = 0, number = 0, language = 0;
    QString question, answerA, answerB, answerC;
    QString where;
};
struct Theme {
    qint64 category = 0, theme = 0, language = 0;
    QString name;
    QString where;
};
struct Questionnaire {
    qint64 category = 0, theme = 0, number = 0;
    QString questions;
    QString where;
};
struct Book {
    qint64 category = 0, number = 0;
    QString title, picture;
    QString where;
};
struct BookPage {
    qint64 category = 0, book = 0, question = 0;
    QString page;
    QString where;
};

struct Bank {
    QVector<Question> questions;
    QVector<Text> texts;
    QVector<Theme> themes;
    QVector<Questionnaire> questionnaires;
    QVector<Book> books;
    QVector<BookPage> bookPages;
};

// Codes of the sources: categories C D C1 D1 are 0..3, languages de fr it 0..2.
extern const QStringList CategoryCodes;
extern const QStringList LanguageCodes;
QString CategoryName(qint64 category);   // the code, or the number when out of range
QString LanguageName(qint64 language);

// Checks the consistency of a bank. With a pictures directory, every picture
// number must have its file there. Returns one message per problem.
QStringList Check(const Bank &bank, const QString &picturesDir);

// Picture files: question pictures NNNN.jpg or NNNN.bmp, book covers NNNN.bmp.
QString PictureBaseName(qint64 number);

} // namespace BankData
