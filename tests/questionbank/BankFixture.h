#pragma once
// Small question banks for the tests, made through clsQuestion's own
// creation and add operations.
#include "questionbank/clsQuestion.h"

#include <QtTest>

namespace BankFixture {

struct Q { int16_t cat; int32_t nr; int32_t pic; int16_t theme; const char *answer; };
struct T { int16_t cat; int32_t nr; int16_t lang; const char *text; const char *a; const char *b; const char *c; };
struct Th { int16_t cat; int16_t theme; int16_t lang; const char *name; };
struct Qn { int16_t cat; int16_t theme; int16_t nr; const char *list; };
struct Bk { int16_t cat; int16_t nr; const char *title; const char *pic; };
struct Pg { int16_t cat; int16_t book; int32_t q; const char *page; };

struct Content {
    QVector<Q> questions;
    QVector<T> texts;
    QVector<Th> themes;
    QVector<Qn> questionnaires;
    QVector<Bk> books;
    QVector<Pg> pages;
};

// Creates <dir>/<name> and fills it; the object is left open for writing.
inline void Make(clsQuestion &qb, const QString &dir, const QString &name, const Content &c)
{
    qb.setDbPath(dir);
    qb.setDbFileName(name);
    QString error;
    QVERIFY2(qb.DbCreate(error), qPrintable(error));
    qb.setRSLockType("2");
    qb.DbOpen();
    QVERIFY(qb.IsOpen());
    qb.QuestionOpen();
    for (const Q &q : c.questions) {
        qb.QuestionAdd();
        qb.CategoryNr = q.cat; qb.QuestionNr = q.nr; qb.PictureNr = q.pic; qb.ThemeNr = q.theme; qb.Answer = q.answer;
        qb.QuestionUpdate();
    }
    qb.QuestionClose();
    qb.QuestionTextOpen();
    for (const T &t : c.texts) {
        qb.QuestionTextAdd();
        qb.CategoryNr = t.cat; qb.QuestionNr = t.nr; qb.LanguageNr = t.lang;
        qb.QuestionText = t.text; qb.AnsweraText = t.a; qb.AnswerbText = t.b;
        qb.AnswercText = t.c ? QString::fromUtf8(t.c) : QString();
        qb.QuestionTextUpdate();
    }
    qb.QuestionTextClose();
    qb.ThemeNameOpen();
    for (const Th &t : c.themes) {
        qb.ThemeNameAdd();
        qb.CategoryNr = t.cat; qb.ThemeNr = t.theme; qb.LanguageNr = t.lang; qb.ThemeName = QString::fromUtf8(t.name);
        qb.ThemeNameUpdate();
    }
    qb.ThemeNameClose();
    qb.QuestionnaireOpen();
    for (const Qn &q : c.questionnaires) {
        qb.QuestionnaireAdd();
        qb.CategoryNr = q.cat; qb.ThemeNr = q.theme; qb.QuestionnaireNr = q.nr; qb.QuestionnaireQuestions = q.list;
        qb.QuestionnaireUpdate();
    }
    qb.QuestionnaireClose();
    qb.BookOpen();
    for (const Bk &b : c.books) {
        qb.BookAdd();
        qb.CategoryNr = b.cat; qb.BookNr = b.nr; qb.BookTitle = QString::fromUtf8(b.title); qb.BookPictureNr = b.pic;
        qb.BookUpdate();
    }
    qb.BookClose();
    qb.BookPageOpen();
    for (const Pg &p : c.pages) {
        qb.BookPageAdd();
        qb.CategoryNr = p.cat; qb.BookNr = p.book; qb.QuestionNr = p.q; qb.BookPageNr = p.page;
        qb.BookPageUpdate();
    }
    qb.BookPageClose();
}

} // namespace BankFixture
