#pragma once
// The drawings of velko-pictures: road signs, vehicles and scenes in plain
// QPainter shapes. Needs a QGuiApplication (for the fonts).
#include <QImage>
#include <QString>

namespace Drawing {

// A question picture as described in pictures.csv: its kind (see KindKnown)
// and a short label that the kind uses (a number on a sign, a length...).
struct Picture {
    QString kind;
    QString label;
};

constexpr int PictureWidth = 400;
constexpr int PictureHeight = 300;

// True for the kinds this program can draw:
// speed, height, weight, axle, nodanger, noovertake, stop, gradient, chains,
// distance, adr, adrblank, triangle, lorry, coach, minibus, fireengine,
// trailer, coupling, tyre, tachograph, loadstraps, mountain, tunnel, turning.
bool KindKnown(const QString &kind);

// Question picture, 400 x 300; an unknown kind gives a plain panel with the number.
QImage QuestionPicture(const Picture &picture, int number);

// Book cover with its title and category code.
QImage BookCover(const QString &title, const QString &category, int number);

// Start picture (3000) and title picture (5000).
QImage StartPicture();
QImage TitlePicture();

} // namespace Drawing
